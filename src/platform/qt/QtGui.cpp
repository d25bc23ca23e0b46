// The windowing platform on Qt Widgets: gadgets wrap widgets, Qt's events are turned
// into the program's event queue, and waitEvent pumps Qt until an event is queued.

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>

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
    int tag = 0;
    std::unique_ptr<QtCanvas> canvas;
};

QtGadget* qtGadget(Gadget* gadget) {
    return static_cast<QtGadget*>(gadget);
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
        window->setCentralWidget(new QWidget(window));
        if (style & WindowStyle::MenuBar) window->menuBar();
        if (style & WindowStyle::StatusBar) window->statusBar();
        if (style & WindowStyle::ToolWindow) window->setWindowFlag(Qt::Tool);
        window->setWindowTitle(QString::fromStdString(translate(title)));
        gadget->caption = title;
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
            g->window->resize(width, height + chromeHeight(g->window));
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
};

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
