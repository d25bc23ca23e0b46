#include "sound/SoundTyp.h"

#include <cmath>
#include <iostream>

#include "data/Daten.h"
#include "data/Files.h"
#include "platform/AudioOutput.h"
#include "platform/Clock.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"

std::list<SoundTyp> SoundTyp::SoundListe;
std::shared_ptr<SampleBank> SoundTyp::Audio = std::make_shared<SampleBank>();
int SoundTyp::SoundNrOffset = 0;
int SoundTyp::AnzahlSounds = 0;
int SoundTyp::AudioViaMidi = 0;
int SoundTyp::MidiOutKanal = 0;
std::string SoundTyp::AngewandteEinstellungen;
std::jthread SoundTyp::Lader;

void SoundTyp::AddSound(int Zeit, int Ton, int Kanal, int Volume, int Lang, int Channel,
                        float Vol2) {
    SoundTyp sound;
    sound.Zeit = Zeit;
    sound.Ton = Ton;
    sound.Kanal = Kanal;
    sound.Volume = Volume;
    sound.Lang = Lang;
    sound.Channel = Channel;
    sound.Vol2 = Vol2;
    SoundListe.push_back(sound);
}

void SoundTyp::CheckListe() {
    const int64_t now = Runtime::millisecs();
    // The endings that WorkOne appends are visited by the same walk.
    for (auto it = SoundListe.begin(); it != SoundListe.end();) {
        if (it->Zeit < now) {
            it->WorkOne();
            it = SoundListe.erase(it);
        } else {
            ++it;
        }
    }
}

void SoundTyp::ResetListe() {
    SoundListe.remove_if([](const SoundTyp& sound) { return sound.Lang > 0; });
}

void SoundTyp::WorkOne() {
    if (Ton <= 0) return;
    if (AudioViaMidi == 1) {
        MIDI::SendNote(Kanal, Ton, Volume);
        if (Lang > 0) AddSound(Zeit + Lang, Ton, Kanal, 0, 0, 0, 1.0f);
        return;
    }
    SpielKlang();
    if (Lang > 0) {
        // The fade starts at three quarters of the length and lowers the volume by a
        // tenth every 20 ms; the sample plays out at the last level.
        for (int k = 0; k <= 20; ++k)
            AddSound(Zeit + (Lang / 4) * 3 + 20 * k, Ton, Kanal, 0, 0, Channel,
                     float(std::pow(0.9, k) * Volume / 127.0));
    }
}

void SoundTyp::SpielKlang() {
    // Notes without a sample (below the first or above the last slot) stay silent.
    if (Ton > SoundNrOffset + AnzahlSounds || Ton < SoundNrOffset) return;
    std::shared_ptr<AudioOutput> ausgabe = AudioPlatform::output();
    if (Volume > 0) {
        std::shared_ptr<const AudioSample> sample = Audio->get(Ton - SoundNrOffset);
        if (!sample) return;
        Channel = ausgabe->cue(sample);
        if (!Channel) return;
        ausgabe->setVolume(Channel, float(Volume) / 127.0f);
        ausgabe->resume(Channel);
    } else if (Volume == 0 && Channel != 0) {
        ausgabe->setVolume(Channel, Vol2);
    }
}

void SoundTyp::StartUpWennGeaendert() {
    std::string einstellungen;
    for (const char* key :
         {"SignalOut", "MidiInstrument", "AudioOutDevice", "MidiOutDevice", "MidiInDevice"})
        einstellungen += IniClass::Lesen("", "MIDI", key) + "\n";
    if (einstellungen == AngewandteEinstellungen) return;
    AngewandteEinstellungen = einstellungen;
    StartUp();
}

void SoundTyp::StartUp() {
    AudioViaMidi = IniClass::Value("", "MIDI", "SignalOut");
    if (AudioViaMidi != 1) {
        AudioPlatform::output()->open(IniClass::Lesen("", "MIDI", "AudioOutDevice"));
        return;
    }
    MIDI::StartUp();
    int programm = IniClass::Value("", "MIDI", "MidiInstrument");
    for (int kanal = 1; kanal <= 3; ++kanal) MIDI::SendProgrammChange(kanal, programm);
}

namespace {
void HalteLaderAn() {
    if (!SoundTyp::Lader.joinable()) return;
    SoundTyp::Lader.request_stop();
    SoundTyp::Lader.join();
}
}  // namespace

void SoundTyp::ReloadAudioSounds(const std::string& prefix, int firstMidi) {
    AnzahlSounds = 65;
    SoundNrOffset = firstMidi;
    HalteLaderAn();
    auto bank = std::make_shared<SampleBank>();
    for (int k = 0; k <= AnzahlSounds; ++k) {
        std::string name = prefix + std::to_string(firstMidi + k) + ".ogg";
        std::optional<std::string> bytes = Files::readBytes(DatenPfad + name);
        if (!bytes) {
            std::cout << "sound: sample '" << name << "' is missing; its slot stays empty"
                      << std::endl;
            continue;
        }
        bank->set(k, name, std::move(*bytes));
    }
    Audio = bank;
    std::shared_ptr<AudioOutput> ausgabe = AudioPlatform::output();
    std::string treiber = IniClass::Lesen("", "MIDI", "AudioOutDevice");
    Lader = std::jthread([bank, ausgabe, treiber](std::stop_token stop) {
        ausgabe->open(treiber);
        bank->decodeAll(stop);
    });
}

void SoundTyp::WarteAufLader() {
    if (Lader.joinable()) Lader.join();
}

void SoundTyp::SetzeStartwerte() {
    HalteLaderAn();
    SoundListe.clear();
    Audio = std::make_shared<SampleBank>();
    SoundNrOffset = 0;
    AnzahlSounds = 0;
    AudioViaMidi = 0;
    MidiOutKanal = 0;
    AngewandteEinstellungen.clear();
}
