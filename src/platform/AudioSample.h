#pragma once
// A decoded sound: mono 16-bit frames at their own rate. Samples are shared, read only,
// between the sample bank and the voices of the mixer (the audio thread).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct AudioSample {
    int rate = 44100;
    std::vector<int16_t> frames;  // mono; stereo files are averaged

    double seconds() const { return rate > 0 ? double(frames.size()) / rate : 0.0; }

    // Decodes an Ogg Vorbis file held in memory. On failure returns no sample and, when
    // `error` is given, says why.
    static std::shared_ptr<const AudioSample> fromOggVorbis(const std::string& bytes,
                                                            std::string* error = nullptr);
};
