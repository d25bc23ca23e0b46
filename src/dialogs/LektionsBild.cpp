#include "dialogs/LektionsBild.h"

#include <algorithm>
#include <functional>
#include <iostream>
#include <vector>

#include "data/Files.h"
#include "notation/MainStaffKept.h"
#include "notation/Note.h"
#include "notation/NotenFenster.h"

namespace {
// The staff is drawn at its own scale 1 on paper twice as wide, then shrunk to half,
// which smooths every edge.
constexpr float kScale = 1.0f;
constexpr int kGross = 2;
constexpr int kBreite = kLektionsBildBreite * kGross;
constexpr int kNotenBreit = 80;    // note spacing at scale 1; a compact quarter moves 3/4 of it
constexpr int kZeilenAbstand = 6;  // between rows, in the picture's pixels
constexpr int kRand = 16;          // paper kept above and below the ink, drawn large

// Each written note once, in lesson order.
std::vector<int> writtenNotes(const Lektion& lektion) {
    std::vector<int> noten;
    for (int i = 0; i < lektion.Anzahl && i < Lektion::kMaxNoten; ++i)
        if (std::find(noten.begin(), noten.end(), lektion.Chroma[i]) == noten.end())
            noten.push_back(lektion.Chroma[i]);
    return noten;
}

// The lesson's staff set; a lesson that names none shows the clefs its notes are in.
int staffSetOf(const Lektion& lektion, const std::vector<int>& noten) {
    if (lektion.System >= 1 && lektion.System <= 3) return lektion.System;
    bool bass = std::any_of(noten.begin(), noten.end(), [](int c) { return c > 100; });
    bool treble = std::any_of(noten.begin(), noten.end(), [](int c) { return c < 100; });
    return bass && treble ? 3 : bass ? 2 : 1;
}

// A staff row of the picture at height y, sized so that its paper fills the width.
std::shared_ptr<NotenFenster> staffRow(int y, int systeme, int tonart) {
    auto row = NotenFenster::CreateIt(1, y, 100, kNotenBreit, kScale, systeme, tonart);
    row->FensterB = static_cast<int>(kBreite - 2 - 20 -
                                     static_cast<int>((row->VorzeichenGesetzt[7] + 90) * kScale));
    row->ResetAll();
    row->FensterH = static_cast<int>(kScale * (systeme == 3 ? 460 : 300));
    row->SchreibX = 30;
    row->MitSchatten = 0;
    row->MitGruen = 0;
    return row;
}

// The rows of a staff row's paper that hold ink (lines, notes, clefs), with a margin.
struct InkBand {
    int top, height;
};
InkBand inkBand(const PixelCanvas& canvas, int top, int height) {
    const Colour paper{255, 245, 235};
    auto inked = [&](int y) {
        for (int x = 0; x < canvas.width(); x += 2) {
            Colour c = canvas.pixel(x, y);
            if (c.r + c.g + c.b < paper.r + paper.g + paper.b - 90) return true;
        }
        return false;
    };
    int first = top, last = top + height - 1;
    while (first < last && !inked(first)) ++first;
    while (last > first && !inked(last)) --last;
    first = std::max(top + 2, first - kRand);
    last = std::min(top + height - 3, last + kRand);
    int band = (last - first + 1) / kGross * kGross;  // whole pixels once shrunk
    return {first, std::max(kGross, band)};
}

int notesPerRow(const NotenFenster& row) {
    const float room = row.FensterB / kScale - 60;  // at scale 1, after the first note's place
    return std::max(1, 1 + static_cast<int>(room / (kNotenBreit * 0.75f)));
}
}  // namespace

std::unique_ptr<PixelCanvas> ZeichneLektionsNoten(const Lektion& lektion) {
    const std::vector<int> noten = writtenNotes(lektion);
    if (noten.empty()) return nullptr;
    MainStaffKept kept;
    NotenFenster::HeadLine.clear();
    NotenFenster::NameLine.clear();
    NotenFenster::NameText.clear();
    Note::ZweiHandLektion = [] { return true; };  // no rests in the other staff

    const int systeme = staffSetOf(lektion, noten);
    auto probe = staffRow(1, systeme, lektion.Tonart);
    const int perRow = notesPerRow(*probe);
    const int rows = (static_cast<int>(noten.size()) + perRow - 1) / perRow;
    const int rowHeight = probe->FensterH;
    PixelCanvas gross(kBreite, rows * rowHeight);
    gross.clear({255, 255, 255});
    std::vector<InkBand> bands;
    for (int r = 0; r < rows; ++r) {
        auto row = staffRow(r * rowHeight, systeme, lektion.Tonart);
        NotenFenster* raw = row.get();
        Note::HauptFenster = [raw] { return raw; };
        for (int i = r * perRow; i < std::min<int>((r + 1) * perRow, noten.size()); ++i) {
            row->ResetVersetzungen();  // each note shows its accidental against the key
            NotenFenster::VorTaktpos = 2;
            row->AddChromaNote(noten[i], 2, 1, 1);
        }
        row->Draw(gross);
        bands.push_back(inkBand(gross, r * rowHeight, rowHeight));
    }
    int height = 0;
    for (const InkBand& band : bands) height += band.height / kGross + kZeilenAbstand;
    auto canvas = std::make_unique<PixelCanvas>(kLektionsBildBreite, height - kZeilenAbstand);
    canvas->clear({255, 255, 255});
    canvas->setScale(1.0f / kGross, 1.0f / kGross);
    canvas->setBlend(Blend::Alpha);
    std::shared_ptr<Image> bild = gross.picture("lesson notes");
    int y = 0;
    for (const InkBand& band : bands) {
        canvas->imagePart(bild.get(), 0, static_cast<float>(y), kBreite,
                          static_cast<float>(band.height), 0, band.top, kBreite, band.height);
        y += band.height / kGross + kZeilenAbstand;
    }
    return canvas;
}

bool SchreibeLektionsBild(const Lektion& lektion, const std::string& datei) {
    std::unique_ptr<PixelCanvas> bild = ZeichneLektionsNoten(lektion);
    if (!bild) return false;
    std::string png = bild->png();
    return !png.empty() && Files::writeBytes(datei, png);
}
