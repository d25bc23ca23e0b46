// Lesmora: a trainer for reading music at sight.

#include "app/Programm.h"
#include "platform/QtPlatform.h"

int main(int argc, char** argv) {
    auto gui = makeQtGui(argc, argv);
    Programm::StartUp(*gui);
    Programm::EventLoop();
    return 0;
}
