#include "platform/MidiTreiber.h"

namespace {
std::shared_ptr<MidiTreiber> installed;
}

std::shared_ptr<MidiTreiber> MidiPlatform::treiber() {
    return installed;
}

void MidiPlatform::install(std::shared_ptr<MidiTreiber> treiber) {
    installed = std::move(treiber);
}
