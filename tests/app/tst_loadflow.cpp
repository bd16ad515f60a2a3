#include "app/picturechoice.h"
#include "tests/app/windowflowtest.h"
#include "tests/compose/picturefixtures.h"

// Load Image: the dialog, cancelling, damaged files, dropped files, and what the four surfaces
// show.
class TestLoadFlow : public WindowFlowTest {
    Q_OBJECT

private slots:
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void loadShowsTheFourSurfaces_data();
    void loadShowsTheFourSurfaces();
    void aNewLoadComposesWithTheCurrentTint();
    void damagedFileChangesNothing_data();
    void damagedFileChangesNothing();
    void dragAndDrop_data();
    void dragAndDrop();
    void pictureFiltersFollowTheReaders_data();
    void pictureFiltersFollowTheReaders();
    void dialogOffersEveryPictureItReads();
    void dialogOpensInTheLastPicturesFolder_data();
    void dialogOpensInTheLastPicturesFolder();
    void scenePreviewShowsTheWholeSurface();
};

namespace {

const FileFilter Designed{QStringLiteral("Images Files (*.bmp;*.jpg)"),
                          {"*.bmp", "*.jpg", "*.jpeg", "*.jpe", "*.dib"}};

QStringList descriptions(const QList<FileFilter>& filters) {
    QStringList texts;
    for (const FileFilter& filter : filters)
        texts.append(filter.description);
    return texts;
}

} // namespace

void TestLoadFlow::cancelChangesNothing_data() {
    QTest::addColumn<bool>("loadedBefore");
    QTest::newRow("very first use") << false;
    QTest::newRow("after a load") << true;
}

void TestLoadFlow::cancelChangesNothing() {
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

void TestLoadFlow::loadShowsTheFourSurfaces_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("pictureSize");
    QTest::newRow("square bitmap") << "square.bmp" << QSize(100, 100);
    QTest::newRow("wide, flat JPEG") << "strip.jpg" << QSize(300, 40);
}

void TestLoadFlow::loadShowsTheFourSurfaces() {
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
        // The preview shows the whole surface, unscaled from its top-left where the box
        // holds it, else scaled to fit; the window's background beside it.
        const QImage shown = grabbed(preview);
        const QRect visible = preview->shownRect();
        QVERIFY2(shown.rect().contains(visible), name);
        QVERIFY2(shown.copy(visible) == expectedShown(preview), name);
        QImage beside = shown;
        QPainter(&beside).fillRect(visible, QColor(background));
        QImage blank(shown.size(), QImage::Format_RGB32);
        blank.fill(background);
        QVERIFY2(beside == blank, name);
    }
}

void TestLoadFlow::aNewLoadComposesWithTheCurrentTint() {
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

void TestLoadFlow::damagedFileChangesNothing_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loadedBefore");

    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        photoPicture({120, 90}).save(&buffer, "JPEG");
    }
    const QImage few = PictureFixtures::stripedQuadrants({64, 64});
    const QByteArray gif = PictureFixtures::gif(few);
    const QByteArray rle = PictureFixtures::bmp(few, PictureFixtures::BmpLayout::Rle8);
    const QByteArray missing; // null: the file is not written at all
    const struct {
        const char* name;
        const char* fileName;
        QByteArray content;
    } damages[] = {
        {"text saved as .jpg", "notes.jpg", "Shopping: milk, bread\n"},
        {"zero-byte bitmap", "empty.bmp", QByteArray("")},
        {"JPEG cut off after its header", "cut.jpg", jpeg.left(jpeg.size() / 3)},
        {"GIF cut off in its image data", "cut.gif", gif.left(gif.size() / 2)},
        {"run-length bitmap cut off", "cut.bmp", rle.left(rle.size() / 2)},
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

void TestLoadFlow::damagedFileChangesNothing() {
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

void TestLoadFlow::dragAndDrop_data() {
    QTest::addColumn<QStringList>("items"); // file names in the picture folder, or addresses
    QTest::addColumn<bool>("accepted");

    QTest::newRow("one local bitmap") << QStringList{"photo.bmp"} << true;
    QTest::newRow("one local PNG") << QStringList{"photo.png"} << true;
    QTest::newRow("two local pictures") << QStringList{"photo.bmp", "photo.png"} << false;
    QTest::newRow("a web address") << QStringList{"https://example.com/photo.bmp"} << false;
}

void TestLoadFlow::dragAndDrop() {
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

void TestLoadFlow::pictureFiltersFollowTheReaders_data() {
    QTest::addColumn<QList<QByteArray>>("readable");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QStringList>("everyPicture");

    const QStringList designed = Designed.patterns;
    QTest::newRow("Qt's own readers")
        << QList<QByteArray>{"bmp", "gif", "jpeg", "jpg", "png", "ppm", "svg"}
        << QStringList{"Images Files (*.bmp;*.jpg)", "All pictures", "PNG pictures", "GIF pictures",
                       "All files"}
        << designed + QStringList{"*.png", "*.gif"};
    QTest::newRow("with TIFF and WebP installed")
        << QList<QByteArray>{"bmp", "jpeg", "png", "tif", "tiff", "webp"}
        << QStringList{"Images Files (*.bmp;*.jpg)",
                       "All pictures",
                       "PNG pictures",
                       "TIFF pictures",
                       "WebP pictures",
                       "All files"}
        << designed + QStringList{"*.png", "*.tif", "*.tiff", "*.webp"};
    QTest::newRow("nothing beyond BMP and JPEG")
        << QList<QByteArray>{"bmp", "jpeg"}
        << QStringList{"Images Files (*.bmp;*.jpg)", "All files"} << QStringList{};
}

void TestLoadFlow::pictureFiltersFollowTheReaders() {
    QFETCH(QList<QByteArray>, readable);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, everyPicture);

    const QList<FileFilter> filters = pictureFileFilters(Designed, readable);
    QCOMPARE(descriptions(filters), offered);
    QCOMPARE(filters.constFirst(), Designed);
    QCOMPARE(filters.constLast().patterns, QStringList{"*"});
    if (!everyPicture.isEmpty())
        QCOMPARE(filters[1].patterns, everyPicture);
}

void TestLoadFlow::dialogOffersEveryPictureItReads() {
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(m_dialogs->openFileCalls.size(), 1);
    const OpenFileRequest request = m_dialogs->openFileCalls.constFirst();
    QCOMPARE(request.title, QStringLiteral("Load Image"));
    QCOMPARE(request.filters.constFirst(), Designed);
    QCOMPARE(request.filters.constLast(), (FileFilter{QStringLiteral("All files"), {"*"}}));
    const QStringList offered = descriptions(request.filters);
    QVERIFY2(offered.contains("PNG pictures") && offered.contains("All pictures"),
             qPrintable(offered.join(", ")));
    QVERIFY(request.filters[1].patterns.contains("*.png"));
    QVERIFY(request.filters[1].patterns.contains("*.jpg"));

    // A PNG chosen there loads like any picture.
    const QString path = savePicture("photo.png", patternPicture({120, 80}), "PNG");
    loadThroughDialog(path);
    QVERIFY2(m_dialogs->messages.isEmpty(), qPrintable(m_dialogs->messages.join('\n')));
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, MenuTint{}));
}

void TestLoadFlow::dialogOpensInTheLastPicturesFolder_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("loaded through the dialog") << "dialog";
    QTest::newRow("dropped on the window") << "drop";
    QTest::newRow("named on the command line") << "command line";
}

void TestLoadFlow::dialogOpensInTheLastPicturesFolder() {
    QFETCH(QString, way);
    // The very first dialog opens where the dialog chooses.
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(m_dialogs->openFileCalls.constLast().folder, QString());

    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("holiday")));
    const QString folder = m_dir->filePath(QStringLiteral("holiday"));
    const QString path = folder + QStringLiteral("/beach.bmp");
    QVERIFY(patternPicture({120, 80}).save(path, "BMP"));
    if (way == "dialog") {
        loadThroughDialog(path);
    } else if (way == "drop") {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at = m_window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &drop);
    } else {
        m_window->openPicture(path);
    }
    QVERIFY(m_ws->hasSkin());

    // A picture that cannot be loaded leaves the folder as it was.
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("pictures/broken.bmp")), "BM broken"));
    loadThroughDialog(m_dir->filePath(QStringLiteral("pictures/broken.bmp")));
    QCOMPARE(m_dialogs->messages.size(), 1);

    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(QDir(m_dialogs->openFileCalls.constLast().folder), QDir(folder));

    // A new window finds it in the settings.
    m_window.reset();
    m_window = std::make_unique<Varnel>(*m_dialogs, *m_ws, m_host);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(QDir(m_dialogs->openFileCalls.constLast().folder), QDir(folder));
}

void TestLoadFlow::scenePreviewShowsTheWholeSurface() {
    // The picture's bottom rows are green; stretched, they are the Scene surface's bottom rows.
    QImage picture = patternPicture({100, 100});
    QPainter(&picture).fillRect(0, 90, 100, 10, QColor(0, 255, 0));
    loadThroughDialog(savePicture("band.bmp", picture, "BMP"));
    auto* preview = control<ImagePreview>("Xpress3");
    const QImage surface = preview->picture();
    QCOMPARE(surface.size(), QSize(300, 550));
    QCOMPARE(surface.pixel(150, 549), qRgb(0, 255, 0));

    // The box (316 x 533) is lower than the surface: the surface is scaled to fit, centred.
    QCOMPARE(preview->size(), QSize(316, 533));
    QCOMPARE(preview->shownRect(), QRect(13, 0, 290, 533));
    const QImage shown = grabbed(preview);
    for (int x = 20; x < 290; x += 30)
        QCOMPARE(shown.pixel(x, 532), qRgb(0, 255, 0));
    QCOMPARE(shown.copy(preview->shownRect()),
             surface.scaled(QSize(290, 533), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    // A press on the shown picture's last row is on the surface's last row.
    QCOMPARE(preview->pictureAt(QPointF(158.5, 532.5)), QPoint(150, 549));
    QCOMPARE(preview->pictureAt(QPointF(13, 0)), QPoint(0, 0));
    QVERIFY(preview->pictureAt(QPointF(5, 100)).x() < 0);
}

QTEST_MAIN(TestLoadFlow)
#include "tst_loadflow.moc"
