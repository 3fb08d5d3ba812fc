#include "platform/anwendung.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <memory>

namespace fluvan::platform {
namespace {

QStringList kontextmenue() {
    QLineEdit feld;
    const std::unique_ptr<QMenu> menue(feld.createStandardContextMenu());
    QStringList texte;
    for (const QAction* aktion : menue->actions())
        if (!aktion->isSeparator()) texte << aktion->text().section(QLatin1Char('\t'), 0, 0);  // without the shortcut
    return texte;
}

// A text box's context menu speaks the language whose Qt texts are loaded.
TEST(Anwendung, QtTexteInDerSpracheDesDesktops) {
    ASSERT_TRUE(ladeQtUebersetzung(QLocale(QLocale::German, QLocale::Germany)))
        << "Qt's German texts missing (qt6-translations-l10n)";
    EXPECT_TRUE(kontextmenue().contains(QStringLiteral("&Kopieren"))) << kontextmenue().join(", ").toStdString();
    ASSERT_TRUE(ladeQtUebersetzung(QLocale(QLocale::French, QLocale::France)));
    EXPECT_TRUE(kontextmenue().contains(QStringLiteral("Cop&ier"))) << kontextmenue().join(", ").toStdString();
    ladeQtUebersetzung(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(kontextmenue().contains(QStringLiteral("&Copy"))) << kontextmenue().join(", ").toStdString();
    ladeQtUebersetzung(QLocale::system());
}

// Drop-down lists open as lists of their visible rows, not as menus of all.
TEST(Anwendung, AuswahllistenOeffnenMitRollbalken) {
    QStyleOptionComboBox liste;
    liste.editable = false;
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ComboBox_Popup, &liste), 0);
}

}  // namespace
}  // namespace fluvan::platform
