// The per-axle editors alone: the rows an axle count lays out, what they show of a record and
// how they judge it, and which entry each edit is.
#include "tests/formfixture.h"
#include "ui/axlerows.h"
#include "ui/framecells.h"

using namespace WindowDriver;

class TestAxleRows : public QObject, FormFixture
{
    Q_OBJECT

    Conf conf; // axle distances 0.8 to 15 m
    std::unique_ptr<AxleRows> rows;
    // Five axles; the second gap's minimum is below the header's, axle 2 has no weight and axle 4
    // no valid tyre type.
    const Subclass record =
        Subclass::from_section({{"number_of_axles", "5"},
                                {"tyre_type", "1,2,2,7,2"},
                                {"max_axle_weight__kN", "1,80;2,0;3,90;4,90;5,90"},
                                {"min_axle_distance__m", "1.2,0.5,1.3,1.3"},
                                {"max_axle_distance__m", "3,1.4,1.4,1.4"}});

private slots:
    void init()
    {
        setUpForm();
        conf.set_min_axle_distance__m("0.8");
        conf.set_max_axle_distance__m("15");
        rows = std::make_unique<AxleRows>(form, units, wire());
        rows->showFirstAxle(); // as the window does once a configuration is open
    }

    void layOut_data()
    {
        // Counts laid out one after the other; then the last shown edit of each kind, the edits
        // ever made (two for axle 1, four for every further axle) and the texts of the boxes shown.
        addRows(
            {"counts", "last", "made", "boxes"},
            {{"5", "MaxAxleDist4=1.40 MinAxleDist4=1.30 MaxAxleWeightEdit5=9.18 TyreType5=2", "18",
              "1 |2 |3 |4 |5 "},
             {"5 2", "MaxAxleDist1=3.00 MinAxleDist1=1.20 MaxAxleWeightEdit2= TyreType2=2", "18",
              "1 |2 "},
             // A row comes back as it was made, with what the record holds for it.
             {"5 2 3", "MaxAxleDist2=1.40 MinAxleDist2=0.50 MaxAxleWeightEdit3=9.18 TyreType3=2",
              "18", "1 |2 |3 "},
             {"12", "MaxAxleDist11= MinAxleDist11= MaxAxleWeightEdit12= TyreType12=", "46",
              "1 |2 |3 |4 |5 |6 |7 |8 |9 |10|11|12"}});
    }
    void layOut()
    {
        for (const QString& count : cell("counts").split(' '))
            rows->layOut(record, count.toInt(), conf);
        // The count's edits and no more are shown, the last ones with the record's values.
        const QStringList edits = shownEdits(window.get(), "(MaxAxle|MinAxle|TyreType)");
        QCOMPARE(edits.size(), 4 * cell("counts").section(' ', -1).toInt() - 2);
        for (const QString& last : cell("last").split(' '))
            QVERIFY2(edits.contains(last), qPrintable(last));
        QTEST(QString::number(wired), "made");
        QStringList boxes;
        for (const QCheckBox* box : window->findChildren<QCheckBox*>())
            if (!box->isHidden())
                boxes << box->text();
        QTEST(boxes.join('|'), "boxes");
    }

    void cellOf_data()
    {
        addRows({"editor", "cell"}, {{"MaxAxleDist1", "0 0"},
                                     {"MinAxleDist4", "1 3"},
                                     {"MaxAxleWeightEdit1", "2 0"},
                                     {"MaxAxleWeightEdit5", "2 4"},
                                     {"TyreType3", "3 2"},
                                     {"MaxAxleWeightBox2", ""},
                                     {"labelMaxAxleDists", ""},
                                     {"lineEditCategory", ""}});
    }
    void cellOf()
    {
        rows->layOut(record, 5, conf);
        const auto found = rows->cellOf(window->findChild<QObject*>(cell("editor")));
        QTEST(found ? QStringLiteral("%1 %2").arg(int(found->list)).arg(found->index) : QString(),
              "cell");
    }

    void showAndJudge()
    {
        Subclass shownRecord = record;
        rows->layOut(shownRecord, 5, conf);
        FrameCells::checkBoxAt(form.frameMaxAxleWeightsBoxes, 2)->setChecked(true);
        rows->show(shownRecord, 5, conf);
        // Shown, a distance carries no explanation; a tyre type does.
        QCOMPARE(shown("MinAxleDist1 MinAxleDist2 MaxAxleDist2 MaxAxleWeightEdit2 TyreType4 "
                       "MaxAxleWeightEdit5 labelSumMaxAxleWeights labelSumMinAxleDist"),
                 "MinAxleDist1=1.20 lime MinAxleDist2=0.50 red MaxAxleDist2=1.40 lime "
                 "MaxAxleWeightEdit2= red TyreType4=7 red MaxAxleWeightEdit5=9.18 lime "
                 "labelSumMaxAxleWeights=35.69 labelSumMinAxleDist=4.30");
        // An invalid value is marked inside its field, the mark telling why; a valid one is not.
        QCOMPARE(warningMark(edit("TyreType4")), "Valid types are between 1 and 4");
        QVERIFY(warningMark(edit("MinAxleDist2")).startsWith("Value must be lower"));
        QCOMPARE(warningMark(edit("MaxAxleDist2")), QString());
        QVERIFY(rows->tickedAxles().isEmpty());

        // An edited gap judges both its edits; the sums follow the record.
        shownRecord.set_min_distance_at_index("1.3", 1);
        rows->judge(shownRecord, {AxleRows::List::minDistance, 1}, conf);
        QCOMPARE(shown("MinAxleDist2 MaxAxleDist2 labelSumMinAxleDist"),
                 "MinAxleDist2=0.50 lime MaxAxleDist2=1.40 lime labelSumMinAxleDist=5.10");
        shownRecord.set_max_distance_at_index("1", 0); // below its minimum
        rows->judge(shownRecord, {AxleRows::List::maxDistance, 0}, conf);
        QCOMPARE(shown("MinAxleDist1"), "MinAxleDist1=1.20 red");
        QVERIFY(edit("MaxAxleDist1")->toolTip().startsWith("Value must be higher"));
    }

    void redisplayInPoundsAndFeet()
    {
        rows->layOut(record, 5, conf);
        units.setUnits(1, 1, 0);
        rows->redisplayUnits(&record, 5, conf);
        // Judged again: what was red stays red.
        QCOMPARE(shown("labelMaxAxleWeightsEdits MaxAxleWeightEdit1 MaxAxleWeightEdit2 "
                       "MinAxleDist2 MaxAxleDist2 TyreType4 labelSumMaxAxleDist"),
                 "labelMaxAxleWeightsEdits=Max. axle weights (lb): MaxAxleWeightEdit1=17984.71 "
                 "lime MaxAxleWeightEdit2= red MinAxleDist2=1.64 red MaxAxleDist2=4.59 lime "
                 "TyreType4=7 red labelSumMaxAxleDist=23.62");
    }
};

QTEST_MAIN(TestAxleRows)
#include "tst_axlerows.moc"
