#pragma once

#include "desktop.h"
#include "layout.h"
#include "moment.h"
#include "view.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>

namespace form {

// What the window does, whatever draws it: the answer to every click, edit, tick, minimize and paste. A
// window creates its controls from the layout, calls load() once they exist, forwards its events here and
// carries out what the form asks of it through the View.
class Form {
public:
    Form(View& view, Desktop& desktop);

    // The controls exist: the status bar is filled and the clock starts.
    void load();
    // The time scheduleTick waited for is up: the status bar shows the new second.
    void tick();
    void windowStateChanged(bool minimized);
    // A button, or the web link, was clicked.
    void click(Control control);
    // The user changed the text of the tactical input.
    void tacticalInputChanged();

    // The present moment as a tactical time text, always with German month names.
    std::u16string currentTacticalTime() const;

private:
    void refreshStatus();
    void convertToTactical();
    void convertToNormal();
    void fillWithNow();
    void copyResult();
    void pasteTactical();
    void takePaste(const std::optional<std::u16string>& text);
    void setTacticalInput(std::u16string_view text);
    void limitTacticalInput(std::size_t length);
    void clear(std::initializer_list<Control> fields);
    void openWebPage();

    View& view;
    Desktop& desktop;
    std::optional<core::Moment> lastShown;
    bool pasteUnanswered = false;
};

}  // namespace form
