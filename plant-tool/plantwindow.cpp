#include "plantwindow.h"

#include "plantdelegate.h"
#include "plantlook.h"
#include "plantsearch.h"
#include "plantwriter.h"
#include "programprofile.h"
#include "pumplog.h"
#include "pumpversion.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>

namespace {

constexpr int progressIntervalMs = 100;

QDebug plantLog(const char *operation) { return logLine("[PLANT_WINDOW]", operation); }

} // namespace

PlantWindow::PlantWindow(QWidget *parent)
    : QMainWindow(parent)
    , proxy(new QSortFilterProxyModel(this))
    , table(new QTableView(this))
    , undo(new QUndoStack(this))
    , statusLabel(new QLabel(this))
    , progress(new QProgressBar(this))
    , filterEdit(new QLineEdit(this))
    , filterColumn(new QComboBox(this))
    , profileBox(new QComboBox(this))
{
    setWindowTitle(tr("Corvane Plant Tool v%1").arg(QStringLiteral(PUMPTOOLS_VERSION)));
    plant.setUndoStack(undo);
    buildTable();
    buildActions();
    statusBar()->addWidget(statusLabel, 1);
    statusBar()->addPermanentWidget(progress);
    progress->setMaximumWidth(220);
    progress->hide();
    progressTimer.setInterval(progressIntervalMs);
    connect(&progressTimer, &QTimer::timeout, this, [this] {
        if (writer)
            showWriteProgress();
        else if (search)
            showSearchProgress();
    });
    // Room for the table, but never more than the screen it opens on offers (a laptop
    // at 150 % may offer 1280 × 720 or less), keeping room for the frame's title bar.
    resize(QSize(1200, 640).boundedTo(screen()->availableGeometry().size() - QSize(0, 48)));
    setStatus(tr("Press Search (F5) to find the plant's pumps."), 0, 0);
    updateActions();
    plantLog("PlantWindow") << "profile" << plant.profile().name();
}

PlantWindow::~PlantWindow()
{
    writer.reset();
    search.reset();
}

void PlantWindow::buildTable()
{
    proxy->setSourceModel(&plant);
    proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy->setFilterKeyColumn(-1);
    proxy->setSortRole(Qt::DisplayRole);
    table->setModel(proxy);
    table->setItemDelegate(new PlantDelegate(plant, table));
    table->setSortingEnabled(true);
    table->sortByColumn(-1, Qt::AscendingOrder);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::AnyKeyPressed);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setDefaultSectionSize(120);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    setCentralWidget(table);
    filterEdit->setPlaceholderText(tr("Filter"));
    filterEdit->setClearButtonEnabled(true);
    connect(filterEdit, &QLineEdit::textChanged, proxy,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(filterColumn, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int choice) { proxy->setFilterKeyColumn(choice - 1); });
    connect(&plant, &QAbstractItemModel::modelReset, this, [this] {
        fitColumns();
        filterColumn->blockSignals(true);
        filterColumn->clear();
        filterColumn->addItem(tr("All columns"));
        for (int column = 0; column < plant.columnCount(); ++column)
            filterColumn->addItem(plant.headerData(column, Qt::Horizontal).toString());
        filterColumn->blockSignals(false);
        proxy->setFilterKeyColumn(-1);
    });
    filterColumn->addItem(tr("All columns"));
    for (int column = 0; column < plant.columnCount(); ++column)
        filterColumn->addItem(plant.headerData(column, Qt::Horizontal).toString());
    fitColumns();
}

// Every header readable whole; the name and the outcome, which are long, wider.
// Measured on the headers and sample texts, never on the rows: a thousand rows
// would take a visible while.
void PlantWindow::fitColumns()
{
    QHeaderView *header = table->horizontalHeader();
    const QFontMetrics metrics = table->fontMetrics();
    for (int column = 0; column < plant.columnCount(); ++column)
        header->resizeSection(column, qMax(header->sectionSizeHint(column) + 12, 110));
    header->resizeSection(PlantModel::NameColumn,
                          metrics.horizontalAdvance(QStringLiteral("PUMP-0000-AB12CD3")) + 24);
    header->resizeSection(
        plant.outcomeColumn(),
        metrics.horizontalAdvance(PlantLook::outcomeText(PumpOutcome::Silent, QString())) + 24);
}

void PlantWindow::buildActions()
{
    QMenu *fileMenu = menuBar()->addMenu(tr("&Plant"));
    searchAction = fileMenu->addAction(tr("&Search"), this, &PlantWindow::searchPumps);
    searchAction->setShortcut(QKeySequence::Refresh);
    openAction = fileMenu->addAction(tr("&Open Plan…"), this, &PlantWindow::openPlan);
    openAction->setShortcut(QKeySequence::Open);
    saveAction = fileMenu->addAction(tr("Save Plan &As…"), this, &PlantWindow::savePlan);
    saveAction->setShortcut(QKeySequence::Save);
    reportAction = fileMenu->addAction(tr("&Report…"), this, &PlantWindow::saveReport);
    reportAction->setShortcut(QKeySequence::Print);
    fileMenu->addSeparator();
    QAction *quitAction = fileMenu->addAction(tr("&Quit"), this, &QWidget::close);
    quitAction->setShortcut(QKeySequence::Quit);

    QMenu *editMenu = menuBar()->addMenu(tr("&Edit"));
    QAction *undoAction = undo->createUndoAction(this, tr("&Undo"));
    undoAction->setShortcut(QKeySequence::Undo);
    QAction *redoAction = undo->createRedoAction(this, tr("&Redo"));
    redoAction->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo });
    editMenu->addAction(undoAction);
    editMenu->addAction(redoAction);
    editMenu->addSeparator();
    QAction *copyAction = editMenu->addAction(tr("&Copy"), this, &PlantWindow::copyCells);
    copyAction->setShortcut(QKeySequence::Copy);
    QAction *pasteAction = editMenu->addAction(tr("&Paste"), this, &PlantWindow::pasteCells);
    pasteAction->setShortcut(QKeySequence::Paste);
    fillAction = editMenu->addAction(tr("&Fill Addresses…"), this, &PlantWindow::fillAddresses);
    fillAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));

    QMenu *pumpsMenu = menuBar()->addMenu(tr("P&umps"));
    writeAction = pumpsMenu->addAction(tr("&Write"), this, &PlantWindow::writePumps);
    writeAction->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter) });
    stopAction = pumpsMenu->addAction(tr("S&top"), this, &PlantWindow::stopWork);
    stopAction->setShortcut(QKeySequence(Qt::Key_Escape));

    profileBox->addItem(tr("Network settings (13)"), QStringLiteral("network"));
    profileBox->addItem(tr("IP settings (6)"), QStringLiteral("ip"));
    connect(profileBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] { setProfile(*ProgramProfile::byName(profileBox->currentData().toString())); });

    QToolBar *bar = addToolBar(tr("Plant"));
    bar->setObjectName(QStringLiteral("plantToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(searchAction);
    bar->addAction(writeAction);
    bar->addAction(stopAction);
    bar->addSeparator();
    bar->addAction(openAction);
    bar->addAction(saveAction);
    bar->addAction(reportAction);
    bar->addSeparator();
    // In the tool bar under short names: the menu's say what they undo, and would
    // push the bar's other tools about.
    QAction *undoTool = bar->addAction(tr("Undo"), undo, &QUndoStack::undo);
    undoTool->setEnabled(false);
    connect(undo, &QUndoStack::canUndoChanged, undoTool, &QAction::setEnabled);
    QAction *redoTool = bar->addAction(tr("Redo"), undo, &QUndoStack::redo);
    redoTool->setEnabled(false);
    connect(undo, &QUndoStack::canRedoChanged, redoTool, &QAction::setEnabled);
    bar->addSeparator();
    bar->addWidget(profileBox);
    bar->addSeparator();
    bar->addWidget(filterColumn);
    bar->addWidget(filterEdit);
    filterEdit->setMaximumWidth(200);
}

void PlantWindow::setProfile(const ProgramProfile &profile)
{
    if (&profile == &plant.profile())
        return;
    plantLog("setProfile") << profile.name();
    search.reset();
    undo->clear();
    plant.setProfile(profile);
    setStatus(tr("Press Search (F5) to read the pumps' %1 settings.").arg(profile.settingCount()),
              0, 0);
    updateActions();
}

void PlantWindow::searchPumps()
{
    if (isBusy())
        return;
    plantLog("searchPumps");
    undo->clear();
    plant.clear();
    rowOfReadout.clear();
    search = std::make_unique<PlantSearch>(plant.profile());
    connect(search.get(), &PlantSearch::pumpFound, this, &PlantWindow::takeFoundPump);
    connect(search.get(), &PlantSearch::readoutChanged, this, [this](int index) {
        plant.setReported(rowOfReadout.at(index), search->reader().readouts().at(index).values);
    });
    connect(search.get(), &PlantSearch::finished, this, &PlantWindow::searchFinished,
            Qt::QueuedConnection);
    if (!search->start()) {
        const QString reason = search->errorString();
        plantLog("searchPumps") << "cannot open:" << reason;
        search.reset();
        QMessageBox::warning(this, windowTitle(), tr("The search cannot be sent: %1").arg(reason));
        return;
    }
    progressTimer.start();
    showSearchProgress();
    updateActions();
}

void PlantWindow::takeFoundPump(int index)
{
    const FoundPump &pump = search->reader().readouts().at(index).pump;
    plantLog("takeFoundPump") << pump.name << pump.address;
    rowOfReadout.append(plant.addPump(pump));
}

void PlantWindow::showSearchProgress()
{
    const FleetReader &reader = search->reader();
    const int total = reader.readouts().size();
    const int complete = total - reader.incompleteCount();
    QString text = search->isSearching() ? tr("Searching: %L1 pumps answered").arg(total)
                                         : tr("Reading %L1 of %L2 pumps").arg(complete).arg(total);
    if (reader.pumpsAskedAgainCount() > 0)
        text += QStringLiteral(" — ")
            + tr("asking again: %L1 settings from %L2 pumps")
                  .arg(reader.settingsAskedAgainCount())
                  .arg(reader.pumpsAskedAgainCount());
    setStatus(text, complete, qMax(total, 1));
}

void PlantWindow::searchFinished()
{
    const FleetReader &reader = search->reader();
    const int total = reader.readouts().size();
    const int incomplete = reader.incompleteCount();
    for (int index = 0; index < total; ++index)
        plant.setReported(rowOfReadout.at(index), reader.readouts().at(index).values);
    plantLog("searchFinished") << total << "pumps," << incomplete << "incomplete";
    progressTimer.stop();
    search.reset();
    searchedOnce = true;
    if (total == 0)
        setStatus(tr("No pump answered the search."), 0, 0);
    else if (incomplete > 0)
        setStatus(tr("%L1 pumps read; %L2 left settings unanswered.").arg(total).arg(incomplete), 0,
                  0);
    else
        setStatus(tr("%L1 pumps read.").arg(total), 0, 0);
    updateActions();
    if (!pendingPlan.isEmpty()) {
        const QString path = pendingPlan;
        pendingPlan.clear();
        openPlanFile(path);
    }
}

void PlantWindow::setStartupPlan(const QString &path) { pendingPlan = path; }

void PlantWindow::stopWork()
{
    if (writer) {
        plantLog("stopWork") << "write";
        writer->stop();
    } else if (search) {
        plantLog("stopWork") << "search";
        search->stop();
    }
}

void PlantWindow::closeEvent(QCloseEvent *event)
{
    if (!writer) {
        search.reset();
        event->accept();
        return;
    }
    const auto answer = QMessageBox::question(
        this, windowTitle(),
        tr("Pumps are being written. Stop the write and close when the pumps on the wire "
           "have their save frame?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    event->ignore();
    if (answer != QMessageBox::Yes)
        return;
    plantLog("closeEvent") << "stopping the write first";
    closeWhenStopped = true;
    writer->stop();
}

void PlantWindow::updateActions()
{
    const bool busy = isBusy();
    searchAction->setEnabled(!busy);
    writeAction->setEnabled(!busy);
    stopAction->setEnabled(busy);
    openAction->setEnabled(!busy);
    profileBox->setEnabled(!busy);
    table->setEditTriggers(busy ? QAbstractItemView::NoEditTriggers
                                : QAbstractItemView::DoubleClicked
                                   | QAbstractItemView::EditKeyPressed
                                   | QAbstractItemView::AnyKeyPressed);
}

void PlantWindow::setStatus(const QString &text, int value, int maximum)
{
    statusLabel->setText(text);
    progress->setVisible(maximum > 0);
    progress->setRange(0, maximum);
    progress->setValue(value);
}

QString PlantWindow::statusText() const { return statusLabel->text(); }
