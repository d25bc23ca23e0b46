// Renders the settings dialog's four pages, in German and in English, into PNG files: the
// program runs off screen with a hand-driven clock; the dialog is opened from its menu,
// its pages chosen by their toolbar icons, and a played note turns the light green.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "../shots/DataFolder.h"
#include "app/MDI.h"
#include "app/Programm.h"
#include "dialogs/Parameter.h"
#include "platform/Clock.h"
#include "platform/QtPlatform.h"
#include "platform/Ui.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"

#include <RtMidi.h>
#include <QApplication>
#include <QWidget>

#include <chrono>
#include <memory>
#include <thread>

#include "platform/midi/RtMidiTreiber.h"
#include "platform/sdl/SdlAudioOutput.h"

namespace {
ManualClock programClock;
// A keyboard and a synthesizer on the JACK server, for the lists and the light.
std::unique_ptr<RtMidiOut> keyboard;
std::unique_ptr<RtMidiIn> synth;

void makeJackPorts() {
    if (!std::getenv("JACK_DEFAULT_SERVER")) return;
    try {
        keyboard = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, "Keyboard");
        keyboard->openVirtualPort("out");
        synth = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, "Synth");
        synth->openVirtualPort("in");
        RtMidiTreiber::install();
    } catch (const RtMidiError& e) {
        std::printf("no JACK ports: %s\n", e.getMessage().c_str());
        keyboard.reset();
        synth.reset();
    }
}

void ticks(int milliseconds) {
    for (int passed = 0; passed < milliseconds; passed += 16) {
        programClock.advance(16);
        Programm::HandleEvent({EventId::TimerTick});
    }
}

// Hands every queued event to the program, as the event loop does.
void run(Gui& gui) {
    Event event;
    for (int i = 0; i < 200 && gui.waitEvent(event); ++i) {
        Programm::HandleEvent(event);
        if (event.id == EventId::TimerTick) break;
    }
}

void saveDialog(const std::string& folder, const std::string& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || widget->windowTitle() != "Program settings") continue;
        std::string file = folder + "/" + name + ".png";
        widget->grab().save(QString::fromStdString(file));
        std::printf("wrote %s\n", file.c_str());
    }
}

// A note from the keyboard, channel 1, E4, velocity 96, until the light is green.
void playNote() {
    Parameter::AmpelZustand = 0;
    if (!keyboard) {
        MIDI::InMessages.push_back({9, 0, 64, 96});
        Parameter::MeldeMidiMessage();
        return;
    }
    ticks(50);  // the input port opens
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::vector<unsigned char> note = {0x90, 64, 96};
    keyboard->sendMessage(&note);
    for (int i = 0; i < 200 && Parameter::AmpelZustand != 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ticks(16);
    }
    std::printf("light %d\n", Parameter::AmpelZustand);
}

void showPages(Gui& gui, const std::string& folder, const std::string& language) {
    const char* const names[] = {"general", "teacher", "input", "output"};
    for (int page : {0, 1, 3, 2}) {
        gui.setValue(Parameter::ToolBar, page);
        Parameter::Event(Parameter::ToolBar);
        if (page == 2) playNote();
        ticks(50);
        saveDialog(folder, "settings-" + language + "-" + names[page]);
    }
    // A result server the dialog cannot keep: "OK" stays on the teacher page and says why.
    gui.setText(Parameter::TextField[Parameter::SERVER_TEXT], "host:99999");
    Parameter::Event(Parameter::Button[Parameter::BUT_OK]);
    ticks(50);
    saveDialog(folder, "settings-" + language + "-teacher-refused");
    gui.setText(Parameter::TextField[Parameter::SERVER_TEXT], "");
}
}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : ".";
    std::filesystem::create_directories(folder);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    useFreshDataFolder("settingsshots");
    setenv("SDL_AUDIODRIVER", "dummy", 0);  // the drivers are listed; nothing is heard
    SdlAudioOutput::install();
    makeJackPorts();
    auto gui = makeQtGui(argc, argv);
    Runtime::clock = &programClock;
    programClock.now = 50000;
    IniClass::Schreiben("", "Allgemein", "Sprache", "1");
    Programm::StartUp(*gui);
    ticks(600);

    Programm::HandleEvent({EventId::MenuAction, nullptr, MDI::MENU_PARA});
    run(*gui);
    showPages(*gui, folder, "german");
    gui->setValue(Parameter::ComboBox[Parameter::COMB_SPRACHE], 0);
    Parameter::Event(Parameter::ComboBox[Parameter::COMB_SPRACHE]);
    ticks(50);
    showPages(*gui, folder, "english");
    return 0;
}
