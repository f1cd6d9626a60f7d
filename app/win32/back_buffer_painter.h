#pragma once

#include <windows.h>

#include <cstdint>

#include "app/win32/font_cache.h"
#include "app/window/painter.h"
#include "app/window/scale.h"

namespace vclock::win32 {

// A window's back buffer, a 32-bit top-down DIB, and the Painter that draws
// into it: pictures and fills by hand, text by GDI. Changed rectangles are
// painted here first and then copied to the screen, so nothing flickers.
// The core paints in design pixels; the buffer holds device pixels at the
// window's density and scales every call by it.
class BackBufferPainter final : public Painter {
public:
    explicit BackBufferPainter(FontCache& fonts);
    BackBufferPainter(const BackBufferPainter&) = delete;
    BackBufferPainter& operator=(const BackBufferPainter&) = delete;
    ~BackBufferPainter() override;

    // Makes the buffer at least this big; its contents are then undefined.
    void resize(int width, int height);
    // The density of the window the buffer paints for.
    void setScale(const Scale& scale) { scale_ = scale; }
    const Scale& scale() const { return scale_; }
    // Copies one painted rectangle, in device pixels, to the window's device context.
    void present(HDC target, const Rect& area);

    void setClip(const Rect& clip) override;
    void fillRect(const Rect& area, Color color) override;
    void drawPicture(const Picture& picture, Point at) override;
    void drawPictureScaled(const Picture& picture, const Rect& target) override;
    void drawText(const std::string& text, const Rect& box, const Font& font, Color color, Align align,
                  bool wrap) override;
    void drawFrameBorder(const Rect& box, Color color) override;

private:
    std::uint32_t* row(int y) { return pixels_ + static_cast<std::ptrdiff_t>(y) * width_; }

    FontCache& fonts_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    Scale scale_;
    Rect clip_;  // device pixels
};

}  // namespace vclock::win32
