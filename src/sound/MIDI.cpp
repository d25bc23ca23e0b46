#include "sound/MIDI.h"

#include <iostream>

std::shared_ptr<MidiOutput> MIDI::Ausgang = std::make_shared<DroppingMidiOutput>();
std::shared_ptr<MidiInput> MIDI::Eingang = std::make_shared<NoMidiInput>();
std::list<MidiMessageTyp> MIDI::InMessages;
int MIDI::FalscherKanal = 1;  // 1 is a good channel: nothing reported yet

void DroppingMidiOutput::send(const std::array<uint8_t, 3>&) {
    if (told_) return;
    told_ = true;
    std::cout << "midi: no output port is open; messages are dropped" << std::endl;
}

namespace {
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

void MIDI::Send(int byte0, int byte1, int byte2) {
    Ausgang->send({uint8_t(byte0), uint8_t(byte1), uint8_t(byte2)});
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

void MIDI::StartUp() {
    Ausgang->startUp();
}

void MIDI::Receive() {
    std::vector<uint8_t> bytes = Eingang->receive();
    if (!bytes.empty()) InMessages.push_back(MidiMessageTyp::AusBytes(bytes));
}

void MIDI::SetzeEingang(std::shared_ptr<MidiInput> eingang) {
    Eingang = eingang ? std::move(eingang) : std::make_shared<NoMidiInput>();
}

void MIDI::SetzeAusgang(std::shared_ptr<MidiOutput> ausgang) {
    Ausgang = ausgang ? std::move(ausgang) : std::make_shared<DroppingMidiOutput>();
}

void MIDI::Reset() {
    InMessages.clear();
    FalscherKanal = 1;
}
