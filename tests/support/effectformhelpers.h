#pragma once

#include "settings/effectsettings.h"

#include <QByteArray>

class QRandomGenerator;

// Byte images of effect records, copied rather than cast, as the program does.
QByteArray effectRecordBytes(const EffectSettingsTypeDef &settings);
EffectSettingsTypeDef effectRecordFromBytes(const QByteArray &bytes);

// A record every field of which lies inside its control's range, reserved
// bytes zero: what the form itself would build.
EffectSettingsTypeDef randomInRangeEffectRecord(QRandomGenerator &random);
