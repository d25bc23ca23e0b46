#pragma once
// Note letters typed on the computer keyboard (up arrow held for a sharp, down arrow
// for a flat).

struct TastaturEingabe {
    static int MitKreuz;  // 1 while the up arrow is held
    static int MitBee;    // 1 while the down arrow is held

    static void Reset() { MitKreuz = MitBee = 0; }
};

// Takes a key-down event. The note-letter answers arrive with the note-name entry; until
// then only the modifiers are kept.
void ScanTasten(int keyCode, int mode);
