// Draws the icon sheet and the menu entry of an installed Lesmora the way a desktop finds
// them: the desktop entry is read from PREFIX/share/applications, its icon is looked up
// by name in the hicolor theme under PREFIX/share/icons.
//   desktopentryshot PREFIX OUT.png

#include <cstdio>
#include <map>
#include <string>

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

const int kSizes[] = {16, 32, 48, 64, 128, 256};

// The keys of the [Desktop Entry] group, localized keys under their full name ("Name[de]").
std::map<QString, QString> readDesktopEntry(const QString& file) {
    std::map<QString, QString> entry;
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text)) return entry;
    QTextStream text(&input);
    bool inGroup = false;
    while (!text.atEnd()) {
        QString line = text.readLine().trimmed();
        if (line.startsWith('[')) inGroup = line == "[Desktop Entry]";
        int equals = line.indexOf('=');
        if (inGroup && equals > 0) entry[line.left(equals).trimmed()] = line.mid(equals + 1);
    }
    return entry;
}

QString localized(const std::map<QString, QString>& entry, const QString& key,
                  const QString& language) {
    auto found = entry.find(key + "[" + language + "]");
    if (found != entry.end()) return found->second;
    found = entry.find(key);
    return found == entry.end() ? QString() : found->second;
}

QFont font(int pixels, bool bold = false) {
    QFont chosen("Noto Sans");
    chosen.setPixelSize(pixels);
    chosen.setBold(bold);
    return chosen;
}

// Every size on one background, bottoms aligned, the size written below.
void drawSizes(QPainter& painter, const QIcon& icon, QRect area, QColor background, QColor ink) {
    painter.fillRect(area, background);
    int x = area.left() + 24;
    int baseline = area.bottom() - 34;
    painter.setPen(ink);
    painter.setFont(font(13));
    for (int size : kSizes) {
        painter.drawPixmap(x, baseline - size, icon.pixmap(size, size));
        painter.drawText(QRect(x - 20, baseline + 8, size + 40, 20), Qt::AlignHCenter,
                         QString("%1 px").arg(size));
        x += size + 40;
    }
}

// The small sizes blown up pixel for pixel, to judge their crispness.
void drawZoomed(QPainter& painter, const QIcon& icon, QPoint at) {
    painter.setFont(font(13));
    painter.setPen(Qt::black);
    int x = at.x();
    for (auto [size, zoom] : {std::pair{16, 10}, std::pair{32, 5}, std::pair{48, 3}}) {
        QImage pixels = icon.pixmap(size, size).toImage();
        painter.drawImage(QRect(x, at.y(), size * zoom, size * zoom), pixels);
        painter.drawText(QRect(x, at.y() + size * zoom + 6, size * zoom, 20), Qt::AlignHCenter,
                         QString("%1 px, %2 times").arg(size).arg(zoom));
        x += size * zoom + 30;
    }
}

// An application menu with its category heading, and an app-grid tile with the name below
// the icon, in the given language.
void drawMenu(QPainter& painter, const QIcon& icon, const std::map<QString, QString>& entry,
              const QString& language, const QString& category, QPoint at) {
    QRect menu(at, QSize(420, 150));
    painter.fillRect(menu, QColor("#fafafa"));
    painter.setPen(QColor("#c0c0c0"));
    painter.drawRect(menu.adjusted(0, 0, -1, -1));
    painter.setPen(QColor("#707070"));
    painter.setFont(font(12, true));
    painter.drawText(menu.left() + 12, menu.top() + 22, category);

    QRect row(menu.left() + 4, menu.top() + 34, menu.width() - 8, 44);
    painter.fillRect(row, QColor("#3584e4"));
    painter.drawPixmap(row.left() + 8, row.top() + 6, icon.pixmap(32, 32));
    painter.setPen(Qt::white);
    painter.setFont(font(14, true));
    painter.drawText(row.left() + 50, row.top() + 19, localized(entry, "Name", language));
    painter.setFont(font(12));
    painter.drawText(row.left() + 50, row.top() + 36, localized(entry, "GenericName", language));

    QRect small(menu.left() + 4, row.bottom() + 8, menu.width() - 8, 24);
    painter.drawPixmap(small.left() + 8, small.top() + 4, icon.pixmap(16, 16));
    painter.setPen(Qt::black);
    painter.setFont(font(13));
    painter.drawText(small.left() + 32, small.top() + 17, localized(entry, "Name", language));
    painter.setPen(QColor("#505050"));
    painter.setFont(font(11));
    QRect comment(menu.left() + 12, small.bottom() + 4, menu.width() - 24, 30);
    painter.drawText(comment, Qt::TextWordWrap, localized(entry, "Comment", language));

    QRect tile(menu.right() + 30, at.y(), 150, 150);
    painter.fillRect(tile, QColor("#242424"));
    painter.drawPixmap(tile.center().x() - 32, tile.top() + 24, icon.pixmap(64, 64));
    painter.setPen(Qt::white);
    painter.setFont(font(14));
    painter.drawText(QRect(tile.left(), tile.top() + 100, tile.width(), 24), Qt::AlignHCenter,
                     localized(entry, "Name", language));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: desktopentryshot PREFIX OUT.png\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QString prefix = argv[1];
    QString desktopFile = prefix + "/share/applications/de.corvello.Lesmora.desktop";
    auto entry = readDesktopEntry(desktopFile);
    if (entry.empty()) {
        std::printf("desktopentryshot: no desktop entry at %s\n", qPrintable(desktopFile));
        return 1;
    }
    QIcon::setThemeSearchPaths({prefix + "/share/icons"});
    QIcon::setFallbackSearchPaths({});
    QIcon::setThemeName("hicolor");
    QIcon icon = QIcon::fromTheme(entry["Icon"]);
    if (icon.isNull()) {
        std::printf("desktopentryshot: the theme has no icon %s\n", qPrintable(entry["Icon"]));
        return 1;
    }
    for (int size : kSizes)
        if (icon.actualSize(QSize(size, size)) != QSize(size, size))
            std::printf("desktopentryshot: no %d px picture, the theme scales another\n", size);

    int width = 24 + 40 * 6 + 16 + 32 + 48 + 64 + 128 + 256 + 24;
    QImage sheet(width, 900, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font(15, true));
    painter.setPen(Qt::black);
    painter.drawText(
        24, 28,
        QString("Icon \"%1\" from the hicolor theme in %2/share/icons").arg(entry["Icon"], prefix));
    drawSizes(painter, icon, QRect(0, 40, width, 320), QColor("#f6f5f4"), Qt::black);
    drawSizes(painter, icon, QRect(0, 360, width, 320), QColor("#2b2b2b"), Qt::white);
    drawZoomed(painter, icon, QPoint(24, 700));
    painter.end();

    // The menus go below, in English and German, on a second band.
    QImage menus(width, 380, QImage::Format_RGB32);
    menus.fill(QColor("#dedede"));
    QPainter menuPainter(&menus);
    menuPainter.setRenderHint(QPainter::TextAntialiasing);
    menuPainter.setFont(font(15, true));
    menuPainter.drawText(24, 28, QString("Menu entry and app grid, from %1").arg(desktopFile));
    drawMenu(menuPainter, icon, entry, "en", "Education", QPoint(24, 44));
    drawMenu(menuPainter, icon, entry, "de", "Bildung", QPoint(24, 214));
    menuPainter.end();

    QImage whole(width, sheet.height() + menus.height(), QImage::Format_RGB32);
    QPainter joined(&whole);
    joined.drawImage(0, 0, sheet);
    joined.drawImage(0, sheet.height(), menus);
    joined.end();
    if (!whole.save(argv[2])) {
        std::printf("desktopentryshot: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("desktopentryshot: wrote %s\n", argv[2]);
    return 0;
}
