#include "catalog.h"

#include "keyboard.h"
#include "notes.h"
#include "panels.h"

namespace picturegen {

std::vector<std::pair<QString, QImage>> allPictures() {
    std::vector<std::pair<QString, QImage>> all;
    all.emplace_back("Noten.png", makeNoteSheet());
    all.emplace_back("Balken.png", makeBeamSheet());
    all.emplace_back("Schatten.png", makeShadow());
    all.emplace_back("quarter.png", makeLengthPicture());
    for (int octaves = 3; octaves <= 6; ++octaves)
        all.emplace_back(QString("Tastatur%1.png").arg(octaves), makeKeyboard(octaves));
    all.emplace_back("CFdown4.png", makeOverlayCF());
    all.emplace_back("Clinksdown.png", makeOverlayCOnly());
    all.emplace_back("CFdown3.png", makeOverlayCF2());
    all.emplace_back("EHdown4.png", makeOverlayEH());
    all.emplace_back("EHdown3.png", makeOverlayEH2());
    all.emplace_back("SchwarzDown2.png", makeOverlayBlack());
    all.emplace_back("tastenfeld.png", makeButtonField());
    all.emplace_back("Quinte.png", makeCircleOfFifths());
    all.emplace_back("AmpelRot.png", makeSignalLight(0));
    all.emplace_back("AmpelGelb.png", makeSignalLight(1));
    all.emplace_back("AmpelGrun.png", makeSignalLight(2));
    all.emplace_back("Toolbar2.png", makeToolbar());
    all.emplace_back("logo.png", makeLogo());
    all.emplace_back("Buch.png", makeBook());
    all.emplace_back("InfoFoto.png", makeInfoPhoto());
    all.emplace_back("InfoName.png", makeInfoName());
    all.emplace_back("SmilyLacht.png", makeFace(0));
    all.emplace_back("SmilyTraurig.png", makeFace(1));
    all.emplace_back("SmilyWut.png", makeFace(2));
    return all;
}

}  // namespace picturegen
