#include "lessons/LektionsBuch.h"

#include <iostream>

#include "data/Daten.h"
#include "i18n/Sprache.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"

namespace {
constexpr int kLetztesBuch = 99;
}  // namespace

std::string bookFile() {
    return DatenPfad + "Buch.ini";
}

std::string ownBookFile() {
    return AppPfad + "EigeneLektionen.ini";
}

std::string LektionsBuch::Quelle() const {
    return Eigenes ? ownBookFile() : DatenPfad + Datei;
}

LektionsBuch LektionsBuch::EigenesBuch() {
    LektionsBuch buch;
    buch.Nummer = kEigenesBuch;
    buch.Sektion = "DE " + std::to_string(kEigenesBuch);
    buch.Kurz = "U";
    buch.Name = Lokalisiere("{{My lessons}}");
    buch.Beschreibung = Lokalisiere("{{The lessons you made with the lesson wizard.}}");
    buch.Datei = "EigeneLektionen.ini";
    buch.Level = "1,2,3,4,5";
    buch.Eigenes = true;
    return buch;
}

std::optional<LektionsBuch> LektionsBuch::AusSektion(const std::string& sektion) {
    if (sektion == "DE " + std::to_string(kEigenesBuch)) return EigenesBuch();
    auto lies = [&](const char* key) { return IniClass::Lesen(bookFile(), sektion, key); };
    LektionsBuch buch;
    buch.Name = lies("Name");
    if (buch.Name.empty()) return std::nullopt;
    buch.Sektion = sektion;
    buch.Nummer = sektion.rfind("DE ", 0) == 0 ? LenientInt(sektion.substr(3)) : 0;
    buch.Kurz = lies("Kurz");
    buch.Beschreibung = lies("Beschreibung");
    buch.Datei = lies("Datei");
    buch.Level = lies("Level");
    if (buch.Datei.empty())
        std::cout << "lessons: book " << sektion << " names no lesson file" << std::endl;
    return buch;
}

std::optional<LektionsBuch> LektionsBuch::Lies(int nummer) {
    return AusSektion("DE " + std::to_string(nummer));
}

std::vector<LektionsBuch> LektionsBuch::Alle() {
    std::vector<LektionsBuch> buecher;
    for (int nummer = 1; nummer <= kLetztesBuch; ++nummer)
        if (auto buch = Lies(nummer)) buecher.push_back(*buch);
    return buecher;
}

std::optional<LektionsBuch> LektionsBuch::Aktuelles() {
    std::string sektion = IniClass::Lesen("", "Allgemein", "Buch");
    if (sektion.empty()) return std::nullopt;
    auto buch = AusSektion(sektion);
    if (!buch) std::cout << "lessons: the book " << sektion << " is not in Buch.ini" << std::endl;
    return buch;
}
