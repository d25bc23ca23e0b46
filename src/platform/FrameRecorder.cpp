#include "platform/FrameRecorder.h"

#include <algorithm>
#include <cmath>
#include <utility>

void FrameRecorder::begin(Canvas& target) {
    target_ = &target;
    width_ = target.width();
    height_ = target.height();
    state_ = target.state();
    calls_.clear();
}

namespace {
// A call's place is widened by this much on every side: smoothed edges, rounded
// positions and a line's pen reach a pixel beyond the exact rectangle.
constexpr int kMargin = 2;
// Calls looked ahead for the next match when the two frames differ.
constexpr size_t kLookAhead = 48;
// More parts than this are merged; a frame changed over more than this share of the
// canvas is drawn whole, which is cheaper than many clipped passes.
constexpr size_t kMostParts = 8;
constexpr double kMostChangedShare = 0.6;
}  // namespace

void FrameRecorder::finish() {
    if (!target_) return;
    callBounds_.clear();
    for (const Call& call : calls_) callBounds_.push_back(bounds(call));
    const bool stillShown = target_->keepsLastFrame() && shownOn_ == target_ &&
                            shownWidth_ == width_ && shownHeight_ == height_;
    if (!stillShown) {
        drawWhole();
    } else {
        const std::vector<Box> parts = changedParts();
        long changed = 0;
        for (const Box& part : parts) changed += part.area();
        if (parts.empty())
            ++framesSkipped;
        else if (changed > kMostChangedShare * width_ * height_)
            drawWhole();
        else
            drawParts(parts);
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

void FrameRecorder::drawWhole() {
    for (const Call& call : calls_) replay(call);
    target_->show();
    ++framesDrawn;
    std::swap(calls_, last_);
    std::swap(callBounds_, lastBounds_);
    shownOn_ = target_;
    shownWidth_ = width_;
    shownHeight_ = height_;
}

// Each part is drawn by every call that reaches into it, clipped to the part; the clear
// of the frame fills just the part.
void FrameRecorder::drawParts(const std::vector<Box>& parts) {
    parts_.clear();
    for (const Box& part : parts) {
        for (size_t i = 0; i < calls_.size(); ++i) {
            const Box reach = intersect(callBounds_[i], part);
            if (reach.empty()) continue;
            const Call& call = calls_[i];
            if (call.kind == Call::Clear) {
                target_->setColour(call.cell >> 16, (call.cell >> 8) & 255, call.cell & 255);
                target_->setAlpha(1.0f);
                target_->setBlend(Blend::Solid);
                target_->setScale(1.0f, 1.0f);
                target_->setOrigin(0.0f, 0.0f);
                target_->setClip(part.x0, part.y0, part.x1 - part.x0, part.y1 - part.y0);
                target_->rect(float(part.x0), float(part.y0), float(part.x1 - part.x0),
                              float(part.y1 - part.y0));
                continue;
            }
            Call clipped = call;
            clipped.state.clip = {reach.x0, reach.y0, reach.x1 - reach.x0, reach.y1 - reach.y0};
            replay(clipped);
        }
        parts_.push_back({part.x0, part.y0, part.x1 - part.x0, part.y1 - part.y0});
    }
    target_->showParts(parts_);
    ++framesDrawn;
    ++framesDrawnInParts;
    std::swap(calls_, last_);
    std::swap(callBounds_, lastBounds_);
}

// The two frames are walked in order, matching equal calls; a call of either frame left
// without a match marks its place as changed. Outside the changed places every pixel is
// drawn by the same calls in the same order in both frames, so it shows the same.
std::vector<FrameRecorder::Box> FrameRecorder::changedParts() const {
    std::vector<Box> parts;
    const size_t now = calls_.size(), before = last_.size();
    size_t i = 0, j = 0;
    while (i < now || j < before) {
        if (i < now && j < before && calls_[i] == last_[j]) {
            ++i, ++j;
            continue;
        }
        size_t match = before;
        if (i < now)
            for (size_t k = j + 1; k < std::min(before, j + kLookAhead); ++k)
                if (last_[k] == calls_[i]) {
                    match = k;
                    break;
                }
        if (match < before) {  // the last frame's calls up to the match are gone
            for (; j < match; ++j) addPart(parts, lastBounds_[j]);
        } else if (i < now) {  // a call the last frame did not make
            addPart(parts, callBounds_[i++]);
        } else {
            addPart(parts, lastBounds_[j++]);
        }
    }
    return parts;
}

// Overlapping or touching parts become one; beyond kMostParts a part joins the one it
// grows least.
void FrameRecorder::addPart(std::vector<Box>& parts, Box box) const {
    box = intersect(box, {0, 0, width_, height_});
    if (box.empty()) return;
    for (bool merged = true; merged;) {
        merged = false;
        for (size_t k = 0; k < parts.size(); ++k) {
            const Box& p = parts[k];
            if (box.x0 <= p.x1 && p.x0 <= box.x1 && box.y0 <= p.y1 && p.y0 <= box.y1) {
                box = unite(box, p);
                parts.erase(parts.begin() + long(k));
                merged = true;
                break;
            }
        }
    }
    if (parts.size() < kMostParts) {
        parts.push_back(box);
        return;
    }
    size_t best = 0;
    long growth = -1;
    for (size_t k = 0; k < parts.size(); ++k) {
        const long g = unite(parts[k], box).area() - parts[k].area();
        if (growth < 0 || g < growth) best = k, growth = g;
    }
    const Box joined = unite(parts[best], box);
    parts.erase(parts.begin() + long(best));
    addPart(parts, joined);  // the grown part may now meet another
}

FrameRecorder::Box FrameRecorder::unite(const Box& a, const Box& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

FrameRecorder::Box FrameRecorder::intersect(const Box& a, const Box& b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

FrameRecorder::Box FrameRecorder::bounds(const Call& call) const {
    const DrawState& s = call.state;
    auto spanning = [](float ax, float ay, float bx, float by) {
        return Box{int(std::floor(std::min(ax, bx))) - kMargin,
                   int(std::floor(std::min(ay, by))) - kMargin,
                   int(std::ceil(std::max(ax, bx))) + kMargin,
                   int(std::ceil(std::max(ay, by))) + kMargin};
    };
    auto sized = [&](float width, float height) {
        const float left = s.originX + call.x, top = s.originY + call.y;
        return spanning(left, top, left + width * s.scaleX, top + height * s.scaleY);
    };
    Box box;
    switch (call.kind) {
        case Call::Clear:
            return {0, 0, width_, height_};  // ignores the clip
        case Call::Rect:
        case Call::Oval:
        case Call::ImagePart:
            box = sized(call.width, call.height);
            break;
        case Call::Line: {
            const float x = s.originX + call.x, y = s.originY + call.y;
            box = spanning(x, y, x + (call.width - call.x) * s.scaleX,
                           y + (call.height - call.y) * s.scaleY);
            break;
        }
        case Call::Image:
            if (!call.image) return {};
            box = sized(float(call.image->cellWidth()), float(call.image->cellHeight()));
            break;
        case Call::Text: {
            if (!s.font) return {};
            float pen = s.originX + call.x;
            const float top = s.originY + call.y;
            for (char32_t code : decodeUtf8(call.text)) {
                const ImageFont::Glyph& glyph = s.font->glyph(code);
                if (glyph.width > 0 && glyph.height > 0) {
                    const float left = pen + glyph.left * s.scaleX;
                    const float glyphTop = top + glyph.top * s.scaleY;
                    box = unite(box, spanning(left, glyphTop, left + glyph.width * s.scaleX,
                                              glyphTop + glyph.height * s.scaleY));
                }
                pen += glyph.advance * s.scaleX;
            }
            break;
        }
    }
    if (s.clip.width >= 0)
        box =
            intersect(box, {s.clip.x, s.clip.y, s.clip.x + s.clip.width, s.clip.y + s.clip.height});
    return box;
}

void FrameRecorder::add(Call call) {
    // What a call ignores (a clear the whole state, all but text the font) is not kept,
    // so that it does not make two equal calls differ.
    call.state = call.kind == Call::Clear ? DrawState{} : state_;
    if (call.kind != Call::Text) call.state.font = nullptr;
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
