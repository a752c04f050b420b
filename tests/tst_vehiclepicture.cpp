// The vehicle picture: where wheels, bodies and trailers land, and what the window's two views
// show as subclasses come and go.
#include "picture/bitmaptable.h"
#include "picture/vehiclepicture.h"
#include "picture/vehicleviews.h"
#include "tests/windowdriver.h"

namespace {

// "configuration axles append mins maxs"; maxs default to mins.
Subclass vehicle(const QString& text)
{
    const QStringList f = text.split(' ');
    return Subclass::from_section({{"axle_configuration", f.value(0)},
                                   {"number_of_axles", f.value(1)},
                                   {"append__m", f.value(2)},
                                   {"min_axle_distance__m", f.value(3)},
                                   {"max_axle_distance__m", f.value(4, f.value(3))}});
}

// Where a scene shows what: "x,y" of each item showing bitmap `what` (each place once), or
// "x,y,width,height" of each "black" or "white" solid rectangle. Sorted as text.
QStringList placesOf(const QGraphicsScene* scene, const QString& what)
{
    const bool rects = what == "black" || what == "white";
    QStringList places;
    for (const QGraphicsItem* item : scene->items()) {
        const auto* pixmap = qgraphicsitem_cast<const QGraphicsPixmapItem*>(item);
        const auto* rect = qgraphicsitem_cast<const QGraphicsRectItem*>(item);
        const QRectF r = pixmap ? QRectF(pixmap->pos(), QSizeF()) : rect ? rect->rect() : QRectF();
        QString place = QString::number(r.x()) + ',' + QString::number(r.y());
        if (pixmap && !rects && pixmap->pixmap().toImage() == QImage(kVehicleBitmaps[what.toInt()]))
            places << place;
        else if (rect && rects && rect->brush().style() == Qt::SolidPattern &&
                 rect->brush().color() == QColor(what))
            places << place + ',' + QString::number(r.width()) + ',' + QString::number(r.height());
    }
    places.removeDuplicates();
    places.sort();
    return places;
}

} // namespace

using namespace WindowDriver;

class TestVehiclePicture : public QObject, Fixture
{
    Q_OBJECT

    std::unique_ptr<QGraphicsView> view;

    void draw(const Subclass& subclass)
    {
        showVehicle(widget<QGraphicsView>("graphicsViewMin"),
                    widget<QGraphicsView>("graphicsViewMax"), &subclass);
    }

private slots:
    void init()
    {
        // As high as the window's views.
        view = std::make_unique<QGraphicsView>();
        view->resize(1000, 90);
        newWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void places_data()
    {
        const QString semi = "H2S3 5 0.5 3,6,1.3,1.3", tractor = "A2T2 4 0.5 2.5,3,1.2";
        const std::initializer_list<QStringList> rows = {
            // 21 pixels per metre from a first wheel centred under the head.
            {"H2 min", "H2 2 0 3.0 4.5", "", "0 8,45 71,45"},
            {"H2 max", "H2 2 0 3.0 4.5", "max", "0 8,45 102.5,45"},
            // Drawers put their wheels on again over the body, a car's 4 pixels lower.
            {"car", "C2 2 0 2 3", "max", "3 17,41 17,45 80,41 80,45"},
            // Generic wheels stand alone, 18 pixels above the middle of the view.
            {"unknown", "X3 3 0 2,3 3,4", "max", "16 8,27 71,27 155,27"},
            {"counts disagree", "H2T9 3 0 2,3", "", "16 8,27 50,27 113,27"},
            // Truck wheels at 8 and 71 (right edges 29, 92): a box to one past the last, and a
            // chassis of 3 m less the first wheel's offset.
            {"H2", "H2 2 0 3.0", "", "black 37,5,56,40 37,45,55,12"},
            // Wheels at 8, 71, 197, 224, 251: no box; the semi-trailer runs from the head's right
            // edge to the last wheel's right edge (272), then the appended 0.5 m.
            {"H2S3", semi, "", "black 37,5,235,40 37,45,235,12 272,5,10.5,52"},
            {"H2S3 links", semi, "", "white 35,5,2,40 93,45,2,12"},
            {"H2S3 no bus link", semi, "", "12"},
            // Tractor wheels at 7, 59, 122, 147; the back ends at 83, where the trailer starts.
            {"A2T2", tractor, "", "black 28,30,22,18 82,34,79,12 85,-6,76,40 161,-6,10.5,52"},
            {"A2T2 link", tractor, "", "white 83,-6,1,52"},
            // Bus wheels at 28, 133, 259: one body with the link midway between head (79) and
            // back (239); no trailer, and no tow bar reaching backwards from a back past the last
            // wheel.
            {"B2S1", "B2S1 3 2 5,6", "", "black 79,17,160,39"},
            {"B2S1 link", "B2S1 3 2 5,6", "", "12 159,17"},
            // Motorbike wheels 1.4 m apart; the rider's front and back over them.
            {"M2 wheels", "M2 2 0 1.4", "", "13 7,41 36.4,41"},
            {"M2 rider", "M2 2 0 1.4", "", "14 0,26"},
            {"M2 rider's back", "M2 2 0 1.4", "", "15 29,26"},
        };
        addRows({"shape", "max", "places"}, rows); // places: what, then where
    }
    void places()
    {
        const Subclass subclass = vehicle(cell("shape"));
        VehiclePicture(view.get(), !cell("max").isEmpty(), 0, subclass.get_append__m().toFloat())
            .drawVehicle(subclass);
        QStringList expected = cell("places").split(' ');
        const QString what = expected.takeFirst();
        expected.sort();
        QCOMPARE(placesOf(view->scene(), what), expected);
        if (what == "16") // and nothing else
            QCOMPARE(view->scene()->items().size(), expected.size());
    }

    void hugeAxleCountReadsOnlyWhatIsHeld()
    {
        // The record pads its lists to twenty gaps; the picture draws no wheel past them.
        QGraphicsScene scene;
        VehiclePicture(view.get(), true, 0, 0)
            .composeVehicle(vehicle("H2 2000000000 0 3,4"), &scene, true);
        QCOMPARE(scene.items().size(), Subclass::max_axles + 1);
    }

    void lengthsBeyondTheViewAreHeld_data()
    {
        // Lengths a file or a user may give, drawn 0 to 1000 m (21,000 pixels) each.
        addRows({"shape"}, {{"1e30 m", "H2T2 4 1e30 1e30,3,1e30"},
                            {"infinite and not a number", "A2T2 4 inf nan,inf,2"},
                            {"negative", "V2T1 3 -5 -5,-1e30"}});
    }
    void lengthsBeyondTheViewAreHeld()
    {
        const Subclass subclass = vehicle(cell("shape"));
        for (bool isMax : {false, true}) {
            VehiclePicture(view.get(), isMax, 0, subclass.get_append__m().toFloat())
                .drawVehicle(subclass);
            QVERIFY(QRectF(-20, -100, 4 * 21000 + 200, 300)
                        .contains(view->scene()->itemsBoundingRect()));
        }
    }

    void undrawableSubclassClearsBothViews_data()
    {
        // The last is drawable by its values, but has a maximum more than it has minimums.
        addRows({"shape"}, {{"zero gap", "H3 3 0 3,0"},
                            {"one axle", "H1 1 0 3"},
                            {"huge count", "H3 2000000000 0 3,1"},
                            {"unequal lists", "H3 3 0 3,1.3 4,1.4,5"}});
    }
    void undrawableSubclassClearsBothViews()
    {
        // Redraws replace the views' scenes rather than pile them up.
        for (int i = 0; i < 3; ++i)
            draw(vehicle("H3 3 0 3,1.3 4,1.4"));
        for (QGraphicsScene* scene : windowScenes(window.get())) {
            QCOMPARE(scene->parent()->findChildren<QGraphicsScene*>().size(), 1);
            QCOMPARE(placesOf(scene, "0").size(), 3);
        }
        draw(vehicle(cell("shape")));
        for (QGraphicsScene* scene : windowScenes(window.get()))
            QVERIFY(scene->items().isEmpty());
    }

    void appendIgnoresDisplayedUnit()
    {
        // The append field shows 2.5 m in feet.
        edit("lineEditAppend")->setText("8.20");
        draw(vehicle("H2S3 5 2.5 3,6,1.3,1.3 4,7,1.4,1.4"));
        for (QGraphicsScene* scene : windowScenes(window.get()))
            QCOMPARE(placesOf(scene, "black").filter(QRegExp(",52.5,52$")).size(), 1);
    }
};

QTEST_MAIN(TestVehiclePicture)
#include "tst_vehiclepicture.moc"
