#include "model/conf.h"

#include <QtTest>

Q_DECLARE_METATYPE(Conf::SaveOutcome)

namespace {

Subclass complete_subclass(quint32 number)
{
    Subclass s;
    s.set_number(number);
    s.set_min_distances({"3.2", "1.3"});
    s.set_max_distances({"4.5", "1.4"});
    s.set_tyre_types({"1", "2", "2"});
    s.set_max_axle_weights({"71", "98.1", "98.1"});
    s.set_number_of_axles("3");
    s.set_axle_configuration("H3");
    s.set_category("3");
    s.set_max_GVW__kN("255");
    return s;
}

// Changes one thing of a subclass, described as "what=value".
void tweak(Subclass& s, const QString& change)
{
    const QString what = change.section('=', 0, 0);
    const QString value = change.section('=', 1);
    if (what == "alias")
        s.set_alias(value);
    else if (what == "adsl")
        s.set_constraint(value, -1, "adsl");
    else if (what == "adsl_0")
        s.set_adsl_0(value);
    else if (what == "weights")
        s.set_max_axle_weights(value.isEmpty() ? QStringList() : value.split(','));
    else if (what == "weight1")
        s.set_max_axle_weight_at_index(value, 1);
    else if (what == "tyre0")
        s.set_tyre_type_at_index(value, 0);
    else if (what == "min0")
        s.set_min_distance_at_index(value, 0);
    else if (what == "max1")
        s.set_max_distance_at_index(value, 1);
    else if (what == "axles")
        s.set_number_of_axles(value);
    else if (what == "category")
        s.set_category(value);
    else if (what == "gvw")
        s.set_max_GVW__kN(value);
    else if (what == "configuration")
        s.set_axle_configuration(value);
    else if (what == "default")
        s.set_constraint(value, -1, "default");
    else if (!what.isEmpty())
        qFatal("unknown change %s", qPrintable(what));
}

} // namespace

class TestSaveChecks : public QObject
{
    Q_OBJECT

private slots:
    void duplicates_data();
    void duplicates();
    void keysAreNotCompared();
    void complete_data();
    void complete();
    void validateForSaving_data();
    void validateForSaving();
    void invalidSubclasses();
    void maxAxleDistanceLooksAtSpareEntries();
};

void TestSaveChecks::duplicates_data()
{
    QTest::addColumn<QStringList>("subclasses"); // "number:change"
    QTest::addColumn<QString>("duplicate");
    QTest::newRow("none") << QStringList{} << "";
    QTest::newRow("one") << QStringList{"5:"} << "";
    QTest::newRow("7 and 9") << QStringList{"3:alias=a", "7:", "9:"} << "7 = 9";
    QTest::newRow("3, 7 and 9 alike") << QStringList{"3:", "7:", "9:"} << "3 = 7";
    QTest::newRow("only a combined distance constraint differs")
        << QStringList{"1:adsl=1+2:1,2", "2:"} << "1 = 2";
    QTest::newRow("only a combined weight limit differs")
        << QStringList{"1:default=1+2,150", "2:"} << "1 = 2";
    QTest::newRow("only alias differs") << QStringList{"1:alias=x", "2:alias=y"} << "";
    QTest::newRow("adsl_0 only on one") << QStringList{"1:adsl_0=1,2", "2:"} << "";
    QTest::newRow("weights a prefix of the other")
        << QStringList{"1:weights=71,98.1", "2:"} << "1 = 2";
    QTest::newRow("empty weights match any") << QStringList{"1:weights=", "2:"} << "1 = 2";
    QTest::newRow("weights differ") << QStringList{"1:weights=71,98.2", "2:"} << "";
    QTest::newRow("case matters") << QStringList{"1:alias=a", "2:alias=A"} << "";
    QTest::newRow("first pair by the lower number")
        << QStringList{"2:alias=x", "5:alias=y", "8:alias=x", "9:alias=y"} << "2 = 8";
}

void TestSaveChecks::duplicates()
{
    QFETCH(QStringList, subclasses);
    QFETCH(QString, duplicate);
    Conf conf;
    for (const QString& entry : subclasses) {
        const quint32 number = entry.section(':', 0, 0).toUInt();
        Subclass s = complete_subclass(number);
        tweak(s, entry.section(':', 1));
        conf.insert_subclass(number, s);
    }
    QCOMPARE(conf.find_duplicate_subclasses(), duplicate);
    QCOMPARE(conf.find_duplicate_subclasses_pairwise(), duplicate);
}

void TestSaveChecks::keysAreNotCompared()
{
    // Same number of scalar keys and the same values in key order: equal, whatever the keys.
    Subclass x, y;
    x.set_alias("1");
    y.set_category("1");
    QVERIFY(Conf::subclasses_equal(x, y));
    y.set_max_GVW__kN("");
    QVERIFY(!Conf::subclasses_equal(x, y));
}

void TestSaveChecks::complete_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("isComplete");
    QTest::newRow("as built") << "" << true;
    QTest::newRow("second weight empty") << "weight1=" << false;
    QTest::newRow("second weight 0") << "weight1=0" << false;
    QTest::newRow("tyre 0") << "tyre0=0" << false;
    QTest::newRow("gap minimum 0") << "min0=0" << false;
    QTest::newRow("gap maximum empty") << "max1=" << false;
    QTest::newRow("one axle") << "axles=1" << false;
    QTest::newRow("21 axles") << "axles=21" << false;
    QTest::newRow("absurd count") << "axles=2000000000" << false;
    QTest::newRow("no category") << "category=" << false;
    QTest::newRow("no GVW") << "gvw=" << false;
    QTest::newRow("configuration mismatch") << "configuration=H2" << false;
    QTest::newRow("gap beyond header limits still saves") << "max1=99" << true;
    QTest::newRow("invalid constraint still saves") << "default=1,150" << true;
}

void TestSaveChecks::complete()
{
    QFETCH(QString, change);
    QFETCH(bool, isComplete);
    Subclass s = complete_subclass(1);
    tweak(s, change);
    QCOMPARE(Conf::is_complete_for_saving(s), isComplete);
}

void TestSaveChecks::validateForSaving_data()
{
    QTest::addColumn<QStringList>("subclasses"); // "number:change"
    QTest::addColumn<QString>("country");
    QTest::addColumn<Conf::SaveOutcome>("outcome");
    QTest::addColumn<quint32>("number");
    using O = Conf::SaveOutcome;
    QTest::newRow("empty, header fine") << QStringList{} << "SI" << O::save_ok << 0u;
    QTest::newRow("empty, header invalid") << QStringList{} << "" << O::header_invalid << 0u;
    QTest::newRow("all complete") << QStringList{"4:", "9:"} << "SI" << O::save_ok << 0u;
    QTest::newRow("lowest incomplete wins over the header")
        << QStringList{"4:", "9:gvw=", "12:category="} << "XX" << O::subclass_incomplete << 9u;
    QTest::newRow("subclass 0 incomplete")
        << QStringList{"0:axles=1", "5:"} << "SI" << O::subclass_incomplete << 0u;
    QTest::newRow("unclassified subclass configured")
        << QStringList{"4:", "140:"} << "SI" << O::header_invalid << 0u;
}

void TestSaveChecks::validateForSaving()
{
    QFETCH(QStringList, subclasses);
    QFETCH(QString, country);
    QFETCH(Conf::SaveOutcome, outcome);
    QFETCH(quint32, number);
    Conf conf;
    conf.set_country_code(country);
    conf.set_group_max_distance__m("2.5");
    conf.set_unclassified_vehicle_subclass("140");
    for (const QString& entry : subclasses) {
        Subclass s = complete_subclass(entry.section(':', 0, 0).toUInt());
        tweak(s, entry.section(':', 1));
        conf.insert_subclass(s.get_number(), s);
    }
    const Conf::SaveCheck check = conf.validate_for_saving();
    QCOMPARE(check.outcome, outcome);
    QCOMPARE(check.subclass, number);
}

void TestSaveChecks::invalidSubclasses()
{
    Conf conf;
    conf.set_min_axle_distance__m("0.5");
    conf.set_max_axle_distance__m("12");
    for (quint32 number : {2u, 5u, 7u, 9u})
        conf.insert_subclass(number, complete_subclass(number));
    conf.get_subclass(9).set_constraint("1+2:1.5", -1, "adsl");
    conf.get_subclass(2).set_max_distance_at_index("12.5", 0);
    QCOMPARE(conf.invalid_subclass_numbers(), (QList<quint32>{2, 9}));
    // The header limits are what the distances are judged against.
    conf.set_max_axle_distance__m("13");
    QCOMPARE(conf.invalid_subclass_numbers(), QList<quint32>{9});
}

void TestSaveChecks::maxAxleDistanceLooksAtSpareEntries()
{
    Conf conf;
    conf.set_max_axle_distance__m("12");
    Subclass s = complete_subclass(3);
    s.set_max_distance_at_index("12.5", 5); // appended beyond the two gaps in use
    conf.insert_subclass(3, s);
    QCOMPARE(conf.check_max_axle_distance(), Conf::MaxAxleDistance::lower_than_subclasses);
}

QTEST_GUILESS_MAIN(TestSaveChecks)
#include "tst_savechecks.moc"
