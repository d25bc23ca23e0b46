#pragma once
// The windowing services the program body asks of the platform: windows and gadgets,
// menus, focus, the desktop size, the event queue, the tick timer and the browser.
// Qt implements it in the program; a headless implementation serves the tests.

#include <functional>
#include <memory>
#include <string>

#include "platform/Canvas.h"
#include "platform/Events.h"
#include "platform/Gadget.h"

struct GadgetShape {
    int x = 0, y = 0, width = 0, height = 0;
};

namespace WindowStyle {
constexpr int TitleBar = 1, Resizable = 2, MenuBar = 4, StatusBar = 8, ToolWindow = 16, Hidden = 32,
              ClientCoords = 64;
}

// Styles of the gadgets inside a window, given at creation.
namespace GadgetStyle {
constexpr int Default = 1;       // push button: the window's default button, pressed by Return
constexpr int Sunken = 2;        // label or panel: a sunken frame
constexpr int Centred = 4;       // label: text centred
constexpr int RightAligned = 8;  // label: text at the right edge
constexpr int Hidden = 16;       // not shown until setVisible
}  // namespace GadgetStyle

// Where a user's act on a gadget arrives, always with the gadget as the event's source.
// Only acts of the user post events; the program's own setText, setValue and the like
// never do.
//   GadgetAction: a push button pressed; a check box or radio button clicked; a combo box
//     entry chosen; a slider or stepper moved; a toolbar icon pressed (data = its index).
//   GadgetSelect: a list box item selected or activated.
//   MouseDown, MouseUp: a panel pressed and let go (x, y in the panel's pixels).
//   WindowClose: a window's close box.
class Image;

class Gui {
  public:
    virtual ~Gui() = default;

    // Windows: for windows the shape is the client area on the desktop.
    virtual Gadget* createWindow(const std::string& title, int x, int y, int width, int height,
                                 Gadget* parent, int style) = 0;
    virtual Gadget* createCanvas(int x, int y, int width, int height, Gadget* parent) = 0;
    virtual Canvas* canvasOf(Gadget* canvas) = 0;
    virtual void setShape(Gadget* gadget, int x, int y, int width, int height) = 0;
    virtual GadgetShape shape(Gadget* gadget) = 0;
    virtual void setTitle(Gadget* window, const std::string& title) = 0;
    virtual void setVisible(Gadget* gadget, bool visible) = 0;
    virtual void setEnabled(Gadget* gadget, bool enabled) = 0;
    virtual void activate(Gadget* gadget) = 0;  // raises a window or focuses a gadget
    virtual Gadget* focusedGadget() = 0;
    virtual void redraw(Gadget* gadget) = 0;
    virtual void freeGadget(Gadget* gadget) = 0;
    virtual int desktopWidth() = 0;
    virtual int desktopHeight() = 0;

    // Gadgets inside a window or a panel. Radio buttons with the same parent are one
    // group: clicking one clears the others.
    virtual Gadget* createGadget(GadgetClass gadgetClass, int x, int y, int width, int height,
                                 Gadget* parent, const std::string& caption = "",
                                 int style = 0) = 0;
    // The caption of a window, button, box, label or titled panel (kept with its tokens and
    // shown through the translator), or the content of a text field or area (shown as
    // given). text() returns a field's or area's content, else the kept caption.
    virtual void setText(Gadget* gadget, const std::string& text) = 0;
    virtual std::string text(Gadget* gadget) = 0;
    virtual void setToolTip(Gadget* gadget, const std::string& tip) = 0;
    // Check box and radio button: 1 ticked, 0 not. Slider, stepper, progress bar: the
    // position within the range. Combo box and list box: the selected item, -1 none.
    // Toolbar: the icon pressed last, -1 none.
    virtual void setValue(Gadget* gadget, int value) = 0;
    virtual int value(Gadget* gadget) = 0;
    virtual void setRange(Gadget* gadget, int minimum, int maximum) = 0;
    // Items of a combo box or list box, each with extra data of the dialog's own.
    virtual void addItem(Gadget* list, const std::string& text, const std::string& data = "") = 0;
    virtual void clearItems(Gadget* list) = 0;
    virtual int itemCount(Gadget* list) = 0;
    virtual std::string itemText(Gadget* list, int index) = 0;
    virtual std::string itemData(Gadget* list, int index) = 0;
    // A panel shows the picture; a toolbar makes one icon of each of its cells.
    virtual void setPicture(Gadget* gadget, std::shared_ptr<const Image> picture) = 0;
    virtual void setFont(Gadget* gadget, int points) = 0;  // the sans-serif system font
    virtual void setBackground(Gadget* gadget, int red, int green, int blue) = 0;
    // Text field or area: the filter sees every key before the gadget does (the key code
    // of platform/Events.h, and the character it types or 0); false drops the key.
    using KeyFilter = std::function<bool(int keyCode, int character)>;
    virtual void setKeyFilter(Gadget* gadget, KeyFilter filter) = 0;

    // The HTML view. loadFile shows a local file and returns once it has finished loading;
    // a file that cannot be read leaves the view as it was and returns false. Each page
    // shown, by loading or by a link, goes into the view's history.
    virtual bool loadFile(Gadget* view, const std::string& path) = 0;
    // The page shown: its file path, with "#" and the anchor when a link led into it.
    virtual std::string currentPage(Gadget* view) = 0;
    virtual void goBack(Gadget* view) = 0;
    virtual void goForward(Gadget* view) = 0;
    // Whether a click on a link opens its page; refused links leave the view alone.
    virtual void setFollowLinks(Gadget* view, bool follow) = 0;
    // What a click on a link with this address does; true when the view followed it.
    virtual bool clickLink(Gadget* view, const std::string& href) = 0;

    // Menus: a menu under a window is a title of its menu bar; under a menu, an entry.
    virtual Gadget* createMenu(const std::string& caption, int tag, Gadget* parent) = 0;
    virtual void setChecked(Gadget* menu, bool checked) = 0;
    virtual bool isChecked(Gadget* menu) = 0;
    virtual void setMenuEnabled(Gadget* menu, bool enabled) = 0;
    virtual bool isMenuEnabled(Gadget* menu) = 0;
    virtual void updateWindowMenu(Gadget* window) = 0;

    // The event queue. waitEvent blocks until an event is queued; false means no event
    // will ever come (only the headless queue runs dry).
    virtual bool waitEvent(Event& event) = 0;
    virtual void postEvent(const Event& event) = 0;
    // Posts a timer-tick event `perSecond` times per second, paced by the clock.
    virtual void startTicks(int perSecond) = 0;

    virtual void openUrl(const std::string& url) = 0;

    // Captions and tooltips are kept as given (with their "{{key}}" tokens) and shown
    // through the translator; relocalize shows every caption again, for a new language.
    void setTranslator(std::function<std::string(const std::string&)> translator) {
        translator_ = std::move(translator);
    }
    std::string translate(const std::string& caption) const {
        return translator_ ? translator_(caption) : caption;
    }
    virtual void relocalize() {}

  private:
    std::function<std::string(const std::string&)> translator_;
};
