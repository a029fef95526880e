#include "gamelinks.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>
#include <utility>

namespace {

constexpr char KEY_LINKS[] = "links";
constexpr char KEY_PROGRAM[] = "program";
constexpr char KEY_PROFILE[] = "profile";
constexpr char KEY_PRODUCT_ID[] = "product_id";
constexpr char KEY_TEXT[] = "text";
constexpr char KEY_SERIAL[] = "serial";
constexpr char LOCK_FILE_SUFFIX[] = ".lock";
constexpr int LOCK_TIMEOUT_MS = 2000;          // the file is tiny; longer means a stuck process
constexpr qint64 MAX_FILE_SIZE = 1024 * 1024;  // bytes; far more than any list of games
// Linux keeps 15 characters of a process name, Windows allows 255 for a file
// name; nobody types more.
constexpr int MAX_PROGRAM_NAME = 255;  // characters

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

bool saveJson(const QString &path, const QJsonObject &object, QString *error)
{
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Indented);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace

GameLinks::GameLinks(QString dataDir) : dataDir(std::move(dataDir))
{}

QString GameLinks::filePath() const
{
    return QDir(dataDir).absoluteFilePath(key(GAME_LINKS_FILE));
}

QString GameLinks::programNameProblem(const QString &program)
{
    if (program.trimmed().isEmpty())
        return QStringLiteral("a program name cannot be empty");
    if (program.size() > MAX_PROGRAM_NAME)
        return QStringLiteral("a program name has at most %1 characters").arg(MAX_PROGRAM_NAME);
    for (const QChar ch : program) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\'))
            return QStringLiteral("give the program's name, not its path (\"%1\" holds \"%2\")")
                .arg(program, ch);
        if (ch.category() == QChar::Other_Control)
            return QStringLiteral("a program name cannot hold control characters");
    }
    return QString();
}

QList<GameLink> GameLinks::load(QString *error) const
{
    QList<GameLink> links;
    QFile file(filePath());
    if (!file.exists())
        return links;
    if (!file.open(QIODevice::ReadOnly) || file.size() > MAX_FILE_SIZE) {
        if (error)
            *error = QStringLiteral("%1 cannot be read").arg(filePath());
        return links;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        if (error)
            *error = QStringLiteral("%1 is damaged (%2)").arg(filePath(), parseError.errorString());
        return links;
    }
    // Entries that make no sense are skipped one by one, so that one
    // hand-edited line does not cost every other game its profile.
    for (const QJsonValue &value : document.object().value(key(KEY_LINKS)).toArray()) {
        const GameLink link{value.toObject().value(key(KEY_PROGRAM)).toString(),
                            value.toObject().value(key(KEY_PROFILE)).toString()};
        if (programNameProblem(link.program).isEmpty() && !link.profile.isEmpty())
            links.append(link);
    }
    return links;
}

bool GameLinks::store(const QList<GameLink> &links, QString *error) const
{
    QJsonArray array;
    for (const GameLink &link : links)
        array.append(
            QJsonObject{{key(KEY_PROGRAM), link.program}, {key(KEY_PROFILE), link.profile}});
    return saveJson(filePath(), QJsonObject{{key(KEY_LINKS), array}}, error);
}

bool GameLinks::link(const GameLink &link, QString *error)
{
    const QString problem = programNameProblem(link.program);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    if (!QDir().mkpath(dataDir)) {
        if (error)
            *error = QStringLiteral("the folder %1 cannot be created").arg(dataDir);
        return false;
    }
    // Read, change and write under one lock: the window and the command line
    // may link at the same moment.
    QLockFile lock(filePath() + QLatin1String(LOCK_FILE_SUFFIX));
    if (!lock.tryLock(LOCK_TIMEOUT_MS)) {
        if (error)
            *error = QStringLiteral("%1 is locked by another process").arg(filePath());
        return false;
    }
    QString loadError;
    QList<GameLink> links = load(&loadError);
    if (!loadError.isEmpty() && QFile::exists(filePath())) {
        // Writing over a damaged file would drop the links it still holds.
        if (error)
            *error = loadError;
        return false;
    }
    bool replaced = false;
    for (GameLink &existing : links) {
        if (existing.program == link.program) {
            existing.profile = link.profile;
            replaced = true;
        }
    }
    if (!replaced)
        links.append(link);
    return store(links, error);
}

bool GameLinks::unlink(const QString &program, QString *error)
{
    QLockFile lock(filePath() + QLatin1String(LOCK_FILE_SUFFIX));
    if (!lock.tryLock(LOCK_TIMEOUT_MS)) {
        if (error)
            *error = QStringLiteral("%1 is locked by another process").arg(filePath());
        return false;
    }
    QString loadError;
    QList<GameLink> links = load(&loadError);
    if (!loadError.isEmpty()) {
        if (error)
            *error = loadError;
        return false;
    }
    const qsizetype before = links.size();
    links.erase(std::remove_if(links.begin(), links.end(),
                               [&program](const GameLink &l) { return l.program == program; }),
                links.end());
    if (links.size() == before) {
        if (error)
            *error = QStringLiteral("no game \"%1\" is linked").arg(program);
        return false;
    }
    return store(links, error);
}

bool writeGameSwitchNotice(const QString &dataDir, const GameSwitchNotice &notice)
{
    return saveJson(QDir(dataDir).absoluteFilePath(key(GAME_SWITCH_NOTICE_FILE)),
                    QJsonObject{{key(KEY_PRODUCT_ID), notice.productId},
                                {key(KEY_TEXT), notice.text},
                                {key(KEY_SERIAL), double(notice.serial)}},
                    nullptr);
}

bool readGameSwitchNotice(const QString &path, GameSwitchNotice &notice)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MAX_FILE_SIZE)
        return false;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    if (!object.value(key(KEY_PRODUCT_ID)).isDouble())
        return false;
    notice.productId = object.value(key(KEY_PRODUCT_ID)).toInt(-1);
    notice.text = object.value(key(KEY_TEXT)).toString();
    notice.serial = qint64(object.value(key(KEY_SERIAL)).toDouble());
    return true;
}
