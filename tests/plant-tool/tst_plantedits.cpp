#include "cellranges.h"
#include "plantreport.h"
#include "plantwindowtest.h"
#include "programprofile.h"
#include "windowlanguage.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMenuBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

// The table's edits as a spreadsheet user expects them: undo and redo, ranges
// copied and pasted as tab-separated text, address series, plans opened and saved,
// sorting and filtering. The rows are pumps as a search would have found them.
class TestPlantEdits : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void undoAndRedoFollowTheEdits();
    void pasteFillsARangeAndUndoesAtOnce();
    void copyGivesTabSeparatedRows();
    void fillSeriesCountsUpAndRefusesPast254();
    void addressSeries_data();
    void addressSeries();
    void planOpensIntoTheTableOrIsRefusedWhole();
    void planIsSavedAsPumpctlReadsIt();
    void sortAndFilter();
    void writeShortcutFromTheTable();
    void adapterShowsInTheRowAndTheReport();
    void everyLanguageNamesEveryColumnAndAction();

private:
    QModelIndex cell(int row, const char *mnemonic) const;
    void select(const QVector<QModelIndex> &cells);

    std::unique_ptr<PlantWindow> window;
    QTemporaryDir dir;
};

void TestPlantEdits::init()
{
    window = std::make_unique<PlantWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    PlantModel &model = window->model();
    for (int i = 0; i < 6; ++i) {
        const SimulatedPumpConfig pump = loopbackPump(i);
        const QString address = pump.address.toString();
        const int row = model.addPump({ pump.name, address, QString(), address });
        QStringList values;
        for (const SettingDescription &setting : model.profile().settings())
            values.append(QString::fromLatin1(pump.settings.value(setting.mnemonic).toUpper()));
        model.setReported(row, values);
    }
    QVERIFY(runUntil([&] { return model.rowCount() == 6; }, 1000));
}

void TestPlantEdits::cleanup() { window.reset(); }

QModelIndex TestPlantEdits::cell(int row, const char *mnemonic) const
{
    return window->proxyModel()->index(
        row, PlantModel::FirstSettingColumn + window->model().profile().indexOf(mnemonic));
}

void TestPlantEdits::select(const QVector<QModelIndex> &cells)
{
    QItemSelectionModel *selection = window->tableView()->selectionModel();
    selection->clear();
    selection->setCurrentIndex(cells.first(), QItemSelectionModel::NoUpdate);
    for (const QModelIndex &index : cells)
        selection->select(index, QItemSelectionModel::Select);
}

void TestPlantEdits::undoAndRedoFollowTheEdits()
{
    QAbstractItemModel *proxy = window->proxyModel();
    const QString before = cell(0, "NIP").data().toString();
    QVERIFY(proxy->setData(cell(0, "NIP"), QStringLiteral("10.0.0.5")));
    QVERIFY(proxy->setData(cell(0, "NTT"), QStringLiteral("60")));
    QVERIFY(proxy->setData(cell(0, "NIP"), QStringLiteral("10.0.0.6")));
    QCOMPARE(window->undoStack()->count(), 3);
    // The shortcuts, as typed.
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cell(0, "NIP").data().toString(), QStringLiteral("10.0.0.5"));
    QCOMPARE(cell(0, "NTT").data().toString(), QStringLiteral("60"));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cell(0, "NIP").data().toString(), before);
    QCOMPARE(cell(0, "NTT").data().toString(), QStringLiteral("30"));
    // Back at the pump's own value, nothing is left to write.
    QVERIFY(window->model().rowsToWrite().isEmpty());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(cell(0, "NIP").data().toString(), QStringLiteral("10.0.0.5"));
    QCOMPARE(window->model().rowsToWrite(), QVector<int>({ 0 }));
}

void TestPlantEdits::pasteFillsARangeAndUndoesAtOnce()
{
    QApplication::clipboard()->setText(
        QStringLiteral("10.0.0.7\t255.255.255.0\r\n10.0.0.8\t255.255.0.0\r\n"));
    select({ cell(2, "NIP") });
    QTest::keyClick(window->tableView(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell(2, "NIP").data().toString(), QStringLiteral("10.0.0.7"));
    QCOMPARE(cell(2, "NSM").data().toString(), QStringLiteral("255.255.255.0"));
    QCOMPARE(cell(3, "NIP").data().toString(), QStringLiteral("10.0.0.8"));
    QCOMPARE(cell(3, "NSM").data().toString(), QStringLiteral("255.255.0.0"));
    QCOMPARE(cell(4, "NIP").data().toString(), window->model().row(4).pump.address);
    // A pasted value no window would send is kept, and shown wrong.
    QApplication::clipboard()->setText(QStringLiteral("maybe"));
    select({ cell(5, "NCM") });
    window->pasteCells();
    QCOMPARE(cell(5, "NCM").data().toString(), QStringLiteral("maybe"));
    QVERIFY(!cell(5, "NCM").data(Qt::ToolTipRole).toString().isEmpty());
    window->undoStack()->undo();
    window->undoStack()->undo();
    QCOMPARE(cell(2, "NIP").data().toString(), window->model().row(2).pump.address);
    QCOMPARE(cell(3, "NSM").data().toString(), QStringLiteral("255.255.0.0")); // the pump's own
    QCOMPARE(cell(5, "NCM").data().toString(), QStringLiteral("On"));
}

void TestPlantEdits::copyGivesTabSeparatedRows()
{
    select({ cell(0, "NAM"), cell(0, "NIP"), cell(1, "NAM"), cell(1, "NIP") });
    QTest::keyClick(window->tableView(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("Static\t%1\nStatic\t%2\n")
                 .arg(window->model().row(0).pump.address, window->model().row(1).pump.address));
}

void TestPlantEdits::fillSeriesCountsUpAndRefusesPast254()
{
    select({ cell(0, "NIP"), cell(1, "NIP"), cell(2, "NIP"), cell(3, "NIP") });
    QVERIFY(window->fillAddressesFrom(QStringLiteral("10.0.0.10")));
    for (int row = 0; row < 4; ++row)
        QCOMPARE(cell(row, "NIP").data().toString(), QStringLiteral("10.0.0.%1").arg(10 + row));
    QCOMPARE(cell(4, "NIP").data().toString(), window->model().row(4).pump.address);
    window->undoStack()->undo();
    QCOMPARE(cell(0, "NIP").data().toString(), window->model().row(0).pump.address);

    BoxAnswerer answerer;
    QVERIFY(!window->fillAddressesFrom(QStringLiteral("10.0.0.252")));
    QTRY_COMPARE(answerer.texts.size(), 1);
    QVERIFY2(answerer.texts.first().contains(QStringLiteral("past .254")),
             qPrintable(answerer.texts.first()));
    QCOMPARE(cell(0, "NIP").data().toString(), window->model().row(0).pump.address);
    // Only address cells take a series.
    select({ cell(0, "NTT") });
    QVERIFY(!window->fillAddressesFrom(QStringLiteral("10.0.0.1")));
}

void TestPlantEdits::addressSeries_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("series");
    QTest::newRow("counts up") << "10.0.0.10" << 3
                               << QStringList { "10.0.0.10", "10.0.0.11", "10.0.0.12" };
    QTest::newRow("leading zeros dropped")
        << "010.000.000.009" << 2 << QStringList { "10.0.0.9", "10.0.0.10" };
    QTest::newRow("ends on .254") << "10.0.0.253" << 2
                                  << QStringList { "10.0.0.253", "10.0.0.254" };
    QTest::newRow("past .254") << "10.0.0.253" << 3 << QStringList();
    QTest::newRow("no address") << "10.0.0" << 1 << QStringList();
}

void TestPlantEdits::addressSeries()
{
    QFETCH(QString, first);
    QFETCH(int, count);
    QFETCH(QStringList, series);
    QStringList made;
    QString problem;
    QCOMPARE(CellRanges::addressSeries(first, count, &made, &problem), !series.isEmpty());
    QCOMPARE(made, series);
    QCOMPARE(problem.isEmpty(), !series.isEmpty());
}

void TestPlantEdits::planOpensIntoTheTableOrIsRefusedWhole()
{
    PlantModel &model = window->model();
    const QString good = dir.filePath(QStringLiteral("good.csv"));
    QFile file(good);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("pump;NIP;NTT\n%1;10.0.0.40;\n127.0.0.3;10.0.0.300;50\n"
                              "PUMP-9999-NOWHERE;10.0.0.41;\n")
                   .arg(model.row(0).pump.name)
                   .toUtf8());
    file.close();
    QVERIFY(window->openPlanFile(good));
    QVERIFY(runUntil([&] { return model.rowCount() == 7; }, 1000));
    QCOMPARE(model.cellText(0, model.profile().indexOf("NIP")), QStringLiteral("10.0.0.40"));
    // A wrong cell shows where it stands in the plan.
    const int second = model.findRow(QStringLiteral("127.0.0.3"));
    QVERIFY(model.cellProblem(second, model.profile().indexOf("NIP"))
                .startsWith(QStringLiteral("good.csv, line 3, column 2: ")));
    QCOMPARE(model.cellText(second, model.profile().indexOf("NTT")), QStringLiteral("50"));
    const int missing = model.findRow(QStringLiteral("PUMP-9999-NOWHERE"));
    QVERIFY(model.row(missing).notFound);
    QCOMPARE(model.data(model.index(missing, model.outcomeColumn()), Qt::DisplayRole).toString(),
             QStringLiteral("not found"));
    QVERIFY(!model.rowsToWrite().contains(missing));

    // Not a plan, empty, a pump twice: a message, and the table as it was.
    const QStringList bad = { QStringLiteral("name,address\nx,y\n"), QString(),
                              QStringLiteral("pump,NTT\n127.0.0.2,5\n127.0.0.2,6\n") };
    for (const QString &text : bad) {
        const QString path = dir.filePath(QStringLiteral("bad.csv"));
        QFile badFile(path);
        QVERIFY(badFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        badFile.write(text.toUtf8());
        badFile.close();
        const int commands = window->undoStack()->count();
        BoxAnswerer answerer;
        QVERIFY(!window->openPlanFile(path));
        QTRY_COMPARE(answerer.texts.size(), 1);
        QVERIFY2(answerer.texts.first().contains(QStringLiteral("the table is left as it was")),
                 qPrintable(answerer.texts.first()));
        QCOMPARE(window->undoStack()->count(), commands);
        QCOMPARE(model.pumpCount(), 7);
        QCOMPARE(model.cellText(0, model.profile().indexOf("NIP")), QStringLiteral("10.0.0.40"));
    }
}

void TestPlantEdits::planIsSavedAsPumpctlReadsIt()
{
    QAbstractItemModel *proxy = window->proxyModel();
    QVERIFY(proxy->setData(cell(1, "NIP"), QStringLiteral("10.0.0.9")));
    QVERIFY(proxy->setData(cell(1, "NCM"), QStringLiteral("Off")));
    const QString path = dir.filePath(QStringLiteral("saved.csv"));
    QVERIFY(window->savePlanFile(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             QStringLiteral("pump,NAM,NIP,NSM,NDG,ND1,ND2,NTT,NUH,NUM,NCM,NBT,NTN,NPA\n"
                            "%1,,10.0.0.9,,,,,,,,Off,,,\n")
                 .arg(window->model().row(1).pump.name));
}

void TestPlantEdits::sortAndFilter()
{
    QSortFilterProxyModel *proxy = window->proxyModel();
    window->tableView()->sortByColumn(PlantModel::AddressColumn, Qt::DescendingOrder);
    QCOMPARE(proxy->index(0, PlantModel::AddressColumn).data().toString(),
             window->model().row(5).pump.address);
    proxy->setFilterFixedString(window->model().row(3).pump.name);
    QCOMPARE(proxy->rowCount(), 1);
    QCOMPARE(proxy->index(0, PlantModel::NameColumn).data().toString(),
             window->model().row(3).pump.name);
}

// Ctrl+Return writes from wherever the technician is in the table; with nothing
// changed, it says so and sends nothing.
void TestPlantEdits::writeShortcutFromTheTable()
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->tableView()->setFocus();
    window->tableView()->setCurrentIndex(cell(1, "NIP"));
    BoxAnswerer answerer;
    QTest::keyClick(window->tableView(), Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(answerer.texts.size(), 1);
    QVERIFY2(answerer.texts.first().startsWith(QStringLiteral("No cell changes")),
             qPrintable(answerer.texts.first()));
    QVERIFY(!window->isBusy());
}

// A pump found through a network adapter names it in its row, and the report lists
// the adapters the search reached. (On loopback the search finds no adapter: the
// pump comes as the search would have given it on a cable.)
void TestPlantEdits::adapterShowsInTheRowAndTheReport()
{
    PumpAdapter cable;
    cable.name = cable.displayName = QStringLiteral("cable0");
    cable.address = QHostAddress(QStringLiteral("198.18.2.1"));
    cable.prefixLength = 24;
    PlantModel &model = window->model();
    const int row = model.addPump(
        { QStringLiteral("PUMP-CABLE"), QStringLiteral("198.18.2.7"), QString(),
          PumpAdapters::scopedWhere(QStringLiteral("198.18.2.7"), cable.name), cable });
    QVERIFY(runUntil([&] { return model.rowCount() == row + 1; }, 1000));
    QCOMPARE(model.index(row, PlantModel::AdapterColumn).data().toString(),
             QStringLiteral("cable0 198.18.2.1/24"));
    // The loopback pumps name no adapter.
    QCOMPARE(model.index(0, PlantModel::AdapterColumn).data().toString(), QString());
    const QString html = PlantReport(model, QString(), QString()).html();
    QVERIFY2(html.contains(QStringLiteral("<td>cable0 198.18.2.1/24</td>")), qPrintable(html));
}

// In each language the window speaks, the columns carry the windows' own setting
// titles in it, and no column, menu or button is left without a text.
void TestPlantEdits::everyLanguageNamesEveryColumnAndAction()
{
    const QStringList languages = WindowLanguage::available();
    QVERIFY(!languages.isEmpty());
    for (const QString &language : languages) {
        QVERIFY(WindowLanguage::install(QLocale(language)).startsWith(language.left(2)));
        PlantWindow translated;
        const PlantModel &model = translated.model();
        const int nip = PlantModel::FirstSettingColumn + model.profile().indexOf("NIP");
        QCOMPARE(model.headerData(nip, Qt::Horizontal).toString(),
                 QCoreApplication::translate("SettingTitle", "IPv4 Address"));
        QVERIFY2(model.headerData(nip, Qt::Horizontal).toString() != QLatin1String("IPv4 Address"),
                 qPrintable(language));
        for (int column = 0; column < model.columnCount(); ++column)
            QVERIFY2(!model.headerData(column, Qt::Horizontal).toString().isEmpty(),
                     qPrintable(language + QLatin1Char(' ') + QString::number(column)));
        // The menus, and in them every action the toolbar shows.
        QList<QAction *> actions = translated.menuBar()->actions();
        for (const QMenu *menu : translated.findChildren<QMenu *>())
            actions += menu->actions();
        QVERIFY(actions.size() > 10);
        for (const QAction *action : qAsConst(actions)) {
            if (!action->isSeparator())
                QVERIFY2(!action->text().isEmpty(), qPrintable(language));
        }
        for (const QComboBox *box : translated.findChildren<QComboBox *>()) {
            for (int item = 0; item < box->count(); ++item)
                QVERIFY2(!box->itemText(item).isEmpty(), qPrintable(language));
        }
    }
    WindowLanguage::install(QLocale::c());
}

QTEST_MAIN(TestPlantEdits)
#include "tst_plantedits.moc"
