#pragma once

#include <QString>

namespace Module1 {

// The host's installation folder, exactly as the host-folder setting holds it (no
// trimming, no separator added or removed). Set once at start-up (by the load step, or from
// --host-folder), which hands the folder to the window as a value; nothing reads it.
extern QString HostFolder;

} // namespace Module1
