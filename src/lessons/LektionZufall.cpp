// The random pool of the current lesson: the lesson's notes three times, more lots for
// the notes the learner misses, and the rules a drawn note must pass.

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "lessons/Lektion.h"
#include "music/ChromaTyp.h"
#include "notation/NotenFenster.h"
#include "platform/Clock.h"
#include "state/ExerciseState.h"

std::array<int, Lektion::kPoolGroesse> Lektion::ZufallChroma{};
int Lektion::ZufallAnzahl = 0;
std::array<int, 3> Lektion::History{};
int Lektion::NichtErlaubtZahler = 0;
int Lektion::VorherigeWarAchtel = 0;
int Lektion::VorherigeWarSystem = 0;
int Lektion::Katastrophe = 0;

namespace {
using L = Lektion;

// Each kind of trouble with the pool is reported once until the pool is built again.
std::set<std::string>& reported() {
    static std::set<std::string> schon;
    return schon;
}
void reportOnce(const std::string& message) {
    if (reported().insert(message).second) std::cout << "lessons: " << message << std::endl;
}

int lessonSize() {
    return L::AktLektion ? L::AktLektion->Anzahl : 0;
}

// The staff of a chroma value: 1 treble up to 99, 2 bass from 100.
int staffOf(int chroma) {
    return chroma <= 99 ? 1 : 2;
}

bool fitsWish(int chroma, int wunsch) {
    if (wunsch == 1) return chroma <= 89;
    if (wunsch == 2) return chroma >= 100;
    return true;
}

// The pool entries a draw may take for a staff wish. A wish the pool cannot serve is
// dropped: the note then comes from the other staff.
std::vector<int> candidatesFor(int wunsch) {
    std::vector<int> kandidaten;
    for (int i = 0; i < L::ZufallAnzahl; ++i)
        if (fitsWish(L::ZufallChroma[i], wunsch)) kandidaten.push_back(L::ZufallChroma[i]);
    if (kandidaten.empty() && L::ZufallAnzahl > 0) {
        reportOnce("the lesson has no note for staff " + std::to_string(wunsch) +
                   "; any staff is taken");
        kandidaten.assign(L::ZufallChroma.begin(), L::ZufallChroma.begin() + L::ZufallAnzahl);
    }
    return kandidaten;
}

// The rules, each without side effects.

bool isLastNote(int v) {
    return L::History[2] != 0 && v == L::History[2];
}

bool leavesEighthPairStaff(int v) {
    return L::VorherigeWarAchtel == 1 && L::VorherigeWarSystem != 0 &&
           staffOf(v) != L::VorherigeWarSystem;
}

// How many of the last notes a note must not repeat.
int repetitionWindow() {
    const Lektion& lektion = *L::AktLektion;
    if (lektion.Anzahl < 6 || lektion.MaxIntervall < 5) return 1;
    if (lektion.Anzahl >= 9 && lektion.MaxIntervall >= 8) return 3;
    return 2;
}

bool repeatsTooEarly(int v) {
    if (!L::AktLektion) return false;
    for (int i = 3 - repetitionWindow(); i < 3; ++i)
        if (L::History[i] != 0 && L::History[i] == v) return true;
    return false;
}

// In practice the allowed step grows by a semitone for every full 10 seconds.
bool stepTooWide(int v) {
    if (Spiel::AktGrade != Spiel::Ueben || L::History[2] == 0 || !L::AktLektion) return false;
    int schritt = std::abs(ChromaTyp::Midi(L::History[2]) - ChromaTyp::Midi(v));
    int64_t vergangen = std::max<int64_t>(0, Runtime::millisecs() - Spiel::SpielerZeit);
    int64_t erlaubt = L::AktLektion->MaxIntervall + vergangen / 10000;
    return schritt > erlaubt;
}

// The left hand stays below the right and sounds a third or a sixth with it.
bool clashesWithOtherHand(int v, int andere) {
    if (andere <= 0) return false;
    int midi = ChromaTyp::Midi(v);
    if (midi > andere) return true;
    int abstand = std::abs(midi % 12 - andere % 12);
    return abstand != 3 && abstand != 4 && abstand != 8 && abstand != 9;
}

int accept(int v) {
    L::NichtErlaubtZahler = 0;
    L::VorherigeWarSystem = staffOf(v);
    return 1;
}

// How far a note is from what the rules allow: a repetition of the last note weighs
// most, then an eighth pair split across the staffs, then each of the counted rules.
int distanceFromRules(int v, int andere) {
    return (isLastNote(v) ? 100 : 0) + (leavesEighthPairStaff(v) ? 10 : 0) +
           (repeatsTooEarly(v) ? 1 : 0) + (stepTooWide(v) ? 1 : 0) +
           (clashesWithOtherHand(v, andere) ? 1 : 0);
}

// After too many refused draws: one of the entries nearest to the rules, at random.
int nearestAllowed(const std::vector<int>& kandidaten, int andere) {
    int naechste = distanceFromRules(kandidaten.front(), andere);
    for (int v : kandidaten) naechste = std::min(naechste, distanceFromRules(v, andere));
    std::vector<int> beste;
    for (int v : kandidaten)
        if (distanceFromRules(v, andere) == naechste) beste.push_back(v);
    int v = beste[Runtime::rand(0, static_cast<int>(beste.size()) - 1)];
    std::cout << "lessons: no note passed the rules in " << L::kMaxZuege
              << " draws; the nearest one is taken" << std::endl;
    L::Katastrophe = 0;
    accept(v);
    return v;
}

int drawAllowed(const std::vector<int>& kandidaten, int andere) {
    int letzter = static_cast<int>(kandidaten.size()) - 1;
    for (int zug = 0; zug < L::kMaxZuege; ++zug) {
        int v = kandidaten[Runtime::rand(0, letzter)];
        if (L::ZufallErlaubt(v, andere)) return v;
    }
    return nearestAllowed(kandidaten, andere);
}

bool onlyTheLastNote(const std::vector<int>& kandidaten) {
    return std::all_of(kandidaten.begin(), kandidaten.end(), isLastNote);
}

// Nothing but the last note is left to draw (a lesson or a hand with a single note):
// it comes again.
int repeatLastNote() {
    reportOnce("the last note is the only one left to draw; it is repeated");
    L::Katastrophe = 0;
    accept(L::History[2]);
    return L::History[2];
}

void addLot(int chroma) {
    if (L::ZufallAnzahl >= L::kPoolGroesse) {
        reportOnce("the random pool is full; no more lots are added");
        return;
    }
    L::ZufallChroma[L::ZufallAnzahl++] = chroma;
}
}  // namespace

int Lektion::GetZufallnote(int wunsch, int andere) {
    std::vector<int> kandidaten = candidatesFor(wunsch);
    if (kandidaten.empty()) return -1;  // a lesson without notes
    int v = onlyTheLastNote(kandidaten) ? repeatLastNote() : drawAllowed(kandidaten, andere);
    AddHistory(v);
    if (v >= 69 && v <= 89) NotenFenster::HeadLine.clear();  // the headline would cover it
    return v;
}

int Lektion::ZufallErlaubt(int chroma, int andere) {
    if (isLastNote(chroma)) return 0;
    if (leavesEighthPairStaff(chroma)) {
        if (Katastrophe < kMaxAchtelAblehnungen) {
            ++Katastrophe;
            return 0;
        }
        reportOnce("an eighth pair cannot stay in its staff; it changes staff");
    }
    Katastrophe = 0;
    if (NichtErlaubtZahler >= kErlaubtNach) return accept(chroma);
    if (repeatsTooEarly(chroma) || stepTooWide(chroma) || clashesWithOtherHand(chroma, andere)) {
        ++NichtErlaubtZahler;
        return 0;
    }
    return accept(chroma);
}

void Lektion::AddHistory(int chroma) {
    History[0] = History[1];
    History[1] = History[2];
    History[2] = chroma;
}

void Lektion::ResetLektionsZufall() {
    ZufallChroma.fill(0);
    History.fill(0);
    ZufallAnzahl = 0;
    reported().clear();
    for (int kopie = 0; kopie < 3; ++kopie)
        for (int i = 0; i < lessonSize(); ++i) ZufallChroma[ZufallAnzahl++] = AktLektion->Chroma[i];
}

void Lektion::ZufallAnpassen(int gespielt, int chroma, int modus) {
    if (modus == -1) {
        addLot(chroma);
        addLot(chroma);
        // The note the learner took it for, when the lesson writes it near the missed one.
        const Lektion* lektion = AktLektion.get();
        for (int i = 0; lektion && i < lektion->Anzahl && lektion->Midi[i] != 0; ++i) {
            if (lektion->Midi[i] == gespielt && std::abs(lektion->Chroma[i] - chroma) < 20) {
                addLot(lektion->Chroma[i]);
                addLot(lektion->Chroma[i]);
                break;
            }
        }
    } else if (modus == 1) {
        // One extra lot goes, the earliest; the first copy of the lesson always stays.
        int* anfang = ZufallChroma.data() + std::min(lessonSize(), ZufallAnzahl);
        int* ende = ZufallChroma.data() + ZufallAnzahl;
        int* los = std::find(anfang, ende, chroma);
        if (los == ende) return;
        std::copy(los + 1, ende, los);
        ZufallChroma[--ZufallAnzahl] = 0;
    }
}
