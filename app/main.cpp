#include "app/appidentity.h"
#include "ui/vorlan.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The arguments belong to the toolkit; the program itself takes no options.
    QApplication application(argc, argv);
    applyApplicationIdentity();
    initEmbeddedResources();

    int exitCode = 0;
    {
        Vorlan window;
        window.show();
        exitCode = application.exec();
    }
    return exitCode;
}
