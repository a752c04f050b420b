// The per-axle editors follow the axle count, and always show what the subclass record holds.
#include "tests/windowdriver.h"

using namespace WindowDriver;

class TestAxleEditors : public QObject, Fixture
{
    Q_OBJECT

    // What the widgets after a frame's caption show, in layout order.
    QStringList frameContents(const char* frame) const
    {
        QStringList names;
        QLayout* layout = widget<QFrame>(frame)->layout();
        for (int i = 1; i < layout->count(); ++i)
            names << layout->itemAt(i)->widget()->objectName();
        return onScreen(window.get(), names);
    }
    // The per-axle lines Save would write for a subclass.
    QString axleLines(quint32 number) const
    {
        const QString text = window->configuration().get_subclass(number).section_text();
        return text.split('\n').filter(QRegExp("^(max_axle|min_axle|tyre)")).join(' ');
    }
    void selectSubclass44()
    {
        window->openConfiguration(VORLAN_EXAMPLES "/motorway-site.conf");
        retype(edit("lineEditSubclass"), "44"); // five axles
    }

private slots:
    void init() { window = std::make_unique<Vorlan>(); }

    void countCreatesRows()
    {
        const int axles = 12;
        open(siteHeader + "[subclass_7]\n");
        retype(edit("lineEditNumOfAxles"), QString::number(axles));

        const auto rows = [](const char* prefix, int last) {
            QStringList list;
            for (int i = 1; i <= last; ++i)
                list << prefix + QString::number(i) + "= red";
            return list;
        };
        QCOMPARE(frameContents("frameMaxAxleDists"), rows("MaxAxleDist", axles - 1));
        QCOMPARE(frameContents("frameMinAxleDists"), rows("MinAxleDist", axles - 1));
        QCOMPARE(frameContents("frameMaxAxleWeightsEdits"), rows("MaxAxleWeightEdit", axles));
        QCOMPARE(frameContents("frameTyreTypes"), rows("TyreType", axles));
        QCOMPARE(frameContents("frameMaxAxleWeightsBoxes").join('|').remove("MaxAxleWeightBox"),
                 "1=1 |2=2 |3=3 |4=4 |5=5 |6=6 |7=7 |8=8 |9=9 |10=10|11=11|12=12"); // axle=text
        // The record holds an empty entry for every editor, as Save would write it.
        const QString lines = axleLines(7);
        QVERIFY2(lines.startsWith("tyre_type=" + QString(axles - 1, ',') + ' ') &&
                     lines.endsWith(" min_axle_distance__m=" + QString(axles - 2, ',')),
                 qPrintable(lines));
    }

    void lowerAndRaiseCount()
    {
        selectSubclass44();
        auto* count = edit("lineEditNumOfAxles");
        const QList<QLineEdit*> before = window->findChildren<QLineEdit*>();

        retype(count, "3");
        QCOMPARE(shownEdits(window.get(), "(M|TyreType)"),
                 QString("MaxAxleDist1=2.10 MaxAxleDist2=5.40 "
                         "MaxAxleWeightEdit1=8.00 MaxAxleWeightEdit2=8.00 "
                         "MaxAxleWeightEdit3=9.00 MinAxleDist1=1.80 "
                         "MinAxleDist2=3.50 TyreType1=1 TyreType2=1 TyreType3=2")
                     .split(' '));
        QVERIFY(widget<QCheckBox>("MaxAxleWeightBox4")->isHidden());
        QCOMPARE(axleLines(44),
                 "tyre_type=1,1,2 max_axle_weight__kN=1,78.5;2,78.5;3,88.3;3+4+5,264.8 "
                 "max_axle_distance__m=2.1,5.4 min_axle_distance__m=1.8,3.5");

        // The same editors come back, empty and red, and the record holds nothing more.
        retype(count, "5");
        QCOMPARE(window->findChildren<QLineEdit*>(), before);
        const QStringList back = {"MaxAxleDist3= red", "MinAxleDist4= red", "TyreType4= red"};
        QCOMPARE(onScreen(window.get(), back), back);
        QVERIFY(!widget<QCheckBox>("MaxAxleWeightBox5")->isHidden());
        QCOMPARE(axleLines(44),
                 "tyre_type=1,1,2,, max_axle_weight__kN=1,78.5;2,78.5;3,88.3;4,;5,;3+4+5,264.8 "
                 "max_axle_distance__m=2.1,5.4,, min_axle_distance__m=1.8,3.5,,");
    }

    void invalidCountChangesNoEditor_data()
    {
        // What is typed, and whether before the 5 shown rather than in its place.
        addRows({"typed", "before"}, {{"1", "1", ""}, {"25", "2", "yes"}, {"empty", "", ""}});
    }
    void invalidCountChangesNoEditor()
    {
        QFETCH(QString, typed);
        selectSubclass44();
        auto* count = edit("lineEditNumOfAxles");
        const QList<QLineEdit*> before = window->findChildren<QLineEdit*>();
        const QStringList shown = shownEdits(window.get(), "(M|TyreType)");
        if (!cell("before").isEmpty()) {
            // Straight from 5 to 25, so that no valid count is typed on the way.
            count->home(false);
            QTest::keyClicks(count, typed);
        } else {
            retype(count, typed);
        }
        QCOMPARE(background(count), "red");
        QCOMPARE(window->findChildren<QLineEdit*>(), before);
        QCOMPARE(shownEdits(window.get(), "(M|TyreType)"), shown);
    }
};

QTEST_MAIN(TestAxleEditors)
#include "tst_axleeditors.moc"
