#include "model/numberreading.h"

#include <QString>

#include <type_traits>

namespace {

// A mantissa of fifteen digits is exact in a double, and so is every power of ten up to 1e15.
constexpr int most_digits = 15;
constexpr double powers_of_ten[most_digits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
// Nine digits never overflow an int.
constexpr int most_int_digits = 9;

template <typename Unit> bool is_digit(Unit unit)
{
    return unit >= Unit('0') && unit <= Unit('9');
}

// "[-]digits[.digits]" of at most fifteen digits in all. The toolkit reads the correctly rounded
// double and narrows it to float; with mantissa and power of ten both exact, one division gives
// that same double. Such a value neither overflows nor underflows a float, which the toolkit would
// refuse.
template <typename Unit> bool read_plain_float(const Unit* data, int length, float& value)
{
    const Unit* const end = data + length;
    const bool negative = length > 0 && *data == Unit('-');
    quint64 mantissa = 0;
    int digits = 0;
    int whole = -1; // the digits before the point, once there is one
    for (const Unit* p = negative ? data + 1 : data; p != end; ++p) {
        if (is_digit(*p)) {
            if (++digits > most_digits)
                return false;
            mantissa = mantissa * 10 + quint64(*p - Unit('0'));
        } else if (*p == Unit('.') && whole < 0 && digits > 0) {
            whole = digits;
        } else {
            return false;
        }
    }
    if (digits == 0 || whole == digits)
        return false;
    const double magnitude = double(mantissa) / powers_of_ten[whole < 0 ? 0 : digits - whole];
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

// Nine digits fit int and quint32 alike.
template <typename Whole, typename View> Whole read_whole_of(View text, bool* ok)
{
    int value = 0;
    if (!read_plain_int(units(text), int(text.size()), value)) {
        if constexpr (std::is_same_v<Whole, int>)
            return string_of(text).toInt(ok);
        else
            return string_of(text).toUInt(ok);
    }
    if (ok)
        *ok = true;
    return Whole(value);
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
    return read_whole_of<int>(text, ok);
}

int read_int(QLatin1String text, bool* ok)
{
    return read_whole_of<int>(text, ok);
}

quint32 read_uint(QStringView text, bool* ok)
{
    return read_whole_of<quint32>(text, ok);
}

quint32 read_uint(QLatin1String text, bool* ok)
{
    return read_whole_of<quint32>(text, ok);
}

bool read_plain(QLatin1String text, float& value)
{
    return read_plain_float(units(text), text.size(), value);
}

bool read_plain(QLatin1String text, int& value)
{
    return read_plain_int(units(text), text.size(), value);
}
