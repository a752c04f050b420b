// The vehicle picture: where wheels, bodies and trailers land, and what the window's two views
// show as subclasses come and go.
#include "model/subclass.h"
#include "picture/bitmaptable.h"
#include "picture/vehiclepicture.h"
#include "ui/vorlan.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLineEdit>
#include <QtTest>

#include <algorithm>
#include <memory>

using Points = QVector<QPointF>;
using Rects = QVector<QRectF>;
Q_DECLARE_METATYPE(Rects)

namespace {

// "configuration axles mins maxs append"; maxs default to mins.
Subclass vehicle(const QString& spec)
{
    const QStringList f = spec.split(QLatin1Char(' '));
    const QString mins = f.value(2);
    return Subclass::from_section({{QStringLiteral("axle_configuration"), f.value(0)},
                                   {QStringLiteral("number_of_axles"), f.value(1)},
                                   {QStringLiteral("min_axle_distance__m"), mins},
                                   {QStringLiteral("max_axle_distance__m"), f.value(3, mins)},
                                   {QStringLiteral("append__m"), f.value(4)}});
}

template <typename T> QVector<T> sortedByX(QVector<T> items)
{
    std::sort(items.begin(), items.end(), [](const T& a, const T& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    return items;
}

// Positions of the items showing bitmap `index`, each position once.
Points positionsOf(const QGraphicsScene* scene, int index)
{
    const QImage wanted(QString::fromLatin1(kVehicleBitmaps[index]));
    Points positions;
    for (QGraphicsItem* item : scene->items())
        if (auto* pixmap = qgraphicsitem_cast<QGraphicsPixmapItem*>(item))
            if (pixmap->pixmap().toImage() == wanted && !positions.contains(pixmap->pos()))
                positions.append(pixmap->pos());
    return sortedByX(positions);
}

Rects rectsOf(const QGraphicsScene* scene, const QColor& colour)
{
    Rects rects;
    for (QGraphicsItem* item : scene->items())
        if (auto* rect = qgraphicsitem_cast<QGraphicsRectItem*>(item))
            if (rect->brush().style() == Qt::SolidPattern && rect->brush().color() == colour)
                rects.append(rect->rect());
    return sortedByX(rects);
}

QStringList warnings;
QtMessageHandler previousHandler = nullptr;
void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg)
        warnings.append(message);
    previousHandler(type, context, message);
}

} // namespace

class TestVehiclePicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void wheels_data();
    void wheels();
    void rectangles_data();
    void rectangles();
    void hugeAxleCountReadsOnlyWhatIsHeld();
    void unequalListsClearTheView();
    void undrawableSubclassClearsBothViews_data();
    void undrawableSubclassClearsBothViews();
    void appendIgnoresDisplayedUnit();

private:
    QGraphicsScene* draw(const Subclass& subclass, bool isMax = false);
    QGraphicsScene* windowScene(const char* name) const;

    std::unique_ptr<QGraphicsView> view;
    std::unique_ptr<Vorlan> window;
};

void TestVehiclePicture::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    previousHandler = qInstallMessageHandler(collectWarnings);
}

void TestVehiclePicture::init()
{
    warnings.clear();
    // As the window's views: 90 pixels high.
    view = std::make_unique<QGraphicsView>();
    view->resize(1000, 90);
    window = std::make_unique<Vorlan>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

QGraphicsScene* TestVehiclePicture::draw(const Subclass& subclass, bool isMax)
{
    VehiclePicture(view.get(), isMax, 0.0f, subclass.get_append__m().toFloat())
        .drawVehicle(subclass);
    return view->scene();
}

QGraphicsScene* TestVehiclePicture::windowScene(const char* name) const
{
    return window->findChild<QGraphicsView*>(QLatin1String(name))->scene();
}

void TestVehiclePicture::wheels_data()
{
    QTest::addColumn<QString>("spec");
    QTest::addColumn<bool>("isMax");
    QTest::addColumn<int>("wheel");
    QTest::addColumn<Points>("at");

    // 21 pixels per metre from a first wheel centred under the head; generic wheels stand
    // alone, 18 pixels above the middle of the view.
    QTest::newRow("H2 min") << "H2 2 3.0 4.5" << false << 0 << Points{{8, 45}, {71, 45}};
    QTest::newRow("H2 max") << "H2 2 3.0 4.5" << true << 0 << Points{{8, 45}, {102.5, 45}};
    // Drawers put their wheels on again over the body, a car's 4 pixels lower.
    QTest::newRow("car max") << "C2 2 2 3" << true << 3
                             << Points{{17, 41}, {17, 45}, {80, 41}, {80, 45}};
    QTest::newRow("unknown") << "X3 3 2,3 3,4" << true << 16
                             << Points{{8, 27}, {71, 27}, {155, 27}};
    QTest::newRow("counts disagree")
        << "H2T9 3 2,3" << false << 16 << Points{{8, 27}, {50, 27}, {113, 27}};
}

void TestVehiclePicture::wheels()
{
    QFETCH(QString, spec);
    QFETCH(bool, isMax);
    QFETCH(int, wheel);
    QFETCH(Points, at);

    const QGraphicsScene* scene = draw(vehicle(spec), isMax);
    QCOMPARE(positionsOf(scene, wheel), at);
    if (wheel == 16)
        QCOMPARE(scene->items().size(), at.size());
}

void TestVehiclePicture::rectangles_data()
{
    QTest::addColumn<QString>("spec");
    QTest::addColumn<Rects>("black");
    QTest::addColumn<Rects>("white");
    QTest::addColumn<Points>("busLink");

    // Truck wheels at 8 and 71 (right edges 29, 92): a box to one past the last, and a chassis
    // of 3 m less the first wheel's offset.
    QTest::newRow("H2") << "H2 2 3.0" << Rects{{37, 5, 56, 40}, {37, 45, 55, 12}} << Rects{}
                        << Points{};
    // Wheels at 8, 71, 197, 224, 251: no box; the semi-trailer runs from the head's right edge
    // to the last wheel's right edge (272), then the appended 0.5 m.
    QTest::newRow("H2S3") << "H2S3 5 3.0,6,1.3,1.3 3.0,6,1.3,1.3 0.5"
                          << Rects{{37, 5, 235, 40}, {37, 45, 235, 12}, {272, 5, 10.5, 52}}
                          << Rects{{35, 5, 2, 40}, {93, 45, 2, 12}} << Points{};
    // Tractor wheels at 7, 59, 122, 147; the back ends at 83, where the trailer starts.
    QTest::newRow("A2T2") << "A2T2 4 2.5,3,1.2 2.5,3,1.2 0.5"
                          << Rects{{28, 30, 22, 18},
                                   {82, 34, 79, 12},
                                   {85, -6, 76, 40},
                                   {161, -6, 10.5, 52}}
                          << Rects{{83, -6, 1, 52}} << Points{};
    // Bus wheels at 28, 133, 259: one body with the link midway between head (79) and back
    // (239); no trailer, and no tow bar reaching backwards from a back past the last wheel.
    QTest::newRow("B2S1") << "B2S1 3 5,6 5,6 2" << Rects{{79, 17, 160, 39}} << Rects{}
                          << Points{{159, 17}};
}

void TestVehiclePicture::rectangles()
{
    QFETCH(QString, spec);
    QFETCH(Rects, black);
    QFETCH(Rects, white);
    QFETCH(Points, busLink);

    const QGraphicsScene* scene = draw(vehicle(spec));
    QCOMPARE(rectsOf(scene, Qt::black), sortedByX(black));
    QCOMPARE(rectsOf(scene, Qt::white), white);
    QCOMPARE(positionsOf(scene, 12), busLink);
}

void TestVehiclePicture::hugeAxleCountReadsOnlyWhatIsHeld()
{
    // The record pads its lists to twenty gaps; the picture draws no wheel past them.
    const Subclass absurd = vehicle(QStringLiteral("H2 2000000000 3,4"));
    QGraphicsScene scene;
    VehiclePicture(view.get(), true, 0, 0).composeVehicle(absurd, &scene, true);
    QCOMPARE(scene.items().size(), Subclass::max_axles + 1);
    QVERIFY2(warnings.filter(QStringLiteral("nonexistent index")).isEmpty(),
             qPrintable(warnings.join(QLatin1Char('\n'))));
}

void TestVehiclePicture::unequalListsClearTheView()
{
    QVERIFY(!draw(vehicle(QStringLiteral("H2S3 5 3,6,1.3,1.3")))->items().isEmpty());
    Subclass uneven = vehicle(QStringLiteral("H3 3 3,1.3"));
    uneven.set_max_distance_at_index(QStringLiteral("1"), 5);
    QVERIFY(uneven.can_draw());
    QVERIFY(draw(uneven)->items().isEmpty());
    QCOMPARE(warnings.filter(QStringLiteral("Can not draw due to invalid axles stuff")).size(), 1);
}

void TestVehiclePicture::undrawableSubclassClearsBothViews_data()
{
    QTest::addColumn<QString>("spec");
    QTest::newRow("zero gap") << "H3 3 3,0";
    QTest::newRow("one axle") << "H1 1 3";
    QTest::newRow("huge count") << "H3 2000000000 3,1";
}

void TestVehiclePicture::undrawableSubclassClearsBothViews()
{
    QFETCH(QString, spec);

    // Redraws replace the views' scenes rather than pile them up.
    for (int i = 0; i < 3; ++i)
        window->drawVehiclePicture(vehicle(QStringLiteral("H3 3 3,1.3 4,1.4")));
    for (const char* name : {"graphicsViewMin", "graphicsViewMax"}) {
        QCOMPARE(windowScene(name)->parent()->findChildren<QGraphicsScene*>().size(), 1);
        QCOMPARE(positionsOf(windowScene(name), 0).size(), 3);
    }
    window->drawVehiclePicture(vehicle(spec));
    for (const char* name : {"graphicsViewMin", "graphicsViewMax"})
        QVERIFY(windowScene(name)->items().isEmpty());
}

void TestVehiclePicture::appendIgnoresDisplayedUnit()
{
    // 2.5 m as the append field shows it in metres, feet and inches.
    for (const char* displayed : {"2.50", "8.20", "98.43"}) {
        window->findChild<QLineEdit*>(QStringLiteral("lineEditAppend"))
            ->setText(QLatin1String(displayed));
        window->drawVehiclePicture(vehicle(QStringLiteral("H2S3 5 3,6,1.3,1.3 4,7,1.4,1.4 2.5")));
        for (const char* name : {"graphicsViewMin", "graphicsViewMax"})
            QCOMPARE(rectsOf(windowScene(name), Qt::black).last().size(), QSizeF(2.5 * 21, 52));
    }
}

QTEST_MAIN(TestVehiclePicture)
#include "tst_vehiclepicture.moc"
