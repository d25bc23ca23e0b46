// The settings dialog in the whole program on the headless platform: opened from the
// menu, its gadgets clicked, chosen and typed into as a user would, every setting written
// at the moment its control is used.
#include <gtest/gtest.h>

#include <functional>

#include "dialogs/Parameter.h"
#include "exercise/ExerciseFixture.h"
#include "i18n/Sprache.h"
#include "input/KlavierTyp.h"
#include "input/TastenFeldTyp.h"
#include "midi/MidiFakes.h"
#include "music/ChromaTyp.h"
#include "platform/AudioOutput.h"
#include "platform/Ui.h"
#include "platform/sdl/SdlAudioOutput.h"
#include "sound/MIDI.h"
#include "sound/SoundTyp.h"

namespace {

using P = Parameter;

class SettingsDialog : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        output->p.ports = {"Synth:0", "Piano:1"};
        input->p.ports = {"Keys:0", "Pads:1"};
    }
    // The MIDI system as the dialog finds it; without ports unless the test says so.
    void withPorts() {
        MIDI::SetzeAusgang(output);
        MIDI::SetzeEingang(input);
    }
    void open() {
        menu(MDI::MENU_PARA);
        run();
    }
    void run() { Programm::EventLoop(); }
    void page(int n) {
        ASSERT_TRUE(gui.clickIcon(P::ToolBar, n));
        run();
    }
    void click(Gadget* gadget) {
        ASSERT_TRUE(gui.click(gadget));
        run();
    }
    void choose(Gadget* list, int index) {
        ASSERT_TRUE(gui.choose(list, index));
        run();
    }
    bool shown(Gadget* gadget) { return gui.isShown(gadget); }
    bool reachable(Gadget* gadget) { return gui.isReachable(gadget); }
    int value(Gadget* gadget) { return gui.value(gadget); }
    std::string general(const std::string& key) { return IniClass::Lesen("", "Allgemein", key); }
    std::string midi(const std::string& key) { return IniClass::Lesen("", "MIDI", key); }
    Gadget* lengthBox(int box) {
        const int slots[4] = {1, 2, 4, 9};
        return P::Button[slots[box]];
    }

    std::shared_ptr<FakeMidiOutput> output = std::make_shared<FakeMidiOutput>();
    std::shared_ptr<FakeMidiInput> input = std::make_shared<FakeMidiInput>();
};

TEST_F(SettingsDialog, OpensModalOnTheGeneralPageWithItsToolbar) {
    open();
    ASSERT_TRUE(P::Window);
    EXPECT_TRUE(shown(P::Window));
    EXPECT_EQ(gui.record(P::Window)->title, "{{Program settings}}");
    EXPECT_FALSE(gui.record(MDI::Window)->enabled);
    EXPECT_EQ(Ui::activeWindow(), P::Window);
    ASSERT_TRUE(gui.record(P::ToolBar)->picture);
    EXPECT_EQ(gui.record(P::ToolBar)->picture->cellCount(), 4);
    EXPECT_EQ(gui.record(P::ToolBar)->picture->cellWidth(), 32);
    EXPECT_TRUE(shown(P::Panel[P::PAN_ALLG]));
    for (int n = 1; n < 4; ++n) EXPECT_FALSE(shown(P::Panel[n])) << n;
    EXPECT_EQ(gui.shape(P::Panel[P::PAN_ALLG]).width, 604);
    EXPECT_EQ(gui.shape(P::Panel[P::PAN_ALLG]).height, 350);
    EXPECT_EQ(gui.defaultButton(P::Window), P::Button[P::BUT_OK]);
    EXPECT_TRUE(gui.record(P::Panel[P::PAN_AMPEL])->picture);
    EXPECT_TRUE(gui.record(P::Panel[P::PAN_LANG_I])->picture);
}

TEST_F(SettingsDialog, EachToolbarIconShowsItsPageAndTheInputPageListens) {
    open();
    for (int n : {1, 3, 2, 0}) {
        page(n);
        for (int each = 0; each < 4; ++each)
            EXPECT_EQ(shown(P::Panel[each]), each == n) << "icon " << n << ", page " << each;
        EXPECT_EQ(P::SignalIn, n == 2 ? 1 : 0);
    }
    page(2);
    P::AmpelZustand = 2;
    page(3);
    MIDI::InMessages.push_back({9, 0, 60, 90});
    page(2);
    EXPECT_EQ(P::AmpelZustand, 0) << "entering the input page turns the light red";
    EXPECT_EQ(gui.record(P::Panel[P::PAN_AMPEL])->picture, P::Ampelbild[0]);
    page(0);
    EXPECT_TRUE(MIDI::InMessages.empty()) << "leaving it drops what waited";
}

TEST_F(SettingsDialog, OkKeepsTheTeacherPageAndClosesTheDialog) {
    open();
    page(1);
    Gadget* teacher = P::TextField[P::LEHRER_ID_TEXT];
    EXPECT_EQ(gui.text(teacher), "0");
    gui.setText(teacher, "");
    ASSERT_TRUE(gui.type(teacher, "47x11"));
    EXPECT_EQ(gui.text(teacher), "4711") << "the field takes digits only";
    EXPECT_EQ(gui.text(P::Label[P::LABEL_LEHRER_FALSCH]), "");
    ASSERT_TRUE(gui.type(teacher, "a"));
    EXPECT_EQ(gui.text(P::Label[P::LABEL_LEHRER_FALSCH]), "{{Numbers only}}");
    ASSERT_TRUE(gui.type(P::TextField[P::SERVER_TEXT], "codes.example.org:8080"));
    EXPECT_EQ(general("Lehrer"), "") << "only OK keeps the number";
    click(P::Button[P::BUT_OK]);
    EXPECT_EQ(general("Lehrer"), "4711");
    EXPECT_EQ(general("CodeServer"), "codes.example.org:8080");
    EXPECT_FALSE(shown(P::Window));
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);
    EXPECT_EQ(gui.focusedGadget(), MDI::Canvas);
}

TEST_F(SettingsDialog, ARefusedServerAddressKeepsTheDialogOpenAndSaysWhy) {
    open();
    page(1);
    ASSERT_TRUE(gui.type(P::TextField[P::SERVER_TEXT], "host:99999"));
    click(P::Button[P::BUT_OK]);
    EXPECT_TRUE(shown(P::Window));
    EXPECT_TRUE(shown(P::Panel[P::PAN_ALLG2]));
    EXPECT_EQ(gui.text(P::Label[P::LABEL_SERVER_FALSCH]), "{{Host or host:port}}");
    EXPECT_EQ(general("CodeServer"), "");
    gui.setText(P::Label[P::LABEL_SERVER_FALSCH], "");
    ASSERT_TRUE(gui.type(P::TextField[P::SERVER_TEXT], "/"));
    EXPECT_EQ(gui.text(P::TextField[P::SERVER_TEXT]), "host:99999") << "a '/' is refused";
    EXPECT_EQ(gui.text(P::Label[P::LABEL_SERVER_FALSCH]), "{{Host or host:port}}");
}

TEST_F(SettingsDialog, ATeacherNumberThatIsNoNumberOpensAsZero) {
    IniClass::Schreiben("", "Allgemein", "Lehrer", "abc");
    open();
    EXPECT_EQ(gui.text(P::TextField[P::LEHRER_ID_TEXT]), "0");
}

// ---- every control writes its key at once ------------------------------------------

struct ControlCase {
    const char* what;
    std::function<Gadget*()> control;  // clicked
    const char* section;
    const char* key;
    const char* value;
};

class EveryControl : public SettingsDialog, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(EveryControl, WritesItsKeyAtOnce) {
    const ControlCase& c = GetParam();
    withPorts();
    IniClass::Schreiben("", "MIDI", "SignalIn", "2");
    IniClass::Schreiben("", "Allgemein", "NotenNamen", "3");
    IniClass::Schreiben("", "Allgemein", "OktavName", "2");
    IniClass::Schreiben("", "MIDI", "SignalOut", "1");
    open();
    for (int n = 0; n < 4; ++n)
        if (gui.isShown(c.control()) == false) page(n);
    ASSERT_TRUE(gui.click(c.control())) << c.what;
    Programm::HandleEvent(gui.queue.front());  // the action alone, before anything else runs
    gui.queue.pop_front();
    EXPECT_EQ(IniClass::Lesen("", c.section, c.key), c.value) << c.what;
}

Gadget* button(int slot) {
    return P::Button[slot];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EveryControl,
    ::testing::Values(ControlCase{"fitting piano", [] { return button(P::BUT_INST_KLAVIER); },
                                  "Allgemein", "KurzesKlavier", "1"},
                      ControlCase{"six octaves", [] { return button(P::BUT_INST_LANGKLAVIER); },
                                  "Allgemein", "KurzesKlavier", "0"},
                      ControlCase{"German names", [] { return button(P::BUT_NAME_D); }, "Allgemein",
                                  "NotenNamen", "1"},
                      ControlCase{"English names", [] { return button(P::BUT_NAME_E); },
                                  "Allgemein", "NotenNamen", "0"},
                      ControlCase{"Solfege names", [] { return button(P::BUT_NAME_I); },
                                  "Allgemein", "NotenNamen", "2"},
                      ControlCase{"octaves c'", [] { return button(P::BUT_OKT_0); }, "Allgemein",
                                  "OktavName", "0"},
                      ControlCase{"octaves c1", [] { return button(P::BUT_OKT_1); }, "Allgemein",
                                  "OktavName", "1"},
                      ControlCase{"the whole-note box", [] { return P::Button[1]; }, "Allgemein",
                                  "NoteLang", "8|4|4|2|2|2|2"},
                      ControlCase{"computer input", [] { return button(P::BUT_IN_TASTE); }, "MIDI",
                                  "SignalIn", "0"},
                      ControlCase{"MIDI input", [] { return button(P::BUT_IN_MIDI); }, "MIDI",
                                  "SignalIn", "1"},
                      ControlCase{"audio output", [] { return button(P::BUT_OUT_AUDIO); }, "MIDI",
                                  "SignalOut", "0"},
                      ControlCase{"key sound", [] { return button(P::BUT_TONAN); }, "MIDI",
                                  "TastaturTonAn", "1"}));

struct ListCase {
    const char* what;
    int combo;
    int page;
    int entry;
    const char* section;
    const char* key;
    const char* value;
};

class EveryList : public SettingsDialog, public ::testing::WithParamInterface<ListCase> {};

TEST_P(EveryList, WritesItsKeyAtOnce) {
    const ListCase& c = GetParam();
    withPorts();
    IniClass::Schreiben("", "MIDI", "AudioInDevice", "Line 1");
    open();
    IniClass::Schreiben("", c.section, c.key, "before");  // so the choice shows
    page(c.page);
    choose(P::ComboBox[c.combo], c.entry);
    EXPECT_EQ(IniClass::Lesen("", c.section, c.key), c.value) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EveryList,
    ::testing::Values(
        ListCase{"language", P::COMB_SPRACHE, 0, 0, "Allgemein", "Sprache", "0"},
        ListCase{"MIDI output", P::COMB_MIDI_OUT, 3, 1, "MIDI", "MidiOutDevice", "Piano:1"},
        ListCase{"GM instrument", P::COMB_MIDI_GM, 3, 19, "MIDI", "MidiInstrument", "19"},
        ListCase{"audio instrument", P::COMB_AUDIO_GM, 3, 0, "MIDI", "AudioInstrument", "Piano"},
        ListCase{"MIDI input", P::COMB_MIDI_IN, 2, 1, "MIDI", "MidiInDevice", "Pads:1"},
        ListCase{"audio input, its one entry", P::COMB_AUDIO_IN, 2, 0, "MIDI", "AudioInDevice",
                 "Line 1"}));

TEST_F(SettingsDialog, TheAudioOutputListOffersSdlsDriversAndSwitchesAtOnce) {
    SdlAudioOutput::install();
    open();
    page(3);
    Gadget* drivers = P::ComboBox[P::COMB_AUDIO_OUT];
    ASSERT_GT(gui.itemCount(drivers), 0);
    int dummy = -1;
    for (int i = 0; i < gui.itemCount(drivers); ++i)
        if (gui.itemText(drivers, i) == "dummy") dummy = i;
    ASSERT_GE(dummy, 0) << "SDL always has its dummy driver";
    choose(drivers, dummy);
    EXPECT_EQ(midi("AudioOutDevice"), "dummy");
    EXPECT_EQ(AudioPlatform::output()->driver(), "dummy");
    SoundTyp::WarteAufLader();
    AudioPlatform::install(nullptr);
}

TEST_F(SettingsDialog, TheSteppersWriteTheirChannelAndShowIt) {
    open();
    page(3);
    EXPECT_EQ(value(P::Slider[P::SLID_TON_KAN]), 1) << "the steppers open at 1";
    ASSERT_TRUE(gui.slide(P::Slider[P::SLID_TON_KAN], 9));
    run();
    EXPECT_EQ(midi("MidiKanal"), "9");
    EXPECT_EQ(SoundTyp::MidiOutKanal, 9);
    EXPECT_EQ(gui.text(P::TextField[P::SLID_TON_KAN]), "9");
    page(2);
    ASSERT_TRUE(gui.slide(P::Slider[P::SLID_IN_KANAL], 40));  // kept inside 1 to 16
    run();
    EXPECT_EQ(midi("MidiInKanal"), "16");
    EXPECT_EQ(gui.text(P::TextField[P::SLID_IN_KANAL]), "16");
}

// ---- note lengths ----------------------------------------------------------------------

TEST_F(SettingsDialog, LengthBoxesWriteTheirPartsAndTheLastOneStays) {
    IniClass::Schreiben("", "Allgemein", "NoteLang", "");
    open();
    EXPECT_EQ(general("NoteLang"), "4|2");
    const int opened[4] = {0, 1, 1, 0};
    for (int box = 0; box < 4; ++box) EXPECT_EQ(value(lengthBox(box)), opened[box]) << box;
    click(lengthBox(1));  // the half note off
    EXPECT_EQ(general("NoteLang"), "2|2|2|2");
    click(lengthBox(2));  // the quarter note, the last one, off
    EXPECT_EQ(value(lengthBox(2)), 1) << "the last box stays checked";
    EXPECT_EQ(general("NoteLang"), "2|2|2|2");
    click(lengthBox(0));
    EXPECT_EQ(general("NoteLang"), "8|2|2|2|2");
}

// ---- instrument and names ----------------------------------------------------------------

struct InstrumentOpen {
    const char* what;
    const char* instrument;  // nullptr: missing
    const char* shortPiano;
    int selected;  // the radio that opens checked
};

class InstrumentOnOpening : public SettingsDialog,
                            public ::testing::WithParamInterface<InstrumentOpen> {};

TEST_P(InstrumentOnOpening, SelectsThePianoBySizeAndWritesAMissingInstrument) {
    const InstrumentOpen& c = GetParam();
    if (c.instrument) IniClass::Schreiben("", "Allgemein", "Instrument", c.instrument);
    IniClass::Schreiben("", "Allgemein", "KurzesKlavier", c.shortPiano);
    open();
    EXPECT_EQ(general("Instrument"), c.instrument ? c.instrument : "1") << c.what;
    for (int slot : {P::BUT_INST_KLAVIER, P::BUT_INST_LANGKLAVIER, P::BUT_INST_GUITAR})
        EXPECT_EQ(value(P::Button[slot]), slot == c.selected ? 1 : 0) << c.what << " " << slot;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstrumentOnOpening,
    ::testing::Values(InstrumentOpen{"missing, short piano", nullptr, "1", P::BUT_INST_KLAVIER},
                      InstrumentOpen{"missing, long piano", nullptr, "0", P::BUT_INST_LANGKLAVIER},
                      InstrumentOpen{"missing, size missing", nullptr, "", P::BUT_INST_LANGKLAVIER},
                      InstrumentOpen{"guitar", "3", "1", P::BUT_INST_GUITAR}));

TEST_F(SettingsDialog, ThePianoRadiosRebuildThePianoAtOnce) {
    useLesson({"22|25|28"});
    IniClass::Schreiben("", "Allgemein", "KurzesKlavier", "0");
    open();
    click(P::Button[P::BUT_INST_KLAVIER]);
    EXPECT_EQ(KlavierTyp::Oktaven, 3) << "fitted to C4 to G4";
    click(P::Button[P::BUT_INST_LANGKLAVIER]);
    EXPECT_EQ(KlavierTyp::Oktaven, 6);
    EXPECT_EQ(KlavierTyp::OktavTranspose, 24);
    EXPECT_FALSE(reachable(P::Button[P::BUT_INST_GUITAR])) << "the guitar is not offered";
    EXPECT_FALSE(reachable(P::Button[P::BUT_NAME_X]));
    page(2);
    EXPECT_FALSE(reachable(P::Button[P::BUT_IN_AUDIO])) << "nor audio input";
}

TEST_F(SettingsDialog, TheButtonCaptionsFollowTheNameAndOctaveChoices) {
    useLesson({"22|25|28"});
    menu(MDI::MENU_LEARN);
    open();
    click(P::Button[P::BUT_NAME_E]);
    click(P::Button[P::BUT_OKT_0]);
    EXPECT_EQ(TastenFeldTyp::Button[19].Name, "b'");
    click(P::Button[P::BUT_NAME_D]);
    EXPECT_EQ(TastenFeldTyp::Button[19].Name, "h'");
    click(P::Button[P::BUT_OKT_2]);
    EXPECT_EQ(TastenFeldTyp::Button[19].Name, "H4");
    EXPECT_EQ(OktavName, 2);
    click(P::Button[P::BUT_NAME_I]);
    EXPECT_EQ(TastenFeldTyp::Button[1].Name, "Do4");
}

TEST_F(SettingsDialog, TheOctaveStyleTakesEffectWhenTheDialogOpens) {
    IniClass::Schreiben("", "Allgemein", "OktavName", "7");
    OktavName = 2;
    open();
    EXPECT_EQ(OktavName, 0) << "an unknown style reads as 0";
    EXPECT_EQ(value(P::Button[P::BUT_OKT_0]), 1);
}

// ---- the language --------------------------------------------------------------------------

struct LanguageCase {
    const char* what;
    int entry;
    const char* piano;     // the caption of "{{Fitting Piano}}"
    const char* contact;   // the caption of "{{No contact}}"
    const char* openMenu;  // the menu entry "{{Select exercise}}"
};

class LanguageList : public SettingsDialog, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LanguageList, RecaptionsEveryGadgetAndMenuAndResetsTheExercise) {
    const LanguageCase& c = GetParam();
    useLesson({"22|25|28"});
    menu(MDI::MENU_FLOATING);
    ticksFor(300);
    Spiel::SpielerRichtig = 5;
    open();
    choose(P::ComboBox[P::COMB_SPRACHE], c.entry);
    EXPECT_EQ(general("Sprache"), std::to_string(c.entry));
    EXPECT_EQ(gui.shown(P::Button[P::BUT_INST_KLAVIER]), c.piano) << c.what;
    EXPECT_EQ(gui.shown(P::Label[P::LABEL_KEIN]), c.contact) << c.what;
    EXPECT_EQ(gui.shown(MDI::Menus[MDI::MENU_OPEN]), c.openMenu + std::string(19, ' ')) << c.what;
    EXPECT_EQ(Spiel::SpielerRichtig, 0) << "the exercise was reset";
    EXPECT_EQ(gui.record(MDI::Window)->title, MDI::TITLE);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageList,
    ::testing::Values(LanguageCase{"English", 0, "Fitting Piano", "No contact", "Select exercise"},
                      LanguageCase{"Deutsch", 1, "Klavier passend zur \u00dcbung", "Kein Kontakt",
                                   "\u00dcbung ausw\u00e4hlen"},
                      LanguageCase{"Czech, no user file", 2, "Fitting Piano", "No contact",
                                   "Select exercise"},
                      LanguageCase{"New", 3, "Fitting Piano", "No contact", "Select exercise"}));

TEST_F(SettingsDialog, TheLanguageListOpensOnTheSavedLanguage) {
    IniClass::Schreiben("", "Allgemein", "Sprache", "0");
    open();
    EXPECT_EQ(value(P::ComboBox[P::COMB_SPRACHE]), 0);
    EXPECT_EQ(gui.itemCount(P::ComboBox[P::COMB_SPRACHE]), 4);
}

// ---- devices -------------------------------------------------------------------------------

TEST_F(SettingsDialog, WithoutPortsTheMidiSidesFallBack) {
    auto noOutput = std::make_shared<FakeMidiOutput>();
    auto noInput = std::make_shared<FakeMidiInput>();
    MIDI::SetzeAusgang(noOutput);
    MIDI::SetzeEingang(noInput);
    IniClass::Schreiben("", "MIDI", "SignalOut", "1");
    IniClass::Schreiben("", "MIDI", "SignalIn", "1");
    open();
    EXPECT_EQ(midi("SignalOut"), "0");
    EXPECT_EQ(midi("SignalIn"), "0");
    EXPECT_EQ(value(P::Button[P::BUT_OUT_AUDIO]), 1);
    EXPECT_EQ(value(P::Button[P::BUT_IN_TASTE]), 1);
    EXPECT_FALSE(gui.record(P::Button[P::BUT_OUT_MIDI])->enabled);
    EXPECT_FALSE(gui.record(P::Button[P::BUT_IN_MIDI])->enabled);
    EXPECT_FALSE(gui.record(P::ComboBox[P::COMB_MIDI_OUT])->enabled);
    EXPECT_FALSE(gui.record(P::ComboBox[P::COMB_MIDI_IN])->enabled);
}

TEST_F(SettingsDialog, TheListsShowThePortsTheDriversAndTheInstruments) {
    withPorts();
    IniClass::Schreiben("", "MIDI", "MidiOutDevice", "Piano:1");
    IniClass::Schreiben("", "MIDI", "MidiInstrument", "40");
    open();
    Gadget* outputs = P::ComboBox[P::COMB_MIDI_OUT];
    ASSERT_EQ(gui.itemCount(outputs), 2);
    EXPECT_EQ(value(outputs), 1);
    EXPECT_EQ(gui.itemCount(P::ComboBox[P::COMB_MIDI_GM]), 88);
    EXPECT_EQ(value(P::ComboBox[P::COMB_MIDI_GM]), 40);
    EXPECT_EQ(gui.itemText(P::ComboBox[P::COMB_MIDI_GM], 40), "Violin");
    EXPECT_EQ(midi("MidiInDevice"), "Keys:0") << "the first input is written while none is set";
    EXPECT_EQ(value(P::ComboBox[P::COMB_MIDI_IN]), 0);
    EXPECT_EQ(gui.itemCount(P::ComboBox[P::COMB_AUDIO_IN]), 1);
}

TEST_F(SettingsDialog, TheGmListAndTheTestButtonPlayThroughTheMidiOutput) {
    withPorts();
    IniClass::Schreiben("", "MIDI", "SignalOut", "1");
    open();
    page(3);
    output->sent.clear();  // every menu command sends the saved instrument
    choose(P::ComboBox[P::COMB_MIDI_GM], 24);
    using Bytes = std::array<uint8_t, 3>;
    EXPECT_EQ(output->sent, (std::vector<Bytes>{{0xC0, 24, 0}, {0xC1, 24, 0}, {0xC2, 24, 0}}));
    output->sent.clear();
    click(P::Button[P::BUT_TESTTON]);
    ticksFor(2200);
    int notesOn = 0;
    for (const Bytes& bytes : output->sent)
        if ((bytes[0] & 0xF0) == 0x90 && bytes[2] > 0) ++notesOn;
    EXPECT_EQ(notesOn, 6);
}

// ---- SelectComboBox --------------------------------------------------------------------------

struct SelectCase {
    const char* what;
    std::vector<std::string> items;
    const char* text;
    int returned;
    int selected;
    bool enabled;
};

class SelectComboBox : public SettingsDialog, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(SelectComboBox, SelectsTheFirstEqualEntry) {
    const SelectCase& c = GetParam();
    Gadget* combo = gui.createGadget(GadgetClass::ComboBox, 0, 0, 10, 10, MDI::Window, "", 0);
    for (const std::string& item : c.items) gui.addItem(combo, item, "");
    EXPECT_EQ(P::SelectComboBox(combo, c.text), c.returned) << c.what;
    if (!c.items.empty()) EXPECT_EQ(value(combo), c.selected) << c.what;
    EXPECT_EQ(gui.record(combo)->enabled, c.enabled) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectComboBox,
    ::testing::Values(SelectCase{"the equal entry", {"a", "b", "b"}, "b", 1, 1, true},
                      SelectCase{"no equal entry: the first", {"a", "b"}, "c", -1, 0, true},
                      SelectCase{"case counts", {"a", "B"}, "b", -1, 0, true},
                      SelectCase{"an empty list is disabled", {}, "a", -1, -1, false}));

// ---- the signal light ------------------------------------------------------------------------

TEST_F(SettingsDialog, TheLightTurnsYellowThenGreenAndTheExerciseDoesNotCount) {
    withPorts();
    useLesson({"22|25|28"});
    menu(MDI::MENU_FLOATING);
    ticksFor(300);
    open();
    page(2);
    const int right = Spiel::SpielerRichtig, wrong = Spiel::SpielerFalsch;
    input->waiting = {{0xF8}};  // a clock tick: MIDI is alive
    ticksFor(100);
    EXPECT_EQ(P::AmpelZustand, 1);
    EXPECT_EQ(gui.record(P::Panel[P::PAN_AMPEL])->picture, P::Ampelbild[1]);
    input->waiting = {{0x92, 64, 90}};
    ticksFor(100);
    EXPECT_EQ(P::AmpelZustand, 2);
    EXPECT_EQ(gui.record(P::Panel[P::PAN_AMPEL])->picture, P::Ampelbild[2]);
    EXPECT_EQ(gui.text(P::Label[P::LABEL_MIDIERGEBNIS]), " C= 3   N= 64   V= 90");
    EXPECT_EQ(Spiel::SpielerRichtig, right);
    EXPECT_EQ(Spiel::SpielerFalsch, wrong);
    input->waiting = {{0x90, 60, 1}};  // too soft to count as a note
    ticksFor(100);
    EXPECT_EQ(gui.text(P::Label[P::LABEL_MIDIERGEBNIS]), " C= 3   N= 64   V= 90");
    choose(P::ComboBox[P::COMB_MIDI_IN], 1);
    EXPECT_EQ(P::AmpelZustand, 0) << "another input starts the test again";
    EXPECT_EQ(gui.record(P::Panel[P::PAN_AMPEL])->picture, P::Ampelbild[0]);
}

TEST_F(SettingsDialog, EachOpeningBuildsANewWindowThatTakesTheActions) {
    open();
    Gadget* first = P::Window;
    ASSERT_TRUE(gui.clickCloseBox(first));
    run();
    EXPECT_FALSE(shown(first));
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);
    IniClass::Schreiben("", "Allgemein", "OktavName", "1");
    open();
    EXPECT_NE(P::Window, nullptr);
    EXPECT_TRUE(shown(P::Window));
    EXPECT_EQ(value(P::Button[P::BUT_OKT_1]), 1) << "the controls show the settings anew";
    click(P::Button[P::BUT_OKT_2]);
    EXPECT_EQ(general("OktavName"), "2");
}

TEST_F(SettingsDialog, ActionsWhileTheMainWindowHoldsTheFocusGoNowhere) {
    open();
    gui.activate(MDI::Canvas);
    gui.postEvent({EventId::GadgetAction, P::Button[P::BUT_OKT_2]});
    gui.setValue(P::Button[P::BUT_OKT_2], 1);
    run();
    EXPECT_EQ(general("OktavName"), "");
}

}  // namespace
