#pragma once

#include "form.h"
#include "handles.h"
#include "window_desktop.h"

#include <windows.h>

#include <array>

namespace win32 {

// The one window of the program on Windows: a thin view of the form, made from its layout with the
// standard controls, that forwards every event to it and carries out what it asks.
class ConverterWindow final : private form::View {
public:
    // The timer of the status clock, and the one that adds the fields' hints after the first paint.
    static constexpr UINT_PTR kTickTimer = 1;
    static constexpr UINT_PTR kHintsTimer = 2;
    // The id of a control's child window.
    static int idOf(form::Control control);

    // Throws std::system_error, with Windows' reason, when the window or a control cannot be made.
    explicit ConverterWindow(WindowDesktop& desktop);
    ~ConverterWindow() override;

    HWND handle() const { return window; }
    // The delay of the status clock's next tick, as last scheduled: Windows keeps a timer's interval to itself.
    std::chrono::milliseconds scheduledTick() const { return nextTick; }
    // Shows the window, centred on the work area of its monitor, with the focus on the upper "Umrechnen".
    void show(int showCommand);
    // Handles a message of the thread's queue: the dialog manager's keys (Tab, the arrow keys) first.
    void dispatch(MSG& message) const;

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // window_layout.cpp: the controls, their places and fonts at the monitor's dpi.
    void createControls();
    void addHints();
    void applyDpi(UINT newDpi);
    void makeFontsAndLogo();
    void showLogoAndPanels();
    RECT placeOf(const form::ControlLayout& row) const;
    HFONT fontOf(form::ControlKind kind) const;

    HWND control(form::Control control) const;
    form::Control controlOf(HWND child) const;
    void command(int id, int notification);
    bool setCursor(HWND under);
    void setLinkLit(bool lit);
    LRESULT colourStatic(HDC dc, HWND child);
    void keepOptionTabStopAtSelected();

    std::u16string text(form::Control field) const override;
    void setText(form::Control field, std::u16string_view text) override;
    void setLimit(form::Control field, std::size_t characters) override;
    void enableCopy() override;
    core::MonthLanguage monthLanguage() const override;
    void setPanelText(form::StatusPanel panel, std::u16string_view text) override;
    void setCaption(std::u16string_view caption) override;
    void showMessage(std::u16string_view text, form::MessageIcon icon) override;
    void scheduleTick(std::chrono::milliseconds delay) override;

    WindowDesktop& desktop;
    form::Form form;
    HWND window = nullptr;
    std::array<HWND, form::kControlCount> controls{};
    UINT dpi = 96;
    // Every control holds one of these; a change of dpi hands out the new ones before the old ones go.
    OwnedFont standardFont;
    OwnedFont labelFont;
    OwnedFont litLinkFont;
    OwnedIcon logo;
    HCURSOR hand = nullptr;
    bool linkLit = false;
    std::chrono::milliseconds nextTick{-1};
    // Where the focus was when the window was last deactivated, to give it back.
    HWND lastFocus = nullptr;
};

}  // namespace win32
