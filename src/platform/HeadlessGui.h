#pragma once
// A Gui without a screen: gadgets are records, canvases record their drawing, and the
// event queue is filled by the test and runs dry instead of blocking.

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Gui.h"
#include "platform/RecordingCanvas.h"

class HeadlessGadget : public Gadget {
  public:
    using Gadget::Gadget;
    GadgetShape shape;
    std::string title;  // caption, or the content of a text field or area
    std::string toolTip;
    bool visible = true, enabled = true, checked = false;
    int tag = 0;
    int style = 0;
    std::unique_ptr<RecordingCanvas> canvas;
    int redraws = 0;
    int value = 0, minimum = 0, maximum = 100;
    std::vector<std::pair<std::string, std::string>> items;  // text, extra data
    std::shared_ptr<const Image> picture;
    int fontPoints = 0;
    int background = -1;  // 0xRRGGBB, -1 the system's
    Gui::KeyFilter keyFilter;
    // The HTML view: pages shown (file path, "#anchor" when a link led there), the one
    // shown now, whether links are followed, and the text of the file shown.
    std::vector<std::string> history;
    int historyAt = -1;
    bool followLinks = true;
    std::string pageText;
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
    Gadget* createGadget(GadgetClass gadgetClass, int x, int y, int width, int height,
                         Gadget* parent, const std::string& caption, int style) override;
    void setText(Gadget* gadget, const std::string& text) override;
    std::string text(Gadget* gadget) override;
    void setToolTip(Gadget* gadget, const std::string& tip) override;
    void setValue(Gadget* gadget, int value) override;
    int value(Gadget* gadget) override;
    void setRange(Gadget* gadget, int minimum, int maximum) override;
    void addItem(Gadget* list, const std::string& text, const std::string& data) override;
    void clearItems(Gadget* list) override;
    int itemCount(Gadget* list) override;
    std::string itemText(Gadget* list, int index) override;
    std::string itemData(Gadget* list, int index) override;
    void setPicture(Gadget* gadget, std::shared_ptr<const Image> picture) override;
    void setFont(Gadget* gadget, int points) override;
    void setBackground(Gadget* gadget, int red, int green, int blue) override;
    void setKeyFilter(Gadget* gadget, KeyFilter filter) override;
    bool loadFile(Gadget* view, const std::string& path) override;
    std::string currentPage(Gadget* view) override;
    void goBack(Gadget* view) override;
    void goForward(Gadget* view) override;
    void setFollowLinks(Gadget* view, bool follow) override;
    bool clickLink(Gadget* view, const std::string& href) override;

    // What a user does, for tests. Each acts only on a gadget that is shown and enabled
    // (with every parent), moves the focus there as a click would, posts what Qt would
    // post, and returns false when the gadget could not be reached.
    bool click(Gadget* gadget);  // button, check box, radio button
    // Types text key by key through the key filter; a Return that passes the filter
    // presses the window's default button from a text field and breaks the line in an area.
    bool type(Gadget* gadget, const std::string& text);
    bool choose(Gadget* list, int index);   // combo box or list box item
    bool slide(Gadget* gadget, int value);  // slider or stepper, kept inside its range
    bool clickIcon(Gadget* toolbar, int index);
    bool pressPanel(Gadget* panel, int x, int y);
    // Moves the pointer over a canvas, then presses and lets go there.
    bool pressCanvas(Gadget* canvas, int x, int y);
    bool clickCloseBox(Gadget* window);
    // Shown: visible, and every parent too.
    bool isShown(Gadget* gadget);
    bool isReachable(Gadget* gadget);  // shown and enabled, with every parent
    // The window's default button, or none.
    Gadget* defaultButton(Gadget* window);
    // The gadget of this window (at any depth) whose kept caption is this, or none.
    Gadget* findByCaption(Gadget* window, const std::string& caption);

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
    void showPage(HeadlessGadget* view);
    Gadget* windowOf(Gadget* gadget);
    HeadlessGadget* make(GadgetClass gadgetClass, Gadget* parent);
};
