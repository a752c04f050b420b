// Reading a configuration file: the header by the INI reader's rules, the subclass sections
// through a strict line scanner.
#include "model/confreader.h"

#include "model/classessection.h"
#include "model/grammar.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QTextCodec>
#include <QTextStream>

#include <algorithm>
#include <cstring>

QTextCodec* Conf::file_codec()
{
    return QTextCodec::codecForLocale();
}

Conf::Conf(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        ConfReader(*this).read(file.readAll());
}

Conf Conf::from_bytes(const QByteArray& bytes)
{
    Conf conf;
    ConfReader(conf).read(bytes);
    return conf;
}

Conf Conf::from_section_bytes(const QByteArray& bytes)
{
    Conf conf;
    ConfReader(conf).read_sections(bytes);
    return conf;
}

namespace {

using Text = SectionReader::Text;
using Line = ConfReader::Line;

constexpr int mib_utf8 = 106;
constexpr int mib_latin1 = 4;

// The lines of a UTF-8 or Latin-1 text, read where they stand in its bytes. A line of a UTF-8 text
// that is not plain ASCII is decoded on its own, by one decoder that goes through such lines in
// order, as a text stream would decode them.
class ByteLines
{
public:
    ByteLines(const QByteArray& data, QTextCodec* utf8, int start, int number)
        : data(data), utf8(utf8), pos(start), number(number)
    {
    }
    ByteLines at(int start, int line) const { return ByteLines(data, utf8, start, line - 1); }

    bool next(Line& line)
    {
        const int size = data.size();
        if (pos >= size)
            return false;
        const char* begin = data.constData() + pos;
        const auto* newline =
            static_cast<const char*>(std::memchr(begin, '\n', size_t(size - pos)));
        const int length = newline ? int(newline - begin) : size - pos;
        line.start = pos;
        line.number = ++number;
        line.own = nullptr;
        line.text = {begin, length, false};
        pos += length + 1;
        if (utf8 && !ascii(begin, length)) {
            // With its line end, so that a sequence cut short there ends where the stream
            // would end it.
            decoded = utf8->toUnicode(begin, newline ? length + 1 : length, &state);
            if (newline && decoded.endsWith(QLatin1Char('\n')))
                decoded.chop(1);
            line.text = Text::of(QStringView(decoded));
            line.own = &decoded;
        }
        return true;
    }

private:
    static bool ascii(const char* text, int length)
    {
        uchar any = 0;
        for (int i = 0; i < length; ++i)
            any |= uchar(text[i]);
        return any < 0x80;
    }

    const QByteArray& data;
    QTextCodec* utf8;
    int pos;
    int number;
    // A byte order mark is only one at the start of the text, which the caller skips.
    QTextCodec::ConverterState state{QTextCodec::IgnoreHeader};
    QString decoded;
};

// The lines of a text decoded whole, as a text stream decodes it: for any other encoding.
class DecodedLines
{
public:
    DecodedLines(const QString& text, int start, int number)
        : text(text), pos(start), number(number)
    {
    }
    DecodedLines at(int start, int line) const { return DecodedLines(text, start, line - 1); }

    bool next(Line& line)
    {
        if (pos >= text.size())
            return false;
        int end = text.indexOf(QLatin1Char('\n'), pos);
        if (end < 0)
            end = text.size();
        line.start = pos;
        line.number = ++number;
        line.own = nullptr;
        line.text = Text::of(QStringView(text).mid(pos, end - pos));
        pos = end + 1;
        return true;
    }

private:
    const QString& text;
    int pos;
    int number;
};

struct Facts
{
    bool blank = true;
    int equals = -1; // the first "="
    int equals_count = 0;
};

Facts facts_of(const Text& text)
{
    Facts facts;
    for (int i = 0; i < text.length; ++i) {
        const QChar c(text.unit(i));
        if (c == QLatin1Char('=')) {
            if (facts.equals < 0)
                facts.equals = i;
            ++facts.equals_count;
        }
        if (facts.blank && !c.isSpace())
            facts.blank = false;
    }
    return facts;
}

grammar::SectionLine section_line(const Text& text, Text& digits)
{
    int start = 0, length = 0;
    const grammar::SectionLine kind =
        text.visit([&](auto view) { return grammar::section_line(view, &start, &length); });
    digits = text.mid(start, length);
    return kind;
}

QString string_of(const Line& line)
{
    return line.own ? *line.own : line.text.to_string();
}

} // namespace

void ConfReader::read(const QByteArray& bytes)
{
    conf.classes = read_classes_section(bytes, Conf::file_codec());
    read_sections(bytes);
}

void ConfReader::read_sections(const QByteArray& bytes)
{
    // Read as a text device reads it: without any carriage return.
    QByteArray data = bytes;
    if (data.contains('\r'))
        data.replace('\r', QByteArray());
    // A byte order mark at the start decides the encoding, as it does for a text stream.
    QTextCodec* codec = QTextCodec::codecForUtfText(data, Conf::file_codec());
    if (codec->mibEnum() == mib_utf8 || codec->mibEnum() == mib_latin1) {
        const bool utf8 = codec->mibEnum() == mib_utf8;
        const int start = utf8 && data.startsWith("\xef\xbb\xbf") ? 3 : 0;
        ByteLines lines(data, utf8 ? codec : nullptr, start, 0);
        scan(lines);
        note_replaced_sections(lines.at(start, 1));
    } else {
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QTextStream stream(&buffer);
        stream.setCodec(codec);
        const QString text = stream.readAll();
        DecodedLines lines(text, 0, 0);
        scan(lines);
        note_replaced_sections(lines);
    }
}

namespace {

// What one line is to the scanner.
enum class Step
{
    skipped,
    subclass_line, // its digits in *digits
    key_line,      // taken by the section
    stop
};

Step take(const Line& line, bool& in_classes, SectionReader& section, Text& digits)
{
    const Facts facts = facts_of(line.text);
    if (facts.blank)
        return Step::skipped;
    // A section line matches as a whole, so it begins with "[".
    if (line.text.unit(0) == '[') {
        const grammar::SectionLine kind = ::section_line(line.text, digits);
        if (kind != grammar::SectionLine::none) {
            in_classes = kind == grammar::SectionLine::classes;
            return in_classes ? Step::skipped : Step::subclass_line;
        }
    }
    if (in_classes)
        return Step::skipped;
    // Split at "=", the line gives a key and a value only when it holds exactly one.
    if (facts.equals_count != 1)
        return Step::stop;
    Text text = line.text;
    if (line.own)
        text.data = reinterpret_cast<const char*>(section.keep(*line.own).data());
    section.add(text.mid(0, facts.equals),
                text.mid(facts.equals + 1, text.length - facts.equals - 1), line.number);
    return Step::key_line;
}

} // namespace

template <typename Lines> void ConfReader::scan(Lines& lines)
{
    bool in_classes = false;
    Line line;
    Text digits;
    int section_start = -1, section_line = 1;
    while (lines.next(line)) {
        if (section_start < 0)
            section_start = line.start;
        switch (take(line, in_classes, pending, digits)) {
        case Step::subclass_line:
            finish_section(section_start, section_line);
            section_start = line.start;
            section_line = line.number;
            pending.begin(digits, line.own);
            break;
        case Step::stop:
            // What follows is lost; the caller learns where, so it can tell the user.
            conf.stopped_line = line.number;
            conf.stopped_text = string_of(line);
            qWarning() << "Read a line without equals:" << conf.stopped_text;
            pending.clear();
            return;
        default:
            break;
        }
    }
    finish_section(section_start, section_line);
}

void ConfReader::finish_section(int start, int line)
{
    if (pending.isEmpty())
        return;
    const Subclass subclass = pending.build(&conf.dropped);
    pending.clear();
    starts.append({subclass.get_number(), start, line, starts.size()});
    conf.subclasses.insert(subclass.get_number(), subclass);
}

template <typename Lines> void ConfReader::note_replaced_sections(const Lines& text)
{
    // A later section with the same number replaced the earlier ones.
    std::sort(starts.begin(), starts.end(), [](const SectionStart& a, const SectionStart& b) {
        return a.number != b.number ? a.number < b.number : a.order < b.order;
    });
    for (int i = 0; i + 1 < starts.size(); ++i) {
        if (starts.at(i).number == starts.at(i + 1).number)
            note_replaced(text.at(starts.at(i).start, starts.at(i).line));
    }
    starts.clear();
    // In line order, so that whoever shows them can show the first few.
    std::stable_sort(conf.dropped.begin(), conf.dropped.end(),
                     [](const DroppedKey& a, const DroppedKey& b) { return a.line < b.line; });
}

template <typename Lines> void ConfReader::note_replaced(Lines lines)
{
    // The section's lines again, up to the next subclass section line, as the scan took them.
    SectionReader section;
    bool in_classes = false, begun = false;
    Line line;
    Text digits;
    while (lines.next(line)) {
        const Step step = take(line, in_classes, section, digits);
        if (step == Step::subclass_line && begun)
            break;
        begun = begun || step != Step::skipped;
    }
    section.add_kept_lines(conf.dropped, DroppedKey::Reason::replaced_section);
}
