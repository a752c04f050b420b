#include "model/conf.h"

#include <QtTest>

Q_DECLARE_METATYPE(Conf::MaxAxleDistance)

class TestHeaderRules : public QObject
{
    Q_OBJECT

private slots:
    void singleKeyRules_data();
    void singleKeyRules();
    void countryCodes();
    void unclassifiedSubclass();
    void axleDistanceLimits_data();
    void axleDistanceLimits();
    void maxAxleDistanceAgainstSubclasses();
};

void TestHeaderRules::singleKeyRules_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value"); // a null text leaves the key out of the header
    QTest::addColumn<bool>("valid");
    // Values as a file gives them: the country code is not upper-cased on the way in.
    const char *g = "g_acceleration_constant", *group = "group_max_distance__m",
               *country = "country_code", *category = "uncategorised_vehicle_category";
    const std::tuple<const char*, const char*, bool> rows[] = {
        {g, nullptr, false},    {g, "0", false},          {g, "-9.81", false},
        {g, "9.81", true},      {group, "", false},       {group, "0", false},
        {group, "abc", false},  {group, "2.5", true},     {country, "SI", true},
        {country, "gb", true},  {country, "SS", true},    {country, "UK", false},
        {country, "XK", false}, {country, "XX", false},   {country, "SIA", false},
        {country, "", false},   {category, "", true},     {category, "6", true},
        {category, "5", false}, {category, "6.5", false}, {category, "abc", false},
    };
    for (const auto& [key, value, valid] : rows)
        QTest::addRow("%s=%s", key, value ? value : "(absent)")
            << QString(key) << QString(value) << valid;
}

void TestHeaderRules::singleKeyRules()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, valid);
    Conf conf;
    if (!value.isNull())
        conf.set_header_value(key, value);
    const QMap<QString, bool (Conf::*)() const> rules = {
        {"g_acceleration_constant", &Conf::is_g_acceleration_constant_valid},
        {"group_max_distance__m", &Conf::is_group_max_distance_valid},
        {"country_code", &Conf::is_country_code_valid},
        {"uncategorised_vehicle_category", &Conf::is_uncategorised_vehicle_category_valid}};
    QCOMPARE((conf.*rules.value(key))(), valid);
}

void TestHeaderRules::countryCodes()
{
    Conf conf;
    const QStringList codes = conf.get_country_codes();
    QCOMPARE(QSet<QString>(codes.begin(), codes.end()).size(), 249);
    QVERIFY(!conf.header().contains("country_code"));
    conf.set_country_code("");
    QVERIFY(conf.header().contains("country_code"));
    conf.set_country_code("si");
    QCOMPARE(conf.get_country_code(), QString("SI"));
}

void TestHeaderRules::unclassifiedSubclass()
{
    Conf conf;
    conf.insert_subclass(140, Subclass());
    QVERIFY(conf.is_unclassified_vehicle_subclass_valid()); // empty reads as 0
    conf.set_unclassified_vehicle_subclass("140");
    QVERIFY(!conf.is_unclassified_vehicle_subclass_valid());
    conf.remove_subclass(140);
    QVERIFY(conf.is_unclassified_vehicle_subclass_valid());
    conf.set_unclassified_vehicle_subclass("");
    conf.insert_subclass(0, Subclass());
    QVERIFY(!conf.is_unclassified_vehicle_subclass_valid());
}

void TestHeaderRules::axleDistanceLimits_data()
{
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<bool>("minValid");
    QTest::addColumn<Conf::MaxAxleDistance>("maxState");
    using S = Conf::MaxAxleDistance;
    const std::tuple<const char*, const char*, bool, S> rows[] = {
        {"", "", true, S::invalid},        {"2.5", "2.5", true, S::valid},
        {"2.5", "2.4", false, S::invalid}, {"", "15", true, S::valid},
        {"0.8", "", false, S::invalid},    {"0.8", "far", false, S::invalid},
        {"near", "15", false, S::invalid},
    };
    for (const auto& [min, max, minValid, maxState] : rows)
        QTest::addRow("min '%s' max '%s'", min, max)
            << QString(min) << QString(max) << minValid << maxState;
}

void TestHeaderRules::axleDistanceLimits()
{
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(bool, minValid);
    QFETCH(Conf::MaxAxleDistance, maxState);
    Conf conf;
    conf.set_min_axle_distance__m(min);
    conf.set_max_axle_distance__m(max);
    QCOMPARE(conf.is_min_axle_distance_valid(), minValid);
    QCOMPARE(conf.check_max_axle_distance(), maxState);
}

void TestHeaderRules::maxAxleDistanceAgainstSubclasses()
{
    Conf conf;
    conf.set_min_axle_distance__m("0.5");
    conf.set_max_axle_distance__m("12");
    // No axle count: every entry of the list counts, spare ones and empty ones (0) too.
    Subclass s;
    s.set_max_distances({"3", "", "12"});
    conf.insert_subclass(1, s);
    QCOMPARE(conf.check_max_axle_distance(), Conf::MaxAxleDistance::valid);
    s.set_max_distances({"3", "", "12.5"});
    conf.insert_subclass(2, s);
    QCOMPARE(conf.check_max_axle_distance(), Conf::MaxAxleDistance::lower_than_subclasses);
    conf.set_max_axle_distance__m("0.4");
    QCOMPARE(conf.check_max_axle_distance(), Conf::MaxAxleDistance::invalid);
}

QTEST_GUILESS_MAIN(TestHeaderRules)
#include "tst_headerrules.moc"
