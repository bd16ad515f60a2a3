#include "host/shellfolders.h"

#include <QStandardPaths>

namespace SpecialFolders {

QString GetSpecialFolder(int& folderId) {
    if (folderId != DocumentsFolderId)
        return QString();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace SpecialFolders
