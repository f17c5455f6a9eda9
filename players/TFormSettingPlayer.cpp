#include "players/TFormSettingPlayer.h"

#include "data/SetFileNotice.h"
#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "pictures/UserPictureCopy.h"
#include "platform/FileDialogs.h"
#include "platform/FormWidgets.h"
#include "platform/HostPath.h"
#include "platform/ModalResult.h"
#include "platform/Random.h"
#include "platform/TextCodec.h"
#include "players/Brain.h"
#include "players/Player.h"
#include "players/PlayerChecks.h"
#include "players/PlayerSetFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

// The standard player set delivered with the game, the measuring stick of "強さを測る".
constexpr char kStandardSetFile[] = "Standard.tsp";

// The strategies offered, in the order of the list; the user's strategy is not offered.
constexpr int kOfferedCodes[] = {
    Brain::kCodeNone,          Brain::kCodeRandom,        Brain::kCodeTakeCorners, Brain::kCodeAvoidCorners,
    Brain::kCodeTakeEdges,     Brain::kCodeAvoidEdges,    Brain::kCodeMostFlips,   Brain::kCodeFewestFlips,
    Brain::kCodeKeepOffCorners, Brain::kCodeKeepOffEdges, Brain::kCodeFewestReplies, Brain::kCodeLookAhead,
    Brain::kCodeDeepRead,
};

const QColor kHeadingBackground(224, 224, 224);
// What each face shows during a game, by index.
QString FaceMeaning(int index)
{
    const QString meanings[] = {QCoreApplication::translate("TFormSettingPlayer", "ふつう"), QCoreApplication::translate("TFormSettingPlayer", "優勢"), QCoreApplication::translate("TFormSettingPlayer", "勝ち"),
                                 QCoreApplication::translate("TFormSettingPlayer", "劣勢"), QCoreApplication::translate("TFormSettingPlayer", "負け")};
    return meanings[index];
}
// Shows the player added last after a change of the set's players.
const QColor kPictureBackground(208, 208, 208);

// Characters that would end a value in the set file become their full-width forms.
QString FullWidthSeparators(QString text)
{
    text.replace(QLatin1Char(','), QChar(0xFF0C));
    text.replace(QLatin1Char(';'), QChar(0xFF1B));
    text.replace(QLatin1Char('!'), QChar(0xFF01));
    return text;
}

// A comment is one line of the set file.
QString OneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char(' '));
    text.replace(QChar(QChar::LineSeparator), QLatin1Char(' '));
    return text;
}

// The limit as the set file reads it back: leading blanks, a sign and digits, else 0.
int LimitOf(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        magnitude = magnitude * 10 + (text[i].unicode() - '0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
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

QLabel* MakeHeading(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kHeadingBackground);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

// Rewrites a line edit's text in place, keeping the cursor where the user left it.
void ReplaceTyped(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    const int cursor = edit->cursorPosition();
    const QSignalBlocker blocker(edit);
    edit->setText(text);
    edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

}  // namespace

TFormSettingPlayer::TFormSettingPlayer(QWidget* parent)
    : QDialog(parent)
{
    BuildWindow();
    FormCreate();
}

TFormSettingPlayer::~TFormSettingPlayer() = default;

void TFormSettingPlayer::BuildWindow()
{
    setObjectName(QStringLiteral("FormSettingPlayer"));
    setWindowTitle(tr("テセラ／ユーザ用プレーヤーセット"));
    setFont(QFont(QStringLiteral("IPAGothic"), 9));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    // The editor's own column, then the column explaining phases.
    constexpr int kEditorWidth = 560;
    constexpr int kHelpWidth = 236;
    constexpr int kWidth = kEditorWidth + kHelpWidth;
    constexpr int kGroupWidth = kEditorWidth - 16;
    constexpr int kInner = kGroupWidth - 24;
    constexpr int kGroupHeight = 470;
    constexpr int kHeight = 8 + kGroupHeight + 10 + 30 + 10 + 40;
    setFixedSize(kWidth, kHeight);

    GroupBoxPlayer = new QGroupBox(tr("[プレーヤーを設定して下さい]"), this);
    GroupBoxPlayer->setObjectName(QStringLiteral("GroupBoxPlayer"));
    GroupBoxPlayer->setGeometry(8, 8, kGroupWidth, kGroupHeight);

    RadioButtonCreate = new QRadioButton(tr("追加"), GroupBoxPlayer);
    RadioButtonCreate->setObjectName(QStringLiteral("RadioButtonCreate"));
    RadioButtonCreate->setGeometry(12, 24, 64, 24);
    RadioButtonModify = new QRadioButton(tr("修正"), GroupBoxPlayer);
    RadioButtonModify->setObjectName(QStringLiteral("RadioButtonModify"));
    RadioButtonModify->setGeometry(80, 24, 64, 24);
    RadioButtonModify->setChecked(true);
    BitBtnBackPlayer = FormWidgets::MakeButton(GroupBoxPlayer, "BitBtnBackPlayer", QStringLiteral("<"),
                                               QRect(12 + kInner - 2 * 40 - 4, 22, 40, 26));
    BitBtnNextPlayer = FormWidgets::MakeButton(GroupBoxPlayer, "BitBtnNextPlayer", QStringLiteral(">"),
                                               QRect(12 + kInner - 40, 22, 40, 26));
    // Two lines, so the note fits beside the mode buttons in either language.
    LabelModeNote = FormWidgets::MakeCaption(GroupBoxPlayer, "LabelModeNote", QString(),
                                             QRect(150, 16, kInner - 2 * 40 - 8 - 150, 40));
    LabelModeNote->setWordWrap(true);
    LabelModeNote->setStyleSheet(QStringLiteral("color: #204080;"));

    // The face column: the picture, the scroll bar choosing which face, the browse button, the scaling box.
    constexpr int kFaceTop = 58;
    auto* faceFrame = new QFrame(GroupBoxPlayer);
    faceFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    faceFrame->setGeometry(12, kFaceTop, kFaceSide + 2, kFaceSide + 2);
    ImageFace = new QLabel(faceFrame);
    ImageFace->setObjectName(QStringLiteral("ImageFace"));
    ImageFace->setGeometry(1, 1, kFaceSide, kFaceSide);
    ImageFace->setAlignment(Qt::AlignCenter);
    QPalette picturePalette = ImageFace->palette();
    picturePalette.setColor(QPalette::Window, kPictureBackground);
    ImageFace->setPalette(picturePalette);
    ImageFace->setAutoFillBackground(true);

    ScrollBarFace = new QScrollBar(Qt::Horizontal, GroupBoxPlayer);
    ScrollBarFace->setObjectName(QStringLiteral("ScrollBarFace"));
    ScrollBarFace->setRange(0, kFaces - 1);
    ScrollBarFace->setPageStep(1);
    ScrollBarFace->setGeometry(12, kFaceTop + kFaceSide + 6, kFaceSide + 2, 18);
    ScrollBarFace->setToolTip(tr("表示する顔：1 ふつう・2 優勢・3 勝ち・4 劣勢・5 負け"));
    LabelFaceMeaning = FormWidgets::MakeCaption(GroupBoxPlayer, "LabelFaceMeaning", QString(),
                                                QRect(12, kFaceTop + kFaceSide + 26, kFaceSide + 2, 18),
                                                Qt::AlignCenter);
    BitBtnReferPlayer = FormWidgets::MakeButton(GroupBoxPlayer, "BitBtnReferPlayer", tr("参照"),
                                                QRect(12, kFaceTop + kFaceSide + 48, kFaceSide + 2, 26));
    CheckBoxStretch = new QCheckBox(tr("ｻｲｽﾞを調整する"), GroupBoxPlayer);
    CheckBoxStretch->setObjectName(QStringLiteral("CheckBoxStretch"));
    CheckBoxStretch->setGeometry(12, kFaceTop + kFaceSide + 78, kFaceSide + 40, 22);

    // The texts beside the face.
    constexpr int kCaptionX = 12 + kFaceSide + 2 + 12;
    constexpr int kCaptionWidth = 56;
    constexpr int kTextX = kCaptionX + kCaptionWidth + 6;
    constexpr int kTextWidth = 12 + kInner - kTextX;
    const Qt::Alignment captionAlign = Qt::AlignRight | Qt::AlignVCenter;
    auto* labelName = FormWidgets::MakeCaption(GroupBoxPlayer, nullptr, tr("名前："),
                                               QRect(kCaptionX, kFaceTop, kCaptionWidth, 24), captionAlign);
    EditName = new QLineEdit(GroupBoxPlayer);
    EditName->setObjectName(QStringLiteral("EditName"));
    EditName->setGeometry(kTextX, kFaceTop, kTextWidth, 24);
    labelName->setBuddy(EditName);
    auto* labelAuthor = FormWidgets::MakeCaption(GroupBoxPlayer, nullptr, tr("作者："),
                                                 QRect(kCaptionX, kFaceTop + 30, kCaptionWidth, 24), captionAlign);
    EditAuthor = new QLineEdit(GroupBoxPlayer);
    EditAuthor->setObjectName(QStringLiteral("EditAuthor"));
    EditAuthor->setGeometry(kTextX, kFaceTop + 30, kTextWidth, 24);
    labelAuthor->setBuddy(EditAuthor);
    auto* labelComment = FormWidgets::MakeCaption(GroupBoxPlayer, nullptr, tr("コメント："),
                                                  QRect(kCaptionX, kFaceTop + 60, kCaptionWidth, 24), captionAlign);
    MemoComment = new QPlainTextEdit(GroupBoxPlayer);
    MemoComment->setObjectName(QStringLiteral("MemoComment"));
    MemoComment->setGeometry(kTextX, kFaceTop + 60, kTextWidth, kFaceSide + 82 - 60);
    MemoComment->setTabChangesFocus(true);
    labelComment->setBuddy(MemoComment);
    labelComment->setAlignment(Qt::AlignRight | Qt::AlignTop);
    labelComment->setContentsMargins(0, 4, 0, 0);

    // The phase table: a heading row, then per phase the limit with its up-down and three strategies.
    constexpr int kTableTop = kFaceTop + kFaceSide + 116;
    constexpr int kHeadingHeight = 22;
    constexpr int kRowHeight = 28;
    constexpr int kRowCaptionWidth = 24;
    constexpr int kLimitWidth = 76;
    constexpr int kStrategyX = 12 + kRowCaptionWidth + kLimitWidth + 6;
    constexpr int kStrategyWidth = (12 + kInner - kStrategyX - 2 * 6) / kSlots;
    auto strategyX = [](int slot) { return kStrategyX + slot * (kStrategyWidth + 6); };

    PanelGameCounter = MakeHeading(GroupBoxPlayer, "PanelGameCounter", tr("手数"),
                                   QRect(12 + kRowCaptionWidth, kTableTop, kLimitWidth, kHeadingHeight));
    PanelBrain1 = MakeHeading(GroupBoxPlayer, "PanelBrain1", QStringLiteral("1"),
                              QRect(strategyX(0), kTableTop, kStrategyWidth, kHeadingHeight));
    PanelBrain2 = MakeHeading(GroupBoxPlayer, "PanelBrain2", QStringLiteral("2"),
                              QRect(strategyX(1), kTableTop, kStrategyWidth, kHeadingHeight));
    PanelBrain3 = MakeHeading(GroupBoxPlayer, "PanelBrain3", QStringLiteral("3"),
                              QRect(strategyX(2), kTableTop, kStrategyWidth, kHeadingHeight));

    for (int phase = 0; phase < kPhases; ++phase) {
        const int y = kTableTop + kHeadingHeight + 4 + phase * kRowHeight;
        auto* rowCaption = new QLabel(QString::number(phase + 1), GroupBoxPlayer);
        rowCaption->setGeometry(12, y, kRowCaptionWidth - 6, 24);
        rowCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

        auto* limit = new QLineEdit(GroupBoxPlayer);
        limit->setObjectName(QStringLiteral("EditBrainLimit%1").arg(phase + 1));
        limit->setGeometry(12 + kRowCaptionWidth, y, kLimitWidth - 18, 24);
        limit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        EditBrainLimit[phase] = limit;

        auto* upDown = new QSpinBox(GroupBoxPlayer);
        upDown->setObjectName(QStringLiteral("UpDownBrainLimit%1").arg(phase + 1));
        upDown->setRange(0, kLimitStepMax);
        upDown->setWrapping(false);
        // Only its arrows show: the limit box beside it holds the text.
        upDown->setFocusPolicy(Qt::NoFocus);
        upDown->setGeometry(12 + kRowCaptionWidth + kLimitWidth - 18, y, 18, 24);
        if (auto* inner = upDown->findChild<QLineEdit*>())
            inner->setVisible(false);
        UpDownBrainLimit[phase] = upDown;

        for (int slot = 0; slot < kSlots; ++slot) {
            auto* box = new QComboBox(GroupBoxPlayer);
            static const char* const kSlotNames[kSlots] = {"1st", "2nd", "3rd"};
            box->setObjectName(QStringLiteral("ComboBox%1BrainName%2").arg(QLatin1String(kSlotNames[slot])).arg(phase + 1));
            // A pick list: a typed name that matches no strategy could only be saved as an empty slot.
            box->setEditable(false);
            for (const int code : kOfferedCodes) {
                box->addItem(Player::StrategyUiName(code), code);
                box->setItemData(box->count() - 1, PlayerChecks::StrategyHelp(code), Qt::ToolTipRole);
            }
            box->setMaxVisibleItems(12);
            box->setGeometry(strategyX(slot), y, kStrategyWidth, 24);
            (slot == 0 ? ComboBox1stBrainName : slot == 1 ? ComboBox2ndBrainName : ComboBox3rdBrainName)[phase] = box;
        }
    }

    GroupBoxPhaseHelp = new QGroupBox(tr("[段階と手数]"), this);
    GroupBoxPhaseHelp->setObjectName(QStringLiteral("GroupBoxPhaseHelp"));
    GroupBoxPhaseHelp->setGeometry(kEditorWidth, 8, kHelpWidth - 8, kGroupHeight);
    LabelPhaseHelp = FormWidgets::MakeCaption(GroupBoxPhaseHelp, "LabelPhaseHelp", PlayerChecks::PhaseHelp(),
                                              QRect(10, 22, kHelpWidth - 28, 200), Qt::AlignLeft | Qt::AlignTop);
    LabelPhaseHelp->setWordWrap(true);
    LabelPhaseWarning = FormWidgets::MakeCaption(GroupBoxPhaseHelp, "LabelPhaseWarning", QString(),
                                                 QRect(10, 230, kHelpWidth - 28, 120), Qt::AlignLeft | Qt::AlignTop);
    LabelPhaseWarning->setWordWrap(true);
    LabelPhaseWarning->setStyleSheet(QStringLiteral("color: #a04000;"));

    constexpr int kButtonWidth = 104;
    constexpr int kButtonTop = 8 + kGroupHeight + 10;
    BitBtnDeletePlayer = FormWidgets::MakeButton(this, "BitBtnDeletePlayer", tr("削除"),
                                                 QRect(8, kButtonTop, 60, 30));
    BitBtnDuplicatePlayer = FormWidgets::MakeButton(this, "BitBtnDuplicatePlayer", tr("複製"),
                                                    QRect(72, kButtonTop, 60, 30));
    BitBtnUpPlayer = FormWidgets::MakeButton(this, "BitBtnUpPlayer", tr("上へ"),
                                             QRect(140, kButtonTop, 56, 30));
    BitBtnDownPlayer = FormWidgets::MakeButton(this, "BitBtnDownPlayer", tr("下へ"),
                                               QRect(200, kButtonTop, 56, 30));
    LabelPlayerIndex = FormWidgets::MakePanel(this, "LabelPlayerIndex", QRect(264, kButtonTop + 3, 132, 24));
    BitBtnClose = FormWidgets::MakeButton(this, "BitBtnClose", tr("閉じる"),
                                          QRect(kWidth - 8 - kButtonWidth, kButtonTop, kButtonWidth, 30));
    BitBtnSave = FormWidgets::MakeButton(this, "BitBtnSave", tr("保存"),
                                         QRect(kWidth - 8 - 2 * kButtonWidth - 8, kButtonTop, kButtonWidth, 30));
    BitBtnDefault = FormWidgets::MakeButton(this, "BitBtnDefault", tr("元に戻す"),
                                            QRect(kWidth - 8 - 3 * kButtonWidth - 16, kButtonTop, kButtonWidth, 30));

    constexpr int kMeasureTop = kButtonTop + 40;
    ComboBoxMeasureOpponent = new QComboBox(this);
    ComboBoxMeasureOpponent->setObjectName(QStringLiteral("ComboBoxMeasureOpponent"));
    ComboBoxMeasureOpponent->setGeometry(8, kMeasureTop + 2, 200, 26);
    ComboBoxMeasureOpponent->setToolTip(tr("強さを測る相手 (標準のプレーヤー)"));
    BitBtnMeasure = FormWidgets::MakeButton(this, "BitBtnMeasure", tr("強さを測る"),
                                            QRect(216, kMeasureTop, kButtonWidth, 30));
    BitBtnMeasure->setToolTip(tr("表示中の段階の設定で %1 局対戦します").arg(StrengthTrial::kGames));
    ProgressBarMeasure = new QProgressBar(this);
    ProgressBarMeasure->setObjectName(QStringLiteral("ProgressBarMeasure"));
    ProgressBarMeasure->setGeometry(328, kMeasureTop + 4, 120, 22);
    ProgressBarMeasure->setRange(0, StrengthTrial::kGames);
    ProgressBarMeasure->setValue(0);
    BitBtnMeasureCancel = FormWidgets::MakeButton(this, "BitBtnMeasureCancel", tr("中止"),
                                                  QRect(456, kMeasureTop, 60, 30));
    BitBtnMeasureCancel->setEnabled(false);
    LabelMeasureResult = FormWidgets::MakeCaption(this, "LabelMeasureResult", QString(),
                                                  QRect(524, kMeasureTop + 4, kWidth - 532, 24), Qt::AlignLeft | Qt::AlignVCenter);
    TimerMeasure = new QTimer(this);
    TimerMeasure->setInterval(100);

    // Only the user's actions count as changes; the texts the editor sets itself are set with signals blocked.
    connect(RadioButtonCreate, &QRadioButton::clicked, this, [this] { RadioButtonCreateClick(); });
    connect(RadioButtonModify, &QRadioButton::clicked, this, [this] { RadioButtonModifyClick(); });
    connect(BitBtnNextPlayer, &QPushButton::clicked, this, [this] { BitBtnNextPlayerClick(); });
    connect(BitBtnBackPlayer, &QPushButton::clicked, this, [this] { BitBtnBackPlayerClick(); });
    connect(BitBtnDeletePlayer, &QPushButton::clicked, this, [this] { BitBtnDeletePlayerClick(); });
    connect(BitBtnDuplicatePlayer, &QPushButton::clicked, this, [this] { BitBtnDuplicatePlayerClick(); });
    connect(BitBtnUpPlayer, &QPushButton::clicked, this, [this] { BitBtnUpPlayerClick(); });
    connect(BitBtnDownPlayer, &QPushButton::clicked, this, [this] { BitBtnDownPlayerClick(); });
    connect(ScrollBarFace, &QScrollBar::valueChanged, this, [this] { ScrollBarFaceChange(); });
    connect(BitBtnReferPlayer, &QPushButton::clicked, this, [this] { BitBtnReferPlayerClick(); });
    connect(CheckBoxStretch, &QCheckBox::clicked, this, [this] { CheckBoxStretchClick(); });
    connect(EditName, &QLineEdit::textEdited, this, [this] { EditNameChange(); });
    connect(EditAuthor, &QLineEdit::textEdited, this, [this] { EditAuthorChange(); });
    connect(MemoComment, &QPlainTextEdit::textChanged, this, [this] { MemoCommentChange(); });
    for (int phase = 0; phase < kPhases; ++phase) {
        connect(EditBrainLimit[phase], &QLineEdit::textEdited, this, [this, phase] { EditBrainLimitChange(phase); });
        connect(UpDownBrainLimit[phase], &QSpinBox::valueChanged, this, [this, phase] { UpDownBrainLimitClick(phase); });
        for (int slot = 0; slot < kSlots; ++slot) {
            QComboBox* box = StrategyBox(phase, slot);
            connect(box, &QComboBox::activated, this, [this, phase, slot] { ComboBoxBrainNameChange(phase, slot); });
            connect(box, &QComboBox::currentIndexChanged, this, [this, box] { UpdateStrategyTip(box); });
        }
    }
    connect(BitBtnSave, &QPushButton::clicked, this, [this] { BitBtnSaveClick(); });
    connect(BitBtnDefault, &QPushButton::clicked, this, [this] { BitBtnDefaultClick(); });
    connect(BitBtnClose, &QPushButton::clicked, this, [this] { BitBtnCloseClick(); });
    connect(BitBtnMeasure, &QPushButton::clicked, this, [this] { BitBtnMeasureClick(); });
    connect(BitBtnMeasureCancel, &QPushButton::clicked, this, [this] { BitBtnMeasureCancelClick(); });
    connect(TimerMeasure, &QTimer::timeout, this, [this] { TimerMeasureTimer(); });

    entries_ = std::make_unique<SetEntryButtons>(
        this, SetEntries::Kind::Player,
        SetEntryButtons::Controls{BitBtnDeletePlayer, BitBtnDuplicatePlayer, BitBtnUpPlayer, BitBtnDownPlayer,
                                  LabelPlayerIndex},
        SetEntryButtons::Texts{tr("プレーヤー 新規 / %1"), tr("プレーヤー %1 / %2"), tr("プレーヤー － / %1"),
                               tr("プレーヤーセットファイル「%1」に書き込めませんでした。")},
        SetEntryButtons::Hooks{[this] { return ConfirmLeave(); },
                               [this](int number) {
                                   return tr("プレーヤー %1「%2」を削除しますか？\n後ろのプレーヤーの番号が一つずつ詰まります。")
                                       .arg(number + 1)
                                       .arg(EditName->text());
                               },
                               [this](int number) {
                                   playerCount_ = PlayerSetFile::CountPlayers(setFile_);
                                   browseIndex_ = std::clamp(number, 0, std::max(0, playerCount_ - 1));
                                   ShowPlayer(setFile_, PlayerSetFile::PlayerSection(browseIndex_));
                               }});
}

void TFormSettingPlayer::FillMeasureOpponents()
{
    const QSignalBlocker blocker(ComboBoxMeasureOpponent);
    const int chosen = ComboBoxMeasureOpponent->currentIndex();
    ComboBoxMeasureOpponent->clear();
    EnterProgramDir();
    const WindowsIni ini(HostPath::ToHost(kStandardSetFile));
    const int count = PlayerSetFile::CountPlayers(kStandardSetFile);
    for (int i = 0; i < count; ++i) {
        const std::string* name = ini.FindValue(PlayerSetFile::PlayerSection(i), "Name", 0);
        ComboBoxMeasureOpponent->addItem(TextCodec::ToUi(name != nullptr ? *name : std::string()));
    }
    // The strongest standard player comes last.
    ComboBoxMeasureOpponent->setCurrentIndex(chosen >= 0 && chosen < count ? chosen : count - 1);
}

StrengthTrial::Profile TFormSettingPlayer::ShownProfile() const
{
    StrengthTrial::Profile profile;
    for (int phase = 0; phase < kPhases; ++phase) {
        profile.limits[phase] = EditBrainLimit[phase]->text().toInt();
        for (int slot = 0; slot < kSlots; ++slot) {
            std::string name;
            TextCodec::FromUi(StrategyBox(phase, slot)->currentText(), &name);
            profile.codes[phase][slot] = Player::StrategyCodeOfName(name);
        }
    }
    return profile;
}

void TFormSettingPlayer::BitBtnMeasureClick()
{
    const int opponent = ComboBoxMeasureOpponent->currentIndex();
    if (opponent < 0) {
        Tell(tr("標準のプレーヤーが見つかりません"));
        return;
    }
    EnterProgramDir();
    Player rival(nullptr, nullptr, 0);
    rival.Load(kStandardSetFile, PlayerSetFile::PlayerSection(opponent));
    measuredOpponent_ = ComboBoxMeasureOpponent->currentText();
    trial_.Start(ShownProfile(), StrengthTrial::ProfileOf(rival), static_cast<std::uint32_t>(Random::Next()));
    ProgressBarMeasure->setValue(0);
    LabelMeasureResult->setText(tr("対局中…"));
    BitBtnMeasure->setEnabled(false);
    BitBtnMeasureCancel->setEnabled(true);
    TimerMeasure->start();
}

void TFormSettingPlayer::BitBtnMeasureCancelClick()
{
    trial_.Cancel();
    TimerMeasure->stop();
    LabelMeasureResult->setText(tr("中止しました"));
    BitBtnMeasure->setEnabled(true);
    BitBtnMeasureCancel->setEnabled(false);
}

void TFormSettingPlayer::TimerMeasureTimer()
{
    ProgressBarMeasure->setValue(trial_.Played());
    if (!trial_.Finished())
        return;
    trial_.Cancel();
    TimerMeasure->stop();
    LabelMeasureResult->setText(tr("%1勝 %2敗 %3分 (対 %4)")
                                    .arg(trial_.Wins())
                                    .arg(trial_.Losses())
                                    .arg(trial_.Draws())
                                    .arg(measuredOpponent_));
    BitBtnMeasure->setEnabled(true);
    BitBtnMeasureCancel->setEnabled(false);
}

void TFormSettingPlayer::SelectStrategy(QComboBox* box, int code)
{
    const QSignalBlocker blocker(box);
    // A strategy the list does not offer (the user's, read from a file) shows as an extra item and is kept.
    while (box->count() > static_cast<int>(std::size(kOfferedCodes)))
        box->removeItem(box->count() - 1);
    int index = box->findData(code);
    if (index < 0) {
        box->addItem(Player::StrategyUiName(code), code);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
    UpdateStrategyTip(box);
}

void TFormSettingPlayer::UpdateStrategyTip(QComboBox* box)
{
    const QVariant code = box->currentData();
    box->setToolTip(code.isValid() ? PlayerChecks::StrategyHelp(code.toInt()) : QString());
}

void TFormSettingPlayer::UpdatePhaseWarning()
{
    std::array<int, kPhases> limits{};
    std::array<int, kPhases> firstCodes{};
    for (int phase = 0; phase < kPhases; ++phase) {
        limits[phase] = LimitOf(EditBrainLimit[phase]->text());
        const QVariant code = ComboBox1stBrainName[phase]->currentData();
        firstCodes[phase] = code.isValid() ? code.toInt() : Brain::kCodeNone;
    }
    LabelPhaseWarning->setText(PlayerChecks::PhaseWarning(limits, firstCodes));
}

QComboBox* TFormSettingPlayer::StrategyBox(int phase, int slot) const
{
    if (slot == 0)
        return ComboBox1stBrainName[phase];
    if (slot == 1)
        return ComboBox2ndBrainName[phase];
    return ComboBox3rdBrainName[phase];
}

void TFormSettingPlayer::SetPlayerSet(std::string name, std::string file, QString programDir)
{
    setName_ = std::move(name);
    setFile_ = std::move(file);
    programDir_ = std::move(programDir);
}

void TFormSettingPlayer::SetAskSave(std::function<int()> askSave)
{
    askSave_ = std::move(askSave);
}

void TFormSettingPlayer::SetOnRenumbered(std::function<QString(const SetEntries::Renumbering&)> onRenumbered)
{
    entries_->SetOnRenumbered(std::move(onRenumbered));
}

void TFormSettingPlayer::EnterProgramDir() const
{
    if (!programDir_.isEmpty())
        QDir::setCurrent(programDir_);
}

void TFormSettingPlayer::Tell(const QString& message)
{
    SetEntryButtons::Tell(this, message);
}

void TFormSettingPlayer::FormCreate()
{
    player_ = std::make_unique<Player>(nullptr, nullptr, 0);
    browseIndex_ = 0;
    ClearForm();
}

void TFormSettingPlayer::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
    FillMeasureOpponents();
}

void TFormSettingPlayer::hideEvent(QHideEvent* event)
{
    // Closing the editor ends a measurement nobody can see any more.
    if (trial_.Running())
        BitBtnMeasureCancelClick();
    QDialog::hideEvent(event);
}

void TFormSettingPlayer::FormShow()
{
    EnterProgramDir();
    setWindowTitle(tr("テセラ／ユーザ用プレーヤーセット － %1").arg(TextCodec::ToUi(setName_)));
    LabelModeNote->clear();
    RadioButtonModify->setChecked(true);
    createMode_ = false;
    BitBtnNextPlayer->setEnabled(true);
    BitBtnBackPlayer->setEnabled(true);
    section_ = PlayerSetFile::PlayerSection(0);
    playerCount_ = PlayerSetFile::CountPlayers(setFile_);
    ShowPlayer(setFile_, section_);
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
    UpdateEntryControls();
    openNotice_ = SetFileNotice::OnOpen(setFile_);
    // Told once the window stands, not from inside its showing.
    if (!openNotice_.isEmpty())
        QTimer::singleShot(0, this, [this, notice = openNotice_] { Tell(notice); });
}

void TFormSettingPlayer::ClearForm()
{
    for (std::string& face : faceFiles_)
        face.clear();
    for (int phase = 0; phase < kPhases; ++phase) {
        {
            const QSignalBlocker blockEdit(EditBrainLimit[phase]);
            EditBrainLimit[phase]->setText(QStringLiteral("0"));
            const QSignalBlocker blockUpDown(UpDownBrainLimit[phase]);
            UpDownBrainLimit[phase]->setValue(0);
        }
        for (int slot = 0; slot < kSlots; ++slot)
            SelectStrategy(StrategyBox(phase, slot), Brain::kCodeNone);
    }
    // The scroll bar keeps the face the user was looking at; that face is now empty.
    ImageFace->clear();
    {
        const QSignalBlocker blockName(EditName);
        EditName->clear();
        const QSignalBlocker blockAuthor(EditAuthor);
        EditAuthor->clear();
        const QSignalBlocker blockComment(MemoComment);
        MemoComment->clear();
    }
    CheckBoxStretch->setChecked(false);
    CheckBoxStretchClick();
    UpdatePhaseWarning();
}

void TFormSettingPlayer::ShowPlayer(const std::string& file, const std::string& section)
{
    EnterProgramDir();
    {
        const WindowsIni ini(HostPath::ToHost(file));
        for (int i = 0; i < kFaces; ++i) {
            char key[16];
            std::snprintf(key, sizeof key, "Face_%02d", i);
            faceFiles_[i] = ini.GetString(section, key, 0, std::string());
        }
    }
    player_->Load(file, section);

    {
        const QSignalBlocker blockName(EditName);
        EditName->setText(TextCodec::ToUi(player_->Name()));
        const QSignalBlocker blockAuthor(EditAuthor);
        EditAuthor->setText(TextCodec::ToUi(player_->Author()));
        const QSignalBlocker blockComment(MemoComment);
        MemoComment->setPlainText(TextCodec::ToUi(player_->Comment()));
    }
    CheckBoxStretch->setChecked(player_->Stretch() == 1);
    {
        // The preview shows the face the browse button replaces.
        const QSignalBlocker blockScroll(ScrollBarFace);
        ScrollBarFace->setValue(0);
    }
    ShowFace(0);

    for (int phase = 0; phase < kPhases; ++phase) {
        const int limit = player_->Limit(phase);
        {
            const QSignalBlocker blockEdit(EditBrainLimit[phase]);
            EditBrainLimit[phase]->setText(QString::number(limit));
            const QSignalBlocker blockUpDown(UpDownBrainLimit[phase]);
            UpDownBrainLimit[phase]->setValue(limit);
        }
        for (int slot = 0; slot < kSlots; ++slot)
            SelectStrategy(StrategyBox(phase, slot), player_->Code(phase, slot));
    }
    section_ = section;
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
    UpdatePhaseWarning();
    UpdateEntryControls();
}

void TFormSettingPlayer::ShowFace(int index)
{
    LabelFaceMeaning->setText(tr("顔 %1：%2").arg(index + 1).arg(FaceMeaning(index)));
    const std::string& stored = faceFiles_.at(index);
    const QImage face = stored.empty() ? QImage() : PictureLoader::LoadStored(stored, QDir::currentPath());
    if (face.isNull()) {
        ImageFace->clear();
        return;
    }
    if (CheckBoxStretch->isChecked()) {
        ImageFace->setPixmap(
            QPixmap::fromImage(face.scaled(kFaceSide, kFaceSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        return;
    }
    // Unscaled, the middle of a larger picture shows.
    const int width = std::min(face.width(), kFaceSide);
    const int height = std::min(face.height(), kFaceSide);
    ImageFace->setPixmap(
        QPixmap::fromImage(face.copy((face.width() - width) / 2, (face.height() - height) / 2, width, height)));
}

void TFormSettingPlayer::UpdateSaveState()
{
    BitBtnSave->setEnabled(false);
    for (const std::string& face : faceFiles_) {
        if (face.empty())
            return;
    }
    BitBtnSave->setEnabled(true);
    BitBtnDefault->setEnabled(true);
}

bool TFormSettingPlayer::ConfirmLeave()
{
    if (!BitBtnSave->isEnabled())
        return true;
    const int answer = askSave_ ? askSave_() : FormWidgets::AskSave(this);
    if (answer == kModalNo)
        return true;
    // A save that failed keeps the form with the changes.
    return answer == kModalYes && Save() == 0;
}

void TFormSettingPlayer::BitBtnNextPlayerClick()
{
    if (!ConfirmLeave())
        return;
    browseIndex_ = Wrapped(browseIndex_ + 1, playerCount_);
    ShowPlayer(setFile_, PlayerSetFile::PlayerSection(browseIndex_));
}

void TFormSettingPlayer::BitBtnBackPlayerClick()
{
    if (!ConfirmLeave())
        return;
    browseIndex_ = Wrapped(browseIndex_ - 1, playerCount_);
    ShowPlayer(setFile_, PlayerSetFile::PlayerSection(browseIndex_));
}

void TFormSettingPlayer::RadioButtonCreateClick()
{
    // A click on the mode already chosen changes nothing.
    if (createMode_)
        return;
    if (!ConfirmLeave()) {
        const QSignalBlocker blocker(RadioButtonModify);
        RadioButtonModify->setChecked(true);
        return;
    }
    createMode_ = true;
    ClearForm();
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
    BitBtnNextPlayer->setEnabled(false);
    BitBtnBackPlayer->setEnabled(false);
    LabelModeNote->setText(tr("保存すると最後に追加し、そのプレーヤーの修正に移ります"));
    UpdateEntryControls();
}

void TFormSettingPlayer::RadioButtonModifyClick()
{
    if (!createMode_)
        return;
    if (!ConfirmLeave()) {
        const QSignalBlocker blocker(RadioButtonCreate);
        RadioButtonCreate->setChecked(true);
        return;
    }
    createMode_ = false;
    LabelModeNote->clear();
    ShowPlayer(setFile_, section_);
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
    BitBtnNextPlayer->setEnabled(true);
    BitBtnBackPlayer->setEnabled(true);
}

void TFormSettingPlayer::ScrollBarFaceChange()
{
    ShowFace(ScrollBarFace->value());
}

void TFormSettingPlayer::BitBtnReferPlayerClick()
{
    EnterProgramDir();
    const int index = ScrollBarFace->value();
    QString chosen = FileDialogs::OpenPicture(this, tr("プレーヤーの絵を開く"));
    EnterProgramDir();
    if (!chosen.isEmpty() && UserPictureCopy::IsOutside(chosen)
        && SetEntryButtons::AskYesNo(this, tr("選んだ絵はプログラムのフォルダの外にあります。\n"
                                   "「%1」にコピーして使いますか？\n"
                                   "コピーすると、フォルダを移したり人に渡したりしても絵が見つかります。")
                        .arg(TextCodec::ToUi(UserPictureCopy::FolderFor(setName_))))) {
        std::string copied;
        QString reason;
        if (UserPictureCopy::Copy(setName_, chosen, &copied, &reason) == 0)
            chosen = QDir::current().absoluteFilePath(QString::fromStdString(HostPath::Plain(copied)));
        else
            Tell(tr("絵をコピーできませんでした（%1）。元の場所のまま使います。").arg(reason));
    }
    if (!chosen.isEmpty()) {
        std::string stored;
        if (!HostPath::ToStored(chosen.toStdString(), &stored)) {
            Tell(tr("ファイル名「%1」は保存できない文字を含むため使えません。").arg(chosen));
        } else if (stored.find_first_of(",;!") != std::string::npos) {
            Tell(tr("ファイル名「%1」は , ; ! を含むため使えません。").arg(chosen));
        } else if (stored.size() > kFaceFileBytes) {
            Tell(tr("ファイル名「%1」は長すぎるため使えません。").arg(chosen));
        } else {
            faceFiles_[index] = stored;
            QString reason;
            if (PictureLoader::LoadStored(stored, QDir::currentPath(), &reason).isNull())
                Tell(tr("絵「%1」を読み込めませんでした（%2）。ファイル名はそのまま使います。")
                         .arg(chosen, reason));
            ShowFace(index);
        }
    }
    UpdateSaveState();
}

void TFormSettingPlayer::CheckBoxStretchClick()
{
    ShowFace(ScrollBarFace->value());
    UpdateSaveState();
}

void TFormSettingPlayer::UpDownBrainLimitClick(int phase)
{
    {
        const QSignalBlocker blocker(EditBrainLimit[phase]);
        EditBrainLimit[phase]->setText(QString::number(UpDownBrainLimit[phase]->value()));
    }
    EditBrainLimitChange(phase);
}

void TFormSettingPlayer::EditNameChange()
{
    ReplaceTyped(EditName, FullWidthSeparators(EditName->text()));
    UpdateSaveState();
}

void TFormSettingPlayer::EditAuthorChange()
{
    ReplaceTyped(EditAuthor, FullWidthSeparators(EditAuthor->text()));
    UpdateSaveState();
}

void TFormSettingPlayer::MemoCommentChange()
{
    const QString typed = MemoComment->toPlainText();
    const QString stored = OneLine(FullWidthSeparators(typed));
    if (stored != typed) {
        const int cursor = MemoComment->textCursor().position();
        const QSignalBlocker blocker(MemoComment);
        MemoComment->setPlainText(stored);
        QTextCursor moved = MemoComment->textCursor();
        moved.setPosition(std::min(cursor, static_cast<int>(stored.size())));
        MemoComment->setTextCursor(moved);
    }
    UpdateSaveState();
}

void TFormSettingPlayer::EditBrainLimitChange(int phase)
{
    {
        // The up-down steps on from the number the box reads as.
        const QSignalBlocker blocker(UpDownBrainLimit[phase]);
        UpDownBrainLimit[phase]->setValue(std::clamp(LimitOf(EditBrainLimit[phase]->text()), 0, kLimitStepMax));
    }
    UpdateSaveState();
    UpdatePhaseWarning();
}

void TFormSettingPlayer::ComboBoxBrainNameChange(int, int)
{
    UpdateSaveState();
    UpdatePhaseWarning();
}

int TFormSettingPlayer::Save()
{
    PlayerRecordText record;
    const struct {
        QString text;
        std::string* field;
        QString caption;
    } texts[] = {
        {EditName->text(), &record.name, tr("名前")},
        {EditAuthor->text(), &record.author, tr("作者")},
        {OneLine(MemoComment->toPlainText()), &record.comment, tr("コメント")},
    };
    for (const auto& text : texts) {
        const QString typed = FullWidthSeparators(text.text);
        if (!TextCodec::FromUi(typed, text.field)) {
            Tell(tr("%1に Shift-JIS で保存できない文字があります。その文字を直してから保存して下さい。")
                     .arg(text.caption));
            return -1;
        }
        if (text.field->size() > PlayerSetFile::kWrittenText) {
            Tell(tr("%1が長すぎます（%2 バイトまで）。短くしてから保存して下さい。")
                     .arg(text.caption)
                     .arg(PlayerSetFile::kWrittenText));
            return -1;
        }
    }
    record.stretch = CheckBoxStretch->isChecked();
    record.faces = faceFiles_;
    for (int phase = 0; phase < kPhases; ++phase) {
        record.limits[phase] = std::to_string(LimitOf(EditBrainLimit[phase]->text()));
        for (int slot = 0; slot < kSlots; ++slot) {
            const QVariant code = StrategyBox(phase, slot)->currentData();
            record.codes[phase][slot] = code.isValid() ? code.toInt() : Brain::kCodeNone;
        }
    }

    EnterProgramDir();
    const QString loss = SetFileNotice::BeforeSave(setFile_);
    if (!loss.isEmpty() && !SetFileNotice::AskSaveAnyway(this, loss))
        return -1;
    const std::string section =
        createMode_ ? PlayerSetFile::PlayerSection(PlayerSetFile::CountPlayers(setFile_)) : section_;
    if (PlayerSetFile::WriteSection(setFile_, section, record) != 0) {
        Tell(tr("プレーヤーセットファイル「%1」に書き込めませんでした。")
                 .arg(QDir::current().absoluteFilePath(QString::fromStdString(HostPath::Plain(setFile_)))));
        return -1;
    }
    section_ = section;
    if (createMode_) {
        playerCount_ = PlayerSetFile::CountPlayers(setFile_);
        // A second save changes the player just added instead of adding another.
        createMode_ = false;
        {
            const QSignalBlocker blockCreate(RadioButtonCreate);
            const QSignalBlocker blockModify(RadioButtonModify);
            RadioButtonModify->setChecked(true);
        }
        BitBtnNextPlayer->setEnabled(true);
        BitBtnBackPlayer->setEnabled(true);
        browseIndex_ = std::max(0, SetEntries::NumberOf(SetEntries::Kind::Player, section_));
        LabelModeNote->setText(tr("プレーヤー %1 として追加しました。ここからは修正です").arg(browseIndex_ + 1));
    }
    UpdateEntryControls();
    return 0;
}

void TFormSettingPlayer::UpdateEntryControls()
{
    entries_->Update(section_, createMode_, playerCount_);
}

void TFormSettingPlayer::RunEntryAction(SetEntryButtons::Action action)
{
    EnterProgramDir();
    entries_->Run(action, setFile_, section_);
}

void TFormSettingPlayer::BitBtnDeletePlayerClick()
{
    RunEntryAction(SetEntryButtons::Action::Delete);
}

void TFormSettingPlayer::BitBtnDuplicatePlayerClick()
{
    RunEntryAction(SetEntryButtons::Action::Duplicate);
}

void TFormSettingPlayer::BitBtnUpPlayerClick()
{
    RunEntryAction(SetEntryButtons::Action::Up);
}

void TFormSettingPlayer::BitBtnDownPlayerClick()
{
    RunEntryAction(SetEntryButtons::Action::Down);
}

void TFormSettingPlayer::BitBtnSaveClick()
{
    if (Save() != 0)
        return;
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
}

void TFormSettingPlayer::BitBtnDefaultClick()
{
    if (createMode_)
        ClearForm();
    else
        ShowPlayer(setFile_, section_);
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
}

void TFormSettingPlayer::BitBtnCloseClick()
{
    if (!ConfirmLeave())
        return;
    done(kModalCancel);
}

void TFormSettingPlayer::reject()
{
    BitBtnCloseClick();
}
