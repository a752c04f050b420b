#include "model/grammar.h"

namespace grammar {

const char* const section_line_pattern = "(\\[subclass_\\d+\\])|(\\[classes\\])";
const char* const number_pattern = "\\d+";
const char* const weight_item_pattern = "(?:[^+\\d]|^)(\\d+,\\d+\\.?\\d*)";
const char* const combined_limit_pattern = "(?:\\d+\\+)+\\d+,\\d+\\.?\\d*";

namespace {

template <typename View> QChar char_at(View text, int i)
{
    return QChar(text.at(i));
}

template <typename View> bool is_digit(View text, int i)
{
    return char_at(text, i).isDigit();
}

template <typename View> bool is(View text, int i, char c)
{
    return i < int(text.size()) && char_at(text, i) == QLatin1Char(c);
}

// The end of the run of digits that starts at i (i itself when there is none).
template <typename View> int digits_end(View text, int i)
{
    const int size = int(text.size());
    while (i < size && is_digit(text, i))
        ++i;
    return i;
}

// The end of "\d+\.?\d*" starting at i, or -1.
template <typename View> int weight_end(View text, int i)
{
    const int digits = digits_end(text, i);
    if (digits == i)
        return -1;
    return digits_end(text, is(text, digits, '.') ? digits + 1 : digits);
}

// The end of "\d+,\d+\.?\d*" starting at i, or -1. Runs of digits are taken whole: giving one
// back would leave a digit where the pattern wants "," or "+".
template <typename View> int item_end(View text, int i)
{
    const int number = digits_end(text, i);
    if (number == i || !is(text, number, ','))
        return -1;
    return weight_end(text, number + 1);
}

// Whether text holds latin1 from position from on.
template <typename View> bool holds_at(View text, int from, QLatin1String latin1)
{
    if (int(text.size()) < from + latin1.size())
        return false;
    for (int i = 0; i < latin1.size(); ++i) {
        if (char_at(text, from + i) != QLatin1Char(latin1.at(i)))
            return false;
    }
    return true;
}

} // namespace

template <typename View> SectionLine section_line(View line, int* digits_start, int* digits_length)
{
    const int size = int(line.size());
    const QLatin1String classes("[classes]");
    if (size == classes.size() && holds_at(line, 0, classes))
        return SectionLine::classes;
    const QLatin1String opening("[subclass_");
    if (size < opening.size() + 2 || !holds_at(line, 0, opening) || !is(line, size - 1, ']'))
        return SectionLine::none;
    if (digits_end(line, opening.size()) != size - 1)
        return SectionLine::none;
    if (digits_start)
        *digits_start = opening.size();
    if (digits_length)
        *digits_length = size - 1 - opening.size();
    return SectionLine::subclass;
}

template <typename View> int find_weight_item(View text, int from, int* length)
{
    const int size = int(text.size());
    for (int at = qMax(from, 0); at < size; ++at) {
        int end = -1;
        if (!is_digit(text, at)) {
            // Any character but "+" or a digit may stand before the axle number.
            if (!is(text, at, '+'))
                end = item_end(text, at + 1);
        } else if (at == 0) {
            end = item_end(text, 0);
        }
        if (end >= 0) {
            *length = end - at;
            return at;
        }
    }
    return -1;
}

template <typename View> int find_combined_limit(View text, int from, int* length)
{
    const int size = int(text.size());
    for (int at = qMax(from, 0); at < size;) {
        if (!is_digit(text, at)) {
            ++at;
            continue;
        }
        // The chain of digit runs joined by "+" that starts here; only its last run can be
        // followed by the ",".
        int runs = 0;
        int end = at;
        for (;;) {
            end = digits_end(text, end);
            ++runs;
            if (!is(text, end, '+') || end + 1 >= size || !is_digit(text, end + 1))
                break;
            ++end;
        }
        if (runs >= 2 && is(text, end, ',')) {
            const int weight = weight_end(text, end + 1);
            if (weight >= 0) {
                *length = weight - at;
                return at;
            }
        }
        // A match starting later in the same chain would end the same way.
        at = end;
    }
    return -1;
}

template SectionLine section_line(QLatin1String, int*, int*);
template SectionLine section_line(QStringView, int*, int*);
template int find_weight_item(QLatin1String, int, int*);
template int find_weight_item(QStringView, int, int*);
template int find_combined_limit(QLatin1String, int, int*);
template int find_combined_limit(QStringView, int, int*);

} // namespace grammar
