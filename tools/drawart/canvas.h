#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPolygon>

#include <initializer_list>

// A small raster to draw pixel art on. Everything is drawn without antialiasing and with integer
// arithmetic, so the same program always produces the same pixels.
class Canvas
{
public:
    // An opaque canvas filled with white, or a transparent one for the icon.
    Canvas(int width, int height, bool transparent = false);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void rect(int x, int y, int width, int height, const QColor& colour);
    void pixel(int x, int y, const QColor& colour) { rect(x, y, 1, 1, colour); }
    // The ellipse inscribed in the box: a pixel belongs to it when its centre lies inside.
    void ellipse(int x, int y, int width, int height, const QColor& colour);
    void disc(int x, int y, int diameter, const QColor& colour)
    {
        ellipse(x, y, diameter, diameter, colour);
    }
    // Filled polygon with corners on pixel edges: (0,0)-(2,0)-(2,2)-(0,2) covers four pixels.
    void polygon(const QPolygon& corners, const QColor& colour);
    void polygon(std::initializer_list<QPoint> corners, const QColor& colour)
    {
        polygon(QPolygon(QVector<QPoint>(corners)), colour);
    }
    // One pixel wide line between two pixel positions, both included.
    void line(int x0, int y0, int x1, int y1, const QColor& colour);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    // Ends the drawing; the canvas must not be drawn on afterwards.
    QImage finish();

private:
    QImage image_;
    QPainter painter_;
};
