// --where's own path from a settings file to the answer: the input is the host's settings
// file, and the program looks for the host folder as `varnel --where` does. Whatever the
// file holds, the answer is a folder (status 0) or the places looked at (status 1), and the
// search agrees with QSettings wherever QSettings itself could read the file.

#include "app/cli.h"
#include "fuzz/fuzzsupport.h"
#include "host/hostfoldersearch.h"
#include "host/registryvalue.h"
#include "host/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>

namespace {

using FuzzSupport::require;

std::unique_ptr<QTemporaryDir> g_dir;
QString g_file;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qInstallMessageHandler(FuzzSupport::silent);
    static QCoreApplication app(*argc, *argv);
    g_dir = std::make_unique<QTemporaryDir>();
    require(g_dir->isValid());
    // No Wine prefix of the machine's user takes part: only the settings file answers.
    qputenv("HOME", QFile::encodeName(g_dir->filePath(QStringLiteral("home"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(g_dir->filePath(QStringLiteral("data"))));
    qunsetenv("WINEPREFIX");
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(g_dir->filePath(QStringLiteral("system"))));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       g_dir->filePath(QStringLiteral("user")));
    require(QDir().mkpath(g_dir->filePath(QStringLiteral("user/Pellorwick"))));
    g_file = g_dir->filePath(QStringLiteral("user/Pellorwick/NORVO7.conf"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(g_file);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(file.write(content) == content.size());
    }
    const int status = runWhere();
    require(status == 0 || status == 1);

    qsizetype storedTypes = 0;
    const SettingsFile::Values values = SettingsFile::parse(content, &storedTypes);
    const SettingsFile::Value* value = SettingsFile::find(values, QStringLiteral("Directory"));
    const Module2::SettingsValue read = Module2::readSettingsValue(
        QStringLiteral("Pellorwick"), QStringLiteral("NORVO7"), QStringLiteral("Directory"));
    require(read.file.isEmpty() || read.file == g_file);
    if (value && value->kind != SettingsFile::Value::Kind::StoredType)
        require(read.value == value->toVariant());
    // QSettings itself can read the file here only where it would build no stored type.
    if (storedTypes == 0) {
        // A fresh name each time: QSettings keeps what it read of a file by its name.
        static quint64 run = 0;
        const QString copy = g_dir->filePath(QStringLiteral("copy%1.conf").arg(++run));
        require(QFile::copy(g_file, copy));
        const QSettings settings(copy, QSettings::IniFormat);
        require(settings.contains(QStringLiteral("Directory")) == (value != nullptr));
        if (value)
            require(settings.value(QStringLiteral("Directory")) == value->toVariant());
        QFile::remove(copy);
    }
    return 0;
}
