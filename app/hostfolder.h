#pragma once

#include <QString>

namespace Module1 {

// The host's installation folder, exactly as the host-folder setting holds it (no
// trimming, no separator added or removed). Set once by the load step; read by the export.
extern QString HostFolder;

} // namespace Module1
