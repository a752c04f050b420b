#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

class Conf;

// What the commands of vorlan-conf share: their arguments, their output and their failures.

// Writes bytes to standard output (or standard error) as they are.
void write_out(const QByteArray& bytes);
void write_err(const QByteArray& bytes);
// Writes a JSON object to standard output, indented.
void write_json(const QJsonObject& json);
// The one line on standard error and the exit status 2 of every failure.
int fail(const QString& text);
// Why a configuration file cannot be read, or the empty text.
QString unreadable(const QString& path);

// A command's arguments: flags such as --json, options with a value such as --vehicles FILE,
// and the rest in order. error says what was wrong with them.
struct Arguments
{
    QSet<QString> flags;
    QMap<QString, QString> values;
    QStringList files;
    QString error;

    static Arguments parse(const QString& command, const QStringList& arguments,
                           const QStringList& known_flags, const QStringList& valued,
                           int file_count);
    bool has(const char* flag) const { return flags.contains(QLatin1String(flag)); }
};

// Loads a configuration file, or says why it cannot (an empty problem when it can).
bool load_conf(const QString& path, Conf& conf, QString& problem);

// A list of numbers as text: "12, 15", or "none"; and as a JSON array.
QString numbers_text(const QList<quint32>& numbers);
QJsonArray numbers_json(const QList<quint32>& numbers);
// A list of reals as a JSON array of numbers and as text ("3.55, 1.3").
QJsonArray reals_json(const QVector<double>& values);
QString reals_text(const QVector<double>& values);
