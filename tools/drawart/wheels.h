#pragma once

class Canvas;

// Each wheel is drawn with the top left corner of its bitmap at (x, y), white margins included,
// so that a body can carry the very wheel the picture later places over it.
void drawTruckWheel(Canvas& canvas, int x, int y);
void drawCarTyre(Canvas& canvas, int x, int y);
void drawVanTyre(Canvas& canvas, int x, int y);
void drawBusTyre(Canvas& canvas, int x, int y);
void drawMotorTyre(Canvas& canvas, int x, int y);
void drawTractorTyre(Canvas& canvas, int x, int y);
void drawUnclassifiedWheel(Canvas& canvas, int x, int y);
