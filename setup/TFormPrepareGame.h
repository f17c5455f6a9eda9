#pragma once

#include "data/BoardStyle.h"
#include "players/Player.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <string>

class BoardDrawOptions;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QShowEvent;
class TFormSelectBoard;
class TFormSelectPlayer;
class WindowsIni;

// The dialog shown before every game the user starts: who plays each side,
// which computer player, and on which board. It owns the two players and the
// board the main window copies for the game, and remembers the choices in
// Tessella.ini on OK. ChooseBoard is also the board choice of every
// demonstration game.
class TFormPrepareGame : public QDialog {
    Q_OBJECT

public:
    // All three must outlive the dialog.
    TFormPrepareGame(const BoardDrawOptions& options, TFormSelectPlayer& selectPlayer, TFormSelectBoard& selectBoard,
                     QWidget* parent = nullptr);

    const Player& Get1stPlayer() const { return firstPlayer_; }
    const Player& Get2ndPlayer() const { return secondPlayer_; }
    const BoardStyle& GetBoardStyle() const { return board_; }

    // Chooses and loads the board of the next game from the caller's open
    // Tessella.ini and shows it in the preview. Always 0.
    int ChooseBoard(WindowsIni& settings);
    // What the message line should tell about the last ChooseBoard: why a
    // Picture-only draw took the board it took; empty when there is nothing to say.
    const QString& GetBoardNote() const { return boardNote_; }

    // Runs once per real showing: the players and the board start from Tessella.ini again.
    void FormShow();

    void RadioButtonUser_UserClick();
    void RadioButtonUser_CompClick();
    void RadioButtonComp_UserClick();
    void RadioButtonComp_CompClick();
    void ButtonSelect1stPlayerClick();
    void ButtonSelect2ndPlayerClick();
    void ButtonSelectBoardClick();
    void BitBtnOkClick();
    void BitBtnCancelClick();

    // The close box and Escape act as Cancel.
    void reject() override;

    QGroupBox* GroupBoxPlayer = nullptr;
    QLabel* Panel1stPlayerName = nullptr;
    QLabel* Panel2ndPlayerName = nullptr;
    QLabel* Image1stPlayer = nullptr;
    QLabel* Image2ndPlayer = nullptr;
    QLabel* Image1stPlayType = nullptr;
    QLabel* Image2ndPlayType = nullptr;
    QRadioButton* RadioButtonUser_User = nullptr;
    QRadioButton* RadioButtonUser_Comp = nullptr;
    QRadioButton* RadioButtonComp_User = nullptr;
    QRadioButton* RadioButtonComp_Comp = nullptr;
    QPushButton* ButtonSelect1stPlayer = nullptr;
    QPushButton* ButtonSelect2ndPlayer = nullptr;

    QGroupBox* GroupBoxBoard = nullptr;
    QLabel* PanelBoardTitle = nullptr;
    QLabel* ImageBoard = nullptr;
    QLabel* ImageBorder = nullptr;
    QLabel* Label1stFloat = nullptr;
    QLabel* Label2ndFloat = nullptr;
    QLabel* Image1stFloat = nullptr;
    QLabel* Image2ndFloat = nullptr;
    QPushButton* ButtonSelectBoard = nullptr;

    QPushButton* BitBtnOk = nullptr;
    QPushButton* BitBtnCancel = nullptr;
    QLabel* ImageTS = nullptr;
    QLabel* LabelURL = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void BuildWindow();
    void ChangeToProgramDir() const;
    void LoadPlayers(WindowsIni& settings);
    void ShowPlayer(const Player& player, QLabel* face, QLabel* name);
    void SetPlayTypes(bool firstIsUser, bool secondIsUser);
    bool FirstIsUser() const;
    bool SecondIsUser() const;
    void ShowBoard();

    const BoardDrawOptions& options_;
    TFormSelectPlayer& selectPlayer_;
    TFormSelectBoard& selectBoard_;

    Player firstPlayer_;
    Player secondPlayer_;
    std::string firstSetName_;
    std::string firstSection_;
    std::string secondSetName_;
    std::string secondSection_;
    BoardStyle board_;
    std::string boardSetName_;
    std::string boardSection_;
    QImage userIcon_;
    QImage computerIcon_;
    QString boardNote_;
};
