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

Run run(const QStringList& arguments)
{
    QProcess process;
    process.start(VORLAN_CONF, arguments);
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
const QByteArray clean_report = R"({"duplicates": "", "invalid_subclasses": [], "round_trip": null,
    "dropped_keys": [],
    "save_check": {"outcome": "save_ok", "subclass": null}, "stopped_at_line": null,
    "header": {"g_acceleration_constant_valid": true, "max_axle_distance": "valid",)";
const QByteArray troubled_report = R"({"subclasses": [41, 42, 43, 50], "duplicates": "42 = 43",
    "dropped_keys": [],
    "invalid_subclasses": [41, 50], "round_trip": null, "stopped_at_line": 43,
    "save_check": {"outcome": "subclass_incomplete", "subclass": 50},
    "header": {"g_acceleration_constant_valid": false, "max_axle_distance": "lower_than_subclasses",)";
const QByteArray round_trip_report =
    R"({"subclasses": [], "duplicates": "", "invalid_subclasses": [], "dropped_keys": [],
    "round_trip": "section [classes], line 2 reads back differently: classification_version=a,b",
    "save_check": {"outcome": "save_ok", "subclass": null}, "stopped_at_line": null,
    "header": {"g_acceleration_constant_valid": false, "max_axle_distance": "invalid",)";
const QByteArray dropped_report = R"({"subclasses": [21, 22], "duplicates": "",
    "invalid_subclasses": [], "round_trip": null, "stopped_at_line": null,
    "dropped_keys": [{"line": 13, "key": "note", "reason": "unknown_key"},
                     {"line": 21, "key": "alias", "reason": "replaced_section"},
                     {"line": 28, "key": "tyre_type", "reason": "repeated_key"}],
    "save_check": {"outcome": "save_ok", "subclass": null},
    "header": {"g_acceleration_constant_valid": true, "max_axle_distance": "valid",)";
const QByteArray rules = R"("country_code_valid": true, "group_max_distance_valid": true,
    "min_axle_distance_valid": true, "uncategorised_vehicle_category_valid": true,
    "unclassified_vehicle_subclass_valid": true}})";

} // namespace

class TestVorlanConf : public QObject
{
    Q_OBJECT

private slots:
    void check_data();
    void check();
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
                              << QStringList{"invalid subclasses: 41, 50", "duplicates: 42 = 43",
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
