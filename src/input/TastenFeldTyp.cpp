#include "input/TastenFeldTyp.h"

#include <algorithm>
#include <iostream>

#include "data/Daten.h"
#include "input/InstrumentFit.h"
#include "lessons/Lektion.h"
#include "music/ChromaTyp.h"
#include "notation/DigitalFeld.h"
#include "platform/Clock.h"
#include "platform/Ui.h"
#include "sound/SoundTyp.h"
#include "state/AntwortEmpfaenger.h"
#include "state/ExerciseState.h"
#include "state/Maus.h"

std::shared_ptr<Image> TastenFeldTyp::Bild;
// Before start-up; StartUp places the field below the counters (placeAtHome).
int TastenFeldTyp::X = 770;
int TastenFeldTyp::Y = 220;
float TastenFeldTyp::Scale = 1.0f;
bool TastenFeldTyp::HatButtons = false;
std::array<ButtonTyp, 21> TastenFeldTyp::Button;
std::array<int, 21> TastenFeldTyp::IstIn{};
std::array<int, 21> TastenFeldTyp::IstFalsch{};
int TastenFeldTyp::WieOftFalsch = 0;
int TastenFeldTyp::ShowAsRichtig = -1;
int TastenFeldTyp::Pressed = -1;
int TastenFeldTyp::Erfolg = 99;
int TastenFeldTyp::Oktave = 0;
std::array<int, 8> TastenFeldTyp::Okt{};
int TastenFeldTyp::DragX = 0;
int TastenFeldTyp::DragY = 0;
bool TastenFeldTyp::zoomPressHeld = false;

void TastenFeldTyp::SetzeStartwerte() {
    Bild.reset();
    X = 770;
    Y = 220;
    Scale = 1.0f;
    HatButtons = false;
    Button = {};
    IstIn = {};
    IstFalsch = {};
    WieOftFalsch = 0;
    ShowAsRichtig = -1;
    Pressed = -1;
    Erfolg = 99;
    Oktave = 0;
    Okt = {};
    DragX = DragY = 0;
    zoomPressHeld = false;
}

namespace {
using T = TastenFeldTyp;

// Where the key caps stand in the picture: cap i = 3r + c has its face at
// (96c + 20, 605 - 80r - 20c), 74 x 57 pixels; each column stands 20 pixels higher than
// the one to its left. The pressed highlight fills exactly this face.
constexpr int kSpalteAbstand = 96, kSpalteLinks = 20, kKappeBreite = 74;
constexpr int kZeileAbstand = 80, kSpalteHub = 20, kKappeOben = 605, kKappeHoehe = 57;

// Practice and examination name the buttons in this octave.
constexpr int kOktaveOhneLernen = 1;

// The usual size at start, and the room kept between the field and the counters above it
// and the window's right edge beside it.
constexpr float kStartScale = 0.7f;
constexpr int kAbstand = 10;

void ensureButtons() {
    if (!T::HatButtons) T::StartUp();
}

void nameButtons() {
    for (int i = 0; i < 21; ++i) {
        ButtonTyp& button = T::Button[i];
        button.Name = ChromaTyp::Name(T::ChromaIn(T::Oktave, i));
        button.TextOffX = ArialNormal ? ArialNormal->textWidth(button.Name) / 2 : 0;
    }
}

// The colour of a button's name: one colour in the examination; else greyed, wrong,
// shown as the right one, or plain.
Colour nameColour(int i) {
    if (Spiel::AktGrade == Spiel::Pruefung) return {1, 1, 1};
    if (T::IstIn[i] == 0) return {151, 151, 151};
    if (T::IstFalsch[i] == 1) return {255, 0, 0};
    if (i == T::ShowAsRichtig) return {0, 155, 0};
    return {1, 1, 1};
}

void drawOctaveSelector(Canvas& canvas, float s) {
    for (int j = 0; j < 8; ++j) {
        const int e = j % 4, h = j / 4;
        canvas.setColour(111, 111, 111);
        canvas.oval((20 * e + 21) * s, (81 - 15 * h - 3 * e) * s, 7, 7);
        if (T::Okt[j] == 1) {
            canvas.setColour(55, 222, 55);
            canvas.oval((20 * e + 23) * s, (83 - 15 * h - 3 * e) * s, 4, 4);
        }
    }
    // A glow on the current octave: rings growing outward, fading with their size.
    const int f = T::Oktave % 4, g = T::Oktave / 4;
    const int cx = 20 * f + 23, cy = 83 - 3 * f - 15 * g;
    canvas.setColour(1, 255, 1);
    for (int k = 1; k <= 7; ++k) {
        canvas.setAlpha(1.0f / k);
        canvas.oval((cx - k) * s, (cy - k) * s, 2 * k, 2 * k);
    }
}

// Picture pixels under a canvas point, cut toward zero; false left of or above the field.
bool toPicture(int canvasX, int canvasY, int& lx, int& ly) {
    const double dx = (canvasX - T::X) / static_cast<double>(T::Scale);
    const double dy = (canvasY - T::Y) / static_cast<double>(T::Scale);
    if (dx < 0 || dy < 0) return false;
    lx = static_cast<int>(dx);
    ly = static_cast<int>(dy);
    return true;
}

// The button of a chroma value: its spelling index, with the bass staff's 100 taken off
// first (a bass value taken modulo 21 as it stands would name another spelling).
int spellingOf(int chroma) {
    const int c = chroma >= 100 ? chroma - 100 : chroma;
    return ((c % 21) + 21) % 21;
}

// 0.5, 0.7, 1.0 and round again; a step the window cannot hold is cut down to fit. The
// field grows and shrinks about its lower right corner: in its place below the counters it
// grows upward over them and shrinks back below them.
void switchSize() {
    const int breite = Ui::mainWindowWidth(), hoehe = Ui::mainWindowHeight();
    const double rechts = T::X + T::kBreite * static_cast<double>(T::Scale);
    const double unten = T::Y + T::kHoehe * static_cast<double>(T::Scale);
    T::Scale = nextZoomStep(T::Scale, {T::kZoomSteps[0], T::kZoomSteps[1], T::kZoomSteps[2]},
                            largestFittingScale(T::kBreite, T::kHoehe, breite, hoehe));
    T::X = static_cast<int>(std::floor(rechts - T::kBreite * static_cast<double>(T::Scale)));
    T::Y = static_cast<int>(std::floor(unten - T::kHoehe * static_cast<double>(T::Scale)));
    T::fitIntoWindow(breite, hoehe);
}
}  // namespace

int TastenFeldTyp::ChromaIn(int oktave, int i) {
    return oktave < 4 ? 21 * oktave + 100 + i : 21 * oktave - 84 + i;
}

int TastenFeldTyp::MidiIn(int oktave, int i) {
    const int offset = ChromaTyp::Chroma[i]._Midi;
    return oktave < 4 ? 24 + 12 * oktave + offset : 12 * oktave + offset;
}

void TastenFeldTyp::StartUp() {
    Bild = LadeBild("Tastenfeld.png");
    if (!Bild) std::cout << "note-name buttons: no picture \"Tastenfeld.png\"" << std::endl;
    placeAtHome(Ui::mainWindowWidth(), Ui::mainWindowHeight());
    for (int i = 0; i < 21; ++i) {
        Button[i] = ButtonTyp{};
        Button[i].Chroma = i;
        Button[i].Midi = 48 + ChromaTyp::Chroma[i]._Midi;
    }
    HatButtons = true;
}

void TastenFeldTyp::SwitchNames() {
    GueltigeOktaveFinden();
    ensureButtons();
    nameButtons();
}

void TastenFeldTyp::GueltigeOktaveFinden() {
    const auto& lektion = Lektion::AktLektion;
    Oktave = ((Oktave % 8) + 8) % 8;
    if (Spiel::AktGrade == Spiel::Lernen) {
        // Advance to an available octave. When the lesson has none (no notes, or a range
        // outside its staff's octaves), the search stops after one full cycle and the field
        // shows octave 4 with every button greyed.
        int schritte = 0;
        while (Okt[Oktave] == 0 && schritte < 8) {
            Oktave = (Oktave + 1) % 8;
            ++schritte;
        }
        const bool keine = schritte == 8;
        if (keine) Oktave = 4;
        for (int i = 0; i < 21; ++i)
            IstIn[i] = !keine && lektion && lektion->IstInLektion(0, ChromaIn(Oktave, i), 0);
        return;
    }
    for (int i = 0; i < 21; ++i) IstIn[i] = lektion && lektion->IstInLektion(0, i, 1) ? 1 : 0;
    Oktave = kOktaveOhneLernen;
}

void TastenFeldTyp::PassendeOktavenFinden(int minMidi, int maxMidi, int system) {
    if (system >= 1 && system <= 3) {
        for (int k = 0; k < 8; ++k) {
            const bool imSystem = system == 3 || (system == 1) == (k >= 4);
            const int tiefste = k <= 3 ? 24 + 12 * k : 12 * k;
            Okt[k] = imSystem && minMidi <= tiefste + 11 && maxMidi >= tiefste ? 1 : 0;
        }
    }
    GueltigeOktaveFinden();
}

void TastenFeldTyp::SetError(int falsch, int richtig) {
    if (falsch == -1) {
        WieOftFalsch = 0;
        IstFalsch.fill(0);
        ShowAsRichtig = -1;
        return;
    }
    WieOftFalsch += 1;
    IstFalsch[spellingOf(falsch)] = 1;
    if (WieOftFalsch >= 2 && Spiel::AktGrade == Spiel::Ueben) ShowAsRichtig = spellingOf(richtig);
}

int TastenFeldTyp::ZoneAt(int lx, int ly) {
    if (lx < 0 || ly < 0 || lx >= kBreite || ly >= kHoehe) return -1;
    // Column: the cap faces of column c span x = 96c + 20 to 96c + 93.
    const int c = lx / kSpalteAbstand;
    const int inSpalte = lx - kSpalteAbstand * c;
    if (c > 2 || inSpalte < kSpalteLinks || inSpalte > kSpalteLinks + kKappeBreite - 1) return -1;
    // Row: t = 669 - (20c + ly), r = t / 80, a hit when 8 <= t - 80r <= 64. The offset
    // 669 is the bottom edge of row 0's face in column 0 (605 + 57 - 1) plus the 8 pixels
    // of the band's lower margin, so the live band of row r runs from the face's bottom
    // edge (t - 80r = 8) to its top edge (64): exactly the face the highlight fills. With
    // 650 and a band up to 69 the live zone sat 19 to 24 pixels above each face. Row 7
    // lands on the octave plate (column 0) and the size button (column 1).
    const int t = (kKappeOben + kKappeHoehe - 1 + 8) - (kSpalteHub * c + ly);
    if (t < 0) return -1;
    const int r = t / kZeileAbstand;
    const int inZeile = t - kZeileAbstand * r;
    if (inZeile < 8 || inZeile > 8 + kKappeHoehe - 1) return -1;
    return 3 * r + c;
}

void TastenFeldTyp::Show(Canvas& canvas) {
    if (Spiel::AktivInstrument != Spiel::Tastenfeld) return;
    ensureButtons();
    if (Button[0].Name.empty()) SwitchNames();
    const float s = Scale;
    const DrawStateGuard guard(canvas);
    canvas.setOrigin(static_cast<float>(X), static_cast<float>(Y));
    canvas.setScale(s, s);
    canvas.setColour(255, 255, 255);
    canvas.setFont(ArialNormal.get());
    canvas.setBlend(Blend::Alpha);
    canvas.setAlpha(1.0f);
    canvas.image(Bild.get(), 0, 0);

    if (Pressed >= 0 && Pressed <= 20) {
        const int r = Pressed / 3, c = Pressed % 3;
        canvas.setColour(1, 1, 1);
        canvas.setAlpha(0.15f);
        canvas.rect((kSpalteAbstand * c + kSpalteLinks) * s,
                    (kKappeOben - kZeileAbstand * r - kSpalteHub * c) * s, kKappeBreite,
                    kKappeHoehe);
        canvas.setAlpha(1.0f);
    }

    for (int i = 0; i < 21; ++i) {
        const int r = i / 3, c = i % 3;
        const Colour farbe = nameColour(i);
        canvas.setColour(farbe.r, farbe.g, farbe.b);
        canvas.text(Button[i].Name, (55 + kSpalteAbstand * c - Button[i].TextOffX) * s,
                    (620 - kZeileAbstand * r - kSpalteHub * c) * s);
    }

    if (Spiel::AktGrade == Spiel::Lernen) drawOctaveSelector(canvas, s);
}

void TastenFeldTyp::Check() {
    // A press that changed the size acts on nothing else until it is released.
    const bool gehalten = Maus::MausLinks != 0 || Maus::MausRechts != 0;
    if (!gehalten) zoomPressHeld = false;
    if (gehalten && zoomPressHeld) return;

    if (Maus::MausLinks == 0 && Maus::MausRechts == 0) {
        Erfolg = 99;
        Pressed = -1;  // the release has already cleared it; a missed release must not stick
        return;
    }
    if (Spiel::AktivInstrument != Spiel::Tastenfeld) return;
    // The grab band runs along the top of the field, across the picture's width only: a
    // press elsewhere on the canvas at the same height must not carry the field away.
    const bool imGriff = Maus::MausY > Y && Maus::MausY < Y + kGriffHoehe * Scale &&
                         Maus::MausX >= X && Maus::MausX < X + kBreite * Scale;
    if (Maus::DragWer == Maus::Tastenfeld || (Maus::DragWer == Maus::Keiner && imGriff)) Drag();
    if (Maus::DragWer != Maus::Keiner) return;

    int lx = 0, ly = 0;
    if (!toPicture(Maus::MausX, Maus::MausY, lx, ly)) return;
    const int index = ZoneAt(lx, ly);
    if (index < 0 || index == Erfolg) return;  // a held zone acts once per press
    Erfolg = index;

    if (index == kZoneGroesse) {
        switchSize();
        zoomPressHeld = true;
        return;
    }
    if (index == kZoneOktave) {
        Oktave = (Oktave + 1) % 8;
        SwitchNames();  // skips the octaves the lesson does not use
        return;
    }
    if (index > 20) return;

    Pressed = index;
    // In learn and see the button sounds its own octave; in practice and examination
    // (octave 1, where only the spelling counts) it sounds the note the staff asks for.
    const int chroma = ChromaIn(Oktave, index);
    const int midi = Spiel::AktGrade == Spiel::Lernen ? MidiIn(Oktave, index)
                                                      : AntwortEmpfaenger::Aktiv().Klang(chroma);
    if (IstIn[index] == 0) return;  // greyed buttons light up but neither sound nor answer
    SoundTyp::AddSound(static_cast<int>(Runtime::millisecs()), midi, 1, 80, 500, 0, 1.0f);
    AntwortEmpfaenger::Aktiv().EmpfangeChroma(chroma, AntwortEmpfaenger::Maus);
}

void TastenFeldTyp::Drag() {
    if (Maus::DragWer == Maus::Keiner) {
        Maus::DragWer = Maus::Tastenfeld;
        DragX = Maus::MausX;
        DragY = Maus::MausY;
        return;
    }
    if (Maus::DragWer != Maus::Tastenfeld) return;
    X += Maus::MausX - DragX;
    Y += Maus::MausY - DragY;
    DragX = Maus::MausX;
    DragY = Maus::MausY;
    fitIntoWindow(Ui::mainWindowWidth(), Ui::mainWindowHeight());
}

void TastenFeldTyp::fitIntoWindow(int breite, int hoehe) {
    Scale = std::min(Scale, largestFittingScale(kBreite, kHoehe, breite, hoehe));
    X = keepBetween(X, 0, highestPosition(kBreite * static_cast<double>(Scale), breite));
    Y = keepBetween(Y, 0, highestPosition(kHoehe * static_cast<double>(Scale), hoehe));
}

void TastenFeldTyp::placeAtHome(int breite, int hoehe) {
    const CounterArea zaehler = countersOn(breite);
    Y = zaehler.bottom + kAbstand;
    const float raum = largestFittingScale(kBreite, kHoehe, breite, hoehe - Y);
    Scale = std::min(kStartScale, raum);
    X = breite - kAbstand - static_cast<int>(std::ceil(kBreite * Scale));
    fitIntoWindow(breite, hoehe);
}
