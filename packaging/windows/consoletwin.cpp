// varnel.com: the console twin of varnel.exe. varnel.exe is a window program, so a console
// neither waits for it nor sees its exit status; this small console program starts it with
// the same command line and the console's own handles, waits, and returns its status. A
// console finds varnel.com before varnel.exe when the user types "varnel".
#include <windows.h>

#include <string>

int main() {
    std::wstring program(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, program.data(), DWORD(program.size()));
        if (length == 0)
            return 1;
        if (length < program.size()) {
            program.resize(length);
            break;
        }
        program.resize(program.size() * 2);
    }
    const std::size_t dot = program.find_last_of(L'.');
    const std::size_t slash = program.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        return 1;
    program.replace(dot, std::wstring::npos, L".exe");

    // The command line goes on unchanged, quoting and all.
    std::wstring commandLine = GetCommandLineW();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &process)) {
        const std::wstring text = L"varnel: cannot start " + program + L"\n";
        DWORD written = 0;
        WriteConsoleW(GetStdHandle(STD_ERROR_HANDLE), text.c_str(), DWORD(text.size()), &written,
                      nullptr);
        return 1;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    return int(status);
}
