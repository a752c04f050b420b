// The checks that run before a configuration is saved: duplicates, completeness, the header.
#include "model/conf.h"

#include "model/finitereal.h"

#include <QHash>
#include <QVector>
#include <QtNumeric>

#include <algorithm>
#include <iterator>

namespace {

// Lists match when the shorter one is a prefix of the longer; an empty list matches any.
bool lists_match(const TextList& a, const TextList& b)
{
    const int shorter = std::min(a.size(), b.size());
    for (int i = 0; i < shorter; ++i) {
        if (!a.entry_equals(i, b, i))
            return false;
    }
    return true;
}

bool positive_entry(const TextList& list, qint64 index)
{
    if (index >= list.size())
        return false;
    const float value = list.float_at(int(index));
    return value > 0.0f && qIsFinite(value);
}

// A number that reads as infinity or not-a-number is never written to a file, wherever it stands.
bool numbers_finite(const Subclass& s)
{
    for (const QString& kind :
         {QStringLiteral("default"), QStringLiteral("adsl"), QStringLiteral("awsl")}) {
        for (int i = 0; i < s.get_constraint_count(kind); ++i) {
            if (!are_numbers_finite(s.get_constraint(i, kind)))
                return false;
        }
    }
    return are_numbers_finite(s.get_adsl_0()) && are_numbers_finite(s.get_awsl_0()) &&
           is_finite_real(s.get_upper_GVW_limit__kN()) &&
           is_finite_real(s.get_lower_GVW_limit__kN()) && is_finite_real(s.get_prepend__m()) &&
           is_finite_real(s.get_append__m());
}

} // namespace

bool Conf::subclasses_equal(const Subclass& x, const Subclass& y)
{
    return lists_match(x.max_axle_weight_texts(), y.max_axle_weight_texts()) &&
           lists_match(x.max_distance_texts(), y.max_distance_texts()) &&
           lists_match(x.min_distance_texts(), y.min_distance_texts()) &&
           lists_match(x.tyre_type_texts(), y.tyre_type_texts()) && x.scalar_values_match(y);
}

QString Conf::find_duplicate_subclasses_pairwise() const
{
    for (auto a = subclasses.cbegin(); a != subclasses.cend(); ++a) {
        for (auto b = std::next(a); b != subclasses.cend(); ++b) {
            if (subclasses_equal(a.value(), b.value()))
                return QString::number(a.key()) + QStringLiteral(" = ") + QString::number(b.key());
        }
    }
    return QString();
}

QString Conf::find_duplicate_subclasses() const
{
    // Equal records hold as many scalar values and the same values in key order, so they share
    // a hash of those values; only records of one bucket need the full comparison, with its
    // list rule that no hash could capture (an empty list matches any list).
    const int count = subclasses.size();
    QVector<QMap<quint32, Subclass>::const_iterator> records;
    QVector<uint> hashes;
    records.reserve(count);
    hashes.reserve(count);
    for (auto it = subclasses.cbegin(); it != subclasses.cend(); ++it) {
        records.append(it);
        hashes.append(it.value().scalar_values_hash());
    }

    // later[i]: the next record after i in ascending number with the same hash, or -1.
    QVector<int> later(count, -1);
    QHash<uint, int> first_of_bucket;
    first_of_bucket.reserve(count);
    for (int i = count - 1; i >= 0; --i) {
        auto bucket = first_of_bucket.find(hashes.at(i));
        if (bucket == first_of_bucket.end()) {
            first_of_bucket.insert(hashes.at(i), i);
        } else {
            later[i] = bucket.value();
            bucket.value() = i;
        }
    }

    // A in ascending number, B in ascending number after it: the first pair found is the one
    // the pairwise comparison finds.
    for (int a = 0; a < count; ++a) {
        for (int b = later.at(a); b >= 0; b = later.at(b)) {
            if (subclasses_equal(records.at(a).value(), records.at(b).value()))
                return QString::number(records.at(a).key()) + QStringLiteral(" = ") +
                       QString::number(records.at(b).key());
        }
    }
    return QString();
}

bool Conf::is_complete_for_saving(const Subclass& s)
{
    // Each loop stops at the first entry the lists do not hold.
    const qint64 n = s.get_number_of_axles().toInt();
    for (qint64 i = 0; i < n - 1; ++i) {
        if (!positive_entry(s.min_distance_texts(), i) ||
            !positive_entry(s.max_distance_texts(), i))
            return false;
    }
    for (qint64 i = 0; i < n; ++i) {
        if (!s.is_tyre_type_valid(int(i)) || !s.is_max_axle_weight_valid(int(i)))
            return false;
    }
    return s.is_category_valid() && s.is_max_GVW_valid() && s.is_number_of_axles_valid() &&
           s.is_axle_configuration_valid() && numbers_finite(s);
}

Conf::SaveCheck Conf::validate_for_saving() const
{
    for (auto it = subclasses.cbegin(); it != subclasses.cend(); ++it) {
        if (!is_complete_for_saving(it.value()))
            return {SaveOutcome::subclass_incomplete, it.key()};
    }
    if (!is_header_valid_for_saving())
        return {SaveOutcome::header_invalid, 0};
    return {SaveOutcome::save_ok, 0};
}

QList<quint32> Conf::invalid_subclass_numbers() const
{
    const QString header_min = get_min_axle_distance__m();
    const QString header_max = get_max_axle_distance__m();
    QList<quint32> numbers;
    for (auto it = subclasses.cbegin(); it != subclasses.cend(); ++it) {
        if (!it.value().is_subclass_valid(header_min, header_max))
            numbers.append(it.key());
    }
    return numbers;
}
