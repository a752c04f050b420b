// The reader's and the rules' own matchers and the reading of the [classes] section, each against
// what it stands in for: the QRegExp patterns and the toolkit's INI reader.
#include "fuzz/matchpositions.h"
#include "model/classessection.h"
#include "model/grammar.h"
#include "model/valuegrammar.h"

#include <QRegExp>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <random>

namespace {

template <typename View> QString section_line(View line)
{
    int start = -1, length = -1;
    const grammar::SectionLine kind = grammar::section_line(line, &start, &length);
    return kind == grammar::SectionLine::none ? QString("none")
           : kind == grammar::SectionLine::classes
               ? QString("classes")
               : QString("subclass %1+%2").arg(start).arg(length);
}

QString regexp_section_line(const QString& line)
{
    QRegExp pattern(QLatin1String(grammar::section_line_pattern));
    if (!pattern.exactMatch(line))
        return "none";
    if (line == "[classes]")
        return "classes";
    QRegExp digits(QLatin1String(grammar::number_pattern));
    const int start = digits.indexIn(line);
    return QString("subclass %1+%2").arg(start).arg(digits.matchedLength());
}

QMap<QString, QString> settings_header(const QByteArray& bytes)
{
    static QTemporaryDir dir;
    static int files = 0;
    const QString path = dir.filePath(QString("h%1.conf").arg(++files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    QMap<QString, QString> header;
    QSettings settings(path, QSettings::IniFormat);
    settings.setIniCodec(QTextCodec::codecForLocale());
    settings.beginGroup("classes");
    // The INI reader warns of the empty key it lists itself.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    for (const QString& key : settings.childKeys())
        header.insert(key, settings.value(key).toString());
    qInstallMessageHandler(previous);
    return header;
}

// A grammar the rules match whole, its pattern and texts it accepts ("|" between them).
struct ValueGrammar
{
    const char* pattern;
    bool (*matches)(QStringView);
    const char* accepted;
};

bool axle_configuration(QStringView text)
{
    qint64 axles = 0;
    return grammar::is_axle_configuration(text, &axles);
}

// A text with up to three pieces inserted, or characters removed or replaced by a piece.
QString mutated(QString text, std::mt19937& random)
{
    static const QStringList pieces = QString("0|7|12|\u0663|\uff12|+|:|,|;|.| |x|H|D|T|S|a|-|1e3|"
                                              "\u00c4|4294967295|4294967299|00000000000000000002")
                                          .split('|');
    for (int n = int(random() % 4); n > 0; --n) {
        const int at = int(random() % (text.size() + 1)), how = int(random() % 3);
        const QString& piece = pieces.at(int(random() % pieces.size()));
        text =
            how == 0 ? text.insert(at, piece) : text.replace(at, 1, how == 1 ? QString() : piece);
    }
    return text;
}

} // namespace

Q_DECLARE_METATYPE(ValueGrammar)

class TestGrammar : public QObject
{
    Q_OBJECT

private slots:
    void matchers_data();
    void matchers();
    void valueMatchers_data();
    void valueMatchers();
    void classesSection_data();
    void classesSection();
    void binaryValuesKeptAsText();
};

void TestGrammar::matchers_data()
{
    QTest::addColumn<QStringList>("pieces"); // texts are made of these, at random
    // Digits of other scripts are digits to QRegExp too.
    QTest::newRow("weight texts") << QStringList{"1", "12", "0", ",", ";",      "+",     ".",
                                                 "x", " ",  "-", "e", "\u0663", "\uff12"};
    QTest::newRow("section lines") << QStringList{
        "[", "]", "[subclass_", "[classes]", "classes", "7", "42", "\u0663", " ", "x", "_"};
    QTest::newRow("any character")
        << QStringList{"a", "\t", "=", "\u00e9", "\u00a0", "\u2028", "\U0001F600", "\\", "(", "*"};
}

void TestGrammar::matchers()
{
    QFETCH(QStringList, pieces);
    std::mt19937 random(3);
    for (int i = 0; i < 3000; ++i) {
        QString text;
        for (int n = int(random() % 14); n > 0; --n)
            text += pieces.at(int(random() % pieces.size()));
        if (random() % 2)
            text = pieces.at(0) + text; // the start of the text is special to the weight pattern
        const QStringView view(text);
        const QByteArray latin1 = text.toLatin1();
        const bool narrow = QString::fromLatin1(latin1) == text;
        const QLatin1String bytes(latin1);
        QCOMPARE(section_line(view), regexp_section_line(text));
        if (narrow)
            QCOMPARE(section_line(bytes), regexp_section_line(text));
        for (int from = 0; from <= text.size(); ++from) {
            const QString items = regexp_matches(grammar::weight_item_pattern, text, from);
            const QString limits = regexp_matches(grammar::combined_limit_pattern, text, from);
            QCOMPARE(matches(view, from, grammar::find_weight_item<QStringView>), items);
            QCOMPARE(matches(view, from, grammar::find_combined_limit<QStringView>), limits);
            if (narrow) {
                QCOMPARE(matches(bytes, from, grammar::find_weight_item<QLatin1String>), items);
                QCOMPARE(matches(bytes, from, grammar::find_combined_limit<QLatin1String>), limits);
            }
        }
    }
}

void TestGrammar::valueMatchers_data()
{
    QTest::addColumn<ValueGrammar>("grammar");
    const std::pair<const char*, ValueGrammar> rows[] = {
        {"combined weight limit",
         {grammar::combined_limit_pattern, grammar::is_combined_weight_limit,
          "1+2,150|1+2+3,18.5|10+11,7.|1+2,0.25"}},
        {"combined distance constraint",
         {grammar::combined_distance_constraint_pattern, grammar::is_combined_distance_constraint,
          "3:1,2|9+10:1.2,1.9|1+2+3:0.5,12.75"}},
        {"combined weight constraint",
         {grammar::combined_weight_constraint_pattern, grammar::is_combined_weight_constraint,
          "3+4:116.8,17;168.8,18|2:1,1;2,2|1+2:0.5,3;4.25,5"}},
        {"total distance",
         {grammar::total_distance_pattern, grammar::is_total_distance, "12.5,18|3,4.75"}},
        {"total weight",
         {grammar::total_weight_pattern, grammar::is_total_weight, "428.4,42;963.9,55|1,2;3,4"}},
        {"axle configuration",
         {grammar::axle_configuration_pattern, axle_configuration,
          "H3T2T2S3S4D1|V2|L2D1S1|C10T10"}}};
    for (const auto& [name, row] : rows)
        QTest::newRow(name) << row;
}

void TestGrammar::valueMatchers()
{
    QFETCH(ValueGrammar, grammar);
    const QStringList accepted = QString(grammar.accepted).split('|');
    std::mt19937 random(5);
    int matched = 0;
    for (int i = 0; i < 6000; ++i) {
        const QString text = mutated(accepted.at(i % accepted.size()), random);
        QRegExp pattern{QLatin1String(grammar.pattern)};
        QCOMPARE(grammar.matches(text), pattern.exactMatch(text));
        matched += pattern.exactMatch(text);
        // The rule used to add up every run of digits the number pattern finds, read by toUInt.
        qint64 axles = 0, sum = 0;
        if (grammar.matches != axle_configuration || !grammar::is_axle_configuration(text, &axles))
            continue;
        QRegExp digits(QLatin1String(grammar::number_pattern));
        for (int pos = 0; (pos = digits.indexIn(text, pos)) >= 0; pos += digits.matchedLength())
            sum += text.midRef(pos, digits.matchedLength()).toUInt();
        QCOMPARE(axles, sum);
    }
    QVERIFY(matched > 1500 && matched < 4500); // both answers come up often
}

void TestGrammar::classesSection_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("lines"); // when given, random files are made of these
    const std::pair<const char*, const char*> files[] = {
        {"quoting", "[classes]\na=\"x, y\" \nb=\"a\"b\"c\"\nc=\" spaced \" \nd=\"open\ne=1\n"},
        {"escapes", "[classes]\na=\\x41\\101\\n\\q\\\nb=x \\\nc=1\\\n2\nd=\\x\ne=\\0a\n"},
        {"comments", "[classes]\n;k=1\na=1;c\nb=\";\"\n  ;x\n\t[classes]\nc=3\n"},
        {"lists", "[classes]\na=1,2\nb=x,\nc=,\nd=\"1,2\"\ne=@@a,b\nf=a,@Invalid()\n"},
        {"spaces around =", "[classes]\n a = 1 \nb\t=\t2\t\nc= \" 3 \"\n"},
        {"non-ASCII", "[classes]\na=\xc5\xa1\xc4\x8d\nb=\xff\xfe\n\xc5\xa1=1\n"},
        {"keys", "[classes]\n%41=1\n%U0042=2\n%4=3\n%zz=4\na\\b=5\nc/d=6\n=7\n%U-001=8\n"},
        {"repeated keys", "[classes]\na=1\na=2\n[classes]\na=3\nb=1\n"},
        {"repeated sections",
         "[classes]\na=1\n[subclass_1]\nx=\"\n[classes]\nb=2\"\n"
         "[ classes ]\nc=3\n[%63lasses]\nd=4\n[Classes]\ne=5\n[classes\nf=6\n"},
        {"other sections",
         "classes/a=1\n[general]\nclasses/b=2\n[classes/x]\nc=3\n[classes]x\ng=7\n"},
        {"types", "[classes]\na=@ByteArray(x y)\nb=@Rect(1 2 3 4)\nc=@Size(1)\nd=@@e\n"
                  "e=@String(s)\nf=@Point(1 2)x\n"},
        {"line ends", "\xef\xbb\xbf[classes]\r\na=1\r\nb=\"2\r\n3\"\r\n\rc=\\\r\n4\n"},
        {"backslash at the end", "[classes]\na=x  \\"},
    };
    for (const auto& [name, file] : files)
        QTest::newRow(name) << QByteArray(file) << QStringList();
    QTest::newRow("random") << QByteArray()
                            << QStringList{"[classes]",  "[subclass_1]", "[general]", " [classes] ",
                                           "a=1",        "b = \"x,y\"",  "a=2;",      "c=\\",
                                           "d=\"",       ";e=1",         "f=\\x4",    "g=a,b",
                                           "h=\xc3\xa9", "i=@@x",        "=j",        "\\k=1",
                                           "l=\"m",      "n\"=o",        "",          "  ",
                                           "\r",         "p=\t q \t"};
}

void TestGrammar::classesSection()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, lines);
    std::mt19937 random(7);
    for (int i = 0; i < (lines.isEmpty() ? 1 : 2000); ++i) {
        if (!lines.isEmpty()) {
            file.clear();
            for (int n = int(random() % 12); n > 0; --n)
                file += lines.at(int(random() % lines.size())).toUtf8() + '\n';
        }
        QCOMPARE(read_classes_section(file, QTextCodec::codecForLocale()), settings_header(file));
    }
}

void TestGrammar::binaryValuesKeptAsText()
{
    // A list of two thousand million entries would have the INI reader give up all memory.
    const QByteArray file = "[classes]\na=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\nb=1\n";
    bool binary = false;
    const QMap<QString, QString> header =
        read_classes_section(file, QTextCodec::codecForLocale(), &binary);
    QVERIFY(binary);
    QCOMPARE(header.value("a"), QString::fromLatin1("@Variant(\0\0\0\t\x7f\xff\xff\xff)", 18));
    QCOMPARE(header.value("b"), QString("1"));
}

QTEST_GUILESS_MAIN(TestGrammar)
#include "tst_grammar.moc"
