#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>

#include "app/window/painter.h"

namespace vclock::qt {

// The same rectangle and colour in Qt's types.
QRect qtRect(const Rect& r);
QColor qtColor(Color c);

// The Qt font standing in for a layout font. Sizes are pixels of the design
// density (96 per inch), so text fits the face whatever the screen reports.
QFont qtFont(const Font& font);

// Paints the core's drawing calls with a QPainter.
class QtPainter final : public Painter {
public:
    explicit QtPainter(QPainter& painter) : painter_(painter) {}

    void setClip(const Rect& clip) override;
    void fillRect(const Rect& area, Color color) override;
    void drawPicture(const Picture& picture, Point at) override;
    void drawPictureScaled(const Picture& picture, const Rect& target) override;
    void drawText(const std::string& text, const Rect& box, const Font& font, Color color, Align align,
                  bool wrap) override;
    void drawFrameBorder(const Rect& box, Color color) override;

private:
    QPainter& painter_;
};

}  // namespace vclock::qt
