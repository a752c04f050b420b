#pragma once

#include <QChar>
#include <QList>
#include <QMap>
#include <QPixmap>
#include <QVector>

class QGraphicsScene;
class QGraphicsView;
class Subclass;

// Draws one subclass into one view as a side view of the vehicle, every axle gap at its
// minimum or at its maximum distance. Short-lived: build one per redraw; the scene it makes
// stays with the view.
class VehiclePicture
{
public:
    // prepend and append are lengths in metres; only append is drawn, behind trailers.
    VehiclePicture(QGraphicsView* view, bool isMax, float prepend, float append);
    ~VehiclePicture();
    VehiclePicture(const VehiclePicture&) = delete;
    VehiclePicture& operator=(const VehiclePicture&) = delete;

    void drawVehicle(const Subclass& subclass);
    void composeVehicle(const Subclass& subclass, QGraphicsScene* scene, bool isMax);
    // Returns the x of each wheel placed.
    QList<int> placeWheels(int scale, int startX, int y, int wheelBitmap, const Subclass& subclass,
                           QGraphicsScene* scene, bool isMax);
    void drawTrailerPart(QChar part, int startX, int linkX, int topY, int endX,
                         QGraphicsScene* scene);

    // One unit of the axle configuration: its letter, its axle count and the index of its
    // last axle in the whole vehicle.
    struct Part
    {
        QChar letter;
        int count = 0;
        qint64 lastAxle = -1;
    };

    // What composeVehicle works out once and every type drawer needs.
    struct Layout
    {
        QVector<Part> parts;
        QList<int> wheelX;     // x of each wheel
        QList<int> wheelRight; // right edge of each wheel
        int wheel = 0;         // bitmap indices
        int head = 0;
        int back = 0;
        int headTop = 0;
        int bodyBottom = 0;
        int bodyTop = 0;
        int firstWheelX = 0;
        int wheelY = 0;
        int scale = 0; // pixels per metre
    };

    void drawTruck(const Layout& layout, const Subclass& subclass, QGraphicsScene* scene,
                   bool isMax);
    void drawMotorbike(const Layout& layout, const Subclass& subclass, QGraphicsScene* scene,
                       bool isMax);
    void drawVanOrCar(const Layout& layout, const Subclass& subclass, QGraphicsScene* scene,
                      bool isMax);
    void drawBus(const Layout& layout, const Subclass& subclass, QGraphicsScene* scene, bool isMax);
    void drawTractor(const Layout& layout, const Subclass& subclass, QGraphicsScene* scene,
                     bool isMax);

    static QVector<Part> splitParts(const QString& axleConfiguration);
    // A length in metres as the picture draws it: held to what fits, whatever a file or a user
    // gave, before anything turns it into pixels.
    static float drawable(float metres);

private:
    // Bitmaps every vehicle type shares.
    enum SharedBitmap
    {
        truckWheel = 0,
        truckHead = 1,
        busLink = 12,
        genericWheel = 16,
    };

    // Gap i of the subclass at its maximum or its minimum distance, as drawn.
    static float gapLength(const Subclass& subclass, int i, bool isMax);
    static QPixmap bitmap(int index);
    static void addBitmap(QGraphicsScene* scene, int index, qreal x, qreal y);
    static void addBlackRect(QGraphicsScene* scene, qreal x, qreal y, qreal width, qreal height);
    static void addWhiteRect(QGraphicsScene* scene, qreal x, qreal y, qreal width, qreal height);
    void drawTowBar(const Layout& layout, int startX, int y, QGraphicsScene* scene) const;
    void drawTrailerParts(const Layout& layout, int firstTrailer, int startX, int linkX, int topY,
                          int startStep, QGraphicsScene* scene);
    void attachScene(QGraphicsScene* scene);

    // Axle-configuration letter -> wheel, head and back bitmaps, body offset, wheel offset.
    QMap<QChar, QList<int>> letterTable;
    QGraphicsView* view;
    QGraphicsScene* scene;
    bool isMax;
    const int barHeight = 12;
    const int bodyHeight = 40;
    float prepend;
    float append;
};
