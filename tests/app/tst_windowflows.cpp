#include "app/imagepreview.h"
#include "app/varnel.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "compose/tintsuggestion.h"
#include "fakedialogs.h"
#include "slider/slidergeometry.h"
#include "slider/ucslider.h"
#include "slider/ucslidertip.h"

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

namespace {

// The caption as designed; the patterns every name the loader reads.
const QString DialogRequest =
    QStringLiteral("Images Files (*.bmp;*.jpg)|*.bmp;*.jpg;*.jpeg;*.jpe;*.dib");
const QString EnterName = QStringLiteral("Enter a name for your Skin.");
const QString Exported = QStringLiteral("Your skin has been exported to Norvo.");
const QByteArray DescriptionTemplate = "Font=Tahoma\r\nTextColor=000000";
const QRgb Key = qRgb(255, 0, 255);

// Where a drag grabs the tint sliders' thumb (26 x 25, left 45.5 at the value 0) and where
// it lies on the rail beside it, in slider coordinates.
const QPoint OnThumb(58, 12);
const QPoint BesideThumb(20, 12);

QImage grabbed(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Every pixel differs from its neighbours, so any scaling shows, and a pure magenta
// square stands in the middle.
QImage patternPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 5) % 256, (y * 3) % 256, (x * 7 + y * 13) % 200));
    QPainter(&image).fillRect(size.width() / 3, size.height() / 3, size.width() / 3,
                              size.height() / 3, QColor(Key));
    return image;
}

// Sky, sun and hills: smooth gradients and hard edges, like a holiday photo.
QImage photoPicture(QSize size) {
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

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below `folder`, relative to it, with its content.
QMap<QString, QByteArray> filesBelow(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readBytes(path));
    }
    return files;
}

QList<QImage> surfacesOf(const SkinWorkspace& ws) {
    QList<QImage> images;
    for (const QImage& picture : ws.finishedSurfaces().pictures)
        images.append(picture);
    return images;
}

// What one composition of the file's picture with `tint` gives, in a workspace of its own.
QList<QImage> composedSurfaces(const QString& path, MenuTint tint, Framing framing = {}) {
    SkinWorkspace ws;
    ws.framing = framing;
    loadDecodedPicture(ws, Imaging::readPicture(path, largestSurfaceSize()), tint);
    return surfacesOf(ws);
}

const QRgb MarkerA = qRgb(255, 0, 0);
const QRgb MarkerB = qRgb(0, 0, 255);

// A pattern with every channel between 60 and 180, and 9 x 9 squares of pure red (the
// first) and pure blue (the second) centred on the pixels given, to find them on a preview.
QImage markedPicture(QSize size, const QList<QPoint>& markers) {
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
std::optional<QPoint> markerIn(const QImage& shown, QRgb marker) {
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

} // namespace

// Found by argument-dependent lookup from QCOMPARE, so it lives beside MenuTint.
static bool operator==(const MenuTint& a, const MenuTint& b) {
    return a.hue == b.hue && a.saturation == b.saturation && a.lightness == b.lightness;
}

namespace QTest {
template <> char* toString(const MenuTint& tint) {
    return qstrdup(QByteArray::number(tint.hue) + ", " + QByteArray::number(tint.saturation) +
                   ", " + QByteArray::number(tint.lightness));
}
} // namespace QTest

Q_DECLARE_METATYPE(MenuTint)

namespace QTest {
template <> char* toString(const Framing& framing) {
    return qstrdup(QByteArray(framing.fit == Fit::Fill ? "Fill" : "Stretch") + " at " +
                   QByteArray::number(framing.focus.x, 'g', 17) + ", " +
                   QByteArray::number(framing.focus.y, 'g', 17));
}
} // namespace QTest

class TestWindowFlows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void loadShowsTheFourSurfaces_data();
    void loadShowsTheFourSurfaces();
    void disabledSlidersIgnoreThePointer_data();
    void disabledSlidersIgnoreThePointer();
    void sliderPreviewsAndRecomposes_data();
    void sliderPreviewsAndRecomposes();
    void aNewLoadComposesWithTheCurrentTint();
    void damagedFileChangesNothing_data();
    void damagedFileChangesNothing();
    void dragAndDrop_data();
    void dragAndDrop();
    void saveSkin();
    void saveSkinFailures_data();
    void saveSkinFailures();
    void snapshotWritesTheUntintedTemplates_data();
    void snapshotWritesTheUntintedTemplates();
    void snapshotFailureIsReported_data();
    void snapshotFailureIsReported();
    void recompositionFailureIsReportedOnce_data();
    void recompositionFailureIsReportedOnce();
    void previewFailureIsShownAfterTheDrag();
    void tintedArtworkOverAPhoto();
    void suggestTintSetsTheSlidersAndRecomposesOnce_data();
    void suggestTintSetsTheSlidersAndRecomposesOnce();
    void suggestTintIsReachedByKeyboard();
    void valueTipStaysOnTheScreen_data();
    void valueTipStaysOnTheScreen();
    void switchingTheFitRecomposes();
    void pressOnAPreviewMovesTheFocus_data();
    void pressOnAPreviewMovesTheFocus();
    void draggingMovesTheFocusAlong();
    void stretchIgnoresPresses();
    void tintKeepsTheFocusAndANewLoadResetsIt();
    void theCommandLineWritesTheWindowsFiles();
    void bitmapsAreTheSameBothWays_data();
    void bitmapsAreTheSameBothWays();
    void commandLineOptionsSetUpTheWindow();
    void aFailingFocusMoveIsReportedOnce();

private:
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

void TestWindowFlows::initTestCase() {
    // The value tip window is raised on every press; the offscreen platform says it cannot.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message != QLatin1String("This plugin does not support raise()"))
                previous(type, context, message);
        });
}

void TestWindowFlows::init() {
    m_currentBefore = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("pictures")));
    m_host = m_dir->filePath(QStringLiteral("Host"));
    m_program = m_dir->filePath(QStringLiteral("Program"));

    m_dialogs = std::make_unique<FakeDialogs>();
    m_ws = std::make_unique<SkinWorkspace>();
    m_window = std::make_unique<Varnel>(*m_dialogs, *m_ws, m_host);
    m_window->setProgramFolder(m_program);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestWindowFlows::cleanup() {
    m_window.reset();
    m_ws.reset();
    m_dialogs.reset();
    QDir::setCurrent(m_currentBefore);
    m_dir.reset();
}

QList<bool> TestWindowFlows::slidersEnabled() const {
    QList<bool> enabled;
    for (const ucSlider* s : sliders())
        enabled.append(s->Enabled());
    return enabled;
}

QList<qint32> TestWindowFlows::sliderValues() const {
    QList<qint32> values;
    for (const ucSlider* s : sliders())
        values.append(s->Value());
    return values;
}

QString TestWindowFlows::savePicture(const QString& fileName, const QImage& image,
                                     const char* format) {
    QString path = m_dir->filePath(QStringLiteral("pictures/") + fileName);
    if (!image.save(path, format, 95))
        qFatal("Could not write the test picture %s", qPrintable(path));
    return path;
}

void TestWindowFlows::loadThroughDialog(const QString& path) {
    m_dialogs->scriptedFiles = {path};
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
}

void TestWindowFlows::drag(ucSlider* target, const QList<QPoint>& points) {
    pointer(target, points);
}

void TestWindowFlows::pointer(QWidget* target, const QList<QPoint>& points) {
    QWindow* window = m_window->windowHandle();
    auto at = [&](QPoint p) {
        return target->mapTo(m_window.get(), p);
    };
    QTest::mousePress(window, Qt::LeftButton, {}, at(points.constFirst()));
    for (qsizetype i = 1; i < points.size(); ++i)
        QTest::mouseMove(window, at(points[i]));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(points.constLast()));
}

void TestWindowFlows::chooseFill() {
    // On the round button itself: the blank space right of the text does not count.
    QRadioButton* fill = control<QRadioButton>("optFill");
    QTest::mouseClick(fill, Qt::LeftButton, {}, QPoint(8, fill->height() / 2));
    QCOMPARE(m_ws->framing.fit, Fit::Fill);
}

QString TestWindowFlows::loadMarkedInFill(const QList<QPoint>& markers) {
    QString path = savePicture("wide.bmp", markedPicture({1600, 600}, markers), "BMP");
    loadThroughDialog(path);
    chooseFill();
    return path;
}

QPointF TestWindowFlows::focusInPixels() const {
    const QSize size = m_ws->LoadedPicture.Picture.size();
    return QPointF(m_ws->framing.focus.x * size.width(), m_ws->framing.focus.y * size.height());
}

void TestWindowFlows::prepareHost() {
    QVERIFY(QDir().mkpath(m_host + QStringLiteral("/Skins")));
    QVERIFY(QDir().mkpath(m_program));
    QVERIFY(writeBytes(m_program + QStringLiteral("/DefaultSkin.txt"), DescriptionTemplate));
}

void TestWindowFlows::cancelChangesNothing_data() {
    QTest::addColumn<bool>("loadedBefore");
    QTest::newRow("very first use") << false;
    QTest::newRow("after a load") << true;
}

void TestWindowFlows::cancelChangesNothing() {
    QFETCH(bool, loadedBefore);
    if (loadedBefore) {
        loadThroughDialog(savePicture("first.bmp", patternPicture({60, 40}), "BMP"));
        QVERIFY(m_dialogs->messages.isEmpty());
    }
    const QList<QImage> surfaces = surfacesOf(*m_ws);
    const QList<bool> enabled = slidersEnabled();
    m_dialogs->openFileRequests.clear();

    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);

    QCOMPARE(m_dialogs->openFileRequests, QStringList{DialogRequest});
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(slidersEnabled(), enabled);
    QCOMPARE(surfacesOf(*m_ws), surfaces);
    if (!loadedBefore) {
        QCOMPARE(enabled, QList<bool>({false, false, false}));
        const QRgb background = m_window->palette().color(QPalette::Window).rgb();
        for (const char* name : {"Xpress1", "Xpress3", "Xpress4", "Xpress5"}) {
            const QImage shown = grabbed(control<ImagePreview>(name));
            QImage empty(shown.size(), QImage::Format_RGB32);
            empty.fill(background);
            QVERIFY2(shown == empty, name);
        }
    }
}

void TestWindowFlows::loadShowsTheFourSurfaces_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("pictureSize");
    QTest::newRow("square bitmap") << "square.bmp" << QSize(100, 100);
    QTest::newRow("wide, flat JPEG") << "strip.jpg" << QSize(300, 40);
}

void TestWindowFlows::loadShowsTheFourSurfaces() {
    QFETCH(QString, fileName);
    QFETCH(QSize, pictureSize);
    const QString path = savePicture(fileName, patternPicture(pictureSize),
                                     fileName.endsWith(".bmp") ? "BMP" : "JPEG");

    loadThroughDialog(path);

    QCOMPARE(m_dialogs->openFileRequests, QStringList{DialogRequest});
    QVERIFY2(m_dialogs->messages.isEmpty(), qPrintable(m_dialogs->messages.join('\n')));
    QCOMPARE(slidersEnabled(), QList<bool>({true, true, true}));
    QCOMPARE(m_window->menuTint(), MenuTint{});
    QCOMPARE(m_ws->MainBuff.Picture.pixel(1, 1), qRgb(255, 0, 255));
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, MenuTint{}));

    const QRgb background = m_window->palette().color(QPalette::Window).rgb();
    const std::pair<const char*, QSize> previews[] = {{"Xpress1", {800, 629}},
                                                      {"Xpress3", {300, 550}},
                                                      {"Xpress4", {310, 105}},
                                                      {"Xpress5", {438, 173}}};
    for (const auto& [name, size] : previews) {
        ImagePreview* preview = control<ImagePreview>(name);
        const QImage surface = preview->picture();
        QCOMPARE(surface.size(), size);
        // The preview shows the surface unscaled from its top-left, clipped to the widget,
        // and the window's background beside it.
        const QImage shown = grabbed(preview);
        const QRect visible = QRect(QPoint(0, 0), size).intersected(shown.rect());
        QVERIFY2(shown.copy(visible) == surface.copy(visible), name);
        QImage beside = shown;
        QPainter(&beside).fillRect(visible, QColor(background));
        QImage blank(shown.size(), QImage::Format_RGB32);
        blank.fill(background);
        QVERIFY2(beside == blank, name);
    }
}

void TestWindowFlows::disabledSlidersIgnoreThePointer_data() {
    QTest::addColumn<QList<QPoint>>("points");
    QTest::newRow("press on the rail beside the thumb") << QList<QPoint>{BesideThumb};
    QTest::newRow("thumb dragged to the right end") << QList<QPoint>{OnThumb, {80, 12}, {200, 12}};
    QTest::newRow("thumb dragged far out of the slider")
        << QList<QPoint>{OnThumb, {-40, 12}, {-300, 500}};
}

void TestWindowFlows::disabledSlidersIgnoreThePointer() {
    QFETCH(QList<QPoint>, points);
    for (ucSlider* target : sliders()) {
        QSignalSpy changes(target, &ucSlider::Change);
        QSignalSpy strip(m_ws.get(), &SkinWorkspace::menuStripTinted);
        QSignalSpy main(m_ws.get(), &SkinWorkspace::surfacesComposed);
        QSignalSpy compositions(m_ws.get(), &SkinWorkspace::surfacesComposed);
        const QImage stripShown = grabbed(control<ImagePreview>("Xpress2"));

        drag(target, points);

        QCOMPARE(changes.count(), 0);
        QCOMPARE(strip.count(), 0);
        QCOMPARE(main.count(), 0);
        QCOMPARE(compositions.count(), 0);
        QCOMPARE(grabbed(control<ImagePreview>("Xpress2")), stripShown);
    }
    QCOMPARE(sliderValues(), QList<qint32>({0, 0, 0}));
    QCOMPARE(slidersEnabled(), QList<bool>({false, false, false}));
    QVERIFY(shownPicture("Xpress1").isNull());
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestWindowFlows::sliderPreviewsAndRecomposes_data() {
    QTest::addColumn<QString>("sliderName");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<qint32>>("changes");
    QTest::addColumn<MenuTint>("tint");

    // The thumb is grabbed 12.5 pixels into it, so a pointer at x puts its left at x - 12.5
    // of a travel of 91: the value is (x - 12.5) / 91 x 200 - 100.
    QTest::newRow("Menu Hue dragged right and back, released inside")
        << "ucSlider1" << QList<QPoint>{OnThumb, {68, 12}, {90, 12}, {30, 12}}
        << QList<qint32>{22, 70, -62} << MenuTint{-62, 0, 0};
    QTest::newRow("Menu Hue released far away in the window")
        << "ucSlider1" << QList<QPoint>{OnThumb, {80, 12}, {-380, 800}} << QList<qint32>{48, -100}
        << MenuTint{-100, 0, 0};
    QTest::newRow("Menu Hue pressed on the rail beside the thumb")
        << "ucSlider1" << QList<QPoint>{BesideThumb} << QList<qint32>{-85} << MenuTint{-85, 0, 0};
    QTest::newRow("Menu Hue pressed and released without moving")
        << "ucSlider1" << QList<QPoint>{OnThumb} << QList<qint32>{} << MenuTint{};
    QTest::newRow("Menu Hue dragged past the right end")
        << "ucSlider1" << QList<QPoint>{OnThumb, {100, 12}, {400, 12}} << QList<qint32>{92, 100}
        << MenuTint{100, 0, 0};
    QTest::newRow("Menu Saturation dragged past the left end")
        << "ucSlider2" << QList<QPoint>{OnThumb, {-200, 12}} << QList<qint32>{-100}
        << MenuTint{0, -100, 0};
    QTest::newRow("Menu Lightness dragged past the right end")
        << "ucSlider3" << QList<QPoint>{OnThumb, {300, 12}} << QList<qint32>{100}
        << MenuTint{0, 0, 100};
}

void TestWindowFlows::sliderPreviewsAndRecomposes() {
    QFETCH(QString, sliderName);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<qint32>, changes);
    QFETCH(MenuTint, tint);

    const QString path = savePicture("picture.bmp", patternPicture({100, 100}), "BMP");
    loadThroughDialog(path);
    QVERIFY(m_dialogs->messages.isEmpty());
    const QList<QImage> before = surfacesOf(*m_ws);
    const QList<QImage> scaledBefore{m_ws->MainPic.Picture, m_ws->ScenePic.Picture,
                                     m_ws->InChatPic.Picture, m_ws->OutChatPic.Picture};

    ucSlider* target = slider(sliderName);
    ImagePreview* stripPreview = control<ImagePreview>("Xpress2");
    QSignalSpy compositions(m_ws.get(), &SkinWorkspace::surfacesComposed);
    QList<qint32> seen;
    QStringList problems;
    QImage previousStrip = grabbed(stripPreview).copy(0, 0, 159, 35);
    // Runs after the window's own handler: what the user sees at this Change.
    connect(target, &ucSlider::Change, this, [&] {
        seen.append(target->Value());
        const QList<qint32> v = sliderValues();
        const QImage strip = grabbed(stripPreview).copy(0, 0, 159, 35);
        if (strip != Imaging::adjustHsl(m_ws->Picture1.Picture, v[0], v[1], v[2]))
            problems << QStringLiteral("the strip is not tinted with %1, %2, %3")
                            .arg(v[0])
                            .arg(v[1])
                            .arg(v[2]);
        if (strip == previousStrip)
            problems << QStringLiteral("the strip did not change at %1").arg(target->Value());
        previousStrip = strip;
        if (surfacesOf(*m_ws) != before || compositions.count() != 0)
            problems << QStringLiteral("the surfaces changed before the release");
    });

    drag(target, points);

    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    QCOMPARE(seen, changes);
    QVERIFY(!target->isDragging());
    QCOMPARE(compositions.count(), 1); // one recomposition
    QCOMPARE(m_window->menuTint(), tint);
    QCOMPARE(sliderValues(), QList<qint32>({tint.hue, tint.saturation, tint.lightness}));
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, tint));
    QCOMPARE(QList<QImage>({m_ws->MainPic.Picture, m_ws->ScenePic.Picture, m_ws->InChatPic.Picture,
                            m_ws->OutChatPic.Picture}),
             scaledBefore);
    const QImage mainShown = grabbed(control<ImagePreview>("Xpress1")).copy(0, 0, 800, 629);
    QCOMPARE(mainShown, shownPicture("Xpress1"));
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestWindowFlows::aNewLoadComposesWithTheCurrentTint() {
    loadThroughDialog(savePicture("first.bmp", patternPicture({100, 100}), "BMP"));
    drag(slider("ucSlider1"), {OnThumb, {90, 12}});
    drag(slider("ucSlider2"), {OnThumb, {30, 12}});
    drag(slider("ucSlider3"), {BesideThumb});
    const MenuTint tint{70, -62, -85};
    QCOMPARE(m_window->menuTint(), tint);
    // Each slider's preview and release used all three values.
    QCOMPARE(shownPicture("Xpress2"), Imaging::adjustHsl(m_ws->Picture1.Picture, 70, -62, -85));

    const QString second = savePicture("second.jpg", photoPicture({200, 150}), "JPEG");
    loadThroughDialog(second);

    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(m_window->menuTint(), tint);
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(second, tint));
    QCOMPARE(shownPicture("Xpress2"), Imaging::adjustHsl(m_ws->Picture1.Picture, 70, -62, -85));
}

void TestWindowFlows::damagedFileChangesNothing_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loadedBefore");

    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        photoPicture({120, 90}).save(&buffer, "JPEG");
    }
    const QByteArray missing; // null: the file is not written at all
    const struct {
        const char* name;
        const char* fileName;
        QByteArray content;
    } damages[] = {
        {"text saved as .jpg", "notes.jpg", "Shopping: milk, bread\n"},
        {"zero-byte bitmap", "empty.bmp", QByteArray("")},
        {"JPEG cut off after its header", "cut.jpg", jpeg.left(jpeg.size() / 3)},
        {"file gone after it was chosen", "gone.bmp", missing},
#ifdef Q_OS_UNIX
        // Opening it would wait for a writer for ever: the window would hang.
        {"FIFO with no writer", "pipe.jpg", missing},
#endif
    };
    for (const auto& d : damages) {
        QTest::addRow("%s, very first use", d.name) << d.fileName << d.content << false;
        QTest::addRow("%s, after a good load", d.name) << d.fileName << d.content << true;
    }
}

void TestWindowFlows::damagedFileChangesNothing() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, loadedBefore);

    if (loadedBefore) {
        loadThroughDialog(savePicture("good.bmp", patternPicture({90, 70}), "BMP"));
        drag(slider("ucSlider1"), {OnThumb, {90, 12}});
        QVERIFY(m_dialogs->messages.isEmpty());
    }
    const QString path = m_dir->filePath(QStringLiteral("pictures/") + fileName);
    if (!content.isNull())
        QVERIFY(writeBytes(path, content));
#ifdef Q_OS_UNIX
    if (fileName == "pipe.jpg")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif

    auto everything = [this] {
        return QList<QImage>{
            shownPicture("Xpress1"),  shownPicture("Xpress2"),  shownPicture("Xpress3"),
            shownPicture("Xpress4"),  shownPicture("Xpress5"),  m_ws->LoadedPicture.Picture,
            m_ws->MainPic.Picture,    m_ws->ScenePic.Picture,   m_ws->InChatPic.Picture,
            m_ws->OutChatPic.Picture, m_ws->MainBuff.Picture,   m_ws->SceneBuff.Picture,
            m_ws->InChatBuff.Picture, m_ws->OutChatBuff.Picture};
    };
    const QList<QImage> before = everything();
    const QList<bool> enabled = slidersEnabled();
    const QList<qint32> values = sliderValues();
    const QImage shown = grabbed(m_window.get());

    loadThroughDialog(path);

    QCOMPARE(m_dialogs->messages.size(), 1);
    const QString message = m_dialogs->messages.constFirst();
    const QString named =
        QStringLiteral("The picture could not be loaded: %1 (").arg(QDir::toNativeSeparators(path));
    QVERIFY2(message.startsWith(named) && message.endsWith(')'), qPrintable(message));
    QCOMPARE(slidersEnabled(), enabled);
    QCOMPARE(enabled, QList<bool>(3, loadedBefore));
    QCOMPARE(sliderValues(), values);
    QVERIFY(everything() == before);
    QCOMPARE(grabbed(m_window.get()), shown);
}

void TestWindowFlows::dragAndDrop_data() {
    QTest::addColumn<QStringList>("items"); // file names in the picture folder, or addresses
    QTest::addColumn<bool>("accepted");

    QTest::newRow("one local bitmap") << QStringList{"photo.bmp"} << true;
    QTest::newRow("one local PNG, a type the dialog does not offer")
        << QStringList{"photo.png"} << true;
    QTest::newRow("two local pictures") << QStringList{"photo.bmp", "photo.png"} << false;
    QTest::newRow("a web address") << QStringList{"https://example.com/photo.bmp"} << false;
}

void TestWindowFlows::dragAndDrop() {
    QFETCH(QStringList, items);
    QFETCH(bool, accepted);

    const QImage picture = patternPicture({120, 80});
    savePicture("photo.bmp", picture, "BMP");
    savePicture("photo.png", picture, "PNG");
    QList<QUrl> urls;
    for (const QString& item : items)
        urls.append(item.startsWith("https:")
                        ? QUrl(item)
                        : QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("pictures/") + item)));
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = m_window->rect().center();

    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window.get(), &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    if (accepted) {
        QCoreApplication::sendEvent(m_window.get(), &drop);
    } else {
        // The application object passes a drop only to a widget that accepted the enter;
        // handed straight to the window, the drop must still be refused.
        static_cast<QObject*>(m_window.get())->event(&drop);
    }
    QCOMPARE(drop.isAccepted(), accepted);

    QVERIFY(m_dialogs->openFileRequests.isEmpty());
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(slidersEnabled(), QList<bool>(3, accepted));
    if (accepted)
        QCOMPARE(surfacesOf(*m_ws), composedSurfaces(urls.constFirst().toLocalFile(), MenuTint{}));
    else
        QVERIFY(shownPicture("Xpress1").isNull());
}

void TestWindowFlows::saveSkin() {
    prepareHost();
    loadThroughDialog(savePicture("picture.bmp", patternPicture({100, 100}), "BMP"));
    drag(slider("ucSlider1"), {OnThumb, {90, 12}});
    auto* text1 = control<QLineEdit>("Text1");
    auto* save = control<QPushButton>("Command2");
    const QString skins = m_host + QStringLiteral("/Skins/");

    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QStringList{EnterName});
    QVERIFY(filesBelow(m_host).isEmpty());
    QVERIFY(text1->text().isEmpty());

    m_dialogs->messages.clear();
    QTest::keyClicks(text1, QStringLiteral("Ocean"));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QStringList{Exported});
    // Behind the message: where the five files went.
    QCOMPARE(m_dialogs->details.constLast(),
             QStringLiteral("The five files went to the folder %1:\n  OceanMain.bmp\n"
                            "  OceanScene.bmp\n  OceanChat.bmp\n  OceanConsole.bmp\n  Ocean.skn")
                 .arg(QDir::toNativeSeparators(QFileInfo(skins + "Ocean.skn").path())));
    QVERIFY(text1->text().isEmpty());
    QCOMPARE(QDir(skins).entryList(QDir::Files | QDir::Hidden),
             QStringList({"Ocean.skn", "OceanChat.bmp", "OceanConsole.bmp", "OceanMain.bmp",
                          "OceanScene.bmp"}));
    // The tinted surfaces the window shows, and the template from the program folder.
    const std::pair<const char*, const char*> bitmaps[] = {{"OceanMain.bmp", "Xpress1"},
                                                           {"OceanScene.bmp", "Xpress3"},
                                                           {"OceanChat.bmp", "Xpress5"},
                                                           {"OceanConsole.bmp", "Xpress4"}};
    for (const auto& [file, preview] : bitmaps)
        QVERIFY2(QImage(skins + file).convertToFormat(QImage::Format_RGB32) ==
                     shownPicture(preview),
                 file);
    const QByteArray description = readBytes(skins + "Ocean.skn");
    QVERIFY(description.startsWith("ConsoleBorderImage=OceanConsole.bmp\r\n"));
    QVERIFY(description.endsWith("Skin=Ocean.bmp\r\n" + DescriptionTemplate + "\r\n"));

    const auto written = filesBelow(m_host);
    m_dialogs->messages.clear();
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QStringList{EnterName});
    QCOMPARE(filesBelow(m_host), written);
}

void TestWindowFlows::saveSkinFailures_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("messageStart");

    const QString notSaved = QStringLiteral("The skin could not be saved: ");
    QTest::newRow("before any load") << "noload"
                                     << "Ocean"
                                     << "There is no skin to save yet. Load an image first.";
    QTest::newRow("Skins folder missing")
        << "noskins"
        << "Ocean" << notSaved + "the Skins folder %skins does not exist.";
    QTest::newRow("DefaultSkin.txt missing")
        << "notemplate"
        << "Ocean" << notSaved + "the description template %template cannot be read";
    QTest::newRow("name that leaves the Skins folder") << ""
                                                       << "../Ocean"
                                                       << "A skin name cannot contain \\ or /";
    QTest::newRow("name of blanks only") << ""
                                         << "   "
                                         << "Enter a name for your Skin.";
    QTest::newRow("name too long for the host's folder as Windows sees it")
        << "windowspath" << QString(230, u'n') << "The skin name is too long";
}

void TestWindowFlows::saveSkinFailures() {
    QFETCH(QString, fault);
    QFETCH(QString, name);
    QFETCH(QString, messageStart);

    if (fault == "windowspath") {
        // The host folder's Windows path, as a Wine prefix gives it, comes with the window.
        m_window.reset();
        m_window = std::make_unique<Varnel>(*m_dialogs, *m_ws, m_host,
                                            QStringLiteral("C:\\Program Files\\Norvo 7"));
        m_window->setProgramFolder(m_program);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    prepareHost();
    if (fault != "noload")
        loadThroughDialog(savePicture("picture.bmp", patternPicture({100, 100}), "BMP"));
    if (fault == "noskins")
        QVERIFY(QDir(m_host + QStringLiteral("/Skins")).removeRecursively());
    if (fault == "notemplate")
        QVERIFY(QFile::remove(m_program + QStringLiteral("/DefaultSkin.txt")));
    messageStart.replace("%skins", QDir::toNativeSeparators(m_host + "/Skins/"))
        .replace("%template", QDir::toNativeSeparators(m_program + "/DefaultSkin.txt"));
    const auto filesBefore = filesBelow(m_dir->path());
    const QList<QImage> surfaces = surfacesOf(*m_ws);
    auto* text1 = control<QLineEdit>("Text1");
    QTest::keyClicks(text1, name);

    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);

    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY2(m_dialogs->messages.constFirst().startsWith(messageStart),
             qPrintable(m_dialogs->messages.constFirst()));
    QCOMPARE(text1->text(), name);
    QCOMPARE(filesBelow(m_dir->path()), filesBefore);
    QCOMPARE(surfacesOf(*m_ws), surfaces);
}

void TestWindowFlows::snapshotWritesTheUntintedTemplates_data() {
    QTest::addColumn<bool>("tinted");
    QTest::newRow("before any load") << false;
    QTest::newRow("after moving the sliders") << true;
}

void TestWindowFlows::snapshotWritesTheUntintedTemplates() {
#ifdef Q_OS_WIN
    QSKIP("d: is a real drive on Windows");
#endif
    QFETCH(bool, tinted);
    if (tinted) {
        loadThroughDialog(savePicture("picture.bmp", patternPicture({100, 100}), "BMP"));
        drag(slider("ucSlider1"), {OnThumb, {90, 12}});
        drag(slider("ucSlider3"), {BesideThumb});
        QVERIFY(m_window->menuTint() == (MenuTint{70, 0, -85}));
    }
    QVERIFY(QDir::setCurrent(m_dir->path()));
    QVERIFY(QDir().mkdir(QStringLiteral("d:")));

    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);

    QVERIFY2(m_dialogs->messages.isEmpty(), qPrintable(m_dialogs->messages.join('\n')));
    QCOMPARE(QImage(QStringLiteral("d:/p2.bmp")).convertToFormat(QImage::Format_RGB32),
             m_ws->InChatMerge.Picture);
    QCOMPARE(QImage(QStringLiteral("d:/p3.bmp")).convertToFormat(QImage::Format_RGB32),
             m_ws->OutChatMerge.Picture);
    QCOMPARE(m_ws->InChatMerge.Picture.pixel(0, 0), Key); // untinted: the key field is magenta
}

void TestWindowFlows::snapshotFailureIsReported_data() {
    QTest::addColumn<bool>("folderInTheWay");
    QTest::newRow("no d: folder") << false;
    QTest::newRow("a folder in the way of p2.bmp") << true;
}

void TestWindowFlows::snapshotFailureIsReported() {
#ifdef Q_OS_WIN
    QSKIP("d: is a real drive on Windows");
#endif
    QFETCH(bool, folderInTheWay);
    QVERIFY(QDir::setCurrent(m_dir->path()));
    if (folderInTheWay)
        QVERIFY(QDir().mkpath(QStringLiteral("d:/p2.bmp")));

    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);

    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY2(m_dialogs->messages.constFirst().startsWith(
                 QStringLiteral("The template could not be written to d:/p2.bmp (")),
             qPrintable(m_dialogs->messages.constFirst()));
    QVERIFY(!QFileInfo(QStringLiteral("d:/p2.bmp")).isFile());
    QVERIFY(!QFileInfo::exists(QStringLiteral("d:/p3.bmp")));
}

void TestWindowFlows::recompositionFailureIsReportedOnce_data() {
    QTest::addColumn<int>("shift"); // how far each of the two drags moves the thumb
    QTest::newRow("released twice without moving") << 0;
    QTest::newRow("dragged twice, previews in between") << -15;
}

void TestWindowFlows::recompositionFailureIsReportedOnce() {
    QFETCH(int, shift);
    const QString path = savePicture("picture.bmp", patternPicture({100, 100}), "BMP");
    loadThroughDialog(path);
    drag(slider("ucSlider1"), {OnThumb, {90, 12}});
    QVERIFY(m_dialogs->messages.isEmpty());
    const QImage mainTemplate = m_ws->MainMerge.Picture;
    // A Main template of the wrong size: the composition refuses it.
    QImage tooSmall(1, 1, QImage::Format_RGB32);
    tooSmall.fill(Key);
    m_ws->MainMerge.Picture = tooSmall;

    ucSlider* hue = slider("ucSlider1");
    // The middle of the thumb, wherever it stands.
    auto thumb = [hue] {
        return QPoint(int(hue->thumbPosition().x()) + 13, 12);
    };
    QSignalSpy changes(hue, &ucSlider::Change);
    for (int i = 0; i < 2; ++i)
        drag(hue, {thumb(), thumb() + QPoint(shift, 0)});
    QCOMPARE(changes.count(), shift ? 2 : 0);
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY2(m_dialogs->messages.constFirst().startsWith(
                 "The skin pictures could not be rebuilt with the tint: "),
             qPrintable(m_dialogs->messages.constFirst()));

    // The window still works: with the template back, the release recomposes.
    m_ws->MainMerge.Picture = mainTemplate;
    drag(hue, {thumb(), {100, 12}});
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, m_window->menuTint()));

    // Once a composition succeeded, the next failure is news again.
    m_ws->MainMerge.Picture = tooSmall;
    drag(hue, {thumb()});
    QCOMPARE(m_dialogs->messages.size(), 2);
}

void TestWindowFlows::previewFailureIsShownAfterTheDrag() {
    loadThroughDialog(savePicture("picture.bmp", patternPicture({100, 100}), "BMP"));
    // A range past 16 bits: at its far end the tint cannot be narrowed, so the preview on
    // Change and the recomposition on release both fail.
    ucSlider* hue = slider("ucSlider1");
    hue->setMax(40000);
    QWindow* window = m_window->windowHandle();
    const QPoint thumb(int(hue->thumbPosition().x()) + 13, 12);
    QTest::mousePress(window, Qt::LeftButton, {}, hue->mapTo(m_window.get(), thumb));
    QTest::mouseMove(window, hue->mapTo(m_window.get(), QPoint(200, 12)));
    QCOMPARE(hue->Value(), 40000);
    QCoreApplication::processEvents();
    // While the button is held nothing is shown: a modal box would take the release.
    QVERIFY2(m_dialogs->messages.isEmpty(), qPrintable(m_dialogs->messages.join('\n')));
    QVERIFY(hue->isDragging());

    QTest::mouseRelease(window, Qt::LeftButton, {}, hue->mapTo(m_window.get(), QPoint(200, 12)));
    QVERIFY(!hue->isDragging());
    QVERIFY(!ucSliderTip::existing());
    QTRY_COMPARE(m_dialogs->messages.size(), 2);
    QVERIFY2(m_dialogs->messages[0].startsWith("The menu preview could not be tinted: Overflow"),
             qPrintable(m_dialogs->messages[0]));
    QVERIFY2(m_dialogs->messages[1].startsWith(
                 "The skin pictures could not be rebuilt with the tint: Overflow"),
             qPrintable(m_dialogs->messages[1]));
}

void TestWindowFlows::tintedArtworkOverAPhoto() {
    loadThroughDialog(savePicture("holiday.jpg", photoPicture({640, 480}), "JPEG"));
    // 85 - 12.5 = 72.5 of 91 gives 59.
    drag(slider("ucSlider1"), {OnThumb, {70, 12}, {85, 12}});
    QCOMPARE(m_window->menuTint(), (MenuTint{59, 0, 0}));
    QVERIFY(m_dialogs->messages.isEmpty());

    const QImage strip = grabbed(control<ImagePreview>("Xpress2")).copy(0, 0, 159, 35);
    QCOMPARE(strip, Imaging::adjustHsl(m_ws->Picture1.Picture, 59, 0, 0));
    // On the Main preview the artwork shows tinted and the key field shows the photo.
    const QImage shown = grabbed(control<ImagePreview>("Xpress1"));
    const QImage art = m_ws->MainMerge.Picture;
    const QImage photo = m_ws->MainPic.Picture;
    int artPixels = 0;
    int photoPixels = 0;
    for (int y = 0; y < art.height(); y += 3)
        for (int x = 0; x < art.width(); x += 3) {
            const QRgb templ = art.pixel(x, y);
            if (templ == Key) {
                QCOMPARE(shown.pixel(x, y), photo.pixel(x, y));
                ++photoPixels;
            } else {
                QCOMPARE(shown.pixel(x, y), Imaging::shiftHsl(templ, 59, 0, 0));
                ++artPixels;
            }
        }
    QVERIFY(artPixels > 0 && photoPixels > artPixels);

    // Set VARNEL_SCREENSHOT to a file name to keep a picture of the window.
    const QString screenshot = qEnvironmentVariable("VARNEL_SCREENSHOT");
    if (!screenshot.isEmpty())
        QVERIFY(m_window->grab().save(screenshot));
}

void TestWindowFlows::suggestTintSetsTheSlidersAndRecomposesOnce_data() {
    QTest::addColumn<MenuTint>("before");
    QTest::newRow("from the untinted sliders") << MenuTint{};
    QTest::newRow("from a tint set by hand") << MenuTint{-85, 0, 0};
}

void TestWindowFlows::suggestTintSetsTheSlidersAndRecomposesOnce() {
    QFETCH(MenuTint, before);
    auto* suggest = control<QPushButton>("SuggestTint");
    QCOMPARE(suggest->parentWidget(), m_window.get());
    QCOMPARE(suggest->geometry(), QRect(1228, 200, 148, 33));
    QCOMPARE(suggest->text(), QStringLiteral("Suggest Tint"));
    QVERIFY(!suggest->isEnabled());
    QSignalSpy early(m_ws.get(), &SkinWorkspace::surfacesComposed);
    QTest::mouseClick(suggest, Qt::LeftButton);
    QCOMPARE(early.count(), 0);
    QCOMPARE(sliderValues(), QList<qint32>({0, 0, 0}));

    const QString path = savePicture("holiday.jpg", photoPicture({640, 480}), "JPEG");
    loadThroughDialog(path);
    QVERIFY(suggest->isEnabled());
    if (before.hue != 0)
        drag(slider("ucSlider1"), {BesideThumb});
    QCOMPARE(m_window->menuTint(), before);

    const MenuTint tint = suggestMenuTint(*m_ws).tint;
    QVERIFY(tint.hue != 0 && tint.saturation != 0);
    QSignalSpy compositions(m_ws.get(), &SkinWorkspace::surfacesComposed);
    QSignalSpy strip(m_ws.get(), &SkinWorkspace::menuStripTinted);
    QList<QSignalSpy*> changes;
    for (ucSlider* s : sliders())
        changes.append(new QSignalSpy(s, &ucSlider::Change));

    QTest::mouseClick(suggest, Qt::LeftButton);

    QVERIFY2(m_dialogs->messages.isEmpty(), qPrintable(m_dialogs->messages.join('\n')));
    QCOMPARE(m_window->menuTint(), tint);
    // The thumbs stand where the values put them: 91 pixels of travel for -100 to 100.
    for (ucSlider* s : sliders())
        QVERIFY(std::fabs(s->thumbPosition().x() - (s->Value() + 100) * 91.0 / 200) <= 0.5);
    QCOMPARE(changes[0]->count(), tint.hue != before.hue ? 1 : 0);
    qDeleteAll(changes);
    // One preview and one rebuild, as after a slider release.
    QCOMPARE(strip.count(), 1);
    QCOMPARE(compositions.count(), 1);
    const QImage shownStrip = grabbed(control<ImagePreview>("Xpress2")).copy(0, 0, 159, 35);
    QCOMPARE(shownStrip,
             Imaging::adjustHsl(m_ws->Picture1.Picture, tint.hue, tint.saturation, tint.lightness));
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, tint));

    // The user can go on by hand from there.
    drag(slider("ucSlider3"), {OnThumb});
    QCOMPARE(m_window->menuTint(), tint);
    QCOMPARE(compositions.count(), 2);
}

void TestWindowFlows::suggestTintIsReachedByKeyboard() {
    loadThroughDialog(savePicture("holiday.jpg", photoPicture({640, 480}), "JPEG"));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    control<QPushButton>("Command3")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optStretch"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("SuggestTint"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    const MenuTint tint = suggestMenuTint(*m_ws).tint;
    QCOMPARE(m_window->menuTint(), tint);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestWindowFlows::valueTipStaysOnTheScreen_data() {
    QTest::addColumn<int>("windowTop"); // below the top of the screen's work area
    QTest::addColumn<bool>("above");    // where the tip of "Menu Hue" goes
    QTest::newRow("window at the top of the screen: below the thumb") << 0 << false;
    QTest::newRow("window lower down: above the thumb, as placed") << 100 << true;
}

void TestWindowFlows::valueTipStaysOnTheScreen() {
    QFETCH(int, windowTop);
    QFETCH(bool, above);
    loadThroughDialog(savePicture("picture.bmp", patternPicture({100, 100}), "BMP"));
    const QRect screen = m_window->screen()->availableGeometry();
    m_window->move(screen.left() + 20, screen.top() + windowTop);
    ucSlider* hue = slider("ucSlider1");
    QTRY_COMPARE(m_window->frameGeometry().top(), screen.top() + windowTop);

    QTest::mousePress(m_window->windowHandle(), Qt::LeftButton, {},
                      hue->mapTo(m_window.get(), OnThumb));
    const ucSliderTip* tip = ucSliderTip::existing();
    QVERIFY(tip && tip->isVisible());
    const QRect thumb(hue->mapToGlobal(hue->thumbPosition().toPoint()), hue->thumbSize());
    const QRect shown = tip->geometry();
    const SliderGeometry::TipPlacement placed = SliderGeometry::tipPlacement(
        hue->Orientation(), hue->mapToGlobal(QPoint(0, 0)), float(hue->thumbPosition().x()),
        float(hue->thumbPosition().y()), hue->thumbSize(), tip->lblTip()->size());
    QTest::mouseRelease(m_window->windowHandle(), Qt::LeftButton, {},
                        hue->mapTo(m_window.get(), OnThumb));

    QVERIFY2(screen.contains(shown),
             qPrintable(QStringLiteral("tip at %1,%2").arg(shown.left()).arg(shown.top())));
    // Centred over the thumb as placed; above it when there is room, else below it, 2
    // pixels from it either way.
    QCOMPARE(shown.left(), placed.position.x());
    if (above)
        QCOMPARE(shown.topLeft(), placed.position);
    else
        QCOMPARE(shown.top(), thumb.bottom() + 3);
}

void TestWindowFlows::switchingTheFitRecomposes() {
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    auto* stretch = control<QRadioButton>("optStretch");
    auto* fill = control<QRadioButton>("optFill");
    QVERIFY(stretch->isChecked());
    const QString path = savePicture("wide.bmp", markedPicture({1600, 600}, {}), "BMP");
    loadThroughDialog(path);
    const QList<QImage> stretched = surfacesOf(*m_ws);
    QCOMPARE(stretched, composedSurfaces(path, MenuTint{}));
    QSignalSpy compositions(m_ws.get(), &SkinWorkspace::surfacesComposed);

    // From the keyboard: Tab after the last button reaches the fit choice, an arrow key
    // chooses the other.
    control<QPushButton>("Command3")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), stretch);
    QTest::keyClick(stretch, Qt::Key_Down);
    QVERIFY(fill->isChecked() && !stretch->isChecked());
    QCOMPARE(m_ws->framing, (Framing{Fit::Fill, {}}));
    QCOMPARE(compositions.count(), 1);
    const QList<QImage> filled = surfacesOf(*m_ws);
    QCOMPARE(filled, composedSurfaces(path, MenuTint{}, m_ws->framing));
    QVERIFY(filled != stretched);
    QCOMPARE(grabbed(control<ImagePreview>("Xpress1")).copy(0, 0, 800, 629), filled[0]);

    QTest::keyClick(fill, Qt::Key_Up);
    QVERIFY(stretch->isChecked());
    QCOMPARE(m_ws->framing.fit, Fit::Stretch);
    QCOMPARE(surfacesOf(*m_ws), stretched); // Stretch comes back byte for byte

    // And with the mouse.
    chooseFill();
    QCOMPARE(surfacesOf(*m_ws), filled);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestWindowFlows::pressOnAPreviewMovesTheFocus_data() {
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QPoint>("marker"); // in the 1600 x 600 picture, shown at the centre focus
    QTest::newRow("Main") << "Xpress1" << QPoint(1000, 150);
    QTest::newRow("Scene") << "Xpress3" << QPoint(700, 450);
    QTest::newRow("Console") << "Xpress4" << QPoint(200, 500);
    QTest::newRow("Chat") << "Xpress5" << QPoint(1400, 100);
}

void TestWindowFlows::pressOnAPreviewMovesTheFocus() {
    QFETCH(QString, preview);
    QFETCH(QPoint, marker);
    const QString path = loadMarkedInFill({marker});
    ImagePreview* target = control<ImagePreview>(qPrintable(preview));
    const std::optional<QPoint> shown = markerIn(grabbed(target), MarkerA);
    QVERIFY(shown);
    QSignalSpy compositions(m_ws.get(), &SkinWorkspace::surfacesComposed);

    pointer(target, {*shown});

    // The picture point under the pointer, to within the few picture pixels one preview
    // pixel spans (the Console shows 1600 picture columns in 310).
    const QPointF focus = focusInPixels();
    QVERIFY2(std::abs(focus.x() - (marker.x() + 0.5)) <= 6 &&
                 std::abs(focus.y() - (marker.y() + 0.5)) <= 6,
             qPrintable(QStringLiteral("%1, %2").arg(focus.x()).arg(focus.y())));
    QCOMPARE(compositions.count(), 1);
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, MenuTint{}, m_ws->framing));
    // The preview shows the new surface.
    const QRect visible = QRect(QPoint(0, 0), target->picture().size()).intersected(target->rect());
    QCOMPARE(grabbed(target).copy(visible), target->picture().copy(visible));
    // The Main preview followed: the marker shows where the new Main crop puts it (in the
    // middle column unless an edge of the picture holds the crop).
    const QRect mainCrop = surfaceCrop(*m_ws, SurfaceId::Main);
    const double expectedX = (marker.x() + 0.5 - mainCrop.left()) * 800 / mainCrop.width();
    const std::optional<QPoint> onMain =
        markerIn(grabbed(control<ImagePreview>("Xpress1")), MarkerA);
    QVERIFY(onMain && std::abs(onMain->x() - expectedX) <= 2);
    if (preview == "Xpress1" || preview == "Xpress3")
        QVERIFY(std::abs(onMain->x() - 400) <= 2);

    // Beside the surface (the Main preview is wider than the Main surface) nothing moves.
    const Framing before = m_ws->framing;
    pointer(control<ImagePreview>("Xpress1"), {{820, 300}, {700, 300}});
    QCOMPARE(m_ws->framing, before);
    QCOMPARE(compositions.count(), 1);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestWindowFlows::draggingMovesTheFocusAlong() {
    const QString path = loadMarkedInFill({{1000, 150}, {600, 450}});
    ImagePreview* main = control<ImagePreview>("Xpress1");
    const QImage atPress = grabbed(main);
    const std::optional<QPoint> a = markerIn(atPress, MarkerA);
    const std::optional<QPoint> b = markerIn(atPress, MarkerB);
    QVERIFY(a && b);
    // The framing each composition was made with.
    QList<Framing> seen;
    connect(m_ws.get(), &SkinWorkspace::surfacesComposed, this,
            [&] { seen.append(m_ws->framing); });

    const QPoint middle = (*a + *b) / 2;
    pointer(main, {*a, middle, *b});

    // The press and both moves each recomposed, each with a new focus.
    QCOMPARE(seen.size(), 3);
    QVERIFY(seen[0].focus != seen[1].focus && seen[1].focus != seen[2].focus);
    // The whole drag maps through the crop shown at the press: it ends on the blue marker
    // as it was shown then.
    const QPointF focus = focusInPixels();
    QVERIFY2(std::abs(focus.x() - 600.5) <= 2 && std::abs(focus.y() - 450.5) <= 2,
             qPrintable(QStringLiteral("%1, %2").arg(focus.x()).arg(focus.y())));
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, MenuTint{}, m_ws->framing));
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestWindowFlows::stretchIgnoresPresses() {
    loadThroughDialog(savePicture("wide.bmp", markedPicture({1600, 600}, {}), "BMP"));
    const QList<QImage> surfaces = surfacesOf(*m_ws);
    QSignalSpy compositions(m_ws.get(), &SkinWorkspace::surfacesComposed);
    for (const char* name : {"Xpress1", "Xpress3", "Xpress4", "Xpress5"}) {
        const qint64 shown = control<ImagePreview>(name)->picture().cacheKey();
        pointer(control<ImagePreview>(name), {{10, 10}, {60, 40}, {100, 90}});
        QCOMPARE(control<ImagePreview>(name)->picture().cacheKey(), shown);
    }
    QCOMPARE(compositions.count(), 0);
    QCOMPARE(m_ws->framing, Framing{});
    QCOMPARE(surfacesOf(*m_ws), surfaces);
}

void TestWindowFlows::tintKeepsTheFocusAndANewLoadResetsIt() {
    const QString first = loadMarkedInFill({{1000, 150}});
    ImagePreview* main = control<ImagePreview>("Xpress1");
    pointer(main, {*markerIn(grabbed(main), MarkerA)});
    const Framing moved = m_ws->framing;
    QVERIFY(moved.focus != FocusPoint{});

    drag(slider("ucSlider1"), {OnThumb, {90, 12}});
    const MenuTint tint{70, 0, 0};
    QCOMPARE(m_window->menuTint(), tint);
    QCOMPARE(m_ws->framing, moved);
    QVERIFY(control<QRadioButton>("optFill")->isChecked());
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(first, tint, moved));

    const QString second = savePicture("second.jpg", photoPicture({900, 300}), "JPEG");
    loadThroughDialog(second);
    QCOMPARE(m_ws->framing, (Framing{Fit::Fill, {}}));
    QVERIFY(control<QRadioButton>("optFill")->isChecked());
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(second, tint, m_ws->framing));
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestWindowFlows::theCommandLineWritesTheWindowsFiles() {
    prepareHost();
    // The command line reads DefaultSkin.txt beside the program; so does the window here.
    const QString programFolder = QFileInfo(QStringLiteral(VARNEL_EXECUTABLE)).path();
    m_window->setProgramFolder(programFolder);
    // Large enough to be decoded at reduced scale (1800 x 675).
    const QString path = savePicture("beach.jpg", photoPicture({2400, 900}), "JPEG");
    loadThroughDialog(path);
    chooseFill();
    pointer(control<ImagePreview>("Xpress3"), {{60, 200}, {50, 230}});
    drag(slider("ucSlider1"), {OnThumb, {90, 12}});
    drag(slider("ucSlider3"), {BesideThumb});
    const MenuTint tint = m_window->menuTint();
    const FocusPoint focus = m_ws->framing.focus;
    QVERIFY(focus != FocusPoint{});
    QTest::keyClicks(control<QLineEdit>("Text1"), QStringLiteral("Ocean"));
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QStringList{Exported});

    const QString other = m_dir->filePath(QStringLiteral("Other"));
    QVERIFY(QDir().mkpath(other + QStringLiteral("/Skins")));
    QProcess varnel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    varnel.setProcessEnvironment(env);
    // 17 significant digits give back the same double.
    const QString focusText = QStringLiteral("%1,%2").arg(QString::number(focus.x, 'g', 17),
                                                          QString::number(focus.y, 'g', 17));
    varnel.start(QStringLiteral(VARNEL_EXECUTABLE),
                 {"--export", "Ocean", "--fit", "fill", "--focus", focusText, "--hue",
                  QString::number(tint.hue), "--saturation", QString::number(tint.saturation),
                  "--lightness", QString::number(tint.lightness), "--host-folder", other, path});
    QVERIFY(varnel.waitForFinished(60000));
    QCOMPARE(varnel.exitCode(), 0);

    const auto fromWindow = filesBelow(m_host + QStringLiteral("/Skins"));
    QCOMPARE(fromWindow.size(), 5);
    QVERIFY(fromWindow == filesBelow(other + QStringLiteral("/Skins")));
}

void TestWindowFlows::bitmapsAreTheSameBothWays_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<quint32>("dotsPerMeter");
    QImage picture = photoPicture({300, 200});
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "JPEG", 90));
    // The JFIF header's unit byte: 0 makes the densities an aspect ratio, no resolution.
    QCOMPARE(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    QByteArray noResolution = jpeg;
    noResolution[13] = 0;
    noResolution[14] = 0;
    noResolution[15] = 1;
    noResolution[16] = 0;
    noResolution[17] = 1;
    QTest::newRow("jpeg naming no resolution: 96 dpi") << "plain.jpg" << noResolution << 3780u;
    picture.setDotsPerMeterX(11811);
    picture.setDotsPerMeterY(11811);
    QByteArray printed;
    QBuffer printedBuffer(&printed);
    QVERIFY(printedBuffer.open(QIODevice::WriteOnly) && picture.save(&printedBuffer, "JPEG", 90));
    QTest::newRow("jpeg at 300 dpi keeps it") << "printed.jpg" << printed << 11811u;
}

void TestWindowFlows::bitmapsAreTheSameBothWays() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(quint32, dotsPerMeter);
    prepareHost();
    m_window->setProgramFolder(QFileInfo(QStringLiteral(VARNEL_EXECUTABLE)).path());
    const QString path = m_dir->filePath(fileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    loadThroughDialog(path);
    QTest::keyClicks(control<QLineEdit>("Text1"), QStringLiteral("Dune"));
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QStringList{Exported});

    const QString other = m_dir->filePath(QStringLiteral("Other"));
    QVERIFY(QDir().mkpath(other + QStringLiteral("/Skins")));
    QProcess varnel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    varnel.setProcessEnvironment(env);
    varnel.start(QStringLiteral(VARNEL_EXECUTABLE),
                 {"--export", "Dune", "--host-folder", other, path});
    QVERIFY(varnel.waitForFinished(60000));
    QCOMPARE(varnel.exitCode(), 0);

    const auto fromWindow = filesBelow(m_host + QStringLiteral("/Skins"));
    QCOMPARE(fromWindow.size(), 5);
    const auto fromCommandLine = filesBelow(other + QStringLiteral("/Skins"));
    for (auto it = fromWindow.cbegin(); it != fromWindow.cend(); ++it) {
        QVERIFY2(it.value() == fromCommandLine.value(it.key()), qPrintable(it.key()));
        if (it.key().endsWith(QLatin1String(".bmp"))) {
            // The header's pixels per metre, across and down.
            QCOMPARE(qFromLittleEndian<quint32>(it.value().constData() + 38), dotsPerMeter);
            QCOMPARE(qFromLittleEndian<quint32>(it.value().constData() + 42), dotsPerMeter);
        }
    }
}

void TestWindowFlows::commandLineOptionsSetUpTheWindow() {
    // What main() does with `varnel --fit fill --focus 0.2,0.7 --hue 30 --lightness -20
    // PICTURE`: the same as choosing them in the window.
    const QString path = savePicture("dune.bmp", photoPicture({400, 300}), "BMP");
    m_window->chooseFit(Fit::Fill);
    m_window->chooseTint(MenuTint{30, 0, -20});
    m_window->openPicture(path);
    m_window->chooseFocus(FocusPoint{0.2, 0.7});
    QVERIFY(control<QRadioButton>("optFill")->isChecked());
    QCOMPARE(slider("ucSlider1")->Value(), 30);
    QCOMPARE(slider("ucSlider3")->Value(), -20);
    QCOMPARE(m_ws->framing, (Framing{Fit::Fill, FocusPoint{0.2, 0.7}}));
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, MenuTint{30, 0, -20}, m_ws->framing));
    QCOMPARE(m_dialogs->messages, QStringList());
}

void TestWindowFlows::aFailingFocusMoveIsReportedOnce() {
    loadMarkedInFill({});
    // A Main template of the wrong size: the composition refuses it.
    QImage tooSmall(1, 1, QImage::Format_RGB32);
    tooSmall.fill(Key);
    const QImage mainTemplate = m_ws->MainMerge.Picture;
    m_ws->MainMerge.Picture = tooSmall;

    // Three failing steps while the button is held: no box yet, since a modal box would take
    // the release from the drag; one message once it is let go.
    auto* main = control<ImagePreview>("Xpress1");
    QWindow* window = m_window->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, main->mapTo(m_window.get(), QPoint(100, 100)));
    QTest::mouseMove(window, main->mapTo(m_window.get(), QPoint(150, 120)));
    QTest::mouseMove(window, main->mapTo(m_window.get(), QPoint(200, 140)));
    QCoreApplication::processEvents();
    QVERIFY(m_dialogs->messages.isEmpty());
    QTest::mouseRelease(window, Qt::LeftButton, {}, main->mapTo(m_window.get(), QPoint(200, 140)));
    QTRY_COMPARE(m_dialogs->messages.size(), 1);
    QVERIFY2(m_dialogs->messages.constFirst().startsWith(
                 "The skin pictures could not be rebuilt around the focus: "),
             qPrintable(m_dialogs->messages.constFirst()));

    // With the template back, the next drag works again.
    m_ws->MainMerge.Picture = mainTemplate;
    pointer(control<ImagePreview>("Xpress1"), {{300, 300}});
    QCOMPARE(surfacesOf(*m_ws),
             composedSurfaces(m_dir->filePath("pictures/wide.bmp"), MenuTint{}, m_ws->framing));
    QCoreApplication::processEvents();
    QCOMPARE(m_dialogs->messages.size(), 1);
}

QTEST_MAIN(TestWindowFlows)
#include "tst_windowflows.moc"
