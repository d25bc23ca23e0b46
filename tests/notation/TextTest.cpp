#include <gtest/gtest.h>

#include <vector>

#include "NotationFixture.h"
#include "notation/DigitalFeld.h"
#include "notation/FliessText.h"
#include "notation/NotenPapier.h"
#include "notation/TextTyp.h"
#include "state/Maus.h"

namespace {

class TextTest : public NotationTest {
  protected:
    void SetUp() override {
        NotationTest::SetUp();
        canvas.setFont(ArialNormal.get());
    }
    RecordingCanvas canvas;
};

struct WrapCase {
    const char* text;
    const char* fits;  // the width is this text's width (empty: 10000 pixels)
    std::vector<std::string> lines;
};

TEST_F(TextTest, FlowingTextWrapsAtBlanksAndBreaksAtBars) {
    const std::vector<WrapCase> cases = {
        {"alpha beta gamma", "alpha beta", {"alpha beta", "gamma"}},
        {"alpha beta gamma", "alpha", {"alpha", "beta", "gamma"}},
        {"one|two", "", {"one", "two"}},
        {"one||two", "", {"one", "", "two"}},
        {"  leading blanks stay", "", {"  leading blanks stay"}},
        {"first second|third", "", {"first second", "third"}},
        {"alpha beta|gamma delta", "alpha", {"alpha", "beta", "gamma", "delta"}},
        {"alpha   beta", "alpha", {"alpha", "beta"}},
        {"incomprehensibilities ok", "ok", {"incomprehensibilities", "ok"}},
        {"ok incomprehensibilities ok", "ok", {"ok", "incomprehensibilities", "ok"}},
        {"incomprehensibilities", "i", {"incomprehensibilities"}},
        {"", "", {""}},
        {" | ", "", {" "}},
        {"end|", "", {"end"}},
    };
    for (const WrapCase& c : cases) {
        const int width = *c.fits ? canvas.textWidth(c.fits) : 10000;
        EXPECT_EQ(FliessZeilen(canvas, c.text, width), c.lines)
            << "\"" << c.text << "\" at the width of \"" << c.fits << "\"";
    }
}

TEST_F(TextTest, WrappingAlwaysEndsEvenWithNoRoomAtAll) {
    for (int width : {-5, 0, 1})
        EXPECT_EQ(FliessZeilen(canvas, "a bb  ccc|d", width),
                  (std::vector<std::string>{"a", "bb", "ccc", "d"}))
            << width;
}

TEST_F(TextTest, LinesAreDrawnOneLetterHeightApart) {
    const int h = canvas.textHeight("T");
    ASSERT_GT(h, 10);
    FliessText(canvas, "one||two three", 40, 100, canvas.textWidth("two"));
    auto texts = callsOf(canvas, DrawCall::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].imageName, "one");
    EXPECT_FLOAT_EQ(texts[0].y, 100);
    EXPECT_EQ(texts[1].imageName, "two");
    EXPECT_FLOAT_EQ(texts[1].y, 100 + 2 * h);
    EXPECT_EQ(texts[2].imageName, "three");
    EXPECT_FLOAT_EQ(texts[2].y, 100 + 3 * h);
    for (const DrawCall& text : texts) EXPECT_FLOAT_EQ(text.x, 40);
}

TEST_F(TextTest, WithoutAFontNothingIsDrawnAndTheWrapEnds) {
    canvas.setFont(nullptr);
    FliessText(canvas, "some words|and more", 0, 0, 5);
    EXPECT_TRUE(canvas.calls.empty());
}

std::vector<std::pair<std::string, float>> textsWithAlpha(const RecordingCanvas& canvas) {
    std::vector<std::pair<std::string, float>> found;
    for (const DrawCall& call : callsOf(canvas, DrawCall::Text))
        found.push_back({call.imageName, call.state.alpha});
    return found;
}

TEST_F(TextTest, ABlockCrossFadesItsTextIn500Milliseconds) {
    auto block = TextTyp::CreateOne(20, 20, 500, "arial.ttf", 18);
    ASSERT_TRUE(block->Font);
    EXPECT_EQ(block->FontHeight, 1);
    block->PText = "Hallo";
    block->Draw(canvas);
    EXPECT_EQ(block->AktText, "Hallo");
    EXPECT_EQ(block->Timer, clock.now + 500);
    EXPECT_GT(block->FontHeight, 1);

    struct Step {
        int64_t at;
        std::string pText;
        std::vector<std::pair<std::string, float>> drawn;
    };
    const std::vector<Step> steps = {
        {250, "Hallo", {{"Hallo", 0.5f}}},
        {300, "Welt", {{"Hallo", 0.6f}}},  // the change waits for the running fade
        {400, "Mond", {{"Hallo", 0.8f}}},
        {500, "Mond", {{"Hallo", 1.0f}}},  // the fade is over, the next starts after now
        {501, "Mond", {{"Hallo", 1.0f}, {"Mond", 0.0f}}},
        {751, "Mond", {{"Hallo", 0.5f}, {"Mond", 0.5f}}},
        {1001, "Mond", {{"Mond", 1.0f}}},
    };
    const int64_t start = clock.now;
    for (const Step& step : steps) {
        clock.now = start + step.at;
        block->PText = step.pText;
        RecordingCanvas frame;
        block->Draw(frame);
        auto drawn = textsWithAlpha(frame);
        ASSERT_EQ(drawn.size(), step.drawn.size()) << step.at;
        for (size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i].first, step.drawn[i].first) << step.at;
            EXPECT_NEAR(drawn[i].second, step.drawn[i].second, 1e-4) << step.at;
        }
        for (const DrawCall& call : frame.calls) {
            EXPECT_EQ(call.state.colour, (Colour{55, 55, 55}));
            EXPECT_EQ(call.state.blend, Blend::Alpha);
            EXPECT_FLOAT_EQ(call.x, 20);
        }
    }
}

TEST_F(TextTest, AnEmptyTextClearsTheBlockAtOnce) {
    auto block = TextTyp::CreateOne(20, 20, 500, "arial.ttf", 18);
    block->PText = "Hallo";
    block->Draw(canvas);
    clock.now += 100;
    block->PText = "";
    RecordingCanvas frame;
    block->Draw(frame);
    EXPECT_EQ(block->AktText, "");
    EXPECT_EQ(block->AltText, "");
    EXPECT_TRUE(callsOf(frame, DrawCall::Text).empty());
}

TEST_F(TextTest, TheLineUnderTheMouseAndTheMiddleOfALine) {
    auto block = TextTyp::CreateOne(20, 20, 500, "arial.ttf", 18);
    block->PText = "eins|zwei|drei";
    block->Draw(canvas);
    const int h = block->FontHeight;
    ASSERT_GT(h, 5);
    struct Case {
        int mausY, line;
    };
    for (Case c : std::vector<Case>{{15, 0},
                                    {20, 0},
                                    {20 + h - 1, 0},
                                    {20 + h, 1},
                                    {20 + 2 * h + 1, 2},
                                    {20 - h - 1, -1}}) {
        Maus::MausY = c.mausY;
        EXPECT_EQ(block->IsLine(), c.line) << c.mausY;
    }
    for (int n : {0, 1, 4}) EXPECT_EQ(block->GiveY(n), h / 2 + n * h + 20) << n;
}

TEST_F(TextTest, ReplacingSignsInTheWantedText) {
    auto block = TextTyp::CreateOne(0, 0, 100, "arial.ttf", 18);
    struct Case {
        const char *text, *alt, *neu, *result;
    };
    for (Case c : std::vector<Case>{{"a-b-c", "-", "--", "a--b--c"},
                                    {"{{X}} und {{X}}", "{{X}}", "Y", "Y und Y"},
                                    {"abc", "", "x", "abc"},
                                    {"aaa", "a", "", ""}}) {
        block->PText = c.text;
        block->ReplaceZeichen(c.alt, c.neu);
        EXPECT_EQ(block->PText, c.result) << c.text;
    }
}

TEST_F(TextTest, ABlockWithoutItsFontDrawsNothingAndStillFindsLines) {
    auto block = TextTyp::CreateOne(20, 20, 500, "missing.ttf", 18);
    EXPECT_FALSE(block->Font);
    block->PText = "Hallo";
    block->Draw(canvas);
    EXPECT_TRUE(callsOf(canvas, DrawCall::Text).empty());
    EXPECT_EQ(block->FontHeight, 1);
    Maus::MausY = 25;
    EXPECT_EQ(block->IsLine(), 5);
}

TEST_F(TextTest, TheNotePaperFadesItsTextInAfterStart) {
    RecordingCanvas frame(1120, 700);
    TextPaperGame(frame);
    EXPECT_EQ(NotenPapier::PapierX, 620);
    EXPECT_EQ(NotenPapier::PapierY, 480);
    auto rects = callsOf(frame, DrawCall::Rect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(std::make_tuple(rects[0].x, rects[0].y, rects[0].width, rects[0].height),
              std::make_tuple(620.0f, 480.0f, 466.0f, 198.0f));
    EXPECT_EQ(rects[0].state.colour, (Colour{255, 235, 215}));
    auto texts = callsOf(frame, DrawCall::Text);
    frame.setFont(ArialNormal.get());
    auto lines = FliessZeilen(frame, NotenPapier::PapierText, 400);
    ASSERT_EQ(texts.size(), lines.size());
    ASSERT_GE(lines.size(), 2u);  // at least the break at its "|"
    EXPECT_EQ(texts[0].imageName.substr(0, 15), "Lesmora Version");
    EXPECT_EQ(texts.back().imageName, "zu ca. 45% fertiggestellt.");
    for (const DrawCall& text : texts) EXPECT_LE(text.width, 400);
    EXPECT_FLOAT_EQ(texts[0].x, 650);
    EXPECT_FLOAT_EQ(texts[0].y, 510);
    EXPECT_EQ(texts[0].state.font, ArialNormal.get());
    EXPECT_FLOAT_EQ(texts[0].state.alpha, 0.0f);

    clock.now += 250;
    RecordingCanvas half(1120, 700);
    TextPaperGame(half);
    EXPECT_NEAR(callsOf(half, DrawCall::Text)[0].state.alpha, 0.5f, 1e-4);

    clock.now += 250;
    RecordingCanvas done(990, 600);
    TextPaperGame(done);
    EXPECT_EQ(NotenPapier::PapierX, 490);
    EXPECT_EQ(NotenPapier::PapierY, 380);
    EXPECT_FLOAT_EQ(callsOf(done, DrawCall::Text)[0].state.alpha, 1.0f);
}

TEST_F(TextTest, AnEmptyPaperTextFadesTheOldOneOut) {
    RecordingCanvas frame;
    TextPaperGame(frame);
    clock.now += 600;
    NotenPapier::PapierText = "";
    RecordingCanvas next;
    TextPaperGame(next);
    EXPECT_EQ(NotenPapier::AltText.substr(0, 7), "Lesmora");
    auto texts = callsOf(next, DrawCall::Text);
    ASSERT_GE(texts.size(), 2u);
    for (const DrawCall& text : texts) EXPECT_FLOAT_EQ(text.state.alpha, 1.0f);  // from full
}

TEST_F(TextTest, CounterDigitsAreRightAlignedAndCutToTheField) {
    struct Case {
        int value, n;
        const char* text;
    };
    for (Case c : std::vector<Case>{{1234, 3, "234"},
                                    {-5, 2, "-5"},
                                    {7, 3, "  7"},
                                    {0, 2, " 0"},
                                    {-999, 3, ""},
                                    {-998, 3, "998"},
                                    {12, 0, ""},
                                    {5, 9, "      5"}})
        EXPECT_EQ(DigitalWert(c.value, c.n), c.text) << c.value << " in " << c.n;
}

TEST_F(TextTest, ACounterFieldIsAFrameWithDimAndLitSegments) {
    RecordingCanvas frame;
    DigitalFeld(frame, 100, 150, 42, 3, "Zeit");
    auto rects = callsOf(frame, DrawCall::Rect);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(std::make_tuple(rects[0].x, rects[0].y, rects[0].width, rects[0].height),
              std::make_tuple(100.0f, 150.0f, 121.0f, 66.0f));
    EXPECT_EQ(rects[0].state.colour, (Colour{222, 222, 222}));
    EXPECT_EQ(std::make_tuple(rects[1].width, rects[1].height), std::make_tuple(119.0f, 64.0f));
    EXPECT_EQ(rects[1].state.colour, (Colour{66, 1, 1}));

    auto texts = callsOf(frame, DrawCall::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].imageName, "Zeit");
    EXPECT_NEAR(texts[0].x + texts[0].width / 2, 100 + (3 * 32 + 20) / 2, 1.0f);
    EXPECT_FLOAT_EQ(texts[0].y, 127);
    EXPECT_NE(texts[0].state.font, nullptr);
    EXPECT_NE(texts[0].state.font, Digital.get());
    EXPECT_EQ(texts[1].imageName, "888");
    EXPECT_EQ(texts[1].state.colour, (Colour{105, 0, 0}));
    EXPECT_FLOAT_EQ(texts[1].x, 110);
    EXPECT_EQ(texts[2].imageName, "42");
    EXPECT_EQ(texts[2].state.colour, (Colour{255, 0, 0}));
    for (int i : {1, 2}) {
        EXPECT_EQ(texts[i].state.font, Digital.get());
        EXPECT_FLOAT_EQ(texts[i].y, 151);
    }
    // The lit digits end where the unlit places end.
    const float scaleX = texts[1].state.scaleX;
    EXPECT_FLOAT_EQ(texts[2].x + texts[2].width * scaleX, texts[1].x + texts[1].width * scaleX);
    EXPECT_FLOAT_EQ(frame.state().scaleX, 1.0f);
}

TEST_F(TextTest, DigitsAreFittedIntoTheirPlaces) {
    RecordingCanvas frame;
    DigitalFeld(frame, 0, 150, 888, 3, "");
    auto unlit = callsOf(frame, DrawCall::Text, "888");
    ASSERT_EQ(unlit.size(), 2u);
    const DrawCall& digits = unlit[0];
    // Three places of 32 pixels inside a frame of 3 * 32 + 25.
    EXPECT_LE(digits.width * digits.state.scaleX, 3 * 32 + 0.01f);
    EXPECT_GT(digits.width * digits.state.scaleX, 3 * 32 * 0.9f);
    const ImageFont::Glyph& eight = Digital->glyph(U'8');
    EXPECT_LE((eight.top + eight.height) * digits.state.scaleY, 62 + 0.01f);
}

TEST_F(TextTest, ADarkCounterShowsOnlyTheUnlitSegments) {
    RecordingCanvas frame;
    DigitalFeld(frame, 0, 150, -999, 2, "");
    for (const DrawCall& text : callsOf(frame, DrawCall::Text))
        EXPECT_NE(text.state.colour, (Colour{255, 0, 0})) << text.imageName;
    EXPECT_EQ(callsOf(frame, DrawCall::Text, "88").size(), 1u);
}

TEST_F(TextTest, TheThreeCountersStandAlongTheTopRight) {
    RecordingCanvas frame(1000, 700);
    DrawPunkte(frame, 59, 12, 3, {"Zeit", "Richtig", "Falsch"});
    std::vector<std::tuple<float, float>> frames;
    for (const DrawCall& rect : callsOf(frame, DrawCall::Rect))
        if (rect.state.colour == Colour{222, 222, 222}) frames.push_back({rect.x, rect.width});
    EXPECT_EQ(frames, (std::vector<std::tuple<float, float>>{{700, 121}, {819, 89}, {906, 89}}));
    for (const char* shown : {"59", "12", "3", "Zeit", "Richtig", "Falsch"})
        EXPECT_EQ(callsOf(frame, DrawCall::Text, shown).size(), 1u) << shown;
}

TEST_F(TextTest, CountersWithoutFontsDrawOnlyTheirFrames) {
    Digital.reset();
    DatenPfad = "nowhere//";  // the caption font cannot load either
    DigitalAnzeige::SetzeStartwerte();
    RecordingCanvas frame;
    DrawPunkte(frame, 1, 2, 3, {"a", "b", "c"});
    EXPECT_TRUE(callsOf(frame, DrawCall::Text).empty());
    EXPECT_EQ(callsOf(frame, DrawCall::Rect).size(), 6u);
}

}  // namespace
