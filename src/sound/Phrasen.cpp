#include "sound/Phrasen.h"

#include "platform/Clock.h"
#include "sound/SoundTyp.h"

int Phrasen::ZeitDistanz = 0;

namespace {
// Each event reads the clock itself, so the times of one phrase agree to a millisecond.
int Jetzt() {
    return int(Runtime::millisecs());
}
}  // namespace

void PlayAkkord(int a, int b, int c, int d, int delay, int) {
    SoundTyp::AddSound(Jetzt() + delay, a + 24, SoundTyp::MidiOutKanal, 80, 1000);
    Phrasen::ZeitDistanz = 250;
    const int abstand = Phrasen::ZeitDistanz;
    SoundTyp::AddSound(Jetzt() + delay, a + 36, 1, 50, abstand);
    SoundTyp::AddSound(Jetzt() + delay + abstand, b + 36, 1, 80, abstand);
    SoundTyp::AddSound(Jetzt() + delay + 2 * abstand, c + 36, 1, 80, abstand);
    SoundTyp::AddSound(Jetzt() + delay + 3 * abstand, d >= 1 ? d + 36 : a + 48, 1, 80, abstand);
}

void PlayTonleiter() {
    const int noten[] = {48, 50, 52, 55, 57, 60};
    for (int i = 0; i < 6; ++i)
        SoundTyp::AddSound(Jetzt() + 100 + 300 * i, noten[i], SoundTyp::MidiOutKanal, 80, 250);
}
