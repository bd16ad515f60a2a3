#include "app/picturechoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

struct PictureKind {
    const char* format; // as QImageReader names it
    const char* description;
    QStringList patterns;
};

// The kinds Qt reads beside BMP and JPEG; each is offered only where its reader is installed.
const QList<PictureKind>& pictureKinds() {
    static const QList<PictureKind> kinds{
        //: A filter of the Load Image file dialog.
        {"png", QT_TRANSLATE_NOOP("PictureFilters", "PNG pictures"), {QStringLiteral("*.png")}},
        //: A filter of the Load Image file dialog.
        {"gif", QT_TRANSLATE_NOOP("PictureFilters", "GIF pictures"), {QStringLiteral("*.gif")}},
        //: A filter of the Load Image file dialog.
        {"tiff",
         QT_TRANSLATE_NOOP("PictureFilters", "TIFF pictures"),
         {QStringLiteral("*.tif"), QStringLiteral("*.tiff")}},
        //: A filter of the Load Image file dialog.
        {"webp", QT_TRANSLATE_NOOP("PictureFilters", "WebP pictures"), {QStringLiteral("*.webp")}},
    };
    return kinds;
}

QString translated(const char* text) {
    return QCoreApplication::translate("PictureFilters", text);
}

QSettings ownSettings() {
    // The program's own settings, never the host's.
    return QSettings(QStringLiteral("Varnel"), QStringLiteral("varnel"));
}

QString folderKey() {
    return QStringLiteral("LoadImage/folder");
}

} // namespace

QList<FileFilter> pictureFileFilters(const FileFilter& designed,
                                     const QList<QByteArray>& readable) {
    QList<FileFilter> offered;
    QStringList everyPicture = designed.patterns;
    for (const PictureKind& kind : pictureKinds()) {
        if (!readable.contains(QByteArray(kind.format)))
            continue;
        offered.append({translated(kind.description), kind.patterns});
        everyPicture += kind.patterns;
    }
    QList<FileFilter> filters{designed};
    if (!offered.isEmpty()) {
        //: A filter of the Load Image file dialog: every kind of picture it can load.
        filters.append(
            {translated(QT_TRANSLATE_NOOP("PictureFilters", "All pictures")), everyPicture});
        filters += offered;
    }
    //: The last filter of the Load Image file dialog.
    filters.append(
        {translated(QT_TRANSLATE_NOOP("PictureFilters", "All files")), {QStringLiteral("*")}});
    return filters;
}

QString lastPictureFolder() {
    const QString folder = ownSettings().value(folderKey()).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void rememberPictureFolder(const QString& picturePath) {
    ownSettings().setValue(folderKey(), QFileInfo(picturePath).absolutePath());
}
