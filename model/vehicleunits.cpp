#include "model/vehicleunits.h"

#include <utility>

namespace {

constexpr double metres_per_foot = 0.3048;
// The pound-force in kN: 0.45359237 kg under standard gravity.
constexpr double kilonewtons_per_pound = 0.45359237 * 9.80665 / 1000;

} // namespace

bool VehicleUnits::parse_length(const QString& text, Length& unit)
{
    const std::pair<const char*, Length> units[] = {
        {"m", Length::m}, {"cm", Length::cm}, {"ft", Length::ft}};
    for (const auto& [name, value] : units) {
        if (text == QLatin1String(name)) {
            unit = value;
            return true;
        }
    }
    return false;
}

bool VehicleUnits::parse_weight(const QString& text, Weight& unit)
{
    const std::pair<const char*, Weight> units[] = {
        {"kN", Weight::kN}, {"t", Weight::t}, {"kg", Weight::kg}, {"lb", Weight::lb}};
    for (const auto& [name, value] : units) {
        if (text == QLatin1String(name)) {
            unit = value;
            return true;
        }
    }
    return false;
}

double VehicleUnits::metres(double written) const
{
    switch (length) {
    case Length::m:
        return written;
    case Length::cm:
        // Divided, not multiplied by 0.01, so that 321 cm is the 3.21 m a table holds.
        return written / 100;
    case Length::ft:
        break;
    }
    return written * metres_per_foot;
}

double VehicleUnits::kilonewtons(double written) const
{
    switch (weight) {
    case Weight::kN:
        return written;
    case Weight::t:
        return written * g;
    case Weight::kg:
        return written * g / 1000;
    case Weight::lb:
        break;
    }
    return written * kilonewtons_per_pound;
}
