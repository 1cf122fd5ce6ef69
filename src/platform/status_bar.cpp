#include "platform/status_bar.h"

#include <QLabel>

namespace {
const char* const kKeyProperty = "panelKey";
}

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    setSizeGripEnabled(false);
}

void StatusBar::addPanel(const QString& key, int width)
{
    auto* label = new QLabel(this);
    label->setProperty(kKeyProperty, key);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Placed by hand rather than by the bar's layout, whose margins would cut the text of a 17-pixel bar.
    // A fixed size also keeps a new text from relaying out, and so repainting, the whole bar.
    const int left = static_cast<int>(findChildren<QLabel*>(Qt::FindDirectChildrenOnly).size() - 1) * width;
    label->move(left, 1);
    label->setFixedSize(width, height() - 1);
}

QLabel* StatusBar::panel(const QString& key) const
{
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->property(kKeyProperty).toString() == key)
            return label;
    }
    return nullptr;
}

void StatusBar::setPanelText(const QString& key, const QString& text)
{
    if (QLabel* label = panel(key))
        label->setText(text);
}
