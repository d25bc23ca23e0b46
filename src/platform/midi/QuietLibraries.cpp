#include "platform/midi/QuietLibraries.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <string>

namespace {
std::atomic<bool> alsaSaid{false}, jackSaid{false};

void sayOnce(std::atomic<bool>& said, const char* library, const std::string& text) {
    if (said.exchange(true)) return;
    std::cout << library << ": " << text << " (its further messages are not shown)" << std::endl;
}

void alsaMessage(const char* file, int line, const char* function, int err, const char* format,
                 ...) {
    if (alsaSaid) return;
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    sayOnce(alsaSaid, "alsa", std::string(function ? function : "") + ": " + text);
}

void jackMessage(const char* text) {
    sayOnce(jackSaid, "jack", text ? text : "");
}

void jackInfo(const char*) {}
}  // namespace

void FoldSoundLibraryMessages() {
    snd_lib_error_set_handler(alsaMessage);
    jack_set_error_function(jackMessage);
    jack_set_info_function(jackInfo);
}
