#include "lessons/LektionsDatei.h"

#include <iostream>

#include "data/Daten.h"
#include "music/Transposer.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"
#include "state/ExerciseState.h"

namespace {
constexpr int kLetzteLektion = 99;

std::string trimmed(const std::string& text) {
    size_t anfang = text.find_first_not_of(" \t");
    if (anfang == std::string::npos) return "";
    return text.substr(anfang, text.find_last_not_of(" \t") - anfang + 1);
}

struct KeyAndTransposition {
    int tonart = 0;
    int transpose = 0;
};

// "?" takes the learner's choice; a "T" transposes to the chosen key when the key is
// the learner's choice too, and reads as 0 beside a fixed key.
KeyAndTransposition resolveChoices(const std::string& tonart, const std::string& transpose) {
    bool tonartGewaehlt = trimmed(tonart) == "?";
    std::string verschiebung = trimmed(transpose);
    KeyAndTransposition wahl;
    wahl.tonart = tonartGewaehlt ? Transposer::Transpose : LenientInt(tonart);
    if (verschiebung == "?" || (verschiebung == "T" && tonartGewaehlt))
        wahl.transpose = Transposer::Transpose;
    else
        wahl.transpose = LenientInt(transpose);
    return wahl;
}

// A two-hand lesson runs as scrolling notes only; a one-hand lesson offers every method.
void fitMethodsTo(const Lektion& lektion) {
    bool zweiHand = lektion.AlsZweiHand == 1;
    ZweiHandMenu(zweiHand ? 1 : 0);
    if (zweiHand) Spiel::SpielMode = Spiel::LaufendeNoten;
}

// A line break would split the entry and a "[" would end the section for every later
// key, so a saved text holds neither.
std::string asOneLine(const std::string& text, const char* key) {
    std::string zeile = text;
    for (char& c : zeile) {
        if (c == '\r' || c == '\n') c = ' ';
        if (c == '[') c = '(';
    }
    if (zeile != text)
        std::cout << "lessons: line breaks and '[' in the lesson's " << key
                  << " are saved as blanks and '('" << std::endl;
    return zeile;
}
}  // namespace

std::string lessonFile() {
    return AppPfad + "Lektionen.ini";
}

std::string lessonSection(int nummer) {
    return "Lesen " + std::to_string(nummer);
}

std::shared_ptr<Lektion> readLesson(int nummer, int wahl) {
    if (wahl < 0 || wahl > 3) {
        std::cout << "lessons: staff choice " << wahl << " is unknown; the lesson's own is used"
                  << std::endl;
        wahl = 0;
    }
    const std::string datei = lessonFile(), sektion = lessonSection(nummer);
    auto lies = [&](const char* key) { return IniClass::Lesen(datei, sektion, key); };
    auto zahl = [&](const char* key) { return IniClass::Value(datei, sektion, key); };

    auto lektion = std::make_shared<Lektion>();
    lektion->Name = lies("Name");
    KeyAndTransposition tonart = resolveChoices(lies("Tonart"), lies("Transpose"));
    lektion->Tonart = tonart.tonart;
    lektion->Transpose = tonart.transpose;
    lektion->NotenFeldAusString(lies("Noten"), wahl);
    lektion->System = wahl != 0 ? wahl : zahl("System");
    lektion->MaxIntervall = zahl("Intervall");
    lektion->AlsZweiHand = zahl("ZweiHand");
    lektion->SpielZeit = zahl("SpielZeit");
    lektion->MaxRichtig = zahl("MaxRichtig");
    lektion->MaxFalsch = zahl("MaxFalsch");
    lektion->Level = zahl("Level");
    if (lektion->Anzahl == 0)
        std::cout << "lessons: " << sektion << " of " << datei << " has no notes" << std::endl;
    return lektion;
}

void LadeLektion(int nummer, int wahl) {
    std::shared_ptr<Lektion> lektion = readLesson(nummer, wahl);
    fitMethodsTo(*lektion);
    Lektion::SetAktLektion(lektion);
    Lektion::AktLektionNr = nummer;
}

void SaveLektion(int nummer, const LektionsEntwurf& entwurf) {
    SaveLektionIn(lessonFile(), nummer, entwurf);
}

void SaveLektionIn(const std::string& datei, int nummer, const LektionsEntwurf& entwurf) {
    const std::string sektion = lessonSection(nummer);
    auto schreibe = [&](const char* key, const std::string& wert) {
        IniClass::Schreiben(datei, sektion, key, wert);
    };
    auto zahl = [](int wert) { return std::to_string(wert); };
    schreibe("Name", asOneLine(entwurf.Name, "name"));
    schreibe("Noten", asOneLine(entwurf.Noten, "notes"));
    schreibe("Tonart", zahl(entwurf.Tonart));
    schreibe("Oktave", zahl(entwurf.Oktave));
    schreibe("System", zahl(entwurf.System));
    schreibe("Intervall", zahl(entwurf.Intervall));
    schreibe("MaxRichtig", zahl(entwurf.MaxRichtig));
    schreibe("MaxFalsch", zahl(entwurf.MaxFalsch));
    schreibe("SpielZeit", zahl(entwurf.SpielZeit));
    schreibe("Level", zahl(entwurf.Level));
    schreibe("ZweiHand", zahl(entwurf.ZweiHand));
    schreibe("Beschreibung", asOneLine(entwurf.Beschreibung, "description"));
    // A lesson replaced in a full file must not keep the old lesson's transposition.
    if (!IniClass::Lesen(datei, sektion, "Transpose").empty()) schreibe("Transpose", "0");
    schreibe("-", std::string(53, '*'));
}

int FindeFreiINILektion() {
    for (int nummer = 1; nummer <= kLetzteLektion; ++nummer)
        if (IniClass::Lesen(lessonFile(), lessonSection(nummer), "Name").empty()) return nummer;
    return kLetzteLektion;
}
