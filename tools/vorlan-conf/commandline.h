#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include "model/conf.h"

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

// What every analysis starts from: its arguments read and the configuration files among them
// (the first ones) loaded. On failure problem says why, and the command exits 2.
struct Command
{
    Arguments args;
    QVector<Conf> tables;
    QString problem;

    bool start(const QString& name, const QStringList& arguments, const QStringList& flags,
               const QStringList& valued, int files, int table_files);
};

// A list of numbers as text: "12, 15", or "none"; also of the numbers of a JSON report.
template <typename List> QString numbers_text(const List& numbers)
{
    QStringList texts;
    for (const auto number : numbers)
        texts << QString::number(number);
    return texts.isEmpty() ? QStringLiteral("none") : texts.join(QStringLiteral(", "));
}
QString numbers_text(const QJsonArray& numbers);
// A list of reals as text: "3.55, 1.3".
QString reals_text(const QVector<double>& values);

// Any list of numbers as a JSON array.
template <typename List> QJsonArray json_numbers(const List& values)
{
    QJsonArray array;
    for (const auto value : values)
        array.append(double(value));
    return array;
}
