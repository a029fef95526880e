#pragma once

#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"

// The forms know only the named fields of a record; the reserved bytes around
// them have no control. A record built from a form takes those bytes from the
// record the form was loaded from (a restored backup), so that what the board
// gets back is that record with only the user's edits in it.
EffectSettingsTypeDef withReservedBytesOf(const EffectSettingsTypeDef &base,
                                          EffectSettingsTypeDef fromForm);
HardwareSettingsTypeDef withReservedBytesOf(const HardwareSettingsTypeDef &base,
                                            HardwareSettingsTypeDef fromForm);
