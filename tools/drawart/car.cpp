#include "canvas.h"
#include "palette.h"
#include "vehicles.h"
#include "wheels.h"

// Head and back fill the full height at their inner edge, where the body rectangle of a long car
// joins them.

void drawCarHead(Canvas& c)
{
    c.polygon({{0, 13}, {2, 11}, {21, 9}, {31, 1}, {33, 0}, {50, 0}, {50, 25}, {2, 25}, {0, 23}},
              palette::body);
    c.polygon({{26, 9}, {33, 3}, {47, 3}, {47, 9}}, palette::glass);
    c.rect(0, 13, 3, 2, palette::lamp);
    c.rect(0, 20, 5, 1, palette::trim);
    c.rect(33, 10, 1, 13, palette::trim);
    c.rect(44, 12, 3, 1, palette::chrome);
    drawCarTyre(c, 17, 17);
}

void drawCarBack(Canvas& c)
{
    c.polygon({{0, 0}, {13, 0}, {15, 1}, {24, 9}, {38, 10}, {41, 13}, {41, 23}, {39, 25}, {0, 25}},
              palette::body);
    c.polygon({{1, 3}, {15, 3}, {21, 9}, {1, 9}}, palette::glass);
    c.rect(39, 12, 2, 3, palette::tailLamp);
    c.rect(36, 20, 5, 1, palette::trim);
    c.rect(10, 12, 3, 1, palette::chrome);
    drawCarTyre(c, 13, 17);
}
