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
