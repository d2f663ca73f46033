#pragma once
// A wait that keeps the calling thread's events running (windows paint, timers fire, queued calls
// arrive) until `done` answers true. Something must post an event or fire a timer when it changes.
#include <functional>

void waitWithEvents(const std::function<bool()> &done);
