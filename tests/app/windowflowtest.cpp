#include "tests/app/windowflowtest.h"

void WindowFlowTest::initTestCase() {
    // The value tip window is raised on every press; the offscreen platform says it cannot.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message != QLatin1String("This plugin does not support raise()"))
                previous(type, context, message);
        });
}

void WindowFlowTest::init() {
    m_currentBefore = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("pictures")));
    m_host = m_dir->filePath(QStringLiteral("Host"));
    m_program = m_dir->filePath(QStringLiteral("Program"));
    keepSettingsIn(m_dir->filePath(QStringLiteral("settings")));

    m_dialogs = std::make_unique<FakeDialogs>();
    m_ws = std::make_unique<SkinWorkspace>();
    m_window = std::make_unique<Varnel>(*m_dialogs, *m_ws, m_host);
    m_window->setProgramFolder(m_program);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void WindowFlowTest::cleanup() {
    m_window.reset();
    m_ws.reset();
    m_dialogs.reset();
    QDir::setCurrent(m_currentBefore);
    m_dir.reset();
}

QList<bool> WindowFlowTest::slidersEnabled() const {
    QList<bool> enabled;
    for (const ucSlider* s : sliders())
        enabled.append(s->Enabled());
    return enabled;
}

QList<qint32> WindowFlowTest::sliderValues() const {
    QList<qint32> values;
    for (const ucSlider* s : sliders())
        values.append(s->Value());
    return values;
}

QString WindowFlowTest::savePicture(const QString& fileName, const QImage& image,
                                    const char* format) {
    QString path = m_dir->filePath(QStringLiteral("pictures/") + fileName);
    if (!image.save(path, format, 95))
        qFatal("Could not write the test picture %s", qPrintable(path));
    return path;
}

void WindowFlowTest::loadThroughDialog(const QString& path) {
    m_dialogs->scriptedFiles = {path};
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
}

void WindowFlowTest::drag(ucSlider* target, const QList<QPoint>& points) {
    pointer(target, points);
}

void WindowFlowTest::pointer(QWidget* target, const QList<QPoint>& points) {
    QWindow* window = m_window->windowHandle();
    auto at = [&](QPoint p) {
        return target->mapTo(m_window.get(), p);
    };
    QTest::mousePress(window, Qt::LeftButton, {}, at(points.constFirst()));
    for (qsizetype i = 1; i < points.size(); ++i)
        QTest::mouseMove(window, at(points[i]));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(points.constLast()));
}

void WindowFlowTest::chooseFill() {
    // On the round button itself: the blank space right of the text does not count.
    QRadioButton* fill = control<QRadioButton>("optFill");
    QTest::mouseClick(fill, Qt::LeftButton, {}, QPoint(8, fill->height() / 2));
    QCOMPARE(m_ws->framing.fit, Fit::Fill);
}

QString WindowFlowTest::loadMarkedInFill(const QList<QPoint>& markers) {
    QString path = savePicture("wide.bmp", markedPicture({1600, 600}, markers), "BMP");
    loadThroughDialog(path);
    chooseFill();
    return path;
}

QPointF WindowFlowTest::focusInPixels() const {
    const QSize size = m_ws->LoadedPicture.Picture.size();
    return QPointF(m_ws->framing.focus.x * size.width(), m_ws->framing.focus.y * size.height());
}

void WindowFlowTest::prepareHost() {
    QVERIFY(QDir().mkpath(m_host + QStringLiteral("/Skins")));
    QVERIFY(QDir().mkpath(m_program));
    QVERIFY(writeBytes(m_program + QStringLiteral("/DefaultSkin.txt"), DescriptionTemplate));
}
