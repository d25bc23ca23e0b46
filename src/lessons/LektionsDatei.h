#pragma once
// The working lesson file "Lektionen.ini" in the user folder: one section "Lesen <n>"
// per lesson (1 to 99). Lessons are loaded from it and the wizard's lessons saved to it.

#include <memory>
#include <string>

#include "lessons/Lektion.h"

// A new lesson as the lesson wizard made it, ready to be saved.
struct LektionsEntwurf {
    std::string Name;
    std::string Noten;  // chroma values separated by "|"
    int Tonart = 0;
    int Oktave = 0;
    int System = 1;
    int Intervall = 0;
    int MaxRichtig = 0;
    int MaxFalsch = 0;
    int SpielZeit = 0;
    int Level = 1;
    int ZweiHand = 0;
    std::string Beschreibung;
};

// Loads lesson `nummer` and makes it current. `wahl`: 0 the lesson's own staff set,
// 1 treble, 2 bass, 3 both. A "?" for the key or the transposition takes the learner's
// choice `Transposer::Transpose`.
void LadeLektion(int nummer, int wahl);
// Writes a new lesson into section "Lesen <nummer>" of the working copy.
void SaveLektion(int nummer, const LektionsEntwurf& entwurf);
// The same into section "Lesen <nummer>" of another lesson file.
void SaveLektionIn(const std::string& datei, int nummer, const LektionsEntwurf& entwurf);
// The first lesson number from 1 to 99 whose section has no name; 99 when all have one.
int FindeFreiINILektion();

// AppPfad + "Lektionen.ini".
std::string lessonFile();
// "Lesen <nummer>".
std::string lessonSection(int nummer);
// The lesson as LadeLektion reads it, without making it current.
std::shared_ptr<Lektion> readLesson(int nummer, int wahl);
