#include "music/Tonart.h"

#include <iostream>
#include <string>
#include <vector>

#include "music/Listen.h"
#include "settings/ApiClass.h"

using ListenIni::readTable;
using ListenIni::splitBars;

std::array<int, 12> HatVorzeichen{};
std::array<int, 12> IstAktivBeiTonart{};

std::array<int, 9> VorzeichenFeld(int key) {
    //                                     C  D  E  F  G  A  B  width kind
    static constexpr std::array<std::array<int, 9>, 12> kRecords = {{
        {0, 0, 0, 0, 0, 0, 0, 0, 0},    // 0 C
        {0, 1, 1, 0, 1, 1, 1, 100, 2},  // 1 Db
        {1, 0, 0, 1, 0, 0, 0, 40, 1},   // 2 D
        {0, 0, 1, 0, 0, 1, 1, 60, 2},   // 3 Eb
        {1, 1, 0, 1, 1, 0, 0, 80, 1},   // 4 E
        {0, 0, 0, 0, 0, 0, 1, 20, 2},   // 5 F
        {0, 0, 0, 0, 0, 0, 0, 0, 0},    // 6 is no key
        {0, 0, 0, 1, 0, 0, 0, 20, 1},   // 7 G
        {0, 1, 1, 0, 0, 1, 1, 80, 2},   // 8 Ab
        {1, 0, 0, 1, 1, 0, 0, 60, 1},   // 9 A
        {0, 0, 1, 0, 0, 0, 1, 40, 2},   // 10 Bb
        {1, 1, 0, 1, 1, 1, 0, 100, 1},  // 11 B
    }};
    if (key < 0 || key > 11) return {};
    return kRecords[key];
}

namespace {
// Row `key` of a scale section as 12 flags; a missing or short row leaves zeros.
void loadFlags(const std::string& section, int key, std::array<int, 12>& flags) {
    std::vector<std::string> fields = splitBars(readTable(section, std::to_string(key)));
    if (fields.size() < flags.size())
        std::cout << "music: " << section << " row " << key << " has " << fields.size()
                  << " of 12 flags; the rest read as 0" << std::endl;
    flags.fill(0);
    for (size_t i = 0; i < flags.size() && i < fields.size(); ++i) flags[i] = LenientInt(fields[i]);
}
}  // namespace

void HatVorzeichenSetzen(int key) {
    loadFlags("HatVorzeichen", key, HatVorzeichen);
    loadFlags("TonartAktiv", key, IstAktivBeiTonart);
}

void SetzeStartwerteTonart() {
    HatVorzeichen.fill(0);
    IstAktivBeiTonart.fill(0);
}
