#pragma once

#include "form.h"
#include "services.h"

#include <QWidget>

#include <array>

class StatusBar;
class QTimer;

// The one window of the program on Qt: a thin view of the form, made from its layout, that forwards every
// event to it and carries out what it asks.
class ConverterWindow final : public QWidget, private form::View {
    Q_OBJECT

public:
    ConverterWindow(form::Desktop& desktop, MessageBoxes& messageBoxes, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    QWidget* createControl(const form::ControlLayout& row);
    void createStatusBar(StatusBar* bar);
    void arrangeStacking();
    void arrangeTabOrder();
    void keepOptionTabStopAtSelected();
    void connectHandlers();
    void setLinkLit(bool lit);

    template <class Widget = QWidget>
    Widget* control(form::Control control) const
    {
        return static_cast<Widget*>(controls.at(static_cast<std::size_t>(control)));
    }

    std::u16string text(form::Control field) const override;
    void setText(form::Control field, std::u16string_view text) override;
    void setLimit(form::Control field, std::size_t characters) override;
    void enableCopy() override;
    core::MonthLanguage monthLanguage() const override;
    void setPanelText(form::StatusPanel panel, std::u16string_view text) override;
    void setCaption(std::u16string_view caption) override;
    void showMessage(std::u16string_view text, form::MessageIcon icon) override;
    void scheduleTick(std::chrono::milliseconds delay) override;

    MessageBoxes& messageBoxes;
    form::Form form;
    std::array<QWidget*, form::kControlCount> controls{};
    QTimer* statusTimer = nullptr;
};
