#pragma once

#include "device/forceoutput.h"
#include "device/forcetesteffect.h"
#include "device/forcetestsession.h"

#include <QElapsedTimer>
#include <QList>
#include <QTimer>
#include <QWidget>

class QAbstractButton;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

// The force test of the Live input page, and what the system offers for the
// board's force feedback. Forces go through the same interface games use. A
// test plays only on the user's click, after the user has confirmed holding
// the controls once since the page opened; it has a finite length and ends
// (stopped, erased, device closed) on Stop or Escape, when the page is
// hidden, the window minimised or closed, the board switched, and when the
// window starts any operation on the board.
class ForceTestPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ForceTestPanel(QWidget *parent = nullptr);
    ~ForceTestPanel() override;

    // The board (by USB product id) to test; -1 for none. Stops any test.
    void setBoard(int productId);
    bool isTesting() const { return session.isRunning(); }
    // The next test asks again to hold the controls.
    void askBeforeNextTest() { holdConfirmed = false; }

    // What the page says about the system's offer, or why there is none.
    static QString describeOffer(gravolt_force_status status, const gravolt_force_info &info,
                                 const gravolt_input_problem &problem);
    // Why a test could not start.
    static QString describeFailure(gravolt_force_status status,
                                   const gravolt_input_problem &problem);

public slots:
    void stopTest();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void queryOffer();
    void startTest(ForceTestKind kind);
    bool confirmHold();
    void showRemaining();
    void updateButtons();

    int productId = -1;
    ForceTestSession session;
    gravolt_force_info offer{};
    bool offered = false;
    bool holdConfirmed = false;
    QString playingName;
    QTimer endTimer;        // the test's own end, with the effect's
    QTimer remainingTimer;  // the time left, as the user watches it
    QElapsedTimer playingFor;
    int playingMs = 0;

    QLabel *offerLabel = nullptr;
    QComboBox *axisCombo = nullptr;
    QSlider *strengthSlider = nullptr;
    QSpinBox *strengthSpin = nullptr;
    QDoubleSpinBox *secondsSpin = nullptr;
    QList<QPair<ForceTestKind, QPushButton *>> testButtons;
    QPushButton *stopButton = nullptr;
    QLabel *testStatus = nullptr;
};
