#include "players/TFormSelectPlayer.h"

#include "data/WindowsIni.h"
#include "platform/FormWidgets.h"
#include "platform/ModalHost.h"
#include "platform/TextCodec.h"
#include "players/Player.h"
#include "players/PlayerSetFile.h"
#include "setup/Settings.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

#include <optional>

namespace {

// Names typed into the set box are held one byte short of the 256-byte field.
constexpr std::size_t kTypedNameBytes = 255;

const QColor kHeadingBackground(224, 224, 224);
const QColor kPictureBackground(208, 208, 208);

QLabel* MakeHeading(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    FormWidgets::SetBackground(label, kHeadingBackground);
    return label;
}

// Next and back wrap at both ends, also from an index a larger set left behind.
int Wrapped(int index, int count)
{
    if (count <= 0 || index >= count)
        return 0;
    if (index < 0)
        return count - 1;
    return index;
}

}  // namespace

TFormSelectPlayer::TFormSelectPlayer(QWidget* parent)
    : QDialog(parent)
{
    BuildWindow();
    FormCreate();
}

TFormSelectPlayer::~TFormSelectPlayer() = default;

void TFormSelectPlayer::BuildWindow()
{
    setObjectName(QStringLiteral("FormSelectPlayer"));
    setWindowTitle(tr("テセラ／プレーヤ選択"));
    setFont(QFont(QStringLiteral("IPAGothic"), 9));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    constexpr int kWidth = 440;
    constexpr int kHeight = 416;
    constexpr int kInner = kWidth - 16 - 24;
    setFixedSize(kWidth, kHeight);

    GroupBoxPlayer = new QGroupBox(tr("[プレーヤーを選択して下さい]"), this);
    GroupBoxPlayer->setObjectName(QStringLiteral("GroupBoxPlayer"));
    GroupBoxPlayer->setGeometry(8, 8, kWidth - 16, 358);

    LabelPlayerSet = new QLabel(tr("プレーヤセット名："), GroupBoxPlayer);
    LabelPlayerSet->setObjectName(QStringLiteral("LabelPlayerSet"));
    LabelPlayerSet->setGeometry(12, 24, 112, 24);
    LabelPlayerSet->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ComboBoxPlayerSet = new QComboBox(GroupBoxPlayer);
    ComboBoxPlayerSet->setObjectName(QStringLiteral("ComboBoxPlayerSet"));
    ComboBoxPlayerSet->setGeometry(124, 24, 240, 24);
    ComboBoxPlayerSet->setEditable(true);
    ComboBoxPlayerSet->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxPlayerSet->setMaxVisibleItems(12);
    // A set opens when the typed text equals its name, so nothing may complete it on its own.
    ComboBoxPlayerSet->setCompleter(nullptr);

    // The face with the browse buttons under it; the texts beside it.
    ImageFace = FormWidgets::MakePicture(GroupBoxPlayer, "ImageFace", QRect(13, 59, kFaceSide, kFaceSide),
                                         kPictureBackground, FormWidgets::Edge::Light);
    BitBtnBackPlayer = FormWidgets::MakeButton(GroupBoxPlayer, "BitBtnBackPlayer", tr("< 前"),
                                               QRect(12, 166, 49, 26));
    BitBtnNextPlayer = FormWidgets::MakeButton(GroupBoxPlayer, "BitBtnNextPlayer", tr("次 >"),
                                               QRect(65, 166, 49, 26));

    constexpr int kTextX = 12 + kFaceSide + 2 + 12;
    constexpr int kTextWidth = 12 + kInner - kTextX;
    PanelName = FormWidgets::MakeFileTextPanel(GroupBoxPlayer, "PanelName", QRect(kTextX, 58, kTextWidth, 26));
    QFont bold = PanelName->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 1);
    PanelName->setFont(bold);
    PanelAuthor = FormWidgets::MakeFileTextPanel(GroupBoxPlayer, "PanelAuthor", QRect(kTextX, 88, kTextWidth, 22));
    LabelComment = FormWidgets::MakeFileTextPanel(GroupBoxPlayer, "LabelComment", QRect(kTextX, 114, kTextWidth, 54));
    LabelLifetime = FormWidgets::MakeFileTextPanel(GroupBoxPlayer, "LabelLifetime", QRect(kTextX, 172, kTextWidth, 20));
    LabelLifetime->hide();
    LabelComment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelComment->setWordWrap(true);
    LabelComment->setMargin(4);

    // The brain table across the group: the limit column, then the three strategy columns.
    constexpr int kTableTop = 204;
    constexpr int kRowHeight = 20;
    constexpr int kLimitWidth = 64;
    constexpr int kStrategyWidth = (kInner - kLimitWidth) / kSlots;
    constexpr int kTableX = 12 + (kInner - kLimitWidth - kSlots * kStrategyWidth) / 2;
    auto columnX = [](int column) { return kTableX + (column == 0 ? 0 : kLimitWidth + (column - 1) * kStrategyWidth); };
    auto columnWidth = [](int column) { return column == 0 ? kLimitWidth : kStrategyWidth; };

    PanelGameCounter = MakeHeading(GroupBoxPlayer, "PanelGameCounter", tr("手数"),
                                   QRect(columnX(0), kTableTop, columnWidth(0), kRowHeight));
    PanelBrain1 = MakeHeading(GroupBoxPlayer, "PanelBrain1", QStringLiteral("1"),
                              QRect(columnX(1), kTableTop, columnWidth(1), kRowHeight));
    PanelBrain2 = MakeHeading(GroupBoxPlayer, "PanelBrain2", QStringLiteral("2"),
                              QRect(columnX(2), kTableTop, columnWidth(2), kRowHeight));
    PanelBrain3 = MakeHeading(GroupBoxPlayer, "PanelBrain3", QStringLiteral("3"),
                              QRect(columnX(3), kTableTop, columnWidth(3), kRowHeight));
    for (int phase = 0; phase < kPhases; ++phase) {
        const int y = kTableTop + kRowHeight * (phase + 1);
        LabelLimit[phase] = FormWidgets::MakeFileTextPanel(GroupBoxPlayer, nullptr,
                                                           QRect(columnX(0), y, columnWidth(0), kRowHeight));
        LabelLimit[phase]->setObjectName(QStringLiteral("LabelLimit%1").arg(phase));
        for (int slot = 0; slot < kSlots; ++slot) {
            QLabel* label = FormWidgets::MakeFileTextPanel(
                GroupBoxPlayer, nullptr, QRect(columnX(slot + 1), y, columnWidth(slot + 1), kRowHeight));
            label->setObjectName(QStringLiteral("LabelStrategy%1_%2").arg(phase).arg(slot + 1));
            LabelStrategy[phase][slot] = label;
        }
    }

    constexpr int kButtonWidth = 112;
    BitBtnCancel = FormWidgets::MakeButton(this, "BitBtnCancel", tr("キャンセル"),
                                           QRect(kWidth - 8 - kButtonWidth, 376, kButtonWidth, 30));
    BitBtnOk = FormWidgets::MakeButton(this, "BitBtnOk", tr("決定"),
                                       QRect(kWidth - 8 - 2 * kButtonWidth - 8, 376, kButtonWidth, 30));
    BitBtnOk->setDefault(true);

    // Typing and choosing from the list are the user's changes; texts the dialog sets are not.
    connect(ComboBoxPlayerSet->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBoxPlayerSetChange(); });
    connect(ComboBoxPlayerSet, &QComboBox::activated, this, [this] { ComboBoxPlayerSetChange(); });
    connect(BitBtnNextPlayer, &QPushButton::clicked, this, [this] { BitBtnNextPlayerClick(); });
    connect(BitBtnBackPlayer, &QPushButton::clicked, this, [this] { BitBtnBackPlayerClick(); });
    connect(BitBtnOk, &QPushButton::clicked, this, [this] { BitBtnOkClick(); });
    connect(BitBtnCancel, &QPushButton::clicked, this, [this] { BitBtnCancelClick(); });
}

void TFormSelectPlayer::SetProgramDir(const QString& programDir)
{
    programDir_ = programDir;
}

void TFormSelectPlayer::EnterProgramDir() const
{
    if (!programDir_.isEmpty())
        QDir::setCurrent(programDir_);
}

void TFormSelectPlayer::FormCreate()
{
    EnterProgramDir();
    const WindowsIni settings = Settings::Open();
    player_ = std::make_unique<Player>(nullptr, nullptr, 0);
    setName_ = Settings::Text(settings, Settings::kKeyDefaultBrainSet);
    setFile_.clear();
    section_ = PlayerSetFile::PlayerSection(0);
    browseIndex_ = 0;
    playerCount_ = 0;
}

void TFormSelectPlayer::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
}

void TFormSelectPlayer::FormShow()
{
    EnterProgramDir();
    const WindowsIni settings = Settings::Open();
    setName_ = Settings::Text(settings, Settings::kKeyDefaultBrainSet);
    // An unregistered set means the standard file, as for every other reader of these keys.
    setFile_ = Settings::PlayerSetFile(settings, setName_);
    playerCount_ = PlayerSetFile::CountPlayers(setFile_);
    ShowPlayer(setFile_, Settings::Text(settings, Settings::kKeyDefaultBrainName));

    const QSignalBlocker blocker(ComboBoxPlayerSet);
    ComboBoxPlayerSet->clear();
    for (const Settings::SetEntry& entry : Settings::Registry(settings, Settings::SetKind::Player))
        ComboBoxPlayerSet->addItem(TextCodec::ToUi(entry.name));
    ComboBoxPlayerSet->setCurrentIndex(-1);
    ComboBoxPlayerSet->setEditText(TextCodec::ToUi(setName_));
}

void TFormSelectPlayer::SetLifetimeSource(LifetimeSource source)
{
    lifetime_ = std::move(source);
    LabelLifetime->setVisible(static_cast<bool>(lifetime_));
}

void TFormSelectPlayer::ShowPlayer(const std::string& file, const std::string& section)
{
    player_->Load(file, section);
    section_ = section;

    const QImage face = player_->Face(0);
    if (face.isNull())
        ImageFace->clear();
    else if (player_->Stretch() == 1 && face.size() != QSize(kFaceSide, kFaceSide))
        ImageFace->setPixmap(
            QPixmap::fromImage(face.scaled(kFaceSide, kFaceSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    else
        ImageFace->setPixmap(QPixmap::fromImage(face));

    PanelName->setText(TextCodec::ToUi(player_->Name()));
    PanelAuthor->setText(TextCodec::ToUi(player_->Author()));
    LabelComment->setText(TextCodec::ToUi(player_->Comment()));
    if (lifetime_)
        LabelLifetime->setText(lifetime_(file, section));
    for (int phase = 0; phase < kPhases; ++phase) {
        const int limit = player_->Limit(phase);
        LabelLimit[phase]->setText(limit == 0 ? QStringLiteral(" ") : QString::number(limit));
        for (int slot = 0; slot < kSlots; ++slot)
            LabelStrategy[phase][slot]->setText(Player::StrategyUiName(player_->Code(phase, slot)));
    }
}

void TFormSelectPlayer::ComboBoxPlayerSetChange()
{
    std::string name;
    if (!TextCodec::FromUi(ComboBoxPlayerSet->currentText(), &name))
        return;
    name = TextCodec::CutToField(name, kTypedNameBytes);
    EnterProgramDir();
    const WindowsIni settings = Settings::Open();
    const std::optional<std::string> file = Settings::RegisteredFile(settings, Settings::SetKind::Player, name);
    // The set name changes only together with a set file that holds it.
    if (!file)
        return;
    setName_ = name;
    setFile_ = *file;
    browseIndex_ = 0;
    playerCount_ = PlayerSetFile::CountPlayers(setFile_);
    ShowPlayer(setFile_, PlayerSetFile::PlayerSection(0));
}

void TFormSelectPlayer::BitBtnNextPlayerClick()
{
    browseIndex_ = Wrapped(browseIndex_ + 1, playerCount_);
    ShowPlayer(setFile_, PlayerSetFile::PlayerSection(browseIndex_));
}

void TFormSelectPlayer::BitBtnBackPlayerClick()
{
    browseIndex_ = Wrapped(browseIndex_ - 1, playerCount_);
    ShowPlayer(setFile_, PlayerSetFile::PlayerSection(browseIndex_));
}

void TFormSelectPlayer::BitBtnOkClick()
{
    EnterProgramDir();
    WindowsIni settings = Settings::Open();
    const bool stored = Settings::SetText(settings, Settings::kKeyDefaultBrainSet, setName_) == 0
        && Settings::SetText(settings, Settings::kKeyDefaultBrainName, section_) == 0;
    if (!stored || Settings::Save(settings) != 0) {
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        tr("設定ファイル「%1」に書き込めませんでした。")
                            .arg(QDir::current().absoluteFilePath(QString::fromLatin1(Settings::kFileName))),
                        QMessageBox::Ok, this);
        ModalHost::ShowModal(box);
        return;
    }
    done(kModalOk);
}

void TFormSelectPlayer::BitBtnCancelClick()
{
    done(kModalCancel);
}

void TFormSelectPlayer::reject()
{
    BitBtnCancelClick();
}
