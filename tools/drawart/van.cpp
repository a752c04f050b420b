#include "canvas.h"
#include "palette.h"
#include "vehicles.h"
#include "wheels.h"

void drawVanHead(Canvas& c)
{
    c.polygon({{0, 18}, {3, 15}, {15, 1}, {17, 0}, {57, 0}, {57, 38}, {1, 38}, {0, 37}},
              palette::body);
    c.polygon({{17, 3}, {31, 3}, {31, 14}, {8, 14}}, palette::glass);
    c.rect(34, 3, 21, 11, palette::glass);
    c.rect(32, 15, 1, 20, palette::trim);
    c.rect(2, 23, 55, 1, palette::trim);
    c.rect(27, 17, 3, 1, palette::chrome);
    c.rect(0, 19, 3, 3, palette::lamp);
    c.rect(0, 32, 9, 2, palette::chrome);
    drawVanTyre(c, 19, 28);
}

void drawVanBack(Canvas& c)
{
    c.polygon({{0, 0}, {39, 0}, {42, 3}, {42, 38}, {0, 38}}, palette::body);
    c.rect(2, 3, 35, 11, palette::glass);
    c.rect(0, 23, 41, 1, palette::trim);
    c.rect(40, 17, 2, 6, palette::tailLamp);
    c.rect(35, 32, 7, 2, palette::chrome);
    drawVanTyre(c, 12, 28);
}
