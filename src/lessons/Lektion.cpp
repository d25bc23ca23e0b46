#include "lessons/Lektion.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <iterator>

#include "music/ChromaTyp.h"
#include "music/Transposer.h"
#include "notation/Note.h"
#include "notation/NotenFenster.h"
#include "platform/Clock.h"
#include "settings/ApiClass.h"

std::shared_ptr<Lektion> Lektion::AktLektion;
int Lektion::AktLektionNr = 0;
std::list<std::shared_ptr<Lektion>> Lektion::Liste;
int TaktSumme = 0;

namespace {
constexpr int kSpellings = 21;
constexpr int kMaxKandidaten = 6;  // spellings of one pitch or letter that are considered

// The German letter names by spelling index, for the word exercise.
const char* const kBuchstaben[kSpellings] = {"ces", "c",   "cis", "des", "d",   "dis", "es",
                                             "e",   "eis", "fes", "f",   "fis", "ges", "g",
                                             "gis", "as",  "a",   "ais", "b",   "h",   "his"};

int positiveModulo(int value, int divisor) {
    return (value % divisor + divisor) % divisor;
}

// The spelling index of a lesson note; a value of 100 or more loses its 100 first.
int spellingOf(int chroma) {
    return positiveModulo(chroma >= 100 ? chroma - 100 : chroma, kSpellings);
}

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isspace(c) != 0; });
}

// The elements of a "Noten" text that are pitches; empty elements are skipped, and one
// that is no chroma value of a pitch (not a number, 0, a rest, out of range) is left
// out and said, so that the exercise never asks what cannot be drawn or answered.
std::vector<int> readElements(const std::string& noten) {
    std::vector<int> werte;
    size_t start = 0;
    while (start <= noten.size()) {
        size_t bar = noten.find('|', start);
        if (bar == std::string::npos) bar = noten.size();
        std::string element = noten.substr(start, bar - start);
        start = bar + 1;
        if (isBlank(element)) continue;
        int wert = LenientInt(element);
        if (wert == 0 || !ChromaTyp::isPitch(wert)) {
            std::cout << "lessons: note '" << element << "' is no pitch; it is left out"
                      << std::endl;
            continue;
        }
        werte.push_back(wert);
    }
    return werte;
}

int inOtherClef(int v) {
    if (v < 100) return v + 100;
    if (v > 100) return v - 100;
    return v;  // 100 belongs to neither clef and stays
}

// Moves the notes into the staff set the learner chose: 1 all treble, 2 all bass, 3 each
// note in both clefs (the given notes first, then their copies), 0 as written.
std::vector<int> withStaffChoice(std::vector<int> werte, int wahl) {
    switch (wahl) {
        case 1:
            for (int& v : werte)
                if (v > 100) v -= 100;
            break;
        case 2:
            for (int& v : werte)
                if (v < 100) v += 100;
            break;
        case 3: {
            size_t gegeben = werte.size();
            for (size_t i = 0; i < gegeben; ++i) werte.push_back(inOtherClef(werte[i]));
            break;
        }
        default:
            break;
    }
    return werte;
}

struct ClefRange {
    int tiefste = 999;
    int hoechste = 0;
    void take(int v) {
        tiefste = std::min(tiefste, v);
        hoechste = std::max(hoechste, v);
    }
};

struct Ranges {
    ClefRange violin;  // values up to 100
    ClefRange bass;    // values above 100
    const ClefRange& of(int v) const { return v <= 100 ? violin : bass; }
};

Ranges rangesOf(const std::vector<int>& werte) {
    Ranges ranges;
    for (int v : werte) (v <= 100 ? ranges.violin : ranges.bass).take(v);
    return ranges;
}

// A transposed note that left the range its clef had goes back by whole octave blocks:
// from above to the first block above the lowest note, from below to the first block
// below the highest note.
int keptInRange(int t, const Ranges& ranges) {
    const ClefRange& range = ranges.of(t);
    if (range.tiefste > range.hoechste) return t;
    if (t > range.hoechste) {
        t = positiveModulo(t, kSpellings) + kSpellings;
        if (t <= range.tiefste) t += ((range.tiefste - t) / kSpellings + 1) * kSpellings;
    } else if (t < range.tiefste) {
        t += 105 - kSpellings;
        if (t >= range.hoechste) t -= ((t - range.hoechste) / kSpellings + 1) * kSpellings;
    }
    return t;
}

// One of the candidates at random; a candidate 0 is taken only when there is no other.
int drawOne(std::vector<int> kandidaten, const char* what, int wert) {
    std::vector<int> ohneNull;
    std::copy_if(kandidaten.begin(), kandidaten.end(), std::back_inserter(ohneNull),
                 [](int c) { return c != 0; });
    if (!ohneNull.empty()) kandidaten = ohneNull;
    if (kandidaten.empty()) {
        std::cout << "lessons: the lesson has no note for " << what << " " << wert << std::endl;
        return -1;
    }
    return kandidaten[Runtime::rand(0, static_cast<int>(kandidaten.size()) - 1)];
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}
}  // namespace

void Lektion::NotenFeldAusString(const std::string& noten, int wahl) {
    Anzahl = 0;
    Chroma.fill(0);
    Midi.fill(0);
    std::vector<int> werte = withStaffChoice(readElements(noten), wahl);
    if (werte.size() > static_cast<size_t>(kMaxNoten)) {
        std::cout << "lessons: lesson '" << Name << "' has " << werte.size() << " notes; the first "
                  << kMaxNoten << " are kept" << std::endl;
        werte.resize(kMaxNoten);
    }
    Ranges ranges = rangesOf(werte);
    for (int v : werte) {
        int t = keptInRange(Transposer::Umrechnen(v, Transpose), ranges);
        if (t == 0 || !ChromaTyp::isPitch(t)) {
            std::cout << "lessons: note " << v << " moved by " << Transpose << " is " << t
                      << ", no pitch; it is left out" << std::endl;
            continue;
        }
        Chroma[Anzahl] = t;
        Midi[Anzahl] = ChromaTyp::Midi(t);
        ++Anzahl;
    }
    Chroma[Anzahl] = 0;
}

int Lektion::IstInLektion(int midi, int chroma, int modulo) const {
    for (int i = 0; i < Anzahl; ++i) {
        if (midi != 0) {
            if (Midi[i] == midi) return 1;
        } else if (Chroma[i] == chroma || (modulo == 1 && spellingOf(Chroma[i]) == chroma)) {
            return 1;
        }
    }
    return 0;
}

int Lektion::ChromaAusLektion(int midi) const {
    std::vector<int> kandidaten;
    for (int i = 0; i < Anzahl && kandidaten.size() < kMaxKandidaten; ++i)
        if (Midi[i] == midi) kandidaten.push_back(Chroma[i]);
    return drawOne(kandidaten, "MIDI note", midi);
}

int Lektion::ChromaAusModulo(int x) const {
    int r = positiveModulo(x, kSpellings);
    std::vector<int> kandidaten;
    for (int i = 0; i < Anzahl && kandidaten.size() < kMaxKandidaten; ++i)
        if (spellingOf(Chroma[i]) == r) kandidaten.push_back(Chroma[i]);
    return drawOne(kandidaten, "spelling", r);
}

void Lektion::FindExtrema() {
    MinimumMidi = 999;
    MaximumMidi = 0;
    for (int i = 0; i < Anzahl; ++i) {
        if (Midi[i] == 0) continue;  // no pitch: it has no place on a keyboard
        MinimumMidi = std::min(MinimumMidi, Midi[i]);
        MaximumMidi = std::max(MaximumMidi, Midi[i]);
    }
}

int Lektion::EnthaeltVorZeichen() const {
    for (int i = 0; i < Anzahl; ++i) {
        int s = ChromaTyp::spelling(Chroma[i]);
        if (s >= 0 && s % 3 != 1) return 1;
    }
    return 0;
}

std::string Lektion::AlleBuchstaben() const {
    std::string buchstaben;
    for (int i = 0; i < Anzahl; ++i) {
        int s = ChromaTyp::spelling(Chroma[i]);
        if (s < 0) continue;
        std::string name = upper(kBuchstaben[s]);
        if (buchstaben.find(name) == std::string::npos) buchstaben += name + "|";
    }
    if (!buchstaben.empty()) buchstaben.pop_back();
    return buchstaben;
}

void Lektion::SendeAlle(NotenFenster* haupt) const {
    if (!haupt) std::cout << "lessons: no main staff to show the lesson's notes" << std::endl;
    for (int i = 0; haupt && i < Anzahl; ++i) {
        NotenFenster::VorTaktpos = 2;
        TaktSumme = 2;
        haupt->AddChromaNote(Chroma[i], 2, 1, 1);
    }
    NotenFenster::VorTaktpos = 2;
    TaktSumme = 0;
    AktWort.clear();
    WordDone = 0;
}

void Lektion::SetAktLektion(std::shared_ptr<Lektion> lektion) {
    AktLektion = lektion ? std::move(lektion) : std::make_shared<Lektion>();
    AktLektion->FindExtrema();
    ResetLektionsZufall();
    Note::ZweiHandLektion = [] { return AktLektion && AktLektion->AlsZweiHand == 1; };
}

void Lektion::SetzeStartwerte() {
    AktLektion.reset();
    AktLektionNr = 0;
    Liste.clear();
    ZufallChroma.fill(0);
    ZufallAnzahl = 0;
    History.fill(0);
    NichtErlaubtZahler = 0;
    VorherigeWarAchtel = 0;
    VorherigeWarSystem = 0;
    Katastrophe = 0;
    TaktSumme = 0;
    AktWort.clear();
    WordDone = 0;
}
