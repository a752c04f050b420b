#include "canvas.h"
#include "palette.h"
#include "vehicles.h"
#include "wheels.h"

namespace {
// Where the head ends and the back begins when the picture puts them side by side.
constexpr int kJoint = 30;

// The whole motorbike with its rider, shifted by dx; each half is this drawing clipped to its own
// canvas, so the two halves always meet. The rider sits across the joint, where the picture may
// widen the bike with a body rectangle, and the helmet stays clear of the joint so that it
// survives a back part laid a few pixels over the head.
void drawMotorbike(Canvas& c, int dx)
{
    drawMotorTyre(c, dx + 7, 15);
    drawMotorTyre(c, dx + 37, 15);
    // Fork, headlamp, handlebar.
    c.polygon({{dx + 14, 23}, {dx + 19, 9}, {dx + 21, 9}, {dx + 16, 23}}, palette::chrome);
    c.disc(dx + 13, 8, 5, palette::body);
    c.rect(dx + 13, 9, 2, 3, palette::lamp);
    c.rect(dx + 18, 7, 5, 1, palette::body);
    // Tank, engine with cooling fins, exhaust.
    c.polygon({{dx + 21, 11}, {dx + 24, 9}, {dx + 31, 9}, {dx + 33, 12}, {dx + 22, 14}},
              palette::body);
    c.polygon({{dx + 21, 15}, {dx + 34, 14}, {dx + 34, 25}, {dx + 24, 25}, {dx + 21, 20}},
              palette::body);
    for (int y = 17; y <= 23; y += 2)
        c.rect(dx + 22, y, 6, 1, palette::trim);
    c.rect(dx + 23, 25, 14, 2, palette::chrome);
    // Seat, tail with its lamp, rear mudguard, swing arm, spring strut.
    c.polygon({{dx + 31, 11}, {dx + 44, 11}, {dx + 45, 13}, {dx + 31, 14}}, palette::body);
    c.polygon({{dx + 42, 11}, {dx + 53, 8}, {dx + 54, 10}, {dx + 45, 14}}, palette::body);
    c.rect(dx + 53, 8, 2, 2, palette::tailLamp);
    c.polygon(
        {{dx + 45, 13}, {dx + 50, 13}, {dx + 53, 16}, {dx + 51, 16}, {dx + 49, 15}, {dx + 45, 15}},
        palette::body);
    c.polygon({{dx + 33, 21}, {dx + 45, 22}, {dx + 45, 24}, {dx + 33, 23}}, palette::body);
    c.line(dx + 41, 14, dx + 43, 21, palette::hub);
    // Rider: helmet with visor, torso leaning forward, arm to the grip, leg down to the footrest.
    c.disc(dx + 20, 0, 7, palette::body);
    c.rect(dx + 20, 2, 3, 2, palette::glass);
    c.polygon({{dx + 22, 5}, {dx + 27, 5}, {dx + 36, 11}, {dx + 35, 13}, {dx + 28, 13}},
              palette::body);
    c.polygon({{dx + 18, 7}, {dx + 24, 6}, {dx + 25, 9}, {dx + 19, 9}}, palette::body);
    c.polygon({{dx + 26, 11}, {dx + 35, 11}, {dx + 35, 14}, {dx + 26, 14}}, palette::body);
    c.polygon({{dx + 25, 12}, {dx + 29, 12}, {dx + 33, 21}, {dx + 30, 22}}, palette::body);
    c.rect(dx + 30, 21, 4, 2, palette::body);
}
} // namespace

void drawMotorHead(Canvas& c)
{
    drawMotorbike(c, 0);
}

void drawMotorBack(Canvas& c)
{
    drawMotorbike(c, -kJoint);
}
