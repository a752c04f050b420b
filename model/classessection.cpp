// Reading the [classes] section by the INI settings reader's rules. Those rules, as far as this
// section needs them: a line may continue past a line end inside double quotes or after a
// backslash; ";" at the start of a line makes it a comment, and elsewhere outside quotes ends
// the line; a line starting with "[" opens a section, named by what stands before the first "]"
// on the line, trimmed, with %XX escapes decoded; all sections of one name make one; within it,
// each line with an "=" outside quotes is a key, the key's escapes decoded ("\" meaning "/",
// which puts the key into a subgroup), and a value that may be quoted, hold C escapes, and be a
// list of items separated by commas; a later key replaces an earlier.
#include "model/classessection.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTextCodec>
#include <QVariant>

#include <cstring>

namespace {

// What each byte is to the line reader, looked up once per byte.
enum Traits : uchar
{
    space = 1,
    special = 2
};

struct TraitTable
{
    uchar traits[256] = {};
    constexpr TraitTable()
    {
        for (const char c : {' ', '\t'})
            traits[uchar(c)] = space;
        for (const char c : {'\n', '\r'})
            traits[uchar(c)] = space | special;
        for (const char c : {'"', ';', '=', '\\'})
            traits[uchar(c)] = special;
    }
};

constexpr TraitTable trait_table;

bool is_space(char c)
{
    return trait_table.traits[uchar(c)] & space;
}

bool is_special(char c)
{
    return trait_table.traits[uchar(c)] & special;
}

struct IniLine
{
    int start = 0;
    int length = 0;
    int equals = -1; // the first "=" outside quotes, or -1
};

// The next line from pos on; false at the end of the data.
bool next_line(const QByteArray& data, int& pos, IniLine& line)
{
    const int size = data.size();
    const char* d = data.constData();
    bool quoted = false;
    line.equals = -1;
    int start = pos;
    while (start < size && is_space(d[start]))
        ++start;
    int i = start;
    while (i < size) {
        if (!is_special(d[i])) {
            ++i;
            continue;
        }
        const char c = d[i++];
        if (c == '=') {
            if (!quoted && line.equals < 0)
                line.equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start; // a line end before anything else on the line
            } else if (!quoted) {
                --i;
                break;
            }
        } else if (c == '\\') {
            // The next character is taken as it is; a line end there may be two characters.
            if (i < size) {
                const char next = d[i++];
                if (i < size && ((next == '\n' && d[i] == '\r') || (next == '\r' && d[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            quoted = !quoted;
        } else if (i == start + 1) { // ";" starting the line: a comment
            while (i < size && d[i] != '\n' && d[i] != '\r')
                ++i;
            while (i < size && is_space(d[i]))
                ++i;
            start = i;
        } else if (!quoted) { // ";" later on the line ends it
            --i;
            break;
        }
    }
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

// A key or section name: "\" stands for "/", %XX and %UXXXX for the character with that code.
QString unescaped_key(const QByteArray& data, int from, int to)
{
    QString result;
    result.reserve(to - from);
    for (int i = from; i < to;) {
        const char c = data.at(i);
        if (c == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != '%' || i == to - 1) {
            result += QLatin1Char(c);
            ++i;
            continue;
        }
        const int digits = data.at(i + 1) == 'U' ? 4 : 2;
        const int first = digits == 4 ? i + 2 : i + 1;
        bool ok = false;
        const int code = first + digits <= to ? data.mid(first, digits).toInt(&ok, 16) : 0;
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar(ushort(code));
        i = first + digits;
    }
    return result;
}

void chop_trailing_blanks(QString& text, int limit)
{
    int n = text.size();
    while (n > limit && (text.at(n - 1) == QLatin1Char(' ') || text.at(n - 1) == QLatin1Char('\t')))
        --n;
    text.truncate(n);
}

bool is_hex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hex_value(char c)
{
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

// A value: quotes removed, escapes decoded, runs of other bytes decoded by the codec one run at a
// time. Returns whether the value is a list (a comma outside quotes), with its items in list.
bool unescaped_value(const QByteArray& data, int from, int to, QTextCodec* codec, QString& text,
                     QStringList& list)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                      {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                      {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    bool is_list = false;
    bool in_quotes = false;
    bool item_quoted = false;
    int i = from;
    const auto skip_blanks = [&] {
        while (i < to && (data.at(i) == ' ' || data.at(i) == '\t'))
            ++i;
    };
    skip_blanks();
    int chop_limit = text.size();
    // A backslash that ends the value ends it there, trailing blanks and all.
    bool chop = true;
    while (i < to) {
        const char c = data.at(i);
        if (c == '\\') {
            if (++i >= to) {
                chop = false;
                break;
            }
            const char e = data.at(i++);
            bool simple = false;
            for (const auto& pair : escapes) {
                if (e == pair[0]) {
                    text += QLatin1Char(pair[1]);
                    simple = true;
                    break;
                }
            }
            if (simple) {
                chop_limit = text.size();
                continue;
            }
            if (e == 'x' || (e >= '0' && e <= '7')) {
                // \x followed by hex digits, or octal digits: as many as follow.
                const bool hex = e == 'x';
                if (hex && (i >= to || !is_hex(data.at(i)))) {
                    chop_limit = text.size();
                    continue; // "\x" without digits stands for nothing
                }
                uint code = hex ? 0 : uint(e - '0');
                while (i < to &&
                       (hex ? is_hex(data.at(i)) : data.at(i) >= '0' && data.at(i) <= '7'))
                    code = hex ? code * 16 + uint(hex_value(data.at(i++)))
                               : code * 8 + uint(data.at(i++) - '0');
                text += QChar(ushort(code));
                chop_limit = text.size();
                continue;
            }
            if ((e == '\n' || e == '\r') && i < to) {
                const char next = data.at(i);
                if ((next == '\n' || next == '\r') && next != e)
                    ++i;
            }
            chop_limit = text.size();
            continue;
        }
        if (c == '"') {
            ++i;
            item_quoted = true;
            in_quotes = !in_quotes;
            if (!in_quotes) {
                skip_blanks();
                chop_limit = text.size();
            }
            continue;
        }
        if (c == ',' && !in_quotes) {
            if (!item_quoted)
                chop_trailing_blanks(text, chop_limit);
            if (!is_list) {
                is_list = true;
                list.clear();
            }
            list.append(text);
            text.clear();
            item_quoted = false;
            ++i;
            skip_blanks();
            chop_limit = 0;
            continue;
        }
        int j = i + 1;
        while (j < to && data.at(j) != '\\' && data.at(j) != '"' && data.at(j) != ',')
            ++j;
        text += codec ? codec->toUnicode(data.constData() + i, j - i)
                      : QString::fromLatin1(data.constData() + i, j - i);
        i = j;
    }
    if (chop && !item_quoted)
        chop_trailing_blanks(text, chop_limit);
    if (is_list)
        list.append(text);
    return is_list;
}

// "@Rect(1 2 3 4)": the items between the parenthesis and the end, split at blanks.
QStringList arguments_of(const QString& text, int open)
{
    QStringList arguments;
    QString item;
    for (int i = open + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(')')) {
            arguments.append(item);
        } else if (c == QLatin1Char(' ')) {
            arguments.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return arguments;
}

// A value starting with "@" may stand for another type. A binary one (@Variant, @DateTime) is kept
// as the text it is: decoding it would trust counts and sizes written in the file, and a
// configuration header never holds one.
QVariant variant_of(const QString& text, bool& binary)
{
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text.endsWith(QLatin1Char(')'))) {
        if (text.startsWith(QLatin1String("@ByteArray(")))
            return QVariant(text.midRef(11, text.size() - 12).toLatin1());
        if (text.startsWith(QLatin1String("@String(")))
            return QVariant(text.mid(8, text.size() - 9));
        if (text.startsWith(QLatin1String("@Variant(")) ||
            text.startsWith(QLatin1String("@DateTime("))) {
            binary = true;
            return text;
        }
        if (text.startsWith(QLatin1String("@Rect("))) {
            const QStringList a = arguments_of(text, 5);
            if (a.size() == 4)
                return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
        } else if (text.startsWith(QLatin1String("@Size("))) {
            const QStringList a = arguments_of(text, 5);
            if (a.size() == 2)
                return QSize(a[0].toInt(), a[1].toInt());
        } else if (text.startsWith(QLatin1String("@Point("))) {
            const QStringList a = arguments_of(text, 6);
            if (a.size() == 2)
                return QPoint(a[0].toInt(), a[1].toInt());
        } else if (text == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    return text;
}

QVariant variant_of(const QStringList& items, bool& binary)
{
    QStringList texts = items;
    for (QString& text : texts) {
        if (!text.startsWith(QLatin1Char('@')))
            continue;
        if (text.size() >= 2 && text.at(1) == QLatin1Char('@')) {
            text.remove(0, 1);
            continue;
        }
        // One item of another type makes every item a variant of its own.
        QVariantList variants;
        for (const QString& item : items)
            variants.append(variant_of(item, binary));
        return variants;
    }
    return texts;
}

bool is_classes_section(const QByteArray& data, const IniLine& line)
{
    // The name ends at the first "]" on the line, or with the line.
    const char* start = data.constData() + line.start;
    const auto* bracket = static_cast<const char*>(std::memchr(start, ']', size_t(line.length)));
    const QByteArray name =
        data.mid(line.start + 1, bracket ? int(bracket - start) - 1 : line.length - 1).trimmed();
    return unescaped_key(name, 0, name.size()) == QLatin1String("classes");
}

} // namespace

QMap<QString, QString> read_classes_section(const QByteArray& data, QTextCodec* codec,
                                            bool* binary_kept)
{
    bool binary = false;
    // The bytes of every section named "classes", one after the other, joined by line ends.
    QByteArray section;
    bool in_classes = false;
    int section_start = 0;
    int pos = data.startsWith("\xef\xbb\xbf") ? 3 : 0;
    IniLine line;
    const auto flush = [&](int end) {
        if (!in_classes)
            return;
        if (!section.isEmpty())
            section += '\n';
        section += data.mid(section_start, end - section_start);
    };
    while (next_line(data, pos, line)) {
        if (data.at(line.start) != '[')
            continue;
        flush(line.start);
        in_classes = is_classes_section(data, line);
        section_start = pos;
    }
    flush(data.size());

    QMap<QString, QVariant> values;
    pos = 0;
    while (next_line(section, pos, line)) {
        if (line.equals < 0)
            continue;
        int key_end = line.equals;
        while (key_end > line.start &&
               (section.at(key_end - 1) == ' ' || section.at(key_end - 1) == '\t'))
            --key_end;
        const QString key = unescaped_key(section, line.start, key_end);
        QString text;
        QStringList list;
        const bool is_list =
            unescaped_value(section, line.equals + 1, line.start + line.length, codec, text, list);
        values.insert(key, is_list ? variant_of(list, binary) : variant_of(text, binary));
    }
    if (binary_kept)
        *binary_kept = binary;

    QMap<QString, QString> header;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        // A key with "/" belongs to a subgroup; the header holds only the group's own keys. The
        // INI reader lists an empty key but gives no value for it.
        if (!it.key().contains(QLatin1Char('/')))
            header.insert(it.key(), it.key().isEmpty() ? QString() : it.value().toString());
    }
    return header;
}
