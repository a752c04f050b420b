// libFuzzer entry: what the reader and the rules do by their own means against what they stand in
// for, on arbitrary bytes; the first difference stops the run. Each matcher against its QRegExp
// pattern and the reading of numbers against QString::toFloat and toInt, on every line (and its
// value after "="), read as UTF-8 and as Latin-1; the [classes] section against QSettings; the
// whole reader against the previous one; the round-trip check by sections against the whole text.
#include "matchpositions.h"
#include "referencereader.h"

#include "model/classessection.h"
#include "model/grammar.h"
#include "model/numberreading.h"
#include "model/valuegrammar.h"

#include <QHash>
#include <QRegExp>
#include <QTextCodec>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

void quiet(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg)
        qt_message_output(type, QMessageLogContext(), text);
}

[[noreturn]] void differ(const char* what, const QString& text, const QString& mine,
                         const QString& theirs)
{
    std::fprintf(stderr, "%s differs on \"%s\":\n  reader:    %s\n  reference: %s\n", what,
                 qPrintable(text), qPrintable(mine), qPrintable(theirs));
    std::abort();
}

template <typename View> void compare_matchers(View view, const QString& text)
{
    const bool section = grammar::section_line(view) != grammar::SectionLine::none;
    QRegExp pattern{QLatin1String(grammar::section_line_pattern)};
    if (section != pattern.exactMatch(text))
        differ("section line", text, QString::number(section), QString::number(!section));
    const QString items = matches(view, 0, grammar::find_weight_item<View>);
    const QString regexp_items = regexp_matches(grammar::weight_item_pattern, text);
    if (items != regexp_items)
        differ("weight items", text, items, regexp_items);
    const QString limits = matches(view, 0, grammar::find_combined_limit<View>);
    const QString regexp_limits = regexp_matches(grammar::combined_limit_pattern, text);
    if (limits != regexp_limits)
        differ("combined limits", text, limits, regexp_limits);
}

template <typename View> void compare_numbers(View view, const QString& text)
{
    bool ok[4] = {};
    const float reals[2] = {read_float(view, &ok[0]), text.toFloat(&ok[1])};
    const int integers[2] = {read_int(view, &ok[2]), text.toInt(&ok[3])};
    const auto shown = [&](int i) {
        return QString::number(double(reals[i]), 'g', 9) + QLatin1Char(ok[i] ? '+' : '-') +
               QString::number(integers[i]) + QLatin1Char(ok[i + 2] ? '+' : '-');
    };
    // The bits, so that -0 and 0 differ.
    if (std::memcmp(&reals[0], &reals[1], sizeof(float)) != 0 || integers[0] != integers[1] ||
        ok[0] != ok[1] || ok[2] != ok[3])
        differ("number", text, shown(0), shown(1));
}

// Each pattern is compiled once; every match works on a copy, since matching changes a QRegExp.
bool exact_match(const char* pattern, const QString& text)
{
    static QHash<const char*, QRegExp> compiled;
    auto found = compiled.find(pattern);
    if (found == compiled.end())
        found = compiled.insert(pattern, QRegExp(QLatin1String(pattern)));
    QRegExp regexp = *found;
    return regexp.exactMatch(text);
}

void compare_value_matchers(const QString& text)
{
    const std::pair<const char*, bool (*)(QStringView)> grammars[] = {
        {grammar::combined_limit_pattern, grammar::is_combined_weight_limit},
        {grammar::combined_distance_constraint_pattern, grammar::is_combined_distance_constraint},
        {grammar::combined_weight_constraint_pattern, grammar::is_combined_weight_constraint},
        {grammar::total_distance_pattern, grammar::is_total_distance},
        {grammar::total_weight_pattern, grammar::is_total_weight}};
    for (const auto& [pattern, matches] : grammars) {
        if (matches(text) != exact_match(pattern, text))
            differ(pattern, text, QString::number(matches(text)), QString::number(!matches(text)));
    }
    qint64 axles = 0;
    const bool matched = grammar::is_axle_configuration(text, &axles);
    if (matched != exact_match(grammar::axle_configuration_pattern, text))
        differ("axle configuration", text, QString::number(matched), QString::number(!matched));
    QRegExp digits{QLatin1String(grammar::number_pattern)};
    qint64 sum = 0;
    for (int pos = 0; matched && (pos = digits.indexIn(text, pos)) >= 0;
         pos += digits.matchedLength())
        sum += text.midRef(pos, digits.matchedLength()).toUInt();
    if (matched && axles != sum)
        differ("axle count", text, QString::number(axles), QString::number(sum));
}

QString shown(const QMap<QString, QString>& header)
{
    QStringList entries;
    for (auto it = header.cbegin(); it != header.cend(); ++it)
        entries << it.key() + QLatin1Char('=') + it.value();
    return entries.join(QLatin1String(" | "));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    for (const QByteArray& line : bytes.split('\n')) {
        const QString utf8 = QString::fromUtf8(line);
        compare_matchers(QStringView(utf8), utf8);
        compare_matchers(QLatin1String(line), QString::fromLatin1(line));
        const QByteArray value = line.mid(line.indexOf('=') + 1);
        for (const QByteArray& bytes : {line, value}) {
            const QString text = QString::fromUtf8(bytes);
            compare_numbers(QStringView(text), text);
            compare_numbers(QLatin1String(bytes), QString::fromLatin1(bytes));
            compare_value_matchers(text);
        }
    }

    // QSettings would decode a binary value, trusting the counts in it; the reader does not.
    bool binary = false;
    const QMap<QString, QString> header =
        read_classes_section(bytes, QTextCodec::codecForLocale(), &binary);
    if (binary)
        return 0;
    // The previous reader read the header with QSettings.
    const ReferenceRead previous = reference_read(bytes);
    if (header != previous.conf.header())
        differ("[classes]", QString::fromLatin1(bytes), shown(header),
               shown(previous.conf.header()));

    const Conf conf = Conf::from_bytes(bytes);
    if (conf.to_text() != previous.conf.to_text() ||
        conf.stopped_at_line() != previous.stopped_at_line ||
        conf.stopped_line_text() != previous.stopped_line_text)
        differ("reading", QString::fromLatin1(bytes), conf.to_text(), previous.conf.to_text());
    const QString by_sections = conf.round_trip_problem();
    const QString whole = conf.round_trip_problem_whole_text();
    if (by_sections != whole)
        differ("round trip", conf.to_text(), by_sections, whole);
    return 0;
}
