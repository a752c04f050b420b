#pragma once

#include <QJsonObject>
#include <QString>

class Conf;

// What `vorlan-conf check` finds in a loaded configuration.
struct CheckReport
{
    explicit CheckReport(const Conf& conf);

    // True when the window would save the file as it is and every subclass is valid.
    bool clean() const { return is_clean; }
    QJsonObject to_json() const { return json; }
    QString to_text(const QString& file_name) const;

private:
    QJsonObject json;
    QString stopped_text;
    bool is_clean = false;
};
