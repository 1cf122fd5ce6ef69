#pragma once

#include "layout.h"
#include "month_names.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace form {

enum class MessageIcon { Critical, Information };

// What the form asks of a window: each window of the program carries it out with its own controls.
class View {
public:
    virtual ~View() = default;

    // The text of a text box, exactly as it stands.
    virtual std::u16string text(Control field) const = 0;
    // Replaces the text; a box with a limit keeps only as many characters as the limit allows.
    virtual void setText(Control field, std::u16string_view text) = 0;
    // The most characters the user can type or paste into the box.
    virtual void setLimit(Control field, std::size_t characters) = 0;
    virtual void enableCopy() = 0;
    // The month names the user chose.
    virtual core::MonthLanguage monthLanguage() const = 0;
    virtual void setPanelText(StatusPanel panel, std::u16string_view text) = 0;
    virtual void setCaption(std::u16string_view caption) = 0;
    // Modal to the window, titled kTitle, with one OK button. It may return before the user dismissed it: the
    // form does nothing after showing a message.
    virtual void showMessage(std::u16string_view text, MessageIcon icon) = 0;
    // Calls Form::tick once after the delay.
    virtual void scheduleTick(std::chrono::milliseconds delay) = 0;
};

}  // namespace form
