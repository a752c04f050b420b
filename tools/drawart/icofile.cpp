#include "icofile.h"

#include <QBuffer>
#include <QDataStream>

QByteArray icoFile(const QVector<QImage>& images)
{
    QVector<QByteArray> encoded;
    for (const QImage& image : images) {
        if (image.width() > 256 || image.height() > 256)
            return {};
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return {};
        encoded.append(png);
    }

    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // ICONDIR: reserved, type 1 (icon), number of images.
    out << quint16(0) << quint16(1) << quint16(images.size());
    constexpr quint32 kDirSize = 6;
    constexpr quint32 kEntrySize = 16;
    quint32 offset = kDirSize + kEntrySize * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        // A width or height of 256 is written as 0.
        out << quint8(images[i].width() & 0xff) << quint8(images[i].height() & 0xff) << quint8(0)
            << quint8(0)                 // no palette, reserved
            << quint16(1) << quint16(32) // planes, bits per pixel
            << quint32(encoded[i].size()) << offset;
        offset += quint32(encoded[i].size());
    }
    for (const QByteArray& png : encoded)
        out.writeRawData(png.constData(), png.size());
    return ico;
}
