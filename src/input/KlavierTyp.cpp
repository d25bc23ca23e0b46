#include "input/KlavierTyp.h"

int KlavierTyp::OktavTranspose = 24;
int KlavierTyp::TastaturX = 120;
int KlavierTyp::TastaturY = 500;
float KlavierTyp::Scale = 1.0f;

void KlavierTyp::Reset() {
    OktavTranspose = 24;
    TastaturX = 120;
    TastaturY = 500;
    Scale = 1.0f;
}

// The keyboard pictures and keys arrive with the on-screen piano; until then the range
// is not kept.
void KlavierTyp::PassendeTastatur(int, int) {}
void KlavierTyp::Check() {}
void KlavierTyp::Draw(Canvas&) {}
