// A picture file's whole way through --export: the input is the picture; it is loaded,
// scaled, tinted (the suggestion on every other input) and saved into a fresh Skins folder.
// Whatever the file holds, the export either writes all five files (status 0) or refuses
// with status 1 and writes nothing.

#include "app/cli.h"
#include "compose/skinworkspace.h"
#include "fuzz/fuzzsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>

namespace {

using FuzzSupport::require;

std::unique_ptr<QTemporaryDir> g_dir;
QString g_picture;
QString g_host;

// As fuzz_picture: a tiny file may claim a size that takes seconds and gigabytes to decode
// under the sanitizers; claims above the loader's limit are refused before decoding.
constexpr qint64 MaxDecodedPixels = 4 * 1024 * 1024;
constexpr qint64 LoaderLimitPixels = qint64(1024) * 1024 * 1024 / 4;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qInstallMessageHandler(FuzzSupport::silent);
    static QCoreApplication app(*argc, *argv);
    g_dir = std::make_unique<QTemporaryDir>();
    require(g_dir->isValid());
    g_picture = g_dir->filePath(QStringLiteral("picture"));
    g_host = g_dir->filePath(QStringLiteral("host"));
    require(QDir().mkpath(g_host + QStringLiteral("/Skins")));
    // The description's template, from beside the program as the export reads it.
    require(
        QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/DefaultSkin.txt")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    {
        QFile file(g_picture);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(file.write(reinterpret_cast<const char*>(data) + 1, qint64(size) - 1) ==
                qint64(size) - 1);
    }
    const QSize claimed = QImageReader(g_picture).size();
    const qint64 pixels = claimed.isValid() ? qint64(claimed.width()) * claimed.height() : 0;
    if (pixels > MaxDecodedPixels && pixels <= LoaderLimitPixels)
        return 0;

    ExportRequest request;
    request.skinName = QStringLiteral("Fuzz");
    request.picture = g_picture;
    request.hostFolder = g_host;
    request.suggestTint = data[0] & 1;
    request.tint = MenuTint{qint16(data[0] % 7 * 30 - 90), qint16(data[0] % 5 * 40 - 80), 0};
    if (data[0] & 2)
        request.framing = Framing{Fit::Fill, FocusPoint{0.25, 0.75}};

    const int status = runExport(request);
    QDir skins(g_host + QStringLiteral("/Skins"));
    const QStringList written = skins.entryList(QDir::Files | QDir::Hidden);
    if (status == 0) {
        require(written.size() == 5);
    } else {
        require(status == 1);
        require(written.isEmpty());
    }
    for (const QString& name : written)
        require(skins.remove(name));
    return 0;
}
