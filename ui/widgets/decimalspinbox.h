#pragma once

#include <QDoubleSpinBox>

// A decimal spin box that takes a point or a comma as the decimal separator
// in every language, as the gain fields do, and shows the separator of the
// interface language. A German user on an English system types "2,5", an
// English user on a German one "2.5"; either is 2.5.
class DecimalSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    using QDoubleSpinBox::QDoubleSpinBox;

    QValidator::State validate(QString &input, int &pos) const override;
    double valueFromText(const QString &text) const override;
    void fixup(QString &input) const override;
};
