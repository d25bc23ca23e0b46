#include "input/TastaturEingabe.h"

#include "platform/Events.h"

int TastaturEingabe::MitKreuz = 0;
int TastaturEingabe::MitBee = 0;

void ScanTasten(int keyCode, int) {
    if (keyCode == Key::Up) TastaturEingabe::MitKreuz = 1;
    if (keyCode == Key::Down) TastaturEingabe::MitBee = 1;
}
