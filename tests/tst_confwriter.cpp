#include "model/conf.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Conf)

namespace {

Subclass two_axles(quint32 number)
{
    Subclass s;
    s.set_number(number);
    s.set_min_distances({"2.5"});
    s.set_max_distances({"6"});
    s.set_tyre_types({"1", "2"});
    s.set_max_axle_weights({"80", "120"});
    s.set_number_of_axles("2");
    s.set_axle_configuration("H2");
    s.set_category("2");
    s.set_max_GVW__kN("180");
    return s;
}

QString two_decimals(QRandomGenerator& random, double low, double high)
{
    return QString::number(low + random.generateDouble() * (high - low), 'f', 2);
}

// A plausible subclass of n axles within the header limits 0.8 to 15 m.
Subclass random_subclass(QRandomGenerator& random, quint32 number)
{
    const int n = random.bounded(2, 21);
    Subclass s;
    s.set_number(number);
    s.set_number_of_axles(QString::number(n));
    // The leading unit takes some axles, towed units the rest.
    QString configuration = QString("ABCHLMV"[random.bounded(7)]);
    int left = n;
    const int lead = random.bounded(1, n + 1);
    configuration += QString::number(lead);
    left -= lead;
    while (left > 0) {
        const int towed = random.bounded(1, left + 1);
        configuration += QString("DTS"[random.bounded(3)]) + QString::number(towed);
        left -= towed;
    }
    s.set_axle_configuration(configuration.toLower());
    for (int i = 0; i < n; ++i) {
        s.set_tyre_type_at_index(QString::number(random.bounded(1, 5)), i);
        s.set_max_axle_weight_at_index(two_decimals(random, 20, 130), i);
        if (i < n - 1) {
            const QString min = two_decimals(random, 0.8, 7);
            s.set_min_distance_at_index(min, i);
            s.set_max_distance_at_index(two_decimals(random, min.toDouble(), 15), i);
        }
    }
    s.set_category(QString::number(random.bounded(0, 12)));
    s.set_max_GVW__kN(two_decimals(random, 30, 600));
    if (random.bounded(2)) {
        s.set_upper_GVW_limit__kN(two_decimals(random, 100, 400));
        s.set_reclassify_up_to_subclass(QString::number(random.bounded(1, 200)));
        s.set_lower_GVW_limit__kN(two_decimals(random, 10, 100));
        s.set_reclassify_down_to_subclass(QString::number(random.bounded(1, 200)));
    }
    if (random.bounded(2))
        s.set_adsl_0(two_decimals(random, 1, 5) + "," + two_decimals(random, 5, 40));
    if (random.bounded(2))
        s.set_awsl_0(two_decimals(random, 10, 100) + ",12;" + two_decimals(random, 100, 400) +
                     ",14");
    if (random.bounded(3) == 0)
        s.set_alias(QString::number(random.bounded(1000)));
    for (int k = random.bounded(4); k > 0; --k) {
        const int axle = random.bounded(1, n);
        const QString axles = QString::number(axle) + "+" + QString::number(axle + 1);
        s.set_constraint(axles + "," + two_decimals(random, 100, 250), -1, "default");
        s.set_constraint(axles + ":" + two_decimals(random, 1, 2) + "," +
                             two_decimals(random, 2, 4),
                         -1, "adsl");
        s.set_constraint(axles + ":" + two_decimals(random, 50, 100) + "," +
                             QString::number(random.bounded(20)) + ";" +
                             two_decimals(random, 100, 250) + "," +
                             QString::number(random.bounded(20)),
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
    void roundTripProblem_data();
    void roundTripProblem();
};

void TestConfWriter::exactText_data()
{
    QTest::addColumn<Conf>("conf");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << Conf() << "[classes]\n\n";

    Conf header;
    header.set_country_code("si");
    header.set_classification_version("");
    QTest::newRow("empty values are left out") << header << "[classes]\ncountry_code=SI\n\n";

    Conf site;
    site.set_unclassified_vehicle_subclass("140");
    site.set_min_axle_distance__m("0.8");
    site.set_max_axle_distance__m("15");
    site.set_group_max_distance__m("2.5");
    site.set_country_code("SI");
    site.set_header_value("a_site_key", "x");
    site.insert_subclass(21, two_axles(21));
    QTest::newRow("header and a subclass")
        << site
        << "[classes]\na_site_key=x\ncountry_code=SI\ngroup_max_distance__m=2.5\n"
           "max_axle_distance__m=15\nmin_axle_distance__m=0.8\n"
           "unclassified_vehicle_subclass=140\n\n"
           "[subclass_21]\naxle_configuration=H2\ncategory=2\nmax_GVW__kN=180\n"
           "number_of_axles=2\ntyre_type=1,2\nmax_axle_weight__kN=1,80;2,120\n"
           "max_axle_distance__m=6\nmin_axle_distance__m=2.5\n\n";

    Conf constrained;
    Subclass s = two_axles(3);
    s.set_constraint("1+2,190", -1, "default");
    s.set_constraint("1+2:2.5,4.8", -1, "adsl");
    s.set_constraint("2:1,2", -1, "adsl");
    s.set_constraint("1+2:10,3;20,5", -1, "awsl");
    s.delete_constraint(0, "adsl");
    s.set_constraint("1:1,1.5", -1, "adsl");
    s.set_adsl_0("2.5,18.75");
    s.set_alias("van");
    constrained.insert_subclass(3, s);
    QTest::newRow("constraints numbered from 1")
        << constrained
        << "[classes]\n\n[subclass_3]\nadsl_0=2.5,18.75\nalias=van\naxle_configuration=H2\n"
           "category=2\nmax_GVW__kN=180\nnumber_of_axles=2\ntyre_type=1,2\n"
           "max_axle_weight__kN=1,80;2,120;1+2,190\nmax_axle_distance__m=6\n"
           "min_axle_distance__m=2.5\nadsl_1=2:1,2\nadsl_2=1:1,1.5\nawsl_1=1+2:10,3;20,5\n\n";

    Conf spare;
    Subclass padded = two_axles(4);
    padded.set_number_of_axles("3");
    padded.set_number_of_axles("2");
    spare.insert_subclass(4, padded);
    spare.insert_subclass(1, two_axles(1));
    QTest::newRow("spare entries are not written, numbers ascend")
        << spare
        << "[classes]\n\n[subclass_1]\naxle_configuration=H2\ncategory=2\nmax_GVW__kN=180\n"
           "number_of_axles=2\ntyre_type=1,2\nmax_axle_weight__kN=1,80;2,120\n"
           "max_axle_distance__m=6\nmin_axle_distance__m=2.5\n\n"
           "[subclass_4]\naxle_configuration=H2\ncategory=2\nmax_GVW__kN=180\n"
           "number_of_axles=2\ntyre_type=1,2\nmax_axle_weight__kN=1,80;2,120\n"
           "max_axle_distance__m=6\nmin_axle_distance__m=2.5\n\n";

    Conf fresh;
    Subclass created = Subclass::from_section({{"subclass", "8"}});
    created.set_constraint("1+2,100", -1, "default");
    fresh.insert_subclass(8, created);
    QTest::newRow("no axle count keeps every =")
        << fresh
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
    QVERIFY(dir.isValid());
    for (quint32 seed = 1; seed <= 150; ++seed) {
        QRandomGenerator random(seed);
        Conf conf;
        conf.set_country_code("SI");
        conf.set_group_max_distance__m(two_decimals(random, 1, 3));
        conf.set_min_axle_distance__m("0.8");
        conf.set_max_axle_distance__m("15");
        conf.set_g_acceleration_constant("9.80665");
        conf.set_classification_version("2024-06 rev " + QString::number(seed));
        conf.set_unclassified_vehicle_subclass("140");
        for (int k = random.bounded(1, 9); k > 0; --k) {
            const quint32 number = random.bounded(1, 140);
            conf.insert_subclass(number, random_subclass(random, number));
        }
        const QString text = conf.to_text();
        const QString path = dir.filePath(QString("%1.conf").arg(seed));
        QVERIFY(conf.write_to_file(path));
        const Conf loaded(path);
        QCOMPARE(loaded.to_text(), text);
        QCOMPARE(loaded.invalid_subclass_numbers(), QList<quint32>());
        QCOMPARE(loaded.validate_for_saving().outcome, Conf::SaveOutcome::save_ok);
        if (seed % 10 == 0)
            QCOMPARE(conf.round_trip_problem(), QString());
    }
}

void TestConfWriter::roundTripProblem_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("problem");

    QTest::newRow("fine") << ""
                          << ""
                          << "";
    QTest::newRow("= in a subclass value")
        << "alias"
        << "a=b"
        << "section [subclass_21], line 5 stops the reading: alias=a=b";
    QTest::newRow("line end in a subclass value")
        << "alias"
        << "a\nb"
        << "section [subclass_21], line 6 stops the reading: b";
    QTest::newRow("comma in a header value")
        << "classification_version"
        << "2024,rev b"
        << "section [classes], line 2 reads back differently: classification_version=2024,rev b";
    QTest::newRow("header value in quotes")
        << "classification_version"
        << "\"v1\""
        << "section [classes], line 2 reads back differently: classification_version=\"v1\"";
    QTest::newRow("blank around a header value")
        << "classification_version"
        << " v1"
        << "section [classes], line 2 reads back differently: classification_version= v1";
    QTest::newRow("weight in exponent notation")
        << "weight"
        << "1e+06"
        << "section [subclass_21], line 10 reads back differently: "
           "max_axle_weight__kN=1,1e+06;2,120";
}

void TestConfWriter::roundTripProblem()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, problem);
    Conf conf;
    conf.set_country_code("SI");
    Subclass s = two_axles(21);
    if (field == "alias")
        s.set_alias(value);
    else if (field == "weight")
        s.set_max_axle_weight_at_index(value, 0);
    else if (!field.isEmpty())
        conf.set_header_value(field, value);
    conf.insert_subclass(21, s);
    QCOMPARE(conf.round_trip_problem(), problem);
}

QTEST_GUILESS_MAIN(TestConfWriter)
#include "tst_confwriter.moc"
