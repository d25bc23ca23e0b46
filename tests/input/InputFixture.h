#pragma once
// The whole program on a headless platform with a hand-driven clock, for the answer
// devices: lessons of the test's own, menu commands, mouse and key events and ticks, all
// through the real event loop.

#include <cmath>
#include <memory>
#include <string>

#include "app/MDI.h"
#include "app/Programm.h"
#include "data/Daten.h"
#include "exercise/ExerciseFixture.h"
#include "exercise/Spiel.h"
#include "exercise/SpielFenster.h"
#include "input/TastenFeldTyp.h"
#include "lessons/Lektion.h"
#include "lessons/LektionsDatei.h"
#include "platform/Clock.h"
#include "platform/HeadlessGui.h"
#include "settings/IniClass.h"
#include "sound/SoundTyp.h"
#include "state/Maus.h"
#include "support/TestSupport.h"

class InputTest : public ExerciseTest {
  protected:
    // Lesson 1 of the working copy becomes current with these notes and staff set.
    void useLesson(const std::string& noten, int system = 1) {
        ExerciseTest::useLesson({noten, system});
    }

    void post(EventId id, int data = 0, int x = 0, int y = 0) {
        Programm::HandleEvent({id, nullptr, data, x, y});
    }
    void key(int code) {
        post(EventId::KeyDown, code);
        post(EventId::KeyUp, code);
    }

    // Canvas pixel of a point given in picture pixels of the button field.
    static int canvasX(int px) {
        return TastenFeldTyp::X + static_cast<int>(std::lround(px * TastenFeldTyp::Scale));
    }
    static int canvasY(int py) {
        return TastenFeldTyp::Y + static_cast<int>(std::lround(py * TastenFeldTyp::Scale));
    }
    // Picture pixels of the middle of button i's cap face.
    static int middleX(int i) { return 96 * (i % 3) + 57; }
    static int middleY(int i) { return 633 - 80 * (i / 3) - 20 * (i % 3); }

    // Moves the mouse to a picture point and holds the left button for one tick.
    void pressAt(int px, int py) {
        post(EventId::MouseMove, 0, canvasX(px), canvasY(py));
        post(EventId::MouseDown, 1);
        tick();
    }
    void release() {
        post(EventId::MouseUp, 1);
        tick();
    }
    void clickAt(int px, int py) {
        pressAt(px, py);
        release();
    }
    void clickButton(int i) { clickAt(middleX(i), middleY(i)); }

    // The note the staff asks for: the first active note, or none.
    std::shared_ptr<Note> asked() {
        if (!SpielFenster::Haupt) return nullptr;
        for (const auto& note : SpielFenster::Haupt->Liste)
            if (note->Aktiv == 1) return note;
        return nullptr;
    }
    // Runs the feed until the staff asks for a note and that note has come to rest, as a
    // learner sees it.
    std::shared_ptr<Note> waitForNote() {
        for (int i = 0; i < 300 && !asked(); ++i) tick();
        std::shared_ptr<Note> note = asked();
        for (float x = -1; note && note->X != x;) {
            x = note->X;
            tick();
        }
        return note;
    }
};
