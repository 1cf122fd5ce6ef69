#pragma once

#include "fake_desktop.h"
#include "services.h"

#include <QList>

// Message boxes that only remember what they were asked to show, so Qt window tests see every message.
class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QWidget* owner;
        QString title;
        QString text;
        form::MessageIcon icon;
    };

    void show(QWidget* owner, const QString& title, const QString& text, form::MessageIcon icon) override
    {
        shown.append({owner, title, text, icon});
    }

    QList<Shown> shown;
};
