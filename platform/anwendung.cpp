#include "platform/anwendung.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>

namespace fluvan::platform {
namespace {

class Plattformstil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* rueckgabe) const override {
        // An opened drop-down list shows its visible rows with a scroll bar,
        // not every entry up to the height of the screen.
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, rueckgabe);
    }
};

QTranslator& qtUebersetzung() {
    static QTranslator uebersetzung;
    return uebersetzung;
}

}  // namespace

void richteAnwendungEin() {
    QApplication::setStyle(new Plattformstil(QApplication::style()->name()));
    // The program's four languages read left to right. Set once and for all,
    // Qt's texts of a right-to-left desktop (Hebrew, Persian) no longer turn
    // its windows, and so their pictures and printouts, round.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    ladeQtUebersetzung(QLocale::system());
}

bool ladeQtUebersetzung(const QLocale& sprache) {
    QTranslator& uebersetzung = qtUebersetzung();
    QCoreApplication::removeTranslator(&uebersetzung);
    if (!uebersetzung.load(sprache, QStringLiteral("qt"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&uebersetzung);
}

}  // namespace fluvan::platform
