#include "benchsupport.h"

#include "simulatedpumps.h"
#include "steadyclock.h"

#include <QFile>

#include <cstdio>

namespace Bench {

const QString skippedWithoutNamespace
    = QStringLiteral("skipped: needs the private network namespace (run through "
                     "scripts/in-private-network)");

std::atomic<qint64> setWorkerFinishedNs { 0 };
std::atomic<int> debugLineCount { 0 };

namespace {

const QString setWorkerFinishedLine = QStringLiteral("[PumpManager] on_setWorker_finished ()");
QtMessageHandler previousMessageHandler = nullptr;

void countPumpLogLine(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg) {
        if (previousMessageHandler)
            previousMessageHandler(type, context, message);
        else
            fprintf(stderr, "%s\n", qPrintable(message));
        return;
    }
    ++debugLineCount;
    if (message == setWorkerFinishedLine)
        setWorkerFinishedNs.store(steadyNowNs());
}

} // namespace

void watchPumpLog() { previousMessageHandler = qInstallMessageHandler(countPumpLogLine); }

const QVector<SettingSignal> &settingSignals()
{
    static const QVector<SettingSignal> all = {
        &PumpManager::amAvailable, &PumpManager::ipAvailable,   &PumpManager::smAvailable,
        &PumpManager::dgAvailable, &PumpManager::dns1Available, &PumpManager::dns2Available,
        &PumpManager::ttAvailable, &PumpManager::uhAvailable,   &PumpManager::umAvailable,
        &PumpManager::cmAvailable, &PumpManager::btAvailable,   &PumpManager::tnAvailable,
        &PumpManager::paAvailable,
    };
    return all;
}

void SettingsTally::listenTo(PumpManager *manager)
{
    for (const SettingSignal signal : settingSignals()) {
        QObject::connect(manager, signal, manager, [this] {
            ++count;
            lastNs = steadyNowNs();
        });
    }
}

void SettingsTally::reset()
{
    count = 0;
    lastNs = 0;
}

double elapsedMs(qint64 fromNs, qint64 toNs) { return (toNs - fromNs) / 1e6; }

qint64 udpReceiveBufferDrops()
{
    QFile file(QStringLiteral("/proc/net/snmp"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    // The system reports a size of 0 for its /proc files, so atEnd() holds from the
    // start; readAll() reads on until the real end.
    const QList<QByteArray> lines = file.readAll().split('\n');
    QList<QByteArray> names;
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.value(0) != "Udp:")
            continue;
        if (names.isEmpty()) {
            names = fields;
            continue;
        }
        const int column = names.indexOf("RcvbufErrors");
        return column > 0 ? fields.value(column).toLongLong() : 0;
    }
    return 0;
}

std::unique_ptr<PumpSimulatorThread> startOnePump(const char *figure, BenchSection *section,
                                                  QString *address)
{
    const SimulatedPumpConfig pump = standardPump(0);
    std::unique_ptr<PumpSimulatorThread> sim = startSimulator({ pump });
    if (sim)
        *address = pump.address.toString();
    else
        section->notes.append(QStringLiteral("%1: the simulator could not bind %2")
                                  .arg(QLatin1String(figure), pump.address.toString()));
    return sim;
}

} // namespace Bench
