#pragma once
// The program clock (milliseconds since start) and the random source. Both are
// injected: the program uses the steady clock and a generator seeded from it; tests
// drive time and dice themselves.

#include <cstdint>
#include <functional>
#include <random>

class Clock {
  public:
    virtual ~Clock() = default;
    virtual int64_t millisecs() = 0;
};

class SteadyClock : public Clock {
  public:
    SteadyClock();
    int64_t millisecs() override;

  private:
    int64_t start_;
};

// A clock a test sets by hand.
class ManualClock : public Clock {
  public:
    int64_t millisecs() override { return now; }
    void advance(int64_t ms) { now += ms; }
    int64_t now = 0;
};

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A uniformly drawn integer from the closed range [low, high]; low > high swaps them.
    virtual int rand(int low, int high) = 0;
    virtual void seed(uint32_t value) = 0;
};

class MersenneRandom : public RandomSource {
  public:
    int rand(int low, int high) override;
    void seed(uint32_t value) override { engine_.seed(value); }

  private:
    std::mt19937 engine_{12345};
};

// Dice a test scripts: each call returns the function's answer for (low, high).
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::function<int(int, int)> answer) : answer_(std::move(answer)) {}
    int rand(int low, int high) override;
    void seed(uint32_t) override {}

  private:
    std::function<int(int, int)> answer_;
};

// The program-wide clock and dice; the program body installs the real ones.
struct Runtime {
    static Clock* clock;
    static RandomSource* random;
    static int64_t millisecs() { return clock->millisecs(); }
    static int rand(int low, int high) { return random->rand(low, high); }
};
