#pragma once

#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class DisplayUnits;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QObject;
class QWidget;
class Subclass;

namespace Ui {
class Vorlan;
}

// The combined axle constraints of the subclass panel: the two whole-vehicle totals, one frame
// of line edits for each kind of combined constraint, and the Add row that makes a new one over
// the ticked axles. A kind's frame shows constraint i of the record in its edit i; edits are
// created when first needed and afterwards only hidden and shown.
//
// The panel shows what a subclass record holds and judges it, and says which constraint an edit
// shows; it never changes the record.
class ConstraintPanel
{
public:
    // A constraint edit's entry in the record: the kind ("default", "adsl", "awsl", or one of the
    // totals "adsl_0" and "awsl_0", which have index 0) and its index in the kind's list.
    struct Entry
    {
        QString kind;
        int index;
    };
    // A constraint that the Add row makes, in file units.
    struct NewConstraint
    {
        QString kind;
        QString value;
    };

    // wire is given every line edit created, so that the window takes its edits.
    ConstraintPanel(Ui::Vorlan& form, const DisplayUnits& units,
                    std::function<void(QLineEdit*)> wire);

    // Shows the Add row's edits for the kind chosen in its list.
    void showChosenKind();
    // What Add makes of the ticked axles (numbered from 1) and the Add row. A refusal is explained
    // in a message box and gives nothing.
    std::optional<NewConstraint> newConstraint(const QList<int>& tickedAxles) const;
    // Shows the kind's last constraint, just added, in its own edit.
    void showAdded(const Subclass& subclass, const QString& kind);
    // Shows and judges every constraint of the subclass.
    void show(const Subclass& subclass);
    // Empties the totals and empties and hides every constraint edit.
    void clear();
    // Colours an edited constraint by the record's verdict.
    void judge(const Subclass& subclass, const Entry& entry);
    // After a constraint was deleted, the ones after it move up an edit, as in the record, and
    // the last edit shown goes.
    void closeGap(const Subclass& subclass, const Entry& entry);
    // The unit suffixes of the captions; with a subclass shown, its constraints are shown again
    // in the current units.
    void redisplayUnits(const Subclass* subclass);

    // The constraint an edit shows; nothing for widgets that are not a constraint edit.
    std::optional<Entry> entryOf(const QObject* editor) const;

private:
    struct Kind
    {
        const char* text;
        QFrame* frame;
        const char* widest; // the widest text an edit shows
        QWidget* tabsAfter; // what stands before the edits in their row
    };

    const Kind* kindOf(const QString& text) const;
    QLineEdit* createEdit(const Kind& kind, const QString& objectName);
    void showConstraint(QLineEdit* edit, const QString& value, bool valid,
                        const QString& kind) const;
    void refuse(const QString& message) const;

    const DisplayUnits& units;
    std::function<void(QLineEdit*)> wire;
    // In the order of the Add row's list: "Original", "Distance", "Weight".
    std::array<Kind, 3> kinds;
    QLineEdit* totalDistance;
    QLineEdit* totalWeight;
    QComboBox* kindChoice;
    QLineEdit* addValue;
    QLineEdit* addLower;
    QLineEdit* addUpper;
    QLabel* totalDistanceCaption;
    QLabel* totalWeightCaption;
    QLabel* combinedWeightCaption;
    QLabel* distanceCaption;
    QLabel* weightCaption;
};
