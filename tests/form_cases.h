#pragma once

#include "designed_form.h"
#include "examples.h"
#include "fake_desktop.h"
#include "layout.h"
#include "view.h"

#include <string>
#include <vector>

// One table of what the window does, in plain C++, that every window runs over the fake desktop: the form
// alone with a recording view, the Qt window, the Windows window. A case is a list of steps: what the user
// and the desktop do, and what the window must show then. Expected texts are the designed ones.
namespace cases {

using form::Control;
using form::MessageIcon;
using form::StatusPanel;

struct ShownMessage {
    std::u16string text;
    MessageIcon icon;
};

// How a test drives one kind of window.
class FormDriver {
public:
    virtual ~FormDriver() = default;
    // Makes the window over the desktop and shows it; close() destroys it.
    virtual void open(FakeDesktop& desktop) = 0;
    virtual void close() = 0;
    // The user types the text into the field in place of what it held.
    virtual void type(Control field, std::u16string_view text) = 0;
    // The text lands in the field whole, line breaks included, as a paste with Ctrl+V brings it.
    virtual void fill(Control field, std::u16string_view text) = 0;
    // Typed at the end of the field's text.
    virtual void typeMore(Control field, std::u16string_view text) = 0;
    // End, then Backspace.
    virtual void eraseLast(Control field) = 0;
    virtual void click(Control control) = 0;
    // The status timer fires.
    virtual void tick() = 0;
    virtual void setMinimized(bool minimized) = 0;
    // Empties a status panel, so that a test sees whether the next tick writes it.
    virtual void blankPanel(StatusPanel panel) = 0;

    virtual std::u16string text(Control field) = 0;
    virtual bool isEnabled(Control control) = 0;
    virtual bool isChecked(Control option) = 0;
    virtual std::u16string panelText(StatusPanel panel) = 0;
    virtual std::u16string caption() = 0;
    // Milliseconds until the next tick, or -1 when no single precise tick is scheduled.
    virtual int tickDelay() = 0;
    // The messages shown since the last call. A driver reports a message that is not modal to the window or
    // not titled kDesignedTitle with a text that says so.
    virtual std::vector<ShownMessage> takeMessages() = 0;
};

enum class Do {
    Type,
    Fill,
    TypeMore,
    EraseLast,
    Click,
    Tick,
    Minimize,
    Restore,
    BlankPanel,
    ClockAt,  // the clock stands at the moment from now on (local, or UTC when number is 1), its readings counted
              // afresh
    ClipboardHolds,
    ClipboardWaits,  // the clipboard answers only when a later step says so
    ClipboardAnswers,
    ClipboardGivesUp,
    ClipboardRefuses,  // the system will not let the program read the clipboard
    CopyFails,         // every copy from now on finds the clipboard held by another program
    BrowserFails,
    ExpectText,
    ExpectEnabled,
    ExpectChecked,
    ExpectPanel,
    ExpectCaption,
    ExpectMessage,  // exactly this one message since the last look at the messages
    ExpectNoMessage,
    ExpectClipboard,
    ExpectPasteRequests,
    ExpectOpened,  // the one address opened so far
    ExpectClockReads,
    ExpectTickDelay,
};

struct Step {
    Do what;
    Control control = Control::None;
    std::u16string text = {};
    int number = 0;
    core::Moment moment = {};
    StatusPanel panel = StatusPanel::Time;
    MessageIcon icon = MessageIcon::Critical;
};

inline Step type(Control field, std::u16string text)
{
    return {Do::Type, field, std::move(text)};
}
inline Step fill(Control field, std::u16string text)
{
    return {Do::Fill, field, std::move(text)};
}
inline Step typeMore(Control field, std::u16string text)
{
    return {Do::TypeMore, field, std::move(text)};
}
inline Step eraseLast(Control field)
{
    return {Do::EraseLast, field};
}
inline Step click(Control control)
{
    return {Do::Click, control};
}
inline Step tick()
{
    return {Do::Tick};
}
inline Step minimize()
{
    return {Do::Minimize};
}
inline Step restore()
{
    return {Do::Restore};
}
inline Step blankPanel(StatusPanel panel)
{
    return {.what = Do::BlankPanel, .panel = panel};
}
inline Step clockAt(core::Moment moment)
{
    return {.what = Do::ClockAt, .moment = moment};
}
inline Step clockAtUtc(core::Moment moment)
{
    return {.what = Do::ClockAt, .number = 1, .moment = moment};
}
inline Step clipboardHolds(std::u16string text)
{
    return {.what = Do::ClipboardHolds, .text = std::move(text)};
}
inline Step clipboardWaits()
{
    return {Do::ClipboardWaits};
}
inline Step clipboardAnswers()
{
    return {Do::ClipboardAnswers};
}
inline Step clipboardGivesUp()
{
    return {Do::ClipboardGivesUp};
}
inline Step clipboardRefuses()
{
    return {Do::ClipboardRefuses};
}
inline Step copyFails()
{
    return {Do::CopyFails};
}
inline Step browserFails()
{
    return {Do::BrowserFails};
}
inline Step expectText(Control field, std::u16string text)
{
    return {Do::ExpectText, field, std::move(text)};
}
inline Step expectEnabled(Control control, bool enabled)
{
    return {Do::ExpectEnabled, control, {}, enabled};
}
inline Step expectChecked(Control option, bool checked)
{
    return {Do::ExpectChecked, option, {}, checked};
}
inline Step expectPanel(StatusPanel panel, std::u16string text)
{
    return {.what = Do::ExpectPanel, .text = std::move(text), .panel = panel};
}
inline Step expectCaption(std::u16string text)
{
    return {.what = Do::ExpectCaption, .text = std::move(text)};
}
inline Step expectMessage(std::u16string text, MessageIcon icon)
{
    return {.what = Do::ExpectMessage, .text = std::move(text), .icon = icon};
}
inline Step expectNoMessage()
{
    return {Do::ExpectNoMessage};
}
inline Step expectClipboard(std::u16string text)
{
    return {.what = Do::ExpectClipboard, .text = std::move(text)};
}
inline Step expectPasteRequests(int count)
{
    return {.what = Do::ExpectPasteRequests, .number = count};
}
inline Step expectOpened(std::u16string address)
{
    return {.what = Do::ExpectOpened, .text = std::move(address)};
}
inline Step expectClockReads(int count)
{
    return {.what = Do::ExpectClockReads, .number = count};
}
inline Step expectTickDelay(int milliseconds)
{
    return {.what = Do::ExpectTickDelay, .number = milliseconds};
}

struct FormCase {
    std::string name;
    std::vector<Step> steps;
    // Where the clock stands when the window opens.
    core::Moment openedAt = momentAt(2026, 12, 8, 10, 15, 42);
};

inline const std::u16string kCheckInput = u"Bitte Eingaben \u00fcberpr\u00fcfen !!!";
inline const std::u16string kNoBrowser = u"Kein Internetbrowser installiert ?!";
inline const std::u16string kClipboardSilent = u"Die Zwischenablage antwortet nicht.";
inline const std::u16string kPasteRefused = u"Bitte mit Strg+V in das Feld einf\u00fcgen.";

inline std::vector<FormCase> formCases()
{
    std::vector<FormCase> all{
        {"opens in its initial state",
         {expectText(Control::TimeInput, u""), expectText(Control::DateInput, u""),
          expectText(Control::TacticalResult, u""), expectText(Control::TacticalInput, u""),
          expectText(Control::TimeResult, u""), expectText(Control::DateResult, u""),
          expectEnabled(Control::CopyButton, false), expectChecked(Control::GermanMonthsOption, true),
          expectChecked(Control::EnglishMonthsOption, false), expectCaption(kDesignedTitle)}},
        {"the tactical input takes 16 typed characters",
         {type(Control::TacticalInput, u"031732B jul 20041"), expectText(Control::TacticalInput, u"031732B jul 2004")}},
        {"now fills the upper frame from one reading",
         {click(Control::EnglishMonthsOption), clockAt(momentAt(2009, 10, 14, 16, 38, 53)), click(Control::NowButton),
          expectClockReads(1), expectText(Control::TimeInput, u"16:38:53"),
          expectText(Control::DateInput, u"14.10.2009"), expectText(Control::TacticalResult, u"141638okt09"),
          expectEnabled(Control::CopyButton, true), click(Control::ToTacticalButton),
          expectText(Control::TacticalResult, u"141638oct09")}},
        {"copies and pastes through the clipboard",
         {click(Control::NowButton), click(Control::CopyButton), expectClipboard(u"081015dez26"),
          click(Control::PasteButton), expectText(Control::TacticalInput, u"081015dez26"),
          expectText(Control::TimeResult, u""), expectText(Control::DateResult, u""), click(Control::ToNormalButton),
          expectText(Control::TimeResult, u"10:15"), expectText(Control::DateResult, u"08.12.26")}},
        {"a copy of an empty result keeps the clipboard",
         {click(Control::NowButton), click(Control::ClearToTacticalButton), expectText(Control::TimeInput, u""),
          expectText(Control::DateInput, u""), expectText(Control::TacticalResult, u""),
          expectEnabled(Control::CopyButton, true), clipboardHolds(u"was der Benutzer kopiert hatte"),
          click(Control::CopyButton), expectClipboard(u"was der Benutzer kopiert hatte")}},
        {"a paste waits for the clipboard without blocking",
         {clipboardWaits(), clipboardHolds(u"141638okt2009"), click(Control::PasteButton), click(Control::PasteButton),
          expectPasteRequests(1), expectText(Control::TacticalInput, u""), click(Control::NowButton),
          expectText(Control::TacticalResult, u"081015dez26"), clipboardAnswers(),
          expectText(Control::TacticalInput, u"141638okt2009"), click(Control::PasteButton), expectPasteRequests(2)}},
        {"a silent clipboard leaves the input and says so",
         {clipboardWaits(), type(Control::TacticalInput, u"141638okt09"), click(Control::PasteButton),
          clipboardGivesUp(), expectMessage(kClipboardSilent, MessageIcon::Information),
          expectText(Control::TacticalInput, u"141638okt09"), click(Control::PasteButton), expectPasteRequests(2)}},
        {"a copy the clipboard does not take keeps the result and says so",
         {click(Control::NowButton), clipboardHolds(u"vorher"), copyFails(), click(Control::CopyButton),
          expectMessage(kClipboardSilent, MessageIcon::Information), expectClipboard(u"vorher"),
          expectText(Control::TacticalResult, u"081015dez26")}},
        {"a refused paste asks for Ctrl+V and leaves the input",
         {clipboardWaits(), type(Control::TacticalInput, u"141638okt09"), click(Control::PasteButton),
          clipboardRefuses(), expectMessage(kPasteRefused, MessageIcon::Information),
          expectText(Control::TacticalInput, u"141638okt09"), click(Control::PasteButton), expectPasteRequests(2)}},
        {"a long paste can be shortened but not lengthened",
         {clipboardHolds(u" 141638 okt 2009 \n"), click(Control::PasteButton), eraseLast(Control::TacticalInput),
          expectText(Control::TacticalInput, u" 141638 okt 2009 "), typeMore(Control::TacticalInput, u"x"),
          expectText(Control::TacticalInput, u" 141638 okt 2009 "), click(Control::ToNormalButton),
          expectText(Control::TimeResult, u"16:38"), click(Control::ClearToNormalButton),
          type(Control::TacticalInput, u"031732B jul 20041"), expectText(Control::TacticalInput, u"031732B jul 2004")}},
        {"each clear button empties only its frame",
         {click(Control::NowButton), type(Control::TacticalInput, u"141638okt2009"), click(Control::ToNormalButton),
          click(Control::ClearToNormalButton), expectText(Control::TacticalInput, u""),
          expectText(Control::TimeResult, u""), expectText(Control::DateResult, u""),
          expectText(Control::TacticalResult, u"081015dez26"), click(Control::ClearToTacticalButton),
          expectText(Control::TimeInput, u""), expectText(Control::DateInput, u""),
          expectText(Control::TacticalResult, u"")}},
        {"the link opens the web page",
         {click(Control::WebLink), expectOpened(u"http://" TAKTZEIT_WEB_ADDRESS), expectNoMessage()}},
        {"a failing browser is reported once per click",
         {browserFails(), click(Control::WebLink), expectMessage(kNoBrowser, MessageIcon::Information),
          click(Control::WebLink), expectMessage(kNoBrowser, MessageIcon::Information)}},
        {"the status bar is filled at opening",
         {expectPanel(StatusPanel::Time, u"16:38:53 Uhr"), expectPanel(StatusPanel::Date, u"14.10.2009"),
          expectPanel(StatusPanel::Tactical, u"141638okt09")},
         momentAt(2009, 10, 14, 16, 38, 53, 250)},
        {"a tick refreshes every panel from one reading",
         {click(Control::EnglishMonthsOption), clockAt(momentAt(2009, 12, 31, 23, 59, 59)), tick(),
          clockAt(momentAt(2010, 1, 1, 0, 0, 0, 3)), tick(), expectClockReads(1),
          expectPanel(StatusPanel::Time, u"00:00:00 Uhr"), expectPanel(StatusPanel::Date, u"01.01.2010"),
          expectPanel(StatusPanel::Tactical, u"010000jan10")}},
        {"an early tick waits without showing its second twice",
         {clockAt(momentAt(2009, 10, 14, 16, 38, 55, 10)), tick(), blankPanel(StatusPanel::Time),
          clockAt(momentAt(2009, 10, 14, 16, 38, 55, 998)), tick(), expectPanel(StatusPanel::Time, u""),
          expectTickDelay(4), clockAt(momentAt(2009, 10, 14, 16, 38, 56, 2)), tick(),
          expectPanel(StatusPanel::Time, u"16:38:56 Uhr")}},
        {"the autumn hour that happens twice is shown both times",
         {clockAtUtc(momentAt(2026, 10, 25, 0, 30, 0)), tick(), expectPanel(StatusPanel::Time, u"02:30:00 Uhr"),
          blankPanel(StatusPanel::Time), clockAtUtc(momentAt(2026, 10, 25, 1, 30, 0)), tick(),
          expectPanel(StatusPanel::Time, u"02:30:00 Uhr"), expectPanel(StatusPanel::Tactical, u"250230okt26")}},
        {"the minimized caption shows the tactical time",
         {clockAt(momentAt(2009, 10, 14, 16, 38, 0)), minimize(), expectCaption(u"141638okt09"),
          clockAt(momentAt(2009, 10, 14, 16, 45, 0)), tick(), expectCaption(u"141638okt09"),
          expectPanel(StatusPanel::Tactical, u"141645okt09"), restore(), expectCaption(kDesignedTitle)}},
    };

    for (const auto& e : normalToTacticalExamples()) {
        all.push_back({"to tactical: " + e.name,
                       {fill(Control::TimeInput, e.time), fill(Control::DateInput, e.date),
                        click(Control::GermanMonthsOption), click(Control::ToTacticalButton),
                        expectText(Control::TacticalResult, e.german), click(Control::EnglishMonthsOption),
                        click(Control::ToTacticalButton), expectText(Control::TacticalResult, e.english),
                        expectEnabled(Control::CopyButton, true), expectNoMessage()}});
    }
    // Pasted, as texts with line breaks and no-break spaces arrive, on a computer in Germany; the month option
    // changes nothing.
    for (const auto& e : tacticalToNormalExamples()) {
        all.push_back({"to normal: " + e.name,
                       {click(Control::EnglishMonthsOption), clipboardHolds(e.tactical), click(Control::PasteButton),
                        click(Control::ToNormalButton), expectText(Control::TimeResult, e.germanTime),
                        expectText(Control::DateResult, e.germanDate), expectEnabled(Control::CopyButton, false),
                        expectNoMessage()}});
    }

    const std::pair<const char*, std::pair<std::u16string, std::u16string>> badNormal[] = {
        {"empty date", {u"16:38", u""}},
        {"no date", {u"16:38", u"abc"}},
        {"impossible date", {u"16:38", u"31.04.2009"}},
        {"empty time", {u"", u"14.10.2009"}},
        {"time cut wrongly by position", {u"8:5", u"14.10.2009"}},
        {"no such hour", {u"24:00", u"14.10.2009"}},
    };
    for (const auto& [name, input] : badNormal) {
        for (bool earlierResult : {false, true}) {
            FormCase bad{std::string(earlierResult ? "bad input after a result: " : "bad input: ") + name, {}};
            if (earlierResult)
                bad.steps = {type(Control::TimeInput, u"16:38"), type(Control::DateInput, u"14.10.2009"),
                             click(Control::ToTacticalButton)};
            bad.steps.insert(bad.steps.end(),
                             {type(Control::TimeInput, input.first), type(Control::DateInput, input.second),
                              click(Control::ToTacticalButton), expectMessage(kCheckInput, MessageIcon::Critical),
                              expectText(Control::TacticalResult, earlierResult ? u"141638okt09" : u""),
                              expectEnabled(Control::CopyButton, earlierResult)});
            all.push_back(std::move(bad));
        }
    }
    for (const char16_t* bad : {u"", u" 141638okt200", u"xx1638okt2009", u"141638xyz2009", u"291200feb2009"}) {
        all.push_back({"bad tactical input: '" + utf8(bad) + "'",
                       {type(Control::TacticalInput, u"141638okt2009"), click(Control::ToNormalButton),
                        type(Control::TacticalInput, bad), click(Control::ToNormalButton),
                        expectMessage(kCheckInput, MessageIcon::Critical), expectText(Control::TimeResult, u"16:38"),
                        expectText(Control::DateResult, u"14.10.2009")}});
    }
    // Whatever the clipboard gave lands whole; converting it reports bad input.
    for (const auto& [name, clipboard] : {std::pair<const char*, std::u16string>{"an empty clipboard", u""},
                                          {"longer than the form", u"141638okt2009 aus dem Funkbuch"},
                                          {"as long as a paste may be", std::u16string(10000, u'1')}}) {
        all.push_back({std::string("a paste takes ") + name,
                       {type(Control::TacticalInput, u"141638okt09"), clipboardHolds(clipboard),
                        click(Control::PasteButton), expectText(Control::TacticalInput, clipboard),
                        click(Control::ToNormalButton), expectMessage(kCheckInput, MessageIcon::Critical)}});
    }
    // The status bar at each builder moment, German whatever the option says.
    for (const BuilderExample& e : kBuilderExamples) {
        all.push_back({std::string("the status bar at: ") + e.name,
                       {click(Control::EnglishMonthsOption), clockAt(e.moment), tick(), expectClockReads(1),
                        expectPanel(StatusPanel::Time, e.time + std::u16string(u" Uhr")),
                        expectPanel(StatusPanel::Date, e.date), expectPanel(StatusPanel::Tactical, e.tactical)}});
    }
    // The next refresh lands just after the next full second of the wall clock, whatever the last one hit.
    for (const auto& [millisecond, delay] : {std::pair{0, 1002}, {250, 752}, {999, 3}}) {
        all.push_back({"the next tick after " + std::to_string(millisecond) + " ms",
                       {clockAt(momentAt(2009, 10, 14, 16, 38, 54, millisecond)), tick(), expectTickDelay(delay)}});
    }
    return all;
}

template <class Value>
std::string differs(const std::string& what, const Value& shown, const Value& wanted)
{
    if (shown == wanted)
        return {};
    if constexpr (std::is_same_v<Value, std::u16string>)
        return what + " is '" + utf8(shown) + "', not '" + utf8(wanted) + "'";
    else
        return what + " is " + std::to_string(shown) + ", not " + std::to_string(wanted);
}

inline std::string controlName(Control control)
{
    return std::string(form::layoutOf(control).name);
}

// What went wrong in the step, or nothing.
inline std::string runStep(const Step& step, FormDriver& driver, FakeDesktop& desktop)
{
    switch (step.what) {
    case Do::Type: driver.type(step.control, step.text); break;
    case Do::Fill: driver.fill(step.control, step.text); break;
    case Do::TypeMore: driver.typeMore(step.control, step.text); break;
    case Do::EraseLast: driver.eraseLast(step.control); break;
    case Do::Click: driver.click(step.control); break;
    case Do::Tick: driver.tick(); break;
    case Do::Minimize: driver.setMinimized(true); break;
    case Do::Restore: driver.setMinimized(false); break;
    case Do::BlankPanel: driver.blankPanel(step.panel); break;
    case Do::ClockAt:
        if (step.number == 1)
            desktop.instant = core::utcInstant(step.moment);
        else
            desktop.standAt(step.moment);
        desktop.clockReads = 0;
        break;
    case Do::ClipboardHolds: desktop.clipboard = step.text; break;
    case Do::ClipboardWaits: desktop.answersAtOnce = false; break;
    case Do::ClipboardAnswers: desktop.answerPaste(); break;
    case Do::ClipboardGivesUp: desktop.answerPaste(form::ClipboardAnswer::Silent); break;
    case Do::ClipboardRefuses: desktop.answerPaste(form::ClipboardAnswer::Refused); break;
    case Do::CopyFails: desktop.copyFails = true; break;
    case Do::BrowserFails: desktop.browserWorks = false; break;
    case Do::ExpectText:
        return differs("the text of " + controlName(step.control), driver.text(step.control), step.text);
    case Do::ExpectEnabled:
        return differs(controlName(step.control) + " enabled", int(driver.isEnabled(step.control)), step.number);
    case Do::ExpectChecked:
        return differs(controlName(step.control) + " selected", int(driver.isChecked(step.control)), step.number);
    case Do::ExpectPanel:
        return differs("panel " + std::to_string(int(step.panel)), driver.panelText(step.panel), step.text);
    case Do::ExpectCaption: return differs("the caption", driver.caption(), step.text);
    case Do::ExpectMessage:
    case Do::ExpectNoMessage: {
        const auto described = [](const std::u16string& text, MessageIcon icon) {
            return text + (icon == MessageIcon::Critical ? u" (stop); " : u" (information); ");
        };
        std::u16string shown;
        for (const ShownMessage& message : driver.takeMessages())
            shown += described(message.text, message.icon);
        return differs("the messages", shown,
                       step.what == Do::ExpectMessage ? described(step.text, step.icon) : std::u16string());
    }
    case Do::ExpectClipboard: return differs("the clipboard", desktop.clipboard, step.text);
    case Do::ExpectPasteRequests: return differs("paste requests", desktop.pasteRequests, step.number);
    case Do::ExpectOpened:
        return differs("addresses opened", desktop.opened.size() == 1 ? desktop.opened.front() : std::u16string(u"?"),
                       step.text);
    case Do::ExpectClockReads: return differs("clock readings", desktop.clockReads, step.number);
    case Do::ExpectTickDelay: return differs("the next tick in ms", driver.tickDelay(), step.number);
    }
    return {};
}

// Runs the case on a window of the driver's kind; what went wrong, or nothing.
inline std::string runCase(const FormCase& formCase, FormDriver& driver)
{
    FakeDesktop desktop;
    desktop.standAt(formCase.openedAt);
    driver.open(desktop);
    std::string failure;
    for (std::size_t i = 0; i < formCase.steps.size() && failure.empty(); ++i) {
        failure = runStep(formCase.steps[i], driver, desktop);
        if (!failure.empty())
            failure = "step " + std::to_string(i + 1) + ": " + failure;
    }
    driver.close();
    return failure;
}

}  // namespace cases
