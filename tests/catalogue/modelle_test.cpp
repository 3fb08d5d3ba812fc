#include "catalogue/modelle.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogue/groessenregeln.h"

namespace fluvan::catalogue {
namespace {

TEST(Modelle, TextFindetSeineZeile) {
    ASSERT_NE(modellFuer("TKD 63CAP"), nullptr);
    EXPECT_EQ(modellFuer("TKD 63CAP")->pruefung, Pruefname::TKD63CAP);
    EXPECT_EQ(modellFuer("RSN 70 HT/LT")->pruefung, Pruefname::RSN70HT);
    EXPECT_EQ(modellFuer("Veltrum 220")->pruefung, Pruefname::Veltrum220);
    EXPECT_EQ(modellFuer("veltrum 220"), nullptr) << "case-sensitive";
    EXPECT_EQ(modellFuer("TKD 63")->pruefung, Pruefname::TKD63) << "whole text, not a prefix";
    EXPECT_EQ(modellFuer("RSN 70 HT"), nullptr);
    EXPECT_EQ(modellFuer(""), nullptr);
}

// Every size check names its model in its German range text, "<model> nur
// DN ...": a row that dispatches to the size check of another model fails here.
// Brisal 11's text writes the name without its blank.
TEST(Modelle, GroessenpruefungGehoertZumModell) {
    for (const Modell& m : Modelle) {
        SCOPED_TRACE(m.text);
        const std::string text(regelFuer(m.pruefung).Bereichsmeldung.D);
        const std::string name = m.text == "Brisal 11" ? "Brisal11" : std::string(m.text);
        EXPECT_EQ(text.substr(0, text.find(" nur DN ")), name) << text;
    }
}

}  // namespace
}  // namespace fluvan::catalogue
