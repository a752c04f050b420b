#include "canvas.h"
#include "palette.h"
#include "vehicles.h"
#include "wheels.h"

namespace {
constexpr int kWindowTop = 7;
constexpr int kWindowHeight = 14;

void passengerWindow(Canvas& c, int x, int width)
{
    c.rect(x, kWindowTop, width, kWindowHeight, palette::glass);
}

void door(Canvas& c, int x)
{
    c.rect(x, kWindowTop, 10, 30, palette::glass);
    c.rect(x + 4, kWindowTop, 2, 30, palette::body);
}
} // namespace

void drawBusHead(Canvas& c)
{
    c.polygon({{0, 4}, {2, 1}, {5, 0}, {79, 0}, {79, 40}, {0, 40}}, palette::body);
    c.rect(5, 2, 17, 3, palette::sign);
    c.polygon({{3, kWindowTop}, {12, kWindowTop}, {12, 21}, {1, 21}, {1, 9}}, palette::glass);
    door(c, 14);
    passengerWindow(c, 27, 18);
    passengerWindow(c, 47, 18);
    passengerWindow(c, 67, 10);
    c.rect(0, 29, 2, 3, palette::lamp);
    c.rect(0, 35, 10, 1, palette::trim);
    drawBusTyre(c, 28, 28);
}

void drawBusBack(Canvas& c)
{
    c.polygon({{0, 0}, {58, 0}, {61, 2}, {62, 5}, {62, 40}, {0, 40}}, palette::body);
    door(c, 5);
    passengerWindow(c, 18, 18);
    passengerWindow(c, 38, 18);
    // Engine grille at the rear.
    for (int y = 25; y <= 31; y += 2)
        c.rect(46, y, 11, 1, palette::trim);
    c.rect(60, 27, 2, 6, palette::tailLamp);
    c.rect(52, 35, 10, 1, palette::trim);
    drawBusTyre(c, 20, 28);
}

void drawBusLink(Canvas& c)
{
    // The folded bellows between the two halves of an articulated bus.
    c.rect(0, 0, 16, 40, palette::body);
    for (int x = 1; x < 16; x += 3)
        c.rect(x, 3, 1, 33, palette::trim);
    c.rect(0, 36, 16, 2, palette::hubDark);
}
