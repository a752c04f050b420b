// The per-axle editors: creating, showing, hiding, filling and judging them.
#include "ui/axlerows.h"

#include "model/conf.h"
#include "ui/fieldcolours.h"
#include "ui/framecells.h"
#include "ui/numberfields.h"
#include "ui/windowtext.h"
#include "ui_vorlan.h"
#include "units/displayunits.h"

#include <QCheckBox>
#include <QDebug>
#include <QLineEdit>

using Kind = DisplayUnits::Kind;

namespace {

QString maxDistanceStatusTip()
{
    return windowText("Accepts non-negative real values. Use decimal point. Must be higher than "
                      "corresponding min. axle distance and between min. and max. axle distances "
                      "defined in the header.");
}
QString minDistanceStatusTip()
{
    return windowText("Accepts non-negative real values. Use decimal point. Must be lower than "
                      "corresponding max. axle distance and between min. and max. axle distances "
                      "defined in the header.");
}
QString weightStatusTip()
{
    return windowText("Accepts non-negative real values. Use decimal point.");
}
QString boxStatusTip()
{
    return windowText("Used for selecting to which axles we want to apply the constraint.");
}
QString tyreStatusTip()
{
    return windowText("Integer value representing tyre type. 1 for single, 2 for double, 3 for "
                      "super single and 4 for quadruple.");
}
QString maxDistanceToolTip()
{
    return windowText("Value must be higher than corresponding min distance and between min and "
                      "max distances in header.");
}
QString minDistanceToolTip()
{
    return windowText("Value must be lower than corresponding max distance and between min and "
                      "max distances in header.");
}
QString tyreToolTip()
{
    return windowText("Valid types are between 1 and 4");
}

QString entryAt(const QStringList& list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

} // namespace

AxleRows::AxleRows(Ui::Vorlan& form, const DisplayUnits& units,
                   std::function<void(QLineEdit*)> wire)
    : units(units), wire(std::move(wire)), maxDistances(form.frameMaxAxleDists),
      minDistances(form.frameMinAxleDists), weights(form.frameMaxAxleWeightsEdits),
      boxes(form.frameMaxAxleWeightsBoxes), tyres(form.frameTyreTypes),
      maxDistanceCaption(form.labelMaxAxleDists), minDistanceCaption(form.labelMinAxleDists),
      tyreCaption(form.labelTyreTypes), weightCaption(form.labelMaxAxleWeightsEdits),
      maxDistanceSum(form.labelSumMaxAxleDist), minDistanceSum(form.labelSumMinAxleDist),
      weightSum(form.labelSumMaxAxleWeights), tabsAfter(form.lineEditReclassDownTo)
{
    // Axle 1 has no gap before it, so its editors exist from the start, hidden until a subclass
    // is shown.
    createRow(0);
    for (QWidget* widget : rowWidgets(0))
        if (widget)
            widget->hide();
    alignColumns();
}

void AxleRows::alignColumns()
{
    // Every axle's editors stand in one column, whatever the captions' font and units; a gap's
    // stand half a column further, between its two axles, and a check box in the middle of its
    // axle's column.
    int caption = 0;
    for (QLabel* label : {maxDistanceCaption, minDistanceCaption, tyreCaption, weightCaption})
        caption = std::max(caption, label->sizeHint().width());
    const int spacing = weights->layout()->spacing();
    const int edit = FrameCells::at(weights, 0)->minimumWidth();
    for (QLabel* label : {tyreCaption, weightCaption})
        label->setFixedWidth(caption);
    for (QLabel* label : {maxDistanceCaption, minDistanceCaption})
        label->setFixedWidth(caption + (edit + spacing) / 2);
    const int box = FrameCells::at(boxes, 0)->sizeHint().width();
    const int boxSpacing = std::max(0, edit + spacing - box);
    boxes->layout()->setSpacing(boxSpacing);
    // A layout puts no spacing beside a spacer.
    if (QSpacerItem* spacer = boxes->layout()->itemAt(0)->spacerItem())
        spacer->changeSize(caption + spacing + (edit - box) / 2, 0, QSizePolicy::Fixed,
                           QSizePolicy::Minimum);
    boxes->layout()->invalidate();
}

QFrame* AxleRows::frameOf(List list) const
{
    switch (list) {
    case List::maxDistance:
        return maxDistances;
    case List::minDistance:
        return minDistances;
    case List::weight:
        return weights;
    case List::tyre:
        break;
    }
    return tyres;
}

QLineEdit* AxleRows::cell(List list, int index) const
{
    QLineEdit* edit = FrameCells::lineEditAt(frameOf(list), index);
    if (!edit)
        qWarning() << "No per-axle edit" << index << "in" << frameOf(list)->objectName();
    return edit;
}

QList<QWidget*> AxleRows::rowWidgets(int row) const
{
    const int gap = row - 1;
    return {FrameCells::at(maxDistances, gap), FrameCells::at(minDistances, gap),
            FrameCells::at(weights, row), FrameCells::at(boxes, row), FrameCells::at(tyres, row)};
}

int AxleRows::gapEditorCount() const
{
    return FrameCells::count(maxDistances);
}

QLineEdit* AxleRows::createEdit(QFrame* frame, bool real, const QString& statusTip,
                                const QString& objectName)
{
    auto* edit = new QLineEdit(frame);
    if (real)
        NumberFields::acceptReals(edit);
    else
        NumberFields::acceptWholeNumbers(edit);
    // As wide as an axle weight in pounds, so that all of an axle's editors form one column.
    NumberFields::fitWidth(edit, QStringLiteral("99999.99"));
    edit->setStatusTip(statusTip);
    edit->setObjectName(objectName);
    FrameCells::append(frame, edit);
    wire(edit);
    return edit;
}

void AxleRows::createRow(int row)
{
    const int axle = row + 1;
    if (row > 0) {
        createEdit(maxDistances, true, maxDistanceStatusTip(),
                   QStringLiteral("MaxAxleDist%1").arg(row));
        createEdit(minDistances, true, minDistanceStatusTip(),
                   QStringLiteral("MinAxleDist%1").arg(row));
    }
    createEdit(weights, true, weightStatusTip(), QStringLiteral("MaxAxleWeightEdit%1").arg(axle));
    // Two characters wide, so the boxes of axles 1 to 9 line up with those of 10 to 20.
    auto* box = new QCheckBox(QString::number(axle).leftJustified(2, QLatin1Char(' ')), boxes);
    box->setStatusTip(boxStatusTip());
    box->setObjectName(QStringLiteral("MaxAxleWeightBox%1").arg(axle));
    FrameCells::append(boxes, box);
    createEdit(tyres, false, tyreStatusTip(), QStringLiteral("TyreType%1").arg(axle));
    orderTabs();
}

void AxleRows::orderTabs()
{
    // Row by row as they stand, left to right, after the subclass's own fields.
    QWidget* previous = tabsAfter;
    for (QFrame* frame : {maxDistances, minDistances, tyres, weights, boxes})
        previous = FrameCells::orderTabs(previous, frame);
}

void AxleRows::layOut(const Subclass& subclass, int axles, const Conf& conf)
{
    const int created = gapEditorCount();
    for (int row = created; row >= axles; --row)
        for (QWidget* widget : rowWidgets(row))
            FrameCells::clearAndHide(widget);
    for (int row = 1; row < axles; ++row) {
        if (row > created)
            createRow(row);
        else if (!FrameCells::at(maxDistances, row - 1)->isHidden())
            continue;
        for (QWidget* widget : rowWidgets(row))
            widget->show();
        // A row comes back showing what the record holds for it, which is nothing when a
        // smaller count of the same subclass hid it.
        showRowValues(subclass, row);
        judgeRow(subclass, row, conf);
    }
    // Axle 1 has no row to show again; it may have been emptied while the count was invalid.
    showRowValues(subclass, 0);
    judgeRow(subclass, 0, conf);
    refreshSums(subclass);
}

void AxleRows::showRowValues(const Subclass& subclass, int row)
{
    if (row > 0) {
        showFieldText(
            cell(List::maxDistance, row - 1),
            units.toDisplayedText(entryAt(subclass.get_max_distances(), row - 1), Kind::length),
            true);
        showFieldText(
            cell(List::minDistance, row - 1),
            units.toDisplayedText(entryAt(subclass.get_min_distances(), row - 1), Kind::length),
            true);
    }
    showFieldText(
        cell(List::weight, row),
        units.toDisplayedText(entryAt(subclass.get_max_axle_weights(), row), Kind::weight), true);
    if (QLineEdit* tyre = cell(List::tyre, row))
        tyre->setText(entryAt(subclass.get_tyre_types(), row));
}

void AxleRows::judgeRow(const Subclass& subclass, int row, const Conf& conf)
{
    if (row > 0)
        colour(subclass, {List::maxDistance, row - 1}, conf);
    colour(subclass, {List::weight, row}, conf);
    colour(subclass, {List::tyre, row}, conf);
}

void AxleRows::judge(const Subclass& subclass, const Cell& edited, const Conf& conf)
{
    colour(subclass, edited, conf);
    refreshSums(subclass);
}

void AxleRows::colour(const Subclass& subclass, const Cell& edited, const Conf& conf)
{
    const int i = edited.index;
    switch (edited.list) {
    case List::maxDistance:
    case List::minDistance: {
        // A gap's two edits are judged against each other, so both change colour together.
        const QString headerMin = conf.get_min_axle_distance__m();
        const QString headerMax = conf.get_max_axle_distance__m();
        const bool held = i < subclass.max_distance_count() && i < subclass.min_distance_count();
        validateEdit(cell(List::maxDistance, i),
                     held && subclass.is_max_distance_valid(i, headerMin, headerMax),
                     maxDistanceToolTip());
        validateEdit(cell(List::minDistance, i),
                     held && subclass.is_min_distance_valid(i, headerMin, headerMax),
                     minDistanceToolTip());
        break;
    }
    case List::weight:
        validateEdit(cell(List::weight, i),
                     i < subclass.max_axle_weight_count() && subclass.is_max_axle_weight_valid(i),
                     QString());
        break;
    case List::tyre:
        validateEdit(cell(List::tyre, i),
                     i < subclass.tyre_type_count() && subclass.is_tyre_type_valid(i),
                     tyreToolTip());
        break;
    }
}

void AxleRows::show(const Subclass& subclass, int axles, const Conf& conf)
{
    for (int row = 0; row < axles; ++row) {
        showRowValues(subclass, row);
        judgeRow(subclass, row, conf);
        if (QCheckBox* box = FrameCells::checkBoxAt(boxes, row))
            box->setChecked(false);
    }
    refreshSums(subclass);
}

void AxleRows::hideAll()
{
    // Axle 1's editors stay as they are shown or hidden, only emptied.
    if (QLineEdit* weight = cell(List::weight, 0))
        weight->clear();
    if (QLineEdit* tyre = cell(List::tyre, 0))
        tyre->clear();
    if (QCheckBox* box = FrameCells::checkBoxAt(boxes, 0))
        box->setChecked(false);
    for (int row = 1; row <= gapEditorCount(); ++row)
        for (QWidget* widget : rowWidgets(row))
            FrameCells::clearAndHide(widget);
    for (QLabel* sum : {maxDistanceSum, minDistanceSum, weightSum})
        sum->clear();
}

void AxleRows::showFirstAxle()
{
    for (QWidget* widget : rowWidgets(0))
        if (widget)
            widget->show();
}

void AxleRows::markFirstAxleUnset()
{
    validateEdit(cell(List::tyre, 0), false, QString());
    validateEdit(cell(List::weight, 0), false, QString());
}

void AxleRows::judgeGaps(const Subclass& subclass, const Conf& conf)
{
    // Only the gaps shown: however many axles the record claims, there are at most twenty.
    for (int gap = 0; gap < gapEditorCount(); ++gap)
        if (!FrameCells::at(maxDistances, gap)->isHidden())
            colour(subclass, {List::maxDistance, gap}, conf);
}

void AxleRows::redisplayUnits(const Subclass* subclass, int axles, const Conf& conf)
{
    const QString lengthSuffix = units.suffix(Kind::length);
    for (QLabel* caption : {maxDistanceCaption, minDistanceCaption})
        caption->setText(DisplayUnits::withSuffix(caption->text(), lengthSuffix));
    weightCaption->setText(
        DisplayUnits::withSuffix(weightCaption->text(), units.suffix(Kind::weight)));
    alignColumns();
    if (!subclass)
        return;
    for (int row = 0; row < axles; ++row) {
        showRowValues(*subclass, row);
        judgeRow(*subclass, row, conf);
    }
    refreshSums(*subclass);
}

void AxleRows::refreshSums(const Subclass& subclass)
{
    maxDistanceSum->setText(units.sumLabelText(subclass.sum_max_distances(), Kind::length));
    minDistanceSum->setText(units.sumLabelText(subclass.sum_min_distances(), Kind::length));
    weightSum->setText(units.sumLabelText(subclass.sum_max_axle_weights(), Kind::weight));
}

std::optional<AxleRows::Cell> AxleRows::cellOf(const QObject* editor) const
{
    const auto* edit = qobject_cast<const QLineEdit*>(editor);
    if (!edit)
        return std::nullopt;
    for (List list : {List::maxDistance, List::minDistance, List::weight, List::tyre}) {
        const int index = FrameCells::indexOf(frameOf(list), edit);
        if (index >= 0)
            return Cell{list, index};
    }
    return std::nullopt;
}

QList<int> AxleRows::tickedAxles() const
{
    QList<int> ticked;
    for (int index = 0; index < FrameCells::count(boxes); ++index) {
        const QCheckBox* box = FrameCells::checkBoxAt(boxes, index);
        if (box && box->isChecked())
            ticked << index + 1;
    }
    return ticked;
}

void AxleRows::untickAll()
{
    for (int index = 0; index < FrameCells::count(boxes); ++index)
        if (QCheckBox* box = FrameCells::checkBoxAt(boxes, index))
            box->setChecked(false);
}
