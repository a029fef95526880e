#pragma once

#include <QByteArray>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <cstdint>
#include <cstring>
#include <functional>

class MainWindow;

namespace mainwindowtest {

// Answers every modal message box that opens while it lives, after noting
// what the box showed. Tests that expect no box keep one around as well, so
// that a box opened by mistake fails the test instead of hanging it.
class MessageBoxAnswerer : public QObject
{
    Q_OBJECT

public:
    enum Answer { Ok, Cancel, Escape, LatestVersion, CloseWindow };

    explicit MessageBoxAnswerer(Answer answer);
    // Runs `beforeAnswer` with the open box first, e.g. to change the world
    // while the box's own event loop runs.
    MessageBoxAnswerer(Answer answer, std::function<void(QMessageBox *)> beforeAnswer);

    int boxesSeen = 0;
    QString title;
    QString text;
    Qt::TextFormat textFormat = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasParent = false;
    QStringList buttonTexts;    // in the order the box lists them
    QList<int> buttonRoles;     // QMessageBox::ButtonRole of each
    QString focusedButtonText;  // the button holding the keyboard focus

private:
    void poll();

    Answer answer;
    std::function<void(QMessageBox *)> beforeAnswer;
    QTimer timer;
    bool answering = false;
};

// Stands in for the desktop's browser: takes every http(s) address the
// program asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher();
    ~UrlCatcher() override;

    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl &url);
};

// Picks a row of the device list the way the popup does: the row becomes
// current and `activated` is emitted.
void pickDevice(MainWindow &window, int row);

// The records written to `productId` with `recordCommand` (0x11 or 0x12), in
// order, reassembled from the chunks in the transfer log.
QList<QByteArray> recordsWritten(int productId, uint8_t recordCommand);

// Command bytes (byte 1 of report 0x20) of every write to `productId`, and
// 0x24 for every busy poll, in transfer order: the conversation in brief.
QList<int> conversation(int productId);

template <typename Record> QByteArray bytesOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(Record)));
}

template <typename Record> Record recordFrom(const QByteArray &bytes)
{
    Record record;
    std::memset(&record, 0, sizeof record);
    std::memcpy(&record, bytes.constData(), std::min(sizeof record, size_t(bytes.size())));
    return record;
}

}  // namespace mainwindowtest
