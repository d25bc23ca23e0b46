#pragma once
// The settings dialog: four pages chosen from a toolbar (general, teacher, input with
// its signal light, output with its test). Every control writes its setting at once and
// takes effect at once (SettingsChoices); nothing is applied or saved on closing.

#include <array>
#include <memory>
#include <string>

#include "platform/Gadget.h"
#include "platform/Image.h"

struct Parameter {
    // Class-wide state.
    static Gadget* Window;  // made anew on every opening
    static Gadget* ToolBar;
    static std::array<Gadget*, 30> Panel;
    static std::array<Gadget*, 30> Button;
    static std::array<Gadget*, 10> ComboBox;
    static std::array<Gadget*, 30> Label;
    static std::array<Gadget*, 30> Slider;
    static std::array<Gadget*, 30> SliderCaption;
    static std::array<Gadget*, 30> TextField;
    static int AmpelZustand;  // 0 red (no contact), 1 yellow (MIDI active), 2 green (note)
    static std::array<std::shared_ptr<Image>, 3> Ampelbild;
    static int SignalIn;  // 1 while the input page is shown
    // The light's result line as it was last set (also shown in LABEL_MIDIERGEBNIS).
    static std::string MidiErgebnis;

    static constexpr int PAN_ALLG = 0, PAN_ALLG2 = 1, PAN_MIDI_IN = 2, PAN_MIDI_OUT = 3,
                         PAN_NAME = 5, PAN_OKT = 6, PAN_LANG = 7, PAN_AMPEL = 8, PAN_EMPFANG = 9,
                         PAN_LANG_I = 10, PAN_SIG_IN = 11, PAN_SIG_OUT = 12, PAN_INSTRUM = 13;
    static constexpr int BUT_OK = 0, BUT_TONAN = 3, BUT_TESTTON = 5, BUT_INST_KLAVIER = 6,
                         BUT_INST_LANGKLAVIER = 7, BUT_INST_GUITAR = 8, BUT_NAME_D = 11,
                         BUT_NAME_E = 12, BUT_NAME_I = 13, BUT_NAME_X = 14, BUT_OKT_0 = 15,
                         BUT_OKT_1 = 16, BUT_OKT_2 = 17, BUT_IN_AUDIO = 18, BUT_IN_MIDI = 19,
                         BUT_IN_TASTE = 20, BUT_OUT_MIDI = 21, BUT_OUT_AUDIO = 22, BUT_LANG_1 = 23,
                         BUT_LANG_2 = 24, BUT_LANG_3 = 25, BUT_LANG_4 = 26;
    static constexpr int COMB_MIDI_OUT = 0, COMB_AUDIO_OUT = 1, COMB_MIDI_IN = 2, COMB_AUDIO_IN = 3,
                         COMB_MIDI_GM = 4, COMB_AUDIO_GM = 5, COMB_SPRACHE = 6;
    static constexpr int LABEL_KEIN = 0, LABEL_AKTIV = 1, LABEL_NOTEDA = 2, LABEL_MIDIERGEBNIS = 7,
                         LABEL_HOMEPAGE = 8;
    static constexpr int SLID_TON_KAN = 0, SLID_IN_KANAL = 1;
    static constexpr int LEHRER_ID_TEXT = 10;
    // Beyond the teacher number: the result server's field, its caption, and the notes
    // shown beside a field whose text is refused.
    static constexpr int SERVER_TEXT = 11;
    static constexpr int LABEL_SERVER = 9, LABEL_LEHRER_FALSCH = 10, LABEL_SERVER_FALSCH = 11;

    // Builds the window and every control, fills them, shows page 0 and the window, and
    // disables the main window.
    static void FormLoad();
    // Puts the saved settings into the controls and fills the device lists.
    static void Form_Setup();
    // An action of a control of this window.
    static void Event(Gadget* source);
    // Drives the signal light from the waiting MIDI input; on every tick while the
    // dialog is the active window.
    static void MeldeMidiMessage();
    // Selects the first entry equal to `text` and returns its position; with none, entry
    // 0 and -1; an empty list is disabled and -1 returned.
    static int SelectComboBox(Gadget* combo, const std::string& text);
    // Shows page n (0 to 3) as its toolbar icon does.
    static void ZeigeSeite(int n);

    static void SetzeStartwerte();
};

// The dialog takes the MIDI input while it is the active window, so that a note played
// for the input test never reaches the exercise.
void ListenToMidiWhileActive();
// Start-up: the event loop hands the dialog's gadget actions to Parameter::Event, and
// the dialog listens to MIDI while active.
void RegisterSettingsDialog();
