// Lesmora: a trainer for reading music at sight.

#include "app/Programm.h"
#include "platform/QtPlatform.h"
#include "platform/midi/RtMidiTreiber.h"
#include "platform/net/SocketNetClient.h"
#include "platform/sdl/SdlAudioOutput.h"

int main(int argc, char** argv) {
    SdlAudioOutput::install();
    RtMidiTreiber::install();
    SocketNetClient::install();
    auto gui = makeQtGui(argc, argv);
    Programm::StartUp(*gui);
    Programm::EventLoop();
    return 0;
}
