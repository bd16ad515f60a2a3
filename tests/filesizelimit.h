#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// A full disk made small: while it lives, this process cannot write a file past `bytes`.
// A write that crosses the limit stores what fits and the next one fails with "File too
// large", as `ulimit -f` does for the fault tests' child processes (the signal that would
// end the process is ignored meanwhile). Only where the system has file-size limits;
// elsewhere active() is false and nothing is limited.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes) {
#ifdef Q_OS_UNIX
        if (getrlimit(RLIMIT_FSIZE, &m_before) != 0)
            return;
        rlimit limited = m_before;
        limited.rlim_cur = rlim_t(bytes);
        if (m_before.rlim_max != RLIM_INFINITY && limited.rlim_cur > m_before.rlim_max)
            return;
        m_signalBefore = std::signal(SIGXFSZ, SIG_IGN);
        m_active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
        if (!m_active)
            std::signal(SIGXFSZ, m_signalBefore);
#else
        Q_UNUSED(bytes);
#endif
    }
    ~FileSizeLimit() {
#ifdef Q_OS_UNIX
        if (m_active) {
            setrlimit(RLIMIT_FSIZE, &m_before);
            std::signal(SIGXFSZ, m_signalBefore);
        }
#endif
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const {
        return m_active;
    }

private:
    bool m_active = false;
#ifdef Q_OS_UNIX
    rlimit m_before{};
    void (*m_signalBefore)(int) = SIG_DFL;
#endif
};
