#include "app/win32/win_icons.h"

#include <cstdint>
#include <vector>

namespace vclock::win32 {
namespace {

HICON fromPicture(const Picture& picture, BOOL isIcon) {
    const int w = picture.width;
    const int h = picture.height;
    if (w <= 0 || h <= 0) return nullptr;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP color = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!color) return nullptr;

    // The mask: one bit per pixel, rows padded to 16 bits; set means transparent.
    const int stride = (w + 15) / 16 * 2;
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(stride) * h, 0);
    auto* out = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = picture.at(x, y);
            const bool transparent = (p >> 24) == 0;
            out[y * w + x] = transparent ? 0 : (p | 0xff000000u);
            if (transparent) mask[static_cast<std::size_t>(y) * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    HBITMAP maskBitmap = CreateBitmap(w, h, 1, 1, mask.data());

    ICONINFO iconInfo{};
    iconInfo.fIcon = isIcon;
    iconInfo.hbmColor = color;
    iconInfo.hbmMask = maskBitmap;
    HICON made = maskBitmap ? CreateIconIndirect(&iconInfo) : nullptr;
    DeleteObject(color);
    if (maskBitmap) DeleteObject(maskBitmap);
    return made;
}

}  // namespace

HICON createIcon(const Icon& icon, int size) {
    const Icon::Image* image = icon.best(size);
    return image ? fromPicture(*image->picture, TRUE) : nullptr;
}

HCURSOR createCursor(const Picture& picture) { return static_cast<HCURSOR>(fromPicture(picture, FALSE)); }

}  // namespace vclock::win32
