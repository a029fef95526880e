#include "mainwindowhelpers.h"
#include "captions.h"

#include "boardsim/simulatedboard.h"
#include "device/featurereporttransport.h"
#include "ui/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QPushButton>
#include <QTest>

namespace mainwindowtest {

MessageBoxAnswerer::MessageBoxAnswerer(Answer answer) : MessageBoxAnswerer(answer, nullptr)
{}

MessageBoxAnswerer::MessageBoxAnswerer(Answer answer,
                                       std::function<void(QMessageBox *)> beforeAnswer)
    : answer(answer), beforeAnswer(std::move(beforeAnswer))
{
    connect(&timer, &QTimer::timeout, this, &MessageBoxAnswerer::poll);
    timer.start(10);
}

void MessageBoxAnswerer::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || answering || !box->isVisible())
        return;
    answering = true;
    ++boxesSeen;
    title = box->windowTitle();
    text = box->text();
    textFormat = box->textFormat();
    icon = box->icon();
    hasParent = box->parentWidget() != nullptr;
    buttonTexts.clear();
    buttonRoles.clear();
    for (QAbstractButton *button : box->buttons()) {
        buttonTexts << shownText(button);
        buttonRoles << int(box->buttonRole(button));
    }
    if (auto *focused = qobject_cast<QAbstractButton *>(box->focusWidget()))
        focusedButtonText = shownText(focused);

    if (beforeAnswer)
        beforeAnswer(box);

    switch (answer) {
    case Ok:
        box->button(QMessageBox::Ok)->click();
        break;
    case Cancel:
        box->button(QMessageBox::Cancel)->click();
        break;
    case Escape:
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    case LatestVersion:
        for (QAbstractButton *button : box->buttons()) {
            if (shownText(button) == QLatin1String("Latest version"))
                button->click();
        }
        break;
    case CloseWindow:
        box->close();
        break;
    }
    answering = false;
}

UrlCatcher::UrlCatcher()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void UrlCatcher::openUrl(const QUrl &url)
{
    urls << url;
}

void pickDevice(MainWindow &window, int row)
{
    auto *combo = window.findChild<QComboBox *>(QStringLiteral("devices_combo_box"));
    QVERIFY(combo);
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

namespace {

bool isCommandWrite(const boardsim::Transfer &t)
{
    return t.isWrite() && t.reportId() == REPORT_ID_COMMAND && t.data.size() >= 6;
}

uint16_t le16(const QByteArray &b, int at)
{
    return uint16_t(uint8_t(b[at]) | (uint8_t(b[at + 1]) << 8));
}

}  // namespace

QList<QByteArray> recordsWritten(int productId, uint8_t recordCommand)
{
    QList<QByteArray> records;
    QByteArray assembling;
    for (const boardsim::Transfer &t : boardsim::Bus::transfersFor(productId)) {
        if (!isCommandWrite(t) || uint8_t(t.data[1]) != recordCommand)
            continue;
        const int offset = le16(t.data, 2);
        const int remaining = le16(t.data, 4);
        if (remaining == RECORD_TERMINATOR_REMAINING) {
            records << assembling;
            assembling.clear();
            continue;
        }
        const int chunk = std::min(remaining, RECORD_CHUNK_SIZE);
        if (assembling.size() < offset + chunk)
            assembling.resize(offset + chunk);
        assembling.replace(offset, chunk, t.data.mid(RECORD_CHUNK_DATA_OFFSET, chunk));
    }
    return records;
}

QList<int> conversation(int productId)
{
    QList<int> steps;
    for (const boardsim::Transfer &t : boardsim::Bus::transfersFor(productId)) {
        if (isCommandWrite(t)) {
            const int command = uint8_t(t.data[1]);
            // A record is many reports; list it once, at its terminator.
            const bool recordChunk = command == COMMAND_WRITE_EFFECT_SETTINGS ||
                                     command == COMMAND_WRITE_HARDWARE_SETTINGS;
            if (!recordChunk || le16(t.data, 4) == RECORD_TERMINATOR_REMAINING)
                steps << command;
        } else if (!t.isWrite() && t.reportId() == REPORT_ID_BUSY_STATUS) {
            steps << REPORT_ID_BUSY_STATUS;
        }
    }
    return steps;
}

}  // namespace mainwindowtest
