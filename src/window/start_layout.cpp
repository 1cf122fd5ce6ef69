#include "window/pictures.h"
#include "window/start.h"
#include "window/texts.h"

#include "platform/status_bar.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace {

// The layout is drawn in twips; at 96 dpi fifteen of them make one device-independent pixel.
constexpr int px(int twips)
{
    return twips / 15;
}

// The layout is fixed in pixels, so the face must have the metrics it was drawn for, never a chance one.
QFont sansSerif(int pointSize)
{
    QFont font(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                           QStringLiteral("Helvetica")},
               pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

template <class Control>
Control* place(Control* control, const QString& name, int left, int top, int width, int height)
{
    control->setObjectName(name);
    control->setGeometry(px(left), px(top), px(width), px(height));
    return control;
}

QLineEdit* textBox(QWidget* container, const QString& name, int left, int top)
{
    return place(new QLineEdit(container), name, left, top, 1575, 285);
}

QPushButton* button(QWidget* container, const QString& name, const QString& caption, int left, int top)
{
    return place(new QPushButton(caption, container), name, left, top, 2775, 375);
}

QGroupBox* frame(QWidget* container, const QString& name, const QString& caption, int left, int top, int width,
                 int height)
{
    return place(new QGroupBox(caption, container), name, left, top, width, height);
}

// Read-only, yet the text can still be selected and copied, so it keeps the text cursor.
void lock(QLineEdit* box)
{
    box->setReadOnly(true);
    box->setCursor(Qt::IBeamCursor);
}

}  // namespace

void Start::createControls()
{
    setObjectName(QStringLiteral("Start"));
    setWindowTitle(texts::kTitle);
    const QIcon logo = logoIcon();
    setWindowIcon(logo);
    // A fixed frame with minimize and close buttons but no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(px(6870), px(5820));
    setFont(sansSerif(8));
    setMouseTracking(true);

    createConversionFrames();
    createTopFrames(logo);
    createStatusBar();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);

    arrangeStacking();
    arrangeTabOrder();
    nameForScreenReaders();
    move(screen()->availableGeometry().center() - rect().center());
}

void Start::createConversionFrames()
{
    Frame4 = frame(this, QStringLiteral("Frame4"), texts::kTacticalToNormal, 120, 3720, 6615, 1695);
    Command7 = button(Frame4, QStringLiteral("Command7"), texts::kPaste, 3480, 240);
    Command6 = button(Frame4, QStringLiteral("Command6"), texts::kClear, 3480, 1200);
    Command5 = button(Frame4, QStringLiteral("Command5"), texts::kConvert, 3480, 720);
    Text6 = textBox(Frame4, QStringLiteral("Text6"), 1800, 1200);
    Text5 = textBox(Frame4, QStringLiteral("Text5"), 1800, 720);
    Text4 = textBox(Frame4, QStringLiteral("Text4"), 1800, 240);
    lock(Text6);
    lock(Text5);
    Text4->setMaxLength(kTacticalInputLength);
    Text4->setToolTip(texts::kTacticalHint);

    Frame1 = frame(this, QStringLiteral("Frame1"), texts::kNormalToTactical, 120, 1320, 6615, 2175);
    Command4 = button(Frame1, QStringLiteral("Command4"), texts::kClear, 3480, 1680);
    Command1 = button(Frame1, QStringLiteral("Command1"), texts::kNow, 3480, 240);
    Text1 = textBox(Frame1, QStringLiteral("Text1"), 1800, 240);
    Text2 = textBox(Frame1, QStringLiteral("Text2"), 1800, 720);
    Text3 = textBox(Frame1, QStringLiteral("Text3"), 1800, 1200);
    Command2 = button(Frame1, QStringLiteral("Command2"), texts::kConvert, 3480, 720);
    lock(Text3);
    Text1->setToolTip(texts::kTimeHint);
    Text2->setToolTip(texts::kDateHint);

    // Drawn over the third button slot of the upper frame, but a control of the window itself.
    Command3 = button(this, QStringLiteral("Command3"), texts::kCopy, 3600, 2520);
    Command3->setEnabled(false);

    struct Caption {
        QGroupBox* frame;
        int top;
        int width;
        QString text;
    };
    const std::array<Caption, 6> captions{{
        {Frame1, 240, 1215, texts::kTimeLabel},
        {Frame1, 1200, 1575, texts::kTacticalLabel},
        {Frame1, 720, 975, texts::kDateLabel},
        {Frame4, 720, 1215, texts::kTimeLabel},
        {Frame4, 240, 1575, texts::kTacticalLabel},
        {Frame4, 1200, 975, texts::kDateLabel},
    }};
    for (std::size_t index = 0; index < captions.size(); ++index) {
        const Caption& caption = captions[index];
        Label1[index] = place(new QLabel(caption.text, caption.frame), QStringLiteral("Label1(%1)").arg(index), 120,
                              caption.top, caption.width, 255);
        Label1[index]->setFont(sansSerif(12));
        Label1[index]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void Start::createTopFrames(const QIcon& logo)
{
    Frame3 = frame(this, QStringLiteral("Frame3"), texts::kMonthChoice, 120, 120, 3615, 1095);
    Option2 = place(new QRadioButton(texts::kEnglishMonths, Frame3), QStringLiteral("Option2"), 120, 720, 1695, 255);
    Option1 = place(new QRadioButton(texts::kGermanMonths, Frame3), QStringLiteral("Option1"), 120, 360, 2295, 195);
    Option1->setChecked(true);
    keepOptionTabStopAtSelected();

    Frame2 = frame(this, QStringLiteral("Frame2"), QString(), 3840, 120, 2895, 1095);
    Picture1 = place(new QLabel(Frame2), QStringLiteral("Picture1"), 120, 360, 540, 540);
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setPixmap(logo.pixmap(QSize(32, 32), devicePixelRatioF()));
    Picture1->resize(Picture1->sizeHint());
    Picture1->setFocusPolicy(Qt::StrongFocus);

    Label2 = place(new QLabel(texts::kWebAddress, Frame2), QStringLiteral("Label2"), 720, 480, 2055, 375);
    Label2->setFont(sansSerif(12));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setMouseTracking(true);
    Label2->installEventFilter(this);
}

void Start::createStatusBar()
{
    StatusBar1 = place(new StatusBar(this), QStringLiteral("StatusBar1"), 0, 5565, 6870, 255);
    for (const QString& key : {texts::kTimePanel, texts::kDatePanel, texts::kTacticalPanel})
        StatusBar1->addPanel(key, px(1440));
}

// Where controls overlap, the one named first lies on top.
void Start::arrangeStacking()
{
    const std::initializer_list<QWidget*> topFirst{
        Frame4,  Command7,  Command6,  Command5,  Text6,     Text5,   Text4,    Label1[5], Label1[4], Label1[3],
        Frame3,  Option2,   Option1,   Frame2,    Picture1,  Label2,  Command3, Frame1,    Command4,  Command1,
        Text1,   Text2,     Text3,     Command2,  Label1[0], Label1[1], Label1[2], StatusBar1};
    for (QWidget* control : topFirst)
        control->lower();
}

void Start::arrangeTabOrder()
{
    const std::initializer_list<QWidget*> order{Command2, Text3,    Text2,    Text1,    Command1, Command3,
                                                 Picture1, Option1,  Option2,  Text4,    Text5,    Text6,
                                                 Command5, Command4, Command6, Command7};
    QWidget* previous = nullptr;
    for (QWidget* control : order) {
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
    Command2->setFocus();
}

void Start::nameForScreenReaders()
{
    const std::initializer_list<std::pair<QWidget*, QString>> names{
        {Text1, texts::kTimeInputName},          {Text2, texts::kDateInputName},
        {Text3, texts::kTacticalResultName},     {Text4, texts::kTacticalInputName},
        {Text5, texts::kTimeResultName},         {Text6, texts::kDateResultName},
        {Command2, texts::kToTacticalName},      {Command5, texts::kToNormalName},
        {Command4, texts::kClearNormalName},     {Command6, texts::kClearTacticalName},
        {Picture1, texts::kLogoName},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(name);
    Label2->setAccessibleDescription(texts::kWebLinkDescription);

    // Each row's label names its field, for screen readers and for anyone who adds a shortcut.
    const std::array<QLineEdit*, 6> fields{Text1, Text3, Text2, Text5, Text4, Text6};
    for (std::size_t index = 0; index < Label1.size(); ++index)
        Label1[index]->setBuddy(fields[index]);
}

// The month options take one keyboard stop, at the selected one; the arrow keys move within the group.
void Start::keepOptionTabStopAtSelected()
{
    const auto update = [this] {
        for (QRadioButton* option : {Option1, Option2})
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    update();
    connect(Option1, &QRadioButton::toggled, this, update);
}
