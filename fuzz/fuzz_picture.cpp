// Picture loading: any bytes a user may point "Load Image" at. A picture the loader
// refuses must be refused with Imaging::PictureError and leave the control's earlier
// image alone; anything else escaping, or any sanitizer report, is a bug.

#include "compose/imagecontrol.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "fuzz/fuzzsupport.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

using FuzzSupport::require;
using FuzzSupport::silent;

std::unique_ptr<QTemporaryDir> g_dir;
QString g_path;

// The loader admits pictures up to 1 GiB decoded. A tiny file may claim such a size and be
// decoded for real, which under ASan takes seconds and gigabytes each time; the fuzzer
// leaves out claims between this and the loader's limit (those above it are refused
// before decoding, and are fuzzed).
constexpr qint64 MaxDecodedPixels = 16 * 1024 * 1024;
constexpr qint64 LoaderLimitPixels = qint64(1024) * 1024 * 1024 / 4;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Decoder warnings are expected on broken input and would only slow the run down.
    qInstallMessageHandler(silent);
    g_dir = std::make_unique<QTemporaryDir>();
    require(g_dir->isValid());
    g_path = g_dir->filePath(QStringLiteral("picture"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(g_path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }

    const QSize claimed = QImageReader(g_path).size();
    const qint64 pixels = claimed.isValid() ? qint64(claimed.width()) * claimed.height() : 0;
    if (pixels > MaxDecodedPixels && pixels <= LoaderLimitPixels)
        return 0;

    ImageControl control;
    try {
        control.LoadFile(g_path);
        require(!control.Picture().isNull());
        require(control.Picture().format() == QImage::Format_RGB32);
    } catch (const Imaging::PictureError&) {
        require(control.Picture().isNull());
    }

    // As Load Image reads it: reduced-scale decoding towards the largest surface.
    try {
        const QImage image = Imaging::readPicture(g_path, largestSurfaceSize());
        require(!image.isNull());
        require(image.format() == QImage::Format_RGB32);
    } catch (const Imaging::PictureError&) {
    }
    return 0;
}
