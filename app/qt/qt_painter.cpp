#include "app/qt/qt_painter.h"

#include <cmath>

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include "app/qt/picture_image.h"
#include "app/window/system_colors.h"

namespace vclock::qt {
QRect qtRect(const Rect& r) { return QRect(r.left, r.top, r.width, r.height); }

namespace {

Color fixed(const QColor& c) {
    return Color::rgb(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                      static_cast<std::uint8_t>(c.blue()));
}

// The desktop's colours, read once from the application's palette.
const SystemColors& systemColors() {
    static const SystemColors colors = [] {
        const QPalette palette = QGuiApplication::palette();
        return SystemColors{fixed(palette.color(QPalette::WindowText)), fixed(palette.color(QPalette::Button)),
                            fixed(palette.color(QPalette::ButtonText)), fixed(palette.color(QPalette::Dark))};
    }();
    return colors;
}

}  // namespace

QColor qtColor(Color c) {
    const Color shown = resolve(c, systemColors());
    return QColor(shown.r, shown.g, shown.b);
}

QFont qtFont(const Font& font) {
    // The layout names Windows fonts; fontconfig puts fonts of the same
    // widths in their place (app/qt/fonts), else the desktop's sans-serif.
    QFont result(QString::fromStdString(font.family));
    result.setStyleHint(QFont::SansSerif);
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSize * 96.0 / 72.0))));
    result.setBold(font.bold);
    return result;
}

void QtPainter::setClip(const Rect& clip) { painter_.setClipRect(qtRect(clip)); }

void QtPainter::fillRect(const Rect& area, Color color) { painter_.fillRect(qtRect(area), qtColor(color)); }

void QtPainter::drawPicture(const Picture& picture, Point at) {
    painter_.drawImage(QPoint(at.x, at.y), imageOf(picture));
}

void QtPainter::drawPictureScaled(const Picture& picture, const Rect& target) {
    painter_.drawImage(qtRect(target), imageOf(picture));
}

void QtPainter::drawText(const std::string& text, const Rect& box, const Font& font, Color color, Align align,
                         bool wrap) {
    int flags = Qt::AlignTop;
    flags |= align == Align::Center ? Qt::AlignHCenter : align == Align::Right ? Qt::AlignRight : Qt::AlignLeft;
    if (wrap) flags |= Qt::TextWordWrap;
    painter_.save();
    painter_.setClipRect(qtRect(box), Qt::IntersectClip);
    painter_.setFont(qtFont(font));
    painter_.setPen(qtColor(color));
    painter_.drawText(qtRect(box), flags, QString::fromStdString(text));
    painter_.restore();
}

void QtPainter::drawFrameBorder(const Rect& box, Color color) {
    painter_.save();
    painter_.setPen(qtColor(color));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRect(box.left, box.top, box.width - 1, box.height - 1));
    painter_.restore();
}

}  // namespace vclock::qt
