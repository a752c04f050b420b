#include "model/reals.h"

namespace {

// Powers of ten that a double holds exactly.
const double exact_powers_of_ten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
const int most_digits = 15; // below 2^53, so the digits as a whole number are exact

} // namespace

float as_real(const QString& text)
{
    // Digits, optionally a point and more digits. The digits make a whole number m and the value is
    // m / 10^k with both exact, so the one division rounds correctly, as the full conversion does;
    // the double is then narrowed as QString::toFloat() narrows it.
    const int size = text.size();
    qint64 whole = 0;
    int digits = 0, decimals = 0, i = 0;
    bool point = false;
    for (; i < size; ++i) {
        const ushort c = text.at(i).unicode();
        if (c >= '0' && c <= '9') {
            if (++digits > most_digits)
                break;
            whole = whole * 10 + (c - '0');
            decimals += point;
        } else if (c == '.' && !point && digits > 0 && i + 1 < size) {
            point = true;
        } else {
            break;
        }
    }
    if (i != size || digits == 0)
        return text.toFloat();
    return float(double(whole) / exact_powers_of_ten[decimals]);
}
