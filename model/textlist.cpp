#include "model/textlist.h"

#include "model/numberreading.h"

#include <QtEndian>

#include <cstring>

namespace {

// Block layout: one flag byte (bit 0: two bytes per character; bit 1: indexed), the entry count,
// for an indexed list where each entry starts (four bytes each), then per entry its length in
// characters followed by its characters. Counts and lengths are written seven bits a byte,
// lowest first, the top bit marking that more follow: nearly always a single byte. A list longer
// than any vehicle's is indexed, so that reading every entry of it by index stays linear.
constexpr char wide_flag = 1;
constexpr char indexed_flag = 2;
constexpr int indexed_from = 25;

int varint_size(quint32 value)
{
    int size = 1;
    while (value >= 0x80) {
        value >>= 7;
        ++size;
    }
    return size;
}

char* write_varint(char* out, quint32 value)
{
    while (value >= 0x80) {
        *out++ = char(value | 0x80);
        value >>= 7;
    }
    *out++ = char(value);
    return out;
}

int read_varint(const char* data, int& pos)
{
    quint32 value = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = uchar(data[pos++]);
        value |= quint32(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return int(value);
    }
}

ushort unit_of(const char* data, int i, bool utf16)
{
    return utf16 ? qFromUnaligned<quint16>(data + 2 * i) : uchar(data[i]);
}

} // namespace

void TextList::Builder::add_empty(int count)
{
    for (int i = 0; i < count; ++i)
        add_units(nullptr, 0, false);
}

TextList TextList::Builder::take()
{
    TextList list;
    if (parts.isEmpty())
        return list;
    bool wide = false;
    for (const Part& part : parts) {
        for (int i = 0; part.utf16 && !wide && i < part.length; ++i)
            wide = unit_of(part.data, i, true) > 0xff;
    }
    const int unit = wide ? 2 : 1;
    const bool indexed = parts.size() >= indexed_from;
    int size = 1 + varint_size(quint32(parts.size())) + (indexed ? 4 * parts.size() : 0);
    for (const Part& part : parts)
        size += varint_size(quint32(part.length)) + unit * part.length;

    list.block = QByteArray(size, Qt::Uninitialized);
    char* const start = list.block.data();
    char* out = start;
    *out++ = char((wide ? wide_flag : 0) | (indexed ? indexed_flag : 0));
    out = write_varint(out, quint32(parts.size()));
    char* index = out;
    if (indexed)
        out += 4 * parts.size();
    for (const Part& part : parts) {
        if (indexed) {
            qToUnaligned<quint32>(quint32(out - start), index);
            index += 4;
        }
        out = write_varint(out, quint32(part.length));
        if (part.utf16 == wide) {
            if (part.length > 0)
                std::memcpy(out, part.data, size_t(unit * part.length));
            out += unit * part.length;
        } else if (wide) {
            for (int i = 0; i < part.length; ++i, out += 2)
                qToUnaligned<quint16>(uchar(part.data[i]), out);
        } else {
            for (int i = 0; i < part.length; ++i)
                *out++ = char(unit_of(part.data, i, true));
        }
    }
    parts.clear();
    return list;
}

TextList TextList::from_list(const QStringList& list)
{
    Builder builder;
    for (const QString& text : list)
        builder.add(QStringView(text));
    return builder.take();
}

bool TextList::wide() const
{
    return !block.isEmpty() && (block.at(0) & wide_flag);
}

int TextList::size() const
{
    if (block.isEmpty())
        return 0;
    int pos = 1;
    return read_varint(block.constData(), pos);
}

int TextList::first_entry() const
{
    int pos = 1;
    const int count = read_varint(block.constData(), pos);
    return block.at(0) & indexed_flag ? pos + 4 * count : pos;
}

TextList::Entry TextList::entry(int index) const
{
    if (block.isEmpty() || index < 0)
        return {-1, 0};
    const char* data = block.constData();
    int pos = 1;
    const int count = read_varint(data, pos);
    if (index >= count)
        return {-1, 0};
    if (block.at(0) & indexed_flag) {
        pos = int(qFromUnaligned<quint32>(data + pos + 4 * index));
        const int length = read_varint(data, pos);
        return {pos, length};
    }
    const int unit = wide() ? 2 : 1;
    for (int i = 0;; ++i) {
        const int length = read_varint(data, pos);
        if (i == index)
            return {pos, length};
        pos += unit * length;
    }
}

int TextList::unit_at(const Entry& e, int i) const
{
    return unit_of(block.constData() + e.offset, i, wide());
}

QString TextList::at(int index) const
{
    return text_of(entry(index));
}

QString TextList::text_of(const Entry& e) const
{
    if (e.length == 0)
        return QString();
    const char* data = block.constData() + e.offset;
    if (!wide())
        return QString::fromLatin1(data, e.length);
    QString text(e.length, Qt::Uninitialized);
    std::memcpy(text.data(), data, size_t(2 * e.length));
    return text;
}

void TextList::append_entry_to(QString& text, int index) const
{
    const Entry e = entry(index);
    if (e.length == 0)
        return;
    const char* data = block.constData() + e.offset;
    if (!wide()) {
        text.append(QLatin1String(data, e.length));
        return;
    }
    const int size = text.size();
    text.resize(size + e.length);
    std::memcpy(text.data() + size, data, size_t(2 * e.length));
}

namespace {

template <typename View> float read_as(View text, float)
{
    return read_float(text);
}

template <typename View> int read_as(View text, int)
{
    return read_int(text);
}

} // namespace

template <typename Number> Number TextList::number_of(const Entry& e) const
{
    if (e.length == 0)
        return read_as(QLatin1String(), Number());
    if (!wide())
        return read_as(QLatin1String(block.constData() + e.offset, e.length), Number());
    // A wide entry may stand at any alignment in the block, so it is read from a copy.
    return read_as(QStringView(text_of(e)), Number());
}

float TextList::float_at(int index) const
{
    return number_of<float>(entry(index));
}

int TextList::int_at(int index) const
{
    return number_of<int>(entry(index));
}

template <typename Number> QVarLengthArray<Number, 24> TextList::numbers() const
{
    QVarLengthArray<Number, 24> values;
    if (block.isEmpty())
        return values;
    const char* data = block.constData();
    const bool utf16 = wide();
    const int count = size();
    values.resize(count);
    int pos = first_entry();
    for (int index = 0; index < count; ++index) {
        const int length = read_varint(data, pos);
        if (utf16 || !read_plain(QLatin1String(data + pos, length), values[index]))
            values[index] = number_of<Number>({pos, length});
        pos += (utf16 ? 2 : 1) * length;
    }
    return values;
}

TextList::Floats TextList::floats() const
{
    return numbers<float>();
}

TextList::Ints TextList::ints() const
{
    return numbers<int>();
}

QStringList TextList::to_list() const
{
    QStringList list;
    list.reserve(size());
    for (const QString& text : *this)
        list.append(text);
    return list;
}

bool TextList::entry_equals(int index, const TextList& other, int other_index) const
{
    const Entry a = entry(index);
    const Entry b = other.entry(other_index);
    if (a.length != b.length)
        return false;
    if (wide() == other.wide())
        return std::memcmp(block.constData() + a.offset, other.block.constData() + b.offset,
                           size_t(a.length * (wide() ? 2 : 1))) == 0;
    for (int i = 0; i < a.length; ++i) {
        if (unit_at(a, i) != other.unit_at(b, i))
            return false;
    }
    return true;
}

uint TextList::entry_hash(int index) const
{
    const Entry e = entry(index);
    uint hash = uint(e.length);
    for (int i = 0; i < e.length; ++i)
        hash = hash * 31u + uint(unit_at(e, i));
    return hash;
}

bool TextList::holds_any_of(QLatin1String characters) const
{
    if (block.isEmpty())
        return false;
    const char* data = block.constData();
    const bool utf16 = wide();
    const int count = size();
    int pos = first_entry();
    for (int index = 0; index < count; ++index) {
        const int length = read_varint(data, pos);
        for (int i = 0; i < length; ++i) {
            const ushort u = unit_of(data + pos, i, utf16);
            if (u < 0x100 && std::memchr(characters.data(), u, size_t(characters.size())))
                return true;
        }
        pos += (utf16 ? 2 : 1) * length;
    }
    return false;
}

// Every change lays the list out anew: lists are short, and changes come one keystroke at a time.
void TextList::copy_into(Builder& builder, int replaced, const QStringView* replacement) const
{
    if (block.isEmpty())
        return;
    const char* data = block.constData();
    const bool utf16 = wide();
    const int count = size();
    int pos = first_entry();
    for (int i = 0; i < count; ++i) {
        const int length = read_varint(data, pos);
        if (i != replaced)
            builder.add_units(data + pos, length, utf16);
        else if (replacement)
            builder.add(*replacement);
        pos += (utf16 ? 2 : 1) * length;
    }
}

void TextList::append(QStringView text)
{
    Builder builder;
    copy_into(builder, -1, nullptr);
    builder.add(text);
    *this = builder.take();
}

void TextList::append_empty(int count)
{
    if (count <= 0)
        return;
    Builder builder;
    copy_into(builder, -1, nullptr);
    builder.add_empty(count);
    *this = builder.take();
}

void TextList::set(int index, QStringView text)
{
    Builder builder;
    copy_into(builder, index, &text);
    *this = builder.take();
}

void TextList::remove_at(int index)
{
    Builder builder;
    copy_into(builder, index, nullptr);
    *this = builder.take();
}

void TextList::remove_last()
{
    remove_at(size() - 1);
}

TextList::const_iterator TextList::begin() const
{
    return const_iterator(this, 0, block.isEmpty() ? 0 : first_entry());
}

TextList::const_iterator TextList::end() const
{
    return const_iterator(this, size(), 0);
}

QString TextList::const_iterator::operator*() const
{
    int offset = pos;
    const int length = read_varint(list->block.constData(), offset);
    return list->text_of({offset, length});
}

TextList::const_iterator& TextList::const_iterator::operator++()
{
    const int length = read_varint(list->block.constData(), pos);
    pos += (list->wide() ? 2 : 1) * length;
    ++index;
    return *this;
}

bool TextList::operator==(const TextList& other) const
{
    // The layout is the same for the same texts: narrow exactly when every character fits.
    return block == other.block;
}
