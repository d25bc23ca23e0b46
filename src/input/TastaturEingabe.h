#pragma once
// Note letters typed on the computer keyboard: C D E F G A and H (or B) for B natural, with
// the up arrow held for a sharp and the down arrow held for a flat. Each letter goes to
// the answer evaluation as a spelled pitch; in the word exercise the keys spell words.

#include <set>

struct TastaturEingabe {
    static int MitKreuz;  // 1 while the up arrow is held: letters give the sharp
    static int MitBee;    // 1 while the down arrow is held: letters give the flat
    // The keys down since their key-down: a second key-down before the key-up is the
    // platform's key repeat, and a held key answers once.
    static std::set<int> Gehalten;

    // The spelling index of a letter key's natural note (C 1, D 4, E 7, F 10, G 13, A 16,
    // H and B 19); -1 for every other key.
    static int Buchstabe(int keyCode);

    static void SetzeStartwerte() {
        MitKreuz = MitBee = 0;
        Gehalten.clear();
    }
};

// Takes a key event: (key code, 1) for every key-down event. The arrows set or clear
// their modifier; a note letter answers with its spelling (source 3, the computer
// keyboard); in the word exercise every key goes to the word entry instead.
void ScanTasten(int keyCode, int down);
// Takes a key-up: the arrows clear their modifier, and the key may answer again.
void LoslassenTaste(int keyCode);
