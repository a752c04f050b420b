#pragma once

#include <QtGlobal>

#include <array>

// One measured vehicle: its axle count, the spacings between its axles in metres and, when they
// were measured, its axle weights and gross weight in kN, its tyre types and its true subclass.
// Each number is kept twice: as written (in file units, double precision) and as the program
// reads numbers, in single precision, so that a measured 3.21 lies exactly on a bound written
// 3.21.
struct VehicleRecord
{
    static constexpr int max_axles = 20;

    // The line of the record in its file, from 1.
    qint64 line = 0;
    int axles = 0;
    // Spacing i lies between axles i + 1 and i + 2.
    std::array<float, max_axles - 1> spacing{};
    std::array<double, max_axles - 1> written_spacing{};
    // Not-a-number where a weight was not measured.
    std::array<float, max_axles> weight{};
    std::array<double, max_axles> written_weight{};
    float gvw = 0;
    double written_gvw = 0;
    bool has_gvw = false;
    // Tyre type codes 1 to 4; 0 where the tyre was not measured.
    std::array<quint8, max_axles> tyre{};
    bool has_truth = false;
    quint32 truth = 0;
    // The class of a classification scheme the record carries (the vehicle class of a traffic
    // monitoring record), -1 when none. It is not a subclass number.
    int scheme_class = -1;

    bool has_weight(int axle_index) const { return weight[axle_index] == weight[axle_index]; }
    // The distance from axle first + 1 to axle last + 1: the spacings between them as written,
    // added, then read in single precision like any other number.
    float span(int first, int last) const;
    // The gross weight: the measured one, otherwise the sum of the axle weights when every axle
    // was weighed; false when neither is known.
    bool gross_weight(float& value) const;

    // A number as written, read in single precision as QString::toFloat reads it: a value
    // beyond the largest single-precision real reads as infinity.
    static float single(double written);
};
