#pragma once

#include "hidrawbus.h"

#include <QMutex>

#include <cstdint>
#include <linux/input.h>
#include <memory>
#include <vector>

namespace e2e {

// Boards as the hidraw bus shows them, each with the input device the
// kernel's HID driver makes of a joystick beside its hidraw node: an input
// device under the HID device, and its event device /dev/input/eventN. The
// node's ioctls are answered the way drivers/input/evdev.c answers them; its
// reads give the events the test sends, as struct input_event.
class HidrawInputBus : public HidrawBus
{
public:
    // What every board reports: X and Y of the stick, three analog axes
    // (Rx, Ry, Rz) and 32 buttons, numbered as the HID driver numbers a
    // joystick's buttons.
    static constexpr int AXIS_COUNT = 5;
    static constexpr int BUTTON_COUNT = 32;
    static constexpr int AXIS_MINIMUM = -32767;
    static constexpr int AXIS_MAXIMUM = 32767;

    explicit HidrawInputBus(KernelTestbed &testbed);
    ~HidrawInputBus() override;

    // One change and the report that ends it, as one read's worth.
    void moveAxis(const EmulatedBoard &board, int axis, int value);     // axis from 0
    void setButton(const EmulatedBoard &board, int number, bool down);  // number from 1
    // The board's devices go, child first, then reads of its event node end.
    void unplugBoard(const EmulatedBoard &board);

    // Files this process holds open on the board's event node.
    int openEventFiles(const EmulatedBoard &board) const;
    // Attempts to grab the event device for this process alone (EVIOCGRAB).
    int grabAttempts() const;

    // Force feedback as evdev's core answers it for a driver that offers
    // constant, periodic (sine), spring, damper, friction and gain, holding
    // EFFECT_SLOTS effects: the effects uploaded (EVIOCSFF) and erased
    // (EVIOCRMFF), and every event the program wrote to the node (play and
    // stop are EV_FF events), in order.
    static constexpr int EFFECT_SLOTS = 4;
    std::vector<ff_effect> uploadedEffects(const EmulatedBoard &board) const;
    std::vector<int> erasedEffects(const EmulatedBoard &board) const;
    std::vector<input_event> writtenEvents(const EmulatedBoard &board);
    // The board's driver registers no force feedback from now on.
    void withdrawForceFeedback(const EmulatedBoard &board);

    struct EventNode;

protected:
    bool describe(EmulatedNode &node, QString *description, QString *error) override;

private:
    EventNode *find(const EmulatedBoard &board) const;
    void send(EventNode &node, uint16_t type, uint16_t code, int32_t value);

    std::vector<std::unique_ptr<EventNode>> eventNodes;
    int eventMinors = 0;
};

}  // namespace e2e
