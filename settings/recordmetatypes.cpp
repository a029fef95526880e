#include "recordmetatypes.h"

#include "device/firmwareinfo.h"
#include "device/operationoutcome.h"
#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"

void registerRecordMetaTypes()
{
    qRegisterMetaType<EffectSettingsTypeDef>("EffectSettingsTypeDef");
    qRegisterMetaType<HardwareSettingsTypeDef>("HardwareSettingsTypeDef");
    qRegisterMetaType<FirmwareInfoMap>("QMap<int,FirmwareInfoTypeDef>");
    qRegisterMetaType<OperationOutcome>("OperationOutcome");
}
