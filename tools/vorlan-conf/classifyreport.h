#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

class ClassificationTally;
class VehicleClassifier;

// The report of `vorlan-conf classify`: the tally of a run, as JSON and as text.
QJsonObject classify_json(const ClassificationTally& tally, const VehicleClassifier& classifier);
QString classify_text(const QJsonObject& json, const QString& conf_name,
                      const QString& vehicles_name);

// "12", "ambiguous" or "unmatched".
QString outcome_name(qint64 outcome);
// The subclasses and rules that were left out of every match, as JSON and as text lines.
QJsonObject skipped_json(const VehicleClassifier& classifier);
QStringList skipped_text(const QJsonObject& json);
