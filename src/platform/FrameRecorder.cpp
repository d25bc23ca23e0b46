#include "platform/FrameRecorder.h"

#include <utility>

void FrameRecorder::begin(Canvas& target) {
    target_ = &target;
    width_ = target.width();
    height_ = target.height();
    state_ = target.state();
    calls_.clear();
}

void FrameRecorder::finish() {
    if (!target_) return;
    const bool unchanged = target_->keepsLastFrame() && shownOn_ == target_ &&
                           shownWidth_ == width_ && shownHeight_ == height_ && calls_ == last_;
    if (unchanged) {
        ++framesSkipped;
    } else {
        for (const Call& call : calls_) replay(call);
        target_->show();
        ++framesDrawn;
        std::swap(calls_, last_);
        shownOn_ = target_;
        shownWidth_ = width_;
        shownHeight_ = height_;
    }
    const DrawState& end = state_;
    target_->setColour(end.colour.r, end.colour.g, end.colour.b);
    target_->setAlpha(end.alpha);
    target_->setBlend(end.blend);
    target_->setScale(end.scaleX, end.scaleY);
    target_->setOrigin(end.originX, end.originY);
    target_->setClip(end.clip.x, end.clip.y, end.clip.width, end.clip.height);
    target_->setFont(end.font);
    target_ = nullptr;
}

void FrameRecorder::add(Call call) {
    call.state = state_;
    calls_.push_back(std::move(call));
}

void FrameRecorder::clear(Colour colour) {
    add({Call::Clear,
         0,
         0,
         0,
         0,
         nullptr,
         (colour.r << 16) | (colour.g << 8) | colour.b,
         0,
         0,
         0,
         0,
         {},
         {}});
}

void FrameRecorder::rect(float x, float y, float width, float height) {
    add({Call::Rect, x, y, width, height, nullptr, 0, 0, 0, 0, 0, {}, {}});
}

void FrameRecorder::oval(float x, float y, float width, float height) {
    add({Call::Oval, x, y, width, height, nullptr, 0, 0, 0, 0, 0, {}, {}});
}

void FrameRecorder::line(float x1, float y1, float x2, float y2) {
    add({Call::Line, x1, y1, x2, y2, nullptr, 0, 0, 0, 0, 0, {}, {}});
}

void FrameRecorder::image(const ::Image* image, float x, float y, int cell) {
    add({Call::Image, x, y, 0, 0, image, cell, 0, 0, 0, 0, {}, {}});
}

void FrameRecorder::imagePart(const ::Image* image, float x, float y, float width, float height,
                              int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
    add({Call::ImagePart,
         x,
         y,
         width,
         height,
         image,
         0,
         sourceX,
         sourceY,
         sourceWidth,
         sourceHeight,
         {},
         {}});
}

void FrameRecorder::text(const std::string& text, float x, float y) {
    add({Call::Text, x, y, 0, 0, nullptr, 0, 0, 0, 0, 0, text, {}});
}

void FrameRecorder::replay(const Call& call) {
    Canvas& to = *target_;
    const DrawState& s = call.state;
    to.setColour(s.colour.r, s.colour.g, s.colour.b);
    to.setAlpha(s.alpha);
    to.setBlend(s.blend);
    to.setScale(s.scaleX, s.scaleY);
    to.setOrigin(s.originX, s.originY);
    to.setClip(s.clip.x, s.clip.y, s.clip.width, s.clip.height);
    to.setFont(s.font);
    switch (call.kind) {
        case Call::Clear:
            to.clear({call.cell >> 16, (call.cell >> 8) & 255, call.cell & 255});
            break;
        case Call::Rect:
            to.rect(call.x, call.y, call.width, call.height);
            break;
        case Call::Oval:
            to.oval(call.x, call.y, call.width, call.height);
            break;
        case Call::Line:
            to.line(call.x, call.y, call.width, call.height);
            break;
        case Call::Image:
            to.image(call.image, call.x, call.y, call.cell);
            break;
        case Call::ImagePart:
            to.imagePart(call.image, call.x, call.y, call.width, call.height, call.sourceX,
                         call.sourceY, call.sourceWidth, call.sourceHeight);
            break;
        case Call::Text:
            to.text(call.text, call.x, call.y);
            break;
    }
}
