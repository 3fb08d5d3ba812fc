// Access keys pressed as the user does: Alt with the underlined letter acts on
// the first press, also where a button and a menu-bar entry that do the same
// thing share the letter.
#include "tests/app/ergebnisfenster.h"

namespace fluvan::test {
namespace {

class Zugriffstasten : public Ergebnisfenstertest {
protected:
    enum class Fenster { Hauptform, Blatt };

    QMainWindow* oeffne(Fenster fenster, const char* sprache) {
        QMainWindow* offen = hauptform(sprache);
        if (fenster == Fenster::Blatt) offen = rechne(sprache, "12.5");
        if (!offen) return nullptr;
        offen->activateWindow();
        return QTest::qWaitForWindowActive(offen) ? offen : nullptr;
    }
};

TEST_F(Zugriffstasten, EndeWirktBeimErstenDruck) {
    struct Fall {
        const char* name;
        Fenster fenster;
        const char* sprache;
        Qt::Key taste;
    };
    // The Spanish main form shares Alt+T between "&Terminar" and its type menu
    // "&Tipo", which do different things; it has no row here.
    const Fall faelle[] = {
        {"Hauptform D: &Ende, Knopf und Menue", Fenster::Hauptform, "D", Qt::Key_E},
        {"Hauptform GB: &End, Knopf und Menue", Fenster::Hauptform, "GB", Qt::Key_E},
        {"Hauptform F: &Fin, Knopf und Menue", Fenster::Hauptform, "F", Qt::Key_F},
        {"Blatt D: &Ende, Knopf und Menue", Fenster::Blatt, "D", Qt::Key_E},
        {"Blatt GB: &End, Knopf und Menue", Fenster::Blatt, "GB", Qt::Key_E},
        {"Blatt F: &Fin, Knopf und Menue", Fenster::Blatt, "F", Qt::Key_F},
        {"Blatt E: &Salir, nur der Knopf", Fenster::Blatt, "E", Qt::Key_S},
        {"Blatt E: &Fin, nur das Menue", Fenster::Blatt, "E", Qt::Key_F},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        neuerFall();
        QMainWindow* fenster = oeffne(fall.fenster, fall.sprache);
        ASSERT_NE(fenster, nullptr);
        QTest::keyClick(fenster, fall.taste, Qt::AltModifier);
        // A button's key clicks it with the platform's short press animation.
        EXPECT_TRUE(QTest::qWaitFor([&] { return ende.beendet > 0; }, 1000)) << "the first press ends nothing";
        EXPECT_EQ(ende.beendet, 1);
    }
}

}  // namespace
}  // namespace fluvan::test
