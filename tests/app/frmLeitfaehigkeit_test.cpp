#include "app/frmLeitfaehigkeit.h"

#include <QFontInfo>
#include <QTextCursor>

#include "conductivity/ausgabe.h"
#include "conductivity/stofftabelle.h"
#include "platform/steuerelemente.h"
#include "tests/app/fenster.h"
#include "tests/conductivity/dokumente.h"

namespace fluvan::test {
namespace {

using app::frmLeitfaehigkeit;

// The first medium's passage in the shipped document: its row of values.
const QString ErstePassage = QStringLiteral("\n100\t15\t1.7\n");

class Leitfaehigkeit : public Fenstertest {
protected:
    // The window as the menu command shows it, reading the given document.
    frmLeitfaehigkeit* oeffne(const char* sprache, const std::filesystem::path& dokument) {
        v().Sprache = sprache;
        return platform::zeigeFenster<frmLeitfaehigkeit>(dokument);
    }

    frmLeitfaehigkeit* auszug(const char* sprache = "GB") { return oeffne(sprache, testdokument("auszug.rtf")); }

    static QString box(const frmLeitfaehigkeit* f) { return f->RichTextBox1->toPlainText(); }

    // Selects a row as a click on it does.
    static void waehle(frmLeitfaehigkeit* f, int zeile) {
        QListWidgetItem* eintrag = f->List1->item(zeile);
        f->List1->scrollToItem(eintrag);
        QTest::mouseClick(f->List1->viewport(), Qt::LeftButton, {}, f->List1->visualItemRect(eintrag).center());
        ASSERT_EQ(f->List1->currentRow(), zeile);
    }
};

TEST_F(Leitfaehigkeit, MenueOeffnetDasFensterMitDemErstenStoff) {
    struct Fall {
        const char* sprache;
        const char* titel;
        const char* ende;
    };
    for (const Fall& f : {Fall{"D", "Leitfähigkeit", "Ende"}, Fall{"GB", "Conductivity", "End"},
                          Fall{"F", "Conductivité", "Fin"}, Fall{"E", "Conductividad", "Terminar"}}) {
        SCOPED_TRACE(f.sprache);
        neuerFall();
        frmHauptForm* form = hauptform(f.sprache);
        form->mnuLeitfaehigkeit->trigger();
        frmLeitfaehigkeit* fenster = platform::offenesFenster<frmLeitfaehigkeit>();
        ASSERT_NE(fenster, nullptr) << f.sprache;
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_EQ(fenster->parentWidget(), nullptr) << "beside the main form, without an owner";
        EXPECT_EQ(platform::offenesFenster<frmHauptForm>(), form);
        EXPECT_EQ(fenster->windowTitle(), QString::fromUtf8(f.titel));
        EXPECT_EQ(fenster->cmdEnde->text(), QString::fromUtf8(f.ende));

        ASSERT_EQ(fenster->List1->count(), 344);
        EXPECT_EQ(fenster->List1->currentRow(), 0);
        EXPECT_EQ(fenster->List1->currentItem()->text(), " Acetaldehyde");
        EXPECT_TRUE(fenster->List1->currentItem()->isSelected());
        EXPECT_EQ(fenster->Label1->text(), "Acetaldehyde");
        EXPECT_EQ(v().Stoffname, "Acetaldehyde");
        EXPECT_EQ(box(fenster), ErstePassage) << "the text between Aaa and Aab of the shipped document";
        EXPECT_EQ(v().PosAnfang, 0);

        EXPECT_EQ(fenster->Label3->text(), "Concentration");
        EXPECT_EQ(fenster->Label4->text(), "Temp.");
        EXPECT_EQ(fenster->Label5->text(), "Conductivity");
        EXPECT_EQ(fenster->Label18->text(), "[ % ]");
        EXPECT_EQ(fenster->Label17->text(), "[ °C ]");
        EXPECT_EQ(fenster->Label16->text(), "[ µS/cm ]");
        EXPECT_EQ(ende.beendet, 0);
    }
}

TEST_F(Leitfaehigkeit, EntwurfDesFensters) {
    frmLeitfaehigkeit* f = auszug();
    EXPECT_EQ(f->size(), QSize(537, 334)) << "8052 x 5004 twips";
    EXPECT_EQ(f->List1->geometry(), QRect(24, 32, 225, 231));
    EXPECT_EQ(f->Label1->geometry(), QRect(280, 32, 233, 25));
    EXPECT_EQ(f->RichTextBox1->geometry(), QRect(280, 88, 233, 177));
    EXPECT_EQ(f->cmdEnde->geometry(), QRect(424, 288, 81, 25));
    EXPECT_EQ(f->Label1->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(f->Label3->alignment() & Qt::AlignLeft, Qt::AlignLeft);
    EXPECT_TRUE(f->List1->font().bold());
    EXPECT_DOUBLE_EQ(f->List1->font().pointSizeF(), 10.2);
    EXPECT_DOUBLE_EQ(f->RichTextBox1->font().pointSizeF(), 7.8);
    EXPECT_FALSE(f->RichTextBox1->font().bold());
    EXPECT_TRUE(f->RichTextBox1->isReadOnly());
    EXPECT_EQ(f->findChild<QListWidget*>("List1"), f->List1);
    EXPECT_EQ(f->findChild<QPlainTextEdit*>("RichTextBox1"), f->RichTextBox1);
    EXPECT_EQ(f->findChild<QLabel*>("Label16"), f->Label16);
    // The box first in the tab order, so it has the focus; then the list, then the button.
    EXPECT_EQ(f->focusWidget(), f->RichTextBox1);
    std::vector<QWidget*> folge;
    QWidget* w = f->RichTextBox1;
    do {
        if (w == f->RichTextBox1 || w == f->List1 || w == f->cmdEnde) folge.push_back(w);
        w = w->nextInFocusChain();
    } while (w != f->RichTextBox1);
    EXPECT_EQ(folge, (std::vector<QWidget*>{f->RichTextBox1, f->List1, f->cmdEnde}));
    EXPECT_TRUE(f->RichTextBox1->tabChangesFocus());
    // Sizeable: the controls keep their places.
    f->resize(900, 700);
    EXPECT_EQ(f->List1->geometry(), QRect(24, 32, 225, 231));
}

TEST_F(Leitfaehigkeit, ListeInTabellenordnung) {
    frmLeitfaehigkeit* f = auszug();
    EXPECT_EQ(f->List1->item(5)->text(), " Acetophenone");
    EXPECT_EQ(f->List1->item(6)->text(), " Acetonitrile");
    EXPECT_EQ(f->List1->item(107)->text(), " Cream chees  mix");
    EXPECT_EQ(f->List1->item(204)->text(), " M- Creosol");
    EXPECT_EQ(f->List1->item(343)->text(), " Zinc sulphate");
}

TEST_F(Leitfaehigkeit, AuswahlZeigtNameUndPassage) {
    frmLeitfaehigkeit* f = auszug();
    struct Fall {
        int zeile;
        const char* name;
        QString passage;
    };
    const QString keinEintrag = "The conductivity document holds no entry for this medium.";
    for (const Fall& fall :
         {Fall{100, "Coca- Cola syrup©", "\n50\t20\t2400\n"}, Fall{107, "Cream chees mix", "\n30\t5\t1500\n"},
          Fall{343, "Zinc sulphate", "\n10\t18 °C\t38000 µS/cm\n"}, Fall{219, "M- Nitrotoluene", "\n100\t20\t0.01\n"},
          Fall{217, "M- Chloroaniline", "\n100\t25\t0.02\n"},
          Fall{284, "Pyridine", "\n100\t20\t0.1\nPca\n100\t20\t0.3\n"},
          Fall{279, "Propionaldehyde", "\n100\t20\t0.3\n"}, Fall{1, "Acetamide", keinEintrag},
          Fall{0, "Acetaldehyde", "\n1\t20\t0.05\n"}}) {
        waehle(f, fall.zeile);
        EXPECT_EQ(f->Label1->text(), QString::fromUtf8(fall.name)) << fall.zeile;
        EXPECT_EQ(v().Stoffname, fall.name) << fall.zeile;
        EXPECT_EQ(box(f), fall.passage) << fall.name;
    }
    // By the keyboard, too.
    f->List1->setFocus();
    QTest::keyClick(f->List1, Qt::Key_End);
    EXPECT_EQ(v().Stoffname, "Zinc sulphate");
    EXPECT_EQ(box(f), "\n10\t18 °C\t38000 µS/cm\n");
}

// The shipped document as the menu command's window reads it: the values of
// the public table where it holds the medium, an empty row otherwise.
TEST_F(Leitfaehigkeit, VersandtesDokumentZeigtDieWerte) {
    frmHauptForm* form = hauptform("GB");
    form->mnuLeitfaehigkeit->trigger();
    frmLeitfaehigkeit* f = platform::offenesFenster<frmLeitfaehigkeit>();
    ASSERT_NE(f, nullptr);
    struct Fall {
        const char* name;
        QString passage;
    };
    for (const Fall& fall : {
             Fall{"Acetone", "\n100\t25\t0.06\n"},
             Fall{"Mercury", "\n100\t0\t10629600000\n"},
             Fall{"Acethyl chloride", "\n100\t25\t0.4\n"},
             Fall{"Hydrochloric acid", "\n\t\t\n"},
             // Pyridine's passage runs on to "Pxx" over Propionaldehyde's marker and row.
             Fall{"Pyridine", "\n100\t18\t0.053\nPca\n100\t25\t0.85\n"},
             Fall{"Propionaldehyde", "\n100\t25\t0.85\n"},
         }) {
        const conductivity::Stoff* stoff = conductivity::findeStoff(fall.name);
        ASSERT_NE(stoff, nullptr) << fall.name;
        waehle(f, static_cast<int>(stoff - conductivity::Stofftabelle.data()));
        EXPECT_EQ(f->Label1->text(), fall.name);
        EXPECT_EQ(box(f), fall.passage) << fall.name;
    }
}

// Each value starts at the left edge of its column's heading, as far in as the
// first column starts from the box's edge.
TEST_F(Leitfaehigkeit, WerteStehenUnterIhrenUeberschriften) {
    frmHauptForm* form = hauptform("GB");
    form->mnuLeitfaehigkeit->trigger();
    frmLeitfaehigkeit* f = platform::offenesFenster<frmLeitfaehigkeit>();
    ASSERT_NE(f, nullptr);
    waehle(f, static_cast<int>(conductivity::findeStoff("Acetone") - conductivity::Stofftabelle.data()));
    const auto einzug = [f](const char* wert, const QLabel* ueberschrift) {
        const int stelle = box(f).indexOf(QString::fromLatin1(wert));
        EXPECT_GE(stelle, 0) << wert;
        QTextCursor cursor(f->RichTextBox1->document());
        cursor.setPosition(stelle);
        return f->RichTextBox1->viewport()->mapTo(f, f->RichTextBox1->cursorRect(cursor).topLeft()).x() -
               ueberschrift->x();
    };
    const int rand = einzug("100", f->Label3);
    EXPECT_GE(rand, 0);
    EXPECT_LT(rand, 10) << "the box's frame and margin";
    EXPECT_EQ(einzug("25", f->Label4), rand);
    EXPECT_EQ(einzug("0.06", f->Label5), rand);
}

TEST_F(Leitfaehigkeit, OhneAuswahlBleibtDerLetzteStoff) {
    frmLeitfaehigkeit* f = auszug();
    waehle(f, 279);
    f->RichTextBox1->setPlainText("typed by the user");
    f->List1->setCurrentRow(-1);
    EXPECT_EQ(v().Stoffname, "Propionaldehyde");
    EXPECT_EQ(f->Label1->text(), "Propionaldehyde");
    EXPECT_EQ(box(f), "\n100\t20\t0.3\n") << "the lookup ran again";
}

TEST_F(Leitfaehigkeit, MenueBeiOffenemFensterAendertNichts) {
    frmHauptForm* form = hauptform("D");
    form->mnuLeitfaehigkeit->trigger();
    frmLeitfaehigkeit* f = platform::offenesFenster<frmLeitfaehigkeit>();
    waehle(f, 42);
    const QString passage = box(f);
    form->mnuLeitfaehigkeit->trigger();
    EXPECT_EQ(platform::offenesFenster<frmLeitfaehigkeit>(), f);
    EXPECT_EQ(f->List1->count(), 344);
    EXPECT_EQ(f->List1->currentRow(), 42);
    EXPECT_EQ(f->Label1->text(), "Asphalt emulsion");
    EXPECT_EQ(box(f), passage);
}

TEST_F(Leitfaehigkeit, EndeZeigtDieHauptformDerSprache) {
    struct Fall {
        const char* sprache;
        const char* cmdEnde;
    };
    for (const Fall& fall : {Fall{"E", "&Terminar"}, Fall{"GB", "&End"}}) {
        SCOPED_TRACE(fall.sprache);
        neuerFall();
        // No main form open: the end button creates it.
        frmLeitfaehigkeit* f = auszug(fall.sprache);
        waehle(f, 7);
        QTest::mouseClick(f->cmdEnde, Qt::LeftButton);
        loescheGeschlosseneFenster();
        EXPECT_EQ(platform::fensterZeiger<frmLeitfaehigkeit>().data(), nullptr) << fall.sprache;
        frmHauptForm* form = platform::offenesFenster<frmHauptForm>();
        ASSERT_NE(form, nullptr) << fall.sprache;
        EXPECT_EQ(form->cmdEnde->text(), QString::fromUtf8(fall.cmdEnde));
        EXPECT_EQ(v().Stoffname, "Acetyl bromide") << "Stoffname keeps the last name";

        // An open main form comes to the front as it was.
        form->txtKunde->setText("Kunde");
        form->mnuLeitfaehigkeit->trigger();
        QTest::mouseClick(platform::offenesFenster<frmLeitfaehigkeit>()->cmdEnde, Qt::LeftButton);
        loescheGeschlosseneFenster();
        EXPECT_EQ(platform::offenesFenster<frmHauptForm>(), form);
        EXPECT_EQ(form->txtKunde->text(), "Kunde");
        EXPECT_EQ(ende.beendet, 0);
    }
}

TEST_F(Leitfaehigkeit, SchliessenUndWiederOeffnen) {
    frmHauptForm* form = hauptform("F");
    form->mnuLeitfaehigkeit->trigger();
    frmLeitfaehigkeit* f = platform::offenesFenster<frmLeitfaehigkeit>();
    waehle(f, 300);
    // The title bar's close button: the window goes, nothing else is shown.
    form->close();
    loescheGeschlosseneFenster();
    f->close();
    loescheGeschlosseneFenster();
    EXPECT_EQ(platform::fensterZeiger<frmLeitfaehigkeit>().data(), nullptr);
    EXPECT_EQ(platform::fensterZeiger<frmHauptForm>().data(), nullptr);
    EXPECT_EQ(v().Stoffname, "Sodium chlorate");

    form = hauptform("F");
    form->mnuLeitfaehigkeit->trigger();
    f = platform::offenesFenster<frmLeitfaehigkeit>();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->List1->count(), 344);
    EXPECT_EQ(f->List1->currentRow(), 0);
    EXPECT_EQ(f->Label1->text(), "Acetaldehyde");
    EXPECT_EQ(box(f), ErstePassage);
}

// When no right passage can be had, the box says so in one line of the
// language, and the window goes on working.
TEST_F(Leitfaehigkeit, OhnePassageEineZeileInDerSprache) {
    const Temporaerdatei zuLang("zu_lang.rtf", langesDokument(conductivity::MaxDokumentzeichen + 1));
    struct Fall {
        const char* sprache;
        std::filesystem::path dokument;
        int zeile;
        const char* zeigt;
    };
    for (const Fall& fall : {
             Fall{"D", testdokument("gibt_es_nicht.rtf"), 0, "Das Leitfähigkeitsdokument kann nicht gelesen werden."},
             Fall{"GB", testdokument("kein_rtf.txt"), 0, "The conductivity document cannot be read."},
             Fall{"F", zuLang(), 0, "Le document de conductivité ne peut pas être lu."},
             Fall{"E", testdokument("luecken.rtf"), 3,
                  "El documento de conductividad no contiene ninguna entrada para este medio."},
             Fall{"D", testdokument("luecken.rtf"), 2,
                  "Das Leitfähigkeitsdokument enthält keinen Eintrag für diesen Stoff."},
         }) {
        SCOPED_TRACE(std::string(fall.sprache) + " " + fall.dokument.filename().string());
        neuerFall();
        frmLeitfaehigkeit* f = oeffne(fall.sprache, fall.dokument);
        ASSERT_NE(f, nullptr);
        waehle(f, fall.zeile);
        EXPECT_EQ(box(f), QString::fromUtf8(fall.zeigt)) << fall.dokument;
        EXPECT_EQ(f->List1->count(), 344);
        EXPECT_EQ(f->Label1->text(),
                  platform::qtext(conductivity::Stofftabelle[static_cast<std::size_t>(fall.zeile)].Name));
    }
    // The window stays usable: the next medium with both markers in order shows its passage.
    waehle(platform::offenesFenster<frmLeitfaehigkeit>(), 0);
    EXPECT_EQ(box(platform::offenesFenster<frmLeitfaehigkeit>()), "\n1\t20\t0.05\n");
}

}  // namespace
}  // namespace fluvan::test
