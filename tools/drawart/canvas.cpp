#include "canvas.h"

#include <cstdlib>

namespace {
// 96 dots per inch, so the files do not depend on the screen of the machine that drew them.
constexpr int kDotsPerMeter = 3780;
} // namespace

Canvas::Canvas(int width, int height, bool transparent)
    : image_(width, height,
             transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
{
    image_.setDotsPerMeterX(kDotsPerMeter);
    image_.setDotsPerMeterY(kDotsPerMeter);
    image_.fill(transparent ? QColor(Qt::transparent) : QColor(Qt::white));
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(Qt::NoPen);
}

void Canvas::rect(int x, int y, int width, int height, const QColor& colour)
{
    if (width > 0 && height > 0)
        painter_.fillRect(x, y, width, height, colour);
}

void Canvas::ellipse(int x, int y, int width, int height, const QColor& colour)
{
    // Pixel (i, j) of the box is inside when
    // ((2i + 1 - w) / w)^2 + ((2j + 1 - h) / h)^2 <= 1, scaled to whole numbers.
    const long long w = width;
    const long long h = height;
    const long long limit = w * w * h * h;
    for (int j = 0; j < height; ++j) {
        const long long dy = 2 * j + 1 - h;
        int first = -1;
        int last = -1;
        for (int i = 0; i < width; ++i) {
            const long long dx = 2 * i + 1 - w;
            if (dx * dx * h * h + dy * dy * w * w <= limit) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        if (first >= 0)
            rect(x + first, y + j, last - first + 1, 1, colour);
    }
}

void Canvas::polygon(const QPolygon& corners, const QColor& colour)
{
    painter_.setBrush(colour);
    painter_.drawPolygon(corners);
    painter_.setBrush(Qt::NoBrush);
}

void Canvas::line(int x0, int y0, int x1, int y1, const QColor& colour)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        pixel(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

QImage Canvas::finish()
{
    painter_.end();
    return image_;
}
