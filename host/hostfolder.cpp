#include "host/hostfolder.h"

namespace Module1 {

QString HostFolder;

} // namespace Module1
