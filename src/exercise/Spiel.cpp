#include "exercise/Spiel.h"

#include <algorithm>
#include <iostream>

#include "data/Daten.h"
#include "exercise/SpielFenster.h"
#include "i18n/Sprache.h"
#include "input/KlavierTyp.h"
#include "input/TastenFeldTyp.h"
#include "lessons/Lektion.h"
#include "lessons/LektionsDatei.h"
#include "lessons/Worte.h"
#include "music/ChromaTyp.h"
#include "notation/DigitalFeld.h"
#include "notation/NotenPapier.h"
#include "platform/Clock.h"
#include "platform/FrameRecorder.h"
#include "platform/Ui.h"
#include "sound/MIDI.h"
#include "sound/SoundTyp.h"
#include "state/AntwortEmpfaenger.h"

namespace {
using S = Spiel;

int64_t now() {
    return Runtime::millisecs();
}

// The staff window's headline for the method and work step.
std::string Ueberschrift() {
    static const char* const kSingle[] = {"", "{{Practice}}", "{{Examination}}"};
    static const char* const kScrolling[] = {"{{Phrase62}}", "{{Phrase60}}", "{{Phrase61}}"};
    int step = S::AktGrade >= S::Lernen && S::AktGrade <= S::Pruefung ? S::AktGrade - S::Lernen : 1;
    if (S::SpielMode == S::EinzelNoten) return Lokalisiere(kSingle[step]);
    if (S::SpielMode == S::LaufendeNoten) return Lokalisiere(kScrolling[step]);
    return "";
}

void BeschrifteButtons() {
    TastenFeldTyp::SetError(-1, 0);
    TastenFeldTyp::GueltigeOktaveFinden();
    if (!TastenFeldTyp::HatButtons) TastenFeldTyp::StartUp();
    int oktave = TastenFeldTyp::Oktave;
    for (int i = 0; i < 21; ++i) {
        ButtonTyp& button = TastenFeldTyp::Button[i];
        button.Name = ChromaTyp::Name(oktave * 21 + i + (oktave < 4 ? 100 : -84));
        button.TextOffX = ArialNormal ? ArialNormal->textWidth(button.Name) / 2 : 0;
    }
}

// The exercise clock of practice and examination; false when no clock runs. `steht`
// tells that it stands still because nobody answers.
bool Uhrschritt(int& sekunden, bool& steht) {
    if (S::SpielMode == S::KeinSpiel || S::AktGrade == S::Lernen || S::CountdownZeit > 0)
        return false;
    const int64_t jetzt = now();
    if (S::SpielerIstAnwesend < jetzt - 11000) {
        S::SpielerIstAnwesend = jetzt;  // a long gap only restarts the presence check
    } else if (S::SpielerIstAnwesend < jetzt - 10250) {
        S::SpielerZeit += 100;  // nobody answers: the clock stands still
        S::SpielerIstAnwesend += 100;
    }
    steht = jetzt - S::SpielerIstAnwesend > 10000;
    const int64_t t = S::AktGrade == S::Pruefung ? S::SpielerZeit - jetzt : jetzt - S::SpielerZeit;
    sekunden = static_cast<int>(t / 1000);
    if (S::AktGrade == S::Pruefung &&
        (t < -999 || S::SpielerRichtig <= 0 || S::SpielerFalsch <= 0)) {
        S::SpielMode = S::KeinSpiel;
        S::Punkte = static_cast<int>((S::SpielerZeit - jetzt) / 100);
        std::cout << "exercise: examination over, points " << S::Punkte << std::endl;
        if (S::PruefungBeendet) S::PruefungBeendet();
    }
    return true;
}

void ZeichnePunkte(Canvas& canvas) {
    int sekunden = 0;
    bool steht = false;
    if (!Uhrschritt(sekunden, steht)) return;
    // A clock that stands still says so in place of its caption; the next answer starts it.
    std::array<std::string, 3> texte = S::DigitalText;
    if (steht) texte[0] = Lokalisiere("{{Pause}}");
    DrawPunkte(canvas, sekunden, S::SpielerRichtig, S::SpielerFalsch, texte);
}

void ZeichneCountdown(Canvas& canvas) {
    DrawStateGuard guard(canvas);
    canvas.setBlend(Blend::Alpha);
    canvas.setAlpha(1.0f);
    const int cx = canvas.width() / 2, cy = canvas.height() / 2;
    canvas.setColour(111, 111, 111);
    canvas.rect(cx - 100, cy - 100, 200, 200);
    canvas.setColour(1, 1, 1);
    canvas.rect(cx - 97, cy - 97, 194, 194);
    canvas.setColour(111, 111, 111);
    canvas.rect(cx - 49, cy - 59, 98, 118);
    canvas.setColour(66, 1, 1);
    canvas.rect(cx - 49, cy - 59, 96, 116);
    // The digit at twice the counters' size, fitted into its panel: the seven-segment
    // font's digits are wider than the panel was made for.
    const ImageFont* font = Digital.get();
    canvas.setFont(font);
    float scale = 2.0f, x = cx - 30, y = cy - 60;
    if (font) {
        const ImageFont::Glyph& eight = font->glyph(U'8');
        if (eight.width > 0 && eight.height > 0) {
            scale = std::min({2.0f, 84.0f / eight.width, 104.0f / eight.height});
            x = cx - 49 + (98 - eight.width * scale) / 2 - eight.left * scale;
            y = cy - 59 + (118 - eight.height * scale) / 2 - eight.top * scale;
        }
    }
    canvas.setScale(scale, scale);
    canvas.setColour(105, 0, 0);
    canvas.text("8", x, y);
    canvas.setColour(255, 0, 0);
    canvas.text(std::to_string((S::CountdownZeit - now()) / 1000), x, y);
}

void MidiEingang() {
    if (S::NaechsteMidiAbfrage >= now()) return;
    S::NaechsteMidiAbfrage = now() + 10;
    MIDI::Receive();
    AntwortEmpfaenger::Aktiv().EmpfangeMidi(MIDI::InMessages);
}
}  // namespace

void LektionAnpassen() {
    const auto& lektion = Lektion::AktLektion;
    if (!lektion) return;
    KlavierTyp::PassendeTastatur(lektion->MinimumMidi, lektion->MaximumMidi);
    TastenFeldTyp::PassendeOktavenFinden(lektion->MinimumMidi, lektion->MaximumMidi,
                                         lektion->System);
    if (SpielFenster::Haupt)
        SpielFenster::Haupt->ChangeWindow(0, 0, 0, lektion->System, lektion->Tonart);
}

void WechsleLektion(int nummer, int wahl) {
    LadeLektion(nummer, wahl);
    LektionAnpassen();
    SpielReset();
}

void SpielReset() {
    if (S::SpielMode != S::Woerter) Worte::PapierZurueck();
    switch (S::SpielMode) {
        case S::KeinSpiel:
            S::AktivInstrument = S::KeinInstrument;
            return;
        case S::EinzelNoten:
            S::AktivInstrument = S::Tastenfeld;
            break;
        case S::LaufendeNoten:
            S::AktivInstrument = S::AktMusikInstrument;
            break;
        case S::Woerter:
            S::AktivInstrument = S::KeinInstrument;
            S::AktGrade = S::Ueben;  // guess words is practice only
            Worte::NurGueltige();
            break;
        default:
            break;
    }
    TaktSumme = 0;
    SpielFenster::Reset();
    if (S::SpielMode == S::EinzelNoten || S::SpielMode == S::LaufendeNoten ||
        S::SpielMode == S::Woerter)
        NotenFenster::HeadLine = Ueberschrift();
    const auto& lektion = Lektion::AktLektion;
    // A lesson whose notes were all left out asks nothing and says why.
    if (lektion && lektion->Anzahl == 0)
        NotenFenster::HeadLine = Lokalisiere("{{The lesson has no notes}}");
    const int64_t sekunde = now() - now() % 1000;
    if (S::AktGrade == S::Lernen) {
        if (lektion) lektion->SendeAlle(SpielFenster::Haupt.get());
    } else if (S::AktGrade == S::Ueben) {
        S::SpielerZeit = sekunde;
        S::SpielerRichtig = S::SpielerFalsch = 0;
        S::DigitalText = {Lokalisiere("{{Time}}"), Lokalisiere("{{Right}}"),
                          Lokalisiere("{{Wrong}}")};
    } else if (S::AktGrade == S::Pruefung) {
        S::SpielerZeit = sekunde + 500 + (lektion ? lektion->SpielZeit : 0) * 1000LL;
        S::Punkte = 0;
        S::SpielerRichtig = lektion ? lektion->MaxRichtig : 0;
        S::SpielerFalsch = lektion ? lektion->MaxFalsch : 0;
        S::DigitalText = {Lokalisiere("{{Time}}"), Lokalisiere("{{Questions}}"),
                          Lokalisiere("{{Lives}}")};
    }
    BeschrifteButtons();
}

void TimerTickt() {
    SoundTyp::CheckListe();
    MidiEingang();
    if (Ui::mainWindow && Ui::activeWindow() == Ui::mainWindow) {
        KlavierTyp::Check();
        TastenFeldTyp::Check();
        SpielFenster::CheckMaus();
    }
    Malen();
    if (S::DialogZeichnen) S::DialogZeichnen();
}

FrameRecorder& Bildfolge() {
    static FrameRecorder frames;
    return frames;
}

void Malen() {
    Canvas* mainCanvas = Ui::mainCanvas();
    if (!mainCanvas) return;
    FrameRecorder& frame = Bildfolge();
    frame.begin(*mainCanvas);
    Canvas* canvas = &frame;
    canvas->setAlpha(1.0f);
    canvas->setColour(255, 255, 255);
    canvas->setScale(1.0f, 1.0f);
    canvas->clear({44, 55, 88});
    TextPaperGame(*canvas);
    ZeichnePunkte(*canvas);
    KlavierTyp::Draw(*canvas);
    TastenFeldTyp::Show(*canvas);
    if (S::SpielMode != S::KeinSpiel && SpielFenster::Haupt) {
        NotenFenster& haupt = *SpielFenster::Haupt;
        int tempo = S::SpielMode == S::EinzelNoten ? NotenFenster::SCHNELL : 0;
        if (S::AktGrade == S::Lernen) {
            haupt.ScrollIt(NotenFenster::HINTEN, tempo);
        } else if (S::AktGrade == S::Ueben || S::AktGrade == S::Pruefung) {
            // A word is written whole, however long: the word source ends by itself.
            if (haupt.ScrollIt(NotenFenster::VORNE, tempo) == 1 || S::SpielMode == S::Woerter)
                SpielFenster::AddNeueZufallNoten();
        }
        haupt.Draw(*canvas);
    }
    if (S::CountdownZeit > 0) CountDown(*canvas);
    frame.finish();
}

void CountDown(Canvas& canvas) {
    if (S::CountdownZeit == 0) return;
    if (S::CountdownZeit == 1) {
        S::CountdownZeit = now() + 6000;
        PlayCountdown();
        SpielFenster::Reset();
        return;
    }
    if (S::CountdownZeit < now()) {
        S::AktGrade = S::Pruefung;
        S::CountdownZeit = 0;
        SpielReset();
        return;
    }
    ZeichneCountdown(canvas);
}

void PlayCountdown() {
    static const int kTone[] = {48, 48, 48, 48, 48, 60};
    for (int k = 0; k < 6; ++k)
        SoundTyp::AddSound(static_cast<int>(now()) + 100 + 1000 * k, kTone[k],
                           SoundTyp::MidiOutKanal, 80, 1250, 0, 1.0f);
}

void KlemmeSpielFenster(int breite, int hoehe) {
    SpielFenster::KlemmeInsFenster(breite, hoehe);
}
