#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

QJsonObject json_of(const QByteArray& text)
{
    return QJsonDocument::fromJson(text).object();
}

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return json_of(out); }
};

Run run(const QStringList& arguments, const QByteArray& input = QByteArray(),
        const QString& program = VORLAN_CONF)
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    Run result;
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
        result = {process.exitCode(), process.readAllStandardOutput(),
                  process.readAllStandardError()};
    return result;
}

// Files that fail in each of the ways the checker reports. In troubled.conf subclass 41 is longer
// than the header allows, 42 and 43 are alike, 50 is incomplete, and the reading stops at line 43;
// round-trip.conf would save, but its version would not read back. Neither has a g. dropped.conf
// would save, but not with its note, its first tyre types and its first subclass 22.
const QString checker_data = VORLAN_TEST_DATA "/checker/";

// The reports of those files and of a clean one, ended by the header rules that hold in all.
// (No apostrophe inside the raw texts: moc would take it for the start of a character.)
const QByteArray clean_report = R"({"duplicates": "", "invalid_subclasses": [], "round_trip": null,
    "dropped_keys": [], "reasons": {},
    "save_check": {"outcome": "save_ok", "subclass": null}, "stopped_at_line": null,
    "header": {"g_acceleration_constant_valid": true, "max_axle_distance": "valid",)";
const QByteArray troubled_report = R"({"subclasses": [41, 42, 43, 50], "duplicates": "42 = 43",
    "dropped_keys": [],
    "invalid_subclasses": [41, 50], "round_trip": null, "stopped_at_line": 43,
    "reasons": {"41": [{"field": "max_axle_distance__m", "index": 1, "value": "6.5", "message":
        "max. axle distance of gap 1 is 6.5, above the header\u0027s max. axle distance 5"}],
      "50": [{"field": "min_axle_distance__m", "index": 1, "value": "", "message":
          "min. axle distance of gap 1 is empty"},
        {"field": "max_axle_distance__m", "index": 1, "value": "", "message":
          "max. axle distance of gap 1 is empty"},
        {"field": "min_axle_distance__m", "index": 2, "value": "", "message":
          "min. axle distance of gap 2 is empty"},
        {"field": "max_axle_distance__m", "index": 2, "value": "", "message":
          "max. axle distance of gap 2 is empty"},
        {"field": "max_axle_weight__kN", "index": 1, "value": "", "message":
          "max. axle weight of axle 1 is empty"},
        {"field": "tyre_type", "index": 1, "value": "", "message": "tyre type of axle 1 is empty"},
        {"field": "max_axle_weight__kN", "index": 2, "value": "", "message":
          "max. axle weight of axle 2 is empty"},
        {"field": "tyre_type", "index": 2, "value": "", "message": "tyre type of axle 2 is empty"},
        {"field": "max_axle_weight__kN", "index": 3, "value": "", "message":
          "max. axle weight of axle 3 is empty"},
        {"field": "tyre_type", "index": 3, "value": "", "message": "tyre type of axle 3 is empty"},
        {"field": "max_GVW__kN", "index": null, "value": "", "message": "max. GVW is empty"},
        {"field": "axle_configuration", "index": null, "value": "", "message":
          "axle configuration is empty"}]},
    "save_check": {"outcome": "subclass_incomplete", "subclass": 50},
    "header": {"g_acceleration_constant_valid": false, "max_axle_distance": "lower_than_subclasses",)";
const QByteArray round_trip_report =
    R"({"subclasses": [], "duplicates": "", "invalid_subclasses": [], "dropped_keys": [],
    "reasons": {},
    "round_trip": "section [classes], line 2 reads back differently: classification_version=a,b",
    "save_check": {"outcome": "save_ok", "subclass": null}, "stopped_at_line": null,
    "header": {"g_acceleration_constant_valid": false, "max_axle_distance": "invalid",)";
const QByteArray dropped_report = R"({"subclasses": [21, 22], "duplicates": "",
    "invalid_subclasses": [], "reasons": {}, "round_trip": null, "stopped_at_line": null,
    "dropped_keys": [{"line": 13, "key": "note", "reason": "unknown_key"},
                     {"line": 21, "key": "alias", "reason": "replaced_section"},
                     {"line": 28, "key": "tyre_type", "reason": "repeated_key"}],
    "save_check": {"outcome": "save_ok", "subclass": null},
    "header": {"g_acceleration_constant_valid": true, "max_axle_distance": "valid",)";
const QByteArray rules = R"("country_code_valid": true, "group_max_distance_valid": true,
    "min_axle_distance_valid": true, "min_2axle_truck_spacing_valid": true,
    "min_avg_axle_weight_valid": true, "uncategorised_vehicle_category_valid": true,
    "unclassified_vehicle_subclass_valid": true}})";

} // namespace

class TestVorlanConf : public QObject
{
    Q_OBJECT

private slots:
    void check_data();
    void check();
    void analyses_data();
    void analyses();
    void perVehicleFilter();
    void exampleVehicles();
    void usageErrors_data();
    void usageErrors();
    void help();
};

void TestVorlanConf::check_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("report"); // JSON; without "subclasses" that list is not compared
    QTest::addColumn<QStringList>("lines"); // of the text report
    const QDir examples(VORLAN_EXAMPLES);
    const QStringList names = examples.entryList({"*.conf"}, QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString& name : names)
        QTest::newRow(qPrintable(name))
            << examples.filePath(name) << 0 << clean_report + rules
            << QStringList{"header: every rule holds", "dropped keys: none", "result: clean"};
    QTest::newRow("troubled") << checker_data + "troubled.conf" << 1 << troubled_report + rules
                              << QStringList{"invalid subclasses: 41, 50",
                                             "  subclass 41: max. axle distance of gap 1 is 6.5, "
                                             "above the header's max. axle distance 5",
                                             "  subclass 50: axle configuration is empty",
                                             "duplicates: 42 = 43",
                                             "save check: subclass 50 is incomplete",
                                             "reading: stopped at line 43: \"alias=6=7\"",
                                             "result: not clean"};
    QTest::newRow("round trip")
        << checker_data + "round-trip.conf" << 1 << round_trip_report + rules
        << QStringList{"round trip: section [classes], line 2 reads back differently: "
                       "classification_version=a,b"};
    QTest::newRow("dropped keys")
        << checker_data + "dropped.conf" << 1 << dropped_report + rules
        << QStringList{
               "dropped keys: line 13 note (unknown key), line 21 alias (replaced section), "
               "line 28 tyre_type (repeated key)",
               "result: not clean"};
}

void TestVorlanConf::check()
{
    QFETCH(QString, path);
    QFETCH(int, code);
    QFETCH(QByteArray, report);
    QFETCH(QStringList, lines);
    const Run json = run({"check", "--json", path});
    QCOMPARE(json.code, code);
    const QJsonObject expected = json_of(report);
    QJsonObject got = json.json();
    if (!expected.contains("subclasses"))
        QVERIFY(!got.take("subclasses").toArray().isEmpty());
    QCOMPARE(got, expected);

    const Run text = run({"check", path});
    QCOMPARE(text.code, code);
    for (const QString& line : lines)
        QVERIFY2(text.out.contains(line.toUtf8() + '\n'), qPrintable(line));
    // The examples are kept in the form the editor writes.
    if (code == 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(run({"format", path}).out, file.readAll());
    }
}

const QString example = VORLAN_EXAMPLES "/motorway-site.conf";
const QString revised = VORLAN_EXAMPLES "/motorway-site-revised.conf";
const QString vehicles = VORLAN_EXAMPLES "/motorway-site-vehicles.csv";

// The value at a path of keys and indices such as "overlaps/0".
QJsonValue at(QJsonValue value, const QString& path)
{
    for (const QString& step : path.split('/'))
        value = value.isArray() ? value.toArray().at(step.toInt()) : value.toObject().value(step);
    return value;
}

void TestVorlanConf::analyses_data()
{
    QTest::addColumn<QStringList>("arguments"); // --json is added for the JSON run
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("values"); // "path=JSON" in the JSON report
    QTest::addColumn<QString>("line");       // of the text report
    QTest::newRow("overlaps")
        << QStringList{"overlaps", example} << 1
        << QStringList{R"(overlaps/0={"a": 11, "b": 21, "axles": 2, "tyres_differ": false,
                       "witness": [3]})",
                       R"(overlaps/1={"a": 11, "b": 41, "axles": 2, "tyres_differ": true,
                       "witness": [3.2]})",
                       "invalid_skipped=[]"}
        << "  11 and 21 (2 axles): both match spacings 3 m";
    QTest::newRow("no overlaps") << QStringList{"overlaps", checker_data + "round-trip.conf"} << 0
                                 << QStringList{"overlaps=[]"} << "overlapping pairs: 0";
    QTest::newRow("gaps")
        << QStringList{"gaps", example} << 1
        << QStringList{R"(uncovered/0={"axles": 2, "gaps": [{"from": 0.8, "to": 2.2,
                       "from_open": false, "to_open": true}], "witness": [2], "thin": false})",
                       "missing_axle_counts=[]", "truncated=false", "unreachable=[]",
                       R"(narrowed/2=[31])"}
        << "  2 axles: gap 1 (7.2, 15]; e.g. 11 m";
    QTest::newRow("classify")
        << QStringList{"classify", example, vehicles} << 1
        << QStringList{"vehicles=1000",
                       R"(unmatched/count=19)",
                       "unmatched/first_lines/0=7",
                       R"(subclasses/41={"alone": 0, "shared": 125, "over_limits": 2})",
                       "truth/accuracy=0.802",
                       R"(truth/confusion/71={"71": 7, "ambiguous": 45})",
                       R"(not_applied/2={"subclass": 41, "field": "awsl_0", "value":
                       "58.8,71;176.5,41",
                       "why": "the total weight constraint is left to the site\u0027s system"})",
                       "scheme_classes=null"}
        << "true subclasses: 1000 vehicles, accuracy 80.2% (ambiguous and unmatched vehicles "
           "count as wrong)";
    QTest::newRow("diff")
        << QStringList{"diff", "--vehicles", vehicles, example, revised} << 1
        << QStringList{R"(changed/21=[{"field": "min_axle_distance__m", "index": 1, "old": "2.9",
                       "new": "3.21"}])",
                       "header/0/key=\"classification_version\"", "only_in_old=[]",
                       R"(migration/ambiguous={"ambiguous": 88, "11": 33, "71": 58})",
                       R"(migration/unmatched={"unmatched": 19})"}
        << "  subclass 41 min_axle_distance__m of gap 1: \"3.2\" -> \"4.81\"";
    QTest::newRow("diff with itself")
        << QStringList{"diff", example, example} << 0 << QStringList{"changed={}", "header=[]"}
        << "result: the tables are the same";
}

void TestVorlanConf::analyses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QStringList, values);
    QFETCH(QString, line);
    const Run json = run(QStringList{arguments.first(), "--json"} + arguments.mid(1));
    QCOMPARE(json.code, code);
    const QJsonObject report = json.json();
    for (const QString& value : values) {
        const QJsonValue expected =
            QJsonDocument::fromJson("[" + value.section('=', 1).toUtf8() + "]").array().at(0);
        QVERIFY2(!expected.isUndefined(), qPrintable(value));
        const QJsonValue got = at(report, value.section('=', 0, 0));
        QVERIFY2(got == expected,
                 qPrintable(value + " got " + QJsonDocument(QJsonArray{got}).toJson()));
    }
    const Run text = run(arguments);
    QCOMPARE(text.code, code);
    QVERIFY2(text.out.contains(line.toUtf8() + '\n'), text.out.constData());
}

// Records in on standard input, one line per readable record out, the report aside.
void TestVorlanConf::perVehicleFilter()
{
    const Run result = run({"classify", "--per-vehicle", example, "-"},
                           "axles,spacing_1,weight_1,tyre_1,tyre_2\n"
                           "2,3,20,1,1\n2,3,,,\n2,abc\n\n2,1\n2,5.5,80,1,2\n");
    QCOMPARE(result.code, 1);
    QCOMPARE(result.out, QByteArray("line,candidates,over_limits\n"
                                    "2,11 21,11 21\n3,11 21 71,\n6,,\n7,31 41,31 41\n"));
    QVERIFY(result.err.contains("vehicles: 4 read, 1 unreadable\n  line 4: spacing_1 is abc, "
                                "not a number\n"));
}

// The committed example is what the generator draws from the sample site.
void TestVorlanConf::exampleVehicles()
{
    QFile file(vehicles);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Run generated =
        run({"-n", "1000", "-s", "1", "--noise", "0.02", "--overweight", "0.03", example},
            QByteArray(), VEHICLEGEN);
    QCOMPARE(generated.code, 0);
    QCOMPARE(generated.out, file.readAll());
}

void TestVorlanConf::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"lint", "x.conf"};
    QTest::newRow("no file") << QStringList{"check"};
    QTest::newRow("two files") << QStringList{"format", "a.conf", "b.conf"};
    QTest::newRow("json with format") << QStringList{"format", "--json", "a.conf"};
    QTest::newRow("missing file") << QStringList{"check", "/nonexistent/site.conf"};
    QTest::newRow("directory") << QStringList{"format", QDir::tempPath()};
    QTest::newRow("one file to classify") << QStringList{"classify", example};
    QTest::newRow("flag of another command") << QStringList{"overlaps", "--per-vehicle", example};
    QTest::newRow("no vehicles") << QStringList{"classify", example, "/nonexistent/v.csv"};
    QTest::newRow("vehicles without axles") << QStringList{"classify", example, example};
    QTest::newRow("unknown unit") << QStringList{"classify", "--length-unit", "yd", example,
                                                 vehicles};
    // Tonnes need a positive g; this table has none, which means the standard one.
    QTest::newRow("tonnes without g")
        << QStringList{"classify", "--weight-unit", "t", checker_data + "bad-g.conf", vehicles};
    QTest::newRow("no axle-distance range")
        << QStringList{"gaps", checker_data + "round-trip.conf"};
    QTest::newRow("diff, missing vehicles")
        << QStringList{"diff", "--vehicles", "/nonexistent/v.csv", example, revised};
}

void TestVorlanConf::usageErrors()
{
    QFETCH(QStringList, arguments);
    const Run result = run(arguments);
    QCOMPARE(result.code, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.startsWith("vorlan-conf: "));
    QCOMPARE(result.err.count('\n'), 1);
}

void TestVorlanConf::help()
{
    const Run result = run({"--help"});
    QCOMPARE(result.code, 0);
    QVERIFY(result.out.contains("vorlan-conf check [--json] FILE"));
}

QTEST_GUILESS_MAIN(TestVorlanConf)
#include "tst_vorlanconf.moc"
