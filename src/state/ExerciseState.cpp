#include "state/ExerciseState.h"

int Spiel::SpielMode = Spiel::KeinSpiel;
int Spiel::AktGrade = Spiel::Ueben;
int Spiel::AktivInstrument = Spiel::KeinInstrument;
int Spiel::AktMusikInstrument = Spiel::Klavier;
int Spiel::SpielerRichtig = 0;
int Spiel::SpielerFalsch = 0;
int64_t Spiel::SpielerZeit = 0;
int64_t Spiel::SpielerIstAnwesend = 0;
int64_t Spiel::CountdownZeit = 0;
int Spiel::Punkte = 0;
std::array<std::string, 3> Spiel::DigitalText;
int64_t Spiel::NaechsteMidiAbfrage = 0;
void (*Spiel::PruefungBeendet)() = nullptr;
void (*Spiel::DialogZeichnen)() = nullptr;
void (*ZweiHandMenu)(int) = [](int) {};

void Spiel::SetzeStartwerte() {
    SpielMode = KeinSpiel;
    AktGrade = Ueben;
    AktivInstrument = KeinInstrument;
    AktMusikInstrument = Klavier;
    SpielerRichtig = SpielerFalsch = 0;
    SpielerZeit = SpielerIstAnwesend = CountdownZeit = 0;
    Punkte = 0;
    DigitalText = {};
    NaechsteMidiAbfrage = 0;
    PruefungBeendet = nullptr;
    DialogZeichnen = nullptr;
}
