#include "app/handlerguard.h"
#include "app/imagepreview.h"
#include "app/qtdialogs.h"
#include "app/startup.h"
#include "app/varnel.h"
#include "art/builtinart.h"
#include "compose/skinworkspace.h"
#include "fakedialogs.h"
#include "slider/propertybag.h"
#include "slider/ucslider.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <stdexcept>

namespace {

const QString defaultFont;
const QString designFont = QStringLiteral("MS Sans Serif");

QString controlText(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    return QString();
}

QImage grabbed(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// True when every pixel of `area` that lies in `image` has `colour`.
bool isFilled(const QImage& image, QRect area, QRgb colour) {
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != colour)
                return false;
    return true;
}

// A picture whose every pixel differs from its neighbours, so any scaling shows.
QImage patternImage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * 7 + y * 13) % 256));
    return image;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dialogs = std::make_unique<FakeDialogs>();
        m_workspace = std::make_unique<SkinWorkspace>();
        m_window = std::make_unique<Varnel>(*m_dialogs, *m_workspace, QString());
    }

    void cleanup() {
        m_window.reset();
        m_workspace.reset();
        m_dialogs.reset();
    }

    // The start-up main() and the benchmark share: the load step's folder goes to the window.
    void startWindowGivesTheWindowTheHostFolder() {
#ifdef Q_OS_WIN
        QSKIP("Windows reads the registry, never a settings file");
#endif
        QTemporaryDir config;
        QVERIFY(QDir(config.path()).mkpath(QStringLiteral("Pellorwick")));
        QFile conf(config.filePath(QStringLiteral("Pellorwick/NORVO7.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nDirectory=/srv/Norvo 7\n");
        conf.close();
        const QByteArray before = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        FakeDialogs dialogs;
        SkinWorkspace workspace;
        const StartedWindow started = startWindow(dialogs, workspace);
        Varnel* window = started.window.get();
        if (before.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", before);
        QVERIFY(window);
        QCOMPARE(window->hostFolder(), QStringLiteral("/srv/Norvo 7"));
        QVERIFY(window->isVisible());
        QVERIFY(dialogs.messages.isEmpty());
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("focusable");

        auto row = [](const char* name, QRect geometry, const char* text, const QString& family,
                      qreal points, bool focusable) {
            QTest::newRow(name) << QString::fromLatin1(name) << geometry
                                << QString::fromLatin1(text) << family << points << focusable;
        };
        row("Command1", {26, 22, 81, 33}, "Load Image", defaultFont, 0, true);
        row("Xpress2", {181, 16, 163, 38}, "", defaultFont, 0, false);
        row("Label4", {625, 9, 112, 14}, "Name Your Skin", designFont, 9.75, false);
        row("Text1", {602, 33, 154, 24}, "", designFont, 12, true);
        row("Command2", {789, 20, 81, 33}, "Save Skin", defaultFont, 0, true);
        row("Command3", {920, 24, 81, 33}, "Command3", defaultFont, 0, true);
        row("Xpress3", {32, 80, 316, 533}, "", defaultFont, 0, false);
        row("Xpress1", {368, 80, 848, 635}, "", defaultFont, 0, false);
        row("Xpress4", {68, 738, 322, 130}, "", defaultFont, 0, false);
        row("Xpress5", {404, 711, 471, 186}, "", defaultFont, 0, false);
        row("Label5", {884, 719, 216, 43},
            "STEP 1: Load an image by clicking the Load Image Button.", designFont, 9.75, false);
        row("Label6", {884, 763, 216, 57},
            "STEP 2: Adjust your menus color and hue by using the sliders.", designFont, 9.75,
            false);
        row("Label7", {887, 824, 216, 67},
            "STEP 3: Type a name for your skin and click Save Skin. Run Norvo and a new Skin "
            "will be available for you.",
            designFont, 9.75, false);
        row("lblFit", {1228, 80, 148, 16}, "Picture fit", designFont, 9.75, false);
        row("optStretch", {1228, 100, 148, 24}, "Stretch", defaultFont, 0, true);
        row("optFill", {1228, 125, 148, 24}, "Fill", defaultFont, 0, true);
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(bool, focusable);

        auto* control = m_window->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), m_window.get());
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(controlText(control), text);
        QVERIFY(control->isEnabled());
        QVERIFY(!control->isHidden());
        QCOMPARE(bool(control->focusPolicy() & Qt::TabFocus), focusable);

        const QFont font = control->font();
        if (family.isEmpty()) {
            QCOMPARE(font, m_window->font());
        } else {
            QCOMPARE(font.family(), family);
            QCOMPARE(font.pointSizeF(), points);
            QVERIFY(font.bold());
        }
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            QVERIFY(label->wordWrap());
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        }
    }

    void window() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Norvo 7 Varnel"));
        QCOMPARE(m_window->size(), QSize(1384, 898));
        QVERIFY(m_window->minimumSize().width() < 1384 && m_window->maximumSize().width() > 1384);

        const QIcon icon = m_window->windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)));
        QVERIFY(sizes.contains(QSize(16, 16)));
        for (int size : {32, 16}) {
            const QImage shown = icon.pixmap(QSize(size, size))
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(shown, BuiltInArt::iconImage(size).convertToFormat(
                                QImage::Format_ARGB32_Premultiplied));
        }
    }

    // The fit choice lies in the free column right of the Main preview, above the place kept
    // for further controls from y = 190, over no other control; Stretch is chosen at start.
    void fitControlsUseTheFreeColumn() {
        const QRect column(1228, 80, 148, 110);
        const QStringList fitControls{"lblFit", "optStretch", "optFill"};
        for (const QWidget* control :
             m_window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (fitControls.contains(control->objectName())) {
                QVERIFY2(column.contains(control->geometry()), qPrintable(control->objectName()));
            } else {
                QVERIFY2(!column.intersects(control->geometry()),
                         qPrintable(control->objectName()));
            }
        }
        auto* stretch = m_window->findChild<QAbstractButton*>(QStringLiteral("optStretch"));
        auto* fill = m_window->findChild<QAbstractButton*>(QStringLiteral("optFill"));
        QVERIFY(stretch && fill);
        QVERIFY(stretch->isChecked() && !fill->isChecked());
        QCOMPARE(m_workspace->framing, Framing{});
    }

    void textBoxHasNoLengthLimit() {
        auto* text1 = m_window->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QVERIFY(text1);
        const QString longName(100000, QLatin1Char('a'));
        text1->setText(longName);
        QCOMPARE(text1->text(), longName);
    }

    void focusAndTabOrder_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("order");

        // The two fit choices are one stop, as a group of radio buttons is; the arrow keys
        // move between them.
        QTest::newRow("Tab") << int(Qt::Key_Tab)
                             << QStringList{"Command2", "Text1", "Command3", "optStretch",
                                            "Command1"};
        QTest::newRow("Shift+Tab")
            << int(Qt::Key_Backtab)
            << QStringList{"optFill", "Command3", "Text1", "Command2", "Command1"};
    }

    void focusAndTabOrder() {
        QFETCH(int, key);
        QFETCH(QStringList, order);

        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));

        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, order);
    }

    void resizeKeepsPlaces_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("enlarged") << QSize(1900, 1200);
        QTest::newRow("shrunk") << QSize(500, 300);
    }

    void resizeKeepsPlaces() {
        QFETCH(QSize, size);

        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        const QList<QWidget*> controls =
            m_window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(controls.size() >= 13);
        QList<QRect> before;
        for (const QWidget* control : controls)
            before.append(control->geometry());

        m_window->resize(size);
        QTRY_COMPARE(m_window->size(), size);
        for (int i = 0; i < controls.size(); ++i)
            QCOMPARE(controls[i]->geometry(), before[i]);
    }

    void menuStripPreview() {
        auto* preview = m_window->findChild<ImagePreview*>(QStringLiteral("Xpress2"));
        QVERIFY(preview);
        QCOMPARE(preview->picture(), m_workspace->menuStrip());

        const QImage strip = m_workspace->Picture1.Picture.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(strip.size(), QSize(159, 35));
        const QImage shown = grabbed(preview);
        QCOMPARE(shown.copy(0, 0, 159, 35), strip);
        const QRgb background = m_window->palette().color(QPalette::Window).rgb();
        QVERIFY(isFilled(shown, QRect(159, 0, 4, 38), background));
        QVERIFY(isFilled(shown, QRect(0, 35, 163, 3), background));
    }

    // The sliders draw the built-in rail and thumb, so regenerated art reaches the window.
    void tintSlidersShowTheBuiltInArt() {
        const SliderPicture rail = SliderPicture::bitmap(BuiltInArt::railImage());
        const SliderPicture thumb = SliderPicture::icon(BuiltInArt::thumbImage());
        QVERIFY(!rail.isNone() && !thumb.isNone());
        for (const char* name : {"ucSlider1", "ucSlider2", "ucSlider3"}) {
            auto* slider = m_window->findChild<ucSlider*>(QLatin1String(name));
            QVERIFY2(slider, name);
            QVERIFY2(slider->RailImage() == rail, name);
            QVERIFY2(slider->SliderImage() == thumb, name);
        }
    }

    void surfacePreviewsStartEmpty_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Xpress1", "Xpress3", "Xpress4", "Xpress5"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void surfacePreviewsStartEmpty() {
        QFETCH(QString, name);
        auto* preview = m_window->findChild<ImagePreview*>(name);
        QVERIFY(preview);
        QVERIFY(preview->picture().isNull());
        const QImage shown = grabbed(preview);
        QVERIFY(isFilled(shown, shown.rect(), m_window->palette().color(QPalette::Window).rgb()));
    }

    void previewFollowsItsSurface_data() {
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QRect>("shownAt");
        // The box is 316 x 533: what it holds shows unscaled at its top-left, anything else
        // whole, scaled down to fit and centred.
        QTest::newRow("larger than the preview") << QSize(400, 600) << QRect(0, 29, 316, 474);
        QTest::newRow("smaller than the preview") << QSize(100, 50) << QRect(0, 0, 100, 50);
        QTest::newRow("wider, shorter") << QSize(500, 20) << QRect(0, 260, 316, 12);
        QTest::newRow("the Scene surface") << QSize(300, 550) << QRect(13, 0, 290, 533);
    }

    void previewFollowsItsSurface() {
        QFETCH(QSize, pictureSize);
        QFETCH(QRect, shownAt);
        auto* preview = m_window->findChild<ImagePreview*>(QStringLiteral("Xpress3"));
        QVERIFY(preview);
        const QImage picture = patternImage(pictureSize);
        // What a composition keeps for the Scene surface is what its preview shows.
        SkinPictures skin;
        skin.surfaces[SurfaceId::Scene] = picture;
        m_workspace->keepSurfaces(skin);
        QCOMPARE(preview->picture(), picture);

        const QImage shown = grabbed(preview);
        QCOMPARE(preview->shownRect(), shownAt);
        QCOMPARE(shown.copy(shownAt), shownAt.size() == pictureSize
                                          ? picture
                                          : picture.scaled(shownAt.size(), Qt::IgnoreAspectRatio,
                                                           Qt::SmoothTransformation));

        const QRgb background = m_window->palette().color(QPalette::Window).rgb();
        QVERIFY(isFilled(shown, QRect(shownAt.right() + 1, 0, shown.width(), shown.height()),
                         background));
        QVERIFY(isFilled(shown, QRect(0, shownAt.bottom() + 1, shown.width(), shown.height()),
                         background));
        QVERIFY(isFilled(shown, QRect(0, 0, shownAt.left(), shown.height()), background));
        QVERIFY(isFilled(shown, QRect(0, 0, shown.width(), shownAt.top()), background));

        // Emptying the surface empties the preview.
        m_workspace->keepSurfaces(SkinPictures{});
        QVERIFY(isFilled(grabbed(preview), shown.rect(), background));
    }

    void handlersReportFailures_data() {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("no failure") << 0 << QStringList();
        QTest::newRow("standard exception")
            << 1
            << QStringList{QStringLiteral("Cannot write C:/Host/Skins/OceanMain.bmp: Disk "
                                          "full")};
        QTest::newRow("anything else thrown")
            << 2 << QStringList{QStringLiteral("An unexpected error stopped this action.")};
    }

    void handlersReportFailures() {
        QFETCH(int, failure);
        QFETCH(QStringList, messages);

        bool finished = false;
        runGuarded(*m_dialogs, [&] {
            if (failure == 1)
                throw std::runtime_error("Cannot write C:/Host/Skins/OceanMain.bmp: Disk full");
            if (failure == 2)
                throw 42;
            finished = true;
        });
        QCOMPARE(finished, failure == 0);
        QCOMPARE(m_dialogs->messages, messages);
    }

    void fileDialogFilter_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("offered");

        QTest::newRow("lower-case JPEG") << "photo.jpg" << true;
        QTest::newRow("camera's upper-case JPEG") << "IMG_0001.JPG" << true;
        QTest::newRow("mixed-case bitmap") << "Scan.Bmp" << true;
        QTest::newRow("other picture type") << "photo.png" << false;
        QTest::newRow("extension not at the end") << "photo.jpg.txt" << false;
        QTest::newRow("longer extension") << "photo.jpeg" << false;
    }

    void fileDialogFilter() {
        QFETCH(QString, fileName);
        QFETCH(bool, offered);

        const QString description = QStringLiteral("Images Files (*.bmp;*.jpg)");
        const QString filter =
            ::fileDialogFilter(description, {QStringLiteral("*.bmp"), QStringLiteral("*.jpg")});

        // How the file dialog splits a filter into its caption and its patterns.
        static const QRegularExpression split(
            QStringLiteral(R"(^(.*)\(([a-zA-Z0-9_.,*? +;#\-\[\]@\{\}/!<>\$%&=^~:\|]*)\)$)"));
        const QRegularExpressionMatch match = split.match(filter);
        QVERIFY(match.hasMatch());
        QCOMPARE(match.captured(1).trimmed(), description);

#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
        const auto sensitivity = Qt::CaseInsensitive;
#else
        const auto sensitivity = Qt::CaseSensitive;
#endif
        bool matched = false;
        for (const QString& pattern : match.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            matched =
                matched ||
                QRegularExpression::fromWildcard(pattern, sensitivity).match(fileName).hasMatch();
        QCOMPARE(matched, offered);
    }

private:
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<SkinWorkspace> m_workspace;
    std::unique_ptr<Varnel> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
