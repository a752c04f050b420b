#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

#include <iterator>

// A list of texts kept in one block of memory: each text's length, then its characters, one byte
// each while every character of the list fits in Latin-1, two otherwise. A configuration holds
// tens of thousands of short values, and a string of its own for each would cost several times
// the file; a list costs one allocation and little more than its characters.
// Values are copied in and out: reading an entry gives a new QString of the same text.
class TextList
{
public:
    class Builder;
    class const_iterator;

    TextList() = default;
    static TextList from_list(const QStringList& list);

    int size() const;
    bool isEmpty() const { return block.isEmpty(); }
    // The empty text for an index the list does not hold.
    QString at(int index) const;
    int length_at(int index) const { return entry(index).length; }
    QStringList to_list() const;
    // The entry at index read as QString::toFloat or QString::toInt would read it, without making a
    // string of it; an index the list does not hold reads as the empty text.
    float float_at(int index) const;
    int int_at(int index) const;
    // Every entry read as float_at (int_at) reads it, in order.
    using Floats = QVarLengthArray<float, 24>;
    using Ints = QVarLengthArray<int, 24>;
    Floats floats() const;
    Ints ints() const;
    // Appends the entry at index (nothing for one the list does not hold) to text.
    void append_entry_to(QString& text, int index) const;
    bool entry_equals(int index, const TextList& other, int other_index) const;
    // Hash of one entry's UTF-16 code units: the same text gives the same hash, however stored.
    uint entry_hash(int index) const;
    // Whether any entry holds one of these characters.
    bool holds_any_of(QLatin1String characters) const;

    void append(QStringView text);
    void append_empty(int count);
    // Replaces the entry at index, which the list must hold.
    void set(int index, QStringView text);
    void remove_at(int index);
    void remove_last();

    const_iterator begin() const;
    const_iterator end() const;

    bool operator==(const TextList& other) const;

private:
    // Where one entry's characters start in the block, and how many there are.
    struct Entry
    {
        int offset = 0;
        int length = 0;
    };
    bool wide() const;
    // Where the first entry's length stands in the block.
    int first_entry() const;
    Entry entry(int index) const;
    QString text_of(const Entry& e) const;
    // The entry read by read_float (Number float) or read_int (Number int).
    template <typename Number> Number number_of(const Entry& e) const;
    template <typename Number> QVarLengthArray<Number, 24> numbers() const;
    int unit_at(const Entry& e, int i) const;
    // Adds every entry to builder, the one at index replaced (or left out when replacement is
    // null).
    void copy_into(Builder& builder, int replaced, const QStringView* replacement) const;

    QByteArray block;
};

// Collects texts, by reference, and lays them out in one block; the texts must outlive take().
class TextList::Builder
{
public:
    void add(QLatin1String text) { add_units(text.data(), text.size(), false); }
    void add(QStringView text)
    {
        add_units(reinterpret_cast<const char*>(text.data()), int(text.size()), true);
    }
    // length characters of one byte each, or of two (UTF-16 code units, in any alignment).
    void add_units(const char* data, int length, bool utf16)
    {
        parts.append({data, length, utf16});
    }
    void add_empty(int count);
    int size() const { return parts.size(); }
    TextList take();

private:
    struct Part
    {
        const char* data;
        int length;
        bool utf16;
    };
    QVarLengthArray<Part, 24> parts;
};

class TextList::const_iterator
{
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = QString;
    using difference_type = int;
    using pointer = void;
    using reference = QString;

    // pos: where the entry at index starts in the block.
    const_iterator(const TextList* list, int index, int pos) : list(list), index(index), pos(pos) {}
    QString operator*() const;
    const_iterator& operator++();
    bool operator==(const const_iterator& other) const { return index == other.index; }
    bool operator!=(const const_iterator& other) const { return index != other.index; }

private:
    const TextList* list;
    int index;
    int pos;
};
