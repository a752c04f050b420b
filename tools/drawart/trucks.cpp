#include "canvas.h"
#include "palette.h"
#include "vehicles.h"
#include "wheels.h"

// Both truck heads meet the load box (7 pixels taller than the heavy cab) and the chassis beam
// along their right edge; the chassis beam takes rows 33 to 45.

void drawTruckHead(Canvas& c)
{
    // Cab over the front axle, with a rounded top front corner.
    c.polygon({{0, 4}, {4, 0}, {37, 0}, {37, 46}, {29, 46}, {29, 34}, {0, 34}}, palette::body);
    // Bumper below the cab.
    c.rect(0, 34, 9, 6, palette::body);
    c.rect(0, 38, 8, 1, palette::trim);
    // Door window with the windscreen pillar in front, and the sleeper window behind.
    c.polygon({{4, 5}, {19, 5}, {19, 16}, {2, 16}, {2, 7}}, palette::glass);
    c.rect(24, 6, 8, 5, palette::glass);
    // Door outline and handle.
    c.rect(1, 3, 20, 1, palette::trim);
    c.rect(21, 3, 1, 28, palette::trim);
    c.rect(16, 19, 3, 1, palette::chrome);
    // Step plates, headlamp, marker lamp.
    c.rect(18, 31, 4, 1, palette::trim);
    c.rect(0, 26, 2, 3, palette::lamp);
    c.rect(0, 21, 1, 2, palette::lamp);
    // Fuel tank on the chassis.
    c.rect(30, 36, 6, 6, palette::chrome);
    c.rect(30, 38, 6, 1, palette::hub);
    drawTruckWheel(c, 8, 33);
}

void drawLightTruckHead(Canvas& c)
{
    // A small cab behind a short bonnet, low on the chassis.
    c.polygon({{0, 23},
               {2, 21},
               {9, 20},
               {14, 7},
               {16, 6},
               {37, 6},
               {37, 46},
               {29, 46},
               {29, 41},
               {0, 41}},
              palette::body);
    c.polygon({{15, 9}, {27, 9}, {27, 20}, {11, 20}}, palette::glass);
    c.rect(29, 8, 1, 30, palette::trim);
    c.rect(24, 23, 3, 1, palette::chrome);
    c.rect(0, 25, 2, 3, palette::lamp);
    c.rect(0, 37, 8, 2, palette::chrome);
    drawTruckWheel(c, 8, 37);
}
