#include "model/conf.h"

#include <QtTest>

Q_DECLARE_METATYPE(Conf::MaxAxleDistance)

class TestHeaderRules : public QObject
{
    Q_OBJECT

private slots:
    void gConstant_data();
    void gConstant();
    void groupMaxDistance_data();
    void groupMaxDistance();
    void countryCode_data();
    void countryCode();
    void countryCodeList();
    void unclassifiedSubclass();
    void uncategorisedCategory_data();
    void uncategorisedCategory();
    void axleDistanceLimits_data();
    void axleDistanceLimits();
    void maxAxleDistanceAgainstSubclasses();
    void validForSaving_data();
    void validForSaving();
    void absentAndEmptyKeys();
};

void TestHeaderRules::gConstant_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("absent") << false << QString() << false;
    QTest::newRow("empty") << true << "" << false;
    QTest::newRow("zero") << true << "0" << false;
    QTest::newRow("negative") << true << "-9.81" << false;
    QTest::newRow("letters") << true << "g" << false;
    QTest::newRow("9.81") << true << "9.81" << true;
    QTest::newRow("tiny") << true << "0.0001" << true;
}

void TestHeaderRules::gConstant()
{
    QFETCH(bool, present);
    QFETCH(QString, value);
    QFETCH(bool, valid);
    Conf conf;
    if (present)
        conf.set_g_acceleration_constant(value);
    QCOMPARE(conf.is_g_acceleration_constant_valid(), valid);
}

void TestHeaderRules::groupMaxDistance_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("negative") << "-1" << false;
    QTest::newRow("not a number") << "abc" << false;
    QTest::newRow("positive") << "2.5" << true;
}

void TestHeaderRules::groupMaxDistance()
{
    QFETCH(QString, value);
    QFETCH(bool, valid);
    Conf conf;
    conf.set_group_max_distance__m(value);
    QCOMPARE(conf.is_group_max_distance_valid(), valid);
}

void TestHeaderRules::countryCode_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("throughSetter");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("valid");
    QTest::newRow("SI") << "SI" << true << "SI" << true;
    QTest::newRow("si upper-cased by setter") << "si" << true << "SI" << true;
    QTest::newRow("gb read from a file") << "gb" << false << "gb" << true;
    QTest::newRow("UK is reserved") << "UK" << true << "UK" << false;
    QTest::newRow("EU") << "EU" << true << "EU" << false;
    QTest::newRow("XK") << "XK" << true << "XK" << false;
    QTest::newRow("XX") << "XX" << true << "XX" << false;
    QTest::newRow("empty") << "" << true << "" << false;
    QTest::newRow("three letters") << "SIA" << true << "SIA" << false;
    QTest::newRow("blank inside") << "S I" << true << "S I" << false;
    QTest::newRow("Aaland") << "AX" << true << "AX" << true;
    QTest::newRow("South Sudan") << "SS" << true << "SS" << true;
}

void TestHeaderRules::countryCode()
{
    QFETCH(QString, value);
    QFETCH(bool, throughSetter);
    QFETCH(QString, stored);
    QFETCH(bool, valid);
    Conf conf;
    if (throughSetter)
        conf.set_country_code(value);
    else
        conf.set_header_value(QStringLiteral("country_code"), value);
    QCOMPARE(conf.get_country_code(), stored);
    QCOMPARE(conf.is_country_code_valid(), valid);
}

void TestHeaderRules::countryCodeList()
{
    const QStringList codes = Conf().get_country_codes();
    QCOMPARE(codes.size(), 249);
    QCOMPARE(QSet<QString>(codes.begin(), codes.end()).size(), 249);
    for (const QString& code : codes)
        QVERIFY2(code.size() == 2 && code == code.toUpper(), qPrintable(code));
}

void TestHeaderRules::unclassifiedSubclass()
{
    Conf conf;
    QVERIFY(conf.is_unclassified_vehicle_subclass_valid()); // empty reads as 0, no subclass 0
    conf.set_unclassified_vehicle_subclass(QStringLiteral("140"));
    QVERIFY(conf.is_unclassified_vehicle_subclass_valid());
    conf.insert_subclass(140, Subclass());
    QVERIFY(!conf.is_unclassified_vehicle_subclass_valid());
    conf.remove_subclass(140);
    QVERIFY(conf.is_unclassified_vehicle_subclass_valid());

    conf.set_unclassified_vehicle_subclass(QString());
    conf.insert_subclass(0, Subclass());
    QVERIFY(!conf.is_unclassified_vehicle_subclass_valid());
}

void TestHeaderRules::uncategorisedCategory_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("6") << "6" << true;
    QTest::newRow("5") << "5" << false;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("abc") << "abc" << false;
    QTest::newRow("6.5 is no integer") << "6.5" << false;
}

void TestHeaderRules::uncategorisedCategory()
{
    QFETCH(QString, value);
    QFETCH(bool, valid);
    Conf conf;
    conf.set_uncategorised_vehicle_category(value);
    QCOMPARE(conf.is_uncategorised_vehicle_category_valid(), valid);
}

void TestHeaderRules::axleDistanceLimits_data()
{
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<bool>("minValid");
    QTest::addColumn<Conf::MaxAxleDistance>("maxState");
    using S = Conf::MaxAxleDistance;
    QTest::newRow("both empty") << ""
                                << "" << true << S::invalid;
    QTest::newRow("equal") << "2.5"
                           << "2.5" << true << S::valid;
    QTest::newRow("max below min") << "2.5"
                                   << "2.4" << false << S::invalid;
    QTest::newRow("max above min") << "0.8"
                                   << "15" << true << S::valid;
    QTest::newRow("min empty") << ""
                               << "15" << true << S::valid;
    QTest::newRow("max empty") << "0.8"
                               << "" << false << S::invalid;
    QTest::newRow("max not a number") << "0.8"
                                      << "far" << false << S::invalid;
    QTest::newRow("min not a number") << "near"
                                      << "15" << false << S::invalid;
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
    conf.set_min_axle_distance__m(QStringLiteral("0.5"));
    conf.set_max_axle_distance__m(QStringLiteral("12"));

    Subclass low;
    low.set_max_distances({QStringLiteral("3"), QString(), QStringLiteral("12")});
    conf.insert_subclass(1, low);
    QCOMPARE(conf.check_max_axle_distance(), Conf::MaxAxleDistance::valid);

    Subclass high;
    high.set_max_distances({QStringLiteral("3"), QStringLiteral("12.5")});
    conf.insert_subclass(2, high);
    QCOMPARE(conf.check_max_axle_distance(), Conf::MaxAxleDistance::lower_than_subclasses);

    conf.set_max_axle_distance__m(QStringLiteral("0.4"));
    QCOMPARE(conf.check_max_axle_distance(), Conf::MaxAxleDistance::invalid);
}

void TestHeaderRules::validForSaving_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("unclassified");
    QTest::addColumn<bool>("valid");
    QTest::newRow("all good") << "SI"
                              << "2.5"
                              << "140" << true;
    QTest::newRow("no country") << ""
                                << "2.5"
                                << "140" << false;
    QTest::newRow("no group distance") << "SI"
                                       << ""
                                       << "140" << false;
    QTest::newRow("unclassified is a subclass") << "SI"
                                                << "2.5"
                                                << "7" << false;
}

void TestHeaderRules::validForSaving()
{
    QFETCH(QString, country);
    QFETCH(QString, group);
    QFETCH(QString, unclassified);
    QFETCH(bool, valid);
    Conf conf;
    conf.insert_subclass(7, Subclass());
    conf.set_country_code(country);
    conf.set_group_max_distance__m(group);
    conf.set_unclassified_vehicle_subclass(unclassified);
    // Rules outside the three do not block saving.
    conf.set_uncategorised_vehicle_category(QStringLiteral("2"));
    QCOMPARE(conf.is_header_valid_for_saving(), valid);
}

void TestHeaderRules::absentAndEmptyKeys()
{
    Conf conf;
    QCOMPARE(conf.get_country_code(), QString());
    QVERIFY(!conf.header().contains(QStringLiteral("country_code")));
    conf.set_country_code(QString());
    QVERIFY(conf.header().contains(QStringLiteral("country_code")));
    QCOMPARE(conf.get_country_code(), QString());
    conf.set_classification_version(QStringLiteral("2024-05 rev b"));
    QCOMPARE(conf.get_classification_version(), QStringLiteral("2024-05 rev b"));
}

QTEST_GUILESS_MAIN(TestHeaderRules)
#include "tst_headerrules.moc"
