#include "platform/HeadlessGui.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/Image.h"

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
    window->style = style;
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

Gadget* HeadlessGui::createGadget(GadgetClass gadgetClass, int x, int y, int width, int height,
                                  Gadget* parent, const std::string& caption, int style) {
    auto* gadget = make(gadgetClass, parent);
    gadget->shape = {x, y, width, height};
    gadget->title = caption;
    gadget->style = style;
    gadget->visible = (style & GadgetStyle::Hidden) == 0;
    if (gadgetClass == GadgetClass::ComboBox || gadgetClass == GadgetClass::ListBox ||
        gadgetClass == GadgetClass::Toolbar)
        gadget->value = -1;
    return gadget;
}

void HeadlessGui::setText(Gadget* gadget, const std::string& text) {
    if (gadget) record(gadget)->title = text;
}

std::string HeadlessGui::text(Gadget* gadget) {
    return gadget ? record(gadget)->title : "";
}

void HeadlessGui::setToolTip(Gadget* gadget, const std::string& tip) {
    if (gadget) record(gadget)->toolTip = tip;
}

void HeadlessGui::setValue(Gadget* gadget, int value) {
    if (!gadget) return;
    auto* g = record(gadget);
    switch (g->gadgetClass()) {
        case GadgetClass::CheckBox:
            g->value = value ? 1 : 0;
            break;
        case GadgetClass::RadioButton:
            if (value) {
                for (auto& other : gadgets)
                    if (other->gadgetClass() == GadgetClass::RadioButton &&
                        other->parent() == g->parent())
                        other->value = 0;
            }
            g->value = value ? 1 : 0;
            break;
        case GadgetClass::ComboBox:
        case GadgetClass::ListBox:
            g->value = value >= 0 && value < static_cast<int>(g->items.size()) ? value : -1;
            break;
        case GadgetClass::Slider:
        case GadgetClass::Stepper:
        case GadgetClass::ProgressBar:
            g->value = std::clamp(value, g->minimum, std::max(g->minimum, g->maximum));
            break;
        default:
            g->value = value;
    }
}

int HeadlessGui::value(Gadget* gadget) {
    return gadget ? record(gadget)->value : 0;
}

void HeadlessGui::setRange(Gadget* gadget, int minimum, int maximum) {
    if (!gadget) return;
    record(gadget)->minimum = minimum;
    record(gadget)->maximum = maximum;
    setValue(gadget, record(gadget)->value);
}

void HeadlessGui::addItem(Gadget* list, const std::string& text, const std::string& data) {
    if (list) record(list)->items.emplace_back(text, data);
}

void HeadlessGui::clearItems(Gadget* list) {
    if (!list) return;
    record(list)->items.clear();
    record(list)->value = -1;
}

int HeadlessGui::itemCount(Gadget* list) {
    return list ? static_cast<int>(record(list)->items.size()) : 0;
}

std::string HeadlessGui::itemText(Gadget* list, int index) {
    if (!list || index < 0 || index >= itemCount(list)) return "";
    return record(list)->items[index].first;
}

std::string HeadlessGui::itemData(Gadget* list, int index) {
    if (!list || index < 0 || index >= itemCount(list)) return "";
    return record(list)->items[index].second;
}

void HeadlessGui::setPicture(Gadget* gadget, std::shared_ptr<const Image> picture) {
    if (gadget) record(gadget)->picture = std::move(picture);
}

void HeadlessGui::setFont(Gadget* gadget, int points) {
    if (gadget) record(gadget)->fontPoints = points;
}

void HeadlessGui::setBackground(Gadget* gadget, int red, int green, int blue) {
    if (gadget) record(gadget)->background = (red << 16) | (green << 8) | blue;
}

void HeadlessGui::setKeyFilter(Gadget* gadget, KeyFilter filter) {
    if (gadget) record(gadget)->keyFilter = std::move(filter);
}

namespace {
std::string fileOfPage(const std::string& page) {
    return page.substr(0, page.find('#'));
}

std::optional<std::string> readWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
}  // namespace

void HeadlessGui::showPage(HeadlessGadget* view) {
    auto bytes = readWholeFile(fileOfPage(view->history[view->historyAt]));
    view->pageText = bytes ? *bytes : "";
}

bool HeadlessGui::loadFile(Gadget* view, const std::string& path) {
    if (!view || std::filesystem::is_directory(path) || !readWholeFile(path)) return false;
    auto* g = record(view);
    g->history.resize(g->historyAt + 1);  // a new page drops the pages ahead
    g->history.push_back(path);
    g->historyAt = static_cast<int>(g->history.size()) - 1;
    showPage(g);
    return true;
}

std::string HeadlessGui::currentPage(Gadget* view) {
    if (!view || record(view)->historyAt < 0) return "";
    return record(view)->history[record(view)->historyAt];
}

void HeadlessGui::goBack(Gadget* view) {
    if (!view || record(view)->historyAt <= 0) return;
    --record(view)->historyAt;
    showPage(record(view));
}

void HeadlessGui::goForward(Gadget* view) {
    if (!view || record(view)->historyAt + 1 >= static_cast<int>(record(view)->history.size()))
        return;
    ++record(view)->historyAt;
    showPage(record(view));
}

void HeadlessGui::setFollowLinks(Gadget* view, bool follow) {
    if (view) record(view)->followLinks = follow;
}

bool HeadlessGui::clickLink(Gadget* view, const std::string& href) {
    if (!view || !record(view)->followLinks || href.empty() ||
        href.find("://") != std::string::npos)
        return false;
    std::string shown = fileOfPage(currentPage(view));
    std::string target;
    if (href[0] == '#') {
        target = shown + href;
    } else {
        std::string folder = shown.substr(0, shown.rfind('/') + 1);
        target = href[0] == '/' ? href : folder + href;
    }
    if (!readWholeFile(fileOfPage(target))) return false;
    auto* g = record(view);
    g->history.resize(g->historyAt + 1);
    g->history.push_back(target);
    g->historyAt = static_cast<int>(g->history.size()) - 1;
    showPage(g);
    return true;
}

bool HeadlessGui::isShown(Gadget* gadget) {
    for (; gadget; gadget = gadget->parent())
        if (!record(gadget)->visible) return false;
    return true;
}

bool HeadlessGui::isReachable(Gadget* gadget) {
    if (!gadget || !isShown(gadget)) return false;
    for (; gadget; gadget = gadget->parent())
        if (!record(gadget)->enabled) return false;
    return true;
}

Gadget* HeadlessGui::windowOf(Gadget* gadget) {
    while (gadget && gadget->gadgetClass() != GadgetClass::Window) gadget = gadget->parent();
    return gadget;
}

Gadget* HeadlessGui::defaultButton(Gadget* window) {
    for (auto& gadget : gadgets)
        if (gadget->gadgetClass() == GadgetClass::Button &&
            (gadget->style & GadgetStyle::Default) && windowOf(gadget.get()) == window)
            return gadget.get();
    return nullptr;
}

Gadget* HeadlessGui::findByCaption(Gadget* window, const std::string& caption) {
    for (auto& gadget : gadgets)
        if (gadget->gadgetClass() != GadgetClass::Window && gadget->title == caption &&
            windowOf(gadget.get()) == window)
            return gadget.get();
    return nullptr;
}

bool HeadlessGui::click(Gadget* gadget) {
    if (!isReachable(gadget)) return false;
    focus = gadget;
    auto* g = record(gadget);
    switch (g->gadgetClass()) {
        case GadgetClass::Button:
            break;
        case GadgetClass::CheckBox:
            g->value = g->value ? 0 : 1;
            break;
        case GadgetClass::RadioButton:
            setValue(gadget, 1);
            break;
        default:
            return false;
    }
    postEvent({EventId::GadgetAction, gadget});
    return true;
}

bool HeadlessGui::type(Gadget* gadget, const std::string& text) {
    if (!isReachable(gadget)) return false;
    auto* g = record(gadget);
    if (g->gadgetClass() != GadgetClass::TextField && g->gadgetClass() != GadgetClass::TextArea)
        return false;
    focus = gadget;
    for (char typed : text) {
        bool isReturn = typed == '\n' || typed == '\r';
        int character = isReturn ? '\r' : static_cast<unsigned char>(typed);
        int keyCode = isReturn ? Key::Return : std::toupper(static_cast<unsigned char>(typed));
        if (g->keyFilter && !g->keyFilter(keyCode, character)) continue;
        if (!isReturn) {
            g->title += typed;
        } else if (g->gadgetClass() == GadgetClass::TextArea) {
            g->title += '\n';
        } else if (Gadget* button = defaultButton(windowOf(gadget));
                   button && isReachable(button)) {
            postEvent({EventId::GadgetAction, button});
        }
    }
    return true;
}

bool HeadlessGui::choose(Gadget* list, int index) {
    if (!isReachable(list) || index < 0 || index >= itemCount(list)) return false;
    bool isList = list->gadgetClass() == GadgetClass::ListBox;
    if (!isList && list->gadgetClass() != GadgetClass::ComboBox) return false;
    focus = list;
    record(list)->value = index;
    postEvent({isList ? EventId::GadgetSelect : EventId::GadgetAction, list});
    return true;
}

bool HeadlessGui::slide(Gadget* gadget, int value) {
    if (!isReachable(gadget)) return false;
    if (gadget->gadgetClass() != GadgetClass::Slider &&
        gadget->gadgetClass() != GadgetClass::Stepper)
        return false;
    focus = gadget;
    setValue(gadget, value);
    postEvent({EventId::GadgetAction, gadget});
    return true;
}

bool HeadlessGui::clickIcon(Gadget* toolbar, int index) {
    if (!isReachable(toolbar) || toolbar->gadgetClass() != GadgetClass::Toolbar) return false;
    auto* g = record(toolbar);
    int icons = g->picture ? g->picture->cellCount() : 0;
    if (index < 0 || index >= icons) return false;
    focus = toolbar;
    g->value = index;
    postEvent({EventId::GadgetAction, toolbar, index});
    return true;
}

bool HeadlessGui::pressPanel(Gadget* panel, int x, int y) {
    if (!isReachable(panel) || panel->gadgetClass() != GadgetClass::Panel) return false;
    focus = panel;
    postEvent({EventId::MouseDown, panel, 1, x, y});
    postEvent({EventId::MouseUp, panel, 1, x, y});
    return true;
}

bool HeadlessGui::pressCanvas(Gadget* canvas, int x, int y) {
    if (!isReachable(canvas) || canvas->gadgetClass() != GadgetClass::Canvas) return false;
    focus = canvas;
    postEvent({EventId::MouseMove, canvas, 0, x, y});
    postEvent({EventId::MouseDown, canvas, 1, x, y});
    postEvent({EventId::MouseUp, canvas, 1, x, y});
    return true;
}

bool HeadlessGui::clickCloseBox(Gadget* window) {
    if (!window || window->gadgetClass() != GadgetClass::Window || !record(window)->visible)
        return false;
    postEvent({EventId::WindowClose, window});
    return true;
}
