#include "model/vehiclerecord.h"

#include <cmath>
#include <limits>

float VehicleRecord::single(double written)
{
    // Converting a double the float cannot hold would be undefined.
    if (std::fabs(written) > double(std::numeric_limits<float>::max()))
        return written > 0 ? std::numeric_limits<float>::infinity()
                           : -std::numeric_limits<float>::infinity();
    return float(written);
}

float VehicleRecord::span(int first, int last) const
{
    double sum = 0;
    for (int i = first; i < last; ++i)
        sum += written_spacing[i];
    return single(sum);
}

bool VehicleRecord::gross_weight(float& value) const
{
    if (has_gvw) {
        value = gvw;
        return true;
    }
    double sum = 0;
    for (int i = 0; i < axles; ++i) {
        if (!has_weight(i))
            return false;
        sum += written_weight[i];
    }
    value = single(sum);
    return true;
}
