#include "confgenerator.h"
#include "dice.h"

#include <QMap>
#include <QStringList>
#include <QVector>

#include <algorithm>

namespace {

// Fixed decimals without trailing zeros, as an engineer would type them: 2.5, 15, 0.85.
QString number(double value, int decimals = 2)
{
    QString text = QString::number(value, 'f', decimals);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

QString axle_configuration(Dice& dice, int axles)
{
    if (axles == 2) {
        static const char* letters = "CVHLMBA";
        return QString(QChar(letters[dice.between(0, 6)])) + "2";
    }
    // A leading unit of 2 to 4 axles (truck, bus, tractor, light truck, van), then towed units.
    static const char* leaders = "HHHABLV";
    const QChar leader(leaders[dice.between(0, 6)]);
    const int maxLead = (leader == 'L' || leader == 'V') ? 2 : 4;
    const int lead = dice.between(2, qMin(maxLead, axles));
    QString text = QString(leader) + QString::number(lead);
    int left = axles - lead;
    while (left > 0) {
        static const char* towed = "STSTD";
        const QChar unit(towed[dice.between(0, 4)]);
        const int count =
            unit == 'D' ? qMin(left, dice.between(1, 2)) : qMin(left, dice.between(1, 4));
        text += unit + QString::number(count);
        left -= count;
    }
    return text;
}

struct Body
{
    int axles = 0;
    QMap<QString, QString> scalars;
    QStringList lines; // everything after the scalar lines, in file order
};

Body make_body(Dice& dice, const QMap<int, QVector<quint32>>& byAxles)
{
    Body body;
    const int axles = dice.chance(0.6) ? dice.between(2, 6) : dice.between(7, 20);
    body.axles = axles;
    const QString configuration = axle_configuration(dice, axles);

    QStringList tyres, weights, maxDistances, minDistances;
    double totalWeight = 0, totalMin = 0, totalMax = 0;
    for (int i = 0; i < axles; ++i) {
        tyres << QString::number(dice.chance(0.7) ? dice.between(1, 2) : dice.between(3, 4));
        const double weight = dice.real(40, 115);
        totalWeight += weight;
        weights << QString::number(i + 1) + "," + number(weight, 1);
        if (i + 1 < axles) {
            const bool tandem = dice.chance(0.4);
            const double min = tandem ? dice.real(0.8, 1.4) : dice.real(2.0, 6.0);
            const double max = min + dice.real(0.1, tandem ? 0.6 : 3.0);
            totalMin += min;
            totalMax += max;
            minDistances << number(min);
            maxDistances << number(max);
        }
    }

    QStringList combinedLimits;
    if (axles >= 3 && dice.chance(0.4)) {
        const int first = dice.between(1, axles - 1);
        combinedLimits
            << QString("%1+%2,%3").arg(first).arg(first + 1).arg(number(dice.real(150, 210), 1));
    }
    QStringList distanceConstraints, weightConstraints;
    if (dice.chance(0.3)) {
        const int count = dice.between(1, 3);
        for (int k = 0; k < count; ++k) {
            const int first = dice.between(1, axles - 1);
            const double min = dice.real(0.8, 3.0);
            distanceConstraints << QString("%1+%2:%3,%4")
                                       .arg(first)
                                       .arg(first + 1)
                                       .arg(number(min))
                                       .arg(number(min + dice.real(0.2, 2.0)));
        }
    }
    if (dice.chance(0.2)) {
        const int first = dice.between(1, axles - 1);
        const double low = dice.real(60, 120);
        weightConstraints << QString("%1+%2:%3,%4;%5,%6")
                                 .arg(first)
                                 .arg(first + 1)
                                 .arg(number(low, 1))
                                 .arg(dice.between(1, 99))
                                 .arg(number(low + dice.real(40, 90), 1))
                                 .arg(dice.between(1, 99));
    }

    auto& s = body.scalars;
    s["axle_configuration"] = configuration;
    s["category"] = QString::number(dice.between(1, 5));
    s["number_of_axles"] = QString::number(axles);
    s["max_GVW__kN"] = number(totalWeight * dice.real(0.85, 1.0), 1);
    s["alias"] = QString("%1-%2").arg(configuration).arg(dice.between(1, 9999));
    if (dice.chance(0.3))
        s["adsl_0"] = number(totalMin) + "," + number(totalMax);
    if (dice.chance(0.2))
        s["awsl_0"] = QString("%1,%2;%3,%4")
                          .arg(number(totalWeight * 0.4, 1))
                          .arg(dice.between(1, 99))
                          .arg(number(totalWeight * 0.9, 1))
                          .arg(dice.between(1, 99));
    if (dice.chance(0.3))
        s["prepend__m"] = number(dice.real(0.2, 1.5));
    if (dice.chance(0.3))
        s["append__m"] = number(dice.real(0.2, 2.5));
    const QVector<quint32> sameAxles = byAxles.value(axles);
    if (!sameAxles.isEmpty() && dice.chance(0.2)) {
        s["reclassify_up_to_subclass"] =
            QString::number(sameAxles[dice.between(0, sameAxles.size() - 1)]);
        s["upper_GVW_limit__kN"] = number(totalWeight * 1.1, 1);
    }
    if (!sameAxles.isEmpty() && dice.chance(0.2)) {
        s["reclassify_down_to_subclass"] =
            QString::number(sameAxles[dice.between(0, sameAxles.size() - 1)]);
        s["lower_GVW_limit__kN"] = number(totalWeight * 0.3, 1);
    }

    body.lines << "tyre_type=" + tyres.join(',');
    body.lines << "max_axle_weight__kN=" + (weights + combinedLimits).join(';');
    body.lines << "max_axle_distance__m=" + maxDistances.join(',');
    body.lines << "min_axle_distance__m=" + minDistances.join(',');
    for (int k = 0; k < distanceConstraints.size(); ++k)
        body.lines << QString("adsl_%1=%2").arg(k + 1).arg(distanceConstraints[k]);
    for (int k = 0; k < weightConstraints.size(); ++k)
        body.lines << QString("awsl_%1=%2").arg(k + 1).arg(weightConstraints[k]);
    return body;
}

} // namespace

QString generate_configuration(const ConfGeneratorOptions& options)
{
    Dice dice(options.seed);
    QVector<Body> bodies;
    bodies.reserve(options.subclasses);
    QVector<quint32> numbers;
    numbers.reserve(options.subclasses);
    QMap<int, QVector<quint32>> byAxles;

    // Exact duplicates are copied from far back, as when a site clones a class and forgets it.
    // Only the later subclasses can be copies, so they are copies more often, and the share
    // holds for the whole file.
    const int farBack = options.subclasses / 4;
    const double copyChance = options.duplicate_share * options.subclasses /
                              std::max(1, options.subclasses - farBack - 1);
    quint32 next = 1;
    for (int i = 0; i < options.subclasses; ++i) {
        const quint32 subclassNumber = next;
        next += quint32(dice.between(1, 3));
        Body body;
        if (i > farBack && dice.chance(copyChance))
            body = bodies[dice.between(0, i - farBack - 1)];
        else
            body = make_body(dice, byAxles);
        byAxles[body.axles].append(subclassNumber);
        bodies.append(body);
        numbers.append(subclassNumber);
    }

    QString text;
    text.reserve(options.subclasses * 420 + 400);
    text += "[classes]\n";
    text += "classification_version=generated-" + QString::number(options.seed) + "\n";
    text += "country_code=SI\n";
    text += "g_acceleration_constant=9.81\n";
    text += "group_max_distance__m=2.5\n";
    text += "max_axle_distance__m=15\n";
    text += "min_2axle_truck_spacing__m=3\n";
    text += "min_avg_axle_weight__kN=4.9\n";
    text += "min_axle_distance__m=0.5\n";
    text += "uncategorised_vehicle_category=6\n";
    text += "unclassified_vehicle_subclass=" + QString::number(next) + "\n";
    text += "\n";
    for (int i = 0; i < bodies.size(); ++i) {
        text += "[subclass_" + QString::number(numbers[i]) + "]\n";
        for (auto it = bodies[i].scalars.cbegin(); it != bodies[i].scalars.cend(); ++it)
            text += it.key() + "=" + it.value() + "\n";
        for (const QString& line : bodies[i].lines)
            text += line + "\n";
        text += "\n";
    }
    return text;
}
