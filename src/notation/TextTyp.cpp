#include "notation/TextTyp.h"

#include <algorithm>

#include "data/Daten.h"
#include "notation/KreuzBlende.h"
#include "state/Maus.h"

std::unique_ptr<TextTyp> TextTyp::CreateOne(int x, int y, int width, const std::string& fontFile,
                                            int size) {
    auto block = std::make_unique<TextTyp>();
    block->X = x;
    block->Y = y;
    block->B = width;
    block->Font = LadeSchrift(fontFile, size, true);
    block->FontHeight = 1;
    return block;
}

void TextTyp::Draw(Canvas& canvas) {
    canvas.setBlend(Blend::Alpha);
    canvas.setFont(Font.get());
    // A block without a font keeps a height of 1, so the line lookup never divides by 0.
    FontHeight = std::max(1, canvas.textHeight("T"));
    canvas.setColour(55, 55, 55);
    if (PText.empty()) {
        AktText.clear();
        AltText.clear();
    }
    KreuzBlende(canvas, AltText, AktText, Timer, PText, static_cast<float>(X),
                static_cast<float>(Y), B);
}

int TextTyp::IsLine() const {
    return (Maus::MausY - Y) / FontHeight;
}

int TextTyp::GiveY(int n) const {
    return FontHeight / 2 + n * FontHeight + Y;
}

void TextTyp::ReplaceZeichen(const std::string& alt, const std::string& neu) {
    if (alt.empty()) return;
    for (size_t at = PText.find(alt); at != std::string::npos; at = PText.find(alt, at)) {
        PText.replace(at, alt.size(), neu);
        at += neu.size();
    }
}
