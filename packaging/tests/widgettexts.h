#pragma once

// Every user-visible text of a widget tree, keyed by the object-name path of
// its widget and the kind of text, so that the texts of two instances of the
// same window (one in this process, one in the installed program) can be
// compared one by one.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

namespace widgettexts {

inline QString objectPath(const QWidget *root, const QObject *object)
{
    QStringList names;
    for (const QObject *o = object; o && o != root->parent(); o = o->parent())
        names.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                                : o->objectName());
    return names.join(QLatin1Char('/'));
}

inline QMap<QString, QString> collect(const QWidget *root)
{
    QMap<QString, QString> texts;
    QList<const QWidget *> widgets{root};
    for (const QWidget *w : root->findChildren<QWidget *>())
        widgets.append(w);
    for (const QWidget *w : widgets) {
        const QString path = objectPath(root, w);
        auto add = [&](const QString &kind, const QString &text) {
            if (!text.isEmpty())
                texts.insert(path + QLatin1Char('#') + kind, text);
        };
        add(QStringLiteral("windowTitle"), w->isWindow() ? w->windowTitle() : QString());
        add(QStringLiteral("toolTip"), w->toolTip());
        if (const auto *label = qobject_cast<const QLabel *>(w))
            add(QStringLiteral("text"), label->text());
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            add(QStringLiteral("text"), button->text());
        if (const auto *group = qobject_cast<const QGroupBox *>(w))
            add(QStringLiteral("title"), group->title());
        if (const auto *edit = qobject_cast<const QLineEdit *>(w))
            add(QStringLiteral("placeholder"), edit->placeholderText());
        if (const auto *tabs = qobject_cast<const QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(QStringLiteral("tab%1").arg(i), tabs->tabText(i));
        }
        if (const auto *combo = qobject_cast<const QComboBox *>(w)) {
            add(QStringLiteral("placeholder"), combo->placeholderText());
            for (int i = 0; i < combo->count(); ++i)
                add(QStringLiteral("item%1").arg(i), combo->itemText(i));
        }
    }
    return texts;
}

}  // namespace widgettexts
