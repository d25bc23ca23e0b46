#pragma once
// Every sound of the program is a scheduled event in one list. Once per tick the due
// events are carried out: as MIDI Note On messages, or as piano samples played through
// the audio output. An event with a length schedules its own ending as further events
// (a velocity-0 Note On, or a 21-step fade of the sample). Nothing sounds at the moment
// of the request.

#include <list>
#include <memory>
#include <string>
#include <thread>

#include "sound/SampleBank.h"

class SoundTyp {
  public:
    // Class-wide state.
    static std::list<SoundTyp> SoundListe;     // pending events, in insertion order
    static std::shared_ptr<SampleBank> Audio;  // 99 sample slots; slot k is note SoundNrOffset + k
    static int SoundNrOffset;                  // MIDI note of slot 0
    static int AnzahlSounds;                   // index of the last filled slot
    static int AudioViaMidi;    // 1: sound through the MIDI output; anything else: samples
    static int MidiOutKanal;    // the MIDI output channel chosen in the settings (0 at start)
    static std::jthread Lader;  // decodes the sample bank in the background

    int Zeit = 0;       // due time on the program clock, ms
    int Ton = 0;        // MIDI note; 0 or less: the event does nothing
    int Volume = 0;     // 0 to 127; 0 marks an ending (note off or a fade step)
    int Kanal = 0;      // MIDI channel 1 to 16
    int Lang = 0;       // length in ms; 0: no ending is scheduled
    int Channel = 0;    // audio channel the event started or fades; 0 = none
    float Vol2 = 1.0f;  // the channel volume a fade step sets

    // Appends one event to SoundListe.
    static void AddSound(int Zeit, int Ton, int Kanal, int Volume, int Lang, int Channel = 0,
                         float Vol2 = 1.0f);
    // Carries out every event due strictly before now; once per timer tick.
    static void CheckListe();
    // Drops every pending event with a length; endings of notes already sounding stay.
    static void ResetListe();
    // Applies the sound settings ("SignalOut", "MidiInstrument", "AudioOutDevice").
    static void StartUp();
    // Applies them only when they, or the MIDI devices chosen, changed since the last time
    // this applied them: a menu action restarts neither the audio output nor MIDI.
    static void StartUpWennGeaendert();
    static std::string AngewandteEinstellungen;  // the settings this applied last
    // Fills the sample bank with prefix + (firstMidi + k) + ".ogg", k = 0 to 65, from the
    // data archive. The files are decoded in the background (or at first use) and the
    // audio device is opened there too, so loading never holds up the program.
    static void ReloadAudioSounds(const std::string& prefix, int firstMidi);
    // Waits until the background loading has finished (benchmarks, tests, tools).
    static void WarteAufLader();

    // Carries out this event.
    void WorkOne();
    // Plays this event's sample, or sets the volume of its channel for a fade step.
    void SpielKlang();

    static void SetzeStartwerte();
};
