#pragma once

#include "designed_form.h"
#include "examples.h"
#include "fake_desktop.h"
#include "layout.h"
#include "view.h"

#include <cstdio>
#include <functional>
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
    void type(Control field, std::u16string_view text)
    {
        clear(field);
        typeMore(field, text);
    }
    virtual void clear(Control field) = 0;
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

// What typing leaves in a field that holds the text and takes at most `limit` characters: each keystroke adds
// its character while there is room.
inline std::u16string typedInto(std::u16string text, std::u16string_view typed, std::size_t limit)
{
    for (char16_t character : typed) {
        if (text.size() < limit)
            text += character;
    }
    return text;
}

// A message as the cases read it; one that is not modal to the window or not titled as designed says so.
inline ShownMessage shownMessage(bool modalToWindow, std::u16string_view title, std::u16string_view text,
                                 MessageIcon icon)
{
    const bool designed = modalToWindow && title == kDesignedTitle;
    return {(designed ? std::u16string() : u"(not modal or wrongly titled) " + std::u16string(title) + u": ")
                + std::u16string(text),
            icon};
}

// One thing the user or the desktop does, or one look at what the window shows: what went wrong, or nothing.
using Step = std::function<std::string(FormDriver& driver, FakeDesktop& desktop)>;

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

// A step that only acts.
template <class Action>
Step act(Action action)
{
    return [action](FormDriver& driver, FakeDesktop& desktop) {
        action(driver, desktop);
        return std::string();
    };
}

inline Step type(Control field, std::u16string text)
{
    return act([=](FormDriver& driver, FakeDesktop&) { driver.type(field, text); });
}
inline Step fill(Control field, std::u16string text)
{
    return act([=](FormDriver& driver, FakeDesktop&) { driver.fill(field, text); });
}
inline Step typeMore(Control field, std::u16string text)
{
    return act([=](FormDriver& driver, FakeDesktop&) { driver.typeMore(field, text); });
}
inline Step eraseLast(Control field)
{
    return act([=](FormDriver& driver, FakeDesktop&) { driver.eraseLast(field); });
}
inline Step click(Control control)
{
    return act([=](FormDriver& driver, FakeDesktop&) { driver.click(control); });
}
inline Step tick()
{
    return act([](FormDriver& driver, FakeDesktop&) { driver.tick(); });
}
inline Step minimize()
{
    return act([](FormDriver& driver, FakeDesktop&) { driver.setMinimized(true); });
}
inline Step restore()
{
    return act([](FormDriver& driver, FakeDesktop&) { driver.setMinimized(false); });
}
inline Step blankPanel(StatusPanel panel)
{
    return act([=](FormDriver& driver, FakeDesktop&) { driver.blankPanel(panel); });
}
// The clock stands at the local moment from now on, its readings counted afresh.
inline Step clockAt(core::Moment moment)
{
    return act([=](FormDriver&, FakeDesktop& desktop) {
        desktop.standAt(moment);
        desktop.clockReads = 0;
    });
}
// The same, the moment in UTC.
inline Step clockAtUtc(core::Moment moment)
{
    return act([=](FormDriver&, FakeDesktop& desktop) {
        desktop.instant = core::utcInstant(moment);
        desktop.clockReads = 0;
    });
}
inline Step clipboardHolds(std::u16string text)
{
    return act([=](FormDriver&, FakeDesktop& desktop) { desktop.clipboard = text; });
}
// The clipboard answers only when a later step says so.
inline Step clipboardWaits()
{
    return act([](FormDriver&, FakeDesktop& desktop) { desktop.answersAtOnce = false; });
}
inline Step clipboardAnswers()
{
    return act([](FormDriver&, FakeDesktop& desktop) { desktop.answerPaste(); });
}
inline Step clipboardGivesUp()
{
    return act([](FormDriver&, FakeDesktop& desktop) { desktop.answerPaste(form::ClipboardAnswer::Silent); });
}
// The system will not let the program read the clipboard.
inline Step clipboardRefuses()
{
    return act([](FormDriver&, FakeDesktop& desktop) { desktop.answerPaste(form::ClipboardAnswer::Refused); });
}
// Every copy from now on finds the clipboard held by another program, or is refused (a browser without
// permission).
inline Step copyFails()
{
    return act([](FormDriver&, FakeDesktop& desktop) { desktop.copyAnswer = form::ClipboardAnswer::Silent; });
}
inline Step copyRefused()
{
    return act([](FormDriver&, FakeDesktop& desktop) { desktop.copyAnswer = form::ClipboardAnswer::Refused; });
}
inline Step browserFails()
{
    return act([](FormDriver&, FakeDesktop& desktop) { desktop.browserWorks = false; });
}
inline Step expectText(Control field, std::u16string text)
{
    return [=](FormDriver& driver, FakeDesktop&) {
        return differs("the text of " + controlName(field), driver.text(field), text);
    };
}
inline Step expectEnabled(Control control, bool enabled)
{
    return [=](FormDriver& driver, FakeDesktop&) {
        return differs(controlName(control) + " enabled", int(driver.isEnabled(control)), int(enabled));
    };
}
inline Step expectChecked(Control option, bool checked)
{
    return [=](FormDriver& driver, FakeDesktop&) {
        return differs(controlName(option) + " selected", int(driver.isChecked(option)), int(checked));
    };
}
inline Step expectPanel(StatusPanel panel, std::u16string text)
{
    return [=](FormDriver& driver, FakeDesktop&) {
        return differs("panel " + std::to_string(int(panel)), driver.panelText(panel), text);
    };
}
inline Step expectCaption(std::u16string text)
{
    return [=](FormDriver& driver, FakeDesktop&) { return differs("the caption", driver.caption(), text); };
}
inline std::u16string described(const std::u16string& text, MessageIcon icon)
{
    return text + (icon == MessageIcon::Critical ? u" (stop); " : u" (information); ");
}
// Exactly these messages since the last look at the messages: one, or none.
inline Step expectMessages(std::u16string wanted)
{
    return [=](FormDriver& driver, FakeDesktop&) {
        std::u16string shown;
        for (const ShownMessage& message : driver.takeMessages())
            shown += described(message.text, message.icon);
        return differs("the messages", shown, wanted);
    };
}
inline Step expectMessage(const std::u16string& text, MessageIcon icon)
{
    return expectMessages(described(text, icon));
}
inline Step expectNoMessage()
{
    return expectMessages({});
}
inline Step expectClipboard(std::u16string text)
{
    return [=](FormDriver&, FakeDesktop& desktop) { return differs("the clipboard", desktop.clipboard, text); };
}
inline Step expectPasteRequests(int count)
{
    return [=](FormDriver&, FakeDesktop& desktop) { return differs("paste requests", desktop.pasteRequests, count); };
}
// The one address opened so far.
inline Step expectOpened(std::u16string address)
{
    return [=](FormDriver&, FakeDesktop& desktop) {
        return differs("addresses opened", desktop.opened.size() == 1 ? desktop.opened.front() : std::u16string(u"?"),
                       address);
    };
}
inline Step expectClockReads(int count)
{
    return [=](FormDriver&, FakeDesktop& desktop) { return differs("clock readings", desktop.clockReads, count); };
}
inline Step expectTickDelay(int milliseconds)
{
    return [=](FormDriver& driver, FakeDesktop&) {
        return differs("the next tick in ms", driver.tickDelay(), milliseconds);
    };
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
inline const std::u16string kCopyRefused = u"Bitte das Ergebnis markieren und mit Strg+C kopieren.";

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
        {"the time and date inputs take any length",
         {type(Control::TimeInput, u"16:38:53 und noch viel mehr"), type(Control::DateInput, u"14.10.2009 und mehr"),
          expectText(Control::TimeInput, u"16:38:53 und noch viel mehr"),
          expectText(Control::DateInput, u"14.10.2009 und mehr")}},
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
        {"the results take no typing",
         {click(Control::NowButton), type(Control::TacticalResult, u"x"), type(Control::TacticalInput, u"081015dez26"),
          click(Control::ToNormalButton), type(Control::TimeResult, u"x"), type(Control::DateResult, u"x"),
          expectText(Control::TacticalResult, u"081015dez26"), expectText(Control::TimeResult, u"10:15"),
          expectText(Control::DateResult, u"08.12.26")}},
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
        {"a refused copy asks for Ctrl+C and keeps the result",
         {click(Control::NowButton), clipboardHolds(u"vorher"), copyRefused(), click(Control::CopyButton),
          expectMessage(kCopyRefused, MessageIcon::Information), expectClipboard(u"vorher"),
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

// Runs the case on a window of the driver's kind; what went wrong, or nothing.
inline std::string runCase(const FormCase& formCase, FormDriver& driver)
{
    FakeDesktop desktop;
    desktop.standAt(formCase.openedAt);
    driver.open(desktop);
    std::string failure;
    for (std::size_t i = 0; i < formCase.steps.size() && failure.empty(); ++i) {
        failure = formCase.steps[i](driver, desktop);
        if (!failure.empty())
            failure = "step " + std::to_string(i + 1) + ": " + failure;
    }
    driver.close();
    return failure;
}

// The cases' results as a test program without Qt Test prints them: a line a case, then "N passed, N failed"
// (and how many were skipped).
class Tally {
public:
    void report(const std::string& name, const std::string& failure)
    {
        failure.empty() ? ++passed : ++failed;
        std::printf("%s: %s%s\n", failure.empty() ? "PASS" : "FAIL", name.c_str(),
                    failure.empty() ? "" : (": " + failure).c_str());
        std::fflush(stdout);
    }
    void skip(const std::string& name)
    {
        ++skipped;
        std::printf("SKIP: %s\n", name.c_str());
    }
    std::string summary() const
    {
        return std::to_string(passed) + " passed, " + std::to_string(failed) + " failed"
            + (skipped ? ", " + std::to_string(skipped) + " skipped" : "");
    }
    int exitCode() const { return failed == 0 ? 0 : 1; }

private:
    int passed = 0, failed = 0, skipped = 0;
};

}  // namespace cases
