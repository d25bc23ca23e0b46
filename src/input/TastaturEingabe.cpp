#include "input/TastaturEingabe.h"

#include "exercise/Spiel.h"
#include "exercise/SpielFenster.h"
#include "lessons/Worte.h"
#include "platform/Events.h"

int TastaturEingabe::MitKreuz = 0;
int TastaturEingabe::MitBee = 0;

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
    if (Spiel::SpielMode == 4) {
        ScanWorte(keyCode);
        return;
    }
    const int natural = T::Buchstabe(keyCode);
    if (natural < 0) return;
    SpielFenster::EmpfangeChroma(natural + T::MitKreuz - T::MitBee, 3);
}
