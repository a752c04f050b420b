#pragma once

#include <QList>

#include <functional>
#include <optional>

class Conf;
class DisplayUnits;
class QFrame;
class QLabel;
class QLineEdit;
class QObject;
class QWidget;
class Subclass;

namespace Ui {
class Vorlan;
}

// The per-axle editors of the subclass panel and the three sums beside them. Each axle has a
// maximum weight edit, a check box that selects it for a new constraint and a tyre-type edit;
// each gap between two axles has a maximum and a minimum distance edit. Axle 1's editors exist
// from the start; the others are created the first time an axle count needs them and are then
// only hidden and shown. Row k is axle k + 1 with the gap before it.
//
// AxleRows shows what a subclass record holds and judges it, and says which entry an editor
// shows; it never changes the record.
class AxleRows
{
public:
    // Which of the record's per-axle lists an editor shows.
    enum class List
    {
        maxDistance,
        minDistance,
        weight,
        tyre
    };
    // An editor's entry in the record: weight and tyre entry i belong to axle i + 1, distance
    // entry i to the gap between axles i + 1 and i + 2.
    struct Cell
    {
        List list;
        int index;
    };
    // wire is given every line edit created, so that the window takes its edits.
    AxleRows(Ui::Vorlan& form, const DisplayUnits& units, std::function<void(QLineEdit*)> wire);

    // How many gaps have editors, shown or hidden.
    int gapEditorCount() const;
    // Lays out the editors for a valid axle count: rows past it are emptied and hidden, rows it
    // needs are created or shown again with the record's values, judged against the header.
    void layOut(const Subclass& subclass, int axles, const Conf& conf);
    // Fills the editors of the first `axles` axles with the record's values and verdicts, with no
    // axle selected, and the sums.
    void show(const Subclass& subclass, int axles, const Conf& conf);
    // Empties every editor and the sums, and hides all but axle 1's editors.
    void hideAll();
    void showFirstAxle();
    // A new subclass has no weight or tyre for axle 1 yet.
    void markFirstAxleUnset();
    // Colours an edited cell, and the other edit of its gap, and refreshes the sums.
    void judge(const Subclass& subclass, const Cell& cell, const Conf& conf);
    // Judges the distances of every gap shown again, as after a header limit changed.
    void judgeGaps(const Subclass& subclass, const Conf& conf);
    // The unit suffixes of the captions; with a subclass shown, the values of its first `axles`
    // axles are shown again in the current units and judged again.
    void redisplayUnits(const Subclass* subclass, int axles, const Conf& conf);

    // The entry an editor shows; nothing for widgets that are not a per-axle edit.
    std::optional<Cell> cellOf(const QObject* editor) const;
    // The ticked axles, numbered from 1.
    QList<int> tickedAxles() const;
    void untickAll();

private:
    QFrame* frameOf(List list) const;
    QLineEdit* cell(List list, int index) const;
    // Row k's widgets: the distance edits of gap k - 1 (none for row 0), then axle k + 1's
    // weight edit, check box and tyre edit.
    QList<QWidget*> rowWidgets(int row) const;
    void createRow(int row);
    void alignColumns();
    void orderTabs();
    QLineEdit* createEdit(QFrame* frame, bool real, const QString& statusTip,
                          const QString& objectName);
    void showRowValues(const Subclass& subclass, int row);
    void judgeRow(const Subclass& subclass, int row, const Conf& conf);
    void colour(const Subclass& subclass, const Cell& edited, const Conf& conf);
    void refreshSums(const Subclass& subclass);

    const DisplayUnits& units;
    std::function<void(QLineEdit*)> wire;
    QFrame* maxDistances;
    QFrame* minDistances;
    QFrame* weights;
    QFrame* boxes;
    QFrame* tyres;
    QLabel* maxDistanceCaption;
    QLabel* minDistanceCaption;
    QLabel* tyreCaption;
    QLabel* weightCaption;
    QLabel* maxDistanceSum;
    QLabel* minDistanceSum;
    QLabel* weightSum;
    QWidget* tabsAfter; // the last of the subclass's own fields
};
