#pragma once

#include <QLatin1String>
#include <QStringView>

// QString::toFloat, QString::toInt and QString::toUInt, value and ok flag alike, for the texts a
// configuration holds by the thousand. The plain decimals a file is made of ("12", "-0.75") are
// read here, without a string of their own and without the toolkit's general parser; every other
// text (blanks, signs but a leading "-", exponents, "inf", digits of other scripts, long runs of
// digits) is handed to the toolkit's own function.
float read_float(QStringView text, bool* ok = nullptr);
float read_float(QLatin1String text, bool* ok = nullptr);
int read_int(QStringView text, bool* ok = nullptr);
int read_int(QLatin1String text, bool* ok = nullptr);
quint32 read_uint(QStringView text, bool* ok = nullptr);
quint32 read_uint(QLatin1String text, bool* ok = nullptr);

// The plain texts alone, which the functions above read by their own means: whether the text is
// one, and then its value. For reading many values with little work around each.
bool read_plain(QLatin1String text, float& value);
bool read_plain(QLatin1String text, int& value);
