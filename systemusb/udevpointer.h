#pragma once

#include <libudev.h>

#include <memory>

// libudev objects are reference counted; an owner drops its reference when it
// goes out of scope, whichever way the look-up that made it ends.
struct UdevDeleter {
    void operator()(udev *u) const { udev_unref(u); }
    void operator()(udev_enumerate *e) const { udev_enumerate_unref(e); }
    void operator()(udev_device *d) const { udev_device_unref(d); }
};
template <typename T> using UdevPtr = std::unique_ptr<T, UdevDeleter>;
