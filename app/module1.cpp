#include "app/module1.h"

namespace Module1 {

QString HostFolder;

} // namespace Module1
