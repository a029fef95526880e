// The commands about effect profiles and the games they go with: profile
// list/show/save/delete/import/export, link, unlink.
#include "command.h"
#include "commandrun.h"
#include "exitstatus.h"
#include "profilestore.h"
#include "recordfields.h"

#include "device/firmwareinfo.h"
#include "device/settingsuibackgroundthread.h"
#include "settings/boardbackup.h"
#include "settings/effectprofilefile.h"
#include "settings/gamelinks.h"
#include "settings/orderedjson.h"
#include "settings/recordcodec.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

const QString OPTION_JSON = QStringLiteral("json");
const QString OPTION_REPLACE = QStringLiteral("replace");
const QString OPTION_ALL = QStringLiteral("all");

// The identity a stored profile's origin stands for in an exchange file;
// unknown when the origin is.
BoardIdentity originIdentity(int deviceType)
{
    const BoardModel *model = boardModelOfType(deviceType);
    if (!model)
        return BoardIdentity();
    return boardIdentityFor(model->productId, deviceType, SUPPORTED_FIRMWARE_VERSION);
}

QJsonValue originJson(int deviceType)
{
    const QString model = modelNameForDeviceType(deviceType);
    return model.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(model);
}

int listProfiles(CommandRun &run, const ProfileStore &profiles)
{
    const QStringList names = profiles.names();
    if (run.isSet(OPTION_JSON)) {
        QJsonArray array;
        for (const QString &name : names)
            array.append(
                QJsonObject{{QStringLiteral("name"), name},
                            {QStringLiteral("board"), originJson(profiles.originOf(name))}});
        run.out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
        return EXIT_DONE;
    }
    for (const QString &name : names) {
        const QString model = modelNameForDeviceType(profiles.originOf(name));
        run.out << name;
        if (!model.isEmpty())
            run.out << " (" << model << ')';
        run.out << Qt::endl;
    }
    return EXIT_DONE;
}

int showProfile(CommandRun &run, const ProfileStore &profiles, const QString &name)
{
    EffectSettingsTypeDef record{};
    QString error;
    if (!profiles.read(name, record, &error))
        return run.fail(EXIT_REFUSED, error);
    const int origin = profiles.originOf(name);
    // The JSON is exactly what "profile export" writes, so it can be kept as
    // a file and imported again.
    if (run.isSet(OPTION_JSON)) {
        run.out << QString::fromUtf8(serializeEffectProfile(record, originIdentity(origin)));
        return EXIT_DONE;
    }
    const QString model = modelNameForDeviceType(origin);
    run.out << "profile = " << name << Qt::endl
            << "board = " << (model.isEmpty() ? QStringLiteral("not known") : model) << Qt::endl;
    for (const QString &line : readableListing(encodeEffectSettings(record), run.isSet(OPTION_ALL)))
        run.out << line << Qt::endl;
    return EXIT_DONE;
}

int saveProfile(CommandRun &run, const ProfileStore &profiles, const QString &name)
{
    const QString problem = ProfileStore::nameProblem(name);
    if (!problem.isEmpty())
        return run.fail(EXIT_REFUSED, problem);
    if (profiles.exists(name) && !run.isSet(OPTION_REPLACE))
        return run.fail(EXIT_REFUSED,
                        QStringLiteral("a profile \"%1\" exists; --replace replaces it").arg(name));
    SelectedBoard board;
    int status = EXIT_DONE;
    if (!run.selectBoard(board, status))
        return status;
    EffectSettingsTypeDef record{};
    const OperationOutcome outcome = run.worker().fetchEffectSettings(board.productId, record);
    if (!outcome.succeeded())
        return run.failOutcome(board, QStringLiteral("reading the effect settings"), outcome);
    QString error;
    if (!profiles.write(name, record, board.info.deviceType, &error))
        return run.fail(EXIT_REFUSED,
                        QStringLiteral("the profile \"%1\" was not saved: %2").arg(name, error));
    run.note(QStringLiteral("the effect settings of the %1 are saved as the profile \"%2\"")
                 .arg(board.model, name));
    return EXIT_DONE;
}

int deleteProfile(CommandRun &run, const ProfileStore &profiles, const QString &name)
{
    QString error;
    if (!profiles.remove(name, &error))
        return run.fail(EXIT_REFUSED, error);
    run.note(QStringLiteral("profile \"%1\" deleted").arg(name));
    for (const GameLink &link : GameLinks(run.dataDir()).load())
        if (link.profile == name)
            run.note(QStringLiteral("warning: the game %1 is still linked to it; the watcher "
                                    "skips it until it is linked again")
                         .arg(link.program));
    return EXIT_DONE;
}

int importProfile(CommandRun &run, const ProfileStore &profiles, const QString &path, QString name)
{
    EffectSettingsTypeDef record{};
    BoardIdentity origin;
    QString error;
    if (!readEffectProfileFile(path, record, origin, &error))
        return run.fail(EXIT_REFUSED, error);
    if (name.isEmpty()) {
        // The window's rule: the file's name without the exchange extension.
        name = QFileInfo(path).fileName();
        if (name.endsWith(QLatin1String(BOARD_BACKUP_EXTENSION)))
            name.chop(int(qstrlen(BOARD_BACKUP_EXTENSION)));
    }
    const QString problem = ProfileStore::nameProblem(name);
    if (!problem.isEmpty())
        return run.fail(EXIT_REFUSED, problem);
    if (profiles.exists(name) && !run.isSet(OPTION_REPLACE))
        return run.fail(EXIT_REFUSED,
                        QStringLiteral("a profile \"%1\" exists; --replace replaces it").arg(name));
    if (!profiles.write(name, record, origin.deviceType, &error))
        return run.fail(EXIT_REFUSED,
                        QStringLiteral("the profile \"%1\" was not imported: %2").arg(name, error));
    run.note(QStringLiteral("%1 imported as the profile \"%2\"").arg(path, name));
    return EXIT_DONE;
}

int exportProfile(CommandRun &run, const ProfileStore &profiles, const QString &name, QString path)
{
    EffectSettingsTypeDef record{};
    QString error;
    if (!profiles.read(name, record, &error))
        return run.fail(EXIT_REFUSED, error);
    if (!path.endsWith(QLatin1String(BOARD_BACKUP_EXTENSION)) && !QFileInfo::exists(path))
        path += QLatin1String(BOARD_BACKUP_EXTENSION);
    if (!writeEffectProfileFile(path, record, originIdentity(profiles.originOf(name)), &error))
        return run.fail(EXIT_REFUSED, QStringLiteral("cannot write %1: %2").arg(path, error));
    run.note(QStringLiteral("profile \"%1\" exported to %2").arg(name, path));
    return EXIT_DONE;
}

// Which words each subcommand takes after its name, for the usage message.
struct ProfileAction {
    const char *name;
    const char *synopsis;
    int minWords;
    int maxWords;
};

constexpr ProfileAction PROFILE_ACTIONS[] = {
    {"list", "list [--json]", 0, 0},
    {"show", "show NAME [--json] [--all]", 1, 1},
    {"save", "save NAME [--replace]", 1, 1},
    {"delete", "delete NAME", 1, 1},
    {"import", "import FILE [NAME] [--replace]", 1, 2},
    {"export", "export NAME FILE", 2, 2},
};

int runProfile(CommandRun &run)
{
    const QStringList words = run.arguments();
    const QString action = words.value(0);
    const ProfileAction *found = nullptr;
    for (const ProfileAction &candidate : PROFILE_ACTIONS)
        if (action == QLatin1String(candidate.name))
            found = &candidate;
    if (!found) {
        QStringList known;
        for (const ProfileAction &candidate : PROFILE_ACTIONS)
            known.append(QLatin1String(candidate.name));
        return run.fail(EXIT_REFUSED, QStringLiteral("profile takes one of %1, not \"%2\"")
                                          .arg(known.join(QStringLiteral(", ")), action));
    }
    const int count = int(words.size()) - 1;
    if (count < found->minWords || count > found->maxWords)
        return run.fail(EXIT_REFUSED,
                        QStringLiteral("usage: gravoltctl profile %1").arg(found->synopsis));
    const ProfileStore profiles(run.dataDir());
    if (action == QLatin1String("list"))
        return listProfiles(run, profiles);
    if (action == QLatin1String("show"))
        return showProfile(run, profiles, words.at(1));
    if (action == QLatin1String("save"))
        return saveProfile(run, profiles, words.at(1));
    if (action == QLatin1String("delete"))
        return deleteProfile(run, profiles, words.at(1));
    if (action == QLatin1String("import"))
        return importProfile(run, profiles, words.at(1), words.value(2));
    return exportProfile(run, profiles, words.at(1), words.at(2));
}

int linkGame(CommandRun &run)
{
    const QString profile = run.arguments().at(0);
    const QString program = run.arguments().at(1);
    const ProfileStore profiles(run.dataDir());
    if (!profiles.exists(profile)) {
        const QString problem = ProfileStore::nameProblem(profile);
        return run.fail(
            EXIT_REFUSED,
            problem.isEmpty()
                ? QStringLiteral("no profile \"%1\" in %2").arg(profile, profiles.folder())
                : problem);
    }
    QString error;
    if (!GameLinks(run.dataDir()).link({program, profile}, &error))
        return run.fail(EXIT_REFUSED, error);
    run.note(QStringLiteral("%1 is linked to the profile \"%2\"").arg(program, profile));
    return EXIT_DONE;
}

int unlinkGame(CommandRun &run)
{
    QString error;
    if (!GameLinks(run.dataDir()).unlink(run.arguments().at(0), &error))
        return run.fail(EXIT_REFUSED, error);
    run.note(QStringLiteral("%1 is no longer linked to a profile").arg(run.arguments().at(0)));
    return EXIT_DONE;
}

int listLinks(CommandRun &run)
{
    QString error;
    const QList<GameLink> links = GameLinks(run.dataDir()).load(&error);
    if (!error.isEmpty())
        return run.fail(EXIT_REFUSED, error);
    if (run.isSet(OPTION_JSON)) {
        QJsonArray array;
        for (const GameLink &link : links)
            array.append(QJsonObject{{QStringLiteral("program"), link.program},
                                     {QStringLiteral("profile"), link.profile}});
        run.out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
        return EXIT_DONE;
    }
    for (const GameLink &link : links)
        run.out << link.program << " -> " << link.profile << Qt::endl;
    return EXIT_DONE;
}

}  // namespace

QList<Command> profileCommands()
{
    const QCommandLineOption json(OPTION_JSON, QStringLiteral("Print JSON."));
    const QCommandLineOption replace(OPTION_REPLACE,
                                     QStringLiteral("Replace a profile of the same name."));
    const QCommandLineOption all(OPTION_ALL, QStringLiteral("Also show the reserved areas."));
    return {
        {QStringLiteral("profile"),
         QStringLiteral("list|show|save|delete|import|export ..."),
         QStringLiteral("The window's effect profiles: list [--json]; show NAME [--json]; save "
                        "NAME (the board's effect settings); delete NAME; import FILE [NAME]; "
                        "export NAME FILE. Names follow the window's rule."),
         {json, replace, all},
         1,
         3,
         runProfile},
        {QStringLiteral("link"),
         QStringLiteral("PROFILE PROGRAM"),
         QStringLiteral("Apply the effect profile while the program runs (see \"watch\"). "
                        "PROGRAM is an executable's name: rallygame, or Game.exe for a game "
                        "run through Wine or Proton."),
         {},
         2,
         2,
         linkGame},
        {QStringLiteral("unlink"),
         QStringLiteral("PROGRAM"),
         QStringLiteral("Remove the program's link to a profile."),
         {},
         1,
         1,
         unlinkGame},
        {QStringLiteral("links"),
         QStringLiteral("[--json]"),
         QStringLiteral("List the programs linked to profiles."),
         {json},
         0,
         0,
         listLinks},
    };
}
