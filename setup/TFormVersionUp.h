#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTimer;

// Shown once when the settings come from an earlier release: migrates them
// (see Migration) and tells the user what the new release brings.
class TFormVersionUp : public QDialog {
    Q_OBJECT

public:
    explicit TFormVersionUp(QWidget* parent = nullptr);

    void FormShow();
    void TimerTimer();
    void ButtonOkClick();

    QGroupBox* GroupBoxVersionUp = nullptr;
    QLabel* LabelHello = nullptr;
    QLabel* LabelContent = nullptr;
    QPlainTextEdit* MemoContent = nullptr;
    QLabel* LabelState = nullptr;
    QPushButton* ButtonOk = nullptr;
    QTimer* Timer = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int stateBlink_ = 1;
};
