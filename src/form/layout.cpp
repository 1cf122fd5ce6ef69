#include "layout.h"

#include <algorithm>

namespace form {

const ControlLayout& layoutOf(Control control)
{
    return *std::find_if(kControls.begin(), kControls.end(),
                         [&](const ControlLayout& row) { return row.control == control; });
}

}  // namespace form
