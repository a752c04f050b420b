#include "canvas.h"
#include "palette.h"
#include "vehicles.h"
#include "wheels.h"

#include <QPoint>

// The picture lays the tractor's head and back over its wheels: the head carries the small front
// wheel, the back the big rear wheel under the cab. The bonnet joins both along rows 15 to 33.

void drawTractorHead(Canvas& c)
{
    // Exhaust stack.
    c.rect(20, 4, 2, 11, palette::body);
    c.rect(19, 2, 4, 2, palette::body);
    // Bonnet with the grille at the front and front ballast weights below it.
    drawTractorTyre(c, 7, 32);
    c.polygon({{1, 16}, {3, 15}, {28, 15}, {28, 34}, {21, 34}, {21, 32}, {7, 32}, {7, 34}, {1, 34}},
              palette::body);
    for (int y = 21; y <= 31; y += 2)
        c.rect(1, y, 3, 1, palette::trim);
    c.rect(0, 17, 3, 2, palette::lamp);
    c.rect(0, 30, 5, 7, palette::hubDark);
    c.rect(0, 33, 5, 1, palette::body);
}

void drawTractorBack(Canvas& c)
{
    // Mudguard over the upper half of the big wheel, a pixel clear of the tyre.
    c.disc(-2, 13, 36, palette::body);
    c.disc(0, 15, 32, palette::paper);
    c.rect(0, 31, 33, 15, palette::paper);
    // Cab: roof, frame, two panes of glass, standing on the mudguard.
    c.rect(2, 0, 29, 2, palette::body);
    c.rect(3, 2, 27, 12, palette::body);
    c.rect(5, 3, 11, 10, palette::glass);
    c.rect(17, 3, 10, 10, palette::glass);
    // Bonnet end under the windscreen.
    c.rect(0, 15, 5, 19, palette::body);
    // The big rear wheel, its tread lugs notched into the lower outline.
    c.disc(1, 16, 30, palette::body);
    static const QPoint lugs[] = {{29, 34}, {26, 41}, {19, 44}, {12, 44}, {5, 41}, {1, 34}};
    for (const QPoint& p : lugs)
        c.rect(p.x(), p.y(), 2, 2, palette::paper);
    c.disc(8, 23, 16, palette::tractorRim);
    c.disc(12, 27, 8, palette::hubDark);
    c.disc(15, 30, 2, palette::hub);
    // Tow hitch.
    c.rect(29, 33, 4, 3, palette::body);
}
