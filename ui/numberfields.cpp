// Validators and widths of the window's number fields.
#include "ui/numberfields.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The window's locale, not the machine's, with group separators neither read nor written.
QLocale fieldLocale(const QLineEdit* edit)
{
    QLocale locale = edit->locale();
    locale.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

namespace NumberFields {

void acceptReals(QLineEdit* edit)
{
    auto* validator = new QDoubleValidator(edit);
    validator->setBottom(0.0);
    validator->setLocale(fieldLocale(edit));
    edit->setValidator(validator);
}

void acceptWholeNumbers(QLineEdit* edit, int bottom, int top)
{
    auto* validator = new QIntValidator(bottom, top, edit);
    validator->setLocale(fieldLocale(edit));
    edit->setValidator(validator);
}

void fitWidth(QLineEdit* edit, const QString& sample, bool judged)
{
    // As a line edit lays itself out: 2 pixels of margin a side and the cursor, and a trailing
    // action's button (a small icon and 6 pixels) with a margin of a quarter icon.
    QStyle* style = edit->style();
    const QFontMetrics metrics = edit->fontMetrics();
    const int icon = style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, edit);
    const int mark = judged ? icon + 6 + icon / 4 : 0;
    const QSize contents(metrics.horizontalAdvance(sample) + 2 * 2 + 1 + mark, metrics.height());
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    edit->setFixedWidth(
        style->sizeFromContents(QStyle::CT_LineEdit, &option, contents, edit).width());
}

} // namespace NumberFields
