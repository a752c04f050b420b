#include "icon.h"

#include "canvas.h"

#include <QColor>

namespace {
// The design lives on a 256 × 256 grid; it is drawn at kOversample times the wanted size without
// antialiasing and then averaged down, which smooths the edges by whole-number arithmetic only.
constexpr int kGrid = 256;
constexpr int kOversample = 4;
constexpr int kSmallSize = 16;

const QColor kTile(31, 95, 139);
const QColor kRoad(19, 58, 88);
const QColor kPlate(242, 169, 0);
const QColor kTruck(255, 255, 255);
const QColor kGlass(159, 208, 240);
const QColor kTyre(26, 26, 26);
const QColor kHub(190, 190, 190);

class GridCanvas
{
public:
    explicit GridCanvas(int pixels) : canvas_(pixels, pixels, true), pixels_(pixels) {}

    void rect(int x0, int y0, int x1, int y1, const QColor& colour)
    {
        canvas_.rect(at(x0), at(y0), at(x1) - at(x0), at(y1) - at(y0), colour);
    }
    void disc(int cx, int cy, int radius, const QColor& colour)
    {
        const int x = at(cx - radius);
        const int y = at(cy - radius);
        canvas_.ellipse(x, y, at(cx + radius) - x, at(cy + radius) - y, colour);
    }
    void roundedRect(int x0, int y0, int x1, int y1, int radius, const QColor& colour)
    {
        rect(x0 + radius, y0, x1 - radius, y1, colour);
        rect(x0, y0 + radius, x1, y1 - radius, colour);
        disc(x0 + radius, y0 + radius, radius, colour);
        disc(x1 - radius, y0 + radius, radius, colour);
        disc(x0 + radius, y1 - radius, radius, colour);
        disc(x1 - radius, y1 - radius, radius, colour);
    }
    void polygon(std::initializer_list<QPoint> corners, const QColor& colour)
    {
        QPolygon scaled;
        for (const QPoint& p : corners)
            scaled.append(QPoint(at(p.x()), at(p.y())));
        canvas_.polygon(scaled, colour);
    }
    QImage finish() { return canvas_.finish(); }

private:
    int at(int v) const { return v * pixels_ / kGrid; }
    Canvas canvas_;
    int pixels_;
};

void drawDesign(GridCanvas& g)
{
    g.roundedRect(8, 8, 248, 248, 44, kTile);
    // The road with the weighing plate let into it.
    g.rect(24, 194, 232, 216, kRoad);
    g.rect(44, 190, 212, 200, kPlate);
    // Load box and cab, facing left, on one chassis.
    g.rect(104, 60, 222, 170, kTruck);
    g.polygon({{40, 112}, {56, 88}, {98, 88}, {98, 176}, {40, 176}}, kTruck);
    g.rect(40, 158, 222, 176, kTruck);
    g.polygon({{50, 114}, {62, 98}, {88, 98}, {88, 124}, {50, 124}}, kGlass);
    // A downward arrow on the box: the load being weighed.
    g.rect(152, 80, 174, 116, kTile);
    g.polygon({{136, 112}, {190, 112}, {163, 144}}, kTile);
    // Wheels in cut-out arches, standing on the plate.
    for (const int x : {76, 160, 198}) {
        g.disc(x, 170, 24, kTile);
        g.disc(x, 170, 20, kTyre);
        g.disc(x, 170, 8, kHub);
    }
    g.rect(24, 190, 44, 194, kTile);
    g.rect(212, 190, 232, 194, kTile);
}

// At 16 pixels the design is drawn pixel by pixel, without the arrow: averaged down it would be
// a blur.
void drawSmallDesign(Canvas& c)
{
    c.rect(2, 0, 12, 16, kTile);
    c.rect(1, 1, 14, 14, kTile);
    c.rect(0, 2, 16, 12, kTile);
    c.rect(6, 2, 9, 8, kTruck);
    c.rect(2, 5, 4, 6, kTruck);
    c.pixel(2, 5, kTile);
    c.rect(3, 6, 2, 2, kGlass);
    c.rect(2, 10, 13, 1, kTruck);
    for (const int x : {3, 8, 12}) {
        c.rect(x, 10, 3, 3, kTyre);
        c.pixel(x + 1, 11, kHub);
    }
    c.rect(1, 13, 14, 1, kPlate);
    c.rect(1, 14, 14, 1, kRoad);
}

// Each output pixel is the average of its factor² samples; the samples are either fully
// transparent or fully opaque, which keeps the average exact.
QImage downsample(const QImage& big, int size, int factor)
{
    QImage out(size, size, QImage::Format_ARGB32);
    out.setDotsPerMeterX(big.dotsPerMeterX());
    out.setDotsPerMeterY(big.dotsPerMeterY());
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size; ++x) {
            int opaque = 0;
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < factor; ++j) {
                const auto* src = reinterpret_cast<const QRgb*>(big.constScanLine(y * factor + j));
                for (int i = 0; i < factor; ++i) {
                    const QRgb p = src[x * factor + i];
                    if (qAlpha(p) == 0)
                        continue;
                    ++opaque;
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            if (opaque == 0) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const int samples = factor * factor;
            line[x] = qRgba((r + opaque / 2) / opaque, (g + opaque / 2) / opaque,
                            (b + opaque / 2) / opaque, (255 * opaque + samples / 2) / samples);
        }
    }
    return out;
}
} // namespace

QImage drawIcon(int size)
{
    if (size == kSmallSize) {
        Canvas c(kSmallSize, kSmallSize, true);
        drawSmallDesign(c);
        return downsample(c.finish(), kSmallSize, 1);
    }
    GridCanvas g(size * kOversample);
    drawDesign(g);
    return downsample(g.finish(), size, kOversample);
}
