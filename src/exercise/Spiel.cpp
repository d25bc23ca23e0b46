#include "exercise/Spiel.h"

#include "platform/Ui.h"

int Spiel::SpielMode = 0;
int Spiel::AktGrade = 2;
int Spiel::AktivInstrument = 0;

void Spiel::Reset() {
    SpielMode = 0;
    AktGrade = 2;
    AktivInstrument = 0;
}

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
