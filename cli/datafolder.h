#pragma once

#include <QString>

// The folder that holds the effect profiles and the automatic backups, the
// same one the window works in: the per-user folder its launcher prepares
// when gravoltctl is installed beside that launcher, otherwise the current
// working directory (as for the window started from the build folder).
QString defaultDataFolder();
