#include "ui/problemslist.h"

#include "model/conf.h"
#include "model/limitverdicts.h"
#include "model/subclassreasons.h"
#include "ui/shownlength.h"
#include "ui/subclasslists.h"
#include "ui/windowtext.h"

#include <QtNumeric>

#include <algorithm>
#include <optional>

namespace {

constexpr int groupRole = Qt::UserRole + 1;

// The dock is narrow: an item says what it is in a few words, its tool tip in a sentence.
QTreeWidgetItem* newItem(const QString& text, std::optional<quint32> subclass = std::nullopt,
                         const QString& toolTip = QString())
{
    auto* item = new QTreeWidgetItem(QStringList(text));
    item->setToolTip(0, toolTip.isEmpty() ? text : toolTip);
    if (subclass)
        item->setData(0, ProblemsList::subclassRole, *subclass);
    return item;
}

QString name(quint32 number)
{
    return SubclassLists::itemText(number);
}

// One group of the list: its items up to the limit, and how many problems it holds in all.
class Group
{
public:
    Group(const char* id, const char* title, const char* command = nullptr)
        : id(QLatin1String(id)), title(windowText(title)), command(command)
    {
    }

    // Takes an item that stands for some problems, or counts them only once the group is full.
    void add(QTreeWidgetItem* item, int problems = 1)
    {
        total += problems;
        if (full()) {
            delete item;
            return;
        }
        items.append(item);
        shown += problems;
    }
    bool full() const { return shown >= ProblemsList::itemsPerGroup; }
    // Counts a problem the group has no room to show.
    void count() { ++total; }

    QTreeWidgetItem* take()
    {
        if (items.isEmpty())
            return nullptr;
        if (total > shown) {
            QString more = windowText("… and %1 more").arg(total - shown);
            if (command)
                more += windowText("; vorlan-conf %1 lists them all").arg(QLatin1String(command));
            items.append(newItem(more));
        }
        auto* group = newItem(total > 1 ? QStringLiteral("%1 (%2)").arg(title).arg(total) : title);
        group->setData(0, groupRole, id);
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
        group->addChildren(items);
        items.clear();
        return group;
    }

    const QString id;
    const QString title;
    const char* command;
    int total = 0;

private:
    int shown = 0;
    QList<QTreeWidgetItem*> items;
};

void addHeaderProblems(Group& group, const Conf& conf, float highestSubclassMax)
{
    if (!conf.is_country_code_valid())
        group.add(newItem(windowText("Country code \"%1\" is not a two-letter code of the list.")
                              .arg(conf.get_country_code())));
    if (!conf.is_group_max_distance_valid())
        group.add(newItem(windowText("Group max. distance must be a number above 0.")));
    if (!conf.is_unclassified_vehicle_subclass_valid())
        group.add(newItem(windowText("Unclassified vehicles subclass %1 is a subclass of the "
                                     "table; it must be a number no subclass has.")
                              .arg(conf.get_unclassified_vehicle_subclass().toUInt()),
                          conf.get_unclassified_vehicle_subclass().toUInt()));
    if (!conf.is_uncategorised_vehicle_category_valid())
        group.add(newItem(windowText("Uncategorised vehicle category must be above 5.")));
    if (!conf.is_min_2axle_truck_spacing_valid())
        group.add(newItem(windowText("Min. space between vehicles must be a finite number.")));
    if (!conf.is_min_avg_axle_weight_valid())
        group.add(newItem(windowText("Min. avg. axle weight must be a finite number.")));
    if (!conf.is_min_axle_distance_valid())
        group.add(newItem(windowText(
            "Min. axle distance must be a number no higher than the max. axle distance.")));
    // Without a g of its own the site weighs with the standard one.
    if (!conf.get_g_acceleration_constant().isEmpty() && !conf.is_g_acceleration_constant_valid())
        group.add(newItem(windowText("Gravitational acceleration must be a number above 0.")));
    switch (conf.check_max_axle_distance(highestSubclassMax)) {
    case Conf::MaxAxleDistance::valid:
        break;
    case Conf::MaxAxleDistance::invalid:
        group.add(newItem(windowText(
            "Max. axle distance must be a number no lower than the min. axle distance.")));
        break;
    case Conf::MaxAxleDistance::lower_than_subclasses: {
        // Names the first subclass that reaches beyond it, to go and see.
        const float max = conf.get_max_axle_distance__m().toFloat();
        std::optional<quint32> beyond;
        for (quint32 number : conf.get_subclass_numbers()) {
            const QStringList& distances = conf.get_subclass(number).get_max_distances();
            if (std::any_of(distances.cbegin(), distances.cend(),
                            [max](const QString& text) { return text.toFloat() > max; })) {
                beyond = number;
                break;
            }
        }
        group.add(newItem(windowText("Max. axle distance is lower than the max. distances of "
                                     "some subclasses, %1 the first.")
                              .arg(beyond ? name(*beyond) : QString()),
                          beyond));
        break;
    }
    }
}

void addInvalidSubclasses(Group& group, const Conf& conf, const QList<quint32>& invalid)
{
    const QString headerMin = conf.get_min_axle_distance__m();
    const QString headerMax = conf.get_max_axle_distance__m();
    for (quint32 number : invalid) {
        if (group.full()) {
            group.count();
            continue;
        }
        auto* subclass = newItem(name(number), number);
        for (const SubclassReason& reason :
             subclass_reasons(conf.get_subclass(number), headerMin, headerMax))
            subclass->addChild(newItem(reason.message, number));
        group.add(subclass);
    }
}

void addDuplicates(Group& group, const Conf& conf)
{
    const QString pair = conf.find_duplicate_subclasses(); // "A = B"
    if (pair.isEmpty())
        return;
    const quint32 a = pair.section(QLatin1Char(' '), 0, 0).toUInt();
    const quint32 b = pair.section(QLatin1Char(' '), 2, 2).toUInt();
    auto* item = newItem(
        windowText("%1 and %2 hold the same values (the first such pair)").arg(name(a), name(b)),
        a);
    item->addChild(newItem(name(a), a));
    item->addChild(newItem(name(b), b));
    group.add(item);
}

QString lengths(const QVector<double>& metres, const DisplayUnits& units)
{
    QStringList texts;
    for (double value : metres)
        texts << shownLength(value, units);
    return texts.join(QStringLiteral(", ")) + QLatin1Char(' ') + lengthUnitName(units);
}

void addOverlaps(Group& group, const OverlapReport& report, const DisplayUnits& units)
{
    for (const Overlap& overlap : report.overlaps) {
        if (group.full()) {
            group.count();
            continue;
        }
        QString text = windowText("%1 and %2, %3 axles: e.g. %4")
                           .arg(name(overlap.a), name(overlap.b))
                           .arg(overlap.axles)
                           .arg(lengths(overlap.witness, units));
        QString sentence = windowText("%1 and %2, %3 axles: both match spacings %4")
                               .arg(name(overlap.a), name(overlap.b))
                               .arg(overlap.axles)
                               .arg(lengths(overlap.witness, units));
        if (overlap.tyres_differ) {
            text += windowText("; tyres differ");
            sentence += windowText("; their tyre types differ, so only a site that measures "
                                   "tyres tells them apart");
        }
        auto* item = newItem(text, overlap.a, sentence);
        item->addChild(newItem(name(overlap.a), overlap.a));
        item->addChild(newItem(name(overlap.b), overlap.b));
        group.add(item);
    }
}

QString rangeText(const RealRange& range, const DisplayUnits& units)
{
    if (range.from == range.to)
        return shownLength(range.from, units);
    return QStringLiteral("%1%2, %3%4")
        .arg(range.from_open ? QLatin1Char('(') : QLatin1Char('['))
        .arg(shownLength(range.from, units), shownLength(range.to, units))
        .arg(range.to_open ? QLatin1Char(')') : QLatin1Char(']'));
}

void addGaps(Group& group, CoverageReport report, const Conf& conf, const DisplayUnits& units)
{
    if (!report.problem.isEmpty()) {
        group.add(newItem(windowText("Coverage not checked: %1").arg(report.problem)));
        return;
    }
    for (int axles : report.missing_axle_counts)
        group.add(newItem(windowText("No subclass has %1 axles.").arg(axles)));
    // A gap whose whole range of axle distances lies in the region says nothing; most regions
    // are narrow on one gap or two.
    const RealRange whole{conf.get_min_axle_distance__m().toFloat(),
                          conf.get_max_axle_distance__m().toFloat(), false, false};
    // Likely slips stand first, on their own: a hole of a centimetre is seldom meant. The others
    // stand under their axle count.
    QMap<int, QTreeWidgetItem*> byAxles;
    int regions = 0;
    for (const UncoveredRegion& region : report.uncovered) {
        if (group.full() || regions >= ProblemsList::itemsPerGroup) {
            group.count();
            continue;
        }
        QStringList gaps;
        for (int gap = 0; gap < region.gaps.size(); ++gap) {
            const RealRange& range = region.gaps.at(gap);
            if (range.from != whole.from || range.to != whole.to || range.from_open ||
                range.to_open)
                gaps << windowText("gap %1 %2").arg(gap + 1).arg(rangeText(range, units));
        }
        const QString where =
            gaps.join(QStringLiteral(", ")) + QLatin1Char(' ') + lengthUnitName(units);
        const QString example = lengths(region.witness, units);
        QString sentence =
            windowText("No subclass with %1 axles covers %2%3, e.g. %4.")
                .arg(region.axles)
                .arg(where,
                     gaps.size() < region.gaps.size() ? windowText(" whatever the other gaps")
                                                      : QString(),
                     example);
        if (region.thin) {
            sentence += windowText(" It is at most 1 cm wide, likely a slip.");
            group.add(
                newItem(windowText("Likely a slip: %1 axles, %2").arg(region.axles).arg(where),
                        std::nullopt, sentence));
            continue;
        }
        QTreeWidgetItem*& parent = byAxles[region.axles];
        if (!parent)
            parent = newItem(QString());
        parent->addChild(
            newItem(windowText("%1, e.g. %2").arg(where, example), std::nullopt, sentence));
        ++regions;
    }
    for (auto it = byAxles.cbegin(); it != byAxles.cend(); ++it) {
        it.value()->setText(0, windowText("%1 axles: %2 uncovered regions")
                                   .arg(it.key())
                                   .arg(it.value()->childCount()));
        it.value()->setToolTip(0, it.value()->text(0));
        group.add(it.value(), it.value()->childCount());
    }
    if (report.truncated)
        group.add(newItem(windowText("There are more uncovered regions; the search stopped.")));
    for (quint32 number : report.unreachable)
        group.add(newItem(windowText("%1: its combined distance constraints leave no spacing "
                                     "within its gap ranges, so no vehicle matches it")
                              .arg(name(number)),
                          number));
}

void addReading(Group& group, const Conf& conf)
{
    if (conf.stopped_at_line() > 0)
        group.add(newItem(windowText("Reading stopped at line %1: \"%2\". The sections from "
                                     "there on were not loaded, and saving leaves them out.")
                              .arg(conf.stopped_at_line())
                              .arg(conf.stopped_line_text())));
    for (const DroppedKey& dropped : conf.dropped_keys()) {
        QString why;
        switch (dropped.reason) {
        case DroppedKey::Reason::unknown_key:
            why = windowText("the record has no place for it");
            break;
        case DroppedKey::Reason::repeated_key:
            why = windowText("a later line of the section sets it again");
            break;
        case DroppedKey::Reason::replaced_section:
            why = windowText("a later section of the same subclass replaces this one");
            break;
        }
        group.add(newItem(windowText("Line %1: %2 was not loaded, and saving leaves it out")
                              .arg(dropped.line)
                              .arg(dropped.key),
                          std::nullopt,
                          windowText("Line %1 sets %2, which was not loaded: %3. Saving leaves "
                                     "it out of the file.")
                              .arg(dropped.line)
                              .arg(dropped.key, why)));
    }
}

} // namespace

ProblemsList::ProblemsList(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("treeProblems"));
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setWordWrap(false);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QVariant subclass = item->data(0, subclassRole);
        if (subclass.isValid())
            emit subclassChosen(subclass.toUInt());
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (!item->parent())
            collapsedGroups.insert(item->data(0, groupRole).toString());
    });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (!item->parent())
            collapsedGroups.remove(item->data(0, groupRole).toString());
    });
}

int ProblemsList::rebuild(const Conf& conf, const LimitVerdicts& verdicts,
                          const DisplayUnits& units)
{
    Group groups[] = {
        {"header", "Header rules that fail"},   {"invalid", "Invalid subclasses", "check"},
        {"duplicates", "Duplicate subclasses"}, {"overlaps", "Overlapping subclasses", "overlaps"},
        {"gaps", "Coverage gaps", "gaps"},      {"reading", "Reading the file"}};
    const QList<quint32> invalid = verdicts.invalid_numbers();
    spacings.update(conf, invalid, itemsPerGroup);
    addHeaderProblems(groups[0], conf, verdicts.highest_max_distance());
    addInvalidSubclasses(groups[1], conf, invalid);
    addDuplicates(groups[2], conf);
    addOverlaps(groups[3], spacings.overlaps(), units);
    addGaps(groups[4], spacings.gaps(), conf, units);
    addReading(groups[5], conf);

    QList<QTreeWidgetItem*> tops;
    int problems = 0;
    for (Group& group : groups) {
        problems += group.total;
        if (QTreeWidgetItem* top = group.take())
            tops.append(top);
    }
    if (tops.isEmpty())
        tops.append(newItem(windowText("No problems found.")));

    setUpdatesEnabled(false);
    clear();
    addTopLevelItems(tops);
    for (QTreeWidgetItem* top : qAsConst(tops)) {
        if (!collapsedGroups.contains(top->data(0, groupRole).toString()))
            top->setExpanded(true);
    }
    setUpdatesEnabled(true);
    return problems;
}
