// The program's reading of reals and integers against QString::toFloat, toInt and toUInt, on
// texts of every shape, read alone and from a TextList.
#include "model/numberreading.h"
#include "model/textlist.h"

#include <QtTest>

#include <cstring>
#include <random>
#include <type_traits>

namespace {

// Value bits and ok flag, so that -0 and 0 are told apart.
QString shown(float value, bool ok = true)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return QString("%1 (%2) ok=%3").arg(double(value)).arg(bits, 8, 16, QChar('0')).arg(ok);
}

// What read_float, read_int and read_uint make of a text, or the toolkit when View is QString.
template <typename View> QString read(View text)
{
    bool ok = false, int_ok = false, uint_ok = false;
    float real = 0;
    int integer = 0;
    quint32 whole = 0;
    if constexpr (std::is_same_v<View, QString>) {
        real = text.toFloat(&ok);
        integer = text.toInt(&int_ok);
        whole = text.toUInt(&uint_ok);
    } else {
        real = read_float(text, &ok);
        integer = read_int(text, &int_ok);
        whole = read_uint(text, &uint_ok);
    }
    return shown(real, ok) + QString(" int %1 ok=%2").arg(integer).arg(int_ok) +
           QString(" uint %1 ok=%2").arg(whole).arg(uint_ok);
}

// A decimal of random digits: mantissas of up to seventeen digits, points anywhere, leading zeros.
QString random_decimal(std::mt19937& random)
{
    QString text = random() % 3 ? QString() : QString("-");
    const int digits = 1 + int(random() % 17), point = int(random() % (digits + 1));
    for (int i = 0; i < digits; ++i)
        text += QString(i == point && i > 0 ? "." : "") + QChar('0' + int(random() % 10));
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
    QTest::addColumn<int>("kind"); // 0: the texts given; 1: made of them; 2: decimals; 3: midpoints
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("fixed") << 0
                           << QString("|0|-0|0.0|-0.000|12|2.5|007.50|999999999999999|"
                                      "9999999999999999|0.000000000000001|0.0000000000000001|"
                                      "1.|.5|+1|-|--1| 1|1 |1e5|1E-3|inf|-inf|nan|-nan|1e39|"
                                      "3.5e38|1e-50|1,000|1.000,5|\u0663|1\u0663|\uff12|0x10|"
                                      "999999999|1000000000|2147483648|000000000007")
                                  .split('|');
    QTest::newRow("pieces") << 1
                            << QString("1|0|9|.|-|+|e|E| |\t|,|inf|nan|\u0663|x|\u00e9|123456|000|"
                                       "\u00a0")
                                   .split('|');
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
        for (int n = kind == 1 ? int(random() % 6) : 0; n > 0; --n)
            text += texts.at(int(random() % texts.size()));
        all << (kind == 1 ? text : kind == 2 ? random_decimal(random) : float_midpoint(random));
    }
    for (const QString& text : all) {
        QCOMPARE(read(QStringView(text)), read(text));
        const QByteArray latin1 = text.toLatin1();
        if (QString::fromLatin1(latin1) == text)
            QCOMPARE(read(QLatin1String(latin1)), read(text));
    }
    // From a list, one byte a character and two (a character beyond Latin-1 makes it wide).
    for (const QString& extra : {QString("x"), QString("\u0663")}) {
        const QStringList entries = all.mid(0, 500) << extra;
        const TextList list = TextList::from_list(entries);
        const TextList::Floats floats = list.floats();
        const TextList::Ints ints = list.ints();
        QCOMPARE(floats.size(), entries.size());
        for (int i = 0; i < entries.size(); ++i) {
            QCOMPARE(shown(list.float_at(i)), shown(entries.at(i).toFloat()));
            QCOMPARE(shown(floats.at(i)), shown(entries.at(i).toFloat()));
            QCOMPARE(list.int_at(i), entries.at(i).toInt());
            QCOMPARE(ints.at(i), entries.at(i).toInt());
        }
    }
}

QTEST_GUILESS_MAIN(TestNumberReading)
#include "tst_numberreading.moc"
