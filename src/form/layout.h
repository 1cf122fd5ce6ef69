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
    std::u16string_view caption;
    Twips place;  // from the top-left corner of the container (of a frame, its outer corner)
    unsigned settings = 0;
    std::u16string_view hint = {};
    // What assistive technology says instead of the caption, where that would be ambiguous or missing.
    std::u16string_view spokenName = {};
    Control labelled = Control::None;      // the field a label names
    std::u16string_view description = {};  // what assistive technology says after the name
};

// What a control is to assistive technology.
enum class Role { PushButton, RadioButton, EditableText, ReadOnlyText, StaticText, Grouping, Link, Graphic, StatusBar };

inline constexpr int kClientWidth = 6870;
inline constexpr int kClientHeight = 5820;

// Containers before their contents; where two controls overlap, the one listed first lies on top.
inline constexpr std::array<ControlLayout, 28> kControls{{
    {Control::ToNormalFrame,
     "toNormalFrame",
     Control::Window,
     ControlKind::Frame,
     kTacticalToNormal,
     {120, 3720, 6615, 1695}},
    {Control::PasteButton, "pasteButton", Control::ToNormalFrame, ControlKind::Button, kPaste, {3480, 240, 2775, 375}},
    {Control::ClearToNormalButton,
     "clearToNormalButton",
     Control::ToNormalFrame,
     ControlKind::Button,
     kClear,
     {3480, 1200, 2775, 375},
     0,
     {},
     kClearToNormalName},
    {Control::ToNormalButton,
     "toNormalButton",
     Control::ToNormalFrame,
     ControlKind::Button,
     kConvert,
     {3480, 720, 2775, 375},
     0,
     {},
     kToNormalName},
    {Control::DateResult,
     "dateResult",
     Control::ToNormalFrame,
     ControlKind::TextBox,
     {},
     {1800, 1200, 1575, 285},
     kReadOnly,
     {},
     kDateResultName},
    {Control::TimeResult,
     "timeResult",
     Control::ToNormalFrame,
     ControlKind::TextBox,
     {},
     {1800, 720, 1575, 285},
     kReadOnly,
     {},
     kTimeResultName},
    {Control::TacticalInput,
     "tacticalInput",
     Control::ToNormalFrame,
     ControlKind::TextBox,
     {},
     {1800, 240, 1575, 285},
     0,
     kTacticalHint,
     kTacticalInputName},
    {Control::DateResultCaption,
     "dateResultCaption",
     Control::ToNormalFrame,
     ControlKind::Label,
     kDateLabel,
     {120, 1200, 975, 255},
     0,
     {},
     {},
     Control::DateResult},
    {Control::TacticalInputCaption,
     "tacticalInputCaption",
     Control::ToNormalFrame,
     ControlKind::Label,
     kTacticalLabel,
     {120, 240, 1575, 255},
     0,
     {},
     {},
     Control::TacticalInput},
    {Control::TimeResultCaption,
     "timeResultCaption",
     Control::ToNormalFrame,
     ControlKind::Label,
     kTimeLabel,
     {120, 720, 1215, 255},
     0,
     {},
     {},
     Control::TimeResult},
    {Control::MonthNamesFrame,
     "monthNamesFrame",
     Control::Window,
     ControlKind::Frame,
     kMonthChoice,
     {120, 120, 3615, 1095}},
    {Control::EnglishMonthsOption,
     "englishMonthsOption",
     Control::MonthNamesFrame,
     ControlKind::Option,
     kEnglishMonths,
     {120, 720, 1695, 255}},
    {Control::GermanMonthsOption,
     "germanMonthsOption",
     Control::MonthNamesFrame,
     ControlKind::Option,
     kGermanMonths,
     {120, 360, 2295, 195},
     kSelected},
    {Control::MakerFrame,
     "makerFrame",
     Control::Window,
     ControlKind::Frame,
     {},
     {3840, 120, 2895, 1095},
     0,
     {},
     kMakerName},
    {Control::Logo, "logo", Control::MakerFrame, ControlKind::Picture, {}, {120, 360, 540, 540}, 0, {}, kLogoName},
    {Control::WebLink,
     "webLink",
     Control::MakerFrame,
     ControlKind::Link,
     kWebAddress,
     {720, 480, 2055, 375},
     0,
     {},
     {},
     Control::None,
     kWebLinkDescription},
    {Control::CopyButton,
     "copyButton",
     Control::Window,
     ControlKind::Button,
     kCopy,
     {3600, 2520, 2775, 375},
     kDisabled},
    {Control::ToTacticalFrame,
     "toTacticalFrame",
     Control::Window,
     ControlKind::Frame,
     kNormalToTactical,
     {120, 1320, 6615, 2175}},
    {Control::ClearToTacticalButton,
     "clearToTacticalButton",
     Control::ToTacticalFrame,
     ControlKind::Button,
     kClear,
     {3480, 1680, 2775, 375},
     0,
     {},
     kClearToTacticalName},
    {Control::NowButton, "nowButton", Control::ToTacticalFrame, ControlKind::Button, kNow, {3480, 240, 2775, 375}},
    {Control::TimeInput,
     "timeInput",
     Control::ToTacticalFrame,
     ControlKind::TextBox,
     {},
     {1800, 240, 1575, 285},
     0,
     kTimeHint,
     kTimeInputName},
    {Control::DateInput,
     "dateInput",
     Control::ToTacticalFrame,
     ControlKind::TextBox,
     {},
     {1800, 720, 1575, 285},
     0,
     kDateHint,
     kDateInputName},
    {Control::TacticalResult,
     "tacticalResult",
     Control::ToTacticalFrame,
     ControlKind::TextBox,
     {},
     {1800, 1200, 1575, 285},
     kReadOnly,
     {},
     kTacticalResultName},
    {Control::ToTacticalButton,
     "toTacticalButton",
     Control::ToTacticalFrame,
     ControlKind::Button,
     kConvert,
     {3480, 720, 2775, 375},
     0,
     {},
     kToTacticalName},
    {Control::TimeInputCaption,
     "timeInputCaption",
     Control::ToTacticalFrame,
     ControlKind::Label,
     kTimeLabel,
     {120, 240, 1215, 255},
     0,
     {},
     {},
     Control::TimeInput},
    {Control::TacticalResultCaption,
     "tacticalResultCaption",
     Control::ToTacticalFrame,
     ControlKind::Label,
     kTacticalLabel,
     {120, 1200, 1575, 255},
     0,
     {},
     {},
     Control::TacticalResult},
    {Control::DateInputCaption,
     "dateInputCaption",
     Control::ToTacticalFrame,
     ControlKind::Label,
     kDateLabel,
     {120, 720, 975, 255},
     0,
     {},
     {},
     Control::DateInput},
    {Control::StatusBar,
     "statusBar",
     Control::Window,
     ControlKind::StatusBar,
     {},
     {0, 5565, 6870, 255},
     0,
     {},
     kStatusBarName},
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

// What the panels of the status bar show, left to right; each is 1440 twips wide.
enum class StatusPanel { Time, Date, Tactical };
inline constexpr std::array<StatusPanel, 3> kStatusPanels{StatusPanel::Time, StatusPanel::Date, StatusPanel::Tactical};
inline constexpr int kStatusPanelWidth = 1440;

// The control that has the focus when the window opens.
inline constexpr Control kFirstFocus = Control::ToTacticalButton;

// The row of the table for a control of the table.
const ControlLayout& layoutOf(Control control);

// The name assistive technology says for the control: its spoken name, else its caption.
std::u16string_view accessibleName(const ControlLayout& row);
// What it says after the name: the control's description, else its hint.
std::u16string_view accessibleDescription(const ControlLayout& row);
Role roleOf(const ControlLayout& row);

}  // namespace form
