#include "exercise/Bewertung.h"

#include <algorithm>
#include <iostream>

#include "data/Daten.h"
#include "data/Files.h"
#include "exercise/Spiel.h"
#include "history/Verlauf.h"
#include "i18n/Sprache.h"
#include "lessons/Lektion.h"
#include "settings/IniClass.h"
#include "sound/Phrasen.h"

int Bewertung = 0;

namespace {
std::string keinCode(const std::string&, const std::string&, int, int, int, int, int, int) {
    return "";
}
std::string keinText() {
    return "";
}
int keinePruefsumme() {
    return 0;
}

// Staff system and key of the lesson last rated, for the code.
int gemerktesSystem = 0;
int gemerkteTonart = 0;

struct Werte {
    int spielZeit = 0, maxRichtig = 0, maxFalsch = 0;
    std::string name;
    int system = 0, tonart = 0;
};

Werte LektionsWerte() {
    Werte werte;
    if (const auto& lektion = Lektion::AktLektion) {
        werte.spielZeit = lektion->SpielZeit;
        werte.maxRichtig = lektion->MaxRichtig;
        werte.maxFalsch = lektion->MaxFalsch;
        werte.name = lektion->Name;
        werte.system = lektion->System;
        werte.tonart = lektion->Transpose != 0 ? lektion->Transpose : lektion->Tonart;
    }
    return werte;
}

int ZehntelBenutzt() {
    return LektionsWerte().spielZeit * 10 - Spiel::Punkte;
}

int Fehler() {
    return LektionsWerte().maxFalsch - Spiel::SpielerFalsch;
}

int RichtigGespielt() {
    const Werte werte = LektionsWerte();
    return (werte.maxRichtig + werte.maxFalsch) - (Spiel::SpielerRichtig + Spiel::SpielerFalsch);
}

std::string ZeitText() {
    const int zehntel = std::max(0, ZehntelBenutzt());
    return std::to_string(zehntel / 10) + "." + std::to_string(zehntel % 10);
}

void Bewerte() {
    const Werte werte = LektionsWerte();
    Bewertung = werte.spielZeit * 100 / BenutzteSekunden();
    if (Fehler() >= werte.maxFalsch) Bewertung = 10;  // every life lost
    gemerktesSystem = werte.system;
    gemerkteTonart = werte.tonart;
}

std::string Code() {
    const std::string buch = IniClass::Lesen("", "Allgemein", "Buch");
    const std::string text = ErgebnisCode::CryptCode(
        IniClass::Lesen("", "Allgemein", "User"),
        IniClass::Lesen(DatenPfad + "Buch.ini", buch, "Kurz"), Lektion::AktLektionNr,
        BenutzteSekunden(), Bewertung, Fehler(), gemerkteTonart, gemerktesSystem);
    // Only a passed examination shows its code; no text (no code module) shows no line.
    if (Bewertung < 100 || text.empty()) return "";
    return Lokalisiere("{{Phrase54}}") + ": " + text;
}

std::string Ersatz(const std::string& name) {
    if (name == "NAME") return LektionsWerte().name;
    if (name == "ANZA") return std::to_string(RichtigGespielt());
    if (name == "MAXI") return std::to_string(LektionsWerte().maxRichtig);
    if (name == "FALS") return std::to_string(Fehler());
    if (name == "ZEIT") return ZeitText();
    if (name == "MAXZ") return std::to_string(LektionsWerte().spielZeit);
    if (name == "ERGB") {
        Bewerte();
        return "";
    }
    if (name == "BILD") return Bewertung > 30 ? "SmilyLacht" : "SmilyTraurig";
    if (name == "KOMM") return Lokalisiere(UrteilFuer(Bewertung));
    if (name == "BEST") return Lokalisiere(BestandenFuer(Bewertung));
    if (name == "CODE") return Code();
    if (name == "RTCO") return ErgebnisCode::ReturnCode();
    if (name == "ANLY") return ErgebnisCode::ReturnAnalyse();
    if (name == "BIAY") return ErgebnisCode::PruefSummeOk() == 1 ? "SmilyLacht" : "SmilyWut";
    return "!PARSER-ERROR!" + name + "!";
}

}  // namespace

std::string (*ErgebnisCode::CryptCode)(const std::string&, const std::string&, int, int, int, int,
                                       int, int) = keinCode;
std::string (*ErgebnisCode::ReturnCode)() = keinText;
std::string (*ErgebnisCode::ReturnAnalyse)() = keinText;
int (*ErgebnisCode::PruefSummeOk)() = keinePruefsumme;

void ErgebnisCode::SetzeStartwerte() {
    CryptCode = keinCode;
    ReturnCode = keinText;
    ReturnAnalyse = keinText;
    PruefSummeOk = keinePruefsumme;
}

int BenutzteSekunden() {
    return std::max(1, ZehntelBenutzt() / 10);
}

std::string UrteilFuer(int bewertung) {
    static const std::pair<int, const char*> kUrteile[] = {
        {151, "{{First class performance}}"},
        {126, "{{Very good}}"},
        {100, "{{Good}}"},
        {88, "{{NearlyGood}}"},
        {76, "{{Respectable}}"},
        {68, "{{NearlyRespectable}}"},
        {51, "{{Satisfactory}}"},
        {38, "{{NearlySatisfactory}}"},
        {26, "{{Unsatisfactory}}"},
    };
    for (const auto& [ab, key] : kUrteile)
        if (bewertung >= ab) return key;
    return "{{Very poor/fail}}";
}

std::string BestandenFuer(int bewertung) {
    if (bewertung >= 100) return "{{Phrase48}}";
    if (bewertung >= 93) return "{{Phrase55}}";
    if (bewertung >= 86) return "{{Phrase56}}";
    if (bewertung >= 79) return "{{Phrase57}}";
    return "{{Phrase49}}";
}

std::string ParseBewertungsZeile(const std::string& line) {
    // A replacement is searched again from the line's start; the bound stops a text that
    // brings its own placeholder back (a lesson named "{NAME}") from filling forever.
    constexpr int kMaxErsetzungen = 1000;
    std::string text = line;
    int ersetzt = 0;
    for (size_t at = text.find('{'); at != std::string::npos && ersetzt < kMaxErsetzungen;
         at = text.find('{'), ++ersetzt) {
        const std::string name = text.substr(at + 1, 4);
        const std::string rest = at + 6 <= text.size() ? text.substr(at + 6) : "";
        text = text.substr(0, at) + Ersatz(name) + rest;
    }
    return text;
}

// The finished examination goes into the learner's history.
void MerkePruefung() {
    Bewerte();
    PruefungsEintrag e;
    e.Zeit = Verlauf::Jetzt();
    e.User = IniClass::Lesen("", "Allgemein", "User");
    e.Buch = IniClass::Lesen("", "Allgemein", "Buch");
    e.Lektion = Lektion::AktLektionNr;
    e.Tonart = gemerkteTonart;
    e.System = gemerktesSystem;
    // The method has ended with the examination; its answer device is still the one it set.
    e.Methode = Spiel::AktivInstrument == Spiel::Tastenfeld ? 1 : 2;
    e.Sekunden = BenutzteSekunden();
    e.Gespielt = RichtigGespielt();
    e.Fehler = Fehler();
    e.Bewertung = Bewertung;
    Verlauf::Merke(e);
}

void HtmlAusBewertung() {
    auto vorlage = Files::readText(DatenPfad + "Bewertung.vorl" + SprachSuffix(AktSprache));
    if (!vorlage) std::cout << "result: no template for language " << AktSprache << std::endl;
    std::string seite;
    for (const std::string& zeile : Files::lines(vorlage.value_or("")))
        seite += ParseBewertungsZeile(zeile) + "\r\n";
    Files::writeBytes(AppPfad + "Bewertung.html", seite);
    MerkePruefung();
    std::cout << "result: rating " << Bewertung << std::endl;
    if (Bewertung >= 31) {
        PlayAkkord(24, 28, 31, 36, 750, 0);
    } else {
        PlayAkkord(24, 11, 10, 9, 750, 0);
        PlayAkkord(8, 7, 6, 5, 1750, 0);
    }
}

void SetzeStartwerteBewertung() {
    Bewertung = 0;
    gemerktesSystem = 0;
    gemerkteTonart = 0;
}
