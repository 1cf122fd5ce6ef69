#include "converter_window.h"
#include "pictures.h"
#include "status_bar.h"
#include "texts.h"

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

// The caption left of a field, in the label font; it names the field to screen readers.
QLabel* fieldCaption(QLineEdit* field, const QString& name, const QString& text, int top, int width)
{
    auto* caption = place(new QLabel(text, field->parentWidget()), name, 120, top, width, 255);
    caption->setFont(sansSerif(12));
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    caption->setBuddy(field);
    return caption;
}

// The text can still be selected and copied, so the box keeps the text cursor.
void makeReadOnly(QLineEdit* box)
{
    box->setReadOnly(true);
    box->setCursor(Qt::IBeamCursor);
}

}  // namespace

void ConverterWindow::createControls()
{
    setObjectName(QStringLiteral("converterWindow"));
    setWindowTitle(texts::kTitle);
    const QIcon logoIcon = ::logoIcon();
    setWindowIcon(logoIcon);
    // A fixed frame with minimize and close buttons but no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(px(6870), px(5820));
    setFont(sansSerif(8));
    setMouseTracking(true);

    createConversionFrames();
    createTopFrames(logoIcon);
    createStatusBar();

    statusTimer = new QTimer(this);
    statusTimer->setObjectName(QStringLiteral("statusTimer"));
    statusTimer->setSingleShot(true);
    statusTimer->setTimerType(Qt::PreciseTimer);

    arrangeStacking();
    arrangeTabOrder();
    nameForScreenReaders();
    move(screen()->availableGeometry().center() - rect().center());
}

void ConverterWindow::createConversionFrames()
{
    toNormalFrame = frame(this, QStringLiteral("toNormalFrame"), texts::kTacticalToNormal, 120, 3720, 6615, 1695);
    pasteButton = button(toNormalFrame, QStringLiteral("pasteButton"), texts::kPaste, 3480, 240);
    clearToNormalButton = button(toNormalFrame, QStringLiteral("clearToNormalButton"), texts::kClear, 3480, 1200);
    toNormalButton = button(toNormalFrame, QStringLiteral("toNormalButton"), texts::kConvert, 3480, 720);
    dateResult = textBox(toNormalFrame, QStringLiteral("dateResult"), 1800, 1200);
    timeResult = textBox(toNormalFrame, QStringLiteral("timeResult"), 1800, 720);
    tacticalInput = textBox(toNormalFrame, QStringLiteral("tacticalInput"), 1800, 240);
    makeReadOnly(dateResult);
    makeReadOnly(timeResult);
    tacticalInput->setMaxLength(kTacticalInputLength);
    tacticalInput->setToolTip(texts::kTacticalHint);
    dateResultCaption = fieldCaption(dateResult, QStringLiteral("dateResultCaption"), texts::kDateLabel, 1200, 975);
    tacticalInputCaption =
        fieldCaption(tacticalInput, QStringLiteral("tacticalInputCaption"), texts::kTacticalLabel, 240, 1575);
    timeResultCaption = fieldCaption(timeResult, QStringLiteral("timeResultCaption"), texts::kTimeLabel, 720, 1215);

    toTacticalFrame = frame(this, QStringLiteral("toTacticalFrame"), texts::kNormalToTactical, 120, 1320, 6615, 2175);
    clearToTacticalButton = button(toTacticalFrame, QStringLiteral("clearToTacticalButton"), texts::kClear, 3480, 1680);
    nowButton = button(toTacticalFrame, QStringLiteral("nowButton"), texts::kNow, 3480, 240);
    timeInput = textBox(toTacticalFrame, QStringLiteral("timeInput"), 1800, 240);
    dateInput = textBox(toTacticalFrame, QStringLiteral("dateInput"), 1800, 720);
    tacticalResult = textBox(toTacticalFrame, QStringLiteral("tacticalResult"), 1800, 1200);
    toTacticalButton = button(toTacticalFrame, QStringLiteral("toTacticalButton"), texts::kConvert, 3480, 720);
    makeReadOnly(tacticalResult);
    timeInput->setToolTip(texts::kTimeHint);
    dateInput->setToolTip(texts::kDateHint);
    timeInputCaption = fieldCaption(timeInput, QStringLiteral("timeInputCaption"), texts::kTimeLabel, 240, 1215);
    tacticalResultCaption =
        fieldCaption(tacticalResult, QStringLiteral("tacticalResultCaption"), texts::kTacticalLabel, 1200, 1575);
    dateInputCaption = fieldCaption(dateInput, QStringLiteral("dateInputCaption"), texts::kDateLabel, 720, 975);

    // Drawn over the third button slot of the upper frame, but a control of the window itself.
    copyButton = button(this, QStringLiteral("copyButton"), texts::kCopy, 3600, 2520);
    copyButton->setEnabled(false);
}

void ConverterWindow::createTopFrames(const QIcon& logoIcon)
{
    monthNamesFrame = frame(this, QStringLiteral("monthNamesFrame"), texts::kMonthChoice, 120, 120, 3615, 1095);
    englishMonthsOption = place(new QRadioButton(texts::kEnglishMonths, monthNamesFrame),
                                QStringLiteral("englishMonthsOption"), 120, 720, 1695, 255);
    germanMonthsOption = place(new QRadioButton(texts::kGermanMonths, monthNamesFrame),
                               QStringLiteral("germanMonthsOption"), 120, 360, 2295, 195);
    germanMonthsOption->setChecked(true);
    keepOptionTabStopAtSelected();

    makerFrame = frame(this, QStringLiteral("makerFrame"), QString(), 3840, 120, 2895, 1095);
    logo = place(new QLabel(makerFrame), QStringLiteral("logo"), 120, 360, 540, 540);
    logo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    logo->setLineWidth(2);
    logo->setPixmap(logoIcon.pixmap(QSize(32, 32), devicePixelRatioF()));
    logo->resize(logo->sizeHint());
    logo->setFocusPolicy(Qt::StrongFocus);

    webLink = place(new QLabel(texts::kWebAddress, makerFrame), QStringLiteral("webLink"), 720, 480, 2055, 375);
    webLink->setFont(sansSerif(12));
    webLink->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    webLink->setMouseTracking(true);
    webLink->installEventFilter(this);
}

void ConverterWindow::createStatusBar()
{
    statusBar = place(new StatusBar(this), QStringLiteral("statusBar"), 0, 5565, 6870, 255);
    for (StatusPanel key : {StatusPanel::Time, StatusPanel::Date, StatusPanel::Tactical})
        statusBar->addPanel(key, px(1440));
}

// Where controls overlap, the one named first lies on top.
void ConverterWindow::arrangeStacking()
{
    const std::initializer_list<QWidget*> topFirst{
        toNormalFrame,
        pasteButton,
        clearToNormalButton,
        toNormalButton,
        dateResult,
        timeResult,
        tacticalInput,
        dateResultCaption,
        tacticalInputCaption,
        timeResultCaption,
        monthNamesFrame,
        englishMonthsOption,
        germanMonthsOption,
        makerFrame,
        logo,
        webLink,
        copyButton,
        toTacticalFrame,
        clearToTacticalButton,
        nowButton,
        timeInput,
        dateInput,
        tacticalResult,
        toTacticalButton,
        timeInputCaption,
        tacticalResultCaption,
        dateInputCaption,
        statusBar,
    };
    for (QWidget* control : topFirst)
        control->lower();
}

void ConverterWindow::arrangeTabOrder()
{
    const std::initializer_list<QWidget*> order{
        toTacticalButton,
        tacticalResult,
        dateInput,
        timeInput,
        nowButton,
        copyButton,
        logo,
        germanMonthsOption,
        englishMonthsOption,
        tacticalInput,
        timeResult,
        dateResult,
        toNormalButton,
        clearToTacticalButton,
        clearToNormalButton,
        pasteButton,
    };
    QWidget* previous = nullptr;
    for (QWidget* control : order) {
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
    toTacticalButton->setFocus();
}

void ConverterWindow::nameForScreenReaders()
{
    const std::initializer_list<std::pair<QWidget*, QString>> names{
        {timeInput, texts::kTimeInputName},
        {dateInput, texts::kDateInputName},
        {tacticalResult, texts::kTacticalResultName},
        {tacticalInput, texts::kTacticalInputName},
        {timeResult, texts::kTimeResultName},
        {dateResult, texts::kDateResultName},
        {toTacticalButton, texts::kToTacticalName},
        {toNormalButton, texts::kToNormalName},
        {clearToTacticalButton, texts::kClearToTacticalName},
        {clearToNormalButton, texts::kClearToNormalName},
        {logo, texts::kLogoName},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(name);
    webLink->setAccessibleDescription(texts::kWebLinkDescription);
}

// The month options take one keyboard stop, at the selected one; the arrow keys move within the group.
void ConverterWindow::keepOptionTabStopAtSelected()
{
    const auto update = [this] {
        for (QRadioButton* option : {germanMonthsOption, englishMonthsOption})
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    update();
    connect(germanMonthsOption, &QRadioButton::toggled, this, update);
}
