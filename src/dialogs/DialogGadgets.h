#pragma once
// The few gadget operations the settings dialog uses, in the words of its layout:
// groups, pages, radio buttons, check boxes, captions, lists, steppers, a toolbar, a
// picture panel. Positions are client pixels of the parent. Every operation accepts a
// missing gadget and then does nothing (or answers 0, -1, "", false).

#include <functional>
#include <memory>
#include <string>

#include "platform/Gadget.h"
#include "platform/Image.h"

namespace DialogGadgets {

enum class Align { Left, Centre, Right };

// A window with a title bar only, client area width x height, hidden until shown.
Gadget* dialogWindow(const std::string& title, int width, int height);
// The first client row below the window's toolbar.
int clientTop(Gadget* window);
// A toolbar of `icons` equal icons cut from the strip `member` of the archive.
Gadget* toolbar(const std::string& member, int icons, Gadget* window);
// The icon of the toolbar's last action, 0 to icons - 1.
int toolbarIcon(Gadget* toolbar);

Gadget* page(int x, int y, int width, int height, Gadget* parent);  // a sunken panel
// A group frame; with a caption, the returned panel is its inside, below the title.
Gadget* group(const std::string& caption, int x, int y, int width, int height, Gadget* parent);
Gadget* picture(std::shared_ptr<Image> image, int x, int y, int width, int height, Gadget* parent);
void setPicture(Gadget* picture, std::shared_ptr<Image> image);

Gadget* radio(const std::string& caption, int x, int y, int width, int height, Gadget* parent);
Gadget* checkBox(const std::string& caption, int x, int y, int width, int height, Gadget* parent);
Gadget* pushButton(const std::string& caption, int x, int y, int width, int height, Gadget* parent,
                   bool isDefault = false);
Gadget* label(const std::string& caption, int x, int y, int width, int height, Gadget* parent,
              Align align = Align::Left, bool sunken = false);
Gadget* textField(int x, int y, int width, int height, Gadget* parent);
// The filter sees every key typed into the field first; false drops the key.
void setKeyFilter(Gadget* field, std::function<bool(int keyCode, int character)> filter);
Gadget* comboBox(int x, int y, int width, int height, Gadget* parent);
Gadget* stepper(int x, int y, int width, int height, Gadget* parent, int low, int high, int value);

void setChecked(Gadget* gadget, bool checked);
bool isChecked(Gadget* gadget);
void setEnabled(Gadget* gadget, bool enabled);
void setVisible(Gadget* gadget, bool visible);
void setText(Gadget* gadget, const std::string& text);
std::string text(Gadget* gadget);

void clearItems(Gadget* combo);
void addItem(Gadget* combo, const std::string& item);
int itemCount(Gadget* combo);
std::string itemText(Gadget* combo, int index);
void select(Gadget* combo, int index);
int selected(Gadget* combo);  // -1 when none

int stepperValue(Gadget* stepper);

}  // namespace DialogGadgets
