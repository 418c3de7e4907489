#ifndef EVENTLOOP_H
#define EVENTLOOP_H

#include "steadyclock.h"

#include <functional>

// Runs the event loop until `done` holds or `timeoutMs` passes. Unlike QTest::qWait it
// never sleeps between events, so queued frames leave when they are due.
bool runUntil(const std::function<bool()> &done, int timeoutMs);

void runFor(int ms);

#endif // EVENTLOOP_H
