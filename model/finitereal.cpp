#include "model/finitereal.h"

#include "model/numberreading.h"

#include <QtNumeric>

bool is_finite_real(const QString& text)
{
    return qIsFinite(read_float(text));
}

bool are_numbers_finite(const QString& text)
{
    // Thirty-eight characters of digits stay below the largest single-precision real, so only
    // longer runs need reading.
    constexpr int longest_always_finite = 38;
    const int length = text.size();
    for (int start = 0; start < length;) {
        int end = start;
        while (end < length &&
               ((text.at(end) >= QLatin1Char('0') && text.at(end) <= QLatin1Char('9')) ||
                text.at(end) == QLatin1Char('.')))
            ++end;
        if (end - start > longest_always_finite && !is_finite_real(text.mid(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}
