#pragma once

#include "dfu/dfuconstants.h"

#include <QString>

// What a bootloader's status means, in a sentence for the user.
// `dfuSe` and `readingBack`: a DfuSe bootloader answers a read-back of
// read-protected memory with errVENDOR.
QString dfuStatusText(DfuStatus status, bool dfuSe = false, bool readingBack = false);
// A state's name as the DFU class names it ("dfuIDLE"), for logs and errors.
QString dfuStateName(DfuState state);
