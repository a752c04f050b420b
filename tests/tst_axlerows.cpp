// The per-axle editors alone on the bare form: the rows an axle count lays out, what they show of
// a record and how they judge it, and which entry each edit is.
#include "tests/windowdriver.h"
#include "ui/axlerows.h"
#include "ui/framecells.h"
#include "ui_vorlan.h"

using namespace WindowDriver;

namespace {

// Five axles, the gaps 1.2-3 m, 0.5-1.4 m (a minimum below the header's 0.8 m), 1.3-1.4 and
// 1.3-1.4 m; axle 2's weight and axle 4's tyre type invalid.
Subclass fiveAxles()
{
    return Subclass::from_section({{"number_of_axles", "5"},
                                   {"tyre_type", "1,2,2,7,2"},
                                   {"max_axle_weight__kN", "1,80;2,0;3,90;4,90;5,90"},
                                   {"min_axle_distance__m", "1.2,0.5,1.3,1.3"},
                                   {"max_axle_distance__m", "3,1.4,1.4,1.4"}});
}

} // namespace

class TestAxleRows : public QObject
{
    Q_OBJECT

    std::unique_ptr<QMainWindow> window;
    Ui::Vorlan form;
    DisplayUnits units;
    Conf conf;
    std::unique_ptr<AxleRows> rows;
    int wired = 0; // edits handed to the window

    QString shown(const QString& names) const
    {
        return onScreen(window.get(), names.split(' ')).join(' ');
    }

private slots:
    void init()
    {
        window = std::make_unique<QMainWindow>();
        form.setupUi(window.get());
        units = DisplayUnits();
        conf.set_min_axle_distance__m("0.8");
        conf.set_max_axle_distance__m("15");
        wired = 0;
        rows = std::make_unique<AxleRows>(form, units, [this](QLineEdit*) { ++wired; });
        rows->showFirstAxle(); // as the window does once a configuration is open
    }

    void layOut_data()
    {
        // Counts laid out one after the other; then the shown per-axle edits, the edits ever
        // created (axle 1 has two, every further axle four) and the texts of the shown boxes.
        addRows({"counts", "edits", "created", "boxes"},
                {{"5",
                  "MaxAxleDist1=3.00 MaxAxleDist2=1.40 MaxAxleDist3=1.40 MaxAxleDist4=1.40 "
                  "MaxAxleWeightEdit1=8.16 MaxAxleWeightEdit2= MaxAxleWeightEdit3=9.18 "
                  "MaxAxleWeightEdit4=9.18 MaxAxleWeightEdit5=9.18 MinAxleDist1=1.20 "
                  "MinAxleDist2=0.50 MinAxleDist3=1.30 MinAxleDist4=1.30 TyreType1=1 "
                  "TyreType2=2 TyreType3=2 TyreType4=7 TyreType5=2",
                  "18", "1 |2 |3 |4 |5 "},
                 {"5 2",
                  "MaxAxleDist1=3.00 MaxAxleWeightEdit1=8.16 MaxAxleWeightEdit2= "
                  "MinAxleDist1=1.20 TyreType1=1 TyreType2=2",
                  "18", "1 |2 "},
                 // Rows come back as they were created, with what the record holds for them.
                 {"5 2 3",
                  "MaxAxleDist1=3.00 MaxAxleDist2=1.40 MaxAxleWeightEdit1=8.16 "
                  "MaxAxleWeightEdit2= MaxAxleWeightEdit3=9.18 MinAxleDist1=1.20 "
                  "MinAxleDist2=0.50 TyreType1=1 TyreType2=2 TyreType3=2",
                  "18", "1 |2 |3 "},
                 {"12 axles", "12", "", "46", "1 |2 |3 |4 |5 |6 |7 |8 |9 |10|11|12"}});
    }
    void layOut()
    {
        const Subclass record = fiveAxles();
        for (const QString& count : cell("counts").split(' '))
            rows->layOut(record, count.toInt(), conf);
        if (!cell("edits").isEmpty())
            QTEST(shownEdits(window.get(), "(M|TyreType)").join(' '), "edits");
        QCOMPARE(QString::number(wired), cell("created"));
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
        rows->layOut(fiveAxles(), 5, conf);
        const auto found = rows->cellOf(window->findChild<QObject*>(cell("editor")));
        QTEST(found ? QStringLiteral("%1 %2").arg(int(found->list)).arg(found->index) : QString(),
              "cell");
    }

    void showAndJudge()
    {
        Subclass record = fiveAxles();
        rows->layOut(record, 5, conf);
        FrameCells::checkBoxAt(form.frameMaxAxleWeightsBoxes, 2)->setChecked(true);
        rows->show(record, 5, conf);
        // Shown, a distance carries no explanation; a tyre type does.
        QCOMPARE(shown("MinAxleDist1 MinAxleDist2 MaxAxleDist2 MaxAxleWeightEdit2 TyreType4 "
                       "MaxAxleWeightEdit5 labelSumMaxAxleWeights labelSumMinAxleDist"),
                 "MinAxleDist1=1.20 lime MinAxleDist2=0.50 red MaxAxleDist2=1.40 lime "
                 "MaxAxleWeightEdit2= red TyreType4=7 red MaxAxleWeightEdit5=9.18 lime "
                 "labelSumMaxAxleWeights=35.69 labelSumMinAxleDist=4.30");
        QCOMPARE(form.frameMinAxleDists->findChild<QLineEdit*>("MinAxleDist2")->toolTip(), "");
        QCOMPARE(edit("TyreType4")->toolTip(), "Valid types are between 1 and 4");
        QVERIFY(rows->tickedAxles().isEmpty());

        // An edited gap judges both its edits; the sums follow the record.
        record.set_min_distance_at_index("1.3", 1);
        rows->judge(record, {AxleRows::List::minDistance, 1}, conf);
        QCOMPARE(shown("MinAxleDist2 MaxAxleDist2 labelSumMinAxleDist"),
                 "MinAxleDist2=0.50 lime MaxAxleDist2=1.40 lime labelSumMinAxleDist=5.10");
        record.set_max_distance_at_index("1", 0); // below its minimum
        rows->judge(record, {AxleRows::List::maxDistance, 0}, conf);
        QVERIFY(edit("MaxAxleDist1")->toolTip().startsWith("Value must be higher"));
        QCOMPARE(shown("MinAxleDist1"), "MinAxleDist1=1.20 red");
    }

    void judgeGapsAgainstLimit_data()
    {
        // Gap 1 shows 1.20-3.00; the limit as the header edit shows it.
        addRows({"limit", "typed", "colours"}, {{"minimum", "1.2", "lime lime"},
                                                {"minimum", "2", "red lime"},
                                                {"minimum", "3.5", "red red"},
                                                {"maximum", "3", "lime lime"},
                                                {"maximum", "2", "lime red"},
                                                {"maximum", "1", "red red"}});
    }
    void judgeGapsAgainstLimit()
    {
        rows->layOut(fiveAxles(), 5, conf);
        rows->judgeGapsAgainst(cell("limit") == "minimum" ? AxleRows::Limit::minimum
                                                          : AxleRows::Limit::maximum,
                               cell("typed").toFloat(), 2);
        QTEST(background(edit("MinAxleDist1")) + ' ' + background(edit("MaxAxleDist1")), "colours");
        QCOMPARE(background(edit("MinAxleDist2")), "red"); // past the axles asked for
    }

    void redisplayInPoundsAndFeet()
    {
        const Subclass record = fiveAxles();
        rows->layOut(record, 5, conf);
        units.setUnits(1, 1, 0);
        rows->redisplayUnits(&record, 5);
        QCOMPARE(shown("labelMaxAxleWeightsEdits MaxAxleWeightEdit1 MaxAxleWeightEdit5 "
                       "MinAxleDist4 MaxAxleDist2 TyreType4 labelSumMaxAxleDist"),
                 "labelMaxAxleWeightsEdits=Max. axle weights (lb): MaxAxleWeightEdit1=17984.71 "
                 "lime MaxAxleWeightEdit5=20232.80 lime MinAxleDist4=4.27 lime MaxAxleDist2=4.59 "
                 "lime TyreType4=7 red labelSumMaxAxleDist=23.622");
    }

private:
    QLineEdit* edit(const QString& name) const { return window->findChild<QLineEdit*>(name); }
};

QTEST_MAIN(TestAxleRows)
#include "tst_axlerows.moc"
