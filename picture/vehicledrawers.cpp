// The drawers of the five vehicle types: the vehicle itself, its tow bar and what it pulls.
#include "picture/vehiclepicture.h"

#include "model/subclass.h"

#include <QGraphicsScene>

#include <algorithm>

namespace {

// The entry at `index`, held to the list's ends: a part never reaches past the wheels placed.
int at(const QList<int>& list, qint64 index)
{
    if (list.isEmpty())
        return 0;
    return list.at(int(std::clamp<qint64>(index, 0, list.size() - 1)));
}

// Where the back of the vehicle stands and ends, behind the last axle `lastAxle`.
struct Back
{
    int x;
    int end;
};

Back backBehind(const VehiclePicture::Layout& layout, qint64 lastAxle, const QPixmap& wheel,
                const QPixmap& back)
{
    const int x = at(layout.wheelX, lastAxle) + wheel.width() / 2 - back.width() / 2;
    return {x, x + back.width()};
}

} // namespace

void VehiclePicture::drawVanOrCar(const Layout& layout, const Subclass& subclass,
                                  QGraphicsScene* scene, bool isMax)
{
    const QPixmap head = bitmap(layout.head);
    const Back back = backBehind(layout, layout.parts.value(0).lastAxle, bitmap(layout.wheel),
                                 bitmap(layout.back));
    const int top = layout.headTop + 2;
    addBitmap(scene, layout.head, 0, top);
    addBlackRect(scene, head.width(), top, back.x - head.width(), head.height() - 1);
    addBitmap(scene, layout.back, back.x, top);
    drawTowBar(layout, back.end, layout.bodyBottom, scene);
    drawTrailerParts(layout, 1, back.end, at(layout.wheelX, layout.parts.value(0).lastAxle),
                     layout.bodyTop, 0, scene);
    placeWheels(layout.scale, layout.firstWheelX, layout.wheelY + 4, layout.wheel, subclass, scene,
                isMax);
}

void VehiclePicture::drawBus(const Layout& layout, const Subclass& subclass, QGraphicsScene* scene,
                             bool isMax)
{
    // Semi-trailer units right behind the bus are the rear of an articulated bus.
    int firstTrailer = 1;
    while (firstTrailer < layout.parts.size() &&
           layout.parts.at(firstTrailer).letter == QLatin1Char('S'))
        ++firstTrailer;
    const qint64 lastAxle = layout.parts.value(firstTrailer - 1).lastAxle;

    const QPixmap head = bitmap(layout.head);
    const Back back = backBehind(layout, lastAxle, bitmap(layout.wheel), bitmap(layout.back));
    addBlackRect(scene, head.width(), layout.headTop, back.x - head.width(), head.height() - 1);
    if (firstTrailer > 1)
        addBitmap(scene, busLink, head.width() + (back.x - head.width()) / 2, layout.headTop);
    addBitmap(scene, layout.head, 0, layout.headTop);
    addBitmap(scene, layout.back, back.x, layout.headTop);
    drawTowBar(layout, back.end, layout.bodyBottom, scene);
    placeWheels(layout.scale, layout.firstWheelX, layout.wheelY + 3, layout.wheel, subclass, scene,
                isMax);
    drawTrailerParts(layout, firstTrailer, back.end, at(layout.wheelX, lastAxle), layout.bodyTop, 0,
                     scene);
}

void VehiclePicture::drawTruck(const Layout& layout, const Subclass& subclass,
                               QGraphicsScene* scene, bool isMax)
{
    const QPixmap head = bitmap(layout.head);
    addBitmap(scene, layout.head, 0, layout.bodyTop + 7);

    // The chassis runs under the whole vehicle, trailers included, to the last wheel's right edge.
    float gaps = 0.0f;
    for (int i = 0; i + 1 < layout.wheelX.size(); ++i)
        gaps += gapLength(subclass, i, isMax);
    addBlackRect(scene, head.width(), layout.bodyBottom,
                 int(gaps * layout.scale - layout.firstWheelX), barHeight);

    const qint64 lastAxle = layout.parts.value(0).lastAxle;
    const int right = at(layout.wheelRight, lastAxle);
    const bool semiTrailer =
        layout.parts.size() > 1 && layout.parts.at(1).letter == QLatin1Char('S');
    // A semi-trailer rests on the truck, so there is no box to carry.
    if (!semiTrailer)
        addBlackRect(scene, head.width(), layout.bodyTop, right + 1 - head.width(), bodyHeight);

    drawTrailerParts(layout, 1, right, semiTrailer ? head.width() : at(layout.wheelX, lastAxle),
                     layout.bodyTop, 1, scene);
    placeWheels(layout.scale, layout.firstWheelX, layout.wheelY, layout.wheel, subclass, scene,
                isMax);
}

void VehiclePicture::drawMotorbike(const Layout& layout, const Subclass& subclass,
                                   QGraphicsScene* scene, bool isMax)
{
    const QPixmap head = bitmap(layout.head);
    const qint64 lastAxle = layout.parts.value(0).lastAxle;
    const Back back = backBehind(layout, lastAxle, bitmap(layout.wheel), bitmap(layout.back));
    addBlackRect(scene, head.width(), layout.headTop + 7, back.x - head.width(), head.height() - 8);
    drawTowBar(layout, back.end - 1, layout.bodyBottom - 10, scene);
    drawTrailerParts(layout, 1, back.end, at(layout.wheelX, lastAxle), layout.bodyTop - 5, 0,
                     scene);
    placeWheels(layout.scale, layout.firstWheelX, layout.wheelY, layout.wheel, subclass, scene,
                isMax);
    // The rider sits over the wheels, so head and back go on last.
    addBitmap(scene, layout.head, 0, layout.headTop + 3);
    addBitmap(scene, layout.back, back.x, layout.headTop + 3);
}

void VehiclePicture::drawTractor(const Layout& layout, const Subclass& subclass,
                                 QGraphicsScene* scene, bool isMax)
{
    const QPixmap head = bitmap(layout.head);
    const qint64 lastAxle = layout.parts.value(0).lastAxle;
    const Back back = backBehind(layout, lastAxle, bitmap(layout.wheel), bitmap(layout.back));
    addBlackRect(scene, head.width(), layout.headTop + 15, back.x - head.width(),
                 head.height() - 28);
    drawTowBar(layout, back.end - 1, layout.bodyBottom, scene);
    placeWheels(layout.scale, layout.firstWheelX, layout.wheelY + 6, layout.wheel, subclass, scene,
                isMax);
    addBitmap(scene, layout.head, 0, layout.headTop);
    addBitmap(scene, layout.back, back.x, layout.headTop);
    drawTrailerParts(layout, 1, back.end, at(layout.wheelX, lastAxle), layout.bodyTop, 0, scene);
}

void VehiclePicture::drawTowBar(const Layout& layout, int startX, int y,
                                QGraphicsScene* scene) const
{
    // A bar that would reach backwards, from a back standing past the last wheel, would only
    // paint over that back.
    const int width = (layout.wheelRight.isEmpty() ? startX : layout.wheelRight.last()) - startX;
    if (width <= 0)
        return;
    addBlackRect(scene, startX, y, width, barHeight);
}

void VehiclePicture::drawTrailerParts(const Layout& layout, int firstTrailer, int startX, int linkX,
                                      int topY, int startStep, QGraphicsScene* scene)
{
    for (int k = firstTrailer; k < layout.parts.size(); ++k) {
        const Part& part = layout.parts.at(k);
        const int endX = at(layout.wheelRight, part.lastAxle);
        drawTrailerPart(part.letter, startX + startStep, linkX, topY, endX, scene);
        startX = endX;
        linkX = at(layout.wheelX, part.lastAxle);
    }
}
