#pragma once

#include <QImage>

// The application icon at `size` × `size` pixels, with an alpha channel: a truck standing on the
// weighing plate of a road.
QImage drawIcon(int size);
