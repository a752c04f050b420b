// Displayed units: the factors of each unit and the conversions between file and window texts.
#include "units/displayunits.h"

#include <QtTest>

using Kind = DisplayUnits::Kind;
Q_DECLARE_METATYPE(DisplayUnits::Kind)

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
    void shownInEdits_data();
    void shownInEdits();
    void backToFile_data();
    void backToFile();
    void sums_data();
    void sums();
    void choosingUnits_data();
    void choosingUnits();
    void labelSuffix_data();
    void labelSuffix();
};

void TestDisplayUnits::shownInEdits_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("length");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("shown");
    QTest::newRow("kN in tonnes") << 0 << 0 << Kind::weight << "49.03325"
                                  << "5.00";
    QTest::newRow("kN in kN") << 2 << 0 << Kind::weight << "49.03325"
                              << "49.03";
    QTest::newRow("kN in pounds") << 1 << 0 << Kind::weight << "49.03325"
                                  << "11023.11";
    QTest::newRow("m in metres") << 0 << 0 << Kind::length << "2.5"
                                 << "2.50";
    QTest::newRow("m in feet") << 0 << 1 << Kind::length << "2.5"
                               << "8.20";
    QTest::newRow("m in inches") << 0 << 2 << Kind::length << "2.5"
                                 << "98.43";
    QTest::newRow("length factor not used for weight") << 0 << 2 << Kind::weight << "9.80665"
                                                       << "1.00";
    QTest::newRow("zero") << 0 << 0 << Kind::weight << "0"
                          << "";
    QTest::newRow("negative") << 1 << 1 << Kind::length << "-2.5"
                              << "";
    QTest::newRow("empty") << 0 << 0 << Kind::length << ""
                           << "";
    QTest::newRow("not a number") << 0 << 0 << Kind::length << "abc"
                                  << "";
}

void TestDisplayUnits::shownInEdits()
{
    QFETCH(int, weight);
    QFETCH(int, length);
    QFETCH(Kind, kind);
    QFETCH(QString, file);
    QFETCH(QString, shown);
    QCOMPARE(unitsOf(weight, length).toDisplayedText(file, kind), shown);
}

void TestDisplayUnits::backToFile_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("length");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("fromEdit");
    QTest::newRow("tonnes") << 0 << 0 << Kind::weight << "10"
                            << "98.0665"
                            << "98.0665";
    QTest::newRow("pounds") << 1 << 0 << Kind::weight << "5"
                            << "0.0222411"
                            << "0.0222411";
    QTest::newRow("feet") << 0 << 1 << Kind::length << "8.2"
                          << "2.49936"
                          << "2.49936";
    QTest::newRow("inches") << 0 << 2 << Kind::length << "100"
                            << "2.54"
                            << "2.54";
    QTest::newRow("zero") << 0 << 0 << Kind::weight << "0"
                          << "0"
                          << "";
    QTest::newRow("negative") << 0 << 0 << Kind::length << "-1.5"
                              << ""
                              << "";
    QTest::newRow("empty") << 2 << 2 << Kind::weight << ""
                           << ""
                           << "";
    QTest::newRow("not a number") << 0 << 0 << Kind::length << "."
                                  << "0"
                                  << "";
}

void TestDisplayUnits::backToFile()
{
    QFETCH(int, weight);
    QFETCH(int, length);
    QFETCH(Kind, kind);
    QFETCH(QString, typed);
    QFETCH(QString, converted);
    QFETCH(QString, fromEdit);
    const DisplayUnits units = unitsOf(weight, length);
    QCOMPARE(units.toFileText(typed, kind), converted);
    QCOMPARE(units.editTextToFileText(typed, kind), fromEdit);
}

void TestDisplayUnits::sums_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("length");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<float>("sum");
    QTest::addColumn<QString>("formatted");
    QTest::addColumn<QString>("label");
    QTest::newRow("weights in tonnes") << 0 << 0 << Kind::weight << 24.6f << "2.5085"
                                       << "2.51";
    QTest::newRow("distances in feet") << 0 << 1 << Kind::length << 9.2f << "30.1837"
                                       << "30.18";
    QTest::newRow("nothing") << 1 << 2 << Kind::length << 0.0f << "0"
                             << "0.00";
}

void TestDisplayUnits::sums()
{
    QFETCH(int, weight);
    QFETCH(int, length);
    QFETCH(Kind, kind);
    QFETCH(float, sum);
    QFETCH(QString, formatted);
    QFETCH(QString, label);
    const DisplayUnits units = unitsOf(weight, length);
    QCOMPARE(units.formatSum(sum, kind), formatted);
    QCOMPARE(units.sumLabelText(sum, kind), label);
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
    QTest::newRow("unknown codes keep factors") << 0 << 9.81f << 7 << 9 << 0.0f << 9.81f << 1.0f;
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

void TestDisplayUnits::labelSuffix_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("length");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("relabelled");
    QTest::newRow("pounds") << 1 << 0 << Kind::weight << "Min. avg. axle weight (t):"
                            << "Min. avg. axle weight (lb):";
    QTest::newRow("inches") << 0 << 2 << Kind::length << "Max. axle distances (m):"
                            << "Max. axle distances (in):";
    QTest::newRow("no unit yet") << 2 << 0 << Kind::weight << "Weight:"
                                 << "Weight:(kN):";
}

void TestDisplayUnits::labelSuffix()
{
    QFETCH(int, weight);
    QFETCH(int, length);
    QFETCH(Kind, kind);
    QFETCH(QString, label);
    QFETCH(QString, relabelled);
    const DisplayUnits units = unitsOf(weight, length);
    QCOMPARE(DisplayUnits::withSuffix(label, units.suffix(kind)), relabelled);
}

QTEST_APPLESS_MAIN(TestDisplayUnits)
#include "tst_displayunits.moc"
