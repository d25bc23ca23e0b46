#pragma once
// Key signatures and scale tables of the major keys. A key number is 0 to 11, the
// semitones from C up to the tonic; 6 is not a supported key.

#include <array>

// The key-signature record: [0..6] 1 where the signature alters C D E F G A B,
// [7] its drawn width at scale 1 (20 pixels per accidental), [8] 0 none, 1 sharps,
// 2 flats. Any key without a signature (6 and every value outside 0 to 11) gives zeros.
std::array<int, 9> VorzeichenFeld(int key);

// Scale tables of the key last loaded, indexed by pitch class (0 C, 1 C# ... 11 B).
extern std::array<int, 12> HatVorzeichen;      // 1: the natural note is altered by the key
extern std::array<int, 12> IstAktivBeiTonart;  // 1: the pitch class is in the major scale

// Loads the rows `key` of "HatVorzeichen" and "TonartAktiv" from "Listen.ini".
void HatVorzeichenSetzen(int key);

void SetzeStartwerteTonart();
