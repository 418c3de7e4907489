#include "plantwindowtest.h"

#include "plantreport.h"
#include "programprofile.h"

#include <QSortFilterProxyModel>
#include <QTableView>
#include <QtTest>

// The plant window against simulated pumps over loopback, as a technician drives
// it: a search that reads every pump, a plan opened and written, each pump's
// outcome proven by its read-back, and the write's refusals and interruption.
class TestPlantWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void searchReadsEveryPumpAndPlanIsConfirmed_data();
    void searchReadsEveryPumpAndPlanIsConfirmed();
    void pumpStoringAnotherValueDiffers();
    void wrongCellBlocksTheWrite();
    void stopMidWriteLeavesNoPumpWithoutSave();
    void closingDuringWriteAsksFirst();
    void planOnTheCommandLineWaitsForTheSearch();

private:
    bool searchedAndRead(const QVector<SimulatedPumpConfig> &pumps, double lossPercent = 0);
    std::unique_ptr<PumpSimulatorThread> sim;
    std::unique_ptr<PlantWindow> window;
    QTemporaryDir dir;
};

void TestPlantWindow::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("pump.fleet.debug=false"));
}

void TestPlantWindow::init()
{
    SKIP_UNLESS_ISOLATED();
    window = std::make_unique<PlantWindow>();
    window->setRestartWaitMs(600);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestPlantWindow::cleanup()
{
    window.reset();
    sim.reset();
}

void TestPlantWindow::searchReadsEveryPumpAndPlanIsConfirmed_data()
{
    QTest::addColumn<double>("lossPercent");
    QTest::newRow("clean link") << 0.0;
    QTest::newRow("5 % loss") << 5.0;
}

// Starts `pumps`, which restart in 300 ms and lose `lossPercent` of their answers,
// and has the window search and read every one of them.
bool TestPlantWindow::searchedAndRead(const QVector<SimulatedPumpConfig> &pumps, double lossPercent)
{
    sim = startSimulator(pumps);
    if (!sim || !sim->listenForBroadcasts())
        return false;
    sim->setRestartMs(300);
    sim->setLoss(lossPercent);
    return searchAndRead(*window, pumps.size());
}

void TestPlantWindow::searchReadsEveryPumpAndPlanIsConfirmed()
{
    QFETCH(double, lossPercent);
    constexpr int pumpCount = 50;
    const QVector<SimulatedPumpConfig> pumps = plantPumps(pumpCount);
    QVERIFY(searchedAndRead(pumps, lossPercent));
    PlantModel &model = window->model();
    const int nip = model.profile().indexOf("NIP");
    for (int row = 0; row < pumpCount; ++row)
        QCOMPARE(model.cellText(row, nip), model.row(row).pump.address);
    QCOMPARE(window->statusText(), QStringLiteral("50 pumps read."));
    // The table shows a column per setting, headed as the windows title them.
    QCOMPARE(model.headerData(PlantModel::FirstSettingColumn + nip, Qt::Horizontal).toString(),
             QStringLiteral("IPv4 Address"));

    QVERIFY(window->openPlanFile(writePlan(dir, pumps)));
    QCOMPARE(model.rowsToWrite().size(), pumpCount);
    BoxAnswerer answerer;
    window->writePumps();
    QVERIFY(runUntil([&] { return !window->isBusy(); }, 60000));
    QVERIFY(!answerer.texts.isEmpty());
    QVERIFY2(answerer.texts.first().startsWith(QStringLiteral("Write 50 pumps?")),
             qPrintable(answerer.texts.first()));
    QVERIFY(answerer.texts.first().contains(QStringLiteral("TCP Timeout on 50 pumps")));
    for (int row = 0; row < pumpCount; ++row) {
        QCOMPARE(model.row(row).outcome, PumpOutcome::Confirmed);
        QCOMPARE(model.data(model.index(row, model.outcomeColumn()), Qt::DisplayRole).toString(),
                 QStringLiteral("confirmed"));
    }
    for (int pump = 0; pump < pumpCount; ++pump)
        QCOMPARE(sim->settings(pump).value("NTT"), QByteArray("45"));
    QCOMPARE(window->statusText(), QStringLiteral("50 of 50 pumps confirmed."));
    // The table now shows what the pumps hold: nothing is left to write.
    QVERIFY(model.rowsToWrite().isEmpty());
    QCOMPARE(model.row(0).written, QStringList({ QStringLiteral("TCP Timeout: 45") }));
    // The report names every pump, what it was written and its outcome.
    const QString report = dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(window->saveReportFile(report));
    QFile pdf(report);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    const QString html = PlantReport(model, QString(), window->statusText()).html();
    QCOMPARE(html.count(QStringLiteral("TCP Timeout: 45")), pumpCount);
    QCOMPARE(html.count(QStringLiteral("<td>confirmed</td>")), pumpCount);
    QVERIFY(html.contains(QStringLiteral("50 of 50 pumps confirmed.")));
    QTRY_VERIFY(answerer.texts.size() >= 2);
    QCOMPARE(answerer.texts.last().trimmed(), QStringLiteral("50 of 50 pumps confirmed."));
}

void TestPlantWindow::pumpStoringAnotherValueDiffers()
{
    QVector<SimulatedPumpConfig> pumps = plantPumps(3);
    pumps[1].storesInstead.insert("NTT", "99");
    sim = startSimulator(pumps);
    QVERIFY(sim);
    QVERIFY(sim->listenForBroadcasts());
    sim->setRestartMs(300);
    QVERIFY(searchAndRead(*window, 3));
    QVERIFY(window->openPlanFile(writePlan(dir, pumps)));
    BoxAnswerer answerer;
    window->writePumps();
    QVERIFY(runUntil([&] { return !window->isBusy(); }, 30000));
    PlantModel &model = window->model();
    const int row = model.findRow(pumps.at(1).name);
    QCOMPARE(model.row(row).outcome, PumpOutcome::Differs);
    QCOMPARE(model.data(model.index(row, model.outcomeColumn()), Qt::DisplayRole).toString(),
             QStringLiteral("differs: NTT wrote 45, pump holds 99"));
    QCOMPARE(model.row(model.findRow(pumps.at(0).name)).outcome, PumpOutcome::Confirmed);
    QCOMPARE(window->statusText(), QStringLiteral("2 of 3 pumps confirmed."));
}

// A wrong cell is red with its reason, and the write names it and sends nothing.
void TestPlantWindow::wrongCellBlocksTheWrite()
{
    const QVector<SimulatedPumpConfig> pumps = plantPumps(3);
    sim = startSimulator(pumps);
    QVERIFY(sim);
    QVERIFY(sim->listenForBroadcasts());
    QVERIFY(searchAndRead(*window, 3));
    PlantModel &model = window->model();
    const int nip = model.profile().indexOf("NIP");
    const QModelIndex cell = model.index(1, PlantModel::FirstSettingColumn + nip);
    QVERIFY(model.setData(cell, QStringLiteral("10.0.0.300"), Qt::EditRole));
    QTRY_VERIFY(model.data(cell, Qt::BackgroundRole).isValid());
    QCOMPARE(model.data(cell, Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 196, 196));
    const QString reason = model.data(cell, Qt::ToolTipRole).toString();
    QVERIFY(!reason.isEmpty());
    sim->clearFrames();
    BoxAnswerer answerer;
    window->writePumps();
    QVERIFY(runUntil([&] { return !answerer.texts.isEmpty(); }, 2000));
    QVERIFY2(answerer.texts.first().contains(model.row(1).pump.label()
                                             + QStringLiteral(", IPv4 Address: ") + reason),
             qPrintable(answerer.texts.first()));
    QVERIFY(!window->isBusy());
    runFor(300);
    QVERIFY(sim->frames().isEmpty());
}

// Esc in the middle of the write: every pump that got a set frame got its save
// frame too, and no pump was started after the stop.
void TestPlantWindow::stopMidWriteLeavesNoPumpWithoutSave()
{
    constexpr int pumpCount = 50;
    const QVector<SimulatedPumpConfig> pumps = plantPumps(pumpCount);
    QVERIFY(searchedAndRead(pumps));
    QVERIFY(window->openPlanFile(writePlan(dir, pumps)));
    // Ten at once, so that the stop finds pumps not yet started.
    window->setParallel(10);
    sim->clearFrames();
    BoxAnswerer answerer;
    window->writePumps();
    // Stopped as soon as the first set frame reached a pump.
    QVERIFY(runUntil(
        [&] {
            for (const ReceivedFrame &frame : sim->frames()) {
                if (frame.bytes.contains(','))
                    return true;
            }
            return false;
        },
        20000));
    // The confirmation has closed: the window is the active one again, as on a desktop.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->tableView(), Qt::Key_Escape);
    QVERIFY(runUntil([&] { return !window->isBusy(); }, 30000));
    runFor(200);
    QMap<int, QList<QByteArray>> framesOfPump;
    for (const ReceivedFrame &frame : sim->frames())
        framesOfPump[frame.pump].append(frame.bytes);
    int written = 0;
    for (auto it = framesOfPump.cbegin(); it != framesOfPump.cend(); ++it) {
        const QList<QByteArray> &frames = it.value();
        int lastSet = -1;
        for (int i = 0; i < frames.size(); ++i) {
            if (frames.at(i).contains(','))
                lastSet = i;
        }
        if (lastSet < 0)
            continue;
        ++written;
        QVERIFY2(lastSet + 1 < frames.size() && frames.at(lastSet + 1) == QByteArray("\x02NSV\r"),
                 qPrintable(QStringLiteral("pump %1 has no save frame").arg(it.key())));
    }
    QVERIFY(written > 0);
    QVERIFY(written < pumpCount);
    PlantModel &model = window->model();
    int notWritten = 0;
    for (int row = 0; row < pumpCount; ++row) {
        const PumpOutcome outcome = model.row(row).outcome;
        QVERIFY(outcome != PumpOutcome::Unknown);
        notWritten += outcome == PumpOutcome::NotWritten ? 1 : 0;
    }
    QCOMPARE(notWritten, pumpCount - written);
    QVERIFY2(window->statusText().startsWith(QStringLiteral("Stopped. ")),
             qPrintable(window->statusText()));
}

// Closing while pumps are written asks first; "No" keeps writing, "Yes" stops as
// Esc does and closes once the pumps on the wire have their save frame.
void TestPlantWindow::closingDuringWriteAsksFirst()
{
    constexpr int pumpCount = 20;
    const QVector<SimulatedPumpConfig> pumps = plantPumps(pumpCount);
    QVERIFY(searchedAndRead(pumps));
    QVERIFY(window->openPlanFile(writePlan(dir, pumps)));
    window->setParallel(5);
    {
        BoxAnswerer confirm;
        window->writePumps();
        QVERIFY(runUntil([&] { return !confirm.texts.isEmpty(); }, 2000));
    }
    QVERIFY(window->isBusy());
    {
        BoxAnswerer keepWriting(true);
        QVERIFY(!window->close());
        QCOMPARE(keepWriting.texts.size(), 1);
        QVERIFY(window->isVisible() && window->isBusy());
    }
    BoxAnswerer stopAndClose(false, QMessageBox::Yes);
    QVERIFY(!window->close());
    QVERIFY(runUntil([&] { return !window->isVisible(); }, 30000));
    QVERIFY(!window->isBusy());
    for (int row = 0; row < pumpCount; ++row)
        QVERIFY(window->model().row(row).outcome != PumpOutcome::Unknown);
    QVERIFY2(window->statusText().startsWith(QStringLiteral("Stopped. ")),
             qPrintable(window->statusText()));
}

// A plan given at start-up is opened once the first search has ended, so that it
// finds the pumps it names.
void TestPlantWindow::planOnTheCommandLineWaitsForTheSearch()
{
    const QVector<SimulatedPumpConfig> pumps = plantPumps(3);
    sim = startSimulator(pumps);
    QVERIFY(sim);
    QVERIFY(sim->listenForBroadcasts());
    window->setStartupPlan(writePlan(dir, pumps, QStringLiteral("50")));
    QVERIFY(searchAndRead(*window, 3));
    PlantModel &model = window->model();
    const int ntt = model.profile().indexOf("NTT");
    for (int row = 0; row < 3; ++row) {
        QVERIFY(!model.row(row).notFound);
        QCOMPARE(model.cellText(row, ntt), QStringLiteral("50"));
    }
    QCOMPARE(model.rowsToWrite().size(), 3);
}

QTEST_MAIN(TestPlantWindow)
#include "tst_plantwindow.moc"
