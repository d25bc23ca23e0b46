#include "dialogs/Parameter.h"

#include <initializer_list>
#include <list>
#include <optional>
#include <vector>

#include "app/MDI.h"
#include "app/Programm.h"
#include "data/Daten.h"
#include "dialogs/Dialog.h"
#include "dialogs/DialogGadgets.h"
#include "dialogs/SettingsChoices.h"
#include "exercise/Spiel.h"
#include "music/ChromaTyp.h"
#include "platform/Ui.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"
#include "state/AntwortEmpfaenger.h"

Gadget* Parameter::Window = nullptr;
Gadget* Parameter::ToolBar = nullptr;
std::array<Gadget*, 30> Parameter::Panel{};
std::array<Gadget*, 30> Parameter::Button{};
std::array<Gadget*, 10> Parameter::ComboBox{};
std::array<Gadget*, 30> Parameter::Label{};
std::array<Gadget*, 30> Parameter::Slider{};
std::array<Gadget*, 30> Parameter::SliderCaption{};
std::array<Gadget*, 30> Parameter::TextField{};
int Parameter::AmpelZustand = 0;
std::array<std::shared_ptr<Image>, 3> Parameter::Ampelbild;
int Parameter::SignalIn = 0;
std::string Parameter::MidiErgebnis;

namespace {
using P = Parameter;
using namespace SettingsChoices;
namespace G = DialogGadgets;

constexpr int kBreite = 600, kHoehe = 400;
// The four length boxes have no constant of their own; they take Button slots 1, 2, 4, 9,
// which no other control uses.
constexpr int kLengthSlot[4] = {1, 2, 4, 9};
const char* const kResultLine = "Channel=?   Note=?   Velo=?";

std::string generalValue(const std::string& key) {
    return IniClass::Lesen("", "Allgemein", key);
}
std::string midiValue(const std::string& key) {
    return IniClass::Lesen("", "MIDI", key);
}

// A list with its caption right-aligned to its left.
Gadget* captionedList(const std::string& caption, int x, int y, Gadget* page) {
    G::label(caption, x - 155, y + 4, 150, 24, page, G::Align::Right);
    return G::comboBox(x, y, 250, 32, page);
}

// A stepper with its caption to its left and a sunken value display to its right.
void captionedStepper(int slot, const std::string& caption, int x, int y, int low, int high,
                      Gadget* page) {
    P::SliderCaption[slot] = G::label(caption, x - 155, y + 2, 150, 24, page, G::Align::Right);
    P::Slider[slot] = G::stepper(x, y, 32, 26, page, low, high, 1);
    P::TextField[slot] = G::label("1", x + 36, y, 40, 26, page, G::Align::Centre, true);
}

void fillList(Gadget* combo, const std::vector<std::string>& entries) {
    G::clearItems(combo);
    for (const std::string& entry : entries) G::addItem(combo, entry);
    G::setEnabled(combo, !entries.empty());
}

void buildGeneralPage(Gadget* page) {
    Gadget* group = G::group("{{Instrument}}", 20, 20, 250, 120, page);
    P::Panel[P::PAN_INSTRUM] = group;
    P::Button[P::BUT_INST_KLAVIER] = G::radio("{{Fitting Piano}}", 10, 5, 200, 25, group);
    P::Button[P::BUT_INST_LANGKLAVIER] = G::radio("{{6 Octave Piano}}", 10, 25, 200, 25, group);
    P::Button[P::BUT_INST_GUITAR] = G::radio("{{Guitar}}", 10, 45, 200, 25, group);
    G::setEnabled(P::Button[P::BUT_INST_GUITAR], false);

    group = G::group("{{Note name}}", 320, 20, 250, 120, page);
    P::Panel[P::PAN_NAME] = group;
    P::Button[P::BUT_NAME_D] = G::radio("C Cis Des ... Ais B H His", 10, 5, 200, 25, group);
    P::Button[P::BUT_NAME_E] = G::radio("C C# Db ... A# Bb B B#", 10, 25, 200, 25, group);
    P::Button[P::BUT_NAME_I] = G::radio("Do Do# Reb ... La Sib Si Si#", 10, 45, 200, 25, group);
    P::Button[P::BUT_NAME_X] = G::radio("{{individual}}", 10, 65, 200, 25, group);
    G::setEnabled(P::Button[P::BUT_NAME_X], false);

    group = G::group("{{Octave designation}}", 20, 160, 250, 120, page);
    P::Panel[P::PAN_OKT] = group;
    P::Button[P::BUT_OKT_0] = G::radio("C,c,c'", 10, 5, 200, 25, group);
    P::Button[P::BUT_OKT_1] = G::radio("C,c,c1", 10, 25, 200, 25, group);
    P::Button[P::BUT_OKT_2] = G::radio("C3,C4,C5", 10, 45, 200, 25, group);

    group = G::group("{{Note Length}}", 320, 160, 250, 120, page);
    P::Panel[P::PAN_LANG] = group;
    P::Panel[P::PAN_LANG_I] = G::picture(LadeBild("quarter.png"), 0, 0, 240, 75, group);
    const int boxX[4] = {25, 80, 135, 190};
    for (int box = 0; box < 4; ++box)
        P::Button[kLengthSlot[box]] = G::checkBox("", boxX[box], 75, 32, 25, group);

    P::ComboBox[P::COMB_SPRACHE] = captionedList("{{Language/Sprache}}", 175, 300, page);
    for (const char* language : {"English", "Deutsch", "Czech", "New"})
        G::addItem(P::ComboBox[P::COMB_SPRACHE], language);
}

// Keys that edit rather than type (backspace, delete, arrows, Return) always pass.
bool isEditingKey(int character) {
    return character < 32 || character == 127;
}

// A field takes only the characters it can hold; a refused key is said beside it.
void filterKeys(int field, int note, bool (*fits)(int character), const std::string& refusal) {
    G::setKeyFilter(P::TextField[field], [=](int, int character) {
        const bool passes = isEditingKey(character) || fits(character);
        G::setText(P::Label[note], passes ? "" : refusal);
        return passes;
    });
}

bool isDigit(int character) {
    return character >= '0' && character <= '9';
}

bool isHostCharacter(int character) {
    return isDigit(character) || (character >= 'a' && character <= 'z') ||
           (character >= 'A' && character <= 'Z') || character == '.' || character == '-' ||
           character == ':';
}

void buildTeacherPage(Gadget* page) {
    P::Label[P::LABEL_HOMEPAGE] = G::label("{{Teacher}} ID:", 40, 40, 150, 23, page);
    P::TextField[P::LEHRER_ID_TEXT] = G::textField(40, 70, 100, 26, page);
    P::Label[P::LABEL_LEHRER_FALSCH] = G::label("", 150, 72, 400, 23, page);
    P::Label[P::LABEL_SERVER] = G::label("{{Result server}}:", 40, 120, 300, 23, page);
    P::TextField[P::SERVER_TEXT] = G::textField(40, 150, 250, 26, page);
    P::Label[P::LABEL_SERVER_FALSCH] = G::label("", 300, 152, 280, 23, page);
    filterKeys(P::LEHRER_ID_TEXT, P::LABEL_LEHRER_FALSCH, isDigit, refusedTeacherText());
    filterKeys(P::SERVER_TEXT, P::LABEL_SERVER_FALSCH, isHostCharacter, refusedServerText());
}

void buildInputPage(Gadget* page) {
    Gadget* group = G::group("", 2, 2, 150, 120, page);
    P::Panel[P::PAN_SIG_IN] = group;
    P::Button[P::BUT_IN_TASTE] = G::radio("{{Computer}}", 10, 35, 100, 25, group);
    P::Button[P::BUT_IN_MIDI] = G::radio("MIDI IN", 10, 60, 100, 25, group);
    P::Button[P::BUT_IN_AUDIO] = G::radio("Audio In", 10, 85, 100, 25, group);
    G::setEnabled(P::Button[P::BUT_IN_AUDIO], false);
    P::ComboBox[P::COMB_MIDI_IN] = captionedList("{{MIDI Input}}", 320, 35, page);
    captionedStepper(P::SLID_IN_KANAL, "{{Midi In channel}}", 320, 65, 1, 16, page);
    P::ComboBox[P::COMB_AUDIO_IN] = captionedList("{{Audio Input}}", 320, 125, page);

    group = G::group("{{Input test}}", 10, 200, 450, 140, page);
    P::Panel[P::PAN_EMPFANG] = group;
    P::Panel[P::PAN_AMPEL] = G::picture(P::Ampelbild[0], 10, 10, 40, 100, group);
    P::Label[P::LABEL_KEIN] = G::label("{{No contact}}", 60, 22, 150, 23, group);
    P::Label[P::LABEL_AKTIV] = G::label("{{MIDI active}}", 60, 55, 150, 23, group);
    P::Label[P::LABEL_NOTEDA] = G::label("{{Note received}}", 60, 84, 100, 23, group);
    P::Label[P::LABEL_MIDIERGEBNIS] = G::label(kResultLine, 160, 84, 200, 23, group);
}

void buildOutputPage(Gadget* page) {
    Gadget* group = G::group("", 2, 2, 120, 70, page);
    P::Panel[P::PAN_SIG_OUT] = group;
    P::Button[P::BUT_OUT_AUDIO] = G::radio("Audio Out", 10, 5, 100, 25, group);
    P::Button[P::BUT_OUT_MIDI] = G::radio("MIDI OUT", 10, 35, 100, 25, group);
    P::ComboBox[P::COMB_AUDIO_OUT] = captionedList("{{Audio Output}}", 280, 5, page);
    P::ComboBox[P::COMB_AUDIO_GM] = captionedList("{{Audio Instrument}}", 280, 35, page);
    P::ComboBox[P::COMB_MIDI_OUT] = captionedList("{{MIDI Ouput}}", 280, 95, page);
    P::ComboBox[P::COMB_MIDI_GM] = captionedList("{{GM Instrument}}", 280, 125, page);
    captionedStepper(P::SLID_TON_KAN, "{{Midi Out channel}}", 280, 155, 0, 16, page);
    P::Button[P::BUT_TONAN] = G::checkBox("{{Key sound on}}", 10, 200, 150, 24, page);
    G::setChecked(P::Button[P::BUT_TONAN], true);
    P::Button[P::BUT_TESTTON] = G::pushButton("{{Test}}", 370, 230, 90, 30, page);
}

// The controls as the settings hold them, in the order of the dialog's set-up.
void selectPianoAndNames() {
    const int instrument = instrumentOnOpen();
    if (instrument == 3)
        G::setChecked(P::Button[P::BUT_INST_GUITAR], true);
    else if (IniClass::Value("", "Allgemein", "KurzesKlavier") != 0)
        G::setChecked(P::Button[P::BUT_INST_KLAVIER], true);
    else
        G::setChecked(P::Button[P::BUT_INST_LANGKLAVIER], true);

    switch (IniClass::Value("", "Allgemein", "NotenNamen")) {
        case 1:
            G::setChecked(P::Button[P::BUT_NAME_D], true);
            break;
        case 2:
            G::setChecked(P::Button[P::BUT_NAME_I], true);
            break;
        case 3:
            G::setChecked(P::Button[P::BUT_NAME_X], true);
            break;
        default:
            G::setChecked(P::Button[P::BUT_NAME_E], true);
            break;
    }

    const int style = IniClass::Value("", "Allgemein", "OktavName");
    const int shown = style == 1 || style == 2 ? style : 0;
    G::setChecked(P::Button[P::BUT_OKT_0 + shown], true);
    OktavName = shown;
}

void showLengthBoxes(const LengthBoxes& boxes) {
    for (int box = 0; box < 4; ++box) G::setChecked(P::Button[kLengthSlot[box]], boxes[box]);
}

LengthBoxes lengthBoxes() {
    LengthBoxes boxes{};
    for (int box = 0; box < 4; ++box) boxes[box] = G::isChecked(P::Button[kLengthSlot[box]]);
    return boxes;
}

void fillOutputSide() {
    if (midiValue("SignalOut") == "1")
        G::setChecked(P::Button[P::BUT_OUT_MIDI], true);
    else
        G::setChecked(P::Button[P::BUT_OUT_AUDIO], true);
    const int signalIn = IniClass::Value("", "MIDI", "SignalIn");
    G::setChecked(P::Button[signalIn == 1   ? P::BUT_IN_MIDI
                            : signalIn == 2 ? P::BUT_IN_AUDIO
                                            : P::BUT_IN_TASTE],
                  true);
    G::setChecked(P::Button[P::BUT_TONAN], IniClass::Value("", "MIDI", "TastaturTonAn") != 0);

    MIDI::StartUp();
    fillList(P::ComboBox[P::COMB_MIDI_OUT], midiOutputNames());
    P::SelectComboBox(P::ComboBox[P::COMB_MIDI_OUT], midiValue("MidiOutDevice"));

    const std::vector<std::string> gm = gmNames();
    fillList(P::ComboBox[P::COMB_MIDI_GM], gm);
    const int program = IniClass::Value("", "MIDI", "MidiInstrument");
    if (!gm.empty())
        G::select(P::ComboBox[P::COMB_MIDI_GM],
                  program >= 0 && program < int(gm.size()) ? program : 0);

    fillList(P::ComboBox[P::COMB_AUDIO_GM], audioInstrumentNames());
    P::SelectComboBox(P::ComboBox[P::COMB_AUDIO_GM], midiValue("AudioInstrument"));

    // No output port: the sound stays with the samples.
    if (G::isChecked(P::Button[P::BUT_OUT_MIDI]) &&
        G::itemCount(P::ComboBox[P::COMB_MIDI_OUT]) == 0) {
        G::setChecked(P::Button[P::BUT_OUT_AUDIO], true);
        G::setChecked(P::Button[P::BUT_OUT_MIDI], false);
        IniClass::Schreiben("", "MIDI", "SignalOut", "0");
    }
    if (G::itemCount(P::ComboBox[P::COMB_MIDI_OUT]) == 0)
        G::setEnabled(P::Button[P::BUT_OUT_MIDI], false);

    fillList(P::ComboBox[P::COMB_AUDIO_OUT], audioDriverNames());
    P::SelectComboBox(P::ComboBox[P::COMB_AUDIO_OUT], midiValue("AudioOutDevice"));
}

void fillInputSide() {
    const std::vector<std::string> inputs = midiInputNames();
    fillList(P::ComboBox[P::COMB_MIDI_IN], inputs);
    if (!inputs.empty() && midiValue("MidiInDevice").empty())
        IniClass::Schreiben("", "MIDI", "MidiInDevice", inputs.front());
    P::SelectComboBox(P::ComboBox[P::COMB_MIDI_IN], midiValue("MidiInDevice"));
    // No input port: the answers come from the computer.
    if (inputs.empty()) {
        G::setEnabled(P::Button[P::BUT_IN_MIDI], false);
        if (G::isChecked(P::Button[P::BUT_IN_MIDI])) {
            G::setChecked(P::Button[P::BUT_IN_MIDI], false);
            G::setChecked(P::Button[P::BUT_IN_TASTE], true);
            IniClass::Schreiben("", "MIDI", "SignalIn", "0");
        }
    }
    fillList(P::ComboBox[P::COMB_AUDIO_IN], {midiValue("AudioInDevice")});
    P::SelectComboBox(P::ComboBox[P::COMB_AUDIO_IN], midiValue("AudioInDevice"));
}

void showLight() {
    if (P::AmpelZustand >= 0 && P::AmpelZustand <= 2)
        G::setPicture(P::Panel[P::PAN_AMPEL], P::Ampelbild[P::AmpelZustand]);
}

void lightToRed() {
    P::AmpelZustand = 0;
    showLight();
}

// A field's text, checked: a refused text is said beside the field.
void showRefusal(int labelSlot, bool accepted, const std::string& refusal) {
    G::setText(P::Label[labelSlot], accepted ? "" : refusal);
}

void stepperChanged(int slot) {
    const int value = G::stepperValue(P::Slider[slot]);
    G::setText(P::TextField[slot], std::to_string(value));
    if (slot == P::SLID_TON_KAN)
        chooseOutputChannel(value);
    else
        chooseInputChannel(value);
}

// A list action: the entry's position and text, or nothing when none is chosen.
bool chosenEntry(Gadget* combo, int& position, std::string& text) {
    position = G::selected(combo);
    if (position < 0) return false;
    text = G::itemText(combo, position);
    return true;
}

bool isOneOf(Gadget* source, std::initializer_list<int> slots, int& which) {
    for (int slot : slots)
        if (source == P::Button[slot]) {
            which = slot;
            return true;
        }
    return false;
}

void radioEvent(int slot) {
    switch (slot) {
        case P::BUT_INST_KLAVIER:
            choosePiano(true);
            break;
        case P::BUT_INST_LANGKLAVIER:
            choosePiano(false);
            break;
        case P::BUT_INST_GUITAR:
            chooseGuitar();
            break;
        case P::BUT_NAME_E:
            chooseNoteNames(0);
            break;
        case P::BUT_NAME_D:
            chooseNoteNames(1);
            break;
        case P::BUT_NAME_I:
            chooseNoteNames(2);
            break;
        case P::BUT_NAME_X:
            chooseNoteNames(3);
            break;
        case P::BUT_OKT_0:
        case P::BUT_OKT_1:
        case P::BUT_OKT_2:
            chooseOctaveNames(slot - P::BUT_OKT_0);
            break;
        case P::BUT_IN_TASTE:
            chooseInput(0);
            break;
        case P::BUT_IN_MIDI:
            chooseInput(1);
            lightToRed();
            break;
        case P::BUT_IN_AUDIO:
            chooseInput(2);
            lightToRed();
            break;
        case P::BUT_OUT_AUDIO:
            chooseOutput(0);
            break;
        case P::BUT_OUT_MIDI:
            chooseOutput(1);
            break;
        default:
            break;
    }
}

bool listEvent(Gadget* source) {
    int position = -1;
    std::string text;
    for (int combo = 0; combo < 10; ++combo) {
        if (!P::ComboBox[combo] || source != P::ComboBox[combo]) continue;
        if (!chosenEntry(source, position, text)) return true;  // no entry chosen
        switch (combo) {
            case P::COMB_SPRACHE:
                chooseLanguage(position);
                break;
            case P::COMB_MIDI_OUT:
                chooseMidiOutput(text);
                break;
            case P::COMB_MIDI_IN:
                chooseMidiInput(text);
                lightToRed();  // the test starts again for the new keyboard
                break;
            case P::COMB_AUDIO_OUT:
                chooseAudioOutput(text);
                break;
            case P::COMB_AUDIO_IN:
                chooseAudioInput(text);
                break;
            case P::COMB_MIDI_GM:
                chooseGmProgram(position);
                break;
            case P::COMB_AUDIO_GM:
                chooseAudioInstrument(text);
                break;
        }
        return true;
    }
    return false;
}
}  // namespace

void Parameter::FormLoad() {
    Gui& gui = *Ui::gui;
    if (Window) gui.freeGadget(Window);
    SetzeStartwerte();
    Window = G::dialogWindow("{{Program settings}}", kBreite, kHoehe);
    Ampelbild = {LadeBild("AmpelRot.png"), LadeBild("AmpelGelb.png"), LadeBild("AmpelGrun.png")};
    ToolBar = G::toolbar("toolbar2.png", 4, Window);
    const int top = G::clientTop(Window);
    for (int page = 0; page < 4; ++page)
        Panel[page] = G::page(-2, top, kBreite + 4, kHoehe - 50, Window);
    buildGeneralPage(Panel[PAN_ALLG]);
    buildTeacherPage(Panel[PAN_ALLG2]);
    buildInputPage(Panel[PAN_MIDI_IN]);
    buildOutputPage(Panel[PAN_MIDI_OUT]);
    Button[BUT_OK] = G::pushButton("{{OK}}", 400, top + 360, 100, 24, Window, true);
    Form_Setup();
    ZeigeSeite(0);
    ZeigeModal(Window);
    ListenToMidiWhileActive();
}

void Parameter::Form_Setup() {
    G::select(ComboBox[COMB_SPRACHE], IniClass::Value("", "Allgemein", "Sprache"));
    selectPianoAndNames();
    showLengthBoxes(boxesFor(noteLangOnOpen()));
    G::setText(TextField[LEHRER_ID_TEXT],
               std::to_string(IniClass::Value("", "Allgemein", "Lehrer")));
    G::setText(TextField[SERVER_TEXT], generalValue("CodeServer"));
    fillOutputSide();
    fillInputSide();
}

void Parameter::ZeigeSeite(int n) {
    for (int page = 0; page < 4; ++page) G::setVisible(Panel[page], page == n);
    if (n == 2) {
        SignalIn = 1;
        lightToRed();
    } else {
        SignalIn = 0;
        MIDI::InMessages.clear();
    }
}

void Parameter::Event(Gadget* source) {
    if (!source) return;
    int slot = -1;
    if (source == ToolBar) {
        const int icon = G::toolbarIcon(ToolBar);
        if (icon >= 0 && icon < 4) ZeigeSeite(icon);
    } else if (source == Button[BUT_OK]) {
        // The teacher page's fields are kept by "OK"; a refused text keeps the dialog
        // open on that page, with the reason beside the field.
        const bool teacher = chooseTeacher(G::text(TextField[LEHRER_ID_TEXT]));
        const bool server = chooseServer(G::text(TextField[SERVER_TEXT]));
        showRefusal(LABEL_LEHRER_FALSCH, teacher, refusedTeacherText());
        showRefusal(LABEL_SERVER_FALSCH, server, refusedServerText());
        if (!teacher || !server) {
            ZeigeSeite(1);
            return;
        }
        SchliesseDialog(Window);
    } else if (isOneOf(source, {kLengthSlot[0], kLengthSlot[1], kLengthSlot[2], kLengthSlot[3]},
                       slot)) {
        int clicked = 0;
        while (kLengthSlot[clicked] != slot) ++clicked;
        showLengthBoxes(clickLengthBox(lengthBoxes(), clicked));
    } else if (source == Button[BUT_TONAN]) {
        chooseKeySound(G::isChecked(source));
    } else if (source == Button[BUT_TESTTON]) {
        playTest();
    } else if (source == Slider[SLID_TON_KAN]) {
        stepperChanged(SLID_TON_KAN);
    } else if (source == Slider[SLID_IN_KANAL]) {
        stepperChanged(SLID_IN_KANAL);
    } else if (!listEvent(source)) {
        for (int each = 0; each < 30; ++each)
            if (Button[each] && source == Button[each]) radioEvent(each);
    }
}

void Parameter::MeldeMidiMessage() {
    if (AmpelZustand > 2 || MIDI::InMessages.empty()) return;
    if (AmpelZustand == 0) AmpelZustand = 1;
    std::optional<MidiMessageTyp> message = MIDI::GetNextMessage(0);
    if (message && message->Typ == 9 && message->Volume > 1) {
        AmpelZustand = 2;
        MidiErgebnis = " C= " + std::to_string(message->Kanal + 1) +
                       "   N= " + std::to_string(message->Note) +
                       "   V= " + std::to_string(message->Volume);
        G::setText(Label[LABEL_MIDIERGEBNIS], MidiErgebnis);
    }
    showLight();
}

int Parameter::SelectComboBox(Gadget* combo, const std::string& text) {
    const int count = G::itemCount(combo);
    if (count == 0) {
        G::setEnabled(combo, false);
        return -1;
    }
    for (int i = 0; i < count; ++i) {
        if (G::itemText(combo, i) == text) {
            G::select(combo, i);
            return i;
        }
    }
    G::select(combo, 0);
    return -1;
}

void Parameter::SetzeStartwerte() {
    Window = ToolBar = nullptr;
    Panel.fill(nullptr);
    Button.fill(nullptr);
    ComboBox.fill(nullptr);
    Label.fill(nullptr);
    Slider.fill(nullptr);
    SliderCaption.fill(nullptr);
    TextField.fill(nullptr);
    AmpelZustand = 0;
    Ampelbild = {};
    SignalIn = 0;
    MidiErgebnis.clear();
}

namespace {
// While the settings window is shown, MIDI input feeds its signal light and nothing else:
// the exercise counts none of it, and a click on a device answers nobody.
class SignalLightListener : public AntwortEmpfaenger {
  public:
    void EmpfangeNote(int, int) override {}
    void EmpfangeChroma(int, int) override {}
    void EmpfangeMidi(std::list<MidiMessageTyp>&) override { Parameter::MeldeMidiMessage(); }
};

std::optional<EmpfaengerLeihe>& listening() {
    static std::optional<EmpfaengerLeihe> lease;
    return lease;
}
}  // namespace

void ListenToMidiWhileActive() {
    static SignalLightListener listener;
    listening().emplace(listener);
    BeimSchliessen(Parameter::Window, [] { listening().reset(); });
}

void RegisterSettingsDialog() {
    RegistriereDialog(&Parameter::Window, Parameter::Event);
}
