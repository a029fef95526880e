#include "questionanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

QuestionAnswerer::QuestionAnswerer(QMessageBox::ButtonRole role) : role(role)
{
    connect(&timer, &QTimer::timeout, this, &QuestionAnswerer::poll);
    timer.start(10);
}

void QuestionAnswerer::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("answered").toBool())
        return;
    box->setProperty("answered", true);
    seen << box->objectName();
    texts << box->text();
    defaultRoles << (box->defaultButton() ? box->buttonRole(box->defaultButton())
                                          : QMessageBox::InvalidRole);
    for (QAbstractButton *button : box->buttons()) {
        if (box->buttonRole(button) == role) {
            button->click();
            return;
        }
    }
    // No button of that role: the box's own way out.
    box->reject();
}
