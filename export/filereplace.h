#pragma once

#include <QString>

// The platform calls behind replacing a skin's files as one. Each returns an empty string
// on success, else the system's reason.

// Whether an existing file at `path` may be replaced by a rename into its folder. Empty
// when it may, or when there is no file there yet.
QString replaceProblem(const QString& path);

// A second name for the file at `path`, so that it survives being replaced: a hard link
// where the file system has them, else a copy. `aside` must not exist yet.
QString keepAside(const QString& path, const QString& aside);
