#include "interruptnotifier.h"

#include <QWinEventNotifier>

#include <windows.h>

namespace {

HANDLE wakeEvent = nullptr;

// Windows calls this on a thread of its own for each Ctrl-C or Ctrl-Break. Setting
// the event is all it does; the notifier picks the event up on the main thread.
// Closing the console or logging off still ends the process as before.
BOOL WINAPI setWakeEvent(DWORD type)
{
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT)
        return FALSE;
    SetEvent(wakeEvent);
    return TRUE;
}

} // namespace

InterruptNotifier::InterruptNotifier(QObject *parent)
    : QObject(parent)
{
    // Auto-reset: each wait the notifier completes takes the event down again.
    wakeEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!wakeEvent)
        return;
    if (!SetConsoleCtrlHandler(setWakeEvent, TRUE)) {
        CloseHandle(wakeEvent);
        wakeEvent = nullptr;
        return;
    }
    notifier = new QWinEventNotifier(wakeEvent, this);
    connect(notifier, &QWinEventNotifier::activated, this, &InterruptNotifier::drain);
}

InterruptNotifier::~InterruptNotifier()
{
    if (!notifier)
        return;
    SetConsoleCtrlHandler(setWakeEvent, FALSE);
    delete notifier;
    CloseHandle(wakeEvent);
    wakeEvent = nullptr;
}

void InterruptNotifier::drain() { emit interrupted(); }
