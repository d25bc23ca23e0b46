#pragma once
// The MIDI system of the program through RtMidi: output and input clients of the default
// platform interface (ALSA on Linux), or of JACK where the default one cannot be used.
// Port names are those RtMidi lists; they are what the settings store. Nothing RtMidi
// throws leaves these clients.

#include <memory>
#include <string>

#include "platform/MidiTreiber.h"

class RtMidiTreiber : public MidiTreiber {
  public:
    // Makes this the MIDI system of the program (before start-up), and folds the
    // messages of ALSA and JACK into one line each.
    static void install();

    std::shared_ptr<MidiOutput> neuerAusgang(const std::string& clientName) override;
    std::shared_ptr<MidiInput> neuerEingang(const std::string& clientName, int queueLimit) override;
};
