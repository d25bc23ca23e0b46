#pragma once
// The whole program on a headless platform, with helpers to point at keys of the
// on-screen piano, press and release the mouse, and find keys by their MIDI note.

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "exercise/ExerciseFixture.h"
#include "input/KeyboardPicture.h"
#include "input/KlavierTyp.h"
#include "platform/RecordingCanvas.h"
#include "sound/MIDI.h"
#include "sound/SoundTyp.h"
#include "state/Maus.h"

// Keeps the Note Ons that reach the MIDI output.
class NoteOnRecorder : public MidiOutput {
  public:
    void send(const std::array<uint8_t, 3>& bytes) override {
        if (bytes[0] >= 0x90 && bytes[0] <= 0x9F && bytes[2] > 0) noteOns.push_back(bytes[1]);
    }
    std::vector<int> noteOns;
};

class PianoTest : public ExerciseTest {
  protected:
    // Key sounds go to a recording MIDI output, so every sounded press can be counted.
    void SetUp() override {
        ExerciseTest::SetUp();
        IniClass::Schreiben("", "MIDI", "SignalOut", "1");
        MIDI::SetzeAusgang(sounds);
    }

    // A lesson of these chroma values; `kurz` sets the short-keyboard option first.
    void lesson(const std::string& noten, bool kurz = true) {
        IniClass::Schreiben("", "Allgemein", "KurzesKlavier", kurz ? "1" : "0");
        useLesson({noten});
    }
    // A lesson whose staff asks for exactly these notes, in scrolling practice (the
    // piano is the instrument there).
    void ask(const std::string& noten, std::initializer_list<int> notes) {
        lesson(noten);
        menu(MDI::MENU_FLOATING);
        for (int chroma : notes) SpielFenster::Haupt->AddChromaNote(chroma, 2, 1, 0);
    }

    static KlavierTyp* key(int midi) {
        for (KlavierTyp& taste : KlavierTyp::Liste)
            if (taste.Midi == midi) return &taste;
        return nullptr;
    }
    // The canvas point of point (a, b) of the hit test's frame, as the piano converts the
    // pointer.
    static std::pair<int, int> canvasPoint(int a, int b) {
        using namespace KeyboardPicture;
        const float s = KlavierTyp::Scale;
        return {KlavierTyp::TastaturX + HIT_ORIGIN_X + static_cast<int>(std::ceil(a * s)),
                KlavierTyp::TastaturY + static_cast<int>(std::ceil((b + HIT_ORIGIN_Y) * s))};
    }
    // A point in the middle of a key: a black key's, or a white key's wide lower part.
    static std::pair<int, int> pointOn(int midi) {
        using namespace KeyboardPicture;
        const KlavierTyp* taste = key(midi);
        if (!taste) return {-1000, -1000};
        if (taste->Typ == 2)
            return canvasPoint(WHITE_W * taste->X + taste->Xadd + BLACK_W / 2, BLACK_LENGTH / 2);
        return canvasPoint(WHITE_W * taste->X + WHITE_W / 2, (BLACK_LENGTH + WHITE_LENGTH) / 2);
    }

    void mouseTo(std::pair<int, int> point) {
        Programm::HandleEvent({EventId::MouseMove, MDI::Canvas, 0, point.first, point.second});
    }
    void down() { Programm::HandleEvent({EventId::MouseDown, MDI::Canvas, 1}); }
    void up() { Programm::HandleEvent({EventId::MouseUp, MDI::Canvas, 1}); }
    // Presses the key for one tick and releases it.
    void click(int midi) {
        mouseTo(pointOn(midi));
        down();
        tick();
        up();
        tick();
    }
    // How often this note was sounded (a Note On reached the output).
    int sounded(int midi) const {
        return static_cast<int>(std::count(sounds->noteOns.begin(), sounds->noteOns.end(), midi));
    }

    std::shared_ptr<NoteOnRecorder> sounds = std::make_shared<NoteOnRecorder>();
};
