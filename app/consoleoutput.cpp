#include "app/consoleoutput.h"

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
bool leadsSomewhere(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// The console behind a stream, or nullptr when it goes to a file or a pipe.
HANDLE consoleOf(FILE* stream) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode))
        return nullptr;
    return handle;
}
#endif

} // namespace

void attachParentConsole() {
#ifdef Q_OS_WIN
    if (leadsSomewhere(STD_OUTPUT_HANDLE) || leadsSomewhere(STD_ERROR_HANDLE))
        return;
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
#endif
}

void printLine(FILE* stream, const QString& text) {
    const QString line = text + u'\n';
#ifdef Q_OS_WIN
    if (const HANDLE console = consoleOf(stream)) {
        std::fflush(stream);
        DWORD written = 0;
        WriteConsoleW(console, reinterpret_cast<const wchar_t*>(line.utf16()), DWORD(line.size()),
                      &written, nullptr);
        return;
    }
#endif
    std::fputs(line.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
