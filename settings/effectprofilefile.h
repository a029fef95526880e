#pragma once

#include "settings/boardfile.h"
#include "settings/effectsettings.h"

#include <QByteArray>
#include <QString>

// The effect-profile exchange file: one effect settings record and the board
// it came from, for moving a profile between computers or people. The
// program's own profiles are raw records in EFFECT_PROFILE_DIRECTORY.

// The effect profiles' folder, inside the program's data folder.
inline constexpr char EFFECT_PROFILE_DIRECTORY[] = "device_effects_profiles";

constexpr char EFFECT_PROFILE_FORMAT[] = "gravolt-effect-profile";
constexpr int EFFECT_PROFILE_VERSION = 1;

// The file holds only "effect_settings" and the "board" the
// profile came from ("board": null when that is not known).
QByteArray serializeEffectProfile(const EffectSettingsTypeDef &effects, const BoardIdentity &board);
bool parseEffectProfile(const QByteArray &json, EffectSettingsTypeDef &effects,
                        BoardIdentity &board, QString *error);
bool writeEffectProfileFile(const QString &path, const EffectSettingsTypeDef &effects,
                            const BoardIdentity &board, QString *error);
bool readEffectProfileFile(const QString &path, EffectSettingsTypeDef &effects,
                           BoardIdentity &board, QString *error);
