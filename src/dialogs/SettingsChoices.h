#pragma once
// What the controls of the settings dialog do, apart from the gadgets that show them:
// each choice writes its setting at once and takes effect at once in the running
// program. The dialog (Parameter) calls these from its events; tests call them directly.

#include <array>
#include <string>
#include <vector>

namespace SettingsChoices {

// The MIDI input channel chosen on the input page (0 until chosen); the input itself
// takes every channel.
extern int MidiInKanal;

// The four note-length boxes: whole, half, quarter, eighth note.
using LengthBoxes = std::array<bool, 4>;

// "NoteLang" for the checked boxes: "8", "4|4", "2|2|2|2", "1|1" joined by "|".
std::string noteLangFor(const LengthBoxes& boxes);
// The boxes a "NoteLang" value checks: "8" whole, "4" half, "2" quarter, "1" eighth; any
// other part checks the box of the part before it (the whole-note box when first).
LengthBoxes boxesFor(const std::string& noteLang);
// "NoteLang" as the dialog opens: an empty value becomes "4|2" and is written.
std::string noteLangOnOpen();
// A length box was clicked and `boxes` are the boxes after the click. Writes "NoteLang"
// and returns the boxes; when no box would stay checked, the clicked box is checked again,
// nothing is written, and the returned boxes say so.
LengthBoxes clickLengthBox(LengthBoxes boxes, int clicked);

// The device lists: port names from index 0 up to the first empty one, at most 11; the
// audio drivers up to an empty name or "NULL".
std::vector<std::string> midiOutputNames();
std::vector<std::string> midiInputNames();
std::vector<std::string> audioDriverNames();
// The General MIDI names of "Listen.ini", keys "0", "1", ... up to the first missing
// one, at most 88.
std::vector<std::string> gmNames();
// The sampled instruments: the single entry "Piano".
std::vector<std::string> audioInstrumentNames();

// "Instrument" as the dialog opens: 0 (missing) becomes 1 and is written. Sets the
// instrument of the exercise and returns it.
int instrumentOnOpen();
// The piano radios: "Instrument" = 1 and "KurzesKlavier" = 1 (fitting) or 0 (six
// octaves); the on-screen piano is rebuilt for the current lesson.
void choosePiano(bool fitting);
void chooseGuitar();
// "NotenNamen" = set (0 "C C# Db", 1 "C Cis Des", 2 "Do Do# Reb", 3 individual); the
// names are reloaded and the note-name buttons relabelled.
void chooseNoteNames(int set);
// "OktavName" = style; the buttons are relabelled.
void chooseOctaveNames(int style);
// "Sprache" = p; the language switch (captions, menus, the exercise reset) and the main
// window's title again.
void chooseLanguage(int p);
// "SignalIn" = 0 computer, 1 MIDI, 2 audio.
void chooseInput(int signalIn);
// "SignalOut" = 0 samples, 1 MIDI; the sound follows at once.
void chooseOutput(int signalOut);
void chooseKeySound(bool on);
// "MidiInstrument" = p and a program change p on channels 1, 2 and 3.
void chooseGmProgram(int p);
void chooseMidiOutput(const std::string& name);
void chooseMidiInput(const std::string& name);
// "AudioOutDevice": the audio output switches to that driver at once.
void chooseAudioOutput(const std::string& name);
void chooseAudioInput(const std::string& name);
// "AudioInstrument" = name; the samples of that instrument are loaded again.
void chooseAudioInstrument(const std::string& name);
// The steppers: "MidiKanal" / "MidiInKanal" and the channel in use.
void chooseOutputChannel(int channel);
void chooseInputChannel(int channel);
// The test scale through the chosen output.
void playTest();

// A MIDI device choice changed: an open port is reopened by the new name (a closed one
// opens by name at its next use) and waiting input is dropped.
void midiDevicesChanged();

// The teacher page. A teacher number is empty or up to nine digits; a result server is
// empty (our own), a host name or an IPv4 address, with an optional ":port" (1 to 65535).
// A bracketed IPv6 address cannot be kept: a "[" in a value ends its settings section.
bool isTeacherNumber(const std::string& text);
bool isServerAddress(const std::string& text);
// "CodeServer" in "Allgemein" = text when it is an address; false (nothing written)
// when it is refused.
bool chooseServer(const std::string& text);
// "Lehrer" = text when it is a number; false (nothing written) when it is refused.
bool chooseTeacher(const std::string& text);
// The text shown beside a field whose text is refused.
std::string refusedTeacherText();
std::string refusedServerText();

}  // namespace SettingsChoices
