#pragma once
// Screenshots of the program's dialogs as Qt draws them, for the screenshot tools: a
// dialog's top-level window found by its title, or the information window by its HTML
// view, grabbed into a PNG.

#include <QApplication>
#include <QTextBrowser>
#include <QWidget>
#include <cstdio>
#include <string>

// The shown top-level window with this title, or none.
inline QWidget* shownWindowTitled(const std::string& title) {
    QApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle().toStdString() == title) return widget;
    return nullptr;
}

// Grabs the widget into the PNG file and says so; false when there is none or the file
// cannot be written.
inline bool saveWidgetShot(QWidget* widget, const std::string& file) {
    if (widget && widget->grab().toImage().save(QString::fromStdString(file))) {
        std::printf("wrote %s\n", file.c_str());
        return true;
    }
    std::printf("cannot write %s\n", file.c_str());
    return false;
}

// The information window (the window holding an HTML view) as folder/name.png.
inline void saveInfoWindowShot(const std::string& folder, const std::string& name) {
    QApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->findChild<QTextBrowser*>())
            saveWidgetShot(widget, folder + "/" + name + ".png");
}
