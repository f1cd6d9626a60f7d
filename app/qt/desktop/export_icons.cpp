// Writes the images of the program's window icon as PNG files where desktop
// icon themes look for them: export_icons <folder> <size>...
// Each size must be one the icon holds; nothing is scaled. Larger sizes come
// from the painter's scalable drawing of the same clock.
#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QImage>
#include <QString>

#include "app/qt/picture_image.h"
#include "assets/artwork.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <folder> <size>...\n", argv[0]);
        return 2;
    }
    const vclock::IconHandle& icon = vclock::embeddedArtwork().windowIcon;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const vclock::Icon::Image* image = icon ? icon->best(size) : nullptr;
        if (!image || !image->picture || image->picture->width != size || image->picture->height != size) {
            std::fprintf(stderr, "%s: the window icon has no %s px image\n", argv[0], argv[i]);
            return 1;
        }
        const QString dir = folder + QStringLiteral("/%1x%1/apps").arg(size);
        if (!QDir().mkpath(dir) || !vclock::qt::imageOf(*image->picture).save(dir + QStringLiteral("/vordane-clock.png")))
            return 1;
    }
    return 0;
}
