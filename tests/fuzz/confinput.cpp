#include "confinput.h"

#include "model/conf.h"

namespace {

// Reading outside the lists takes the same path in every subclass, and each such read formats a
// warning: only the first subclass of a file is read outside its lists.
void exercise(const Subclass& subclass, const QString& header_min, const QString& header_max,
              bool outside)
{
    Subclass s = subclass;
    s.can_draw();
    s.is_subclass_valid(header_min, header_max);
    s.is_reclassify_up_valid(s.get_number_of_axles());
    s.sum_max_axle_weights();
    s.sum_min_distances();
    s.sum_max_distances();
    // Every entry, and one on each side of the lists.
    const int n = s.get_number_of_axles().toInt();
    const int last = qBound(-1, n, Subclass::max_axles + 1) - (outside ? 0 : 1);
    for (int i = outside ? -1 : 0; i <= last; ++i) {
        s.get_max_axle_weight_at_index(i);
        s.get_min_distance_at_index(i);
        s.get_max_distance_at_index(i);
        s.get_tyre_type_at_index(i);
        s.is_min_distance_valid(i, header_min, header_max);
        s.is_max_distance_valid(i, header_min, header_max);
    }
    for (const char* kind : {"default", "adsl", "awsl"}) {
        const QString k = QLatin1String(kind);
        const int count = s.get_constraint_count(k);
        for (int i = outside ? -1 : 0; i < count + (outside ? 1 : 0); ++i) {
            s.get_constraint(i, k);
            s.is_constraint_valid(i, k);
        }
        if (outside)
            s.delete_constraint(count, k);
        s.delete_constraint(0, k);
    }
    s.set_number_of_axles(s.get_number_of_axles());
    s.remove_last_max_axle_weight();
    s.remove_last_min_distance();
    s.section_text();
}

} // namespace

void load_and_check(const QByteArray& bytes)
{
    const Conf conf = Conf::from_bytes(bytes);

    conf.to_text();
    conf.find_duplicate_subclasses();
    conf.validate_for_saving();
    conf.invalid_subclass_numbers();
    conf.check_max_axle_distance();
    conf.is_header_valid_for_saving();
    conf.is_g_acceleration_constant_valid();
    conf.is_min_axle_distance_valid();
    conf.is_uncategorised_vehicle_category_valid();
    conf.round_trip_problem();
    bool first = true;
    for (quint32 number : conf.get_subclass_numbers()) {
        const Subclass& subclass = conf.get_subclass(number);
        Conf::is_complete_for_saving(subclass);
        exercise(subclass, conf.get_min_axle_distance__m(), conf.get_max_axle_distance__m(), first);
        first = false;
    }
}
