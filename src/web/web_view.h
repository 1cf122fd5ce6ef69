#pragma once

#include "form.h"

// The page's view of the form: controls made from the form's table as elements of the page, and the form's
// wishes carried out on them. Only one exists at a time; the page's events reach its form through it.
class WebView final : private form::View {
public:
    explicit WebView(form::Desktop& desktop);
    ~WebView() override;

    // The form of the view on the page, or null: the page's events go to it.
    static form::Form* currentForm();

private:
    std::u16string text(form::Control field) const override;
    void setText(form::Control field, std::u16string_view text) override;
    void setLimit(form::Control field, std::size_t characters) override;
    void enableCopy() override;
    core::MonthLanguage monthLanguage() const override;
    void setPanelText(form::StatusPanel panel, std::u16string_view text) override;
    void setCaption(std::u16string_view caption) override;
    void showMessage(std::u16string_view text, form::MessageIcon icon) override;
    void scheduleTick(std::chrono::milliseconds delay) override;

    form::Form form;
};
