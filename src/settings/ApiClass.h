#pragma once
// The per-user folders and the file-exists test.

#include <string>

class ApiClass {
  public:
    static std::string Slash;  // the separator of every path the program builds

    // The per-user application-data folder + "/Corvello/" + the application title + "/".
    static std::string AppPfad();
    // The per-user application-data folder + "/Corvello/".
    static std::string CorvelloPfad();
    // The user's documents folder + "/".
    static std::string EigeneDateien();
    // 1 if the file or archive member can be opened for reading, else 0.
    static int FileExists(const std::string& pfad);
    static int _FileExists(const std::string& pfad);

    static void SetzeStartwerte();
};

// The application title; it names the per-user folder and the settings file.
extern std::string AppTitle;

int FileExists(const std::string& pfad);

// The lenient integer conversion used for every number read from a file: leading white
// space, an optional sign, then decimal digits ("$" hexadecimal, "%" binary) up to the
// first other character; no digits give 0. Values beyond the int range are clamped.
int LenientInt(const std::string& text);
