#include "vehiclegenerator.h"

#include "dice.h"

#include "model/conf.h"
#include "model/realtext.h"
#include "model/spacingsystem.h"

#include <cmath>

namespace {

constexpr double metres_per_foot = 0.3048;
constexpr double kilonewtons_per_pound = 0.45359237 * 9.80665 / 1000;
constexpr int attempts = 20;

// The vehicle as a file in metres and kN would give it.
VehicleRecord record_of(const GeneratedVehicle& vehicle)
{
    VehicleRecord record;
    record.axles = vehicle.axles();
    record.weight.fill(NAN);
    for (int i = 0; i < vehicle.spacing.size(); ++i) {
        record.written_spacing[i] = vehicle.spacing.at(i);
        record.spacing[i] = float(vehicle.spacing.at(i));
    }
    for (int i = 0; i < vehicle.axles(); ++i) {
        record.written_weight[i] = vehicle.weight.at(i);
        record.weight[i] = float(vehicle.weight.at(i));
        record.tyre[i] = quint8(vehicle.tyre.at(i));
    }
    return record;
}

// A whole number of centimetres within the range, or the simplest decimal there.
double centimetres_within(Dice& dice, const RealRange& range)
{
    const double low = std::ceil(range.from * 100), high = std::floor(range.to * 100);
    if (low <= high && high - low < 1e6) {
        const double value = (low + dice.between(0, int(high - low))) / 100;
        if (range.holds(value))
            return value;
    }
    return SpacingSystem::simplest(range);
}

QByteArray decimal(double value, int decimals)
{
    return decimal_text(std::round(value * std::pow(10, decimals)) / std::pow(10, decimals))
        .toLatin1();
}

QByteArray padded(qint64 value, int width)
{
    return QByteArray::number(qBound<qint64>(0, value, qint64(std::pow(10, width)) - 1))
        .rightJustified(width, '0');
}

qint64 tenths_of_feet(double metres)
{
    return qint64(std::llround(metres / metres_per_foot * 10));
}

qint64 pounds(double kilonewtons)
{
    return qint64(std::llround(kilonewtons / kilonewtons_per_pound));
}

} // namespace

VehicleGenerator::VehicleGenerator(const Conf& conf, const VehicleGeneratorOptions& options)
    : classifier(conf), dice(std::make_unique<Dice>(options.seed)), options(options),
      header_min(conf.get_min_axle_distance__m().toFloat()),
      header_max(conf.get_max_axle_distance__m().toFloat())
{
    // Subclasses whose combined distance constraints leave no spacing are not drawn from.
    for (const MatchRule& rule : classifier.rules()) {
        SpacingSystem system(rule.axles());
        system.add(rule);
        if (rule.axles() <= options.largest_axle_count && system.close())
            rules.append(&rule);
    }
}

VehicleGenerator::~VehicleGenerator() = default;

int VehicleGenerator::largest_axle_count() const
{
    int largest = 0;
    for (const MatchRule* rule : rules)
        largest = qMax(largest, rule->axles());
    return largest;
}

QVector<double> VehicleGenerator::draw_spacings(const MatchRule& rule)
{
    SpacingSystem system(rule.axles());
    system.add(rule);
    system.close();
    return system.place(
        [this](const RealRange& range) { return centimetres_within(*dice, range); });
}

void VehicleGenerator::make_noise(GeneratedVehicle& vehicle)
{
    const int gap = dice->between(0, vehicle.spacing.size() - 1);
    VehicleOutcome outcome;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        vehicle.spacing[gap] = centimetres_within(*dice, {header_min, header_max, false, false});
        classifier.classify(record_of(vehicle), outcome);
        if (outcome.candidates.isEmpty())
            return;
    }
    // Beyond the header's range no subclass reaches.
    vehicle.spacing[gap] = std::round(double(header_max) * 100 + 100) / 100;
}

GeneratedVehicle VehicleGenerator::next()
{
    GeneratedVehicle vehicle;
    if (rules.isEmpty())
        return vehicle;
    const MatchRule& rule = *rules.at(dice->between(0, rules.size() - 1));
    vehicle.truth = rule.number();
    vehicle.scheme_class = qBound(0, rule.category().toInt(), 99);
    for (int axle = 0; axle < rule.axles(); ++axle)
        vehicle.tyre.append(rule.tyre(axle));
    for (int attempt = 0; attempt < attempts; ++attempt) {
        vehicle.spacing = draw_spacings(rule);
        vehicle.weight.clear();
        for (int axle = 0; axle < rule.axles(); ++axle)
            vehicle.weight.append(
                std::floor(double(rule.axle_weight_limit(axle)) * dice->real(0.3, 0.8) * 10) / 10);
        const VehicleRecord record = record_of(vehicle);
        if (rule.matches(record) && !rule.over_limits(record))
            break;
    }
    if (dice->chance(options.overweight_share)) {
        const int axle = dice->between(0, rule.axles() - 1);
        vehicle.weight[axle] =
            std::ceil(double(rule.axle_weight_limit(axle)) * dice->real(1.05, 1.3) * 10) / 10;
    }
    if (!vehicle.spacing.isEmpty() && dice->chance(options.noise_share))
        make_noise(vehicle);
    return vehicle;
}

QByteArray vehicle_csv_header(int largest_axle_count)
{
    QByteArray line = "axles";
    for (int i = 1; i < largest_axle_count; ++i)
        line += ",spacing_" + QByteArray::number(i);
    for (int i = 1; i <= largest_axle_count; ++i)
        line += ",weight_" + QByteArray::number(i);
    line += ",gvw";
    for (int i = 1; i <= largest_axle_count; ++i)
        line += ",tyre_" + QByteArray::number(i);
    return line + ",truth\n";
}

QByteArray vehicle_csv_line(const GeneratedVehicle& vehicle, int largest_axle_count,
                            bool feet_and_pounds)
{
    QByteArray line = QByteArray::number(vehicle.axles());
    for (int i = 0; i + 1 < largest_axle_count; ++i) {
        line += ',';
        if (i < vehicle.spacing.size())
            line += feet_and_pounds ? decimal(double(tenths_of_feet(vehicle.spacing.at(i))) / 10, 1)
                                    : decimal(vehicle.spacing.at(i), 2);
    }
    qint64 gross = 0;
    for (int i = 0; i < largest_axle_count; ++i) {
        line += ',';
        if (i < vehicle.axles()) {
            gross += pounds(vehicle.weight.at(i));
            line += feet_and_pounds ? QByteArray::number(pounds(vehicle.weight.at(i)))
                                    : decimal(vehicle.weight.at(i), 1);
        }
    }
    // In pounds the gross weight is given, as a traffic monitoring record gives it.
    line += ',';
    if (feet_and_pounds)
        line += QByteArray::number(gross);
    // Traffic monitoring records carry no tyre types.
    for (int i = 0; i < largest_axle_count; ++i) {
        line += ',';
        if (i < vehicle.axles() && !feet_and_pounds)
            line += QByteArray::number(vehicle.tyre.at(i));
    }
    return line + ',' + QByteArray::number(vehicle.truth) + '\n';
}

QByteArray traffic_monitoring_line(const GeneratedVehicle& vehicle)
{
    qint64 gross = 0;
    QByteArray axles;
    for (int i = 0; i < vehicle.axles(); ++i) {
        gross += pounds(vehicle.weight.at(i));
        axles += padded(pounds(vehicle.weight.at(i)), 5);
        if (i < vehicle.spacing.size())
            axles += padded(tenths_of_feet(vehicle.spacing.at(i)), 4);
    }
    // State, station, direction, lane, year, month, day and hour, the class, three open
    // columns, the gross weight and the axle count.
    return "W01000001112024010100" + padded(vehicle.scheme_class, 2) + "   " + padded(gross, 6) +
           padded(vehicle.axles(), 2) + axles + '\n';
}
