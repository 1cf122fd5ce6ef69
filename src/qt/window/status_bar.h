#pragma once

#include "layout.h"

#include <QStatusBar>
#include <QString>

#include <array>

class QLabel;

// A status bar of fixed-width sunken panels, left to right in the order they are added, that are found by
// what they show, never by position. Give the bar its final size before adding panels: they take its height.
class StatusBar final : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    void addPanel(form::StatusPanel key, int width);
    // The panel with that key, or null when none was added for it.
    QLabel* panel(form::StatusPanel key) const;
    void setPanelText(form::StatusPanel key, const QString& text);

private:
    std::array<QLabel*, 3> panels{};
    int nextLeft = 0;
};
