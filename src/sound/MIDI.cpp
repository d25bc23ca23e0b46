#include "sound/MIDI.h"

#include <exception>
#include <iostream>

#include "settings/IniClass.h"

std::shared_ptr<MidiOutput> MIDI::MidiOut;
std::shared_ptr<MidiInput> MIDI::MidiIn;
int MIDI::OutStarted = 0;
int MIDI::InStarted = 0;
std::list<MidiMessageTyp> MIDI::InMessages;
bool MIDI::OutNochmal = false;
bool MIDI::InNochmal = false;
int MIDI::FalscherKanal = 1;  // 1 is a good channel: nothing reported yet
bool MIDI::VerwerfenGesagt = false;

namespace {

// What was said about a side, so that a state that lasts is reported once.
struct Gesagt {
    bool keinClient = false;
    bool keinePorts = false;
};
Gesagt gesagtAus, gesagtEin;

// Runs one call into a client; whatever it throws stays here.
template <class F, class R>
R Sicher(const char* was, R sonst, F&& aufruf) {
    try {
        return aufruf();
    } catch (const std::exception& e) {
        std::cout << "midi: " << was << " failed: " << e.what() << std::endl;
    } catch (...) {
        std::cout << "midi: " << was << " failed" << std::endl;
    }
    return sonst;
}

template <class Client>
int Zaehle(Client& client) {
    int n = Sicher("counting the ports", 0, [&] { return client.portCount(); });
    return n < 0 ? 0 : n;
}

template <class Client>
std::string Name(Client& client, int index) {
    return Sicher("reading a port name", std::string(), [&] { return client.portName(index); });
}

// One side of StartUp: 0 makes the client, 1 counts again, 2 and 3 stay.
template <class Client, class Make>
void StarteSeite(std::shared_ptr<Client>& client, int& state, Gesagt& gesagt, const char* seite,
                 Make&& make) {
    if (state == 0) {
        if (!client) client = make();
        if (!client) {
            if (!gesagt.keinClient)
                std::cout << "midi: no MIDI " << seite << " client; the program runs without MIDI "
                          << seite << std::endl;
            gesagt.keinClient = true;
            return;
        }
        state = 1;
    }
    if (state == 1) {
        if (Zaehle(*client) > 0) {
            state = 2;
            gesagt.keinePorts = false;
        } else if (!gesagt.keinePorts) {
            std::cout << "midi: the MIDI " << seite << " has no ports" << std::endl;
            gesagt.keinePorts = true;
        }
    }
}

void StarteAusgang() {
    StarteSeite(MIDI::MidiOut, MIDI::OutStarted, gesagtAus, "output", [] {
        return MidiPlatform::treiber()
                   ? Sicher("making the output client", std::shared_ptr<MidiOutput>(),
                            [] { return MidiPlatform::treiber()->neuerAusgang(MIDI::OUT_CLIENT); })
                   : nullptr;
    });
}

void StarteEingang() {
    StarteSeite(MIDI::MidiIn, MIDI::InStarted, gesagtEin, "input", [] {
        return MidiPlatform::treiber()
                   ? Sicher("making the input client", std::shared_ptr<MidiInput>(),
                            [] {
                                return MidiPlatform::treiber()->neuerEingang(MIDI::IN_CLIENT,
                                                                             MIDI::IN_QUEUE);
                            })
                   : nullptr;
    });
}

// Output first, then input.
void Starte() {
    StarteAusgang();
    StarteEingang();
}

// Opening by name, the same for both sides. Returns the index opened, or -1.
template <class Client, class Matched>
int OeffneSeite(Client& client, int& state, bool& nochmal, const std::string& name,
                const char* portName, const char* seite, Matched&& matched) {
    if (state == 3) {
        Sicher("closing a port", 0, [&] {
            client.closePort();
            return 0;
        });
        state = 2;
    }
    if (state != 2) return -1;
    const int count = Zaehle(client);
    for (int i = 0; i < count; ++i) {
        if (Name(client, i) != name) continue;
        if (Sicher("opening a port", false, [&] { return client.openPort(i, portName); })) {
            state = 3;
            matched();
            return i;
        }
        break;  // the named port went away while it was being opened
    }
    if (count > 0 &&
        Sicher("opening a port", false, [&] { return client.openPort(0, portName); })) {
        state = 3;
        std::cout << "midi: no " << seite << " port is named \"" << name << "\"; port 0 \""
                  << Name(client, 0) << "\" is open" << std::endl;
        return 0;
    }
    // The ports vanished between counting and opening: count again at the next use.
    state = 1;
    nochmal = true;
    std::cout << "midi: the " << seite << " ports are gone; no port is open" << std::endl;
    return -1;
}

// Channels 1 to 16 as the low nibble 0 to 15; anything else plays on channel 1.
int KanalNibble(int Kanal) {
    if (Kanal < 1 || Kanal > 16) {
        if (MIDI::FalscherKanal != Kanal)
            std::cout << "midi: channel " << Kanal << " is not 1 to 16; sending on channel 1"
                      << std::endl;
        MIDI::FalscherKanal = Kanal;
        return 0;
    }
    return Kanal - 1;
}

bool IstDatenbyte(int wert) {
    return wert >= 0 && wert <= 127;
}

}  // namespace

void MIDI::StartUp() {
    Starte();
    if (MidiOut)
        Sicher("starting the output", 0, [] {
            MidiOut->startUp();
            return 0;
        });
    if (MidiIn)
        Sicher("starting the input", 0, [] {
            MidiIn->startUp();
            return 0;
        });
}

void MIDI::CountPortsAgain() {
    if (OutStarted == 1) StarteAusgang();
    if (InStarted == 1) StarteEingang();
}

// Opening needs only its own side started.
void MIDI::OutAuf(const std::string& name) {
    StarteAusgang();
    if (!MidiOut) return;
    OeffneSeite(*MidiOut, OutStarted, OutNochmal, name, OUT_PORT, "output", [] {});
    if (OutStarted == 3) VerwerfenGesagt = false;
}

void MIDI::InAuf(const std::string& name) {
    StarteEingang();
    if (!MidiIn) return;
    OeffneSeite(*MidiIn, InStarted, InNochmal, name, IN_PORT, "input", [] {
        // The chosen keyboard: system exclusive is dropped, clock and sensing pass.
        Sicher("setting the input filter", 0, [] {
            MidiIn->ignoreTypes(true, false, false);
            return 0;
        });
    });
}

void MIDI::Send(int byte0, int byte1, int byte2) {
    if (OutStarted == 2 || (OutStarted == 1 && OutNochmal)) {
        OutNochmal = false;
        OutAuf(IniClass::Lesen("", "MIDI", "MidiOutDevice"));
    }
    if (OutStarted == 3) {
        const std::array<uint8_t, 3> bytes{uint8_t(byte0), uint8_t(byte1), uint8_t(byte2)};
        Sicher("sending", 0, [&] {
            MidiOut->send(bytes);
            return 0;
        });
        return;
    }
    if (!VerwerfenGesagt)
        std::cout << "midi: no output port is open; messages are dropped" << std::endl;
    VerwerfenGesagt = true;
}

void MIDI::SendNote(int Kanal, int Note, int Volume) {
    if (!IstDatenbyte(Note) || !IstDatenbyte(Volume)) {
        std::cout << "midi: note " << Note << " with velocity " << Volume
                  << " is no Note On; not sent" << std::endl;
        return;
    }
    Send(0x90 + KanalNibble(Kanal), Note, Volume);
}

void MIDI::SendProgrammChange(int Kanal, int Programm) {
    if (!IstDatenbyte(Programm)) {
        std::cout << "midi: program " << Programm << " is not 0 to 127; not sent" << std::endl;
        return;
    }
    Send(0xC0 + KanalNibble(Kanal), Programm, 0);
}

void MIDI::Receive() {
    if (InStarted == 2 || (InStarted == 1 && InNochmal)) {
        InNochmal = false;
        InAuf(IniClass::Lesen("", "MIDI", "MidiInDevice"));
    }
    if (InStarted != 3) return;
    std::vector<uint8_t> bytes =
        Sicher("receiving", std::vector<uint8_t>(), [] { return MidiIn->receive(); });
    if (!bytes.empty()) InMessages.push_back(MidiMessageTyp::AusBytes(bytes));
}

std::optional<MidiMessageTyp> MIDI::GetNextMessage(int typ) {
    std::optional<MidiMessageTyp> zuletzt;
    while (!InMessages.empty()) {
        zuletzt = InMessages.front();
        InMessages.pop_front();
        if (typ == 0 || zuletzt->Typ == typ) return zuletzt;
    }
    return zuletzt;
}

namespace {
template <class Client>
std::string ListeSeite(Client* client, int i) {
    if (!client || i < 0 || i >= Zaehle(*client)) return "";
    return Name(*client, i);
}
}  // namespace

std::string MIDI::ListOutDevices(int i) {
    return ListeSeite(MidiOut.get(), i);
}

std::string MIDI::ListInDevices(int i) {
    return ListeSeite(MidiIn.get(), i);
}

void MIDI::SetzeTreiber(std::shared_ptr<MidiTreiber> treiber) {
    MidiPlatform::install(std::move(treiber));
}

void MIDI::SetzeAusgang(std::shared_ptr<MidiOutput> ausgang) {
    MidiOut = std::move(ausgang);
    OutStarted = 0;
    OutNochmal = false;
    gesagtAus = {};
    if (MidiOut) StarteAusgang();
}

void MIDI::SetzeEingang(std::shared_ptr<MidiInput> eingang) {
    MidiIn = std::move(eingang);
    InStarted = 0;
    InNochmal = false;
    gesagtEin = {};
    if (MidiIn) StarteEingang();
}

void MIDI::SetzeStartwerte() {
    MidiOut.reset();
    MidiIn.reset();
    OutStarted = InStarted = 0;
    OutNochmal = InNochmal = false;
    InMessages.clear();
    FalscherKanal = 1;
    VerwerfenGesagt = false;
    gesagtAus = {};
    gesagtEin = {};
}
