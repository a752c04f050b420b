#include "model/grammar.h"

namespace {

// Reads a text from the start. Every element of these grammars ends where a character of
// another class begins, so taking as much as each element can is the only way to match.
class Cursor
{
public:
    explicit Cursor(const QString& text) : text(text) {}

    bool at_end() const { return pos == text.size(); }

    // \d+
    bool digits()
    {
        const int start = pos;
        while (pos < text.size() && text.at(pos).isDigit())
            ++pos;
        return pos > start;
    }

    bool literal(char c)
    {
        if (pos < text.size() && text.at(pos) == QLatin1Char(c)) {
            ++pos;
            return true;
        }
        return false;
    }

    bool one_of(const char* set)
    {
        if (pos >= text.size())
            return false;
        for (const char* c = set; *c; ++c) {
            if (text.at(pos) == QLatin1Char(*c)) {
                ++pos;
                return true;
            }
        }
        return false;
    }

    // \d+(?:\.\d+)?
    bool real()
    {
        if (!digits())
            return false;
        if (pos + 1 < text.size() && text.at(pos) == QLatin1Char('.') &&
            text.at(pos + 1).isDigit()) {
            ++pos;
            digits();
        }
        return true;
    }

    // (?:\d+\+)*\d+ with at least the given number of "+"
    bool axles(int least_joins)
    {
        int joins = -1;
        do {
            if (!digits())
                return false;
            ++joins;
        } while (literal('+'));
        return joins >= least_joins;
    }

    // \d+(?:\.\d+)?,\d+ (a weight and a class number)
    bool weight_and_class() { return real() && literal(',') && digits(); }

private:
    const QString& text;
    int pos = 0;
};

} // namespace

namespace grammar {

bool is_axle_configuration(const QString& text)
{
    Cursor c(text);
    if (!c.one_of("ABCHLMV") || !c.digits())
        return false;
    while (!c.at_end()) {
        if (!c.one_of("DTS") || !c.digits())
            return false;
    }
    return true;
}

bool is_combined_weight_limit(const QString& text)
{
    Cursor c(text);
    if (!c.axles(1) || !c.literal(',') || !c.digits())
        return false;
    c.literal('.');
    c.digits();
    return c.at_end();
}

bool is_combined_distance_constraint(const QString& text)
{
    Cursor c(text);
    return c.axles(0) && c.literal(':') && c.real() && c.literal(',') && c.real() && c.at_end();
}

bool is_combined_weight_constraint(const QString& text)
{
    Cursor c(text);
    return c.axles(0) && c.literal(':') && c.weight_and_class() && c.literal(';') &&
           c.weight_and_class() && c.at_end();
}

bool is_total_distance(const QString& text)
{
    Cursor c(text);
    return c.real() && c.literal(',') && c.real() && c.at_end();
}

bool is_total_weight(const QString& text)
{
    Cursor c(text);
    return c.weight_and_class() && c.literal(';') && c.weight_and_class() && c.at_end();
}

} // namespace grammar
