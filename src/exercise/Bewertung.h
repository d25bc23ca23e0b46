#pragma once
// The rating of a finished examination and its result page: an HTML template whose
// placeholders ("{NAME}", four capitals in braces) are filled line by line, the verdict
// and pass line that go with the rating, the teacher's code, and the closing chord.

#include <string>

// The rating in percent: 100 for using exactly the allowed time; 10 when every life was
// lost. Set when "{ERGB}" is filled.
extern int Bewertung;

// The teacher's result code comes from the result-code module, which joins these hooks
// at start-up. Until it does, the code and its companions are empty and the checksum is
// counted as bad.
struct ErgebnisCode {
    // Returns the text for the page (and reports the result): the learner's first name,
    // the book's short name, the lesson, seconds used, rating, mistakes, key, staff.
    static std::string (*CryptCode)(const std::string& name, const std::string& buch, int lektion,
                                    int sekunden, int bewertung, int fehler, int tonart,
                                    int system);
    static std::string (*ReturnCode)();
    static std::string (*ReturnAnalyse)();
    static int (*PruefSummeOk)();
    static void SetzeStartwerte();
};

// Fills every placeholder of one template line; a replacement that holds "{" is filled
// again. An unknown name shows as "!PARSER-ERROR!" with its four characters and "!".
std::string ParseBewertungsZeile(const std::string& line);

// Writes AppPfad + "Bewertung.html" from the template of the current language and
// schedules the closing chord: rising for a rating above 30, else two falling chords.
void HtmlAusBewertung();

// The verdict and the pass line of a rating, as language keys ("{{Good}}").
std::string UrteilFuer(int bewertung);
std::string BestandenFuer(int bewertung);

// Seconds the examination took, at least one, so that the rating never divides by zero
// when time credits paid for the whole examination.
int BenutzteSekunden();

// The rating and the kept staff system and key go back to 0 (the code hooks stay joined).
void SetzeStartwerteBewertung();
