#include "model/matchrule.h"

#include "model/subclass.h"

#include <algorithm>

namespace {

// The axle numbers of a constraint's "a+b+..." part, in the order written.
QVector<int> axle_numbers(const QString& text)
{
    QVector<int> numbers;
    for (const QString& number : text.split(QLatin1Char('+')))
        numbers.append(number.toInt());
    return numbers;
}

const QString left_to_site = QStringLiteral("left to the site's system");

} // namespace

MatchRule::MatchRule(const Subclass& s)
    : subclass_number(s.get_number()),
      axle_count(qBound(0, s.get_number_of_axles().toInt(), int(VehicleRecord::max_axles))),
      category_text(s.get_category()), max_gvw(s.get_max_GVW__kN().toFloat())
{
    for (int i = 0; i + 1 < axle_count; ++i) {
        min_spacing[i] = s.min_distance_texts().float_at(i);
        max_spacing[i] = s.max_distance_texts().float_at(i);
    }
    for (int i = 0; i < axle_count; ++i) {
        tyres[i] = s.tyre_type_texts().int_at(i);
        max_weight[i] = s.max_axle_weight_texts().float_at(i);
    }
    read_spans(s);
    read_weight_limits(s);

    for (const auto& [field, value] : {std::make_pair(QStringLiteral("reclassify_up_to_subclass"),
                                                      s.get_reclassify_up_to_subclass()),
                                       std::make_pair(QStringLiteral("reclassify_down_to_subclass"),
                                                      s.get_reclassify_down_to_subclass())}) {
        if (!value.isEmpty())
            leave_out(field, value, QStringLiteral("reclassification by GVW is ") + left_to_site);
    }
    const QString awsl = QStringLiteral("awsl");
    for (int i = 0; i < s.get_constraint_count(awsl); ++i)
        leave_out(QStringLiteral("awsl_%1").arg(i + 1), s.get_constraint(i, awsl),
                  QStringLiteral("combined axle weight constraints are ") + left_to_site);
    if (!s.get_awsl_0().isEmpty())
        leave_out(QStringLiteral("awsl_0"), s.get_awsl_0(),
                  QStringLiteral("the total weight constraint is ") + left_to_site);
}

void MatchRule::leave_out(const QString& field, const QString& value, const QString& why)
{
    left_out.append({subclass_number, field, value, why});
}

void MatchRule::read_spans(const Subclass& s)
{
    const QString adsl = QStringLiteral("adsl");
    for (int i = 0; i < s.get_constraint_count(adsl); ++i) {
        const QString text = s.get_constraint(i, adsl);
        const QVector<int> named = axle_numbers(text.section(QLatin1Char(':'), 0, 0));
        const int lowest = *std::min_element(named.cbegin(), named.cend());
        const int highest = *std::max_element(named.cbegin(), named.cend());
        const QString field = QStringLiteral("adsl_%1").arg(i + 1);
        if (lowest == highest) {
            leave_out(field, text, QStringLiteral("it names one axle only"));
            continue;
        }
        if (lowest < 1 || highest > axle_count) {
            leave_out(field, text,
                      QStringLiteral("it names an axle outside 1 to %1").arg(axle_count));
            continue;
        }
        const QString range = text.section(QLatin1Char(':'), 1);
        applied_spans.append({lowest - 1, highest - 1,
                              range.section(QLatin1Char(','), 0, 0).toFloat(),
                              range.section(QLatin1Char(','), 1).toFloat()});
    }
    const QString total = s.get_adsl_0();
    if (!total.isEmpty())
        applied_spans.append({0, axle_count - 1, total.section(QLatin1Char(','), 0, 0).toFloat(),
                              total.section(QLatin1Char(','), 1).toFloat()});
}

void MatchRule::read_weight_limits(const Subclass& s)
{
    const QString kind = QStringLiteral("default");
    for (int i = 0; i < s.get_constraint_count(kind); ++i) {
        const QString text = s.get_constraint(i, kind);
        QVector<int> named = axle_numbers(text.section(QLatin1Char(','), 0, 0));
        std::sort(named.begin(), named.end());
        named.erase(std::unique(named.begin(), named.end()), named.end());
        if (named.first() < 1 || named.last() > axle_count) {
            leave_out(QStringLiteral("max_axle_weight__kN"), text,
                      QStringLiteral("it names an axle outside 1 to %1").arg(axle_count));
            continue;
        }
        WeightLimit limit;
        for (int axle : named)
            limit.axles.append(axle - 1);
        limit.max = text.section(QLatin1Char(','), 1).toFloat();
        weight_limits.append(limit);
    }
}

bool MatchRule::matches(const VehicleRecord& vehicle) const
{
    if (vehicle.axles != axle_count)
        return false;
    for (int i = 0; i + 1 < axle_count; ++i) {
        if (!(vehicle.spacing[i] >= min_spacing[i] && vehicle.spacing[i] <= max_spacing[i]))
            return false;
    }
    for (const Span& span : applied_spans) {
        const float distance = vehicle.span(span.first, span.last);
        if (!(distance >= span.min && distance <= span.max))
            return false;
    }
    for (int i = 0; i < axle_count; ++i) {
        if (vehicle.tyre[i] != 0 && vehicle.tyre[i] != tyres[i])
            return false;
    }
    return true;
}

bool MatchRule::over_limits(const VehicleRecord& vehicle) const
{
    for (int i = 0; i < axle_count; ++i) {
        if (vehicle.has_weight(i) && vehicle.weight[i] > max_weight[i])
            return true;
    }
    float gross = 0;
    if (vehicle.gross_weight(gross) && gross > max_gvw)
        return true;
    for (const WeightLimit& limit : weight_limits) {
        double sum = 0;
        bool weighed = true;
        for (int axle : limit.axles) {
            weighed = weighed && vehicle.has_weight(axle);
            sum += vehicle.written_weight[axle];
        }
        if (weighed && VehicleRecord::single(sum) > limit.max)
            return true;
    }
    return false;
}
