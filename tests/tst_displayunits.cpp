// Displayed units: the factors of each unit and the conversions between file and window texts.
#include "units/displayunits.h"

#include <QtTest>

using Kind = DisplayUnits::Kind;

namespace {

DisplayUnits unitsOf(int weight, int length)
{
    DisplayUnits units;
    units.setUnits(quint8(weight), quint8(length), DisplayUnits::standardGravity);
    return units;
}

} // namespace

class TestDisplayUnits : public QObject
{
    Q_OBJECT

private slots:
    void labelSuffixes();
    void conversions_data();
    void conversions();
    void choosingUnits_data();
    void choosingUnits();
};

void TestDisplayUnits::labelSuffixes()
{
    const DisplayUnits units = unitsOf(1, 2);
    QCOMPARE(DisplayUnits::withSuffix(QStringLiteral("Max. GVW (t):"), units.suffix(Kind::weight)),
             QStringLiteral("Max. GVW (lb):"));
    QCOMPARE(DisplayUnits::withSuffix(QStringLiteral("Max. axle distances (m):"),
                                      units.suffix(Kind::length)),
             QStringLiteral("Max. axle distances (in):"));
    QCOMPARE(DisplayUnits::withSuffix(QStringLiteral("Length:"), QStringLiteral("(ft):")),
             QStringLiteral("Length:(ft):"));
}

void TestDisplayUnits::conversions_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("isWeight");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");    // a file value as an edit shows it
    QTest::addColumn<QString>("toFile");   // the text taken back as a file value
    QTest::addColumn<QString>("fromEdit"); // the text taken back from an edit
    struct Row
    {
        const char* name;
        int weight, length;
        bool isWeight;
        const char *text, *shown, *toFile, *fromEdit;
    };
    const Row rows[] = {
        {"kN in tonnes", 0, 0, true, "49.03325", "5.00", "480.852", "480.852"},
        {"kN in kN", 2, 0, true, "49.03325", "49.03", "49.0332", "49.0332"},
        {"kN in pounds", 1, 0, true, "49.03325", "11023.11", "0.218111", "0.218111"},
        {"m in feet", 0, 1, false, "2.5", "8.20", "0.762", "0.762"},
        {"m in inches", 0, 2, false, "2.5", "98.43", "0.0635", "0.0635"},
        {"weight ignores the length unit", 0, 2, true, "9.80665", "1.00", "96.1704", "96.1704"},
        {"zero", 0, 0, true, "0", "", "0", ""},
        {"negative", 1, 1, false, "-2.5", "", "", ""},
        {"empty", 0, 0, false, "", "", "", ""},
        {"not a number", 0, 0, false, ".", "", "0", ""},
    };
    for (const Row& row : rows)
        QTest::newRow(row.name) << row.weight << row.length << row.isWeight << row.text << row.shown
                                << row.toFile << row.fromEdit;
}

void TestDisplayUnits::conversions()
{
    QFETCH(int, weight);
    QFETCH(int, length);
    QFETCH(bool, isWeight);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, toFile);
    QFETCH(QString, fromEdit);
    const DisplayUnits units = unitsOf(weight, length);
    const Kind kind = isWeight ? Kind::weight : Kind::length;
    QCOMPARE(units.toDisplayedText(text, kind), shown);
    QCOMPARE(units.toFileText(text, kind), toFile);
    QCOMPARE(units.editTextToFileText(text, kind), fromEdit);
}

void TestDisplayUnits::choosingUnits_data()
{
    QTest::addColumn<int>("weightBefore");
    QTest::addColumn<float>("gBefore");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("length");
    QTest::addColumn<float>("g");
    QTest::addColumn<float>("weightFactor");
    QTest::addColumn<float>("lengthFactor");
    QTest::newRow("tonnes with g") << 1 << 0.0f << 0 << 0 << 9.81f << 9.81f << 1.0f;
    QTest::newRow("pounds and feet") << 0 << 9.81f << 1 << 1 << 0.0f << 0.0044482215f << 0.3048f;
    QTest::newRow("kN and inches") << 0 << 9.81f << 2 << 2 << 0.0f << 1.0f << 0.0254f;
    QTest::newRow("unknown codes keep the factors")
        << 0 << 9.81f << 7 << 9 << 0.0f << 9.81f << 1.0f;
    QTest::newRow("tonnes without g keep theirs") << 0 << 9.81f << 0 << 0 << 0.0f << 9.81f << 1.0f;
    QTest::newRow("from pounds, tonnes without g")
        << 1 << 0.0f << 0 << 0 << -1.0f << 9.80665f << 1.0f;
}

void TestDisplayUnits::choosingUnits()
{
    QFETCH(int, weightBefore);
    QFETCH(float, gBefore);
    QFETCH(int, weight);
    QFETCH(int, length);
    QFETCH(float, g);
    QFETCH(float, weightFactor);
    QFETCH(float, lengthFactor);
    DisplayUnits units;
    units.setUnits(quint8(weightBefore), 0, gBefore);
    units.setUnits(quint8(weight), quint8(length), g);
    QCOMPARE(units.weightUnit(), quint8(weight));
    QCOMPARE(units.lengthUnit(), quint8(length));
    QCOMPARE(units.weightFactor(), weightFactor);
    QCOMPARE(units.lengthFactor(), lengthFactor);
}

QTEST_APPLESS_MAIN(TestDisplayUnits)
#include "tst_displayunits.moc"
