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
// round-trip.conf would save, but its version would not read back.
const QString checker_data = VORLAN_TEST_DATA "/checker/";

} // namespace

class TestVorlanConf : public QObject
{
    Q_OBJECT

private slots:
    void examples_data();
    void examples();
    void troubledFile();
    void roundTripReported();
    void usageErrors_data();
    void usageErrors();
    void help();
};

void TestVorlanConf::examples_data()
{
    QTest::addColumn<QString>("path");
    const QDir examples(VORLAN_EXAMPLES);
    const QStringList names = examples.entryList({"*.conf"}, QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << examples.filePath(name);
}

void TestVorlanConf::examples()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Run format = run({"format", path});
    QCOMPARE(format.code, 0);
    QCOMPARE(format.out, file.readAll());

    const Run json = run({"check", "--json", path});
    QCOMPARE(json.code, 0);
    QJsonObject report = json.json();
    QVERIFY(!report.take("subclasses").toArray().isEmpty());
    QCOMPARE(report, json_of(R"({"duplicates": "", "invalid_subclasses": [], "round_trip": null,
        "save_check": {"outcome": "save_ok", "subclass": null}, "stopped_at_line": null,
        "header": {"country_code_valid": true, "g_acceleration_constant_valid": true,
        "group_max_distance_valid": true, "max_axle_distance": "valid",
        "min_axle_distance_valid": true, "uncategorised_vehicle_category_valid": true,
        "unclassified_vehicle_subclass_valid": true}})"));
}

void TestVorlanConf::troubledFile()
{
    const QString path = checker_data + "troubled.conf";
    const Run json = run({"check", "--json", path});
    QCOMPARE(json.code, 1);
    const QJsonObject report = json.json();
    QCOMPARE(report.value("subclasses").toArray(), (QJsonArray{41, 42, 43, 50}));
    QCOMPARE(report.value("invalid_subclasses").toArray(), (QJsonArray{41, 50}));
    QCOMPARE(report.value("duplicates").toString(), QString("42 = 43"));
    QCOMPARE(report.value("save_check").toObject(),
             (QJsonObject{{"outcome", "subclass_incomplete"}, {"subclass", 50}}));
    QCOMPARE(report.value("stopped_at_line").toInt(), 43);
    const QJsonObject header = report.value("header").toObject();
    QCOMPARE(header.value("max_axle_distance").toString(), QString("lower_than_subclasses"));
    QCOMPARE(header.value("g_acceleration_constant_valid"), QJsonValue(false));

    const Run text = run({"check", path});
    QCOMPARE(text.code, 1);
    for (const char* line : {"invalid subclasses: 41, 50", "duplicates: 42 = 43",
                             "save check: subclass 50 is incomplete",
                             "reading: stopped at line 43: \"alias=6=7\"", "result: not clean"})
        QVERIFY2(text.out.contains(line), line);
}

void TestVorlanConf::roundTripReported()
{
    const Run json = run({"check", "--json", checker_data + "round-trip.conf"});
    QCOMPARE(json.code, 1);
    QCOMPARE(json.json().value("save_check")["outcome"], QJsonValue("save_ok"));
    QCOMPARE(json.json().value("round_trip").toString(),
             "section [classes], line 2 reads back differently: classification_version=a,b");
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
