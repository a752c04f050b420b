#include "model/conf.h"

#include <QtTest>

Q_DECLARE_METATYPE(Conf::SaveOutcome)

namespace {

// A complete, valid three-axle truck with one value changed, written "what=value": a scalar,
// a per-axle entry (weight1 is the second axle's weight), a constraint kind, or "weights" for the
// whole weight list.
Subclass truck(quint32 number, const QString& change = QString())
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

    const QString what = change.section('=', 0, 0), value = change.section('=', 1);
    const QMap<QString, void (Subclass::*)(const QString&)> scalars = {
        {"alias", &Subclass::set_alias},       {"axles", &Subclass::set_number_of_axles},
        {"category", &Subclass::set_category}, {"gvw", &Subclass::set_max_GVW__kN},
        {"adsl_0", &Subclass::set_adsl_0},     {"configuration", &Subclass::set_axle_configuration},
        {"awsl_0", &Subclass::set_awsl_0}};
    const QMap<QString, void (Subclass::*)(const QString&, int)> entries = {
        {"weight", &Subclass::set_max_axle_weight_at_index},
        {"tyre", &Subclass::set_tyre_type_at_index},
        {"min", &Subclass::set_min_distance_at_index},
        {"max", &Subclass::set_max_distance_at_index}};
    const QString entry = what.chopped(qMin(1, what.size()));
    if (scalars.contains(what))
        (s.*scalars.value(what))(value);
    else if (what == "weights")
        s.set_max_axle_weights(value.split(',', Qt::SkipEmptyParts));
    else if (entries.contains(entry))
        (s.*entries.value(entry))(value, what.right(1).toInt());
    else if (!what.isEmpty())
        s.set_constraint(value, -1, what);
    return s;
}

// Subclasses written "number:change".
Conf conf_of(const QStringList& subclasses)
{
    Conf conf;
    for (const QString& entry : subclasses) {
        const quint32 number = entry.section(':', 0, 0).toUInt();
        conf.insert_subclass(number, truck(number, entry.section(':', 1)));
    }
    return conf;
}

} // namespace

class TestSaveChecks : public QObject
{
    Q_OBJECT

private slots:
    void wholeSubclass_data();
    void wholeSubclass();
    void duplicates_data();
    void duplicates();
    void validateForSaving_data();
    void validateForSaving();
};

void TestSaveChecks::wholeSubclass_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("valid"); // is_subclass_valid against header limits 0.5 to 12 m
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("drawable");
    // The lists hold spare entries beyond the axles in use, which no verdict looks at. Saving
    // asks less than validity (no header limits, constraints or totals), drawing only the gaps.
    const auto add = [](bool valid, bool complete, bool drawable, const QStringList& changes) {
        for (const QString& change : changes)
            QTest::addRow("%s", change.isEmpty() ? "as built" : qPrintable(change))
                << change << valid << complete << drawable;
    };
    add(true, true, true, {"", "category=0"});
    add(false, true, true,
        {"min0=0.3", "max1=12.5", "default=1,150", "adsl=1+2:1.5", "awsl=1+2:10,3", "adsl_0=2.5",
         "awsl_0=10,3"});
    add(false, false, true,
        {"weight1=0", "weight2=", "tyre0=5", "category=", "gvw=", "configuration=H2"});
    add(false, false, false, {"min0=0", "max1=", "axles=1", "axles=2000000000"});
}

void TestSaveChecks::wholeSubclass()
{
    QFETCH(QString, change);
    QFETCH(bool, valid);
    QFETCH(bool, complete);
    QFETCH(bool, drawable);
    const Subclass s = truck(1, change);
    QCOMPARE(s.is_subclass_valid("0.5", "12"), valid);
    QCOMPARE(Conf::is_complete_for_saving(s), complete);
    QCOMPARE(s.can_draw(), drawable);
}

void TestSaveChecks::duplicates_data()
{
    QTest::addColumn<QStringList>("subclasses");
    QTest::addColumn<QString>("duplicate");
    // Lists match when the shorter is a prefix of the longer; constraints take no part.
    QTest::newRow("7 and 9") << QStringList{"3:alias=a", "7:", "9:"} << "7 = 9";
    QTest::newRow("first pair by the lower number")
        << QStringList{"2:alias=x", "5:alias=y", "8:alias=x", "9:alias=y"} << "2 = 8";
    QTest::newRow("adsl differs") << QStringList{"1:adsl=1+2:1,2", "2:"} << "1 = 2";
    QTest::newRow("limit differs") << QStringList{"1:default=1+2,150", "2:"} << "1 = 2";
    QTest::newRow("alias differs") << QStringList{"1:alias=x", "2:alias=y"} << "";
    QTest::newRow("adsl_0 on one") << QStringList{"1:adsl_0=1,2", "2:"} << "";
    QTest::newRow("weights a prefix") << QStringList{"1:weights=71,98.1", "2:"} << "1 = 2";
    QTest::newRow("no weights") << QStringList{"1:weights=", "2:"} << "1 = 2";
    QTest::newRow("weights differ") << QStringList{"1:weights=71,98.2", "2:"} << "";
}

void TestSaveChecks::duplicates()
{
    QFETCH(QStringList, subclasses);
    QFETCH(QString, duplicate);
    QCOMPARE(conf_of(subclasses).find_duplicate_subclasses(), duplicate);
}

void TestSaveChecks::validateForSaving_data()
{
    QTest::addColumn<QStringList>("subclasses");
    QTest::addColumn<QString>("header"); // one change to a header that would save
    QTest::addColumn<Conf::SaveOutcome>("outcome");
    QTest::addColumn<quint32>("number");
    using O = Conf::SaveOutcome;
    QTest::newRow("empty") << QStringList{} << QString() << O::save_ok << 0u;
    QTest::newRow("no country") << QStringList{} << "country_code=" << O::header_invalid << 0u;
    QTest::newRow("no group distance")
        << QStringList{} << "group_max_distance__m=0" << O::header_invalid << 0u;
    QTest::newRow("unclassified subclass configured")
        << QStringList{"4:", "140:"} << QString() << O::header_invalid << 0u;
    // An empty unclassified subclass reads as 0.
    QTest::newRow("no unclassified subclass")
        << QStringList{"4:", "140:"} << "unclassified_vehicle_subclass=" << O::save_ok << 0u;
    QTest::newRow("no unclassified subclass, 0 configured")
        << QStringList{"0:", "4:"} << "unclassified_vehicle_subclass=" << O::header_invalid << 0u;
    QTest::newRow("other header rules do not block")
        << QStringList{"4:", "9:"} << "uncategorised_vehicle_category=2" << O::save_ok << 0u;
    QTest::newRow("lowest incomplete wins over the header")
        << QStringList{"0:axles=1", "4:", "9:gvw="} << "country_code=XX" << O::subclass_incomplete
        << 0u;
}

void TestSaveChecks::validateForSaving()
{
    QFETCH(QStringList, subclasses);
    QFETCH(QString, header);
    QFETCH(Conf::SaveOutcome, outcome);
    QFETCH(quint32, number);
    Conf conf = conf_of(subclasses);
    conf.set_country_code("SI");
    conf.set_group_max_distance__m("2.5");
    conf.set_unclassified_vehicle_subclass("140");
    conf.set_header_value(header.section('=', 0, 0), header.section('=', 1));
    const Conf::SaveCheck check = conf.validate_for_saving();
    QCOMPARE(check.outcome, outcome);
    QCOMPARE(check.subclass, number);
}

QTEST_GUILESS_MAIN(TestSaveChecks)
#include "tst_savechecks.moc"
