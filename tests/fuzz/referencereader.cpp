#include "referencereader.h"

#include "model/grammar.h"

#include <QFile>
#include <QRegExp>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextStream>

namespace {

// QSettings keeps what it parsed per path, so every file gets a name of its own.
QString write_file(const QByteArray& bytes)
{
    static QTemporaryDir dir;
    static int count = 0;
    const QString path = dir.path() + QStringLiteral("/reference%1.conf").arg(++count);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void parse_weights(Subclass& s, const QString& text)
{
    if (text.isEmpty())
        return;
    QRegExp item{QLatin1String(grammar::weight_item_pattern)};
    QStringList weights = s.get_max_axle_weights();
    for (int pos = item.indexIn(text); pos >= 0;
         pos = item.indexIn(text, pos + item.matchedLength())) {
        const QString match = item.cap(0);
        if (match.count(QLatin1Char(',')) != 1) {
            s.set_max_axle_weights(weights);
            return;
        }
        weights << match.mid(match.indexOf(QLatin1Char(',')) + 1);
    }
    s.set_max_axle_weights(weights);
    if (!text.contains(QLatin1Char('+')))
        return;
    QRegExp limit{QLatin1String(grammar::combined_limit_pattern)};
    for (int pos = limit.indexIn(text); pos >= 0;
         pos = limit.indexIn(text, pos + limit.matchedLength()))
        s.set_constraint(limit.cap(0), -1, QStringLiteral("default"));
}

Subclass build(const QMap<QString, QString>& m)
{
    Subclass s;
    s.set_number(m.value(QStringLiteral("subclass")).toUInt());
    const QString mins = m.value(QStringLiteral("min_axle_distance__m"));
    const QString maxs = m.value(QStringLiteral("max_axle_distance__m"));
    if (!mins.isEmpty() && !maxs.isEmpty()) {
        s.set_min_distances(mins.split(QLatin1Char(',')));
        s.set_max_distances(maxs.split(QLatin1Char(',')));
    }
    if (!m.value(QStringLiteral("tyre_type")).isEmpty())
        s.set_tyre_types(m.value(QStringLiteral("tyre_type")).split(QLatin1Char(',')));
    parse_weights(s, m.value(QStringLiteral("max_axle_weight__kN")));
    s.set_number_of_axles(m.value(QStringLiteral("number_of_axles")));
    using Setter = void (Subclass::*)(const QString&);
    const std::pair<const char*, Setter> scalars[] = {
        {"override_class", &Subclass::set_override_class},
        {"override_groups", &Subclass::set_override_groups},
        {"alias", &Subclass::set_alias},
        {"category", &Subclass::set_category},
        {"max_GVW__kN", &Subclass::set_max_GVW__kN},
        {"upper_GVW_limit__kN", &Subclass::set_upper_GVW_limit__kN},
        {"reclassify_up_to_subclass", &Subclass::set_reclassify_up_to_subclass},
        {"lower_GVW_limit__kN", &Subclass::set_lower_GVW_limit__kN},
        {"reclassify_down_to_subclass", &Subclass::set_reclassify_down_to_subclass},
        {"axle_configuration", &Subclass::set_axle_configuration},
        {"prepend__m", &Subclass::set_prepend__m},
        {"append__m", &Subclass::set_append__m},
    };
    for (const auto& [key, setter] : scalars)
        (s.*setter)(m.value(QLatin1String(key)));
    for (auto it = m.cbegin(); it != m.cend(); ++it) {
        const QString& key = it.key();
        const bool adsl = key.startsWith(QLatin1String("adsl_"));
        if (!adsl && !key.startsWith(QLatin1String("awsl_")))
            continue;
        if (key.mid(key.lastIndexOf(QLatin1Char('_')) + 1) == QLatin1String("0"))
            adsl ? s.set_adsl_0(m.value(QStringLiteral("adsl_0")))
                 : s.set_awsl_0(m.value(QStringLiteral("awsl_0")));
        else
            s.set_constraint(it.value(), -1, QLatin1String(adsl ? "adsl" : "awsl"));
    }
    return s;
}

} // namespace

ReferenceRead reference_read(const QByteArray& bytes)
{
    const QString path = write_file(bytes);
    ReferenceRead read;
    Conf& conf = read.conf;
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setIniCodec(Conf::file_codec());
        settings.beginGroup(QStringLiteral("classes"));
        for (const QString& key : settings.childKeys())
            conf.set_header_value(key, settings.value(key).toString());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    QTextStream stream(&file);
    stream.setCodec(Conf::file_codec());
    const QStringList lines = stream.readAll().split(QLatin1Char('\n'));
    file.remove();

    QRegExp section_line{QLatin1String(grammar::section_line_pattern)};
    QRegExp digits{QLatin1String(grammar::number_pattern)};
    QMap<QString, QString> pending;
    const auto finish = [&] {
        if (!pending.isEmpty())
            conf.insert_subclass(pending.value(QStringLiteral("subclass")).toUInt(),
                                 build(pending));
        pending.clear();
    };
    QString current;
    // Split leaves an empty last part after a final line end; the reader has no such line.
    for (int i = 0; i < lines.size() && !(i == lines.size() - 1 && lines.at(i).isEmpty()); ++i) {
        const QString& line = lines.at(i);
        if (line.trimmed().isEmpty())
            continue;
        if (section_line.indexIn(line) >= 0 && section_line.cap(0) == line) {
            if (line != QLatin1String("[classes]")) {
                finish();
                digits.indexIn(line);
                pending.insert(QStringLiteral("subclass"), digits.cap(0));
            }
            current = line;
            continue;
        }
        if (current == QLatin1String("[classes]"))
            continue;
        const QStringList parts = line.split(QLatin1Char('='));
        if (parts.size() != 2) {
            read.stopped_at_line = i + 1;
            read.stopped_line_text = line;
            return read;
        }
        pending.insert(parts.at(0), parts.at(1));
    }
    finish();
    return read;
}
