#include "platform/qt_meldungen.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace fluvan::platform {
namespace {

struct Gesehen {
    QString titel, text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QMessageBox::StandardButtons knoepfe;
    Qt::TextFormat format = Qt::AutoText;
    bool modal = false;
};

// Reads the box once it is up and presses its OK button, so nothing blocks.
Gesehen zeigeUndSchliesse(const std::string& prompt, base::MeldungsStil stil) {
    Gesehen gesehen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        gesehen = {box->windowTitle(),     box->text(),       box->icon(),
                   box->standardButtons(), box->textFormat(), box->isModal()};
        box->button(QMessageBox::Ok)->click();
    });
    QtMeldungen().MsgBox(prompt, stil);
    return gesehen;
}

TEST(QtMeldungen, TitelOkUndDasSymbolDesStils) {
    struct Fall {
        const char* name;
        base::MeldungsStil stil;
        QMessageBox::Icon symbol;
    };
    for (const Fall& fall : {Fall{"Frage", base::MeldungsStil::Frage, QMessageBox::Question},
                             Fall{"kritisch", base::MeldungsStil::Kritisch, QMessageBox::Critical},
                             Fall{"Ausruf", base::MeldungsStil::Ausruf, QMessageBox::Warning}}) {
        SCOPED_TRACE(fall.name);
        const Gesehen gesehen = zeigeUndSchliesse("Viskosität <b>?</b>", fall.stil);
        EXPECT_EQ(gesehen.titel, "Fluvan II");
        EXPECT_EQ(gesehen.text, QString::fromUtf8("Viskosität <b>?</b>"));
        EXPECT_EQ(gesehen.symbol, fall.symbol);
        EXPECT_EQ(gesehen.knoepfe, QMessageBox::Ok);
        EXPECT_EQ(gesehen.format, Qt::PlainText);
        EXPECT_TRUE(gesehen.modal);
    }
}

}  // namespace
}  // namespace fluvan::platform
