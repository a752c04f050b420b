// The scalar values of a subclass and the rules that judge them.
#include "model/subclass.h"

#include "model/finitereal.h"

#include <QDebug>
#include <QRegExp>

#include <algorithm>

// Keys come in as QStringLiteral: static text, so reading or storing a value allocates nothing
// for its key. Every check of every subclass reads its values through here.
QString Subclass::scalar(const QString& key) const
{
    return scalars.value(key);
}

void Subclass::set_scalar(const QString& key, const QString& value)
{
    scalars.insert(key, value);
}

QString Subclass::get_number_of_axles() const
{
    return scalar(QStringLiteral("number_of_axles"));
}

void Subclass::set_number_of_axles(const QString& value)
{
    set_scalar(QStringLiteral("number_of_axles"), value);
    pad_lists(value);
}

void Subclass::pad_lists(const QString& number_of_axles)
{
    // The editors may grow the lists one entry past the axles in use; nothing needs more
    // than the largest valid count, so an absurd count pads no further than that.
    const int n = std::min(number_of_axles.toInt(), max_axles);
    while (n > min_distances.size()) {
        if (min_distances.size() != max_distances.size())
            qWarning() << "set_number_of_axles-axles:" << min_distances.size()
                       << "!=" << max_distances.size();
        min_distances.append(QString());
        max_distances.append(QString());
    }
    while (n >= max_axle_weights.size()) {
        if (tyre_types.size() != max_axle_weights.size())
            qWarning() << "set_number_of_axles-weight/tyre:" << max_axle_weights.size()
                       << "!=" << tyre_types.size();
        max_axle_weights.append(QString());
        tyre_types.append(QString());
    }
}

QString Subclass::get_axle_configuration() const
{
    return scalar(QStringLiteral("axle_configuration"));
}
void Subclass::set_axle_configuration(const QString& value)
{
    set_scalar(QStringLiteral("axle_configuration"), value.toUpper());
}

QString Subclass::get_category() const
{
    return scalar(QStringLiteral("category"));
}
void Subclass::set_category(const QString& value)
{
    set_scalar(QStringLiteral("category"), value);
}

QString Subclass::get_max_GVW__kN() const
{
    return scalar(QStringLiteral("max_GVW__kN"));
}
void Subclass::set_max_GVW__kN(const QString& value)
{
    set_scalar(QStringLiteral("max_GVW__kN"), value);
}

QString Subclass::get_upper_GVW_limit__kN() const
{
    return scalar(QStringLiteral("upper_GVW_limit__kN"));
}
void Subclass::set_upper_GVW_limit__kN(const QString& value)
{
    set_scalar(QStringLiteral("upper_GVW_limit__kN"), value);
}

QString Subclass::get_reclassify_up_to_subclass() const
{
    return scalar(QStringLiteral("reclassify_up_to_subclass"));
}
void Subclass::set_reclassify_up_to_subclass(const QString& value)
{
    set_scalar(QStringLiteral("reclassify_up_to_subclass"), value);
}

QString Subclass::get_lower_GVW_limit__kN() const
{
    return scalar(QStringLiteral("lower_GVW_limit__kN"));
}
void Subclass::set_lower_GVW_limit__kN(const QString& value)
{
    set_scalar(QStringLiteral("lower_GVW_limit__kN"), value);
}

QString Subclass::get_reclassify_down_to_subclass() const
{
    return scalar(QStringLiteral("reclassify_down_to_subclass"));
}
void Subclass::set_reclassify_down_to_subclass(const QString& value)
{
    set_scalar(QStringLiteral("reclassify_down_to_subclass"), value);
}

QString Subclass::get_prepend__m() const
{
    return scalar(QStringLiteral("prepend__m"));
}
void Subclass::set_prepend__m(const QString& value)
{
    set_scalar(QStringLiteral("prepend__m"), value);
}

QString Subclass::get_append__m() const
{
    return scalar(QStringLiteral("append__m"));
}
void Subclass::set_append__m(const QString& value)
{
    set_scalar(QStringLiteral("append__m"), value);
}

QString Subclass::get_alias() const
{
    return scalar(QStringLiteral("alias"));
}
void Subclass::set_alias(const QString& value)
{
    set_scalar(QStringLiteral("alias"), value);
}

QString Subclass::get_override_class() const
{
    return scalar(QStringLiteral("override_class"));
}
void Subclass::set_override_class(const QString& value)
{
    set_scalar(QStringLiteral("override_class"), value);
}

QString Subclass::get_override_groups() const
{
    return scalar(QStringLiteral("override_groups"));
}
void Subclass::set_override_groups(const QString& value)
{
    set_scalar(QStringLiteral("override_groups"), value);
}

QString Subclass::get_adsl_0() const
{
    return scalar(QStringLiteral("adsl_0"));
}
void Subclass::set_adsl_0(const QString& value)
{
    set_scalar(QStringLiteral("adsl_0"), value);
}

QString Subclass::get_awsl_0() const
{
    return scalar(QStringLiteral("awsl_0"));
}
void Subclass::set_awsl_0(const QString& value)
{
    set_scalar(QStringLiteral("awsl_0"), value);
}

bool Subclass::is_number_of_axles_valid() const
{
    const QString n = get_number_of_axles();
    return n.toInt() > 1 && n.toFloat() <= 20.0f;
}

bool Subclass::is_axle_configuration_valid() const
{
    const QString configuration = get_axle_configuration();
    if (configuration.isEmpty())
        return false;
    // Compiled once; matching changes a QRegExp's state, so each call matches with a copy.
    static const QRegExp shape_pattern(QStringLiteral("[ABCHLMV]\\d+(?:[DTS]\\d+)*"));
    static const QRegExp digits_pattern(QStringLiteral("\\d+"));
    QRegExp shape = shape_pattern;
    if (!shape.exactMatch(configuration))
        return false;
    // The counts of the units add up to the axles of the whole vehicle.
    QRegExp digits = digits_pattern;
    qint64 sum = 0;
    for (int pos = digits.indexIn(configuration); pos >= 0;
         pos = digits.indexIn(configuration, pos + digits.matchedLength()))
        sum += configuration.midRef(pos, digits.matchedLength()).toUInt();
    return sum == get_number_of_axles().toInt();
}

bool Subclass::is_category_valid() const
{
    return !get_category().isEmpty();
}

bool Subclass::is_max_GVW_valid() const
{
    const QString gvw = get_max_GVW__kN();
    return !gvw.isEmpty() && is_finite_real(gvw);
}

namespace {

bool reclassify_target_valid(const QString& target_number_of_axles, const QString& own)
{
    if (target_number_of_axles.isEmpty())
        return true;
    if (target_number_of_axles == QLatin1String("0"))
        return false;
    return target_number_of_axles == own;
}

} // namespace

bool Subclass::is_reclassify_up_valid(const QString& target_number_of_axles) const
{
    return reclassify_target_valid(target_number_of_axles, get_number_of_axles());
}

bool Subclass::is_reclassify_down_valid(const QString& target_number_of_axles) const
{
    return reclassify_target_valid(target_number_of_axles, get_number_of_axles());
}

bool Subclass::can_draw() const
{
    // The loop ends at the first gap the lists do not hold, so an absurd count costs nothing.
    const qint64 n = get_number_of_axles().toInt();
    for (qint64 i = 0; i < n - 1; ++i) {
        const bool held = i < min_distances.size() && i < max_distances.size();
        const QString min = held ? min_distances.at(int(i)) : QString();
        const QString max = held ? max_distances.at(int(i)) : QString();
        if (!held || !(min.toFloat() > 0.0f) || !(max.toFloat() > 0.0f)) {
            qDebug() << "Can't draw because at index" << i << "min dist is" << min
                     << "and max dist is" << max;
            return false;
        }
    }
    return is_number_of_axles_valid();
}
