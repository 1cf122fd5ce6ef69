#pragma once

#include "platform/services.h"

#include <QWidget>

#include <array>
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
class Start final : public QWidget {
    Q_OBJECT

public:
    explicit Start(Services services, QWidget* parent = nullptr);

    // The present moment as a tactical time text, always with German month names.
    QString orvdate() const;

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
    void createTopFrames(const QIcon& logo);
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
    void limitTacticalInput(qsizetype length);
    void clearNormalInputs();
    void clearTacticalInputs();
    void setLinkLit(bool lit);
    void openWebPage();
    void reportBadInput();

    Services services;
    std::optional<Moment> lastShown;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    std::array<QLabel*, 6> Label1{};
    QLabel* Label2 = nullptr;
    QLabel* Picture1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
};
