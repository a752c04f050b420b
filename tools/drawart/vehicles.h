#pragma once

class Canvas;

// Heads face left; the picture places a head at the left end of a vehicle and its back part
// over the last axle. Each drawer fills a canvas of its bitmap's size.
void drawTruckHead(Canvas& canvas);
void drawLightTruckHead(Canvas& canvas);
void drawCarHead(Canvas& canvas);
void drawCarBack(Canvas& canvas);
void drawVanHead(Canvas& canvas);
void drawVanBack(Canvas& canvas);
void drawBusHead(Canvas& canvas);
void drawBusBack(Canvas& canvas);
void drawBusLink(Canvas& canvas);
void drawMotorHead(Canvas& canvas);
void drawMotorBack(Canvas& canvas);
void drawTractorHead(Canvas& canvas);
void drawTractorBack(Canvas& canvas);
