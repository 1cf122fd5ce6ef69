#pragma once

#include "desktop.h"
#include "layout.h"
#include "view.h"

#include <chrono>
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
    void takePaste(ClipboardAnswer answer, std::u16string_view text);
    void setTacticalInput(std::u16string_view text);
    void limitTacticalInput(std::size_t length);
    void clear(std::initializer_list<Control> fields);
    void openWebPage();

    View& view;
    Desktop& desktop;
    // The second the status bar shows, in UTC: the autumn hour shows its local seconds twice.
    std::optional<std::chrono::sys_seconds> lastShown;
    bool pasteUnanswered = false;
};

}  // namespace form
