#pragma once
// The teacher's side of the result code: the code page in the information window, the
// hand code typed into the input window, and the hooks that join the result-code module
// to the result page, the code page and the input window.

#include <string>

// Writes AppPfad + "Code.html" from the code template of the current language, after
// stepping `schritt` lines through the server's list when it is not 0.
void HtmlAusCode(int schritt);

// Takes a code the teacher typed, in capitals: twelve or more characters are analysed
// (blanks and "-" dropped; any other character but A to Z refuses the code and keeps the
// input window open); then the code page opens and the input window closes.
void CheckCode(const std::string& code);

// Installs the hooks of the result page, the information window and the input window.
void VerbindeErgebnisCode();
