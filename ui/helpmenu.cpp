// The Help menu: About and Check for Updates.
#include "ui/vorlan.h"

#include "app/about.h"
#include "app/appidentity.h"

#include <QDesktopServices>
#include <QUrl>
#include <QUrlQuery>

void Vorlan::menuAboutClicked()
{
    About about(this, QString::fromLatin1(AppIdentity::version));
    about.exec();
}

void Vorlan::menuUpdateClicked()
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("sw"), QString::fromLatin1(AppIdentity::updateProduct));
    query.addQueryItem(QStringLiteral("ch"), QString::fromLatin1(AppIdentity::updateChannel));
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(QString::fromLatin1(AppIdentity::updateHost));
    url.setPath(QString::fromLatin1(AppIdentity::updatePath));
    url.setQuery(query);
    // The browser reports its own failures; there is nothing for the editor to add.
    QDesktopServices::openUrl(url);
}
