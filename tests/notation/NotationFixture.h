#pragma once
// A fresh program with the pitch table, the note pictures and the fonts loaded, a hand
// clock, and helpers to pick the drawn calls out of a recording canvas.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Daten.h"
#include "exercise/Spiel.h"
#include "music/ChromaTyp.h"
#include "notation/Note.h"
#include "notation/NotenFenster.h"
#include "platform/Clock.h"
#include "platform/RecordingCanvas.h"
#include "support/TestSupport.h"

class NotationTest : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        previousClock = Runtime::clock;
        Runtime::clock = &clock;
        clock.now = 10000;
        ChromaTyp::StartUp();
        ArialNormal = LadeSchrift("arial.ttf", 24, true);
        ArialRiesig = LadeSchrift("arial.ttf", 80, true);
        Digital = LadeSchrift("Digital Readout Upright.ttf", 70, false);
        Schatten = LadeBild("Schatten.png");
        NotenFenster::NotenBild = LadeBild("Noten.png", 60, 140, 18);
        Note::StartUp();
    }
    void TearDown() override {
        Runtime::clock = previousClock;
        FreshProgramTest::TearDown();
    }

    // A window that is also the main staff every placement consults.
    std::shared_ptr<NotenFenster> mainStaff(int systeme, int tonart, float scale = 1.0f,
                                            int notenBreit = 70) {
        auto staff = NotenFenster::CreateIt(10, 10, 700, notenBreit, scale, systeme, tonart);
        NotenFenster* raw = staff.get();
        Note::HauptFenster = [raw] { return raw; };
        return staff;
    }

    ManualClock clock;
    Clock* previousClock = nullptr;
};

// A treble chroma value of the natural note at a staff step (steps 0 to 34).
inline int trebleNatural(int step) {
    return 21 * (step / 7) + 3 * (step % 7) + 1;
}
// The same for the bass clef, whose steps lie two lower (steps -2 to 32).
inline int bassNatural(int step) {
    return 100 + trebleNatural(step + 2);
}

inline std::vector<DrawCall> callsOf(const RecordingCanvas& canvas, DrawCall::Kind kind,
                                     const std::string& name = "") {
    std::vector<DrawCall> found;
    for (const DrawCall& call : canvas.calls)
        if (call.kind == kind && (name.empty() || call.imageName == name)) found.push_back(call);
    return found;
}

inline std::vector<DrawCall> cellsOf(const RecordingCanvas& canvas, int cell) {
    std::vector<DrawCall> found;
    for (const DrawCall& call : callsOf(canvas, DrawCall::Image, "Noten.png"))
        if (call.cell == cell) found.push_back(call);
    return found;
}
