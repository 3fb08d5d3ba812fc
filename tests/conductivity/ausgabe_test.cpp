#include "conductivity/ausgabe.h"

#include <gtest/gtest.h>

#include <algorithm>
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
// document, in order section by section; each medium's passage is its table
// row, with the line breaks after its Anfangsmarke and before its Endmarke.
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

// A number as the document writes it: plain decimal, no trailing zero after a
// decimal point, a minus sign only where one is allowed.
bool dezimal(std::string_view zahl, bool mitVorzeichen) {
    if (mitVorzeichen && zahl.starts_with('-')) zahl.remove_prefix(1);
    const auto ziffern = [](std::string_view t) {
        return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const std::size_t punkt = zahl.find('.');
    if (punkt == std::string_view::npos) return ziffern(zahl);
    return ziffern(zahl.substr(0, punkt)) && ziffern(zahl.substr(punkt + 1)) && zahl.back() != '0';
}

// An empty table row, or concentration 100, a temperature or none, and a conductivity.
bool tabellenzeile(std::string_view passage) {
    if (passage == "\n\t\t\n") return true;
    if (!passage.starts_with("\n100\t") || !passage.ends_with('\n')) return false;
    passage = passage.substr(5, passage.size() - 6);
    const std::size_t tab = passage.find('\t');
    if (tab == std::string_view::npos) return false;
    const std::string_view temperatur = passage.substr(0, tab), leitfaehigkeit = passage.substr(tab + 1);
    return (temperatur.empty() || dezimal(temperatur, true)) && dezimal(leitfaehigkeit, false);
}

// Every medium's passage through the program's own lookup: one table row, with
// the values of the public table where it holds the medium, else empty for the
// user's own; "Pyridine" runs on over "Propionaldehyde" to "Pxx".
TEST(VersandtesDokument, JederStoffHatSeinePassage) {
    base::Variable v;
    const std::u16string propionaldehyd = nachschlagen(v, "Propionaldehyde", VersandtesDokument).text;
    std::size_t mitWerten = 0;
    for (const Stoff& s : Stofftabelle) {
        const Lookup l = nachschlagen(v, s.Name, VersandtesDokument);
        ASSERT_EQ(l.ausgang, Ausgang::Passage) << s.Name;
        std::u16string eigene = l.text;
        if (s.Name == "Pyridine") {
            const std::size_t pca = l.text.find(u"\nPca");
            ASSERT_NE(pca, std::u16string::npos);
            EXPECT_EQ(l.text.substr(pca + 4), propionaldehyd);
            eigene.resize(pca + 1);
        }
        const std::string text(eigene.begin(), eigene.end());
        EXPECT_TRUE(tabellenzeile(text)) << s.Name << ": " << text;
        mitWerten += text != "\n\t\t\n";
    }
    EXPECT_EQ(mitWerten, 122u) << "the media that the public table holds";
}

TEST(VersandtesDokument, WerteDerTabelleInDenEinheitenDerUeberschriften) {
    base::Variable v;
    struct Fall {
        std::string_view name;
        std::u16string_view passage;
    };
    for (const Fall& f : {
             Fall{"Acetaldehyde", u"\n100\t15\t1.7\n"},
             Fall{"Acetone", u"\n100\t25\t0.06\n"},
             Fall{"Mercury", u"\n100\t0\t10629600000\n"},
             Fall{"Benzene", u"\n100\t\t0.076\n"},
             Fall{"Hydrogen sulfide", u"\n100\t-59.55\t0.00001\n"},
             Fall{"Carbon tetrachloride", u"\n100\t18\t0.000000000004\n"},
             Fall{"Sulfuric acid", u"\n100\t25\t10000\n"},
             Fall{"Acethyl chloride", u"\n100\t25\t0.4\n"},
             Fall{"Naphtalene", u"\n100\t82\t0.0004\n"},
             Fall{"Isopropanol", u"\n100\t25\t3.5\n"},
             Fall{"Isopropyl alcohol", u"\n100\t25\t3.5\n"},
             Fall{"M- Nitrotoluene", u"\n100\t25\t0.2\n"},
             Fall{"O- Nitrotoluene", u"\n100\t25\t0.2\n"},
             Fall{"P- Toluidine", u"\n100\t100\t0.062\n"},
             Fall{"Iso- Valeric acid", u"\n100\t80\t0.0000004\n"},
             Fall{"Propionaldehyde", u"\n100\t25\t0.85\n"},
             Fall{"Pyridine", u"\n100\t18\t0.053\nPca\n100\t25\t0.85\n"},
             // Not in the public table, or not as a pure liquid.
             Fall{"Hydrochloric acid", u"\n\t\t\n"},
             Fall{"M- Propyl alcohol", u"\n\t\t\n"},
             Fall{"Sulfonyl chloride", u"\n\t\t\n"},
             Fall{"Cream chees mix", u"\n\t\t\n"},
             Fall{"Zinc sulphate", u"\n\t\t\n"},
         }) {
        const Lookup l = nachschlagen(v, f.name, VersandtesDokument);
        EXPECT_EQ(l.ausgang, Ausgang::Passage) << f.name;
        EXPECT_EQ(l.text, f.passage) << f.name;
    }
    const std::optional<std::u16string> text = leseDokument(VersandtesDokument);
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find(u"\nAad\n100\t25\t0.48\nAae\nAaf\n"), std::u16string::npos) << "Aae opens no passage";
}

// The source is named once, after every marker: its words hold markers'
// letters ("Han" in "Handbook"), which would move their passages.
TEST(VersandtesDokument, NenntDieQuelleEinmalNachDenMarken) {
    const std::optional<std::u16string> text = leseDokument(VersandtesDokument);
    ASSERT_TRUE(text.has_value());
    const std::size_t quelle = text->find(u"Lange's Handbook of Chemistry, 16th edition");
    ASSERT_NE(quelle, std::u16string::npos);
    EXPECT_EQ(text->rfind(u"Lange's Handbook"), quelle);
    Kasteninhalt k{*text, 0, 0};
    for (const Stoff& s : Stofftabelle) {
        for (const Marke& m : {s.Anfangsmarke, s.Endmarke}) {
            ASSERT_TRUE(k.Find(u16(m.text()), 0)) << m.text();
            EXPECT_LT(static_cast<std::size_t>(k.SelStart), quelle) << m.text();
        }
    }
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
