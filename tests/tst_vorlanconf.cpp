#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList& arguments)
{
    QProcess process;
    process.start(VORLAN_CONF, arguments);
    Run result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.code = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// A site whose subclasses fail in each of the ways the checker reports.
const char troubled[] = "[classes]\n"
                        "country_code=SI\n"
                        "group_max_distance__m=2.5\n"
                        "max_axle_distance__m=5\n"
                        "min_axle_distance__m=0.8\n"
                        "unclassified_vehicle_subclass=140\n"
                        "\n"
                        "[subclass_41]\n"
                        "axle_configuration=H2\n"
                        "category=4\n"
                        "max_GVW__kN=176.5\n"
                        "number_of_axles=2\n"
                        "tyre_type=1,2\n"
                        "max_axle_weight__kN=1,69.6;2,112.8\n"
                        "max_axle_distance__m=6.5\n"
                        "min_axle_distance__m=3.2\n"
                        "\n"
                        "[subclass_42]\n"
                        "axle_configuration=H2\n"
                        "category=4\n"
                        "max_GVW__kN=176.5\n"
                        "number_of_axles=2\n"
                        "tyre_type=1,2\n"
                        "max_axle_weight__kN=1,69.6;2,112.8\n"
                        "max_axle_distance__m=4.5\n"
                        "min_axle_distance__m=3.2\n"
                        "\n"
                        "[subclass_43]\n"
                        "axle_configuration=H2\n"
                        "category=4\n"
                        "max_GVW__kN=176.5\n"
                        "number_of_axles=2\n"
                        "tyre_type=1,2\n"
                        "max_axle_weight__kN=1,69.6;2,112.8\n"
                        "max_axle_distance__m=4.5\n"
                        "min_axle_distance__m=3.2\n"
                        "\n"
                        "[subclass_50]\n"
                        "category=5\n"
                        "number_of_axles=3\n"
                        "\n"
                        "[subclass_60]\n"
                        "alias=6=7\n"
                        "[subclass_61]\n";

} // namespace

class TestVorlanConf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void examples_data();
    void examples();
    void troubledFile();
    void roundTripReported();
    void usageErrors_data();
    void usageErrors();
    void help();

private:
    QString write(const QString& name, const QByteArray& bytes);
    QTemporaryDir dir;
};

void TestVorlanConf::initTestCase()
{
    QVERIFY(dir.isValid());
}

QString TestVorlanConf::write(const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestVorlanConf::examples_data()
{
    QTest::addColumn<QString>("path");
    const QStringList names = QDir(VORLAN_EXAMPLES).entryList({"*.conf"}, QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << QDir(VORLAN_EXAMPLES).filePath(name);
}

void TestVorlanConf::examples()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Run format = run({"format", path});
    QCOMPARE(format.code, 0);
    QCOMPARE(format.out, file.readAll());

    const Run check = run({"check", path});
    QCOMPARE(check.code, 0);
    QVERIFY(check.out.contains("result: clean"));

    const Run json = run({"check", "--json", path});
    QCOMPARE(json.code, 0);
    const QJsonObject report = QJsonDocument::fromJson(json.out).object();
    QCOMPARE(report.keys(), (QStringList{"duplicates", "header", "invalid_subclasses", "round_trip",
                                         "save_check", "stopped_at_line", "subclasses"}));
    QVERIFY(report.value("subclasses").toArray().size() >= 12);
    QVERIFY(report.value("invalid_subclasses").toArray().isEmpty());
    QCOMPARE(report.value("duplicates").toString(), QString());
    QVERIFY(report.value("stopped_at_line").isNull());
    QVERIFY(report.value("round_trip").isNull());
    const QJsonObject header = report.value("header").toObject();
    QCOMPARE(header.size(), 7);
    for (const QString& key : header.keys()) {
        if (key != "max_axle_distance")
            QVERIFY2(header.value(key).toBool(), qPrintable(key));
    }
    QCOMPARE(header.value("max_axle_distance").toString(), QString("valid"));
}

void TestVorlanConf::troubledFile()
{
    const QString path = write("troubled.conf", troubled);
    const Run json = run({"check", "--json", path});
    QCOMPARE(json.code, 1);
    const QJsonObject report = QJsonDocument::fromJson(json.out).object();
    QCOMPARE(report.value("subclasses").toArray(), (QJsonArray{41, 42, 43, 50}));
    QCOMPARE(report.value("invalid_subclasses").toArray(), (QJsonArray{41, 50}));
    QCOMPARE(report.value("duplicates").toString(), QString("42 = 43"));
    QCOMPARE(report.value("save_check").toObject(),
             (QJsonObject{{"outcome", "subclass_incomplete"}, {"subclass", 50}}));
    QCOMPARE(report.value("stopped_at_line").toInt(), 43);
    QCOMPARE(report.value("header").toObject().value("max_axle_distance").toString(),
             QString("lower_than_subclasses"));
    QVERIFY(!report.value("header").toObject().value("g_acceleration_constant_valid").toBool());
    QVERIFY(report.value("round_trip").isNull());

    const Run text = run({"check", path});
    QCOMPARE(text.code, 1);
    for (const char* line : {"invalid subclasses: 41, 50", "duplicates: 42 = 43",
                             "save check: subclass 50 is incomplete",
                             "reading: stopped at line 43: \"alias=6=7\"", "result: not clean"})
        QVERIFY2(text.out.contains(line), line);

    // The formatted text is what the editor would save: the lost sections are gone.
    const Run format = run({"format", path});
    QCOMPARE(format.code, 0);
    QVERIFY(format.out.contains("[subclass_50]") && !format.out.contains("[subclass_60]"));
}

void TestVorlanConf::roundTripReported()
{
    const QString path = write("version.conf", "[classes]\nclassification_version=\"a,b\"\n"
                                               "country_code=SI\ngroup_max_distance__m=2\n");
    const Run json = run({"check", "--json", path});
    QCOMPARE(json.code, 1);
    const QJsonObject report = QJsonDocument::fromJson(json.out).object();
    QCOMPARE(report.value("save_check").toObject().value("outcome").toString(), QString("save_ok"));
    QCOMPARE(
        report.value("round_trip").toString(),
        QString("section [classes], line 2 reads back differently: classification_version=a,b"));
}

void TestVorlanConf::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"lint", "x.conf"};
    QTest::newRow("no file") << QStringList{"check"};
    QTest::newRow("two files") << QStringList{"format", "a.conf", "b.conf"};
    QTest::newRow("unknown option") << QStringList{"check", "--yaml", "a.conf"};
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
