#pragma once

#include "ui/spacingchartmodel.h"

#include <QRectF>
#include <QWidget>

class DisplayUnits;

// The spacing ranges of the subclasses of one axle count as horizontal bars, a row per gap,
// drawn from a SpacingChartModel in the displayed length unit. Clicking a bar chooses its
// subclass.
class SpacingChart : public QWidget
{
    Q_OBJECT

public:
    SpacingChart(const DisplayUnits& units, QWidget* parent = nullptr);

    const SpacingChartModel& model() const { return chart; }
    void setModel(const SpacingChartModel& model);
    // Highlights another subclass of the same axle count.
    void setCurrent(quint32 subclass);
    // Where a bar of the model is drawn, in widget coordinates.
    QRectF barRect(int row, const SpacingChartModel::Bar& bar) const;

    QSize sizeHint() const override;

signals:
    void subclassChosen(quint32 number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Hit
    {
        int row = -1;
        std::optional<quint32> subclass;
        double spacing = 0;
    };

    double xOf(double metres) const;
    double rowTop(int row) const;
    double rowHeight(int row) const;
    double barsHeight(int row) const;
    double plotWidth() const;
    Hit hitAt(const QPointF& point) const;
    void paintAxis(class QPainter& painter) const;
    void paintRow(QPainter& painter, int row) const;

    const DisplayUnits& units;
    SpacingChartModel chart;
};
