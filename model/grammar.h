#pragma once

#include <QLatin1String>
#include <QStringView>

// The parts of the file's grammar that the reader matches on every line and every weight text.
// Each QRegExp pattern below is the definition; the matcher beside it is what the reader runs,
// since a QRegExp match costs thousands of instructions even on a line like [subclass_12]. Tests
// and a fuzzer compare every matcher with its pattern. \d is any Unicode decimal digit, as in
// QRegExp. Each matcher takes the text as QLatin1String or as QStringView.
namespace grammar {

// A whole line that opens a section.
extern const char* const section_line_pattern;
// The subclass number in such a line: the first run of digits.
extern const char* const number_pattern;
// One axle weight item inside max_axle_weight__kN, searched for again after each match: an axle
// number that follows neither "+" nor a digit, a comma and a weight. The match includes the
// character before the axle number.
extern const char* const weight_item_pattern;
// One combined weight limit inside max_axle_weight__kN, searched for again after each match.
extern const char* const combined_limit_pattern;

enum class SectionLine
{
    none,
    classes,
    subclass
};

// Whether the whole line matches section_line_pattern; for a subclass line, where its digits are.
template <typename View>
SectionLine section_line(View line, int* digits_start = nullptr, int* digits_length = nullptr);

// The first match of weight_item_pattern (or combined_limit_pattern) at or after from: its start,
// with its length in *length; -1 when there is none.
template <typename View> int find_weight_item(View text, int from, int* length);
template <typename View> int find_combined_limit(View text, int from, int* length);

} // namespace grammar
