#include "state/AntwortEmpfaenger.h"

namespace {
class Niemand : public AntwortEmpfaenger {
  public:
    void EmpfangeNote(int, int) override {}
    void EmpfangeChroma(int, int) override {}
    void EmpfangeMidi(std::list<MidiMessageTyp>& wartend) override { wartend.clear(); }
};

Niemand niemand;
AntwortEmpfaenger* installiert = nullptr;
}  // namespace

void AntwortEmpfaenger::EmpfangeMidi(std::list<MidiMessageTyp>& wartend) {
    while (!wartend.empty()) {
        MidiMessageTyp message = wartend.front();
        wartend.pop_front();
        if (message.Typ != 9) continue;
        if (message.Volume >= 2) EmpfangeNote(message.Note, MidiTastatur);
        return;  // one note-on per tick; what follows waits for the next
    }
}

AntwortEmpfaenger& AntwortEmpfaenger::Aktiv() {
    return installiert ? *installiert : niemand;
}

AntwortEmpfaenger* AntwortEmpfaenger::Installiere(AntwortEmpfaenger* empfaenger) {
    AntwortEmpfaenger* vorher = installiert;
    installiert = empfaenger;
    return vorher;
}

void AntwortEmpfaenger::SetzeStartwerte() {
    installiert = nullptr;
}
