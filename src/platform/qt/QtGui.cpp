// The windowing platform on Qt Widgets: gadgets wrap widgets, Qt's events are turned
// into the program's event queue, and waitEvent pumps Qt until an event is queued.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <functional>
#include <iostream>
#include <map>

#include "platform/Image.h"
#include "platform/QtPlatform.h"
#include "platform/qt/QtCanvas.h"

namespace {

std::atomic<bool> terminateRequested{false};
void onTerminateSignal(int) {
    terminateRequested = true;
}

class QtGadget : public Gadget {
  public:
    using Gadget::Gadget;
    QWidget* widget = nullptr;
    QMainWindow* window = nullptr;
    QMenu* menu = nullptr;
    QAction* action = nullptr;
    std::string caption;
    std::string toolTip;
    int tag = 0;
    int style = 0;
    std::unique_ptr<QtCanvas> canvas;
    std::vector<std::pair<std::string, std::string>> items;  // caption, extra data
    Gui::KeyFilter keyFilter;
    bool followLinks = true;
    int value = -1;  // a toolbar's icon pressed last
};

QtGadget* qtGadget(Gadget* gadget) {
    return static_cast<QtGadget*>(gadget);
}

QImage toQImage(const Image& image) {
    QImage wrapped(image.rgba().data(), image.width(), image.height(), image.width() * 4,
                   QImage::Format_RGBA8888);
    return wrapped.copy();  // owns its pixels
}

int virtualKey(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // 65..90
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;  // 48..57
    switch (qtKey) {
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Down:
            return Key::Down;
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Return;
        case Qt::Key_Backspace:
            return Key::Backspace;
        case Qt::Key_Tab:
            return Key::Tab;
        case Qt::Key_Escape:
            return Key::Escape;
        case Qt::Key_Space:
            return Key::Space;
        case Qt::Key_Delete:
            return Key::Delete;
        case Qt::Key_Shift:
            return Key::Shift;
        case Qt::Key_Control:
            return Key::Control;
        default:
            return 0;
    }
}

int mouseButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 3;
        default:
            return 0;
    }
}

class QtGui;

// The client area of a window: a Return that no gadget took presses the default button.
class ClientArea : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            for (QPushButton* button : findChildren<QPushButton*>()) {
                if (button->isDefault() && button->isEnabled() && button->isVisible()) {
                    button->click();
                    return;
                }
            }
        }
        QWidget::keyPressEvent(event);
    }
};

// A panel: a frame (or a titled group) that may show a picture and reports presses.
template <class Frame>
class PanelWidget : public Frame {
  public:
    PanelWidget(QtGui& gui, Gadget& gadget, QWidget* parent)
        : Frame(parent), gui_(gui), gadget_(gadget) {}
    QImage picture;

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (!picture.isNull()) {
            QPainter painter(this);
            painter.drawImage(0, 0, picture);
        }
        Frame::paintEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QtGui& gui_;
    Gadget& gadget_;
};

// Up and down arrows that step a value within a range.
class StepperWidget : public QWidget {
  public:
    StepperWidget(QWidget* parent, std::function<void()> onStep) : QWidget(parent) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        for (int direction : {1, -1}) {
            auto* arrow = new QToolButton(this);
            arrow->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
            arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            arrow->setAutoRepeat(true);
            layout->addWidget(arrow);
            QObject::connect(arrow, &QToolButton::clicked, [this, direction, onStep] {
                if (setValue(value + direction)) onStep();
            });
        }
    }
    bool setValue(int wanted) {  // true when the value changed
        int kept = std::clamp(wanted, minimum, std::max(minimum, maximum));
        bool changed = kept != value;
        value = kept;
        return changed;
    }
    int value = 0, minimum = 0, maximum = 100;
};

// Runs a text gadget's key filter before the gadget sees the key.
class KeyFilterHook : public QObject {
  public:
    KeyFilterHook(QObject* parent, QtGadget& gadget) : QObject(parent), gadget_(gadget) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QtGadget& gadget_;
};

// The widget a canvas gadget shows; it reports keys and the mouse in canvas pixels.
class CanvasWidget : public QWidget {
  public:
    CanvasWidget(QtGui& gui, QtGadget& gadget, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }  // Tab is a key like others

  private:
    QtGui& gui_;
    QtGadget& gadget_;
};

class MainWindow : public QMainWindow {
  public:
    MainWindow(QtGui& gui, QtGadget& gadget) : gui_(gui), gadget_(gadget) {}

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QtGui& gui_;
    QtGadget& gadget_;
};

class QtGui : public Gui {
  public:
    QtGui(int& argc, char** argv) : app_(argc, argv) {
        std::signal(SIGTERM, onTerminateSignal);
        std::signal(SIGINT, onTerminateSignal);
        tickTimer_.setTimerType(Qt::PreciseTimer);
        tickTimer_.setSingleShot(true);
        QObject::connect(&tickTimer_, &QTimer::timeout, [this] { onTickTimer(); });
        QObject::connect(&app_, &QCoreApplication::aboutToQuit,
                         [this] { postEvent({EventId::AppTerminate}); });
    }

    Gadget* createWindow(const std::string& title, int x, int y, int width, int height,
                         Gadget* parent, int style) override {
        auto* gadget = make(GadgetClass::Window, parent);
        auto* window = new MainWindow(*this, *gadget);
        gadget->window = window;
        gadget->widget = window;
        registerWidget(window, gadget);
        window->setCentralWidget(new ClientArea(window));
        if (style & WindowStyle::MenuBar) window->menuBar();
        if (style & WindowStyle::StatusBar) window->statusBar();
        if (style & WindowStyle::ToolWindow) window->setWindowFlag(Qt::Tool);
        if (!(style & WindowStyle::TitleBar)) window->setWindowFlag(Qt::FramelessWindowHint);
        window->setWindowTitle(QString::fromStdString(translate(title)));
        gadget->caption = title;
        gadget->style = style;
        setShape(gadget, x, y, width, height);
        if (!(style & WindowStyle::Hidden)) window->show();
        return gadget;
    }

    Gadget* createCanvas(int x, int y, int width, int height, Gadget* parent) override {
        auto* gadget = make(GadgetClass::Canvas, parent);
        auto* widget = new CanvasWidget(*this, *gadget, container(parent));
        gadget->widget = widget;
        gadget->canvas = std::make_unique<QtCanvas>(widget);
        widget->setGeometry(x, y, width, height);
        widget->show();
        return gadget;
    }

    Canvas* canvasOf(Gadget* canvas) override {
        return canvas ? qtGadget(canvas)->canvas.get() : nullptr;
    }

    void setShape(Gadget* gadget, int x, int y, int width, int height) override {
        if (!gadget || !qtGadget(gadget)->widget) return;
        auto* g = qtGadget(gadget);
        if (g->window) {
            g->window->move(x, y);
            if (g->style & WindowStyle::Resizable)
                g->window->resize(width, height + chromeHeight(g->window));
            else
                g->window->setFixedSize(width, height + chromeHeight(g->window));
        } else {
            g->widget->setGeometry(x, y, width, height);
        }
    }

    GadgetShape shape(Gadget* gadget) override {
        if (!gadget || !qtGadget(gadget)->widget) return {};
        auto* g = qtGadget(gadget);
        if (g->window) {
            QRect frame = g->window->geometry();
            return {g->window->x(), g->window->y(), frame.width(),
                    frame.height() - chromeHeight(g->window)};
        }
        QRect area = g->widget->geometry();
        return {area.x(), area.y(), area.width(), area.height()};
    }

    void setTitle(Gadget* window, const std::string& title) override {
        if (!window || !qtGadget(window)->widget) return;
        qtGadget(window)->caption = title;
        qtGadget(window)->widget->setWindowTitle(QString::fromStdString(translate(title)));
    }

    void setVisible(Gadget* gadget, bool visible) override {
        if (gadget && qtGadget(gadget)->widget) qtGadget(gadget)->widget->setVisible(visible);
    }

    void setEnabled(Gadget* gadget, bool enabled) override {
        if (gadget && qtGadget(gadget)->widget) qtGadget(gadget)->widget->setEnabled(enabled);
    }

    void activate(Gadget* gadget) override {
        if (!gadget || !qtGadget(gadget)->widget) return;
        QWidget* widget = qtGadget(gadget)->widget;
        if (qtGadget(gadget)->window) {
            widget->raise();
            widget->activateWindow();
        }
        widget->setFocus(Qt::OtherFocusReason);
        focus_ = gadget;
    }

    Gadget* focusedGadget() override {
        for (QWidget* widget = QApplication::focusWidget(); widget;
             widget = widget->parentWidget()) {
            auto found = byWidget_.find(widget);
            if (found != byWidget_.end()) return found->second;
        }
        // Without a window manager Qt may report no focus: keep the last one given.
        return focus_;
    }

    void redraw(Gadget* gadget) override {
        if (gadget && qtGadget(gadget)->widget) qtGadget(gadget)->widget->update();
    }

    void freeGadget(Gadget* gadget) override {
        if (!gadget) return;
        auto* g = qtGadget(gadget);
        if (focus_ == gadget) focus_ = nullptr;
        if (g->widget) {
            byWidget_.erase(g->widget);
            g->canvas.reset();
            g->widget->hide();
            g->widget->deleteLater();
        }
        std::erase_if(gadgets_, [gadget](const auto& owned) { return owned.get() == gadget; });
    }

    Gadget* createGadget(GadgetClass gadgetClass, int x, int y, int width, int height,
                         Gadget* parent, const std::string& caption, int style) override {
        auto* gadget = make(gadgetClass, parent);
        gadget->caption = caption;
        gadget->style = style;
        QWidget* widget = makeWidget(*gadget, container(parent));
        gadget->widget = widget;
        registerWidget(widget, gadget);
        showCaption(*gadget);
        widget->setGeometry(x, y, width, height);
        widget->setVisible((style & GadgetStyle::Hidden) == 0);
        return gadget;
    }

    void setText(Gadget* gadget, const std::string& text) override {
        if (!gadget || !qtGadget(gadget)->widget) return;
        auto* g = qtGadget(gadget);
        QString content = QString::fromStdString(text);
        if (auto* field = qobject_cast<QLineEdit*>(g->widget)) {
            field->setText(content);
        } else if (auto* area = qobject_cast<QPlainTextEdit*>(g->widget)) {
            area->setPlainText(content);
        } else {
            g->caption = text;
            showCaption(*g);
        }
    }

    std::string text(Gadget* gadget) override {
        if (!gadget || !qtGadget(gadget)->widget) return "";
        auto* g = qtGadget(gadget);
        if (auto* field = qobject_cast<QLineEdit*>(g->widget)) return field->text().toStdString();
        if (auto* area = qobject_cast<QPlainTextEdit*>(g->widget))
            return area->toPlainText().toStdString();
        return g->caption;
    }

    void setToolTip(Gadget* gadget, const std::string& tip) override {
        if (!gadget || !qtGadget(gadget)->widget) return;
        qtGadget(gadget)->toolTip = tip;
        qtGadget(gadget)->widget->setToolTip(QString::fromStdString(translate(tip)));
    }

    void setValue(Gadget* gadget, int value) override {
        if (!gadget || !qtGadget(gadget)->widget) return;
        auto* g = qtGadget(gadget);
        QSignalBlocker quiet(g->widget);  // the program's own changes post nothing
        if (auto* radio = qobject_cast<QRadioButton*>(g->widget)) {
            radio->setAutoExclusive(value != 0);  // an exclusive radio cannot be cleared
            radio->setChecked(value != 0);
            radio->setAutoExclusive(true);
        } else if (auto* box = qobject_cast<QCheckBox*>(g->widget)) {
            box->setChecked(value != 0);
        } else if (auto* slider = qobject_cast<QSlider*>(g->widget)) {
            slider->setValue(value);
        } else if (auto* stepper = dynamic_cast<StepperWidget*>(g->widget)) {
            stepper->setValue(value);
        } else if (auto* progress = qobject_cast<QProgressBar*>(g->widget)) {
            progress->setValue(std::clamp(value, progress->minimum(), progress->maximum()));
        } else if (auto* combo = qobject_cast<QComboBox*>(g->widget)) {
            combo->setCurrentIndex(value < combo->count() ? value : -1);
        } else if (auto* list = qobject_cast<QListWidget*>(g->widget)) {
            list->setCurrentRow(value < list->count() ? value : -1);
            if (value < 0 || value >= list->count()) list->clearSelection();
        } else if (g->gadgetClass() == GadgetClass::Toolbar) {
            g->value = value;
        }
    }

    int value(Gadget* gadget) override {
        if (!gadget || !qtGadget(gadget)->widget) return 0;
        auto* g = qtGadget(gadget);
        if (auto* button = qobject_cast<QAbstractButton*>(g->widget)) return button->isChecked();
        if (auto* slider = qobject_cast<QSlider*>(g->widget)) return slider->value();
        if (auto* stepper = dynamic_cast<StepperWidget*>(g->widget)) return stepper->value;
        if (auto* progress = qobject_cast<QProgressBar*>(g->widget)) return progress->value();
        if (auto* combo = qobject_cast<QComboBox*>(g->widget)) return combo->currentIndex();
        if (auto* list = qobject_cast<QListWidget*>(g->widget))
            return list->selectedItems().isEmpty() ? -1 : list->currentRow();
        return g->gadgetClass() == GadgetClass::Toolbar ? g->value : 0;
    }

    void setRange(Gadget* gadget, int minimum, int maximum) override {
        if (!gadget || !qtGadget(gadget)->widget) return;
        QWidget* widget = qtGadget(gadget)->widget;
        QSignalBlocker quiet(widget);
        if (auto* slider = qobject_cast<QSlider*>(widget)) slider->setRange(minimum, maximum);
        if (auto* progress = qobject_cast<QProgressBar*>(widget))
            progress->setRange(minimum, maximum);
        if (auto* stepper = dynamic_cast<StepperWidget*>(widget)) {
            stepper->minimum = minimum;
            stepper->maximum = maximum;
            stepper->setValue(stepper->value);
        }
    }

    void addItem(Gadget* list, const std::string& text, const std::string& data) override {
        if (!list || !qtGadget(list)->widget) return;
        auto* g = qtGadget(list);
        QSignalBlocker quiet(g->widget);
        g->items.emplace_back(text, data);
        QString shown = QString::fromStdString(translate(text));
        if (auto* combo = qobject_cast<QComboBox*>(g->widget)) {
            combo->addItem(shown);
            combo->setCurrentIndex(-1);
        }
        if (auto* box = qobject_cast<QListWidget*>(g->widget)) box->addItem(shown);
    }

    void clearItems(Gadget* list) override {
        if (!list || !qtGadget(list)->widget) return;
        auto* g = qtGadget(list);
        QSignalBlocker quiet(g->widget);
        g->items.clear();
        if (auto* combo = qobject_cast<QComboBox*>(g->widget)) combo->clear();
        if (auto* box = qobject_cast<QListWidget*>(g->widget)) box->clear();
    }

    int itemCount(Gadget* list) override {
        return list ? static_cast<int>(qtGadget(list)->items.size()) : 0;
    }

    std::string itemText(Gadget* list, int index) override {
        if (!list || index < 0 || index >= itemCount(list)) return "";
        return qtGadget(list)->items[index].first;
    }

    std::string itemData(Gadget* list, int index) override {
        if (!list || index < 0 || index >= itemCount(list)) return "";
        return qtGadget(list)->items[index].second;
    }

    void setPicture(Gadget* gadget, std::shared_ptr<const Image> picture) override {
        if (!gadget || !qtGadget(gadget)->widget) return;
        QWidget* widget = qtGadget(gadget)->widget;
        QImage shown = picture ? toQImage(*picture) : QImage();
        if (auto* panel = dynamic_cast<PanelWidget<QFrame>*>(widget)) panel->picture = shown;
        if (auto* group = dynamic_cast<PanelWidget<QGroupBox>*>(widget)) group->picture = shown;
        if (qobject_cast<QToolBar*>(widget)) makeIcons(*qtGadget(gadget), picture);
        widget->update();
    }

    void setFont(Gadget* gadget, int points) override {
        if (!gadget || !qtGadget(gadget)->widget || points <= 0) return;
        QFont font = qtGadget(gadget)->widget->font();
        font.setFamily("Sans Serif");
        font.setPointSize(points);
        qtGadget(gadget)->widget->setFont(font);
    }

    void setBackground(Gadget* gadget, int red, int green, int blue) override {
        if (!gadget || !qtGadget(gadget)->widget) return;
        auto* g = qtGadget(gadget);
        QWidget* widget = g->window ? g->window->centralWidget() : g->widget;
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, QColor(red, green, blue));
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }

    void setKeyFilter(Gadget* gadget, KeyFilter filter) override {
        if (!gadget || !qtGadget(gadget)->widget) return;
        auto* g = qtGadget(gadget);
        if (!g->keyFilter) g->widget->installEventFilter(new KeyFilterHook(g->widget, *g));
        g->keyFilter = std::move(filter);
    }

    bool loadFile(Gadget* view, const std::string& path) override {
        QTextBrowser* browser = browserOf(view);
        QFileInfo file(QString::fromStdString(path));
        if (!browser || !file.isFile() || !file.isReadable()) return false;
        QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
        if (browser->source() == url)
            browser->reload();  // the file may have been written anew
        else
            browser->setSource(url);
        return true;  // QTextBrowser has loaded the page when setSource returns
    }

    std::string currentPage(Gadget* view) override {
        QTextBrowser* browser = browserOf(view);
        if (!browser || browser->source().isEmpty()) return "";
        QUrl shown = browser->source();
        std::string page = shown.toLocalFile().toStdString();
        if (shown.hasFragment()) page += "#" + shown.fragment().toStdString();
        return page;
    }

    void goBack(Gadget* view) override {
        if (QTextBrowser* browser = browserOf(view)) browser->backward();
    }

    void goForward(Gadget* view) override {
        if (QTextBrowser* browser = browserOf(view)) browser->forward();
    }

    void setFollowLinks(Gadget* view, bool follow) override {
        if (view) qtGadget(view)->followLinks = follow;
    }

    bool clickLink(Gadget* view, const std::string& href) override {
        return followLink(view, QUrl(QString::fromStdString(href)));
    }

    int desktopWidth() override {
        return QGuiApplication::primaryScreen()->availableGeometry().width();
    }
    int desktopHeight() override {
        return QGuiApplication::primaryScreen()->availableGeometry().height();
    }

    Gadget* createMenu(const std::string& caption, int tag, Gadget* parent) override {
        auto* gadget = make(GadgetClass::Menu, parent);
        gadget->tag = tag;
        gadget->caption = caption;
        auto* owner = qtGadget(parent);
        QString text = menuText(caption);
        if (owner && owner->window) {
            gadget->menu = owner->window->menuBar()->addMenu(text);
            gadget->action = gadget->menu->menuAction();
        } else if (owner && owner->menu) {
            if (caption.empty() && tag == 0) {
                gadget->action = owner->menu->addSeparator();
            } else {
                gadget->action = owner->menu->addAction(text);
                QObject::connect(gadget->action, &QAction::triggered, [this, tag] {
                    postEvent({EventId::MenuAction, nullptr, tag});
                });
            }
        }
        return gadget;
    }

    void setChecked(Gadget* menu, bool checked) override {
        if (!menu || !qtGadget(menu)->action) return;
        qtGadget(menu)->action->setCheckable(true);
        qtGadget(menu)->action->setChecked(checked);
    }

    bool isChecked(Gadget* menu) override {
        return menu && qtGadget(menu)->action && qtGadget(menu)->action->isChecked();
    }

    void setMenuEnabled(Gadget* menu, bool enabled) override {
        if (menu && qtGadget(menu)->action) qtGadget(menu)->action->setEnabled(enabled);
    }

    bool isMenuEnabled(Gadget* menu) override {
        return menu && qtGadget(menu)->action && qtGadget(menu)->action->isEnabled();
    }

    void updateWindowMenu(Gadget* window) override {
        if (window && qtGadget(window)->window) qtGadget(window)->window->menuBar()->update();
    }

    void relocalize() override {
        for (auto& gadget : gadgets_) {
            if (gadget->action && !gadget->caption.empty())
                gadget->action->setText(menuText(gadget->caption));
            else if (gadget->window)
                gadget->window->setWindowTitle(QString::fromStdString(translate(gadget->caption)));
            else if (gadget->widget)
                showCaption(*gadget);
        }
    }

    bool waitEvent(Event& event) override {
        while (queue_.empty()) {
            if (terminateRequested.exchange(false)) {
                queue_.push_back({EventId::AppTerminate});
                break;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
        event = queue_.front();
        queue_.pop_front();
        if (event.id == EventId::TimerTick) tickPending_ = false;
        return true;
    }

    void postEvent(const Event& event) override { queue_.push_back(event); }

    void startTicks(int perSecond) override {
        ticksPerSecond_ = perSecond > 0 ? perSecond : 60;
        ticksDone_ = 0;
        tickClock_.start();
        scheduleNextTick();
    }

    void openUrl(const std::string& url) override {
        if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(url))))
            std::cout << "browser: cannot open " << url << std::endl;
    }

    void registerWidget(QWidget* widget, Gadget* gadget) { byWidget_[widget] = gadget; }

  private:
    QWidget* makeWidget(QtGadget& gadget, QWidget* parent) {
        Gadget* source = &gadget;
        auto act = [this, source] { postEvent({EventId::GadgetAction, source}); };
        switch (gadget.gadgetClass()) {
            case GadgetClass::Button: {
                auto* button = new QPushButton(parent);
                button->setAutoDefault(false);
                button->setDefault((gadget.style & GadgetStyle::Default) != 0);
                QObject::connect(button, &QPushButton::clicked, act);
                return button;
            }
            case GadgetClass::RadioButton: {
                auto* radio = new QRadioButton(parent);
                QObject::connect(radio, &QRadioButton::clicked, act);
                return radio;
            }
            case GadgetClass::CheckBox: {
                auto* box = new QCheckBox(parent);
                QObject::connect(box, &QCheckBox::clicked, act);
                return box;
            }
            case GadgetClass::Label: {
                auto* label = new QLabel(parent);
                label->setWordWrap(true);
                Qt::Alignment across = (gadget.style & GadgetStyle::Centred) ? Qt::AlignHCenter
                                       : (gadget.style & GadgetStyle::RightAligned) ? Qt::AlignRight
                                                                                    : Qt::AlignLeft;
                label->setAlignment(across | Qt::AlignVCenter);
                if (gadget.style & GadgetStyle::Sunken)
                    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
                return label;
            }
            case GadgetClass::TextField:
                return new QLineEdit(parent);
            case GadgetClass::TextArea: {
                auto* area = new QPlainTextEdit(parent);
                area->setLineWrapMode(QPlainTextEdit::WidgetWidth);
                area->setTabChangesFocus(true);
                return area;
            }
            case GadgetClass::ComboBox: {
                auto* combo = new QComboBox(parent);
                QObject::connect(combo, &QComboBox::activated, act);
                return combo;
            }
            case GadgetClass::ListBox: {
                auto* list = new QListWidget(parent);
                auto select = [this, source] { postEvent({EventId::GadgetSelect, source}); };
                QObject::connect(list, &QListWidget::itemSelectionChanged, select);
                QObject::connect(list, &QListWidget::itemActivated, select);
                return list;
            }
            case GadgetClass::Slider: {
                auto* slider = new QSlider(Qt::Horizontal, parent);
                QObject::connect(slider, &QSlider::valueChanged, act);
                return slider;
            }
            case GadgetClass::Stepper:
                return new StepperWidget(parent, act);
            case GadgetClass::Panel: {
                if (!gadget.caption.empty())
                    return new PanelWidget<QGroupBox>(*this, gadget, parent);
                auto* panel = new PanelWidget<QFrame>(*this, gadget, parent);
                if (gadget.style & GadgetStyle::Sunken)
                    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
                return panel;
            }
            case GadgetClass::Toolbar:
                return new QToolBar(parent);
            case GadgetClass::ProgressBar:
                return new QProgressBar(parent);
            case GadgetClass::HtmlView: {
                auto* browser = new QTextBrowser(parent);
                browser->setOpenLinks(false);  // the view decides, in followLink
                browser->setOpenExternalLinks(false);
                QObject::connect(browser, &QTextBrowser::anchorClicked,
                                 [this, source](const QUrl& url) { followLink(source, url); });
                return browser;
            }
            default:
                return new QWidget(parent);
        }
    }

    // Shows a gadget's kept caption and tooltip through the translator.
    void showCaption(QtGadget& gadget) {
        QString caption = QString::fromStdString(translate(gadget.caption));
        QWidget* widget = gadget.widget;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(caption);
        if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(caption);
        if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(caption);
        if (!gadget.toolTip.empty())
            widget->setToolTip(QString::fromStdString(translate(gadget.toolTip)));
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count() && i < static_cast<int>(gadget.items.size()); ++i)
                combo->setItemText(i, QString::fromStdString(translate(gadget.items[i].first)));
        }
        if (auto* list = qobject_cast<QListWidget*>(widget)) {
            for (int i = 0; i < list->count() && i < static_cast<int>(gadget.items.size()); ++i)
                list->item(i)->setText(QString::fromStdString(translate(gadget.items[i].first)));
        }
    }

    void makeIcons(QtGadget& gadget, const std::shared_ptr<const Image>& strip) {
        auto* toolbar = static_cast<QToolBar*>(gadget.widget);
        toolbar->clear();
        if (!strip) return;
        QImage whole = toQImage(*strip);
        toolbar->setIconSize(QSize(strip->cellWidth(), strip->cellHeight()));
        for (int cell = 0; cell < strip->cellCount(); ++cell) {
            int x = 0, y = 0;
            strip->cellOrigin(cell, x, y);
            QPixmap icon =
                QPixmap::fromImage(whole.copy(x, y, strip->cellWidth(), strip->cellHeight()));
            QAction* action = toolbar->addAction(QIcon(icon), QString());
            Gadget* source = &gadget;
            QObject::connect(action, &QAction::triggered, [this, source, cell] {
                qtGadget(source)->value = cell;
                postEvent({EventId::GadgetAction, source, cell});
            });
        }
    }

    QTextBrowser* browserOf(Gadget* view) {
        return view ? qobject_cast<QTextBrowser*>(qtGadget(view)->widget) : nullptr;
    }

    // A link is followed when the view allows it and it leads to a local file.
    bool followLink(Gadget* view, const QUrl& link) {
        QTextBrowser* browser = browserOf(view);
        if (!browser || !qtGadget(view)->followLinks || link.isEmpty()) return false;
        QUrl target = browser->source().resolved(link);
        if (!target.isLocalFile() || !QFileInfo(target.toLocalFile()).isFile()) return false;
        browser->setSource(target);
        return true;
    }

    QtGadget* make(GadgetClass gadgetClass, Gadget* parent) {
        gadgets_.push_back(std::make_unique<QtGadget>(gadgetClass, parent));
        return gadgets_.back().get();
    }

    QWidget* container(Gadget* parent) {
        if (!parent) return nullptr;
        auto* g = qtGadget(parent);
        return g->window ? g->window->centralWidget() : g->widget;
    }

    static int chromeHeight(QMainWindow* window) {
        int height = 0;
        if (window->menuWidget()) height += window->menuBar()->sizeHint().height();
        if (auto* status = window->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
            height += status->sizeHint().height();
        return height;
    }

    QString menuText(const std::string& caption) const {
        // "&" would become a mnemonic in Qt; captions mean it literally.
        return QString::fromStdString(translate(caption)).replace("&", "&&");
    }

    // Ticks are paced by the clock: the n-th tick is due at n/perSecond seconds, and a
    // tick is only posted when the previous one has been taken from the queue.
    void scheduleNextTick() {
        ++ticksDone_;
        qint64 due = ticksDone_ * 1000 / ticksPerSecond_;
        qint64 wait = due - tickClock_.elapsed();
        if (wait < 0) {
            ticksDone_ = tickClock_.elapsed() * ticksPerSecond_ / 1000;  // fell behind: skip
            wait = 0;
        }
        tickTimer_.start(static_cast<int>(wait));
    }

    void onTickTimer() {
        if (!tickPending_) {
            tickPending_ = true;
            queue_.push_back({EventId::TimerTick});
        }
        scheduleNextTick();
    }

    QApplication app_;
    std::vector<std::unique_ptr<QtGadget>> gadgets_;
    std::map<QWidget*, Gadget*> byWidget_;
    std::deque<Event> queue_;
    Gadget* focus_ = nullptr;
    QTimer tickTimer_;
    QElapsedTimer tickClock_;
    qint64 ticksDone_ = 0;
    int ticksPerSecond_ = 60;
    bool tickPending_ = false;

    friend class CanvasWidget;
    friend class MainWindow;
    template <class Frame>
    friend class PanelWidget;
};

template <class Frame>
void PanelWidget<Frame>::mousePressEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    gui_.postEvent({EventId::MouseDown, &gadget_, mouseButton(event->button()), at.x(), at.y()});
}

template <class Frame>
void PanelWidget<Frame>::mouseReleaseEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    gui_.postEvent({EventId::MouseUp, &gadget_, mouseButton(event->button()), at.x(), at.y()});
}

bool KeyFilterHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !gadget_.keyFilter) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    int character = key->text().isEmpty() ? 0 : key->text().at(0).unicode();
    return !gadget_.keyFilter(virtualKey(key->key()), character);
}

CanvasWidget::CanvasWidget(QtGui& gui, QtGadget& gadget, QWidget* parent)
    : QWidget(parent), gui_(gui), gadget_(gadget) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    gui.registerWidget(this, &gadget);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (gadget_.canvas && !gadget_.canvas->frame().isNull()) {
        painter.drawImage(0, 0, gadget_.canvas->frame());
        static bool firstFrame = true;
        if (firstFrame) {
            // The steady clock is the system's monotonic clock: a starting process can
            // compare it with its own time of exec.
            auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::cout << "frame: first frame shown at monotonic "
                      << std::chrono::duration_cast<std::chrono::microseconds>(now).count() << " us"
                      << std::endl;
            firstFrame = false;
        }
    } else {
        painter.fillRect(rect(), Qt::black);
    }
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    int key = virtualKey(event->key());
    gui_.postEvent({event->isAutoRepeat() ? EventId::KeyRepeat : EventId::KeyDown, &gadget_, key});
    if (!event->text().isEmpty())
        gui_.postEvent(
            {EventId::KeyChar, &gadget_, static_cast<int>(event->text().at(0).unicode())});
}

void CanvasWidget::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        gui_.postEvent({EventId::KeyUp, &gadget_, virtualKey(event->key())});
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    gui_.postEvent({EventId::MouseDown, &gadget_, mouseButton(event->button()), at.x(), at.y()});
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    gui_.postEvent({EventId::MouseUp, &gadget_, mouseButton(event->button()), at.x(), at.y()});
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    gui_.postEvent({EventId::MouseMove, &gadget_, 0, at.x(), at.y()});
}

void CanvasWidget::wheelEvent(QWheelEvent* event) {
    gui_.postEvent({EventId::MouseWheel, &gadget_, event->angleDelta().y() / 120});
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();  // the program decides
    gui_.postEvent({EventId::WindowClose, &gadget_});
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    gui_.postEvent({EventId::WindowSize, &gadget_, 0, width(), height()});
}

}  // namespace

std::unique_ptr<Gui> makeQtGui(int& argc, char** argv) {
    // Qt aborts without a display; then draw off screen instead of failing.
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!display || !*display) && (!wayland || !*wayland) && !std::getenv("QT_QPA_PLATFORM")) {
        std::cout << "platform: no display found, drawing off screen" << std::endl;
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    return std::make_unique<QtGui>(argc, argv);
}
