#pragma once

#include "texts.h"

#include <array>
#include <cstddef>
#include <string_view>

// What the window is: its controls, where each lies in twips, what it shows and the keyboard order. Every
// window of the program is made from this table.
namespace form {

enum class Control {
    Window,
    None,
    ToNormalFrame,
    PasteButton,
    ClearToNormalButton,
    ToNormalButton,
    DateResult,
    TimeResult,
    TacticalInput,
    DateResultCaption,
    TacticalInputCaption,
    TimeResultCaption,
    MonthNamesFrame,
    EnglishMonthsOption,
    GermanMonthsOption,
    MakerFrame,
    Logo,
    WebLink,
    CopyButton,
    ToTacticalFrame,
    ClearToTacticalButton,
    NowButton,
    TimeInput,
    DateInput,
    TacticalResult,
    ToTacticalButton,
    TimeInputCaption,
    TacticalResultCaption,
    DateInputCaption,
    StatusBar,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::StatusBar) + 1;

// Labels are in the label font; the link is a label that lights up under the pointer and opens the web page.
enum class ControlKind { Frame, Button, TextBox, Label, Link, Option, Picture, StatusBar };

// Twips, 1440 to the inch: at 96 dpi fifteen make one pixel, and every figure of the table divides by 15.
struct Twips {
    int left, top, width, height;
};

enum Setting : unsigned {
    kReadOnly = 1,  // the user can select and copy the text but not change it
    kDisabled = 2,  // until the form enables it
    kSelected = 4,  // the option chosen at start
};

struct ControlLayout {
    Control control;
    std::string_view name;
    Control container;
    ControlKind kind;
    std::u16string_view caption = {};
    Twips place;  // from the top-left corner of the container (of a frame, its outer corner)
    unsigned settings = 0;
    std::u16string_view hint = {};
    // What assistive technology says instead of the caption, where that would be ambiguous or missing.
    std::u16string_view spokenName = {};
    Control labelled = Control::None;      // the field a label names
    std::u16string_view description = {};  // what assistive technology says after the name
    std::size_t typingLimit = 0;           // the most characters a field takes, or no limit
};

// The longest tactical time typed: a date-time group with single spaces, "031732B jul 2004".
inline constexpr std::size_t kLongestTacticalInput = 16;

// What a control is to assistive technology.
enum class Role { PushButton, RadioButton, EditableText, ReadOnlyText, StaticText, Grouping, Link, Graphic, StatusBar };

inline constexpr int kClientWidth = 6870;
inline constexpr int kClientHeight = 5820;

// Containers before their contents; where two controls overlap, the one listed first lies on top.
inline constexpr std::array<ControlLayout, 28> kControls{{
    {.control = Control::ToNormalFrame,
     .name = "toNormalFrame",
     .container = Control::Window,
     .kind = ControlKind::Frame,
     .caption = kTacticalToNormal,
     .place = {120, 3720, 6615, 1695}},
    {.control = Control::PasteButton,
     .name = "pasteButton",
     .container = Control::ToNormalFrame,
     .kind = ControlKind::Button,
     .caption = kPaste,
     .place = {3480, 240, 2775, 375}},
    {.control = Control::ClearToNormalButton,
     .name = "clearToNormalButton",
     .container = Control::ToNormalFrame,
     .kind = ControlKind::Button,
     .caption = kClear,
     .place = {3480, 1200, 2775, 375},
     .spokenName = kClearToNormalName},
    {.control = Control::ToNormalButton,
     .name = "toNormalButton",
     .container = Control::ToNormalFrame,
     .kind = ControlKind::Button,
     .caption = kConvert,
     .place = {3480, 720, 2775, 375},
     .spokenName = kToNormalName},
    {.control = Control::DateResult,
     .name = "dateResult",
     .container = Control::ToNormalFrame,
     .kind = ControlKind::TextBox,
     .place = {1800, 1200, 1575, 285},
     .settings = kReadOnly,
     .spokenName = kDateResultName},
    {.control = Control::TimeResult,
     .name = "timeResult",
     .container = Control::ToNormalFrame,
     .kind = ControlKind::TextBox,
     .place = {1800, 720, 1575, 285},
     .settings = kReadOnly,
     .spokenName = kTimeResultName},
    {.control = Control::TacticalInput,
     .name = "tacticalInput",
     .container = Control::ToNormalFrame,
     .kind = ControlKind::TextBox,
     .place = {1800, 240, 1575, 285},
     .hint = kTacticalHint,
     .spokenName = kTacticalInputName,
     .typingLimit = kLongestTacticalInput},
    {.control = Control::DateResultCaption,
     .name = "dateResultCaption",
     .container = Control::ToNormalFrame,
     .kind = ControlKind::Label,
     .caption = kDateLabel,
     .place = {120, 1200, 975, 255},
     .labelled = Control::DateResult},
    {.control = Control::TacticalInputCaption,
     .name = "tacticalInputCaption",
     .container = Control::ToNormalFrame,
     .kind = ControlKind::Label,
     .caption = kTacticalLabel,
     .place = {120, 240, 1575, 255},
     .labelled = Control::TacticalInput},
    {.control = Control::TimeResultCaption,
     .name = "timeResultCaption",
     .container = Control::ToNormalFrame,
     .kind = ControlKind::Label,
     .caption = kTimeLabel,
     .place = {120, 720, 1215, 255},
     .labelled = Control::TimeResult},
    {.control = Control::MonthNamesFrame,
     .name = "monthNamesFrame",
     .container = Control::Window,
     .kind = ControlKind::Frame,
     .caption = kMonthChoice,
     .place = {120, 120, 3615, 1095}},
    {.control = Control::EnglishMonthsOption,
     .name = "englishMonthsOption",
     .container = Control::MonthNamesFrame,
     .kind = ControlKind::Option,
     .caption = kEnglishMonths,
     .place = {120, 720, 1695, 255}},
    {.control = Control::GermanMonthsOption,
     .name = "germanMonthsOption",
     .container = Control::MonthNamesFrame,
     .kind = ControlKind::Option,
     .caption = kGermanMonths,
     .place = {120, 360, 2295, 195},
     .settings = kSelected},
    {.control = Control::MakerFrame,
     .name = "makerFrame",
     .container = Control::Window,
     .kind = ControlKind::Frame,
     .place = {3840, 120, 2895, 1095},
     .spokenName = kMakerName},
    {.control = Control::Logo,
     .name = "logo",
     .container = Control::MakerFrame,
     .kind = ControlKind::Picture,
     .place = {120, 360, 540, 540},
     .spokenName = kLogoName},
    {.control = Control::WebLink,
     .name = "webLink",
     .container = Control::MakerFrame,
     .kind = ControlKind::Link,
     .caption = kWebAddress,
     .place = {720, 480, 2055, 375},
     .description = kWebLinkDescription},
    {.control = Control::CopyButton,
     .name = "copyButton",
     .container = Control::Window,
     .kind = ControlKind::Button,
     .caption = kCopy,
     .place = {3600, 2520, 2775, 375},
     .settings = kDisabled},
    {.control = Control::ToTacticalFrame,
     .name = "toTacticalFrame",
     .container = Control::Window,
     .kind = ControlKind::Frame,
     .caption = kNormalToTactical,
     .place = {120, 1320, 6615, 2175}},
    {.control = Control::ClearToTacticalButton,
     .name = "clearToTacticalButton",
     .container = Control::ToTacticalFrame,
     .kind = ControlKind::Button,
     .caption = kClear,
     .place = {3480, 1680, 2775, 375},
     .spokenName = kClearToTacticalName},
    {.control = Control::NowButton,
     .name = "nowButton",
     .container = Control::ToTacticalFrame,
     .kind = ControlKind::Button,
     .caption = kNow,
     .place = {3480, 240, 2775, 375}},
    {.control = Control::TimeInput,
     .name = "timeInput",
     .container = Control::ToTacticalFrame,
     .kind = ControlKind::TextBox,
     .place = {1800, 240, 1575, 285},
     .hint = kTimeHint,
     .spokenName = kTimeInputName},
    {.control = Control::DateInput,
     .name = "dateInput",
     .container = Control::ToTacticalFrame,
     .kind = ControlKind::TextBox,
     .place = {1800, 720, 1575, 285},
     .hint = kDateHint,
     .spokenName = kDateInputName},
    {.control = Control::TacticalResult,
     .name = "tacticalResult",
     .container = Control::ToTacticalFrame,
     .kind = ControlKind::TextBox,
     .place = {1800, 1200, 1575, 285},
     .settings = kReadOnly,
     .spokenName = kTacticalResultName},
    {.control = Control::ToTacticalButton,
     .name = "toTacticalButton",
     .container = Control::ToTacticalFrame,
     .kind = ControlKind::Button,
     .caption = kConvert,
     .place = {3480, 720, 2775, 375},
     .spokenName = kToTacticalName},
    {.control = Control::TimeInputCaption,
     .name = "timeInputCaption",
     .container = Control::ToTacticalFrame,
     .kind = ControlKind::Label,
     .caption = kTimeLabel,
     .place = {120, 240, 1215, 255},
     .labelled = Control::TimeInput},
    {.control = Control::TacticalResultCaption,
     .name = "tacticalResultCaption",
     .container = Control::ToTacticalFrame,
     .kind = ControlKind::Label,
     .caption = kTacticalLabel,
     .place = {120, 1200, 1575, 255},
     .labelled = Control::TacticalResult},
    {.control = Control::DateInputCaption,
     .name = "dateInputCaption",
     .container = Control::ToTacticalFrame,
     .kind = ControlKind::Label,
     .caption = kDateLabel,
     .place = {120, 720, 975, 255},
     .labelled = Control::DateInput},
    {.control = Control::StatusBar,
     .name = "statusBar",
     .container = Control::Window,
     .kind = ControlKind::StatusBar,
     .place = {0, 5565, 6870, 255},
     .spokenName = kStatusBarName},
}};

// The keyboard order. A disabled control, and the option that is not selected, are passed over.
inline constexpr std::array<Control, 16> kTabOrder{
    Control::ToTacticalButton,
    Control::TacticalResult,
    Control::DateInput,
    Control::TimeInput,
    Control::NowButton,
    Control::CopyButton,
    Control::Logo,
    Control::GermanMonthsOption,
    Control::EnglishMonthsOption,
    Control::TacticalInput,
    Control::TimeResult,
    Control::DateResult,
    Control::ToNormalButton,
    Control::ClearToTacticalButton,
    Control::ClearToNormalButton,
    Control::PasteButton,
};

// The order in which the page is read by eyes, keys and screen readers alike, at every width: each frame with
// what stands in it, top to bottom and each label before its field, then the month names, the status bar and
// the maker. A page is read in its document's order, so it leaves the windows' keyboard order for this one.
inline constexpr std::array<Control, kControls.size()> kReadingOrder{
    Control::ToTacticalFrame,
    Control::TimeInputCaption,
    Control::TimeInput,
    Control::DateInputCaption,
    Control::DateInput,
    Control::NowButton,
    Control::ToTacticalButton,
    Control::TacticalResultCaption,
    Control::TacticalResult,
    Control::CopyButton,
    Control::ClearToTacticalButton,
    Control::ToNormalFrame,
    Control::TacticalInputCaption,
    Control::TacticalInput,
    Control::PasteButton,
    Control::ToNormalButton,
    Control::TimeResultCaption,
    Control::TimeResult,
    Control::DateResultCaption,
    Control::DateResult,
    Control::ClearToNormalButton,
    Control::MonthNamesFrame,
    Control::GermanMonthsOption,
    Control::EnglishMonthsOption,
    Control::StatusBar,
    Control::MakerFrame,
    Control::Logo,
    Control::WebLink,
};

// What the panels of the status bar show, left to right; each is 1440 twips wide.
enum class StatusPanel { Time, Date, Tactical };
inline constexpr std::array<StatusPanel, 3> kStatusPanels{StatusPanel::Time, StatusPanel::Date, StatusPanel::Tactical};
inline constexpr int kStatusPanelWidth = 1440;

// The control that has the focus when the window opens.
inline constexpr Control kFirstFocus = Control::ToTacticalButton;

// The row of the table for a control of the table.
const ControlLayout& layoutOf(Control control);

// Twips as pixels at a dpi, rounded to the nearest as Windows' MulDiv rounds: at 96 dpi a fifteenth.
constexpr int pixels(int twips, int dpi = 96)
{
    return (twips * dpi + 720) / 1440;
}

struct PixelRect {
    int left, top, width, height;
};

// Where a control lies in pixels at a dpi: from the corner of its container, or of the window's client area.
enum class Origin { Container, Window };
PixelRect pixelPlace(const ControlLayout& row, Origin origin, int dpi = 96);

// The order in which a window makes its controls, topmost first, which is also the order in which they are
// stacked and, where a platform follows it, tabbed: the keyboard order, each field just after the label that
// names it (so screen readers take its name from the label), then the other controls, the frames last, behind
// what is drawn on them.
const std::array<const ControlLayout*, kControls.size()>& makingOrder();

// The frame a control stands in on the screen, or the window: its container, except for a control that the
// table places in the window over a frame (the copy button).
Control frameAround(const ControlLayout& row);

// The name assistive technology says for the control: its spoken name, else its caption.
std::u16string_view accessibleName(const ControlLayout& row);
// What it says after the name: the control's description, else its hint.
std::u16string_view accessibleDescription(const ControlLayout& row);
Role roleOf(const ControlLayout& row);

}  // namespace form
