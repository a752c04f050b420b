#pragma once

#include "model/conf.h"

#include <QString>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <utility>

// The generated configuration files the cases run on, written once per size into a temporary
// directory that lives as long as the run, and the configuration loaded from each.
class BenchFiles
{
public:
    // The files carry the generator's share of exact duplicates; "distinct" files carry none,
    // which is what a configuration that saves cleanly looks like to the duplicate search.
    enum class Duplicates
    {
        some,
        none
    };

    static BenchFiles& instance();

    const QString& path(int subclasses, Duplicates duplicates = Duplicates::some);
    // Only the most recently asked configuration stays loaded: a large one takes hundreds of
    // megabytes, so the cases are registered size by size.
    const Conf& conf(int subclasses, Duplicates duplicates = Duplicates::some);
    // Gives the file a new modification time. The INI reader keeps what it parsed of a file
    // until the file changes; without this only the first load of a case would read the header.
    void touch(const QString& path);
    // A file the writing cases may overwrite.
    QString scratch_path() const;
    // A path for a file of the given name in the run's directory.
    QString file_path(const QString& name) const;

private:
    BenchFiles() = default;

    using Key = std::pair<int, Duplicates>;
    QTemporaryDir dir;
    std::map<Key, QString> paths;
    Key loaded_key{-1, Duplicates::some};
    std::unique_ptr<Conf> loaded;
    qint64 touches = 0;
};
