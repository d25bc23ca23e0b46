#include "notation/Note.h"

#include <iostream>

#include "data/Daten.h"
#include "music/ChromaTyp.h"
#include "notation/NotenFenster.h"
#include "state/ExerciseState.h"

std::shared_ptr<Image> Note::NotenBild;
std::shared_ptr<Image> Note::BalkenBild;
std::shared_ptr<Note> Note::Vornote;
std::function<NotenFenster*()> Note::HauptFenster;
std::function<bool()> Note::ZweiHandLektion;

namespace {

NotenFenster* mainStaff() {
    return Note::HauptFenster ? Note::HauptFenster() : nullptr;
}

bool twoHandLesson() {
    return Note::ZweiHandLektion && Note::ZweiHandLektion();
}

// The chroma value without the bass offset; above 90 it names a rest.
int withoutBassOffset(int chroma) {
    return chroma > 100 ? chroma - 100 : chroma;
}

}  // namespace

void Note::StartUp() {
    NotenBild = LadeBild("Noten.png", 60, 140, 18);
    BalkenBild = LadeBild("Balken.png", 80, 120, 10);
}

void Note::SetzeStartwerte() {
    NotenBild.reset();
    BalkenBild.reset();
    Vornote.reset();
    HauptFenster = nullptr;
    ZweiHandLektion = nullptr;
}

int Note::CreateMe(int chroma, int lang, float x, const std::array<int, 9>& /*vorzeichen*/,
                   int taktPos) {
    if (chroma < 0) return 0;
    Aktiv = 1;
    ChromaEcht = chroma;
    Name = ChromaTyp::Name(chroma);
    X = x;
    TaktPos = taktPos;
    Lang = lang;
    placePitch(chroma);
    VorZeichen = 0;
    if (!IstPauseWert()) decideAccidental();
    Hals = Y >= 13 ? 1 : 0;
    BalkenNr = 0;
    if (!IstPauseWert() && Lang == 1) IstEineAchtel();
    chooseCell();
    makeRoomAfterFlag();
    Vornote = weak_from_this().lock();
    if (!Vornote)
        std::cout << "note: a note placed outside a shared pointer cannot be beamed to"
                  << std::endl;
    return VorZeichen;
}

// Staff step, pitch and staff of the chroma value; a value above 90 (without the bass
// offset) is a rest.
void Note::placePitch(int chroma) {
    System = chroma > 100 ? 1 : 0;
    ChromaPos = withoutBassOffset(chroma);
    Y = IstPauseWert() ? 30 : ChromaTyp::Y(chroma);
    EchtMidi = IstPauseWert() ? 0 : ChromaTyp::Midi(chroma);
}

// An accidental right after an up-stem flag needs room: the note and the write position
// of the main staff move on.
void Note::makeRoomAfterFlag() {
    if (!Vornote || Vornote->BildNr != kAchtelHoch || VorZeichen == 0) return;
    X += 20;
    if (NotenFenster* staff = mainStaff()) staff->SchreibX += 20;
}

// What the bar already holds at this step decides what must be printed; a printed
// accidental holds from then on for the rest of the bar.
void Note::decideAccidental() {
    const int own = ChromaTyp::Vorzeichen(ChromaEcht);
    NotenFenster* staff = mainStaff();
    const int valid = staff ? staff->FrageVersetzung(Y, System) : 0;
    if (valid == own) return;
    if (staff) staff->SetzeVersetzung(Y, System, own);
    VorZeichen = own == 0 ? 3 : own;
}

void Note::IstEineAchtel() {
    const bool secondOfBeat = TaktPos % 2 == 1;
    const bool afterEighth = Vornote && Vornote->Lang == 1 && !Vornote->IstPause();
    const int d = afterEighth ? Y - Vornote->Y : 99;
    if (secondOfBeat && d >= -4 && d <= 4) {
        Hals = Vornote->Y + Y > 25 ? 1 : 0;
        Vornote->Hals = Hals;
        BalkenNr = d == 0 ? 8 : d > 0 ? d - 1 : 3 - d;
        BildNr = kViertelHoch + Hals;
        Vornote->BildNr = kViertelHoch + Hals;
    } else {
        BildNr = kAchtelHoch + Hals;
        BalkenNr = kKeinBalken;
    }
}

void Note::chooseCell() {
    if (IstPauseWert()) {
        BildNr = Lang == 2   ? kViertelPause
                 : Lang == 4 ? kHalbePause
                 : Lang == 8 ? kGanzePause
                             : kLeer;
        return;
    }
    switch (Lang) {
        case 8:
            BildNr = kGanze;
            break;
        case 4:
            BildNr = kHalbeHoch + Hals;
            break;
        case 1:
            break;  // the eighth-note rule chose it
        default:    // a quarter, and any length without a symbol of its own
            BildNr = kViertelHoch + Hals;
            break;
    }
}

float Note::cellTop(int abstand) const {
    const int y0 = System == 1 ? abstand : 0;
    return static_cast<float>(y0 + 171 - 10 * Y);
}

void Note::DrawOne(Canvas& canvas, float scale, int abstand, int systeme) const {
    DrawStateGuard guard(canvas);
    canvas.setBlend(Blend::Alpha);
    canvas.setAlpha(Aktiv == 0 ? 0.45f : 1.0f);
    canvas.setColour(1, 1, 1);
    const float x = X * scale;
    if (IstPause()) {
        const int y0 = System == 1 ? abstand : 0;
        canvas.image(NotenBild.get(), x, static_cast<float>(y0 + 41) * scale, BildNr);
        return;
    }
    const float top = cellTop(abstand);
    if (ErrorCheck == 1) {
        // A note answered wrongly stands on a red mark until it is answered rightly.
        DrawStateGuard mark(canvas);
        canvas.setColour(230, 40, 40);
        canvas.setAlpha(Aktiv == 0 ? 0.25f : 0.55f);
        canvas.oval((X - 6) * scale, (top + 57) * scale, 36, 26);
    }
    if (VorZeichen > 0)
        canvas.image(NotenBild.get(), (X - 20) * scale, top * scale, VorZeichen + 8);
    DrawHilfsLinien(canvas, scale, abstand);
    if (Lang == 1 && TaktPos % 2 == 1 && BalkenNr <= 8) {
        const bool up = Hals == 0;
        canvas.image(BalkenBild.get(), x + 1 - (up ? 53 : 75), (top + (up ? -56 : 75)) * scale,
                     BalkenNr);
    }
    canvas.image(NotenBild.get(), x, top * scale, BildNr);

    if (systeme == 3 && Spiel::AktGrade != Spiel::Lernen && !twoHandLesson()) {
        const int cell = restCellForOtherStaff();
        const int y = System == 1 ? 41 : abstand + 41;
        canvas.setAlpha(0.5f);
        canvas.image(NotenBild.get(), x, static_cast<float>(y) * scale, cell);
    }
}

int Note::restCellForOtherStaff() const {
    switch (Lang) {
        case 2:
            return kViertelPause;
        case 4:
            return kHalbePause;
        case 8:
            return kGanzePause;
        case 1:
            return TaktPos % 2 == 0 ? kViertelPause : kLeer;
        default:
            return kLeer;
    }
}

void Note::DrawHilfsLinien(Canvas& canvas, float scale, int abstand) const {
    if (Y >= 8 && Y <= 18) return;
    const int y0 = System == 1 ? abstand : 0;
    const bool whole = BildNr == kGanze;
    const float width = static_cast<float>(static_cast<int>((whole ? 50 : 40) * scale));
    const float left = (X - (whole ? 5 : 8)) * scale;
    auto ledger = [&](int step) {
        canvas.rect(left, static_cast<float>(y0 + 240 - 10 * step) * scale, width, 1);
    };
    DrawStateGuard guard(canvas);
    canvas.setScale(1, 1);
    if (Y < 8)
        for (int step = 7; Y <= step; step -= 2) ledger(step);
    else
        for (int step = 19; step <= Y; step += 2) ledger(step);
}
