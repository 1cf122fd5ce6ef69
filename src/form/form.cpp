#include "form.h"

#include "clock_text.h"
#include "conversions.h"
#include "tactical_time.h"

#include <algorithm>
#include <initializer_list>

namespace form {
namespace {

// How long after the full second a status refresh lands: enough for the timer never to fire before it.
constexpr int kTickDelayMs = 2;

std::u16string tacticalText(const core::Moment& moment)
{
    return core::writeTactical(moment.date, moment.time, core::MonthLanguage::German);
}

}  // namespace

Form::Form(View& view, Desktop& desktop)
    : view(view),
      desktop(desktop)
{
}

void Form::load()
{
    for (const ControlLayout& row : kControls) {
        if (row.typingLimit)
            view.setLimit(row.control, row.typingLimit);
    }
    refreshStatus();
}

void Form::tick()
{
    refreshStatus();
}

std::u16string Form::currentTacticalTime() const
{
    return tacticalText(desktop.localNow());
}

// Shows the time, date and tactical time of one clock reading and schedules the next refresh just after the
// next full second.
void Form::refreshStatus()
{
    const core::Instant instant = desktop.now();
    const core::Moment now = desktop.localMoment(instant);
    // A tick that lands before the full second it waited for would show the same second twice.
    if (const auto second = std::chrono::floor<std::chrono::seconds>(instant); lastShown != second) {
        view.setPanelText(StatusPanel::Time, core::formatClockTime(now.time).append(kClockSuffix));
        view.setPanelText(StatusPanel::Date, core::formatDate(now.date));
        view.setPanelText(StatusPanel::Tactical, tacticalText(now));
        lastShown = second;
    }
    view.scheduleTick(std::chrono::milliseconds(1000 - now.millisecond + kTickDelayMs));
}

void Form::windowStateChanged(bool minimized)
{
    view.setCaption(minimized ? currentTacticalTime() : std::u16string(kTitle));
}

void Form::click(Control control)
{
    switch (control) {
    case Control::NowButton: fillWithNow(); break;
    case Control::ToTacticalButton: convertToTactical(); break;
    case Control::CopyButton: copyResult(); break;
    case Control::ClearToTacticalButton:
        clear({Control::TimeInput, Control::DateInput, Control::TacticalResult});
        break;
    case Control::ToNormalButton: convertToNormal(); break;
    case Control::ClearToNormalButton: clear({Control::TacticalInput, Control::TimeResult, Control::DateResult}); break;
    case Control::PasteButton: pasteTactical(); break;
    case Control::WebLink: openWebPage(); break;
    default: break;
    }
}

void Form::convertToTactical()
{
    const auto result = core::normalToTactical(view.text(Control::TimeInput), view.text(Control::DateInput),
                                               view.monthLanguage(), desktop.localNow().date.year());
    if (!result) {
        view.showMessage(kCheckInput, MessageIcon::Critical);
        return;
    }
    view.setText(Control::TacticalResult, *result);
    view.enableCopy();
}

void Form::convertToNormal()
{
    const auto result = core::tacticalToNormal(view.text(Control::TacticalInput), desktop);
    if (!result) {
        view.showMessage(kCheckInput, MessageIcon::Critical);
        return;
    }
    view.setText(Control::TimeResult, result->time);
    view.setText(Control::DateResult, result->date);
}

void Form::fillWithNow()
{
    const core::Moment now = desktop.localNow();
    view.setText(Control::TimeInput, core::formatClockTime(now.time));
    view.setText(Control::DateInput, core::formatDate(now.date));
    view.setText(Control::TacticalResult, tacticalText(now));
    view.enableCopy();
}

void Form::copyResult()
{
    // An empty result would only wipe out what the user had copied elsewhere.
    const std::u16string result = view.text(Control::TacticalResult);
    if (result.empty())
        return;
    // The result stays in its field, so the user can copy it again once the clipboard is free.
    desktop.copy(result, [this](ClipboardAnswer answer) {
        if (answer != ClipboardAnswer::Done)
            view.showMessage(answer == ClipboardAnswer::Refused ? kCopyRefused : kClipboardSilent,
                             MessageIcon::Information);
    });
}

// The clipboard answers later; a second click while it has not answered asks nothing more.
void Form::pasteTactical()
{
    if (pasteUnanswered)
        return;
    pasteUnanswered = true;
    desktop.requestPaste([this](ClipboardAnswer answer, std::u16string_view text) { takePaste(answer, text); });
}

void Form::takePaste(ClipboardAnswer answer, std::u16string_view text)
{
    pasteUnanswered = false;
    switch (answer) {
    case ClipboardAnswer::Done: setTacticalInput(text); break;
    case ClipboardAnswer::Silent: view.showMessage(kClipboardSilent, MessageIcon::Information); break;
    case ClipboardAnswer::Refused: view.showMessage(kPasteRefused, MessageIcon::Information); break;
    }
}

void Form::setTacticalInput(std::u16string_view text)
{
    limitTacticalInput(text.size());
    view.setText(Control::TacticalInput, text);
}

void Form::tacticalInputChanged()
{
    limitTacticalInput(view.text(Control::TacticalInput).size());
}

// Typing and pasting into the tactical input stop at its form's length, but a longer text the paste
// button brought stays whole and can still be shortened.
void Form::limitTacticalInput(std::size_t length)
{
    view.setLimit(Control::TacticalInput, std::max(layoutOf(Control::TacticalInput).typingLimit, length));
}

void Form::clear(std::initializer_list<Control> fields)
{
    for (Control field : fields)
        field == Control::TacticalInput ? setTacticalInput({}) : view.setText(field, {});
}

void Form::openWebPage()
{
    if (!desktop.openWebAddress(std::u16string(kWebScheme).append(kWebAddress)))
        view.showMessage(kNoBrowser, MessageIcon::Information);
}

}  // namespace form
