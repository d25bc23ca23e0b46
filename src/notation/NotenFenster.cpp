#include "notation/NotenFenster.h"

#include <algorithm>
#include <iostream>

#include "data/Daten.h"
#include "music/Tonart.h"
#include "state/ExerciseState.h"

std::shared_ptr<Image> NotenFenster::NotenBild;
std::string NotenFenster::HeadLine;
std::string NotenFenster::NameLine;
std::string NotenFenster::NameText;
int NotenFenster::NameUnten = 0;
int NotenFenster::VorTaktpos = 0;
std::function<std::optional<FrageWortBild>()> NotenFenster::FrageWort;

namespace {

// Heights of the five staff lines below a staff's origin, at scale 1.
constexpr int kLinien[5] = {70, 90, 110, 130, 150};

// The order in which a signature's accidentals are written, as steps below the treble
// staff's top line: F C G D A E for sharps, B E A D G C for flats.
constexpr int kKreuzPositionen[6] = {0, 3, -1, 2, 5, 1};
constexpr int kBePositionen[6] = {4, 1, 5, 2, 6, 3};

// How far a note of each length moves the write position, in note spacings.
float advanceFactor(int lang) {
    switch (lang) {
        case 1:
            return 0.7f;
        case 4:
            return 1.4f;
        case 8:
            return 2.0f;
        default:
            return 1.0f;
    }
}

// The letter (0 C ... 6 B) written at a staff step: in the bass clef a step lies two
// letters higher than in the treble clef.
int letterAt(int y, int system) {
    int letter = (system == 1 ? y + 2 : y) % 7;
    return letter < 0 ? letter + 7 : letter;
}

int barStateIndex(int y, int system) {
    return system * 100 + y;
}

// One place of the asked word's letters at most, and the margin on either side.
constexpr int kWortPlatz = 64;
constexpr int kWortRand = 40;

bool startsWithDigit(const std::string& text) {
    return !text.empty() && text[0] >= '0' && text[0] <= '9';
}

}  // namespace

void NotenFenster::StartUp() {
    NotenBild = LadeBild("Noten.png", 60, 140, 18);
}

void NotenFenster::SetzeStartwerte() {
    NotenBild.reset();
    HeadLine.clear();
    NameLine.clear();
    NameText.clear();
    NameUnten = 0;
    VorTaktpos = 0;
    FrageWort = nullptr;
}

std::shared_ptr<NotenFenster> NotenFenster::CreateIt(int x, int y, int width, int notenBreit,
                                                     float scale, int systeme, int tonart) {
    auto fenster = std::make_shared<NotenFenster>();
    fenster->Scale = scale;
    fenster->NotenBreit = notenBreit;
    fenster->ChangeWindow(x, y, width, systeme, tonart);
    fenster->MitSchatten = fenster->MitGruen = fenster->MitWeissBlatt = 1;
    return fenster;
}

void NotenFenster::ChangeWindow(int x, int y, int width, int systeme, int tonart) {
    Systeme = systeme;
    FensterH = static_cast<int>(Scale * (systeme == 3 ? 460 : 300));
    NotenY = systeme == 2 ? -160 : systeme == 3 ? 15 : 40;
    if (Spiel::SpielMode == Spiel::Woerter) FensterH += WORT_ZEILE;  // room for the asked word
    if (x > 0) {
        FensterX = x;
        FensterY = y;
        FensterB = width;
    }
    Tonart = tonart;
    ResetAll();
}

void NotenFenster::ResetAll() {
    Liste.clear();
    VorzeichenGesetzt = VorzeichenFeld(Tonart);
    EchtFensterB = FensterB + paperOverhang(Scale, Tonart);
    ResetSchreibX();
    HeadLine.clear();
    NameLine.clear();
    NameText.clear();
}

int NotenFenster::paperOverhang(float scale, int tonart) {
    return static_cast<int>((VorzeichenFeld(tonart)[7] + 90) * scale + 20);
}

void NotenFenster::setPaperWidth(int width) {
    FensterB = width;
    EchtFensterB = FensterB + paperOverhang(Scale, Tonart);
}

void NotenFenster::ResetSchreibX() {
    SchreibX = Spiel::AktGrade == Spiel::Lernen ? 900 : 30;
}

// Every position of both staves returns to what the key signature says for its letter.
void NotenFenster::ResetVersetzungen() {
    for (int index = 0; index < static_cast<int>(AktNotenlinieVersetzt.size()); ++index) {
        const int system = index >= 98 ? 1 : 0;
        const int letter = letterAt(index - 100 * system, system);
        AktNotenlinieVersetzt[index] = VorzeichenGesetzt[letter] == 1 ? VorzeichenGesetzt[8] : 0;
    }
}

void NotenFenster::SetzeVersetzung(int y, int system, int vorzeichen) {
    const int index = barStateIndex(y, system);
    if (index < 0 || index >= static_cast<int>(AktNotenlinieVersetzt.size())) return;
    AktNotenlinieVersetzt[index] = vorzeichen;
}

int NotenFenster::FrageVersetzung(int y, int system) const {
    const int index = barStateIndex(y, system);
    if (index < 0 || index >= static_cast<int>(AktNotenlinieVersetzt.size())) return 0;
    return AktNotenlinieVersetzt[index];
}

void NotenFenster::AddChromaNote(int chroma, int lang, int weiter, int eng) {
    if (chroma < 0) {
        std::cout << "staff: no note for chroma value " << chroma << std::endl;
        return;
    }
    if (VorTaktpos == 0) {  // a new bar
        SchreibX += 30;
        ResetVersetzungen();
    }
    auto note = std::make_shared<Note>();
    note->CreateMe(chroma, lang, static_cast<float>(static_cast<int>(SchreibX)), VorzeichenGesetzt,
                   VorTaktpos);
    if (weiter == 1)
        SchreibX += static_cast<float>(NotenBreit) * advanceFactor(lang) * (eng == 1 ? 0.75f : 1);
    Liste.push_back(std::move(note));
}

void NotenFenster::AddMultiChroma(std::shared_ptr<Note> note) {
    if (note) Liste.push_back(std::move(note));
}

float NotenFenster::StaffOriginX() const {
    return static_cast<float>(FensterX + 20);
}

float NotenFenster::StaffOriginY() const {
    return static_cast<float>(FensterY) + static_cast<float>(NotenY) * Scale;
}

float NotenFenster::NoteOriginX() const {
    return StaffOriginX() +
           static_cast<float>(static_cast<int>((VorzeichenGesetzt[7] + 90) * Scale));
}

const Note* NotenFenster::firstActiveNote() const {
    for (const auto& note : Liste)
        if (note->Aktiv) return note.get();
    return nullptr;
}

void NotenFenster::Draw(Canvas& canvas) {
    DrawStateGuard guard(canvas);
    canvas.setScale(1, 1);
    canvas.setAlpha(1);
    canvas.setOrigin(0, 0);
    canvas.setBlend(Blend::Alpha);
    if (MitSchatten == 1) drawShadow(canvas);
    if (MitWeissBlatt == 1) {
        canvas.setColour(255, 245, 235);
        canvas.rect(static_cast<float>(FensterX), static_cast<float>(FensterY),
                    static_cast<float>(EchtFensterB), static_cast<float>(FensterH));
    }
    clipToPaper(canvas);
    canvas.setScale(Scale, Scale);
    if (MitGruen == 1) drawGreenColumn(canvas);
    drawTexts(canvas);
    drawStaffLines(canvas);
    drawAskedWord(canvas);

    canvas.setScale(Scale, Scale);
    canvas.setOrigin(NoteOriginX(), StaffOriginY());
    drawNotes(canvas);

    clipToPaper(canvas);
    canvas.setColour(55, 55, 55);
    canvas.setOrigin(StaffOriginX(), StaffOriginY());
    drawClefs(canvas);
    canvas.setAlpha(1);
    VorzeichenMalen(canvas);
}

void NotenFenster::drawShadow(Canvas& canvas) const {
    DrawSchatten(canvas, FensterX, FensterY, EchtFensterB, FensterH, 1.0f);
}

void NotenFenster::clipToPaper(Canvas& canvas) const {
    canvas.setClip(FensterX + 2, FensterY + 2, EchtFensterB - 4, FensterH - 4);
}

// The column where the note to be answered stands (in learn and see: where played notes
// are written), drawn at the image scale.
void NotenFenster::drawGreenColumn(Canvas& canvas) const {
    canvas.setColour(200, 240, 200);
    const Note* first = firstActiveNote();
    const float e = first ? first->X - 30 : 0;
    float x, width;
    if (Spiel::AktGrade == Spiel::Lernen) {
        x = static_cast<float>(FensterX + FensterB - 20);
        width = static_cast<float>(60 + NotenBreit);
    } else if (Spiel::SpielMode == Spiel::LaufendeNoten) {
        x = NoteOriginX() + Scale * (e <= HeuteFirstX - 20 ? e : static_cast<float>(HeuteFirstX));
        width = static_cast<float>(20 + NotenBreit);
    } else {
        x = NoteOriginX() - 30 * Scale;
        width = static_cast<float>(30 + NotenBreit);
    }
    canvas.rect(x, static_cast<float>(FensterY), width, static_cast<float>(FensterH));
}

void NotenFenster::drawTexts(Canvas& canvas) const {
    canvas.setScale(1, 1);
    canvas.setColour(1, 1, 1);
    if (Spiel::AktGrade == Spiel::Lernen) {
        canvas.setFont(ArialRiesig.get());
        canvas.text(NameText,
                    static_cast<float>(FensterX + FensterB - canvas.textWidth(NameText) + 100),
                    static_cast<float>(FensterY + (FensterH - 90) * NameUnten));
        canvas.setFont(ArialNormal.get());
        canvas.text(NameLine, static_cast<float>(FensterX + FensterB - 275),
                    static_cast<float>(FensterY + (FensterH - 50) * NameUnten + 10));
    }
    canvas.setFont(ArialNormal.get());
    canvas.text(HeadLine, static_cast<float>(FensterX + 100), static_cast<float>(FensterY + 10));
}

void NotenFenster::drawStaffLines(Canvas& canvas) const {
    canvas.setOrigin(StaffOriginX(), StaffOriginY());
    canvas.setColour(1, 1, 1);
    auto staff = [&](int top) {
        for (int h : kLinien) {
            const float y = static_cast<float>(top + h) * Scale;
            canvas.line(0, y, static_cast<float>(EchtFensterB), y);
        }
    };
    if (ZeigtViolin()) staff(0);
    if (ZeigtBass()) staff(SystemDistanz);
    if (Systeme == 3)
        canvas.rect(-3, 70 * Scale, 2, static_cast<float>(SystemDistanz + 80) * Scale);
}

// The letters of the asked word, one place per letter: a line under each, the letters
// that no note name covers printed on their lines, and the answer typed so far over them
// (red for a moment after Return on a wrong answer). Places narrow for a long word so that
// all of it stays on the paper.
void NotenFenster::drawAskedWord(Canvas& canvas) const {
    if (Spiel::SpielMode != Spiel::Woerter || !FrageWort) return;
    std::optional<FrageWortBild> wort = FrageWort();
    if (!wort) return;
    struct Platz {
        char buchstabe;
        bool zeigen;  // a letter that stands as a rest: it is printed
    };
    std::vector<Platz> plaetze;
    for (size_t i = 0; i < wort->Teile.size(); ++i) {
        const std::string& text = i < wort->Texte.size() ? wort->Texte[i] : wort->Teile[i];
        for (char c : text) plaetze.push_back({c, !startsWithDigit(wort->Teile[i])});
    }
    const size_t anzahl = std::max(plaetze.size(), wort->Loesung.size());
    if (anzahl == 0) return;
    const int breite =
        std::min(kWortPlatz, (EchtFensterB - 2 * kWortRand) / static_cast<int>(anzahl));
    canvas.setOrigin(0, 0);
    canvas.setScale(1, 1);
    canvas.setFont(ArialRiesig.get());
    auto centred = [&](const std::string& text, size_t platz, int y) {
        const int x = FensterX + kWortRand + breite * static_cast<int>(platz) + breite / 2;
        canvas.text(text, static_cast<float>(x - canvas.textWidth(text) / 2),
                    static_cast<float>(y));
    };
    const int yLinie = FensterY + FensterH - 165;
    const int yBuchstabe = FensterY + FensterH - 170;
    for (size_t i = 0; i < anzahl; ++i) {
        if (i < plaetze.size()) {
            canvas.setColour(111, 111, 111);
            centred("_", i, yLinie);
            if (plaetze[i].zeigen) {
                canvas.setColour(170, 170, 170);  // light, yet readable on the paper
                centred(std::string(1, plaetze[i].buchstabe), i, yBuchstabe);
            }
        }
        if (i < wort->Loesung.size()) {
            if (wort->Falsch)
                canvas.setColour(200, 30, 30);
            else
                canvas.setColour(2, 2, 2);
            centred(wort->Loesung.substr(i, 1), i, yBuchstabe);
        }
    }
}

void NotenFenster::drawNotes(Canvas& canvas) const {
    canvas.setClip(FensterX + 80, FensterY + 2, EchtFensterB - 84, FensterH - 4);
    for (const auto& note : Liste) {
        if (note->TaktPos == 0 && note->X > 70) drawBarLine(canvas, *note);
        note->DrawOne(canvas, Scale, SystemDistanz, Systeme);
    }
}

// A bar line 35 pixels before the note that opens the bar, over the staves shown.
void NotenFenster::drawBarLine(Canvas& canvas, const Note& note) const {
    canvas.setColour(55, 55, 55);
    canvas.setAlpha(1);
    const float x = (note.X - 35) * Scale;
    if (Systeme == 3)
        canvas.rect(x, 71 * Scale, 2, 280);
    else if (Systeme == 2)
        canvas.rect(x, static_cast<float>(SystemDistanz + 70) * Scale, 2, 80);
    else
        canvas.rect(x, 71 * Scale, 2, 80);
}

void NotenFenster::drawClefs(Canvas& canvas) const {
    if (ZeigtViolin()) canvas.image(NotenBild.get(), 0, 43 * Scale, Note::kViolinSchluessel);
    if (ZeigtBass())
        canvas.image(NotenBild.get(), 0, static_cast<float>(SystemDistanz + 52) * Scale,
                     Note::kBassSchluessel);
}

void NotenFenster::VorzeichenMalen(Canvas& canvas) {
    int anzahl = 0;
    for (int letter = 0; letter < 7; ++letter)
        if (VorzeichenGesetzt[letter] == 1) ++anzahl;
    DrawVorzeichen(canvas, anzahl, VorzeichenGesetzt[8]);
}

void NotenFenster::DrawVorzeichen(Canvas& canvas, int anzahl, int art) {
    const int* positionen = art == 1 ? kKreuzPositionen : kBePositionen;
    for (int i = 0; i < std::min(anzahl, 6); ++i)
        DrawVorzeichenInSystem(canvas, i, positionen[i], art);
}

// One accidental of the signature, in each staff shown; in the bass staff two steps
// lower, where the same letter lies.
void NotenFenster::DrawVorzeichenInSystem(Canvas& canvas, int i, int position, int art) {
    const float x = static_cast<float>(60 + 20 * i) * Scale;
    if (ZeigtViolin())
        canvas.image(NotenBild.get(), x, static_cast<float>(10 * position) * Scale, art + 8);
    if (ZeigtBass())
        canvas.image(NotenBild.get(), x,
                     static_cast<float>(SystemDistanz + 20 + 10 * position) * Scale, art + 8);
}

void NotenFenster::SpreizeAlle() {
    int treble = 0, bass = 0;
    float m = 0;
    for (const auto& note : Liste) {
        (note->System == 1 ? bass : treble) += 1;
        m = std::max(m, note->X);
    }
    const int n = std::max(treble, bass);
    if (n == 0) return;
    const float add =
        ((static_cast<float>(FensterB) - (static_cast<float>(NotenBreit) * 1.5f + m) * Scale) /
         static_cast<float>(n)) /
        Scale;
    int trebleIndex = 0, bassIndex = 0;
    for (const auto& note : Liste) {
        int& index = note->System == 1 ? bassIndex : trebleIndex;
        note->X += add * static_cast<float>(index++);
    }
}

int NotenFenster::ScrollIt(int mode, int speed) {
    if (Liste.empty()) return 1;
    float d;
    int result;
    if (mode == HINTEN) {
        // The write position eases in toward 10 pixels before the right edge.
        if (speed == SCHNELL)
            d = Liste.front()->X - (Liste.size() == 1 ? 20 : 0);
        else
            d = (SchreibX - static_cast<float>(FensterB) / Scale + 10) / 50;
        result = 0;
    } else {
        // The note to be answered eases in toward its resting place.
        // With every note answered the write position takes the place of the asked note,
        // so the answered notes scroll on and make room for the next one (taking 0 there
        // would stop the staff for good once a note is answered before it comes to rest).
        const Note* first = firstActiveNote();
        const int x = first ? static_cast<int>(first->X) : static_cast<int>(SchreibX);
        const int target = Spiel::SpielMode == Spiel::LaufendeNoten ? HeuteFirstX + 20 : 10;
        d = speed == SCHNELL ? static_cast<float>((x - target) / 5)
                             : static_cast<float>(x - target) / 50;
        result = static_cast<float>(NotenBreit + FensterB) > SchreibX ? 1 : 0;
    }
    if (d >= 0.1f) {
        for (auto it = Liste.begin(); it != Liste.end();) {
            (*it)->X -= d;
            it = (*it)->X < 0 ? Liste.erase(it) : std::next(it);
        }
        SchreibX -= d;
    }
    return result;
}

void DrawSchatten(Canvas& canvas, int x, int y, int width, int height, float scale) {
    const Image* schatten = Schatten.get();
    const float right = static_cast<float>(x) + static_cast<float>(width) * scale;
    const float bottom = static_cast<float>(y) + static_cast<float>(height) * scale;
    canvas.setBlend(Blend::Alpha);
    canvas.setColour(3, 3, 3);
    canvas.imagePart(schatten, right, static_cast<float>(y), 85, static_cast<float>(height), 615, 0,
                     85, 200);
    canvas.imagePart(schatten, right, bottom, 85, 50, 615, 200, 85, 50);
    canvas.imagePart(schatten, static_cast<float>(x), bottom, static_cast<float>(width), 50, 0, 200,
                     615, 50);
}
