#include "app/imagepreview.h"
#include "app/qtdialogs.h"
#include "app/screenfit.h"
#include "app/varnel.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "compose/tintsuggestion.h"
#include "fakedialogs.h"
#include "slider/ucslider.h"
#include "temporarysettings.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString EnterName = QStringLiteral("Enter a name for your Skin.");
const QString Exported = QStringLiteral("Your skin has been exported to Norvo.");
const QSize Design(1384, 898);

QImage patternPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 5) % 256, (y * 3) % 256, (x * 7 + y * 13) % 200));
    return image;
}

QList<QImage> surfacesOf(const SkinWorkspace& ws) {
    QList<QImage> images;
    for (const QImage& picture : ws.finishedSurfaces().pictures)
        images.append(picture);
    return images;
}

QList<QImage> composedSurfaces(const QString& path, MenuTint tint, Framing framing = {}) {
    SkinWorkspace ws;
    ws.framing = framing;
    loadDecodedPicture(ws, Imaging::readPicture(path, largestSurfaceSize()), tint);
    return surfacesOf(ws);
}

QList<int> valuesOf(MenuTint tint) {
    return {tint.hue, tint.saturation, tint.lightness};
}

} // namespace

Q_DECLARE_METATYPE(FocusPoint)
Q_DECLARE_METATYPE(ScreenFit)

namespace QTest {
template <> char* toString(const FocusPoint& focus) {
    return qstrdup(QByteArray::number(focus.x) + ", " + QByteArray::number(focus.y));
}
template <> char* toString(const ScreenFit& fit) {
    return qstrdup(QStringLiteral("scrolls %1, %2 x %3 at %4, %5")
                       .arg(fit.scrolls)
                       .arg(fit.clientSize.width())
                       .arg(fit.clientSize.height())
                       .arg(fit.framePosition.x())
                       .arg(fit.framePosition.y())
                       .toUtf8());
}
} // namespace QTest

class TestWindowAccess : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void accessibleNames_data();
    void accessibleNames();
    void command3SaysWhatItDoesToEveryone();
    void replaceQuestionIsCancelUnlessReplaceIsChosen_data();
    void replaceQuestionIsCancelUnlessReplaceIsChosen();
    void tabChain_data();
    void tabChain();
    void enterInTheNameBoxSaves();
    void shortcutsRunTheButtons();
    void sliderKeysPreviewThenRecompose();
    void suggestTintReachesTheSliders();
    void previewArrowKeysMoveTheFocus_data();
    void previewArrowKeysMoveTheFocus();
    void previewFocusFrameHugsThePicture_data();
    void previewFocusFrameHugsThePicture();
    void screenFit_data();
    void screenFit();
    void screenFitHoldsTheWholeFrame_data();
    void screenFitHoldsTheWholeFrame();
    void windowOnALargeScreenIsAsDesigned();
    void windowOnASmallScreenScrolls_data();
    void windowOnASmallScreenScrolls();

private:
    template <typename T = QWidget> T* control(const char* name) const {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("The window has no control %s", name);
        return found;
    }
    QString load(QSize size = QSize(1600, 600));
    void activate();
    void prepareHost();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<SkinWorkspace> m_ws;
    std::unique_ptr<Varnel> m_window;
    QString m_host;
    QString m_program;
};

void TestWindowAccess::initTestCase() {
    // The offscreen platform has no accessibility bridge: Qt sends no accessibility events
    // there, so what a reader hears is checked through the interfaces here and through the
    // real bridge in the package test.
}

void TestWindowAccess::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_host = m_dir->filePath(QStringLiteral("Host"));
    m_program = m_dir->filePath(QStringLiteral("Program"));
    keepSettingsIn(m_dir->filePath(QStringLiteral("settings")));
    m_dialogs = std::make_unique<FakeDialogs>();
    m_ws = std::make_unique<SkinWorkspace>();
    m_window = std::make_unique<Varnel>(*m_dialogs, *m_ws, m_host);
    m_window->setProgramFolder(m_program);
}

void TestWindowAccess::cleanup() {
    m_window.reset();
    m_ws.reset();
    m_dialogs.reset();
    m_dir.reset();
}

QString TestWindowAccess::load(QSize size) {
    QString path = m_dir->filePath(QStringLiteral("picture.bmp"));
    if (!patternPicture(size).save(path, "BMP"))
        qFatal("Could not write the test picture");
    m_window->openPicture(path);
    if (!m_dialogs->messages.isEmpty())
        qFatal("Loading failed: %s", qPrintable(m_dialogs->messages.join(' ')));
    return path;
}

void TestWindowAccess::activate() {
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestWindowAccess::prepareHost() {
    QVERIFY(QDir().mkpath(m_host + QStringLiteral("/Skins")));
    QVERIFY(QDir().mkpath(m_program));
    QFile skin(m_program + QStringLiteral("/DefaultSkin.txt"));
    QVERIFY(skin.open(QIODevice::WriteOnly) && skin.write("Font=Tahoma\r\n") > 0);
}

void TestWindowAccess::accessibleNames_data() {
    QTest::addColumn<QString>("name"); // objectName; empty for the window
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("descriptionHas");

    auto row = [](const char* object, QAccessible::Role role, const char* name,
                  const char* description = "") {
        QTest::newRow(*object ? object : "the window")
            << QString::fromLatin1(object) << int(role) << QString::fromLatin1(name)
            << QString::fromLatin1(description);
    };
    row("", QAccessible::Window, "Norvo 7 Varnel");
    row("Command1", QAccessible::Button, "Load Image");
    row("ucSlider1", QAccessible::Slider, "Menu Hue");
    row("ucSlider2", QAccessible::Slider, "Menu Saturation");
    row("ucSlider3", QAccessible::Slider, "Menu Lightness");
    row("Text1", QAccessible::EditableText, "Name Your Skin");
    row("Command2", QAccessible::Button, "Save Skin");
    row("Command3", QAccessible::Button, "Command3", "Console and Chat");
    row("optStretch", QAccessible::RadioButton, "Picture fit: Stretch");
    row("optFill", QAccessible::RadioButton, "Picture fit: Fill");
    row("Xpress1", QAccessible::Graphic, "Main window picture");
    row("Xpress3", QAccessible::Graphic, "Scene window picture");
    row("Xpress4", QAccessible::Graphic, "Console border picture");
    row("Xpress5", QAccessible::Graphic, "Chat window picture");
    row("Xpress2", QAccessible::Graphic, "MENU strip picture");
}

void TestWindowAccess::accessibleNames() {
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, accessibleName);
    QFETCH(QString, descriptionHas);

    QWidget* widget = name.isEmpty() ? m_window.get() : control(qPrintable(name));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), accessibleName);
    QVERIFY2(iface->text(QAccessible::Description).contains(descriptionHas),
             qPrintable(iface->text(QAccessible::Description)));
}

void TestWindowAccess::command3SaysWhatItDoesToEveryone() {
    // The caption says nothing; the tooltip says what the screen reader reads.
    QWidget* command3 = control("Command3");
    QVERIFY(command3->toolTip().contains(QLatin1String("d:/p2.bmp and d:/p3.bmp")));
    QCOMPARE(command3->toolTip(), command3->accessibleDescription());
}

void TestWindowAccess::replaceQuestionIsCancelUnlessReplaceIsChosen_data() {
    QTest::addColumn<int>("key"); // 0: the Replace button clicked instead
    QTest::addColumn<bool>("replace");
    QTest::newRow("Enter: Cancel is the default") << int(Qt::Key_Return) << false;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
    QTest::newRow("Replace clicked") << 0 << true;
}

void TestWindowAccess::replaceQuestionIsCancelUnlessReplaceIsChosen() {
    QFETCH(int, key);
    QFETCH(bool, replace);
    QtDialogs dialogs(m_window.get());
    QString title;
    QString text;
    QStringList buttons;
    QTimer::singleShot(0, m_window.get(), [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            qFatal("The question is not on screen");
        title = box->windowTitle();
        text = box->text();
        for (const QAbstractButton* button : box->buttons())
            buttons.append(button->text());
        if (key != 0) {
            QTest::keyClick(box, Qt::Key(key));
            return;
        }
        for (QAbstractButton* button : box->buttons())
            if (button->text() == QLatin1String("Replace"))
                button->click();
    });

    QCOMPARE(
        dialogs.confirm(QStringLiteral("Replace the skin \"KbSun\"?"), QStringLiteral("Replace")),
        replace);
    QCOMPARE(title, QStringLiteral("Varnel"));
    QCOMPARE(text, QStringLiteral("Replace the skin \"KbSun\"?"));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Cancel", "Replace"}));
}

void TestWindowAccess::tabChain_data() {
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<bool>("fill");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("order"); // from Load Image, back to it

    // The two fit choices are one stop, entered from either side whichever is chosen.
    QTest::newRow("at start: the buttons, the name box and the fit")
        << false << false << int(Qt::Key_Tab)
        << QStringList{"Command2", "Text1", "Command3", "optStretch", "Command1"};
    QTest::newRow("picture loaded: the sliders after Load Image")
        << true << false << int(Qt::Key_Tab)
        << QStringList{"ucSlider1", "ucSlider2",  "ucSlider3",   "Command2", "Text1",
                       "Command3",  "optStretch", "SuggestTint", "Command1"};
    QTest::newRow("Fill: the previews after the fit")
        << true << true << int(Qt::Key_Tab)
        << QStringList{"ucSlider1", "ucSlider2",   "ucSlider3", "Command2", "Text1",
                       "Command3",  "optStretch",  "Xpress1",   "Xpress3",  "Xpress4",
                       "Xpress5",   "SuggestTint", "Command1"};
    QTest::newRow("Fill, backwards")
        << true << true << int(Qt::Key_Backtab)
        << QStringList{"SuggestTint", "Xpress5",   "Xpress4", "Xpress3",  "Xpress1",
                       "optFill",     "Command3",  "Text1",   "Command2", "ucSlider3",
                       "ucSlider2",   "ucSlider1", "Command1"};
}

void TestWindowAccess::tabChain() {
    QFETCH(bool, loaded);
    QFETCH(bool, fill);
    QFETCH(int, key);
    QFETCH(QStringList, order);

    if (loaded)
        load();
    if (fill)
        control<QRadioButton>("optFill")->setChecked(true);
    activate();
    control("Command1")->setFocus();
    QStringList visited;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, order);
}

void TestWindowAccess::enterInTheNameBoxSaves() {
    prepareHost();
    load(QSize(100, 100));
    activate();
    auto* text1 = control<QLineEdit>("Text1");
    text1->setFocus();
    QTest::keyClick(text1, Qt::Key_Return);
    QCOMPARE(m_dialogs->messages, QStringList{EnterName});

    m_dialogs->messages.clear();
    QTest::keyClicks(text1, QStringLiteral("Ocean"));
    QTest::keyClick(text1, Qt::Key_Enter); // the keypad's Enter too
    QCOMPARE(m_dialogs->messages, QStringList{Exported});
    QVERIFY(text1->text().isEmpty());
    const QString main = m_host + QStringLiteral("/Skins/OceanMain.bmp");
    QCOMPARE(QImage(main).convertToFormat(QImage::Format_RGB32),
             m_ws->finishedSurfaces()[SurfaceId::Main]);
}

void TestWindowAccess::shortcutsRunTheButtons() {
    prepareHost();
    activate();
    // Ctrl+O: Load Image's dialog.
    const QString path = m_dir->filePath(QStringLiteral("picture.bmp"));
    QVERIFY(patternPicture({100, 100}).save(path, "BMP"));
    m_dialogs->scriptedFiles = {path};
    QTest::keyClick(m_window.get(), Qt::Key_O, Qt::ControlModifier);
    QTRY_COMPARE(m_dialogs->openFileRequests.size(), 1);
    QTRY_VERIFY(m_ws->hasSkin());

    // Ctrl+S: Save Skin, wherever the focus is.
    control<QLineEdit>("Text1")->setText(QStringLiteral("Dune"));
    control("Command1")->setFocus();
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
    QTRY_COMPARE(m_dialogs->messages, QStringList{Exported});
    QVERIFY(QFile::exists(m_host + QStringLiteral("/Skins/DuneMain.bmp")));
    // The captions stay as they are.
    QCOMPARE(control<QPushButton>("Command1")->text(), QStringLiteral("Load Image"));
    QCOMPARE(control<QPushButton>("Command2")->text(), QStringLiteral("Save Skin"));
}

void TestWindowAccess::sliderKeysPreviewThenRecompose() {
    const QString path = load(QSize(100, 100));
    activate();
    const QList<QImage> before = surfacesOf(*m_ws);
    auto* hue = control<ucSlider>("ucSlider1");
    control("Command1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), hue);

    // While the key is down the MENU strip shows the tint; the surfaces wait for the release.
    QTest::keyPress(hue, Qt::Key_PageUp);
    QTest::keyPress(hue, Qt::Key_Right);
    QCOMPARE(hue->Value(), 11);
    QCOMPARE(m_ws->menuStrip(), Imaging::adjustHsl(m_ws->Picture1.Picture, 11, 0, 0));
    QCOMPARE(surfacesOf(*m_ws), before);
    QTest::keyRelease(hue, Qt::Key_Right);
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, MenuTint{11, 0, 0}));
    QCOMPARE(QAccessible::queryAccessibleInterface(hue)->text(QAccessible::Value),
             QStringLiteral("11"));
    QVERIFY(m_dialogs->messages.isEmpty());

    // Through the accessibility interface: the same, at once.
    QAccessibleInterface* lightness = QAccessible::queryAccessibleInterface(control("ucSlider3"));
    lightness->valueInterface()->setCurrentValue(-30);
    QCOMPARE(valuesOf(m_window->menuTint()), (QList<int>{11, 0, -30}));
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, MenuTint{11, 0, -30}));
}

void TestWindowAccess::suggestTintReachesTheSliders() {
    load(QSize(100, 100));
    QAccessibleInterface* hue = QAccessible::queryAccessibleInterface(control("ucSlider1"));
    QVERIFY(!hue->state().disabled); // Load Image enabled it
    control<QPushButton>("SuggestTint")->click();
    const MenuTint tint = suggestMenuTint(*m_ws).tint;
    const std::pair<const char*, qint16> values[] = {
        {"ucSlider1", tint.hue}, {"ucSlider2", tint.saturation}, {"ucSlider3", tint.lightness}};
    for (const auto& [name, value] : values)
        QCOMPARE(QAccessible::queryAccessibleInterface(control(name))
                     ->valueInterface()
                     ->currentValue()
                     .toInt(),
                 int(value));
}

void TestWindowAccess::previewArrowKeysMoveTheFocus_data() {
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<FocusPoint>("focus");
    QTest::addColumn<QString>("description");

    QTest::newRow("Right: one percent")
        << "Xpress1" << QList<int>{Qt::Key_Right} << false << FocusPoint{0.51, 0.5}
        << "Focus point 51% across, 50% down";
    QTest::newRow("Shift+Left: ten percent")
        << "Xpress3" << QList<int>{Qt::Key_Left} << true << FocusPoint{0.4, 0.5}
        << "Focus point 40% across, 50% down";
    QTest::newRow("Up twice, Down once")
        << "Xpress4" << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Down} << false
        << FocusPoint{0.5, 0.49} << "Focus point 50% across, 49% down";
    QTest::newRow("Shift+Down six times: stops at the edge")
        << "Xpress5" << QList<int>(6, Qt::Key_Down) << true << FocusPoint{0.5, 1.0}
        << "Focus point 50% across, 100% down";
}

void TestWindowAccess::previewArrowKeysMoveTheFocus() {
    QFETCH(QString, preview);
    QFETCH(QList<int>, keys);
    QFETCH(bool, shift);
    QFETCH(FocusPoint, focus);
    QFETCH(QString, description);

    const QString path = load();
    auto* shown = control<ImagePreview>(qPrintable(preview));
    QCOMPARE(shown->focusPolicy(), Qt::NoFocus); // Stretch: nothing to steer
    control<QRadioButton>("optFill")->setChecked(true);
    QCOMPARE(shown->focusPolicy(), Qt::TabFocus);
    activate();
    shown->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), shown);

    for (int key : keys)
        QTest::keyClick(shown, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(m_ws->framing, (Framing{Fit::Fill, focus}));
    QCOMPARE(surfacesOf(*m_ws), composedSurfaces(path, MenuTint{}, m_ws->framing));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(shown);
    QVERIFY(iface->text(QAccessible::Description).startsWith(description));
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestWindowAccess::previewFocusFrameHugsThePicture_data() {
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QRect>("framed"); // where the picture shows in the preview
    QTest::newRow("Main: a box wider and higher than its picture")
        << "Xpress1" << QRect(0, 0, 800, 629);
    QTest::newRow("Scene: a picture scaled to fit") << "Xpress3" << QRect(13, 0, 290, 533);
}

void TestWindowAccess::previewFocusFrameHugsThePicture() {
    QFETCH(QString, preview);
    QFETCH(QRect, framed);
    load();
    control<QRadioButton>("optFill")->setChecked(true);
    auto* shown = control<ImagePreview>(qPrintable(preview));
    QPalette palette = shown->palette();
    palette.setColor(QPalette::Highlight, QColor(0, 200, 0));
    shown->setPalette(palette);
    activate();
    // Tab from Picture fit to the preview: a focus the keyboard brought.
    control("optFill")->setFocus();
    while (QApplication::focusWidget() != shown &&
           QApplication::focusWidget()->objectName() != "SuggestTint")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), shown);

    const QImage focused = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb frame = qRgb(0, 200, 0);
    for (const QPoint at : {framed.topLeft(), framed.topRight(), framed.bottomLeft(),
                            framed.bottomRight(), QPoint(framed.center().x(), framed.bottom()),
                            QPoint(framed.right(), framed.center().y())})
        QCOMPARE(focused.pixel(at), frame);
    // Nothing of it beside the picture.
    const QRgb background = m_window->palette().color(QPalette::Window).rgb();
    for (int x = framed.right() + 1; x < focused.width(); ++x)
        QCOMPARE(focused.pixel(x, framed.center().y()), background);
    for (int y = framed.bottom() + 1; y < focused.height(); ++y)
        QCOMPARE(focused.pixel(framed.center().x(), y), background);
}

void TestWindowAccess::screenFit_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<ScreenFit>("fit");

    const QMargins frame(4, 30, 4, 4);
    Q_UNUSED(frame);
    QTest::newRow("1920 x 1080: as designed")
        << QRect(0, 0, 1920, 1040) << ScreenFit{false, Design, {}};
    QTest::newRow("exactly the design plus the frame: as designed")
        << QRect(0, 0, 1392, 932) << ScreenFit{false, Design, {}};
    QTest::newRow("1366 x 768 below a panel: scrolls in both directions")
        << QRect(0, 32, 1366, 736) << ScreenFit{true, QSize(1358, 702), QPoint(0, 32)};
    QTest::newRow("200 % on 1920 x 1080: scrolls in both directions")
        << QRect(0, 0, 960, 540) << ScreenFit{true, QSize(952, 506), QPoint(0, 0)};
    QTest::newRow("wide but short: a vertical bar only")
        << QRect(100, 0, 2560, 800) << ScreenFit{true, QSize(1384 + 15, 766), QPoint(100, 0)};
}

void TestWindowAccess::screenFit() {
    QFETCH(QRect, available);
    QFETCH(ScreenFit, fit);
    QCOMPARE(fitToScreen(Design, available, QMargins(4, 30, 4, 4), 15), fit);
}

void TestWindowAccess::screenFitHoldsTheWholeFrame_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<ScreenFit>("fit");

    QTest::newRow("1366 x 768, a 40-pixel title bar")
        << QRect(0, 0, 1366, 768) << QMargins(4, 40, 4, 4)
        << ScreenFit{true, QSize(1358, 724), QPoint(0, 0)};
    QTest::newRow("1366 x 768 below a panel, a thin frame")
        << QRect(0, 27, 1366, 741) << QMargins(1, 28, 1, 1)
        << ScreenFit{true, QSize(1364, 712), QPoint(0, 27)};
    QTest::newRow("no frame at all")
        << QRect(0, 0, 1366, 768) << QMargins() << ScreenFit{true, QSize(1366, 768), QPoint(0, 0)};
    QTest::newRow("a second screen to the left, panel on its left")
        << QRect(-1366, 0, 1366, 768).adjusted(48, 0, 0, 0) << QMargins(4, 37, 4, 4)
        << ScreenFit{true, QSize(1310, 727), QPoint(-1318, 0)};
}

void TestWindowAccess::screenFitHoldsTheWholeFrame() {
    QFETCH(QRect, available);
    QFETCH(QMargins, frame);
    QFETCH(ScreenFit, fit);
    const ScreenFit found = fitToScreen(Design, available, frame, 15);
    QCOMPARE(found, fit);
    // Title bar and frame included, the window lies inside the area, its top-left corner on
    // the area's.
    const QRect outer(found.framePosition, found.clientSize.grownBy(frame));
    QVERIFY(available.contains(outer));
    QCOMPARE(outer.topLeft(), available.topLeft());
}

void TestWindowAccess::windowOnALargeScreenIsAsDesigned() {
    QList<QRect> designed;
    const QList<QWidget*> controls =
        m_window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget* c : controls)
        designed.append(c->geometry());
    QVERIFY(!frameForScreen(*m_window, QRect(0, 0, 1920, 1040)));
    QVERIFY(m_window->isWindow());
    QCOMPARE(m_window->size(), Design);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QCOMPARE(controls[i]->parentWidget(), m_window.get());
        QCOMPARE(controls[i]->geometry(), designed[i]);
    }
}

void TestWindowAccess::windowOnASmallScreenScrolls_data() {
    QTest::addColumn<QRect>("available");
    QTest::newRow("1366 x 768") << QRect(0, 0, 1366, 768);
    QTest::newRow("200 % on 1920 x 1080") << QRect(0, 0, 960, 540);
}

void TestWindowAccess::windowOnASmallScreenScrolls() {
    QFETCH(QRect, available);
    const QList<QWidget*> controls =
        m_window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QList<QRect> designed;
    for (const QWidget* c : controls)
        designed.append(c->geometry());

    {
        const std::unique_ptr<ScrollingFrame> frame = frameForScreen(*m_window, available);
        QVERIFY(frame);
        QCOMPARE(frame->windowTitle(), QStringLiteral("Norvo 7 Varnel"));
        QCOMPARE(QAccessible::queryAccessibleInterface(frame.get())->role(), QAccessible::Window);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QVERIFY(available.contains(QRect(frame->pos(), frame->size())));
        // Once the window system tells the frame it drew (the offscreen one draws 2 pixels
        // each side, not the estimate), the window and its frame fill the area exactly.
        QTRY_COMPARE(frame->frameGeometry(), available);
        QCOMPARE(m_window->size(), Design);
        // Every control keeps its place in the window and can be scrolled into view.
        for (qsizetype i = 0; i < controls.size(); ++i) {
            QWidget* c = controls[i];
            QCOMPARE(c->geometry(), designed[i]);
            if (c->isHidden())
                continue;
            frame->ensureWidgetVisible(c, 0, 0);
            const QRect shown(c->mapTo(frame->viewport(), QPoint(0, 0)), c->size());
            const QRect visible = frame->viewport()->rect();
            QVERIFY2(visible.contains(shown) || shown.contains(visible) ||
                         (c->width() > visible.width() || c->height() > visible.height()),
                     qPrintable(c->objectName()));
        }
        // Tab scrolls to the control it reaches.
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        frame->horizontalScrollBar()->setValue(0);
        frame->verticalScrollBar()->setValue(0);
        control("Command3")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optStretch"));
        const QRect fit(control("optStretch")->mapTo(frame->viewport(), QPoint(0, 0)),
                        control("optStretch")->size());
        QVERIFY(frame->viewport()->rect().contains(fit));
        // The whole chain goes round the controls only, the frame is no stop of its own.
        QStringList visited;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, (QStringList{"Command1", "Command2", "Text1", "Command3", "optStretch"}));
    }
    // The frame hands the window back.
    QVERIFY(!m_window->parentWidget());
}

QTEST_MAIN(TestWindowAccess)
#include "tst_windowaccess.moc"
