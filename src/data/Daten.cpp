#include "data/Daten.h"

#include <iostream>

#include "data/EmbeddedArchive.h"
#include "data/Files.h"
#include "data/ZipArchive.h"
#include "i18n/Sprache.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"

std::string DatenPfad;
std::string AppPfad;
std::string EigeneDateien;
std::shared_ptr<ImageFont> ArialNormal;
std::shared_ptr<ImageFont> ArialRiesig;
std::shared_ptr<ImageFont> Digital;
std::shared_ptr<Image> Schatten;

bool RegistriereDatenArchiv() {
    auto archive = ZipArchive::open(embeddedArchiveData(), embeddedArchiveSize(), "DATEN.ZIP");
    if (!archive) {
        std::cout << "data: the embedded archive cannot be opened" << std::endl;
        return false;
    }
    ZipArchive::registerArchive(std::move(archive));
    return true;
}

std::string SprachSuffix(int sprache) {
    switch (sprache) {
        case 0:
            return ".en";
        case 1:
            return ".de";
        case 2:
            return ".cz";
        default:
            return "";
    }
}

void KopiereAppDateien() {
    Files::makeFolders(AppPfad);
    Files::removeStaleSaves(AppPfad);
    auto liste = Files::readText(Files::kUtf8Prefix + DatenPfad + "Setup.Lst");
    if (!liste) {
        std::cout << "data: the copy list Setup.Lst is missing" << std::endl;
        return;
    }
    for (const std::string& zeile : Files::lines(*liste)) {
        if (zeile.empty()) continue;
        std::string quelle = zeile, ziel = zeile;
        if (zeile.find(".XX") != std::string::npos) {
            ziel = zeile.substr(0, zeile.rfind('.'));
            quelle = ziel + SprachSuffix(AktSprache);
        }
        if (!Files::copy(DatenPfad + quelle, AppPfad + ziel)) continue;  // skipped quietly
        std::string endung =
            ziel.rfind('.') == std::string::npos ? "" : ziel.substr(ziel.rfind('.') + 1);
        if (asciiUpper(endung) == "INI") IniClass::UpdateIniFile(AppPfad + ziel);
    }
}

void CheckIniAufUnsinn() {
    std::string noteLang = IniClass::Lesen("", "Allgemein", "NoteLang");
    bool schlecht = noteLang.find("||") != std::string::npos;
    if (!schlecht) {
        for (char zeichen : noteLang)
            if (std::string("|8421").find(zeichen) == std::string::npos) schlecht = true;
    }
    if (schlecht) {
        std::cout << "settings: NoteLang '" << noteLang << "' is not a list of lengths; cleared"
                  << std::endl;
        IniClass::Schreiben("", "Allgemein", "NoteLang", "");
    }
}

std::shared_ptr<Image> LadeBild(const std::string& member, int cellWidth, int cellHeight,
                                int cells) {
    auto bytes = Files::readBytes(DatenPfad + member);
    if (!bytes) {
        std::cout << "data: picture '" << member << "' is missing" << std::endl;
        return nullptr;
    }
    return Image::fromPng(*bytes, member, cellWidth, cellHeight, cells);
}

std::shared_ptr<ImageFont> LadeSchrift(const std::string& member, int size, bool smoothed) {
    auto bytes = Files::readBytes(DatenPfad + member);
    if (!bytes) {
        std::cout << "data: font '" << member << "' is missing" << std::endl;
        return nullptr;
    }
    return ImageFont::fromBytes(std::move(*bytes), member, size, smoothed);
}

void DatenLaden() {
    ArialNormal = LadeSchrift("arial.ttf", 24, true);
    ArialRiesig = LadeSchrift("arial.ttf", 80, true);
    Digital = LadeSchrift("Digital Readout Upright.ttf", 70, false);
    Schatten = LadeBild("Schatten.png");
}

void SetzeStartwerteDaten() {
    DatenPfad.clear();
    AppPfad.clear();
    EigeneDateien.clear();
    ArialNormal.reset();
    ArialRiesig.reset();
    Digital.reset();
    Schatten.reset();
}
