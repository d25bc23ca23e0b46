#pragma once
// The windowing services the program body asks of the platform: windows and gadgets,
// menus, focus, the desktop size, the event queue, the tick timer and the browser.
// Qt implements it in the program; a headless implementation serves the tests.

#include <functional>
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
