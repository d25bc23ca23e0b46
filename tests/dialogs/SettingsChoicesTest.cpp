// What the settings dialog's choices write and do in the running program, without its
// gadgets: note lengths, instrument, devices, program changes, the test scale, the
// teacher page's fields, and the language of the first start.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/Files.h"
#include "dialogs/SettingsChoices.h"
#include "exercise/ExerciseFixture.h"
#include "i18n/Sprache.h"
#include "input/KlavierTyp.h"
#include "input/TastenFeldTyp.h"
#include "midi/MidiFakes.h"
#include "music/ChromaTyp.h"
#include "platform/SystemLanguage.h"
#include "sound/MIDI.h"
#include "sound/SoundTyp.h"

namespace {

using namespace SettingsChoices;
using Boxes = LengthBoxes;

std::string general(const std::string& key) {
    return IniClass::Lesen("", "Allgemein", key);
}
std::string midi(const std::string& key) {
    return IniClass::Lesen("", "MIDI", key);
}

// ---- note lengths ----------------------------------------------------------------

struct BoxesToValue {
    const char* what;
    Boxes boxes;  // whole, half, quarter, eighth
    const char* noteLang;
};

class LengthBoxesWrite : public ::testing::TestWithParam<BoxesToValue> {};

TEST_P(LengthBoxesWrite, JoinTheWeightedParts) {
    EXPECT_EQ(noteLangFor(GetParam().boxes), GetParam().noteLang) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LengthBoxesWrite,
    ::testing::Values(
        BoxesToValue{"whole and quarter", {true, false, true, false}, "8|2|2|2|2"},
        BoxesToValue{"all four", {true, true, true, true}, "8|4|4|2|2|2|2|1|1"},
        BoxesToValue{"half and quarter, the default", {false, true, true, false}, "4|4|2|2|2|2"},
        BoxesToValue{"eighth alone", {false, false, false, true}, "1|1"},
        BoxesToValue{"none", {false, false, false, false}, ""}));

struct ValueToBoxes {
    const char* what;
    const char* noteLang;
    Boxes boxes;
};

class LengthBoxesRead : public ::testing::TestWithParam<ValueToBoxes> {};

TEST_P(LengthBoxesRead, CheckTheBoxOfEachPart) {
    Boxes expected = GetParam().boxes;
    EXPECT_EQ(boxesFor(GetParam().noteLang), expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LengthBoxesRead,
    ::testing::Values(
        ValueToBoxes{"half and quarter", "4|2|2", {false, true, true, false}},
        ValueToBoxes{"a stray 3 checks the box before it", "2|3", {false, false, true, false}},
        ValueToBoxes{"a stray first part checks the whole note", "3|4", {true, true, false, false}},
        ValueToBoxes{"the default of an empty value", "4|2", {false, true, true, false}},
        ValueToBoxes{"all four", "8|4|4|2|2|2|2|1|1", {true, true, true, true}},
        ValueToBoxes{"nothing", "", {false, false, false, false}}));

class Choices : public ExerciseTest {};

TEST_F(Choices, AnEmptyNoteLangOpensAsHalfAndQuarterAndIsWritten) {
    IniClass::Schreiben("", "Allgemein", "NoteLang", "");
    EXPECT_EQ(noteLangOnOpen(), "4|2");
    EXPECT_EQ(general("NoteLang"), "4|2");
    EXPECT_EQ(boxesFor(noteLangOnOpen()), (Boxes{false, true, true, false}));
    // "4|2" survives the start-up repair, unlike "2|3".
    CheckIniAufUnsinn();
    EXPECT_EQ(general("NoteLang"), "4|2");
}

TEST_F(Choices, AStoredNoteLangOpensAsItIs) {
    IniClass::Schreiben("", "Allgemein", "NoteLang", "8|1|1");
    EXPECT_EQ(noteLangOnOpen(), "8|1|1");
    EXPECT_EQ(general("NoteLang"), "8|1|1");
}

struct Click {
    const char* what;
    Boxes before;
    int clicked;
    Boxes after;        // as the boxes stay
    const char* wrote;  // "NoteLang" afterwards; the previous value when nothing is written
};

class LengthBoxClick : public ExerciseTest, public ::testing::WithParamInterface<Click> {};

TEST_P(LengthBoxClick, WritesAtOnceButNeverLeavesNoLength) {
    const Click& c = GetParam();
    IniClass::Schreiben("", "Allgemein", "NoteLang", "previous");
    Boxes toggled = c.before;
    toggled[c.clicked] = !toggled[c.clicked];
    EXPECT_EQ(clickLengthBox(toggled, c.clicked), c.after) << c.what;
    EXPECT_EQ(general("NoteLang"), c.wrote) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, LengthBoxClick,
                         ::testing::Values(Click{"checking the whole note",
                                                 {false, false, true, false},
                                                 0,
                                                 {true, false, true, false},
                                                 "8|2|2|2|2"},
                                           Click{"unchecking the half note",
                                                 {false, true, true, false},
                                                 1,
                                                 {false, false, true, false},
                                                 "2|2|2|2"},
                                           Click{"unchecking the last box keeps it",
                                                 {false, false, true, false},
                                                 2,
                                                 {false, false, true, false},
                                                 "previous"},
                                           Click{"unchecking the only eighth keeps it",
                                                 {false, false, false, true},
                                                 3,
                                                 {false, false, false, true},
                                                 "previous"}));

// ---- instrument, names, piano -----------------------------------------------------

struct InstrumentCase {
    const char* what;
    const char* stored;
    int instrument;
    const char* written;
};

class InstrumentOnOpen : public ExerciseTest,
                         public ::testing::WithParamInterface<InstrumentCase> {};

TEST_P(InstrumentOnOpen, MissingBecomesThePiano) {
    IniClass::Schreiben("", "Allgemein", "Instrument", GetParam().stored);
    Spiel::AktMusikInstrument = Spiel::KeinInstrument;
    EXPECT_EQ(instrumentOnOpen(), GetParam().instrument) << GetParam().what;
    EXPECT_EQ(Spiel::AktMusikInstrument, GetParam().instrument);
    EXPECT_EQ(general("Instrument"), GetParam().written) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Cases, InstrumentOnOpen,
                         ::testing::Values(InstrumentCase{"missing", "", 1, "1"},
                                           InstrumentCase{"not a number", "x", 1, "1"},
                                           InstrumentCase{"the guitar", "3", 3, "3"},
                                           InstrumentCase{"the piano", "1", 1, "1"}));

TEST_F(Choices, ThePianoIsRebuiltForTheLessonOrForSixOctaves) {
    useLesson({"22|25|28"});  // C4 to G4 on the treble staff
    choosePiano(false);
    EXPECT_EQ(general("Instrument"), "1");
    EXPECT_EQ(general("KurzesKlavier"), "0");
    EXPECT_EQ(KlavierTyp::Oktaven, 6);
    const size_t longKeys = KlavierTyp::Liste.size();

    choosePiano(true);
    EXPECT_EQ(general("KurzesKlavier"), "1");
    EXPECT_EQ(Spiel::AktMusikInstrument, Spiel::Klavier);
    EXPECT_EQ(KlavierTyp::Oktaven, 3);
    EXPECT_LT(KlavierTyp::Liste.size(), longKeys);

    chooseGuitar();
    EXPECT_EQ(general("Instrument"), "3");
    EXPECT_EQ(Spiel::AktMusikInstrument, Spiel::Gitarre);
}

struct NamesCase {
    const char* what;
    int set;    // the note-name radio's value
    int style;  // the octave-name radio's value
    const char* c4;
    const char* b4;
};

class ButtonCaptions : public ExerciseTest, public ::testing::WithParamInterface<NamesCase> {};

// The note-name buttons of single notes show the names and octave marks chosen.
TEST_P(ButtonCaptions, FollowTheNameAndOctaveChoices) {
    const NamesCase& c = GetParam();
    useLesson({"22|25|28"});
    menu(MDI::MENU_LEARN);  // learn and see names the buttons with their octave
    chooseNoteNames(c.set);
    chooseOctaveNames(c.style);
    EXPECT_EQ(general("NotenNamen"), std::to_string(c.set));
    EXPECT_EQ(general("OktavName"), std::to_string(c.style));
    EXPECT_EQ(OktavName, c.style);
    EXPECT_EQ(TastenFeldTyp::Button[1].Name, c.c4) << c.what;
    EXPECT_EQ(TastenFeldTyp::Button[19].Name, c.b4) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonCaptions,
                         ::testing::Values(NamesCase{"English, c'", 0, 0, "c'", "b'"},
                                           NamesCase{"German, c1", 1, 1, "c1", "h1"},
                                           NamesCase{"Solfege, C4", 2, 2, "Do4", "Si4"}));

// ---- language ----------------------------------------------------------------------

struct LanguageCase {
    const char* what;
    int p;
    const char* openMenu;
    const char* practice;
};

class LanguageChoice : public ExerciseTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LanguageChoice, SwitchesCaptionsMenusAndResetsTheExercise) {
    const LanguageCase& c = GetParam();
    useLesson({"22|25|28"});
    menu(MDI::MENU_FLOATING);
    ticksFor(500);
    Spiel::SpielerRichtig = 4;
    const int relocalized = gui.relocalizations;
    chooseLanguage(c.p);
    EXPECT_EQ(general("Sprache"), std::to_string(c.p));
    EXPECT_EQ(AktSprache, c.p);
    EXPECT_GT(gui.relocalizations, relocalized);
    EXPECT_EQ(gui.shown(MDI::Menus[MDI::MENU_OPEN]), c.openMenu + std::string(19, ' ')) << c.what;
    EXPECT_EQ(gui.shown(MDI::Menus[MDI::MENU_PRACTICE]), c.practice) << c.what;
    EXPECT_EQ(Spiel::SpielerRichtig, 0) << "the exercise starts again";
    EXPECT_EQ(HeadlessGui::record(MDI::Window)->title, MDI::TITLE);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageChoice,
    ::testing::Values(
        LanguageCase{"English", 0, "Select exercise", "2. Practice"},
        LanguageCase{"Deutsch", 1, "\u00dcbung ausw\u00e4hlen", "2. Training"},
        LanguageCase{"Czech without a user file: the keys", 2, "Select exercise", "2. Practice"},
        LanguageCase{"New, an empty slot: the keys", 3, "Select exercise", "2. Practice"}));

TEST_F(Choices, CzechTakesTheUsersLanguageFileWhenThereIsOne) {
    writeFile(
        AppPfad + "english.ini",
        "\xEF\xBB\xBF[LanguageDefinition]\nLanguageId=Cesky\nSelect exercise=Vyber cviceni\n");
    SprachLoader(0, "english");
    chooseLanguage(2);
    EXPECT_EQ(gui.shown(MDI::Menus[MDI::MENU_OPEN]), "Vyber cviceni" + std::string(19, ' '));
    EXPECT_EQ(gui.shown(MDI::Menus[MDI::MENU_PRACTICE]), "2. Practice");
}

// ---- sound and MIDI ----------------------------------------------------------------

class WithMidiOutput : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        output->p.ports = {"Synth:0", "Piano:1"};
        input->p.ports = {"Keys:0", "Pads:1"};
        MIDI::SetzeAusgang(output);
        MIDI::SetzeEingang(input);
    }
    std::shared_ptr<FakeMidiOutput> output = std::make_shared<FakeMidiOutput>();
    std::shared_ptr<FakeMidiInput> input = std::make_shared<FakeMidiInput>();
};

TEST_F(WithMidiOutput, TheGmListSendsItsProgramOnChannelsOneToThree) {
    chooseGmProgram(40);
    EXPECT_EQ(midi("MidiInstrument"), "40");
    using Bytes = std::array<uint8_t, 3>;
    EXPECT_EQ(output->sent, (std::vector<Bytes>{{0xC0, 40, 0}, {0xC1, 40, 0}, {0xC2, 40, 0}}));
    output->sent.clear();
    chooseGmProgram(-1);  // no entry chosen
    EXPECT_TRUE(output->sent.empty());
    EXPECT_EQ(midi("MidiInstrument"), "40");
}

TEST_F(WithMidiOutput, TheTestScalePlaysThroughTheChosenOutputChannel) {
    chooseOutput(1);
    chooseOutputChannel(5);
    EXPECT_EQ(midi("SignalOut"), "1");
    EXPECT_EQ(midi("MidiKanal"), "5");
    playTest();
    ticksFor(2200);
    std::vector<int> notesOn;
    for (const auto& bytes : output->sent) {
        EXPECT_EQ(bytes[0], 0x94) << "a Note On on channel 5";
        if (bytes[2] > 0) notesOn.push_back(bytes[1]);
    }
    EXPECT_EQ(notesOn, (std::vector<int>{48, 50, 52, 55, 57, 60}));
}

TEST_F(Choices, TheTestScaleWithMidiOutAndNoPortSendsNothing) {
    auto output = std::make_shared<FakeMidiOutput>();  // a MIDI system without ports
    MIDI::SetzeAusgang(output);
    chooseOutput(1);
    ::testing::internal::CaptureStdout();
    playTest();
    ticksFor(2200);
    const std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(output->sent.empty());
    EXPECT_TRUE(output->p.opened.empty());
    EXPECT_TRUE(SoundTyp::SoundListe.empty()) << "the scale was played, only without a port";
    EXPECT_NE(said.find("messages are dropped"), std::string::npos);
}

TEST_F(WithMidiOutput, DeviceListsNameThePortsAndStopAtElevenOrTheFirstEmptyName) {
    EXPECT_EQ(midiOutputNames(), (std::vector<std::string>{"Synth:0", "Piano:1"}));
    EXPECT_EQ(midiInputNames(), (std::vector<std::string>{"Keys:0", "Pads:1"}));
    output->p.ports = {"A", "", "C"};
    EXPECT_EQ(midiOutputNames(), (std::vector<std::string>{"A"}));
    output->p.ports.assign(15, "Port");
    EXPECT_EQ(midiOutputNames().size(), 11u);
    MIDI::SetzeAusgang(nullptr);
    EXPECT_TRUE(midiOutputNames().empty());
}

TEST_F(WithMidiOutput, ChoosingAnotherPortReopensAnOpenOneByItsName) {
    MIDI::Send(0x90, 60, 1);  // opens port 0, as "MidiOutDevice" is unset
    ASSERT_EQ(MIDI::OutStarted, 3);
    MIDI::InMessages.push_back({9, 0, 60, 90});
    chooseMidiOutput("Piano:1");
    EXPECT_EQ(midi("MidiOutDevice"), "Piano:1");
    EXPECT_EQ(output->p.opened, (std::vector<int>{0, 1}));
    EXPECT_TRUE(MIDI::InMessages.empty()) << "what waited came from the old choice";

    chooseMidiInput("Pads:1");  // the input port is not open yet: it opens at its next use
    EXPECT_EQ(midi("MidiInDevice"), "Pads:1");
    EXPECT_TRUE(input->p.opened.empty());
    MIDI::Receive();
    EXPECT_EQ(input->p.opened, (std::vector<int>{1}));
}

TEST_F(Choices, TheOtherOutputControlsWriteTheirKeys) {
    chooseKeySound(false);
    EXPECT_EQ(midi("TastaturTonAn"), "0");
    chooseKeySound(true);
    EXPECT_EQ(midi("TastaturTonAn"), "1");
    chooseOutput(1);
    EXPECT_EQ(SoundTyp::AudioViaMidi, 1);
    chooseOutput(0);
    EXPECT_EQ(midi("SignalOut"), "0");
    EXPECT_EQ(SoundTyp::AudioViaMidi, 0);
    chooseInput(1);
    EXPECT_EQ(midi("SignalIn"), "1");
    chooseInputChannel(7);
    EXPECT_EQ(midi("MidiInKanal"), "7");
    EXPECT_EQ(SettingsChoices::MidiInKanal, 7);
    chooseAudioInput("Line In");
    EXPECT_EQ(midi("AudioInDevice"), "Line In");
    chooseAudioOutput("dummy");
    EXPECT_EQ(midi("AudioOutDevice"), "dummy");
    chooseAudioInstrument("Piano");
    EXPECT_EQ(midi("AudioInstrument"), "Piano");
    EXPECT_EQ(SoundTyp::SoundNrOffset, 24);
    EXPECT_EQ(SoundTyp::AnzahlSounds, 65);
}

TEST_F(Choices, TheGmListHasTheEightyEightNamesOfTheTable) {
    std::vector<std::string> names = gmNames();
    ASSERT_EQ(names.size(), 88u);
    EXPECT_EQ(names.front(), "Acoustic Grand Piano");
    EXPECT_EQ(names[40], "Violin");
    EXPECT_EQ(names.back(), "Lead and Bass");
    EXPECT_EQ(audioInstrumentNames(), std::vector<std::string>{"Piano"});
}

// ---- the teacher page --------------------------------------------------------------

struct FieldCase {
    const char* text;
    bool teacher;
    bool server;
};

class TeacherFields : public ExerciseTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(TeacherFields, AcceptOnlyWhatTheyCanHold) {
    const FieldCase& c = GetParam();
    EXPECT_EQ(isTeacherNumber(c.text), c.teacher) << "teacher: " << c.text;
    EXPECT_EQ(isServerAddress(c.text), c.server) << "server: " << c.text;
    IniClass::Schreiben("", "Allgemein", "Lehrer", "before");
    IniClass::Schreiben("", "Allgemein", "CodeServer", "before");
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(chooseTeacher(c.text), c.teacher);
    EXPECT_EQ(chooseServer(c.text), c.server);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(general("Lehrer"), c.teacher ? c.text : "before");
    EXPECT_EQ(general("CodeServer"), c.server ? c.text : "before");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TeacherFields,
    ::testing::Values(FieldCase{"", true, true}, FieldCase{"4711", true, false},
                      FieldCase{"123456789", true, false}, FieldCase{"1234567890", false, false},
                      FieldCase{"12a", false, true}, FieldCase{"-3", false, false},
                      FieldCase{"codes.example.org", false, true},
                      FieldCase{"localhost:8080", false, true}, FieldCase{"127.0.0.1", false, true},
                      FieldCase{"127.0.0.1:80", false, true}, FieldCase{"[::1]:8080", false, false},
                      FieldCase{"host:0", false, false}, FieldCase{"host:65536", false, false},
                      FieldCase{"host:", false, false}, FieldCase{"300.1.1.1", false, false},
                      FieldCase{"a..b", false, false}, FieldCase{"-bad.org", false, false},
                      FieldCase{"http://host", false, false}, FieldCase{"ho st", false, false},
                      FieldCase{"[::1", false, false}));

// ---- the first start -----------------------------------------------------------------

struct StartCase {
    const char* what;
    const char* stored;   // "Sprache" before the start; nullptr: never written
    const char* system;   // the system's language code
    int language;         // the language the program starts in
    const char* lessons;  // a lesson of the copied "Lektionen.ini" of that language
};

class FirstStart : public FreshProgramTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(FirstStart, KeepsAChosenLanguageAndOtherwiseSpeaksTheSystems) {
    const StartCase& c = GetParam();
    SystemLanguage::override(c.system);
    if (c.stored) IniClass::Schreiben("", "Allgemein", "Sprache", c.stored);
    IniClass::SetzeStartwerte();
    HeadlessGui gui;
    ::testing::internal::CaptureStdout();
    Programm::StartUp(gui);
    ::testing::internal::GetCapturedStdout();
    IniClass::UpdateIniFile("");
    EXPECT_EQ(IniClass::Lesen("", "Allgemein", "Sprache"), std::to_string(c.language)) << c.what;
    EXPECT_EQ(AktSprache, c.language) << c.what;
    // The start-up copy follows the language the program starts in.
    if (c.lessons) {
        const auto shipped = Files::readBytes(DatenPfad + "Lektionen.ini." + c.lessons);
        ASSERT_TRUE(shipped);
        EXPECT_EQ(readFile(AppPfad + "Lektionen.ini"), *shipped) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstStart,
    ::testing::Values(StartCase{"first start, German system", nullptr, "de", 1, "de"},
                      StartCase{"first start, English system", nullptr, "en", 0, "en"},
                      StartCase{"first start, French system", nullptr, "fr", 0, "en"},
                      StartCase{"first start, no locale", nullptr, "", 0, "en"},
                      StartCase{"an empty value counts as missing", "", "de", 1, "de"},
                      StartCase{"English chosen, German system", "0", "de", 0, "en"},
                      StartCase{"German chosen, English system", "1", "en", 1, "de"},
                      StartCase{"Czech chosen: no lesson file of its own", "2", "de", 2, nullptr}));

struct NamesAtStart {
    const char* what;
    const char* system;
    const char* stored;  // "NotenNamen" before the start; nullptr: never written
    const char* after;
    const char* b;  // the name of spelling 19, B natural: "H" in German
};

class FirstStartNames : public FreshProgramTest,
                        public ::testing::WithParamInterface<NamesAtStart> {};

TEST_P(FirstStartNames, MatchTheLanguageUntilTheLearnerChooses) {
    const NamesAtStart& c = GetParam();
    SystemLanguage::override(c.system);
    if (c.stored) IniClass::Schreiben("", "Allgemein", "NotenNamen", c.stored);
    HeadlessGui gui;
    ::testing::internal::CaptureStdout();
    Programm::StartUp(gui);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(IniClass::Lesen("", "Allgemein", "NotenNamen"), c.after) << c.what;
    EXPECT_EQ(ChromaTyp::Chroma[19]._Name, c.b) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstStartNames,
    ::testing::Values(NamesAtStart{"German first start", "de", nullptr, "1", "H"},
                      NamesAtStart{"English first start", "en", nullptr, "0", "B"},
                      NamesAtStart{"English names chosen, German system", "de", "0", "0", "B"},
                      NamesAtStart{"Solfege chosen", "en", "2", "2", "Si"}));

}  // namespace
