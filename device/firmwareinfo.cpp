#include "firmwareinfo.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The window translated the model names as part of its backup dialogs first;
// the context stays, and with it the translations.
constexpr char DISPLAY_NAME_CONTEXT[] = "BackupController";

// The model keys in the order of BOARD_MODELS, for the translation tools.
constexpr const char *DISPLAY_NAMES[] = {
    QT_TRANSLATE_NOOP("BackupController", "generic"),
    QT_TRANSLATE_NOOP("BackupController", "joystick"),
    QT_TRANSLATE_NOOP("BackupController", "rudder"),
    QT_TRANSLATE_NOOP("BackupController", "wheel"),
    QT_TRANSLATE_NOOP("BackupController", "collective"),
};
static_assert(std::size(DISPLAY_NAMES) == std::size(BOARD_MODELS), "one display name a model");

}  // namespace

QString modelNameForDeviceType(int deviceType)
{
    const BoardModel *model = boardModelOfType(deviceType);
    return model ? QLatin1String(model->key) : QString();
}

QString knownModelNames()
{
    QStringList names;
    for (const BoardModel &model : BOARD_MODELS)
        names.append(QLatin1String(model.key));
    return names.join(QStringLiteral(", "));
}

int deviceTypeForModelName(const QString &model)
{
    for (const BoardModel &known : BOARD_MODELS) {
        if (model == QLatin1String(known.key))
            return known.deviceType;
    }
    return -1;
}

QString boardModelName(int productId)
{
    if (const BoardModel *model = boardModelOfProduct(productId))
        return QString::fromLatin1(model->displayName);
    return QStringLiteral("USB %1:%2")
        .arg(BOARD_VENDOR_ID, 4, 16, QLatin1Char('0'))
        .arg(productId, 4, 16, QLatin1Char('0'));
}

QString modelDisplayName(int deviceType)
{
    if (boardModelOfType(deviceType))
        return QCoreApplication::translate(DISPLAY_NAME_CONTEXT, DISPLAY_NAMES[deviceType]);
    return QCoreApplication::translate("BackupController", "unknown (type %1)").arg(deviceType);
}
