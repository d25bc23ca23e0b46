#include "lessons/Worte.h"

#include <algorithm>
#include <cctype>
#include <iostream>

#include "data/Daten.h"
#include "data/Files.h"
#include "i18n/Sprache.h"
#include "lessons/Lektion.h"
#include "notation/NotenPapier.h"
#include "platform/Clock.h"
#include "platform/Events.h"

std::vector<std::string> Worte::GesamtListe;
std::vector<Worte> Worte::LektionsListe;
std::optional<Worte> Worte::AktFrageWort;
int64_t Worte::FalschZeit = 0;
void (*Worte::NaechstesWort)() = nullptr;
std::string LosungWort;

namespace {

constexpr const char* kWortDatei = "worte_D.Lst";
constexpr const char* kKeineWorte =
    "{{This lesson has no words to guess. Please choose another lesson.}}";

// The note paper's text before it said that a lesson has no words; empty while it says
// nothing of the kind.
std::string papierVorher;
bool papierZeigtHinweis = false;

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> teile;
    size_t start = 0;
    while (true) {
        size_t at = text.find(separator, start);
        teile.push_back(
            text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return teile;
        start = at + 1;
    }
}

// The German letter names by spelling index, in capitals.
const std::vector<std::string>& buchstabenNamen() {
    static const std::vector<std::string> namen = [] {
        std::vector<std::string> n =
            split("ces|c|cis|des|d|dis|es|e|eis|fes|f|fis|ges|g|gis|as|a|ais|b|h|his", '|');
        for (auto& name : n)
            for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return n;
    }();
    return namen;
}

int namensIndex(const std::string& name) {
    const auto& namen = buchstabenNamen();
    auto it = std::find(namen.begin(), namen.end(), name);
    return it == namen.end() ? -1 : static_cast<int>(it - namen.begin());
}

std::string grossBuchstaben(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool nurBuchstaben(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

bool leer(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isspace(c) != 0; });
}

// Three-letter names first, then two-letter, then one-letter names, each group in the
// lesson's order: a sharp or flat name is matched whole before its letter alone.
std::vector<std::string> inSuchReihenfolge(const std::string& alleBuchstaben) {
    std::vector<std::string> namen;
    if (alleBuchstaben.empty()) return namen;
    const std::vector<std::string> gegeben = split(alleBuchstaben, '|');
    for (size_t laenge = 3; laenge >= 1; --laenge)
        for (const auto& name : gegeben)
            if (name.size() == laenge) namen.push_back(name);
    return namen;
}

void ersetzeErstes(std::string& text, const std::string& was, const std::string& durch) {
    size_t at = text.find(was);
    if (at != std::string::npos) text.replace(at, was.size(), durch);
}

void zeigeHinweis(bool keineWorte) {
    if (keineWorte && !papierZeigtHinweis) {
        papierVorher = NotenPapier::PapierText;
        NotenPapier::PapierText = Lokalisiere(kKeineWorte);
        papierZeigtHinweis = true;
    } else if (!keineWorte) {
        Worte::PapierZurueck();
    }
}

}  // namespace

std::vector<std::string> WortListeAusText(const std::string& text) {
    std::vector<std::string> liste;
    int zeile = 0;
    for (const std::string& line : Files::lines(text)) {
        ++zeile;
        if (!line.empty() && line[0] == '\'') continue;
        if (leer(line)) continue;
        if (!nurBuchstaben(line)) {
            std::cout << "words: line " << zeile << " '" << line
                      << "' holds a character other than A-Z and a-z; it is skipped" << std::endl;
            continue;
        }
        liste.push_back(line);
    }
    return liste;
}

std::vector<std::string> LadeWortListe() {
    std::optional<std::string> text = Files::readText(Files::kUtf8Prefix + DatenPfad + kWortDatei);
    if (!text) {
        std::cout << "words: the word list " << kWortDatei
                  << " cannot be read; the word exercise has no words" << std::endl;
        return {};
    }
    std::vector<std::string> liste = WortListeAusText(*text);
    if (liste.empty())
        std::cout << "words: the word list " << kWortDatei
                  << " holds no word; the word exercise has no words" << std::endl;
    return liste;
}

std::optional<Worte> Worte::Zerlege(const std::string& wort,
                                    const std::vector<std::string>& namen) {
    const std::string gross = grossBuchstaben(wort);
    std::string deckung = gross, teile = gross;
    int flag = 0;
    for (const std::string& name : namen) {
        if (namensIndex(name) < 0 || deckung.find(name) == std::string::npos) continue;
        if (name.size() > 1) flag = 1;
        const std::string index = std::to_string(namensIndex(name)) + "|";
        while (deckung.find(name) != std::string::npos) {
            ersetzeErstes(deckung, name, "*");
            ersetzeErstes(teile, name, index);
        }
    }
    const auto offen =
        std::count_if(deckung.begin(), deckung.end(), [](char c) { return c != '*'; });
    if (2 * offen >= static_cast<long>(wort.size())) return std::nullopt;

    std::string text;
    for (char c : teile) {
        text += c;
        if (static_cast<unsigned char>(c) >= 58 && c != '|') text += '|';
    }
    if (!text.empty()) text.pop_back();
    return Worte{gross, split(text, '|'), flag};
}

void Worte::Ausduennen(std::vector<Worte>& liste) {
    if (static_cast<int>(liste.size()) <= kDuennAb) return;
    size_t laengstes = 0;
    for (const auto& wort : liste) laengstes = std::max(laengstes, wort.EchtWort.size());
    // Once the bound exceeds the longest word, a pass has nothing more to take: only
    // words with sharp or flat names are left, and they always stay.
    for (size_t grenze = 3; grenze <= laengstes + 1; ++grenze) {
        std::erase_if(liste, [grenze](const Worte& wort) {
            return wort.IstMitVorzeichen == 0 && wort.EchtWort.size() < grenze;
        });
        if (static_cast<int>(liste.size()) <= kDuennBis) return;
    }
}

std::vector<Worte> Worte::Gueltige(const std::vector<std::string>& liste,
                                   const std::string& alleBuchstaben) {
    const std::vector<std::string> namen = inSuchReihenfolge(alleBuchstaben);
    std::vector<Worte> gueltige;
    if (namen.empty()) return gueltige;
    for (const std::string& wort : liste)
        if (auto zerlegt = Zerlege(wort, namen)) gueltige.push_back(std::move(*zerlegt));
    Ausduennen(gueltige);
    return gueltige;
}

void Worte::NurGueltige() {
    const auto& lektion = Lektion::AktLektion;
    LektionsListe = Gueltige(GesamtListe, lektion ? lektion->AlleBuchstaben() : "");
    if (LektionsListe.empty())
        std::cout << "words: lesson '" << (lektion ? lektion->Name : "") << "' has no word to ask ("
                  << GesamtListe.size() << " words in the list)" << std::endl;
    zeigeHinweis(LektionsListe.empty());
}

std::vector<std::string> Worte::ZufallWort() {
    LosungWort.clear();
    TaktSumme = 0;
    NotenFenster::VorTaktpos = 0;
    if (LektionsListe.empty()) return {};
    const int index = Runtime::rand(0, static_cast<int>(LektionsListe.size()) - 1);
    AktFrageWort = LektionsListe[static_cast<size_t>(index)];
    return AktFrageWort->WortTeil;
}

std::string Worte::TeilText(const std::string& teil) {
    if (teil.empty() || teil[0] < '0' || teil[0] > '9') return teil;
    const int index = std::stoi(teil);
    const auto& namen = buchstabenNamen();
    return index >= 0 && index < static_cast<int>(namen.size()) ? namen[static_cast<size_t>(index)]
                                                                : "?";
}

std::optional<FrageWortBild> Worte::Bild() {
    if (!AktFrageWort || Lektion::WordDone == 0) return std::nullopt;
    FrageWortBild bild;
    bild.Teile = AktFrageWort->WortTeil;
    for (const auto& teil : bild.Teile) bild.Texte.push_back(TeilText(teil));
    bild.Loesung = LosungWort;
    bild.Falsch = FalschZeit > 0 && Runtime::millisecs() - FalschZeit < kFalschZeichenMs;
    return bild;
}

void Worte::PapierZurueck() {
    if (!papierZeigtHinweis) return;
    NotenPapier::PapierText = papierVorher;
    papierZeigtHinweis = false;
}

void Worte::StartUp() {
    GesamtListe = LadeWortListe();
    NotenFenster::FrageWort = &Worte::Bild;
}

void Worte::SetzeStartwerte() {
    GesamtListe.clear();
    LektionsListe.clear();
    AktFrageWort.reset();
    FalschZeit = 0;
    NaechstesWort = nullptr;
    LosungWort.clear();
    papierVorher.clear();
    papierZeigtHinweis = false;
}

void ScanWorte(int keyCode) {
    if (keyCode == Key::Return) {
        Lektion::Pruefewort(LosungWort);
    } else if (keyCode == Key::Backspace) {
        if (!LosungWort.empty()) LosungWort.pop_back();
    } else if ((keyCode >= Key::LetterA && keyCode <= Key::LetterZ) ||
               (keyCode >= Key::Digit0 && keyCode <= Key::Digit0 + 9)) {
        LosungWort += static_cast<char>(keyCode);
    }
}
