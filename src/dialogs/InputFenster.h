#pragma once
// The input window: the learner's first name at every start (mode 0), or a teacher's
// hand code (mode 1). It has no close box: the learner leaves it only with a name it
// accepts, which is three or more letters A to Z.

#include <array>
#include <string>

#include "platform/Gadget.h"

struct InputFenster {
    static constexpr int BUT_OK = 0;
    static constexpr int MODE_NAME = 0, MODE_CODE = 1;

    static Gadget* Window;
    static Gadget* Label;     // the prompt
    static Gadget* TextFeld;  // the name or the code
    static Gadget* Hinweis;   // under the field: which names are accepted
    static std::array<Gadget*, 3> Button;
    static int WasIstZuSehen;  // MODE_NAME or MODE_CODE

    // Takes a code typed in code mode, in capitals; the code-analysis module joins it.
    // None: the code is not analysed and the window stays open.
    static void (*CheckCode)(const std::string& code);

    static void FormLoad();
    // Mode 0: the name prompt, the field filled with the last name. Mode 1: the code
    // prompt, an empty field. Any other mode keeps prompt and field as they are.
    static void ShowAs(int mode);
    static void Event(Gadget* source);
    // Accepts a first name of three or more letters A-Z: stores it as "User", reads the
    // learner's mouse time, closes the window and, for a learner never measured, starts
    // the mouse test. Any other name leaves the window open.
    static void CheckUserInput(const std::string& name);
    static void SetzeStartwerte();
};

// Whether a first name is one the input window accepts.
bool IstGueltigerVorname(const std::string& name);
