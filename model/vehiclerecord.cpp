#include "model/vehiclerecord.h"

float VehicleRecord::span(int first, int last) const
{
    double sum = 0;
    for (int i = first; i < last; ++i)
        sum += written_spacing[i];
    return float(sum);
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
    value = float(sum);
    return true;
}
