#pragma once

#include <QString>

// The keys of a subclass section that the record keeps, in ascending key order (plain UTF-16
// order, in which the writer writes them).
namespace section_keys {

enum Key
{
    adsl_0,
    alias,
    append,
    awsl_0,
    axle_configuration,
    category,
    lower_GVW,
    max_GVW,
    max_distances,
    weights,
    min_distances,
    number_of_axles,
    override_class,
    override_groups,
    prepend,
    reclassify_down,
    reclassify_up,
    subclass,
    tyres,
    upper_GVW,
    count
};

const QString& text(int key);

} // namespace section_keys
