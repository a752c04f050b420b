// Measured vehicles: how they are read, how the matching rule judges them, and the classifier's
// shortcut against trying every subclass.
#include "conffromtext.h"
#include "confgenerator.h"
#include "vehiclegenerator.h"

#include "model/classificationtally.h"
#include "model/conf.h"
#include "model/vehicleclassifier.h"
#include "model/vehiclereader.h"

#include <QBuffer>
#include <QtTest>

#include <random>

namespace {

// A three-axle truck with one section line changed or added.
Subclass truck(const QString& change)
{
    Subclass::Section section;
    for (const QString& line :
         QStringList{"subclass=7", "number_of_axles=3", "axle_configuration=H3", "category=3",
                     "max_GVW__kN=255", "tyre_type=1,2,2",
                     "max_axle_weight__kN=1,71;2,98.1;3,98.1;2+3,176.6",
                     "min_axle_distance__m=3.2,1.3", "max_axle_distance__m=4.5,1.4", change})
        section.insert(line.section('=', 0, 0), line.section('=', 1));
    return Subclass::from_section(section);
}

struct Read
{
    QVector<VehicleRecord> records;
    QStringList problems; // "line: problem" of the unreadable ones
    QString file_problem;
};

Read read_vehicles(const QByteArray& text, const VehicleUnits& units = {})
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    VehicleReader reader(buffer, units);
    Read read;
    VehicleRecord record;
    for (VehicleReader::Status status;
         (status = reader.next(record)) != VehicleReader::Status::end;) {
        if (status == VehicleReader::Status::record)
            read.records.append(record);
        else
            read.problems << QStringLiteral("%1: %2").arg(record.line).arg(reader.problem());
    }
    read.file_problem = reader.file_problem();
    return read;
}

const QByteArray truck_columns =
    "axles,spacing_1,spacing_2,weight_1,weight_2,weight_3,gvw,tyre_1,tyre_2,tyre_3\n";

QString outcome_text(const VehicleOutcome& outcome)
{
    QStringList candidates, over;
    for (quint32 number : outcome.candidates)
        candidates << QString::number(number);
    for (quint32 number : outcome.over_limits)
        over << QString::number(number);
    return candidates.join(' ') + '/' + over.join(' ');
}

} // namespace

class TestMatching : public QObject
{
    Q_OBJECT

private slots:
    void matchingRule_data();
    void matchingRule();
    void readsNumbersAsTheTable_data();
    void readsNumbersAsTheTable();
    void unreadableRecords_data();
    void unreadableRecords();
    void trafficMonitoringRecord();
    void bothFormatsAgree();
    void classifierAgreesWithPlainLoop_data();
    void classifierAgreesWithPlainLoop();
    void tally();
};

void TestMatching::matchingRule_data()
{
    QTest::addColumn<QString>("change"); // of the truck: gaps 3.2-4.5 and 1.3-1.4
    QTest::addColumn<QByteArray>("vehicle");
    QTest::addColumn<QString>("verdict"); // "no", "match" or "over" (matches, over its limits)
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"gap 1 low end", "", "3,3.2,1.3,70,90,80,,1,2,2", "match"},
        {"below gap 1", "", "3,3.19,1.3,70,90,80,,1,2,2", "no"},
        {"gap 1 high end", "", "3,4.5,1.4,70,90,80,,1,2,2", "match"},
        {"above gap 2", "", "3,4.5,1.41,70,90,80,,1,2,2", "no"},
        {"other axle count", "", "2,3.5,,70,90,,,1,2,", "no"},
        // The spanned distance is the sum as written: 3.2 + 1.31 lies on 4.51.
        {"span low end", "adsl_1=1+2+3:4.51,5.9", "3,3.2,1.31,70,90,80,,1,2,2", "match"},
        {"below span", "adsl_1=1+2+3:4.51,5.9", "3,3.2,1.3,70,90,80,,1,2,2", "no"},
        {"span high end", "adsl_1=1+3:4.51,5.9", "3,4.5,1.4,70,90,80,,1,2,2", "match"},
        {"span of one gap", "adsl_1=2+3:1.35,1.4", "3,3.3,1.34,70,90,80,,1,2,2", "no"},
        {"whole length", "adsl_0=4.61,6", "3,3.3,1.31,70,90,80,,1,2,2", "match"},
        {"whole length short", "adsl_0=4.62,6", "3,3.3,1.31,70,90,80,,1,2,2", "no"},
        {"one axle: not applied", "adsl_1=3:9,10", "3,3.3,1.3,70,90,80,,1,2,2", "match"},
        {"axle 4: not applied", "adsl_1=1+4:9,10", "3,3.3,1.3,70,90,80,,1,2,2", "match"},
        {"awsl: not applied", "awsl_0=1,5;2,6", "3,3.3,1.3,70,90,80,,1,2,2", "match"},
        {"tyre differs", "", "3,3.3,1.3,70,90,80,,1,1,2", "no"},
        {"tyres not measured", "", "3,3.3,1.3,70,90,80,,,,", "match"},
        {"one tyre measured", "", "3,3.3,1.3,70,90,80,,,2,", "match"},
        {"one tyre measured, other", "", "3,3.3,1.3,70,90,80,,,,1", "no"},
        {"axle at its limit", "", "3,3.3,1.3,71,90,80,,1,2,2", "match"},
        {"axle over its limit", "", "3,3.3,1.3,71.1,90,80,,1,2,2", "over"},
        {"weight not measured", "", "3,3.3,1.3,,98.1,,,1,2,2", "match"},
        {"combined limit", "", "3,3.3,1.3,50,90,86.7,,1,2,2", "over"},
        {"combined limit reached", "", "3,3.3,1.3,50,90,86.6,,1,2,2", "match"},
        {"combined limit, axle not weighed", "", "3,3.3,1.3,50,,98,,1,2,2", "match"},
        {"gvw given", "", "3,3.3,1.3,50,60,60,256,1,2,2", "over"},
        {"gvw given, at the limit", "", "3,3.3,1.3,71,88,88,255,1,2,2", "match"},
        {"gvw from the axles", "max_GVW__kN=200", "3,3.3,1.3,71,90,40.1,,1,2,2", "over"},
        {"gvw from the axles, at the limit", "max_GVW__kN=200", "3,3.3,1.3,71,90,39,,1,2,2",
         "match"},
        {"gvw given, not summed", "max_GVW__kN=200", "3,3.3,1.3,71,90,40.1,199,1,2,2", "match"},
    };
    for (const auto& [name, change, vehicle, verdict] : rows)
        QTest::newRow(name) << QString(change) << QByteArray(vehicle) << QString(verdict);
}

void TestMatching::matchingRule()
{
    QFETCH(QString, change);
    QFETCH(QByteArray, vehicle);
    QFETCH(QString, verdict);
    const Subclass s = truck(change);
    QVERIFY(s.is_subclass_valid("0.5", "15"));
    const MatchRule rule(s);
    const Read read = read_vehicles(truck_columns + vehicle);
    QCOMPARE(read.problems, QStringList());
    QCOMPARE(read.records.size(), 1);
    const VehicleRecord& v = read.records.first();
    QCOMPARE(rule.matches(v) ? (rule.over_limits(v) ? "over" : "match") : "no", verdict);
}

void TestMatching::readsNumbersAsTheTable_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : {"3.21", "0003.210", ".5", "5.", "15", " 2.5 ", "\"4.2\"", "1e1",
                             "+2.5", "2.50000001", "123456789.123", "0.1", "3.4e5"})
        QTest::newRow(text) << QString(text);
    std::mt19937 engine(5);
    for (int i = 0; i < 40; ++i) {
        const QString text = QString::number(engine() % 100000) + '.' +
                             QString::number(engine() % 1000000).rightJustified(6, '0');
        QTest::newRow(qPrintable(text)) << text;
    }
}

// A spacing in metres is the single-precision real the table's numbers are read as.
void TestMatching::readsNumbersAsTheTable()
{
    QFETCH(QString, text);
    const Read read = read_vehicles("axles,spacing_1\n2," + text.toLatin1() + "\n");
    QCOMPARE(read.problems, QStringList());
    QCOMPARE(read.records.first().spacing[0], text.remove('"').toFloat());
}

void TestMatching::unreadableRecords_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("problems"); // of the unreadable records, one per line
    QTest::addColumn<int>("readable");
    const QByteArray csv = "axles,spacing_1,spacing_2,weight_1,tyre_1,truth\n";
    const QByteArray w = "W0100000111202401010009   057886";
    const std::tuple<const char*, QByteArray, const char*, int> rows[] = {
        {"good", csv + "2,3.5,,50,1,12\n3,1,2,,,\n", "", 2},
        {"blank lines and CR LF", "\r\n" + csv + "\r\n2,3.5,,,,\r\n\r\n", "", 1},
        {"axles", csv + "x,3,,,,\n1,3,,,,\n21,3,,,,\n,3,,,,\n2.0,3,,,,\n",
         "2: axles is x, must be 2 to 20\n3: axles is 1, must be 2 to 20\n"
         "4: axles is 21, must be 2 to 20\n5: axles is empty\n6: axles is 2.0, must be 2 to 20",
         0},
        {"spacings", csv + "3,3,,,,\n2,abc,,,,\n2,-1,,,,\n2,1e39,,,,\n2,inf,,,,\n",
         "2: spacing_2 is empty\n3: spacing_1 is abc, not a number\n4: spacing_1 is -1, negative\n"
         "5: spacing_1 is 1e39, not a finite number\n6: spacing_1 is inf, not a finite number",
         0},
        {"spacing not in the file", csv + "4,1,2,,,\n", "2: the file has no spacing_3 column", 0},
        {"others", csv + "2,3,,nan,,\n2,3,,,5,\n2,3,,,0,\n2,3,,,,-3\n2,3,,,,4294967296\n",
         "2: weight_1 is nan, not a finite number\n3: tyre_1 is 5, must be 1 to 4\n"
         "4: tyre_1 is 0, must be 1 to 4\n5: truth is -3, not a subclass number\n"
         "6: truth is 4294967296, not a subclass number",
         0},
        {"missing cells are not measured", csv + "2,3\n", "", 1},
        {"traffic monitoring",
         w + "0211210015112300\n" + w + "0111210\n" + w + "1411210\n" + "X\n" + w +
             "0211210 x5112300\n" + w + "02112100151123Q0\n" + w + "021121001511230\n",
         "2: the axle count (columns 33-34) is 01, must be 2 to 13\n"
         "3: the axle count (columns 33-34) is 14, must be 2 to 13\n"
         "4: the line is not a W record\n"
         "5: the spacing after axle 1 (columns 40-43) is x51, not a number\n"
         "6: the weight of axle 2 (columns 44-48) is 123Q0, not a number\n"
         "7: the record of 2 axles is 47 characters long, needs 48",
         1},
    };
    for (const auto& [name, text, problems, readable] : rows)
        QTest::newRow(name) << text << QString(problems) << readable;
}

void TestMatching::unreadableRecords()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, problems);
    QFETCH(int, readable);
    const Read read = read_vehicles(text);
    QCOMPARE(read.problems.join('\n'), problems);
    QCOMPARE(read.records.size(), readable);
    QCOMPARE(read.file_problem, QString());
}

void TestMatching::trafficMonitoringRecord()
{
    // Class 9, 57,886 lb, 5 axles of 11,210, 12,300, 13,730, 9,815 and 10,831 lb spaced 15.1,
    // 4.5, 21.4 and 4.8 ft.
    const Read read = read_vehicles(
        "\nW1701811531201211071609   0578860511210015112300004513730021409815004810831\n");
    QCOMPARE(read.problems, QStringList());
    QCOMPARE(read.records.size(), 1);
    const VehicleRecord& v = read.records.first();
    QCOMPARE(v.line, 2);
    QCOMPARE(v.scheme_class, 9);
    QCOMPARE(v.axles, 5);
    QVERIFY(!v.has_truth);
    const double pound = 0.45359237 * 9.80665 / 1000;
    QCOMPARE(v.gvw, float(57886 * pound));
    const double weights[] = {11210, 12300, 13730, 9815, 10831};
    const double feet[] = {15.1, 4.5, 21.4, 4.8};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(v.weight[i], float(weights[i] * pound));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(v.spacing[i], float(feet[i] * 0.3048));

    // A file of anything else starts with its header row, which must name the axles.
    QVERIFY(read_vehicles("spacing_1,weight_1\n3,4\n").file_problem.contains("no axles column"));
}

// The same vehicles as traffic monitoring records and as CSV in feet and pounds.
void TestMatching::bothFormatsAgree()
{
    const Conf conf = conf_from_text(generate_configuration({150, 11, 0.0}));
    VehicleGeneratorOptions options;
    options.seed = 3;
    options.noise_share = 0.2;
    options.overweight_share = 0.2;
    options.largest_axle_count = 13;
    VehicleGenerator generator(conf, options);
    const int columns = generator.largest_axle_count();
    QByteArray records, csv = vehicle_csv_header(columns);
    for (int i = 0; i < 400; ++i) {
        const GeneratedVehicle vehicle = generator.next();
        records += traffic_monitoring_line(vehicle);
        csv += vehicle_csv_line(vehicle, columns, true);
    }
    VehicleUnits imperial;
    imperial.length = VehicleUnits::Length::ft;
    imperial.weight = VehicleUnits::Weight::lb;
    const Read from_records = read_vehicles(records, imperial);
    const Read from_csv = read_vehicles(csv);
    const Read from_imperial_csv = read_vehicles(csv, imperial);
    QCOMPARE(from_records.records.size(), 400);
    QCOMPARE(from_imperial_csv.records.size(), 400);

    const VehicleClassifier classifier(conf);
    ClassificationTally tally(classifier);
    VehicleOutcome outcome;
    QStringList by_records, by_csv, by_metric_misread;
    int over = 0, matched = 0;
    for (int i = 0; i < 400; ++i) {
        classifier.classify(from_records.records.at(i), outcome);
        tally.add(from_records.records.at(i), outcome);
        by_records << outcome_text(outcome);
        over += !outcome.over_limits.isEmpty();
        matched += !outcome.candidates.isEmpty();
        classifier.classify(from_imperial_csv.records.at(i), outcome);
        by_csv << outcome_text(outcome);
        classifier.classify(from_csv.records.at(i), outcome);
        by_metric_misread << outcome_text(outcome);
    }
    QCOMPARE(by_csv, by_records);
    // The records' own classes are counted per outcome, never taken for subclasses.
    qint64 classed = 0;
    for (const auto& row : tally.scheme_classes())
        for (qint64 count : row)
            classed += count;
    QCOMPARE(classed, 400);
    QCOMPARE(tally.with_truth(), 0);
    QVERIFY(over > 20 && matched > 200);
    // The unit options are what made them agree.
    QVERIFY(by_metric_misread != by_records);
}

void TestMatching::classifierAgreesWithPlainLoop_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("subclasses");
    QTest::newRow("small") << quint64(1) << 40;
    QTest::newRow("site") << quint64(2) << 300;
    QTest::newRow("crowded") << quint64(3) << 1500;
}

// Generated vehicles and vehicles shifted a little from them, through both.
void TestMatching::classifierAgreesWithPlainLoop()
{
    QFETCH(quint64, seed);
    QFETCH(int, subclasses);
    const Conf conf = conf_from_text(generate_configuration({subclasses, seed, 0.0}));
    const VehicleClassifier classifier(conf);
    VehicleGeneratorOptions options;
    options.seed = seed;
    options.noise_share = 0.1;
    options.overweight_share = 0.1;
    VehicleGenerator generator(conf, options);
    const int columns = generator.largest_axle_count();
    QByteArray csv = vehicle_csv_header(columns);
    for (int i = 0; i < 3000; ++i)
        csv += vehicle_csv_line(generator.next(), columns);
    const Read read = read_vehicles(csv);
    QCOMPARE(read.records.size(), 3000);

    std::mt19937 engine{std::uint32_t(seed)};
    VehicleOutcome fast, plain;
    int found = 0, shared = 0, truth_found = 0;
    for (VehicleRecord v : read.records) {
        for (int shift = 0; shift < 3; ++shift) {
            classifier.classify(v, fast);
            classifier.classify_plainly(v, plain);
            QCOMPARE(outcome_text(fast), outcome_text(plain));
            found += !fast.candidates.isEmpty();
            shared += fast.candidates.size() > 1;
            if (shift == 0)
                truth_found += std::find(fast.candidates.begin(), fast.candidates.end(), v.truth) !=
                               fast.candidates.end();
            // The first spacing moved a few centimetres, to the ends of the ranges and past, and
            // the tyres left unmeasured.
            v.written_spacing[0] += double(int(engine() % 41) - 20) / 100;
            v.spacing[0] = float(v.written_spacing[0]);
            v.tyre.fill(0);
        }
    }
    QVERIFY2(found > 3000 && shared > 100, qPrintable(QString("%1 %2").arg(found).arg(shared)));
    // Every vehicle but the noisy ones matches the subclass it was drawn from.
    QVERIFY2(truth_found > 2600, qPrintable(QString::number(truth_found)));
}

void TestMatching::tally()
{
    const Conf conf = conf_from_text(
        table_text("1: 2-3 | category=1; 2: 3-4 | category=1; 3: 3-5 | tyre_type=1,2"));
    const VehicleClassifier classifier(conf);
    ClassificationTally tally(classifier);
    // Alone, alone and over, shared within category 1 (at 3 with tyres 1,1), shared across
    // categories (3 without tyres), unmatched; the truths make three right of six.
    const Read read = read_vehicles("axles,spacing_1,weight_1,tyre_1,tyre_2,truth\n"
                                    "2,2.5,5,1,1,1\n2,2.5,101,1,1,1\n2,3,5,1,1,2\n2,3,5,,,3\n"
                                    "2,4.5,5,1,2,3\n2,9,5,,,3\n2,x\n");
    VehicleOutcome outcome;
    for (const VehicleRecord& v : read.records) {
        classifier.classify(v, outcome);
        tally.add(v, outcome);
    }
    tally.add_unreadable(8, read.problems.value(0));
    QCOMPARE(tally.readable(), 6);
    QCOMPARE(tally.unreadable(), 1);
    QCOMPARE(tally.matched_alone(), 3);
    QCOMPARE(tally.ambiguous_vehicles(), 2);
    QCOMPARE(tally.across_categories(), 1);
    QCOMPARE(tally.unmatched_vehicles(), 1);
    QCOMPARE(tally.first_unmatched_lines(), QVector<qint64>{7});
    const auto subclasses = tally.subclasses();
    QCOMPARE(subclasses.value(1).alone, 2);
    QCOMPARE(subclasses.value(1).over_limits, 1);
    QCOMPARE(subclasses.value(2).shared, 2);
    QCOMPARE(subclasses.value(3).shared, 1);
    QCOMPARE(tally.categories().value("1").shared, 1);
    QCOMPARE(tally.categories().value("3").alone, 1);
    QCOMPARE(tally.accuracy(), 0.5);
    const auto scores = tally.scores();
    QCOMPARE(scores.value(1).precision(), 1.0);
    QCOMPARE(scores.value(3).recall(), 1.0 / 3);
    QCOMPARE(scores.value(2).recall(), 0.0);
    QVERIFY(std::isnan(scores.value(2).precision()));
    QCOMPARE(tally.confusion().value(3).value(ClassificationTally::unmatched), 1);
}

QTEST_GUILESS_MAIN(TestMatching)
#include "tst_matching.moc"
