// The core in another language: every text it shows comes from the platform's
// catalogue, and a text it reads back is recognised in the language it was
// shown in. Numbers are the same in every language.
#include <gtest/gtest.h>

#include "help/help_actions.h"
#include "support/keys.h"

namespace velmor::testing {
namespace {

// A small German catalogue.
const Catalogue kGerman = {
    {{"Display", "Result ="}, "Ergebnis ="},
    {{"Display", "%1 ="}, "%1 :="},
    {{"Display", "error :positive infinity"}, "Fehler: unendlich"},
    {{"Display", "Error :overflow"}, "Fehler: Überlauf"},
    {{"Key", "New"}, "Neu"},
    {{"Key", "Backspace"}, "Rück"},
    {{"Key", "Dword"}, "DWort"},
    {{"Message", "The list is full: it holds %1 values"}, "Die Liste ist voll: %1 Werte"},
    {{"Message", "Type mismatch"}, "Typen unverträglich"},
};

struct GermanHarness : Harness {
    GermanHarness() : Harness(kGerman, "de_AT") {}
};

// Formule, A + B, OK, 12, OK, 7, OK.
const std::vector<Ctl> kNineteen = {Ctl::Formula, Ctl::HexA,   Ctl::Plus,        Ctl::HexB,   Ctl::SendFormula,
                                    Ctl::Digit1,  Ctl::Digit2, Ctl::SendFormula, Ctl::Digit7, Ctl::SendFormula};

TEST(TranslatedCore, ShowsTheCataloguesWordsAndTheSameNumbers) {
    const std::vector<CtlCase> cases = {
        {{Ctl::Digit1, Ctl::Divide, Ctl::Digit0, Ctl::Equals}, "Fehler: unendlich"},
        // The error text reads as 0, as the English one does.
        {{Ctl::Digit1, Ctl::Divide, Ctl::Digit0, Ctl::Equals, Ctl::Plus, Ctl::Digit2, Ctl::Equals}, "2"},
        {{Ctl::Digit2, Ctl::Point, Ctl::Digit5, Ctl::Multiply, Ctl::Digit3, Ctl::Equals}, "7.5"},
        {{Ctl::Digit2, Ctl::SquareRoot}, "1.4142135623731"},
        {kNineteen, "Ergebnis = 19"},
    };
    for (const CtlCase& c : cases) {
        GermanHarness h;
        h.pressKeys(c.keys);
        EXPECT_EQ(h.display(), c.display) << joined(c.keys);
    }
}

// OK takes a display that shows the result mark for a finished formula and
// clears it; the mark it looks for is the German one.
TEST(TranslatedCore, OkRecognisesTheResultMarkInTheShownLanguage) {
    GermanHarness h;
    h.platform.clipboard = "Ergebnis = 3";
    h.pressKeys({Ctl::Formula});
    h.calc.menu(Menu::Paste);
    h.pressKeys({Ctl::SendFormula});
    EXPECT_EQ(h.display(), "");
}

TEST(TranslatedCore, CaptionsAndPromptsComeFromTheCatalogue) {
    GermanHarness h;
    EXPECT_EQ(h.form().control(Ctl::Backspace).text, "Rück");
    EXPECT_EQ(h.form().control(Ctl::Sin).text, "Sin");  // notation has no entry
    h.pressKeys({Ctl::BaseHex});
    EXPECT_EQ(h.form().control(Ctl::Degrees).text, "DWort");
    h.pressKeys({Ctl::BaseDec, Ctl::Formula, Ctl::HexA, Ctl::SendFormula});
    EXPECT_EQ(h.form().control(Ctl::FormulaPrompt).text, "A :=");
    h.pressKeys({Ctl::Digit4, Ctl::SendFormula});
    EXPECT_EQ(h.form().control(Ctl::SendFormula).text, "Neu");
}

TEST(TranslatedCore, MessagesComeFromTheCatalogue) {
    GermanHarness h;
    h.pressKeys({Ctl::StatStart});
    for (int i = 0; i <= kHistorySlots; ++i) h.pressKeys({Ctl::Digit1, Ctl::StatAdd});
    ASSERT_FALSE(h.platform.boxes.empty());
    EXPECT_EQ(h.platform.boxes.back().text, "Die Liste ist voll: 201 Werte");

    GermanHarness formula;
    formula.pressKeys({Ctl::Formula, Ctl::HexA, Ctl::Plus, Ctl::HexB, Ctl::BaseHex});
    ASSERT_EQ(formula.platform.boxes.size(), 1u);
    EXPECT_EQ(formula.platform.boxes[0].text, "13Typen unverträglich");
}

TEST(TranslatedCore, HelpFileOfTheLanguageElseEnglish) {
    FakePlatform p(kGerman, "de_AT");
    EXPECT_EQ(helpFilePath(p), "/opt/velmor/calculator.hlp");
    p.files.insert("/opt/velmor/calculator_de.hlp");
    EXPECT_EQ(helpFilePath(p), "/opt/velmor/calculator_de.hlp");  // de_AT falls back to de
    p.spokenLanguage = "fr";
    EXPECT_EQ(helpFilePath(p), "/opt/velmor/calculator.hlp");
}

}  // namespace
}  // namespace velmor::testing
