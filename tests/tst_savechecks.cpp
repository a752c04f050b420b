// The checks of a configuration: whole-subclass verdicts, the duplicate search, the header rules,
// and which of them block a save.
#include "conffromtext.h"
#include "confgenerator.h"
#include "model/conf.h"
#include "model/limitverdicts.h"
#include "model/subclassreasons.h"

#include <QtTest>

#include <random>

Q_DECLARE_METATYPE(Conf::SaveOutcome)
Q_DECLARE_METATYPE(Conf::MaxAxleDistance)

namespace {

// A complete, valid three-axle truck as read from a file, with one key given another value.
// Two changes the editors make: "weights=..." sets the weight list without its spare entry, and
// "default=..." adds a combined weight limit (the section builder skips both names).
Subclass truck(quint32 number, const QString& change = QString())
{
    Subclass::Section section;
    for (const QString& line :
         QStringList{"number_of_axles=3", "axle_configuration=H3", "category=3", "max_GVW__kN=255",
                     "tyre_type=1,2,2", "max_axle_weight__kN=1,71;2,98.1;3,98.1",
                     "min_axle_distance__m=3.2,1.3", "max_axle_distance__m=4.5,1.4", change})
        section.insert(line.section('=', 0, 0), line.section('=', 1));
    Subclass s = Subclass::from_section(section);
    s.set_number(number);
    const QString key = change.section('=', 0, 0), value = change.section('=', 1);
    if (key == "weights")
        s.set_max_axle_weights(value.split(',', Qt::SkipEmptyParts));
    else if (key == "default")
        s.set_constraint(value, -1, key);
    return s;
}

// Subclasses written "number:change", separated by blanks.
Conf conf_of(const QString& subclasses)
{
    Conf conf;
    for (const QString& entry : subclasses.split(' ', Qt::SkipEmptyParts)) {
        const quint32 number = entry.section(':', 0, 0).toUInt();
        conf.insert_subclass(number, truck(number, entry.section(':', 1)));
    }
    return conf;
}

// Equal values under different keys count as equal, so values land under random keys.
using Setter = void (Subclass::*)(const QString&);
const Setter setters[] = {&Subclass::set_alias,       &Subclass::set_category,
                          &Subclass::set_max_GVW__kN, &Subclass::set_prepend__m,
                          &Subclass::set_append__m,   &Subclass::set_override_class,
                          &Subclass::set_adsl_0,      &Subclass::set_number_of_axles};

struct Corners
{
    int subclasses;   // at most
    int texts;        // that values and list entries are drawn from
    int longest_list; // per-axle entries
    double copy_share;
};

// Values and list entries come from a few texts, so that equal values, empty lists, list
// prefixes and copies near and far all come up.
Conf random_configuration(std::uint32_t seed, const Corners& corners)
{
    std::mt19937 engine(seed);
    const auto below = [&engine](int n) { return int(engine() % std::uint32_t(n)); };
    const auto text = [&] { return QString::number(below(corners.texts)); };
    const auto list = [&] {
        QStringList entries;
        for (int i = 0, n = below(corners.longest_list + 1); i < n; ++i)
            entries << text();
        return entries;
    };

    Conf conf;
    QVector<Subclass> made;
    quint32 number = below(3);
    for (int i = 0, count = 2 + below(corners.subclasses - 1); i < count; ++i) {
        number += 1 + below(4);
        Subclass s;
        if (!made.isEmpty() && below(1000) < corners.copy_share * 1000) {
            s = made.at(below(made.size()));
            // A prefix of a list still matches it.
            QStringList weights = s.get_max_axle_weights();
            if (!weights.isEmpty() && below(2))
                weights.removeLast();
            s.set_max_axle_weights(weights);
        } else {
            for (int k = 0, n = below(4); k < n; ++k)
                (s.*setters[below(int(std::size(setters)))])(text());
            s.set_max_axle_weights(list());
            s.set_min_distances(list());
            s.set_max_distances(list());
            s.set_tyre_types(list());
            // Constraints take no part in the comparison; they must not keep a pair apart.
            if (below(3) == 0)
                s.set_constraint(text(), -1, QStringLiteral("adsl"));
        }
        s.set_number(number);
        made.append(s);
        conf.insert_subclass(number, s);
    }
    return conf;
}

// A pair found equal although its lists differ: only the prefix rule made it equal.
bool lists_differ(const Conf& conf, const QString& pair)
{
    const auto lists = [&conf](const QString& number) {
        const Subclass& s = conf.get_subclass(number.toUInt());
        return QList<QStringList>{s.get_max_axle_weights(), s.get_min_distances(),
                                  s.get_max_distances(), s.get_tyre_types()};
    };
    return lists(pair.section(" = ", 0, 0)) != lists(pair.section(" = ", 1, 1));
}

} // namespace

Q_DECLARE_METATYPE(Corners)

class TestSaveChecks : public QObject
{
    Q_OBJECT

private slots:
    void wholeSubclass_data();
    void wholeSubclass();
    void reasons_data();
    void reasons();
    void reasonsAgreeWithVerdicts_data();
    void reasonsAgreeWithVerdicts();
    void duplicates_data();
    void duplicates();
    void sameAsPairwise_data();
    void sameAsPairwise();
    void singleKeyRules_data();
    void singleKeyRules();
    void axleDistanceLimits_data();
    void axleDistanceLimits();
    void validateForSaving_data();
    void validateForSaving();
    void limitVerdictsAgreeWithJudgingAll();
    void missingSubclassAddsNothing();
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
            QTest::addRow("%s", change.isEmpty() ? "as read" : qPrintable(change))
                << change << valid << complete << drawable;
    };
    add(true, true, true, {"", "category=0"});
    add(false, true, true,
        {"min_axle_distance__m=0.3,1.3", "max_axle_distance__m=4.5,12.5", "default=1,150",
         "adsl_1=1+2:1.5", "awsl_1=1+2:10,3", "adsl_0=2.5", "awsl_0=10,3"});
    add(false, false, true,
        {"max_axle_weight__kN=1,71;2,98.1;3,0", "tyre_type=5,2,2", "tyre_type=1,2,",
         "category=", "max_GVW__kN=", "axle_configuration=H2"});
    // A number that reads as infinity or not-a-number, wherever it stands, is never saved.
    add(false, false, true,
        {"weights=71,98.1,1" + QString(50, '1'), "max_GVW__kN=inf", "min_axle_distance__m=inf,1.3",
         "prepend__m=1e39", "lower_GVW_limit__kN=-inf", "default=1+2," + QString(40, '9')});
    add(false, false, false,
        {"min_axle_distance__m=0,1.3", "max_axle_distance__m=4.5,", "number_of_axles=1",
         "max_axle_distance__m=nan,1.4", "number_of_axles=2000000000"});
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

void TestSaveChecks::reasons_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("invalid"); // against header limits 0.5 to 12 m
    QTest::addColumn<QString>("incomplete");
    const QString fifty(50, '1');
    // One line per reason: field, index, value, then the message.
    const std::tuple<QString, QString, QString> rows[] = {
        {"tyre_type=1,2,5", "tyre_type 3 5: tyre type of axle 3 is 5, must be 1 to 4", "="},
        {"max_axle_weight__kN=1,71;2,98.1",
         "max_axle_weight__kN 3 : max. axle weight of axle 3 is empty", "="},
        {"weights=71,0," + fifty,
         "max_axle_weight__kN 2 0: max. axle weight of axle 2 is 0, must be greater than 0\n"
         "max_axle_weight__kN 3 " +
             fifty + ": max. axle weight of axle 3 is " + fifty + ", not a finite number",
         "="},
        {"min_axle_distance__m=0.4,1.5",
         "min_axle_distance__m 1 0.4: min. axle distance of gap 1 is 0.4, below the header's "
         "min. axle distance 0.5\n"
         "min_axle_distance__m 2 1.5: min. axle distance of gap 2 is 1.5, above the max. axle "
         "distance 1.4 of that gap\n"
         "max_axle_distance__m 2 1.4: max. axle distance of gap 2 is 1.4, below the min. axle "
         "distance 1.5 of that gap",
         ""},
        {"max_axle_distance__m=12.5,inf",
         "max_axle_distance__m 1 12.5: max. axle distance of gap 1 is 12.5, above the header's "
         "max. axle distance 12\n"
         "max_axle_distance__m 2 inf: max. axle distance of gap 2 is inf, not a finite number",
         "max_axle_distance__m 2 inf: max. axle distance of gap 2 is inf, not a finite number"},
        {"min_axle_distance__m=3.2",
         "max_axle_distance__m 1 4.5: max. axle distance of gap 1 cannot be judged: the "
         "subclass holds 3 min. and 4 max. axle distances\n"
         "min_axle_distance__m 2 : min. axle distance of gap 2 is empty\n"
         "max_axle_distance__m 2 1.4: max. axle distance of gap 2 cannot be judged: the "
         "subclass holds 3 min. and 4 max. axle distances",
         "min_axle_distance__m 2 : min. axle distance of gap 2 is empty"},
        // No per-axle value is judged while the count is invalid; the configuration's count
        // then goes unmentioned too.
        {"number_of_axles=1", "number_of_axles 0 1: number of axles is 1, must be 2 to 20", "="},
        {"number_of_axles=", "number_of_axles 0 : number of axles is empty", "="},
        {"axle_configuration=H2",
         "axle_configuration 0 H2: axle configuration H2 has 2 axles, number of axles is 3", "="},
        {"axle_configuration=X3",
         "axle_configuration 0 X3: axle configuration X3 is not of the form H2T2D1S2", "="},
        {"category=", "category 0 : category is empty", "="},
        {"max_GVW__kN=nan", "max_GVW__kN 0 nan: max. GVW is nan, not a finite number", "="},
        {"adsl_1=1+2:1.5",
         "adsl_1 0 1+2:1.5: combined axle distance constraint 1+2:1.5 is not of the form "
         "1+2:2.5,4.8",
         ""},
        {"default=1+2," + fifty,
         "max_axle_weight__kN 0 1+2," + fifty + ": combined axle weight limit 1+2," + fifty +
             " holds a number that is not finite",
         "="},
        {"awsl_0=10,3",
         "awsl_0 0 10,3: total weight constraint 10,3 is not of the form "
         "98.1,12;441.5,14",
         ""},
        {"append__m=1e39", "append__m 0 1e39: append is 1e39, not a finite number", "="},
    };
    for (const auto& [change, invalid, incomplete] : rows)
        QTest::newRow(qPrintable(change.left(40)))
            << change << invalid << (incomplete == "=" ? invalid : incomplete);
}

namespace {

QString lines_of(const SubclassReasons& reasons)
{
    QStringList lines;
    for (const SubclassReason& reason : reasons)
        lines << QStringLiteral("%1 %2 %3: %4")
                     .arg(reason.field)
                     .arg(reason.index)
                     .arg(reason.value, reason.message);
    return lines.join('\n');
}

} // namespace

void TestSaveChecks::reasons()
{
    QFETCH(QString, change);
    QFETCH(QString, invalid);
    QFETCH(QString, incomplete);
    const Subclass s = truck(1, change);
    QCOMPARE(lines_of(subclass_reasons(s, "0.5", "12")), invalid);
    QCOMPARE(lines_of(saving_reasons(s)), incomplete);
}

void TestSaveChecks::reasonsAgreeWithVerdicts_data()
{
    QTest::addColumn<quint64>("seed");
    for (quint64 seed = 1; seed <= 4; ++seed)
        QTest::addRow("site %llu", seed) << seed;
}

// Generated sites, with values replaced at random by texts that fail in every way: the reasons
// are empty exactly when the verdicts hold.
void TestSaveChecks::reasonsAgreeWithVerdicts()
{
    QFETCH(quint64, seed);
    Conf conf = conf_from_text(generate_configuration({300, seed, 0.0}));
    QCOMPARE(conf.subclass_count(), 300);

    std::mt19937 engine{std::uint32_t(seed)};
    const auto below = [&engine](int n) { return int(engine() % std::uint32_t(n)); };
    const QStringList texts = {
        "",    "0",       "1",       "4",       "5",         "-1",           "0.3",
        "2.5", "13",      "abc",     "inf",     "nan",       "1e39",         QString(45, '7'),
        "H2",  "1+2:1.5", "1+2:1,2", "2+3,150", "10,3;20,5", "1+2:10,3;20,5"};
    const QList<quint32> numbers = conf.get_subclass_numbers();
    for (quint32 number : numbers) {
        Subclass& s = conf.get_subclass(number);
        for (int k = below(3); k > 0; --k) {
            const QString text = texts.at(below(texts.size()));
            const int at = below(4);
            switch (below(14)) {
            case 0:
                s.set_tyre_type_at_index(text, at);
                break;
            case 1:
                s.set_max_axle_weight_at_index(text, at);
                break;
            case 2:
                s.set_min_distance_at_index(text, at);
                break;
            case 3:
                s.set_max_distance_at_index(text, at);
                break;
            case 4:
                s.set_number_of_axles(text);
                break;
            case 5:
                s.set_axle_configuration(text);
                break;
            case 6:
                s.set_category(text);
                break;
            case 7:
                s.set_max_GVW__kN(text);
                break;
            case 8:
                s.set_prepend__m(text);
                break;
            case 9:
                s.set_upper_GVW_limit__kN(text);
                break;
            case 10:
                s.set_constraint(text, -1, "adsl");
                break;
            case 11:
                s.set_constraint(text, -1, "default");
                break;
            case 12:
                s.set_adsl_0(text);
                break;
            default:
                s.set_max_distances(s.get_max_distances().mid(1));
                break;
            }
        }
    }
    int valid = 0, complete = 0;
    for (quint32 number : numbers) {
        const Subclass& s = conf.get_subclass(number);
        const bool is_valid = s.is_subclass_valid("0.5", "15");
        const bool is_complete = Conf::is_complete_for_saving(s);
        QCOMPARE(subclass_reasons(s, "0.5", "15").isEmpty(), is_valid);
        QCOMPARE(saving_reasons(s).isEmpty(), is_complete);
        valid += is_valid;
        complete += is_complete;
    }
    // Both verdicts go both ways often enough for the comparison to mean something.
    QVERIFY2(valid > 50 && valid < 250 && complete > valid && complete < 280,
             qPrintable(QStringLiteral("%1 valid, %2 complete").arg(valid).arg(complete)));
}

void TestSaveChecks::duplicates_data()
{
    QTest::addColumn<QString>("subclasses");
    QTest::addColumn<QString>("duplicate");
    // Lists match when the shorter is a prefix of the longer; constraints take no part.
    const char* const rows[][3] = {
        {"7 and 9", "3:alias=a 7: 9:", "7 = 9"},
        {"first pair by the lower number", "2:alias=x 5:alias=y 8:alias=x 9:alias=y", "2 = 8"},
        {"adsl differs", "1:adsl_1=1+2:1,2 2:", "1 = 2"},
        {"limit differs", "1:default=1+2,150 2:", "1 = 2"},
        {"alias differs", "1:alias=x 2:alias=y", ""},
        {"adsl_0 on one", "1:adsl_0=1,2 2:", ""},
        {"weights a prefix", "1:weights=71,98.1 2:", "1 = 2"},
        {"no weights", "1:weights= 2:", "1 = 2"},
        {"weights differ", "1:weights=71,98.2 2:", ""},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
}

void TestSaveChecks::duplicates()
{
    QFETCH(QString, subclasses);
    QFETCH(QString, duplicate);
    QCOMPARE(conf_of(subclasses).find_duplicate_subclasses(), duplicate);
}

void TestSaveChecks::sameAsPairwise_data()
{
    QTest::addColumn<Corners>("corners");
    QTest::newRow("tiny alphabet") << Corners{12, 2, 2, 0.0};
    QTest::newRow("empty and short lists") << Corners{20, 3, 1, 0.1};
    QTest::newRow("copies near and far") << Corners{60, 6, 4, 0.15};
    // Mostly distinct records: the answer hangs on the few copies.
    QTest::newRow("rare copies among many") << Corners{150, 40, 5, 0.02};
}

void TestSaveChecks::sameAsPairwise()
{
    QFETCH(Corners, corners);
    int found = 0, none = 0, by_prefix = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        const Conf conf = random_configuration(seed, corners);
        const QString expected = conf.find_duplicate_subclasses_pairwise();
        QCOMPARE(conf.find_duplicate_subclasses(), expected);
        if (expected.isEmpty()) {
            ++none;
        } else {
            ++found;
            by_prefix += lists_differ(conf, expected);
        }
    }
    // Otherwise the comparison above proves little.
    QVERIFY2(found > 20 && none > 20,
             qPrintable(QStringLiteral("%1 found, %2 without").arg(found).arg(none)));
    QVERIFY(by_prefix > 10);
}

void TestSaveChecks::singleKeyRules_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value"); // a null text leaves the key out of the header
    QTest::addColumn<bool>("valid");
    // Values as a file gives them: the country code is not upper-cased on the way in.
    const char *g = "g_acceleration_constant", *group = "group_max_distance__m",
               *country = "country_code", *category = "uncategorised_vehicle_category",
               *spacing = "min_2axle_truck_spacing__m", *average = "min_avg_axle_weight__kN";
    const std::tuple<const char*, const char*, bool> rows[] = {
        {g, nullptr, false},      {g, "0", false},        {g, "-9.81", false},
        {g, "inf", false},        {g, "1e39", false},     {group, "nan", false},
        {group, "1e39", false},   {g, "9.81", true},      {group, "", false},
        {group, "0", false},      {group, "abc", false},  {group, "2.5", true},
        {country, "SI", true},    {country, "gb", true},  {country, "SS", true},
        {country, "UK", false},   {country, "XK", false}, {country, "XX", false},
        {country, "SIA", false},  {country, "", false},   {category, "", true},
        {category, "6", true},    {category, "5", false}, {category, "6.5", false},
        {category, "abc", false}, {country, "ß", false},  {spacing, "1e39", false},
        {spacing, "", true},      {average, "0", true},   {average, "nan", false},
    };
    for (const auto& [key, value, valid] : rows)
        QTest::addRow("%s=%s", key, value ? value : "(absent)")
            << QString(key) << QString(value) << valid;
}

void TestSaveChecks::singleKeyRules()
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
        {"uncategorised_vehicle_category", &Conf::is_uncategorised_vehicle_category_valid},
        {"min_2axle_truck_spacing__m", &Conf::is_min_2axle_truck_spacing_valid},
        {"min_avg_axle_weight__kN", &Conf::is_min_avg_axle_weight_valid}};
    QCOMPARE((conf.*rules.value(key))(), valid);
}

void TestSaveChecks::axleDistanceLimits_data()
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
        {"", "", "", true, S::invalid},         {"2.5", "2.5", "", true, S::valid},
        {"2.5", "2.4", "", false, S::invalid},  {"", "15", "", true, S::valid},
        {"0.8", "", "", false, S::invalid},     {"0.8", "far", "", false, S::invalid},
        {"near", "15", "", false, S::invalid},  {"0.5", "12", "3,,12", true, S::valid},
        {"0.5", "12", "3,,12.5", true, low},    {"0.5", "0.4", "3,,12.5", false, S::invalid},
        {"0.8", "1e39", "", false, S::invalid}, {"0.8", "inf", "", false, S::invalid},
        {"nan", "15", "", false, S::invalid},
    };
    for (const auto& [min, max, subclassMax, minValid, maxState] : rows)
        QTest::addRow("min '%s' max '%s' subclass '%s'", min, max, subclassMax)
            << QString(min) << QString(max) << QString(subclassMax) << minValid << maxState;
}

void TestSaveChecks::axleDistanceLimits()
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

void TestSaveChecks::validateForSaving_data()
{
    QTest::addColumn<QString>("subclasses");
    QTest::addColumn<QString>("header"); // one change to a header that would save
    QTest::addColumn<Conf::SaveOutcome>("outcome");
    QTest::addColumn<quint32>("number");
    using O = Conf::SaveOutcome;
    // An empty unclassified subclass reads as 0.
    const std::tuple<const char*, const char*, const char*, O, quint32> rows[] = {
        {"empty", "", "", O::save_ok, 0},
        {"no country", "", "country_code=", O::header_invalid, 0},
        {"no group distance", "", "group_max_distance__m=0", O::header_invalid, 0},
        {"unclassified subclass configured", "4: 140:", "", O::header_invalid, 0},
        {"no unclassified subclass", "4: 140:", "unclassified_vehicle_subclass=", O::save_ok, 0},
        {"0 configured", "0: 4:", "unclassified_vehicle_subclass=", O::header_invalid, 0},
        {"other header rules do not block", "4: 9:", "uncategorised_vehicle_category=2", O::save_ok,
         0},
        {"infinite limit", "", "max_axle_distance__m=1e39", O::header_invalid, 0},
        {"infinite g", "", "g_acceleration_constant=inf", O::header_invalid, 0},
        {"lowest incomplete wins over the header",
         "2: 4:number_of_axles=1 9:max_GVW__kN=", "country_code=XX", O::subclass_incomplete, 4},
    };
    for (const auto& [name, subclasses, header, outcome, number] : rows)
        QTest::newRow(name) << QString(subclasses) << QString(header) << outcome << number;
}

void TestSaveChecks::validateForSaving()
{
    QFETCH(QString, subclasses);
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

void TestSaveChecks::missingSubclassAddsNothing()
{
    Conf conf = conf_of("4:");
    conf.get_subclass(7).set_alias("x");
    QCOMPARE(std::as_const(conf).get_subclass(7).get_alias(), QString());
    QCOMPARE(conf.get_subclass_numbers(), QList<quint32>{4});
}

// Random tables and edits: the kept verdicts, the subclasses said to change and the highest max.
// distance agree with judging every subclass again after every step, whether the verdicts were
// kept up to date edit by edit or made anew from the whole table.
void TestSaveChecks::limitVerdictsAgreeWithJudgingAll()
{
    // Mostly plain distances, so that many verdicts turn on the limits.
    const QStringList texts = {"0.5", "1", "1.3", "2", "3", "4.5", "12", "", "inf", "nan", "-1"};
    QLoggingCategory::setFilterRules("default.warning=false"); // every short list warns
    int valid = 0, flips = 0;
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        std::mt19937 engine(seed);
        const auto pick = [&] { return texts.at(int(engine() % (engine() % 4 ? 7 : 11))); };
        Conf conf;
        LimitVerdicts verdicts;
        LimitVerdicts rebuilt; // made anew from the table after every step, as Open makes it
        for (int step = 0; step < 80; ++step) {
            const quint32 number = engine() % 12;
            const QList<quint32> before = conf.invalid_subclass_numbers();
            const int what = engine() % 5;
            if (what < 2) {
                (what ? conf.set_min_axle_distance__m(pick())
                      : conf.set_max_axle_distance__m(pick()));
                const QList<quint32> changed = verdicts.set_limits(conf.get_min_axle_distance__m(),
                                                                   conf.get_max_axle_distance__m());
                for (quint32 n : conf.get_subclass_numbers())
                    QCOMPARE(changed.contains(n),
                             before.contains(n) != conf.invalid_subclass_numbers().contains(n));
                QCOMPARE(rebuilt.set_limits(conf.get_min_axle_distance__m(),
                                            conf.get_max_axle_distance__m()),
                         changed);
                flips += changed.size();
            } else if (what == 2) {
                conf.remove_subclass(number);
                verdicts.update(number, nullptr);
            } else {
                Subclass s = truck(number);
                // A spare max. distance alone breaks the subclass; a spare gap does not, and its
                // max. distance still counts for the highest.
                const int spare = int(engine() % 4);
                QStringList mins{pick(), pick()}, maxes{pick(), pick()};
                if (spare < 2)
                    maxes << pick();
                if (spare == 1)
                    mins << pick();
                s.set_min_distances(mins);
                s.set_max_distances(maxes);
                conf.insert_subclass(number, s);
                verdicts.update(number, &s);
            }
            QCOMPARE(verdicts.invalid_numbers(), conf.invalid_subclass_numbers());
            QCOMPARE(verdicts.highest_max_distance(), conf.highest_max_distance());
            rebuilt.rebuild(conf);
            QCOMPARE(rebuilt.invalid_numbers(), conf.invalid_subclass_numbers());
            QCOMPARE(rebuilt.highest_max_distance(), conf.highest_max_distance());
            valid += conf.subclass_count() - conf.invalid_subclass_numbers().size();
        }
    }
    QLoggingCategory::setFilterRules(QString());
    QVERIFY(valid > 500 && flips > 200); // otherwise the comparison proves little
}

QTEST_GUILESS_MAIN(TestSaveChecks)
#include "tst_savechecks.moc"
