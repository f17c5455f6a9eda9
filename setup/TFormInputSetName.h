#pragma once

#include <QDialog>

#include <cstddef>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

// Asks for the name of a new board set or player set.
class TFormInputSetName : public QDialog {
    Q_OBJECT

public:
    // A set name holds at most this many CP932 bytes.
    static constexpr std::size_t kSetNameBytes = 259;

    explicit TFormInputSetName(QWidget* parent = nullptr);

    // After OK the name accepted, as CP932 bytes; after Cancel the name accepted before.
    const std::string& GetSetName() const { return setName_; }

    void FormShow();
    void ButtonOkClick();
    void ButtonCancelClick();

    // The close box and Escape act as Cancel.
    void reject() override;

    QLabel* LabelContent = nullptr;
    QLineEdit* EditSetName = nullptr;
    QPushButton* ButtonOk = nullptr;
    QPushButton* ButtonCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refuse(const QString& message);

    std::string setName_;
};
