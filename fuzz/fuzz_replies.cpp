// Whatever a pump, or anything else on the network, sends back reaches the manager's
// signals through one function. Built once per program: each has its own table.
//
// Input: reply lines separated by '\n' (a byte the protocol never uses inside a
// reply). Each line is upper-cased as on receipt and delivered to one manager.

#include "programbinding.h"
#include "pumpmanager.h"
#include "pumpprotocol.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace {

constexpr char lineSeparator = '\n';

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void discardMessage(QtMsgType, const QMessageLogContext &, const QString &) { }

struct Emission
{
    ProgramBinding::ReplySignal signal = nullptr;
    QString value;
};

// Lives for the whole run: the manager's worker thread is started once, and the
// signals stay connected to the recorder.
struct Harness
{
    QCoreApplication *application = nullptr;
    PumpManager *manager = nullptr;
    QObject *receiver = nullptr;
    QList<Emission> emissions;
};

Harness &harness()
{
    static Harness instance;
    return instance;
}

void checkUpperCased(const QByteArray &line, const QByteArray &upper)
{
    require(upper.size() == line.size());
    for (int i = 0; i < line.size(); ++i) {
        const char byte = line.at(i);
        const bool lowerLetter = byte >= 'a' && byte <= 'z';
        require(upper.at(i) == (lowerLetter ? static_cast<char>(byte - 'a' + 'A') : byte));
    }
}

void deliverAndCheck(const QByteArray &line)
{
    Harness &h = harness();
    const QByteArray upper = PumpProtocol::upperCased(line);
    checkUpperCased(line, upper);

    h.emissions.clear();
    ProgramBinding::deliverReply(*h.manager, upper);
    require(h.emissions.size() <= 1);

    // Position 0 is the lead, 1 to 3 the mnemonic, 4 the separator, the last byte the
    // end of the line; the value is what lies between.
    const bool carriesValue = upper.size() >= 6;
    const ProgramBinding::ReplySignal signal
        = upper.size() > 4 ? ProgramBinding::signalFor(upper.mid(1, 3)) : nullptr;
    const bool raisesSignal = carriesValue && signal;
    require(h.emissions.size() == (raisesSignal ? 1 : 0));
    if (h.emissions.isEmpty())
        return;
    const Emission &emission = h.emissions.first();
    require(emission.signal == signal);
    require(emission.value == QString::fromUtf8(upper.mid(5, upper.size() - 6)));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    Harness &h = harness();
    qInstallMessageHandler(discardMessage);
    h.application = new QCoreApplication(*argc, *argv);
    h.manager = new PumpManager;
    h.receiver = new QObject;
    for (const ProgramBinding::ReplySignal signal : ProgramBinding::replySignals()) {
        QObject::connect(h.manager, signal, h.receiver, [signal](QString value) {
            harness().emissions.append(Emission { signal, value });
        });
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QList<QByteArray> lines = input.split(lineSeparator);
    for (const QByteArray &line : lines)
        deliverAndCheck(line);
    return 0;
}
