#include "input/TastenFeldTyp.h"

float TastenFeldTyp::Scale = 1.0f;
int TastenFeldTyp::Pressed = -1;

// The buttons arrive with the note-name entry; until then there are no octaves to keep.
void TastenFeldTyp::PassendeOktavenFinden(int, int, int) {}

void TastenFeldTyp::Reset() {
    Scale = 1.0f;
    Pressed = -1;
}
