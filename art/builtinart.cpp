#include "art/builtinart.h"

namespace {

QImage load(const char* name, QImage::Format format) {
    return QImage(QStringLiteral(":/art/%1.png").arg(QLatin1String(name))).convertToFormat(format);
}

} // namespace

namespace BuiltInArt {

QImage mainTemplate() {
    static const QImage image = load("MainMerge", QImage::Format_RGB32);
    return image;
}

QImage sceneTemplate() {
    static const QImage image = load("SceneMerge", QImage::Format_RGB32);
    return image;
}

QImage consoleTemplate() {
    static const QImage image = load("InChatMerge", QImage::Format_RGB32);
    return image;
}

QImage chatTemplate() {
    static const QImage image = load("OutChatMerge", QImage::Format_RGB32);
    return image;
}

QImage menuStrip() {
    static const QImage image = load("Picture1", QImage::Format_RGB32);
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
