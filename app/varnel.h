#pragma once

#include "compose/fit.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class Dialogs;
class ImagePreview;
class ucSlider;
struct MenuTint;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class SkinWorkspace;
struct PreparedSkin;
enum class SurfaceId;

// The main window: the buttons, the name box, the instruction texts and the five previews
// of the workspace's image-control instances, each at its designed place (twips / 15).
// Every control carries its name as objectName. Nothing moves when the window is resized.
// The dialogs and the workspace must outlive the window. Save Skin writes into the host
// folder the load step found.
class Varnel : public QWidget {
    Q_OBJECT

public:
    // `windowsHostFolder`: the host folder's path as the host sees it, when known from a Wine
    // prefix; Save Skin bounds the name by it.
    Varnel(Dialogs& dialogs, SkinWorkspace& workspace, const QString& hostFolder,
           const QString& windowsHostFolder = QString(), QWidget* parent = nullptr);
    ~Varnel() override;

    // The tint as the three sliders stand now, narrowed to 16 bits.
    MenuTint menuTint() const;

    // Load Image after its dialog: also the path of a dropped file and of a picture named
    // on the command line.
    void openPicture(const QString& path);

    // Where Save Skin writes: the host folder given at construction.
    const QString& hostFolder() const { return m_hostFolder; }

    // Where Save Skin reads DefaultSkin.txt; the program's own folder unless set.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }

    // How long Save Skin waits for another save of the same skin to end before it gives up;
    // as long as the command line waits unless set.
    void setSaveWaitLimit(int milliseconds) { m_saveWaitLimitMs = milliseconds; }

    // The command line's picture options, as if chosen in the window: the three sliders,
    // Picture fit, and the focus (after the picture is loaded, since a new one starts
    // centred).
    void chooseTint(const MenuTint& tint);
    void chooseFit(Fit fit);
    void chooseFocus(FocusPoint focus);

public slots:
    void Command1_Click(); // Load Image
    void Command2_Click(); // Save Skin
    void Command3_Click(); // snapshot of the Console and Chat templates
    void SuggestTint_Click();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createTintSliders();
    void createFitControls();
    void previewTint();
    void composeSurfaces();
    // The fit chosen: kept in the workspace and, once a picture is loaded, applied at once.
    void setFit(Fit fit);
    // A press on a surface's preview starts moving the focus (with Fill and a picture); the
    // moves while the button is held go on with it.
    void beginFocusDrag(SurfaceId surface, QPoint at);
    void dragFocus(SurfaceId surface, QPoint at);
    // An arrow key on a preview with Fill: the focus moves by a step of the picture's size,
    // in whole percent, and the surfaces follow as for a drag.
    void stepFocus(int dx, int dy, bool large);
    // The surfaces rebuilt around a new focus, by a drag or a key, and the point announced.
    void moveFocus(FocusPoint focus);
    // Tells assistive technology where the focus lies, on every preview that can move it.
    void describeFocus();
    // Previews take the focus (Tab) only with Fill, where their arrow keys do something.
    void applyPreviewFocus();
    // Runs one routine of a drag (a slider's or the focus's). A failure is shown only after
    // the drag has ended and the pointer event has returned, since a modal box while the
    // button is held would take the release from the slider or preview (the drag would
    // never end). A failure that repeats at every step is shown once. Each routine keeps its own
    // last failure, so a preview that works between two failing releases does not repeat one.
    // `what`: the message, with %1 for the reason.
    void runDragRoutine(QString& lastFailure, const QString& what,
                        const std::function<void()>& work);
    // True while a slider's thumb or the focus is being dragged.
    bool dragUnderWay() const;
    void endFocusDrag();
    // Shows the failures kept so far, after the running event.
    void showDragFailures();

    // Save Skin's steps after the checks: the question before another skin is replaced, the
    // wait for another save of the same skin (polled from a timer, so the window keeps
    // answering), and the writing with the lock held.
    struct PendingSave;
    bool mayReplace(const PreparedSkin& skin);
    void beginSaveWait(std::unique_ptr<PendingSave> save);
    void pollSaveLock();
    std::unique_ptr<PendingSave> endSaveWait();
    void finishSave(PendingSave& save);

    // Every handler runs its work through this: a failure becomes a message, never an
    // exception in the event loop.
    void guarded(const std::function<void()>& work);

    Dialogs& m_dialogs;
    SkinWorkspace& m_workspace;
    QString m_programFolder;
    QString m_hostFolder;
    QString m_windowsHostFolder;
    QString m_lastPreviewFailure;
    QString m_lastComposeFailure;
    // While Suggest Tint sets the three sliders: their Change events wait for the one
    // preview that follows.
    bool m_settingSliders = false;
    QStringList m_dragFailures; // not shown yet: a drag was under way
    QString m_lastFocusFailure;

    // The surface a focus drag started on and the crop it showed at the press: the whole
    // drag maps through that crop, since mapping through the crop redrawn around the new
    // focus would move the focus on and on while the pointer stood still.
    struct FocusDrag {
        SurfaceId surface;
        QRect crop;
    };
    std::optional<FocusDrag> m_focusDrag;

    std::unique_ptr<PendingSave> m_pendingSave; // while Save Skin waits for the lock
    QTimer* m_saveWaitTimer = nullptr;
    int m_saveWaitLimitMs;
    // The skin this window saved last: saved again without a question.
    QString m_lastSkin;

    QPushButton* Command1 = nullptr;
    ImagePreview* Xpress2 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    ImagePreview* Xpress3 = nullptr;
    ImagePreview* Xpress1 = nullptr;
    ImagePreview* Xpress4 = nullptr;
    ImagePreview* Xpress5 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label1 = nullptr;
    ucSlider* ucSlider1 = nullptr;
    QLabel* Label2 = nullptr;
    ucSlider* ucSlider2 = nullptr;
    QLabel* Label3 = nullptr;
    ucSlider* ucSlider3 = nullptr;
    QPushButton* SuggestTint = nullptr;
    QLabel* lblFit = nullptr;
    QRadioButton* optStretch = nullptr;
    QRadioButton* optFill = nullptr;
    QLabel* lblSaveWait = nullptr;
    QPushButton* CancelSave = nullptr;
};
