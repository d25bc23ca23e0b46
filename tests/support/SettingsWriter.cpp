// A small program for the kill test: starts as the program does (the user folder, what
// interrupted saves left there, the start-up copy), then, with "write", saves settings
// through IniClass as fast as it can until it is killed.

#include <cstring>
#include <string>

#include "data/Daten.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"

int main(int argc, char** argv) {
    RegistriereDatenArchiv();
    DatenPfad = "ZIP::Incbin::DATEN.ZIP//";
    AppPfad = ApiClass::AppPfad();
    KopiereAppDateien();
    if (argc < 2 || std::strcmp(argv[1], "write") != 0) return 0;
    for (long counter = 1;; ++counter) {
        IniClass::Schreiben("", "Allgemein", "Counter", std::to_string(counter));
        IniClass::Schreiben("", "Anna", "MausZeit", std::to_string(300 + counter % 50));
    }
}
