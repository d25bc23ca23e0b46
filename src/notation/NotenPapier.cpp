#include "notation/NotenPapier.h"

#include "data/Daten.h"
#include "notation/KreuzBlende.h"

std::string NotenPapier::PapierText;
int NotenPapier::PapierX = 0;
int NotenPapier::PapierY = 0;
int64_t NotenPapier::PapierTimer = 0;
std::string NotenPapier::AltText;
std::string NotenPapier::AktText;

void NotenPapier::SetzeStartwerte() {
    PapierText = "Lesmora Version  V 0.49 Beta-Test-Version 03/2021| zu ca. 45% fertiggestellt.";
    PapierX = PapierY = 0;
    PapierTimer = 0;
    AltText.clear();
    AktText.clear();
}

void TextPaperGame(Canvas& canvas) {
    canvas.setFont(ArialNormal.get());
    NotenPapier::PapierX = canvas.width() - 500;
    NotenPapier::PapierY = canvas.height() - 220;
    canvas.setBlend(Blend::Alpha);
    canvas.setAlpha(1.0f);
    canvas.setColour(255, 235, 215);
    canvas.rect(static_cast<float>(NotenPapier::PapierX), static_cast<float>(NotenPapier::PapierY),
                466, 198);
    canvas.setColour(55, 55, 55);
    // Unlike a text block, an empty paper text keeps the old one.
    KreuzBlende(canvas, NotenPapier::AltText, NotenPapier::AktText, NotenPapier::PapierTimer,
                NotenPapier::PapierText, static_cast<float>(NotenPapier::PapierX + 30),
                static_cast<float>(NotenPapier::PapierY + 30), 400);
}
