#include "ui/spacingchart.h"

#include "ui/shownlength.h"
#include "ui/subclasslists.h"
#include "ui/windowtext.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr double leftMargin = 64;
constexpr double rightMargin = 16;
constexpr double topMargin = 56;
constexpr double bottomMargin = 40;
constexpr double laneHeight = 14;
constexpr double lanePitch = 17;
constexpr double histogramHeight = 30;
constexpr double rowSpacing = 14;
// Bars narrower than this are widened about their middle, so that a range of one spacing shows.
constexpr double thinnest = 3;

const QColor validColour(70, 130, 180);
const QColor currentColour(230, 120, 0);
const QColor invalidColour(170, 170, 170);
const QColor holeColour(200, 40, 40);
const QColor overlapColour(255, 150, 0);

// A step of 1, 2 or 5 times a power of ten near the given one.
double niceStep(double rough)
{
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

QRectF widened(double x1, double x2, double top, double height)
{
    if (x2 - x1 < thinnest) {
        const double middle = (x1 + x2) / 2;
        x1 = middle - thinnest / 2;
        x2 = middle + thinnest / 2;
    }
    return QRectF(x1, top, x2 - x1, height);
}

} // namespace

SpacingChart::SpacingChart(const DisplayUnits& units, QWidget* parent)
    : QWidget(parent), units(units)
{
    setObjectName(QStringLiteral("chartSpacing"));
    setMouseTracking(false);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void SpacingChart::setModel(const SpacingChartModel& model)
{
    chart = model;
    updateGeometry();
    update();
}

void SpacingChart::setCurrent(quint32 subclass)
{
    chart.set_current(subclass);
    update();
}

double SpacingChart::plotWidth() const
{
    return std::max(40.0, width() - leftMargin - rightMargin);
}

double SpacingChart::xOf(double metres) const
{
    return leftMargin +
           (metres - chart.axis_from) / (chart.axis_to - chart.axis_from) * plotWidth();
}

double SpacingChart::barsHeight(int row) const
{
    return std::max(1, chart.rows.at(row).lanes) * lanePitch;
}

double SpacingChart::rowHeight(int row) const
{
    return barsHeight(row) + (chart.rows.at(row).histogram.isEmpty() ? 0 : histogramHeight + 4);
}

double SpacingChart::rowTop(int row) const
{
    double top = topMargin;
    for (int r = 0; r < row; ++r)
        top += rowHeight(r) + rowSpacing;
    return top;
}

QRectF SpacingChart::barRect(int row, const SpacingChartModel::Bar& bar) const
{
    return widened(xOf(bar.from), xOf(bar.to), rowTop(row) + bar.lane * lanePitch + 1, laneHeight);
}

QSize SpacingChart::sizeHint() const
{
    if (chart.rows.isEmpty())
        return QSize(480, 200);
    return QSize(480, int(rowTop(chart.rows.size()) + bottomMargin));
}

SpacingChart::Hit SpacingChart::hitAt(const QPointF& point) const
{
    Hit hit;
    const double metresPerPixel = (chart.axis_to - chart.axis_from) / plotWidth();
    hit.spacing = chart.axis_from + (point.x() - leftMargin) * metresPerPixel;
    for (int row = 0; row < chart.rows.size(); ++row) {
        const double top = rowTop(row);
        if (point.y() < top || point.y() >= top + barsHeight(row))
            continue;
        hit.row = row;
        const int lane = int((point.y() - top) / lanePitch);
        hit.subclass = chart.bar_at(row, lane, hit.spacing, thinnest / 2 * metresPerPixel);
    }
    return hit;
}

void SpacingChart::mousePressEvent(QMouseEvent* event)
{
    const Hit hit = hitAt(event->localPos());
    if (event->button() == Qt::LeftButton && hit.subclass)
        emit subclassChosen(*hit.subclass);
    QWidget::mousePressEvent(event);
}

bool SpacingChart::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const Hit hit = hitAt(help->pos());
    QString text;
    const QString unit = lengthUnitName(units);
    const auto range = [&](double from, double to) {
        return QStringLiteral("%1 – %2 %3")
            .arg(shownLength(from, units), shownLength(to, units), unit);
    };
    if (hit.row >= 0) {
        for (const auto& bar : chart.rows.at(hit.row).bars) {
            if (hit.subclass && bar.subclass == *hit.subclass)
                text = SubclassLists::itemText(bar.subclass) + QStringLiteral(": ") +
                       range(bar.from, bar.to) +
                       (bar.valid ? QString() : QLatin1Char(' ') + windowText("(invalid)"));
        }
        for (const auto& hole : chart.rows.at(hit.row).holes) {
            if (text.isEmpty() && hole.from <= hit.spacing && hit.spacing <= hole.to)
                text = windowText("No valid subclass covers ") + range(hole.from, hole.to);
        }
    }
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void SpacingChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (chart.rows.isEmpty()) {
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         windowText("Choose a subclass with a valid number of axles to see the "
                                    "spacing ranges of every subclass with that many axles."));
        return;
    }
    const QString unit = lengthUnitName(units);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(
        QPointF(8, 16),
        windowText("%1 axles: spacing between axles, per gap (%2)").arg(chart.axles).arg(unit));
    painter.setFont(font());
    painter.drawText(
        QPointF(8, 32),
        windowText("Shaded: no valid subclass covers it. Orange: subclasses overlap."));
    if (!chart.rows.constFirst().histogram.isEmpty())
        painter.drawText(QPointF(8, 47), windowText("Grey: the %1 measured vehicles with %2 axles.")
                                             .arg(chart.vehicles_drawn)
                                             .arg(chart.axles));

    for (int row = 0; row < chart.rows.size(); ++row)
        paintRow(painter, row);
    paintAxis(painter);
}

void SpacingChart::paintRow(QPainter& painter, int row) const
{
    const SpacingChartModel::Row& data = chart.rows.at(row);
    const double top = rowTop(row);
    const double height = barsHeight(row);
    const double left = xOf(chart.axis_from);
    const double right = xOf(chart.axis_to);

    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(4, top, leftMargin - 10, lanePitch), Qt::AlignRight | Qt::AlignVCenter,
                     windowText("Gap %1").arg(row + 1));
    painter.fillRect(QRectF(left, top, right - left, height), QColor(245, 245, 245));

    for (const auto& hole : data.holes) {
        const QRectF area = widened(xOf(hole.from), xOf(hole.to), top, height);
        painter.fillRect(area, QColor(holeColour.red(), holeColour.green(), holeColour.blue(), 40));
        painter.fillRect(area, QBrush(holeColour, Qt::BDiagPattern));
    }
    for (const auto& overlap : data.overlaps) {
        const QRectF area = widened(xOf(overlap.from), xOf(overlap.to), top, height);
        painter.fillRect(
            area, QColor(overlapColour.red(), overlapColour.green(), overlapColour.blue(), 60));
        painter.fillRect(QRectF(area.left(), top + height - 3, area.width(), 3), overlapColour);
    }

    const QFontMetricsF metrics(painter.font());
    for (const auto& bar : data.bars) {
        const QRectF area = barRect(row, bar);
        const QColor fill = bar.current ? currentColour : (bar.valid ? validColour : invalidColour);
        painter.fillRect(area, fill);
        if (!bar.valid)
            painter.fillRect(area, QBrush(Qt::white, Qt::FDiagPattern));
        painter.setPen(QPen(bar.current ? Qt::black : fill.darker(140), bar.current ? 2 : 1));
        painter.drawRect(area);
        const QString label = QString::number(bar.subclass);
        if (metrics.horizontalAdvance(label) + 4 < area.width()) {
            painter.setPen(bar.valid || bar.current ? Qt::white : Qt::black);
            painter.drawText(area, Qt::AlignCenter, label);
        }
    }

    if (data.histogram.isEmpty())
        return;
    int most = 1;
    for (const auto& other : chart.rows)
        most = std::max(most, *std::max_element(other.histogram.cbegin(), other.histogram.cend()));
    const double base = top + height + 4 + histogramHeight;
    const double binWidth = (right - left) / data.histogram.size();
    painter.setPen(QColor(200, 200, 200));
    painter.drawLine(QPointF(left, base), QPointF(right, base));
    for (int bin = 0; bin < data.histogram.size(); ++bin) {
        const double tall = histogramHeight * data.histogram.at(bin) / most;
        if (tall > 0)
            painter.fillRect(QRectF(left + bin * binWidth, base - tall, binWidth, tall),
                             QColor(120, 120, 120));
    }
}

void SpacingChart::paintAxis(QPainter& painter) const
{
    const double y = rowTop(chart.rows.size()) - rowSpacing + 6;
    const double factor = units.lengthFactor();
    const double from = chart.axis_from / factor;
    const double to = chart.axis_to / factor;
    const double step = niceStep((to - from) / std::max(2.0, plotWidth() / 80));
    const int decimals = std::max(0, int(-std::floor(std::log10(step))));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(QPointF(xOf(chart.axis_from), y), QPointF(xOf(chart.axis_to), y));
    for (double tick = std::ceil(from / step) * step; tick <= to + step / 1000; tick += step) {
        const double x = xOf(tick * factor);
        painter.drawLine(QPointF(x, y), QPointF(x, y + 4));
        painter.drawText(QRectF(x - 40, y + 4, 80, 16), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(tick, 'f', decimals));
    }
    const QString caption =
        chart.axis_from_header
            ? windowText("Spacing (%1), the header's range of axle distances")
            : windowText("Spacing (%1); the header gives no range of axle distances");
    painter.drawText(QRectF(leftMargin, y + 20, plotWidth(), 16), Qt::AlignHCenter,
                     caption.arg(lengthUnitName(units)));
}
