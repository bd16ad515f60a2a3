#include "app/varnel.h"

#include "app/accessibleroles.h"
#include "app/dialogs.h"
#include "app/handlerguard.h"
#include "app/imagepreview.h"
#include "app/picturechoice.h"
#include "art/builtinart.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "compose/tintsuggestion.h"
#include "export/filereplace.h"
#include "export/skinexport.h"
#include "export/skinname.h"
#include "slider/propertybag.h"
#include "slider/ucslider.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// The window is designed in twips, 15 to a logical pixel.
constexpr int fromTwips(int twips) {
    return (twips + 7) / 15;
}

void place(QWidget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height));
}

// The designed family is missing on most systems. The fallbacks are faces no wider than
// it, so the texts still fit their designed places (Arial and its look-alikes clip the
// last line of STEP 3); the last resort is the platform's sans-serif font at the same
// size and weight.
QFont boldFont(qreal points) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// Steps of the Fill focus from the keyboard, in percent of the picture's width or height.
constexpr int focusStep = 1;
constexpr int largeFocusStep = 10;

double steppedFraction(double fraction, int direction, int step) {
    const double percent = std::round(fraction * 100) + direction * step;
    return std::clamp(percent, 0.0, 100.0) / 100;
}

// setTabOrder passes over a widget that cannot take the focus now; the sliders and the
// previews take it only later (enabled, Fill), so the chain is linked with every stop open.
void linkTabChain(std::initializer_list<QWidget*> chain) {
    QList<std::pair<QWidget*, Qt::FocusPolicy>> policies;
    for (QWidget* widget : chain) {
        policies.append({widget, widget->focusPolicy()});
        widget->setFocusPolicy(Qt::TabFocus);
    }
    QWidget* previous = nullptr;
    for (QWidget* widget : chain) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    for (const auto& [widget, policy] : policies)
        widget->setFocusPolicy(policy);
}

// Whether the caption shows whole: a label's words each fit its width and its lines its
// height (a one-line label may be a little lower than its line); a button's text fits
// beside its frame or round mark.
bool captionFits(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QFontMetrics metrics(label->font());
        const int width = label->contentsRect().width();
        const QStringList words = label->text().split(u' ', Qt::SkipEmptyParts);
        return std::all_of(
                   words.cbegin(), words.cend(),
                   [&](const QString& word) { return metrics.horizontalAdvance(word) <= width; }) &&
               label->heightForWidth(label->width()) <=
                   std::max(label->height(), label->heightForWidth(QWIDGETSIZE_MAX));
    }
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button)
        return true;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(qobject_cast<QRadioButton*>(button)
                                                           ? QStyle::SE_RadioButtonContents
                                                           : QStyle::SE_PushButtonContents,
                                                       &option, button);
    return QFontMetrics(button->font()).horizontalAdvance(button->text()) <= room.width();
}

// A caption that another language made longer than its control is set smaller, down to 7
// points, rather than cut off: the control keeps its designed place and size. English
// fits as designed and keeps its font.
void shrinkToFit(QWidget* widget) {
    constexpr qreal Smallest = 7.0;
    constexpr qreal Step = 0.25;
    widget->ensurePolished();
    QFont font = widget->font();
    while (!captionFits(widget) && font.pointSizeF() > Smallest) {
        font.setPointSizeF(std::max(Smallest, font.pointSizeF() - Step));
        widget->setFont(font);
    }
}

// How often a waiting save asks for the lock again.
constexpr int SaveLockPollMs = 100;

QString replaceButton() {
    //: The button of a question before a file or a skin is replaced.
    return QCoreApplication::translate("Varnel", "Replace");
}

QLabel* makeLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFont(boldFont(9.75));
    return label;
}

} // namespace

// A save that waits for another save of the same skin: what it writes, as the window showed
// it when Save Skin was pressed.
struct Varnel::PendingSave {
    PreparedSkin skin;
    SurfacePictures surfaces;
    std::unique_ptr<SaveLock> lock;
    QDeadlineTimer deadline;
};

Varnel::Varnel(Dialogs& dialogs, SkinWorkspace& workspace, const QString& hostFolder,
               const QString& windowsHostFolder, QWidget* parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_workspace(workspace)
    , m_hostFolder(hostFolder)
    , m_windowsHostFolder(windowsHostFolder)
    , m_saveWaitLimitMs(SaveLockWaitMs) {
    installAccessibleRoles();
    setObjectName(QStringLiteral("Varnel"));
    setWindowTitle(tr("Norvo 7 Varnel"));
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(BuiltInArt::iconImage(32)));
    icon.addPixmap(QPixmap::fromImage(BuiltInArt::iconImage(16)));
    setWindowIcon(icon);
    resize(fromTwips(20760), fromTwips(13470));

    Command1 = new QPushButton(tr("Load Image"), this);
    place(Command1, "Command1", 390, 330, 1215, 495);
    Command1->setShortcut(QKeySequence::Open);

    Xpress2 = new ImagePreview(this);
    place(Xpress2, "Xpress2", 2715, 240, 2445, 570);
    Xpress2->setAccessibleName(tr("MENU strip picture"));

    Label4 = makeLabel(this, tr("Name Your Skin"));
    place(Label4, "Label4", 9375, 135, 1680, 210);

    Text1 = new QLineEdit(this);
    Text1->setFont(boldFont(12));
    Text1->setMaxLength(std::numeric_limits<int>::max());
    place(Text1, "Text1", 9030, 495, 2310, 360);
    Label4->setBuddy(Text1);

    Command2 = new QPushButton(tr("Save Skin"), this);
    place(Command2, "Command2", 11835, 300, 1215, 495);
    Command2->setShortcut(QKeySequence::Save);

    Command3 = new QPushButton(tr("Command3"), this);
    place(Command3, "Command3", 13800, 360, 1215, 495);
    //: Command3's tooltip and what a screen reader says of it.
    const QString snapshot = tr("Saves the untinted Console and Chat button artwork as the files "
                                "d:/p2.bmp and d:/p3.bmp.");
    Command3->setAccessibleDescription(snapshot);
    Command3->setToolTip(snapshot);

    Xpress3 = new ImagePreview(this);
    place(Xpress3, "Xpress3", 480, 1200, 4740, 7995);
    Xpress3->setAccessibleName(tr("Scene window picture"));
    Xpress1 = new ImagePreview(this);
    place(Xpress1, "Xpress1", 5520, 1200, 12720, 9525);
    Xpress1->setAccessibleName(tr("Main window picture"));
    Xpress4 = new ImagePreview(this);
    place(Xpress4, "Xpress4", 1020, 11070, 4830, 1950);
    Xpress4->setAccessibleName(tr("Console border picture"));
    Xpress5 = new ImagePreview(this);
    place(Xpress5, "Xpress5", 6060, 10665, 7065, 2790);
    Xpress5->setAccessibleName(tr("Chat window picture"));
    // Xpress5 overlaps the bottom 4 rows of Xpress1, which lie below the Main surface and
    // are always blank there; the Chat surface's top rows stay visible.
    Xpress5->raise();
    // The previews show the workspace's pictures as each composition leaves them.
    Xpress2->setPicture(m_workspace.menuStrip());
    connect(&m_workspace, &SkinWorkspace::menuStripTinted, this,
            [this] { Xpress2->setPicture(m_workspace.menuStrip()); });
    connect(&m_workspace, &SkinWorkspace::surfacesComposed, this, [this] {
        const SurfacePictures& shown = m_workspace.finishedSurfaces();
        Xpress1->setPicture(shown[SurfaceId::Main]);
        Xpress3->setPicture(shown[SurfaceId::Scene]);
        Xpress4->setPicture(shown[SurfaceId::Console]);
        Xpress5->setPicture(shown[SurfaceId::Chat]);
    });

    Label5 = makeLabel(this, tr("STEP 1: Load an image by clicking the Load Image Button."));
    place(Label5, "Label5", 13260, 10785, 3240, 645);
    Label6 = makeLabel(this, tr("STEP 2: Adjust your menus color and hue by using the sliders."));
    place(Label6, "Label6", 13260, 11445, 3240, 855);
    Label7 = makeLabel(this, tr("STEP 3: Type a name for your skin and click Save "
                                "Skin. Run Norvo and a new Skin will be available "
                                "for you."));
    place(Label7, "Label7", 13305, 12360, 3240, 1005);

    createTintSliders();
    createFitControls();

    // In the free column right of the Main preview; enabled with the sliders.
    SuggestTint = new QPushButton(tr("Suggest Tint"), this);
    SuggestTint->setObjectName(QStringLiteral("SuggestTint"));
    SuggestTint->setGeometry(1228, 200, 148, 33);
    SuggestTint->setToolTip(
        tr("Sets the three sliders to a tint in the picture's colour that keeps "
           "the MENU button readable."));
    SuggestTint->setEnabled(false);

    // Below it, shown only while Save Skin waits for another save of the same skin.
    lblSaveWait = makeLabel(this, QString());
    lblSaveWait->setObjectName(QStringLiteral("lblSaveWait"));
    lblSaveWait->setGeometry(1228, 245, 148, 160);
    lblSaveWait->hide();
    //: The button below the text that Save Skin waits for another save; it stops the wait,
    //: and nothing is saved.
    CancelSave = new QPushButton(tr("Cancel Save"), this);
    CancelSave->setObjectName(QStringLiteral("CancelSave"));
    CancelSave->setGeometry(1228, 410, 148, 33);
    CancelSave->setShortcut(QKeySequence::Cancel);
    CancelSave->hide();
    m_saveWaitTimer = new QTimer(this);
    m_saveWaitTimer->setInterval(SaveLockPollMs);

    // Without any font (a bare offscreen platform) the boxes drawn for the letters say
    // nothing of a caption's width.
    if (!QFontDatabase::families().isEmpty())
        for (QWidget* widget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            shrinkToFit(widget);

    // The sliders follow Load Image, which enables them; the previews follow the fit
    // choice that lets them move the focus.
    linkTabChain({Command1, ucSlider1, ucSlider2, ucSlider3, Command2, Text1, Command3, optStretch,
                  optFill, Xpress1, Xpress3, Xpress4, Xpress5, SuggestTint, CancelSave});
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Varnel::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Varnel::Command2_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &Varnel::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Varnel::Command3_Click);
    connect(SuggestTint, &QPushButton::clicked, this, &Varnel::SuggestTint_Click);
    // Cancelled, the save writes nothing and says nothing: the user asked for it, and the
    // waiting text going away shows it was done.
    connect(CancelSave, &QPushButton::clicked, this, [this] { endSaveWait(); });
    connect(m_saveWaitTimer, &QTimer::timeout, this, &Varnel::pollSaveLock);

    m_programFolder = QCoreApplication::applicationDirPath();
    setAcceptDrops(true);
}

Varnel::~Varnel() = default;

void Varnel::createTintSliders() {
    // The three sliders share one set of stored settings, kept with the window. Their rail
    // and thumb pictures come from the built-in art, the one place they are drawn.
    QFile stored(QStringLiteral(":/app/tintslider.bag"));
    if (!stored.open(QIODevice::ReadOnly))
        throw std::runtime_error("The tint sliders' stored settings are missing");
    PropertyBag bag = PropertyBag::fromText(stored.readAll());
    bag.writePicture(QStringLiteral("railimage"), SliderPicture::bitmap(BuiltInArt::railImage()));
    bag.writePicture(QStringLiteral("sliderimage"), SliderPicture::icon(BuiltInArt::thumbImage()));

    struct Row {
        QLabel*& label;
        const char* labelName;
        const char* caption;
        int labelLeft, labelTop, labelWidth;
        ucSlider*& slider;
        const char* sliderName;
        int left, top;
    };
    const Row rows[] = {
        {Label1, "Label1", QT_TR_NOOP("Menu Hue"), 5820, 105, 1215, ucSlider1, "ucSlider1", 7185,
         15},
        {Label2, "Label2", QT_TR_NOOP("Menu Saturation"), 5385, 420, 1695, ucSlider2, "ucSlider2",
         7170, 360},
        {Label3, "Label3", QT_TR_NOOP("Menu Lightness"), 5445, 705, 1740, ucSlider3, "ucSlider3",
         7170, 705},
    };
    for (const Row& row : rows) {
        row.label = makeLabel(this, tr(row.caption));
        place(row.label, row.labelName, row.labelLeft, row.labelTop, row.labelWidth, 210);

        row.slider = new ucSlider(this);
        row.slider->ReadProperties(bag);
        place(row.slider, row.sliderName, row.left, row.top, 1755, 375);
        row.label->setBuddy(row.slider);
        connect(row.slider, &ucSlider::Change, this, &Varnel::previewTint);
        connect(row.slider, &ucSlider::MouseUp, this, [this](short&) {
            composeSurfaces();
            showDragFailures();
        });
        // The keys were let go: rebuilt as after a release.
        connect(row.slider, &ucSlider::changeSettled, this, [this] {
            composeSurfaces();
            showDragFailures();
        });
    }
    // Each slider overlaps the next by two pixels; the lower one lies above, so a thumb
    // is never covered from below.
    ucSlider2->raise();
    ucSlider3->raise();
}

void Varnel::createFitControls() {
    // In the free column right of the Main preview, clear of the controls below it.
    lblFit = makeLabel(this, tr("Picture fit"));
    place(lblFit, "lblFit", 18420, 1200, 2220, 240);
    optStretch = new QRadioButton(tr("Stretch"), this);
    place(optStretch, "optStretch", 18420, 1500, 2220, 360);
    optStretch->setAccessibleName(tr("Picture fit: Stretch"));
    optStretch->setToolTip(tr("Each window shows the whole picture, stretched to "
                              "its shape."));
    optFill = new QRadioButton(tr("Fill"), this);
    place(optFill, "optFill", 18420, 1875, 2220, 360);
    optFill->setAccessibleName(tr("Picture fit: Fill"));
    optFill->setToolTip(tr("Each window shows the part of the picture that has its "
                           "shape, undistorted. Press or drag on a preview to choose "
                           "the point the parts are centred on."));
    auto* group = new QButtonGroup(this);
    group->addButton(optStretch);
    group->addButton(optFill);
    (m_workspace.framing.fit == Fit::Fill ? optFill : optStretch)->setChecked(true);
    connect(optFill, &QRadioButton::toggled, this,
            [this](bool fill) { setFit(fill ? Fit::Fill : Fit::Stretch); });

    const std::pair<ImagePreview*, SurfaceId> previews[] = {{Xpress1, SurfaceId::Main},
                                                            {Xpress3, SurfaceId::Scene},
                                                            {Xpress4, SurfaceId::Console},
                                                            {Xpress5, SurfaceId::Chat}};
    for (const auto& entry : previews) {
        // Plain locals, not a structured binding: clang 14, which clang-tidy parses with,
        // cannot capture a binding in a lambda.
        const SurfaceId id = entry.second;
        ImagePreview* preview = entry.first;
        connect(preview, &ImagePreview::pressed, this,
                [this, id](QPoint at) { beginFocusDrag(id, at); });
        connect(preview, &ImagePreview::dragged, this,
                [this, id](QPoint at) { dragFocus(id, at); });
        connect(preview, &ImagePreview::released, this, &Varnel::endFocusDrag);
        connect(preview, &ImagePreview::stepped, this, &Varnel::stepFocus);
    }
    applyPreviewFocus();
}

void Varnel::applyPreviewFocus() {
    const bool fill = m_workspace.framing.fit == Fit::Fill;
    for (ImagePreview* preview : {Xpress1, Xpress3, Xpress4, Xpress5})
        preview->setFocusPolicy(fill ? Qt::TabFocus : Qt::NoFocus);
    describeFocus();
}

void Varnel::describeFocus() {
    QString text;
    if (m_workspace.framing.fit == Fit::Fill) {
        const FocusPoint focus = m_workspace.framing.focus;
        text = tr("Focus point %1% across, %2% down; arrow keys move it")
                   .arg(std::round(focus.x * 100))
                   .arg(std::round(focus.y * 100));
    }
    for (ImagePreview* preview : {Xpress1, Xpress3, Xpress4, Xpress5}) {
        if (preview->accessibleDescription() != text)
            preview->setAccessibleDescription(text);
    }
}

void Varnel::stepFocus(int dx, int dy, bool large) {
    if (m_workspace.framing.fit != Fit::Fill || !m_workspace.hasSkin() || m_focusDrag)
        return;
    const int step = large ? largeFocusStep : focusStep;
    const FocusPoint before = m_workspace.framing.focus;
    const FocusPoint focus{steppedFraction(before.x, dx, step),
                           steppedFraction(before.y, dy, step)};
    if (focus == before)
        return;
    moveFocus(focus);
}

void Varnel::moveFocus(FocusPoint focus) {
    m_workspace.framing.focus = focus;
    runDragRoutine(m_lastFocusFailure,
                   //: A message after moving the focus point failed. %1: the reason.
                   tr("The skin pictures could not be rebuilt around the focus: %1"),
                   [this] { refitSurfaces(m_workspace, menuTint()); });
    describeFocus();
}

void Varnel::setFit(Fit fit) {
    m_focusDrag.reset();
    m_workspace.framing.fit = fit;
    applyPreviewFocus();
    // A cross over the previews says that a press there does something.
    for (ImagePreview* preview : {Xpress1, Xpress3, Xpress4, Xpress5}) {
        if (fit == Fit::Fill)
            preview->setCursor(Qt::CrossCursor);
        else
            preview->unsetCursor();
    }
    if (m_workspace.hasSkin())
        guarded([this] { refitSurfaces(m_workspace, menuTint()); });
}

void Varnel::beginFocusDrag(SurfaceId surface, QPoint at) {
    m_focusDrag.reset();
    const QSize size = surfaceFacts(surface).size;
    // Beside the surface (the preview is larger than some surfaces) there is no picture.
    if (m_workspace.framing.fit != Fit::Fill || !m_workspace.hasSkin() ||
        !QRect(QPoint(0, 0), size).contains(at))
        return;
    m_focusDrag = FocusDrag{surface, surfaceCrop(m_workspace, surface)};
    dragFocus(surface, at);
}

void Varnel::dragFocus(SurfaceId surface, QPoint at) {
    if (!m_focusDrag || m_focusDrag->surface != surface || m_workspace.framing.fit != Fit::Fill)
        return;
    const FocusPoint focus = focusAt(m_workspace.LoadedPicture.Picture.size(), m_focusDrag->crop,
                                     surfaceFacts(surface).size, at);
    if (focus == m_workspace.framing.focus)
        return;
    moveFocus(focus);
}

MenuTint Varnel::menuTint() const {
    return MenuTint{narrowTint(ucSlider1->Value()), narrowTint(ucSlider2->Value()),
                    narrowTint(ucSlider3->Value())};
}

void Varnel::previewTint() {
    if (m_settingSliders)
        return;
    runDragRoutine(m_lastPreviewFailure,
                   //: A message after a slider moved. %1: the reason.
                   tr("The menu preview could not be tinted: %1"),
                   [this] { PreviewMenuTint(m_workspace, menuTint()); });
}

void Varnel::composeSurfaces() {
    runDragRoutine(m_lastComposeFailure,
                   //: A message after a slider was let go. %1: the reason.
                   tr("The skin pictures could not be rebuilt with the tint: %1"),
                   [this] { ComposeTintedSurfaces(m_workspace, menuTint()); });
}

void Varnel::runDragRoutine(QString& lastFailure, const QString& what,
                            const std::function<void()>& work) {
    try {
        work();
        lastFailure.clear();
    } catch (const std::exception& e) {
        const QString text = what.arg(QString::fromStdString(e.what()));
        if (text != lastFailure)
            m_dragFailures.append(text);
        lastFailure = text;
        if (!dragUnderWay())
            showDragFailures();
    }
}

bool Varnel::dragUnderWay() const {
    return m_focusDrag || ucSlider1->isDragging() || ucSlider2->isDragging() ||
           ucSlider3->isDragging();
}

void Varnel::endFocusDrag() {
    m_focusDrag.reset();
    showDragFailures();
}

void Varnel::showDragFailures() {
    if (m_dragFailures.isEmpty())
        return;
    // Queued: shown once the slider's event, the release included, has returned.
    QMetaObject::invokeMethod(
        this,
        [this, texts = std::exchange(m_dragFailures, {})] {
            for (const QString& text : texts)
                m_dialogs.message(text);
        },
        Qt::QueuedConnection);
}

void Varnel::openPicture(const QString& path) {
    guarded([&] {
        loadPictureIntoWorkspace(m_workspace, path, menuTint(), [this] {
            // A new picture starts centred; the fit stays as chosen.
            m_workspace.framing.focus = FocusPoint{};
            m_focusDrag.reset();
            describeFocus();
            ucSlider1->setEnabled(true);
            ucSlider2->setEnabled(true);
            ucSlider3->setEnabled(true);
            SuggestTint->setEnabled(true);
        });
        // The next Load Image opens where this picture came from, whichever way it came.
        rememberPictureFolder(path);
    });
}

void Varnel::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.constFirst().isLocalFile())
        event->acceptProposedAction();
}

void Varnel::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return;
    event->acceptProposedAction();
    openPicture(urls.constFirst().toLocalFile());
}

void Varnel::guarded(const std::function<void()>& work) {
    runGuarded(m_dialogs, work);
}

void Varnel::Command1_Click() {
    QString path;
    guarded([&] {
        // The first filter stays as designed; its patterns are every name of the two kinds
        // named there.
        const FileFilter designed{tr("Images Files (*.bmp;*.jpg)"),
                                  {QStringLiteral("*.bmp"), QStringLiteral("*.jpg"),
                                   QStringLiteral("*.jpeg"), QStringLiteral("*.jpe"),
                                   QStringLiteral("*.dib")}};
        OpenFileRequest request;
        //: The title of the file dialog that Load Image opens.
        request.title = tr("Load Image", "file dialog title");
        request.filters = pictureFileFilters(designed, QImageReader::supportedImageFormats());
        request.folder = lastPictureFolder();
        path = m_dialogs.openFile(request);
    });
    if (!path.isEmpty())
        openPicture(path);
}

void Varnel::Command2_Click() {
    // A save waiting for another is under way; its text says how to cancel it.
    if (m_pendingSave)
        return;
    guarded([this] {
        const QString name = Text1->text();
        if (name.isEmpty()) {
            m_dialogs.message(QCoreApplication::translate("Messages", EnterNameMessage));
            return;
        }
        // The pictures as shown now, whatever the sliders do while the save waits.
        const SurfacePictures surfaces = m_workspace.finishedSurfaces();
        PreparedSkin skin =
            prepareSkin(surfaces, m_hostFolder, name, m_programFolder, m_windowsHostFolder);
        if (!mayReplace(skin))
            return;
        auto lock = std::make_unique<SaveLock>(saveLockPath(skin));
        auto save = std::make_unique<PendingSave>(
            PendingSave{std::move(skin), surfaces, std::move(lock),
                        QDeadlineTimer(std::max(m_saveWaitLimitMs, 0))});
        if (save->lock->tryLock() == SaveLock::Outcome::Busy)
            beginSaveWait(std::move(save));
        else
            finishSave(*save);
    });
}

bool Varnel::mayReplace(const PreparedSkin& skin) {
    if (skin.name.compare(m_lastSkin, Qt::CaseInsensitive) == 0 ||
        existingSkinFiles(skin).isEmpty())
        return true;
    //: The question before Save Skin replaces a skin already in the Skins folder (under any
    //: letter case). %1: the skin's name.
    return m_dialogs.confirm(tr("Replace the skin \"%1\"?").arg(skin.name), replaceButton());
}

void Varnel::beginSaveWait(std::unique_ptr<PendingSave> save) {
    //: On the window, right of the Main picture, while Save Skin waits for another save of
    //: the same skin to end. %1: the skin's name.
    lblSaveWait->setText(tr("Waiting for another save of the skin \"%1\" to end… Press Esc "
                            "to cancel.")
                             .arg(save->skin.name));
    m_pendingSave = std::move(save);
    lblSaveWait->show();
    CancelSave->show();
    setCursor(Qt::BusyCursor);
    m_saveWaitTimer->start();
}

std::unique_ptr<Varnel::PendingSave> Varnel::endSaveWait() {
    m_saveWaitTimer->stop();
    unsetCursor();
    lblSaveWait->hide();
    lblSaveWait->clear();
    CancelSave->hide();
    return std::exchange(m_pendingSave, nullptr);
}

void Varnel::pollSaveLock() {
    if (!m_pendingSave)
        return;
    const SaveLock::Outcome outcome = m_pendingSave->lock->tryLock();
    if (outcome == SaveLock::Outcome::Busy && !m_pendingSave->deadline.hasExpired())
        return;
    const std::unique_ptr<PendingSave> save = endSaveWait();
    if (outcome == SaveLock::Outcome::Busy)
        m_dialogs.message(saveBusyMessage(save->skin.name));
    else
        guarded([this, &save] { finishSave(*save); });
}

void Varnel::finishSave(PendingSave& save) {
    QStringList written;
    {
        // Let go before any message, whether the writes succeed or not.
        const std::unique_ptr<SaveLock> held = std::move(save.lock);
        written = writePreparedSkin(save.skin, save.surfaces);
    }
    m_lastSkin = save.skin.name;
    // A name typed while the save waited is the user's next one.
    if (Text1->text() == save.skin.name)
        Text1->clear();
    QStringList details{tr("The five files went to the folder %1:")
                            .arg(QDir::toNativeSeparators(QFileInfo(written.constFirst()).path()))};
    for (const QString& path : written)
        details.append(QStringLiteral("  ") + QFileInfo(path).fileName());
    m_dialogs.detailedMessage(QCoreApplication::translate("Messages", SkinExportedMessage),
                              details.join(u'\n'));
}

void Varnel::Command3_Click() {
    guarded([this] {
        // A folder in the way is no file to replace: the write says why it fails.
        QStringList existing;
        for (const QString& path : templateSnapshotPaths())
            if (const QFileInfo file(path); file.exists() && !file.isDir())
                existing.append(QDir::toNativeSeparators(path));
        QString question;
        if (existing.size() == 1) {
            question =
                //: The question before Command3 replaces one of its two files. %1: its path.
                tr("Replace the file %1?").arg(existing.constFirst());
        } else if (existing.size() == 2) {
            question =
                //: The question before Command3 replaces both its files. %1, %2: their paths.
                tr("Replace the files %1 and %2?").arg(existing[0], existing[1]);
        }
        if (!question.isEmpty() && !m_dialogs.confirm(question, replaceButton()))
            return;
        writeTemplateSnapshot(m_workspace);
    });
}

void Varnel::SuggestTint_Click() {
    guarded([this] { chooseTint(suggestMenuTint(m_workspace).tint); });
}

void Varnel::chooseTint(const MenuTint& tint) {
    guarded([this, tint] {
        {
            // One preview and one rebuild for the three values, as after a slider release,
            // not one preview per slider.
            const QScopedValueRollback<bool> quiet(m_settingSliders, true);
            ucSlider1->setValue(tint.hue);
            ucSlider2->setValue(tint.saturation);
            ucSlider3->setValue(tint.lightness);
        }
        previewTint();
        if (m_workspace.hasSkin())
            composeSurfaces();
    });
}

void Varnel::chooseFit(Fit fit) {
    (fit == Fit::Fill ? optFill : optStretch)->setChecked(true);
}

void Varnel::chooseFocus(FocusPoint focus) {
    if (m_workspace.framing.fit != Fit::Fill || m_workspace.framing.focus == focus)
        return;
    m_workspace.framing.focus = focus;
    if (m_workspace.hasSkin())
        guarded([this] { refitSurfaces(m_workspace, menuTint()); });
}
