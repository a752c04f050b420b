// confgen: writes a large generated configuration file to standard output.
#include "confgenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes a generated vehicle-classification configuration to standard output.");
    parser.addHelpOption();
    QCommandLineOption count({"n", "subclasses"}, "Number of subclasses.", "count", "1000");
    QCommandLineOption seed({"s", "seed"}, "Seed of the generator.", "seed", "1");
    QCommandLineOption duplicates({"d", "duplicates"}, "Share of exact duplicates.", "share",
                                  "0.02");
    parser.addOptions({count, seed, duplicates});
    parser.process(app);

    bool okCount = false, okSeed = false, okShare = false;
    ConfGeneratorOptions options;
    options.subclasses = parser.value(count).toInt(&okCount);
    options.seed = parser.value(seed).toULongLong(&okSeed);
    options.duplicate_share = parser.value(duplicates).toDouble(&okShare);
    if (!okCount || options.subclasses < 0 || !okSeed || !okShare) {
        std::fprintf(stderr, "confgen: the options must be numbers (see --help)\n");
        return 2;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) {
        std::fprintf(stderr, "confgen: cannot write to standard output\n");
        return 2;
    }
    out.write(generate_configuration(options).toLocal8Bit());
    return 0;
}
