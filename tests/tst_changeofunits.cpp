// A change of displayed units re-shows every value in the new units, and what is typed afterwards
// still reaches the configuration in kilonewtons and metres.
#include "tests/windowdriver.h"

using namespace WindowDriver;

// Values chosen to come out round in pounds and inches; a sum counts each entry as rounded to two
// decimals of its file unit.
const char* const confText =
    "[classes]\ngroup_max_distance__m=2.54\nmax_axle_distance__m=15\nmin_axle_distance__m=0.5\n"
    "min_2axle_truck_spacing__m=3.5\nmin_avg_axle_weight__kN=4.4482215\n\n[subclass_13]\n"
    "adsl_1=2+3:2.54,5.08\nawsl_1=1+2:4.4482215,4;8.896443,5\naxle_configuration=C2T1\n"
    "category=1\nmax_GVW__kN=44.482215\nnumber_of_axles=3\nprepend__m=0.254\ntyre_type=1,1,1\n"
    "upper_GVW_limit__kN=22.2411075\nmax_axle_distance__m=2.54,5.08\n"
    "min_axle_distance__m=1.27,2.54\n"
    "max_axle_weight__kN=1,8.896443;2,13.3446645;3,4.4482215;2+3,17.792886\n";

class TestChangeOfUnits : public QObject, Fixture
{
    Q_OBJECT

    // As the units dialog's OK sends them: "weight,length,g".
    bool receiveUnits(const QString& choice)
    {
        const QStringList parts = choice.split(',');
        return QMetaObject::invokeMethod(
            window.get(), "receiveUnits", Q_ARG(unsigned char, parts.at(0).toUShort()),
            Q_ARG(unsigned char, parts.at(1).toUShort()), Q_ARG(float, parts.at(2).toFloat()));
    }

private slots:
    void init()
    {
        window = std::make_unique<Vorlan>();
        open(confText);
        QCOMPARE(edit("lineEditSubclass")->text(), QStringLiteral("13"));
    }

    void valuesShownInNewUnits_data()
    {
        QTest::addColumn<QString>("received"); // weight,length,g of each accepted dialog
        // objectName=text or, for what no widget shows, headerKey=value; separated by |
        QTest::addColumn<QString>("shown");
        QTest::newRow("pounds, inches")
            << "1,2,0"
            << "buttonGConstant=0|g_acceleration_constant=|labelMaxAxleDists=Max. axle distances "
               "(in):|labelCombinedWeightConstraints=Combined axle weight constraints (lb):|"
               "labelMinAvgAxleWeight=Min. avg. axle weight (lb):|lineEditMinAvgAxleWeight=1000.00|"
               "lineEditGroupMaxDist=100.00|MaxAxleDist1=100.00|lineEditReclassUpGvw=5000.00|"
               "MinAxleDist2=100.00|MaxAxleWeightEdit2=3000.00|labelSumMinAxleDist=150|"
               "labelSumMaxAxleDist=300|labelSumMaxAxleWeights=6000.15|"
               "adslConstraint0=2+3:100.0,200.0|awslConstraint0=1+2:1000.0,4;2000.0,5|"
               "defaultConstraint0=2+3,4000.00";
        QTest::newRow("tonnes with g 9.81")
            << "1,0,0;0,0,9.81"
            << "buttonGConstant=9.81|g_acceleration_constant=9.81|labelMaxGrossWeight=Max. GVW "
               "(t):|MaxAxleWeightEdit2=1.36|labelSumMaxAxleWeights=2.72069";
        QTest::newRow("g 0 refused, 9.81 kept")
            << "0,0,9.81;0,0,0"
            << "buttonGConstant=9.81|g_acceleration_constant=9.81|labelSumMaxAxleWeights=2.72069";
        QTest::newRow("back to the standard g")
            << "0,0,9.81;0,0,9.80665"
            << "buttonGConstant=9.80665|g_acceleration_constant=9.80665";
    }

    void valuesShownInNewUnits()
    {
        const QStringList expectations = cell("shown").split('|');
        // The checked edits start red, so that only a re-shown one can be lime.
        for (const QString& expected : expectations)
            if (auto* edit = window->findChild<QLineEdit*>(expected.section('=', 0, 0)))
                edit->setStyleSheet(QStringLiteral("QLineEdit {background-color: red}"));
        for (const QString& choice : cell("received").split(';'))
            QVERIFY(receiveUnits(choice));
        for (const QString& expected : expectations) {
            const QString name = expected.section('=', 0, 0);
            auto* widget = window->findChild<QWidget*>(name);
            QString text = widget ? widget->property("text").toString()
                                  : window->configuration().header().value(name);
            if (auto* edit = qobject_cast<QLineEdit*>(widget))
                text += background(edit) == "lime" ? "" : " not lime";
            QCOMPARE(name + '=' + text, expected);
        }
    }

    // Pounds and feet on screen, kilonewtons and metres in the file.
    void typedValuesStoredInFileUnits()
    {
        QVERIFY(receiveUnits(QStringLiteral("1,1,0")));
        for (const auto& [field, typed, stored] :
             {std::tuple{"lineEditPrepend", "10", "\nprepend__m=3.048\n"},
              {"MaxAxleDist1", "10", "\nmax_axle_distance__m=3.048,5.08\n"},
              {"MaxAxleWeightEdit1", "1000", "\nmax_axle_weight__kN=1,4.44822;"}}) {
            retype(edit(field), typed);
            QVERIFY2(window->configuration().to_text().contains(stored), field);
        }
    }
};

QTEST_MAIN(TestChangeOfUnits)
#include "tst_changeofunits.moc"
