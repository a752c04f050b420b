#pragma once

#include "model/conf.h"

#include <QMap>
#include <QStringList>
#include <QTemporaryFile>
#include <QTextCodec>

// A configuration read from the text of a file, as Open reads it.
inline Conf conf_from_text(const QString& text)
{
    QTemporaryFile file;
    if (!file.open())
        return Conf();
    file.write(Conf::file_codec()->fromUnicode(text));
    file.close();
    return Conf(file.fileName());
}

// Subclasses written "N: min-max min-max ... | extra line | extra line", separated by ";": a
// valid subclass with those gap ranges, tyres 1 unless a "tyres" line says otherwise.
inline QString table_text(const QString& subclasses, const QString& header_min = "0.5",
                          const QString& header_max = "15")
{
    QString text = "[classes]\nmax_axle_distance__m=" + header_max +
                   "\nmin_axle_distance__m=" + header_min + "\n\n";
    for (const QString& entry : subclasses.split(';', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split('|');
        const QString number = parts.first().section(':', 0, 0).trimmed();
        const QStringList gaps = parts.first().section(':', 1).split(' ', Qt::SkipEmptyParts);
        const int axles = gaps.size() + 1;
        QStringList mins, maxs, tyres, weights;
        for (const QString& gap : gaps) {
            mins << gap.section('-', 0, 0);
            maxs << gap.section('-', 1);
        }
        for (int i = 1; i <= axles; ++i) {
            tyres << "1";
            weights << QString("%1,100").arg(i);
        }
        QMap<QString, QString> lines = {{"axle_configuration", QString("H%1").arg(axles)},
                                        {"category", "3"},
                                        {"max_GVW__kN", "900"},
                                        {"number_of_axles", QString::number(axles)},
                                        {"tyre_type", tyres.join(',')},
                                        {"max_axle_weight__kN", weights.join(';')},
                                        {"max_axle_distance__m", maxs.join(',')},
                                        {"min_axle_distance__m", mins.join(',')}};
        for (const QString& extra : parts.mid(1))
            lines.insert(extra.section('=', 0, 0).trimmed(), extra.section('=', 1).trimmed());
        text += "[subclass_" + number + "]\n";
        for (auto it = lines.cbegin(); it != lines.cend(); ++it)
            text += it.key() + "=" + it.value() + "\n";
        text += "\n";
    }
    return text;
}
