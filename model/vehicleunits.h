#pragma once

#include <QString>

// The units of the numbers in a vehicle file, and their conversion into the metres and
// kilonewtons of the configuration.
struct VehicleUnits
{
    enum class Length
    {
        m,
        cm,
        ft
    };
    enum class Weight
    {
        kN,
        t,
        kg,
        lb // pound-force
    };

    Length length = Length::m;
    Weight weight = Weight::kN;
    // Tonnes and kilograms weigh through the site's gravitational acceleration.
    double g = 9.80665;

    // "m", "cm", "ft"; "kN", "t", "kg", "lb". False for any other text.
    static bool parse_length(const QString& text, Length& unit);
    static bool parse_weight(const QString& text, Weight& unit);

    // A number as written in the file's unit, in metres or kN. Metres and kN stay exactly as
    // written, so that they read as the configuration's numbers do.
    double metres(double written) const;
    double kilonewtons(double written) const;
};
