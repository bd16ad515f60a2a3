#pragma once

#include "app/imagepreview.h"
#include "app/varnel.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "compose/tintsuggestion.h"
#include "slider/slidergeometry.h"
#include "slider/ucslider.h"
#include "slider/ucslidertip.h"
#include "tests/app/fakedialogs.h"
#include "tests/app/temporarysettings.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QPushButton>
#include <QRadialGradient>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// What the window's flow tests share: the pictures they load, the files they compare, and a
// window on a fresh workspace, host folder and program folder for every test function.

// The caption as designed; the patterns every name the loader reads.
inline const QString DialogRequest =
    QStringLiteral("Images Files (*.bmp;*.jpg)|*.bmp;*.jpg;*.jpeg;*.jpe;*.dib");
inline const QString EnterName = QStringLiteral("Enter a name for your Skin.");
inline const QString Exported = QStringLiteral("Your skin has been exported to Norvo.");
inline const QByteArray DescriptionTemplate = "Font=Tahoma\r\nTextColor=000000";
inline const QRgb Key = qRgb(255, 0, 255);

// Where a drag grabs the tint sliders' thumb (26 x 25, left 45.5 at the value 0) and where
// it lies on the rail beside it, in slider coordinates.
inline const QPoint OnThumb(58, 12);
inline const QPoint BesideThumb(20, 12);

inline QImage grabbed(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What a preview should show where it shows its picture (ImagePreview::shownRect): the
// picture itself, or scaled smoothly to fit where the box is smaller.
inline QImage expectedShown(const ImagePreview* preview) {
    const QSize size = preview->shownRect().size();
    return size == preview->picture().size()
               ? preview->picture()
               : preview->picture().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Every pixel differs from its neighbours, so any scaling shows, and a pure magenta
// square stands in the middle.
inline QImage patternPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 5) % 256, (y * 3) % 256, (x * 7 + y * 13) % 200));
    QPainter(&image).fillRect(size.width() / 3, size.height() / 3, size.width() / 3,
                              size.height() / 3, QColor(Key));
    return image;
}

// Sky, sun and hills: smooth gradients and hard edges, like a holiday photo.
inline QImage photoPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    QLinearGradient sky(0, 0, 0, h * 0.6);
    sky.setColorAt(0, QColor(40, 90, 170));
    sky.setColorAt(1, QColor(250, 190, 120));
    p.fillRect(image.rect(), sky);
    QRadialGradient sun(w * 0.7, h * 0.35, h * 0.12);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(1, QColor(255, 160, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(w * 0.7, h * 0.35), h * 0.12, h * 0.12);
    QPainterPath hills(QPointF(0, h));
    hills.lineTo(0, h * 0.6);
    hills.cubicTo(w * 0.25, h * 0.45, w * 0.45, h * 0.75, w * 0.7, h * 0.58);
    hills.cubicTo(w * 0.85, h * 0.5, w * 0.95, h * 0.62, w, h * 0.6);
    hills.lineTo(w, h);
    QLinearGradient grass(0, h * 0.5, 0, h);
    grass.setColorAt(0, QColor(70, 140, 50));
    grass.setColorAt(1, QColor(20, 60, 25));
    p.setBrush(grass);
    p.drawPath(hills);
    return image;
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below `folder`, relative to it, with its content.
inline QMap<QString, QByteArray> filesBelow(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readBytes(path));
    }
    return files;
}

inline QList<QImage> surfacesOf(const SkinWorkspace& ws) {
    QList<QImage> images;
    for (const QImage& picture : ws.finishedSurfaces().pictures)
        images.append(picture);
    return images;
}

// What one composition of the file's picture with `tint` gives, in a workspace of its own.
inline QList<QImage> composedSurfaces(const QString& path, MenuTint tint, Framing framing = {}) {
    SkinWorkspace ws;
    ws.framing = framing;
    loadDecodedPicture(ws, Imaging::readPicture(path, largestSurfaceSize()), tint);
    return surfacesOf(ws);
}

inline const QRgb MarkerA = qRgb(255, 0, 0);
inline const QRgb MarkerB = qRgb(0, 0, 255);

// A pattern with every channel between 60 and 180, and 9 x 9 squares of pure red (the
// first) and pure blue (the second) centred on the pixels given, to find them on a preview.
inline QImage markedPicture(QSize size, const QList<QPoint>& markers) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(60 + (x * 5) % 120, 60 + (y * 3) % 120, 60 + (x + y) % 120));
    QPainter painter(&image);
    for (qsizetype i = 0; i < markers.size(); ++i)
        painter.fillRect(QRect(markers[i] - QPoint(4, 4), QSize(9, 9)),
                         QColor(i == 0 ? MarkerA : MarkerB));
    return image;
}

// The middle of the pixels that look like the marker, or nothing when none do.
inline std::optional<QPoint> markerIn(const QImage& shown, QRgb marker) {
    qint64 sumX = 0, sumY = 0, count = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb p = shown.pixel(x, y);
            if (std::abs(qRed(p) - qRed(marker)) < 50 &&
                std::abs(qGreen(p) - qGreen(marker)) < 50 &&
                std::abs(qBlue(p) - qBlue(marker)) < 50) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    if (count == 0)
        return std::nullopt;
    return QPoint(int(sumX / count), int(sumY / count));
}

// Found by argument-dependent lookup from QCOMPARE, so it lives beside MenuTint.
inline bool operator==(const MenuTint& a, const MenuTint& b) {
    return a.hue == b.hue && a.saturation == b.saturation && a.lightness == b.lightness;
}

namespace QTest {
template <> inline char* toString(const MenuTint& tint) {
    return qstrdup(QByteArray::number(tint.hue) + ", " + QByteArray::number(tint.saturation) +
                   ", " + QByteArray::number(tint.lightness));
}
} // namespace QTest

Q_DECLARE_METATYPE(MenuTint)

namespace QTest {
template <> inline char* toString(const Framing& framing) {
    return qstrdup(QByteArray(framing.fit == Fit::Fill ? "Fill" : "Stretch") + " at " +
                   QByteArray::number(framing.focus.x, 'g', 17) + ", " +
                   QByteArray::number(framing.focus.y, 'g', 17));
}
} // namespace QTest

class WindowFlowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    template <typename T> T* control(const char* name) const {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("The window has no control %s", name);
        return found;
    }
    // The picture a preview of the window shows.
    QImage shownPicture(const char* name) const { return control<ImagePreview>(name)->picture(); }
    ucSlider* slider(const QString& name) const { return control<ucSlider>(qPrintable(name)); }
    QList<ucSlider*> sliders() const {
        return {control<ucSlider>("ucSlider1"), control<ucSlider>("ucSlider2"),
                control<ucSlider>("ucSlider3")};
    }
    QList<bool> slidersEnabled() const;
    QList<qint32> sliderValues() const;

    QString savePicture(const QString& fileName, const QImage& image, const char* format);
    void loadThroughDialog(const QString& path);
    // Press at the first point, move through the others, release at the last one; points
    // in the slider's coordinates, events through the window so the implicit grab decides.
    void drag(ucSlider* target, const QList<QPoint>& points);
    // The same on a widget: press, moves, release, in its coordinates.
    void pointer(QWidget* target, const QList<QPoint>& points);
    void chooseFill();
    // Fill on a 1600 x 600 picture with the given markers, loaded through the dialog.
    QString loadMarkedInFill(const QList<QPoint>& markers);
    // Where the focus lies in picture pixels.
    QPointF focusInPixels() const;
    // Host folder with an empty Skins folder, program folder with DefaultSkin.txt.
    void prepareHost();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<SkinWorkspace> m_ws;
    std::unique_ptr<Varnel> m_window;
    QString m_host;
    QString m_program;
    QString m_currentBefore;
};
