#pragma once

#include <QString>

namespace Module1 {

// The host's installation folder, exactly as the host-folder setting holds it (no
// trimming, no separator added or removed). Set once by the load step, which also hands
// the folder to the window; nothing reads it.
extern QString HostFolder;

} // namespace Module1
