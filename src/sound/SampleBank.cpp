#include "sound/SampleBank.h"

#include <iostream>

void SampleBank::set(int slot, std::string name, std::string bytes) {
    if (slot < 0 || slot >= kSlots) return;
    slots_[size_t(slot)].name = std::move(name);
    slots_[size_t(slot)].bytes = std::move(bytes);
}

void SampleBank::decode(Slot& slot) {
    std::call_once(slot.once, [&] {
        if (!slot.bytes.empty()) {
            std::string error;
            slot.sample = AudioSample::fromOggVorbis(slot.bytes, &error);
            if (!slot.sample)  // one write, so that lines of two threads do not mix
                std::cout << ("sound: sample '" + slot.name + "' cannot be decoded (" + error +
                              "); its slot stays empty\n")
                          << std::flush;
            std::string().swap(slot.bytes);  // the decoded frames replace the file
        }
        std::lock_guard lock(countMutex_);
        ++decoded_;
    });
}

std::shared_ptr<const AudioSample> SampleBank::get(int slot) {
    if (slot < 0 || slot >= kSlots) return nullptr;
    decode(slots_[size_t(slot)]);
    return slots_[size_t(slot)].sample;
}

void SampleBank::decodeAll(std::stop_token stop) {
    for (Slot& slot : slots_) {
        if (stop.stop_requested()) return;
        decode(slot);
    }
}

int SampleBank::decoded() const {
    std::lock_guard lock(countMutex_);
    return decoded_;
}
