#include "tests/app/windowflowtest.h"

#include <QWheelEvent>

// The tint: the three sliders, their previews and recompositions, failures during a drag, Suggest
// Tint and the value tip.
class TestTintFlow : public WindowFlowTest {
    Q_OBJECT

private slots:
    void disabledSlidersIgnoreThePointer_data();
    void disabledSlidersIgnoreThePointer();
    void sliderPreviewsAndRecomposes_data();
    void sliderPreviewsAndRecomposes();
    void recompositionFailureIsReportedOnce_data();
    void recompositionFailureIsReportedOnce();
    void previewFailureIsShownAfterTheDrag();
    void tintedArtworkOverAPhoto();
    void suggestTintSetsTheSlidersAndRecomposesOnce_data();
    void suggestTintSetsTheSlidersAndRecomposesOnce();
    void suggestTintIsReachedByKeyboard();
    void valueTipStaysOnTheScreen_data();
    void valueTipStaysOnTheScreen();
    void wheelPreviewsThenRecomposesOnce();
};

void TestTintFlow::disabledSlidersIgnoreThePointer_data() {
    QTest::addColumn<QList<QPoint>>("points");
    QTest::newRow("press on the rail beside the thumb") << QList<QPoint>{BesideThumb};
    QTest::newRow("thumb dragged to the right end") << QList<QPoint>{OnThumb, {80, 12}, {200, 12}};
    QTest::newRow("thumb dragged far out of the slider")
        << QList<QPoint>{OnThumb, {-40, 12}, {-300, 500}};
}

void TestTintFlow::disabledSlidersIgnoreThePointer() {
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

void TestTintFlow::sliderPreviewsAndRecomposes_data() {
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

void TestTintFlow::sliderPreviewsAndRecomposes() {
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

void TestTintFlow::recompositionFailureIsReportedOnce_data() {
    QTest::addColumn<int>("shift"); // how far each of the two drags moves the thumb
    QTest::newRow("released twice without moving") << 0;
    QTest::newRow("dragged twice, previews in between") << -15;
}

void TestTintFlow::recompositionFailureIsReportedOnce() {
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

void TestTintFlow::previewFailureIsShownAfterTheDrag() {
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

void TestTintFlow::tintedArtworkOverAPhoto() {
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

void TestTintFlow::suggestTintSetsTheSlidersAndRecomposesOnce_data() {
    QTest::addColumn<MenuTint>("before");
    QTest::newRow("from the untinted sliders") << MenuTint{};
    QTest::newRow("from a tint set by hand") << MenuTint{-85, 0, 0};
}

void TestTintFlow::suggestTintSetsTheSlidersAndRecomposesOnce() {
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

void TestTintFlow::suggestTintIsReachedByKeyboard() {
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

void TestTintFlow::valueTipStaysOnTheScreen_data() {
    QTest::addColumn<int>("windowTop"); // below the top of the screen's work area
    QTest::addColumn<bool>("above");    // where the tip of "Menu Hue" goes
    QTest::newRow("window at the top of the screen: below the thumb") << 0 << false;
    QTest::newRow("window lower down: above the thumb, as placed") << 100 << true;
}

void TestTintFlow::valueTipStaysOnTheScreen() {
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

QTEST_MAIN(TestTintFlow)
#include "tst_tintflow.moc"

void TestTintFlow::wheelPreviewsThenRecomposesOnce() {
    const QString path = savePicture("square.bmp", patternPicture({100, 100}), "BMP");
    loadThroughDialog(path);
    ucSlider* hue = slider("ucSlider1");
    QSignalSpy strip(m_ws.get(), &SkinWorkspace::menuStripTinted);
    QSignalSpy compositions(m_ws.get(), &SkinWorkspace::surfacesComposed);
    const QList<QImage> before = surfacesOf(*m_ws);

    // Three notches away from the user: the MENU strip follows each one.
    const QPointF at = hue->rect().center();
    for (int notch = 0; notch < 3; ++notch) {
        QWheelEvent turn(at, hue->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(hue, &turn);
    }
    QCOMPARE(hue->Value(), 3);
    QCOMPARE(strip.count(), 3);
    QCOMPARE(m_ws->menuStrip(), Imaging::adjustHsl(m_ws->Picture1.Picture, 3, 0, 0));
    QCOMPARE(surfacesOf(*m_ws), before);

    // The surfaces are rebuilt once, when the wheel rests.
    QTRY_COMPARE(compositions.count(), 1);
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, MenuTint{3, 0, 0}));
    QVERIFY(m_dialogs->messages.isEmpty());
}
