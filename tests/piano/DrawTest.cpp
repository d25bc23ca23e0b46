// Where the keyboard, its pressed keys, the veils and the greyed keys are drawn.
#include <gtest/gtest.h>

#include <vector>

#include "PianoFixture.h"

namespace {

using namespace KeyboardPicture;

class Drawing : public PianoTest {
  protected:
    // D4 to A4 on the three-octave keyboard from F2, with the piano shown.
    void SetUp() override {
        PianoTest::SetUp();
        lesson("25|28|31|34|37");
        menu(MDI::MENU_FLOATING);
        ASSERT_EQ(Spiel::AktivInstrument, Spiel::Klavier);
    }
    std::vector<DrawCall> draw() {
        RecordingCanvas recording;
        KlavierTyp::Draw(recording);
        EXPECT_EQ(recording.state().scaleX, 1.0f);
        EXPECT_EQ(recording.state().alpha, 1.0f);
        return recording.calls;
    }
    static std::vector<DrawCall> grey(const std::vector<DrawCall>& calls) {
        std::vector<DrawCall> found;
        for (const DrawCall& call : calls)
            if (call.kind == DrawCall::Rect && call.state.colour == Colour{155, 155, 155})
                found.push_back(call);
        return found;
    }
    static const DrawCall* at(const std::vector<DrawCall>& calls, float x, float y) {
        for (const DrawCall& call : calls)
            if (call.x == x && call.y == y) return &call;
        return nullptr;
    }
    static float x(float a) { return KlavierTyp::TastaturX + a * KlavierTyp::Scale; }
    static float y(float b) { return KlavierTyp::TastaturY + b * KlavierTyp::Scale; }
};

TEST_F(Drawing, PictureVeilsGreyedKeysAndMiddleCAtBothScales) {
    for (float scale : {1.0f, 1.5f}) {
        SCOPED_TRACE(scale);
        KlavierTyp::Scale = scale;
        KlavierTyp::TastaturX = 301;
        KlavierTyp::TastaturY = 407;
        const std::vector<DrawCall> calls = draw();
        ASSERT_GE(calls.size(), 4u);
        // The shadow in three pieces, then the keyboard picture.
        const int pictureW = KeyboardPicture::width(3);
        const int left = static_cast<int>(301 - ORIGIN_X * scale);
        const float right = left + scale * pictureW;
        const float bottom = 407 + PICTURE_BOTTOM * scale;
        struct Piece {
            float x, y, w, h;
            int sx, sy, sw, sh;
        };
        const Piece pieces[] = {{right, 407, 85, PICTURE_BOTTOM, 615, 0, 85, 200},
                                {right, bottom, 85, 50, 615, 200, 85, 50},
                                {float(left), bottom, float(pictureW), 50, 0, 200, 615, 50}};
        for (int i = 0; i < 3; ++i) {
            const DrawCall& c = calls[i];
            EXPECT_EQ(c.kind, DrawCall::ImagePart);
            EXPECT_EQ(c.imageName, "Schatten.png");
            EXPECT_EQ(c.state.colour, (Colour{3, 3, 3}));
            EXPECT_EQ(c.state.blend, Blend::Alpha);
            EXPECT_FLOAT_EQ(c.x, pieces[i].x);
            EXPECT_FLOAT_EQ(c.y, pieces[i].y);
            EXPECT_EQ(c.width, pieces[i].w);
            EXPECT_EQ(c.height, pieces[i].h);
            EXPECT_EQ(c.sourceX, pieces[i].sx);
            EXPECT_EQ(c.sourceY, pieces[i].sy);
            EXPECT_EQ(c.sourceWidth, pieces[i].sw);
            EXPECT_EQ(c.sourceHeight, pieces[i].sh);
            EXPECT_EQ(c.state.scaleX, scale);
        }
        EXPECT_EQ(calls[3].kind, DrawCall::Image);
        EXPECT_EQ(calls[3].imageName, "Tastatur3.png");
        EXPECT_FLOAT_EQ(calls[3].x, 301 - ORIGIN_X * scale);
        EXPECT_EQ(calls[3].y, 407 - ORIGIN_Y);
        EXPECT_EQ(calls[3].state.colour, (Colour{255, 255, 255}));

        // The span runs from C4 to B4. The veils cover the keys' full length and one row
        // more: from the dark well left of the first key to 2 pixels short of C4, and from
        // B4's right edge to the well right of the top key.
        const int cX = key(60)->X, bX = key(71)->X;
        const int cLeft = WHITE_W * cX + WHITE_LEFT, bRight = WHITE_W * bX + WHITE_LEFT + WHITE_W;
        const std::vector<DrawCall> greyed = grey(calls);
        const DrawCall* veil = at(greyed, 301, y(KEYS_TOP));
        ASSERT_NE(veil, nullptr);
        EXPECT_EQ(veil->width, cLeft - 2);
        EXPECT_EQ(veil->height, WHITE_LENGTH + 1);
        EXPECT_FLOAT_EQ(veil->state.alpha, 0.8f);
        EXPECT_EQ(veil->state.scaleX, scale);
        const DrawCall* rightVeil = at(greyed, x(bRight), y(KEYS_TOP));
        ASSERT_NE(rightVeil, nullptr);
        EXPECT_EQ(rightVeil->width, keyX(pictureW - RIGHT_CHEEK + 1) - bRight);

        // Greyed for good: C4, C#4 (left of D4), A#4, B4. D#4, F#4, G#4 only on request.
        const KlavierTyp* cis = key(61);
        // A black key's face inside its bevels: a pixel in from its left edge, 11 wide.
        const DrawCall* black =
            at(greyed, x(WHITE_W * cis->X + cis->Xadd + BLACK_LEFT + 1), y(KEYS_TOP));
        ASSERT_NE(black, nullptr);
        EXPECT_EQ(black->width, BLACK_W - 3);
        EXPECT_EQ(black->height, BLACK_LENGTH - 1);
        EXPECT_FLOAT_EQ(black->state.alpha, 0.8f);
        // A white key's wide lower part, inside the gaps to its neighbours.
        const DrawCall* lower = at(greyed, x(cLeft), y(BLACK_END));
        ASSERT_NE(lower, nullptr);
        EXPECT_EQ(lower->width, WHITE_W - 2);
        EXPECT_EQ(lower->height, WHITE_BOTTOM - BLACK_BOTTOM);
        const DrawCall* upper = at(greyed, x(cLeft), y(KEYS_TOP));  // C: no offset, 12 wide
        ASSERT_NE(upper, nullptr);
        EXPECT_EQ(upper->width, 12);
        EXPECT_EQ(upper->height, BLACK_LENGTH);
        const DrawCall* upperB = at(greyed, x(WHITE_W * bX + WHITE_LEFT + 8), y(KEYS_TOP));  // B: 8
        ASSERT_NE(upperB, nullptr);
        EXPECT_EQ(upperB->width, 12);
        const KlavierTyp* dis = key(63);
        EXPECT_EQ(at(greyed, x(WHITE_W * dis->X + dis->Xadd + BLACK_LEFT + 1), y(KEYS_TOP)),
                  nullptr);
        // 2 veils, 2 black keys, 2 white keys in two parts.
        EXPECT_EQ(greyed.size(), 8u);

        // Middle C's dot on the felt.
        const DrawCall& dot = calls.back();
        EXPECT_EQ(dot.kind, DrawCall::Rect);
        EXPECT_EQ(dot.state.colour, (Colour{55, 255, 55}));
        EXPECT_FLOAT_EQ(dot.x, x(WHITE_W * KlavierTyp::MiddleC + WHITE_LEFT + MIDDLE_C_DOT_IN_KEY));
        EXPECT_FLOAT_EQ(dot.y, y(keyY(MIDDLE_C_DOT_TOP)));
        EXPECT_EQ(dot.width, MIDDLE_C_DOT_SIZE);
        EXPECT_EQ(dot.state.alpha, 1.0f);
    }
}

TEST_F(Drawing, GreyedKeysInsideTheSpanFadeAfterAPressOnAnUnusedKey) {
    struct Case {
        int after;
        float alpha;  // 0: not drawn
    };
    const Case cases[] = {{0, 0.8f},    {2000, 0.8f}, {5000, 0.5f},
                          {9000, 0.1f}, {10000, 0},   {20000, 0}};
    const int64_t start = clock.now;
    KlavierTyp::ShowVerboteneTasten = start + 10000;
    const KlavierTyp* dis = key(63);
    for (const Case& c : cases) {
        clock.now = start + c.after;
        const std::vector<DrawCall> greyed = grey(draw());
        const DrawCall* black =
            at(greyed, x(WHITE_W * dis->X + dis->Xadd + BLACK_LEFT + 1), y(KEYS_TOP));
        if (c.alpha == 0) {
            EXPECT_EQ(black, nullptr) << c.after;
            EXPECT_EQ(greyed.size(), 8u) << c.after;
        } else {
            ASSERT_NE(black, nullptr) << c.after;
            EXPECT_NEAR(black->state.alpha, c.alpha, 1e-4) << c.after;
            // D#4, F#4, G#4 join the permanent ones.
            EXPECT_EQ(greyed.size(), 11u) << c.after;
        }
    }
}

TEST_F(Drawing, APressedKeyIsDrawnWithItsOverlays) {
    struct Overlay {
        const char* image;
        float a, b;
    };
    struct Case {
        int octaves, low, midi;
        std::vector<Overlay> overlays;  // a, b relative to the key's column 21 X
    };
    const std::vector<Case> cases = {
        {4,
         36,
         36,
         {{"Clinksdown.png", 0, KEYS_TOP}, {"CFdown3.png", WHITE_W, BLACK_END}}},  // leftmost C
        {4, 36, 48, {{"CFdown4.png", 0, KEYS_TOP}, {"CFdown3.png", WHITE_W, BLACK_END}}},   // C
        {4, 36, 50, {{"EHdown4.png", -3, KEYS_TOP}, {"CFdown3.png", WHITE_W, BLACK_END}}},  // D
        {4, 36, 52, {{"EHdown4.png", -1, KEYS_TOP}, {"EHdown3.png", WHITE_W, KEYS_TOP}}},   // E
        {4, 36, 57, {{"EHdown4.png", -2, KEYS_TOP}, {"CFdown3.png", WHITE_W, BLACK_END}}},  // A
        {4, 36, 59, {{"EHdown4.png", -1, KEYS_TOP}, {"EHdown3.png", WHITE_W, KEYS_TOP}}},   // B
        {4, 36, 54, {{"SchwarzDown2.png", 16, KEYS_TOP}}},                                  // F#
        {3, 36, 47, {{"EHdown4.png", -1, KEYS_TOP}, {"EHdown3.png", WHITE_W, KEYS_TOP}}},  // B on F
        {3,
         36,
         41,
         {{"Clinksdown.png", 0, KEYS_TOP}, {"CFdown3.png", WHITE_W, BLACK_END}}},  // leftmost F
        {3, 36, 44, {{"SchwarzDown2.png", 17, KEYS_TOP}}},                         // G#
    };
    for (const Case& c : cases) {
        KlavierTyp::Create(c.octaves, c.low);
        KlavierTyp* taste = key(c.midi);
        ASSERT_NE(taste, nullptr);
        taste->On = 1;
        std::vector<DrawCall> images;
        for (const DrawCall& call : draw())
            if (call.kind == DrawCall::Image && call.imageName.find("Tastatur") != 0)
                images.push_back(call);
        ASSERT_EQ(images.size(), c.overlays.size()) << c.midi;
        for (size_t i = 0; i < images.size(); ++i) {
            EXPECT_EQ(images[i].imageName, c.overlays[i].image) << c.midi;
            EXPECT_FLOAT_EQ(images[i].x, x(WHITE_W * taste->X + c.overlays[i].a)) << c.midi;
            EXPECT_FLOAT_EQ(images[i].y, y(c.overlays[i].b)) << c.midi;
        }
    }
}

TEST_F(Drawing, WhenTheHighestNoteIsTheTopKeyOnlyTheLeftVeilIsDrawn) {
    lesson("64|85", false);  // C6 and C7 on the long keyboard, whose top key is C7
    menu(MDI::MENU_FLOATING);
    const std::vector<DrawCall> greyed = grey(draw());
    ASSERT_EQ(greyed.size(), 1u);  // no key inside the span is greyed for good either
    EXPECT_EQ(greyed[0].width, WHITE_W * key(84)->X + WHITE_LEFT - 2);
    EXPECT_EQ(greyed[0].height, WHITE_LENGTH + 1);
}

TEST_F(Drawing, WithoutASpanNoVeilIsDrawn) {
    for (const char* noten : {"", "86|88"}) {
        lesson(noten);
        menu(MDI::MENU_FLOATING);
        KlavierTyp::ShowVerboteneTasten = clock.now + 5000;
        const std::vector<DrawCall> calls = draw();
        EXPECT_TRUE(grey(calls).empty()) << noten;
        ASSERT_GE(calls.size(), 4u);
        EXPECT_EQ(calls[3].imageName.rfind("Tastatur", 0), 0u) << calls[3].imageName;
    }
}

}  // namespace
