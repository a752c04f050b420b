// Combined axle constraints between file units and displayed units.
#include "units/constrainttexts.h"

#include <QtTest>

class TestConstraintTexts : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data()
    {
        QTest::addColumn<QString>("converter");
        QTest::addColumn<bool>("imperial"); // pounds and feet, else tonnes and metres
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");  // to display
        QTest::addColumn<QString>("toFile"); // to file; the same converter, the other way
        // An empty result means the text is not of the kind's form.
        const std::tuple<const char*, bool, const char*, const char*, const char*> rows[] = {
            {"adsl_0", false, "2.5,18.75", "2.5,18.8", "2.5,18.75"},
            {"adsl_0", true, "0.3048,3.048", "1.0,10.0", "0.092903,0.92903"},
            {"adsl_0", false, "2.5", "", ""},
            {"adsl_0", false, "2.5,x", "", ""},
            {"adsl_0", false, "-1,3", "-1.0,3.0", ""},
            {"adsl", true, "2+3:3.048,6.096", "2+3:10.0,20.0", "2+3:0.92903,1.85806"},
            {"adsl", false, "2+3", "", ""},
            {"adsl", false, "1:2:1,2", "", ""},
            {"awsl_0", false, "98.0665,3;196.133,5", "10.0,3;20.0,5", "961.704,3;1923.41,5"},
            {"awsl_0", true, "4.4482215,3;0,5", "1000.0,3;0.0,5", "0.0197867,3;0,5"},
            {"awsl_0", false, "10,3", "", ""},
            {"awsl_0", false, "10,3;20", "", ""},
            {"awsl_0", false, "10,3.5;20,5", "", ""},
            {"awsl", false, "1+2:98.0665,3;196.133,5", "1+2:10.0,3;20.0,5",
             "1+2:961.704,3;1923.41,5"},
            {"awsl", false, "1+2:10,3", "", ""},
        };
        for (const auto& [converter, imperial, text, shown, toFile] : rows)
            QTest::addRow("%s %s%s", converter, text, imperial ? " lb ft" : "")
                << QString(converter) << imperial << QString(text) << QString(shown)
                << QString(toFile);
    }
    void conversions()
    {
        QFETCH(QString, converter);
        QFETCH(bool, imperial);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, toFile);
        DisplayUnits units;
        units.setUnits(imperial, imperial, DisplayUnits::standardGravity);
        using Convert = QString (*)(const QString&, ConversionDirection, const DisplayUnits&);
        const QMap<QString, Convert> converters = {{"adsl_0", convertTotalDistance},
                                                   {"adsl", convertCombinedDistance},
                                                   {"awsl_0", convertTotalWeight},
                                                   {"awsl", convertCombinedWeight}};
        const Convert convert = converters.value(converter);
        QCOMPARE(convert(text, ConversionDirection::toDisplay, units), shown);
        QCOMPARE(convert(text, ConversionDirection::toFile, units), toFile);
        // An edit shows the first, or the text as stored; what an edit holds is stored as the
        // second, or as typed.
        QCOMPARE(constraintToDisplay(converter, text, units), shown.isEmpty() ? text : shown);
        QCOMPARE(constraintToFile(converter, text, units), toFile.isEmpty() ? text : toFile);
    }

    void weightLimits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        // In tonnes: a limit is "axles,weight"; what is not stays as it is, shown and stored,
        // never a limit of 0.
        QTest::newRow("limit") << "1+2,98.0665"
                               << "1+2,10.00"
                               << "1+2,961.704";
        for (const char* text : {"1+2", "1+2,x", "1+2,-", "1+2,"})
            QTest::newRow(text) << text << text << text;
    }
    void weightLimits()
    {
        QFETCH(QString, text);
        const DisplayUnits units;
        QTEST(constraintToDisplay("default", text, units), "shown");
        QTEST(constraintToFile("default", text, units), "stored");
    }
};

QTEST_APPLESS_MAIN(TestConstraintTexts)
#include "tst_constrainttexts.moc"
