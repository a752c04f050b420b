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

void append_item(QString& text, const TextList& list, int index, quint32 number, const char* what)
{
    if (index < list.size()) {
        list.append_entry_to(text, index);
        return;
    }
    qWarning() << "section_text: subclass" << number << "has no" << what << "at index" << index
               << "in array of size" << list.size();
}

void append_line(QString& text, const QString& key, const QString& value)
{
    text += key;
    text += QLatin1Char('=');
    text += value;
    text += line_end;
}

// Items are joined, so no line ends in a separator; a line without items keeps its "=", or it
// would stop the reading of the file at that line.
void append_items(QString& text, const char* key, const TextList& list, int count, quint32 number,
                  const char* what)
{
    text += QLatin1String(key);
    text += QLatin1Char('=');
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        append_item(text, list, i, number, what);
    }
    text += line_end;
}

void append_entries(QString& text, const char* key, const TextList& list)
{
    for (int k = 0; k < list.size(); ++k) {
        text += QLatin1String(key);
        text += QString::number(k + 1);
        text += QLatin1Char('=');
        list.append_entry_to(text, k);
        text += line_end;
    }
}

} // namespace

// Everything is appended to the one text: a file of thousands of subclasses is written without
// a string of its own for every item and line.
void Subclass::append_section_text(QString& text) const
{
    text += QLatin1String("[subclass_");
    text += QString::number(number);
    text += QLatin1Char(']');
    text += line_end;
    for (int slot = 0; slot < scalar_count; ++slot) {
        if (!(present & (1u << slot)) || scalars.length_at(slot) == 0)
            continue;
        text += scalar_key(slot);
        text += QLatin1Char('=');
        scalars.append_entry_to(text, slot);
        text += line_end;
    }

    const qint64 n = get_number_of_axles().toInt();
    const int axles = items_to_write(n, max_axles);
    const int gaps = items_to_write(n - 1, max_axles - 1);
    append_items(text, "tyre_type", tyre_types, axles, number, "tyre type");

    text += QLatin1String("max_axle_weight__kN=");
    for (int i = 0; i < axles; ++i) {
        if (i > 0)
            text += QLatin1Char(';');
        text += QString::number(i + 1);
        text += QLatin1Char(',');
        append_item(text, max_axle_weights, i, number, "axle weight");
    }
    for (int k = 0; k < combined_weight_limits.size(); ++k) {
        if (axles > 0 || k > 0)
            text += QLatin1Char(';');
        combined_weight_limits.append_entry_to(text, k);
    }
    text += line_end;

    append_items(text, "max_axle_distance__m", max_distances, gaps, number, "max axle distance");
    append_items(text, "min_axle_distance__m", min_distances, gaps, number, "min axle distance");

    append_entries(text, "adsl_", combined_distance_constraints);
    append_entries(text, "awsl_", combined_weight_constraints);
}

bool Subclass::holds_line_break() const
{
    const QLatin1String breaks("\n\r");
    for (const TextList* list :
         {&scalars, &max_axle_weights, &min_distances, &max_distances, &tyre_types,
          &combined_weight_limits, &combined_distance_constraints, &combined_weight_constraints}) {
        if (list->holds_any_of(breaks))
            return true;
    }
    return false;
}

QString Subclass::section_text() const
{
    QString text;
    append_section_text(text);
    return text;
}

QString Conf::header_text() const
{
    QString text = QStringLiteral("[classes]");
    text += line_end;
    for (auto it = classes.cbegin(); it != classes.cend(); ++it) {
        if (!it.value().isEmpty())
            append_line(text, it.key(), it.value());
    }
    text += line_end;
    return text;
}

QString Conf::to_text() const
{
    QString text = header_text();
    for (const Subclass& subclass : subclasses) {
        subclass.append_section_text(text);
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
