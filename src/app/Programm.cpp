#include "app/Programm.h"

#include <algorithm>
#include <ctime>
#include <iostream>
#include <utility>
#include <vector>

#include "app/MDI.h"
#include "data/Daten.h"
#include "data/Files.h"
#include "data/ZipArchive.h"
#include "dialogs/CodeSeite.h"
#include "dialogs/Dialog.h"
#include "dialogs/InfoFenster.h"
#include "dialogs/InputFenster.h"
#include "dialogs/LektionenAssistent.h"
#include "dialogs/LektionenBrowser.h"
#include "dialogs/Parameter.h"
#include "dialogs/QuestionFenster.h"
#include "exercise/Bewertung.h"
#include "exercise/Spiel.h"
#include "exercise/SpielFenster.h"
#include "history/Verlauf.h"
#include "i18n/Sprache.h"
#include "input/KlavierTyp.h"
#include "input/TastaturEingabe.h"
#include "input/TastenFeldTyp.h"
#include "lessons/Lektion.h"
#include "lessons/LektionsDatei.h"
#include "lessons/Worte.h"
#include "music/ChromaTyp.h"
#include "music/Tonart.h"
#include "music/Transposer.h"
#include "notation/DigitalFeld.h"
#include "notation/Note.h"
#include "notation/NotenFenster.h"
#include "notation/NotenPapier.h"
#include "platform/Clock.h"
#include "platform/SystemLanguage.h"
#include "platform/Ui.h"
#include "resultcode/CodeServer.h"
#include "resultcode/Geheim.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"
#include "sound/Phrasen.h"
#include "sound/SoundTyp.h"
#include "state/Maus.h"

bool Programm::Beendet = false;
int Programm::NamensEingabeNachTicks = 0;
Event Programm::AktuellesEvent;

namespace {
std::string jetztAlsText() {
    std::time_t now = std::time(nullptr);
    char text[64];
    std::strftime(text, sizeof text, "%d %b %Y %H:%M:%S", std::localtime(&now));
    return text;
}

void SchreibeLetztenStart() {
    IniClass::Schreiben("", "Allgemein", "LastStart", jetztAlsText());
}

// The language chosen in an earlier run stays; a first start speaks the system's
// language: German for a German locale, English otherwise. Set before the start-up copy,
// so the lesson file and the templates come in that language.
void WaehleStartSprache() {
    std::string sprache = IniClass::Lesen("", "Allgemein", "Sprache");
    if (sprache.empty()) {
        sprache = SystemLanguage::code() == "de" ? "1" : "0";
        IniClass::Schreiben("", "Allgemein", "Sprache", sprache);
    }
    AktSprache = LenientInt(sprache);
}

// Until the learner chooses note names, they follow the language of the first start: a
// German reader takes "B" for B flat.
void WaehleStartNotenNamen() {
    if (!IniClass::Lesen("", "Allgemein", "NotenNamen").empty()) return;
    IniClass::Schreiben("", "Allgemein", "NotenNamen", AktSprache == 1 ? "1" : "0");
}

struct Dialog {
    Gadget** window;
    void (*event)(Gadget* source);
};
std::vector<Dialog>& dialogs() {
    static std::vector<Dialog> registered;
    return registered;
}

void GibAnDialog(Gadget* window, Gadget* source) {
    for (const Dialog& dialog : dialogs()) {
        if (*dialog.window && *dialog.window == window) {
            dialog.event(source);
            return;
        }
    }
}

Gadget* FensterVon(Gadget* gadget) {
    while (gadget && gadget->gadgetClass() != GadgetClass::Window) gadget = gadget->parent();
    return gadget;
}

// A press let go before any tick saw it is released after the next tick, so that a quick
// click still reaches the instruments, which read the mouse once per tick.
int ungeseheneDruecke = 0;      // one bit per button: pressed since the last tick
int aufgeschobeneLoslasse = 0;  // one bit per button: released before a tick saw the press

int bitOf(int button) {
    return button >= 1 && button <= 3 ? 1 << button : 0;
}

void MouseDown(int button) {
    if (button == 1) Maus::MausLinks = 1;
    if (button == 2) Maus::MausRechts = 1;
    ungeseheneDruecke |= bitOf(button);
}

void MouseUp(int button) {
    if (ungeseheneDruecke & bitOf(button)) {
        aufgeschobeneLoslasse |= bitOf(button);
        return;
    }
    Maus::DragWer = Maus::Keiner;
    TastenFeldTyp::Pressed = -1;
    if (button == 1) Maus::MausLinks = 0;
    if (button == 2) Maus::MausRechts = 0;
}

// Opening the MIDI clients can take tens of milliseconds (no ALSA sequencer, a JACK
// server that is not running), so they start once the first frame is on the screen.
int midiStartNachTicks = 0;
// Once started, a side without ports looks for them again: after a second, then at
// spans that double up to half a minute, for without a JACK server each look costs a few
// milliseconds and a few kB that the MIDI library keeps. -1 before the start.
int64_t nextPortCount = -1;
int64_t portCountSpan = 0;
constexpr int64_t FIRST_PORT_COUNT_MS = 1000;
constexpr int64_t LONGEST_PORT_COUNT_MS = 30000;
// The server's list is fetched once the first frames are shown, on this thread and
// within the request bound, a tick after the MIDI clients so that each tick waits for one.
int codeListeNachTicks = 0;

void Tick() {
    TimerTickt();
    if (midiStartNachTicks > 0 && --midiStartNachTicks == 0) {
        MIDI::StartUp();
        portCountSpan = FIRST_PORT_COUNT_MS;
        nextPortCount = Runtime::millisecs() + portCountSpan;
    }
    if (nextPortCount >= 0 && Runtime::millisecs() >= nextPortCount) {
        MIDI::CountPortsAgain();
        portCountSpan = std::min(2 * portCountSpan, LONGEST_PORT_COUNT_MS);
        nextPortCount = Runtime::millisecs() + portCountSpan;
    }
    if (codeListeNachTicks > 0 && --codeListeNachTicks == 0)
        Geheim::LadeCodeServerListe(CodeServerAdresse());
    if (Programm::NamensEingabeNachTicks > 0 && --Programm::NamensEingabeNachTicks == 0)
        InputFenster::ShowAs(InputFenster::MODE_NAME);
    ungeseheneDruecke = 0;
    int loslasse = std::exchange(aufgeschobeneLoslasse, 0);
    for (int button = 1; button <= 3; ++button)
        if (loslasse & bitOf(button)) MouseUp(button);
}

void WindowClose(Gadget* window) {
    if (window == MDI::Window) {
        ProgrammBeenden();
        return;
    }
    DialogGeschlossen(window);
}

}  // namespace

void RegistriereDialog(Gadget** window, void (*event)(Gadget* source)) {
    dialogs().push_back({window, event});
}

void Programm::SetzeStartwerte() {
    Ui::SetzeStartwerte();
    IniClass::SetzeStartwerte();
    SetzeStartwerteDaten();
    Maus::SetzeStartwerte();
    AntwortEmpfaenger::SetzeStartwerte();
    AntwortEmpfaenger::Installiere(&SpielFenster::Antwort());
    TastaturEingabe::SetzeStartwerte();
    Spiel::SetzeStartwerte();
    SpielFenster::SetzeStartwerte();
    KlavierTyp::SetzeStartwerte();
    TastenFeldTyp::SetzeStartwerte();
    MDI::SetzeStartwerte();
    Parameter::SetzeStartwerte();
    ApiClass::SetzeStartwerte();
    SetzeStartwerteSprache();
    ChromaTyp::SetzeStartwerte();
    Transposer::SetzeStartwerte();
    SetzeStartwerteTonart();
    SoundTyp::SetzeStartwerte();
    MIDI::SetzeStartwerte();
    Phrasen::SetzeStartwerte();
    Note::SetzeStartwerte();
    NotenFenster::SetzeStartwerte();
    NotenPapier::SetzeStartwerte();
    DigitalAnzeige::SetzeStartwerte();
    Lektion::SetzeStartwerte();
    Worte::SetzeStartwerte();
    LektionenBrowser::SetzeStartwerte();
    LektionenAssistent::SetzeStartwerte();
    SetzeStartwerteBewertung();
    ErgebnisCode::SetzeStartwerte();
    InfoFenster::SetzeStartwerte();
    InputFenster::SetzeStartwerte();
    QuestionFenster::SetzeStartwerte();
    Geheim::SetzeStartwerte();
    Verlauf::SetzeStartwerte();
    dialogs().clear();
    SetzeStartwerteDialoge();
    ungeseheneDruecke = aufgeschobeneLoslasse = 0;
    midiStartNachTicks = 0;
    nextPortCount = -1;
    portCountSpan = 0;
    codeListeNachTicks = 0;
    Programm::NamensEingabeNachTicks = 0;
    Beendet = false;
    AktuellesEvent = {};
}

void Programm::LadeStartDaten() {
    DatenLaden();
    SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
    Transposer::LoadDefinitions();
}

void Programm::StartUp(Gui& gui) {
    int64_t start = Runtime::millisecs();
    RegistriereDatenArchiv();
    SetzeStartwerte();
    Ui::gui = &gui;
    AppTitle = "Lesmora";
    EigeneDateien = ApiClass::EigeneDateien();
    DatenPfad = "ZIP::Incbin::DATEN.ZIP//";
    AppPfad = ApiClass::AppPfad();
    Files::makeFolders(AppPfad);
    WaehleStartSprache();
    WaehleStartNotenNamen();
    KopiereAppDateien();
    SchreibeLetztenStart();
    CheckIniAufUnsinn();
    SchreibeLetztenStart();
    SprachLoader(0, "english");
    SprachLoader(1, "deutsch");
    gui.setTranslator(Lokalisiere);  // every caption is shown localized, now and after a switch
    SetCurrentLanguage(Language[AktSprache]);
    LadeStartDaten();
    Worte::StartUp();
    ChromaTyp::StartUp();
    TastenFeldTyp::StartUp();
    NotenFenster::NotenBild = LadeBild("Noten.png", 60, 140, 18);
    Note::StartUp();
    MDI::FormLoad();
    // The window's size settles before the first lesson places the piano in it.
    AllesBeiResizeWindow();
    InputFenster::FormLoad();
    QuestionFenster::FormLoad();
    RegisterSettingsDialog();
    InfoFenster::FormLoad();
    LektionenBrowser::FormLoad();
    VerbindeErgebnisCode();
    LektionenAssistent::FormLoad();
    SpielFenster::CreateIt(10, 10);
    gui.startTicks(60);
    WechsleLektion(1, 0);
    Runtime::random->seed(static_cast<uint32_t>(Runtime::millisecs()));
    AllesBeiResizeWindow();
    gui.activate(MDI::Canvas);
    midiStartNachTicks = 2;  // the MIDI clients start once the first frame is shown
    codeListeNachTicks = 3;
    Programm::NamensEingabeNachTicks = 1;
    std::cout << "start-up: ready after " << Runtime::millisecs() - start << " ms" << std::endl;
}

void Programm::EventLoop() {
    Event event;
    while (!Beendet && Ui::gui->waitEvent(event)) HandleEvent(event);
}

void Programm::HandleEvent(const Event& event) {
    AktuellesEvent = event;
    switch (event.id) {
        case EventId::KeyDown:
            ScanTasten(event.data, 1);
            break;
        case EventId::KeyUp:
            LoslassenTaste(event.data);
            break;
        case EventId::MouseDown:
            MouseDown(event.data);
            if (event.source && (event.source->gadgetClass() == GadgetClass::Panel ||
                                 (event.source->gadgetClass() == GadgetClass::Canvas &&
                                  event.source != MDI::Canvas)))
                GibAnDialog(FensterVon(event.source), event.source);
            break;
        case EventId::MouseUp:
            MouseUp(event.data);
            break;
        case EventId::MouseMove:
            Maus::MausX = event.x;
            Maus::MausY = event.y;
            break;
        case EventId::TimerTick:
            Tick();
            break;
        case EventId::GadgetAction: {
            Gadget* window = AktivesFenster();
            if (window && window != MDI::Window) GibAnDialog(window, event.source);
            break;
        }
        case EventId::GadgetPaint:
            Malen();
            break;
        case EventId::GadgetSelect:
            GibAnDialog(FensterVon(event.source), event.source);
            break;
        case EventId::WindowSize:
            AllesBeiResizeWindow();
            break;
        case EventId::WindowClose:
            WindowClose(event.source);
            break;
        case EventId::MenuAction:
            Ui::gui->redraw(MDI::Canvas);
            MDI::MenuAction(event.data);
            break;
        case EventId::AppTerminate:
            ProgrammBeenden();
            break;
        default:
            break;  // key characters, repeats, wheel, enter and leave do nothing
    }
}

void AllesBeiResizeWindow() {
    Gui& gui = *Ui::gui;
    if (!MDI::Window) return;
    GadgetShape window = gui.shape(MDI::Window);
    int hoehe = 700;
    if (gui.desktopHeight() < window.height + 100) {
        hoehe = gui.desktopHeight() - 100;
        gui.setShape(MDI::Window, 50, 50, window.width, hoehe);
        window = gui.shape(MDI::Window);
    }
    int breite = std::max(window.width, 990);
    hoehe = std::max(hoehe, window.height);
    gui.setShape(MDI::Window, window.x, window.y, breite, hoehe);
    gui.setShape(MDI::Canvas, 0, 0, breite, hoehe);
    gui.redraw(MDI::Canvas);
    KlemmeSpielFenster(breite, hoehe);
    // The instruments stay whole inside the window: moved in, and made smaller where the
    // window cannot hold them at their size.
    KlavierTyp::fitIntoWindow(breite, hoehe);
    TastenFeldTyp::fitIntoWindow(breite, hoehe);
}

Gadget* AktivesFenster() {
    return Ui::activeWindow();
}

void ProgrammBeenden() {
    if (Ui::gui && MDI::Canvas) Ui::gui->freeGadget(MDI::Canvas);
    MDI::Canvas = nullptr;
    Ui::mainCanvasGadget = nullptr;
    Programm::Beendet = true;
    std::cout << "shutdown" << std::endl;
}
