#pragma once

#include <QString>

class Conf;

// What makes subclasses fail, as the window tells it: one line "subclass N: ..." per failing
// field, in the words of the model's reasons.

// Why a subclass is invalid; empty for a valid one.
QString invalidSubclassText(const Conf& conf, quint32 number);
// Save's refusal of incomplete subclasses: the first one named, then every failing field of up to
// ten of them, and how many more there are.
QString incompleteSubclassesText(const Conf& conf);
