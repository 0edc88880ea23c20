#pragma once
// Pauses that let window events run. The object a pause works for may be
// destroyed by an event during the pause (the window closed); the caller must
// then stop at once, which the return value tells.
class QObject;

namespace eventpause {

// Processes pending window events once. False when `guard` was destroyed.
bool letEventsRun(QObject* guard);

// Waits `ms` milliseconds by the monotonic clock while processing events.
// False when `guard` was destroyed meanwhile.
bool wait(QObject* guard, int ms);

}  // namespace eventpause
