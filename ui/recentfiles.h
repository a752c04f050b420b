#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

// File › Open Recent: the files last opened or saved, newest first, as the settings keep them,
// and "Clear List" at the end. The menu is greyed while the list is empty.
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int limit = 10;

    explicit RecentFiles(QMenu* menu);

    // Puts a file first, once.
    void add(const QString& path);
    void remove(const QString& path);

signals:
    void chosen(const QString& path);

private:
    void store(const QStringList& paths);
    void show(const QStringList& paths);

    QMenu* menu;
};
