// The program's reading of reals and integers against QString::toFloat and QString::toInt, on
// texts of every shape, read alone and from a TextList.
#include "model/numberreading.h"
#include "model/textlist.h"

#include <QtTest>

#include <cstring>
#include <random>

namespace {

// The bits, so that -0 and 0, and NaNs, are told apart.
QString shown(float value, bool ok)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return QString("%1 (%2) ok=%3").arg(double(value)).arg(bits, 8, 16, QChar('0')).arg(ok);
}

QString toolkit_float(const QString& text)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    return shown(value, ok);
}

template <typename View> QString read_as_float(View text)
{
    bool ok = false;
    const float value = read_float(text, &ok);
    return shown(value, ok);
}

template <typename View> QString read_as_int(View text)
{
    bool ok = false;
    const int value = read_int(text, &ok);
    return QString("%1 ok=%2").arg(value).arg(ok);
}

QString toolkit_int(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return QString("%1 ok=%2").arg(value).arg(ok);
}

// A decimal of random digits: mantissas of up to seventeen digits, points anywhere, leading zeros.
QString random_decimal(std::mt19937& random)
{
    QString text = random() % 3 ? QString() : QString("-");
    const int digits = 1 + int(random() % 17);
    const int point = int(random() % (digits + 1));
    for (int i = 0; i < digits; ++i) {
        if (i == point && i > 0)
            text += '.';
        text += QChar('0' + int(random() % (random() % 4 ? 10 : 1)));
    }
    return text;
}

// Halfway between two neighbouring floats, written with 14 to 17 significant digits: the texts
// where reading a double first and narrowing it to float decides the result.
QString float_midpoint(std::mt19937& random)
{
    const float value = std::ldexp(float(random() % (1u << 24)), int(random() % 60) - 50);
    const double midpoint = (double(value) + double(std::nextafter(value, 1e30f))) / 2;
    return QString::number(midpoint, 'f', 14 + int(random() % 4) - int(std::log10(midpoint)));
}

} // namespace

class TestNumberReading : public QObject
{
    Q_OBJECT

private slots:
    void sameAsToolkit_data();
    void sameAsToolkit();
};

void TestNumberReading::sameAsToolkit_data()
{
    QTest::addColumn<int>("kind"); // 0: the fixed texts; 1: pieces; 2: decimals; 3: midpoints
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("fixed") << 0
                           << QStringList{"",
                                          "0",
                                          "-0",
                                          "0.0",
                                          "-0.000",
                                          "12",
                                          "2.5",
                                          "007.50",
                                          "999999999999999",
                                          "9999999999999999",
                                          "0.1234567890123456789012",
                                          "0.00000000000000000000001",
                                          "123456789012345.6",
                                          "1.",
                                          ".5",
                                          "+1",
                                          "-",
                                          "--1",
                                          " 1",
                                          "1 ",
                                          "1e5",
                                          "1E-3",
                                          "inf",
                                          "-inf",
                                          "nan",
                                          "-nan",
                                          "1e39",
                                          "3.5e38",
                                          "1e-50",
                                          "1,000",
                                          "1.000,5",
                                          "\u0663",
                                          "1\u0663",
                                          "\uff12",
                                          "0x10",
                                          "999999999",
                                          "1000000000",
                                          "2147483648",
                                          "000000000007"};
    QTest::newRow("pieces") << 1
                            << QStringList{"1", "0",      "9",      ".",   "-",     "+",   "e",
                                           "E", " ",      "\t",     ",",   "inf",   "nan", "\u0663",
                                           "x", "\u00e9", "123456", "000", "\u00a0"};
    QTest::newRow("decimals") << 2 << QStringList();
    QTest::newRow("float midpoints") << 3 << QStringList();
}

void TestNumberReading::sameAsToolkit()
{
    QFETCH(int, kind);
    QFETCH(QStringList, texts);
    std::mt19937 random(11);
    QStringList all = kind == 0 ? texts : QStringList();
    for (int i = 0; kind != 0 && i < 20000; ++i) {
        QString text;
        if (kind == 1) {
            for (int n = int(random() % 6); n > 0; --n)
                text += texts.at(int(random() % texts.size()));
        } else {
            text = kind == 2 ? random_decimal(random) : float_midpoint(random);
        }
        all << text;
    }
    for (const QString& text : all) {
        QCOMPARE(read_as_float(QStringView(text)), toolkit_float(text));
        QCOMPARE(read_as_int(QStringView(text)), toolkit_int(text));
        const QByteArray latin1 = text.toLatin1();
        if (QString::fromLatin1(latin1) == text) {
            QCOMPARE(read_as_float(QLatin1String(latin1)), toolkit_float(text));
            QCOMPARE(read_as_int(QLatin1String(latin1)), toolkit_int(text));
        }
    }
    // From a list, one byte a character and two (a character beyond Latin-1 makes it wide).
    for (const QString& extra : {QString("x"), QString("\u0663")}) {
        const QStringList entries = all.mid(0, 500) + QStringList{extra};
        const TextList list = TextList::from_list(entries);
        const TextList::Floats floats = list.floats();
        const TextList::Ints ints = list.ints();
        QCOMPARE(floats.size(), entries.size());
        for (int i = 0; i < entries.size(); ++i) {
            QCOMPARE(shown(list.float_at(i), true), shown(entries.at(i).toFloat(), true));
            QCOMPARE(shown(floats.at(i), true), shown(entries.at(i).toFloat(), true));
            QCOMPARE(list.int_at(i), entries.at(i).toInt());
            QCOMPARE(ints.at(i), entries.at(i).toInt());
        }
    }
}

QTEST_GUILESS_MAIN(TestNumberReading)
#include "tst_numberreading.moc"
