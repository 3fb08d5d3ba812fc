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
