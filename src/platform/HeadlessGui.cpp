#include "platform/HeadlessGui.h"

#include <algorithm>

HeadlessGadget* HeadlessGui::make(GadgetClass gadgetClass, Gadget* parent) {
    gadgets.push_back(std::make_unique<HeadlessGadget>(gadgetClass, parent));
    return gadgets.back().get();
}

Gadget* HeadlessGui::createWindow(const std::string& title, int x, int y, int width, int height,
                                  Gadget* parent, int style) {
    auto* window = make(GadgetClass::Window, parent);
    window->title = title;
    window->shape = {x, y, width, height};
    window->visible = (style & WindowStyle::Hidden) == 0;
    return window;
}

Gadget* HeadlessGui::createCanvas(int x, int y, int width, int height, Gadget* parent) {
    auto* canvas = make(GadgetClass::Canvas, parent);
    canvas->shape = {x, y, width, height};
    canvas->canvas = std::make_unique<RecordingCanvas>(width, height);
    return canvas;
}

Canvas* HeadlessGui::canvasOf(Gadget* canvas) {
    return canvas ? record(canvas)->canvas.get() : nullptr;
}

void HeadlessGui::setShape(Gadget* gadget, int x, int y, int width, int height) {
    if (!gadget) return;
    record(gadget)->shape = {x, y, width, height};
    if (record(gadget)->canvas) record(gadget)->canvas->resize(width, height);
}

GadgetShape HeadlessGui::shape(Gadget* gadget) {
    return gadget ? record(gadget)->shape : GadgetShape{};
}

void HeadlessGui::setTitle(Gadget* window, const std::string& title) {
    if (window) record(window)->title = title;
}

void HeadlessGui::setVisible(Gadget* gadget, bool visible) {
    if (gadget) record(gadget)->visible = visible;
}

void HeadlessGui::setEnabled(Gadget* gadget, bool enabled) {
    if (gadget) record(gadget)->enabled = enabled;
}

void HeadlessGui::activate(Gadget* gadget) {
    focus = gadget;
}

void HeadlessGui::redraw(Gadget* gadget) {
    if (gadget) ++record(gadget)->redraws;
}

void HeadlessGui::freeGadget(Gadget* gadget) {
    if (focus == gadget) focus = nullptr;
    std::erase_if(gadgets, [gadget](const auto& owned) { return owned.get() == gadget; });
}

Gadget* HeadlessGui::createMenu(const std::string& caption, int tag, Gadget* parent) {
    auto* menu = make(GadgetClass::Menu, parent);
    menu->title = caption;
    menu->tag = tag;
    return menu;
}

void HeadlessGui::setChecked(Gadget* menu, bool checked) {
    if (menu) record(menu)->checked = checked;
}

bool HeadlessGui::isChecked(Gadget* menu) {
    return menu && record(menu)->checked;
}

void HeadlessGui::setMenuEnabled(Gadget* menu, bool enabled) {
    if (menu) record(menu)->enabled = enabled;
}

bool HeadlessGui::isMenuEnabled(Gadget* menu) {
    return menu && record(menu)->enabled;
}

bool HeadlessGui::waitEvent(Event& event) {
    if (queue.empty()) return false;
    event = queue.front();
    queue.pop_front();
    return true;
}

HeadlessGadget* HeadlessGui::menuWithTag(int tag) {
    for (auto& gadget : gadgets)
        if (gadget->gadgetClass() == GadgetClass::Menu && gadget->tag == tag) return gadget.get();
    return nullptr;
}
