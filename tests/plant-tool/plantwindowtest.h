#ifndef PLANTWINDOWTEST_H
#define PLANTWINDOWTEST_H

#include "plantwindow.h"
#include "pumpfixtures.h"
#include "pumpsimulatorthread.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

// Answers the next message box the window shows: presses its default button (or
// OK), after keeping its text. Polled from the event loop, so a box shown by exec()
// is found from inside its own loop.
class BoxAnswerer : public QObject
{
public:
    // `button`: the standard button to press instead of the default one.
    explicit BoxAnswerer(bool pressDefault = true,
                         QMessageBox::StandardButton button = QMessageBox::NoButton)
        : accept(pressDefault)
    {
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, this, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts.append(box->text() + QLatin1Char('\n') + box->informativeText());
            if (button != QMessageBox::NoButton && box->button(button))
                box->button(button)->click();
            else if (accept && box->defaultButton())
                box->defaultButton()->click();
            else
                box->reject();
        });
        poll.start();
    }
    QStringList texts;

private:
    bool accept;
    QTimer poll;
};

// Pump i at 127.0.0.(i+2), answering its own address as its IPv4 setting.
inline QVector<SimulatedPumpConfig> plantPumps(int count)
{
    QVector<SimulatedPumpConfig> pumps;
    for (int i = 0; i < count; ++i)
        pumps.append(loopbackPump(i));
    return pumps;
}

// A plan that sets the time-out and the cloud monitor of every pump by name.
inline QString writePlan(const QTemporaryDir &dir, const QVector<SimulatedPumpConfig> &pumps,
                         const QString &timeout = QStringLiteral("45"))
{
    const QString path = dir.filePath(QStringLiteral("plant.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("pump;NTT;NCM\n");
    for (const SimulatedPumpConfig &pump : pumps)
        file.write(QStringLiteral("%1;%2;On\n").arg(pump.name, timeout).toUtf8());
    return path;
}

// Searches and waits until every pump found is read.
inline bool searchAndRead(PlantWindow &window, int pumps)
{
    window.searchPumps();
    return runUntil([&] { return !window.isBusy(); }, 20000)
        && runUntil([&] { return window.model().rowCount() == pumps; }, 1000);
}

#endif // PLANTWINDOWTEST_H
