// The analyses of a whole table: overlapping subclasses, spacings no subclass covers, and what
// changed between two versions.
#include "conffromtext.h"

#include "model/confdiff.h"
#include "model/coveragegaps.h"
#include "model/overlaps.h"
#include "model/vehicleclassifier.h"

#include <QtTest>

#include <random>

namespace {

VehicleRecord vehicle_of(const QVector<double>& spacings)
{
    VehicleRecord v;
    v.axles = spacings.size() + 1;
    v.weight.fill(NAN);
    for (int i = 0; i < spacings.size(); ++i) {
        v.written_spacing[i] = spacings.at(i);
        v.spacing[i] = float(spacings.at(i));
    }
    return v;
}

const MatchRule* rule_of(const VehicleClassifier& classifier, quint32 number)
{
    for (const MatchRule& rule : classifier.rules()) {
        if (rule.number() == number)
            return &rule;
    }
    return nullptr;
}

bool holds(const RealRange& range, float value)
{
    return (range.from_open ? value > range.from : value >= range.from) &&
           (range.to_open ? value < range.to : value <= range.to);
}

// A random table of a few subclasses per axle count on a decimetre grid, some with a combined
// distance constraint.
QString random_table_text(std::mt19937& engine)
{
    const auto below = [&engine](int n) { return int(engine() % std::uint32_t(n)); };
    QStringList entries;
    int number = 1;
    for (int axles = 2; axles <= 4; ++axles) {
        if (below(4) == 0)
            continue;
        for (int k = 0, count = 1 + below(4); k < count; ++k) {
            QString entry = QString::number(number++) + ":";
            for (int g = 1; g < axles; ++g) {
                const int low = 5 + below(20), high = low + below(8);
                entry += QString(" %1-%2").arg(low / 10.0).arg(high / 10.0);
            }
            if (below(4) == 0)
                entry += QString(" | adsl_1=1+%1:%2,%3")
                             .arg(axles)
                             .arg((axles - 1) * 0.5 + below(10) / 10.0)
                             .arg((axles - 1) * 1.5 + below(10) / 10.0);
            entries << entry;
        }
    }
    return entries.join(';');
}

} // namespace

class TestTableAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void overlaps_data();
    void overlaps();
    void overlapsFoundByVehicles();
    void gaps_data();
    void gaps();
    void gapsAgainstGrid();
    void diff_data();
    void diff();
};

void TestTableAnalysis::overlaps_data()
{
    QTest::addColumn<QString>("subclasses");
    QTest::addColumn<QString>("expected"); // "a-b" per pair, "@witness" when fixed, "tyres"
    QTest::newRow("touch at one point") << "1: 2.2-3.59; 2: 3.59-4"
                                        << "1-2 @3.59";
    QTest::newRow("miss by 1 cm") << "1: 2.2-3.59; 2: 3.6-4"
                                  << "";
    QTest::newRow("every gap") << "1: 2-3 1-1.5; 2: 2.5-4 1.5-2"
                               << "1-2 @3,1.5";
    QTest::newRow("one gap apart") << "1: 2-3 1-1.4; 2: 2.5-4 1.5-2"
                                   << "";
    QTest::newRow("apart only by their totals")
        << "1: 1-2 1-2 | adsl_0=2,2.5; 2: 1-2 1-2 | adsl_0=3,4"
        << "";
    QTest::newRow("totals touch") << "1: 1-2 1-2 | adsl_0=2,3; 2: 1-2 1-2 | adsl_0=3,4"
                                  << "1-2";
    QTest::newRow("apart by constraints on different axles")
        << "1: 1-2 1-2 1-2 | adsl_1=1+2+3:2,2.4; 2: 1-2 1-2 1-2 | adsl_1=2+3+4:3.9,4"
        << "";
    QTest::newRow("a corner left by constraints")
        << "1: 1-3 1-3 | adsl_1=1+2+3:5.5,6; 2: 2.5-2.8 1-3"
        << "1-2";
    // The first gap of both can only be 3.2, which the placement of the axles must hit exactly.
    QTest::newRow("a gap pinned to one value")
        << "1: 2.2-3.2 2.5-6 | adsl_0=4.7,9.2; 2: 3.2-4 5.5-9"
        << "1-2";
    QTest::newRow("constraint not applied") << "1: 1-2 1-2 | adsl_1=3:9,10; 2: 1-2 1-2"
                                            << "1-2";
    QTest::newRow("tyres differ") << "1: 2-3 | tyre_type=1,1; 2: 2.5-4 | tyre_type=1,2"
                                  << "1-2 @3 tyres";
    QTest::newRow("other axle counts") << "1: 2-3; 2: 2-3 1-2"
                                       << "";
    QTest::newRow("invalid ones skipped") << "1: 2-3; 2: 2-3 | category=; 3: 2-3 | tyre_type=5,1"
                                          << "";
    QTest::newRow("pairs in order") << "5: 2-3; 3: 2-3; 4: 2.1-3"
                                    << "3-4 3-5 4-5";
}

void TestTableAnalysis::overlaps()
{
    QFETCH(QString, subclasses);
    QFETCH(QString, expected);
    const Conf conf = conf_from_text(table_text(subclasses));
    const VehicleClassifier classifier(conf);
    const OverlapReport report = find_overlaps(classifier);
    QStringList found;
    for (const Overlap& overlap : report.overlaps) {
        // Every witness is a vehicle both match.
        const VehicleRecord witness = vehicle_of(overlap.witness);
        QVERIFY(rule_of(classifier, overlap.a)->matches(witness));
        QVERIFY(rule_of(classifier, overlap.b)->matches(witness));
        QString pair = QString("%1-%2").arg(overlap.a).arg(overlap.b);
        if (expected.contains('@')) {
            QStringList witness_text;
            for (double spacing : overlap.witness)
                witness_text << QString::number(spacing);
            pair += " @" + witness_text.join(',');
        }
        if (overlap.tyres_differ)
            pair += " tyres";
        found << pair;
    }
    QCOMPARE(found.join(' '), expected);
    QCOMPARE(report.invalid_skipped.size(),
             subclasses.count("category=") + subclasses.count("tyre_type=5"));
}

// Random tables and random vehicles: every vehicle that two subclasses match shows up as their
// overlap.
void TestTableAnalysis::overlapsFoundByVehicles()
{
    std::mt19937 engine(9);
    int pairs = 0, sampled = 0;
    for (int t = 0; t < 60; ++t) {
        const Conf conf = conf_from_text(table_text(random_table_text(engine)));
        const VehicleClassifier classifier(conf);
        const OverlapReport report = find_overlaps(classifier);
        QSet<QPair<quint32, quint32>> reported;
        for (const Overlap& overlap : report.overlaps) {
            reported.insert({overlap.a, overlap.b});
            QVERIFY(rule_of(classifier, overlap.a)->matches(vehicle_of(overlap.witness)));
            QVERIFY(rule_of(classifier, overlap.b)->matches(vehicle_of(overlap.witness)));
        }
        pairs += reported.size();
        VehicleOutcome outcome;
        for (int k = 0; k < 3000; ++k) {
            QVector<double> spacings;
            for (int g = 0, gaps = 1 + int(engine() % 3); g < gaps; ++g)
                spacings << (5 + int(engine() % 27)) / 10.0;
            classifier.classify(vehicle_of(spacings), outcome);
            for (int i = 0; i < outcome.candidates.size(); ++i)
                for (int j = i + 1; j < outcome.candidates.size(); ++j) {
                    ++sampled;
                    QVERIFY(reported.contains({outcome.candidates[i], outcome.candidates[j]}));
                }
        }
    }
    QVERIFY2(pairs > 40 && sampled > 1000,
             qPrintable(QString("%1 %2").arg(pairs).arg(sampled)));
}

void TestTableAnalysis::gaps_data()
{
    QTest::addColumn<QString>("subclasses");
    QTest::addColumn<QString>("expected"); // one region per line: axles, gaps, witness, thin
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("others"); // narrowed by constraints, unreachable
    QTest::newRow("a slip between two classes") << "1: 0.5-3.59; 2: 3.6-15"
                                                << "2 (3.59,3.6) @3.595 thin"
                                                << ""
                                                << "";
    QTest::newRow("1.01 cm is thin") << "1: 0.5-2; 2: 2.0101-15"
                                     << "2 (2,2.0101) @2.01 thin"
                                     << ""
                                     << "";
    QTest::newRow("1.02 cm is not") << "1: 0.5-2; 2: 2.0102-15"
                                    << "2 (2,2.0102) @2.01"
                                    << ""
                                    << "";
    QTest::newRow("ends of the header range") << "1: 1-3; 2: 3-14.99"
                                              << "2 [0.5,1) @0.8\n2 (14.99,15] @15 thin"
                                              << ""
                                              << "";
    QTest::newRow("every gap") << "1: 0.5-15 0.5-2; 2: 0.5-4 2-15"
                               << "3 (4,15] (2,15] @10,9"
                               << "2"
                               << "";
    QTest::newRow("missing counts") << "1: 0.5-15; 2: 0.5-15 0.5-15 0.5-15"
                                    << ""
                                    << "3"
                                    << "";
    QTest::newRow("constraints listed, not applied")
        << "1: 0.5-15 | adsl_0=1,2; 2: 0.5-15 0.5-15 | adsl_1=1+2:0.5,15"
        << ""
        << ""
        << "2: 1; 3: 2";
    QTest::newRow("unreachable") << "1: 0.5-15 | adsl_0=20,30; 2: 0.5-15 0.5-15 0.5-15"
                                 << ""
                                 << "3"
                                 << "2: 1; unreachable 1";
}

QString region_text(const UncoveredRegion& region)
{
    QStringList parts{QString::number(region.axles)};
    for (const RealRange& range : region.gaps)
        parts << QString("%1%2,%3%4")
                     .arg(range.from_open ? '(' : '[')
                     .arg(float_text(float(range.from)), float_text(float(range.to)))
                     .arg(range.to_open ? ')' : ']');
    QStringList witness;
    for (double spacing : region.witness)
        witness << QString::number(spacing);
    parts << "@" + witness.join(',');
    if (region.thin)
        parts << "thin";
    return parts.join(' ');
}

void TestTableAnalysis::gaps()
{
    QFETCH(QString, subclasses);
    QFETCH(QString, expected);
    QFETCH(QString, missing);
    QFETCH(QString, others);
    const CoverageReport report = find_gaps(conf_from_text(table_text(subclasses)));
    QStringList regions, counts, rest;
    for (const UncoveredRegion& region : report.uncovered)
        regions << region_text(region);
    for (int axles : report.missing_axle_counts)
        counts << QString::number(axles);
    for (auto it = report.narrowed.cbegin(); it != report.narrowed.cend(); ++it) {
        QStringList numbers;
        for (quint32 number : it.value())
            numbers << QString::number(number);
        rest << QString("%1: %2").arg(it.key()).arg(numbers.join(','));
    }
    for (quint32 number : report.unreachable)
        rest << QString("unreachable %1").arg(number);
    QCOMPARE(regions.join('\n'), expected);
    QCOMPARE(counts.join(' '), missing);
    QCOMPARE(rest.join("; "), others);
    QVERIFY(!report.truncated);
}

// Small random tables against every spacing on a grid of their bounds and the points between:
// a spacing is in exactly one region when no subclass covers it, in none otherwise.
void TestTableAnalysis::gapsAgainstGrid()
{
    std::mt19937 engine(4);
    int uncovered = 0, covered = 0;
    for (int t = 0; t < 80; ++t) {
        const Conf conf = conf_from_text(table_text(random_table_text(engine), "0.5", "3.5"));
        const VehicleClassifier classifier(conf);
        const CoverageReport report = find_gaps(conf);
        QVERIFY(!report.truncated);
        for (int axles = 2; axles <= 4; ++axles) {
            QVector<const MatchRule*> rules;
            QVector<float> points{0.5f, 3.5f};
            for (const MatchRule& rule : classifier.rules()) {
                if (rule.axles() != axles)
                    continue;
                rules << &rule;
                for (int g = 0; g < axles - 1; ++g)
                    points << rule.gap_min(g) << rule.gap_max(g);
            }
            if (rules.isEmpty())
                continue;
            std::sort(points.begin(), points.end());
            points.erase(std::unique(points.begin(), points.end()), points.end());
            for (int i = points.size() - 1; i > 0; --i)
                points.insert(i, (points.at(i - 1) + points.at(i)) / 2);
            QVector<int> at(axles - 1, 0);
            for (;;) {
                bool in_box = false;
                for (const MatchRule* rule : rules) {
                    bool inside = true;
                    for (int g = 0; g < axles - 1; ++g)
                        inside = inside && points.at(at[g]) >= rule->gap_min(g) &&
                                 points.at(at[g]) <= rule->gap_max(g);
                    in_box = in_box || inside;
                }
                int regions = 0;
                for (const UncoveredRegion& region : report.uncovered) {
                    bool inside = region.axles == axles;
                    for (int g = 0; inside && g < axles - 1; ++g)
                        inside = holds(region.gaps.at(g), points.at(at[g]));
                    regions += inside;
                }
                QCOMPARE(regions, in_box ? 0 : 1);
                ++(in_box ? covered : uncovered);
                int g = 0;
                while (g < axles - 1 && ++at[g] == points.size())
                    at[g++] = 0;
                if (g == axles - 1)
                    break;
            }
        }
        for (const UncoveredRegion& region : report.uncovered) {
            VehicleRecord witness = vehicle_of(region.witness);
            for (int g = 0; g < region.gaps.size(); ++g)
                QVERIFY(holds(region.gaps.at(g), witness.spacing[g]));
        }
    }
    QVERIFY2(uncovered > 10000 && covered > 10000,
             qPrintable(QString("%1 %2").arg(uncovered).arg(covered)));

    // Past the limit the report stops and says so.
    const CoverageReport cut =
        find_gaps(conf_from_text(table_text("1: 1-2 1-2 1-2; 2: 2-3 2-3 2-3")), 3);
    QCOMPARE(cut.uncovered.size(), 3);
    QVERIFY(cut.truncated);
}

void TestTableAnalysis::diff_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to"); // in the text of the old table
    QTest::addColumn<QString>("changes");
    const char* const rows[][4] = {
        {"the same", "", "", ""},
        {"header value", "max_axle_distance__m=15", "max_axle_distance__m=16",
         "header max_axle_distance__m 15 -> 16"},
        {"header value emptied", "min_axle_distance__m=0.5",
         "min_axle_distance__m=", "header min_axle_distance__m 0.5 -> (none)"},
        {"header key added", "[classes]", "[classes]\ncountry_code=SI",
         "header country_code (none) -> SI"},
        {"subclass removed", "[subclass_2]", "[subclass_9]", "only old 2; only new 9"},
        {"scalar", "category=3", "category=4", "1 category 0 3 -> 4"},
        {"alias added", "category=3", "alias=x\ncategory=3", "1 alias 0 (none) -> x"},
        {"tyre of axle 2", "tyre_type=1,1,1", "tyre_type=1,2,1", "1 tyre_type 2 1 -> 2"},
        {"gap 2", "max_axle_distance__m=3,2", "max_axle_distance__m=3,2.5",
         "1 max_axle_distance__m 2 2 -> 2.5"},
        {"fewer axles", "number_of_axles=3", "number_of_axles=2",
         "1 number_of_axles 0 3 -> 2\n1 tyre_type 3 1 -> (none)\n"
         "1 max_axle_weight__kN 3 100 -> (none)\n1 max_axle_distance__m 2 2 -> (none)\n"
         "1 min_axle_distance__m 2 1 -> (none)"},
        {"constraints reordered", "adsl_1=1+2:1,2\nadsl_2=2+3:1,2",
         "adsl_1=2+3:1,2\nadsl_2=1+2:1,2", ""},
        {"constraint changed", "adsl_2=2+3:1,2", "adsl_2=2+3:1,2.5",
         "1 adsl 0 2+3:1,2 -> (none)\n1 adsl 0 (none) -> 2+3:1,2.5"},
        {"combined weight limit added", "3,100\n", "3,100;2+3,150\n",
         "1 max_axle_weight__kN 0 (none) -> 2+3,150"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]) << QString(row[3]);
}

void TestTableAnalysis::diff()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, changes);
    const QString old_text =
        table_text("1: 2-3 1-2 | adsl_1=1+2:1,2 | adsl_2=2+3:1,2; 2: 2-3", "0.5", "15");
    QString new_text = old_text;
    if (!from.isEmpty()) {
        QVERIFY2(old_text.contains(from), qPrintable(from));
        new_text.replace(old_text.indexOf(from), from.size(), to);
    }
    const ConfDiff diff = diff_confs(conf_from_text(old_text), conf_from_text(new_text));
    const auto shown = [](const QString& text) { return text.isNull() ? "(none)" : text; };
    QStringList lines;
    for (const ValueChange& change : diff.header)
        lines << QString("header %1 %2 -> %3")
                     .arg(change.field, shown(change.old_value), shown(change.new_value));
    if (!diff.only_in_old.isEmpty() || !diff.only_in_new.isEmpty())
        lines << QString("only old %1; only new %2")
                     .arg(diff.only_in_old.value(0))
                     .arg(diff.only_in_new.value(0));
    for (auto it = diff.changed.cbegin(); it != diff.changed.cend(); ++it)
        for (const ValueChange& change : it.value())
            lines << QString("%1 %2 %3 %4 -> %5")
                         .arg(it.key())
                         .arg(change.field)
                         .arg(change.index)
                         .arg(shown(change.old_value), shown(change.new_value));
    QCOMPARE(lines.join('\n'), changes);
    QCOMPARE(diff.is_empty(), changes.isEmpty());
}

QTEST_GUILESS_MAIN(TestTableAnalysis)
#include "tst_tableanalysis.moc"
