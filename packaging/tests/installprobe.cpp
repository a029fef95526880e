// Preloaded (LD_PRELOAD) into the installed program by tst_installation. Once
// the program's event loop runs, it writes what the main window shows to the
// JSON file named by GRAVOLT_PROBE_OUTPUT and ends the program. In any other
// process (the launcher's shell and the tools it runs) it does nothing.
#include "widgettexts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMainWindow>
#include <QTimer>

namespace {

constexpr int ICON_SIZE = 256;  // px, the size of the installed icon

void writeReport(const QString &outputPath)
{
    QMainWindow *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *main = qobject_cast<QMainWindow *>(w))
            window = main;
    }
    QJsonObject report;
    report.insert(QStringLiteral("workingDirectory"), QDir::currentPath());
    report.insert(QStringLiteral("arguments"),
                  QJsonValue::fromVariant(QCoreApplication::arguments()));
    if (window) {
        // The pages are built when first needed; their texts are shown too.
        QMetaObject::invokeMethod(window, "ensurePages");
        // The profile list is filled by the first refresh, not at start.
        for (QObject *widget :
             window->findChildren<QWidget *>(QStringLiteral("effects_settings_widget")))
            QMetaObject::invokeMethod(widget, "readProfiles");
        const QMap<QString, QString> texts = widgettexts::collect(window);
        QJsonObject textObject;
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            textObject.insert(it.key(), it.value());
        report.insert(QStringLiteral("texts"), textObject);
        const QIcon icon = window->windowIcon();
        if (!icon.isNull()) {
            const QString iconPath = outputPath + QStringLiteral(".icon.png");
            icon.pixmap(QSize(ICON_SIZE, ICON_SIZE)).save(iconPath);
            report.insert(QStringLiteral("icon"), iconPath);
        }
    }
    QFile file(outputPath);
    if (file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(report).toJson());
}

void startProbe()
{
    const QString outputPath = qEnvironmentVariable("GRAVOLT_PROBE_OUTPUT");
    if (outputPath.isEmpty() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    // Posted now, delivered by the first turn of the event loop: by then the
    // window is built, translated and shown.
    QTimer::singleShot(0, QCoreApplication::instance(), [outputPath] {
        writeReport(outputPath);
        QCoreApplication::exit(0);
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startProbe)
