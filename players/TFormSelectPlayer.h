#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>

class Player;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QShowEvent;

// The player selection dialog: a player set, then a player of it, with its
// face, texts and brain table. Shown through ModalHost::ShowModal; remembers
// the choice in Tessella.ini on OK.
//
// Getters for the owner, valid after ShowModal answered kModalOk (CP932 texts):
//   GetPlayer()           the chosen player, loaded (no board, brain or side)
//   GetPlayerSetName()    the chosen player set name (a key of [BrainSet])
//   GetPlayerSetFile()    that set's player set file, as stored
//   GetPlayerSection()    the section of the chosen player ("Brain_000" ...)
//
// Tessella.ini is read and written through setup/Settings.h, the one header
// this window takes from setup/: the keys and their defaults live there alone.
// The program folder comes from the owner through SetProgramDir.
class TFormSelectPlayer : public QDialog {
    Q_OBJECT

public:
    static constexpr int kFaceSide = 100;
    static constexpr int kPhases = 6;
    static constexpr int kSlots = 3;

    explicit TFormSelectPlayer(QWidget* parent = nullptr);
    ~TFormSelectPlayer() override;

    // The folder that holds Tessella.ini and the set files; the dialog changes
    // into it before it reads or writes them. Empty: the working directory.
    void SetProgramDir(const QString& programDir);

    // The lifetime results line shown under the player ("通算 12勝 3敗 1分")
    // for a set file and section; without a source the line stays hidden.
    using LifetimeSource = std::function<QString(const std::string& setFile, const std::string& section)>;
    void SetLifetimeSource(LifetimeSource source);

    const Player& GetPlayer() const { return *player_; }
    const std::string& GetPlayerSetName() const { return setName_; }
    const std::string& GetPlayerSetFile() const { return setFile_; }
    const std::string& GetPlayerSection() const { return section_; }

    int PlayerCount() const { return playerCount_; }
    int BrowseIndex() const { return browseIndex_; }

    void FormShow();

    void ComboBoxPlayerSetChange();
    void BitBtnNextPlayerClick();
    void BitBtnBackPlayerClick();
    void BitBtnOkClick();
    void BitBtnCancelClick();

    QGroupBox* GroupBoxPlayer = nullptr;
    QLabel* LabelPlayerSet = nullptr;
    QComboBox* ComboBoxPlayerSet = nullptr;
    QLabel* ImageFace = nullptr;
    QLabel* PanelName = nullptr;
    QLabel* PanelAuthor = nullptr;
    QLabel* LabelComment = nullptr;
    QLabel* LabelLifetime = nullptr;
    QPushButton* BitBtnBackPlayer = nullptr;
    QPushButton* BitBtnNextPlayer = nullptr;
    QLabel* PanelGameCounter = nullptr;
    QLabel* PanelBrain1 = nullptr;
    QLabel* PanelBrain2 = nullptr;
    QLabel* PanelBrain3 = nullptr;
    QPushButton* BitBtnOk = nullptr;
    QPushButton* BitBtnCancel = nullptr;
    // The brain table: per phase, the move limit and the three strategies.
    std::array<QLabel*, kPhases> LabelLimit{};
    std::array<std::array<QLabel*, kSlots>, kPhases> LabelStrategy{};

public slots:
    // The close box and Escape act as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildWindow();
    void FormCreate();
    void EnterProgramDir() const;
    void FillPlayerSets();
    void ShowPlayer(const std::string& file, const std::string& section);

    QString programDir_;
    std::unique_ptr<Player> player_;
    std::string setName_;
    std::string setFile_;
    std::string section_;
    LifetimeSource lifetime_;
    int playerCount_ = 0;
    int browseIndex_ = 0;
};
