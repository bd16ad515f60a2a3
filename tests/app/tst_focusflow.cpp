#include "tests/app/windowflowtest.h"

// Picture fit: switching it, and moving the focus with Fill: by pointer, kept by a tint, a
// failing move reported once.
class TestFocusFlow : public WindowFlowTest {
    Q_OBJECT

private slots:
    void switchingTheFitRecomposes();
    void pressOnAPreviewMovesTheFocus_data();
    void pressOnAPreviewMovesTheFocus();
    void draggingMovesTheFocusAlong();
    void stretchIgnoresPresses();
    void tintKeepsTheFocusAndANewLoadResetsIt();
    void aFailingFocusMoveIsReportedOnce();
};

void TestFocusFlow::switchingTheFitRecomposes() {
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

void TestFocusFlow::pressOnAPreviewMovesTheFocus_data() {
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QPoint>("marker"); // in the 1600 x 600 picture, shown at the centre focus
    QTest::newRow("Main") << "Xpress1" << QPoint(1000, 150);
    QTest::newRow("Scene") << "Xpress3" << QPoint(700, 450);
    QTest::newRow("Console") << "Xpress4" << QPoint(200, 500);
    QTest::newRow("Chat") << "Xpress5" << QPoint(1400, 100);
}

void TestFocusFlow::pressOnAPreviewMovesTheFocus() {
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
    QCOMPARE(grabbed(target).copy(target->shownRect()), expectedShown(target));
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

void TestFocusFlow::draggingMovesTheFocusAlong() {
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

void TestFocusFlow::stretchIgnoresPresses() {
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

void TestFocusFlow::tintKeepsTheFocusAndANewLoadResetsIt() {
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

void TestFocusFlow::aFailingFocusMoveIsReportedOnce() {
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

QTEST_MAIN(TestFocusFlow)
#include "tst_focusflow.moc"
