// The reasons of failing subclasses as the window's lists and messages show them.
#include "ui/reasontexts.h"

#include "model/conf.h"
#include "model/subclassreasons.h"
#include "ui/windowtext.h"

#include <QStringList>

namespace {

constexpr int subclassesListed = 10;

QStringList linesOf(quint32 number, const SubclassReasons& reasons)
{
    QStringList lines;
    for (const SubclassReason& reason : reasons)
        lines << QStringLiteral("subclass %1: %2").arg(number).arg(reason.message);
    return lines;
}

} // namespace

QString invalidSubclassText(const Conf& conf, quint32 number)
{
    if (!conf.has_subclass(number))
        return QString();
    return linesOf(number,
                   subclass_reasons(conf.get_subclass(number), conf.get_min_axle_distance__m(),
                                    conf.get_max_axle_distance__m()))
        .join(QLatin1Char('\n'));
}

QString incompleteSubclassesText(const Conf& conf)
{
    QList<quint32> incomplete;
    QStringList lines;
    for (quint32 number : conf.get_subclass_numbers()) {
        const Subclass& subclass = conf.get_subclass(number);
        if (Conf::is_complete_for_saving(subclass))
            continue;
        if (incomplete.size() < subclassesListed)
            lines << linesOf(number, saving_reasons(subclass));
        incomplete << number;
    }
    if (incomplete.isEmpty())
        return QString();
    QString text = windowText("Missing data found in subclass ") +
                   QString::number(incomplete.constFirst()) +
                   windowText("\nPlease make sure all of the following fields are valid:\n") +
                   lines.join(QLatin1Char('\n'));
    if (incomplete.size() > subclassesListed)
        text += QLatin1Char('\n') +
                QCoreApplication::translate("Vorlan", "and %n more subclass(es)", nullptr,
                                            incomplete.size() - subclassesListed);
    return text;
}
