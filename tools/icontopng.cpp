// Build step: writes the image of an .ico file nearest to a wanted size as a PNG, scaled to
// that size, for the desktop's icon theme.
//   vorlan_icontopng <input.ico> <output.png> <size>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList args = application.arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args.at(3).toInt(&sizeOk) : 0;
    if (!sizeOk || size <= 0) {
        err << "usage: vorlan_icontopng <input.ico> <output.png> <size>\n";
        return EXIT_FAILURE;
    }

    QImageReader reader(args.at(1));
    QImage best;
    for (int i = 0; i < qMax(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (image.isNull())
            continue;
        // Prefer the smallest image that is at least as large as wanted, else the largest.
        const bool bigEnough = image.width() >= size;
        const bool bestBigEnough = !best.isNull() && best.width() >= size;
        if (best.isNull() || (bigEnough && (!bestBigEnough || image.width() < best.width())) ||
            (!bigEnough && !bestBigEnough && image.width() > best.width()))
            best = image;
    }
    if (best.isNull()) {
        err << "vorlan_icontopng: cannot read " << args.at(1) << ": " << reader.errorString()
            << "\n";
        return EXIT_FAILURE;
    }
    if (best.width() != size || best.height() != size)
        best = best.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!best.save(args.at(2), "PNG")) {
        err << "vorlan_icontopng: cannot write " << args.at(2) << "\n";
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
