#pragma once

#include <QStatusBar>
#include <QString>

class QLabel;

// A status bar of fixed-width sunken panels, left to right, that are found by key, never by position.
// Give the bar its final size before adding panels: they take its height.
class StatusBar final : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    void addPanel(const QString& key, int width);
    // The panel with that key, or null when there is none.
    QLabel* panel(const QString& key) const;
    void setPanelText(const QString& key, const QString& text);
};
