#pragma once

#include <QStringView>
#include <QtGlobal>

// The grammars of the values the subclass rules judge whole: the combined constraints, the two
// whole-vehicle totals and the axle configuration. Each QRegExp pattern below is the definition;
// the matcher beside it is what the rules run, since a QRegExp match costs thousands of
// instructions and Open judges every value of every subclass. Tests and a fuzzer compare every
// matcher with its pattern. \d is any Unicode decimal digit, as in QRegExp.
namespace grammar {

// A combined weight limit ("1+2,180") is grammar::combined_limit_pattern, matched whole.
extern const char* const combined_distance_constraint_pattern;
extern const char* const combined_weight_constraint_pattern;
extern const char* const total_distance_pattern;
extern const char* const total_weight_pattern;
extern const char* const axle_configuration_pattern;

// Whether the whole text matches the pattern.
bool is_combined_weight_limit(QStringView text);
bool is_combined_distance_constraint(QStringView text);
bool is_combined_weight_constraint(QStringView text);
bool is_total_distance(QStringView text);
bool is_total_weight(QStringView text);
// The same for axle_configuration_pattern; for a match, *axles is the sum of its numbers, each
// read by QString::toUInt (a number toUInt refuses counts as 0).
bool is_axle_configuration(QStringView text, qint64* axles);

} // namespace grammar
