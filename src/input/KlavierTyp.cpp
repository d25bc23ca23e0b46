#include "input/KlavierTyp.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "data/Daten.h"
#include "input/InstrumentFit.h"
#include "input/KeyboardPicture.h"
#include "lessons/Lektion.h"
#include "platform/Clock.h"
#include "platform/Ui.h"
#include "settings/IniClass.h"
#include "sound/SoundTyp.h"
#include "state/AntwortEmpfaenger.h"
#include "state/ExerciseState.h"
#include "state/Maus.h"

std::list<KlavierTyp> KlavierTyp::Liste;
std::vector<KlavierTyp*> KlavierTyp::VerbotenListe;
KlavierTyp* KlavierTyp::FirstLeft = nullptr;
KlavierTyp* KlavierTyp::FirstRight = nullptr;
bool KlavierTyp::SpanneBerechnet = false;
KlavierTyp* KlavierTyp::Letzt = nullptr;
int KlavierTyp::LastMidi = -1;
int KlavierTyp::Erfolg = 0;
std::string KlavierTyp::KeyboardTyp;
int KlavierTyp::Oktaven = 0;
int KlavierTyp::OktavTranspose = 24;
int KlavierTyp::MiddleC = -1;
int KlavierTyp::TastaturX = 120;
int KlavierTyp::TastaturY = 500;
int KlavierTyp::TastaturB = 0;
float KlavierTyp::Scale = 1.0f;
int KlavierTyp::locMausX = 0;
int KlavierTyp::locMausY = 0;
int KlavierTyp::DragX = 0;
int KlavierTyp::DragY = 0;
bool KlavierTyp::zoomPressHeld = false;
std::shared_ptr<Image> KlavierTyp::Tastatur;
std::shared_ptr<Image> KlavierTyp::CF;
std::shared_ptr<Image> KlavierTyp::C_only;
std::shared_ptr<Image> KlavierTyp::CF2;
std::shared_ptr<Image> KlavierTyp::EH;
std::shared_ptr<Image> KlavierTyp::EH2;
std::shared_ptr<Image> KlavierTyp::CIS;
int64_t KlavierTyp::ShowVerboteneTasten = 0;

void KlavierTyp::SetzeStartwerte() {
    Liste.clear();
    VerbotenListe.clear();
    FirstLeft = FirstRight = Letzt = nullptr;
    SpanneBerechnet = false;
    LastMidi = -1;
    Erfolg = 0;
    KeyboardTyp.clear();
    Oktaven = 0;
    OktavTranspose = 24;
    MiddleC = -1;
    TastaturX = 120;
    TastaturY = 500;
    TastaturB = 0;
    Scale = 1.0f;
    locMausX = locMausY = DragX = DragY = 0;
    zoomPressHeld = false;
    Tastatur = CF = C_only = CF2 = EH = EH2 = CIS = nullptr;
    ShowVerboteneTasten = 0;
}

namespace {
using namespace KeyboardPicture;

int64_t now() {
    return Runtime::millisecs();
}

// The twelve keys of an octave from C: type, offset and label.
struct TastenArt {
    int typ, xadd;
    const char* name;
};
constexpr TastenArt kTabelle[12] = {{0, 1, "C-H#"},   {2, 13, "C#-Db"}, {1, -2, "D-D"},
                                    {2, 15, "D#-Eb"}, {1, 0, "E-Fb"},   {0, 1, "F-E#"},
                                    {2, 13, "F#-Gb"}, {1, -2, "G-G"},   {2, 14, "G#-Ab"},
                                    {1, -1, "A-A"},   {2, 15, "A#-Bb"}, {1, 0, "H-Cb"}};
// Columns of the twelve keys of one octave pattern, from its first key.
constexpr int kSpaltenC[12] = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};  // C to B
constexpr int kSpaltenF[12] = {0, 0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6};  // F to E

bool IstCoderF(const KlavierTyp& taste) {
    return taste.Midi % 12 == 0 || taste.Midi % 12 == 5;
}

bool IstEoderB(const KlavierTyp& taste) {
    return taste.Midi % 12 == 4 || taste.Midi % 12 == 11;
}

// The lesson uses this note.
bool InLektion(int midi) {
    return Lektion::AktLektion && Lektion::AktLektion->IstInLektion(midi, 0, 0) != 0;
}

std::shared_ptr<Image> Bild(const std::string& name) {
    std::shared_ptr<Image> bild = LadeBild(name);
    if (!bild) std::cout << "piano: the picture " << name << " is missing" << std::endl;
    return bild;
}

}  // namespace

void KlavierTyp::PassendeTastatur(int minMidi, int maxMidi) {
    const int lo = minMidi <= 53 ? minMidi - 5 : 48;
    const int hi = maxMidi >= 67 ? maxMidi + 5 : 72;
    TastaturX = 200;
    TastaturY = 500;
    if (IniClass::Value("", "Allgemein", "KurzesKlavier") == 0) {
        Create(6, 24);  // C1 to C7
        fitIntoWindow(Ui::mainWindowWidth(), Ui::mainWindowHeight());
        return;
    }
    const int c = 12 * (lo / 12);                  // the C at or below lo
    const int start = lo - c < 5 ? c - 7 : c + 5;  // the F at or below lo
    if (hi - start <= 37) {
        Create(3, 12 * (start / 12));  // three octaves from that F
    } else if (hi - c <= 49) {
        Create(4, c);
    } else {
        Create(5, 24);  // F1 to F6
    }
    fitIntoWindow(Ui::mainWindowWidth(), Ui::mainWindowHeight());
}

void KlavierTyp::Create(int octaves, int lowMidi) {
    if (octaves < 3 || octaves > 6) {
        std::cout << "piano: no keyboard of " << octaves << " octaves; building "
                  << std::clamp(octaves, 3, 6) << std::endl;
        octaves = std::clamp(octaves, 3, 6);
    }
    OktavTranspose = std::max(lowMidi, 24);
    FirstLeft = FirstRight = Letzt = nullptr;
    SpanneBerechnet = false;
    VerbotenListe.clear();
    Liste.clear();
    MiddleC = -1;
    Oktaven = octaves;
    const bool abC = octaves == 4 || octaves == 6;
    KeyboardTyp = abC ? "C" : "F";
    for (int o = 0; o < octaves; ++o) {
        for (int k = 0; k < 12; ++k) {
            const int halbton = abC ? k : k + 5;
            const TastenArt& art = kTabelle[halbton % 12];
            CreateOne(7 * o + (abC ? kSpaltenC[k] : kSpaltenF[k]), art.xadd, art.typ,
                      12 * o + halbton, art.name);
        }
    }
    Letzt = CreateOne(7 * octaves, 1, 0, 12 * octaves + (abC ? 0 : 5), "C-H#");

    const std::string name = "Tastatur" + std::to_string(octaves) + ".png";
    Tastatur = Bild(name);
    // Without the picture the keys keep their places.
    TastaturB = Tastatur ? Tastatur->width() : KeyboardPicture::width(octaves);
    CF = Bild("CFdown4.png");
    C_only = Bild("Clinksdown.png");
    CF2 = Bild("CFdown3.png");
    EH = Bild("EHdown4.png");
    EH2 = Bild("EHdown3.png");
    CIS = Bild("SchwarzDown2.png");
}

KlavierTyp* KlavierTyp::CreateOne(int X, int Xadd, int Typ, int semitone, const std::string& Name) {
    KlavierTyp& taste = Liste.emplace_back();
    taste.X = X;
    taste.Xadd = Xadd;
    taste.Typ = Typ;
    taste.Midi = OktavTranspose + semitone;
    taste.Name = Name;
    if (taste.Midi == 60) MiddleC = X;
    return &taste;
}

void KlavierTyp::FindeErlaubte() {
    FirstLeft = FirstRight = nullptr;
    VerbotenListe.clear();
    SpanneBerechnet = true;
    for (KlavierTyp& taste : Liste) taste.PermanentAus = 0;
    if (Liste.empty()) return;

    KlavierTyp* gemerkt = nullptr;
    KlavierTyp* tiefste = nullptr;
    for (KlavierTyp& taste : Liste) {
        if (IstCoderF(taste)) gemerkt = &taste;
        if (InLektion(taste.Midi)) {
            FirstLeft = gemerkt;
            tiefste = &taste;
            break;
        }
    }
    gemerkt = &Liste.back();
    KlavierTyp* hoechste = nullptr;
    for (auto it = Liste.rbegin(); it != Liste.rend(); ++it) {
        if (IstEoderB(*it)) gemerkt = &*it;
        if (InLektion(it->Midi)) {
            FirstRight = gemerkt;
            hoechste = &*it;
            break;
        }
    }
    if (!FirstLeft || !FirstRight) {
        // No note of the lesson lies on this keyboard: no span, every key plays.
        FirstLeft = FirstRight = nullptr;
        std::cout << "piano: no note of the lesson lies on the keyboard" << std::endl;
        return;
    }
    bool drin = false;
    for (KlavierTyp& taste : Liste) {
        if (&taste == FirstLeft) drin = true;
        if (drin && !InLektion(taste.Midi)) {
            VerbotenListe.push_back(&taste);
            const bool zwischen = taste.Midi > tiefste->Midi && taste.Midi < hoechste->Midi;
            if (!zwischen) taste.PermanentAus = 1;
        }
        if (&taste == FirstRight) break;
    }
}

bool KlavierTyp::Erlaubt(int midi) {
    if (!SpanneBerechnet) FindeErlaubte();
    if (!FirstLeft) return true;
    return InLektion(midi);
}

void KlavierTyp::Draw(Canvas& canvas) {
    if (Spiel::AktivInstrument != Spiel::Klavier || Liste.empty()) return;
    const float s = Scale;
    auto x = [s](float a) { return TastaturX + a * s; };
    auto y = [s](float b) { return TastaturY + b * s; };
    const DrawStateGuard guard(canvas);

    // The shadow, in three pieces.
    canvas.setAlpha(1.0f);
    canvas.setBlend(Blend::Alpha);
    canvas.setColour(3, 3, 3);
    canvas.setScale(s, s);
    const int links = static_cast<int>(TastaturX - ORIGIN_X * s);
    const float rechts = links + s * TastaturB;
    const float unten = TastaturY + PICTURE_BOTTOM * s;
    const Image* schatten = Schatten.get();
    canvas.imagePart(schatten, rechts, TastaturY, 85, PICTURE_BOTTOM, 615, 0, 85, 200);
    canvas.imagePart(schatten, rechts, unten, 85, 50, 615, 200, 85, 50);
    canvas.imagePart(schatten, links, unten, TastaturB, 50, 0, 200, 615, 50);

    // The keyboard and its pressed key.
    canvas.setColour(255, 255, 255);
    canvas.image(Tastatur.get(), TastaturX - ORIGIN_X * s, TastaturY - ORIGIN_Y);
    for (const KlavierTyp& taste : Liste)
        if (taste.On == 1) taste.DrawOne(canvas);

    if (!SpanneBerechnet) FindeErlaubte();
    canvas.setColour(155, 155, 155);
    // The veils reach down to the row below the white keys, and from the dark well left
    // of the first key to 2 pixels short of the first key of the span; the right one from
    // the end of the span to the well right of the top key.
    const int schleierHoch = WHITE_LENGTH + 1;
    if (FirstLeft && FirstRight) {
        // Veils over the keys outside the lesson's span. Above the top key there is no
        // key left to veil.
        canvas.setAlpha(0.8f);
        canvas.rect(TastaturX, y(KEYS_TOP), WHITE_W * FirstLeft->X + WHITE_LEFT - 2, schleierHoch);
        const int spanneEnde = WHITE_W * FirstRight->X + WHITE_LEFT + WHITE_W;
        const int wellRechts = keyX(TastaturB - RIGHT_CHEEK + 1);
        if (FirstRight != &Liste.back())
            canvas.rect(x(spanneEnde), y(KEYS_TOP), wellRechts - spanneEnde, schleierHoch);
    }

    // Greyed keys inside the span: for good, or fading after a press on one of them.
    const int64_t jetzt = now();
    const float f = jetzt < ShowVerboteneTasten
                        ? std::min(0.8f, (ShowVerboteneTasten - jetzt) / 10000.0f)
                        : 0.0f;
    for (const KlavierTyp* taste : VerbotenListe) {
        const float alpha = taste->PermanentAus == 1 ? 0.8f : f;
        if (alpha <= 0.0f) continue;
        canvas.setAlpha(alpha);
        const int X = taste->X;
        if (taste->Typ == 2) {
            // The black key's face, inside its bevels.
            canvas.rect(x(WHITE_W * X + taste->Xadd + BLACK_LEFT + 1), y(KEYS_TOP), BLACK_W - 3,
                        BLACK_LENGTH - 1);
            continue;
        }
        // The wide lower part, inside the gaps to the neighbours.
        const int links = WHITE_W * X + WHITE_LEFT;
        canvas.rect(x(links), y(BLACK_END), WHITE_W - 2, WHITE_BOTTOM - BLACK_BOTTOM);
        // The narrow upper part between the black keys. Its offset scales with the keys;
        // unscaled, it would leave a strip of the key bare at 1.5 and 2.
        int versatz = 5, breite = 8;  // D, G, A
        if (IstCoderF(*taste)) versatz = 0, breite = 12;
        if (IstEoderB(*taste)) versatz = 8, breite = 12;
        canvas.rect(x(links + versatz), y(KEYS_TOP), breite, BLACK_LENGTH);
    }

    // A dot on the felt marks middle C.
    canvas.setAlpha(1.0f);
    if (MiddleC >= 0) {
        canvas.setColour(55, 255, 55);
        canvas.rect(x(WHITE_W * MiddleC + WHITE_LEFT + MIDDLE_C_DOT_IN_KEY),
                    y(keyY(MIDDLE_C_DOT_TOP)), MIDDLE_C_DOT_SIZE, MIDDLE_C_DOT_SIZE);
    }
}

void KlavierTyp::DrawOne(Canvas& canvas) const {
    auto bild = [&canvas](const std::shared_ptr<Image>& image, float a, float b) {
        canvas.image(image.get(), TastaturX + a * Scale, TastaturY + b * Scale);
    };
    // The overlays lie against the key's left edge as the key table's offset places it,
    // and along its right edge: over the full length of an E or B, along the wide lower
    // part of the others.
    const int spalte = WHITE_W * X;
    if (Typ == 2) {
        bild(CIS, spalte + Xadd + BLACK_LEFT, KEYS_TOP);
        return;
    }
    if (Typ == 0) {  // C or F
        if (X == 0)
            bild(C_only, Xadd - 1, KEYS_TOP);
        else
            bild(CF, spalte + Xadd - 1, KEYS_TOP);
        bild(CF2, spalte + Xadd + WHITE_W - 1, BLACK_END);
        return;
    }
    bild(EH, spalte + Xadd - 1, KEYS_TOP);
    const int imOktave = X % 7;
    const bool eOderB =
        KeyboardTyp == "C" ? imOktave == 2 || imOktave == 6 : imOktave == 3 || imOktave == 6;
    if (eOderB)
        bild(EH2, spalte + WHITE_W, KEYS_TOP);
    else
        bild(CF2, spalte + WHITE_W, BLACK_END);  // D, G, A
}

void KlavierTyp::Check() {
    if (Spiel::AktivInstrument != Spiel::Klavier || !Letzt) return;
    Erfolg = Letzt->On;
    Letzt->On = 0;  // released unless the pointer presses it again below
    if (Maus::MausLinks + Maus::MausRechts == 0) {
        zoomPressHeld = false;
        return;
    }
    if (zoomPressHeld) return;

    // The grab band along the top.
    if (Maus::DragWer == Maus::Klavier ||
        (Maus::DragWer == Maus::Keiner && TastaturY < Maus::MausY &&
         Maus::MausY < TastaturY + GRAB_BAND))
        Drag();
    if (Maus::DragWer != Maus::Keiner) return;

    if (Maus::MausX < TastaturX) {
        // The size button on the left panel. Its place moves with the scale, so a held
        // press changes the scale once.
        locMausX = static_cast<int>((Maus::MausX - TastaturX) / Scale);
        locMausY = static_cast<int>((Maus::MausY - TastaturY) / Scale);
        if (locMausX <= keyX(SIZE_ZONE_RIGHT) && locMausX >= keyX(SIZE_ZONE_LEFT) &&
            locMausY >= keyY(SIZE_ZONE_TOP) && locMausY <= keyY(SIZE_ZONE_BOTTOM)) {
            // The keyboard grows and shrinks about its lower left corner, where the size
            // button is: it stays near the pointer, and the keyboard on the window's floor.
            const int breite = Ui::mainWindowWidth(), hoehe = Ui::mainWindowHeight();
            const double links = TastaturX - ORIGIN_X * Scale;
            const double unten = TastaturY - ORIGIN_Y + H * Scale;
            Scale = nextZoomStep(Scale, {kZoomSteps[0], kZoomSteps[1], kZoomSteps[2]},
                                 largestFittingScale(TastaturB, H, breite, hoehe));
            TastaturX = static_cast<int>(std::lround(links + ORIGIN_X * Scale));
            TastaturY = static_cast<int>(std::lround(unten - H * Scale + ORIGIN_Y));
            fitIntoWindow(breite, hoehe);
            zoomPressHeld = true;
            std::cout << "piano: scale " << Scale << std::endl;
        }
        return;
    }
    if (Maus::MausX > TastaturX + TastaturB * Scale || Maus::MausY < TastaturY ||
        Maus::MausY > TastaturY + H * Scale)
        return;

    locMausX = static_cast<int>((Maus::MausX - TastaturX - HIT_ORIGIN_X) / Scale);
    locMausY = static_cast<int>((Maus::MausY - TastaturY) / Scale - HIT_ORIGIN_Y);
    Letzt->On = Erfolg;
    Erfolg = 0;
    LastMidi = -1;
    if (locMausY <= 0) {
        Letzt->On = 0;
        return;
    }

    // Black keys first: where they overlap a white key, they win.
    KlavierTyp* getroffen = nullptr;
    for (int typ : {2, 0}) {
        for (KlavierTyp& taste : Liste) {
            if ((taste.Typ == 2) != (typ == 2)) continue;
            if (taste.CheckOne()) {
                getroffen = &taste;
                break;
            }
        }
        if (getroffen) break;
    }
    if (getroffen) {
        for (KlavierTyp& taste : Liste) {
            if (&taste != Letzt && taste.On == 1) {
                taste.On = 0;  // the key pressed before
                break;
            }
        }
    }
    if (LastMidi >= 0 && (Erlaubt(LastMidi) || Spiel::AktGrade == Spiel::Pruefung))
        AntwortEmpfaenger::Aktiv().EmpfangeNote(LastMidi, AntwortEmpfaenger::Maus);
    if (!getroffen) Letzt->On = 0;
}

bool KlavierTyp::CheckOne() {
    const int links = WHITE_W * X + (Typ == 2 ? Xadd : 0);
    const int breite = Typ == 2 ? BLACK_W : WHITE_W;
    const int laenge = Typ == 2 ? BLACK_LENGTH : WHITE_LENGTH;
    const bool getroffen = links < locMausX && locMausX < links + breite && locMausY < laenge;
    if (!getroffen) return false;
    if (On == 0) {
        On = 1;
        LastMidi = Midi;
        Letzt = this;
        if (Erlaubt(Midi) || Spiel::AktGrade == Spiel::Pruefung)
            SoundTyp::AddSound(static_cast<int>(now()), Midi, 1, 80, 500, 0, 1.0f);
        else
            ShowVerboteneTasten = now() + 10000;
    }
    Erfolg = 1;
    return true;
}

void KlavierTyp::Drag() {
    if (Maus::DragWer == Maus::Keiner) {
        Maus::DragWer = Maus::Klavier;
        DragX = Maus::MausX;
        DragY = Maus::MausY;
        return;
    }
    if (Maus::DragWer != Maus::Klavier) return;
    TastaturX += Maus::MausX - DragX;
    TastaturY += Maus::MausY - DragY;
    fitIntoWindow(Ui::mainWindowWidth(), Ui::mainWindowHeight());
    DragX = Maus::MausX;
    DragY = Maus::MausY;
}

void KlavierTyp::fitIntoWindow(int breite, int hoehe) {
    if (TastaturB <= 0) {  // no keyboard yet: only its origin
        TastaturX = keepInsideWindow(TastaturX, breite);
        TastaturY = keepInsideWindow(TastaturY, hoehe);
        return;
    }
    Scale = std::min(Scale, largestFittingScale(TastaturB, H, breite, hoehe));
    // The picture spans x from TastaturX - ORIGIN_X * Scale over TastaturB * Scale, and y
    // from TastaturY - ORIGIN_Y (unscaled) over H * Scale.
    const double s = Scale;
    TastaturX = keepBetween(TastaturX, lowestPosition(ORIGIN_X * s),
                            highestPosition((TastaturB - ORIGIN_X) * s, breite));
    TastaturY =
        keepBetween(TastaturY, lowestPosition(ORIGIN_Y), highestPosition(H * s - ORIGIN_Y, hoehe));
}
