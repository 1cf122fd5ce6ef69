#include "converter_window.h"

#include "clock_text.h"
#include "contrast.h"
#include "conversions.h"
#include "pictures.h"
#include "status_bar.h"
#include "tactical_time.h"
#include "texts.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <mutex>

namespace {

// How long after the full second a status refresh lands: enough for the timer never to fire before it.
constexpr int kTickDelayMs = 2;

QString qText(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

QString tacticalText(const core::Moment& moment)
{
    return qText(core::writeTactical(moment.date, moment.time, core::MonthLanguage::German));
}

bool sameSecond(const core::Moment& a, const core::Moment& b)
{
    return a.date == b.date && a.time.hour == b.time.hour && a.time.minute == b.time.minute
        && a.time.second == b.time.second;
}

// A plain top-level widget is a "filler" to screen readers; this one is announced as a window, named by its
// caption.
QAccessibleInterface* windowAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("ConverterWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

ConverterWindow::ConverterWindow(Services services, QWidget* parent)
    : QWidget(parent),
      services(services)
{
    static std::once_flag accessibleFactory;
    std::call_once(accessibleFactory, [] { QAccessible::installFactory(windowAccessible); });
    createControls();
    connectHandlers();
    refreshStatus();
}

QString ConverterWindow::currentTacticalTime() const
{
    return tacticalText(services.clock.now());
}

void ConverterWindow::connectHandlers()
{
    connect(statusTimer, &QTimer::timeout, this, &ConverterWindow::refreshStatus);
    connect(nowButton, &QPushButton::clicked, this, &ConverterWindow::fillWithNow);
    connect(toTacticalButton, &QPushButton::clicked, this, &ConverterWindow::convertToTactical);
    connect(copyButton, &QPushButton::clicked, this, &ConverterWindow::copyResult);
    connect(clearToTacticalButton, &QPushButton::clicked, this, &ConverterWindow::clearToTacticalInputs);
    connect(toNormalButton, &QPushButton::clicked, this, &ConverterWindow::convertToNormal);
    connect(clearToNormalButton, &QPushButton::clicked, this, &ConverterWindow::clearToNormalInputs);
    connect(pasteButton, &QPushButton::clicked, this, &ConverterWindow::pasteTactical);
    connect(&services.clipboard, &Clipboard::textRead, this, &ConverterWindow::takePastedText);
    connect(&services.clipboard, &Clipboard::noAnswer, this, &ConverterWindow::reportSilentClipboard);
    connect(tacticalInput, &QLineEdit::textChanged, this,
            [this](const QString& text) { limitTacticalInput(text.size()); });
}

void ConverterWindow::refreshStatus()
{
    const core::Moment now = services.clock.now();
    // A tick that lands before the full second it waited for would show the same second twice.
    if (!lastShown || !sameSecond(*lastShown, now)) {
        statusBar->setPanelText(StatusPanel::Time, qText(core::formatClockTime(now.time)) + texts::kClockSuffix);
        statusBar->setPanelText(StatusPanel::Date, qText(core::formatDate(now.date)));
        statusBar->setPanelText(StatusPanel::Tactical, tacticalText(now));
        lastShown = now;
    }
    statusTimer->start(1000 - now.millisecond + kTickDelayMs);
}

void ConverterWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        updateCaption();
}

void ConverterWindow::updateCaption()
{
    setWindowTitle(isMinimized() ? currentTacticalTime() : texts::kTitle);
}

void ConverterWindow::convertToTactical()
{
    const auto language = germanMonthsOption->isChecked() ? core::MonthLanguage::German : core::MonthLanguage::English;
    const auto result = core::normalToTactical(timeInput->text().toStdU16String(), dateInput->text().toStdU16String(),
                                               language, services.clock.now().date.year());
    if (!result) {
        reportBadInput();
        return;
    }
    tacticalResult->setText(qText(*result));
    copyButton->setEnabled(true);
}

void ConverterWindow::convertToNormal()
{
    const auto result = core::tacticalToNormal(tacticalInput->text().toStdU16String());
    if (!result) {
        reportBadInput();
        return;
    }
    timeResult->setText(qText(result->time));
    dateResult->setText(qText(result->date));
}

void ConverterWindow::reportBadInput()
{
    services.messageBoxes.show(this, texts::kTitle, texts::kCheckInput, MessageIcon::Critical);
}

void ConverterWindow::fillWithNow()
{
    const core::Moment now = services.clock.now();
    timeInput->setText(qText(core::formatClockTime(now.time)));
    dateInput->setText(qText(core::formatDate(now.date)));
    tacticalResult->setText(tacticalText(now));
    copyButton->setEnabled(true);
}

void ConverterWindow::copyResult()
{
    // An empty result would only wipe out what the user had copied elsewhere.
    if (!tacticalResult->text().isEmpty())
        services.clipboard.setText(tacticalResult->text());
}

// The clipboard answers later; a second click while it has not answered asks nothing more.
void ConverterWindow::pasteTactical()
{
    if (pasteUnanswered)
        return;
    pasteUnanswered = true;
    services.clipboard.requestText();
}

void ConverterWindow::takePastedText(const QString& text)
{
    pasteUnanswered = false;
    limitTacticalInput(text.size());
    tacticalInput->setText(text);
}

void ConverterWindow::reportSilentClipboard()
{
    pasteUnanswered = false;
    services.messageBoxes.show(this, texts::kTitle, texts::kClipboardSilent, MessageIcon::Information);
}

// Typing and pasting into the tactical input stop at its form's length, but a longer text the paste
// button brought stays whole and can still be shortened.
void ConverterWindow::limitTacticalInput(qsizetype length)
{
    tacticalInput->setMaxLength(static_cast<int>(std::max<qsizetype>(kTacticalInputLength, length)));
}

void ConverterWindow::clearToTacticalInputs()
{
    timeInput->clear();
    dateInput->clear();
    tacticalResult->clear();
}

void ConverterWindow::clearToNormalInputs()
{
    tacticalInput->clear();
    timeResult->clear();
    dateResult->clear();
}

bool ConverterWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == webLink) {
        if (event->type() == QEvent::MouseMove) {
            // Made when first needed, so building the cursor never delays the window's first paint.
            if (!webLink->testAttribute(Qt::WA_SetCursor))
                webLink->setCursor(handCursor());
            setLinkLit(true);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() == Qt::LeftButton && webLink->rect().contains(release->position().toPoint()))
                openWebPage();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Plain mouse moves reach only widgets that track the mouse, so the window sees them over its bare surface
// alone: the link stays lit while the pointer crosses a frame or another control.
void ConverterWindow::mouseMoveEvent(QMouseEvent* event)
{
    setLinkLit(false);
    QWidget::mouseMoveEvent(event);
}

void ConverterWindow::setLinkLit(bool lit)
{
    // Every mouse move asks; only a change of look is worth a repaint.
    if (webLink->font().underline() == lit)
        return;
    // Unlit, the link takes the window's own text colour again.
    QPalette palette;
    if (lit)
        palette.setColor(QPalette::WindowText, linkBlue(webLink->palette().color(QPalette::Window)));
    webLink->setPalette(palette);
    QFont font = webLink->font();
    font.setUnderline(lit);
    webLink->setFont(font);
}

void ConverterWindow::openWebPage()
{
    if (!services.webOpener.open(QUrl(QStringLiteral("http://") + texts::kWebAddress)))
        services.messageBoxes.show(this, texts::kTitle, texts::kNoBrowser, MessageIcon::Information);
}
