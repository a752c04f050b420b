#include "app/appidentity.h"

#include <QCoreApplication>
#include <QString>

void applyApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppIdentity::organisationName));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(AppIdentity::organisationDomain));
    QCoreApplication::setApplicationName(QString::fromLatin1(AppIdentity::applicationName));
    // Fixed here, never read from a file beside the program.
    QCoreApplication::setApplicationVersion(QString::fromLatin1(AppIdentity::version));
}

void initEmbeddedResources()
{
    Q_INIT_RESOURCE(resources);
}
