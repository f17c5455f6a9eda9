#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QShowEvent;

// Asks whether an editor's changes are saved before it closes: Yes, No or Cancel.
class TFormSaveConfirm : public QDialog {
    Q_OBJECT

public:
    explicit TFormSaveConfirm(QWidget* parent = nullptr);

    void FormShow();
    void BitBtnYesClick();
    void BitBtnNoClick();
    void BitBtnCancelClick();

    // The close box and Escape answer Cancel.
    void reject() override;

    QLabel* LabelMessage = nullptr;
    QPushButton* BitBtnYes = nullptr;
    QPushButton* BitBtnNo = nullptr;
    QPushButton* BitBtnCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
