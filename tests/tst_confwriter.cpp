#include "model/conf.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Conf)

namespace {

// Read as a file section gives it: every list has a spare entry, which is never written.
Subclass two_axles()
{
    return Subclass::from_section({{"number_of_axles", "2"},
                                   {"axle_configuration", "H2"},
                                   {"category", "2"},
                                   {"max_GVW__kN", "180"},
                                   {"tyre_type", "1,2"},
                                   {"max_axle_weight__kN", "1,80;2,120"},
                                   {"min_axle_distance__m", "2.5"},
                                   {"max_axle_distance__m", "6"}});
}

const char two_axles_text[] = "axle_configuration=H2\ncategory=2\nmax_GVW__kN=180\n"
                              "number_of_axles=2\ntyre_type=1,2\n";

Conf with_subclass(quint32 number, Subclass s)
{
    Conf conf;
    s.set_number(number);
    conf.insert_subclass(number, s);
    return conf;
}

// A plausible subclass of 2 to 20 axles within the header limits 0.8 to 15 m.
Subclass random_subclass(QRandomGenerator& random)
{
    const auto real = [&random](double low, double high) {
        return QString::number(low + random.generateDouble() * (high - low), 'f', 2);
    };
    const auto whole = [&random](int low, int high) {
        return QString::number(random.bounded(low, high));
    };
    const int n = random.bounded(2, 21);
    Subclass s;
    s.set_number_of_axles(QString::number(n));
    // The leading unit takes some axles, towed units the rest.
    const int lead = random.bounded(1, n + 1);
    QString configuration = QString("abchlmv"[random.bounded(7)]) + QString::number(lead);
    for (int left = n - lead, towed = 0; left > 0; left -= towed) {
        towed = random.bounded(1, left + 1);
        configuration += QString("dts"[random.bounded(3)]) + QString::number(towed);
    }
    s.set_axle_configuration(configuration);
    for (int i = 0; i < n; ++i) {
        s.set_tyre_type_at_index(whole(1, 5), i);
        s.set_max_axle_weight_at_index(real(20, 130), i);
        if (i < n - 1) {
            const QString min = real(0.8, 7);
            s.set_min_distance_at_index(min, i);
            s.set_max_distance_at_index(real(min.toDouble(), 15), i);
        }
    }
    s.set_category(whole(0, 12));
    s.set_max_GVW__kN(real(30, 600));
    if (random.bounded(2)) {
        s.set_upper_GVW_limit__kN(real(100, 400));
        s.set_reclassify_up_to_subclass(whole(1, 200));
        s.set_lower_GVW_limit__kN(real(10, 100));
        s.set_reclassify_down_to_subclass(whole(1, 200));
    }
    if (random.bounded(2))
        s.set_adsl_0(real(1, 5) + "," + real(5, 40));
    if (random.bounded(2))
        s.set_awsl_0(real(10, 100) + ",12;" + real(100, 400) + ",14");
    if (random.bounded(3) == 0)
        s.set_alias(whole(0, 1000));
    for (int k = random.bounded(4); k > 0; --k) {
        const int axle = random.bounded(1, n);
        const QString axles = QString("%1+%2").arg(axle).arg(axle + 1);
        s.set_constraint(axles + "," + real(100, 250), -1, "default");
        s.set_constraint(axles + ":" + real(1, 2) + "," + real(2, 4), -1, "adsl");
        s.set_constraint(axles + ":" + real(50, 100) + "," + whole(0, 20) + ";" + real(100, 250) +
                             "," + whole(0, 20),
                         -1, "awsl");
    }
    return s;
}

} // namespace

class TestConfWriter : public QObject
{
    Q_OBJECT

private slots:
    void exactText_data();
    void exactText();
    void roundTrip();
    void roundTripProblem();
};

void TestConfWriter::exactText_data()
{
    QTest::addColumn<Conf>("conf");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << Conf() << "[classes]\n\n";

    // Empty values are left out.
    Conf site = with_subclass(21, two_axles());
    site.set_country_code("si");
    site.set_classification_version("");
    site.set_unclassified_vehicle_subclass("140");
    site.set_header_value("a_site_key", "x");
    QTest::newRow("header and a subclass")
        << site
        << "[classes]\na_site_key=x\ncountry_code=SI\nunclassified_vehicle_subclass=140\n\n"
           "[subclass_21]\n" +
               QString(two_axles_text) +
               "max_axle_weight__kN=1,80;2,120\nmax_axle_distance__m=6\n"
               "min_axle_distance__m=2.5\n\n";

    Subclass s = two_axles();
    s.set_constraint("1+2,190", -1, "default");
    s.set_constraint("1+2:2.5,4.8", -1, "adsl");
    s.set_constraint("2:1,2", -1, "adsl");
    s.set_constraint("1+2:10,3;20,5", -1, "awsl");
    s.delete_constraint(0, "adsl");
    s.set_constraint("1:1,1.5", -1, "adsl");
    s.set_adsl_0("2.5,18.75");
    QTest::newRow("constraints numbered from 1")
        << with_subclass(3, s)
        << "[classes]\n\n[subclass_3]\nadsl_0=2.5,18.75\n" + QString(two_axles_text) +
               "max_axle_weight__kN=1,80;2,120;1+2,190\nmax_axle_distance__m=6\n"
               "min_axle_distance__m=2.5\nadsl_1=2:1,2\nadsl_2=1:1,1.5\nawsl_1=1+2:10,3;20,5\n\n";

    // Without an axle count every per-axle line keeps its "=", or it would stop the reading.
    Subclass created;
    created.set_constraint("1+2,100", -1, "default");
    QTest::newRow("no axle count")
        << with_subclass(8, created)
        << "[classes]\n\n[subclass_8]\ntyre_type=\nmax_axle_weight__kN=1+2,100\n"
           "max_axle_distance__m=\nmin_axle_distance__m=\n\n";
}

void TestConfWriter::exactText()
{
    QFETCH(Conf, conf);
    QFETCH(QString, text);
    QCOMPARE(conf.to_text(), text);
}

void TestConfWriter::roundTrip()
{
    QTemporaryDir dir;
    for (quint32 seed = 1; seed <= 150; ++seed) {
        QRandomGenerator random(seed);
        Conf conf;
        conf.set_country_code("SI");
        conf.set_group_max_distance__m("2.5");
        conf.set_min_axle_distance__m("0.8");
        conf.set_max_axle_distance__m("15");
        conf.set_g_acceleration_constant("9.80665");
        conf.set_classification_version("2024-06 rev " + QString::number(seed));
        conf.set_unclassified_vehicle_subclass("140");
        for (int k = random.bounded(1, 9); k > 0; --k) {
            const quint32 number = random.bounded(1, 140);
            Subclass s = random_subclass(random);
            s.set_number(number);
            conf.insert_subclass(number, s);
        }
        const QString path = dir.filePath(QString("%1.conf").arg(seed));
        QVERIFY(conf.write_to_file(path));
        const Conf loaded(path);
        QCOMPARE(loaded.to_text(), conf.to_text());
        // What was generated is realistic: valid and complete.
        QCOMPARE(loaded.invalid_subclass_numbers(), QList<quint32>());
        QCOMPARE(loaded.validate_for_saving().outcome, Conf::SaveOutcome::save_ok);
        if (seed % 10 == 0)
            QCOMPARE(conf.round_trip_problem(), QString());
    }
}

void TestConfWriter::roundTripProblem()
{
    // The first line that reads back differently is named, unless a line stops the reading.
    Conf conf = with_subclass(21, two_axles());
    conf.get_subclass(21).set_max_axle_weight_at_index("1e+06", 0);
    QCOMPARE(conf.round_trip_problem(), "section [subclass_21], line 9 reads back differently: "
                                        "max_axle_weight__kN=1,1e+06;2,120");
    conf.set_classification_version("2024,rev b");
    QCOMPARE(conf.round_trip_problem(),
             "section [classes], line 2 reads back differently: classification_version=2024,rev b");
    conf.get_subclass(21).set_alias("a=b");
    QCOMPARE(conf.round_trip_problem(),
             "section [subclass_21], line 5 stops the reading: alias=a=b");
}

QTEST_GUILESS_MAIN(TestConfWriter)
#include "tst_confwriter.moc"
