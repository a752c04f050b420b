#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// An ICO file holding the given square images, each stored as PNG data, in the given order.
// Returns an empty array when an image is larger than 256 pixels or cannot be encoded.
QByteArray icoFile(const QVector<QImage>& images);
