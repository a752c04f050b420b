// The two views of the current subclass's vehicle, at minimum and at maximum axle spacing.
#include "ui/vorlan.h"

#include "model/subclass.h"
#include "picture/vehiclepicture.h"
#include "ui_vorlan.h"

#include <QDebug>
#include <QGraphicsScene>

void Vorlan::drawVehiclePicture(const Subclass& subclass)
{
    if (!subclass.can_draw()) {
        clearVehiclePicture();
        return;
    }
    // The record's metres, not the edits' text, so the picture keeps its scale in any length unit.
    const float prepend = subclass.get_prepend__m().toFloat();
    const float append = subclass.get_append__m().toFloat();
    VehiclePicture minimum(ui->graphicsViewMin, false, prepend, append);
    VehiclePicture maximum(ui->graphicsViewMax, true, prepend, append);
    minimum.drawVehicle(subclass);
    maximum.drawVehicle(subclass);
}

void Vorlan::clearVehiclePicture()
{
    QGraphicsScene* minScene = ui->graphicsViewMin->scene();
    QGraphicsScene* maxScene = ui->graphicsViewMax->scene();
    if (!minScene && !maxScene)
        return;
    qDebug() << "Clearing image";
    if (minScene)
        minScene->clear();
    if (maxScene)
        maxScene->clear();
}
