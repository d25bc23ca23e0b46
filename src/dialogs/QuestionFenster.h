#pragma once
// The mouse test: eleven clicks on whichever of three buttons reads "{{HERE}}". The ten
// intervals between them, divided by 20, are the learner's mouse time: the time credit a
// right answer on the on-screen piano earns. A stored time only ever improves, except
// that one below 99 is always replaced.

#include <cstdint>
#include <string>

#include "platform/Gadget.h"

struct QuestionFenster {
    static constexpr int KLICKS = 11;  // counted clicks on "{{HERE}}" that make one test

    static Gadget* Window;
    static Gadget* Label;
    static Gadget* Button1;
    static Gadget* Button2;
    static Gadget* Button3;
    static int Oft;           // clicks on "{{HERE}}" counted so far, 0 to 10
    static int64_t MessZeit;  // program clock at the first counted click, ms
    static int VorZufall;     // the button (1 to 3) that read "{{HERE}}" last

    static void FormLoad();
    // Opens the test with the main window disabled and "{{HERE}}" on a new button.
    static void Show();
    static void ButtonZufall();
    static void Event(Gadget* source);
    static void SetzeStartwerte();
};

// The mouse time a finished test gives, from the clock at its first and last click.
int MausZeitAusMessung(int64_t erster, int64_t letzter);
// Whether a measured time replaces the learner's stored one (0: none stored).
bool ErsetztGespeicherteMausZeit(int gespeichert, int neu);
