#include "setup/TFormPrepareGame.h"

#include "data/TFormSelectBoard.h"
#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "pictures/Transparency.h"
#include "platform/BusyCursor.h"
#include "platform/FormWidgets.h"
#include "platform/HostPath.h"
#include "platform/ModalHost.h"
#include "platform/Random.h"
#include "platform/TextCodec.h"
#include "players/TFormSelectPlayer.h"
#include "setup/BoardDrawOptions.h"
#include "setup/Settings.h"

#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QStringList>

#include <cstdio>
#include <map>
#include <optional>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t kFieldBytes = 256;
constexpr int kClientWidth = 528;
constexpr int kClientHeight = 486;
constexpr int kFaceSide = 100;
constexpr int kPreviewSide = 100;
// A Picture-only draw may go on this many times more than there are boards to draw from.
constexpr int kExtraPictureDraws = 20;

const QColor kPictureBackground(232, 232, 232);
// Buttons here take Enter when focused, as dialog buttons normally do.
constexpr bool kAutoDefault = true;

std::string Field(const std::string& text)
{
    return TextCodec::CutToField(text, kFieldBytes);
}

std::string BoardSection(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "Board_%03d", number);
    return name;
}

// Boards are Board_000, Board_001, ... up to the first section without a Title.
int CountBoards(const WindowsIni& set)
{
    int count = 0;
    while (set.FindValue(BoardSection(count), "Title", 0) != nullptr)
        ++count;
    return count;
}

bool IsPictureBoard(const WindowsIni& set, const std::string& section)
{
    const std::string* type = set.FindValue(section, "BoardType", 0);
    return type != nullptr && *type == "Picture";
}

struct BoardChoice {
    std::string setName;
    std::string section;
};

// One random board draw over the sets that take part in it. The set files are
// read once; what a draw yields is decided from their texts, and only the
// board finally chosen is loaded with its pictures.
class BoardDraw {
public:
    BoardDraw(const WindowsIni& settings, const BoardDrawOptions& options, BoardChoice fixed)
        : settings_(settings), fixed_(std::move(fixed)), limited_(options.GetRandomBoard2() == 1)
    {
        if (limited_) {
            const std::optional<std::string> file =
                Settings::RegisteredFile(settings, Settings::SetKind::Board, fixed_.setName);
            AddSet(fixed_.setName, file);
            return;
        }
        for (const Settings::SetEntry& entry : Settings::Registry(settings, Settings::SetKind::Board))
            AddSet(entry.name, Settings::BoardSetFile(settings, entry.name));
        // With nothing registered the standard set is still there to draw from.
        if (sets_.empty())
            AddSet(Settings::kStandardSetName, std::string(Settings::kStandardBoardSetFile));
    }

    int BoardCount() const
    {
        int total = 0;
        for (const DrawSet& set : sets_)
            total += set.boards;
        return total;
    }

    BoardChoice DrawOnce() const
    {
        std::size_t drawn = 0;
        if (!limited_)
            drawn = static_cast<std::size_t>(Random::Next()) % sets_.size();
        if (sets_[drawn].boards == 0) {
            std::vector<std::size_t> withBoards;
            for (std::size_t i = 0; i < sets_.size(); ++i) {
                if (sets_[i].boards > 0)
                    withBoards.push_back(i);
            }
            if (withBoards.empty())
                return fixed_;
            drawn = withBoards[static_cast<std::size_t>(Random::Next()) % withBoards.size()];
        }
        const DrawSet& set = sets_[drawn];
        return {set.name, BoardSection(Random::Next() % set.boards)};
    }

    bool IsPicture(const BoardChoice& choice)
    {
        for (const DrawSet& set : sets_) {
            if (set.name == choice.setName && set.ini)
                return IsPictureBoard(*set.ini, choice.section);
        }
        return IsPictureBoard(OtherSet(choice.setName), choice.section);
    }

    // The first Picture-type board of the sets in the order they are registered.
    std::optional<BoardChoice> FirstPicture() const
    {
        for (const DrawSet& set : sets_) {
            for (int i = 0; i < set.boards; ++i) {
                const std::string section = BoardSection(i);
                if (IsPictureBoard(*set.ini, section))
                    return BoardChoice{set.name, section};
            }
        }
        return std::nullopt;
    }

private:
    struct DrawSet {
        std::string name;
        std::unique_ptr<WindowsIni> ini;
        int boards = 0;
    };

    // A set that is not registered counts no boards.
    void AddSet(const std::string& name, const std::optional<std::string>& file)
    {
        DrawSet set{name, nullptr, 0};
        if (file) {
            set.ini = std::make_unique<WindowsIni>(HostPath::ToHost(*file));
            set.boards = CountBoards(*set.ini);
        }
        sets_.push_back(std::move(set));
    }

    const WindowsIni& OtherSet(const std::string& setName)
    {
        auto found = others_.find(setName);
        if (found == others_.end()) {
            const std::string file = Settings::BoardSetFile(settings_, setName);
            found = others_.emplace(setName, std::make_unique<WindowsIni>(HostPath::ToHost(file))).first;
        }
        return *found->second;
    }

    const WindowsIni& settings_;
    BoardChoice fixed_;
    bool limited_;
    std::vector<DrawSet> sets_;
    std::map<std::string, std::unique_ptr<WindowsIni>> others_;
};

// A sunken frame just around the picture area, so the picture keeps its full size.
QFrame* MakePictureFrame(QWidget* parent, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setGeometry(geometry.adjusted(-1, -1, 1, 1));
    FormWidgets::SetBackground(frame, kPictureBackground);
    return frame;
}

QLabel* MakePicture(QWidget* frame, const char* name, const QSize& size)
{
    auto* label = new QLabel(frame);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(QRect(QPoint(1, 1), size));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(geometry);
    return radio;
}

void ShowPicture(QLabel* label, const QImage& picture, bool stretched, bool transparent)
{
    if (picture.isNull()) {
        label->clear();
        return;
    }
    QImage shown = transparent ? TransparentCopy(picture) : picture;
    if (stretched && shown.size() != label->size())
        shown = shown.scaled(label->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    label->setPixmap(QPixmap::fromImage(shown));
}

Settings::WarType CheckedWarType(const TFormPrepareGame& form)
{
    if (form.RadioButtonUser_User->isChecked())
        return Settings::WarType::UserVsUser;
    if (form.RadioButtonUser_Comp->isChecked())
        return Settings::WarType::UserVsComp;
    if (form.RadioButtonComp_User->isChecked())
        return Settings::WarType::CompVsUser;
    if (form.RadioButtonComp_Comp->isChecked())
        return Settings::WarType::CompVsComp;
    return Settings::WarType::None;
}

QRadioButton* RadioFor(const TFormPrepareGame& form, Settings::WarType type)
{
    switch (type) {
    case Settings::WarType::UserVsUser:
        return form.RadioButtonUser_User;
    case Settings::WarType::UserVsComp:
        return form.RadioButtonUser_Comp;
    case Settings::WarType::CompVsUser:
        return form.RadioButtonComp_User;
    case Settings::WarType::CompVsComp:
        return form.RadioButtonComp_Comp;
    case Settings::WarType::None:
        break;
    }
    return nullptr;
}

}  // namespace

TFormPrepareGame::TFormPrepareGame(const BoardDrawOptions& options, TFormSelectPlayer& selectPlayer,
                                   TFormSelectBoard& selectBoard, QWidget* parent)
    : QDialog(parent),
      options_(options),
      selectPlayer_(selectPlayer),
      selectBoard_(selectBoard),
      firstPlayer_(nullptr, nullptr, 0),
      secondPlayer_(nullptr, nullptr, 0)
{
    setObjectName(QStringLiteral("FormPrepareGame"));
    setWindowTitle(tr("テセラ／ゲーム準備"));
    QFont font(QStringLiteral("IPAGothic"), 9);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    BuildWindow();
    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    FormCreate();
}

void TFormPrepareGame::BuildWindow()
{
    constexpr int kGroupWidth = kClientWidth - 16;
    constexpr int kColumn = 124;
    constexpr int kLeft = 12;
    constexpr int kRight = kGroupWidth - 12 - kColumn;
    constexpr int kCentre = kGroupWidth / 2;

    GroupBoxPlayer = new QGroupBox(tr("[プレーヤの設定]"), this);
    GroupBoxPlayer->setObjectName(QStringLiteral("GroupBoxPlayer"));
    GroupBoxPlayer->setGeometry(8, 8, kGroupWidth, 222);

    const auto playerColumn = [this](int x, const char* panel, const char* face, const char* playType,
                                     const char* button, QLabel** panelOut, QLabel** faceOut, QLabel** playTypeOut,
                                     QPushButton** buttonOut) {
        const int pictureX = x + (kColumn - kFaceSide) / 2;
        *panelOut = FormWidgets::MakePanel(GroupBoxPlayer, panel, QRect(x, 24, kColumn, 22));
        const QSize faceSize(kFaceSide, kFaceSide);
        const QSize iconSize(kFaceSide, 20);
        *faceOut = MakePicture(MakePictureFrame(GroupBoxPlayer, QRect(QPoint(pictureX, 54), faceSize)), face, faceSize);
        *playTypeOut =
            MakePicture(MakePictureFrame(GroupBoxPlayer, QRect(QPoint(pictureX, 160), iconSize)), playType, iconSize);
        *buttonOut = FormWidgets::MakeButton(GroupBoxPlayer, button, tr("プレーヤ変更"),
                                             QRect(x, 188, kColumn, 26), kAutoDefault);
    };
    playerColumn(kLeft, "Panel1stPlayerName", "Image1stPlayer", "Image1stPlayType", "ButtonSelect1stPlayer",
                 &Panel1stPlayerName, &Image1stPlayer, &Image1stPlayType, &ButtonSelect1stPlayer);
    playerColumn(kRight, "Panel2ndPlayerName", "Image2ndPlayer", "Image2ndPlayType", "ButtonSelect2ndPlayer",
                 &Panel2ndPlayerName, &Image2ndPlayer, &Image2ndPlayType, &ButtonSelect2ndPlayer);

    constexpr int kRadioWidth = 196;
    constexpr int kRadioX = kCentre - kRadioWidth / 2 + 10;
    const auto radio = [this](const char* name, const QString& caption, int y) {
        return MakeRadio(GroupBoxPlayer, name, caption, QRect(kRadioX, y, kRadioWidth, 22));
    };
    RadioButtonUser_User = radio("RadioButtonUser_User", tr("ユーザ対ユーザ"), 62);
    RadioButtonUser_Comp = radio("RadioButtonUser_Comp", tr("ユーザ対コンピュータ"), 92);
    RadioButtonComp_User = radio("RadioButtonComp_User", tr("コンピュータ対ユーザ"), 122);
    RadioButtonComp_Comp = radio("RadioButtonComp_Comp", tr("コンピュータ対コンピュータ"), 152);

    GroupBoxBoard = new QGroupBox(tr("[ボードの設定]"), this);
    GroupBoxBoard->setObjectName(QStringLiteral("GroupBoxBoard"));
    GroupBoxBoard->setGeometry(8, 238, kGroupWidth, 196);

    PanelBoardTitle = FormWidgets::MakePanel(GroupBoxBoard, "PanelBoardTitle", QRect(kCentre - 100, 24, 200, 22));
    QFrame* boardFrame =
        MakePictureFrame(GroupBoxBoard, QRect(kCentre - kPreviewSide / 2, 54, kPreviewSide, kPreviewSide));
    ImageBoard = MakePicture(boardFrame, "ImageBoard", QSize(kPreviewSide, kPreviewSide));
    // Made after the board, so it lies over it.
    ImageBorder = MakePicture(boardFrame, "ImageBorder", QSize(kPreviewSide, kPreviewSide));

    const auto pieceColumn = [this](int x, const char* label, const QString& caption, const char* image,
                                    QLabel** labelOut, QLabel** imageOut) {
        *labelOut = FormWidgets::MakeCaption(GroupBoxBoard, label, caption, QRect(x, 66, kColumn, 18), Qt::AlignCenter);
        *imageOut = MakePicture(MakePictureFrame(GroupBoxBoard, QRect(x + (kColumn - 32) / 2, 88, 32, 32)), image,
                                QSize(32, 32));
    };
    pieceColumn(kLeft, "Label1stFloat", tr("先手"), "Image1stFloat", &Label1stFloat, &Image1stFloat);
    pieceColumn(kRight, "Label2ndFloat", tr("後手"), "Image2ndFloat", &Label2ndFloat, &Image2ndFloat);

    ButtonSelectBoard = FormWidgets::MakeButton(GroupBoxBoard, "ButtonSelectBoard", tr("ボード変更"),
                                                QRect(kCentre - kColumn / 2, 162, kColumn, 26), kAutoDefault);

    ImageTS = new QLabel(this);
    ImageTS->setObjectName(QStringLiteral("ImageTS"));
    ImageTS->setGeometry(12, 442, 36, 36);
    ImageTS->setAlignment(Qt::AlignCenter);
    LabelURL = new QLabel(QStringLiteral("Tessella"), this);
    LabelURL->setObjectName(QStringLiteral("LabelURL"));
    LabelURL->setGeometry(56, 442, 160, 36);
    LabelURL->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    BitBtnOk = FormWidgets::MakeButton(this, "BitBtnOk", tr("ゲーム開始"),
                                       QRect(kClientWidth - 232, 446, 108, 28), kAutoDefault);
    BitBtnOk->setDefault(true);
    BitBtnCancel = FormWidgets::MakeButton(this, "BitBtnCancel", tr("キャンセル"),
                                           QRect(kClientWidth - 116, 446, 108, 28), kAutoDefault);

    const auto onChecked = [this](QRadioButton* radio, void (TFormPrepareGame::*handler)()) {
        // Checking a button, by the user or from the settings, runs its click action.
        connect(radio, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    };
    onChecked(RadioButtonUser_User, &TFormPrepareGame::RadioButtonUser_UserClick);
    onChecked(RadioButtonUser_Comp, &TFormPrepareGame::RadioButtonUser_CompClick);
    onChecked(RadioButtonComp_User, &TFormPrepareGame::RadioButtonComp_UserClick);
    onChecked(RadioButtonComp_Comp, &TFormPrepareGame::RadioButtonComp_CompClick);
    connect(ButtonSelect1stPlayer, &QPushButton::clicked, this, &TFormPrepareGame::ButtonSelect1stPlayerClick);
    connect(ButtonSelect2ndPlayer, &QPushButton::clicked, this, &TFormPrepareGame::ButtonSelect2ndPlayerClick);
    connect(ButtonSelectBoard, &QPushButton::clicked, this, &TFormPrepareGame::ButtonSelectBoardClick);
    connect(BitBtnOk, &QPushButton::clicked, this, &TFormPrepareGame::BitBtnOkClick);
    connect(BitBtnCancel, &QPushButton::clicked, this, &TFormPrepareGame::BitBtnCancelClick);
}

void TFormPrepareGame::FormCreate()
{
    const QImage logo = PictureLoader::LoadStored("Picture\\Logo.bmp");
    if (!logo.isNull())
        ImageTS->setPixmap(QPixmap::fromImage(
            logo.scaled(ImageTS->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TFormPrepareGame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormPrepareGame::ChangeToProgramDir() const
{
    QDir::setCurrent(options_.GetProgramDir());
}

void TFormPrepareGame::FormShow()
{
    ChangeToProgramDir();
    WindowsIni settings = Settings::Open();
    LoadPlayers(settings);
    ChooseBoard(settings);
}

void TFormPrepareGame::LoadPlayers(WindowsIni& settings)
{
    firstSetName_ = Field(Settings::Text(settings, Settings::kKey1stBrainSet));
    firstSection_ = Field(Settings::Text(settings, Settings::kKey1stBrainName));
    secondSetName_ = Field(Settings::Text(settings, Settings::kKey2ndBrainSet));
    secondSection_ = Field(Settings::Text(settings, Settings::kKey2ndBrainName));

    userIcon_ = PictureLoader::LoadStored(Settings::Text(settings, Settings::kKeyUserPicture));
    computerIcon_ = PictureLoader::LoadStored(Settings::Text(settings, Settings::kKeyComputerPicture));

    QRadioButton* radio = RadioFor(*this, Settings::ReadWarType(settings));
    if (radio != nullptr && !radio->isChecked()) {
        radio->setChecked(true);
    } else if (CheckedWarType(*this) != Settings::WarType::None) {
        // A button that stays checked still shows the icons just loaded.
        SetPlayTypes(FirstIsUser(), SecondIsUser());
    }

    firstPlayer_.Load(Settings::PlayerSetFile(settings, firstSetName_), firstSection_);
    ShowPlayer(firstPlayer_, Image1stPlayer, Panel1stPlayerName);
    secondPlayer_.Load(Settings::PlayerSetFile(settings, secondSetName_), secondSection_);
    ShowPlayer(secondPlayer_, Image2ndPlayer, Panel2ndPlayerName);
}

void TFormPrepareGame::ShowPlayer(const Player& player, QLabel* face, QLabel* name)
{
    ShowPicture(face, player.Face(0), player.Stretch() == 1, false);
    name->setText(TextCodec::ToUi(player.Name()));
}

void TFormPrepareGame::SetPlayTypes(bool firstIsUser, bool secondIsUser)
{
    firstPlayer_.SetPlayType(firstIsUser ? Player::kPlayUser : Player::kPlayComputer);
    secondPlayer_.SetPlayType(secondIsUser ? Player::kPlayUser : Player::kPlayComputer);
    ShowPicture(Image1stPlayType, firstIsUser ? userIcon_ : computerIcon_, false, false);
    ShowPicture(Image2ndPlayType, secondIsUser ? userIcon_ : computerIcon_, false, false);
}

bool TFormPrepareGame::FirstIsUser() const
{
    return RadioButtonUser_User->isChecked() || RadioButtonUser_Comp->isChecked();
}

bool TFormPrepareGame::SecondIsUser() const
{
    return RadioButtonUser_User->isChecked() || RadioButtonComp_User->isChecked();
}

void TFormPrepareGame::RadioButtonUser_UserClick()
{
    SetPlayTypes(true, true);
}

void TFormPrepareGame::RadioButtonUser_CompClick()
{
    SetPlayTypes(true, false);
}

void TFormPrepareGame::RadioButtonComp_UserClick()
{
    SetPlayTypes(false, true);
}

void TFormPrepareGame::RadioButtonComp_CompClick()
{
    SetPlayTypes(false, false);
}

void TFormPrepareGame::ButtonSelect1stPlayerClick()
{
    selectPlayer_.SetProgramDir(options_.GetProgramDir());
    if (ModalHost::ShowModal(selectPlayer_) != kModalOk)
        return;
    firstPlayer_.LoadFrom(selectPlayer_.GetPlayer());
    firstSetName_ = Field(selectPlayer_.GetPlayerSetName());
    firstSection_ = Field(selectPlayer_.GetPlayerSection());
    ShowPlayer(firstPlayer_, Image1stPlayer, Panel1stPlayerName);
    firstPlayer_.SetPlayType(FirstIsUser() ? Player::kPlayUser : Player::kPlayComputer);
}

void TFormPrepareGame::ButtonSelect2ndPlayerClick()
{
    selectPlayer_.SetProgramDir(options_.GetProgramDir());
    if (ModalHost::ShowModal(selectPlayer_) != kModalOk)
        return;
    secondPlayer_.LoadFrom(selectPlayer_.GetPlayer());
    secondSetName_ = Field(selectPlayer_.GetPlayerSetName());
    secondSection_ = Field(selectPlayer_.GetPlayerSection());
    ShowPlayer(secondPlayer_, Image2ndPlayer, Panel2ndPlayerName);
    secondPlayer_.SetPlayType(SecondIsUser() ? Player::kPlayUser : Player::kPlayComputer);
}

void TFormPrepareGame::ButtonSelectBoardClick()
{
    selectBoard_.SetProgramDir(options_.GetProgramDir());
    if (ModalHost::ShowModal(selectBoard_) != kModalOk)
        return;
    board_.Load(selectBoard_.GetBoardSetFile(), selectBoard_.GetBoardName());
    boardSetName_ = Field(selectBoard_.GetBoardSetName());
    boardSection_ = Field(selectBoard_.GetBoardName());
    boardNote_.clear();
    ShowBoard();
}

int TFormPrepareGame::ChooseBoard(WindowsIni& settings)
{
    const BoardChoice fixed{Field(Settings::Text(settings, Settings::kKeyDefaultBoardSet)),
                            Field(Settings::Text(settings, Settings::kKeyDefaultBoardName))};
    BoardChoice choice = fixed;
    boardNote_.clear();
    if (options_.GetRandomBoard() == 1) {
        BoardDraw draw(settings, options_, fixed);
        const bool pictureOnly = options_.GetRandomBoard3() == 1;
        const int draws = pictureOnly ? draw.BoardCount() + kExtraPictureDraws : 1;
        bool found = false;
        for (int i = 0; i < draws && !found; ++i) {
            choice = draw.DrawOnce();
            found = !pictureOnly || draw.IsPicture(choice);
        }
        if (!found) {
            const std::optional<BoardChoice> first = draw.FirstPicture();
            if (first)
                choice = *first;
            boardNote_ = first
                ? tr("ピクチャータイプのボードが抽選で出なかったので、最初に見つかった「%1」を選びました。")
                : tr("ピクチャータイプのボードがないので、最後に抽選した「%1」を選びました。");
        }
    }
    boardSetName_ = choice.setName;
    boardSection_ = choice.section;
    board_.Load(Settings::BoardSetFile(settings, boardSetName_), boardSection_);
    if (!boardNote_.isEmpty())
        boardNote_ = boardNote_.arg(TextCodec::ToUi(board_.Title()));
    ShowBoard();
    return 0;
}

void TFormPrepareGame::ShowBoard()
{
    ShowPicture(ImageBoard, board_.BoardPicture(), board_.Stretch() == 1, false);
    PanelBoardTitle->setText(TextCodec::ToUi(board_.Title()));
    PanelBoardTitle->setToolTip(boardNote_);
    ShowPicture(ImageBorder, board_.BorderPicture(), true, true);
    ImageBorder->show();
    ImageBorder->setEnabled(true);
    ShowPicture(Image1stFloat, board_.FloatPicture1st(0, 0), false, board_.Transparent1stFloat() == 1);
    ShowPicture(Image2ndFloat, board_.FloatPicture2nd(0, 0), false, board_.Transparent2ndFloat() == 1);
}

void TFormPrepareGame::BitBtnOkClick()
{
    // A value the file cannot hold (a hand-made set name with a comma, say) is named and left out; the rest is written.
    QStringList refused;
    int failed = 0;
    {
        BusyCursor busy;
        ChangeToProgramDir();
        WindowsIni settings = Settings::Open();
        auto set = [&](const Settings::TextKey& key, const std::string& value) {
            if (Settings::SetText(settings, key, value) != 0)
                refused << tr("%1「%2」").arg(QString::fromLatin1(key.name), TextCodec::ToUi(value));
        };
        set(Settings::kKey1stBrainSet, firstSetName_);
        set(Settings::kKey1stBrainName, firstSection_);
        set(Settings::kKey2ndBrainSet, secondSetName_);
        set(Settings::kKey2ndBrainName, secondSection_);
        set(Settings::kKeyUserPicture, Settings::kKeyUserPicture.defaultText);
        set(Settings::kKeyComputerPicture, Settings::kKeyComputerPicture.defaultText);
        const Settings::WarType warType = CheckedWarType(*this);
        if (warType != Settings::WarType::None)
            Settings::SetWarType(settings, warType);
        set(Settings::kKeyDefaultBoardSet, boardSetName_);
        set(Settings::kKeyDefaultBoardName, boardSection_);
        failed = Settings::Save(settings);
    }
    if (failed != 0) {
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        tr("設定ファイル「%1」に書き込めませんでした。\n"
                                       "フォルダへの書き込みが許されているか、ディスクに空きがあるかを確かめてください。")
                            .arg(QDir::current().absoluteFilePath(QString::fromLatin1(Settings::kFileName))),
                        QMessageBox::Ok, this);
        ModalHost::ShowModal(box);
        return;
    }
    if (!refused.isEmpty()) {
        QMessageBox box(QMessageBox::Information, windowTitle(),
                        tr("次の値は設定ファイル「%1」に書けない文字（, ; ! や改行）を含むため、"
                                       "書かずにおきました。ほかの設定は書きました。\n%2")
                            .arg(QString::fromLatin1(Settings::kFileName), refused.join(QLatin1Char('\n'))),
                        QMessageBox::Ok, this);
        ModalHost::ShowModal(box);
    }
    done(kModalOk);
}

void TFormPrepareGame::BitBtnCancelClick()
{
    done(kModalCancel);
}

void TFormPrepareGame::reject()
{
    BitBtnCancelClick();
}
