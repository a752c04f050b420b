#pragma once

class QGraphicsView;
class Subclass;

// Draws a subclass's vehicle into two views, every gap at its minimum and at its maximum
// distance. Without a subclass, or with one that cannot be drawn, both views are emptied.
void showVehicle(QGraphicsView* minimum, QGraphicsView* maximum, const Subclass* subclass);
