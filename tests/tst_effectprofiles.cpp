#include "boardsim/simulatedboard.h"
#include "support/effectformhelpers.h"
#include "support/nonregularfile.h"
#include "support/questionanswerer.h"
#include "ui/fulleffectsettingswidget.h"

#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

constexpr char PROFILES[] = "device_effects_profiles";

// Every file below a directory with its content, to prove that nothing was
// written, removed or changed anywhere.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QByteArray content = "<dir>";
        if (it.fileInfo().isFile() && file.open(QIODevice::ReadOnly))
            content = file.readAll();
        files.insert(QDir(root).relativeFilePath(path), content);
    }
    return files;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestEffectProfiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> root;
    QString workDir;
    QString previousDir;
    FullEffectSettingsWidget *widget = nullptr;
    // Every question is answered, Cancel unless a test says otherwise, so a
    // question nobody expected fails a comparison instead of hanging.
    std::unique_ptr<QuestionAnswerer> answerer;
    QRandomGenerator random{1302};

    QComboBox *combo() { return widget->findChild<QComboBox *>("profile_combo_box"); }

    QString profilePath(const QString &name) const
    {
        return workDir + QLatin1Char('/') + PROFILES + QLatin1Char('/') + name;
    }

    QStringList listed()
    {
        QStringList names;
        for (int i = 0; i < combo()->count(); ++i)
            names << combo()->itemText(i);
        return names;
    }

    void createWidget()
    {
        widget = new FullEffectSettingsWidget;
        QVERIFY(combo());
    }

    void save(const QString &name)
    {
        combo()->setEditText(name);
        widget->findChild<QPushButton *>("profile_save_button")->click();
    }

    void remove(const QString &name)
    {
        combo()->setEditText(name);
        widget->findChild<QPushButton *>("profile_delete_button")->click();
    }

    void pick(const QString &name)
    {
        const int index = combo()->findText(name);
        QVERIFY2(index >= 0, qPrintable(name));
        combo()->setCurrentIndex(index);
        emit combo()->activated(index);  // as the popup does when the user picks an item
    }

    // Fills the form with a random record and returns its image.
    QByteArray fillForm()
    {
        widget->setEffectSettings(randomInRangeEffectRecord(random));
        return effectRecordBytes(widget->getEffectSettings());
    }

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal for")));
        root = std::make_unique<QTemporaryDir>();
        QVERIFY(root->isValid());
        workDir = root->filePath("work");
        QVERIFY(QDir().mkpath(workDir));
        previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir));
        answerer = std::make_unique<QuestionAnswerer>(QMessageBox::RejectRole);
    }

    void cleanup()
    {
        delete widget;
        widget = nullptr;
        answerer.reset();
        QDir::setCurrent(previousDir);
        root.reset();
    }

    void constructorListsExistingProfilesWithoutPickingOne()
    {
        QVERIFY(QDir().mkdir(PROFILES));
        QByteArray stored(EFFECT_SETTINGS_SIZE, '\0');
        stored[1] = char(50);  // DirectX spring strength
        QVERIFY(writeFile(profilePath("Existing"), stored));
        createWidget();
        QCOMPARE(listed(), QStringList{"Existing"});
        QCOMPARE(combo()->currentIndex(), -1);
        QVERIFY(combo()->currentText().isEmpty());
        QCOMPARE(int(widget->getEffectSettings().direct_x_spring_strength), 0);

        delete widget;
        QVERIFY(QDir(PROFILES).removeRecursively());
        createWidget();
        QVERIFY(QFileInfo(profilePath("")).isDir());
    }

    void saveWritesTheFormsRecord()
    {
        createWidget();
        const QByteArray record = fillForm();
        save("Race");

        QCOMPARE(readFile(profilePath("Race")), record);
        QCOMPARE(listed(), QStringList{"Race"});
        QCOMPARE(combo()->currentIndex(), 0);
        QCOMPARE(combo()->currentText(), QStringLiteral("Race"));
    }

    void savingTwiceKeepsOneFileWithTheSecondRecord()
    {
        createWidget();
        fillForm();
        save("Race");
        const QByteArray second = fillForm();
        answerer->role = QMessageBox::DestructiveRole;
        save("Race");

        QCOMPARE(answerer->seen, QStringList{"profile_overwrite_question"});
        QCOMPARE(readFile(profilePath("Race")), second);
        QCOMPARE(QDir(PROFILES).entryList(QDir::Files | QDir::Hidden), QStringList{"Race"});
        QCOMPARE(listed(), QStringList{"Race"});
    }

    void listIsSortedIgnoringCaseWithoutHiddenFilesOrDirectories()
    {
        createWidget();
        for (const char *name : {"b", "A", "c"})
            save(name);
        QVERIFY(writeFile(profilePath(".hidden"), QByteArray(EFFECT_SETTINGS_SIZE, '\0')));
        QVERIFY(QDir(PROFILES).mkdir("subdirectory"));
        save("B2");

        QCOMPARE(listed(), (QStringList{"A", "b", "B2", "c"}));
        QCOMPARE(combo()->currentText(), QStringLiteral("B2"));
    }

    void pickingAProfileFillsTheForm()
    {
        boardsim::Bus::reset();
        boardsim::Bus::plug(boardsim::SimulatedBoard(22777, DEVICE_TYPE_JOYSTICK));
        createWidget();
        const QByteArray stored = fillForm();
        save("Race");
        fillForm();
        save("Other");
        QVERIFY(effectRecordBytes(widget->getEffectSettings()) != stored);

        QSignalSpy applied(widget, SIGNAL(profileApplied()));
        pick("Race");
        QCOMPARE(applied.count(), 1);
        QCOMPARE(effectRecordBytes(widget->getEffectSettings()), stored);
        // Loading only fills the form; the board hears of it on apply or save.
        QVERIFY(boardsim::Bus::transfers().isEmpty());
        QCOMPARE(boardsim::Bus::openAttemptCount(), 0);
        boardsim::Bus::reset();
    }

    void enterOnAListedNameLoadsIt()
    {
        createWidget();
        const QByteArray stored = fillForm();
        save("Race");
        fillForm();
        QVERIFY(QMetaObject::invokeMethod(widget, "readProfiles"));

        QSignalSpy applied(widget, SIGNAL(profileApplied()));
        QTest::keyClicks(combo()->lineEdit(), "Race");
        QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
        // The inline completer and the edit field may each report the choice.
        QVERIFY(applied.count() >= 1);
        QCOMPARE(effectRecordBytes(widget->getEffectSettings()), stored);
    }

    void enterOnANewNameChangesNothing()
    {
        createWidget();
        save("Race");
        const QByteArray before = fillForm();

        QSignalSpy applied(widget, SIGNAL(profileApplied()));
        QTest::keyClicks(combo()->lineEdit(), "Fresh");
        QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
        QCOMPARE(applied.count(), 0);
        QCOMPARE(effectRecordBytes(widget->getEffectSettings()), before);
        QVERIFY(!QFile::exists(profilePath("Fresh")));
    }

    void handWrittenFileWithReservedBytesLoads()
    {
        createWidget();
        const EffectSettingsTypeDef expected = randomInRangeEffectRecord(random);
        QByteArray file = effectRecordBytes(expected);
        for (int i = 4; i < 128; ++i)
            file[i] = char(0x5A);
        file[128 + 13] = char(0xFF);
        file[256 + 13] = char(0xFF);
        for (int i = 16; i < 128; ++i) {
            file[128 + i] = char(i);
            file[256 + i] = char(~i);
        }
        QVERIFY(writeFile(profilePath("Hand made"), file));
        QVERIFY(QMetaObject::invokeMethod(widget, "readProfiles"));

        QSignalSpy applied(widget, SIGNAL(profileApplied()));
        pick("Hand made");
        QCOMPARE(applied.count(), 1);
        QCOMPARE(effectRecordBytes(widget->getEffectSettings()), effectRecordBytes(expected));
    }

    void incompleteFilesDoNotLoad_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("100 bytes") << 100;
        QTest::newRow("one byte short") << EFFECT_SETTINGS_SIZE - 1;
        QTest::newRow("one byte over") << EFFECT_SETTINGS_SIZE + 1;
        QTest::newRow("500 bytes") << 500;
    }

    void incompleteFilesDoNotLoad()
    {
        QFETCH(int, size);
        createWidget();
        const QByteArray before = fillForm();
        QVERIFY(writeFile(profilePath("Odd"), QByteArray(size, char(0x11))));
        QVERIFY(QMetaObject::invokeMethod(widget, "readProfiles"));

        QSignalSpy applied(widget, SIGNAL(profileApplied()));
        pick("Odd");
        QCOMPARE(applied.count(), 0);
        QCOMPARE(effectRecordBytes(widget->getEffectSettings()), before);
    }

    void specialFilesDoNotLoad_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "fifo";
        QTest::newRow("endless device") << "/dev/zero";
        QTest::newRow("folder") << "folder";
    }

    // Typed in, since the list shows none of them: no freeze, and a reason.
    void specialFilesDoNotLoad()
    {
        QFETCH(QString, kind);
        createWidget();
        QVERIFY(QDir().mkpath(PROFILES) && makeNonRegularFile(kind, profilePath("Odd")));
        const QByteArray before = fillForm();
        QSignalSpy status(widget, &FullEffectSettingsWidget::statusMessage);
        QTest::keyClicks(combo()->lineEdit(), "Odd");
        QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
        QCOMPARE(effectRecordBytes(widget->getEffectSettings()), before);
        QVERIFY(!status.isEmpty() && status.last().at(1).toBool());
        QVERIFY(status.last().at(0).toString().contains("not a regular file"));
    }

    void deletingTheCurrentProfile()
    {
        createWidget();
        save("Keep");
        save("Race");
        QCOMPARE(combo()->currentText(), QStringLiteral("Race"));
        answerer->role = QMessageBox::DestructiveRole;
        widget->findChild<QPushButton *>("profile_delete_button")->click();

        QCOMPARE(answerer->seen, QStringList{"profile_delete_question"});
        QVERIFY(answerer->texts.value(0).contains(QStringLiteral("“Race”")));
        QVERIFY(!QFile::exists(profilePath("Race")));
        QVERIFY(QFile::exists(profilePath("Keep")));
        QCOMPARE(listed(), QStringList{"Keep"});
        QCOMPARE(combo()->currentIndex(), -1);

        // Right after a refresh nothing is named, so Delete removes nothing
        // and asks nothing.
        widget->findChild<QPushButton *>("profile_delete_button")->click();
        QVERIFY(QFile::exists(profilePath("Keep")));
        QCOMPARE(answerer->seen.size(), 1);
    }

    void refusedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("spaces") << "   ";
        QTest::newRow("tab") << "\t";
        QTest::newRow("parent step") << "../x";
        QTest::newRow("parent step, backslash") << "..\\x";
        QTest::newRow("into a subdirectory") << "a/b";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("hidden") << ".hidden";
        QTest::newRow("newline") << "Race\nday";
        QTest::newRow("escape") << "Race\x1b";
        QTest::newRow("absolute") << "/tmp/x";
    }

    // A refused name touches no file, neither on save nor on delete, and the
    // list is refreshed as after any save or delete.
    void refusedNames()
    {
        QFETCH(QString, name);
        createWidget();
        // Targets a careless implementation would reach.
        QVERIFY(QDir(PROFILES).mkdir("a"));
        QVERIFY(writeFile(profilePath("a/b"), "victim"));
        QVERIFY(writeFile(profilePath(".hidden"), "victim"));
        QVERIFY(writeFile(workDir + "/x", "victim"));
        QVERIFY(writeFile(profilePath("Race"), QByteArray(EFFECT_SETTINGS_SIZE, '\0')));
        const auto before = snapshot(root->path());
        fillForm();

        QSignalSpy applied(widget, SIGNAL(profileApplied()));
        QSignalSpy status(widget, &FullEffectSettingsWidget::statusMessage);
        save(name);
        QCOMPARE(snapshot(root->path()), before);
        QCOMPARE(listed(), QStringList{"Race"});
        QCOMPARE(combo()->currentIndex(), -1);

        remove(name);
        QCOMPARE(snapshot(root->path()), before);
        // Both say that they did nothing, and why.
        QCOMPARE(status.count(), 2);
        for (const QList<QVariant> &message : std::as_const(status)) {
            QVERIFY(message.at(1).toBool());
            QVERIFY(message.at(0).toString().contains(QRegularExpression(
                QStringLiteral("Type a name|start with a dot|may not contain"))));
        }
        QVERIFY(answerer->seen.isEmpty());

        QVERIFY(QMetaObject::invokeMethod(widget, "applyProfile", Q_ARG(QString, name)));
        QCOMPARE(applied.count(), 0);
    }

    // Each profile action that could lose something asks first, and only
    // then; Cancel leaves every file and the form as they were.
    void questionsBeforeLoss_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("formEdited");
        QTest::addColumn<QString>("question");
        QTest::newRow("save under a new name") << "save Fresh" << true << "";
        QTest::newRow("save over a profile") << "save Race" << true << "profile_overwrite_question";
        QTest::newRow("delete") << "delete Race" << false << "profile_delete_question";
        QTest::newRow("load over edits") << "load Race" << true << "profile_load_question";
        QTest::newRow("load, no edits") << "load Race" << false << "";
    }

    void questionsBeforeLoss()
    {
        QFETCH(QString, action);
        QFETCH(bool, formEdited);
        QFETCH(QString, question);
        createWidget();
        const QByteArray stored = fillForm();
        save("Race");
        const QByteArray shown = fillForm();
        widget->setUnsavedEditsCheck([formEdited] { return formEdited; });
        const auto before = snapshot(root->path());
        QSignalSpy applied(widget, SIGNAL(profileApplied()));

        const auto run = [&] {
            const QString verb = action.section(' ', 0, 0);
            const QString name = action.section(' ', 1);
            if (verb == "save")
                save(name);
            else if (verb == "delete")
                remove(name);
            else
                pick(name);
        };
        run();
        QCOMPARE(answerer->seen, question.isEmpty() ? QStringList() : QStringList{question});
        if (!question.isEmpty()) {
            QCOMPARE(answerer->defaultRoles.value(0), QMessageBox::RejectRole);
            QVERIFY(answerer->texts.value(0).contains(QStringLiteral("“Race”")));
            QCOMPARE(snapshot(root->path()), before);
            QCOMPARE(effectRecordBytes(widget->getEffectSettings()), shown);
            QCOMPARE(applied.count(), 0);

            answerer->role = QMessageBox::DestructiveRole;
            run();
            QCOMPARE(answerer->seen.size(), 2);
        }
        // Done, whether asked or not.
        if (action == "save Race" || action == "save Fresh")
            QCOMPARE(readFile(profilePath(action.section(' ', 1))), shown);
        else if (action == "delete Race")
            QVERIFY(!QFile::exists(profilePath("Race")));
        else
            QCOMPARE(effectRecordBytes(widget->getEffectSettings()), stored);
    }

    // Typing a listed name and clicking Delete (or Save) moves the focus out of
    // the name field, which the combo box takes for picking that profile.
    void leavingTheNameFieldLoadsNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("delete") << "profile_delete_button";
        QTest::newRow("save") << "profile_save_button";
    }

    void leavingTheNameFieldLoadsNothing()
    {
        QFETCH(QString, button);
        createWidget();
        fillForm();
        save("Other");
        const QByteArray shown = fillForm();
        QVERIFY(QMetaObject::invokeMethod(widget, "readProfiles"));
        widget->show();
        widget->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(widget));
        answerer->role = QMessageBox::DestructiveRole;
        QSignalSpy applied(widget, SIGNAL(profileApplied()));

        combo()->lineEdit()->setFocus();
        QTest::keyClicks(combo()->lineEdit(), "Other");
        auto *target = widget->findChild<QPushButton *>(button);
        target->setFocus(Qt::MouseFocusReason);
        target->click();

        QCOMPARE(applied.count(), 0);
        QCOMPARE(effectRecordBytes(widget->getEffectSettings()), shown);
        if (button == "profile_delete_button") {
            QVERIFY(!QFile::exists(profilePath("Other")));
            QVERIFY(combo()->currentText().isEmpty());
            QCOMPARE(combo()->currentIndex(), -1);
        } else {
            QCOMPARE(readFile(profilePath("Other")), shown);
        }
    }

    // Completion suggests, but the name stays as typed: neither a prefix nor
    // another case becomes a listed name.
    void typedNamesStayAsTyped()
    {
        createWidget();
        const QByteArray stored = fillForm();
        save("Race");
        QVERIFY(QMetaObject::invokeMethod(widget, "readProfiles"));
        widget->show();
        widget->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(widget));
        combo()->lineEdit()->setFocus();

        QTest::keyClicks(combo()->lineEdit(), "Ra");
        QCOMPARE(combo()->currentText(), QStringLiteral("Ra"));
        combo()->lineEdit()->clear();
        const QByteArray shown = fillForm();
        QTest::keyClicks(combo()->lineEdit(), "race");
        QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
        QCOMPARE(effectRecordBytes(widget->getEffectSettings()), shown);
        widget->findChild<QPushButton *>("profile_save_button")->click();

        QVERIFY(answerer->seen.isEmpty());
        QCOMPARE(readFile(profilePath("Race")), stored);
        QCOMPARE(readFile(profilePath("race")), shown);
    }

    void namesAreUsedAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("inner dots") << "v1.2..final";
        QTest::newRow("leading space") << " Race";
        QTest::newRow("trailing dot") << "Race.";
        QTest::newRow("unicode") << QString::fromUtf8("Rallye Überland");
    }

    void namesAreUsedAsTyped()
    {
        QFETCH(QString, name);
        createWidget();
        answerer->role = QMessageBox::DestructiveRole;
        const QByteArray record = fillForm();
        save(name);
        QCOMPARE(readFile(profilePath(name)), record);
        QCOMPARE(combo()->currentText(), name);
        fillForm();
        pick(name);
        QCOMPARE(effectRecordBytes(widget->getEffectSettings()), record);
        remove(name);
        QVERIFY(!QFile::exists(profilePath(name)));
    }

    void unusableDirectoryDoesNothing()
    {
        // A plain file where the directory should be: it can be neither found nor created.
        QVERIFY(writeFile(workDir + '/' + PROFILES, "not a directory"));
        createWidget();
        const auto before = snapshot(root->path());
        fillForm();

        save("Race");
        remove(PROFILES);
        QVERIFY(QMetaObject::invokeMethod(widget, "readProfiles"));
        QCOMPARE(snapshot(root->path()), before);
        QCOMPARE(combo()->count(), 0);
    }

    void directoryRemovedMeanwhileIsCreatedAgainOnSave()
    {
        createWidget();
        QVERIFY(QDir(PROFILES).removeRecursively());
        const QByteArray record = fillForm();
        save("Race");
        QCOMPARE(readFile(profilePath("Race")), record);
    }

    void failedSaveKeepsTheOldProfile()
    {
#ifdef Q_OS_UNIX
        createWidget();
        answerer->role = QMessageBox::DestructiveRole;
        const QByteArray old = fillForm();
        save("Race");
        fillForm();

        // The write stops after 100 bytes, as on a full disk. The limit also
        // applies to root, unlike a read-only directory.
        struct rlimit previous {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tight = previous;
        tight.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        save("Race");
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(readFile(profilePath("Race")), old);
        QCOMPARE(QDir(PROFILES).entryList(QDir::Files | QDir::Hidden), QStringList{"Race"});
        QCOMPARE(combo()->currentText(), QStringLiteral("Race"));
#else
        QSKIP("needs a file size limit");
#endif
    }

    void saveIntoReadOnlyDirectoryKeepsTheOldProfile()
    {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("root writes into read-only directories");
#endif
        createWidget();
        answerer->role = QMessageBox::DestructiveRole;
        const QByteArray old = fillForm();
        save("Race");
        fillForm();
        QFile::Permissions writable = QFile::permissions(PROFILES);
        QVERIFY(QFile::setPermissions(PROFILES, QFile::ReadOwner | QFile::ExeOwner));
        save("Race");
        QFile::setPermissions(PROFILES, writable);
        QCOMPARE(readFile(profilePath("Race")), old);
    }
};

QTEST_MAIN(TestEffectProfiles)
#include "tst_effectprofiles.moc"
