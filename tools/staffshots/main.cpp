// staffshots <folder>: renders staff windows, the word exercise, the note paper and the
// counters through the Qt canvas and saves each frame as a PNG file in the folder.

#include <QDir>
#include <QImage>

#include <iostream>

#include "app/Programm.h"
#include "data/Daten.h"
#include "music/ChromaTyp.h"
#include "notation/Note.h"
#include "notation/NotenFenster.h"
#include "platform/Clock.h"
#include "platform/QtPlatform.h"
#include "platform/qt/QtCanvas.h"
#include "scenes.h"

namespace {

void loadData() {
    RegistriereDatenArchiv();
    Programm::SetzeStartwerte();
    DatenPfad = "ZIP::Incbin::DATEN.ZIP//";
    ChromaTyp::StartUp();
    ArialNormal = LadeSchrift("arial.ttf", 24, true);
    ArialRiesig = LadeSchrift("arial.ttf", 80, true);
    Digital = LadeSchrift("Digital Readout Upright.ttf", 70, false);
    Schatten = LadeBild("Schatten.png");
    NotenFenster::NotenBild = LadeBild("Noten.png", 60, 140, 18);
    Note::StartUp();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cout << "usage: staffshots <folder>" << std::endl;
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    auto gui = makeQtGui(argc, argv);
    ManualClock clock;
    clock.now = 100000;
    Runtime::clock = &clock;
    loadData();

    int failures = 0;
    for (const staffshots::Scene& scene : staffshots::allScenes()) {
        Gadget* window = gui->createWindow("staffshots", 0, 0, scene.width, scene.height, nullptr,
                                           WindowStyle::Hidden);
        Gadget* canvasGadget = gui->createCanvas(0, 0, scene.width, scene.height, window);
        auto* canvas = static_cast<QtCanvas*>(gui->canvasOf(canvasGadget));
        canvas->setAlpha(1);
        canvas->setColour(255, 255, 255);
        canvas->setScale(1, 1);
        canvas->clear({44, 55, 88});
        scene.draw(*canvas);
        canvas->show();
        const QString path = folder + "/" + QString::fromStdString(scene.file);
        if (canvas->frame().save(path)) {
            std::cout << "wrote " << path.toStdString() << std::endl;
        } else {
            std::cout << "cannot write " << path.toStdString() << std::endl;
            ++failures;
        }
        gui->freeGadget(window);
    }
    return failures == 0 ? 0 : 1;
}
