// vehiclegen: writes measured vehicles drawn from a configuration to standard output.
#include "vehiclegenerator.h"

#include "model/conf.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes vehicles drawn from a configuration's valid subclasses to standard output: CSV in "
        "metres and kN with the true subclass, or traffic monitoring W records.");
    parser.addHelpOption();
    parser.addPositionalArgument("conf", "The configuration file.");
    QCommandLineOption count({"n", "vehicles"}, "Number of vehicles.", "count", "1000");
    QCommandLineOption seed({"s", "seed"}, "Seed of the generator.", "seed", "1");
    QCommandLineOption noise("noise", "Share of records outside every range.", "share", "0.02");
    QCommandLineOption overweight("overweight", "Share of vehicles with an axle over its limit.",
                                  "share", "0");
    QCommandLineOption format("format", "csv or tmg (traffic monitoring W records).", "format",
                              "csv");
    parser.addOptions({count, seed, noise, overweight, format});
    parser.process(app);

    bool ok_count = false, ok_seed = false, ok_noise = false, ok_overweight = false;
    const qint64 vehicles = parser.value(count).toLongLong(&ok_count);
    VehicleGeneratorOptions options;
    options.seed = parser.value(seed).toULongLong(&ok_seed);
    options.noise_share = parser.value(noise).toDouble(&ok_noise);
    options.overweight_share = parser.value(overweight).toDouble(&ok_overweight);
    const bool tmg = parser.value(format) == QLatin1String("tmg");
    if (!ok_count || vehicles < 0 || !ok_seed || !ok_noise || !ok_overweight ||
        (!tmg && parser.value(format) != QLatin1String("csv")) ||
        parser.positionalArguments().size() != 1) {
        std::fprintf(stderr,
                     "vehiclegen: one configuration file and numeric options, see --help\n");
        return 2;
    }
    const QString path = parser.positionalArguments().first();
    if (!QFileInfo(path).isFile()) {
        std::fprintf(stderr, "vehiclegen: %s: no such file\n", qPrintable(path));
        return 2;
    }
    if (tmg)
        options.largest_axle_count = 13;
    VehicleGenerator generator(Conf(path), options);
    if (!generator.usable()) {
        std::fprintf(stderr, "vehiclegen: %s has no valid subclass to draw from\n",
                     qPrintable(path));
        return 2;
    }
    const int columns = generator.largest_axle_count();
    QByteArray out = tmg ? QByteArray() : vehicle_csv_header(columns);
    for (qint64 i = 0; i < vehicles; ++i) {
        const GeneratedVehicle vehicle = generator.next();
        out += tmg ? traffic_monitoring_line(vehicle) : vehicle_csv_line(vehicle, columns);
        if (out.size() > 1 << 16) {
            std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
            out.clear();
        }
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}
