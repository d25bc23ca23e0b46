// The on-screen instruments stay whole inside the window, zoom controls included, at every
// zoom step and window size; the staff paper leaves the counters free at every width.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <tuple>

#include "ExerciseFixture.h"
#include "input/KeyboardPicture.h"
#include "input/KlavierTyp.h"
#include "input/TastenFeldTyp.h"
#include "notation/DigitalFeld.h"
#include "platform/RecordingCanvas.h"
#include "platform/Ui.h"
#include "state/Maus.h"

namespace {

namespace kb = KeyboardPicture;
using T = TastenFeldTyp;

struct Box {
    float left, top, right, bottom;
};

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

enum class Instrument { LongPiano, ShortPiano, Buttons };

struct WindowSize {
    int width, height;
};

const char* nameOf(Instrument which) {
    switch (which) {
        case Instrument::LongPiano:
            return "LongPiano";
        case Instrument::ShortPiano:
            return "ShortPiano";
        default:
            return "Buttons";
    }
}

class InstrumentLayout : public ExerciseTest {
  protected:
    void resizeTo(int width, int height) {
        gui.setShape(MDI::Window, 0, 0, width, height);
        Programm::HandleEvent({EventId::WindowSize, MDI::Window});
        tick();
    }
    void pressAndRelease(int x, int y) {
        Programm::HandleEvent({EventId::MouseMove, MDI::Canvas, 0, x, y});
        Programm::HandleEvent({EventId::MouseDown, MDI::Canvas, 1});
        for (int i = 0; i < 3; ++i) tick();  // held: the zoom acts once
        Programm::HandleEvent({EventId::MouseUp, MDI::Canvas, 1});
        tick();
    }
    void start(Instrument which) {
        IniClass::Schreiben("", "Allgemein", "KurzesKlavier",
                            which == Instrument::ShortPiano ? "1" : "0");
        useLesson({"22|25|28|31|34"});
        menu(which == Instrument::Buttons ? MDI::MENU_SINGLE : MDI::MENU_FLOATING);
        ASSERT_EQ(Spiel::AktivInstrument,
                  which == Instrument::Buttons ? Spiel::Tastenfeld : Spiel::Klavier);
        tick();
    }

    // The middle of the zoom control on the canvas, where a learner clicks it.
    std::pair<int, int> zoomControl(Instrument which) const {
        if (which == Instrument::Buttons) {
            // A point of the size zone, which the field itself must find there.
            EXPECT_EQ(T::ZoneAt(kFieldZoomX, kFieldZoomY), T::kZoneGroesse);
            return {T::X + static_cast<int>(kFieldZoomX * T::Scale),
                    T::Y + static_cast<int>(kFieldZoomY * T::Scale)};
        }
        const float s = KlavierTyp::Scale;
        const int a = kb::keyX((kb::SIZE_ZONE_LEFT + kb::SIZE_ZONE_RIGHT) / 2);
        const int b = kb::keyY((kb::SIZE_ZONE_TOP + kb::SIZE_ZONE_BOTTOM) / 2);
        return {KlavierTyp::TastaturX + static_cast<int>(a * s),
                KlavierTyp::TastaturY + static_cast<int>(std::ceil(b * s))};
    }

    // The instrument's picture as the last frame drew it; none when it was not drawn.
    bool drawnPicture(Instrument which, Box& box) const {
        const auto* canvas = static_cast<const RecordingCanvas*>(Ui::mainCanvas());
        const std::string wanted = which == Instrument::Buttons ? "tastenfeld" : "tastatur";
        for (const DrawCall& call : canvas->calls) {
            if (call.kind != DrawCall::Image || lower(call.imageName).rfind(wanted, 0) != 0)
                continue;
            const float left = call.state.originX + call.x, top = call.state.originY + call.y;
            box = {left, top, left + call.width * call.state.scaleX,
                   top + call.height * call.state.scaleY};
            return true;
        }
        return false;
    }

    // The zoom control's face inside the picture, in canvas pixels.
    static Box zoomFace(Instrument which, const Box& picture) {
        if (which == Instrument::Buttons) {
            const float s = T::Scale;
            return {picture.left + kFieldZoomLeft * s, picture.top + kFieldZoomTop * s,
                    picture.left + kFieldZoomRight * s, picture.top + kFieldZoomBottom * s};
        }
        const float s = KlavierTyp::Scale;
        return {picture.left + kb::SIZE_ZONE_LEFT * s, picture.top + kb::SIZE_ZONE_TOP * s,
                picture.left + kb::SIZE_ZONE_RIGHT * s, picture.top + kb::SIZE_ZONE_BOTTOM * s};
    }

    void expectInside(const Box& box, int width, int height, const std::string& what) const {
        constexpr float kRounding = 0.01f;
        EXPECT_GE(box.left, -kRounding) << what;
        EXPECT_GE(box.top, -kRounding) << what;
        EXPECT_LE(box.right, width + kRounding) << what;
        EXPECT_LE(box.bottom, height + kRounding) << what;
    }

    // The instrument and its zoom control lie whole inside the canvas of this size.
    void expectWholeInside(Instrument which, int width, int height, const std::string& what) {
        ASSERT_EQ(Ui::mainCanvas()->width(), width);
        ASSERT_EQ(Ui::mainCanvas()->height(), height);
        Box picture{};
        ASSERT_TRUE(drawnPicture(which, picture)) << what;
        expectInside(picture, width, height, what + ": the picture");
        expectInside(zoomFace(which, picture), width, height, what + ": its zoom control");
    }

    float scaleOf(Instrument which) const {
        return which == Instrument::Buttons ? T::Scale : KlavierTyp::Scale;
    }

    // The field's size button as its picture shows it (x 118 to 190, rows 43 to 62), and a
    // point on it that the field's own zones must take for the size zone.
    static constexpr int kFieldZoomLeft = 118, kFieldZoomRight = 190;
    static constexpr int kFieldZoomTop = 43, kFieldZoomBottom = 62;
    static constexpr int kFieldZoomX = 154, kFieldZoomY = 52;
};

using LayoutCase = std::tuple<WindowSize, int, Instrument>;

std::string layoutCaseName(const ::testing::TestParamInfo<LayoutCase>& info) {
    const WindowSize size = std::get<0>(info.param);
    return std::string(nameOf(std::get<2>(info.param))) + "_" + std::to_string(size.width) + "x" +
           std::to_string(size.height) + "_presses" + std::to_string(std::get<1>(info.param));
}

class EveryZoomStep : public InstrumentLayout, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(EveryZoomStep, KeepsTheInstrumentAndItsZoomControlInsideTheWindow) {
    const auto [size, presses, which] = GetParam();
    start(which);
    resizeTo(size.width, size.height);
    const std::string where = std::to_string(size.width) + " x " + std::to_string(size.height);
    expectWholeInside(which, size.width, size.height, where + " before any zoom");
    for (int press = 1; press <= presses; ++press) {
        const float before = scaleOf(which);
        const auto [x, y] = zoomControl(which);
        pressAndRelease(x, y);
        const std::string what = where + " after zoom press " + std::to_string(press) + " (scale " +
                                 std::to_string(before) + " to " + std::to_string(scaleOf(which)) +
                                 ")";
        expectWholeInside(which, size.width, size.height, what);
        EXPECT_EQ(Spiel::SpielerRichtig + Spiel::SpielerFalsch, 0)
            << what << ": a zoom press answers nothing";
    }
    // Then the window shrinks to the smallest it may be, and grows back.
    resizeTo(990, 700);
    expectWholeInside(which, 990, 700, where + " then shrunk to 990 x 700");
    resizeTo(size.width, size.height);
    expectWholeInside(which, size.width, size.height, where + " and back");
}

INSTANTIATE_TEST_SUITE_P(
    WindowSizesStepsAndInstruments, EveryZoomStep,
    ::testing::Combine(
        ::testing::Values(WindowSize{990, 700}, WindowSize{1120, 700}, WindowSize{1600, 900}),
        ::testing::Values(0, 1, 2, 3),
        ::testing::Values(Instrument::LongPiano, Instrument::ShortPiano, Instrument::Buttons)),
    layoutCaseName);

struct StepCase {
    const char* what;
    Instrument which;
    WindowSize size;
    float steps[4];  // the scale at start and after each of three presses; 0: cut to fit
};

// Where a window holds a step, the step is kept; where it does not, the instrument is drawn
// as large as the window holds it.
TEST_F(InstrumentLayout, AStepTheWindowCannotHoldIsCutDownToFit) {
    const float longIn990 = 989.0f / kb::width(6), longIn1120 = 1119.0f / kb::width(6);
    const float shortIn1120 = 1119.0f / kb::width(3), fieldIn700 = 699.0f / T::kHoehe;
    const float fieldHome = (699.0f - countersOn(1120).bottom - 10) / T::kHoehe;
    const StepCase cases[] = {
        {"the long piano at its usual size is cut to a 990-pixel window; it cannot grow there",
         Instrument::LongPiano,
         {990, 700},
         {longIn990, longIn990, longIn990, longIn990}},
        {"the long piano grows by what a 1120-pixel window holds, then back",
         Instrument::LongPiano,
         {1120, 700},
         {1.0f, longIn1120, 1.0f, longIn1120}},
        {"a large window holds every step of the long piano",
         Instrument::LongPiano,
         {2300, 900},
         {1.0f, 1.5f, 2.0f, 1.0f}},
        {"the short piano takes 1.5, and 2 is cut to the window's width",
         Instrument::ShortPiano,
         {1120, 700},
         {1.0f, 1.5f, shortIn1120, 1.0f}},
        {"the buttons start below the counters, then 0.7, then as tall as the window",
         Instrument::Buttons,
         {1120, 700},
         {fieldHome, 0.7f, fieldIn700, 0.5f}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.which == Instrument::Buttons) T::StartUp();  // back to the field's home
        start(c.which);
        resizeTo(c.size.width, c.size.height);
        EXPECT_NEAR(scaleOf(c.which), c.steps[0], 1e-4);
        for (int press = 1; press < 4; ++press) {
            const auto [x, y] = zoomControl(c.which);
            pressAndRelease(x, y);
            EXPECT_NEAR(scaleOf(c.which), c.steps[press], 1e-4) << "press " << press;
        }
        KlavierTyp::Scale = 1.0f;
        resizeTo(1120, 700);
    }
}

TEST_F(InstrumentLayout, AHeldZoomPressPlaysNoKeyTheKeyboardMovedUnderIt) {
    // The short piano grows from 1 to 1.5 and is pushed up inside the window: the key now
    // under the held pointer must not sound or answer.
    start(Instrument::ShortPiano);
    const auto [x, y] = zoomControl(Instrument::ShortPiano);
    Programm::HandleEvent({EventId::MouseMove, MDI::Canvas, 0, x, y});
    Programm::HandleEvent({EventId::MouseDown, MDI::Canvas, 1});
    tick();
    ASSERT_FLOAT_EQ(KlavierTyp::Scale, 1.5f);
    for (int dx : {0, 200, 400}) {
        Programm::HandleEvent({EventId::MouseMove, MDI::Canvas, 0, x + dx, y});
        tick();
        EXPECT_EQ(KlavierTyp::LastMidi, -1) << dx;
        EXPECT_EQ(Maus::DragWer, Maus::Keiner) << dx;
    }
    Programm::HandleEvent({EventId::MouseUp, MDI::Canvas, 1});
    tick();
    EXPECT_FLOAT_EQ(KlavierTyp::Scale, 1.5f);
    EXPECT_EQ(Spiel::SpielerRichtig + Spiel::SpielerFalsch, 0);
}

TEST_F(InstrumentLayout, AtStartTheButtonsStandBelowTheCountersAndBesideTheStaff) {
    start(Instrument::Buttons);
    const CounterArea counters = countersOn(1120);
    EXPECT_GE(T::Y, counters.bottom);
    EXPECT_LE(T::Y + T::kHoehe * T::Scale, 700);
    EXPECT_LE(T::X + T::kBreite * T::Scale, 1120);
    const NotenFenster& paper = *SpielFenster::Haupt;
    EXPECT_GE(T::X, paper.FensterX + paper.EchtFensterB) << "the staff stays free";
}

// --- The counters and the staff paper -----------------------------------------------

struct CounterCase {
    const char* what;
    int menuTag;
    int tonart;
    int system;
};

class CountersShow : public InstrumentLayout, public ::testing::WithParamInterface<CounterCase> {
  protected:
    void lessonInKey(int tonart, int system) {
        const std::string text =
            "[Lesen 1]\r\nName=Test\r\nNoten=22|25|28|31|34\r\nSystem=" + std::to_string(system) +
            "\r\nTonart=" + std::to_string(tonart) +
            "\r\nTranspose=0\r\nIntervall=99\r\nZweiHand=0\r\nSpielZeit=60"
            "\r\nMaxRichtig=10\r\nMaxFalsch=3\r\nLevel=1\r\n";
        writeFile(AppPfad + "Lektionen.ini", text);
        IniClass::UpdateIniFile(AppPfad + "Lektionen.ini");
        WechsleLektion(1, 0);
    }
    // The staff paper and the time counter's frame as the last frame drew them.
    bool drawn(Box& paper, Box& zeit) const {
        const auto* canvas = static_cast<const RecordingCanvas*>(Ui::mainCanvas());
        bool hatPapier = false, hatZeit = false;
        for (const DrawCall& call : canvas->calls) {
            if (call.kind != DrawCall::Rect) continue;
            if (call.state.colour == Colour{255, 245, 235} && !hatPapier) {
                paper = {call.x, call.y, call.x + call.width, call.y + call.height};
                hatPapier = true;
            }
            // The time counter's frame: three digit places, 121 x 66.
            if (call.state.colour == Colour{222, 222, 222} && call.width == 121 && !hatZeit) {
                zeit = {call.x, call.y, call.x + call.width, call.y + call.height};
                hatZeit = true;
            }
        }
        return hatPapier && hatZeit;
    }
};

TEST_P(CountersShow, TheTimeCounterIsNotCoveredByTheStaffPaperAtAnyWidth) {
    const CounterCase& c = GetParam();
    lessonInKey(c.tonart, c.system);
    menu(c.menuTag);
    if (c.menuTag == MDI::MENU_COMPETITION) ticksFor(6500);  // the countdown
    for (int width : {990, 1000, 1020, 1040, 1060, 1080, 1100, 1120, 1400, 990}) {
        resizeTo(width, 700);
        ticksFor(200);
        Box paper{}, zeit{};
        ASSERT_TRUE(drawn(paper, zeit)) << width;
        const CounterArea area = countersOn(width);
        EXPECT_EQ(zeit.left, area.left) << width;
        EXPECT_LE(paper.right, area.left) << width << ": the paper ends before the counters";
        // The darker part of the paper's shadow stays off the counter as well.
        EXPECT_LE(paper.right + 50, area.left) << width;
        EXPECT_GT(paper.right - paper.left, 300) << width << ": the staff keeps room for notes";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CountersShow,
                         ::testing::Values(CounterCase{"scrolling practice in C",
                                                       MDI::MENU_FLOATING, 0, 1},
                                           CounterCase{"scrolling practice in B major, five sharps",
                                                       MDI::MENU_FLOATING, 11, 1},
                                           CounterCase{"examination in D flat major, grand staff",
                                                       MDI::MENU_COMPETITION, 1, 3},
                                           CounterCase{"guess words in C", MDI::MENU_WORDS, 0, 1}),
                         [](const ::testing::TestParamInfo<CounterCase>& info) {
                             std::string name;
                             for (const char* p = info.param.what; *p; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                             return name;
                         });

}  // namespace
