#include "converter_window.h"
#include "qt_text.h"

#include "look.h"
#include "pictures.h"
#include "status_bar.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <mutex>

using form::Control;

namespace {

// A plain top-level widget is a "filler" to screen readers; this one is announced as a window, named by its
// caption.
QAccessibleInterface* windowAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("ConverterWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

ConverterWindow::ConverterWindow(form::Desktop& desktop, MessageBoxes& messageBoxes, QWidget* parent)
    : QWidget(parent),
      messageBoxes(messageBoxes),
      form(*this, desktop)
{
    static std::once_flag accessibleFactory;
    std::call_once(accessibleFactory, [] { QAccessible::installFactory(windowAccessible); });
    createControls();
    connectHandlers();
    form.load();
}

void ConverterWindow::connectHandlers()
{
    connect(statusTimer, &QTimer::timeout, this, [this] { form.tick(); });
    for (const form::ControlLayout& row : form::kControls) {
        if (row.kind == form::ControlKind::Button)
            connect(control<QPushButton>(row.control), &QPushButton::clicked, this,
                    [this, clicked = row.control] { form.click(clicked); });
    }
    connect(control<QLineEdit>(Control::TacticalInput), &QLineEdit::textChanged, this,
            [this] { form.tacticalInputChanged(); });
}

void ConverterWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        form.windowStateChanged(isMinimized());
}

std::u16string ConverterWindow::text(Control field) const
{
    return control<QLineEdit>(field)->text().toStdU16String();
}

void ConverterWindow::setText(Control field, std::u16string_view text)
{
    control<QLineEdit>(field)->setText(qText(text));
}

void ConverterWindow::setLimit(Control field, std::size_t characters)
{
    control<QLineEdit>(field)->setMaxLength(static_cast<int>(std::min<std::size_t>(characters, INT_MAX)));
}

void ConverterWindow::enableCopy()
{
    control(Control::CopyButton)->setEnabled(true);
}

core::MonthLanguage ConverterWindow::monthLanguage() const
{
    return control<QRadioButton>(Control::GermanMonthsOption)->isChecked() ? core::MonthLanguage::German
                                                                           : core::MonthLanguage::English;
}

void ConverterWindow::setPanelText(form::StatusPanel panel, std::u16string_view text)
{
    control<StatusBar>(Control::StatusBar)->setPanelText(panel, qText(text));
}

void ConverterWindow::setCaption(std::u16string_view caption)
{
    setWindowTitle(qText(caption));
}

void ConverterWindow::showMessage(std::u16string_view text, form::MessageIcon icon)
{
    messageBoxes.show(this, qText(form::kTitle), qText(text), icon);
}

void ConverterWindow::scheduleTick(std::chrono::milliseconds delay)
{
    statusTimer->start(delay);
}

bool ConverterWindow::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* link = control(Control::WebLink);
    if (watched == link) {
        if (event->type() == QEvent::MouseMove) {
            // Made when first needed, so building the cursor never delays the window's first paint.
            if (!link->testAttribute(Qt::WA_SetCursor))
                link->setCursor(handCursor());
            setLinkLit(true);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() == Qt::LeftButton && link->rect().contains(release->position().toPoint()))
                form.click(Control::WebLink);
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
    auto* link = control<QLabel>(Control::WebLink);
    // Every mouse move asks; only a change of look is worth a repaint.
    if (link->font().underline() == lit)
        return;
    // Unlit, the link takes the window's own text colour again.
    QPalette palette;
    if (lit) {
        const auto colour = [](const QColor& qt) {
            return form::Colour{static_cast<std::uint8_t>(qt.red()), static_cast<std::uint8_t>(qt.green()),
                                static_cast<std::uint8_t>(qt.blue())};
        };
        const form::Colour blue = form::litLinkColour(colour(link->palette().color(QPalette::Window)),
                                                      colour(link->palette().color(QPalette::WindowText)));
        palette.setColor(QPalette::WindowText, QColor(blue.red, blue.green, blue.blue));
    }
    link->setPalette(palette);
    QFont font = link->font();
    font.setUnderline(lit);
    link->setFont(font);
}
