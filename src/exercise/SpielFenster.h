#pragma once
// The staff window of the exercise: its shapes for each method, the note feed that keeps
// it filled in complete bars, the drag grip, and the judging of every answer.

#include <list>
#include <memory>

#include "notation/NotenFenster.h"
#include "state/AntwortEmpfaenger.h"

struct SpielFenster {
    static std::shared_ptr<NotenFenster> Haupt;  // the exercise's staff window
    static int DragX, DragY;                     // mouse position at the previous drag step
    static int MausZeit;  // time credit for a piano-key click, in milliseconds
    // 0 while the current note was not answered wrongly; else (practice) the MIDI number
    // of the note already counted wrong, or (examination) 1.
    static int WarSchonMalFalsch;

    // The staff window and its feed.
    static void CreateIt(int x, int y);
    static void Reset();
    static void AddNeueZufallNoten();
    static void AddEinenGanzenTakt();
    static int SucheViolinMidi(const std::list<std::shared_ptr<Note>>& liste, int position);
    static void CheckMaus();
    static void Drag();
    // Keeps the window inside a main window of this client size.
    static void KlemmeInsFenster(int breite, int hoehe);

    // Answers. Sources: AntwortEmpfaenger::Maus, MidiTastatur, Tastatur.
    // The exercise's answer receiver, which hands every answer to the functions below;
    // start-up installs it.
    static AntwortEmpfaenger& Antwort();
    static void EmpfangeNote(int midi, int quelle);
    static void EmpfangeChroma(int chroma, int quelle);
    static void VergleichNote(int midi, int quelle);
    static void VergleichChroma(int chroma, int quelle);
    static void RichtigOderFalsch(int richtig, int erwartet);
    static void WelcheWarFalsch(int midi, Note& erste, Note& zweite);
    static int BestMatch(int chroma);

    static void SetzeStartwerte();
};

// The length of the next note in eighths, chosen so that the bar stays complete; advances
// the bar position.
int ZufallNotenlang(int chroma);
