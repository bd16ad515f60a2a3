#pragma once

#include <QString>

// The shell folder lookup of the SpecialFolders module.
namespace SpecialFolders {

// The folder id of the user's documents folder.
constexpr int DocumentsFolderId = 5;

// The path of a special folder, or the empty text. Only the documents folder is known.
QString GetSpecialFolder(int& folderId);

} // namespace SpecialFolders
