#pragma once
// The MIDI component as far as the program has it: the message builders of the sound
// output, the one place every message leaves through, and the queue of received
// messages. The ports themselves are installed from outside (a dropping output and an
// input that receives nothing until then).

#include <list>
#include <memory>

#include "sound/MidiInput.h"
#include "sound/MidiMessageTyp.h"
#include "sound/MidiOutput.h"

class MIDI {
  public:
    // Class-wide: the output port messages go to (a dropping one until a port is
    // installed; the installed port is platform and survives Reset()).
    static std::shared_ptr<MidiOutput> Ausgang;
    // The input port messages come from (receives nothing until a port is installed).
    static std::shared_ptr<MidiInput> Eingang;
    // Received messages not yet consumed, oldest first.
    static std::list<MidiMessageTyp> InMessages;
    // The last channel outside 1 to 16 that was reported (reported once, not per message).
    static int FalscherKanal;

    // Sends three bytes through the output.
    static void Send(int byte0, int byte1, int byte2);
    // A Note On on channel `Kanal` (1 to 16): 0x8F + Kanal, Note, Volume. A channel
    // outside 1 to 16 sends on channel 1; a note or velocity outside 0 to 127 is not sent.
    static void SendNote(int Kanal, int Note, int Volume);
    // A Program Change on channel `Kanal`: 0xBF + Kanal, Programm, 0 (the third byte is
    // sent although the message has one data byte). Channels as for SendNote.
    static void SendProgrammChange(int Kanal, int Programm);
    // Starts the output side.
    static void StartUp();
    // Fetches at most one waiting message from the input and appends its record to
    // InMessages. No type and no channel is filtered.
    static void Receive();

    // Installs an output port; none installs the dropping one.
    static void SetzeAusgang(std::shared_ptr<MidiOutput> ausgang);
    // Installs an input port; none installs one that receives nothing.
    static void SetzeEingang(std::shared_ptr<MidiInput> eingang);
    static void Reset();
};
