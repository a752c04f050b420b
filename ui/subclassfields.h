#pragma once

#include <QString>

class Conf;
class DisplayUnits;
class QLineEdit;
class QObject;
class Subclass;

namespace Ui {
class Vorlan;
}

// The subclass's own fields that need more than their text: those with a unit (max. GVW, prepend,
// append and the two reclassification weights) and the two reclassification targets.
namespace SubclassFields {

// Shows every field with a unit in displayed units, each judged.
void showUnitFields(const Ui::Vorlan& form, const DisplayUnits& units, const Subclass& subclass);

// The unit suffixes of the fields' captions; with a subclass shown, its values are shown again in
// the current units and judged again.
void redisplayUnits(const Ui::Vorlan& form, const DisplayUnits& units, const Subclass* subclass);

// Stores what was typed into a field with a unit, in file units, and judges it. False when the
// edit is no such field.
bool storeUnitField(const Ui::Vorlan& form, const DisplayUnits& units, Subclass& subclass,
                    const QObject* edit, const QString& text);

// Colours a reclassification target by whether the subclass it names exists and has the axle
// count of this one; typed says whether the user is typing it, when a 0 is a target rather than
// none.
void judgeReclassifyTarget(const Ui::Vorlan& form, const Conf& conf, const Subclass& subclass,
                           QLineEdit* target, bool typed);

} // namespace SubclassFields
