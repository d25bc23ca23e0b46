#include "input/TastaturEingabe.h"

#include <iostream>

#include "lessons/Worte.h"
#include "platform/Events.h"
#include "state/AntwortEmpfaenger.h"
#include "state/ExerciseState.h"

int TastaturEingabe::MitKreuz = 0;
int TastaturEingabe::MitBee = 0;
std::set<int> TastaturEingabe::Gehalten;

int TastaturEingabe::Buchstabe(int keyCode) {
    switch (keyCode) {
        case 'C':
            return 1;
        case 'D':
            return 4;
        case 'E':
            return 7;
        case 'F':
            return 10;
        case 'G':
            return 13;
        case 'A':
            return 16;
        case 'H':
        case 'B':
            return 19;
        default:
            return -1;
    }
}

void ScanTasten(int keyCode, int down) {
    using T = TastaturEingabe;
    if (down == 1 && !T::Gehalten.insert(keyCode).second) return;  // held: a repeat
    if (keyCode == Key::Down) {
        T::MitBee = down;
        if (down == 1) T::MitKreuz = 0;  // the arrow pressed last wins
        return;
    }
    if (keyCode == Key::Up) {
        T::MitKreuz = down;
        if (down == 1) T::MitBee = 0;
        return;
    }
    if (down == 0) return;
    if (Spiel::SpielMode == Spiel::Woerter) {
        ScanWorte(keyCode);
        return;
    }
    const int natural = T::Buchstabe(keyCode);
    if (natural < 0) return;
    AntwortEmpfaenger::Aktiv().EmpfangeChroma(natural + T::MitKreuz - T::MitBee,
                                              AntwortEmpfaenger::Tastatur);
}

void LoslassenTaste(int keyCode) {
    TastaturEingabe::Gehalten.erase(keyCode);
    if (keyCode == Key::Down) TastaturEingabe::MitBee = 0;
    if (keyCode == Key::Up) TastaturEingabe::MitKreuz = 0;
}
