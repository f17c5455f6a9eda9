#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QMouseEvent;
class QShowEvent;
class QTimer;

// The release information: blinks its thanks banner until a click or a key closes it.
class TFormRelease : public QDialog {
    Q_OBJECT

public:
    explicit TFormRelease(QWidget* parent = nullptr);

    void FormShow();
    void TimerTimer();
    void FormClick();
    void FormKeyPress();

    QLabel* ImageTitle = nullptr;
    QLabel* ImageThanks = nullptr;
    QLabel* ImageRelease = nullptr;
    QTimer* Timer = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The close box stops the timer as a click does.
    void reject() override;

private:
    int blink_ = 0;
};
