#pragma once

#include "services.h"

#include <QWidget>

#include <optional>

class QGroupBox;
class QIcon;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class StatusBar;

// The length of the tactical time input form "tthhmmMMMjjjj".
inline constexpr int kTacticalInputLength = 13;

// The one window of the program: converts between clock time and date and the tactical time text.
class ConverterWindow final : public QWidget {
    Q_OBJECT

public:
    explicit ConverterWindow(Services services, QWidget* parent = nullptr);

    // The present moment as a tactical time text, always with German month names.
    QString currentTacticalTime() const;

public slots:
    // Shows the time, date and tactical time of one clock reading in the status bar and schedules the next
    // refresh just after the next full second.
    void refreshStatus();

protected:
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createConversionFrames();
    void createTopFrames(const QIcon& logoIcon);
    void createStatusBar();
    void arrangeStacking();
    void arrangeTabOrder();
    void keepOptionTabStopAtSelected();
    void nameForScreenReaders();
    void connectHandlers();

    void updateCaption();
    void convertToTactical();
    void convertToNormal();
    void fillWithNow();
    void copyResult();
    void pasteTactical();
    void takePastedText(const QString& text);
    void reportSilentClipboard();
    void limitTacticalInput(qsizetype length);
    void clearToTacticalInputs();
    void clearToNormalInputs();
    void setLinkLit(bool lit);
    void openWebPage();
    void reportBadInput();

    Services services;
    std::optional<core::Moment> lastShown;
    bool pasteUnanswered = false;

    QGroupBox* toTacticalFrame = nullptr;
    QGroupBox* toNormalFrame = nullptr;
    QGroupBox* monthNamesFrame = nullptr;
    QGroupBox* makerFrame = nullptr;
    QLineEdit* timeInput = nullptr;
    QLineEdit* dateInput = nullptr;
    QLineEdit* tacticalResult = nullptr;
    QLineEdit* tacticalInput = nullptr;
    QLineEdit* timeResult = nullptr;
    QLineEdit* dateResult = nullptr;
    QPushButton* nowButton = nullptr;
    QPushButton* toTacticalButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* clearToTacticalButton = nullptr;
    QPushButton* toNormalButton = nullptr;
    QPushButton* clearToNormalButton = nullptr;
    QPushButton* pasteButton = nullptr;
    QRadioButton* germanMonthsOption = nullptr;
    QRadioButton* englishMonthsOption = nullptr;
    QLabel* timeInputCaption = nullptr;
    QLabel* dateInputCaption = nullptr;
    QLabel* tacticalResultCaption = nullptr;
    QLabel* tacticalInputCaption = nullptr;
    QLabel* timeResultCaption = nullptr;
    QLabel* dateResultCaption = nullptr;
    QLabel* webLink = nullptr;
    QLabel* logo = nullptr;
    StatusBar* statusBar = nullptr;
    QTimer* statusTimer = nullptr;
};
