// Reading configuration files, and writing back what was read.
#include "confgenerator.h"
#include "fuzz/confinput.h"
#include "fuzz/referencereader.h"
#include "model/conf.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <random>

class TestConfReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void cleanup() { QTextCodec::setCodecForLocale(locale_codec); }
    void load_data();
    void load();
    void roundTripProblem();
    void droppedKeys_data();
    void droppedKeys();
    void sameAsReference_data();
    void sameAsReference();
    void roundTripBySections();
    void mismatchedDistances();
    void encoding_data();
    void encoding();
    void fuzzCorpus_data();
    void fuzzCorpus();

private:
    // Every file gets a new name: the INI reader keeps what it parsed per path.
    QString write(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QString("f%1.conf").arg(++files));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QTemporaryDir dir;
    int files = 0;
    QTextCodec* const locale_codec = QTextCodec::codecForLocale();
};

void TestConfReader::load_data()
{
    QTest::addColumn<QByteArray>("file"); // null: there is no file
    QTest::addColumn<QString>("text");    // to_text() of what was read; "~" for the empty lists
    QTest::addColumn<int>("stoppedAt");
    const std::tuple<const char*, const char*, const char*, int> rows[] = {
        {"no file", nullptr, "[classes]\n\n", 0},
        {"empty file", "", "[classes]\n\n", 0},
        {"header keys", "[classes]\ncountry_code = SI\nfuture_key=1\nclassification_version=\n",
         "[classes]\ncountry_code=SI\nfuture_key=1\n\n", 0},
        {"CR LF", "[classes]\r\ncountry_code=SI\r\n\r\n[subclass_1]\r\nalias=x\r\n",
         "[classes]\ncountry_code=SI\n\n[subclass_1]\nalias=x\n~\n", 0},
        {"blank lines", "\n \n[subclass_3]\n\t\nalias=x\n   \n",
         "[classes]\n\n[subclass_3]\nalias=x\n~\n", 0},
        {"keys before the first section", "alias=early\n[subclass_2]\n",
         "[classes]\n\n[subclass_0]\nalias=early\n~\n[subclass_2]\n~\n", 0},
        {"[classes] between subclasses",
         "[subclass_1]\n[classes]\nalias=h\n[subclass_2]\nalias=b\n",
         "[classes]\nalias=h\n\n[subclass_1]\n~\n[subclass_2]\nalias=b\n~\n", 0},
        {"subclass key", "[subclass_4]\nsubclass=9\n", "[classes]\n\n[subclass_9]\n~\n", 0},
        {"numbers", "[subclass_007]\n[subclass_4294967295]\n[subclass_4294967296]\n",
         "[classes]\n\n[subclass_0]\n~\n[subclass_7]\n~\n[subclass_4294967295]\n~\n", 0},
        {"twice, the later wins", "[subclass_1]\ncategory=1\n[subclass_1]\nalias=a\nalias=b\n",
         "[classes]\n\n[subclass_1]\nalias=b\n~\n", 0},
        {"spaces around =, unknown key",
         "[subclass_1]\nnumber_of_axles = 3\nalias= x\ncolour=red\n",
         "[classes]\n\n[subclass_1]\nalias= x\n~\n", 0},
        {"section line with a blank", "[subclass_1]\nalias=a\n[subclass_2] \nalias=b\n",
         "[classes]\n\n", 3},
        {"line without =", "[subclass_1]\nalias=a\n[subclass_2]\nalias=b\njunk\n[subclass_3]\n",
         "[classes]\n\n[subclass_1]\nalias=a\n~\n", 5},
        {"key=a=b", "\n[subclass_1]\nalias=a=b\n", "[classes]\n\n", 3},
        {"other lines in the header", "[classes]\n[general]\n [subclass_9]\nx\n[subclass_1]\n",
         "[classes]\n\n[subclass_1]\n~\n", 0},
        {"adsl_ in key order", "[subclass_1]\nadsl_1=a\nadsl_2=b\nadsl_10=c\nadsl_0=1,20\n",
         "[classes]\n\n[subclass_1]\nadsl_0=1,20\n~adsl_1=a\nadsl_2=c\nadsl_3=b\n\n", 0},
        {"adsl_00", "[subclass_1]\nadsl_00=1:1,2\nawsl_0=10,3;20,5\nawsl_x=1:1,2;3,4\n",
         "[classes]\n\n[subclass_1]\nawsl_0=10,3;20,5\n~adsl_1=1:1,2\nawsl_1=1:1,2;3,4\n\n", 0},
        {"weight texts, limits",
         "[subclass_1]\nnumber_of_axles=3\n"
         "max_axle_weight__kN=1,50;2,7.;x,9;3,1e+06;1+2,90;2+3,9\n",
         "[classes]\n\n[subclass_1]\nnumber_of_axles=3\ntyre_type=,,\n"
         "max_axle_weight__kN=1,50;2,7.;3,1;1+2,90;2+3,9\n"
         "max_axle_distance__m=,\nmin_axle_distance__m=,\n\n",
         0},
        // Lists are written for twenty axles at most.
        {"absurd axle count",
         "[subclass_1]\nnumber_of_axles=2000000000\ntyre_type=1,2\nmax_axle_weight__kN=1,50;2,60\n",
         "[classes]\n\n[subclass_1]\nnumber_of_axles=2000000000\ntyre_type=1,2,,,,,,,,,,,,,,,,,,\n"
         "max_axle_weight__kN=1,50;2,60;3,;4,;5,;6,;7,;8,;9,;10,;11,;12,;13,;14,;15,;16,;17,;18,;"
         "19,;20,\nmax_axle_distance__m=,,,,,,,,,,,,,,,,,,\n"
         "min_axle_distance__m=,,,,,,,,,,,,,,,,,,\n\n",
         0},
        // Without an axle count every per-axle line keeps its "=", or it would stop the reading.
        {"limit, no axle count", "[subclass_8]\nmax_axle_weight__kN=1+2,100\n",
         "[classes]\n\n[subclass_8]\ntyre_type=\nmax_axle_weight__kN=1+2,100\n"
         "max_axle_distance__m=\nmin_axle_distance__m=\n\n",
         0},
    };
    for (const auto& [name, file, text, stoppedAt] : rows)
        QTest::newRow(name) << QByteArray(file)
                            << QString(text).replace("~", "tyre_type=\nmax_axle_weight__kN=\n"
                                                          "max_axle_distance__m=\n"
                                                          "min_axle_distance__m=\n")
                            << stoppedAt;
}

void TestConfReader::load()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QFETCH(int, stoppedAt);
    const Conf conf(file.isNull() ? dir.filePath("nothing-here.conf") : write(file));
    QCOMPARE(conf.to_text(), text);
    QCOMPARE(conf.stopped_at_line(), stoppedAt);
    QCOMPARE(conf.stopped_line_text(),
             stoppedAt > 0 ? QString(file).split('\n').at(stoppedAt - 1) : QString());
    // Whatever was read, what is written of it reads back the same.
    QCOMPARE(conf.round_trip_problem(), QString());
}

void TestConfReader::roundTripProblem()
{
    // The first line that reads back differently is named, unless a line stops the reading.
    Conf conf(write("[subclass_21]\nnumber_of_axles=2\nmax_axle_weight__kN=1,80;2,120\n"));
    conf.get_subclass(21).set_max_axle_weight_at_index("1e+06", 0);
    QCOMPARE(conf.round_trip_problem(), "section [subclass_21], line 6 reads back differently: "
                                        "max_axle_weight__kN=1,1e+06;2,120");
    conf.set_classification_version("2024,rev b");
    QCOMPARE(conf.round_trip_problem(),
             "section [classes], line 2 reads back differently: classification_version=2024,rev b");
    conf.get_subclass(21).set_alias("a=b");
    QCOMPARE(conf.round_trip_problem(),
             "section [subclass_21], line 5 stops the reading: alias=a=b");
}

void TestConfReader::droppedKeys_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("dropped"); // line, key and reason of each, in line order
    const std::pair<const char*, const char*> rows[] = {
        // Kept: every key of the record, adsl_ and awsl_ list entries, the subclass key.
        {"[subclass_1]\nalias=a\nadsl_00=1:1,2\nawsl_x=1\nadsl_0=1,2\nsubclass=3\n", ""},
        {"[subclass_1]\nnote=lane 1 only\nnumber_of_axles = 3\n",
         "2 note unknown_key, 3 number_of_axles  unknown_key"},
        // Only adsl_0 itself gives the total its value.
        {"[subclass_1]\nadsl_1_0=1,2\nawsl_0=1,2\n", "2 adsl_1_0 unknown_key"},
        {"[subclass_1]\nalias=a\nadsl_2=x\nalias=b\nadsl_2=y\nadsl_0=1\nadsl_0=2\n",
         "2 alias repeated_key, 3 adsl_2 repeated_key, 6 adsl_0 repeated_key"},
        // The keys before any section make a section of their own; [classes] lines are the
        // header's, wherever they stand.
        {"alias=x\n[subclass_0]\ncategory=1\n[classes]\nnote=1\n[subclass_2]\ncolour=red\n",
         "1 alias replaced_section, 7 colour unknown_key"},
        {"[subclass_5]\nalias=a\nnote=b\n[classes]\nx=1\n[subclass_6]\nsubclass=5\n",
         "2 alias replaced_section, 3 note unknown_key"},
        // A section lost to a line that stops the reading is not listed again.
        {"[subclass_1]\nnote=a\n[subclass_2]\nnote=b\njunk\n", "2 note unknown_key"},
    };
    for (const auto& [file, dropped] : rows)
        QTest::addRow("%s", qPrintable(QString(file).replace('\n', ' ')))
            << QByteArray(file) << QString(dropped);
}

void TestConfReader::droppedKeys()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, dropped);
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const Conf conf = Conf::from_bytes(file);
    qInstallMessageHandler(previous);
    const char* reasons[] = {"unknown_key", "repeated_key", "replaced_section"};
    QStringList got;
    for (const DroppedKey& d : conf.dropped_keys())
        got << QString("%1 %2 %3").arg(d.line).arg(d.key).arg(reasons[int(d.reason)]);
    QCOMPARE(got.join(", "), dropped);
}

namespace {

// Lines and bytes that the reader's grammar, decoding and header rules treat specially.
const char* const odd_lines[] = {
    "note=lane 1 only",
    "number_of_axles = 3",
    "[classes]",
    "[subclass_7]",
    " [subclass_2]",
    "[subclass_2] ",
    "[Subclass_3]",
    "[subclass_\xd9\xa3]",
    "[subclass_]",
    "[general]",
    "alias=a=b",
    "junk",
    "",
    "   ",
    "\t",
    "subclass=9",
    "subclass= 12",
    "adsl_0=1,2",
    "adsl_1_0=3",
    "awsl_00=1:1,2;3,4",
    "max_axle_weight__kN=1,50;2,7.;x,9;3,1e+06;1+2,90;2+3,9",
    "max_axle_weight__kN=,1,50;1+2+,3;\xd9\xa1,\xd9\xa2",
    "tyre_type=1,,2",
    "alias=\xc5\xbe\xc2\xa0",
    "alias=\xe2\x80\xa8",
    "\xc2\xa0",
    "\xc2\x85",
    "classification_version=\"a,b\"",
    "country_code = si",
    ";comment",
    "alias=\"quoted",
    "country_code=S\\\nI",
    "a%3Db=1",
    "\xef\xbb\xbf"
    "alias=x",
    "alias=\xc3",
    "alias=\xe2\x82",
    "min_axle_distance__m=1,2,3",
    "max_axle_distance__m=4",
    "number_of_axles=3",
};

// A small generated site with odd lines put in, lines copied and dropped, characters changed and
// line ends turned into CR LF.
QByteArray odd_file(std::mt19937& random)
{
    const auto below = [&random](int n) { return int(random() % std::uint32_t(n)); };
    ConfGeneratorOptions options;
    options.subclasses = 1 + below(4);
    options.seed = random();
    options.duplicate_share = 0;
    QList<QByteArray> lines = generate_configuration(options).toUtf8().split('\n');
    for (int edits = below(6); edits > 0; --edits) {
        const int at = below(lines.size());
        switch (below(4)) {
        case 0:
            lines.insert(at, odd_lines[below(int(std::size(odd_lines)))]);
            break;
        case 1:
            lines.insert(at, lines.at(below(lines.size())));
            break;
        case 2:
            lines.removeAt(at);
            break;
        default:
            if (!lines.at(at).isEmpty())
                lines[at][below(lines.at(at).size())] = "=[],\r\"\\;+\xc3\xa9"[below(11)];
        }
    }
    QByteArray bytes = lines.join(below(3) == 0 ? "\r\n" : "\n");
    if (below(8) == 0)
        bytes.prepend("\xef\xbb\xbf");
    return bytes;
}

} // namespace

void TestConfReader::sameAsReference_data()
{
    QTest::addColumn<QByteArray>("codec");
    // Read from bytes, line by line and in place (UTF-8, Latin-1), or decoded whole.
    QTest::newRow("UTF-8") << QByteArray("UTF-8");
    QTest::newRow("Latin-1") << QByteArray("ISO-8859-1");
    QTest::newRow("Latin-2") << QByteArray("ISO-8859-2");
}

void TestConfReader::sameAsReference()
{
    QFETCH(QByteArray, codec);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName(codec));
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::mt19937 random(11);
    for (int i = 0; i < 300; ++i) {
        const QByteArray bytes = odd_file(random);
        const Conf conf = Conf::from_bytes(bytes);
        const ReferenceRead reference = reference_read(bytes);
        if (conf.to_text() != reference.conf.to_text() ||
            conf.stopped_at_line() != reference.stopped_at_line ||
            conf.stopped_line_text() != reference.stopped_line_text) {
            qInstallMessageHandler(previous);
            QCOMPARE(conf.to_text(), reference.conf.to_text());
            QCOMPARE(conf.stopped_at_line(), reference.stopped_at_line);
            QCOMPARE(conf.stopped_line_text(), reference.stopped_line_text);
        }
    }
    qInstallMessageHandler(previous);
}

void TestConfReader::roundTripBySections()
{
    // Values that break lines, stop the reading or change in the header's reading, in the
    // header and in subclasses, against reading back the whole text at once.
    const QString values[] = {"a\nb", "a\rb", "x=y", "\"q\"", "a\\b", "1,2", " v", "@@x", "\xe9"};
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::mt19937 random(5);
    for (int i = 0; i < 300; ++i) {
        Conf conf = Conf::from_bytes(odd_file(random));
        const QString value = values[random() % std::size(values)];
        const QList<quint32> numbers = conf.get_subclass_numbers();
        switch (random() % 3) {
        case 0:
            conf.set_classification_version(value);
            break;
        case 1:
            if (!numbers.isEmpty())
                conf.get_subclass(numbers.at(int(random() % numbers.size()))).set_alias(value);
            break;
        default:
            break;
        }
        if (conf.round_trip_problem() != conf.round_trip_problem_whole_text()) {
            qInstallMessageHandler(previous);
            QCOMPARE(conf.round_trip_problem(), conf.round_trip_problem_whole_text());
        }
    }
    qInstallMessageHandler(previous);
}

void TestConfReader::mismatchedDistances()
{
    const Conf conf(write("[subclass_1]\nnumber_of_axles=3\nmin_axle_distance__m=1,2\n"
                          "max_axle_distance__m=3\nmax_axle_weight__kN=1,5;2,5;3,5\n"));
    // The writer writes the missing entry as empty instead of reading past the list.
    QVERIFY(conf.to_text().contains("\nmax_axle_distance__m=3,\nmin_axle_distance__m=1,2\n"));
    QVERIFY(!conf.get_subclass(1).is_subclass_valid("", "15"));
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
    QTextCodec::setCodecForLocale(QTextCodec::codecForName(codec));
    const QString version = QString::fromUtf8("Š-2024 č"), alias = QString::fromUtf8("tovornjak ž");
    const QString path = write(QTextCodec::codecForLocale()->fromUnicode(
        "[classes]\nclassification_version=" + version + "\n[subclass_1]\nalias=" + alias + "\n"));
    Conf conf(path);
    // The INI reader answers the second open from what it parsed the first time.
    QCOMPARE(Conf(path).get_classification_version(), version);
    const QString saved_path = dir.filePath(QString("saved-%1.conf").arg(++files));
    QVERIFY(conf.write_to_file(saved_path));
    conf = Conf(saved_path);
    QCOMPARE(conf.get_classification_version(), version);
    QCOMPARE(conf.get_subclass(1).get_alias(), alias);
}

void TestConfReader::fuzzCorpus_data()
{
    QTest::addColumn<QString>("path");
    const QDir corpus(VORLAN_TEST_DATA "/fuzz-corpus");
    QVERIFY(corpus.entryList(QDir::Files).size() >= 5);
    for (const QString& name : corpus.entryList(QDir::Files))
        QTest::newRow(qPrintable(name)) << corpus.filePath(name);
}

void TestConfReader::fuzzCorpus()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // The corpus is made of odd files; the reader's warnings about them are expected.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    load_and_check(bytes);
    const Conf conf = Conf::from_bytes(bytes);
    const ReferenceRead reference = reference_read(bytes);
    qInstallMessageHandler(previous);
    QCOMPARE(conf.to_text(), reference.conf.to_text());
    QCOMPARE(conf.stopped_at_line(), reference.stopped_at_line);
}

QTEST_GUILESS_MAIN(TestConfReader)
#include "tst_confreader.moc"
