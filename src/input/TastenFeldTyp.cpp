#include "input/TastenFeldTyp.h"

#include "exercise/Spiel.h"
#include "lessons/Lektion.h"
#include "music/ChromaTyp.h"

float TastenFeldTyp::Scale = 1.0f;
int TastenFeldTyp::Pressed = -1;
bool TastenFeldTyp::HatButtons = false;
std::array<ButtonTyp, 21> TastenFeldTyp::Button;
std::array<int, 21> TastenFeldTyp::IstIn{};
std::array<int, 21> TastenFeldTyp::IstFalsch{};
int TastenFeldTyp::WieOftFalsch = 0;
int TastenFeldTyp::ShowAsRichtig = -1;
int TastenFeldTyp::Oktave = 0;
std::array<int, 8> TastenFeldTyp::Okt{};

void TastenFeldTyp::StartUp() {
    Scale = 0.7f;
    for (int i = 0; i < 21; ++i) {
        Button[i] = ButtonTyp{};
        Button[i].Chroma = i;
        Button[i].Midi = 48 + ChromaTyp::Chroma[i]._Midi;
    }
    HatButtons = true;
}

void TastenFeldTyp::GueltigeOktaveFinden() {
    const auto& lektion = Lektion::AktLektion;
    if (Spiel::AktGrade == 1) {
        // Advance to an octave that holds notes; after one full cycle without one (no
        // octave fits the lesson) the field stays on octave 4 with every button greyed.
        int tries = 0;
        while (Okt[Oktave] == 0 && tries < 8) Oktave = (Oktave + 1) % 8, ++tries;
        if (tries == 8) Oktave = 4;
        for (int i = 0; i < 21; ++i) {
            int chroma = Oktave < 4 ? 21 * Oktave + 100 + i : 21 * Oktave - 84 + i;
            IstIn[i] = lektion && tries < 8 && lektion->IstInLektion(0, chroma, 0) ? 1 : 0;
        }
        return;
    }
    for (int i = 0; i < 21; ++i) IstIn[i] = lektion && lektion->IstInLektion(0, i, 1) ? 1 : 0;
    Oktave = 1;
}

// The octave choice arrives with the note-name entry; until then every octave counts.
void TastenFeldTyp::PassendeOktavenFinden(int, int, int) {}

// The field's picture, drawing and mouse arrive with the note-name entry.
void TastenFeldTyp::Check() {}
void TastenFeldTyp::Show(Canvas&) {}

void TastenFeldTyp::Reset() {
    Scale = 1.0f;
    Pressed = -1;
    HatButtons = false;
    Button = {};
    IstIn = {};
    IstFalsch = {};
    WieOftFalsch = 0;
    ShowAsRichtig = -1;
    Oktave = 0;
    Okt = {};
}
