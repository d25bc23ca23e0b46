// Lesson files on any text: a loaded lesson holds only pitches, closed by a 0 within its
// slots; random draws under a fixed seed give only the lesson's notes, and the queries of
// the exercise find what the lesson holds. An input is the lesson file followed by eight
// bytes: the lesson number (1 to 20), the staff choice, the learner's key and the seed.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "lessons/Lektion.h"
#include "lessons/LektionsDatei.h"
#include "music/ChromaTyp.h"
#include "music/Transposer.h"
#include "platform/Clock.h"
#include "settings/IniClass.h"

namespace {
MersenneRandom dice;
constexpr int kDraws = 60;

void checkNotes(const Lektion& lektion) {
    FUZZ_CHECK(lektion.Anzahl >= 0 && lektion.Anzahl <= Lektion::kMaxNoten, "too many notes");
    FUZZ_CHECK(lektion.Chroma[lektion.Anzahl] == 0, "the notes are not closed by a 0");
    for (int i = 0; i < lektion.Anzahl; ++i) {
        FUZZ_CHECK(lektion.Chroma[i] != 0 && ChromaTyp::isPitch(lektion.Chroma[i]),
                   "a lesson note is no pitch");
        FUZZ_CHECK(lektion.Midi[i] == ChromaTyp::Midi(lektion.Chroma[i]) && lektion.Midi[i] > 0,
                   "a note's MIDI number is wrong");
    }
}

void checkQueries(const Lektion& lektion) {
    for (int i = 0; i < lektion.Anzahl; ++i) {
        int c = lektion.Chroma[i];
        FUZZ_CHECK(lektion.IstInLektion(lektion.Midi[i], 0, 0) == 1, "a pitch is not found");
        FUZZ_CHECK(lektion.IstInLektion(0, c, 0) == 1, "a spelling is not found");
        int same = lektion.ChromaAusLektion(lektion.Midi[i]);
        FUZZ_CHECK(ChromaTyp::Midi(same) == lektion.Midi[i], "another pitch drawn");
        int spelling = ChromaTyp::spelling(c);
        FUZZ_CHECK(ChromaTyp::spelling(lektion.ChromaAusModulo(spelling)) == spelling,
                   "another spelling drawn");
    }
    lektion.AlleBuchstaben();
    lektion.EnthaeltVorZeichen();
}

void checkDraws(const Lektion& lektion) {
    for (int draw = 0; draw < kDraws; ++draw) {
        int wunsch = draw % 3;
        int andere = draw % 2 ? 0 : Runtime::rand(0, 127);
        int v = Lektion::GetZufallnote(wunsch, andere);
        if (lektion.Anzahl == 0) {
            FUZZ_CHECK(v == -1, "an empty lesson gave a note");
            continue;
        }
        FUZZ_CHECK(lektion.IstInLektion(0, v, 0) == 1, "a drawn note is not in the lesson");
        Lektion::ZufallAnpassen(lektion.Chroma[draw % lektion.Anzahl], v, Runtime::rand(-1, 1));
    }
}

struct Parameters {
    int nummer = 1, wahl = 0, transpose = 0;
    uint32_t seed = 0;
};

Parameters parametersOf(const uint8_t* tail) {
    Parameters p;
    p.nummer = 1 + tail[0] % 20;
    p.wahl = tail[1] % 4;
    p.transpose = tail[2] % 12;
    p.seed = tail[3] | tail[4] << 8 | tail[5] << 16 | static_cast<uint32_t>(tail[6]) << 24;
    return p;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    quietDiagnostics();
    useArchiveAndScratch();
    ChromaTyp::StartUp();
    Transposer::LoadDefinitions();
    Runtime::random = &dice;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t kTail = 8;
    uint8_t tail[kTail] = {};
    size_t fileSize = size > kTail ? size - kTail : 0;
    for (size_t i = fileSize; i < size; ++i) tail[i - fileSize] = data[i];
    Parameters p = parametersOf(tail);
    writeRaw(lessonFile(), std::string(reinterpret_cast<const char*>(data), fileSize));

    IniClass::SetzeStartwerte();
    Lektion::SetzeStartwerte();
    Transposer::Transpose = p.transpose;
    dice.seed(p.seed);
    auto lektion = readLesson(p.nummer, p.wahl);
    checkNotes(*lektion);
    Lektion::SetAktLektion(lektion);
    checkQueries(*lektion);
    checkDraws(*lektion);
    return 0;
}
