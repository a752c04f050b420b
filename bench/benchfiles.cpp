#include "benchfiles.h"

#include "confgenerator.h"

#include <QDateTime>
#include <QFile>
#include <QTextCodec>

#include <cstdio>
#include <cstdlib>

BenchFiles& BenchFiles::instance()
{
    static BenchFiles files;
    return files;
}

const QString& BenchFiles::path(int subclasses, Duplicates duplicates)
{
    const Key key{subclasses, duplicates};
    auto it = paths.find(key);
    if (it != paths.end())
        return it->second;

    ConfGeneratorOptions options;
    options.subclasses = subclasses;
    options.seed = 7;
    if (duplicates == Duplicates::none)
        options.duplicate_share = 0.0;
    const QString name = QStringLiteral("%1/%2-%3.conf")
                             .arg(dir.path())
                             .arg(duplicates == Duplicates::none ? "distinct" : "generated")
                             .arg(subclasses);
    QFile file(name);
    const QByteArray bytes = Conf::file_codec()->fromUnicode(generate_configuration(options));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        // Every case would measure nothing; better to stop than to print numbers.
        std::fprintf(stderr, "vorlan_bench: cannot write %s\n", qPrintable(name));
        std::exit(2);
    }
    return paths.emplace(key, name).first->second;
}

const Conf& BenchFiles::conf(int subclasses, Duplicates duplicates)
{
    const Key key{subclasses, duplicates};
    if (!loaded || loaded_key != key) {
        loaded.reset();
        loaded = std::make_unique<Conf>(path(subclasses, duplicates));
        loaded_key = key;
    }
    return *loaded;
}

void BenchFiles::touch(const QString& path)
{
    QFile file(path);
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1000000000 + ++touches);
    if (!file.open(QIODevice::ReadWrite) ||
        !file.setFileTime(when, QFileDevice::FileModificationTime)) {
        std::fprintf(stderr, "vorlan_bench: cannot change the time of %s\n", qPrintable(path));
        std::exit(2);
    }
}

QString BenchFiles::scratch_path() const
{
    return dir.path() + QStringLiteral("/written.conf");
}

QString BenchFiles::file_path(const QString& name) const
{
    return dir.filePath(name);
}
