#pragma once

#include <QString>

#include <optional>

// Why a picture file could not be read. Each has its own whole sentence for the user, so
// that no reason is glued into another language's sentence.
enum class PictureProblem {
    OpenFailed, // the system's reason goes with it
    Folder,
    Fifo,
    Socket,
    Device,
    NotRegular,
    Empty,
    NotAPicture,
    TooLarge,
    Damaged,
    CutShort, // the file ends before the picture does
};

// What opening a picture file found: no problem, or the problem and, for OpenFailed, the
// system's reason ("No such file or directory", ...).
struct OpenProblem {
    std::optional<PictureProblem> problem;
    QString systemReason;
};
