// The commands about force feedback: what the system offers for a board, a
// test force played through the same interface games use, and the doctor's
// lines about both.
#include "command.h"
#include "commandrun.h"
#include "exitstatus.h"

#include "device/forceoutput.h"
#include "device/forcetesteffect.h"
#include "device/forcetestsession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString OPTION_JSON = QStringLiteral("json");
const QString OPTION_AXIS = QStringLiteral("axis");
const QString OPTION_STRENGTH = QStringLiteral("strength");
const QString OPTION_SECONDS = QStringLiteral("seconds");
constexpr const char *UDEV_RULE = "70-gravolt-setup.rules";

uint64_t waveBits()
{
    return gravolt_force_bit(GRAVOLT_FORCE_SINE) | gravolt_force_bit(GRAVOLT_FORCE_SQUARE) |
           gravolt_force_bit(GRAVOLT_FORCE_TRIANGLE) | gravolt_force_bit(GRAVOLT_FORCE_SAW_UP) |
           gravolt_force_bit(GRAVOLT_FORCE_SAW_DOWN);
}

uint64_t settingBits()
{
    return gravolt_force_bit(GRAVOLT_FORCE_GAIN) | gravolt_force_bit(GRAVOLT_FORCE_AUTOCENTER);
}

QString accessOf(const gravolt_input_problem &problem)
{
    const QString owner = problem.ownerName[0] ? QString::fromLocal8Bit(problem.ownerName)
                                               : QString::number(problem.owner);
    const QString group = problem.groupName[0] ? QString::fromLocal8Bit(problem.groupName)
                                               : QString::number(problem.group);
    return QStringLiteral("owner %1, group %2, mode %3")
        .arg(owner, group, QStringLiteral("%1").arg(problem.mode, 4, 8, QLatin1Char('0')));
}

// Why the system offers no force feedback, or why it cannot be used: in
// words a user can act on. Empty when it can.
QString reasonFor(gravolt_force_status status, const gravolt_force_info &info,
                  const gravolt_input_problem &problem)
{
    const QString node = QString::fromLocal8Bit(info.node[0] ? info.node : problem.node);
    const QString error = problem.error ? QString::fromLocal8Bit(std::strerror(problem.error))
                                        : QStringLiteral("unknown error");
    switch (status) {
    case GRAVOLT_FORCE_OK:
        if (info.writable)
            return QString();
        return QStringLiteral("this user may not write to %1 (%2), so no program of this user "
                              "can play forces on it: install the udev rule %3 and reconnect "
                              "the board")
            .arg(node, accessOf(problem), QLatin1String(UDEV_RULE));
    case GRAVOLT_FORCE_UNSUPPORTED:
        return QStringLiteral("force feedback is not available on this operating system yet");
    case GRAVOLT_FORCE_NO_BOARD:
        return QStringLiteral("the board is not connected");
    case GRAVOLT_FORCE_NO_EVENT_DEVICE:
        return QStringLiteral("the system made no input device of the board; check that its "
                              "HID driver is loaded");
    case GRAVOLT_FORCE_NODE_MISSING:
        return QStringLiteral("the input device %1 does not exist; reconnect the board").arg(node);
    case GRAVOLT_FORCE_NOT_OFFERED:
        return QStringLiteral("its driver %1 registered no force feedback for %2: no "
                              "force-feedback driver is bound to the board (the kernel needs "
                              "its HID force-feedback support, usbhid with HID PID support)")
            .arg(info.driver[0] ? QString::fromLocal8Bit(info.driver) : QStringLiteral("(none)"),
                 node.isEmpty() ? QStringLiteral("its input device") : node);
    case GRAVOLT_FORCE_ACCESS_DENIED:
        return QStringLiteral("this user may not open %1 (%2): install the udev rule %3 and "
                              "reconnect the board")
            .arg(node, accessOf(problem), QLatin1String(UDEV_RULE));
    case GRAVOLT_FORCE_REFUSED:
        return QStringLiteral("the board refused the effect: %1").arg(error);
    case GRAVOLT_FORCE_GONE:
        return QStringLiteral("the board was disconnected");
    case GRAVOLT_FORCE_FAILED:
        break;
    }
    return node.isEmpty() ? error : QStringLiteral("%1: %2").arg(node, error);
}

struct Offer {
    gravolt_force_status status = GRAVOLT_FORCE_FAILED;
    gravolt_force_info info{};
    gravolt_input_problem problem{};
};

Offer queryOffer(int productId)
{
    Offer offer;
    offer.status = gravolt_force_query(uint16_t(BOARD_VENDOR_ID), uint16_t(productId), &offer.info,
                                       &offer.problem);
    return offer;
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

int forceInfo(CommandRun &run)
{
    SelectedBoard board;
    int status = EXIT_DONE;
    if (!run.selectBoard(board, status))
        return status;
    const Offer offer = queryOffer(board.productId);
    const bool offered = offer.status == GRAVOLT_FORCE_OK;
    const uint64_t bits = offer.info.capabilities;
    const QStringList effects = forceCapabilityNames(bits & ~waveBits() & ~settingBits(), false);
    const QStringList waves = forceCapabilityNames(bits & waveBits(), false);
    const QString reason = reasonFor(offer.status, offer.info, offer.problem);
    if (run.isSet(OPTION_JSON)) {
        QJsonObject o;
        o.insert(QStringLiteral("model"), board.model);
        o.insert(QStringLiteral("product_id"), board.productId);
        o.insert(QStringLiteral("force_feedback"), offered);
        o.insert(QStringLiteral("node"), QString::fromLocal8Bit(offer.info.node));
        o.insert(QStringLiteral("driver"), QString::fromLocal8Bit(offer.info.driver));
        o.insert(QStringLiteral("effects"), QJsonArray::fromStringList(effects));
        o.insert(QStringLiteral("waveforms"), QJsonArray::fromStringList(waves));
        o.insert(QStringLiteral("effects_at_once"), offer.info.effectSlots);
        o.insert(QStringLiteral("gain_settable"),
                 bool(bits & gravolt_force_bit(GRAVOLT_FORCE_GAIN)));
        o.insert(QStringLiteral("autocenter_settable"),
                 bool(bits & gravolt_force_bit(GRAVOLT_FORCE_AUTOCENTER)));
        o.insert(QStringLiteral("writable"), offer.info.writable != 0);
        o.insert(QStringLiteral("reason"), reason);
        run.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
    } else if (offered) {
        run.out << board.model << ": force feedback offered\n";
        if (offer.info.node[0])
            run.out << "  input device:        " << QString::fromLocal8Bit(offer.info.node) << '\n';
        run.out << "  driver:              " << QString::fromLocal8Bit(offer.info.driver) << '\n'
                << "  effects:             " << effects.join(QStringLiteral(", ")) << '\n'
                << "  wave forms:          " << waves.join(QStringLiteral(", ")) << '\n'
                << "  effects at once:     " << offer.info.effectSlots << '\n'
                << "  gain settable:       " << yesNo(bits & gravolt_force_bit(GRAVOLT_FORCE_GAIN))
                << '\n'
                << "  autocentre settable: "
                << yesNo(bits & gravolt_force_bit(GRAVOLT_FORCE_AUTOCENTER)) << '\n'
                << "  writable:            " << yesNo(offer.info.writable)
                << (reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason)) << '\n';
    } else {
        run.out << board.model << ": no force feedback: " << reason << '\n';
    }
    run.out.flush();
    return offered ? EXIT_DONE : EXIT_OPERATION_FAILED;
}

// Ctrl+C, a closed terminal or a kill end the test through the event loop:
// the handler only writes a byte, which is all a handler may safely do.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    const ssize_t written = ::write(signalPipe[1], &byte, 1);
    (void)written;
}

constexpr int STOP_SIGNALS[] = {SIGINT, SIGHUP, SIGTERM};

int forceTest(CommandRun &run)
{
    const int kind = forceTestKindForName(run.arguments().value(0));
    if (kind < 0) {
        QStringList names;
        for (const ForceTestKind k : FORCE_TEST_KINDS)
            names << forceTestName(k);
        return run.fail(EXIT_REFUSED,
                        QStringLiteral("unknown effect \"%1\" (known: %2)")
                            .arg(run.arguments().value(0), names.join(QStringLiteral(", "))));
    }
    ForceTestRequest request;
    request.kind = ForceTestKind(kind);
    bool ok = true;
    if (run.isSet(OPTION_AXIS)) {
        request.axis = run.value(OPTION_AXIS).toInt(&ok) - 1;
        if (!ok || request.axis < 0 || request.axis >= FORCE_TEST_AXES)
            return run.fail(EXIT_REFUSED, QStringLiteral("--axis takes 1 (X) or 2 (Y)"));
    }
    if (run.isSet(OPTION_STRENGTH)) {
        request.strengthPercent = run.value(OPTION_STRENGTH).toInt(&ok);
        if (!ok || request.strengthPercent < 1 || request.strengthPercent > 100)
            return run.fail(EXIT_REFUSED, QStringLiteral("--strength takes 1 to 100 (percent)"));
    }
    if (run.isSet(OPTION_SECONDS)) {
        const double seconds = run.value(OPTION_SECONDS).toDouble(&ok);
        if (!ok || !(seconds * 1000 >= FORCE_TEST_MINIMUM_MS) ||
            seconds * 1000 > FORCE_TEST_MAXIMUM_MS)
            return run.fail(EXIT_REFUSED, QStringLiteral("--seconds takes %1 to %2")
                                              .arg(FORCE_TEST_MINIMUM_MS / 1000.0)
                                              .arg(FORCE_TEST_MAXIMUM_MS / 1000));
        request.milliseconds = int(std::lround(seconds * 1000));
    }
    SelectedBoard board;
    int status = EXIT_DONE;
    if (!run.selectBoard(board, status))
        return status;
    if (request.axis > 0 && board.productId != BOARD_PRODUCT_ID_JOYSTICK)
        return run.fail(EXIT_REFUSED,
                        QStringLiteral("the %1 has one motor axis; --axis 2 needs a joystick")
                            .arg(board.model));
    const Offer offer = queryOffer(board.productId);
    if (offer.status != GRAVOLT_FORCE_OK)
        return run.fail(EXIT_OPERATION_FAILED,
                        QStringLiteral("the %1 offers no force feedback: %2")
                            .arg(board.model, reasonFor(offer.status, offer.info, offer.problem)));
    if (!forceTestOffered(request.kind, offer.info.capabilities))
        return run.fail(EXIT_OPERATION_FAILED, QStringLiteral("the %1 does not offer %2 effects")
                                                   .arg(board.model, forceTestName(request.kind)));

    // The stop signals are caught before anything plays, so that none can
    // end the program between the upload and the stop.
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) < 0)
        return run.fail(EXIT_OPERATION_FAILED,
                        QStringLiteral("cannot catch Ctrl+C: %1")
                            .arg(QString::fromLocal8Bit(std::strerror(errno))));
    struct sigaction catcher = {}, previous[std::size(STOP_SIGNALS)] = {};
    catcher.sa_handler = onSignal;
    sigemptyset(&catcher.sa_mask);
    for (size_t i = 0; i < std::size(STOP_SIGNALS); ++i)
        sigaction(STOP_SIGNALS[i], &catcher, &previous[i]);

    const gravolt_force_effect effect = forceTestEffect(request);
    ForceTestSession session;
    gravolt_input_problem problem{};
    const gravolt_force_status started =
        session.start(uint16_t(BOARD_VENDOR_ID), uint16_t(board.productId), effect, &problem);
    bool interrupted = false;
    if (started == GRAVOLT_FORCE_OK) {
        run.note(QStringLiteral("playing %1 on axis %2 of the %3 at %4 % for %5 s; Ctrl+C stops")
                     .arg(forceTestName(request.kind))
                     .arg(request.axis + 1)
                     .arg(board.model)
                     .arg(request.strengthPercent)
                     .arg(effect.length / 1000.0));
        QSocketNotifier stopRequest(signalPipe[0], QSocketNotifier::Read);
        QTimer end;
        end.setSingleShot(true);
        QObject::connect(&end, &QTimer::timeout, QCoreApplication::instance(),
                         &QCoreApplication::quit);
        QObject::connect(&stopRequest, &QSocketNotifier::activated, QCoreApplication::instance(),
                         [&interrupted] {
                             interrupted = true;
                             QCoreApplication::quit();
                         });
        end.start(effect.length);
        QCoreApplication::exec();
        session.stop();
    }
    for (size_t i = 0; i < std::size(STOP_SIGNALS); ++i)
        sigaction(STOP_SIGNALS[i], &previous[i], nullptr);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    if (started != GRAVOLT_FORCE_OK)
        return run.fail(EXIT_OPERATION_FAILED,
                        QStringLiteral("cannot play the test force on the %1: %2")
                            .arg(board.model, reasonFor(started, {}, problem)));
    run.note(interrupted ? QStringLiteral("stopped; every test force is erased")
                         : QStringLiteral("finished; every test force is erased"));
    return EXIT_DONE;
}

}  // namespace

void printForceDoctor(QTextStream &out)
{
    out << "\nForce feedback:\n";
    bool any = false;
    for (const BoardModel &model : BOARD_MODELS) {
        const Offer offer = queryOffer(model.productId);
        if (offer.status == GRAVOLT_FORCE_NO_BOARD)
            continue;
        any = true;
        const QString reason = reasonFor(offer.status, offer.info, offer.problem);
        out << "  " << model.displayName << ": ";
        if (offer.status == GRAVOLT_FORCE_OK)
            out << "offered by " << QString::fromLocal8Bit(offer.info.driver)
                << (offer.info.node[0]
                        ? QStringLiteral(" on %1").arg(QString::fromLocal8Bit(offer.info.node))
                        : QString())
                << ", " << offer.info.effectSlots << " effects at once ("
                << forceCapabilityNames(offer.info.capabilities & ~waveBits() & ~settingBits(),
                                        false)
                       .join(QStringLiteral(", "))
                << ')' << (reason.isEmpty() ? QString() : QStringLiteral("; but %1").arg(reason))
                << '\n';
        else
            out << "none: " << reason << '\n';
    }
    if (!any)
        out << "  no board is connected\n";
    out.flush();
}

QList<Command> forceCommands()
{
    const QCommandLineOption json(OPTION_JSON, QStringLiteral("Print JSON."));
    const QCommandLineOption axis(OPTION_AXIS,
                                  QStringLiteral("The axis to play on: 1 (X, default) or 2 (Y, "
                                                 "joysticks only)."),
                                  QStringLiteral("N"));
    const QCommandLineOption strength(OPTION_STRENGTH,
                                      QStringLiteral("The force's strength, 1 to 100 (default %1).")
                                          .arg(FORCE_TEST_DEFAULT_STRENGTH),
                                      QStringLiteral("PERCENT"));
    const QCommandLineOption seconds(OPTION_SECONDS,
                                     QStringLiteral("How long it plays, at most %1 (default %2).")
                                         .arg(FORCE_TEST_MAXIMUM_MS / 1000)
                                         .arg(FORCE_TEST_DEFAULT_MS / 1000),
                                     QStringLiteral("S"));
    return {
        {QStringLiteral("ff-info"),
         QStringLiteral("[--json]"),
         QStringLiteral("What the system offers for the board's force feedback: driver, effect "
                        "types, wave forms, effects at once, gain and autocentre; or why it "
                        "offers none."),
         {json},
         0,
         0,
         forceInfo},
        {QStringLiteral("ff-test"),
         QStringLiteral("EFFECT [--axis N] [--strength PERCENT] [--seconds S]"),
         QStringLiteral("Play a test force through the system's force-feedback interface: "
                        "spring, damper, friction, push-min, push-max or sine. Ctrl+C stops "
                        "it; hold the controls."),
         {axis, strength, seconds},
         1,
         1,
         forceTest},
    };
}
