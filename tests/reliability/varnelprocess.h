#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <optional>

// The real varnel program, run as a separate process the way a script runs it: no display,
// a private settings folder, and optionally through a wrapper command (a shell that limits
// file sizes, a user switch, a private mount namespace).
namespace VarnelProcess {

// Generous: it only tells a hang from a slow machine.
constexpr int HangGuardMs = 60000;

struct Outcome {
    bool finished = false; // false: still running at the guard, then killed
    bool crashed = false;  // ended by a signal
    int status = -1;
    QString out;
    QString err;
};

inline QProcessEnvironment environment(const QString& configHome) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("XDG_CONFIG_DIRS"), configHome + QStringLiteral("/none"));
    return env;
}

// `wrapper` is put in front of the program and its arguments, e.g. {"setpriv", ...,
// "--"} or {"bash", "-c", script, "varnel"} where the script ends in exec "$0" "$@".
inline Outcome run(const QString& program, const QStringList& arguments, const QString& configHome,
                   const QStringList& wrapper = {}) {
    QProcess process;
    process.setProcessEnvironment(environment(configHome));
    QStringList all = wrapper;
    all << program << arguments;
    // Text mode: the program's lines end in CRLF on Windows.
    process.start(all.takeFirst(), all, QIODevice::ReadWrite | QIODevice::Text);
    Outcome outcome;
    if (!process.waitForStarted(HangGuardMs))
        return outcome;
    outcome.finished = process.waitForFinished(HangGuardMs);
    if (!outcome.finished) {
        process.kill();
        process.waitForFinished();
    }
    outcome.crashed = process.exitStatus() == QProcess::CrashExit;
    outcome.status = process.exitCode();
    outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
    return outcome;
}

inline QString describe(const Outcome& o) {
    if (!o.finished)
        return QStringLiteral("still running after %1 s").arg(HangGuardMs / 1000);
    return QStringLiteral("%1 %2; stdout: [%3] stderr: [%4]")
        .arg(o.crashed ? QStringLiteral("killed by signal") : QStringLiteral("exit"))
        .arg(o.status)
        .arg(o.out.trimmed(), o.err.trimmed());
}

// A shell command's exit status, or -1 when it could not run.
inline int shell(const QString& script) {
    QProcess process;
    process.start(QStringLiteral("bash"), {QStringLiteral("-c"), script});
    if (!process.waitForFinished(HangGuardMs) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

inline std::optional<QByteArray> readFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// A copy of the program in its own folder, so that the files beside it (DefaultSkin.txt)
// are the test's to choose. A copy, not a link: the program finds its folder through the
// resolved path of its executable.
inline bool copyProgram(const QString& folder) {
    const QFileInfo original(QStringLiteral(VARNEL_EXECUTABLE));
    const QString copy = folder + u'/' + original.fileName();
    return QDir().mkpath(folder) && QFile::copy(original.filePath(), copy) &&
           QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                           QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther);
}

inline QString programIn(const QString& folder) {
    return folder + u'/' + QFileInfo(QStringLiteral(VARNEL_EXECUTABLE)).fileName();
}

// DefaultSkin.txt as the build put it beside the program.
inline QByteArray defaultTemplate() {
    return readFile(QFileInfo(QStringLiteral(VARNEL_EXECUTABLE))
                        .dir()
                        .filePath(QStringLiteral("DefaultSkin.txt")))
        .value_or(QByteArray());
}

} // namespace VarnelProcess
