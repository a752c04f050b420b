// Writing a configuration as the text of a file.
#include "model/conf.h"

#include <QDebug>
#include <QSaveFile>
#include <QTextCodec>

#include <algorithm>

namespace {

const QChar line_end = QLatin1Char('\n');

// How many per-axle items a line carries: what the axle count asks for, but never more than the
// largest valid vehicle uses. A count of 20 or less is written in full; an absurd one neither
// hangs the writer nor makes the text grow with every save.
int items_to_write(qint64 wanted, int largest_valid)
{
    return int(std::max<qint64>(0, std::min<qint64>(wanted, largest_valid)));
}

QString item(const QStringList& list, int index, quint32 number, const char* what)
{
    if (index < list.size())
        return list.at(index);
    qWarning() << "section_text: subclass" << number << "has no" << what << "at index" << index
               << "in array of size" << list.size();
    return QString();
}

} // namespace

QString Subclass::section_text() const
{
    QString text = QStringLiteral("[subclass_") + QString::number(number) + QLatin1Char(']');
    text += line_end;
    for (auto it = scalars.cbegin(); it != scalars.cend(); ++it) {
        if (it.value().isEmpty())
            continue;
        text += it.key() + QLatin1Char('=') + it.value() + line_end;
    }

    const qint64 n = get_number_of_axles().toInt();
    // Items are joined, so no line ends in a separator; a line without items keeps its "=",
    // or it would stop the reading of the file at that line.
    QStringList items;
    for (int i = 0, count = items_to_write(n, max_axles); i < count; ++i)
        items << item(tyre_types, i, number, "tyre type");
    text += QLatin1String("tyre_type=") + items.join(QLatin1Char(',')) + line_end;

    items.clear();
    for (int i = 0, count = items_to_write(n, max_axles); i < count; ++i)
        items << QString::number(i + 1) + QLatin1Char(',') +
                     item(max_axle_weights, i, number, "axle weight");
    items += combined_weight_limits;
    text += QLatin1String("max_axle_weight__kN=") + items.join(QLatin1Char(';')) + line_end;

    items.clear();
    for (int i = 0, count = items_to_write(n - 1, max_axles - 1); i < count; ++i)
        items << item(max_distances, i, number, "max axle distance");
    text += QLatin1String("max_axle_distance__m=") + items.join(QLatin1Char(',')) + line_end;

    items.clear();
    for (int i = 0, count = items_to_write(n - 1, max_axles - 1); i < count; ++i)
        items << item(min_distances, i, number, "min axle distance");
    text += QLatin1String("min_axle_distance__m=") + items.join(QLatin1Char(',')) + line_end;

    for (int k = 0; k < combined_distance_constraints.size(); ++k)
        text += QStringLiteral("adsl_") + QString::number(k + 1) + QLatin1Char('=') +
                combined_distance_constraints.at(k) + line_end;
    for (int k = 0; k < combined_weight_constraints.size(); ++k)
        text += QStringLiteral("awsl_") + QString::number(k + 1) + QLatin1Char('=') +
                combined_weight_constraints.at(k) + line_end;
    return text;
}

QString Conf::to_text() const
{
    QString text = QStringLiteral("[classes]");
    text += line_end;
    for (auto it = classes.cbegin(); it != classes.cend(); ++it) {
        if (it.value().isEmpty())
            continue;
        text += it.key() + QLatin1Char('=') + it.value() + line_end;
    }
    text += line_end;
    for (const Subclass& subclass : subclasses) {
        text += subclass.section_text();
        text += line_end;
    }
    return text;
}

bool Conf::write_to_file(const QString& path, QString* error) const
{
    // The text goes to a temporary file that replaces the target only once it is complete, so
    // a failed write leaves any previous file as it was.
    QSaveFile file(path);
    const QByteArray bytes = file_codec()->fromUnicode(to_text());
    // Unbuffered: a buffered write that the disk takes only in part is flushed by commit()
    // without a word, and the shortened file would replace the previous one. Written
    // directly, a short write shows at once, and writing the rest gives the system's reason.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 done = 0; written && done < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + done, bytes.size() - done);
        written = count > 0;
        done += count;
    }
    if (written && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}
