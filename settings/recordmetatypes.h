#pragma once

// Registers the records that cross threads in queued signals under their own
// names: "EffectSettingsTypeDef", "HardwareSettingsTypeDef" and
// "QMap<int,FirmwareInfoTypeDef>". Safe to call more than once.
void registerRecordMetaTypes();
