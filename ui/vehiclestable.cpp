#include "ui/vehiclestable.h"

#include "model/classificationtally.h"
#include "ui/windowtext.h"

#include <QHeaderView>
#include <QtNumeric>

namespace {

// Special rows sort after every subclass number.
constexpr double ambiguousKey = 4294967296.0;
constexpr double unmatchedKey = 4294967297.0;

// A cell shown as text and sorted by its value; a cell without a value sorts first.
class ValueItem : public QTableWidgetItem
{
public:
    ValueItem(const QString& text, const QVariant& value) : QTableWidgetItem(text)
    {
        setData(VehiclesTable::valueRole, value);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        if (value.type() != QVariant::String)
            setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        const QVariant mine = data(VehiclesTable::valueRole);
        const QVariant theirs = other.data(VehiclesTable::valueRole);
        if (!mine.isValid() || !theirs.isValid())
            return !mine.isValid() && theirs.isValid();
        return mine.toDouble() < theirs.toDouble();
    }
};

// In the window's locale, as every number the window shows.
ValueItem* count(qint64 value, const QLocale& locale)
{
    return new ValueItem(locale.toString(value), double(value));
}

ValueItem* share(double value)
{
    if (!qIsFinite(value))
        return new ValueItem(QString(), QVariant());
    return new ValueItem(QString::number(100 * value, 'f', 1) + QStringLiteral(" %"), value);
}

ValueItem* empty()
{
    return new ValueItem(QString(), QVariant());
}

} // namespace

VehiclesTable::VehiclesTable(QWidget* parent) : QTableWidget(parent)
{
    setObjectName(QStringLiteral("tableVehicles"));
    setColumnCount(columnCount);
    setHorizontalHeaderLabels({windowText("Subclass"), windowText("Unique"), windowText("Shared"),
                               windowText("Over limits"), windowText("Precision"),
                               windowText("Recall")});
    horizontalHeaderItem(uniqueColumn)
        ->setToolTip(windowText("Vehicles this subclass alone matched; in the last rows, the "
                                "ambiguous and the unmatched vehicles"));
    horizontalHeaderItem(sharedColumn)
        ->setToolTip(windowText("Vehicles this subclass matched together with others"));
    horizontalHeaderItem(overLimitsColumn)
        ->setToolTip(windowText("Vehicles that match this subclass but exceed its weight limits"));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // No column narrower than its caption and the sort arrow: a narrow dock scrolls the table
    // instead of cutting the captions.
    int widest = 0;
    for (int column = 0; column < columnCount; ++column)
        widest = qMax(widest, horizontalHeader()->fontMetrics().horizontalAdvance(
                                  horizontalHeaderItem(column)->text()));
    horizontalHeader()->setMinimumSectionSize(widest +
                                              2 * horizontalHeader()->fontMetrics().height());
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(true);
    sortByColumn(subclassColumn, Qt::AscendingOrder);
    const auto choose = [this](int row) {
        const QTableWidgetItem* first = item(row, subclassColumn);
        const double number = first ? first->data(valueRole).toDouble() : ambiguousKey;
        if (number < ambiguousKey)
            emit subclassChosen(quint32(number));
    };
    connect(this, &QTableWidget::cellClicked, this, choose);
    connect(this, &QTableWidget::cellActivated, this, choose);
}

void VehiclesTable::fill(const ClassificationTally& tally, bool withTruth)
{
    setColumnHidden(precisionColumn, !withTruth);
    setColumnHidden(recallColumn, !withTruth);
    const auto subclasses = tally.subclasses();
    const auto scores = tally.scores();

    // Sorting while rows are filled would move them under the cells being set.
    setSortingEnabled(false);
    clearContents();
    setRowCount(subclasses.size() + 2);
    int row = 0;
    for (auto it = subclasses.cbegin(); it != subclasses.cend(); ++it, ++row) {
        setItem(row, subclassColumn, new ValueItem(QString::number(it.key()), double(it.key())));
        setItem(row, uniqueColumn, count(it->alone, locale()));
        setItem(row, sharedColumn, count(it->shared, locale()));
        setItem(row, overLimitsColumn, count(it->over_limits, locale()));
        const auto score = scores.constFind(it.key());
        setItem(row, precisionColumn, score == scores.cend() ? empty() : share(score->precision()));
        setItem(row, recallColumn, score == scores.cend() ? empty() : share(score->recall()));
    }
    for (const auto& [name, key, vehicles] :
         {std::tuple{windowText("ambiguous"), ambiguousKey, tally.ambiguous_vehicles()},
          std::tuple{windowText("unmatched"), unmatchedKey, tally.unmatched_vehicles()}}) {
        setItem(row, subclassColumn, new ValueItem(name, key));
        setItem(row, uniqueColumn, count(vehicles, locale()));
        for (int column = sharedColumn; column < columnCount; ++column)
            setItem(row, column, empty());
        ++row;
    }
    setSortingEnabled(true);
}

QString VehiclesTable::csv() const
{
    QStringList lines{QStringLiteral("subclass,unique,shared,over_limits,precision,recall")};
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < columnCount; ++column) {
            const QTableWidgetItem* cell = item(row, column);
            const QVariant value = cell ? cell->data(valueRole) : QVariant();
            if (column == subclassColumn && value.toDouble() >= ambiguousKey)
                cells << (value.toDouble() == ambiguousKey ? QStringLiteral("ambiguous")
                                                           : QStringLiteral("unmatched"));
            else
                cells << (value.isValid() ? QString::number(value.toDouble(), 'g', 10) : QString());
        }
        lines << cells.join(QLatin1Char(','));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
