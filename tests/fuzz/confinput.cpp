#include "confinput.h"

#include "model/conf.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

void exercise(const Subclass& subclass, const QString& header_min, const QString& header_max)
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
    const int last = qBound(-1, n, Subclass::max_axles + 1);
    for (int i = -1; i <= last; ++i) {
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
        for (int i = -1; i <= count; ++i) {
            s.get_constraint(i, k);
            s.is_constraint_valid(i, k);
        }
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
    static QTemporaryDir dir;
    static int count = 0;
    // A new name every time: the INI reader keeps what it parsed per path.
    const QString path = dir.path() + QStringLiteral("/input%1.conf").arg(++count);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    const Conf conf(path);
    QFile::remove(path);

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
    for (quint32 number : conf.get_subclass_numbers()) {
        const Subclass& subclass = conf.get_subclass(number);
        Conf::is_complete_for_saving(subclass);
        exercise(subclass, conf.get_min_axle_distance__m(), conf.get_max_axle_distance__m());
    }
}
