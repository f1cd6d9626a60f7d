// Writes the program's alarm-clock icon as PNG files in the sizes desktop
// icon themes look for: export_icons <folder> <size>...
// Each size is scaled from the nearest larger image of the window icon.
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
        if (size <= 0 || !image || !image->picture) return 1;
        const QImage scaled = vclock::qt::imageOf(*image->picture)
                                  .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString dir = folder + QStringLiteral("/%1x%1/apps").arg(size);
        if (!QDir().mkpath(dir) || !scaled.save(dir + QStringLiteral("/vordane-clock.png"))) return 1;
    }
    return 0;
}
