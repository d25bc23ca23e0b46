#include "notation/DigitalFeld.h"

#include <algorithm>

#include "data/Daten.h"

std::shared_ptr<ImageFont> DigitalAnzeige::StandardSchrift;
bool DigitalAnzeige::StandardSchriftGesucht = false;

namespace {
constexpr int kStandardGroesse = 14;
constexpr int kStelleBreit = 32;  // pixels per digit place
constexpr int kStelleHoch = 62;   // room for a digit inside the field
// The fields' corners from the canvas's right edge, and their top; a caption stands 23
// pixels above its field.
constexpr int kZeitVonRechts = 300, kRichtigVonRechts = 181, kFalschVonRechts = 94;
constexpr int kFelderOben = 150, kTitelUeber = 23, kFeldHoch = 66;

int fieldWidth(int n) {
    return n * kStelleBreit + 25;
}

// The digits fill their places: a face wider or taller than a place is drawn condensed
// to it, a smaller one as it is.
void fitDigitsToPlaces(Canvas& canvas) {
    const ImageFont* font = canvas.state().font;
    const ImageFont::Glyph& eight = font->glyph(U'8');
    const int width = std::max(1, eight.advance);
    const int height = std::max(1, eight.top + eight.height);
    canvas.setScale(std::min(1.0f, static_cast<float>(kStelleBreit) / width),
                    std::min(1.0f, static_cast<float>(kStelleHoch) / height));
}

// The unlit segments of every place in dark red, then the value's digits lit, right-aligned
// to the last place whatever the width of a blank in the face.
void drawDigits(Canvas& canvas, float x, float y, int n, const std::string& digits) {
    if (!Digital) return;
    const float scaleX = canvas.state().scaleX, scaleY = canvas.state().scaleY;
    canvas.setFont(Digital.get());
    fitDigitsToPlaces(canvas);
    const std::string unlit = std::string("888888").substr(0, static_cast<size_t>(std::max(0, n)));
    const size_t first = digits.find_first_not_of(' ');
    const std::string lit = first == std::string::npos ? "" : digits.substr(first);
    canvas.setColour(105, 0, 0);
    canvas.text(unlit, x, y);
    canvas.setColour(255, 0, 0);
    if (!lit.empty())
        canvas.text(
            lit, x + (canvas.textWidth(unlit) - canvas.textWidth(lit)) * canvas.state().scaleX, y);
    canvas.setScale(scaleX, scaleY);
}

}  // namespace

const ImageFont* DigitalAnzeige::Standard() {
    if (!StandardSchriftGesucht) {
        StandardSchriftGesucht = true;
        StandardSchrift = LadeSchrift("arial.ttf", kStandardGroesse, true);
    }
    return StandardSchrift.get();
}

void DigitalAnzeige::SetzeStartwerte() {
    StandardSchrift.reset();
    StandardSchriftGesucht = false;
}

std::string DigitalWert(int value, int n) {
    if (value == -999 || n <= 0) return "";
    std::string text = "      " + std::to_string(value);
    if (static_cast<size_t>(n) >= text.size()) return text;
    return text.substr(text.size() - static_cast<size_t>(n));
}

void DigitalFeld(Canvas& canvas, int x, int y, int value, int n, const std::string& title) {
    canvas.setFont(DigitalAnzeige::Standard());
    canvas.setBlend(Blend::Alpha);
    canvas.setAlpha(1.0f);
    const std::string digits = DigitalWert(value, n);
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);

    canvas.setColour(222, 222, 222);
    canvas.text(title, fx + (n * kStelleBreit + 20 - canvas.textWidth(title)) / 2,
                fy - kTitelUeber);
    canvas.rect(fx, fy, static_cast<float>(fieldWidth(n)), kFeldHoch);
    canvas.setColour(66, 1, 1);
    canvas.rect(fx, fy, static_cast<float>(n * kStelleBreit + 23), 64);

    drawDigits(canvas, fx + 10, fy + 1, n, digits);
}

CounterArea countersOn(int canvasWidth) {
    return {canvasWidth - kZeitVonRechts, kFelderOben - kTitelUeber,
            canvasWidth - kFalschVonRechts + fieldWidth(2), kFelderOben + kFeldHoch};
}

void DrawPunkte(Canvas& canvas, int sekunden, int richtig, int falsch,
                const std::array<std::string, 3>& texte) {
    const int w = canvas.width();
    DigitalFeld(canvas, w - kZeitVonRechts, kFelderOben, sekunden, 3, texte[0]);
    DigitalFeld(canvas, w - kRichtigVonRechts, kFelderOben, richtig, 2, texte[1]);
    DigitalFeld(canvas, w - kFalschVonRechts, kFelderOben, falsch, 2, texte[2]);
}
