#include "ui/recentfiles.h"

#include "ui/storedsettings.h"
#include "ui/windowtext.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

// One file by one name, however it was reached.
QString absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

RecentFiles::RecentFiles(QMenu* menu) : QObject(menu), menu(menu)
{
    show(StoredSettings::recentFiles().mid(0, limit));
}

void RecentFiles::add(const QString& path)
{
    // Read again: another window of the editor may have added files since.
    QStringList paths = StoredSettings::recentFiles();
    paths.removeAll(absolute(path));
    paths.prepend(absolute(path));
    store(paths.mid(0, limit));
}

void RecentFiles::remove(const QString& path)
{
    QStringList paths = StoredSettings::recentFiles();
    paths.removeAll(absolute(path));
    store(paths);
}

void RecentFiles::store(const QStringList& paths)
{
    StoredSettings::setRecentFiles(paths);
    show(paths);
}

void RecentFiles::show(const QStringList& paths)
{
    menu->clear();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        // The first nine are reached by their digit.
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QString::number(i + 1);
        QAction* entry = menu->addAction(
            number + QLatin1Char(' ') +
            QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu->addSeparator();
    connect(menu->addAction(windowText("Clear List")), &QAction::triggered, this,
            [this] { store({}); });
    menu->menuAction()->setEnabled(!paths.isEmpty());
}
