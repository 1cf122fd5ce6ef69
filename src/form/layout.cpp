#include "layout.h"

#include <algorithm>

namespace form {

const ControlSpec& spec(Control control)
{
    return *std::find_if(kControls.begin(), kControls.end(),
                         [&](const ControlSpec& row) { return row.control == control; });
}

}  // namespace form
