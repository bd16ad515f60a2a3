#include "tests/app/windowflowtest.h"

#include "export/filereplace.h"

#include <QAccessible>

// Save Skin and the snapshot, and the command line writing the same files as the window.
class TestSaveFlow : public WindowFlowTest {
    Q_OBJECT

private slots:
    void saveSkin();
    void saveSkinFailures_data();
    void saveSkinFailures();
    void replacingASkinAsksFirst_data();
    void replacingASkinAsksFirst();
    void saveWaitsForAnotherSaveOfTheSkin_data();
    void saveWaitsForAnotherSaveOfTheSkin();
    void snapshotWritesTheUntintedTemplates_data();
    void snapshotWritesTheUntintedTemplates();
    void snapshotFailureIsReported_data();
    void snapshotFailureIsReported();
    void snapshotAsksBeforeReplacing_data();
    void snapshotAsksBeforeReplacing();
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

void TestSaveFlow::replacingASkinAsksFirst_data() {
    QTest::addColumn<QStringList>("there");  // files already in the Skins folder
    QTest::addColumn<QString>("savedFirst"); // saved by this window first, or nothing
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("question"); // empty: none asked
    QTest::addColumn<bool>("replace");

    const QStringList kbSun{"KbSunMain.bmp", "KbSunScene.bmp", "KbSunChat.bmp", "KbSunConsole.bmp",
                            "KbSun.skn"};
    const QString sameName = QStringLiteral("Replace the skin \"KbSun\"?|Replace");
    const QString otherCase = QStringLiteral("Replace the skin \"kbsun\"?|Replace");
    QTest::newRow("same name, cancelled") << kbSun << ""
                                          << "KbSun" << sameName << false;
    QTest::newRow("same name, replaced") << kbSun << ""
                                         << "KbSun" << sameName << true;
    QTest::newRow("other letter case, cancelled") << kbSun << ""
                                                  << "kbsun" << otherCase << false;
    QTest::newRow("other letter case, replaced") << kbSun << ""
                                                 << "kbsun" << otherCase << true;
    QTest::newRow("one file of the skin left, cancelled") << QStringList{"kbSUN.skn"} << ""
                                                          << "kbsun" << otherCase << false;
    QTest::newRow("new name") << kbSun << ""
                              << "Dune"
                              << "" << false;
    QTest::newRow("the skin this window last saved") << QStringList() << "KbSun"
                                                     << "kbsun"
                                                     << "" << false;
}

void TestSaveFlow::replacingASkinAsksFirst() {
    QFETCH(QStringList, there);
    QFETCH(QString, savedFirst);
    QFETCH(QString, name);
    QFETCH(QString, question);
    QFETCH(bool, replace);

    prepareHost();
    const QString skins = m_host + QStringLiteral("/Skins/");
    for (const QString& file : there)
        QVERIFY(writeBytes(skins + file, "an earlier skin's " + file.toUtf8()));
    loadThroughDialog(savePicture("picture.bmp", patternPicture({100, 100}), "BMP"));
    auto* text1 = control<QLineEdit>("Text1");
    if (!savedFirst.isEmpty()) {
        QTest::keyClicks(text1, savedFirst);
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(m_dialogs->messages, QStringList{Exported});
        m_dialogs->messages.clear();
    }
    const auto before = filesBelow(m_host);
    m_dialogs->answers = {replace};

    QTest::keyClicks(text1, name);
    QTest::keyClick(text1, Qt::Key_Return);

    QCOMPARE(m_dialogs->questions, question.isEmpty() ? QStringList() : QStringList{question});
    if (!question.isEmpty() && !replace) {
        QCOMPARE(m_dialogs->messages, QStringList());
        QCOMPARE(filesBelow(m_host), before);
        QCOMPARE(text1->text(), name);
        return;
    }
    QCOMPARE(m_dialogs->messages, QStringList{Exported});
    QVERIFY(text1->text().isEmpty());
    // The skin under the name as typed, and no second spelling of it beside.
    QStringList expected = there;
    if (name.compare(QStringLiteral("KbSun"), Qt::CaseInsensitive) == 0)
        expected.clear();
    for (const char* word : {"Main.bmp", "Scene.bmp", "Chat.bmp", "Console.bmp"})
        expected.append(name + QLatin1String(word));
    expected.append(name + QStringLiteral(".skn"));
    QStringList left = QDir(skins).entryList(QDir::Files | QDir::Hidden);
#ifdef Q_OS_WIN
    // Windows may keep the earlier spelling of a file it replaced.
    left = left.join(u'/').toLower().split(u'/');
    expected = expected.join(u'/').toLower().split(u'/');
#endif
    left.sort();
    expected.sort();
    QCOMPARE(left, expected);
    QCOMPARE(QImage(skins + name + "Main.bmp").convertToFormat(QImage::Format_RGB32),
             shownPicture("Xpress1"));
}

void TestSaveFlow::saveWaitsForAnotherSaveOfTheSkin_data() {
    QTest::addColumn<QString>("end"); // how the wait ends

    QTest::newRow("the other save ends") << "release";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("Cancel Save") << "cancel";
    QTest::newRow("the other save outlasts the wait") << "timeout";
}

void TestSaveFlow::saveWaitsForAnotherSaveOfTheSkin() {
    QFETCH(QString, end);

    prepareHost();
    loadThroughDialog(savePicture("picture.bmp", patternPicture({100, 100}), "BMP"));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    if (end == "timeout")
        m_window->setSaveWaitLimit(0);
    const QString skins = m_host + QStringLiteral("/Skins/");
    // Another save of the skin, under another spelling of its name, holds the lock.
    auto other = std::make_unique<SaveLock>(skins + QStringLiteral("ocean.skn.varnel-lock"));
    QCOMPARE(other->lock(0), SaveLock::Outcome::Locked);
    const auto before = filesBelow(m_host);
    const QList<QImage> pressed = surfacesOf(*m_ws);
    auto* text1 = control<QLineEdit>("Text1");
    auto* status = control<QLabel>("lblSaveWait");
    auto* cancel = control<QPushButton>("CancelSave");
    QVERIFY(status->isHidden() && cancel->isHidden());
    QTest::keyClicks(text1, QStringLiteral("Ocean"));

    QTest::keyClick(text1, Qt::Key_Return);

    if (end == "timeout") {
        QTRY_COMPARE(m_dialogs->messages,
                     QStringList{"The skin could not be saved: another save of the skin "
                                 "\"Ocean\" is still running. Try again when it has ended."});
        QVERIFY(status->isHidden() && cancel->isHidden());
        QCOMPARE(filesBelow(m_host), before);
        QCOMPARE(text1->text(), QStringLiteral("Ocean"));
        return;
    }
    // Waiting, and saying so, while the window goes on answering.
    QVERIFY(status->isVisible() && cancel->isVisible());
    QCOMPARE(status->text(), QStringLiteral("Waiting for another save of the skin \"Ocean\" to "
                                            "end… Press Esc to cancel."));
    QCOMPARE(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name),
             status->text());
    QCOMPARE(m_window->cursor().shape(), Qt::BusyCursor);
    bool answered = false;
    QTimer::singleShot(0, m_window.get(), [&answered] { answered = true; });
    QTRY_VERIFY(answered);
    // A slider moved meanwhile changes the window, not the skin being saved.
    auto* hue = slider("ucSlider1");
    hue->setFocus();
    QTest::keyClick(hue, Qt::Key_End);
    QCOMPARE(hue->Value(), 100);
    QVERIFY(surfacesOf(*m_ws) != pressed);
    // A second press is no second save.
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QStringList());
    QCOMPARE(filesBelow(m_host), before);

    if (end == "release") {
        other.reset();
        QTRY_COMPARE(m_dialogs->messages, QStringList{Exported});
        QVERIFY(status->isHidden() && cancel->isHidden());
        QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(text1->text().isEmpty());
        QCOMPARE(QDir(skins).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Ocean.skn", "OceanChat.bmp", "OceanConsole.bmp", "OceanMain.bmp",
                              "OceanScene.bmp"}));
        QCOMPARE(QImage(skins + "OceanMain.bmp").convertToFormat(QImage::Format_RGB32),
                 pressed[int(SurfaceId::Main)]);
        return;
    }
    if (end == "escape")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
        QTest::mouseClick(cancel, Qt::LeftButton);
    // A shortcut clicks its button once the button has shown itself pressed.
    QTRY_VERIFY(status->isHidden() && cancel->isHidden());
    QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
    // Nothing is written once the other save has ended either.
    other.reset();
    QTest::qWait(500);
    QCOMPARE(m_dialogs->messages, QStringList());
    QCOMPARE(QDir(skins).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(text1->text(), QStringLiteral("Ocean"));
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
    // The system's reason, whole, in the brackets.
    QVERIFY2(m_dialogs->messages.constFirst().endsWith(QLatin1String(").")) &&
                 !m_dialogs->messages.constFirst().endsWith(QLatin1String("().")),
             qPrintable(m_dialogs->messages.constFirst()));
    QVERIFY(!QFileInfo(QStringLiteral("d:/p2.bmp")).isFile());
    QVERIFY(!QFileInfo::exists(QStringLiteral("d:/p3.bmp")));
}

void TestSaveFlow::snapshotAsksBeforeReplacing_data() {
    QTest::addColumn<QStringList>("there");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("replace");

    const QString both = QStringLiteral("Replace the files d:/p2.bmp and d:/p3.bmp?|Replace");
    QTest::newRow("p2.bmp there, cancelled")
        << QStringList{"p2.bmp"} << "Replace the file d:/p2.bmp?|Replace" << false;
    QTest::newRow("p3.bmp there, replaced")
        << QStringList{"p3.bmp"} << "Replace the file d:/p3.bmp?|Replace" << true;
    QTest::newRow("both there, cancelled") << QStringList{"p2.bmp", "p3.bmp"} << both << false;
    QTest::newRow("both there, replaced") << QStringList{"p2.bmp", "p3.bmp"} << both << true;
}

void TestSaveFlow::snapshotAsksBeforeReplacing() {
#ifdef Q_OS_WIN
    QSKIP("d: is a real drive on Windows");
#endif
    QFETCH(QStringList, there);
    QFETCH(QString, question);
    QFETCH(bool, replace);
    QVERIFY(QDir::setCurrent(m_dir->path()));
    QVERIFY(QDir().mkdir(QStringLiteral("d:")));
    for (const QString& file : there)
        QVERIFY(writeBytes(QStringLiteral("d:/") + file, "someone's " + file.toUtf8()));
    const auto before = filesBelow(QStringLiteral("d:"));
    m_dialogs->answers = {replace};

    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);

    QCOMPARE(m_dialogs->questions, QStringList{question});
    QCOMPARE(m_dialogs->messages, QStringList());
    if (!replace) {
        QCOMPARE(filesBelow(QStringLiteral("d:")), before);
        return;
    }
    QCOMPARE(QImage(QStringLiteral("d:/p2.bmp")).convertToFormat(QImage::Format_RGB32),
             m_ws->InChatMerge.Picture);
    QCOMPARE(QImage(QStringLiteral("d:/p3.bmp")).convertToFormat(QImage::Format_RGB32),
             m_ws->OutChatMerge.Picture);
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
