#pragma once
// A Gui without a screen: gadgets are records, canvases record their drawing, and the
// event queue is filled by the test and runs dry instead of blocking.

#include <deque>
#include <memory>
#include <vector>

#include "platform/Gui.h"
#include "platform/RecordingCanvas.h"

class HeadlessGadget : public Gadget {
  public:
    using Gadget::Gadget;
    GadgetShape shape;
    std::string title;
    bool visible = true, enabled = true, checked = false;
    int tag = 0;
    std::unique_ptr<RecordingCanvas> canvas;
    int redraws = 0;
};

class HeadlessGui : public Gui {
  public:
    Gadget* createWindow(const std::string& title, int x, int y, int width, int height,
                         Gadget* parent, int style) override;
    Gadget* createCanvas(int x, int y, int width, int height, Gadget* parent) override;
    Canvas* canvasOf(Gadget* canvas) override;
    void setShape(Gadget* gadget, int x, int y, int width, int height) override;
    GadgetShape shape(Gadget* gadget) override;
    void setTitle(Gadget* window, const std::string& title) override;
    void setVisible(Gadget* gadget, bool visible) override;
    void setEnabled(Gadget* gadget, bool enabled) override;
    void activate(Gadget* gadget) override;
    Gadget* focusedGadget() override { return focus; }
    void redraw(Gadget* gadget) override;
    void freeGadget(Gadget* gadget) override;
    int desktopWidth() override { return desktop.width; }
    int desktopHeight() override { return desktop.height; }
    Gadget* createMenu(const std::string& caption, int tag, Gadget* parent) override;
    void setChecked(Gadget* menu, bool checked) override;
    bool isChecked(Gadget* menu) override;
    void setMenuEnabled(Gadget* menu, bool enabled) override;
    bool isMenuEnabled(Gadget* menu) override;
    void updateWindowMenu(Gadget*) override { ++menuBarUpdates; }
    bool waitEvent(Event& event) override;
    void postEvent(const Event& event) override { queue.push_back(event); }
    void startTicks(int perSecond) override { ticksPerSecond = perSecond; }
    void openUrl(const std::string& url) override { openedUrls.push_back(url); }

    static HeadlessGadget* record(Gadget* gadget) { return static_cast<HeadlessGadget*>(gadget); }
    // A caption as the screen would show it, through the translator.
    std::string shown(Gadget* gadget) { return translate(record(gadget)->title); }
    void relocalize() override { ++relocalizations; }
    int relocalizations = 0;
    // The menu entry with this tag, or none.
    HeadlessGadget* menuWithTag(int tag);

    GadgetShape desktop{0, 0, 1920, 1080};
    Gadget* focus = nullptr;
    std::deque<Event> queue;
    std::vector<std::unique_ptr<HeadlessGadget>> gadgets;
    std::vector<std::string> openedUrls;
    int ticksPerSecond = 0;
    int menuBarUpdates = 0;

  private:
    HeadlessGadget* make(GadgetClass gadgetClass, Gadget* parent);
};
