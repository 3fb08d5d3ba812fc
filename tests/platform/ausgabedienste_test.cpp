#include "platform/ausgabedienste.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

namespace fluvan::platform {
namespace {

TEST(QtZwischenablage, BildHineinUndWiederLeer) {
    QtZwischenablage zwischenablage;
    QImage bild(40, 30, QImage::Format_RGB32);
    bild.fill(QColor(30, 80, 160));
    bild.setPixelColor(3, 4, Qt::red);
    zwischenablage.setzeBild(bild);
    EXPECT_EQ(zwischenablage.bild().convertToFormat(QImage::Format_RGB32), bild);
    zwischenablage.Clear();
    EXPECT_TRUE(zwischenablage.bild().isNull());
}

// Should the dialog not be found, it is closed all the same: no test blocks.
class Wache {
public:
    Wache() {
        zeit.setSingleShot(true);
        QObject::connect(&zeit, &QTimer::timeout, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) QMetaObject::invokeMethod(dialog, "reject");
        });
        zeit.start(5000);
    }

private:
    QTimer zeit;
};

struct Gesehen {
    QStringList filter;
    QString vorschlag, endung;
    bool ueberschreibfrage = false;
};

// Looks at the save dialog once it is up, then types a name and confirms, or
// cancels.
Gesehen speichernMit(const QString& FileName, const QString& eingabe, std::optional<QString>& ergebnis) {
    Gesehen gesehen;
    Wache wache;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        gesehen = {dialog->nameFilters(), dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
                   dialog->defaultSuffix(), !dialog->testOption(QFileDialog::DontConfirmOverwrite)};
        if (eingabe.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(eingabe);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    ergebnis = QtSpeicherdialog().ShowSave(nullptr, QStringLiteral("*.bmp"), FileName);
    return gesehen;
}

TEST(QtSpeicherdialog, FilterVorschlagUndKeineEndung) {
    QTemporaryDir ordner;
    const QString vorschlag = ordner.filePath(QStringLiteral("blatt.bmp"));
    std::optional<QString> ergebnis;
    const Gesehen gesehen = speichernMit(vorschlag, ordner.filePath(QStringLiteral("neu")), ergebnis);
    EXPECT_EQ(gesehen.filter, QStringList{QStringLiteral("*.bmp")});
    EXPECT_EQ(gesehen.vorschlag, QStringLiteral("blatt.bmp"));
    EXPECT_EQ(gesehen.endung, QString());
    EXPECT_TRUE(gesehen.ueberschreibfrage);
    ASSERT_TRUE(ergebnis);
    EXPECT_EQ(*ergebnis, ordner.filePath(QStringLiteral("neu")));

    speichernMit(QString(), QString(), ergebnis);
    EXPECT_FALSE(ergebnis);
}

TEST(QtDruckdialog, AbbruchMeldetFalsch) {
    QPrinter drucker;
    Wache wache;
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    EXPECT_FALSE(QtDruckdialog().ShowPrinter(drucker, nullptr));
}

}  // namespace
}  // namespace fluvan::platform
