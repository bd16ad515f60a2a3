#include "art/builtinart.h"

#include <QResource>
#include <QtEndian>

namespace {

QImage load(const char* name, QImage::Format format) {
    return QImage(QStringLiteral(":/art/%1.png").arg(QLatin1String(name))).convertToFormat(format);
}

// A picture the build stored as ready Format_RGB32 pixels (tools/artpack.cpp). Used in place
// where the stored rows are already what a QImage holds; otherwise copied pixel by pixel.
QImage loadPacked(const char* name) {
    const QResource resource(QStringLiteral(":/art/%1.rgb32").arg(QLatin1String(name)));
    const uchar* data = resource.data();
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < 8)
        return {};
    const quint32 width = qFromLittleEndian<quint32>(data);
    const quint32 height = qFromLittleEndian<quint32>(data + 4);
    if (width == 0 || height == 0 || width > 4096 || height > 4096 ||
        quint64(resource.size()) != 8 + quint64(width) * height * 4)
        return {};
    const uchar* pixels = data + 8;
    if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN && quintptr(pixels) % alignof(quint32) == 0)
        return QImage(pixels, int(width), int(height), int(width * 4), QImage::Format_RGB32);
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = qFromLittleEndian<quint32>(pixels + (qsizetype(y) * width + x) * 4);
    }
    return image;
}

} // namespace

namespace BuiltInArt {

QImage mainTemplate() {
    static const QImage image = loadPacked("MainMerge");
    return image;
}

QImage sceneTemplate() {
    static const QImage image = loadPacked("SceneMerge");
    return image;
}

QImage consoleTemplate() {
    static const QImage image = loadPacked("InChatMerge");
    return image;
}

QImage chatTemplate() {
    static const QImage image = loadPacked("OutChatMerge");
    return image;
}

QImage menuStrip() {
    static const QImage image = loadPacked("Picture1");
    return image;
}

QImage railImage() {
    static const QImage image = load("RailImage", QImage::Format_RGB32);
    return image;
}

QImage thumbImage() {
    static const QImage image = load("SliderImage", QImage::Format_ARGB32);
    return image;
}

QImage iconImage(int size) {
    static const QImage large = load("Icon32", QImage::Format_ARGB32);
    static const QImage small = load("Icon16", QImage::Format_ARGB32);
    switch (size) {
    case 32:
        return large;
    case 16:
        return small;
    default:
        return {};
    }
}

} // namespace BuiltInArt
