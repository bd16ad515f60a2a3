#include "app/varnel.h"

#include "app/dialogs.h"
#include "app/handlerguard.h"
#include "app/imagepreview.h"
#include "art/builtinart.h"
#include "compose/skinworkspace.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <limits>

namespace {

// The window is designed in twips, 15 to a logical pixel.
constexpr int fromTwips(int twips) {
    return (twips + 7) / 15;
}

void place(QWidget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height));
}

// The designed family is missing on most systems. The fallbacks are faces of similar
// width, so the texts still fit their designed places; the last resort is the platform's
// sans-serif font at the same size and weight.
QFont boldFont(qreal points) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
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

Varnel::Varnel(Dialogs& dialogs, SkinWorkspace& workspace, QWidget* parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_workspace(workspace) {
    setObjectName(QStringLiteral("Varnel"));
    setWindowTitle(QStringLiteral("Norvo 7 Varnel"));
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(BuiltInArt::iconImage(32)));
    icon.addPixmap(QPixmap::fromImage(BuiltInArt::iconImage(16)));
    setWindowIcon(icon);
    resize(fromTwips(20760), fromTwips(13470));

    Command1 = new QPushButton(QStringLiteral("Load Image"), this);
    place(Command1, "Command1", 390, 330, 1215, 495);

    Xpress2 = new ImagePreview(m_workspace.Xpress2, this);
    place(Xpress2, "Xpress2", 2715, 240, 2445, 570);

    Label4 = makeLabel(this, QStringLiteral("Name Your Skin"));
    place(Label4, "Label4", 9375, 135, 1680, 210);

    Text1 = new QLineEdit(this);
    Text1->setFont(boldFont(12));
    Text1->setMaxLength(std::numeric_limits<int>::max());
    place(Text1, "Text1", 9030, 495, 2310, 360);

    Command2 = new QPushButton(QStringLiteral("Save Skin"), this);
    place(Command2, "Command2", 11835, 300, 1215, 495);

    Command3 = new QPushButton(QStringLiteral("Command3"), this);
    place(Command3, "Command3", 13800, 360, 1215, 495);

    Xpress3 = new ImagePreview(m_workspace.Xpress3, this);
    place(Xpress3, "Xpress3", 480, 1200, 4740, 7995);
    Xpress1 = new ImagePreview(m_workspace.Xpress1, this);
    place(Xpress1, "Xpress1", 5520, 1200, 12720, 9525);
    Xpress4 = new ImagePreview(m_workspace.Xpress4, this);
    place(Xpress4, "Xpress4", 1020, 11070, 4830, 1950);
    Xpress5 = new ImagePreview(m_workspace.Xpress5, this);
    place(Xpress5, "Xpress5", 6060, 10665, 7065, 2790);
    // Xpress5 overlaps the bottom 4 rows of Xpress1, which lie below the Main surface and
    // are always blank there; the Chat surface's top rows stay visible.
    Xpress5->raise();

    Label5 =
        makeLabel(this, QStringLiteral("STEP 1: Load an image by clicking the Load Image Button."));
    place(Label5, "Label5", 13260, 10785, 3240, 645);
    Label6 = makeLabel(
        this, QStringLiteral("STEP 2: Adjust your menus color and hue by using the sliders."));
    place(Label6, "Label6", 13260, 11445, 3240, 855);
    Label7 = makeLabel(this, QStringLiteral("STEP 3: Type a name for your skin and click Save "
                                            "Skin. Run Norvo and a new Skin will be available "
                                            "for you."));
    place(Label7, "Label7", 13305, 12360, 3240, 1005);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text1);
    setTabOrder(Text1, Command3);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Varnel::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Varnel::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Varnel::Command3_Click);
}

void Varnel::guarded(const std::function<void()>& work) {
    runGuarded(m_dialogs, work);
}

void Varnel::Command1_Click() {
    guarded([] {});
}

void Varnel::Command2_Click() {
    guarded([] {});
}

void Varnel::Command3_Click() {
    guarded([] {});
}
