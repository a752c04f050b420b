#pragma once

#include <QTableWidget>

class ClassificationTally;

// Per subclass, the measured vehicles it matched alone (unique), shared with other subclasses
// and found over its limits, with precision and recall when the vehicles carry true subclasses;
// then a row each for the ambiguous and the unmatched vehicles, whose counts stand under
// "Unique", so that the column adds up to the vehicles read. Sortable by any column; a click on
// a subclass's row chooses it.
class VehiclesTable : public QTableWidget
{
    Q_OBJECT

public:
    enum Column
    {
        subclassColumn,
        uniqueColumn,
        sharedColumn,
        overLimitsColumn,
        precisionColumn,
        recallColumn,
        columnCount
    };
    // The value a cell is sorted and exported by; the subclass number in the first column.
    static constexpr int valueRole = Qt::UserRole;

    explicit VehiclesTable(QWidget* parent = nullptr);

    void fill(const ClassificationTally& tally, bool withTruth);
    // The rows as shown, in CSV with a header line.
    QString csv() const;

signals:
    void subclassChosen(quint32 number);
};
