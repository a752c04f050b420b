#include "model/numberreading.h"

#include <QString>

namespace {

// Every power of ten up to 1e22 is exact in a double.
constexpr double powers_of_ten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int most_decimals = 22;
// Any mantissa of fifteen digits is exact in a double too.
constexpr int most_significant_digits = 15;
// Nine digits never overflow an int.
constexpr int most_int_digits = 9;

template <typename Unit> bool is_digit(Unit unit)
{
    return unit >= Unit('0') && unit <= Unit('9');
}

// "[-]digits[.digits]". The toolkit reads the correctly rounded double and narrows it to float;
// with mantissa and power of ten both exact, one division gives that same double. A value of at
// most fifteen digits neither overflows nor underflows a float, which the toolkit would refuse.
template <typename Unit> bool read_plain_float(const Unit* data, int length, float& value)
{
    int i = 0;
    const bool negative = length > 0 && data[0] == Unit('-');
    if (negative)
        ++i;
    quint64 mantissa = 0;
    int significant = 0;
    const auto take = [&](Unit digit) {
        if (mantissa == 0 && digit == Unit('0'))
            return true;
        mantissa = mantissa * 10 + quint64(digit - Unit('0'));
        return ++significant <= most_significant_digits;
    };
    const int whole_start = i;
    for (; i < length && is_digit(data[i]); ++i) {
        if (!take(data[i]))
            return false;
    }
    if (i == whole_start)
        return false;
    int decimals = 0;
    if (i < length) {
        if (data[i] != Unit('.'))
            return false;
        for (++i; i < length && is_digit(data[i]); ++i) {
            if (++decimals > most_decimals || !take(data[i]))
                return false;
        }
        if (decimals == 0 || i < length)
            return false;
    }
    const double magnitude = double(mantissa) / powers_of_ten[decimals];
    value = float(negative ? -magnitude : magnitude);
    return true;
}

// Unsigned runs of up to nine digits; leading zeros are digits like any other.
template <typename Unit> bool read_plain_int(const Unit* data, int length, int& value)
{
    if (length == 0 || length > most_int_digits)
        return false;
    int result = 0;
    for (int i = 0; i < length; ++i) {
        if (!is_digit(data[i]))
            return false;
        result = result * 10 + int(data[i] - Unit('0'));
    }
    value = result;
    return true;
}

const char16_t* units(QStringView text)
{
    return text.utf16();
}

const uchar* units(QLatin1String text)
{
    return reinterpret_cast<const uchar*>(text.data());
}

QString string_of(QStringView text)
{
    return text.toString();
}

QString string_of(QLatin1String text)
{
    return QString(text);
}

template <typename View> float read_float_of(View text, bool* ok)
{
    float value = 0.0f;
    if (!read_plain_float(units(text), int(text.size()), value))
        return string_of(text).toFloat(ok);
    if (ok)
        *ok = true;
    return value;
}

template <typename View> int read_int_of(View text, bool* ok)
{
    int value = 0;
    if (!read_plain_int(units(text), int(text.size()), value))
        return string_of(text).toInt(ok);
    if (ok)
        *ok = true;
    return value;
}

} // namespace

float read_float(QStringView text, bool* ok)
{
    return read_float_of(text, ok);
}

float read_float(QLatin1String text, bool* ok)
{
    return read_float_of(text, ok);
}

int read_int(QStringView text, bool* ok)
{
    return read_int_of(text, ok);
}

int read_int(QLatin1String text, bool* ok)
{
    return read_int_of(text, ok);
}
