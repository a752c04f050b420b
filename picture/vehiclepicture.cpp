// Composing the vehicle picture: the letter table, the wheels and the trailer parts.
#include "picture/vehiclepicture.h"

#include "model/subclass.h"
#include "picture/bitmaptable.h"

#include <QBrush>
#include <QDebug>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPen>
#include <QRegExp>

#include <algorithm>

namespace {
const QString separatorLine =
    QStringLiteral("---------------------------------------------------------");
} // namespace

float VehiclePicture::drawable(float metres)
{
    // Far longer than any view shows, and short enough that twenty of them in pixels stay well
    // inside an int. Not-a-number is no length at all.
    constexpr float longest = 1000.0f;
    return metres > 0.0f ? std::min(metres, longest) : 0.0f;
}

float VehiclePicture::gapLength(const Subclass& subclass, int i, bool isMax)
{
    return drawable(
        (isMax ? subclass.get_max_distance_at_index(i) : subclass.get_min_distance_at_index(i))
            .toFloat());
}

VehiclePicture::VehiclePicture(QGraphicsView* view, bool isMax, float prepend, float append)
    : view(view), scene(nullptr), isMax(isMax), prepend(drawable(prepend)), append(drawable(append))
{
    letterTable.insert(QLatin1Char('A'), {17, 18, 19, -18, 4});
    letterTable.insert(QLatin1Char('B'), {9, 10, 11, -9, 3});
    letterTable.insert(QLatin1Char('C'), {3, 4, 5, -14, 4});
    letterTable.insert(QLatin1Char('H'), {0, 1, 1, -9, 0});
    letterTable.insert(QLatin1Char('L'), {0, 2, 2, -9, -4});
    letterTable.insert(QLatin1Char('M'), {13, 14, 15, -3, 4});
    letterTable.insert(QLatin1Char('V'), {6, 7, 8, -8, 1});

    view->setSceneRect(-2, -13, 0.9 * view->width(), 0.9 * view->height());
    scene = new QGraphicsScene(view);
}

VehiclePicture::~VehiclePicture()
{
    // A scene the view never took would otherwise live on, unseen, as long as the view.
    if (view->scene() != scene)
        delete scene;
}

void VehiclePicture::drawVehicle(const Subclass& subclass)
{
    scene->clear();
    const int axles = subclass.get_number_of_axles().toInt();
    const int minCount = subclass.min_distance_count();
    const int maxCount = subclass.max_distance_count();
    if (minCount == maxCount && qint64(minCount) + 1 >= axles) {
        composeVehicle(subclass, scene, isMax);
        return;
    }

    qDebug().noquote() << separatorLine;
    qWarning().noquote()
        << "Can not draw due to invalid axles stuff. Ideally this warning should not appear and be "
           "handled before drawing is called. This is here to eliminate a logic error that "
           "crashes stuff.";
    qDebug().noquote() << "axle vectors equal:" << (minCount == maxCount ? "true" : "false");
    qDebug().noquote() << "vectors longer than number of axles:"
                       << (minCount > axles ? "true" : "false") << "Vector length:" << minCount
                       << axles;
    QString section = subclass.section_text();
    if (section.endsWith(QLatin1Char('\n')))
        section.chop(1);
    qDebug().noquote() << section;
    qDebug().noquote() << separatorLine;
    // The view must not go on showing the vehicle of the subclass drawn before.
    attachScene(scene);
}

void VehiclePicture::composeVehicle(const Subclass& subclass, QGraphicsScene* scene, bool isMax)
{
    const int half = view->height() / 2;
    const QString configuration = subclass.get_axle_configuration();
    const auto entry = configuration.isEmpty() ? letterTable.constEnd()
                                               : letterTable.constFind(configuration.at(0));

    if (entry == letterTable.constEnd() || !subclass.is_axle_configuration_valid()) {
        const QPixmap wheel = bitmap(genericWheel);
        placeWheels(wheel.width(), (bitmap(truckHead).width() - wheel.width()) / 2,
                    half - wheel.height(), genericWheel, subclass, scene, isMax);
        attachScene(scene);
        return;
    }

    const QList<int>& numbers = entry.value();
    Layout layout;
    layout.wheel = numbers.at(0);
    layout.head = numbers.at(1);
    layout.back = numbers.at(2);
    const int bodyOffset = numbers.at(3);
    const int wheelOffset = numbers.at(4);
    const QPixmap wheel = bitmap(layout.wheel);
    const QPixmap head = bitmap(layout.head);

    layout.scale = bitmap(truckWheel).width();
    layout.firstWheelX = (head.width() - wheel.width()) / 2;
    layout.wheelY = half - wheelOffset;
    layout.bodyBottom = wheel.height() / 2 + half + bodyOffset;
    layout.bodyTop = layout.bodyBottom - bodyHeight;
    layout.headTop = half - head.height() / 2 - wheel.height() / 2;

    layout.wheelX = placeWheels(layout.scale, layout.firstWheelX, layout.wheelY, layout.wheel,
                                subclass, scene, isMax);
    for (int x : layout.wheelX)
        layout.wheelRight.append(x + wheel.width());
    layout.parts = splitParts(configuration);

    switch (entry.key().unicode()) {
    case 'V':
    case 'C':
        drawVanOrCar(layout, subclass, scene, isMax);
        break;
    case 'B':
        drawBus(layout, subclass, scene, isMax);
        break;
    case 'H':
    case 'L':
        drawTruck(layout, subclass, scene, isMax);
        break;
    case 'M':
        drawMotorbike(layout, subclass, scene, isMax);
        break;
    case 'A':
        drawTractor(layout, subclass, scene, isMax);
        break;
    }
    attachScene(scene);
}

QList<int> VehiclePicture::placeWheels(int scale, int startX, int y, int wheelBitmap,
                                       const Subclass& subclass, QGraphicsScene* scene, bool isMax)
{
    const int axles = subclass.get_number_of_axles().toInt();
    const int maxCount = subclass.max_distance_count();
    if (qint64(maxCount) + 1 < axles) {
        qWarning() << "Number of axles is" << axles << "while there are only" << maxCount
                   << "distances! Undefined.";
        for (const QString& distance : subclass.get_max_distances())
            qWarning() << distance;
    }

    // One wheel per gap the record holds, plus the first: no axle count, however absurd, makes
    // this read past the list or run longer than it.
    const int gaps = isMax ? maxCount : subclass.min_distance_count();
    const int wheels = std::min(qint64(axles), qint64(gaps) + 1);
    const QPixmap pixmap = bitmap(wheelBitmap);
    QList<int> positions;
    float x = startX;
    for (int i = 0; i < wheels; ++i) {
        scene->addPixmap(pixmap)->setPos(x, y);
        positions.append(int(x));
        if (i < wheels - 1)
            x += scale * gapLength(subclass, i, isMax);
    }
    return positions;
}

void VehiclePicture::drawTrailerPart(QChar part, int startX, int linkX, int topY, int endX,
                                     QGraphicsScene* scene)
{
    const float appendWidth = append * bitmap(truckWheel).width();
    const int fullHeight = barHeight + bodyHeight;
    switch (part.toUpper().unicode()) {
    case 'T':
        addWhiteRect(scene, startX, topY, 1, fullHeight);
        addBlackRect(scene, startX + 2, topY, endX - (startX + 2), bodyHeight);
        addBlackRect(scene, endX, topY, appendWidth, fullHeight);
        break;
    case 'S':
        addWhiteRect(scene, linkX - 2, topY, 2, bodyHeight);
        addWhiteRect(scene, startX, topY + bodyHeight, 2, barHeight);
        addBlackRect(scene, linkX, topY, endX - linkX, bodyHeight);
        addBlackRect(scene, endX, topY, appendWidth, fullHeight);
        break;
    case 'D':
        addBlackRect(scene, startX, topY + bodyHeight, 2, barHeight);
        break;
    default:
        break;
    }
}

QVector<VehiclePicture::Part> VehiclePicture::splitParts(const QString& axleConfiguration)
{
    QVector<Part> parts;
    QRegExp unit(QStringLiteral("\\w\\d+"));
    qint64 axlesSoFar = 0;
    for (int pos = unit.indexIn(axleConfiguration); pos >= 0;
         pos = unit.indexIn(axleConfiguration, pos + unit.matchedLength())) {
        const QString text = unit.cap(0);
        Part part;
        part.letter = text.at(0);
        part.count = text.mid(1).toInt();
        axlesSoFar += part.count;
        part.lastAxle = axlesSoFar - 1;
        parts.append(part);
    }
    return parts;
}

QPixmap VehiclePicture::bitmap(int index)
{
    const char* path = vehicleBitmapPath(index);
    return path ? QPixmap(QString::fromLatin1(path)) : QPixmap();
}

void VehiclePicture::addBitmap(QGraphicsScene* scene, int index, qreal x, qreal y)
{
    scene->addPixmap(bitmap(index))->setPos(x, y);
}

void VehiclePicture::addBlackRect(QGraphicsScene* scene, qreal x, qreal y, qreal width,
                                  qreal height)
{
    scene->addRect(x, y, width, height, QPen(), QBrush(Qt::SolidPattern));
}

void VehiclePicture::addWhiteRect(QGraphicsScene* scene, qreal x, qreal y, qreal width,
                                  qreal height)
{
    scene->addRect(x, y, width, height, QPen(Qt::white), QBrush(Qt::white, Qt::SolidPattern));
}

void VehiclePicture::attachScene(QGraphicsScene* shown)
{
    QGraphicsScene* previous = view->scene();
    if (previous == shown)
        return;
    view->setScene(shown);
    // Scenes of earlier redraws are ours; without this every keystroke would leave two behind.
    if (previous && previous->parent() == view)
        delete previous;
}
