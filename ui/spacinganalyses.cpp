#include "ui/spacinganalyses.h"

#include "model/conf.h"

#include <tuple>

bool SpacingAnalyses::Spacings::operator==(const Spacings& other) const
{
    return std::tie(number, axles, mins, maxs, tyres, distanceConstraints) ==
           std::tie(other.number, other.axles, other.mins, other.maxs, other.tyres,
                    other.distanceConstraints);
}

void SpacingAnalyses::update(const Conf& conf, const QList<quint32>& invalid, int gapRegions)
{
    const QString range =
        conf.get_min_axle_distance__m() + QLatin1Char(' ') + conf.get_max_axle_distance__m();
    QVector<Spacings> now;
    now.reserve(conf.subclass_count() - invalid.size());
    int nextInvalid = 0;
    const QString adsl = QStringLiteral("adsl");
    for (quint32 number : conf.get_subclass_numbers()) {
        if (nextInvalid < invalid.size() && invalid.at(nextInvalid) == number) {
            ++nextInvalid;
            continue;
        }
        const Subclass& subclass = conf.get_subclass(number);
        Spacings spacings{number,
                          subclass.get_number_of_axles(),
                          subclass.get_min_distances(),
                          subclass.get_max_distances(),
                          subclass.get_tyre_types(),
                          {subclass.get_adsl_0()}};
        for (int i = 0; i < subclass.get_constraint_count(adsl); ++i)
            spacings.distanceConstraints << subclass.get_constraint(i, adsl);
        now.append(spacings);
    }
    if (ran && range == headerRange && now == read)
        return;
    overlapReport = find_overlaps(conf);
    coverageReport = find_gaps(conf, gapRegions);
    read = now;
    headerRange = range;
    ran = true;
}
