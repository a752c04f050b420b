#include "app/appidentity.h"
#include "ui/vorlan.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Parses the command line; --help, --version and a command line that does not parse are answered
// here, and end the process. Gives the file to open, if any.
QString fileToOpen(const QCoreApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Editor for the vehicle-classification configuration files of a "
                "weigh-in-motion site."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("main", "The configuration file to open."),
        QStringLiteral("[FILE]"));
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(
            stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName().toLower()),
            qPrintable(QCoreApplication::translate("main", "only one FILE can be opened")));
        std::exit(EXIT_FAILURE);
    }
    return files.value(0);
}

// Whether the command line only asks for a text, which needs no display.
bool onlyAsksForText(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    applyApplicationIdentity();
    if (onlyAsksForText(argc, argv)) {
        const QCoreApplication textOnly(argc, argv);
        fileToOpen(textOnly);
    }

    // The toolkit takes its own options out of the arguments first.
    QApplication application(argc, argv);
    initEmbeddedResources();
    const QString file = fileToOpen(application);

    int exitCode = 0;
    {
        Vorlan window;
        window.show();
        if (!file.isEmpty())
            window.openConfiguration(file);
        exitCode = application.exec();
    }
    return exitCode;
}
