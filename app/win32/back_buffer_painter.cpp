#include "app/win32/back_buffer_painter.h"

#include <algorithm>
#include <vector>

#include "app/win32/win_text.h"

namespace vclock::win32 {
namespace {

BITMAPINFO topDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// 0x00RRGGBB, the order of a 32-bit DIB's bytes read as one word.
std::uint32_t pixelOf(Color color) {
    const COLORREF c = toColorRef(color);
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) | (static_cast<std::uint32_t>(GetGValue(c)) << 8) |
           GetBValue(c);
}

}  // namespace

BackBufferPainter::BackBufferPainter(FontCache& fonts) : fonts_(fonts), dc_(CreateCompatibleDC(nullptr)) {}

BackBufferPainter::~BackBufferPainter() {
    if (previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void BackBufferPainter::resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (bitmap_ && width <= width_ && height <= height_) return;
    width = std::max(width, width_);
    height = std::max(height, height_);
    BITMAPINFO info = topDownInfo(width, height);
    void* bits = nullptr;
    HBITMAP made = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!made) return;  // out of memory: keep the old buffer, painting is clipped to it
    HGDIOBJ old = SelectObject(dc_, made);
    if (!previous_) previous_ = old;
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = made;
    pixels_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    clip_ = {0, 0, width_, height_};
}

void BackBufferPainter::present(HDC target, const Rect& area) {
    const Rect r = intersect(area, {0, 0, width_, height_});
    if (r.empty()) return;
    GdiFlush();
    BitBlt(target, r.left, r.top, r.width, r.height, dc_, r.left, r.top, SRCCOPY);
}

void BackBufferPainter::setClip(const Rect& clip) {
    clip_ = intersect(scale_.toDevice(clip), {0, 0, width_, height_});
    SelectClipRgn(dc_, nullptr);
    IntersectClipRect(dc_, clip_.left, clip_.top, clip_.right(), clip_.bottom());
}

void BackBufferPainter::fillRect(const Rect& area, Color color) {
    const Rect r = intersect(scale_.toDevice(area), clip_);
    if (r.empty()) return;
    GdiFlush();
    const std::uint32_t value = pixelOf(color);
    for (int y = r.top; y < r.bottom(); ++y) std::fill_n(row(y) + r.left, r.width, value);
}

void BackBufferPainter::drawPicture(const Picture& picture, Point at) {
    const Rect r = intersect(scale_.toDevice(Rect{at.x, at.y, picture.width, picture.height}), clip_);
    if (r.empty()) return;
    GdiFlush();
    // Each device pixel shows the picture's pixel under its design pixel,
    // the same grid for every picture, so neighbours stay in register.
    std::vector<int> columns(static_cast<std::size_t>(r.width));
    for (int x = r.left; x < r.right(); ++x) columns[static_cast<std::size_t>(x - r.left)] = scale_.toDesign(x) - at.x;
    for (int y = r.top; y < r.bottom(); ++y) {
        std::uint32_t* out = row(y) + r.left;
        const int sy = scale_.toDesign(y) - at.y;
        for (int i = 0; i < r.width; ++i) {
            const std::uint32_t p = picture.at(columns[static_cast<std::size_t>(i)], sy);
            if (p >> 24) out[i] = p & 0x00ffffffu;
        }
    }
}

void BackBufferPainter::drawPictureScaled(const Picture& picture, const Rect& designTarget) {
    const Rect target = scale_.toDevice(designTarget);
    const Rect r = intersect(target, clip_);
    if (r.empty() || picture.width <= 0 || picture.height <= 0) return;
    GdiFlush();
    for (int y = r.top; y < r.bottom(); ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y - target.top) * picture.height / target.height);
        std::uint32_t* out = row(y);
        for (int x = r.left; x < r.right(); ++x) {
            const int sx = static_cast<int>(static_cast<long long>(x - target.left) * picture.width / target.width);
            const std::uint32_t p = picture.at(sx, sy);
            if (p >> 24) out[x] = p & 0x00ffffffu;
        }
    }
}

void BackBufferPainter::drawText(const std::string& text, const Rect& box, const Font& font, Color color, Align align,
                                 bool wrap) {
    const Rect device = scale_.toDevice(box);
    if (intersect(device, clip_).empty() || text.empty()) return;
    std::wstring wide = toWide(text);
    RECT r{device.left, device.top, device.right(), device.bottom()};
    UINT format = DT_NOPREFIX | (wrap ? DT_WORDBREAK : DT_SINGLELINE);
    format |= align == Align::Center ? DT_CENTER : align == Align::Right ? DT_RIGHT : DT_LEFT;
    HGDIOBJ oldFont = SelectObject(dc_, fonts_.get(scale_.toDevice(font)));
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, toColorRef(color));
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, format);
    SelectObject(dc_, oldFont);
}

void BackBufferPainter::drawFrameBorder(const Rect& box, Color color) {
    fillRect({box.left, box.top, box.width, 1}, color);
    fillRect({box.left, box.bottom() - 1, box.width, 1}, color);
    fillRect({box.left, box.top, 1, box.height}, color);
    fillRect({box.right() - 1, box.top, 1, box.height}, color);
}

}  // namespace vclock::win32
