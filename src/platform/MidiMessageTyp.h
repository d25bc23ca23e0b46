#pragma once
// One received MIDI message, as the exercise and the settings dialog read it.

#include <cstdint>
#include <vector>

struct MidiMessageTyp {
    int Typ = 0;     // high nibble of the status byte: 8 Note Off, 9 Note On, 11 Control
                     // Change, 12 Program Change, 14 Pitch Bend, 15 system messages
    int Kanal = 0;   // low nibble of the status byte: the channel counted from 0
    int Note = 0;    // first data byte; 0 if absent
    int Volume = 0;  // second data byte; 0 if absent

    // The record of a message's bytes; bytes after the third are ignored. No bytes make
    // an empty record (Typ 0).
    static MidiMessageTyp AusBytes(const std::vector<uint8_t>& bytes) {
        MidiMessageTyp message;
        if (bytes.empty()) return message;
        message.Typ = bytes[0] / 16;
        message.Kanal = bytes[0] % 16;
        if (bytes.size() > 1) message.Note = bytes[1];
        if (bytes.size() > 2) message.Volume = bytes[2];
        return message;
    }
};
