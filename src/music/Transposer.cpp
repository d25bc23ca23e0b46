#include "music/Transposer.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "music/ChromaTyp.h"
#include "music/Listen.h"
#include "settings/ApiClass.h"

using ListenIni::readTable;
using ListenIni::splitBars;

std::array<std::unique_ptr<Transposer>, 12> Transposer::Tonart;
int Transposer::Transpose = 0;

namespace {
constexpr int kSpellings = 21;

// The smallest number not below `from` whose spelling index is `spelling`.
int firstAtOrAbove(int from, int spelling) {
    int offset = ((spelling - from) % kSpellings + kSpellings) % kSpellings;
    return from + offset;
}
}  // namespace

bool Transposer::isEmpty() const {
    return std::all_of(werte.begin(), werte.end(), [](int w) { return w == 0; });
}

void Transposer::SetzeStartwerte() {
    for (auto& table : Tonart) table.reset();
    Transpose = 0;
}

void Transposer::LoadDefinitions() {
    for (int amount = 1; amount <= 11; ++amount) {
        Tonart[amount] = std::make_unique<Transposer>();
        std::string row = readTable("Transposer", "Einfach" + std::to_string(amount));
        if (row.empty()) {
            // Amount 6 has no row (it is no key); its table stays at zeros and is never used.
            if (amount != 6)
                std::cout << "music: transposition row Einfach" << amount << " is missing"
                          << std::endl;
            continue;
        }
        std::vector<std::string> fields = splitBars(row);
        if (fields.size() < kSpellings)
            std::cout << "music: transposition row Einfach" << amount << " has " << fields.size()
                      << " of " << kSpellings << " values" << std::endl;
        size_t count = std::min<size_t>(fields.size(), kSpellings);
        for (size_t i = 0; i < count; ++i) {
            // The rows hold chroma values; only their spelling index counts. A negative
            // number in a broken row would give a negative index, so it is folded back.
            int value = LenientInt(fields[i]) % kSpellings;
            Tonart[amount]->werte[i] = value < 0 ? value + kSpellings : value;
        }
    }
}

int Transposer::Umrechnen(int chroma, int amount) {
    if (amount == 0) return chroma;
    // A hand-edited lesson may ask for an amount that has no table (6 is no key), and a
    // lesson may hold a value that is no pitch: such notes stay as they are.
    bool hasTable = amount >= 1 && amount <= 11 && Tonart[amount] && !Tonart[amount]->isEmpty();
    if (!hasTable || !ChromaTyp::isPitch(chroma)) {
        std::cout << "music: chroma " << chroma << " is not moved by " << amount << std::endl;
        return chroma;
    }
    bool bass = chroma > 100;
    int c = bass ? chroma - 100 : chroma;
    int target = Tonart[amount]->werte[c % kSpellings];
    int r;
    if (amount <= 8) {
        r = firstAtOrAbove(c, target);  // up by 1 to 8 semitones
    } else {
        // Down by 3, 2 or 1 semitones; block 0 is the floor, where the note goes up instead.
        r = firstAtOrAbove(std::max(c - kSpellings, target), target);
    }
    // At the top of block 4 the target can lie beyond the clef's last value, where it
    // would read as a rest or, for the treble, as a low bass note: it takes the same
    // spelling an octave lower instead.
    if (r > 90) {
        std::cout << "music: chroma " << chroma << " moved by " << amount
                  << " leaves the clef; it goes an octave lower" << std::endl;
        r -= kSpellings;
    }
    return bass ? r + 100 : r;
}
