#include "window/start.h"

#include "platform/status_bar.h"
#include "tactical/normal_to_tactical.h"
#include "tactical/tactical_time.h"
#include "tactical/tactical_to_normal.h"
#include "window/pictures.h"
#include "window/texts.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// How long after the full second a status refresh lands: enough for the timer never to fire before it.
constexpr int kTickDelayMs = 2;

QString qText(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

QString tacticalText(const Moment& moment)
{
    return qText(tactical::tacticalTime(moment.date, moment.time, tactical::MonthLanguage::German));
}

bool sameSecond(const Moment& a, const Moment& b)
{
    return a.date == b.date && a.time.hour == b.time.hour && a.time.minute == b.time.minute
        && a.time.second == b.time.second;
}

}  // namespace

Start::Start(Services services, QWidget* parent)
    : QWidget(parent), services(services)
{
    createControls();
    connectHandlers();
    refreshStatus();
}

QString Start::orvdate() const
{
    return tacticalText(services.clock.now());
}

void Start::connectHandlers()
{
    connect(Timer1, &QTimer::timeout, this, &Start::refreshStatus);
    connect(Command1, &QPushButton::clicked, this, &Start::fillWithNow);
    connect(Command2, &QPushButton::clicked, this, &Start::convertToTactical);
    connect(Command3, &QPushButton::clicked, this, &Start::copyResult);
    connect(Command4, &QPushButton::clicked, this, &Start::clearNormalInputs);
    connect(Command5, &QPushButton::clicked, this, &Start::convertToNormal);
    connect(Command6, &QPushButton::clicked, this, &Start::clearTacticalInputs);
    connect(Command7, &QPushButton::clicked, this, &Start::pasteTactical);
    connect(Text4, &QLineEdit::textChanged, this, [this](const QString& text) { limitTacticalInput(text.size()); });
}

void Start::refreshStatus()
{
    const Moment now = services.clock.now();
    // A tick that lands before the full second it waited for would show the same second twice.
    if (!lastShown || !sameSecond(*lastShown, now)) {
        StatusBar1->setPanelText(texts::kTimePanel, qText(tactical::timeText(now)) + texts::kClockSuffix);
        StatusBar1->setPanelText(texts::kDatePanel, qText(tactical::dateText(now)));
        StatusBar1->setPanelText(texts::kTacticalPanel, tacticalText(now));
        lastShown = now;
    }
    Timer1->start(1000 - now.millisecond + kTickDelayMs);
}

void Start::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        updateCaption();
}

void Start::updateCaption()
{
    setWindowTitle(isMinimized() ? orvdate() : texts::kTitle);
}

void Start::convertToTactical()
{
    const auto language = Option1->isChecked() ? tactical::MonthLanguage::German : tactical::MonthLanguage::English;
    const auto result = tactical::normalToTactical(Text1->text().toStdU16String(), Text2->text().toStdU16String(),
                                                   language, services.clock.now().date.year());
    if (!result) {
        reportBadInput();
        return;
    }
    Text3->setText(qText(*result));
    Command3->setEnabled(true);
}

void Start::convertToNormal()
{
    const auto result = tactical::tacticalToNormal(Text4->text().toStdU16String());
    if (!result) {
        reportBadInput();
        return;
    }
    Text5->setText(qText(result->time));
    Text6->setText(qText(result->date));
}

void Start::reportBadInput()
{
    services.messageBoxes.show(texts::kTitle, texts::kCheckInput, MessageIcon::Critical);
}

void Start::fillWithNow()
{
    const Moment now = services.clock.now();
    Text1->setText(qText(tactical::timeText(now)));
    Text2->setText(qText(tactical::dateText(now)));
    Text3->setText(tacticalText(now));
    Command3->setEnabled(true);
}

void Start::copyResult()
{
    // An empty result would only wipe out what the user had copied elsewhere.
    if (!Text3->text().isEmpty())
        services.clipboard.setText(Text3->text());
}

void Start::pasteTactical()
{
    const QString text = services.clipboard.text();
    limitTacticalInput(text.size());
    Text4->setText(text);
}

// Typing and pasting into the tactical input stop at its form's length, but a longer text the paste
// button brought stays whole and can still be shortened.
void Start::limitTacticalInput(qsizetype length)
{
    Text4->setMaxLength(static_cast<int>(std::max<qsizetype>(kTacticalInputLength, length)));
}

void Start::clearNormalInputs()
{
    Text1->clear();
    Text2->clear();
    Text3->clear();
}

void Start::clearTacticalInputs()
{
    Text4->clear();
    Text5->clear();
    Text6->clear();
}

bool Start::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label2) {
        if (event->type() == QEvent::MouseMove) {
            // Made when first needed, so building the cursor never delays the window's first paint.
            if (!Label2->testAttribute(Qt::WA_SetCursor))
                Label2->setCursor(handCursor());
            setLinkLit(true);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() == Qt::LeftButton && Label2->rect().contains(release->position().toPoint()))
                openWebPage();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Plain mouse moves reach only widgets that track the mouse, so the window sees them over its bare surface
// alone: the link stays lit while the pointer crosses a frame or another control.
void Start::mouseMoveEvent(QMouseEvent* event)
{
    setLinkLit(false);
    QWidget::mouseMoveEvent(event);
}

void Start::setLinkLit(bool lit)
{
    // Every mouse move asks; only a change of look is worth a repaint.
    if (Label2->font().underline() == lit)
        return;
    QPalette palette;
    if (lit)
        palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    Label2->setPalette(palette);
    QFont font = Label2->font();
    font.setUnderline(lit);
    Label2->setFont(font);
}

void Start::openWebPage()
{
    if (!services.webOpener.open(QUrl(QStringLiteral("http://") + texts::kWebAddress)))
        services.messageBoxes.show(texts::kTitle, texts::kNoBrowser, MessageIcon::Information);
}
