#pragma once

#include "model/conf.h"
#include "units/displayunits.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class Vorlan;
}

// The header fields of the window: the site-wide values of the configuration, shown in display
// units where they have a unit, each coloured by its check, and the button showing g. What the
// user types leaves through edited(); the window stores it and asks the panel to judge it.
class HeaderPanel : public QObject
{
    Q_OBJECT

public:
    enum class Field
    {
        version,
        countryCode,
        groupMaxDistance,
        minVehicleSpacing,
        minAverageAxleWeight,
        maxAxleDistance,
        minAxleDistance,
        unclassifiedSubclass,
        uncategorisedCategory
    };

    HeaderPanel(Ui::Vorlan& form, const DisplayUnits& units, QObject* parent = nullptr);

    // Stores a field's value, in file units, into the configuration's header.
    static void store(Conf& conf, Field field, const QString& value);
    // Shows a configuration's header, each field coloured by its check, and its g; the max. axle
    // distance against the highest max. distance its subclasses hold.
    void show(const Conf& conf, float highestSubclassMax);
    // The same without the g.
    void showFields(const Conf& conf, float highestSubclassMax);
    // What the configuration holds for a field, in file units.
    QString stored(const Conf& conf, Field field) const;
    // The field's caption, without its unit.
    QString name(Field field) const;
    // Colours a field by its check once its value is stored; a field without one keeps its colour.
    // The max. axle distance is judged against every subclass read anew: judgeLimits spares that.
    void judge(const Conf& conf, Field field);
    // Colours both axle-distance limits, the subclasses holding max. distances up to the one
    // given.
    void judgeLimits(const Conf& conf, float highestSubclassMax);
    // Stores every field as it stands, in file units, into a configuration.
    void writeTo(Conf& conf) const;
    void showG(const QString& g);
    // The unit suffixes of the captions, and the values with a unit shown again in the current
    // units and judged again, as show does.
    void redisplayUnits(const Conf& conf, float highestSubclassMax);

signals:
    // The user changed a field; value is what it stores, in file units.
    void edited(HeaderPanel::Field field, const QString& value);

private:
    using Getter = QString (Conf::*)() const;
    using Check = bool (Conf::*)() const;
    struct Row
    {
        QLineEdit* edit;
        QLabel* caption; // with the unit's suffix, where the field has a unit
        std::optional<DisplayUnits::Kind> unit;
        Getter value;
        Check check; // null for fields that take any value
        QString toolTip;
    };

    const Row& row(Field field) const { return rows[static_cast<int>(field)]; }
    QString fileValue(const Row& row) const;
    void judge(const Conf& conf, Field field, float highestSubclassMax);
    void judgeMaxAxleDistance(Conf::MaxAxleDistance state);

    const DisplayUnits& units;
    QPushButton* gButton;
    // In the order of Field.
    std::array<Row, 9> rows;
};
