#include "platform/sdl/SdlAudioOutput.h"

#include <SDL.h>

#include <algorithm>
#include <iostream>

SdlAudioOutput::SdlAudioOutput() = default;

SdlAudioOutput::~SdlAudioOutput() {
    std::lock_guard lock(deviceMutex_);
    close();
}

void SdlAudioOutput::install() {
    AudioPlatform::install(std::make_shared<SdlAudioOutput>());
}

std::vector<std::string> SdlAudioOutput::drivers() {
    std::vector<std::string> names;
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) {
        const char* name = SDL_GetAudioDriver(i);
        if (!name || !*name) break;
        names.emplace_back(name);
    }
    return names;
}

void SdlAudioOutput::pull(void* self, uint8_t* stream, int bytes) {
    auto* output = static_cast<SdlAudioOutput*>(self);
    output->mixer_.mix(reinterpret_cast<float*>(stream), bytes / int(2 * sizeof(float)));
}

void SdlAudioOutput::close() {
    if (device_) SDL_CloseAudioDevice(device_);
    device_ = 0;
    if (audioInit_) SDL_AudioQuit();
    audioInit_ = false;
    driver_.clear();
    bufferFrames_ = 0;
}

bool SdlAudioOutput::openWith(const char* driver) {
    close();
    if (SDL_AudioInit(driver) != 0) {
        std::cout << "audio: driver '" << (driver ? driver : "(SDL's choice)")
                  << "' cannot start: " << SDL_GetError() << std::endl;
        return false;
    }
    audioInit_ = true;
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = kBufferFrames;
    want.callback = pull;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts from our format and rate if the device differs.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    const char* current = SDL_GetCurrentAudioDriver();
    if (!device_) {
        std::cout << "audio: no device through driver '" << (current ? current : "?")
                  << "': " << SDL_GetError() << std::endl;
        close();
        return false;
    }
    driver_ = current ? current : "";
    bufferFrames_ = have.samples;
    SDL_PauseAudioDevice(device_, 0);
    std::cout << "audio: playing through '" << driver_ << "', " << have.freq << " Hz, "
              << have.samples << " frames per buffer" << std::endl;
    return true;
}

void SdlAudioOutput::open(const std::string& driver) {
    std::lock_guard lock(deviceMutex_);
    std::vector<std::string> known = drivers();
    bool named = !driver.empty() && std::find(known.begin(), known.end(), driver) != known.end();
    if (!driver.empty() && !named)
        std::cout << "audio: no driver named '" << driver << "'; using SDL's choice" << std::endl;
    if (device_ && (!named || driver == driver_)) return;
    if (named && openWith(driver.c_str())) return;
    if (openWith(nullptr)) return;
    if (openWith("dummy")) return;
    std::cout << "audio: no audio device at all; the program stays silent" << std::endl;
}

std::string SdlAudioOutput::driver() {
    std::lock_guard lock(deviceMutex_);
    return driver_;
}

int SdlAudioOutput::bufferFrames() {
    std::lock_guard lock(deviceMutex_);
    return bufferFrames_;
}

void SdlAudioOutput::holdDevice() {
    std::lock_guard lock(deviceMutex_);
    if (device_) SDL_LockAudioDevice(device_);
}

void SdlAudioOutput::releaseDevice() {
    std::lock_guard lock(deviceMutex_);
    if (device_) SDL_UnlockAudioDevice(device_);
}
