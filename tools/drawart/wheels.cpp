#include "wheels.h"

#include "canvas.h"
#include "palette.h"

void drawTruckWheel(Canvas& canvas, int x, int y)
{
    canvas.rect(x, y, 21, 18, palette::paper);
    canvas.disc(x + 2, y + 1, 17, palette::body);
    canvas.disc(x + 5, y + 4, 11, palette::rim);
    canvas.disc(x + 7, y + 6, 7, palette::hubDark);
    canvas.disc(x + 9, y + 8, 3, palette::hub);
}

void drawCarTyre(Canvas& canvas, int x, int y)
{
    canvas.rect(x, y, 15, 14, palette::paper);
    canvas.disc(x + 1, y + 1, 13, palette::body);
    canvas.disc(x + 4, y + 4, 7, palette::rim);
    canvas.disc(x + 6, y + 6, 3, palette::hub);
}

void drawVanTyre(Canvas& canvas, int x, int y)
{
    canvas.rect(x, y, 18, 17, palette::paper);
    canvas.disc(x + 1, y + 1, 16, palette::body);
    canvas.disc(x + 5, y + 5, 8, palette::rim);
    canvas.disc(x + 7, y + 7, 4, palette::hub);
}

void drawBusTyre(Canvas& canvas, int x, int y)
{
    canvas.rect(x, y, 23, 17, palette::paper);
    canvas.disc(x + 3, y, 17, palette::body);
    canvas.disc(x + 6, y + 3, 11, palette::rim);
    canvas.disc(x + 8, y + 5, 7, palette::hubDark);
    canvas.disc(x + 10, y + 7, 3, palette::hub);
}

void drawMotorTyre(Canvas& canvas, int x, int y)
{
    canvas.rect(x, y, 16, 15, palette::paper);
    canvas.disc(x + 1, y + 1, 14, palette::body);
    canvas.disc(x + 3, y + 3, 10, palette::chrome);
    canvas.disc(x + 4, y + 4, 8, palette::paper);
    // Spokes.
    canvas.line(x + 5, y + 5, x + 10, y + 10, palette::hub);
    canvas.line(x + 10, y + 5, x + 5, y + 10, palette::hub);
    canvas.disc(x + 6, y + 6, 4, palette::hubDark);
}

void drawTractorTyre(Canvas& canvas, int x, int y)
{
    canvas.rect(x, y, 14, 14, palette::paper);
    canvas.disc(x, y, 14, palette::body);
    // Tread lugs notched into the outline.
    for (const int i : {3, 9}) {
        canvas.pixel(x + i + 1, y, palette::paper);
        canvas.pixel(x + i + 1, y + 13, palette::paper);
        canvas.pixel(x, y + i + 1, palette::paper);
        canvas.pixel(x + 13, y + i + 1, palette::paper);
    }
    canvas.disc(x + 3, y + 3, 8, palette::tractorRim);
    canvas.disc(x + 5, y + 5, 4, palette::hubDark);
}

void drawUnclassifiedWheel(Canvas& canvas, int x, int y)
{
    canvas.rect(x, y, 21, 18, palette::paper);
    canvas.disc(x + 2, y + 1, 17, palette::unknownTyre);
    canvas.disc(x + 6, y + 5, 9, palette::paper);
    canvas.disc(x + 8, y + 7, 5, palette::unknownTyre);
}
