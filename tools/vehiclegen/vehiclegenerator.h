#pragma once

#include "model/vehicleclassifier.h"

#include <QByteArray>
#include <QVector>

#include <cstdint>
#include <memory>

class Conf;
class Dice;

// Measured vehicles drawn from a configuration, for tests, benchmarks and examples: a valid
// subclass chosen at random, each gap drawn within its range (and its combined distance
// constraints), weights under its limits, its tyre types, and the subclass as the true one.
// A share of records is noise: one spacing moved outside every subclass's ranges, the true
// subclass kept. The same options always give the same vehicles.
struct VehicleGeneratorOptions
{
    std::uint64_t seed = 1;
    double noise_share = 0.02;
    // Vehicles with one axle over its limit.
    double overweight_share = 0.0;
    // Only subclasses of at most this many axles (traffic monitoring records hold 13).
    int largest_axle_count = 20;
};

struct GeneratedVehicle
{
    QVector<double> spacing; // metres, whole centimetres where the range allows
    QVector<double> weight;  // kN, tenths
    QVector<int> tyre;
    quint32 truth = 0;
    int scheme_class = 0; // the subclass's category, as a traffic monitoring class

    int axles() const { return weight.size(); }
};

class VehicleGenerator
{
public:
    VehicleGenerator(const Conf& conf, const VehicleGeneratorOptions& options);
    ~VehicleGenerator();

    // False when the configuration has no valid subclass that some vehicle can match.
    bool usable() const { return !rules.isEmpty(); }
    // The largest axle count of the vehicles drawn.
    int largest_axle_count() const;
    GeneratedVehicle next();

private:
    QVector<double> draw_spacings(const MatchRule& rule);
    void make_noise(GeneratedVehicle& vehicle);

    VehicleClassifier classifier;
    QVector<const MatchRule*> rules;
    std::unique_ptr<Dice> dice;
    VehicleGeneratorOptions options;
    float header_min = 0;
    float header_max = 0;
};

// The vehicle files: CSV in metres and kN; CSV in feet and pounds holding just what a traffic
// monitoring record holds (tenths of feet, whole pounds, the gross weight, no tyre types); and
// that record.
QByteArray vehicle_csv_header(int largest_axle_count);
QByteArray vehicle_csv_line(const GeneratedVehicle& vehicle, int largest_axle_count,
                            bool feet_and_pounds = false);
QByteArray traffic_monitoring_line(const GeneratedVehicle& vehicle);
