#include "tests/app/windowflowtest.h"

// Save Skin and the snapshot, and the command line writing the same files as the window.
class TestSaveFlow : public WindowFlowTest {
    Q_OBJECT

private slots:
    void saveSkin();
    void saveSkinFailures_data();
    void saveSkinFailures();
    void snapshotWritesTheUntintedTemplates_data();
    void snapshotWritesTheUntintedTemplates();
    void snapshotFailureIsReported_data();
    void snapshotFailureIsReported();
    void theCommandLineWritesTheWindowsFiles();
    void bitmapsAreTheSameBothWays_data();
    void bitmapsAreTheSameBothWays();
    void commandLineOptionsSetUpTheWindow();
};

void TestSaveFlow::saveSkin() {
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

void TestSaveFlow::saveSkinFailures_data() {
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

void TestSaveFlow::saveSkinFailures() {
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

void TestSaveFlow::snapshotWritesTheUntintedTemplates_data() {
    QTest::addColumn<bool>("tinted");
    QTest::newRow("before any load") << false;
    QTest::newRow("after moving the sliders") << true;
}

void TestSaveFlow::snapshotWritesTheUntintedTemplates() {
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

void TestSaveFlow::snapshotFailureIsReported_data() {
    QTest::addColumn<bool>("folderInTheWay");
    QTest::newRow("no d: folder") << false;
    QTest::newRow("a folder in the way of p2.bmp") << true;
}

void TestSaveFlow::snapshotFailureIsReported() {
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

void TestSaveFlow::theCommandLineWritesTheWindowsFiles() {
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

void TestSaveFlow::bitmapsAreTheSameBothWays_data() {
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

void TestSaveFlow::bitmapsAreTheSameBothWays() {
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

void TestSaveFlow::commandLineOptionsSetUpTheWindow() {
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

QTEST_MAIN(TestSaveFlow)
#include "tst_saveflow.moc"
