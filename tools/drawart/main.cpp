// drawart: draws the editor's vehicle bitmaps and its icon into a res/ folder.
// Usage: drawart <res dir>; writes <res dir>/bmps/<Name>.bmp and <res dir>/icon.ico.

#include "canvas.h"
#include "icofile.h"
#include "icon.h"
#include "vehicles.h"
#include "wheels.h"

#include <QDir>
#include <QFile>
#include <QVector>

#include <cstdio>

namespace {
struct Artwork
{
    const char* name;
    int width;
    int height;
    void (*draw)(Canvas&);
};

// In the order of the picture's bitmap table.
const Artwork kArtworks[] = {
    {"TruckWheel1", 21, 18, [](Canvas& c) { drawTruckWheel(c, 0, 0); }},
    {"TruckHead1", 37, 46, drawTruckHead},
    {"LightTruckHead", 37, 46, drawLightTruckHead},
    {"CarTireS", 15, 14, [](Canvas& c) { drawCarTyre(c, 0, 0); }},
    {"CarHeadS1", 50, 25, drawCarHead},
    {"CarBackS1", 41, 25, drawCarBack},
    {"VanTire", 18, 17, [](Canvas& c) { drawVanTyre(c, 0, 0); }},
    {"VanHead", 57, 38, drawVanHead},
    {"VanBack", 42, 38, drawVanBack},
    {"BusTire", 23, 17, [](Canvas& c) { drawBusTyre(c, 0, 0); }},
    {"BusHead", 79, 40, drawBusHead},
    {"BusBack", 62, 40, drawBusBack},
    {"BusLink", 16, 40, drawBusLink},
    {"MotorTire2", 16, 15, [](Canvas& c) { drawMotorTyre(c, 0, 0); }},
    {"MotorHead2", 30, 30, drawMotorHead},
    {"MotorBack2", 31, 30, drawMotorBack},
    {"UnclassifiedWheel", 21, 18, [](Canvas& c) { drawUnclassifiedWheel(c, 0, 0); }},
    {"TractorTire", 14, 14, [](Canvas& c) { drawTractorTyre(c, 0, 0); }},
    {"TractorHead", 28, 46, drawTractorHead},
    {"TractorBack", 33, 46, drawTractorBack},
};

const int kIconSizes[] = {256, 128, 64, 48, 32, 16};

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fprintf(stderr, "drawart: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: drawart <res dir>\n");
        return 2;
    }
    const QDir res(QString::fromLocal8Bit(argv[1]));
    if (!res.mkpath(QStringLiteral("bmps"))) {
        std::fprintf(stderr, "drawart: cannot create %s/bmps\n", argv[1]);
        return 1;
    }

    for (const Artwork& art : kArtworks) {
        Canvas canvas(art.width, art.height);
        art.draw(canvas);
        const QString path = res.filePath(QStringLiteral("bmps/%1.bmp").arg(art.name));
        if (!canvas.finish().save(path, "BMP")) {
            std::fprintf(stderr, "drawart: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    QVector<QImage> icons;
    for (const int size : kIconSizes)
        icons.append(drawIcon(size));
    const QByteArray ico = icoFile(icons);
    if (ico.isEmpty()) {
        std::fprintf(stderr, "drawart: cannot encode the icon\n");
        return 1;
    }
    return writeFile(res.filePath(QStringLiteral("icon.ico")), ico) ? 0 : 1;
}
