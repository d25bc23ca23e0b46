#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "i18n/Sprache.h"

namespace {

class Localize : public ::testing::Test {
  protected:
    void SetUp() override {
        SetzeStartwerteSprache();
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

// A user language file as the reader takes it: "[LanguageDefinition]", the id, the lines.
std::shared_ptr<LanguageTable> userFile(const std::string& lines) {
    return LeseSprachDatei("[LanguageDefinition]\r\nLanguageId=User\r\n" + lines);
}

// k0 names k1 twice, k1 names k2 twice ... the last key holds "ab": every level doubles
// the result. Twenty levels are about 600 bytes of file and two million characters.
std::string doublingChain(int levels) {
    std::string lines;
    for (int k = 0; k < levels; ++k)
        lines += "k" + std::to_string(k) + "={{k" + std::to_string(k + 1) + "}}{{k" +
                 std::to_string(k + 1) + "}}\r\n";
    return lines + "k" + std::to_string(levels) + "=ab\r\n";
}

// k0={{k1}}, k1={{k2}} ... the last key holds "end".
std::string singleChain(int keys) {
    std::string lines;
    for (int k = 0; k + 1 < keys; ++k)
        lines += "k" + std::to_string(k) + "={{k" + std::to_string(k + 1) + "}}\r\n";
    return lines + "k" + std::to_string(keys - 1) + "=end\r\n";
}

struct BoundCase {
    const char* what;
    std::string lines;
    std::string expectedStart;
    bool error;  // whether "!ERROR!" shows
};

class LocalizeBounds : public ::testing::TestWithParam<BoundCase> {};

TEST_P(LocalizeBounds, NestedTokensStayWithinTheLimits) {
    auto table = userFile(GetParam().lines);
    ASSERT_TRUE(table);
    SetCurrentLanguage(table);
    std::string result = Lokalisiere("{{k0}}");
    EXPECT_EQ(result.rfind(GetParam().expectedStart, 0), 0u) << result.substr(0, 80);
    EXPECT_EQ(result.find("!ERROR!") != std::string::npos, GetParam().error);
    EXPECT_LT(result.size(), 1000000u);
    SetCurrentLanguage(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocalizeBounds,
    ::testing::Values(
        BoundCase{"ten doublings expand in full", doublingChain(10), "abab", false},
        BoundCase{"twenty doublings stop at the length bound", doublingChain(20), "ababab", true},
        BoundCase{"thirty doublings stop as soon", doublingChain(30), "ababab", true},
        BoundCase{"a chain 32 deep expands", singleChain(32), "end", false},
        BoundCase{"a chain 33 deep stops at the depth bound", singleChain(33), "!ERROR!", true},
        BoundCase{"a chain of 50,000 keys neither overflows nor crawls", singleChain(50000),
                  "!ERROR!", true}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.what))
            if (std::isalnum(static_cast<unsigned char>(c))) name += c;
        return name;
    });

TEST(LocalizeBounds, TenDoublingsGiveEveryCharacter) {
    SetCurrentLanguage(userFile(doublingChain(10)));
    std::string expected;
    for (int i = 0; i < 1024; ++i) expected += "ab";
    EXPECT_EQ(Lokalisiere("x{{k0}}y"), "x" + expected + "y");
    SetCurrentLanguage(nullptr);
}

TEST(LocalizeBounds, ManyUnclosedTokensStayAsWritten) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "{{";
    EXPECT_EQ(Lokalisiere(text), text);
}

}  // namespace
