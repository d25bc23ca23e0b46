// picturegen: renders every picture of the data archive whose geometry the program's
// drawing and hit tests rely on.
//
//   picturegen OUTDIR                  writes all pictures into OUTDIR
//   picturegen --contact-sheet FILE    writes one PNG with all pictures side by side
//   picturegen --staff-proof FILE      writes a grand staff drawn from the note sheets
//
// Run with QT_QPA_PLATFORM=offscreen when there is no display.
#include "catalog.h"
#include "notes.h"
#include "painting.h"
#include "proofs.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace picturegen;

namespace {

int usage() {
    std::printf("usage: picturegen OUTDIR | --contact-sheet FILE | --staff-proof FILE\n");
    return 2;
}

bool writeFile(const QImage& img, const QString& file) {
    const QFileInfo info(file);
    QDir().mkpath(info.absolutePath());
    return save(img, info.absolutePath(), info.fileName());
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) return usage();
    if (!Fonts::load()) return 1;

    const QString first = QString::fromLocal8Bit(argv[1]);
    if (argc == 3) {
        const QString file = QString::fromLocal8Bit(argv[2]);
        QImage out;
        if (first == "--contact-sheet") {
            auto pictures = allPictures();
            pictures.emplace_back("(proof) pressed keys", makeKeyboardProof());
            pictures.emplace_back("(proof) button field", makeButtonFieldProof());
            pictures.emplace_back("(proof) click boxes", makeCircleProof());
            out = makeContactSheet(pictures);
        } else if (first == "--staff-proof")
            out = makeStaffProof(makeNoteSheet(), makeBeamSheet(), makeShadow());
        else
            return usage();
        return writeFile(out, file) ? 0 : 1;
    }
    if (first.startsWith("--")) return usage();

    if (!QDir().mkpath(first)) {
        std::printf("picturegen: cannot create %s\n", qPrintable(first));
        return 1;
    }
    int failures = 0;
    for (const auto& [name, img] : allPictures()) failures += save(img, first, name) ? 0 : 1;
    return failures == 0 ? 0 : 1;
}
