#pragma once

#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"

// A form holds a record loaded from a board or a file, but its controls
// cannot hold every value (a code with no row in a list, a number beyond a
// range, a fraction of a kilogram): built back, such a field would change
// although nobody touched it. These put the loaded value back into every
// field the form still builds as it did right after loading, so that a write
// changes only what the user changed.
//
// `loaded` is the record the form was filled from, `shown` what the form
// built right after, `edited` what it builds now. Reserved areas are taken
// from `edited`, whose caller put the board's own bytes there.
EffectSettingsTypeDef keepUntouchedFields(const EffectSettingsTypeDef &loaded,
                                          const EffectSettingsTypeDef &shown,
                                          const EffectSettingsTypeDef &edited);
HardwareSettingsTypeDef keepUntouchedFields(const HardwareSettingsTypeDef &loaded,
                                            const HardwareSettingsTypeDef &shown,
                                            const HardwareSettingsTypeDef &edited);

// `base` with every value field taken from `values`: a profile sent over the
// board's own reserved bytes.
EffectSettingsTypeDef withValueFieldsOf(const EffectSettingsTypeDef &base,
                                        const EffectSettingsTypeDef &values);
