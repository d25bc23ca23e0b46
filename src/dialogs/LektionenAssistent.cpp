#include "dialogs/LektionenAssistent.h"

#include <iostream>
#include <optional>

#include "app/Programm.h"
#include "data/Daten.h"
#include "dialogs/Dialog.h"
#include "exercise/Spiel.h"
#include "i18n/Sprache.h"
#include "lessons/LektionsBuch.h"
#include "lessons/LektionsDatei.h"
#include "music/Tonart.h"
#include "notation/NotenFenster.h"
#include "notation/TextTyp.h"
#include "platform/Events.h"
#include "platform/Image.h"
#include "platform/Ui.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"
#include "state/AntwortEmpfaenger.h"
#include "state/Maus.h"

using A = LektionenAssistent;

Gadget* A::Window = nullptr;
Gadget* A::Canvas = nullptr;
Gadget* A::TextBox = nullptr;
Gadget* A::NameBox = nullptr;
Gadget* A::Panel = nullptr;
Gadget* A::Scroller = nullptr;
std::array<Gadget*, 13> A::Button{};
Gadget* A::Progress = nullptr;
int A::WasIstZuSehen = 0;
std::shared_ptr<NotenFenster> A::WahlNoten_A, A::WahlNoten_B;
int A::AssiStep = 0, A::LastAssiStep = 40, A::AssiSelected = 0;
std::array<int, 100> A::AssiMultiSelected{};
std::unique_ptr<TextTyp> A::AssiText;
int A::AssiTonart = 0, A::AssiKreuze = 0, A::AssiBees = 0, A::AssiAufl = 0, A::AssiSystem = 0,
    A::AssiOktave = 0;
int A::AssiIntervall = 0, A::AssiZeit = 0, A::AssiRichtig = 0, A::AssiFalsch = 0, A::AssiHand = 0,
    A::AssiLevel = 0;
std::array<int, 50> A::AssiKlavier{};
int A::AktEditorVorzeichen = 0;
std::array<int, 200> A::AssiNoten{};
std::string A::AssiNotenString;
std::shared_ptr<Image> A::WahlKlavier;
std::string A::AssiName, A::AssiBeschreibung, A::Meldung;

namespace {
// The keyboard's geometry in canvas pixels.
constexpr int kTastenX = 120, kTastenY = 218, kOktave = 147, kWeissBreit = 21;
constexpr int kSchwarzUnten = 292, kTastenUnten = 344, kTastenRechts = 727;
constexpr int kLetzteTaste = 48;

struct Band {
    int von, bis, halbton;
};
constexpr Band kSchwarz[5] = {{15, 23, 1}, {37, 45, 3}, {78, 86, 6}, {99, 107, 8}, {120, 128, 10}};
constexpr int kWeiss[7] = {0, 2, 4, 5, 7, 9, 11};
// Where each key's state bar stands within its octave.
constexpr int kBalkenX[12] = {10, 19, 31, 41, 52, 73, 81, 94, 103, 115, 124, 136};

// Spelling index of each semitone, by case (see ErlaubteNotenAusEditorKlavierErstellen);
// kNie marks keys that are never offered in that case.
constexpr int kNie = -99;
constexpr int kTonleiterKreuz[12] = {1, 2, 4, 5, 7, 10, 11, 13, 14, 16, 17, 19};
constexpr int kTonleiterBe[12] = {1, 3, 4, 6, 7, 10, 12, 13, 15, 16, 18, 19};
constexpr int kNurKreuze[12] = {-1, 2, kNie, 5, kNie, 8, 11, kNie, 14, kNie, 17, kNie};
constexpr int kNurBes[12] = {kNie, 3, kNie, 6, 9, kNie, 12, kNie, 15, kNie, 18, 21};

bool isFlatKey(int tonart) {
    return tonart == 1 || tonart == 3 || tonart == 5 || tonart == 8 || tonart == 10;
}
bool isBlack(int halbton) {
    return halbton == 1 || halbton == 3 || halbton == 6 || halbton == 8 || halbton == 10;
}
bool isBassStep(int step) {
    return step >= 10 && step <= 12;
}
bool isKeyboardStep(int step) {
    return isBassStep(step) || (step >= 14 && step <= 16);
}
bool hasSlider(int step) {
    return step >= 23 && step <= 25;
}

void setzeText(const std::string& text) {
    if (!A::AssiText) A::AssiText = TextTyp::CreateOne(20, 20, 500, "arial.ttf", 18);
    A::AssiText->PText = Lokalisiere(text);
}

void zeige(Gadget* gadget, bool sichtbar) {
    if (Ui::gui && gadget) Ui::gui->setVisible(gadget, sichtbar);
}

void zeigeFortschritt() {
    if (Ui::gui && A::Progress) Ui::gui->setValue(A::Progress, A::AssiStep + 1);
}

void schieber(int von, int bis, int wert) {
    zeige(A::Panel, true);
    if (!Ui::gui || !A::Scroller) return;
    Ui::gui->setRange(A::Scroller, von, bis);
    Ui::gui->setValue(A::Scroller, wert);
}

int schieberWert(int vorgabe) {
    return Ui::gui && A::Scroller ? Ui::gui->value(A::Scroller) : vorgabe;
}

const char* schieberEinheit(int step) {
    return step == 23 ? " {{Seconds}}" : step == 24 ? " {{right notes}}" : " {{wrong notes}}";
}

void tastaturSchritt(int step, const char* text) {
    const int kind = A::KindOfStep(step);
    A::SetErlaubte(isBassStep(step) ? 1 : 2, kind);
    setzeText(text);
    if (kind == 2 || (kind == 0 && isFlatKey(A::AssiTonart))) A::AssiText->ReplaceZeichen("#", "b");
}

// The chosen line, when it is one of the step's options.
bool waehleZeile(int zeile, std::initializer_list<int> optionen) {
    for (int option : optionen) {
        if (option != zeile) continue;
        A::AssiSelected = zeile;
        return true;
    }
    return false;
}

int ersteFreieLektion(const std::string& datei) {
    for (int nummer = 1; nummer <= 99; ++nummer)
        if (IniClass::Lesen(datei, lessonSection(nummer), "Name").empty()) return nummer;
    return 0;
}

void dot(::Canvas& canvas, int zeile) {
    canvas.setColour(0, 255, 0);
    canvas.oval(18, static_cast<float>(A::AssiText->GiveY(zeile) - 5), 10, 10);
}
}  // namespace

void A::FormLoad() {
    WahlKlavier = LadeBild("Tastatur4.png");
    if (!Ui::gui) return;
    Gui& g = *Ui::gui;
    Window = g.createWindow("{{Create lesson}}", 0, 0, 800, 440, nullptr,
                            WindowStyle::TitleBar | WindowStyle::ToolWindow | WindowStyle::Hidden);
    g.setBackground(Window, 155, 155, 155);
    Canvas = g.createCanvas(3, 3, 790, 380, Window);
    NameBox =
        g.createGadget(GadgetClass::TextField, 50, 200, 300, 20, Canvas, "", GadgetStyle::Hidden);
    TextBox =
        g.createGadget(GadgetClass::TextArea, 50, 250, 500, 90, Canvas, "", GadgetStyle::Hidden);
    g.setFont(NameBox, 13);
    g.setFont(TextBox, 13);
    g.setKeyFilter(TextBox, TextFilter);
    Panel = g.createGadget(GadgetClass::Panel, 50, 250, 400, 50, Canvas, "", GadgetStyle::Hidden);
    g.setBackground(Panel, 255, 255, 255);
    Scroller = g.createGadget(GadgetClass::Slider, 20, 10, 360, 24, Panel);
    g.setRange(Scroller, 30, 180);
    Button[BUT_OK] = g.createGadget(GadgetClass::Button, 500, 410, 100, 24, Window, "{{Continue}}",
                                    GadgetStyle::Default);
    Button[BUT_BACK] = g.createGadget(GadgetClass::Button, 350, 410, 100, 24, Window, "{{Back}}");
    Button[BUT_HELP] = g.createGadget(GadgetClass::Button, 100, 410, 100, 24, Window, "{{Help}}");
    Progress = g.createGadget(GadgetClass::ProgressBar, 40, 385, 500, 12, Window);
    g.setRange(Progress, 0, LastAssiStep + 1);
    RegistriereDialog(&Window, Event);
    Spiel::DialogZeichnen = Zeichnen;
}

namespace {
class ChoiceKeyboardReceiver : public AntwortEmpfaenger {
  public:
    void EmpfangeNote(int midi, int) override { LektionenAssistent::MidiTaste(midi); }
    void EmpfangeChroma(int, int) override {}
};

ChoiceKeyboardReceiver& choiceKeyboard() {
    static ChoiceKeyboardReceiver receiver;
    return receiver;
}

std::optional<EmpfaengerLeihe>& keyboardListening() {
    static std::optional<EmpfaengerLeihe> lease;
    return lease;
}
}  // namespace

void A::ShowAs(int was, const std::string&) {
    if (!Ui::gui || !Window) return;
    ZeigeModal(Window);
    // While the wizard is shown, a played key picks a key of the choice keyboard and
    // answers nothing in the exercise.
    keyboardListening().emplace(choiceKeyboard());
    BeimSchliessen(Window, [] { keyboardListening().reset(); });
    WasIstZuSehen = was;
    AssiText = TextTyp::CreateOne(20, 20, 500, "arial.ttf", 18);
    AssiText->PText = "Hallo";
    AssiStep = 0;
    Meldung.clear();
    if (was == 0) AssiLektion();
    zeigeFortschritt();
}

void A::ResetMultiSelected() {
    for (int i = 0; i <= 21; ++i) AssiMultiSelected[i] = 0;
    AssiSelected = -1;
}

int A::KindOfStep(int step) {
    if (step == 10 || step == 14) return 0;
    const bool erste = step == 11 || step == 15;
    // C major takes sharps first, unless only flats are allowed.
    const bool besZuerst = isFlatKey(AssiTonart) || (AssiTonart == 0 && AssiKreuze == 0);
    return erste == besZuerst ? 2 : 1;
}

void A::AssiLektion() {
    ResetMultiSelected();
    switch (AssiStep) {
        case 0:
            setzeText("{{EXERCISE CREATION WIZZARD}}||{{Phrase24}}");
            break;
        case 1:
            AssiSelected = 3;
            setzeText("{{Step}} 1 {{Phrase28}}");
            break;
        case 2:
            if (isFlatKey(AssiTonart))
                AssiMultiSelected[8] = 1;
            else if (AssiTonart != 0)
                AssiMultiSelected[6] = 1;
            AssiKreuze = AssiMultiSelected[6];
            AssiBees = AssiMultiSelected[8];
            AssiAufl = AssiMultiSelected[10];
            setzeText("{{Step}} 2||{{Phrase25}}");
            break;
        case 3:
            AssiSelected = 6;
            AssiNotenString.clear();
            AssiNoten.fill(0);
            AssiKlavier.fill(0);
            setzeText("{{Step}} 3||{{Phrase29}}");
            break;
        case 10:
            tastaturSchritt(10, "{{Step}} 4||{{Phrase34}}");
            break;
        case 11:
            tastaturSchritt(11, "{{Step}} 4b||{{Phrase35}}");
            break;
        case 12:
            tastaturSchritt(12, "{{Step}} 4c||{{Phrase36}}");
            break;
        case 14:
            tastaturSchritt(14, "{{Step}} 5||{{Phrase37}}");
            break;
        case 15:
            tastaturSchritt(15, "{{Step}} 5b||{{Phrase38}}");
            break;
        case 16:
            tastaturSchritt(16, "{{Step}} 5c||{{Phrase39}}");
            break;
        case 20:
            BuildAssiNoten();
            setzeText("{{Step}} 6 {{Phrase40}}");
            break;
        case 22:
            AssiSelected = 5;
            setzeText("{{Step}} 8 {{Phrase43}}");
            break;
        case 23:
            schieber(30, 180, 60);
            setzeText("{{Step}} 9a {{End game after}}|| 60 {{Seconds}}");
            break;
        case 24:
            schieber(10, 50, 30);
            setzeText("{{Step}} 9b {{End game after}}|| 30 {{right notes}}");
            break;
        case 25:
            schieber(5, 15, 10);
            setzeText("{{Step}} 9c {{End game after}}|| 10 {{wrong notes}}");
            break;
        case 26:
            AssiSelected = 5;
            setzeText("{{Step}} 10  {{Phrase44}}");
            break;
        case 30:
            AssiSelected = 9;
            setzeText(
                "{{Step}} 11 {{Phrase42}}• {{for absolut beginners}}||• {{for intermediate "
                "learner}}||• {{for avarage musician}}||• {{for experienced musician}}||• "
                "{{for experts}}");
            break;
        case 31:
            zeige(TextBox, true);
            zeige(NameBox, true);
            setzeText("{{Step}} 12 {{Phrase51}}");
            break;
        case 38:
            setzeText("{{Step}} 13 {{Phrase53}}");
            break;
        case 40:
            setzeText(Meldung.empty() ? "{{Ready}}" : "{{Ready}}||" + Meldung);
            break;
        default:
            break;
    }
}

void A::LektionWeiterschalten() {
    auto nachNoten = [] { return AssiSystem == 3 ? 14 : 20; };
    switch (AssiStep) {
        case 0:
            AssiStep = 1;
            break;
        case 1:
            if (AssiSelected >= 3 && AssiSelected <= 14) AssiStep = 2;
            break;
        case 2:
            AssiStep = 3;
            break;
        case 3:
            HatVorzeichenSetzen(AssiTonart);
            AssiNoten.fill(0);
            if (AssiSelected == 10 || AssiSelected == 8) {
                AssiSystem = AssiSelected == 10 ? 3 : 2;
                AssiStep = 10;
            } else if (AssiSelected == 6) {
                AssiSystem = 1;
                AssiStep = 14;
            }
            break;
        case 10:
            ErlaubteNotenAusEditorKlavierErstellen(10, AssiTonart);
            AssiStep = AssiBees == 1 || AssiKreuze == 1 ? 11 : nachNoten();
            break;
        case 11:
            ErlaubteNotenAusEditorKlavierErstellen(11, AssiTonart);
            AssiStep = AssiBees == 1 && AssiKreuze == 1 ? 12 : nachNoten();
            break;
        case 12:
            ErlaubteNotenAusEditorKlavierErstellen(12, AssiTonart);
            AssiStep = nachNoten();
            break;
        case 14:
            ErlaubteNotenAusEditorKlavierErstellen(14, AssiTonart);
            AssiStep = AssiBees == 1 || AssiKreuze == 1 ? 15 : 20;
            break;
        case 15:
            ErlaubteNotenAusEditorKlavierErstellen(15, AssiTonart);
            AssiStep = AssiBees == 1 && AssiKreuze == 1 ? 16 : 20;
            break;
        case 16:
            ErlaubteNotenAusEditorKlavierErstellen(16, AssiTonart);
            AssiStep = 20;
            break;
        case 20:
            if (!AssiNotenString.empty() && AssiNotenString.back() == '|')
                AssiNotenString.pop_back();
            if (AssiNotenString.size() >= 14) AssiStep = 22;
            break;
        case 22: {
            static const int kIntervall[6] = {4, 7, 11, 14, 22, 999};
            const int index = (AssiSelected - 5) / 2;
            AssiIntervall = index >= 0 && index < 6 ? kIntervall[index] : 4;
            AssiStep = 23;
            break;
        }
        case 23:
            AssiZeit = schieberWert(60);
            AssiStep = 24;
            break;
        case 24:
            AssiRichtig = schieberWert(30);
            AssiStep = 25;
            break;
        case 25:
            AssiFalsch = schieberWert(10);
            if (GenugZweiHand() == 1) {
                AssiStep = 26;
            } else {
                AssiHand = 0;
                AssiStep = 30;
            }
            zeige(Panel, false);
            break;
        case 26:
            AssiHand = (AssiSelected - 5) / 2;
            AssiStep = 30;
            break;
        case 30:
            AssiLevel = (AssiSelected - 5) / 2 + 1;
            AssiStep = 31;
            break;
        case 31:
            zeige(TextBox, false);
            zeige(NameBox, false);
            AssiStep = 38;
            break;
        case 38:
            Speichern();
            AssiStep = 40;
            break;
        default:
            break;
    }
}

void A::Zurueck() {
    switch (AssiStep) {
        case 0:
        case 1:
            AssiStep = 0;
            break;
        case 2:
        case 3:
            AssiStep = 1;
            break;
        case 22:
            AssiStep = 20;
            break;
        case 23:
        case 24:
        case 25:
            zeige(Panel, false);
            AssiStep = 22;
            break;
        case 26:
        case 30:
            AssiStep = 23;
            break;
        case 31:
            zeige(TextBox, false);
            zeige(NameBox, false);
            AssiStep = 30;
            break;
        case 38:
            AssiStep = 31;
            break;
        default:
            if (isKeyboardStep(AssiStep) || AssiStep == 20) AssiStep = 3;
            break;
    }
}

void A::Event(Gadget* source) {
    if (!source) return;
    if (source == Button[BUT_OK]) {
        if (AssiStep == 40) {
            SchliesseDialog(Window);
            AssiStep = 0;
            return;
        }
        LektionWeiterschalten();
    } else if (source == Button[BUT_BACK]) {
        Zurueck();
    } else if (source == Scroller && hasSlider(AssiStep)) {
        setzeText("{{Step}} 9 {{End game after}}||" + std::to_string(schieberWert(0)) +
                  schieberEinheit(AssiStep));
        return;
    } else if (source == Canvas) {
        const ::Event& druck = Programm::AktuellesEvent;
        if (druck.id != EventId::MouseDown) return;
        Maus::MausX = druck.x;
        Maus::MausY = druck.y;
        MausEvent();
        return;
    } else {
        return;  // the help button and the other gadgets raise nothing the wizard handles
    }
    AssiLektion();
    zeigeFortschritt();
}

void A::MausEvent() {
    if (isKeyboardStep(AssiStep)) {
        SelectAusWahlKlavier();
        return;
    }
    if (!AssiText) return;
    const int zeile = AssiText->IsLine();
    switch (AssiStep) {
        case 1:
            if (waehleZeile(zeile, {3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14})) {
                AssiTonart = zeile - 3;
                HatVorzeichenSetzen(AssiTonart);
            }
            break;
        case 2: {
            int eintrag = zeile == 6 || zeile == 8 ? zeile : 0;
            if (zeile == 10 && AssiTonart != 0) eintrag = 10;
            AssiSelected = eintrag;
            AssiMultiSelected[eintrag] ^= 1;
            if (isFlatKey(AssiTonart))
                AssiMultiSelected[8] = 1;
            else if (AssiTonart != 0)
                AssiMultiSelected[6] = 1;
            AssiKreuze = AssiMultiSelected[6];
            AssiBees = AssiMultiSelected[8];
            AssiAufl = AssiMultiSelected[10];
            break;
        }
        case 3:
            waehleZeile(zeile, {6, 8, 10});
            break;
        case 22:
            waehleZeile(zeile, {5, 7, 9, 11, 13, 15});
            break;
        case 26:
            if (waehleZeile(zeile, {5, 7})) AssiHand = (zeile - 5) / 2;
            break;
        case 30:
            waehleZeile(zeile, {5, 7, 9, 11, 13});
            break;
        default:
            break;
    }
}

void A::MidiTaste(int midiNote) {
    if (!isKeyboardStep(AssiStep)) return;
    const int k = midiNote - (isBassStep(AssiStep) ? 24 : 48);
    if (k < 0 || k > kLetzteTaste || AssiKlavier[k] == 0) return;
    AssiKlavier[k] = AssiKlavier[k] == 2 ? 1 : 2;
}

void A::SetErlaubte(int clef, int kind) {
    AktEditorVorzeichen = kind;
    for (int k = 0; k <= kLetzteTaste; ++k) AssiKlavier[k] = 1;
    AssiKlavier[49] = 0;
    const int unten = clef == 1 ? 4 : 3, oben = clef == 1 ? 46 : 42;
    for (int k = 0; k <= unten; ++k) AssiKlavier[k] = 0;
    for (int k = oben; k <= 49; ++k) AssiKlavier[k] = 0;
    for (int k = 0; k <= kLetzteTaste; ++k) {
        if (AssiKlavier[k] != 1) continue;
        const int p = k % 12;
        bool weg = false;
        if (kind == 2)
            weg = p == 0 || p == 2 || p == 5 || p == 7 || p == 9;
        else if (kind == 1)
            weg = p == 2 || p == 4 || p == 7 || p == 9 || p == 11;
        else if (IstAktivBeiTonart[p] != 1)
            weg = AssiAufl == 0 || isBlack(p);
        if (weg) AssiKlavier[k] = 0;
    }
}

int A::SelectAusWahlKlavier() {
    const int mx = Maus::MausX, my = Maus::MausY;
    if (mx < kTastenX) {
        for (int k = 0; k <= kLetzteTaste; ++k)
            if (AssiKlavier[k] == 1) AssiKlavier[k] = 2;
        return 0;
    }
    if (mx > kTastenRechts || my < kTastenY || my > kTastenUnten) return 0;
    const int x = (mx - kTastenX) % kOktave, oktave = (mx - kTastenX) / kOktave;
    int halbton = kWeiss[x / kWeissBreit];
    if (my < kSchwarzUnten)
        for (const Band& band : kSchwarz)
            if (x >= band.von && x <= band.bis) halbton = band.halbton;
    const int k = halbton + 12 * oktave;
    if (k > kLetzteTaste) return 0;
    if (AssiKlavier[k] != 0) AssiKlavier[k] = AssiKlavier[k] == 2 ? 1 : 2;
    return k;
}

void A::ErlaubteNotenAusEditorKlavierErstellen(int step, int key) {
    const int basis = isBassStep(step) ? 100 : 0;
    const int* karte = kNurBes;
    if (step == 10 || step == 14)
        karte = isFlatKey(key) ? kTonleiterBe : kTonleiterKreuz;
    else if (AktEditorVorzeichen == 1)
        karte = kNurKreuze;
    for (int k = 0; k <= kLetzteTaste; ++k) {
        if (AssiKlavier[k] != 2 || karte[k % 12] == kNie) continue;
        const int wert = 21 * (k / 12) + basis + karte[k % 12];
        if (wert >= 0 && wert < 200)
            AssiNoten[wert] = 1;
        else
            std::cout << "wizard: key " << k << " gives no note in step " << step << std::endl;
    }
    AssiNotenString.clear();
    for (int v = 100; v < 200; ++v)
        if (AssiNoten[v] == 1) AssiNotenString += std::to_string(v) + "|";
    for (int v = 0; v < 100; ++v)
        if (AssiNoten[v] == 1) AssiNotenString += std::to_string(v) + "|";
}

void A::BuildAssiNoten() {
    std::vector<int> bass, diskant;
    for (int v = 100; v < 200; ++v)
        if (AssiNoten[v] == 1) bass.push_back(v);
    for (int v = 0; v < 100; ++v)
        if (AssiNoten[v] == 1) diskant.push_back(v);
    const int nb = static_cast<int>(bass.size()), nt = static_cast<int>(diskant.size());
    const int s = nb == 0 ? 1 : nt == 0 ? 2 : 3;
    const int n = std::max(nb, nt);
    int breit = 58, y = 25;
    if (n <= 20)
        breit = 120, y = 125;
    else if (n <= 25)
        breit = 100, y = 125;
    else if (n <= 30)
        breit = 70, y = 125;
    else if (n <= 40)
        breit = 100;
    else if (n <= 50)
        breit = 80;
    else if (n <= 60)
        breit = 70;
    auto fuelle = [](NotenFenster& staff, const std::vector<int>& b, const std::vector<int>& t,
                     size_t von, size_t bis) {
        for (size_t i = von; i < std::min(bis, b.size()); ++i) staff.AddChromaNote(b[i], 4, 1, 0);
        staff.ResetSchreibX();
        for (size_t i = von; i < std::min(bis, t.size()); ++i) staff.AddChromaNote(t[i], 4, 1, 0);
    };
    WahlNoten_A = NotenFenster::CreateIt(1, y, 750, breit, 0.4f, s, AssiTonart);
    WahlNoten_B.reset();
    if (n <= 30) {
        fuelle(*WahlNoten_A, bass, diskant, 0, 200);
    } else {
        const size_t h = static_cast<size_t>(n / 2);
        fuelle(*WahlNoten_A, bass, diskant, 0, h);
        WahlNoten_B = NotenFenster::CreateIt(1, y + 200, 750, breit, 0.4f, s, AssiTonart);
        fuelle(*WahlNoten_B, bass, diskant, h, 200);
    }
    WahlNoten_A->SpreizeAlle();
    if (WahlNoten_B) WahlNoten_B->SpreizeAlle();
}

void A::DrawAssiNoten(::Canvas& canvas) {
    if (WahlNoten_A) WahlNoten_A->Draw(canvas);
    if (WahlNoten_B) WahlNoten_B->Draw(canvas);
}

void A::MaleErlaubte(::Canvas& canvas) {
    for (int k = 0; k <= kLetzteTaste; ++k) {
        const int p = k % 12;
        if (AssiKlavier[k] == 2)
            canvas.setColour(111, 222, 111);
        else if (AssiKlavier[k] == 1)
            canvas.setColour(222, 111, 111);
        else
            canvas.setColour(111, 111, 111);
        canvas.rect(static_cast<float>(kTastenX + kOktave * (k / 12) + kBalkenX[p] - 5),
                    isBlack(p) ? 240.0f : 300.0f, 10, 40);
    }
}

void A::ShowAssistent(::Canvas& canvas) {
    if (!AssiText) return;
    switch (AssiStep) {
        case 1:
        case 3:
        case 22:
        case 26:
        case 30:
            if (AssiSelected > 0) dot(canvas, AssiSelected);
            break;
        case 2:
            for (int k = 1; k <= 20; ++k)
                if (AssiMultiSelected[k] != 0) dot(canvas, k);
            break;
        case 20:
            DrawAssiNoten(canvas);
            break;
        default:
            if (!isKeyboardStep(AssiStep)) break;
            canvas.setColour(255, 255, 255);
            canvas.image(WahlKlavier.get(), 10, 150);
            canvas.setColour(55, 55, 55);
            canvas.oval(isBassStep(AssiStep) ? 567.0f : 272.0f, 212, 5, 5);
            MaleErlaubte(canvas);
            break;
    }
}

void A::Zeichnen() {
    if (Ui::gui && Window && Ui::activeWindow() == Window) MaleCanvas();
}

void A::MaleCanvas() {
    if (!Ui::gui || !Canvas) return;
    ::Canvas* canvas = Ui::gui->canvasOf(Canvas);
    if (!canvas) return;
    canvas->setAlpha(1.0f);
    canvas->setScale(1.0f, 1.0f);
    canvas->clear({255, 245, 235});
    if (AssiText) AssiText->Draw(*canvas);
    canvas->setAlpha(1.0f);
    ShowAssistent(*canvas);
    canvas->show();
}

int A::GenugZweiHand() {
    int bass = 0, diskant = 0;
    for (int v = 0; v < 200; ++v)
        if (AssiNoten[v] == 1) ++(v >= 100 ? bass : diskant);
    return bass >= 4 && diskant >= 5 ? 1 : 0;
}

bool A::TextFilter(int keyCode, int character) {
    return character != '=' && keyCode != Key::Return;
}

void A::Speichern() {
    if (Ui::gui && NameBox) AssiName = Ui::gui->text(NameBox);
    if (Ui::gui && TextBox) AssiBeschreibung = Ui::gui->text(TextBox);
    const int eigene = ersteFreieLektion(ownBookFile());
    if (eigene == 0) {
        // The learner's book is full: nothing is overwritten, and the last page says so.
        Meldung =
            "{{My lessons holds 99 lessons. The new lesson was not saved. Delete an old lesson "
            "first.}}";
        std::cout << "wizard: " << ownBookFile() << " holds 99 lessons; the lesson was not saved"
                  << std::endl;
        return;
    }
    // While the learner's own book is the current one, the working copy mirrors it.
    const bool eigenesBuchOffen =
        IniClass::Lesen("", "Allgemein", "Buch") == "DE " + std::to_string(kEigenesBuch);
    const int nummer = eigenesBuchOffen ? eigene : FindeFreiINILektion();
    LektionsEntwurf entwurf;
    entwurf.Name = AssiName.empty() ? "Lektion User " + std::to_string(nummer) : AssiName;
    entwurf.Noten = AssiNotenString;
    entwurf.Tonart = AssiTonart;
    entwurf.Oktave = AssiOktave;
    entwurf.System = AssiSystem;
    entwurf.Intervall = AssiIntervall;
    entwurf.MaxRichtig = AssiRichtig;
    entwurf.MaxFalsch = AssiFalsch;
    entwurf.SpielZeit = AssiZeit;
    entwurf.Level = AssiLevel;
    entwurf.ZweiHand = AssiHand;
    entwurf.Beschreibung = AssiBeschreibung;
    SaveLektion(nummer, entwurf);
    SaveLektionIn(ownBookFile(), eigene, entwurf);
    std::cout << "wizard: saved as lesson " << nummer << " of the working copy and lesson "
              << eigene << " of " << ownBookFile() << std::endl;
}

std::string A::SchrittText() {
    return AssiText ? AssiText->PText : "";
}

void A::SetzeStartwerte() {
    Window = Canvas = TextBox = NameBox = Panel = Scroller = Progress = nullptr;
    Button.fill(nullptr);
    WasIstZuSehen = 0;
    WahlNoten_A.reset();
    WahlNoten_B.reset();
    AssiStep = AssiSelected = 0;
    LastAssiStep = 40;
    AssiMultiSelected.fill(0);
    AssiText.reset();
    AssiTonart = AssiKreuze = AssiBees = AssiAufl = AssiSystem = AssiOktave = 0;
    AssiIntervall = AssiZeit = AssiRichtig = AssiFalsch = AssiHand = AssiLevel = 0;
    AssiKlavier.fill(0);
    AktEditorVorzeichen = 0;
    AssiNoten.fill(0);
    AssiNotenString.clear();
    WahlKlavier.reset();
    AssiName.clear();
    AssiBeschreibung.clear();
    Meldung.clear();
}
