#pragma once
// A window or a control, as the program body sees it: its class and its parent. The
// platform's implementation derives from this and keeps the real widget.

#include <string>

enum class GadgetClass {
    Window,
    Canvas,
    Button,
    RadioButton,
    CheckBox,
    Label,
    TextField,
    TextArea,
    ComboBox,
    ListBox,
    Slider,
    Stepper,
    Panel,
    Toolbar,
    ProgressBar,
    HtmlView,
    Menu,
};

class Gadget {
  public:
    Gadget(GadgetClass gadgetClass, Gadget* parent) : gadgetClass_(gadgetClass), parent_(parent) {}
    virtual ~Gadget() = default;
    GadgetClass gadgetClass() const { return gadgetClass_; }
    Gadget* parent() const { return parent_; }

  private:
    GadgetClass gadgetClass_;
    Gadget* parent_;
};
