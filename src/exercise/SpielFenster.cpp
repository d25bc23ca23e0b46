#include "exercise/SpielFenster.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "exercise/Spiel.h"
#include "history/Verlauf.h"
#include "i18n/Sprache.h"
#include "input/TastenFeldTyp.h"
#include "lessons/Lektion.h"
#include "lessons/Worte.h"
#include "music/ChromaTyp.h"
#include "notation/DigitalFeld.h"
#include "platform/Clock.h"
#include "platform/Ui.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"
#include "state/Maus.h"

std::shared_ptr<NotenFenster> SpielFenster::Haupt;
int SpielFenster::DragX = 0;
int SpielFenster::DragY = 0;
int SpielFenster::MausZeit = 400;
int SpielFenster::WarSchonMalFalsch = 0;

namespace {
using S = Spiel;

// Room kept right of the last note of a word for its head and accidental, at scale 1.
constexpr float kWortRechterRand = 60;

std::shared_ptr<Lektion> aktLektion() {
    return Lektion::AktLektion;
}

struct Fensterform {
    float scale;
    int notenBreit, x, y, breite, mitGruen;
};

// The staff window's shape for a method and staff set; none keeps the window as it is.
bool FormFuerMethode(int methode, int systeme, Fensterform& form) {
    switch (methode) {
        case 1:
            form = {1.5f, 110, 50, 10, 150, 1};
            return true;
        case 2:
            form = {1.0f, 70, 10, 10, S::AktGrade == S::Lernen ? 950 : 700, 1};
            return true;
        case 4:
            // As wide as the scrolling notes, so that the paper ends before the counters; a
            // grand staff smaller, so that the word's letters end above the note paper.
            form = {systeme == 3 ? 0.75f : 1.0f, 90, 10, 10, 700, 0};
            return true;
        default:
            return false;
    }
}

// Room between the staff paper and the counters: the paper's shadow falls 85 pixels to
// its right, darkest near the paper; its first 50 pixels stay off the counters.
constexpr int kAbstandZuZaehlern = 50;
// The narrowest paper a window too narrow for the form's width leaves.
constexpr int kSchmalstesPapier = 200;

// While the counters show (practice and examination), the paper is as wide as its form
// asks but ends before the counters of a window this wide.
int paperWidthFor(const Fensterform& form, int tonart, int fensterBreite) {
    if (S::AktGrade == S::Lernen) return form.breite;  // learn and see shows no counters
    const int platz = countersOn(fensterBreite).left - kAbstandZuZaehlern - form.x -
                      NotenFenster::paperOverhang(form.scale, tonart);
    return std::min(form.breite, std::max(kSchmalstesPapier, platz));
}

// A word wider than the paper is drawn closer together once all of its notes are
// written, so that all of them stay on the paper (a long word, or long notes).
void PasseWortEin(NotenFenster& haupt) {
    auto& liste = haupt.Liste;
    if (liste.size() < 2) return;
    const float grenze = static_cast<float>(haupt.FensterB) / haupt.Scale - kWortRechterRand;
    const float erste = liste.front()->X, letzte = liste.back()->X;
    if (letzte <= grenze || letzte <= erste || grenze <= erste) return;
    const float faktor = (grenze - erste) / (letzte - erste);
    for (const auto& note : liste) note->X = erste + (note->X - erste) * faktor;
    haupt.SchreibX = erste + (haupt.SchreibX - erste) * faktor;
}

// The active notes asked for: the first and the one after it.
void ersteZweiAktive(Note*& erste, Note*& zweite) {
    erste = zweite = nullptr;
    for (const auto& note : SpielFenster::Haupt->Liste) {
        if (note->Aktiv != 1) continue;
        if (!erste) {
            erste = note.get();
        } else {
            zweite = note.get();
            return;
        }
    }
}

bool klingtMit(const Note* erste, const Note* zweite) {
    return erste && zweite && zweite->TaktPos == erste->TaktPos;
}

int poolKey(const Note& note) {
    return note.System * 100 + note.ChromaPos;
}

void RichtigFuer(Note& note) {
    Lektion::ZufallAnpassen(note.EchtMidi, poolKey(note), 1);
    note.Aktiv = 0;
    SpielFenster::RichtigOderFalsch(1, 0);
}

// Where the name label of learn and see stands: below (1) or above (0) the staff.
void SetzeNamensPlatz(int systeme, int chroma) {
    auto in = [chroma](int low, int high) { return chroma >= low && chroma <= high; };
    int unten = -1;
    if (systeme == 2)
        unten = in(161, 199) ? 1 : in(101, 129) ? 0 : -1;
    else if (systeme == 3)
        unten = in(53, 89) ? 1 : in(101, 134) ? 0 : -1;
    else
        unten = in(50, 89) ? 1 : in(1, 23) ? 0 : -1;
    if (unten >= 0) NotenFenster::NameUnten = unten;
}

// When each note became the one to answer: the later of its arrival on the staff and the
// last right answer, which hands the turn to the next note.
std::map<const Note*, int64_t> ankunft;
int64_t letzteRichtige = 0;

void MerkeAnkunft(const Note* note) {
    if (ankunft.size() > 256) {
        std::map<const Note*, int64_t> behalten;
        for (const auto& n : SpielFenster::Haupt->Liste)
            if (auto it = ankunft.find(n.get()); it != ankunft.end()) behalten.insert(*it);
        ankunft.swap(behalten);
    }
    ankunft[note] = Runtime::millisecs();
}

// Hands the judged answer to the history: the note asked, the answer (a MIDI number, or a
// chroma value for a named note), right or wrong, and the device (1 mouse, 2 MIDI, 3 keys).
void MeldeUrteil(const Note& gefragt, int antwortChroma, int antwortMidi, bool richtig,
                 int quelle) {
    if (S::SpielMode == S::Woerter) return;  // words count nothing
    const int64_t jetzt = Runtime::millisecs();
    const auto it = ankunft.find(&gefragt);
    const int64_t seit = std::max(it == ankunft.end() ? jetzt : it->second, letzteRichtige);
    AntwortEintrag e;
    e.Zeit = Verlauf::Jetzt();
    e.User = IniClass::Lesen("", "Allgemein", "User");
    e.Buch = IniClass::Lesen("", "Allgemein", "Buch");
    e.Lektion = Lektion::AktLektionNr;
    if (auto lektion = aktLektion()) e.Tonart = lektion->Tonart, e.System = lektion->System;
    e.Methode = S::SpielMode;
    e.Arbeitsschritt = S::AktGrade;
    e.Chroma = gefragt.ChromaPos + (gefragt.System == 1 ? 100 : 0);
    e.Gefragt = Verlauf::Buchstabiert(e.Chroma);
    e.Antwort = antwortChroma >= 0                ? Verlauf::Buchstabiert(antwortChroma)
                : antwortMidi == gefragt.EchtMidi ? e.Gefragt
                                                  : "MIDI " + std::to_string(antwortMidi);
    e.Richtig = richtig ? 1 : 0;
    e.Millis = static_cast<int>(std::max<int64_t>(0, jetzt - seit));
    e.Geraet = quelle;
    Verlauf::Merke(e);
    if (richtig) letzteRichtige = jetzt;
}
}  // namespace

void SpielFenster::CreateIt(int x, int y) {
    Haupt = NotenFenster::CreateIt(x, y, 150, 300, 1.5f, 3, 0);
    Haupt->MitSchatten = Haupt->MitGruen = Haupt->MitWeissBlatt = 1;
    Note::HauptFenster = [] { return Haupt.get(); };
    Worte::NaechstesWort = &SpielFenster::Reset;
    std::string user = IniClass::Lesen("", "Allgemein", "User");
    MausZeit = IniClass::Value("", user, "MausZeit");
}

void SpielFenster::Reset() {
    if (!Haupt) return;
    Fensterform form;
    auto lektion = aktLektion();
    const int system = lektion ? lektion->System : 3;
    if (FormFuerMethode(S::SpielMode, system, form)) {
        int tonart = lektion ? lektion->Tonart : 0;
        const int breite = paperWidthFor(form, tonart, Ui::mainWindowWidth());
        Haupt = NotenFenster::CreateIt(form.x, form.y, breite, form.notenBreit, form.scale, system,
                                       tonart);
        Haupt->MitSchatten = 1;
        Haupt->MitGruen = form.mitGruen;
        Haupt->MitWeissBlatt = 1;
    }
    Haupt->HeuteFirstX = lektion && lektion->EnthaeltVorZeichen() ? 300 : 50;
    Haupt->ResetAll();
    ankunft.clear();
    letzteRichtige = 0;
    Lektion::WordDone = 0;
    Lektion::AktWort.clear();
    LosungWort.clear();
}

int ZufallNotenlang(int chroma) {
    NotenFenster::VorTaktpos = TaktSumme;
    int lang;
    if (S::AktGrade == S::Lernen) {
        lang = 2;
    } else if (TaktSumme % 2 == 1) {
        lang = 1;  // completes the beat an eighth began
        Lektion::VorherigeWarAchtel = 0;
    } else {
        std::string noteLang = IniClass::Lesen("", "Allgemein", "NoteLang");
        if (noteLang.empty()) {
            noteLang = "4|2";
            IniClass::Schreiben("", "Allgemein", "NoteLang", noteLang);
        }
        std::vector<int> laengen;
        size_t start = 0;
        while (start <= noteLang.size()) {
            size_t bar = noteLang.find('|', start);
            if (bar == std::string::npos) bar = noteLang.size();
            laengen.push_back(LenientInt(noteLang.substr(start, bar - start)));
            start = bar + 1;
        }
        if (chroma >= 91 && chroma <= 99) {
            lang = 2;
        } else {
            // A length that would cross the bar line is drawn again. When no allowed length
            // fits the rest of the bar at all (a whole note after a word's rest), the longest
            // written length that fits is taken, so the draw ends and the bar stays complete.
            bool passt = std::any_of(laengen.begin(), laengen.end(), [](int l) {
                int echt = l == 1 && (S::SpielMode == S::EinzelNoten || S::SpielMode == S::Woerter)
                               ? 2
                               : l;
                return echt >= 1 && TaktSumme + echt <= 8;
            });
            if (!passt) {
                lang = 8 - TaktSumme >= 4 ? 4 : 2;
                Lektion::VorherigeWarAchtel = 0;
            } else {
                do {
                    lang = laengen[Runtime::rand(0, static_cast<int>(laengen.size()) - 1)];
                    Lektion::VorherigeWarAchtel = 0;
                    if (lang == 1 && (S::SpielMode == S::EinzelNoten || S::SpielMode == S::Woerter))
                        lang = 2;
                    else if (lang == 1)
                        Lektion::VorherigeWarAchtel = 1;
                } while (lang < 1 || TaktSumme + lang > 8);
            }
        }
    }
    TaktSumme = (TaktSumme + lang) % 8;
    return lang;
}

void SpielFenster::AddNeueZufallNoten() {
    auto lektion = aktLektion();
    if (!Haupt || !lektion || lektion->Anzahl == 0) return;  // an empty lesson asks nothing
    if (lektion->AlsZweiHand == 1) {
        AddEinenGanzenTakt();
        return;
    }
    int c;
    if (S::SpielMode == S::Woerter) {
        c = Lektion::GetWortNote();
        if (c == 95 && Haupt->Systeme == 2) c = 195;
    } else {
        c = Lektion::GetZufallnote(0, 0);
    }
    if (c == -1) return;
    Haupt->AddChromaNote(c, ZufallNotenlang(c), 1, 0);
    if (!Haupt->Liste.empty()) MerkeAnkunft(Haupt->Liste.back().get());
    const bool wortFertig =
        Worte::AktFrageWort &&
        Lektion::WordDone == static_cast<int>(Worte::AktFrageWort->WortTeil.size()) + 1;
    if (S::SpielMode == S::Woerter && wortFertig) PasseWortEin(*Haupt);
}

int SpielFenster::SucheViolinMidi(const std::list<std::shared_ptr<Note>>& liste, int position) {
    int midi = 0;
    for (const auto& note : liste)
        if (note->System == 0 && note->TaktPos <= position) midi = note->EchtMidi;
    return midi;
}

void SpielFenster::AddEinenGanzenTakt() {
    float x = std::floor(Haupt->SchreibX) + 30;
    TaktSumme = 0;
    Lektion::VorherigeWarAchtel = 0;
    Lektion::ResetLektionsZufall();
    std::list<std::shared_ptr<Note>> arbeit;
    auto teil = [&](int wunsch) {
        do {
            int p = TaktSumme;
            int referenz = wunsch == 2 && p % 2 == 0 ? SucheViolinMidi(arbeit, p) : 0;
            int c = Lektion::GetZufallnote(wunsch, referenz);
            int lang = ZufallNotenlang(c);
            auto note = std::make_shared<Note>();
            note->CreateMe(c, lang, 0, Haupt->VorzeichenGesetzt, p);
            arbeit.push_back(note);
        } while (TaktSumme != 0);
    };
    teil(1);  // the upper part
    Lektion::VorherigeWarAchtel = 0;
    Lektion::ResetLektionsZufall();
    teil(2);  // the lower part, a third or sixth below where it sounds with the upper
    std::list<std::shared_ptr<Note>> geordnet;
    for (int position = 0; position < 8; ++position)
        for (const auto& note : arbeit)
            if (note->TaktPos == position) geordnet.push_back(note);

    const float n = static_cast<float>(Haupt->NotenBreit);
    int vorher = -1;
    for (const auto& note : geordnet) {
        if (vorher >= 0) {
            int d = note->TaktPos - vorher;
            x += d == 0 ? 0 : d == 1 ? 0.7f * n : d == 4 ? 1.4f * n : n;
            x = std::floor(x);
        }
        note->X = x;
        vorher = note->TaktPos;
    }
    int letzte = geordnet.empty() ? 0 : geordnet.back()->TaktPos;
    float schwanz = letzte == 0 ? 2 * n : letzte >= 6 ? n : letzte == 4 ? 1.4f * n : n;
    Haupt->SchreibX = x + schwanz;
    for (const auto& note : geordnet) {
        Haupt->AddMultiChroma(note);
        MerkeAnkunft(note.get());
    }
}

void SpielFenster::CheckMaus() {
    if (Maus::MausLinks + Maus::MausRechts == 0 || S::SpielMode == S::KeinSpiel || !Haupt) return;
    bool imGriff = Maus::MausX > Haupt->FensterX &&
                   Maus::MausX < Haupt->FensterX + Haupt->EchtFensterB &&
                   Maus::MausY >= Haupt->FensterY + 1 && Maus::MausY <= Haupt->FensterY + 49;
    if (Maus::DragWer == Maus::Notenblatt || imGriff) Drag();
}

void SpielFenster::Drag() {
    if (Maus::DragWer == Maus::Keiner) {
        DragX = Maus::MausX;
        DragY = Maus::MausY;
        Maus::DragWer = Maus::Notenblatt;
        return;
    }
    if (Maus::DragWer != Maus::Notenblatt) return;
    Haupt->FensterX += Maus::MausX - DragX;
    Haupt->FensterY += Maus::MausY - DragY;
    DragX = Maus::MausX;
    DragY = Maus::MausY;
    KlemmeInsFenster(Ui::mainWindowWidth(), Ui::mainWindowHeight());
}

void SpielFenster::KlemmeInsFenster(int breite, int hoehe) {
    if (!Haupt) return;
    Haupt->FensterX = keepInsideWindow(Haupt->FensterX, breite);
    Haupt->FensterY = keepInsideWindow(Haupt->FensterY, hoehe);
    // A narrower or wider window moves the counters: the paper keeps ending before them.
    Fensterform form;
    if (FormFuerMethode(S::SpielMode, Haupt->Systeme, form))
        Haupt->setPaperWidth(paperWidthFor(form, Haupt->Tonart, breite));
}

namespace {
// The exercise judges every answer while a method runs; without one, MIDI input is
// dropped.
class ExerciseAnswers : public AntwortEmpfaenger {
  public:
    void EmpfangeNote(int midi, int quelle) override { SpielFenster::EmpfangeNote(midi, quelle); }
    void EmpfangeChroma(int chroma, int quelle) override {
        SpielFenster::EmpfangeChroma(chroma, quelle);
    }
    int Klang(int chroma) override { return SpielFenster::BestMatch(chroma); }
    void EmpfangeMidi(std::list<MidiMessageTyp>& wartend) override {
        if (Spiel::SpielMode == Spiel::KeinSpiel)
            wartend.clear();
        else
            AntwortEmpfaenger::EmpfangeMidi(wartend);
    }
};
}  // namespace

AntwortEmpfaenger& SpielFenster::Antwort() {
    static ExerciseAnswers antwort;
    return antwort;
}

void SpielFenster::EmpfangeNote(int midi, int quelle) {
    S::SpielerIstAnwesend = Runtime::millisecs();
    if (S::SpielMode == S::Diktat) return;
    auto lektion = aktLektion();
    if (S::AktGrade == S::Lernen) {
        if (!lektion || !Haupt || !lektion->IstInLektion(midi, 0, 0)) return;
        int c = lektion->ChromaAusLektion(midi);
        Haupt->AddChromaNote(c, ZufallNotenlang(0), 1, 0);
        if (Haupt->Liste.empty()) return;
        const Note& gespielt = *Haupt->Liste.back();
        NotenFenster::NameLine = Lokalisiere("{{This note is named}}") + ": ";
        NotenFenster::NameText = gespielt.Name;
        SetzeNamensPlatz(Haupt->Systeme, gespielt.ChromaEcht);
    } else if (S::AktGrade == S::Ueben || S::AktGrade == S::Pruefung) {
        VergleichNote(midi, quelle);
    }
}

void SpielFenster::EmpfangeChroma(int chroma, int quelle) {
    S::SpielerIstAnwesend = Runtime::millisecs();
    if (S::SpielMode == S::Diktat) return;
    auto lektion = aktLektion();
    // A name the lesson does not use is ignored in every work step, never counted wrong.
    // A button stands for a spelling in an octave (bass octaves carry the offset 100),
    // so the lesson is asked for the spelling as well as for the exact value.
    const int schreibung = ChromaTyp::spelling(chroma);
    const bool benutzt = lektion && (lektion->IstInLektion(0, chroma, 1) ||
                                     (schreibung >= 0 && lektion->IstInLektion(0, schreibung, 1)));
    if (!benutzt) return;
    if (S::AktGrade == S::Lernen) {
        int kandidat = lektion->ChromaAusModulo(schreibung >= 0 ? schreibung : chroma);
        if (Haupt && kandidat >= 0) Haupt->AddChromaNote(kandidat, ZufallNotenlang(0), 1, 1);
    } else if (S::AktGrade == S::Ueben || S::AktGrade == S::Pruefung) {
        VergleichChroma(chroma, quelle);
    }
}

void SpielFenster::VergleichNote(int midi, int quelle) {
    if (!Haupt || Haupt->Liste.empty() || S::AktGrade == S::Lernen) return;
    Note *erste, *zweite;
    ersteZweiAktive(erste, zweite);
    if (!erste) return;
    Note* richtig = nullptr;
    if (erste->EchtMidi == midi)
        richtig = erste;
    else if (klingtMit(erste, zweite) && zweite->EchtMidi == midi)
        richtig = zweite;
    if (!richtig) {
        MeldeUrteil(*erste, -1, midi, false, quelle);
        WelcheWarFalsch(midi, *erste, zweite ? *zweite : *erste);
        return;
    }
    MeldeUrteil(*richtig, -1, midi, true, quelle);
    RichtigFuer(*richtig);
    if (quelle == 1) S::SpielerZeit += MausZeit;
}

void SpielFenster::VergleichChroma(int chroma, int quelle) {
    if (!Haupt || Haupt->Liste.empty() || S::AktGrade == S::Lernen) return;
    Note *erste, *zweite;
    ersteZweiAktive(erste, zweite);
    if (!erste) return;
    int c = chroma > 100 ? chroma - 100 : chroma;
    int s = ((c % 21) + 21) % 21;
    Note* richtig = nullptr;
    if (erste->ChromaPos % 21 == s)
        richtig = erste;
    else if (klingtMit(erste, zweite) && zweite->ChromaPos % 21 == s)
        richtig = zweite;
    if (!richtig) {
        const Note& gefragt = klingtMit(erste, zweite) ? *zweite : *erste;
        MeldeUrteil(gefragt, chroma, -1, false, quelle);
        WelcheWarFalsch(ChromaTyp::Midi(chroma), *erste, zweite ? *zweite : *erste);
        TastenFeldTyp::SetError(chroma, gefragt.ChromaPos);
        return;
    }
    MeldeUrteil(*richtig, chroma, -1, true, quelle);
    RichtigFuer(*richtig);
    if (quelle == 1) S::SpielerZeit += 300;
    TastenFeldTyp::SetError(-1, 0);
}

void SpielFenster::RichtigOderFalsch(int richtig, int erwartet) {
    if (S::AktGrade == S::Pruefung) {
        if (richtig) {
            S::SpielerRichtig -= 1;
            WarSchonMalFalsch = 0;
        } else if (WarSchonMalFalsch == 0) {
            S::SpielerFalsch -= 1;  // one life lost, one question more to go
            S::SpielerRichtig += 1;
            WarSchonMalFalsch = 1;
        }
        return;
    }
    if (richtig) {
        S::SpielerRichtig += 1;
        WarSchonMalFalsch = 0;
    } else if (WarSchonMalFalsch == 0 || WarSchonMalFalsch != erwartet) {
        S::SpielerFalsch += 1;
        WarSchonMalFalsch = erwartet;
    }
}

void SpielFenster::WelcheWarFalsch(int midi, Note& erste, Note& zweite) {
    RichtigOderFalsch(0, erste.EchtMidi);
    bool zweiteNaeher = std::abs(midi - zweite.EchtMidi) <= std::abs(midi - erste.EchtMidi) &&
                        std::fabs(zweite.X - erste.X) < 10.0f;
    Note& schuld = zweiteNaeher ? zweite : erste;
    Lektion::ZufallAnpassen(midi, poolKey(schuld), -1);
    schuld.ErrorCheck = 1;
}

int SpielFenster::BestMatch(int chroma) {
    if (!Haupt || Haupt->Liste.empty() || S::AktGrade == S::Lernen) return chroma;
    auto it = Haupt->Liste.begin();
    const Note& f = **it;
    const Note* g = std::next(it) != Haupt->Liste.end() ? std::next(it)->get() : nullptr;
    int c = chroma > 100 ? chroma - 100 : chroma;
    if (f.ChromaPos % 21 == ((c % 21) + 21) % 21) return f.EchtMidi;
    auto lektion = aktLektion();
    if (lektion && lektion->AlsZweiHand == 1 && g && std::fabs(g->X - f.X) < 10.0f &&
        g->ChromaPos == c)
        return f.EchtMidi;
    int halbtoene = ChromaTyp::Chroma[((c % 21) + 21) % 21]._Midi;
    return (halbtoene + 48) % 12 + 12 * (f.EchtMidi / 12);
}

void SpielFenster::SetzeStartwerte() {
    Haupt.reset();
    DragX = DragY = 0;
    MausZeit = 400;
    WarSchonMalFalsch = 0;
    ankunft.clear();
    letzteRichtige = 0;
    ZweiHandMenu = [](int) {};
}
