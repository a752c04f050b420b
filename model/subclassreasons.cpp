// The failing fields of a subclass in words, field by field, through the same rules that judge
// the whole subclass.
#include "model/subclassreasons.h"

#include "model/conf.h"
#include "model/finitereal.h"

#include <QtNumeric>

#include <iterator>
#include <utility>

bool SubclassReason::operator==(const SubclassReason& other) const
{
    return field == other.field && index == other.index && value == other.value &&
           message == other.message;
}

namespace {

QString shown(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("empty") : text;
}

// "is 1e39, not a finite number" and the like; the empty text reads "is empty".
QString is(const QString& value, const QString& what_is_wrong)
{
    if (value.isEmpty())
        return QStringLiteral("is empty");
    return QStringLiteral("is ") + value + QStringLiteral(", ") + what_is_wrong;
}

const QString not_finite = QStringLiteral("not a finite number");

class Collector
{
public:
    void add(const char* field, int index, const QString& value, const QString& message)
    {
        reasons.append({QLatin1String(field), index, value, message});
    }
    void add(const QString& field, int index, const QString& value, const QString& message)
    {
        reasons.append({field, index, value, message});
    }

    SubclassReasons reasons;
};

QString entry(const TextList& list, int index)
{
    return list.at(index);
}

void add_axle_count(Collector& out, const Subclass& s)
{
    if (s.is_number_of_axles_valid())
        return;
    const QString n = s.get_number_of_axles();
    out.add("number_of_axles", 0, n, QStringLiteral("number of axles ") + is(n, "must be 2 to 20"));
}

void add_weight(Collector& out, const Subclass& s, int i)
{
    if (i < s.max_axle_weight_count() && s.is_max_axle_weight_valid(i))
        return;
    const QString value = entry(s.max_axle_weight_texts(), i);
    out.add("max_axle_weight__kN", i + 1, value,
            QStringLiteral("max. axle weight of axle %1 ").arg(i + 1) +
                is(value,
                   is_finite_real(value) ? QStringLiteral("must be greater than 0") : not_finite));
}

void add_tyre(Collector& out, const Subclass& s, int i)
{
    if (i < s.tyre_type_count() && s.is_tyre_type_valid(i))
        return;
    const QString value = entry(s.tyre_type_texts(), i);
    out.add("tyre_type", i + 1, value,
            QStringLiteral("tyre type of axle %1 ").arg(i + 1) + is(value, "must be 1 to 4"));
}

// Why one distance of a gap fails its rule against the other distance of the gap and the header.
QString distance_problem(bool is_min, const QString& own, const QString& other, bool other_held,
                         const QString& header_min, const QString& header_max)
{
    const float value = own.toFloat();
    if (own.isEmpty() || !qIsFinite(value))
        return is(own, not_finite);
    const char* other_words = is_min ? "max. axle distance" : "min. axle distance";
    if (!other_held || other.isEmpty())
        return is(own, QStringLiteral("and the %1 of that gap is empty").arg(other_words));
    const float min = is_min ? value : other.toFloat();
    const float max = is_min ? other.toFloat() : value;
    if (!(max >= min))
        return is(own, QStringLiteral("%1 the %2 %3 of that gap")
                           .arg(is_min ? "above" : "below", other_words, other));
    if (!(value >= header_min.toFloat()))
        return is(own,
                  QStringLiteral("below the header's min. axle distance ") + shown(header_min));
    if (!(value <= header_max.toFloat()))
        return is(own,
                  QStringLiteral("above the header's max. axle distance ") + shown(header_max));
    return is(own, QStringLiteral("outside the header's axle distances %1 to %2")
                       .arg(shown(header_min), shown(header_max)));
}

void add_gap(Collector& out, const Subclass& s, int i, const QString& header_min,
             const QString& header_max)
{
    // The rules of the two distances, asked only where they log nothing.
    const bool min_held = i < s.min_distance_count();
    const bool max_held = i < s.max_distance_count();
    const bool same_length = s.min_distance_count() == s.max_distance_count();
    const QString min = entry(s.min_distance_texts(), i);
    const QString max = entry(s.max_distance_texts(), i);
    if (!(min_held && max_held && s.is_min_distance_valid(i, header_min, header_max)))
        out.add("min_axle_distance__m", i + 1, min,
                QStringLiteral("min. axle distance of gap %1 ").arg(i + 1) +
                    (min_held ? distance_problem(true, min, max, max_held, header_min, header_max)
                              : QStringLiteral("is empty")));
    if (max_held && same_length && s.is_max_distance_valid(i, header_min, header_max))
        return;
    QString problem;
    if (!max_held)
        problem = QStringLiteral("is empty");
    else if (!same_length)
        problem = QStringLiteral("cannot be judged: the subclass holds %1 min. and %2 max. axle "
                                 "distances")
                      .arg(s.min_distance_count())
                      .arg(s.max_distance_count());
    else
        problem = distance_problem(false, max, min, min_held, header_min, header_max);
    out.add("max_axle_distance__m", i + 1, max,
            QStringLiteral("max. axle distance of gap %1 ").arg(i + 1) + problem);
}

struct ConstraintKind
{
    const char* kind;
    const char* field; // the file key, or its stem before the position from 1
    bool numbered;
    const char* words;
    const char* example;
};

const ConstraintKind constraint_kinds[] = {
    {"default", "max_axle_weight__kN", false, "combined axle weight limit", "2+3,176.6"},
    {"adsl", "adsl_", true, "combined axle distance constraint", "1+2:2.5,4.8"},
    {"awsl", "awsl_", true, "combined axle weight constraint", "2+3:98.1,12;176.6,14"},
};

QString constraint_problem(const char* words, const QString& value, const char* example)
{
    if (!are_numbers_finite(value))
        return QStringLiteral("%1 %2 holds a number that is not finite").arg(words, value);
    return QStringLiteral("%1 %2 is not of the form %3").arg(words, shown(value), example);
}

QString constraint_field(const ConstraintKind& kind, int i)
{
    return kind.numbered ? QLatin1String(kind.field) + QString::number(i + 1)
                         : QString(QLatin1String(kind.field));
}

// With grammar, each constraint is judged by its whole rule; without, only by its numbers.
void add_constraints(Collector& out, const Subclass& s, bool grammar)
{
    for (const ConstraintKind& kind : constraint_kinds) {
        const QString kind_text = QLatin1String(kind.kind);
        for (int i = 0; i < s.get_constraint_count(kind_text); ++i) {
            const QString value = s.get_constraint(i, kind_text);
            if (grammar ? s.is_constraint_valid(i, kind_text) : are_numbers_finite(value))
                continue;
            out.add(constraint_field(kind, i), 0, value,
                    constraint_problem(kind.words, value, kind.example));
        }
    }
}

void add_totals(Collector& out, const Subclass& s, bool grammar)
{
    const QString distance = s.get_adsl_0();
    if (!(grammar ? s.is_adsl_0_valid() : are_numbers_finite(distance)))
        out.add("adsl_0", 0, distance,
                constraint_problem("total distance constraint", distance, "2.5,18.75"));
    const QString weight = s.get_awsl_0();
    if (!(grammar ? s.is_awsl_0_valid() : are_numbers_finite(weight)))
        out.add("awsl_0", 0, weight,
                constraint_problem("total weight constraint", weight, "98.1,12;441.5,14"));
}

void add_scalars(Collector& out, const Subclass& s)
{
    if (!s.is_category_valid())
        out.add("category", 0, QString(), QStringLiteral("category is empty"));
    if (!s.is_max_GVW_valid()) {
        const QString gvw = s.get_max_GVW__kN();
        out.add("max_GVW__kN", 0, gvw, QStringLiteral("max. GVW ") + is(gvw, not_finite));
    }
    if (s.is_axle_configuration_valid())
        return;
    const QString configuration = s.get_axle_configuration();
    // The configuration's shape is judged by the rule itself, given the count the text names.
    qint64 named = 0;
    QString digits;
    for (const QChar c : configuration + QLatin1Char(' ')) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits += c;
        } else if (!digits.isEmpty()) {
            named += digits.toUInt();
            digits.clear();
        }
    }
    Subclass shape;
    shape.set_axle_configuration(configuration);
    shape.set_number_of_axles(QString::number(named));
    if (!shape.is_axle_configuration_valid())
        out.add("axle_configuration", 0, configuration,
                configuration.isEmpty()
                    ? QStringLiteral("axle configuration is empty")
                    : QStringLiteral("axle configuration %1 is not of the form H2T2D1S2")
                          .arg(configuration));
    else if (s.is_number_of_axles_valid())
        out.add("axle_configuration", 0, configuration,
                QStringLiteral("axle configuration %1 has %2 axles, number of axles is %3")
                    .arg(configuration)
                    .arg(named)
                    .arg(s.get_number_of_axles()));
}

// The reals that no rule of their own judges.
void add_unruled_reals(Collector& out, const Subclass& s)
{
    const std::pair<const char*, QString> reals[] = {
        {"upper_GVW_limit__kN", s.get_upper_GVW_limit__kN()},
        {"lower_GVW_limit__kN", s.get_lower_GVW_limit__kN()},
        {"prepend__m", s.get_prepend__m()},
        {"append__m", s.get_append__m()},
    };
    const char* const words[] = {"upper GVW limit", "lower GVW limit", "prepend", "append"};
    for (int k = 0; k < int(std::size(reals)); ++k) {
        if (!is_finite_real(reals[k].second))
            out.add(reals[k].first, 0, reals[k].second,
                    QLatin1String(words[k]) + QLatin1Char(' ') + is(reals[k].second, not_finite));
    }
}

void add_positive_distance(Collector& out, const char* field, const char* words,
                           const TextList& list, int i)
{
    const QString value = entry(list, i);
    const float real = value.toFloat();
    if (i < list.size() && real > 0.0f && qIsFinite(real))
        return;
    out.add(field, i + 1, value,
            QStringLiteral("%1 of gap %2 ").arg(words).arg(i + 1) +
                is(value, qIsFinite(real) ? QStringLiteral("must be greater than 0") : not_finite));
}

} // namespace

SubclassReasons subclass_reasons(const Subclass& s, const QString& header_min,
                                 const QString& header_max)
{
    Collector out;
    add_axle_count(out, s);
    if (s.is_number_of_axles_valid()) {
        const int n = qMin(s.get_number_of_axles().toInt(), Subclass::max_axles);
        for (int i = 0; i < n - 1; ++i)
            add_gap(out, s, i, header_min, header_max);
        for (int i = 0; i < n; ++i) {
            add_weight(out, s, i);
            add_tyre(out, s, i);
        }
    }
    add_constraints(out, s, true);
    add_scalars(out, s);
    add_totals(out, s, true);
    add_unruled_reals(out, s);
    return out.reasons;
}

SubclassReasons saving_reasons(const Subclass& s)
{
    Collector out;
    add_axle_count(out, s);
    if (s.is_number_of_axles_valid()) {
        const int n = qMin(s.get_number_of_axles().toInt(), Subclass::max_axles);
        for (int i = 0; i < n - 1; ++i) {
            add_positive_distance(out, "min_axle_distance__m", "min. axle distance",
                                  s.min_distance_texts(), i);
            add_positive_distance(out, "max_axle_distance__m", "max. axle distance",
                                  s.max_distance_texts(), i);
        }
        for (int i = 0; i < n; ++i) {
            add_weight(out, s, i);
            add_tyre(out, s, i);
        }
    }
    add_scalars(out, s);
    add_constraints(out, s, false);
    add_totals(out, s, false);
    add_unruled_reals(out, s);
    return out.reasons;
}

QMap<quint32, SubclassReasons> invalid_subclass_reasons(const Conf& conf)
{
    const QString header_min = conf.get_min_axle_distance__m();
    const QString header_max = conf.get_max_axle_distance__m();
    QMap<quint32, SubclassReasons> reasons;
    for (quint32 number : conf.invalid_subclass_numbers())
        reasons.insert(number, subclass_reasons(conf.get_subclass(number), header_min, header_max));
    return reasons;
}
