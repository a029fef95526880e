#pragma once

#include "settings/hardwaresettings.h"

#include <QByteArray>
#include <QList>

// Byte-level views of HardwareSettingsTypeDef for tests that check exactly
// which bytes of the 512 a form writes.

QByteArray hardwareRecordBytes(const HardwareSettingsTypeDef &record);
HardwareSettingsTypeDef hardwareRecordFromBytes(const QByteArray &bytes);

// Every byte set to a value derived from its offset and the seed, so that a
// byte written by mistake, or copied from the wrong offset, shows up.
HardwareSettingsTypeDef patternedHardwareRecord(uint8_t seed);

// Offsets of the bytes the hardware settings panel (FullHardwareSettingsWidget)
// reads and writes: the motor-side fields and both axis blocks.
QList<int> hardwarePanelOffsets();
