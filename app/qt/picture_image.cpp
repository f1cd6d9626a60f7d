#include "app/qt/picture_image.h"

#include <QPixmap>

namespace vclock::qt {

QImage imageOf(const Picture& picture) {
    // 0xAARRGGBB words are exactly QImage's ARGB32 layout.
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
                  picture.width * 4, QImage::Format_ARGB32);
}

QIcon iconOf(const Icon& icon) {
    QIcon result;
    for (const Icon::Image& image : icon.images) {
        if (image.picture) result.addPixmap(QPixmap::fromImage(imageOf(*image.picture)));
    }
    return result;
}

}  // namespace vclock::qt
