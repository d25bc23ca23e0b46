#pragma once
// A fresh program with the pitch and transposition tables loaded, a hand clock, dice the
// test installs, and helpers that write lesson files and make lessons current.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "data/Daten.h"
#include "exercise/Spiel.h"
#include "lessons/Lektion.h"
#include "lessons/LektionsDatei.h"
#include "music/ChromaTyp.h"
#include "music/Transposer.h"
#include "platform/Clock.h"
#include "settings/IniClass.h"
#include "support/TestSupport.h"

// Counts the draws of another random source.
class CountingRandom : public RandomSource {
  public:
    explicit CountingRandom(RandomSource& inner) : inner_(inner) {}
    int rand(int low, int high) override {
        ++draws;
        return inner_.rand(low, high);
    }
    void seed(uint32_t value) override { inner_.seed(value); }
    int draws = 0;

  private:
    RandomSource& inner_;
};

// Dice that answer the given values in turn (the last one again once they run out),
// each clamped into the asked range.
inline ScriptedRandom answersInTurn(std::vector<int> answers) {
    auto next = std::make_shared<size_t>(0);
    return ScriptedRandom([answers, next](int, int) {
        size_t i = std::min(*next, answers.size() - 1);
        ++*next;
        return answers[i];
    });
}

using Keys = std::vector<std::pair<std::string, std::string>>;

// One "Lesen <n>" section with CR LF line ends; `keys` replace or extend the defaults.
inline std::string sectionText(int nummer, const std::string& noten, const Keys& keys = {}) {
    Keys alle = {{"Name", "Lesson " + std::to_string(nummer)},
                 {"Noten", noten},
                 {"System", "1"},
                 {"Tonart", "0"},
                 {"Transpose", "0"},
                 {"Intervall", "99"},
                 {"ZweiHand", "0"},
                 {"SpielZeit", "60"},
                 {"MaxRichtig", "20"},
                 {"MaxFalsch", "5"},
                 {"Level", "2"}};
    for (const auto& [key, value] : keys) {
        bool ersetzt = false;
        for (auto& eintrag : alle)
            if (eintrag.first == key) eintrag.second = value, ersetzt = true;
        if (!ersetzt) alle.emplace_back(key, value);
    }
    std::string text = "[Lesen " + std::to_string(nummer) + "]\r\n";
    for (const auto& [key, value] : alle)
        if (value != "<absent>") text += key + "=" + value + "\r\n";
    return text + "\r\n";
}

class LessonTest : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        ChromaTyp::StartUp();
        Transposer::LoadDefinitions();
        previousClock_ = Runtime::clock;
        previousRandom_ = Runtime::random;
        Runtime::clock = &clock;
        clock.now = 100000;
        Spiel::SpielerZeit = clock.now;
    }
    void TearDown() override {
        Runtime::clock = previousClock_;
        Runtime::random = previousRandom_;
        FreshProgramTest::TearDown();
    }

    void useDice(RandomSource& dice) { Runtime::random = &dice; }

    // Replaces the working lesson file and drops its cached text.
    void writeLessons(const std::string& text) {
        writeFile(lessonFile(), "' lessons of a test\r\n\r\n" + text);
        IniClass::UpdateIniFile(lessonFile());
    }

    // A lesson of these notes (in either clef) becomes current.
    static void makeCurrent(const std::vector<int>& noten, int maxIntervall = 99,
                            int zweiHand = 0) {
        auto lektion = std::make_shared<Lektion>();
        std::string text;
        for (int note : noten) text += std::to_string(note) + "|";
        lektion->NotenFeldAusString(text, 0);
        lektion->MaxIntervall = maxIntervall;
        lektion->AlsZweiHand = zweiHand;
        Lektion::SetAktLektion(lektion);
        LektionAnpassen();
    }

    static std::vector<int> notesOf(const Lektion& lektion) {
        return {lektion.Chroma.begin(), lektion.Chroma.begin() + lektion.Anzahl};
    }
    static std::vector<int> midiOf(const Lektion& lektion) {
        return {lektion.Midi.begin(), lektion.Midi.begin() + lektion.Anzahl};
    }
    static std::vector<int> pool() {
        return {Lektion::ZufallChroma.begin(),
                Lektion::ZufallChroma.begin() + Lektion::ZufallAnzahl};
    }

    ManualClock clock;

  private:
    Clock* previousClock_ = nullptr;
    RandomSource* previousRandom_ = nullptr;
};
