#include "platform/midi/RtMidiTreiber.h"

#include <RtMidi.h>

#include "platform/midi/QuietLibraries.h"

#include <chrono>
#include <exception>
#include <iostream>
#include <sstream>
#include <thread>

namespace {

// Once a client exists RtMidi reports through this callback instead of throwing. A
// message is said once, until a different one comes (a JACK client without a server
// says the same on every count).
struct Melder {
    const char* seite;
    std::string letzte;
};

void Melde(RtMidiError::Type, const std::string& text, void* data) {
    auto* melder = static_cast<Melder*>(data);
    if (text == melder->letzte) return;
    melder->letzte = text;
    std::cout << "midi: " << melder->seite << ": " << text << std::endl;
}

std::string Grund(const std::exception_ptr& fehler) {
    try {
        std::rethrow_exception(fehler);
    } catch (const RtMidiError& e) {
        return e.getMessage();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown error";
    }
}

// RtMidi writes a client's start-up errors to standard error before it throws them, and
// the thrown text is said on standard output anyway: standard error is set aside meanwhile.
class OhneStandardFehler {
  public:
    OhneStandardFehler() : vorher_(std::cerr.rdbuf(weg_.rdbuf())) {}
    ~OhneStandardFehler() { std::cerr.rdbuf(vorher_); }

  private:
    std::ostringstream weg_;
    std::streambuf* vorher_;
};

// The default platform interface first; where it throws (no ALSA sequencer), JACK.
template <class Rt, class... Args>
std::unique_ptr<Rt> MacheClient(const char* seite, Args... args) {
    OhneStandardFehler leise;
    try {
        return std::make_unique<Rt>(RtMidi::UNSPECIFIED, args...);
    } catch (...) {
        std::cout << "midi: " << seite << ": the default MIDI system cannot be used ("
                  << Grund(std::current_exception()) << "); trying JACK" << std::endl;
    }
    try {
        return std::make_unique<Rt>(RtMidi::UNIX_JACK, args...);
    } catch (...) {
        std::cout << "midi: " << seite << ": JACK cannot be used either ("
                  << Grund(std::current_exception()) << ")" << std::endl;
    }
    return nullptr;
}

// What both clients share: counting, naming, opening and closing ports.
template <class Rt>
class RtClient {
  public:
    RtClient(std::unique_ptr<Rt> rt, const char* seite) : melder_{seite, {}}, rt_(std::move(rt)) {
        rt_->setErrorCallback(&Melde, &melder_);
        std::cout << "midi: " << seite << " client through "
                  << RtMidi::getApiDisplayName(rt_->getCurrentApi()) << std::endl;
    }

    int count() {
        try {
            return static_cast<int>(rt_->getPortCount());
        } catch (...) {
            melde(std::current_exception());
            return 0;
        }
    }
    std::string name(int index) {
        if (index < 0) return "";
        try {
            return rt_->getPortName(static_cast<unsigned>(index));
        } catch (...) {
            melde(std::current_exception());
            return "";
        }
    }
    // A port that is no longer listed is not opened.
    bool open(int index, const std::string& portName) {
        try {
            if (index < 0 || index >= count() || name(index).empty()) return false;
            rt_->openPort(static_cast<unsigned>(index), portName);
            return rt_->isPortOpen();
        } catch (...) {
            melde(std::current_exception());
            return false;
        }
    }
    void close() {
        try {
            rt_->closePort();
        } catch (...) {
            melde(std::current_exception());
        }
    }
    void melde(const std::exception_ptr& fehler) {
        Melde(RtMidiError::UNSPECIFIED, Grund(fehler), &melder_);
    }
    Rt& rt() { return *rt_; }
    // JACK's process thread may be inside RtMidi's callback, reading the port and the
    // buffers that destroying the client frees: the port closes first (the callback then
    // returns at once), and the client goes only after a JACK period has passed.
    ~RtClient() {
        if (!rt_ || rt_->getCurrentApi() != RtMidi::UNIX_JACK) return;
        close();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

  private:
    Melder melder_;  // outlives rt_, which may report while it closes
    std::unique_ptr<Rt> rt_;
};

class RtMidiAusgang : public MidiOutput {
  public:
    explicit RtMidiAusgang(std::unique_ptr<RtMidiOut> rt) : client_(std::move(rt), "output") {}
    int portCount() override { return client_.count(); }
    std::string portName(int index) override { return client_.name(index); }
    bool openPort(int index, const std::string& portName) override {
        if (!client_.open(index, portName)) return false;
        // JACK puts a new connection into its graph at the next cycle; a message that
        // goes out in the cycle running now would be lost. The wait covers one cycle of
        // the usual periods (up to 1024 frames at 48 kHz) and comes once per opening.
        if (client_.rt().getCurrentApi() == RtMidi::UNIX_JACK)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        return true;
    }
    void closePort() override { client_.close(); }
    void send(const std::array<uint8_t, 3>& bytes) override {
        try {
            client_.rt().sendMessage(bytes.data(), bytes.size());
        } catch (...) {
            client_.melde(std::current_exception());
        }
    }

  private:
    RtClient<RtMidiOut> client_;
};

class RtMidiEingang : public MidiInput {
  public:
    explicit RtMidiEingang(std::unique_ptr<RtMidiIn> rt) : client_(std::move(rt), "input") {}
    int portCount() override { return client_.count(); }
    std::string portName(int index) override { return client_.name(index); }
    bool openPort(int index, const std::string& portName) override {
        return client_.open(index, portName);
    }
    void closePort() override { client_.close(); }
    void ignoreTypes(bool sysex, bool timing, bool sensing) override {
        try {
            client_.rt().ignoreTypes(sysex, timing, sensing);
        } catch (...) {
            client_.melde(std::current_exception());
        }
    }
    std::vector<uint8_t> receive() override {
        std::vector<unsigned char> message;
        try {
            client_.rt().getMessage(&message);  // the time stamp is not used
        } catch (...) {
            client_.melde(std::current_exception());
            message.clear();
        }
        return {message.begin(), message.end()};
    }

  private:
    RtClient<RtMidiIn> client_;
};

}  // namespace

void RtMidiTreiber::install() {
    FoldSoundLibraryMessages();
    MidiPlatform::install(std::make_shared<RtMidiTreiber>());
}

std::shared_ptr<MidiOutput> RtMidiTreiber::neuerAusgang(const std::string& clientName) {
    std::unique_ptr<RtMidiOut> rt = MacheClient<RtMidiOut>("output", clientName);
    if (!rt) return nullptr;
    try {
        return std::make_shared<RtMidiAusgang>(std::move(rt));
    } catch (...) {
        std::cout << "midi: output: " << Grund(std::current_exception()) << std::endl;
        return nullptr;
    }
}

std::shared_ptr<MidiInput> RtMidiTreiber::neuerEingang(const std::string& clientName,
                                                       int queueLimit) {
    std::unique_ptr<RtMidiIn> rt = MacheClient<RtMidiIn>(
        "input", clientName, static_cast<unsigned>(queueLimit > 0 ? queueLimit : 100));
    if (!rt) return nullptr;
    try {
        return std::make_shared<RtMidiEingang>(std::move(rt));
    } catch (...) {
        std::cout << "midi: input: " << Grund(std::current_exception()) << std::endl;
        return nullptr;
    }
}
