#include "conductivity/ausgabe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

#include "conductivity/rtf.h"
#include "conductivity/stofftabelle.h"
#include "tests/conductivity/dokumente.h"

namespace fluvan::conductivity {
namespace {

using test::Temporaerdatei;
using test::testdokument;

const std::filesystem::path VersandtesDokument = FLUVAN_LEITFAEHIGKEITSDOKUMENT;

std::u16string u16(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

// The bytes this process has read from files so far, as the system counts
// them; nothing where it does not.
std::optional<std::uint64_t> gelesen() {
    std::ifstream io("/proc/self/io");
    std::string name;
    std::uint64_t wert = 0;
    while (io >> name >> wert)
        if (name == "rchar:") return wert;
    return std::nullopt;
}

struct Lookup {
    Ausgang ausgang;
    std::u16string text;
};

Lookup nachschlagen(base::Variable& v, std::string_view name, const std::filesystem::path& dokument) {
    v.Stoffname = name;
    Kasteninhalt kasten{u"the previous passage", 3, 4};
    const Ausgang ausgang = Ausgabe(v, kasten, dokument);
    return {ausgang, kasten.Text};
}

TEST(Kasteninhalt, FindIgnoriertGrossUndKleinAuchInWoertern) {
    Kasteninhalt k{u"Salt; salicylic SAL Sal", 0, 0};
    ASSERT_TRUE(k.Find(u"Sal", 0));
    EXPECT_EQ(k.SelStart, 0);
    EXPECT_EQ(k.SelLength, 3);
    ASSERT_TRUE(k.Find(u"sAL", 1));
    EXPECT_EQ(k.SelStart, 6);
    k.SelStart = 2;
    EXPECT_FALSE(k.Find(u"Sax", 0));
    EXPECT_EQ(k.SelStart, 2) << "no match leaves the selection";
    EXPECT_FALSE(k.Find(u"Sal", 100));
    EXPECT_FALSE(k.Find(u"Sal", -1));
}

TEST(Kasteninhalt, AuswahlBleibtImText) {
    Kasteninhalt k{u"Aaa12Aab", 3, 2};
    EXPECT_EQ(k.SelText(), u"12");
    k.SelLength = 100;
    EXPECT_EQ(k.SelText(), u"12Aab");
    k.SelStart = 100;
    EXPECT_EQ(k.SelText(), u"");
    k = {u"Aaa", -5, -1};
    EXPECT_EQ(k.SelText(), u"");
}

TEST(Korrektur, WaehltDenTextZwischenDenMarken) {
    base::Variable v;
    v.PosAnfang = 4;
    v.PosEnde = 12;
    Kasteninhalt k{u"xx\r\nAaa\n10\t1\nAab", 0, 0};
    Korrektur(v, k);
    EXPECT_EQ(k.SelStart, 7);
    EXPECT_EQ(k.SelLength, 5);
    // Cells from elsewhere give positions within 32 bits, never undefined ones.
    v.PosAnfang = 3e30f;
    v.PosEnde = -3e30f;
    Korrektur(v, k);
    EXPECT_EQ(k.SelStart, INT32_MAX);
    EXPECT_EQ(k.SelLength, INT32_MIN);
    EXPECT_EQ(k.SelText(), u"");
}

// Every marker's first occurrence, in any case, is its own line of the
// document, in order section by section; each medium's passage is its empty
// table row, with the line breaks after its Anfangsmarke and before its Endmarke.
TEST(VersandtesDokument, JedeMarkeZuerstAnIhremPlatz) {
    const std::optional<std::u16string> text = leseDokument(VersandtesDokument);
    ASSERT_TRUE(text.has_value());
    Kasteninhalt k{*text, 0, 0};
    const auto platz = [&k](const Marke& m) {
        EXPECT_TRUE(k.Find(u16(m.text()), 0)) << m.text();
        const auto p = static_cast<std::size_t>(k.SelStart);
        EXPECT_TRUE((p == 0 || k.Text[p - 1] == u'\n') && k.Text.substr(p + 3, 1) == u"\n")
            << m.text() << " stands alone";
        return p;
    };
    std::optional<std::size_t> vorigerSchluss;
    for (const Abschnitt& a : Abschnitte) {
        std::size_t erster = SIZE_MAX, letzter = 0;
        for (const Stoff& s : Stofftabelle) {
            if (s.Anfangsmarke.zeichen[0] != a.buchstabe) continue;
            const std::size_t anfang = platz(s.Anfangsmarke), ende = platz(s.Endmarke);
            EXPECT_LT(anfang, ende) << s.Name;
            erster = std::min(erster, anfang);
            letzter = std::max(letzter, ende);
        }
        if (vorigerSchluss) {
            EXPECT_GT(erster, *vorigerSchluss) << a.buchstabe;
        }
        const std::size_t schluss = platz(Marke{{a.buchstabe, 'x', 'x'}});
        EXPECT_EQ(letzter, schluss) << a.buchstabe;
        vorigerSchluss = schluss;
    }
}

TEST(VersandtesDokument, JederStoffHatSeinePassage) {
    base::Variable v;
    for (const Stoff& s : Stofftabelle) {
        const Lookup l = nachschlagen(v, s.Name, VersandtesDokument);
        ASSERT_EQ(l.ausgang, Ausgang::Passage) << s.Name;
        if (s.Name == "Pyridine")
            EXPECT_EQ(l.text, u"\n\t\t\nPca\n\t\t\n") << "runs over Propionaldehyde to Pxx";
        else
            EXPECT_EQ(l.text, u"\n\t\t\n") << s.Name;
    }
    const std::optional<std::u16string> text = leseDokument(VersandtesDokument);
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find(u"\nAad\n\t\t\nAae\nAaf\n"), std::u16string::npos) << "Aae opens no passage";
}

TEST(Ausgabe, PassagenAusDemAuszug) {
    base::Variable v;
    struct Fall {
        std::string_view name;
        std::u16string_view passage;
        float anfang, ende;
    };
    for (const Fall& f :
         {Fall{"Acetaldehyde", u"\n1\t20\t0.05\n", 0, 14}, Fall{"Coca- Cola syrup©", u"\n50\t20\t2400\n", 18, 33},
          Fall{"M- Nitrotoluene", u"\n100\t20\t0.01\n", 55, 71}, Fall{"M- Chloroaniline", u"\n100\t25\t0.02\n", 71, 87},
          Fall{"Pyridine", u"\n100\t20\t0.1\nPca\n100\t20\t0.3\n", 91, 121},
          Fall{"Propionaldehyde", u"\n100\t20\t0.3\n", 106, 121},
          Fall{"Zinc sulphate", u"\n10\t18 °C\t38000 µS/cm\n", 125, 150}}) {
        const Lookup l = nachschlagen(v, f.name, testdokument("auszug.rtf"));
        EXPECT_EQ(l.ausgang, Ausgang::Passage) << f.name;
        EXPECT_EQ(l.text, f.passage) << f.name;
        EXPECT_EQ(v.PosAnfang, f.anfang) << f.name;
        EXPECT_EQ(v.PosEnde, f.ende) << f.name;
    }
}

TEST(Ausgabe, OhnePassageBleibtDerKastenLeer) {
    base::Variable v;
    struct Fall {
        std::string_view name;
        std::filesystem::path dokument;
        Ausgang ausgang;
    };
    for (const Fall& f : {Fall{"Acetaldehyde", testdokument("gibt_es_nicht.rtf"), Ausgang::Unlesbar},
                          Fall{"Acetaldehyde", testdokument(""), Ausgang::Unlesbar},
                          Fall{"Acetaldehyde", testdokument("kein_rtf.txt"), Ausgang::Unlesbar},
                          Fall{"Acetic anhydride", testdokument("luecken.rtf"), Ausgang::KeinEintrag},
                          Fall{"Acetic acid", testdokument("luecken.rtf"), Ausgang::KeinEintrag},
                          Fall{"Cream chees  mix", testdokument("auszug.rtf"), Ausgang::KeinEintrag},
                          Fall{"", testdokument("auszug.rtf"), Ausgang::KeinEintrag}}) {
        const Lookup l = nachschlagen(v, f.name, f.dokument);
        EXPECT_EQ(l.ausgang, f.ausgang) << f.name << " in " << f.dokument;
        EXPECT_EQ(l.text, u"") << f.name << " in " << f.dokument;
    }
    // The same document serves the rows whose markers stand in order.
    EXPECT_EQ(nachschlagen(v, "Acetamide", testdokument("luecken.rtf")).text, u"\n2\t20\t0.07\nAad\n");
}

// The Endmarke found inside the Anfangsmarke's three letters, or before them.
TEST(Ausgabe, EndmarkeVorDemEndeDerAnfangsmarke) {
    base::Variable v;
    for (const char* rtf : {"{\\rtf1 Aaab}", "{\\rtf1 Aab Aaa}", "{\\rtf1 xAAaB\\par Aab}"}) {
        Temporaerdatei d("ueberlappt.rtf", rtf);
        const Lookup l = nachschlagen(v, "Acetaldehyde", d());
        EXPECT_EQ(l.ausgang, Ausgang::KeinEintrag) << rtf;
        EXPECT_EQ(l.text, u"") << rtf;
    }
    Temporaerdatei leer("leer.rtf", "{\\rtf1 AaaAab}");
    EXPECT_EQ(nachschlagen(v, "Acetaldehyde", leer()).ausgang, Ausgang::Passage) << "an empty passage is one";
}

// Positions are exact in a 32-bit float up to 2^24: a longer text is refused.
TEST(Ausgabe, HoechstensSovieleZeichenWieEineZelleGenauZaehlt) {
    base::Variable v;
    {
        Temporaerdatei d("grenze.rtf", test::langesDokument(MaxDokumentzeichen));
        const Lookup l = nachschlagen(v, "Acetaldehyde", d());
        ASSERT_EQ(l.ausgang, Ausgang::Passage);
        EXPECT_EQ(l.text.size(), MaxDokumentzeichen - 6);
        EXPECT_EQ(v.PosEnde, 16'777'213.0f);
    }
    Temporaerdatei d("zu_lang.rtf", test::langesDokument(MaxDokumentzeichen + 1));
    EXPECT_EQ(nachschlagen(v, "Acetaldehyde", d()).ausgang, Ausgang::Unlesbar);
}

// A document is refused as soon as that shows, not after the whole file: the
// many megabytes of its tail are never read.
TEST(Ausgabe, UnlesbarErkanntOhneDenRestZuLesen) {
    if (!gelesen()) GTEST_SKIP() << "the system counts no bytes read";
    constexpr std::uintmax_t Rest = 48u << 20;
    struct Fall {
        const char* was;
        std::string anfang;
    };
    for (const Fall& f : {Fall{"no RTF at its start", "Aaa\n1\t20\t0.05\nAab\n"},
                          Fall{"text past the limit", "{\\rtf1 " + std::string(MaxDokumentzeichen + 1, '0')}}) {
        Temporaerdatei d("gross.rtf", f.anfang);
        std::filesystem::resize_file(d(), f.anfang.size() + Rest);  // a tail of zero bytes, which hold no text
        base::Variable v;
        const std::uint64_t vorher = gelesen().value_or(0);
        EXPECT_EQ(nachschlagen(v, "Acetaldehyde", d()).ausgang, Ausgang::Unlesbar) << f.was;
        EXPECT_LT(gelesen().value_or(0) - vorher, f.anfang.size() + (1u << 20)) << f.was;
    }
}

TEST(Ausgabe, GleicherStoffGleichePassage) {
    base::Variable v;
    const Lookup erst = nachschlagen(v, "Propionaldehyde", testdokument("auszug.rtf"));
    nachschlagen(v, "Acetaldehyde", testdokument("auszug.rtf"));
    const Lookup wieder = nachschlagen(v, "Propionaldehyde", testdokument("auszug.rtf"));
    EXPECT_EQ(erst.text, wieder.text);
    EXPECT_EQ(wieder.text, u"\n100\t20\t0.3\n");
}

}  // namespace
}  // namespace fluvan::conductivity
