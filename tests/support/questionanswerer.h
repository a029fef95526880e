#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// Answers every modal question box that opens while it lives with the first
// button of a chosen role, after noting the box's object name, text and
// default button. A box the test did not expect is answered as well, so it
// shows in `seen` instead of hanging the test.
class QuestionAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit QuestionAnswerer(QMessageBox::ButtonRole role);

    QMessageBox::ButtonRole role;  // may change between questions
    QStringList seen;              // object names, in order
    QStringList texts;
    // Role of each box's default button, in order.
    QList<QMessageBox::ButtonRole> defaultRoles;

private:
    void poll();

    QTimer timer;
};
