#pragma once
// The progress page of a learner: which notes of the last 30 days were read well and
// quickly, accuracy and median answer time week by week, the examination ratings per
// lesson, and the whole history as CSV. Pictures are drawn by the staff window's own code
// on a PixelCanvas into PNGs beside the page.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "history/Verlauf.h"
#include "platform/Canvas.h"

struct NotenStand {
    int Chroma = 0;  // treble, or bass + 100
    int Gefragt = 0, Richtig = 0;
    int MedianMs = 0;  // of the right answers; 0 when there is none
};

struct WochenStand {
    int Gefragt = 0, Richtig = 0, MedianMs = 0;
};

struct FortschrittsDaten {
    // The notes of the learner's range, low to high, bass first: every note answered in the
    // last 30 days and every natural between the lowest and highest of each staff.
    std::vector<NotenStand> Noten;
    // Index 0 is the oldest of the 26 weeks, 25 the seven days up to now.
    std::vector<WochenStand> Wochen;
    // Book and lesson ("Buch1 3") to its examinations, oldest first, of the 26 weeks.
    std::map<std::string, std::vector<PruefungsEintrag>> Pruefungen;
};

constexpr int kFortschrittTage = 30;
constexpr int kFortschrittWochen = 26;

FortschrittsDaten WerteVerlaufAus(const std::vector<AntwortEintrag>& antworten,
                                  const std::vector<PruefungsEintrag>& pruefungen, int64_t jetzt);

// The colour of an accuracy in percent; grey (-1) for a note not asked.
Colour FarbeFuerTreffer(int prozent);
// Percent right, rounded down; -1 when nothing was asked.
int Treffer(int gefragt, int richtig);

// Writes "Fortschritt.html" with its pictures and "Verlauf.csv" into the folder for the
// learner, in the current language. `loeschenFragen` shows the question whether the
// history is really to be cleared.
void SchreibeFortschritt(const std::string& ordner, const std::string& user, bool loeschenFragen);
// The learner's whole history as CSV (UTF-8, one header line, comma-separated).
std::string VerlaufAlsCsv(const std::vector<AntwortEintrag>& antworten,
                          const std::vector<PruefungsEintrag>& pruefungen);
