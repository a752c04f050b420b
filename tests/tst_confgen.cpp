// The generator of large configurations: what it writes is a clean site in the form the editor
// writes, with the share of exact copies asked for, each far from its original. Its sites also
// carry the reader and writer round trip and the duplicate search at full size.
#include "confgenerator.h"
#include "model/conf.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <cmath>

class TestConfGen : public QObject
{
    Q_OBJECT

private slots:
    void cleanSite_data();
    void cleanSite();
    void seeded();
};

void TestConfGen::cleanSite_data()
{
    QTest::addColumn<int>("subclasses");
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<double>("share");
    QTest::newRow("one") << 1 << quint64(1) << 0.02;
    QTest::newRow("a site") << 3000 << quint64(1) << 0.02;
    QTest::newRow("many copies") << 800 << quint64(3) << 0.25;
    QTest::newRow("none") << 800 << quint64(3) << 0.0;
}

void TestConfGen::cleanSite()
{
    QFETCH(int, subclasses);
    QFETCH(quint64, seed);
    QFETCH(double, share);
    const QString text = generate_configuration({subclasses, seed, share});
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("generated.conf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Conf::file_codec()->fromUnicode(text));
    file.close();

    const Conf conf(file.fileName());
    QCOMPARE(conf.stopped_at_line(), 0);
    QCOMPARE(conf.subclass_count(), subclasses);
    // Written as the editor writes: it reads back and saves byte for byte.
    QCOMPARE(conf.to_text(), text);
    QVERIFY(conf.invalid_subclass_numbers().isEmpty());
    QCOMPARE(conf.validate_for_saving().outcome, Conf::SaveOutcome::save_ok);
    QCOMPARE(conf.check_max_axle_distance(), Conf::MaxAxleDistance::valid);
    QCOMPARE(conf.round_trip_problem(), QString());

    // Bigger sites hold every kind of line the editor writes, so the round trip covers them all.
    if (subclasses >= 1000) {
        for (const char* line : {"\nnumber_of_axles=2\n", "\nnumber_of_axles=20\n", "\nadsl_0=",
                                 "\nawsl_0=", "\nadsl_1=", "\nawsl_1=", "\nprepend__m=",
                                 "\nreclassify_up_to_subclass=", "\nlower_GVW_limit__kN="})
            QVERIFY2(text.contains(line), line);
        QVERIFY(text.contains(QRegularExpression("\nmax_axle_weight__kN=[^\n]*\\+")));
    }

    QHash<QString, QList<int>> positions; // by everything but the number
    const QList<quint32> numbers = conf.get_subclass_numbers();
    for (int i = 0; i < numbers.size(); ++i) {
        const QString section = conf.get_subclass(numbers.at(i)).section_text();
        positions[section.mid(section.indexOf('\n'))].append(i);
    }
    int copies = 0;
    for (const QList<int>& same : qAsConst(positions)) {
        copies += same.size() - 1;
        for (int k = 1; k < same.size(); ++k)
            QVERIFY(same.at(k) - same.at(0) > subclasses / 4);
    }
    const double expected = share * subclasses;
    if (expected < 20)
        QCOMPARE(copies, 0);
    else
        QVERIFY2(std::abs(copies - expected) < 2 * std::sqrt(expected),
                 qPrintable(QStringLiteral("%1 copies").arg(copies)));
    const QString duplicate = conf.find_duplicate_subclasses();
    QCOMPARE(duplicate, conf.find_duplicate_subclasses_pairwise());
    QCOMPARE(duplicate.isEmpty(), copies == 0);
}

void TestConfGen::seeded()
{
    const QString text = generate_configuration({200, 5, 0.02});
    QCOMPARE(generate_configuration({200, 5, 0.02}), text);
    QVERIFY(generate_configuration({200, 6, 0.02}) != text);
}

QTEST_GUILESS_MAIN(TestConfGen)
#include "tst_confgen.moc"
