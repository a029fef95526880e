#include "flashercommands.h"

#include "dfu/dfubootloader.h"
#include "dfu/dfusession.h"
#include "dfu/firmwarefile.h"

#include <libusb.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>

namespace {

// The boards' own vendor id: a file whose suffix names the board (rather
// than its bootloader) is meant for it too.
constexpr uint16_t BOARD_VENDOR = 0x045B;

const QString OPTION_PORT = QStringLiteral("port");
const QString OPTION_BOARD_PRODUCT = QStringLiteral("board-product");
const QString OPTION_YES = QStringLiteral("yes");
const QString OPTION_NO_LEAVE = QStringLiteral("no-leave");

QString hex32(uint32_t value)
{
    return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0'));
}

QString stepKey(DfuStep step)
{
    switch (step) {
    case DfuStep::Erase:
        return QStringLiteral("erase");
    case DfuStep::Write:
        return QStringLiteral("write");
    case DfuStep::Verify:
        return QStringLiteral("verify");
    }
    return QString();
}

QJsonObject describe(const DfuBootloaderInfo &info)
{
    QJsonArray memories;
    for (const DfuAlternate &alt : info.alternates)
        memories.append(QJsonObject{{QStringLiteral("alternate"), alt.alternateSetting},
                                    {QStringLiteral("name"), alt.name}});
    return {{QStringLiteral("event"), QStringLiteral("bootloader")},
            {QStringLiteral("port"), info.port},
            {QStringLiteral("vendor_id"), info.vendorId},
            {QStringLiteral("product_id"), info.productId},
            {QStringLiteral("dfuse"), info.isDfuSe()},
            {QStringLiteral("transfer_size"), info.transferSize},
            {QStringLiteral("can_upload"), info.canUpload()},
            {QStringLiteral("openable"), info.openable},
            {QStringLiteral("open_error"), info.openError},
            {QStringLiteral("access_denied"), info.accessDenied},
            {QStringLiteral("memories"), memories}};
}

// Owns the libusb context for one command.
class UsbContext
{
public:
    UsbContext() { ok = libusb_init(&context) == LIBUSB_SUCCESS; }
    ~UsbContext()
    {
        if (ok)
            libusb_exit(context);
    }
    UsbContext(const UsbContext &) = delete;
    UsbContext &operator=(const UsbContext &) = delete;
    libusb_context *context = nullptr;
    bool ok = false;
};

class Run
{
public:
    Run(const QCommandLineParser &parser, const FlasherEvents &emitEvent)
        : parser(parser), emitEvent(emitEvent)
    {}

    int result(int status, const QString &error, QJsonObject extra = {})
    {
        extra.insert(QStringLiteral("event"), QStringLiteral("result"));
        extra.insert(QStringLiteral("ok"), status == FLASHER_DONE);
        extra.insert(QStringLiteral("refused"), status == FLASHER_REFUSED);
        if (!error.isEmpty())
            extra.insert(QStringLiteral("error"), error);
        emitEvent(extra);
        return status;
    }

    // The bootloader on --port; on failure the result is already emitted.
    bool find(libusb_context *context, DfuBootloaderInfo *found, int *status)
    {
        QString error;
        const QList<DfuBootloaderInfo> all = findDfuBootloaders(context, &error);
        const QString port = parser.value(OPTION_PORT);
        for (const DfuBootloaderInfo &info : all) {
            if (info.port != port)
                continue;
            if (!info.openable) {
                *status = result(FLASHER_FAILED,
                                 QCoreApplication::translate(
                                     "Flasher",
                                     "A bootloader is waiting on port %1 but cannot be opened: %2. "
                                     "Install the udev rule that comes with this program.")
                                     .arg(port, info.openError));
                return false;
            }
            *found = info;
            return true;
        }
        *status = result(FLASHER_NO_BOOTLOADER,
                         error.isEmpty() ? QCoreApplication::translate(
                                               "Flasher", "No bootloader is waiting on port %1.")
                                               .arg(port)
                                         : error);
        return false;
    }

    int list(libusb_context *context)
    {
        QString error;
        const QList<DfuBootloaderInfo> all = findDfuBootloaders(context, &error);
        if (!error.isEmpty())
            return result(FLASHER_FAILED, error);
        for (const DfuBootloaderInfo &info : all)
            emitEvent(describe(info));
        return result(FLASHER_DONE, QString(), {{QStringLiteral("count"), int(all.size())}});
    }

    int flash(libusb_context *context, const QString &path)
    {
        FirmwareFile file;
        QString error;
        if (!FirmwareFile::load(path, &file, &error))
            return result(FLASHER_REFUSED, error);
        DfuBootloaderInfo info;
        int status = FLASHER_DONE;
        if (!find(context, &info, &status))
            return status;
        const bool agreed = parser.isSet(OPTION_YES);
        const uint16_t boardProduct = uint16_t(parser.value(OPTION_BOARD_PRODUCT).toUInt());
        switch (file.matchIds(info.vendorId, info.productId, BOARD_VENDOR, boardProduct)) {
        case FirmwareFile::IdMatch::Matches:
            break;
        case FirmwareFile::IdMatch::OtherDevice:
            return result(FLASHER_REFUSED,
                          QCoreApplication::translate(
                              "Flasher",
                              "The file is meant for another device (%1:%2), not this bootloader "
                              "(%3:%4) or its board; nothing was sent.")
                              .arg(file.vendorId, 4, 16, QLatin1Char('0'))
                              .arg(file.productId, 4, 16, QLatin1Char('0'))
                              .arg(info.vendorId, 4, 16, QLatin1Char('0'))
                              .arg(info.productId, 4, 16, QLatin1Char('0')));
        case FirmwareFile::IdMatch::AnyDevice:
            if (!agreed)
                return result(FLASHER_REFUSED,
                              QCoreApplication::translate(
                                  "Flasher",
                                  "The file says it suits any device; it is written only when "
                                  "you agree."));
            break;
        case FirmwareFile::IdMatch::NoIds:
            if (!agreed)
                return result(FLASHER_REFUSED,
                              QCoreApplication::translate(
                                  "Flasher",
                                  "The file names no device; it is written only when you confirm "
                                  "that it suits the board."));
            break;
        }
        QJsonObject plan{{QStringLiteral("event"), QStringLiteral("plan")},
                         {QStringLiteral("bytes"), file.byteCount()}};
        if (file.needsAddress) {
            uint32_t address = 0;
            const DfuAlternate *alt = info.alternate(0);
            if (!info.isDfuSe() || !alt || !alt->layout.firstWritableAddress(&address)) {
                if (info.isDfuSe())
                    return result(FLASHER_REFUSED,
                                  QCoreApplication::translate(
                                      "Flasher",
                                      "The bootloader names no writable memory for the raw "
                                      "image."));
            } else if (!agreed) {
                return result(FLASHER_REFUSED,
                              QCoreApplication::translate(
                                  "Flasher",
                                  "The raw image would be written at %1, the first writable "
                                  "address; it is written only when you confirm that address.")
                                  .arg(hex32(address)));
            } else {
                file.placeAt(address);
                plan.insert(QStringLiteral("raw_address"), hex32(address));
            }
        }
        QJsonArray elements;
        for (const FirmwareTarget &target : file.targets)
            for (const MemoryChunk &element : target.elements)
                elements.append(QJsonObject{{QStringLiteral("alternate"), target.alternateSetting},
                                            {QStringLiteral("address"), hex32(element.address)},
                                            {QStringLiteral("size"), element.data.size()}});
        plan.insert(QStringLiteral("elements"), elements);
        emitEvent(plan);

        DfuSession session(context, info);
        if (!session.open(&error))
            return result(FLASHER_FAILED, error);
        QElapsedTimer clock;
        clock.start();
        const DfuOutcome outcome =
            session.flash(file, [this](DfuStep step, qint64 done, qint64 total) {
                emitEvent({{QStringLiteral("event"), QStringLiteral("progress")},
                           {QStringLiteral("step"), stepKey(step)},
                           {QStringLiteral("done"), done},
                           {QStringLiteral("total"), total}});
            });
        QJsonObject extra{{QStringLiteral("verified"), outcome.verified},
                          {QStringLiteral("unplugged"), outcome.unplugged},
                          {QStringLiteral("step"), stepKey(outcome.step)},
                          {QStringLiteral("elapsed_ms"), clock.elapsed()},
                          {QStringLiteral("requested_ms"), qint64(session.requestedWait().count())},
                          {QStringLiteral("port"), info.port}};
        if (outcome.hasAddress)
            extra.insert(QStringLiteral("address"), hex32(outcome.address));
        if (outcome.status != DfuStatus::Ok)
            extra.insert(QStringLiteral("status"), int(outcome.status));
        if (!outcome.ok)
            return result(FLASHER_FAILED, outcome.error, extra);
        bool left = false;
        if (!parser.isSet(OPTION_NO_LEAVE)) {
            const uint32_t start = file.allChunks().first().address;
            const DfuOutcome leaving = session.leave(&start);
            left = leaving.ok;
            if (!leaving.ok)
                extra.insert(QStringLiteral("leave_error"), leaving.error);
        }
        extra.insert(QStringLiteral("left"), left);
        return result(FLASHER_DONE, outcome.error, extra);
    }

    int leave(libusb_context *context)
    {
        DfuBootloaderInfo info;
        int status = FLASHER_DONE;
        if (!find(context, &info, &status))
            return status;
        DfuSession session(context, info);
        QString error;
        if (!session.open(&error))
            return result(FLASHER_FAILED, error);
        // The ROM bootloader starts the firmware at the start of the flash.
        uint32_t start = 0;
        const DfuAlternate *alt = info.alternate(0);
        const bool known = alt && !alt->layout.isEmpty();
        if (known)
            start = alt->layout.sectors.first().address;
        const DfuOutcome outcome = session.leave(known ? &start : nullptr);
        return outcome.ok ? result(FLASHER_DONE, QString(), {{QStringLiteral("left"), true}})
                          : result(FLASHER_FAILED, outcome.error);
    }

private:
    const QCommandLineParser &parser;
    const FlasherEvents &emitEvent;
};

}  // namespace

int flasherMain(const QStringList &arguments, const FlasherEvents &emitEvent)
{
    QCommandLineParser parser;
    parser.addOptions(
        {{OPTION_PORT, QStringLiteral("USB port of the bootloader."), QStringLiteral("PORT")},
         {OPTION_BOARD_PRODUCT,
          QStringLiteral("Product id of the board that went into the bootloader."),
          QStringLiteral("PID")},
         {OPTION_YES, QStringLiteral("The user agreed.")},
         {OPTION_NO_LEAVE, QStringLiteral("Stay in the bootloader afterwards.")}});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("list, flash, leave"));
    Run run(parser, emitEvent);
    if (!parser.parse(QStringList{QStringLiteral("gravolt-flash")} + arguments))
        return run.result(FLASHER_REFUSED, parser.errorText());
    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);
    const bool needsPort = command == QLatin1String("flash") || command == QLatin1String("leave");
    if ((command == QLatin1String("list") && positional.size() != 1) ||
        (command == QLatin1String("flash") && positional.size() != 2) ||
        (command == QLatin1String("leave") && positional.size() != 1) ||
        (needsPort && !parser.isSet(OPTION_PORT)) ||
        (!needsPort && command != QLatin1String("list")))
        return run.result(FLASHER_REFUSED,
                          QStringLiteral("usage: gravolt-flash list | flash FILE --port PORT "
                                         "[--board-product PID] [--yes] [--no-leave] | leave "
                                         "--port PORT"));
    UsbContext usb;
    if (!usb.ok)
        return run.result(FLASHER_FAILED, QCoreApplication::translate(
                                              "Flasher", "The USB library cannot be started."));
    if (command == QLatin1String("list"))
        return run.list(usb.context);
    if (command == QLatin1String("flash"))
        return run.flash(usb.context, positional.at(1));
    return run.leave(usb.context);
}
