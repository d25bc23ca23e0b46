#include "platform/Clock.h"

#include <algorithm>
#include <chrono>

namespace {
int64_t steadyMillis() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
SteadyClock defaultClock;
MersenneRandom defaultRandom;
}  // namespace

SteadyClock::SteadyClock() : start_(steadyMillis()) {}

int64_t SteadyClock::millisecs() {
    return steadyMillis() - start_;
}

int MersenneRandom::rand(int low, int high) {
    if (low > high) std::swap(low, high);
    return std::uniform_int_distribution<int>(low, high)(engine_);
}

int ScriptedRandom::rand(int low, int high) {
    if (low > high) std::swap(low, high);
    return std::clamp(answer_(low, high), low, high);
}

Clock* Runtime::clock = &defaultClock;
RandomSource* Runtime::random = &defaultRandom;
