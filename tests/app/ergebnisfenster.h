#pragma once
// A fixture for the result sheet and the diagram: the window fixture with a
// result display of the program's kind that has shown nothing yet, and
// calculations run from the main form.
#include <QMenuBar>
#include <memory>
#include <vector>

#include "app/Bild1.h"
#include "app/Bild2.h"
#include "app/ergebnisanzeige.h"
#include "tests/app/fenster.h"

namespace fluvan::test {

class Ergebnisfenstertest : public Fenstertest {
protected:
    void SetUp() override {
        Fenstertest::SetUp();
        ergebnisse = std::make_unique<app::Ergebnisfenster>();
        platform::dienste().ergebnis = ergebnisse.get();
    }

    // A new one each case: it keeps the calculation it was handed last.
    std::unique_ptr<app::Ergebnisfenster> ergebnisse;

    // Veltrum 220 at DN 50 from the main form of the language; returns the
    // open sheet (nullptr when the run stopped).
    app::Bild1* rechne(const char* sprache, const char* endwert, int nennweite = 9) {
        frmHauptForm* form = platform::offenesFenster<frmHauptForm>();
        if (!form) form = hauptform(sprache);
        form->cboMIDDN->setCurrentIndex(nennweite);
        form->txtVolumen->setText(QString::fromLatin1(endwert));
        QTest::mouseClick(form->cmdFehlerkurve, Qt::LeftButton);
        return blatt();
    }

    app::Bild1* blatt() { return platform::offenesFenster<app::Bild1>(); }
    app::Bild2* diagramm() { return platform::offenesFenster<app::Bild2>(); }

    // The menu bar's captions, each menu followed by its entries.
    static QStringList menuetexte(QMainWindow* fenster) {
        QStringList texte;
        for (QAction* a : fenster->menuBar()->actions()) {
            texte << a->text();
            if (a->menu())
                for (QAction* e : a->menu()->actions()) texte << e->text();
        }
        return texte;
    }
    static QStringList texte(const std::vector<const char*>& utf8) {
        QStringList liste;
        for (const char* t : utf8) liste << QString::fromUtf8(t);
        return liste;
    }

    static QString text(const QWidget* fenster, const char* name) {
        const auto* label = fenster->findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
    }
};

}  // namespace fluvan::test
