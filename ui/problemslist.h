#pragma once

#include "ui/spacinganalyses.h"

#include <QSet>
#include <QString>
#include <QTreeWidget>

class Conf;
class DisplayUnits;
class LimitVerdicts;

// Everything the analyses find wrong with the configuration, grouped: the header rules that
// fail, the invalid subclasses with their reasons, the first duplicate pair, overlapping
// subclasses, coverage gaps, and what reading the file left out. An item that names a subclass
// chooses it when activated (double-click or Enter).
class ProblemsList : public QTreeWidget
{
    Q_OBJECT

public:
    // Items shown per group at most; the command-line analyses list them all.
    static constexpr int itemsPerGroup = 500;
    // The subclass an item names, as item data.
    static constexpr int subclassRole = Qt::UserRole;

    explicit ProblemsList(QWidget* parent = nullptr);

    // Runs every analysis on the configuration and lists what they find; groups keep whether
    // they were expanded. verdicts: every subclass's validity, as the window keeps it. Returns
    // the number of problems found.
    int rebuild(const Conf& conf, const LimitVerdicts& verdicts, const DisplayUnits& units);

signals:
    void subclassChosen(quint32 number);

private:
    SpacingAnalyses spacings;
    QSet<QString> collapsedGroups;
};
