#include "ui/fulleffectsettingswidget.h"

#include <QtTest>

#include <cstring>

class TestFullEffectSettingsWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // A misspelt on_ slot is only reported as a warning while the form is built.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal for")));
    }

    void freshFormBuildsMinimumRecord()
    {
        FullEffectSettingsWidget widget;
        const EffectSettingsTypeDef settings = widget.getEffectSettings();
        QByteArray expected(EFFECT_SETTINGS_SIZE, '\0');
        expected[0] = char(0xFF);
        expected[130] = 1;
        expected[258] = 1;
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&settings), sizeof settings), expected);
    }
};

QTEST_MAIN(TestFullEffectSettingsWidget)
#include "tst_fulleffectsettingswidget.moc"
