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

// The longest tactical time typed: a date-time group with single spaces, "031732B jul 2004".
constexpr std::size_t kTacticalInputLength = 16;

std::u16string tacticalText(const core::Moment& moment)
{
    return core::writeTactical(moment.date, moment.time, core::MonthLanguage::German);
}

bool sameSecond(const core::Moment& a, const core::Moment& b)
{
    return a.date == b.date && a.time.hour == b.time.hour && a.time.minute == b.time.minute
        && a.time.second == b.time.second;
}

}  // namespace

Form::Form(View& view, Desktop& desktop)
    : view(view),
      desktop(desktop)
{
}

void Form::load()
{
    view.setLimit(Control::TacticalInput, kTacticalInputLength);
    refreshStatus();
}

void Form::tick()
{
    refreshStatus();
}

std::u16string Form::currentTacticalTime() const
{
    return tacticalText(desktop.now());
}

// Shows the time, date and tactical time of one clock reading and schedules the next refresh just after the
// next full second.
void Form::refreshStatus()
{
    const core::Moment now = desktop.now();
    // A tick that lands before the full second it waited for would show the same second twice.
    if (!lastShown || !sameSecond(*lastShown, now)) {
        view.setPanelText(StatusPanel::Time, core::formatClockTime(now.time).append(kClockSuffix));
        view.setPanelText(StatusPanel::Date, core::formatDate(now.date));
        view.setPanelText(StatusPanel::Tactical, tacticalText(now));
        lastShown = now;
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
                                               view.monthLanguage(), desktop.now().date.year());
    if (!result) {
        view.showMessage(kCheckInput, MessageIcon::Critical);
        return;
    }
    view.setText(Control::TacticalResult, *result);
    view.enableCopy();
}

void Form::convertToNormal()
{
    const auto result = core::tacticalToNormal(view.text(Control::TacticalInput),
                                               [this](std::chrono::sys_seconds utc) { return desktop.localTime(utc); });
    if (!result) {
        view.showMessage(kCheckInput, MessageIcon::Critical);
        return;
    }
    view.setText(Control::TimeResult, result->time);
    view.setText(Control::DateResult, result->date);
}

void Form::fillWithNow()
{
    const core::Moment now = desktop.now();
    view.setText(Control::TimeInput, core::formatClockTime(now.time));
    view.setText(Control::DateInput, core::formatDate(now.date));
    view.setText(Control::TacticalResult, tacticalText(now));
    view.enableCopy();
}

void Form::copyResult()
{
    // An empty result would only wipe out what the user had copied elsewhere.
    const std::u16string result = view.text(Control::TacticalResult);
    if (!result.empty())
        desktop.copy(result);
}

// The clipboard answers later; a second click while it has not answered asks nothing more.
void Form::pasteTactical()
{
    if (pasteUnanswered)
        return;
    pasteUnanswered = true;
    desktop.requestPaste([this](const std::optional<std::u16string>& text) { takePaste(text); });
}

void Form::takePaste(const std::optional<std::u16string>& text)
{
    pasteUnanswered = false;
    if (!text) {
        view.showMessage(kClipboardSilent, MessageIcon::Information);
        return;
    }
    setTacticalInput(*text);
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
    view.setLimit(Control::TacticalInput, std::max(kTacticalInputLength, length));
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
