// The two views of a subclass's vehicle, at minimum and at maximum axle spacing.
#include "picture/vehicleviews.h"

#include "model/subclass.h"
#include "picture/vehiclepicture.h"

#include <QDebug>
#include <QGraphicsScene>
#include <QGraphicsView>

void showVehicle(QGraphicsView* minimum, QGraphicsView* maximum, const Subclass* subclass)
{
    if (subclass && subclass->can_draw()) {
        // The record's metres, not the edits' text, so the picture keeps its scale in any unit.
        const float prepend = subclass->get_prepend__m().toFloat();
        const float append = subclass->get_append__m().toFloat();
        VehiclePicture(minimum, false, prepend, append).drawVehicle(*subclass);
        VehiclePicture(maximum, true, prepend, append).drawVehicle(*subclass);
        return;
    }
    QGraphicsScene* minScene = minimum->scene();
    QGraphicsScene* maxScene = maximum->scene();
    if (!minScene && !maxScene)
        return;
    qDebug() << "Clearing image";
    if (minScene)
        minScene->clear();
    if (maxScene)
        maxScene->clear();
}
