#include "scenes.h"

#include <algorithm>
#include <memory>

#include "exercise/Spiel.h"
#include "notation/DigitalFeld.h"
#include "notation/Note.h"
#include "notation/NotenFenster.h"
#include "notation/NotenPapier.h"
#include "notation/TextTyp.h"
#include "platform/Clock.h"

namespace staffshots {

namespace {

enum Letter { C, D, E, F, G, A, B };
constexpr int FLAT = -1, NATURAL = 0, SHARP = 1;

// Chroma values by letter, accidental and scientific octave (C4 is middle C).
int treble(int letter, int accidental, int octave) {
    return 21 * (octave - 3) + 3 * letter + 1 + accidental;
}
int bass(int letter, int accidental, int octave) {
    return 100 + 21 * (octave - 1) + 3 * letter + 1 + accidental;
}

struct N {
    int chroma, lang;
};
using Bar = std::vector<N>;

// Makes the window the main staff, as the exercise does with its own.
std::shared_ptr<NotenFenster> staffWindow(int x, int y, int width, int spacing, float scale,
                                          int systeme, int tonart) {
    auto staff = NotenFenster::CreateIt(x, y, width, spacing, scale, systeme, tonart);
    NotenFenster* raw = staff.get();
    Note::HauptFenster = [raw] { return raw; };
    staff->HeuteFirstX = 50;
    return staff;
}

// One part, bar after bar, as the note feed adds it.
void writeBars(NotenFenster& staff, const std::vector<Bar>& bars) {
    for (const Bar& bar : bars) {
        int pos = 0;
        for (const N& n : bar) {
            NotenFenster::VorTaktpos = pos;
            staff.AddChromaNote(n.chroma, n.lang, 1, 0);
            pos = (pos + n.lang) % 8;
        }
    }
}

// One bar of a two-hand lesson: both parts placed, then ordered by bar position, with
// the lower note under the upper one where they start together.
void writeTwoHandBar(NotenFenster& staff, const Bar& upper, const Bar& lower) {
    struct Placed {
        std::shared_ptr<Note> note;
        int pos;
    };
    staff.ResetVersetzungen();
    std::vector<Placed> work;
    for (const Bar* part : {&upper, &lower}) {
        int pos = 0;
        for (const N& n : *part) {
            auto note = std::make_shared<Note>();
            note->CreateMe(n.chroma, n.lang, 0, staff.VorzeichenGesetzt, pos);
            work.push_back({note, pos});
            pos += n.lang;
        }
    }
    std::stable_sort(work.begin(), work.end(),
                     [](const Placed& a, const Placed& b) { return a.pos < b.pos; });
    const float spacing = static_cast<float>(staff.NotenBreit);
    float x = static_cast<float>(static_cast<int>(staff.SchreibX) + 30);
    for (size_t i = 0; i < work.size(); ++i) {
        if (i > 0) {
            const int d = work[i].pos - work[i - 1].pos;
            x += d == 0 ? 0 : d == 1 ? 0.7f * spacing : d == 4 ? 1.4f * spacing : spacing;
            x = static_cast<float>(static_cast<int>(x));
        }
        work[i].note->X = x;
    }
    const int last = work.back().pos;
    staff.SchreibX = x + (last == 0                ? 2 * spacing
                          : last == 6 || last == 7 ? spacing
                          : last == 4              ? 1.4f * spacing
                                                   : spacing);
    for (const Placed& placed : work) staff.AddMultiChroma(placed.note);
}

void practice(int spielMode) {
    Spiel::SpielMode = spielMode;
    Spiel::AktGrade = Spiel::Ueben;
    Note::ZweiHandLektion = nullptr;
    Note::Vornote.reset();
    NotenFenster::FrageWort = nullptr;
}

void trebleDMajor(Canvas& canvas) {
    practice(2);
    auto staff = staffWindow(10, 10, 1400, 70, 1.0f, 1, 2);
    NotenFenster::HeadLine = "D-Dur";
    writeBars(*staff, {{{treble(D, NATURAL, 4), 2},
                        {treble(E, NATURAL, 4), 2},
                        {treble(F, SHARP, 4), 2},
                        {treble(G, NATURAL, 4), 2}},
                       {{treble(A, NATURAL, 4), 1},
                        {treble(B, NATURAL, 4), 1},
                        {treble(E, NATURAL, 5), 1},
                        {treble(D, NATURAL, 5), 1},
                        {treble(F, SHARP, 5), 4}},
                       {{treble(F, SHARP, 4), 8}},
                       {{treble(A, NATURAL, 3), 2},
                        {treble(C, NATURAL, 4), 2},
                        {treble(A, NATURAL, 5), 2},
                        {treble(C, NATURAL, 6), 2}},
                       {{treble(C, SHARP, 5), 2},
                        {treble(C, NATURAL, 5), 2},
                        {treble(C, NATURAL, 5), 2},
                        {treble(C, SHARP, 5), 2}}});
    staff->Draw(canvas);
}

void bassEFlatMajor(Canvas& canvas) {
    practice(2);
    auto staff = staffWindow(10, 10, 1400, 70, 1.0f, 2, 3);
    writeBars(*staff, {{{bass(E, FLAT, 3), 2},
                        {bass(F, NATURAL, 3), 2},
                        {bass(G, NATURAL, 3), 2},
                        {bass(A, FLAT, 3), 2}},
                       {{bass(B, FLAT, 2), 1},
                        {bass(C, NATURAL, 3), 1},
                        {bass(F, NATURAL, 3), 1},
                        {bass(E, FLAT, 3), 1},
                        {bass(G, NATURAL, 3), 4}},
                       {{bass(E, FLAT, 2), 8}},
                       {{bass(C, NATURAL, 2), 2},
                        {bass(E, NATURAL, 3), 2},
                        {bass(C, NATURAL, 4), 2},
                        {bass(E, NATURAL, 4), 2}},
                       {{bass(A, NATURAL, 2), 2},
                        {bass(A, FLAT, 2), 2},
                        {bass(D, FLAT, 3), 2},
                        {bass(D, NATURAL, 3), 2}}});
    staff->Draw(canvas);
}

void grandBMajor(Canvas& canvas) {
    practice(2);
    Note::ZweiHandLektion = [] { return true; };
    auto staff = staffWindow(10, 10, 1400, 70, 1.0f, 3, 11);
    writeTwoHandBar(*staff,
                    {{treble(B, NATURAL, 4), 2},
                     {treble(C, SHARP, 5), 2},
                     {treble(D, SHARP, 5), 2},
                     {treble(E, NATURAL, 5), 2}},
                    {{bass(B, NATURAL, 2), 4}, {bass(F, SHARP, 3), 4}});
    writeTwoHandBar(*staff,
                    {{treble(F, SHARP, 5), 1},
                     {treble(E, NATURAL, 5), 1},
                     {treble(D, SHARP, 5), 1},
                     {treble(C, SHARP, 5), 1},
                     {treble(B, NATURAL, 4), 4}},
                    {{bass(B, NATURAL, 2), 1},
                     {bass(D, SHARP, 3), 1},
                     {bass(F, SHARP, 3), 2},
                     {bass(B, NATURAL, 3), 4}});
    writeTwoHandBar(*staff, {{treble(B, NATURAL, 4), 8}}, {{bass(B, NATURAL, 2), 8}});
    writeTwoHandBar(*staff,
                    {{treble(A, NATURAL, 4), 2},
                     {treble(C, SHARP, 6), 2},
                     {treble(G, SHARP, 4), 2},
                     {treble(B, NATURAL, 3), 2}},
                    {{bass(E, NATURAL, 4), 2},
                     {bass(D, SHARP, 2), 2},
                     {bass(F, SHARP, 2), 2},
                     {bass(B, NATURAL, 1), 2}});
    staff->Draw(canvas);
}

// One part over a grand staff: each note shows a faint rest in the other staff.
void grandCMajorRests(Canvas& canvas) {
    practice(2);
    auto staff = staffWindow(10, 10, 1100, 70, 1.0f, 3, 0);
    NotenFenster::HeadLine = "Rests in the other staff";
    writeBars(*staff,
              {{{treble(C, NATURAL, 4), 2}, {bass(G, NATURAL, 3), 2}, {treble(E, NATURAL, 4), 4}},
               {{bass(F, NATURAL, 3), 1},
                {bass(A, NATURAL, 3), 1},
                {treble(C, NATURAL, 5), 1},
                {treble(E, NATURAL, 5), 1},
                {bass(D, NATURAL, 2), 4}},
               {{treble(G, NATURAL, 4), 8}},
               {{95, 2}, {195, 4}, {treble(F, SHARP, 4), 2}}});
    // The first two notes have been answered.
    auto it = staff->Liste.begin();
    for (int i = 0; i < 2 && it != staff->Liste.end(); ++i, ++it) (*it)->Aktiv = 0;
    staff->Draw(canvas);
}

void singleNote(Canvas& canvas) {
    practice(1);
    auto staff = staffWindow(50, 10, 150, 110, 1.5f, 3, 0);
    NotenFenster::HeadLine = "Practice";
    writeBars(*staff, {{{treble(F, SHARP, 4), 2}}});
    for (int frame = 0; frame < 60; ++frame)
        staff->ScrollIt(NotenFenster::VORNE, NotenFenster::SCHNELL);
    staff->Draw(canvas);
}

void learnAndSee(Canvas& canvas) {
    practice(2);
    Spiel::AktGrade = Spiel::Lernen;
    auto staff = staffWindow(10, 10, 950, 70, 1.0f, 1, 7);
    NotenFenster::HeadLine = "Learn and see";
    for (int step = 0; step < 8; ++step) {
        NotenFenster::VorTaktpos = (2 * step) % 8;
        staff->AddChromaNote(treble(static_cast<Letter>((step + 2) % 7), NATURAL, step < 5 ? 4 : 5),
                             2, 1, 0);
    }
    for (int frame = 0; frame < 400; ++frame) staff->ScrollIt(NotenFenster::HINTEN, 0);
    NotenFenster::NameLine = "Du spielst";
    NotenFenster::NameText = "f''";
    NotenFenster::NameUnten = 1;
    staff->Draw(canvas);
}

void wordExercise(Canvas& canvas) {
    practice(4);
    auto staff = staffWindow(10, 10, 700, 90, 1.0f, 1, 0);
    staff->MitGruen = 0;  // as the word exercise has it
    NotenFenster::FrageWort = [] {
        return std::optional<FrageWortBild>(
            FrageWortBild{{"16", "B", "13", "16", "S"}, {"A", "B", "G", "A", "S"}, "AB", false});
    };
    writeBars(*staff, {{{treble(A, NATURAL, 4), 2},
                        {95, 2},
                        {treble(G, NATURAL, 4), 2},
                        {treble(A, NATURAL, 5), 2}},
                       {{95, 2}}});
    staff->Draw(canvas);
}

void paperAndCounters(Canvas& canvas) {
    practice(2);
    auto block = TextTyp::CreateOne(20, 20, 330, "arial.ttf", 18);
    block->PText =
        "Hallo|Eine zweite Zeile mit so viel Text, dass sie an der Breite umbrochen werden "
        "muss.||Nach einer Leerzeile: Donaudampfschifffahrtsgesellschaftskapitaensmuetze "
        "ist breiter als alles.";
    for (int frame = 0; frame < 2; ++frame) {
        canvas.clear({44, 55, 88});
        canvas.setColour(255, 245, 235);
        canvas.setBlend(Blend::Solid);
        canvas.rect(10, 10, 540, 260);
        block->Draw(canvas);
        TextPaperGame(canvas);
        DrawPunkte(canvas, 42, 7, 3, {"Zeit", "Richtig", "Falsch"});
        const int w = canvas.width();
        DigitalFeld(canvas, w - 300, 320, 1234, 3, "1234 in 3");
        DigitalFeld(canvas, w - 181, 320, -5, 2, "-5");
        DigitalFeld(canvas, w - 94, 320, -999, 2, "-999");
        static_cast<ManualClock*>(Runtime::clock)->advance(600);  // the fades are over
    }
}

}  // namespace

std::vector<Scene> allScenes() {
    return {
        {"treble-d-major.png", 1680, 340, trebleDMajor},
        {"bass-e-flat-major.png", 1680, 340, bassEFlatMajor},
        {"grand-b-major.png", 1680, 500, grandBMajor},
        {"grand-c-major-rests.png", 1300, 500, grandCMajorRests},
        {"single-notes.png", 600, 760, singleNote},
        {"learn-and-see.png", 1300, 360, learnAndSee},
        {"word-exercise.png", 1300, 660, wordExercise},
        {"paper-and-counters.png", 990, 700, paperAndCounters},
    };
}

}  // namespace staffshots
