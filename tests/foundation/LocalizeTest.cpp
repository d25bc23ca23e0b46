#include <gtest/gtest.h>

#include "i18n/Sprache.h"

namespace {

class Localize : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSprache();
        auto german = std::make_shared<LanguageTable>();
        german->set("Back", "Zur\u00fcck");
        german->set("Phrase30", "BASS-NOTEN");
        german->set("Phrase33", "FESTLEGEN");
        german->set("Phrase34", "*{{Phrase30}} {{Phrase33}} |({{Phrase45}})");
        german->set("LoopA", "a{{LoopB}}");
        german->set("LoopB", "b{{loopa}}");
        german->set("Self", "{{Self}}");
        german->set("Inner", "Back");
        Language[1] = german;
    }
};

struct TokenCase {
    const char* text;
    const char* german;      // with the German table current
    const char* noLanguage;  // with no language current
};

class Tokens : public Localize, public ::testing::WithParamInterface<TokenCase> {};

TEST_P(Tokens, AreReplacedFromTheCurrentLanguage) {
    SetCurrentLanguage(Language[1]);
    EXPECT_EQ(Lokalisiere(GetParam().text), GetParam().german);
    SetCurrentLanguage(nullptr);
    EXPECT_EQ(Lokalisiere(GetParam().text), GetParam().noLanguage);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Tokens,
    ::testing::Values(
        TokenCase{"{{back}}", "Zur\u00fcck", "back"}, TokenCase{"{{BACK}}", "Zur\u00fcck", "BACK"},
        TokenCase{"no tokens", "no tokens", "no tokens"},
        TokenCase{"x {{Right}} y", "x Right y", "x Right y"},
        TokenCase{"{{Phrase34}}", "*BASS-NOTEN FESTLEGEN |(Phrase45)", "Phrase34"},
        TokenCase{"{{LoopA}}", "ab!ERROR!", "LoopA"}, TokenCase{"{{Self}}", "!ERROR!", "Self"},
        TokenCase{"{{{{Inner}}}}", "Zur\u00fcck", "Inner"},
        TokenCase{"open {{Back", "open {{Back", "open {{Back"},
        TokenCase{"close }} only", "close }} only", "close }} only"}, TokenCase{"{{}}", "", ""}));

}  // namespace
