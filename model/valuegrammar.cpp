#include "model/valuegrammar.h"

#include "model/numberreading.h"

#include <QLatin1String>

#include <cstring>

namespace grammar {

const char* const combined_distance_constraint_pattern =
    "(?:\\d+\\+)*\\d+:\\d+(?:\\.\\d+)?,\\d+(?:\\.\\d+)?";
const char* const combined_weight_constraint_pattern =
    "(?:\\d+\\+)*\\d+:\\d+(?:\\.\\d+)?,\\d+;\\d+(?:\\.\\d+)?,\\d+";
const char* const total_distance_pattern = "\\d+(?:\\.\\d+)?,\\d+(?:\\.\\d+)?";
const char* const total_weight_pattern = "\\d+(?:\\.\\d+)?,\\d+;\\d+(?:\\.\\d+)?,\\d+";
const char* const axle_configuration_pattern = "[ABCHLMV]\\d+(?:[DTS]\\d+)*";

namespace {

// Walks a text part by part of a pattern; each part taken moves past what it matched. No part of
// these patterns can give back a character to the next one (digits are followed by a separator
// that is no digit, and no separator comes twice in a row), so taking each part greedily finds the
// whole match whenever there is one.
class Parts
{
public:
    explicit Parts(QStringView text) : text(text), size(int(text.size())) {}

    bool end() const { return pos == size; }
    // \d+
    bool digits()
    {
        const int start = pos;
        while (pos < size && text.at(pos).isDigit())
            ++pos;
        return pos > start;
    }
    bool one(char c)
    {
        if (pos == size || text.at(pos) != QLatin1Char(c))
            return false;
        ++pos;
        return true;
    }
    bool one_of(const char* characters)
    {
        if (pos == size || text.at(pos).unicode() == 0 || text.at(pos).unicode() > 0x7f ||
            !std::strchr(characters, char(text.at(pos).unicode())))
            return false;
        ++pos;
        return true;
    }
    // \d+(?:\.\d+)? where no "." can follow: a "." without digits after it fails the whole match.
    bool decimal() { return digits() && (!one('.') || digits()); }
    // \d+,\d+ of a combined weight constraint or total, with the decimal before the comma.
    bool weight_pair() { return decimal() && one(',') && digits(); }
    // (?:\d+\+)*\d+: how many runs of digits the chain holds, 0 when it breaks off after a "+".
    int chain()
    {
        int runs = 0;
        do {
            if (!digits())
                return 0;
            ++runs;
        } while (one('+'));
        return runs;
    }
    int position() const { return pos; }

private:
    QStringView text;
    int size;
    int pos = 0;
};

} // namespace

bool is_combined_weight_limit(QStringView text)
{
    Parts parts(text);
    if (parts.chain() < 2 || !parts.one(',') || !parts.digits())
        return false;
    parts.one('.');
    parts.digits();
    return parts.end();
}

bool is_combined_distance_constraint(QStringView text)
{
    Parts parts(text);
    return parts.chain() > 0 && parts.one(':') && parts.decimal() && parts.one(',') &&
           parts.decimal() && parts.end();
}

bool is_combined_weight_constraint(QStringView text)
{
    Parts parts(text);
    return parts.chain() > 0 && parts.one(':') && parts.weight_pair() && parts.one(';') &&
           parts.weight_pair() && parts.end();
}

bool is_total_distance(QStringView text)
{
    Parts parts(text);
    return parts.decimal() && parts.one(',') && parts.decimal() && parts.end();
}

bool is_total_weight(QStringView text)
{
    Parts parts(text);
    return parts.weight_pair() && parts.one(';') && parts.weight_pair() && parts.end();
}

bool is_axle_configuration(QStringView text, qint64* axles)
{
    Parts parts(text);
    if (!parts.one_of("ABCHLMV"))
        return false;
    qint64 sum = 0;
    for (;;) {
        const int start = parts.position();
        if (!parts.digits())
            return false;
        sum += read_uint(text.mid(start, parts.position() - start));
        if (parts.end())
            break;
        if (!parts.one_of("DTS"))
            return false;
    }
    *axles = sum;
    return true;
}

} // namespace grammar
