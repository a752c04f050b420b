#include "model/conf.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

class TestConfReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void load_data();
    void load();
    void sectionBecomesSubclass();
    void mismatchedDistances();
    void absurdAxleCount();
    void missingFile();
    void encoding_data();
    void encoding();

private:
    // Every file gets a new name: the INI reader keeps what it parsed per path.
    QString write(const QByteArray& bytes);

    QTemporaryDir dir;
    int files = 0;
    QTextCodec* locale_codec = nullptr;
};

void TestConfReader::initTestCase()
{
    QVERIFY(dir.isValid());
    locale_codec = QTextCodec::codecForLocale();
}

void TestConfReader::cleanup()
{
    QTextCodec::setCodecForLocale(locale_codec);
}

QString TestConfReader::write(const QByteArray& bytes)
{
    const QString path = dir.filePath(QString("f%1.conf").arg(++files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestConfReader::load_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text"); // to_text() of what was read
    QTest::addColumn<int>("stoppedAt");

    const QString two_axles = "axle_configuration=C2\ncategory=1\nmax_GVW__kN=25\n"
                              "number_of_axles=2\ntyre_type=1,1\n"
                              "max_axle_weight__kN=1,12;2,12\nmax_axle_distance__m=3.2\n"
                              "min_axle_distance__m=2.2\n";
    const QByteArray two_axles_file = "[subclass_11]\nnumber_of_axles=2\naxle_configuration=c2\n"
                                      "category=1\nmax_GVW__kN=25\ntyre_type=1,1\n"
                                      "max_axle_weight__kN=1,12;2,12\nmin_axle_distance__m=2.2\n"
                                      "max_axle_distance__m=3.2\n";
    const QString empty_lines = "tyre_type=\nmax_axle_weight__kN=\nmax_axle_distance__m=\n"
                                "min_axle_distance__m=\n";

    QTest::newRow("empty file") << QByteArray() << "[classes]\n\n" << 0;
    QTest::newRow("header only") << QByteArray("[classes]\ncountry_code=SI\nfuture_key=1\n")
                                 << "[classes]\ncountry_code=SI\nfuture_key=1\n\n"
                                 << 0;
    QTest::newRow("header spaces around =")
        << QByteArray("[classes]\ncountry_code = SI\n") << "[classes]\ncountry_code=SI\n\n"
        << 0;
    QTest::newRow("a subclass") << "[classes]\ncountry_code=SI\n\n" + two_axles_file
                                << "[classes]\ncountry_code=SI\n\n[subclass_11]\n" + two_axles +
                                       "\n"
                                << 0;
    QByteArray crlf = "[classes]\r\ncountry_code=SI\r\n\r\n" + two_axles_file;
    crlf.replace("2\n", "2\r\n").replace("\n[", "\r\n[").replace("5\n", "5\r\n");
    QTest::newRow("CR LF") << crlf
                           << "[classes]\ncountry_code=SI\n\n[subclass_11]\n" + two_axles + "\n"
                           << 0;
    QTest::newRow("blank lines anywhere")
        << QByteArray("\n \n[subclass_3]\n\t\nalias=x\n   \n")
        << "[classes]\n\n[subclass_3]\nalias=x\n" + empty_lines + "\n"
        << 0;
    QTest::newRow("keys before the first section")
        << QByteArray("alias=early\nsubclass=5\n[subclass_2]\n")
        << "[classes]\n\n[subclass_2]\n" + empty_lines + "\n[subclass_5]\nalias=early\n" +
               empty_lines + "\n"
        << 0;
    QTest::newRow("keys before, no number")
        << QByteArray("alias=early\n")
        << "[classes]\n\n[subclass_0]\nalias=early\n" + empty_lines + "\n"
        << 0;
    QTest::newRow("[classes] between subclass sections")
        << QByteArray("[subclass_1]\nalias=a\n[classes]\ncountry_code=SI\nalias=h\n"
                      "[subclass_2]\nalias=b\n")
        << "[classes]\nalias=h\ncountry_code=SI\n\n[subclass_1]\nalias=a\n" + empty_lines +
               "\n[subclass_2]\nalias=b\n" + empty_lines + "\n"
        << 0;
    QTest::newRow("[subclass_007]") << QByteArray("[subclass_007]\nalias=x\n")
                                    << "[classes]\n\n[subclass_7]\nalias=x\n" + empty_lines + "\n"
                                    << 0;
    QTest::newRow("subclass key renumbers")
        << QByteArray("[subclass_4]\nsubclass=9\nalias=x\n")
        << "[classes]\n\n[subclass_9]\nalias=x\n" + empty_lines + "\n"
        << 0;
    QTest::newRow("largest number") << QByteArray("[subclass_4294967295]\n")
                                    << "[classes]\n\n[subclass_4294967295]\n" + empty_lines + "\n"
                                    << 0;
    QTest::newRow("number beyond 32 bits reads as 0")
        << QByteArray("[subclass_4294967296]\n")
        << "[classes]\n\n[subclass_0]\n" + empty_lines + "\n"
        << 0;
    QTest::newRow("same section twice, the later wins")
        << QByteArray("[subclass_1]\nalias=a\n[subclass_1]\nalias=b\n")
        << "[classes]\n\n[subclass_1]\nalias=b\n" + empty_lines + "\n"
        << 0;
    QTest::newRow("same key twice, the later wins")
        << QByteArray("[subclass_1]\nalias=a\nalias=b\n")
        << "[classes]\n\n[subclass_1]\nalias=b\n" + empty_lines + "\n"
        << 0;
    QTest::newRow("spaces around = in a subclass")
        << QByteArray("[subclass_1]\nnumber_of_axles = 3\nalias= x\n")
        << "[classes]\n\n[subclass_1]\nalias= x\n" + empty_lines + "\n"
        << 0;
    QTest::newRow("unknown subclass keys are dropped")
        << QByteArray("[subclass_1]\ncolour=red\n")
        << "[classes]\n\n[subclass_1]\n" + empty_lines + "\n"
        << 0;
    QTest::newRow("section line with a blank stops")
        << QByteArray("[subclass_1]\nalias=a\n[subclass_2] \nalias=b\n") << "[classes]\n\n"
        << 3;
    QTest::newRow("section line with a blank in the header is skipped")
        << QByteArray("[classes]\n [subclass_1]\nalias=a\n") << "[classes]\n\n"
        << 0;
    QTest::newRow("line without = keeps earlier subclasses")
        << QByteArray("[subclass_1]\nalias=a\n[subclass_2]\nalias=b\njunk\n[subclass_3]\n")
        << "[classes]\n\n[subclass_1]\nalias=a\n" + empty_lines + "\n"
        << 5;
    QTest::newRow("key=a=b stops") << QByteArray("\n[subclass_1]\nalias=a=b\n") << "[classes]\n\n"
                                   << 3;
    QTest::newRow("other section after [classes] is header")
        << QByteArray("[classes]\n[general]\nanything\n[subclass_1]\n")
        << "[classes]\n\n[subclass_1]\n" + empty_lines + "\n"
        << 0;
    QTest::newRow("other section after a subclass stops")
        << QByteArray("[subclass_1]\n[general]\n") << "[classes]\n\n"
        << 2;
    QTest::newRow("adsl_1 to adsl_12 in key order")
        << QByteArray("[subclass_1]\nadsl_1=1:1,1\nadsl_2=2:2,2\nadsl_3=3:3,3\nadsl_4=4:4,4\n"
                      "adsl_5=5:5,5\nadsl_6=6:6,6\nadsl_7=7:7,7\nadsl_8=8:8,8\nadsl_9=9:9,9\n"
                      "adsl_10=10:10,10\nadsl_11=11:11,11\nadsl_12=12:12,12\nadsl_0=1,20\n")
        << "[classes]\n\n[subclass_1]\nadsl_0=1,20\n" + empty_lines +
               "adsl_1=1:1,1\nadsl_2=10:10,10\nadsl_3=11:11,11\nadsl_4=12:12,12\n"
               "adsl_5=2:2,2\nadsl_6=3:3,3\nadsl_7=4:4,4\nadsl_8=5:5,5\nadsl_9=6:6,6\n"
               "adsl_10=7:7,7\nadsl_11=8:8,8\nadsl_12=9:9,9\n\n"
        << 0;
    QTest::newRow("adsl_00 is a list entry")
        << QByteArray("[subclass_1]\nadsl_00=1:1,2\nawsl_0=10,3;20,5\nawsl_x=1:1,2;3,4\n")
        << "[classes]\n\n[subclass_1]\nawsl_0=10,3;20,5\n" + empty_lines +
               "adsl_1=1:1,2\nawsl_1=1:1,2;3,4\n\n"
        << 0;
    QTest::newRow("odd weight texts")
        << QByteArray("[subclass_1]\nnumber_of_axles=3\nmax_axle_weight__kN=1,50;2,7.;x,9;"
                      "10+11,200;3,1e+06\n")
        << "[classes]\n\n[subclass_1]\nnumber_of_axles=3\ntyre_type=,,\n"
           "max_axle_weight__kN=1,50;2,7.;3,1;10+11,200\nmax_axle_distance__m=,\n"
           "min_axle_distance__m=,\n\n"
        << 0;
}

void TestConfReader::load()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QFETCH(int, stoppedAt);
    if (stoppedAt > 0)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Read a line without equals: "));
    const Conf conf(write(file));
    QCOMPARE(conf.to_text(), text);
    QCOMPARE(conf.stopped_at_line(), stoppedAt);
    if (stoppedAt > 0) {
        const QString line = QString::fromUtf8(file).split('\n').at(stoppedAt - 1);
        QCOMPARE(conf.stopped_line_text(), line);
    } else {
        QCOMPARE(conf.stopped_line_text(), QString());
    }
}

void TestConfReader::sectionBecomesSubclass()
{
    const Conf conf(write("[subclass_5]\nnumber_of_axles=3\nmax_axle_weight__kN=1,70;2,90;3,90;"
                          "2+3,170\nmin_axle_distance__m=3,1.3\nmax_axle_distance__m=4,1.4\n"
                          "tyre_type=1,2,2\n[subclass_6]\n"));
    QCOMPARE(conf.get_subclass_numbers(), (QList<quint32>{5, 6}));
    const Subclass& s = conf.get_subclass(5);
    QCOMPARE(s.get_number(), 5u);
    // Loading pads every list with one spare entry for the editors.
    QCOMPARE(s.get_min_distances(), (QStringList{"3", "1.3", ""}));
    QCOMPARE(s.get_max_distances(), (QStringList{"4", "1.4", ""}));
    QCOMPARE(s.get_max_axle_weights(), (QStringList{"70", "90", "90", ""}));
    QCOMPARE(s.get_tyre_types(), (QStringList{"1", "2", "2", ""}));
    QCOMPARE(s.get_constraint(0, "default"), QString("2+3,170"));
    // Every scalar key but the two totals is present, empty where the file had none.
    QCOMPARE(s.scalar_values().size(), 13);
    QCOMPARE(conf.get_subclass(6).scalar_values().size(), 13);
    QVERIFY(conf.get_subclass(6).get_number_of_axles().isEmpty());
}

void TestConfReader::mismatchedDistances()
{
    QTest::ignoreMessage(QtWarningMsg, "Mins and maxs have a different number of elements!");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("set_number_of_axles-axles: 2 != 1"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^section_text: .* index 1 "));
    const Conf conf(write("[subclass_1]\nnumber_of_axles=3\nmin_axle_distance__m=1,2\n"
                          "max_axle_distance__m=3\nmax_axle_weight__kN=1,5;2,5;3,5\n"));
    const Subclass& s = conf.get_subclass(1);
    QCOMPARE(s.get_min_distances(), (QStringList{"1", "2", ""}));
    QCOMPARE(s.get_max_distances(), (QStringList{"3", ""}));
    // The writer writes the missing entry as empty instead of reading past the list.
    QVERIFY(conf.to_text().contains("\nmax_axle_distance__m=3,\nmin_axle_distance__m=1,2\n"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^is_max_distance_valid: "));
    QVERIFY(!s.is_subclass_valid("", "15"));
}

void TestConfReader::absurdAxleCount()
{
    QElapsedTimer timer;
    timer.start();
    Conf conf(write("[classes]\nmax_axle_distance__m=15\n[subclass_1]\n"
                    "number_of_axles=2000000000\ntyre_type=1,2\nmax_axle_weight__kN=1,50;2,60\n"));
    const Subclass& s = conf.get_subclass(1);
    QCOMPARE(s.tyre_type_count(), 21);
    QCOMPARE(s.max_distance_count(), 20);
    QVERIFY(!s.can_draw());
    QVERIFY(!s.is_subclass_valid("", "15"));
    QCOMPARE(conf.validate_for_saving().outcome, Conf::SaveOutcome::subclass_incomplete);
    QCOMPARE(conf.invalid_subclass_numbers(), QList<quint32>{1});
    QCOMPARE(conf.check_max_axle_distance(), Conf::MaxAxleDistance::valid);
    const QString text = conf.to_text();
    // Twenty axles at most: two tyre types and eighteen empty ones.
    QVERIFY(text.contains("\ntyre_type=1,2" + QString(18, ',') + "\n"));
    QVERIFY(text.contains("\nmax_axle_distance__m=" + QString(18, ',') + "\n"));
    QCOMPARE(conf.round_trip_problem(), QString());
    // Seconds would mean the count was walked; the lists alone take microseconds.
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

void TestConfReader::missingFile()
{
    const Conf conf(dir.filePath("nothing-here.conf"));
    QCOMPARE(conf.to_text(), QString("[classes]\n\n"));
    QCOMPARE(conf.stopped_at_line(), 0);
}

void TestConfReader::encoding_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::newRow("UTF-8") << QByteArray("UTF-8");
    QTest::newRow("Latin-2") << QByteArray("ISO-8859-2");
}

void TestConfReader::encoding()
{
    QFETCH(QByteArray, codec);
    QTextCodec* local = QTextCodec::codecForName(codec);
    QVERIFY(local);
    QTextCodec::setCodecForLocale(local);
    const QString version = QString::fromUtf8("Š-2024 č");
    const QString alias = QString::fromUtf8("tovornjak ž");
    const QString path = write(local->fromUnicode("[classes]\nclassification_version=" + version +
                                                  "\n[subclass_1]\nalias=" + alias + "\n"));
    const Conf first(path);
    const Conf second(path); // the INI reader answers the second open from what it parsed
    QCOMPARE(first.get_classification_version(), version);
    QCOMPARE(second.get_classification_version(), version);
    QCOMPARE(first.get_subclass(1).get_alias(), alias);

    // Open and save several times: nothing is mangled further.
    Conf conf = first;
    for (int round = 0; round < 3; ++round) {
        const QString saved = dir.filePath(QString("saved%1-%2.conf").arg(++files).arg(round));
        QVERIFY(conf.write_to_file(saved));
        conf = Conf(saved);
        QCOMPARE(conf.get_classification_version(), version);
        QCOMPARE(conf.get_subclass(1).get_alias(), alias);
    }
}

QTEST_GUILESS_MAIN(TestConfReader)
#include "tst_confreader.moc"
