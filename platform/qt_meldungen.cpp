#include "platform/qt_meldungen.h"

#include <QLocale>
#include <QMessageBox>

#include "base/sprache.h"
#include "platform/modaldialoge.h"
#include "platform/qtext.h"

namespace fluvan::platform {

void QtMeldungen::MsgBox(const std::string& prompt, base::MeldungsStil stil) {
    QMessageBox::Icon symbol = QMessageBox::Information;
    switch (stil) {
        case base::MeldungsStil::Frage: symbol = QMessageBox::Question; break;
        case base::MeldungsStil::Kritisch: symbol = QMessageBox::Critical; break;
        case base::MeldungsStil::Ausruf: symbol = QMessageBox::Warning; break;
    }
    QMessageBox box(symbol, qtext(base::Programmtitel), QString::fromStdString(prompt), QMessageBox::Ok,
                    dialogEltern());
    box.setTextFormat(Qt::PlainText);
    zeigeModal(box);
}

std::string QtRegionaleinstellungen::Dezimaltrennzeichen() const {
    return QLocale::system().decimalPoint().toStdString();
}

}  // namespace fluvan::platform
