// Showing a subclass's combined constraints, and their texts between file and displayed units.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QDebug>
#include <QLayout>
#include <QLineEdit>

void Vorlan::setupConstraintEdit(QLineEdit* edit, const QString& statusTip,
                                 const QString& objectName, const QString& kind)
{
    edit->setMaximumWidth(kind == QLatin1String("adsl")   ? 115
                          : kind == QLatin1String("awsl") ? 150
                                                          : 90);
    edit->setStatusTip(statusTip);
    edit->setObjectName(objectName);
    connect(edit, &QLineEdit::textEdited, this, &Vorlan::textChanged);
}

void Vorlan::showConstraint(QLineEdit* edit, const QString& value, bool valid, const QString& kind)
{
    QString shown;
    if (kind == QLatin1String("default")) {
        const QStringList parts = value.split(QLatin1Char(','));
        shown = parts.size() == 2
                    ? parts.at(0) + QLatin1Char(',') +
                          QString::number(toDisplayedValue(parts.at(1), UnitKind::weight), 'f', 2)
                    : value;
    } else if (kind == QLatin1String("adsl")) {
        shown = convertCombinedDistance(value, Direction::toDisplay);
    } else if (kind == QLatin1String("awsl")) {
        shown = convertCombinedWeight(value, Direction::toDisplay);
    } else if (kind == QLatin1String("adsl_0")) {
        shown = convertTotalDistance(value, Direction::toDisplay);
    } else if (kind == QLatin1String("awsl_0")) {
        shown = convertTotalWeight(value, Direction::toDisplay);
    } else {
        return;
    }
    edit->setText(shown);
    validateEdit(edit, valid, QString());
}

void Vorlan::showSubclassConstraints(const Subclass& subclass)
{
    // Totals loaded from a file are judged only once the user edits them.
    showConstraint(ui->lineEditTotalDistanceConstraint, subclass.get_adsl_0(), true,
                   QStringLiteral("adsl_0"));
    showConstraint(ui->lineEditTotalWeightConstraint, subclass.get_awsl_0(), true,
                   QStringLiteral("awsl_0"));

    struct Kind
    {
        const char* text;
        QFrame* frame;
        int* editCount;
    };
    const Kind kinds[] = {
        {"default", ui->frameCombinedWeightConstraints, &defaultConstraintEditCount},
        {"adsl", ui->frameAdsl, &adslConstraintEditCount},
        {"awsl", ui->frameAwsl, &awslConstraintEditCount},
    };
    for (const Kind& kind : kinds) {
        const QString text = QLatin1String(kind.text);
        const int edits = *kind.editCount;
        const int count = subclass.get_constraint_count(text);
        for (int i = edits; i < count; ++i) {
            auto* edit = new QLineEdit(this);
            setupConstraintEdit(edit, constraintStatusTip,
                                QStringLiteral("%1Constraint%2").arg(text).arg(i), text);
            kind.frame->layout()->addWidget(edit);
        }
        for (int position = edits; position > count; --position)
            hideLineEditAt(kind.frame, position);
        for (int position = 1; position <= count; ++position) {
            QLineEdit* edit = lineEditAt(kind.frame, position);
            if (!edit)
                continue;
            showConstraint(edit, subclass.get_constraint(position - 1, text),
                           subclass.is_constraint_valid(position - 1, text), text);
            edit->show();
        }
        *kind.editCount = qMax(edits, count);
    }
}

QString Vorlan::convertConstraintNumber(const QString& number, UnitKind kind,
                                        Direction direction) const
{
    return direction == Direction::toDisplay
               ? QString::number(toDisplayedValue(number, kind), 'f', 1)
               : toFileText(number, kind);
}

QString Vorlan::convertTotalDistance(const QString& text, Direction direction) const
{
    const QStringList bounds = text.split(QLatin1Char(','));
    if (bounds.size() != 2) {
        if (!text.isEmpty())
            qWarning().noquote() << "Failed to split " + text + " on comma!";
        return QString();
    }
    if (!isValidFloat(bounds.at(0)) || !isValidFloat(bounds.at(1)))
        return QString();
    return convertConstraintNumber(bounds.at(0), UnitKind::length, direction) + QLatin1Char(',') +
           convertConstraintNumber(bounds.at(1), UnitKind::length, direction);
}

QString Vorlan::convertCombinedDistance(const QString& text, Direction direction) const
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2) {
        if (!text.isEmpty())
            qWarning().noquote() << "Failed to split " + text + " on colon!";
        return QString();
    }
    const QString bounds = convertTotalDistance(parts.at(1), direction);
    return bounds.isEmpty() ? QString() : parts.at(0) + QLatin1Char(':') + bounds;
}

QString Vorlan::convertTotalWeight(const QString& text, Direction direction) const
{
    const QStringList bounds = text.split(QLatin1Char(';'));
    if (bounds.size() != 2) {
        if (!text.isEmpty())
            qWarning().noquote() << "Failed to split " + text + " on semicolon!";
        return QString();
    }
    const QStringList lower = bounds.at(0).split(QLatin1Char(','));
    const QStringList upper = bounds.at(1).split(QLatin1Char(','));
    if (lower.size() != 2 || upper.size() != 2) {
        qWarning().noquote() << "Failed to split " +
                                    (lower.size() != 2 ? bounds.at(0) : bounds.at(1)) +
                                    " on commas!";
        return QString();
    }
    if (!isValidFloat(lower.at(0)) || !isValidInt(lower.at(1)) || !isValidFloat(upper.at(0)) ||
        !isValidInt(upper.at(1)))
        return QString();
    return convertConstraintNumber(lower.at(0), UnitKind::weight, direction) + QLatin1Char(',') +
           lower.at(1) + QLatin1Char(';') +
           convertConstraintNumber(upper.at(0), UnitKind::weight, direction) + QLatin1Char(',') +
           upper.at(1);
}

QString Vorlan::convertCombinedWeight(const QString& text, Direction direction) const
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2) {
        if (!text.isEmpty())
            qWarning().noquote() << "Failed to split " + text + " on colon!";
        return QString();
    }
    const QString bounds = convertTotalWeight(parts.at(1), direction);
    if (bounds.isEmpty())
        return QString();
    const QString result = parts.at(0) + QLatin1Char(':') + bounds;
    qDebug().noquote() << "Final awsl: " + result;
    return result;
}
