#pragma once

#include <functional>

// Runs the event loop until the condition holds or the time is up; false on
// timeout. Unlike a sleeping poll it handles each event as soon as it comes,
// so it adds nothing to a transfer's time.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
