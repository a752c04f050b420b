#include "model/conf.h"

#include <QtTest>

Q_DECLARE_METATYPE(Conf::MaxAxleDistance)

class TestHeaderRules : public QObject
{
    Q_OBJECT

private slots:
    void singleKeyRules_data();
    void singleKeyRules();
    void axleDistanceLimits_data();
    void axleDistanceLimits();
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

void TestHeaderRules::axleDistanceLimits_data()
{
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("subclassMax"); // one subclass's max distances, without an axle count
    QTest::addColumn<bool>("minValid");
    QTest::addColumn<Conf::MaxAxleDistance>("maxState");
    using S = Conf::MaxAxleDistance;
    const S low = S::lower_than_subclasses;
    // Every entry of a subclass's list counts, spare ones and empty ones (0) too.
    const std::tuple<const char*, const char*, const char*, bool, S> rows[] = {
        {"", "", "", true, S::invalid},        {"2.5", "2.5", "", true, S::valid},
        {"2.5", "2.4", "", false, S::invalid}, {"", "15", "", true, S::valid},
        {"0.8", "", "", false, S::invalid},    {"0.8", "far", "", false, S::invalid},
        {"near", "15", "", false, S::invalid}, {"0.5", "12", "3,,12", true, S::valid},
        {"0.5", "12", "3,,12.5", true, low},   {"0.5", "0.4", "3,,12.5", false, S::invalid},
    };
    for (const auto& [min, max, subclassMax, minValid, maxState] : rows)
        QTest::addRow("min '%s' max '%s' subclass '%s'", min, max, subclassMax)
            << QString(min) << QString(max) << QString(subclassMax) << minValid << maxState;
}

void TestHeaderRules::axleDistanceLimits()
{
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(QString, subclassMax);
    QFETCH(bool, minValid);
    QFETCH(Conf::MaxAxleDistance, maxState);
    Conf conf;
    conf.set_min_axle_distance__m(min);
    conf.set_max_axle_distance__m(max);
    Subclass s;
    s.set_max_distances(subclassMax.split(','));
    conf.insert_subclass(1, s);
    QCOMPARE(conf.is_min_axle_distance_valid(), minValid);
    QCOMPARE(conf.check_max_axle_distance(), maxState);
}

QTEST_GUILESS_MAIN(TestHeaderRules)
#include "tst_headerrules.moc"
