#pragma once
// The loaded samples, one slot per note. A slot receives the compressed file at once and
// is decoded later, by a background thread or at its first use, whichever comes first:
// the first use waits for that one sample only, so every note sounds the first time.

#include <array>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string>

#include "platform/AudioSample.h"

class SampleBank {
  public:
    static constexpr int kSlots = 99;

    // Gives slot k its file (name for messages, bytes to decode). Only before decoding
    // starts: the bank is filled on one thread, then shared.
    void set(int slot, std::string name, std::string bytes);
    // The decoded sample of slot k; none for an empty slot or one that cannot be decoded.
    std::shared_ptr<const AudioSample> get(int slot);
    // Decodes every slot not yet decoded, in order, until asked to stop.
    void decodeAll(std::stop_token stop);
    // Slots whose decoding is done (sample or failure).
    int decoded() const;

  private:
    struct Slot {
        std::string name;
        std::string bytes;
        std::once_flag once;
        std::shared_ptr<const AudioSample> sample;
    };
    void decode(Slot& slot);

    std::array<Slot, kSlots> slots_;
    mutable std::mutex countMutex_;
    int decoded_ = 0;
};
