#include "music/ChromaTyp.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "i18n/Sprache.h"
#include "music/Listen.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"

using ListenIni::readTable;
using ListenIni::splitBars;

std::array<ChromaTyp, 25> ChromaTyp::Chroma;
int OktavName = 0;

namespace {
constexpr int kSpellings = 21;
constexpr int kTableRows = 24;  // "NotenScroll" rows 0 to 23; rows 21 to 23 are filler

// The value within its clef (bass values lose their 100), or -1 when not a pitch.
int withinClef(int chroma) {
    if (chroma >= 0 && chroma <= 90) return chroma;
    if (chroma >= 101 && chroma <= 190) return chroma - 100;
    return -1;
}

bool isBass(int chroma) {
    return chroma > 100;
}

// Lower case for the names: ASCII and the Latin-1 capitals (UTF-8 "\xC3\x80" to
// "\xC3\x9E" but not the multiplication sign), which covers the names a Western
// European user types.
std::string lowerName(const std::string& name) {
    std::string lower = name;
    for (size_t i = 0; i < lower.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(lower[i]);
        if (byte >= 'A' && byte <= 'Z') {
            lower[i] = static_cast<char>(byte + ('a' - 'A'));
        } else if (byte == 0xC3 && i + 1 < lower.size()) {
            unsigned char next = static_cast<unsigned char>(lower[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                lower[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
    return lower;
}

// The octave mark of the styles: o is the octave number (treble block + 2, bass block).
std::string withOctaveMark(const std::string& name, int o, int style) {
    if (name.empty()) return "";  // a spelling without a name shows no lone octave mark
    switch (style) {
        case 0:
            if (o == 0) return name + "'";
            if (o == 1) return name;
            return lowerName(name) + std::string(o - 2, '\'');
        case 1:
            if (o == 0) return name + "1";
            if (o == 1) return name;
            if (o == 2) return lowerName(name);
            return lowerName(name) + std::to_string(o - 2);
        case 2:
            return name + std::to_string(o + 1);
        default:
            return name;
    }
}

// The names of the chosen set: "Typ0" to "Typ2" of the table, 3 and above the user's own
// list "Notennamen_X<n>" of the settings file.
std::vector<std::string> chosenNames(int set) {
    if (set < 3) return splitBars(readTable("NotenNamen", "Typ" + std::to_string(set)));
    return splitBars(IniClass::Lesen("", "Allgemein", "Notennamen_X" + std::to_string(set)));
}
}  // namespace

void ChromaTyp::SetzeStartwerte() {
    Chroma.fill(ChromaTyp{});
    OktavName = 0;
}

ChromaTyp ChromaTyp::NewOne(int y, int vorZeichen, int midi, const std::string& name) {
    ChromaTyp entry;
    entry._Y = y;
    entry._VorZeichen = vorZeichen;
    entry._Midi = midi;
    entry._Name = name;
    return entry;
}

void ChromaTyp::StartUp() {
    for (int row = 0; row < kTableRows; ++row) {
        std::vector<std::string> fields = splitBars(readTable("NotenScroll", std::to_string(row)));
        if (fields.size() < 3)
            std::cout << "music: NotenScroll row " << row << " has " << fields.size()
                      << " of 3 numbers; the missing ones read as 0" << std::endl;
        fields.resize(std::max<size_t>(fields.size(), 3));
        Chroma[row] =
            NewOne(LenientInt(fields[0]), LenientInt(fields[1]), LenientInt(fields[2]), "");
    }
    SwitchNotenNamen();
}

void ChromaTyp::SwitchNotenNamen() {
    int set = IniClass::Value("", "Allgemein", "NotenNamen");
    std::vector<std::string> names = chosenNames(set);
    // A short list (a hand-edited one, or a set that does not exist) keeps the names it
    // has, in order; the rest come from the first shipped set so that no button is blank.
    if (names.size() < kSpellings) {
        std::cout << "music: note-name set " << set << " has " << names.size() << " of "
                  << kSpellings << " names; the rest come from set 0" << std::endl;
        std::vector<std::string> fallback = chosenNames(0);
        for (size_t i = names.size(); i < kSpellings; ++i)
            names.push_back(i < fallback.size() ? fallback[i] : "");
    }
    for (int s = 0; s < kSpellings; ++s) Chroma[s]._Name = names[s];
}

bool ChromaTyp::isPitch(int chroma) {
    return withinClef(chroma) >= 0;
}

int ChromaTyp::spelling(int chroma) {
    int c = withinClef(chroma);
    return c < 0 ? -1 : c % kSpellings;
}

int ChromaTyp::Midi(int chroma) {
    int c = withinClef(chroma);
    if (c < 0) return 0;
    int base = isBass(chroma) ? 24 : 48;
    return base + 12 * (c / kSpellings) + Chroma[c % kSpellings]._Midi;
}

int ChromaTyp::Y(int chroma) {
    int c = withinClef(chroma);
    if (c < 0) return 30;
    // The bass clef sits two steps lower, so that both clefs have their lines at 9 to 17.
    int shift = isBass(chroma) ? -2 : 0;
    return Chroma[c % kSpellings]._Y + 7 * (c / kSpellings) + shift;
}

int ChromaTyp::Vorzeichen(int chroma) {
    int c = withinClef(chroma);
    return c < 0 ? 0 : Chroma[c % kSpellings]._VorZeichen;
}

std::string ChromaTyp::Name(int chroma) {
    int c = withinClef(chroma);
    if (c < 0) return "";
    int block = c / kSpellings;
    int octave = isBass(chroma) ? block : block + 2;
    return withOctaveMark(Chroma[c % kSpellings]._Name, octave, OktavName);
}

std::string ChromaTyp::NameDerTonArt(int key) {
    // The tonics as bass spellings of block 1, which styles 0 and 1 name without a mark.
    static constexpr std::array<int, 12> kTonic = {122, 124, 125, 127, 128, 131,
                                                   132, 134, 136, 137, 139, 140};
    int r = key - 12 * (key / 12);  // truncates toward zero: negative keys stay negative
    int tonic = (r >= 0 && r <= 11) ? kTonic[r] : 0;
    return Name(tonic) + "-" + Lokalisiere("{{Major}}");
}
