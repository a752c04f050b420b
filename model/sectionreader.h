#pragma once

#include "model/droppedkey.h"
#include "model/sectionkeys.h"
#include "model/subclass.h"
#include "model/textlist.h"

#include <QLatin1String>
#include <QStringView>
#include <QVarLengthArray>
#include <QVector>

#include <cstring>

// The key lines of one section as they are read, and the subclass record built from them: what
// both the file reader and Subclass::from_section do with a section. Later lines with the same
// key replace earlier ones; the lines whose values the record does not keep are noted.
class SectionReader
{
public:
    // A key or value where it stands: one byte per character (Latin-1) or UTF-16 code units.
    struct Text
    {
        const char* data = nullptr;
        int length = 0;
        bool utf16 = false;

        static Text of(QLatin1String text) { return {text.data(), text.size(), false}; }
        static Text of(QStringView text)
        {
            return {reinterpret_cast<const char*>(text.data()), int(text.size()), true};
        }
        QString to_string() const;
        // The UTF-16 code unit of character i.
        ushort unit(int i) const
        {
            if (!utf16)
                return uchar(data[i]);
            ushort u;
            std::memcpy(&u, data + 2 * i, sizeof u);
            return u;
        }
        Text mid(int from, int count) const
        {
            return {data + (utf16 ? 2 : 1) * from, count, utf16};
        }
        // Calls visitor with the text as QLatin1String or as QStringView.
        template <typename Visit> auto visit(Visit visitor) const
        {
            return utf16 ? visitor(QStringView(reinterpret_cast<const QChar*>(data), length))
                         : visitor(QLatin1String(data, length));
        }
    };

    // A section line: its digits name the subclass unless a "subclass" key says otherwise. They
    // may point into the line's own string, which the section then keeps.
    void begin(Text number, const QString* own);
    // Whether nothing was taken since the last build: no section line and no key line.
    bool isEmpty() const { return !started && lines == 0; }
    // Takes one key line. The texts must stay valid until the section is built or cleared.
    void add(Text key, Text value, int line);
    // Keeps a line's own string for as long as the section's texts may point into it.
    const QString& keep(const QString& text);

    // The record. Lines whose values it does not keep are added to dropped, if given.
    Subclass build(QVector<DroppedKey>* dropped) const;
    // The lines whose values the record keeps, with the given reason: for a section that a
    // later one replaces.
    void add_kept_lines(QVector<DroppedKey>& out, DroppedKey::Reason reason) const;
    void clear();

private:
    struct Value
    {
        Text text;
        int line = 0; // 0: not set by a key line
        bool set = false;
    };
    struct Constraint
    {
        Text key;
        Text value;
        int line = 0;
    };
    // The key's place in section_keys, or -1.
    static int field_of(Text key);
    // The constraint keys in ascending key order, each once with its last value, and what that
    // order leaves out.
    QVarLengthArray<Constraint, 8> sorted_constraints(QVector<DroppedKey>* dropped) const;

    Value values[section_keys::count];
    QVarLengthArray<Constraint, 8> constraints;
    QVarLengthArray<DroppedKey, 2> unknown;
    QVarLengthArray<DroppedKey, 2> repeated;
    QVector<QString> kept_strings;
    bool started = false;
    int lines = 0;
};
