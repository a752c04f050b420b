// The reader, the weight text, the value grammars and the reading of reals are matched by hand;
// each must decide exactly as the regular expressions, the stream reader and QString::toFloat()
// they stand for. Random texts built from the pieces that matter are given to both sides.
#include "model/conf.h"
#include "model/reals.h"

#include <QRegExp>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextStream>
#include <QtTest>

#include <cstring>
#include <random>

namespace {

QStringList warnings;

void collect(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        warnings << text;
}

class Pieces
{
public:
    Pieces(std::uint32_t seed, QStringList pieces) : engine(seed), pieces(std::move(pieces)) {}

    QString text(int most)
    {
        QString text;
        for (int i = 0, n = below(most + 1); i < n; ++i)
            text += pieces.at(below(pieces.size()));
        return text;
    }
    // The example with up to three pieces inserted or characters dropped: near misses, and
    // the example itself a quarter of the time.
    QString edited(const QString& example)
    {
        QString text = example;
        for (int i = 0, n = below(4); i < n; ++i) {
            const int at = below(text.size() + 1);
            if (below(2) == 0 && at < text.size())
                text.remove(at, 1);
            else
                text.insert(at, pieces.at(below(pieces.size())));
        }
        return text;
    }
    int below(int n) { return int(engine() % std::uint32_t(n)); }

private:
    std::mt19937 engine;
    QStringList pieces;
};

const QString arabic_three = QString(QChar(0x0663)); // a digit to \d, not to toUInt

// The regular expression loops the weight text was once taken apart with.
struct Weights
{
    QStringList weights;
    QStringList limits;
    bool stopped = false;
};

Weights weights_by_expressions(const QString& text)
{
    Weights result;
    QRegExp item(QStringLiteral("(?:[^+\\d]|^)(\\d+,\\d+\\.?\\d*)"));
    for (int pos = item.indexIn(text); pos >= 0;
         pos = item.indexIn(text, pos + item.matchedLength())) {
        const QStringList parts = item.cap(0).split(',');
        if (parts.size() != 2) {
            result.stopped = true;
            return result;
        }
        result.weights << parts.at(1);
    }
    QRegExp limit(QStringLiteral("(?:\\d+\\+)+\\d+,\\d+\\.?\\d*"));
    for (int pos = limit.indexIn(text); pos >= 0;
         pos = limit.indexIn(text, pos + limit.matchedLength()))
        result.limits << limit.cap(0);
    return result;
}

// The section scanner as it was: a stream read line by line, a regular expression for
// section lines and a record filled through its setters.
struct Read
{
    QMap<quint32, Subclass> subclasses;
    int stopped_line = 0;
    QString stopped_text;
};

Subclass subclass_by_setters(const Subclass::Section& m)
{
    Subclass s;
    s.set_number(m.value("subclass").toUInt());
    s.set_override_class(m.value("override_class"));
    s.set_override_groups(m.value("override_groups"));
    s.set_alias(m.value("alias"));
    s.set_category(m.value("category"));
    s.set_max_GVW__kN(m.value("max_GVW__kN"));
    const QString mins = m.value("min_axle_distance__m"), maxs = m.value("max_axle_distance__m");
    if (!mins.isEmpty() && !maxs.isEmpty()) {
        s.set_min_distances(mins.split(','));
        s.set_max_distances(maxs.split(','));
    }
    if (!m.value("tyre_type").isEmpty())
        s.set_tyre_types(m.value("tyre_type").split(','));
    s.parse_max_axle_weights(m.value("max_axle_weight__kN"));
    s.set_number_of_axles(m.value("number_of_axles"));
    s.set_upper_GVW_limit__kN(m.value("upper_GVW_limit__kN"));
    s.set_reclassify_up_to_subclass(m.value("reclassify_up_to_subclass"));
    s.set_lower_GVW_limit__kN(m.value("lower_GVW_limit__kN"));
    s.set_reclassify_down_to_subclass(m.value("reclassify_down_to_subclass"));
    s.set_axle_configuration(m.value("axle_configuration"));
    s.set_prepend__m(m.value("prepend__m"));
    s.set_append__m(m.value("append__m"));
    for (auto it = m.cbegin(); it != m.cend(); ++it) {
        const bool adsl = it.key().startsWith("adsl_");
        if (!adsl && !it.key().startsWith("awsl_"))
            continue;
        const bool total = it.key().mid(it.key().lastIndexOf('_') + 1) == "0";
        if (adsl && total)
            s.set_adsl_0(m.value("adsl_0"));
        else if (total)
            s.set_awsl_0(m.value("awsl_0"));
        else
            s.set_constraint(it.value(), -1, adsl ? "adsl" : "awsl");
    }
    return s;
}

Read read_by_lines(const QString& path)
{
    Read read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return read;
    QTextStream stream(&file);
    stream.setCodec(Conf::file_codec());
    QRegExp section_line("(\\[subclass_\\d+\\])|(\\[classes\\])");
    QRegExp digits("\\d+");
    Subclass::Section pending;
    const auto finish = [&] {
        if (!pending.isEmpty())
            read.subclasses.insert(pending.value("subclass").toUInt(),
                                   subclass_by_setters(pending));
        pending.clear();
    };
    QString current, line;
    for (int number = 1; stream.readLineInto(&line); ++number) {
        if (line.trimmed().isEmpty())
            continue;
        if (section_line.indexIn(line) >= 0 && section_line.cap(0) == line) {
            if (line != "[classes]") {
                finish();
                digits.indexIn(line);
                pending.insert("subclass", digits.cap(0));
            }
            current = line;
            continue;
        }
        if (current == "[classes]")
            continue;
        const QStringList parts = line.split('=');
        if (parts.size() != 2) {
            read.stopped_line = number;
            read.stopped_text = line;
            return read;
        }
        pending.insert(parts.at(0), parts.at(1));
    }
    finish();
    return read;
}

QString describe(const Subclass& s)
{
    QStringList parts;
    for (auto it = s.scalar_values().cbegin(); it != s.scalar_values().cend(); ++it)
        parts << it.key() + "=" + it.value();
    parts << s.get_max_axle_weights().join('|') << s.get_min_distances().join('|')
          << s.get_max_distances().join('|') << s.get_tyre_types().join('|');
    for (const char* kind : {"default", "adsl", "awsl"}) {
        for (int i = 0; i < s.get_constraint_count(kind); ++i)
            parts << QString(kind) + ":" + s.get_constraint(i, kind);
    }
    return QString::number(s.get_number()) + " " + parts.join(' ');
}

quint32 bits(float value)
{
    quint32 b;
    std::memcpy(&b, &value, sizeof b);
    return b;
}

} // namespace

class TestScanners : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void reals_data();
    void reals();
    void grammars_data();
    void grammars();
    void axleConfiguration();
    void weightText();
    void reader();
};

void TestScanners::init()
{
    warnings.clear();
    qInstallMessageHandler(collect);
}

void TestScanners::cleanup()
{
    qInstallMessageHandler(nullptr);
}

void TestScanners::reals_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("plain decimals") << QStringList{"0", "1", "5", "9", "12", "0.", ".", "75"};
    QTest::newRow("long digit runs")
        << QStringList{"123456789", "9999999", "0.000000001", "1.", "00", "4"};
    QTest::newRow("signs, exponents, blanks and words")
        << QStringList{"-", "+", "e", "E", " ", "1", "0", ".", "5", "inf", "nan", "x", ","};
}

void TestScanners::reals()
{
    QFETCH(QStringList, pieces);
    Pieces random(11, pieces);
    for (int i = 0; i < 20000; ++i) {
        const QString text = random.text(6);
        QVERIFY2(bits(as_real(text)) == bits(text.toFloat()), qPrintable(text));
    }
}

void TestScanners::grammars_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("examples");
    QTest::newRow("combined weight limit")
        << "default"
        << "(?:\\d+\\+)+\\d+,\\d+\\.?\\d*" << QStringList{"1+2,150", "2+3+4,7.", "10+11,1.25"};
    QTest::newRow("combined distance") << "adsl"
                                       << "(?:\\d+\\+)*\\d+:\\d+(?:\\.\\d+)?,\\d+(?:\\.\\d+)?"
                                       << QStringList{"1+2:2.5,4.8", "3:1,2", "9+10:1.2,1.9"};
    QTest::newRow("combined weight")
        << "awsl"
        << "(?:\\d+\\+)*\\d+:\\d+(?:\\.\\d+)?,\\d+;\\d+(?:\\.\\d+)?,\\d+"
        << QStringList{"2+3:98.1,12;176.6,14", "1:10,3;20,5"};
    QTest::newRow("total distance")
        << "adsl_0"
        << "\\d+(?:\\.\\d+)?,\\d+(?:\\.\\d+)?" << QStringList{"2.5,18.75", "1,2", ""};
    QTest::newRow("total weight") << "awsl_0"
                                  << "\\d+(?:\\.\\d+)?,\\d+;\\d+(?:\\.\\d+)?,\\d+"
                                  << QStringList{"98.1,12;441.5,14", "1,2;3,4"};
}

void TestScanners::grammars()
{
    QFETCH(QString, kind);
    QFETCH(QString, pattern);
    QFETCH(QStringList, examples);
    QRegExp expression(pattern);
    Pieces random(qHash(kind), {"1", "23", arabic_three, "+", ":", ",", ";", ".", "x", " "});
    int matches = 0;
    for (int i = 0; i < 6000; ++i) {
        const QString text = random.edited(examples.at(random.below(examples.size())));
        Subclass s;
        bool valid = false;
        if (kind == "adsl_0") {
            s.set_adsl_0(text);
            valid = s.is_adsl_0_valid();
        } else if (kind == "awsl_0") {
            s.set_awsl_0(text);
            valid = s.is_awsl_0_valid();
        } else {
            s.set_constraint(text, -1, kind);
            valid = s.is_constraint_valid(0, kind);
        }
        // An empty total means no constraint.
        const bool expected =
            (kind.endsWith("_0") && text.isEmpty()) || expression.exactMatch(text);
        QVERIFY2(valid == expected, qPrintable(text));
        matches += expected;
    }
    QVERIFY(matches > 1000 && matches < 5000);
}

void TestScanners::axleConfiguration()
{
    QRegExp shape("[ABCHLMV]\\d+(?:[DTS]\\d+)*");
    QRegExp digits("\\d+");
    Pieces random(5, {"h", "A", "T", "d", "X", "2", "10", arabic_three, " ", "99999999999"});
    const QStringList examples{"H2T2D1S2", "c2", "A10T10", "B3", "v2s1"};
    int matches = 0;
    for (int i = 0; i < 6000; ++i) {
        const QString text = random.edited(examples.at(random.below(examples.size())));
        const QString stored = text.toUpper();
        qint64 sum = 0;
        for (int pos = digits.indexIn(stored); pos >= 0;
             pos = digits.indexIn(stored, pos + digits.matchedLength()))
            sum += digits.cap(0).toUInt();
        Subclass s;
        s.set_axle_configuration(text);
        const int axles = random.below(3) == 0 ? random.below(25) : int(sum);
        s.set_number_of_axles(QString::number(axles));
        const bool expected = !stored.isEmpty() && shape.exactMatch(stored) && sum == axles;
        QVERIFY2(s.is_axle_configuration_valid() == expected, qPrintable(text));
        matches += expected;
    }
    QVERIFY(matches > 1000 && matches < 5000);
}

void TestScanners::weightText()
{
    Pieces random(3,
                  {"1", "12", arabic_three, ",", ";", "+", ".", "a", " ", "1,50", "2+3,100", ",9"});
    int stops = 0, limits = 0;
    for (int i = 0; i < 6000; ++i) {
        const QString text = random.text(8);
        const Weights expected = weights_by_expressions(text);
        Subclass s;
        warnings.clear();
        s.parse_max_axle_weights(text);
        QVERIFY2(s.get_max_axle_weights() == expected.weights, qPrintable(text));
        QStringList found;
        for (int k = 0; k < s.get_constraint_count("default"); ++k)
            found << s.get_constraint(k, "default");
        QVERIFY2(found == expected.limits, qPrintable(text));
        QCOMPARE(warnings.filter("Expected two values").size(), int(expected.stopped));
        stops += expected.stopped;
        limits += !expected.limits.isEmpty();
    }
    QVERIFY(stops > 100 && limits > 100);
}

void TestScanners::reader()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QStringList keys{"subclass",
                           "number_of_axles",
                           "tyre_type",
                           "alias",
                           "category",
                           "adsl_0",
                           "adsl_1",
                           "adsl_10",
                           "adsl_2",
                           "adsl_x_0",
                           "awsl_0",
                           "awsl_3",
                           "unknown",
                           "number_of_axles ",
                           "axle_configuration",
                           "max_GVW__kN",
                           "max_axle_weight__kN",
                           "min_axle_distance__m",
                           "max_axle_distance__m"};
    const QStringList values{"",  "3",       "1,2,3", "1,50;2,60;1+2,100", "2.5,3.5", "h2t1",
                             ",", "1+2:1,2", "x y"};
    const QStringList odd{"[subclass_007]",
                          " [subclass_1]",
                          "[subclass_1] ",
                          "[subclass_" + arabic_three + "]",
                          "[subclass_]",
                          "[subclass_3",
                          "[subclass_4x",
                          "[Classes]",
                          "[general]",
                          "[classes]",
                          "a=b=c",
                          "no equals",
                          "",
                          "   ",
                          "\t"};
    std::mt19937 engine(17);
    const auto below = [&](int n) { return int(engine() % std::uint32_t(n)); };
    int stops = 0, subclasses = 0;
    for (int i = 0; i < 400; ++i) {
        QByteArray bytes = below(8) == 0 ? "\xEF\xBB\xBF" : "";
        for (int n = below(40); n > 0; --n) {
            QString line;
            const int kind = below(10);
            if (kind < 2)
                line = "[subclass_" + QString::number(below(6)) + "]";
            else if (kind < 3)
                line = odd.at(below(odd.size()));
            else
                line = keys.at(below(keys.size())) + "=" + values.at(below(values.size()));
            bytes += line.toUtf8();
            const int end = below(12);
            bytes += end == 0 ? "\r\n" : end == 1 ? "\r" : "\n";
        }
        if (below(3) == 0)
            bytes.chop(1);
        const QString path = dir.filePath(QString::number(i) + ".conf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        const Conf conf(path);
        const Read expected = read_by_lines(path);
        QCOMPARE(conf.stopped_at_line(), expected.stopped_line);
        QCOMPARE(conf.stopped_line_text(), expected.stopped_text);
        QCOMPARE(conf.get_subclass_numbers(), expected.subclasses.keys());
        for (quint32 number : conf.get_subclass_numbers())
            QCOMPARE(describe(conf.get_subclass(number)),
                     describe(expected.subclasses.value(number)));
        stops += expected.stopped_line > 0;
        subclasses += expected.subclasses.size();
    }
    QVERIFY(stops > 40 && subclasses > 400);
}

QTEST_GUILESS_MAIN(TestScanners)
#include "tst_scanners.moc"
