#pragma once
// The program's connection to MIDI hardware: one output port for sound and instrument
// selection, one input port for the MIDI keyboard the learner plays the answers on.
// Ports are opened lazily, by the device names kept in the settings ("MidiOutDevice",
// "MidiInDevice" in section "MIDI"); received messages are queued as small records for
// the exercise and the settings dialog.
//
// Each side has a state: 0 no client yet, 1 a client but no port at the last count,
// 2 ports exist but none is open, 3 a port is open. The clients come from the installed
// MIDI system (MidiTreiber; RtMidi in the program).

#include <list>
#include <memory>
#include <optional>
#include <string>

#include "platform/MidiInput.h"
#include "platform/MidiMessageTyp.h"
#include "platform/MidiOutput.h"
#include "platform/MidiTreiber.h"

class MIDI {
  public:
    // Class-wide state.
    static std::shared_ptr<MidiOutput> MidiOut;   // the output client; none before StartUp
    static std::shared_ptr<MidiInput> MidiIn;     // the input client; none before StartUp
    static int OutStarted, InStarted;             // state of each side, 0 to 3
    static std::list<MidiMessageTyp> InMessages;  // received, not yet consumed, oldest first
    // A side whose ports vanished between counting and opening tries once more at the
    // next Send (output) or Receive (input).
    static bool OutNochmal, InNochmal;
    // The last channel outside 1 to 16 that was reported (reported once, not per message).
    static int FalscherKanal;
    // Said once until a port opens: messages are being dropped.
    static bool VerwerfenGesagt;

    static constexpr const char* OUT_CLIENT = "RtMidi Output Client";
    static constexpr const char* IN_CLIENT = "RtMidi Input Client";
    static constexpr const char* OUT_PORT = "RtMidi Output";
    static constexpr const char* IN_PORT = "RtMidi Input";
    static constexpr int IN_QUEUE = 100;

    // Creates the clients that do not exist yet and counts the ports of each side.
    static void StartUp();
    // Counts again the ports of each side that has a client but had no ports: a keyboard
    // plugged in later, or a JACK server started later or too busy to take the client at
    // first. The program asks this from time to time; no client is made here.
    static void CountPortsAgain();
    // (Re)opens the output or input port whose name equals `name` exactly; port 0 when
    // no port has that name.
    static void OutAuf(const std::string& name);
    static void InAuf(const std::string& name);
    // Sends three bytes; opens the output port named by "MidiOutDevice" first if none is
    // open. Dropped while no port can be opened.
    static void Send(int byte0, int byte1, int byte2);
    // A Note On on channel `Kanal` (1 to 16): 0x8F + Kanal, Note, Volume. A channel
    // outside 1 to 16 sends on channel 1; a note or velocity outside 0 to 127 is not sent.
    static void SendNote(int Kanal, int Note, int Volume);
    // A Program Change on channel `Kanal`: 0xBF + Kanal, Programm, 0 (the third byte is
    // sent although the message has one data byte). Channels as for SendNote.
    static void SendProgrammChange(int Kanal, int Programm);
    // Fetches at most one waiting message and appends its record to InMessages; opens the
    // input port named by "MidiInDevice" first if none is open. No type and no channel is
    // filtered.
    static void Receive();
    // typ 0: removes and returns the oldest message. Otherwise removes messages from the
    // front until one of that type, which it returns; if none matches, the last message
    // removed. None when the list was empty.
    static std::optional<MidiMessageTyp> GetNextMessage(int typ);
    // The name of output or input port i; "" when that side has no ports or i is not
    // below the port count.
    static std::string ListOutDevices(int i);
    static std::string ListInDevices(int i);

    // Installs the MIDI system that makes the clients (none: the program has no MIDI);
    // it is the platform's (MidiPlatform), so it survives SetzeStartwerte().
    static void SetzeTreiber(std::shared_ptr<MidiTreiber> treiber);
    // Installs an output client as if StartUp had made it, and counts its ports; none
    // drops the client (state 0).
    static void SetzeAusgang(std::shared_ptr<MidiOutput> ausgang);
    // The same for the input client.
    static void SetzeEingang(std::shared_ptr<MidiInput> eingang);
    // Back to the start values: no clients, both sides in state 0, no messages.
    static void SetzeStartwerte();
};
