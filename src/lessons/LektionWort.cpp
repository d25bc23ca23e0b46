// The word being asked: its values for the note feed, and the check of the answer.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "lessons/Lektion.h"
#include "lessons/Worte.h"
#include "platform/Clock.h"

std::string Lektion::AktWort;
int Lektion::WordDone = 0;

namespace {
constexpr int kWortFertig = 99;
constexpr int kBuchstabenPause = 95;  // a letter that is no note name stands as a rest

std::vector<int> werteVon(const std::string& aktWort) {
    std::vector<int> werte;
    size_t start = 0;
    while (start <= aktWort.size() && !aktWort.empty()) {
        size_t bar = aktWort.find('|', start);
        if (bar == std::string::npos) bar = aktWort.size();
        werte.push_back(std::stoi(aktWort.substr(start, bar - start)));
        start = bar + 1;
    }
    return werte;
}

// Chooses a word and the value of every part: the octave of a name is drawn anew for
// each part, all of them now.
void WaehleWort() {
    Lektion::WordDone = 1;
    Lektion::AktWort.clear();
    for (const std::string& teil : Worte::ZufallWort()) {
        const bool name = !teil.empty() && teil[0] >= '0' && teil[0] <= '9';
        const int wert = name && Lektion::AktLektion
                             ? Lektion::AktLektion->ChromaAusModulo(std::stoi(teil))
                             : kBuchstabenPause;
        Lektion::AktWort += std::to_string(wert) + "|";
    }
    if (!Lektion::AktWort.empty()) Lektion::AktWort.pop_back();
}
}  // namespace

int Lektion::GetWortNote() {
    if (WordDone == kWortFertig) return -1;
    if (WordDone == 0) {
        // No word to ask: the word stays unchosen and the feed gets nothing, frame after frame.
        if (Worte::LektionsListe.empty()) return -1;
        WaehleWort();
        return -1;  // the call that chooses the word hands out no note
    }
    const std::vector<int> werte = werteVon(AktWort);
    if (WordDone > static_cast<int>(werte.size())) {
        WordDone = kWortFertig;
        return -1;
    }
    const int wert = werte[static_cast<size_t>(WordDone - 1)];
    ++WordDone;
    return wert;
}

void Lektion::Pruefewort(const std::string& antwort) {
    if (WordDone != 0 && Worte::AktFrageWort && antwort == Worte::AktFrageWort->EchtWort) {
        Worte::FalschZeit = 0;
        if (Worte::NaechstesWort) {
            Worte::NaechstesWort();
        } else {
            WordDone = 0;
            AktWort.clear();
            LosungWort.clear();
        }
        return;
    }
    if (!antwort.empty()) Worte::FalschZeit = std::max<int64_t>(1, Runtime::millisecs());
}
