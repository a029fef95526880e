#include "decimalspinbox.h"

#include "ui/widgets/widgethelpers.h"

QValidator::State DecimalSpinBox::validate(QString &input, int &pos) const
{
    // Rewritten in place, so that the field shows the language's separator
    // as soon as the other one is typed.
    input = withDecimalSeparator(input, locale().decimalPoint());
    return QDoubleSpinBox::validate(input, pos);
}

double DecimalSpinBox::valueFromText(const QString &text) const
{
    return QDoubleSpinBox::valueFromText(withDecimalSeparator(text, locale().decimalPoint()));
}

void DecimalSpinBox::fixup(QString &input) const
{
    input = withDecimalSeparator(input, locale().decimalPoint());
    QDoubleSpinBox::fixup(input);
}
