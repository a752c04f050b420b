// Displayed units: the factors of each unit and the conversions between file and window texts.
#include "units/displayunits.h"

#include <QtTest>

using Kind = DisplayUnits::Kind;

class TestDisplayUnits : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data()
    {
        for (const char* column : {"text", "suffix", "shown", "toFile", "fromEdit"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("length"); // -1: the text is a weight
        // A file value, the label suffix, the value as an edit shows it, and the text taken back as
        // a file value and from an edit.
        const auto row = [](const char* name, int weight, int length, const char* text,
                            const char* suffix, const char* shown, const char* toFile,
                            const char* fromEdit) {
            QTest::newRow(name) << text << suffix << shown << toFile << fromEdit << weight
                                << length;
        };
        row("kN in tonnes", 0, -1, "49.03325", "(t):", "5.00", "480.852", "480.852");
        row("kN in kN", 2, -1, "49.03325", "(kN):", "49.03", "49.0332", "49.0332");
        row("kN in pounds", 1, -1, "49.03325", "(lb):", "11023.11", "0.218111", "0.218111");
        row("m in metres", 1, 0, "2.5", "(m):", "2.50", "2.5", "2.5");
        row("m in feet", 0, 1, "2.5", "(ft):", "8.20", "0.762", "0.762");
        row("m in inches", 0, 2, "2.5", "(in):", "98.43", "0.0635", "0.0635");
        // A zero an edit shows is no value; one the file holds stays zero.
        row("zero", 0, -1, "0", "(t):", "", "0", "");
        row("negative", 1, 1, "-2.5", "(ft):", "", "", "");
        row("empty", 0, 0, "", "(m):", "", "", "");
    }

    void conversions()
    {
        QFETCH(QString, text);
        QFETCH(int, weight);
        QFETCH(int, length);
        DisplayUnits units;
        units.setUnits(quint8(weight), quint8(qMax(length, 0)), DisplayUnits::standardGravity);
        const Kind kind = length < 0 ? Kind::weight : Kind::length;
        QTEST(units.suffix(kind), "suffix");
        QTEST(units.toDisplayedText(text, kind), "shown");
        QTEST(units.toFileText(text, kind), "toFile");
        QTEST(units.editTextToFileText(text, kind), "fromEdit");
    }

    void choosingUnits_data()
    {
        QTest::addColumn<int>("weightBefore");
        QTest::addColumn<float>("gBefore");
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("length");
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("weightFactor");
        QTest::addColumn<float>("lengthFactor");
        QTest::newRow("tonnes with g") << 1 << 0.0f << 0 << 1 << 9.81f << 9.81f << 0.3048f;
        QTest::newRow("unknown codes") << 0 << 9.81f << 7 << 9 << 0.f << 9.81f << 1.f;
        // A g that is no positive number never becomes the factor.
        QTest::newRow("t, no g") << 0 << 9.81f << 0 << 0 << 0.f << 9.81f << 1.f;
        QTest::newRow("lb to t, no g") << 1 << 0.f << 0 << 0 << -1.f << 9.80665f << 1.f;
    }

    void choosingUnits()
    {
        QFETCH(int, weightBefore);
        QFETCH(float, gBefore);
        QFETCH(int, weight);
        QFETCH(int, length);
        QFETCH(float, g);
        DisplayUnits units;
        units.setUnits(quint8(weightBefore), 0, gBefore);
        units.setUnits(quint8(weight), quint8(length), g);
        QTEST(units.weightFactor(), "weightFactor");
        QTEST(units.lengthFactor(), "lengthFactor");
    }
};

QTEST_APPLESS_MAIN(TestDisplayUnits)
#include "tst_displayunits.moc"
