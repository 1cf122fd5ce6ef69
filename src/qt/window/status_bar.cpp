#include "status_bar.h"

#include <QLabel>

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    setSizeGripEnabled(false);
}

void StatusBar::addPanel(form::StatusPanel key, int width)
{
    auto* label = new QLabel(this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Placed by hand rather than by the bar's layout, whose margins would cut the text of a 17-pixel bar.
    // A fixed size also keeps a new text from relaying out, and so repainting, the whole bar.
    label->move(nextLeft, 1);
    label->setFixedSize(width, height() - 1);
    nextLeft += width;
    panels.at(static_cast<std::size_t>(key)) = label;
}

QLabel* StatusBar::panel(form::StatusPanel key) const
{
    return panels.at(static_cast<std::size_t>(key));
}

void StatusBar::setPanelText(form::StatusPanel key, const QString& text)
{
    if (QLabel* label = panel(key))
        label->setText(text);
}
