#pragma once

#include "device/inputsource.h"

#include <QList>
#include <QTimer>
#include <QWidget>

class ForceTestPanel;
class QGridLayout;
class QGroupBox;
class QLabel;
class QProgressBar;
class QSocketNotifier;

// The selected board's axes and buttons as the system reports them to games,
// so that a setting can be checked while it is being made. It costs nothing
// while unseen: the board's input device is opened when the view is shown
// with a board selected, and closed when it is hidden or the board changes.
class LiveInputView : public QWidget
{
    Q_OBJECT

public:
    explicit LiveInputView(QWidget *parent = nullptr);
    ~LiveInputView() override;

    // The board (by USB product id) whose inputs are shown; -1 for none.
    void setBoard(int productId);
    int board() const { return productId; }
    bool isReading() const { return source != nullptr; }
    // Ends a force test, if one plays: called before every operation on the
    // board.
    void stopForceTest();

    // What the view says when it cannot show the inputs.
    static QString describeProblem(gravolt_input_status status,
                                   const gravolt_input_problem &problem);
    // The name games show for an axis of this code.
    static QString axisName(int code);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void start();
    void stop();
    void readInputs();
    void refresh();
    void showStatus(const QString &text);
    void rebuildControls();

    int productId = -1;
    gravolt_input_source *source = nullptr;
    QSocketNotifier *notifier = nullptr;  // a child; goes with deleteLater
    // Without a descriptor to wait on, the inputs are read at the refresh rate.
    QTimer pollTimer;
    // Changes are shown at most this often, however fast the events come.
    QTimer refreshTimer;
    gravolt_input_state latest{};
    gravolt_input_state shown{};
    bool controlsMatch = false;

    QLabel *status = nullptr;
    QGroupBox *axesBox = nullptr;
    QGroupBox *buttonsBox = nullptr;
    ForceTestPanel *forceTest = nullptr;
    QGridLayout *axesGrid = nullptr;
    QGridLayout *buttonsGrid = nullptr;
    QList<QProgressBar *> axisBars;
    QList<QLabel *> buttonMarks;
};
