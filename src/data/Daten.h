#pragma once
// The program's two places for data: the archive carried in the executable (read only)
// and the per-user folder; the start-up copy, the settings repair and the loading of
// fonts and pictures.

#include <memory>
#include <string>

#include "platform/Image.h"
#include "platform/ImageFont.h"

extern std::string DatenPfad;      // prefix naming a member of the embedded archive
extern std::string AppPfad;        // the per-user folder, ending in "/"
extern std::string EigeneDateien;  // the user's documents folder, ending in "/"

extern std::shared_ptr<ImageFont> ArialNormal;  // "arial.ttf" 24, smoothed
extern std::shared_ptr<ImageFont> ArialRiesig;  // "arial.ttf" 80, smoothed
extern std::shared_ptr<ImageFont> Digital;      // "Digital Readout Upright.ttf" 70, not smoothed
extern std::shared_ptr<Image> Schatten;         // "Schatten.png"

// Registers the archive linked into the executable as "DATEN.ZIP".
bool RegistriereDatenArchiv();

// Makes the user folder, removes what interrupted saves left there and copies the
// listed archive members into it.
void KopiereAppDateien();
void CheckIniAufUnsinn();
// The fonts and the shadow picture.
void DatenLaden();

// A picture of the archive, cut into cells; no image when it is missing or broken.
std::shared_ptr<Image> LadeBild(const std::string& member, int cellWidth = 0, int cellHeight = 0,
                                int cells = 1);
std::shared_ptr<ImageFont> LadeSchrift(const std::string& member, int size, bool smoothed);

// The file-name suffix of a language index: 0 ".en", 1 ".de", 2 ".cz", else none.
std::string SprachSuffix(int sprache);

void SetzeStartwerteDaten();
