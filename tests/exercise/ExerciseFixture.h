#pragma once
// Runs the whole program on a headless platform with a hand-driven clock: start-up, a
// lesson of the test's own, menu commands and ticks through the real event loop.

#include <string>

#include "app/MDI.h"
#include "app/Programm.h"
#include "data/Daten.h"
#include "exercise/Spiel.h"
#include "exercise/SpielFenster.h"
#include "lessons/Lektion.h"
#include "lessons/LektionsDatei.h"
#include "platform/Clock.h"
#include "platform/HeadlessGui.h"
#include "settings/IniClass.h"
#include "support/TestSupport.h"

struct LessonSpec {
    std::string noten;
    int system = 1;
    int zweiHand = 0;
    int spielZeit = 60;
    int maxRichtig = 10;
    int maxFalsch = 3;
    int intervall = 99;
};

class ExerciseTest : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        previousClock = Runtime::clock;
        previousRandom = Runtime::random;
        Runtime::clock = &clock;
        Runtime::random = &dice;
        clock.now = 100000;
        ::testing::internal::CaptureStdout();
        Programm::StartUp(gui);
        ::testing::internal::GetCapturedStdout();
        // The learner has given her name: the name entry has tests of its own.
        if (!asksForName) Programm::NamensEingabeNachTicks = 0;
    }
    void TearDown() override {
        Runtime::clock = previousClock;
        Runtime::random = previousRandom;
        FreshProgramTest::TearDown();
    }

    void useLesson(const LessonSpec& spec) {
        std::string text =
            "[Lesen 1]\r\nName=Test\r\nNoten=" + spec.noten +
            "\r\nSystem=" + std::to_string(spec.system) +
            "\r\nTonart=0\r\nTranspose=0\r\nIntervall=" + std::to_string(spec.intervall) +
            "\r\nZweiHand=" + std::to_string(spec.zweiHand) +
            "\r\nSpielZeit=" + std::to_string(spec.spielZeit) +
            "\r\nMaxRichtig=" + std::to_string(spec.maxRichtig) +
            "\r\nMaxFalsch=" + std::to_string(spec.maxFalsch) + "\r\nLevel=1\r\n";
        writeFile(AppPfad + "Lektionen.ini", text);
        IniClass::UpdateIniFile(AppPfad + "Lektionen.ini");
        WechsleLektion(1, 0);
    }
    void menu(int tag) { Programm::HandleEvent({EventId::MenuAction, nullptr, tag}); }
    void tick(int ms = 16) {
        clock.advance(ms);
        Programm::HandleEvent({EventId::TimerTick});
    }
    void ticksFor(int ms) {
        for (int passed = 0; passed < ms; passed += 16) tick(16);
    }
    bool checked(int tag) { return gui.isChecked(MDI::Menus[tag]); }
    bool enabled(int tag) { return gui.isMenuEnabled(MDI::Menus[tag]); }
    // The note the staff asks for: the first active note, or none.
    Note* asked() {
        if (!SpielFenster::Haupt) return nullptr;
        for (const auto& note : SpielFenster::Haupt->Liste)
            if (note->Aktiv == 1) return note.get();
        return nullptr;
    }
    // Runs the feed until the staff asks for a note.
    Note* waitForNote() {
        for (int i = 0; i < 20 && !asked(); ++i) tick();
        return asked();
    }
    // An examination of the lesson in single notes, past its six-second countdown.
    void startExamination(const LessonSpec& lesson) {
        useLesson(lesson);
        menu(MDI::MENU_SINGLE);
        menu(MDI::MENU_COMPETITION);
        ticksFor(6500);
        ASSERT_EQ(Spiel::AktGrade, Spiel::Pruefung);
    }
    // Answers the asked note on the MIDI keyboard: its pitch, or a semitone above it.
    void answer(bool right) {
        Note* note = waitForNote();
        ASSERT_NE(note, nullptr);
        SpielFenster::EmpfangeNote(note->EchtMidi + (right ? 0 : 1), 2);
    }

    bool asksForName = false;  // whether start-up's name entry opens over the first frame
    HeadlessGui gui;
    ManualClock clock;
    MersenneRandom dice;
    Clock* previousClock = nullptr;
    RandomSource* previousRandom = nullptr;
};
