#include "dialogs/DialogGadgets.h"

#include "data/Daten.h"
#include "platform/Gui.h"
#include "platform/Ui.h"

namespace DialogGadgets {

namespace {
constexpr int kToolbarHeight = 40;  // 32-pixel icons and the bar's margins
constexpr int kGroupTitle = 18;     // the title line of a titled group

Gui* gui() {
    return Ui::gui;
}

Gadget* make(GadgetClass kind, int x, int y, int width, int height, Gadget* parent,
             const std::string& caption = "", int style = 0) {
    return gui() ? gui()->createGadget(kind, x, y, width, height, parent, caption, style) : nullptr;
}
}  // namespace

Gadget* dialogWindow(const std::string& title, int width, int height) {
    if (!gui()) return nullptr;
    const int x = (gui()->desktopWidth() - width) / 2;
    const int y = (gui()->desktopHeight() - height - kToolbarHeight) / 2;
    return gui()->createWindow(title, x, y, width, height + kToolbarHeight, nullptr,
                               WindowStyle::TitleBar | WindowStyle::Hidden);
}

int clientTop(Gadget*) {
    return kToolbarHeight;
}

Gadget* toolbar(const std::string& member, int icons, Gadget* window) {
    Gadget* bar = make(GadgetClass::Toolbar, 0, 0, 600, kToolbarHeight, window);
    std::shared_ptr<Image> strip = LadeBild(member);
    if (strip && icons > 0) strip->cutIntoCells(strip->width() / icons, strip->height(), icons);
    if (bar && strip) gui()->setPicture(bar, strip);
    return bar;
}

int toolbarIcon(Gadget* toolbar) {
    return toolbar && gui() ? gui()->value(toolbar) : -1;
}

Gadget* page(int x, int y, int width, int height, Gadget* parent) {
    return make(GadgetClass::Panel, x, y, width, height, parent, "", GadgetStyle::Sunken);
}

Gadget* group(const std::string& caption, int x, int y, int width, int height, Gadget* parent) {
    Gadget* frame = make(GadgetClass::Panel, x, y, width, height, parent, caption);
    if (caption.empty() || !frame) return frame;
    // The controls of a titled group start below its title.
    return make(GadgetClass::Panel, 0, kGroupTitle, width, height - kGroupTitle, frame);
}

Gadget* picture(std::shared_ptr<Image> image, int x, int y, int width, int height, Gadget* parent) {
    Gadget* panel = make(GadgetClass::Panel, x, y, width, height, parent);
    setPicture(panel, std::move(image));
    return panel;
}

void setPicture(Gadget* picture, std::shared_ptr<Image> image) {
    if (picture && gui()) gui()->setPicture(picture, std::move(image));
}

Gadget* radio(const std::string& caption, int x, int y, int width, int height, Gadget* parent) {
    return make(GadgetClass::RadioButton, x, y, width, height, parent, caption);
}

Gadget* checkBox(const std::string& caption, int x, int y, int width, int height, Gadget* parent) {
    return make(GadgetClass::CheckBox, x, y, width, height, parent, caption);
}

Gadget* pushButton(const std::string& caption, int x, int y, int width, int height, Gadget* parent,
                   bool isDefault) {
    return make(GadgetClass::Button, x, y, width, height, parent, caption,
                isDefault ? GadgetStyle::Default : 0);
}

Gadget* label(const std::string& caption, int x, int y, int width, int height, Gadget* parent,
              Align align, bool sunken) {
    int style = align == Align::Centre  ? GadgetStyle::Centred
                : align == Align::Right ? GadgetStyle::RightAligned
                                        : 0;
    if (sunken) style |= GadgetStyle::Sunken;
    return make(GadgetClass::Label, x, y, width, height, parent, caption, style);
}

Gadget* textField(int x, int y, int width, int height, Gadget* parent) {
    return make(GadgetClass::TextField, x, y, width, height, parent);
}

void setKeyFilter(Gadget* field, std::function<bool(int keyCode, int character)> filter) {
    if (field && gui()) gui()->setKeyFilter(field, std::move(filter));
}

Gadget* comboBox(int x, int y, int width, int height, Gadget* parent) {
    return make(GadgetClass::ComboBox, x, y, width, height, parent);
}

Gadget* stepper(int x, int y, int width, int height, Gadget* parent, int low, int high, int value) {
    Gadget* gadget = make(GadgetClass::Stepper, x, y, width, height, parent);
    if (gadget) {
        gui()->setRange(gadget, low, high);
        gui()->setValue(gadget, value);
    }
    return gadget;
}

void setChecked(Gadget* gadget, bool checked) {
    if (gadget && gui()) gui()->setValue(gadget, checked ? 1 : 0);
}

bool isChecked(Gadget* gadget) {
    return gadget && gui() && gui()->value(gadget) == 1;
}

void setEnabled(Gadget* gadget, bool enabled) {
    if (gadget && gui()) gui()->setEnabled(gadget, enabled);
}

void setVisible(Gadget* gadget, bool visible) {
    if (gadget && gui()) gui()->setVisible(gadget, visible);
}

void setText(Gadget* gadget, const std::string& text) {
    if (gadget && gui()) gui()->setText(gadget, text);
}

std::string text(Gadget* gadget) {
    return gadget && gui() ? gui()->text(gadget) : "";
}

void clearItems(Gadget* combo) {
    if (combo && gui()) gui()->clearItems(combo);
}

void addItem(Gadget* combo, const std::string& item) {
    if (combo && gui()) gui()->addItem(combo, item);
}

int itemCount(Gadget* combo) {
    return combo && gui() ? gui()->itemCount(combo) : 0;
}

std::string itemText(Gadget* combo, int index) {
    return combo && gui() ? gui()->itemText(combo, index) : "";
}

void select(Gadget* combo, int index) {
    if (combo && gui()) gui()->setValue(combo, index);
}

int selected(Gadget* combo) {
    return combo && gui() ? gui()->value(combo) : -1;
}

int stepperValue(Gadget* stepper) {
    return stepper && gui() ? gui()->value(stepper) : 0;
}

}  // namespace DialogGadgets
