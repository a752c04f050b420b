// Building a subclass from the key lines of one section.
#include "model/sectionreader.h"

#include "model/grammar.h"
#include "model/numberreading.h"

#include <QDebug>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

using Text = SectionReader::Text;

// Plain comparison of UTF-16 code units, as QString compares.
int compare(const Text& a, const Text& b)
{
    const int common = std::min(a.length, b.length);
    for (int i = 0; i < common; ++i) {
        const ushort x = a.unit(i), y = b.unit(i);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.length == b.length ? 0 : (a.length < b.length ? -1 : 1);
}

bool equals(const Text& text, QLatin1String latin1)
{
    if (text.length != latin1.size())
        return false;
    if (!text.utf16)
        return std::memcmp(text.data, latin1.data(), size_t(text.length)) == 0;
    for (int i = 0; i < text.length; ++i) {
        if (text.unit(i) != uchar(latin1.data()[i]))
            return false;
    }
    return true;
}

bool starts_with(const Text& text, QLatin1String prefix)
{
    return text.length >= prefix.size() &&
           equals(Text{text.data, prefix.size(), text.utf16}, prefix);
}

void add_to(TextList::Builder& builder, const Text& text)
{
    builder.add_units(text.data, text.length, text.utf16);
}

// The parts between commas, empty ones included, as QString::split keeps them.
int split_into(TextList::Builder& builder, const Text& text)
{
    int start = 0, parts = 0;
    for (int i = 0; i <= text.length; ++i) {
        if (i == text.length || text.unit(i) == ',') {
            add_to(builder, text.mid(start, i - start));
            start = i + 1;
            ++parts;
        }
    }
    return parts;
}

quint32 to_uint(const Text& text)
{
    return text.visit([](auto view) { return read_uint(view); });
}

int to_int(const Text& text)
{
    return text.visit([](auto view) { return read_int(view); });
}

} // namespace

QString SectionReader::Text::to_string() const
{
    return utf16 ? QString(reinterpret_cast<const QChar*>(data), length)
                 : QString::fromLatin1(data, length);
}

int SectionReader::field_of(Text key)
{
    // The fields by the length of their keys, so that a key is compared with one or two.
    struct ByLength
    {
        qint8 first[28];
        qint8 next[section_keys::count];
        ByLength()
        {
            std::fill(std::begin(first), std::end(first), -1);
            for (int field = section_keys::count - 1; field >= 0; --field) {
                const int length = section_keys::text(field).size();
                next[field] = first[length];
                first[length] = qint8(field);
            }
        }
    };
    static const ByLength by_length;
    if (key.length >= int(std::size(by_length.first)))
        return -1;
    for (int field = by_length.first[key.length]; field >= 0; field = by_length.next[field]) {
        const QString& known = section_keys::text(field);
        int i = 0;
        while (i < key.length && key.unit(i) == known.at(i).unicode())
            ++i;
        if (i == key.length)
            return field;
    }
    return -1;
}

void SectionReader::begin(Text number, const QString* own)
{
    using section_keys::subclass;
    clear();
    if (own)
        number.data = reinterpret_cast<const char*>(keep(*own).data()) +
                      (number.data - reinterpret_cast<const char*>(own->data()));
    started = true;
    values[subclass].text = number;
    values[subclass].set = true;
}

void SectionReader::add(Text key, Text value, int line)
{
    ++lines;
    const int field = field_of(key);
    if (field >= 0) {
        Value& v = values[field];
        if (v.line > 0)
            repeated.append({v.line, section_keys::text(field), DroppedKey::Reason::repeated_key});
        v = {value, line, true};
    }
    if (starts_with(key, QLatin1String("adsl_")) || starts_with(key, QLatin1String("awsl_")))
        constraints.append({key, value, line});
    else if (field < 0)
        unknown.append({line, key.to_string(), DroppedKey::Reason::unknown_key});
}

const QString& SectionReader::keep(const QString& text)
{
    kept_strings.append(text);
    return kept_strings.last();
}

void SectionReader::clear()
{
    for (Value& v : values)
        v = Value();
    constraints.clear();
    unknown.clear();
    repeated.clear();
    kept_strings.clear();
    started = false;
    lines = 0;
}

QVarLengthArray<SectionReader::Constraint, 8>
SectionReader::sorted_constraints(QVector<DroppedKey>* dropped) const
{
    QVarLengthArray<Constraint, 8> sorted = constraints;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Constraint& a, const Constraint& b) {
        return compare(a.key, b.key) < 0;
    });
    QVarLengthArray<Constraint, 8> unique;
    for (int i = 0; i < sorted.size(); ++i) {
        if (i + 1 < sorted.size() && compare(sorted[i].key, sorted[i + 1].key) == 0) {
            // The exact total keys are fields, whose repetition is noted with the fields.
            if (dropped && field_of(sorted[i].key) < 0)
                dropped->append(
                    {sorted[i].line, sorted[i].key.to_string(), DroppedKey::Reason::repeated_key});
            continue;
        }
        unique.append(sorted[i]);
    }
    return unique;
}

namespace {

// A key of the adsl_ or awsl_ family names the total when the text after its last "_" is "0".
bool is_total(const Text& key)
{
    int last = key.length - 1;
    while (last >= 0 && key.unit(last) != '_')
        --last;
    return last == key.length - 2 && key.unit(key.length - 1) == '0';
}

} // namespace

Subclass SectionReader::build(QVector<DroppedKey>* dropped) const
{
    using namespace section_keys;
    if (dropped) {
        for (const DroppedKey& d : unknown)
            dropped->append(d);
        for (const DroppedKey& d : repeated)
            dropped->append(d);
    }
    const QVarLengthArray<Constraint, 8> keys = sorted_constraints(dropped);
    bool adsl_total = false, awsl_total = false;
    for (const Constraint& c : keys) {
        if (!is_total(c.key))
            continue;
        const bool adsl = starts_with(c.key, QLatin1String("adsl_"));
        (adsl ? adsl_total : awsl_total) = true;
        // Only the key that is exactly adsl_0 or awsl_0 gives the total its value.
        if (dropped && field_of(c.key) < 0)
            dropped->append({c.line, c.key.to_string(), DroppedKey::Reason::unknown_key});
    }

    Subclass s;
    s.number = to_uint(values[subclass].text);

    // The lists, and their warnings, in this order.
    TextList::Builder mins, maxs, tyre_list, weight_list, limits;
    const Text& min_text = values[min_distances].text;
    const Text& max_text = values[max_distances].text;
    if (min_text.length > 0 && max_text.length > 0) {
        if (split_into(mins, min_text) != split_into(maxs, max_text))
            qWarning() << "Mins and maxs have a different number of elements!";
    }
    if (values[tyres].text.length > 0)
        split_into(tyre_list, values[tyres].text);
    values[weights].text.visit([&](auto view) {
        Subclass::parse_weights(view, s.number, weight_list, limits);
        return 0;
    });
    // Padded to the axle count after the lists are filled, as set_number_of_axles pads them.
    const int n = std::min(to_int(values[number_of_axles].text), Subclass::max_axles);
    for (int size = mins.size(), other = maxs.size(); n > size; ++size, ++other) {
        if (size != other)
            qWarning() << "set_number_of_axles-axles:" << size << "!=" << other;
        mins.add_empty(1);
        maxs.add_empty(1);
    }
    for (int size = weight_list.size(), other = tyre_list.size(); n >= size; ++size, ++other) {
        if (size != other)
            qWarning() << "set_number_of_axles-weight/tyre:" << size << "!=" << other;
        weight_list.add_empty(1);
        tyre_list.add_empty(1);
    }
    s.min_distances = mins.take();
    s.max_distances = maxs.take();
    s.tyre_types = tyre_list.take();
    s.max_axle_weights = weight_list.take();
    s.combined_weight_limits = limits.take();

    // Every scalar key is held, empty where the section lacks it; the totals only when a key
    // names them.
    // Stored in upper case; plain ASCII needs no string of its own for that.
    const Text& shape = values[axle_configuration].text;
    QVarLengthArray<char, 32> upper;
    QString configuration;
    Text configuration_text;
    if (!shape.utf16 && std::all_of(shape.data, shape.data + shape.length,
                                    [](char c) { return uchar(c) < 0x80; })) {
        for (int i = 0; i < shape.length; ++i)
            upper.append(shape.data[i] >= 'a' && shape.data[i] <= 'z' ? char(shape.data[i] - 32)
                                                                      : shape.data[i]);
        configuration_text = {upper.constData(), shape.length, false};
    } else {
        configuration = shape.to_string().toUpper();
        configuration_text = Text::of(QStringView(configuration));
    }
    TextList::Builder scalars;
    const auto hold = [&](Subclass::Scalar slot, const Text& text) {
        add_to(scalars, text);
        s.present |= quint16(1u << slot);
    };
    const Text nothing;
    adsl_total ? hold(Subclass::adsl_0_key, values[adsl_0].text) : add_to(scalars, nothing);
    hold(Subclass::alias_key, values[alias].text);
    hold(Subclass::append_key, values[append].text);
    awsl_total ? hold(Subclass::awsl_0_key, values[awsl_0].text) : add_to(scalars, nothing);
    hold(Subclass::axle_configuration_key, configuration_text);
    hold(Subclass::category_key, values[category].text);
    hold(Subclass::lower_GVW_key, values[lower_GVW].text);
    hold(Subclass::max_GVW_key, values[max_GVW].text);
    hold(Subclass::number_of_axles_key, values[number_of_axles].text);
    hold(Subclass::override_class_key, values[override_class].text);
    hold(Subclass::override_groups_key, values[override_groups].text);
    hold(Subclass::prepend_key, values[prepend].text);
    hold(Subclass::reclassify_down_key, values[reclassify_down].text);
    hold(Subclass::reclassify_up_key, values[reclassify_up].text);
    hold(Subclass::upper_GVW_key, values[upper_GVW].text);
    s.scalars = scalars.take();

    // In key order, so adsl_10 comes before adsl_2; the writer numbers them again from 1.
    TextList::Builder distance_constraints, weight_constraints;
    for (const Constraint& c : keys) {
        if (!is_total(c.key))
            add_to(starts_with(c.key, QLatin1String("adsl_")) ? distance_constraints
                                                              : weight_constraints,
                   c.value);
    }
    s.combined_distance_constraints = distance_constraints.take();
    s.combined_weight_constraints = weight_constraints.take();
    return s;
}

void SectionReader::add_kept_lines(QVector<DroppedKey>& out, DroppedKey::Reason reason) const
{
    QVector<DroppedKey> left_out;
    const QVarLengthArray<Constraint, 8> keys = sorted_constraints(&left_out);
    for (int field = 0; field < section_keys::count; ++field) {
        if (values[field].line > 0)
            out.append({values[field].line, section_keys::text(field), reason});
    }
    for (const Constraint& c : keys) {
        if (field_of(c.key) < 0 && !is_total(c.key))
            out.append({c.line, c.key.to_string(), reason});
    }
}

Subclass Subclass::from_section(const Section& section)
{
    SectionReader reader;
    int line = 0;
    for (auto it = section.cbegin(); it != section.cend(); ++it)
        reader.add(SectionReader::Text::of(QStringView(it.key())),
                   SectionReader::Text::of(QStringView(it.value())), ++line);
    return reader.build(nullptr);
}
