#include "platform/RecordingCanvas.h"

DrawCall& RecordingCanvas::add(DrawCall::Kind kind, float x, float y, float width, float height) {
    DrawCall call{kind};
    call.x = x, call.y = y, call.width = width, call.height = height;
    call.state = state_;
    calls.push_back(call);
    return calls.back();
}

void RecordingCanvas::clear(Colour colour) {
    calls.clear();
    add(DrawCall::Clear, 0, 0, static_cast<float>(width_), static_cast<float>(height_))
        .state.colour = colour;
}

void RecordingCanvas::rect(float x, float y, float width, float height) {
    add(DrawCall::Rect, x, y, width, height);
}

void RecordingCanvas::oval(float x, float y, float width, float height) {
    add(DrawCall::Oval, x, y, width, height);
}

void RecordingCanvas::line(float x1, float y1, float x2, float y2) {
    add(DrawCall::Line, x1, y1, x2, y2);
}

void RecordingCanvas::image(const ::Image* image, float x, float y, int cell) {
    if (!image) return;
    auto& call = add(DrawCall::Image, x, y, static_cast<float>(image->cellWidth()),
                     static_cast<float>(image->cellHeight()));
    call.cell = cell;
    call.imageName = image->name();
}

void RecordingCanvas::imagePart(const ::Image* image, float x, float y, float width, float height,
                                int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
    if (!image) return;
    auto& call = add(DrawCall::ImagePart, x, y, width, height);
    call.sourceX = sourceX, call.sourceY = sourceY;
    call.sourceWidth = sourceWidth, call.sourceHeight = sourceHeight;
    call.imageName = image->name();
}

void RecordingCanvas::text(const std::string& text, float x, float y) {
    if (!state_.font) return;
    add(DrawCall::Text, x, y, static_cast<float>(textWidth(text)),
        static_cast<float>(textHeight(text)))
        .imageName = text;
}

void RecordingCanvas::show() {
    ++framesShown;
}
