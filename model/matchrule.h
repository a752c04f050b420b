#pragma once

#include "model/vehiclerecord.h"

#include <QString>
#include <QVector>

#include <array>

class Subclass;

// A subclass's constraint that the matching rule leaves to the site's system or cannot apply.
struct NotApplied
{
    quint32 subclass = 0;
    QString field; // the file key: adsl_2, awsl_1, awsl_0, reclassify_up_to_subclass ...
    QString value;
    QString why;
};

// One valid subclass, read once into numbers, as the matching rule needs it.
//
// The matching rule: a subclass matches a vehicle when the vehicle has the subclass's axle
// count; every spacing lies within that gap's [min, max], both ends included; every combined
// axle distance constraint a+b+...:lo,hi holds for the distance from the lowest to the highest
// axle it names, and adsl_0 lo,hi for the distance from the first to the last axle; and, on
// every axle whose tyre type was measured, the tyre type equals the subclass's. Only valid
// subclasses are candidates (the caller judges validity against the header). Every number is
// read as single precision, those of the vehicle file too; a distance spanning several gaps is
// the sum of its spacings as written, read the same way.
//
// Weights do not decide a match: a vehicle that matches is over the subclass's limits when an
// axle is heavier than its max. axle weight, the gross weight heavier than max. GVW, or axles
// named by a combined weight limit a+b,W together heavier than W; a limit involving an axle
// whose weight was not measured is not checked. Constraints naming one axle only or an axle
// outside 1..n are not applied; neither are reclassification by GVW and the combined axle
// weight constraints (awsl), which are left to the site's system (not_applied lists them all).
class MatchRule
{
public:
    struct Span
    {
        int first = 0; // axle index from 0
        int last = 0;
        float min = 0;
        float max = 0;
    };

    // The subclass must be valid.
    explicit MatchRule(const Subclass& subclass);

    quint32 number() const { return subclass_number; }
    int axles() const { return axle_count; }
    const QString& category() const { return category_text; }
    float gap_min(int gap) const { return min_spacing[gap]; }
    float gap_max(int gap) const { return max_spacing[gap]; }
    int tyre(int axle) const { return tyres[axle]; }
    float axle_weight_limit(int axle) const { return max_weight[axle]; }
    float gross_weight_limit() const { return max_gvw; }
    // The combined distance constraints applied, adsl_0 included.
    const QVector<Span>& spans() const { return applied_spans; }
    const QVector<NotApplied>& not_applied() const { return left_out; }

    // The matching rule.
    bool matches(const VehicleRecord& vehicle) const;
    // Whether a vehicle is over this subclass's weight limits.
    bool over_limits(const VehicleRecord& vehicle) const;

private:
    struct WeightLimit
    {
        QVector<int> axles; // indices from 0
        float max = 0;
    };

    void read_spans(const Subclass& subclass);
    void read_weight_limits(const Subclass& subclass);
    void leave_out(const QString& field, const QString& value, const QString& why);

    quint32 subclass_number = 0;
    int axle_count = 0;
    QString category_text;
    std::array<float, VehicleRecord::max_axles - 1> min_spacing{};
    std::array<float, VehicleRecord::max_axles - 1> max_spacing{};
    std::array<int, VehicleRecord::max_axles> tyres{};
    std::array<float, VehicleRecord::max_axles> max_weight{};
    float max_gvw = 0;
    QVector<Span> applied_spans;
    QVector<WeightLimit> weight_limits;
    QVector<NotApplied> left_out;
};
