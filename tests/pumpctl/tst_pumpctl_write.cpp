#include "pumpfixtures.h"
#include "testsupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// `pumpctl write` as a technician runs it, against simulated pumps over loopback:
// what reaches the pumps, what they hold afterwards, and what the command says.
class TestPumpctlWrite : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roundTripPerProfile_data();
    void roundTripPerProfile();
    void whatReadPrintsIsAPlan();
    void partialRowSendsBackWhatThePumpHolds();
    void wrongPlansSendNothing_data();
    void wrongPlansSendNothing();
    void silentPumpIsReportedOthersConfirmed();
    void pumpMovedToStaticAddressIsVerifiedThere();
    void interruptLeavesNoPumpWithoutItsSave();
    void serialLineCarriesOnePump();
    void lossyLinkIsAskedAgain();
    void outcomesSayWhatIsKnown();
    void firstReadLeftIncompleteSendsNothing();

private:
    struct Run
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    // Runs pumpctl write on `plan`; `whileRunning` is called as the event loop turns.
    Run write(const QByteArray &plan, const QStringList &options,
              const std::function<void(QProcess &)> &whileRunning = {});
    QList<QByteArray> framesTo(int pump) const;
    // Pumps 3 to `count` - 1 beside the three of every test; returns the plan rows
    // that give each pump `cells` after its name.
    QByteArray addPumps(int count, const QByteArray &cells);
    bool onlySearched() const;

    std::unique_ptr<PumpSimulatorThread> sim;
    QTemporaryDir dir;
    QVector<ReceivedFrame> received;
};

void TestPumpctlWrite::init()
{
    SKIP_UNLESS_ISOLATED();
    QVector<SimulatedPumpConfig> pumps;
    for (int i = 0; i < 3; ++i)
        pumps.append(loopbackPump(i));
    sim = startSimulator(pumps);
    QVERIFY(sim && sim->listenForBroadcasts());
    sim->setRestartMs(300);
    received.clear();
    connect(sim.get(), &PumpSimulatorThread::frameReceived, this,
            [this](const ReceivedFrame &frame) { received.append(frame); });
}

void TestPumpctlWrite::cleanup() { sim.reset(); }

TestPumpctlWrite::Run TestPumpctlWrite::write(const QByteArray &plan, const QStringList &options,
                                              const std::function<void(QProcess &)> &whileRunning)
{
    QFile file(dir.filePath(QStringLiteral("plan.csv")));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(plan);
    file.close();
    QProcess pumpctl;
    pumpctl.start(QStringLiteral(PUMPCTL_PATH),
                  QStringList { QStringLiteral("write"), file.fileName(),
                                QStringLiteral("--restart-wait"), QStringLiteral("0.5") }
                      + options);
    runUntil(
        [&] {
            if (whileRunning)
                whileRunning(pumpctl);
            return pumpctl.state() == QProcess::NotRunning;
        },
        60000);
    Run run;
    run.exitCode = pumpctl.exitStatus() == QProcess::NormalExit ? pumpctl.exitCode() : -1;
    run.out = QString::fromUtf8(pumpctl.readAllStandardOutput());
    run.err = QString::fromUtf8(pumpctl.readAllStandardError());
    return run;
}

QList<QByteArray> TestPumpctlWrite::framesTo(int pump) const
{
    QList<QByteArray> frames;
    for (const ReceivedFrame &frame : received) {
        if (frame.pump == pump)
            frames.append(frame.bytes);
    }
    return frames;
}

QByteArray TestPumpctlWrite::addPumps(int count, const QByteArray &cells)
{
    sim->call([count](PumpSimulator &pumps) {
        for (int i = 3; i < count; ++i)
            pumps.addPump(loopbackPump(i));
    });
    QByteArray rows;
    for (int i = 0; i < count; ++i)
        rows += loopbackPump(i).name.toLatin1() + ',' + cells + '\n';
    return rows;
}

bool TestPumpctlWrite::onlySearched() const
{
    for (const ReceivedFrame &frame : received) {
        if (frame.bytes != QByteArray("\x02NID\r"))
            return false;
    }
    return true;
}

void TestPumpctlWrite::roundTripPerProfile_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QByteArray>("plan");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QByteArray>("mnemonic");
    QTest::addColumn<QList<QByteArray>>("held");
    QTest::newRow("network") << "network"
                             << QByteArray(
                                    "pump,NAM,NIP,NSM,NDG,ND1,ND2,NTT,NUH,NUM,NCM,NBT,NTN,NPA\n"
                                    "PUMP-0001-AB12CD3,Static,127.0.0.2,255.0.0.0,127.0.0.1,1.1.1."
                                    "1,1.0.0.1,60,+02,15,Off,On,off,5\n"
                                    "PUMP-0002-AB12CD3,static,127.0.0.3,255.0.0.0,127.0.0.1,1.1.1."
                                    "2,1.0.0.1,61,-2,45,on,ON,oFF,6\n"
                                    "127.0.0.4,Static,127.0.0.4,255.0.0.0,127.0.0.1,1.1.1.3,1.0.0."
                                    "1,62,3,0,Off,Off,On,7\n")
                             << "confirmed" << QByteArray("ND1")
                             << QList<QByteArray> { "1.1.1.1", "1.1.1.2", "1.1.1.3" };
    QTest::newRow("ip")
        << "ip"
        << QByteArray(
               "pump,NAM,NIP,NSM,NDG,ND1,ND2\r\n"
               "PUMP-0001-AB12CD3,Static,127.0.0.2,255.255.255.0,127.0.0.1,9.9.9.1,9.9.9.9\r\n"
               "PUMP-0002-AB12CD3,Static,127.0.0.3,255.255.255.0,127.0.0.1,9.9.9.2,9.9.9.9\r\n"
               "PUMP-0003-AB12CD3,Static,127.0.0.4,255.255.255.0,127.0.0.1,9.9.9.3,9.9.9.9\r\n")
        << "confirmed" << QByteArray("ND1")
        << QList<QByteArray> { "9.9.9.1", "9.9.9.2", "9.9.9.3" };
    QTest::newRow("key")
        << "key"
        << QByteArray("pump,NK1,NK2,NK3,NK4,NK5\n"
                      "PUMP-0001-AB12CD3,secretA1,secretA2,secretA3,secretA4,\"secret,A5\"\n"
                      "PUMP-0002-AB12CD3,secretB1,secretB2,secretB3,secretB4,secretB5\n"
                      "PUMP-0003-AB12CD3,secretC1,secretC2,secretC3,secretC4,secretC5\n")
        << "sent" << QByteArray("NK1") << QList<QByteArray> { "secretA1", "secretB1", "secretC1" };
}

void TestPumpctlWrite::roundTripPerProfile()
{
    QFETCH(QString, profile);
    QFETCH(QByteArray, plan);
    QFETCH(QString, result);
    QFETCH(QByteArray, mnemonic);
    QFETCH(QList<QByteArray>, held);

    const Run dry = write(plan, { "--profile", profile, "--dry-run" });
    QCOMPARE(dry.exitCode, 0);
    QVERIFY(onlySearched());
    QVERIFY2(dry.out.contains(QStringLiteral("<STX>NSV<CR>")), qPrintable(dry.out));

    // With the link's diagnostic lines on: a key is in none of them either.
    const Run run = write(plan, { "--profile", profile, "--verbose" });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out,
             QStringLiteral("PUMP-0001-AB12CD3: %1\nPUMP-0002-AB12CD3: %1\n%2: %1\n")
                 .arg(result, profile == "network" ? "127.0.0.4" : "PUMP-0003-AB12CD3"));
    // A key plan is not read back, so pumpctl may exit before the simulator's thread
    // has reported the save frame it took.
    for (int pump = 0; pump < 3; ++pump) {
        QTRY_COMPARE(sim->settings(pump).value(mnemonic), held.at(pump));
        QTRY_VERIFY(framesTo(pump).contains(QByteArray("\x02NSV\r")));
    }
    // Keys reach the pumps and nothing else.
    for (const QString &output : { dry.out, dry.err, run.out, run.err })
        QVERIFY2(!output.contains(QLatin1String("secret")), qPrintable(output));
}

void TestPumpctlWrite::whatReadPrintsIsAPlan()
{
    QProcess read;
    read.start(QStringLiteral(PUMPCTL_PATH), { "read", "--all", "--format", "csv" });
    QVERIFY(read.waitForFinished(30000));
    QCOMPARE(read.exitCode(), 0);
    QByteArray plan = read.readAllStandardOutput();
    QVERIFY2(plan.startsWith("pump,NAM,NIP"), plan.constData());
    plan.replace(",30,-03,", ",31,+04,");
    const Run run = write(plan, {});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count(QLatin1String(": confirmed\n")), 3);
    QCOMPARE(sim->settings(2).value("NTT"), QByteArray("31"));
    QCOMPARE(sim->settings(2).value("NUH"), QByteArray("+04"));
}

void TestPumpctlWrite::partialRowSendsBackWhatThePumpHolds()
{
    const Run run = write("pump,NTT,NCM\nPUMP-0002-AB12CD3,45,\n", {});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("PUMP-0002-AB12CD3: confirmed\n"));
    QList<QByteArray> writes;
    for (const QByteArray &frame : framesTo(1)) {
        if (frame.contains(',') || frame == "\x02NSV\r")
            writes.append(frame);
    }
    // The pump's own values, as a window would have sent them after reading it.
    QCOMPARE(
        writes,
        (QList<QByteArray> { "\x02NAM,Static\r", "\x02NIP,127.0.0.3\r", "\x02NSM,255.255.0.0\r",
                             "\x02NDG,10.1.0.1\r", "\x02ND1,10.1.0.53\r", "\x02ND2,10.1.0.54\r",
                             "\x02NTT,45\r", "\x02NUH,-03\r", "\x02NUM,30\r", "\x02NCM,On\r\r",
                             "\x02NBT,Off\r\r", "\x02NTN,On\r\r", "\x02NPA,126\r", "\x02NSV\r" }));
    QVERIFY(framesTo(0).isEmpty() && framesTo(2).isEmpty());
}

void TestPumpctlWrite::wrongPlansSendNothing_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QByteArray>("plan");
    QTest::addColumn<QString>("problem");
    QTest::newRow("bad value")
        << "network"
        << QByteArray(
               "pump,NIP,NCM\nPUMP-0001-AB12CD3,1.2.3.4,On\nPUMP-0002-AB12CD3,1.2.3.400,On\n")
        << "plan.csv:3:2: NIP \"1.2.3.400\" is not an IPv4 address";
    QTest::newRow("unknown column")
        << "ip" << QByteArray("pump,NIP,NTT\nPUMP-0001-AB12CD3,1.2.3.4,5\n")
        << "plan.csv:1:3: unknown column \"NTT\"";
    QTest::newRow("pump not answering")
        << "ip" << QByteArray("pump,NIP\nPUMP-0001-AB12CD3,1.2.3.4\nPUMP-0009-AB12CD3,1.2.3.5\n")
        << "plan.csv:3:1: pump \"PUMP-0009-AB12CD3\" did not answer the search";
    QTest::newRow("one pump twice")
        << "ip" << QByteArray("pump,NIP\nPUMP-0001-AB12CD3,1.2.3.4\n127.0.0.2,1.2.3.5\n")
        << "plan.csv:3:1: pump \"127.0.0.2\" is the pump of line 2";
    QTest::newRow("control character")
        << "ip" << QByteArray("pump,NAM\nPUMP-0001-AB12CD3,\"DHCP\r\x02NSV\"\n")
        << "plan.csv:2:2: NAM holds a control character";
    QTest::newRow("empty key")
        << "key"
        << QByteArray(
               "pump,NK1,NK2,NK3,NK4,NK5\nPUMP-0001-AB12CD3,secret1,,secret3,secret4,secret5\n")
        << "plan.csv:2:3: NK2 is empty";
    QTest::newRow("two pumps to one address")
        << "ip"
        << QByteArray("pump,NAM,NIP\nPUMP-0001-AB12CD3,Static,127.0.0.9\nPUMP-0002-AB12CD3,Static,"
                      "127.0.0.9\n")
        << "plan.csv:3:3: pump \"PUMP-0002-AB12CD3\" would be at 127.0.0.9";
}

void TestPumpctlWrite::wrongPlansSendNothing()
{
    QFETCH(QString, profile);
    QFETCH(QByteArray, plan);
    QFETCH(QString, problem);
    const Run run = write(plan, { "--profile", profile });
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(problem), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!run.err.contains(QLatin1String("secret")));
    QVERIFY(onlySearched());
}

void TestPumpctlWrite::silentPumpIsReportedOthersConfirmed()
{
    const QByteArray plan
        = "pump,NTT\nPUMP-0001-AB12CD3,11\nPUMP-0002-AB12CD3,12\nPUMP-0003-AB12CD3,13\n";
    bool silenced = false;
    const Run run = write(plan, {}, [&](QProcess &) {
        if (!silenced && framesTo(1).contains(QByteArray("\x02NSV\r"))) {
            sim->setFault(1, PumpFault::Silent);
            silenced = true;
        }
    });
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out,
             QStringLiteral("PUMP-0001-AB12CD3: confirmed\n"
                            "PUMP-0002-AB12CD3: did not answer after its restart\n"
                            "PUMP-0003-AB12CD3: confirmed\n"));
}

void TestPumpctlWrite::pumpMovedToStaticAddressIsVerifiedThere()
{
    const Run run
        = write("pump,NAM,NIP\nPUMP-0001-AB12CD3,Static,127.0.0.050\n", { "--profile", "ip" });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("PUMP-0001-AB12CD3: confirmed\n"));
    QCOMPARE(sim->address(0), QHostAddress(QStringLiteral("127.0.0.50")));
    QVERIFY(framesTo(0).contains(QByteArray("\x02NIP,127.0.0.50\r")));
}

void TestPumpctlWrite::interruptLeavesNoPumpWithoutItsSave()
{
    sim->call([](PumpSimulator &pumps) {
        for (int i = 3; i < 30; ++i)
            pumps.addPump(loopbackPump(i));
    });
    QByteArray plan = "pump,NTT\n";
    for (int i = 0; i < 30; ++i)
        plan += loopbackPump(i).name.toLatin1() + ",7\n";
    bool interrupted = false;
    const Run run = write(plan, { "--parallel", "4" }, [&](QProcess &pumpctl) {
        if (!interrupted && framesTo(0).contains(QByteArray("\x02NSV\r"))) {
            ::kill(pid_t(pumpctl.processId()), SIGINT);
            interrupted = true;
        }
    });
    QVERIFY(interrupted);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.contains(QLatin1String("not written (interrupted)")));
    // The simulator's thread may report the last save frames after pumpctl exited.
    const auto everyWrittenPumpSaved = [this] {
        for (int pump = 0; pump < 30; ++pump) {
            const QList<QByteArray> frames = framesTo(pump);
            if (frames.contains(QByteArray("\x02NTT,7\r"))
                && !frames.contains(QByteArray("\x02NSV\r")))
                return false;
        }
        return true;
    };
    QTRY_VERIFY(everyWrittenPumpSaved());
    int written = 0;
    for (int pump = 0; pump < 30; ++pump) {
        const QList<QByteArray> frames = framesTo(pump);
        const bool sent = frames.contains(QByteArray("\x02NTT,7\r"));
        QCOMPARE(frames.contains(QByteArray("\x02NSV\r")), sent);
        written += sent;
        const QString name = loopbackPump(pump).name;
        QVERIFY(run.out.contains(name + (sent ? ": written, not verified" : ": not written")));
    }
    QVERIFY(written >= 1 && written < 30);
}

void TestPumpctlWrite::serialLineCarriesOnePump()
{
    const QString line = sim->openSerialLine(0);
    QVERIFY(!line.isEmpty());
    const Run run = write("pump,NAM,ND2\nPUMP-0001-AB12CD3,Static,8.8.4.4\n",
                          { "--profile", "ip", "--serial", line });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("PUMP-0001-AB12CD3: confirmed\n"));
    QCOMPARE(sim->settings(0).value("ND2"), QByteArray("8.8.4.4"));
    QVERIFY(sim->serialBytes().contains("\x02NSV\r"));
}

// A link that loses 5 % of the answers: what went missing is asked again, so that a
// read of the plant is complete, a partial plan is not refused for want of a value it
// keeps, and every pump is confirmed.
void TestPumpctlWrite::lossyLinkIsAskedAgain()
{
    const QByteArray plan = "pump,NTT\n" + addPumps(50, "45");
    sim->setLoss(5, 17);

    QProcess read;
    read.start(QStringLiteral(PUMPCTL_PATH), { "read", "--all", "--format", "csv", "--verbose" });
    QVERIFY(read.waitForFinished(60000));
    const QString readErr = QString::fromUtf8(read.readAllStandardError());
    QCOMPARE(read.exitCode(), 0);
    const QStringList rows = QString::fromUtf8(read.readAllStandardOutput()).split('\n');
    QCOMPARE(rows.size(), 52);
    for (const QString &row : rows.mid(1, 50))
        QVERIFY2(!row.contains(QLatin1String(",,")) && !row.endsWith(','), qPrintable(row));
    // Each query asked again is logged, and only those the pumps did not answer.
    const int askedAgain = readErr.count(QLatin1String("[FleetReader] askAgain ()"));
    QVERIFY2(askedAgain > 0 && askedAgain < 200, qPrintable(QString::number(askedAgain)));

    received.clear();
    const Run run = write(plan, {});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count(QLatin1String(": confirmed\n")), 50);
    for (int pump = 0; pump < 50; ++pump) {
        QCOMPARE(sim->settings(pump).value("NTT"), QByteArray("45"));
        // The first read asked again too: the pump got back what it holds.
        QVERIFY(framesTo(pump).contains(QByteArray("\x02NUH,-03\r")));
    }
}

// A pump that never answers one query is not verified, never said to differ; one that
// stores another value differs; both make the exit status 1.
void TestPumpctlWrite::outcomesSayWhatIsKnown()
{
    sim->call([](PumpSimulator &pumps) {
        SimulatedPumpConfig refusing = loopbackPump(3);
        refusing.storesInstead.insert("NTT", "99");
        pumps.addPump(refusing);
        SimulatedPumpConfig mute = loopbackPump(4);
        mute.mutedQueries = { "NTT", "NUH" };
        pumps.addPump(mute);
    });
    const QByteArray plan = "pump,NTT,NUH\nPUMP-0001-AB12CD3,11,+02\nPUMP-0004-AB12CD3,14,+02\n"
                            "PUMP-0005-AB12CD3,15,+02\n";
    const Run run = write(plan, { "--retry-for", "1" });
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out,
             QStringLiteral("PUMP-0001-AB12CD3: confirmed\n"
                            "PUMP-0004-AB12CD3: differs: NTT wrote 14, pump holds 99\n"
                            "PUMP-0005-AB12CD3: not verified: NTT, NUH did not answer\n"));
    QCOMPARE(sim->settings(4).value("NTT"), QByteArray("15"));
    // After the restart the mute settings were asked again, and only they.
    const QList<QByteArray> frames = framesTo(4);
    const QList<QByteArray> verification = frames.mid(frames.indexOf("\x02NSV\r") + 14);
    QVERIFY(verification.count(QByteArray("\x02NTT\r")) >= 2);
    QCOMPARE(verification.count(QByteArray("\x02NAM\r")), 0);
}

// The plan rule stands: a value the plan keeps that the pump never reported, however
// often it was asked, refuses the plan before anything is written.
void TestPumpctlWrite::firstReadLeftIncompleteSendsNothing()
{
    sim->call([](PumpSimulator &pumps) {
        SimulatedPumpConfig mute = loopbackPump(3);
        mute.mutedQueries = { "NUH" };
        pumps.addPump(mute);
    });
    const Run run
        = write("pump,NTT\nPUMP-0001-AB12CD3,7\nPUMP-0004-AB12CD3,7\n", { "--retry-for", "0.5" });
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith("plan.csv:3:1: pump \"PUMP-0004-AB12CD3\" did not report NUH, "
                                "which the plan keeps as it is\npumpctl: nothing was sent\n"),
             qPrintable(run.err));
    QVERIFY(framesTo(3).count(QByteArray("\x02NUH\r")) >= 2);
    for (const ReceivedFrame &frame : qAsConst(received))
        QVERIFY2(!frame.bytes.contains(','), frame.bytes.constData());
}

QTEST_GUILESS_MAIN(TestPumpctlWrite)
#include "tst_pumpctl_write.moc"
