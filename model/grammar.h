#pragma once

#include <QString>

// The grammars of the values that must match as a whole, matched by hand: every check of
// every subclass runs them, and a regular expression engine made those checks slow. Each says
// in its comment the regular expression it decides; a digit is what QChar::isDigit() says, as
// for \d.
namespace grammar {

// "[ABCHLMV]\d+(?:[DTS]\d+)*"
bool is_axle_configuration(const QString& text);
// "(?:\d+\+)+\d+,\d+\.?\d*"
bool is_combined_weight_limit(const QString& text);
// "(?:\d+\+)*\d+:\d+(?:\.\d+)?,\d+(?:\.\d+)?"
bool is_combined_distance_constraint(const QString& text);
// "(?:\d+\+)*\d+:\d+(?:\.\d+)?,\d+;\d+(?:\.\d+)?,\d+"
bool is_combined_weight_constraint(const QString& text);
// "\d+(?:\.\d+)?,\d+(?:\.\d+)?"
bool is_total_distance(const QString& text);
// "\d+(?:\.\d+)?,\d+;\d+(?:\.\d+)?,\d+"
bool is_total_weight(const QString& text);

} // namespace grammar
