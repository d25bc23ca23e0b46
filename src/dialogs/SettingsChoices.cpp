#include "dialogs/SettingsChoices.h"

#include <cctype>
#include <iostream>

#include "app/MDI.h"
#include "data/Daten.h"
#include "exercise/Spiel.h"
#include "input/KlavierTyp.h"
#include "input/TastenFeldTyp.h"
#include "lessons/Lektion.h"
#include "music/ChromaTyp.h"
#include "music/Listen.h"
#include "platform/AudioOutput.h"
#include "platform/Ui.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"
#include "sound/Phrasen.h"
#include "sound/SoundTyp.h"

namespace SettingsChoices {

int MidiInKanal = 0;

namespace {
constexpr int kMaxPorts = 11;
constexpr int kMaxGm = 88;

void writeGeneral(const std::string& key, const std::string& value) {
    IniClass::Schreiben("", "Allgemein", key, value);
}
void writeMidi(const std::string& key, const std::string& value) {
    IniClass::Schreiben("", "MIDI", key, value);
}

// The parts each box adds, so that "NoteLang" weighs the lengths as the feed expects.
const std::array<const char*, 4> kLengthParts = {"8", "4|4", "2|2|2|2", "1|1"};

int boxOfPart(const std::string& part) {
    if (part == "8") return 0;
    if (part == "4") return 1;
    if (part == "2") return 2;
    if (part == "1") return 3;
    return -1;
}

template <class Name>
std::vector<std::string> namesUpToEmpty(int most, Name&& name) {
    std::vector<std::string> names;
    for (int i = 0; i < most; ++i) {
        std::string each = name(i);
        if (each.empty()) break;
        names.push_back(each);
    }
    return names;
}

void relabelButtons() {
    TastenFeldTyp::SwitchNames();
}

bool isDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

bool isPort(const std::string& text) {
    if (!isDigits(text) || text.size() > 5) return false;
    const int port = std::stoi(text);
    return port >= 1 && port <= 65535;
}

bool isHostLabel(const std::string& label) {
    if (label.empty() || label.size() > 63) return false;
    if (label.front() == '-' || label.back() == '-') return false;
    for (char c : label)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') return false;
    return true;
}

// A host name of dot-separated labels, or four numbers 0 to 255.
bool isHost(const std::string& host) {
    if (host.empty() || host.size() > 253) return false;
    std::vector<std::string> labels;
    size_t start = 0;
    for (size_t dot = host.find('.');; dot = host.find('.', start)) {
        labels.push_back(host.substr(start, dot == std::string::npos ? dot : dot - start));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    bool allDigits = true;
    for (const std::string& label : labels) {
        if (!isHostLabel(label)) return false;
        allDigits = allDigits && isDigits(label);
    }
    if (!allDigits) return !isDigits(labels.back());  // a name ends in a word, not a number
    if (labels.size() != 4) return false;
    for (const std::string& label : labels)
        if (label.size() > 3 || std::stoi(label) > 255) return false;
    return true;
}

}  // namespace

std::string noteLangFor(const LengthBoxes& boxes) {
    std::string value;
    for (int box = 0; box < 4; ++box) {
        if (!boxes[box]) continue;
        if (!value.empty()) value += "|";
        value += kLengthParts[box];
    }
    return value;
}

LengthBoxes boxesFor(const std::string& noteLang) {
    LengthBoxes boxes{};
    int previous = 0;  // a stray first part checks the whole-note box
    for (const std::string& part : ListenIni::splitBars(noteLang)) {
        const int box = boxOfPart(part);
        if (box >= 0) previous = box;
        boxes[previous] = true;
    }
    return boxes;
}

std::string noteLangOnOpen() {
    std::string value = IniClass::Lesen("", "Allgemein", "NoteLang");
    if (value.empty()) {
        value = "4|2";  // the feed's own default
        writeGeneral("NoteLang", value);
    }
    return value;
}

LengthBoxes clickLengthBox(LengthBoxes boxes, int clicked) {
    if (noteLangFor(boxes).empty()) {
        if (clicked >= 0 && clicked < 4) boxes[clicked] = true;
        return boxes;
    }
    writeGeneral("NoteLang", noteLangFor(boxes));
    return boxes;
}

std::vector<std::string> midiOutputNames() {
    if (MIDI::OutStarted < 2) return {};
    return namesUpToEmpty(kMaxPorts, [](int i) { return MIDI::ListOutDevices(i); });
}

std::vector<std::string> midiInputNames() {
    if (MIDI::InStarted < 2) return {};
    return namesUpToEmpty(kMaxPorts, [](int i) { return MIDI::ListInDevices(i); });
}

std::vector<std::string> audioDriverNames() {
    std::vector<std::string> names;
    for (const std::string& driver : AudioPlatform::output()->drivers()) {
        if (driver.empty() || driver == "NULL") break;
        names.push_back(driver);
    }
    return names;
}

std::vector<std::string> gmNames() {
    return namesUpToEmpty(kMaxGm, [](int i) {
        return IniClass::Lesen(DatenPfad + "Listen.Ini", "GM", std::to_string(i));
    });
}

std::vector<std::string> audioInstrumentNames() {
    return {"Piano"};
}

int instrumentOnOpen() {
    int instrument = IniClass::Value("", "Allgemein", "Instrument");
    if (instrument == 0) {
        instrument = 1;
        writeGeneral("Instrument", "1");
    }
    Spiel::AktMusikInstrument = instrument;
    return instrument;
}

void choosePiano(bool fitting) {
    writeGeneral("Instrument", "1");
    writeGeneral("KurzesKlavier", fitting ? "1" : "0");
    Spiel::AktMusikInstrument = Spiel::Klavier;
    const auto& lektion = Lektion::AktLektion;
    if (lektion) KlavierTyp::PassendeTastatur(lektion->MinimumMidi, lektion->MaximumMidi);
}

void chooseGuitar() {
    writeGeneral("Instrument", "3");
    Spiel::AktMusikInstrument = Spiel::Gitarre;
}

void chooseNoteNames(int set) {
    writeGeneral("NotenNamen", std::to_string(set));
    ChromaTyp::SwitchNotenNamen();
    relabelButtons();
}

void chooseOctaveNames(int style) {
    writeGeneral("OktavName", std::to_string(style));
    OktavName = style;
    relabelButtons();
}

void chooseLanguage(int p) {
    if (p < 0) return;
    writeGeneral("Sprache", std::to_string(p));
    MDI::SwitchSprache(p);
    if (Ui::gui && MDI::Window) Ui::gui->setTitle(MDI::Window, MDI::TITLE);
}

void chooseInput(int signalIn) {
    writeMidi("SignalIn", std::to_string(signalIn));
}

void chooseOutput(int signalOut) {
    writeMidi("SignalOut", std::to_string(signalOut));
    SoundTyp::AudioViaMidi = signalOut;
}

void chooseKeySound(bool on) {
    writeMidi("TastaturTonAn", on ? "1" : "0");
}

void chooseGmProgram(int p) {
    if (p < 0) return;
    writeMidi("MidiInstrument", std::to_string(p));
    for (int kanal = 1; kanal <= 3; ++kanal) MIDI::SendProgrammChange(kanal, p);
}

void chooseMidiOutput(const std::string& name) {
    writeMidi("MidiOutDevice", name);
    midiDevicesChanged();
}

void chooseMidiInput(const std::string& name) {
    writeMidi("MidiInDevice", name);
    midiDevicesChanged();
}

void chooseAudioOutput(const std::string& name) {
    writeMidi("AudioOutDevice", name);
    AudioPlatform::output()->open(name);
}

void chooseAudioInput(const std::string& name) {
    writeMidi("AudioInDevice", name);
}

void chooseAudioInstrument(const std::string& name) {
    writeMidi("AudioInstrument", name);
    // "Piano" is the one sample set the archive carries.
    SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
}

void chooseOutputChannel(int channel) {
    writeMidi("MidiKanal", std::to_string(channel));
    SoundTyp::MidiOutKanal = channel;
}

void chooseInputChannel(int channel) {
    writeMidi("MidiInKanal", std::to_string(channel));
    MidiInKanal = channel;
}

void playTest() {
    PlayTonleiter();
}

void midiDevicesChanged() {
    if (MIDI::OutStarted == 3) MIDI::OutAuf(IniClass::Lesen("", "MIDI", "MidiOutDevice"));
    if (MIDI::InStarted == 3) MIDI::InAuf(IniClass::Lesen("", "MIDI", "MidiInDevice"));
    MIDI::InMessages.clear();
}

bool isTeacherNumber(const std::string& text) {
    return text.empty() || (isDigits(text) && text.size() <= 9);
}

bool isServerAddress(const std::string& text) {
    if (text.empty()) return true;
    std::string host = text, port;
    const size_t colon = text.find(':');
    if (colon != std::string::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (!isPort(port)) return false;
    }
    return isHost(host);
}

bool chooseServer(const std::string& text) {
    if (!isServerAddress(text)) {
        std::cout << "settings: '" << text << "' is no result server address; not saved"
                  << std::endl;
        return false;
    }
    writeGeneral("CodeServer", text);
    return true;
}

bool chooseTeacher(const std::string& text) {
    if (!isTeacherNumber(text)) {
        std::cout << "settings: '" << text << "' is no teacher number; not saved" << std::endl;
        return false;
    }
    writeGeneral("Lehrer", text);
    return true;
}

std::string refusedTeacherText() {
    return "{{Numbers only}}";
}

std::string refusedServerText() {
    return "{{Host or host:port}}";
}

}  // namespace SettingsChoices
