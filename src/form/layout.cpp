#include "layout.h"

#include <algorithm>

namespace form {

const ControlLayout& layoutOf(Control control)
{
    return *std::find_if(kControls.begin(), kControls.end(),
                         [&](const ControlLayout& row) { return row.control == control; });
}

std::u16string_view accessibleName(const ControlLayout& row)
{
    return row.spokenName.empty() ? row.caption : row.spokenName;
}

std::u16string_view accessibleDescription(const ControlLayout& row)
{
    return row.description.empty() ? row.hint : row.description;
}

PixelRect pixelPlace(const ControlLayout& row, Origin origin, int dpi)
{
    int left = row.place.left;
    int top = row.place.top;
    if (origin == Origin::Window && row.container != Control::Window) {
        left += layoutOf(row.container).place.left;
        top += layoutOf(row.container).place.top;
    }
    return PixelRect{pixels(left, dpi), pixels(top, dpi), pixels(row.place.width, dpi), pixels(row.place.height, dpi)};
}

const std::array<const ControlLayout*, kControls.size()>& makingOrder()
{
    static const auto order = [] {
        std::array<const ControlLayout*, kControls.size()> made{};
        std::size_t count = 0;
        const auto make = [&](const ControlLayout& row) {
            if (std::find(made.begin(), made.begin() + count, &row) == made.begin() + count)
                made.at(count++) = &row;
        };
        for (Control control : kTabOrder) {
            for (const ControlLayout& row : kControls) {
                if (row.labelled == control)
                    make(row);
            }
            make(layoutOf(control));
        }
        for (bool frames : {false, true}) {
            for (const ControlLayout& row : kControls) {
                if ((row.kind == ControlKind::Frame) == frames)
                    make(row);
            }
        }
        return made;
    }();
    return order;
}

Control frameAround(const ControlLayout& row)
{
    const PixelRect place = pixelPlace(row, Origin::Window);
    for (const ControlLayout& frame : kControls) {
        const PixelRect around = pixelPlace(frame, Origin::Window);
        if (frame.kind == ControlKind::Frame && &frame != &row && place.left >= around.left && place.top >= around.top
            && place.left + place.width <= around.left + around.width
            && place.top + place.height <= around.top + around.height)
            return frame.control;
    }
    return Control::Window;
}

Role roleOf(const ControlLayout& row)
{
    switch (row.kind) {
    case ControlKind::Frame: return Role::Grouping;
    case ControlKind::Button: return Role::PushButton;
    case ControlKind::TextBox: return row.settings & kReadOnly ? Role::ReadOnlyText : Role::EditableText;
    case ControlKind::Label: return Role::StaticText;
    case ControlKind::Link: return Role::Link;
    case ControlKind::Option: return Role::RadioButton;
    case ControlKind::Picture: return Role::Graphic;
    case ControlKind::StatusBar: return Role::StatusBar;
    }
    return Role::StaticText;
}

}  // namespace form
