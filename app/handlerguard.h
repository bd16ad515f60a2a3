#pragma once

#include <functional>

class Dialogs;

// Runs one event handler's work so that no exception reaches the event loop: a failure
// is shown as a message and the handler ends there.
void runGuarded(Dialogs& dialogs, const std::function<void()>& work);
