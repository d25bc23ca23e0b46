#include "exercise/Spiel.h"

#include "platform/Ui.h"

int Spiel::SpielMode = 0;
int Spiel::AktGrade = 2;
int Spiel::AktivInstrument = 0;
int Spiel::AktMusikInstrument = 1;
int Spiel::SpielerRichtig = 0;
int Spiel::SpielerFalsch = 0;
int64_t Spiel::SpielerZeit = 0;
int64_t Spiel::SpielerIstAnwesend = 0;
int64_t Spiel::CountdownZeit = 0;
int Spiel::Punkte = 0;
std::array<std::string, 3> Spiel::DigitalText;

void Spiel::Reset() {
    SpielMode = 0;
    AktGrade = 2;
    AktivInstrument = 0;
    AktMusikInstrument = 1;
    SpielerRichtig = SpielerFalsch = 0;
    SpielerZeit = SpielerIstAnwesend = CountdownZeit = 0;
    Punkte = 0;
    DigitalText = {};
}

// The exercise window and its counters arrive with the exercise engine; until then
// there is nothing to set up.
void SpielReset() {}

void TimerTickt() {
    Malen();
}

void Malen() {
    Canvas* canvas = Ui::mainCanvas();
    if (!canvas) return;
    canvas->setAlpha(1.0f);
    canvas->setColour(255, 255, 255);
    canvas->setScale(1.0f, 1.0f);
    canvas->clear({44, 55, 88});
    canvas->show();
}

// The staff window arrives with the exercise window; until then there is nothing to keep.
void KlemmeSpielFenster(int, int) {}
