// Sizes, cells and geometry of the archive's pictures, checked against the numbers the
// drawing and hit-test code relies on.
#include <gtest/gtest.h>

#include <png.h>
#include "input/KeyboardPicture.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path ASSETS = ASSETS_DIR;

struct Size {
    int w = 0, h = 0;
};

// Width and height from the PNG header (signature, then the IHDR chunk).
Size pngSize(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<unsigned char, 24> head{};
    if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return {};
    const unsigned char sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!std::equal(sig, sig + 8, head.begin()) ||
        std::string(head.begin() + 12, head.begin() + 16) != "IHDR")
        return {};
    auto be = [&](int at) {
        return int((uint32_t(head[at]) << 24) | (uint32_t(head[at + 1]) << 16) |
                   (uint32_t(head[at + 2]) << 8) | uint32_t(head[at + 3]));
    };
    return {be(16), be(20)};
}

// A decoded picture, RGBA.
struct Picture {
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    bool ok() const { return w > 0; }
    const uint8_t* at(int x, int y) const { return &rgba[(size_t(y) * w + x) * 4]; }
    int alpha(int x, int y) const { return at(x, y)[3]; }
    // Brightness of the pixel as seen on a white page (transparent counts as white).
    int luma(int x, int y) const {
        const uint8_t* p = at(x, y);
        const double a = p[3] / 255.0;
        const double l = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
        return int(l * a + 255 * (1 - a) + 0.5);
    }
};

Picture load(const std::string& name) {
    Picture pic;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    const std::string path = (ASSETS / name).string();
    if (!png_image_begin_read_from_file(&image, path.c_str())) return pic;
    image.format = PNG_FORMAT_RGBA;
    pic.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pic.rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return pic;
    }
    pic.w = int(image.width);
    pic.h = int(image.height);
    return pic;
}

// ---------------------------------------------------------------------------------------
// Every picture the program opens by name, with its size (0 where no size is fixed) and,
// for sheets, its cell size and cell count.

struct PictureCase {
    const char* name;
    int w, h;
    int cellW = 0, cellH = 0, cells = 0;
};

const PictureCase PICTURES[] = {
    {"Noten.png", 1080, 140, 60, 140, 18},
    {"Balken.png", 800, 120, 80, 120, 10},
    {"Schatten.png", 700, 250},
    {"Tastatur3.png", KeyboardPicture::width(3), KeyboardPicture::H},
    {"Tastatur4.png", KeyboardPicture::width(4), KeyboardPicture::H},
    {"Tastatur5.png", KeyboardPicture::width(5), KeyboardPicture::H},
    {"Tastatur6.png", KeyboardPicture::width(6), KeyboardPicture::H},
    {"CFdown4.png", KeyboardPicture::CF_W, KeyboardPicture::CF_H},
    {"Clinksdown.png", KeyboardPicture::C_ONLY_W, KeyboardPicture::C_ONLY_H},
    {"CFdown3.png", KeyboardPicture::CF2_W, KeyboardPicture::CF2_H},
    {"EHdown4.png", KeyboardPicture::EH_W, KeyboardPicture::EH_H},
    {"EHdown3.png", KeyboardPicture::EH2_W, KeyboardPicture::EH2_H},
    {"SchwarzDown2.png", KeyboardPicture::CIS_W, KeyboardPicture::CIS_H},
    {"tastenfeld.png", 370, 723},
    {"Quinte.png", 488, 382},
    {"AmpelRot.png", 40, 100},
    {"AmpelGelb.png", 40, 100},
    {"AmpelGrun.png", 40, 100},
    {"quarter.png", 240, 75},
    {"Toolbar2.png", 0, 0, 32, 32, 4},
    {"logo.png", 0, 0},
    {"Buch.png", 0, 0},
    {"InfoFoto.png", 0, 0},
    {"InfoName.png", 0, 0},
    {"SmilyLacht.png", 0, 0},
    {"SmilyTraurig.png", 0, 0},
    {"SmilyWut.png", 0, 0},
};

class PictureSize : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureSize, HeaderMatchesTheFixedSizeAndCells) {
    const PictureCase& c = GetParam();
    const Size s = pngSize(ASSETS / c.name);
    ASSERT_GT(s.w, 0) << c.name << " is missing or not a PNG";
    ASSERT_GT(s.h, 0);
    if (c.w > 0) {
        EXPECT_EQ(s.w, c.w) << c.name;
        EXPECT_EQ(s.h, c.h) << c.name;
    }
    if (c.cells > 0) {
        EXPECT_EQ(s.w % c.cellW, 0) << c.name;
        EXPECT_EQ(s.h % c.cellH, 0) << c.name;
        EXPECT_EQ((s.w / c.cellW) * (s.h / c.cellH), c.cells) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Archive, PictureSize, ::testing::ValuesIn(PICTURES), [](const auto& info) {
    std::string n = info.param.name;
    return n.substr(0, n.find('.'));
});

// ---------------------------------------------------------------------------------------
// Note sheet: heads 69 to 70 pixels below the cell top, stems to the cell's ends,
// accidentals centred on the head height and clear of the head drawn 20 pixels right.

struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
    double centreY() const { return (top + bottom + 1) / 2.0; }
};

InkBox ink(const Picture& p, int x0, int y0, int x1, int y1, int minAlpha = 128) {
    InkBox b;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (p.alpha(x, y) >= minAlpha) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

TEST(NoteSheet, EmptyCellsAreEmptyAndSymbolCellsAreNot) {
    const Picture p = load("Noten.png");
    ASSERT_TRUE(p.ok());
    for (int cell = 0; cell < 18; ++cell) {
        const InkBox b = ink(p, cell * 60, 0, cell * 60 + 60, 140, 1);
        EXPECT_EQ(b.empty(), cell >= 15) << "cell " << cell;
    }
}

TEST(NoteSheet, NoCellReachesIntoItsNeighbour) {
    const Picture p = load("Noten.png");
    ASSERT_TRUE(p.ok());
    // Heads and down stems of cells 3 to 8 start at the cell's left edge (under the ledger
    // lines' centre); nothing else touches the first column, and nothing the last.
    for (int cell = 0; cell < 18; ++cell) {
        EXPECT_TRUE(ink(p, cell * 60 + 59, 0, cell * 60 + 60, 140, 1).empty())
            << "cell " << cell << ", right column";
        if (cell < 3 || cell > 8) {
            EXPECT_TRUE(ink(p, cell * 60, 0, cell * 60 + 1, 140, 1).empty())
                << "cell " << cell << ", left column";
        }
    }
}

TEST(NoteSheet, HeadsSitOnTheHeightOfTheirStep) {
    const Picture p = load("Noten.png");
    ASSERT_TRUE(p.ok());
    // Head region: rows 50..90 of the cell, left of where a flag could reach.
    struct Case {
        int cell, x0, x1;
    } cases[] = {{2, 0, 42}, {3, 0, 20}, {4, 4, 26}, {5, 0, 20},
                 {6, 4, 26}, {7, 0, 20}, {8, 4, 26}};
    for (const Case& c : cases) {
        const InkBox b = ink(p, c.cell * 60 + c.x0, 50, c.cell * 60 + c.x1, 90);
        ASSERT_FALSE(b.empty()) << "cell " << c.cell;
        EXPECT_NEAR(b.centreY(), 69.5, 1.0) << "cell " << c.cell;
    }
}

TEST(NoteSheet, StemsReachTheCellEnds) {
    const Picture p = load("Noten.png");
    ASSERT_TRUE(p.ok());
    for (int cell : {3, 5, 7}) {  // stems up end at the top, right of the head
        const InkBox b = ink(p, cell * 60, 0, cell * 60 + 30, 4);
        ASSERT_FALSE(b.empty()) << "cell " << cell;
        EXPECT_NEAR(b.left - cell * 60, 22, 1.5) << "cell " << cell;
    }
    for (int cell : {4, 6, 8}) {  // stems down end at the bottom, left of the head
        const InkBox b = ink(p, cell * 60, 136, cell * 60 + 30, 140);
        ASSERT_FALSE(b.empty()) << "cell " << cell;
        EXPECT_LE(b.left - cell * 60, 1) << "cell " << cell;
    }
}

TEST(NoteSheet, AccidentalsAreCentredOnTheHeadAndLeaveRoomForIt) {
    const Picture p = load("Noten.png");
    ASSERT_TRUE(p.ok());
    for (int cell : {9, 10, 11}) {
        const InkBox b = ink(p, cell * 60, 0, cell * 60 + 60, 140);
        ASSERT_FALSE(b.empty());
        EXPECT_LE(b.right - cell * 60, 18) << "cell " << cell << " reaches the note head at x 20";
        EXPECT_GE(b.left - cell * 60, 0);
        if (cell != 10)  // the flat's bowl, not its middle, is on the head's height
            EXPECT_NEAR(b.centreY(), 69.5, 2.0) << "cell " << cell;
        else
            EXPECT_TRUE(b.top < 69 && b.bottom > 69);
    }
}

TEST(NoteSheet, ClefsSitOnTheirLines) {
    const Picture p = load("Noten.png");
    ASSERT_TRUE(p.ok());
    // Treble clef drawn at y 43: the G line (row 130) is cell row 87; the clef spans the
    // staff (rows 27..107) and more. Bass clef drawn at SystemDistanz + 52: the F line is
    // cell row 38; its dots lie one step above and below it, right of the clef's body.
    const InkBox g = ink(p, 0, 0, 60, 140);
    EXPECT_LT(g.top, 20);
    EXPECT_GT(g.bottom, 115);
    const InkBox f = ink(p, 60, 0, 120, 140);
    EXPECT_NEAR(f.top, 18, 4);    // the top line
    EXPECT_LT(f.right, 60 + 57);  // clear of the key signature at x 60
    const InkBox upperDot = ink(p, f.right - 6, 26, f.right + 1, 38);
    const InkBox lowerDot = ink(p, f.right - 6, 40, f.right + 1, 52);
    EXPECT_FALSE(upperDot.empty());
    EXPECT_FALSE(lowerDot.empty());
    EXPECT_TRUE(ink(p, f.right - 6, 37, f.right + 1, 40).empty())
        << "the F line runs between the dots";
}

// ---------------------------------------------------------------------------------------
// Beams: the second note draws cell n so that its stem (x 74..76 of the cell) ends on the
// beam's edge at row 56; the first note's stem, 48 or 49 pixels to the left, ends 10
// pixels lower per step the second note lies higher.

TEST(BeamSheet, BeamsMeetBothStemEnds) {
    const Picture p = load("Balken.png");
    ASSERT_TRUE(p.ok());
    for (int cell = 0; cell < 10; ++cell) {
        const int x0 = cell * 80;
        if (cell == 9) {
            EXPECT_TRUE(ink(p, x0, 0, x0 + 80, 120, 1).empty());
            continue;
        }
        const int d = cell <= 3 ? cell + 1 : cell <= 7 ? -(cell - 3) : 0;
        const InkBox right = ink(p, x0 + 75, 0, x0 + 76, 120);
        const InkBox left = ink(p, x0 + 26, 0, x0 + 27, 120);
        ASSERT_FALSE(right.empty()) << "cell " << cell;
        ASSERT_FALSE(left.empty()) << "cell " << cell;
        EXPECT_NEAR(right.top, 56, 1) << "cell " << cell;
        EXPECT_NEAR(left.top, 56 + 10 * d, 1.5) << "cell " << cell;
        EXPECT_NEAR(right.bottom - right.top + 1, 10, 1.5) << "cell " << cell;
    }
}

// ---------------------------------------------------------------------------------------
// Shadow: dark area, then a soft edge that fades out to the right and below.

TEST(Shadow, SoftEdgeFadesOutRightAndBelow) {
    const Picture p = load("Schatten.png");
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.alpha(300, 100), 255);
    EXPECT_GT(p.alpha(620, 100), p.alpha(660, 100));
    EXPECT_GT(p.alpha(660, 100), p.alpha(695, 100));
    EXPECT_LT(p.alpha(699, 100), 8);
    EXPECT_GT(p.alpha(300, 203), p.alpha(300, 230));
    EXPECT_LT(p.alpha(300, 249), 8);
    EXPECT_GT(p.alpha(620, 100), 60);
    EXPECT_LT(p.alpha(620, 100), 255);
}

// ---------------------------------------------------------------------------------------
// Keyboard: white keys 21 pixels wide from x 110, black keys where the key table puts
// them (picture x 21*column + Xadd + 109, 14 wide, rows 69..144), the size button in the
// left panel where the hit test finds it.

struct Black {
    int column, xadd;
};

class Keyboard : public ::testing::TestWithParam<int> {};

TEST_P(Keyboard, KeysLieWhereTheKeyTablePutsThem) {
    const int octaves = GetParam();
    const Picture p = load("Tastatur" + std::to_string(octaves) + ".png");
    ASSERT_TRUE(p.ok());
    const bool startsWithF = octaves == 3 || octaves == 5;
    const Black c[5] = {{0, 13}, {1, 15}, {3, 13}, {4, 14}, {5, 15}};
    const Black f[5] = {{0, 13}, {1, 14}, {2, 15}, {4, 13}, {5, 15}};
    const Black* pattern = startsWithF ? f : c;
    using namespace KeyboardPicture;
    const int whites = 7 * octaves + 1;
    const int lower = (BLACK_BOTTOM + WHITE_BOTTOM) / 2;  // a row of the keys' lower part
    for (int x = 0; x < whites; ++x) {
        // Lower part of every white key is light; the gap between two keys is darker.
        const int keyLeft = KEYS_LEFT + WHITE_W * x;
        EXPECT_GT(p.luma(keyLeft + 10, lower), 200) << "white key " << x;
        EXPECT_LT(p.luma(keyLeft, lower), p.luma(keyLeft + 10, lower) - 40)
            << "gap left of white key " << x;
    }
    EXPECT_LT(p.luma(KEYS_LEFT + WHITE_W * whites + 10, lower), 80) << "case right of the top key";
    std::vector<bool> black(size_t(KEYS_LEFT + WHITE_W * whites + 20), false);
    for (int o = 0; o < octaves; ++o)
        for (int k = 0; k < 5; ++k) {
            const int left =
                WHITE_W * (7 * o + pattern[k].column) + pattern[k].xadd + BLACK_LEFT_FROM_KEY;
            for (int x = left + 1; x < left + 13; ++x)
                EXPECT_LT(p.luma(x, 100), 90) << "black key at " << left << ", x " << x;
            // The key and the shadow it casts to its right.
            for (int x = left - 1; x <= left + 17; ++x) black[size_t(x)] = true;
            EXPECT_LT(p.luma(left + 7, 140), 110) << "black key's front end at " << left;
            EXPECT_GT(p.luma(left + 3, 152), 150)
                << "white below black key at " << left;  // off the gap
        }
    // Everywhere else along the upper key row, ivory (apart from black-key shadows).
    int ivory = 0, upper = 0;
    for (int x = KEYS_LEFT + 2; x < KEYS_LEFT + WHITE_W * whites - 2; ++x) {
        if (black[size_t(x)] || (x - KEYS_LEFT) % WHITE_W == 0) continue;
        ++upper;
        ivory += p.luma(x, 110) > 200;
    }
    EXPECT_GT(ivory, upper * 95 / 100);
}

TEST_P(Keyboard, SizeButtonIsInItsClickZone) {
    const Picture p = load("Tastatur" + std::to_string(GetParam()) + ".png");
    ASSERT_TRUE(p.ok());
    // The button face is light inside the zone the piano reacts to, and the panel around
    // it is dark.
    using namespace KeyboardPicture;
    int light = 0, face = 0;
    for (int y = SIZE_ZONE_TOP + 2; y <= SIZE_ZONE_BOTTOM - 2; ++y)
        for (int x = SIZE_BUTTON_X + 4; x <= SIZE_BUTTON_X + SIZE_BUTTON_W - 2; ++x, ++face)
            light += p.luma(x, y) > 150;
    EXPECT_GT(light, face / 2);
    const int middle = (SIZE_ZONE_LEFT + SIZE_ZONE_RIGHT) / 2;
    EXPECT_LT(p.luma(middle, SIZE_ZONE_TOP - 8), 80);
    EXPECT_LT(p.luma(middle, SIZE_ZONE_BOTTOM + 9), 80);
    EXPECT_LT(p.luma(SIZE_ZONE_RIGHT + 10, (SIZE_ZONE_TOP + SIZE_ZONE_BOTTOM) / 2), 80);
}

INSTANTIATE_TEST_SUITE_P(Octaves, Keyboard, ::testing::Values(3, 4, 5, 6));

TEST(KeyOverlays, PressedKeysDarkenOnlyWhereTheirKeyIs) {
    // The white-key overlays are shading with transparency; the black-key overlay is opaque
    // and dark where the key is, ivory where the next white key shows.
    const Picture eh = load("EHdown4.png");
    const Picture cf = load("CFdown4.png");
    const Picture black = load("SchwarzDown2.png");
    ASSERT_TRUE(eh.ok() && cf.ok() && black.ok());
    EXPECT_EQ(cf.alpha(0, 100), 0) << "CFdown4 covers 4 pixels of the key to the left";
    EXPECT_GT(cf.alpha(5, 100), 100) << "left edge of the pressed C";
    EXPECT_EQ(eh.alpha(2, 30), 0) << "EHdown4 leaves the black key to the left alone";
    EXPECT_GT(eh.alpha(12, 30), 100);
    for (int y = 0; y < 76; y += 5) {
        EXPECT_EQ(black.alpha(7, y), 255);
        EXPECT_LT(black.luma(7, y), 70);
        EXPECT_EQ(black.alpha(19, y), 255);
    }
    EXPECT_GT(black.luma(19, 40), 200);
}

// ---------------------------------------------------------------------------------------
// Button field: cap faces where the field draws its highlight (96c + 20, 605 - 80r - 20c,
// 74 x 57); the octave selector in row 7, column 0, and the size button in column 1.

TEST(ButtonField, CapsStandWhereTheFieldDrawsThem) {
    const Picture p = load("tastenfeld.png");
    ASSERT_TRUE(p.ok());
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 3; ++c) {
            const int x = 96 * c + 20, y = 605 - 80 * r - 20 * c;
            EXPECT_GT(p.luma(x + 37, y + 28), 200) << "cap " << 3 * r + c;
            EXPECT_GT(p.luma(x + 4, y + 4), 190) << "cap " << 3 * r + c;
            EXPECT_GT(p.luma(x + 70, y + 53), 190) << "cap " << 3 * r + c;
            // Panel between two caps of a column and between two columns.
            EXPECT_LT(p.luma(x + 37, y - 12), 120) << "above cap " << 3 * r + c;
            EXPECT_LT(p.luma(x + 85, y + 28), 120) << "right of cap " << 3 * r + c;
        }
}

TEST(ButtonField, OctaveSelectorAndSizeButtonInRowSeven) {
    const Picture p = load("tastenfeld.png");
    ASSERT_TRUE(p.ok());
    // The rings are drawn at x 21..88, y 57..88: a light plate under them.
    for (int x = 20; x <= 90; x += 10)
        for (int y = 56; y <= 90; y += 6) EXPECT_GT(p.luma(x, y), 150) << x << "," << y;
    // The size zone reacts to x 116..193, y 40..62: a light button inside it.
    int light = 0;
    for (int y = 45; y <= 60; ++y)
        for (int x = 122; x <= 186; ++x) light += p.luma(x, y) > 150;
    EXPECT_GT(light, 16 * 65 / 2);
}

// ---------------------------------------------------------------------------------------
// Circle of fifths: each of the eleven click boxes holds its key's name (dark ink on a
// light face); the bottom place has no box.

TEST(CircleOfFifths, EveryClickBoxHoldsAKey) {
    const Picture p = load("Quinte.png");
    ASSERT_TRUE(p.ok());
    const int boxes[11][2] = {{289, 307}, {352, 244}, {376, 157}, {352, 70}, {289, 6},  {202, -17},
                              {115, 6},   {51, 69},   {28, 156},  {51, 244}, {114, 307}};
    for (const auto& b : boxes) {
        const int x0 = b[0], y0 = std::max(0, b[1]), y1 = b[1] + 59;
        int dark = 0, light = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x0 + 83; ++x) {
                dark += p.luma(x, y) < 100;
                light += p.luma(x, y) > 200;
            }
        EXPECT_GT(dark, 80) << "box at " << x0 << "," << b[1];
        EXPECT_GT(light, (y1 - y0) * 83 / 3) << "box at " << x0 << "," << b[1];
    }
}

}  // namespace
