#include "data/TFormSettingBoard.h"

#include "data/BoardChecks.h"
#include "data/BoardPreview.h"
#include "data/BoardStyle.h"
#include "data/SetFileNotice.h"
#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "pictures/UserPictureCopy.h"
#include "pictures/Transparency.h"
#include "platform/FileDialogs.h"
#include "platform/ModalResult.h"
#include "platform/FormWidgets.h"
#include "platform/HostPath.h"
#include "platform/TextCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr int kSlots = BoardStyle::kMaxKinds * BoardStyle::kMaxFrames;
constexpr std::size_t kPathBytes = BoardStyle::kFieldBytes;
// Texts are written one byte short of the 256-byte field they are read into.
constexpr std::size_t kTextBytes = 255;
constexpr int kNewBoardTimer = 55;
constexpr int kMaxTimerChars = 256;
constexpr int kUpDownMax = 999;
// Shows the board added last after a change of the set's boards.

const QColor kPictureBackground(208, 208, 208);

// Translated on first use, after the language is chosen.
const std::array<QString, 3>& TypeNames()
{
    static const std::array<QString, 3> names{QCoreApplication::translate("TFormSettingBoard", "ノーマルタイプ"), QCoreApplication::translate("TFormSettingBoard", "ランダムタイプ"),
                              QCoreApplication::translate("TFormSettingBoard", "ピクチャータイプ")};
    return names;
}
const char* const kTypeKeys[] = {"Normal", "Random", "Picture"};

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromLatin1(name));
    check->setGeometry(geometry);
    return check;
}

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(geometry);
    bar->setRange(0, TFormSettingBoard::kEditableSlots - 1);
    bar->setPageStep(1);
    return bar;
}

// Stretched fills the box; otherwise the picture keeps its size, centred and cut by the box.
void ShowBox(QLabel* label, const QImage& picture, bool stretched, bool transparent)
{
    if (picture.isNull()) {
        label->clear();
        return;
    }
    const QImage image = transparent ? TransparentCopy(picture) : picture;
    const QSize box = label->size();
    if (stretched && image.size() != box)
        label->setPixmap(QPixmap::fromImage(image.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    else
        label->setPixmap(QPixmap::fromImage(image));
}

// A piece larger than its box is shrunk to fit, keeping its shape.
void ShowPiece(QLabel* label, const QImage& picture, bool transparent)
{
    if (picture.isNull()) {
        label->clear();
        return;
    }
    const QImage image = transparent ? TransparentCopy(picture) : picture;
    const QSize box = label->size();
    if (image.width() > box.width() || image.height() > box.height())
        label->setPixmap(QPixmap::fromImage(image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    else
        label->setPixmap(QPixmap::fromImage(image));
}

std::string BoardSection(int number)
{
    char name[24];
    std::snprintf(name, sizeof name, "Board_%03d", number);
    return name;
}

std::string KindKey(int side, int kind)
{
    char name[16];
    std::snprintf(name, sizeof name, side == 1 ? "1stFloat_%02d" : "2ndFloat_%02d", kind);
    return name;
}

// The INI syntax would split or cut a stored text at these, so they become their full-width forms.
QString FullWidth(QString text, bool joinLines)
{
    for (QChar& c : text) {
        if (c == u',')
            c = QChar(0xFF0C);
        else if (c == u';')
            c = QChar(0xFF1B);
        else if (c == u'!')
            c = QChar(0xFF01);
        else if (joinLines && (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator
                               || c == QChar::LineSeparator))
            c = u' ';
    }
    return text;
}

bool HoldsIniSeparator(const std::string& text)
{
    return text.find_first_of(",;!") != std::string::npos;
}

// Next wraps to the first board at or past the end, also from an index a larger set left behind.
int WrappedNext(int index, int count)
{
    if (count <= 0 || index < 0 || index >= count)
        return 0;
    return index;
}

QImage LoadPreview(const std::string& stored)
{
    if (stored.empty())
        return {};
    return PictureLoader::LoadStored(stored);
}

}  // namespace

TFormSettingBoard::TFormSettingBoard(QWidget* parent)
    : QDialog(parent), style_(std::make_unique<BoardStyle>())
{
    BuildWindow();
    FormCreate();
}

TFormSettingBoard::~TFormSettingBoard() = default;

QGroupBox* TFormSettingBoard::BuildSide(int side, const QRect& geometry)
{
    const bool first = side == 1;
    auto* group = new QGroupBox(first ? tr("[先手コマ]") : tr("[後手コマ]"), this);
    group->setObjectName(first ? QStringLiteral("GroupBox1stFloat") : QStringLiteral("GroupBox2ndFloat"));
    group->setGeometry(geometry);
    const int width = geometry.width();

    QLabel* image = FormWidgets::MakePicture(group, first ? "Image1stFloat" : "Image2ndFloat",
                                             QRect(13, 25, kPieceSide, kPieceSide), kPictureBackground);
    QLabel* kindCaption = FormWidgets::MakeCaption(group, first ? "Label1stFloatKind" : "Label2ndFloatKind",
                                                   tr("種類"), QRect(64, 22, 34, 20));
    QLabel* kindNum = FormWidgets::MakePanel(group, first ? "Label1stFloatKindNum" : "Label2ndFloatKindNum",
                                             QRect(100, 22, 32, 20));
    QScrollBar* kind = MakeScrollBar(group, first ? "ScrollBar1stFloatKind" : "ScrollBar2ndFloatKind",
                                     QRect(138, 24, width - 150, 16));
    QLabel* animationCaption = FormWidgets::MakeCaption(group,
                                                        first ? "Label1stFloatAnimation" : "Label2ndFloatAnimation",
                                                        tr("変化"), QRect(64, 46, 34, 20));
    QLabel* animationNum = FormWidgets::MakePanel(group,
                                                  first ? "Label1stFloatAnimationNum" : "Label2ndFloatAnimationNum",
                                                  QRect(100, 46, 32, 20));
    QScrollBar* animation =
        MakeScrollBar(group, first ? "ScrollBar1stFloatAnimation" : "ScrollBar2ndFloatAnimation",
                      QRect(138, 48, width - 150, 16));

    const int buttonWidth = (width - 24 - 8) / 3;
    QPushButton* refer = FormWidgets::MakeButton(group, first ? "BitBtnRefer1stFloat" : "BitBtnRefer2ndFloat",
                                                 tr("参照（コマ）"), QRect(12, 74, buttonWidth + 20, 26));
    QPushButton* test = FormWidgets::MakeButton(group, first ? "BitBtnTest1stFloat" : "BitBtnTest2ndFloat",
                                                tr("ﾃｽﾄ"),
                                                QRect(12 + buttonWidth + 24, 74, buttonWidth - 10, 26));
    QPushButton* clear = FormWidgets::MakeButton(group, first ? "BitBtnClear1stFloat" : "BitBtnClear2ndFloat",
                                                 tr("消去"),
                                                 QRect(12 + 2 * buttonWidth + 18, 74,
                                                       width - 12 - (12 + 2 * buttonWidth + 18), 26));
    QCheckBox* transparent = MakeCheck(group, first ? "CheckBoxTransparent1stFloat" : "CheckBoxTransparent2ndFloat",
                                       tr("コマを透過にする"), QRect(12, 104, width - 24, 20));

    if (first) {
        GroupBox1stFloat = group;
        Image1stFloat = image;
        Label1stFloatKind = kindCaption;
        Label1stFloatKindNum = kindNum;
        ScrollBar1stFloatKind = kind;
        Label1stFloatAnimation = animationCaption;
        Label1stFloatAnimationNum = animationNum;
        ScrollBar1stFloatAnimation = animation;
        BitBtnRefer1stFloat = refer;
        BitBtnTest1stFloat = test;
        BitBtnClear1stFloat = clear;
        CheckBoxTransparent1stFloat = transparent;
        connect(kind, &QScrollBar::actionTriggered, this, [this] { ScrollBar1stFloatKindScroll(); });
        connect(animation, &QScrollBar::actionTriggered, this, [this] { ScrollBar1stFloatAnimationScroll(); });
        connect(refer, &QPushButton::clicked, this, [this] { BitBtnRefer1stFloatClick(); });
        connect(test, &QPushButton::clicked, this, [this] { BitBtnTest1stFloatClick(); });
        connect(clear, &QPushButton::clicked, this, [this] { BitBtnClear1stFloatClick(); });
        connect(transparent, &QCheckBox::clicked, this, [this] { CheckBoxTransparent1stFloatClick(); });
    } else {
        GroupBox2ndFloat = group;
        Image2ndFloat = image;
        Label2ndFloatKind = kindCaption;
        Label2ndFloatKindNum = kindNum;
        ScrollBar2ndFloatKind = kind;
        Label2ndFloatAnimation = animationCaption;
        Label2ndFloatAnimationNum = animationNum;
        ScrollBar2ndFloatAnimation = animation;
        BitBtnRefer2ndFloat = refer;
        BitBtnTest2ndFloat = test;
        BitBtnClear2ndFloat = clear;
        CheckBoxTransparent2ndFloat = transparent;
        connect(kind, &QScrollBar::actionTriggered, this, [this] { ScrollBar2ndFloatKindScroll(); });
        connect(animation, &QScrollBar::actionTriggered, this, [this] { ScrollBar2ndFloatAnimationScroll(); });
        connect(refer, &QPushButton::clicked, this, [this] { BitBtnRefer2ndFloatClick(); });
        connect(test, &QPushButton::clicked, this, [this] { BitBtnTest2ndFloatClick(); });
        connect(clear, &QPushButton::clicked, this, [this] { BitBtnClear2ndFloatClick(); });
        connect(transparent, &QCheckBox::clicked, this, [this] { CheckBoxTransparent2ndFloatClick(); });
    }
    return group;
}

void TFormSettingBoard::BuildWindow()
{
    setObjectName(QStringLiteral("FormSettingBoard"));
    setWindowTitle(tr("テセラ／ユーザ用ボードセット設定"));
    setFont(QFont(QStringLiteral("IPAGothic"), 9));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    // The editor's own columns, then the preview column.
    constexpr int kEditorWidth = 672;
    constexpr int kPreviewColumn = 300;
    constexpr int kWidth = kEditorWidth + kPreviewColumn + 8;
    constexpr int kHeight = 402;
    setFixedSize(kWidth, kHeight);

    // Left: the board group with the preview, the browse row and the board's own settings.
    constexpr int kBoardGroupWidth = 420;
    constexpr int kGroupHeight = 348;
    GroupBoxBoard = new QGroupBox(tr("[ボードを設定して下さい]"), this);
    GroupBoxBoard->setObjectName(QStringLiteral("GroupBoxBoard"));
    GroupBoxBoard->setGeometry(8, 8, kBoardGroupWidth, kGroupHeight);

    constexpr int kLeft = 12;
    constexpr int kPreviewTop = 72;
    RadioButtonCreate = new QRadioButton(tr("追加"), GroupBoxBoard);
    RadioButtonCreate->setObjectName(QStringLiteral("RadioButtonCreate"));
    RadioButtonCreate->setGeometry(kLeft, 24, 56, 22);
    RadioButtonModify = new QRadioButton(tr("修正"), GroupBoxBoard);
    RadioButtonModify->setObjectName(QStringLiteral("RadioButtonModify"));
    RadioButtonModify->setGeometry(kLeft + 60, 24, 56, 22);
    RadioButtonModify->setChecked(true);
    BitBtnBackBoard = FormWidgets::MakeButton(GroupBoxBoard, "BitBtnBackBoard", QStringLiteral("<"),
                                              QRect(kLeft + kPreviewSide + 2 - 66, 22, 32, 26));
    BitBtnNextBoard = FormWidgets::MakeButton(GroupBoxBoard, "BitBtnNextBoard", QStringLiteral(">"),
                                              QRect(kLeft + kPreviewSide + 2 - 32, 22, 32, 26));

    LabelModeNote = FormWidgets::MakeCaption(GroupBoxBoard, "LabelModeNote", QString(),
                                             QRect(kLeft, 50, kPreviewSide + 2, 18));
    LabelModeNote->setStyleSheet(QStringLiteral("color: #204080;"));
    ImageBoard = FormWidgets::MakePicture(GroupBoxBoard, "ImageBoard",
                                          QRect(kLeft + 1, kPreviewTop + 1, kPreviewSide, kPreviewSide),
                                          kPictureBackground);
    ImageBorder = new QLabel(ImageBoard->parentWidget());
    ImageBorder->setObjectName(QStringLiteral("ImageBorder"));
    ImageBorder->setGeometry(ImageBoard->geometry());
    ImageBorder->setAlignment(Qt::AlignCenter);
    ImageBorder->setAttribute(Qt::WA_TranslucentBackground);
    ImageBorder->raise();

    constexpr int kReferTop = kPreviewTop + kPreviewSide + 8;
    constexpr int kReferWidth = (kPreviewSide + 2 - 6) / 2;
    BitBtnReferBoard = FormWidgets::MakeButton(GroupBoxBoard, "BitBtnReferBoard", tr("参照（ボード）"),
                                               QRect(kLeft, kReferTop, kReferWidth, 26));
    BitBtnReferBorder = FormWidgets::MakeButton(GroupBoxBoard, "BitBtnReferBorder", tr("参照（境界線）"),
                                                QRect(kLeft + kReferWidth + 6, kReferTop, kReferWidth, 26));
    CheckBoxStretch = MakeCheck(GroupBoxBoard, "CheckBoxStretch", tr("サイズを調整する"),
                                QRect(kLeft, kReferTop + 32, kPreviewSide, 22));

    constexpr int kFieldX = kLeft + kPreviewSide + 2 + 14;
    constexpr int kFieldWidth = kBoardGroupWidth - 12 - kFieldX;
    LabelTitle = FormWidgets::MakeCaption(GroupBoxBoard, "LabelTitle", tr("タイトル"),
                                          QRect(kFieldX, 22, kFieldWidth, 18));
    EditTitle = new QLineEdit(GroupBoxBoard);
    EditTitle->setObjectName(QStringLiteral("EditTitle"));
    EditTitle->setGeometry(kFieldX, 40, kFieldWidth, 24);
    LabelAuthor = FormWidgets::MakeCaption(GroupBoxBoard, "LabelAuthor", tr("作者"),
                                           QRect(kFieldX, 70, kFieldWidth, 18));
    EditAuthor = new QLineEdit(GroupBoxBoard);
    EditAuthor->setObjectName(QStringLiteral("EditAuthor"));
    EditAuthor->setGeometry(kFieldX, 88, kFieldWidth, 24);
    LabelComment = FormWidgets::MakeCaption(GroupBoxBoard, "LabelComment", tr("コメント"),
                                            QRect(kFieldX, 118, kFieldWidth, 18));
    MemoComment = new QPlainTextEdit(GroupBoxBoard);
    MemoComment->setObjectName(QStringLiteral("MemoComment"));
    MemoComment->setGeometry(kFieldX, 136, kFieldWidth, 92);
    MemoComment->setTabChangesFocus(true);
    MemoComment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    LabelBoardType = FormWidgets::MakeCaption(GroupBoxBoard, "LabelBoardType", tr("ボードタイプ"),
                                              QRect(kFieldX, 234, kFieldWidth, 18));
    ComboBoxBoardType = new QComboBox(GroupBoxBoard);
    ComboBoxBoardType->setObjectName(QStringLiteral("ComboBoxBoardType"));
    ComboBoxBoardType->setGeometry(kFieldX, 252, kFieldWidth, 24);
    ComboBoxBoardType->setEditable(true);
    ComboBoxBoardType->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxBoardType->setCompleter(nullptr);

    LabelBoardTimer = FormWidgets::MakeCaption(GroupBoxBoard, "LabelBoardTimer", tr("ボードタイマ："),
                                               QRect(kFieldX, 286, 88, 24));
    EditBoardTimer = new QLineEdit(GroupBoxBoard);
    EditBoardTimer->setObjectName(QStringLiteral("EditBoardTimer"));
    EditBoardTimer->setGeometry(kFieldX + 90, 286, kFieldWidth - 90 - 20, 24);
    EditBoardTimer->setMaxLength(kMaxTimerChars);
    UpDownBoardTimer = new QSpinBox(GroupBoxBoard);
    UpDownBoardTimer->setObjectName(QStringLiteral("UpDownBoardTimer"));
    // Only the arrows show: the edit beside it holds the text.
    UpDownBoardTimer->setGeometry(kFieldX + kFieldWidth - 20, 286, 20, 24);
    UpDownBoardTimer->setRange(0, kUpDownMax);
    UpDownBoardTimer->setFocusPolicy(Qt::NoFocus);
    UpDownBoardTimer->setStyleSheet(QStringLiteral("QSpinBox { color: transparent; }"));

    // Right: the empty cell and the pieces of each side.
    constexpr int kRight = 8 + kBoardGroupWidth + 8;
    constexpr int kRightWidth = kEditorWidth - 8 - kRight;
    GroupBoxNoFloat = new QGroupBox(tr("[なしコマ]"), this);
    GroupBoxNoFloat->setObjectName(QStringLiteral("GroupBoxNoFloat"));
    GroupBoxNoFloat->setGeometry(kRight, 8, kRightWidth, 80);
    ImageNoFloat = FormWidgets::MakePicture(GroupBoxNoFloat, "ImageNoFloat", QRect(13, 25, kPieceSide, kPieceSide),
                                            kPictureBackground);
    BitBtnReferNoFloat = FormWidgets::MakeButton(GroupBoxNoFloat, "BitBtnReferNoFloat", tr("参照（コマ）"),
                                                 QRect(64, 22, 96, 26));
    BitBtnClearNoFloat = FormWidgets::MakeButton(GroupBoxNoFloat, "BitBtnClearNoFloat", tr("消去"),
                                                 QRect(164, 22, kRightWidth - 12 - 164, 26));
    CheckBoxTransparentNoFloat = MakeCheck(GroupBoxNoFloat, "CheckBoxTransparentNoFloat",
                                           tr("コマを透過にする"), QRect(64, 52, kRightWidth - 76, 20));

    constexpr int kSideHeight = (kGroupHeight - 80 - 16) / 2;
    BuildSide(1, QRect(kRight, 8 + 80 + 8, kRightWidth, kSideHeight));
    BuildSide(2, QRect(kRight, 8 + 80 + 8 + kSideHeight + 8, kRightWidth, kSideHeight));

    GroupBoxPreview = new QGroupBox(tr("[盤面プレビュー]"), this);
    GroupBoxPreview->setObjectName(QStringLiteral("GroupBoxPreview"));
    GroupBoxPreview->setGeometry(kEditorWidth, 8, kPreviewColumn, kGroupHeight);
    ImagePreview = new BoardPreview(GroupBoxPreview);
    ImagePreview->setGeometry((kPreviewColumn - 264) / 2, 20, 264, 264);
    LabelWarnings = FormWidgets::MakeCaption(GroupBoxPreview, "LabelWarnings", QString(),
                                             QRect(10, 288, kPreviewColumn - 20, kGroupHeight - 292),
                                             Qt::AlignLeft | Qt::AlignTop);
    LabelWarnings->setWordWrap(true);
    LabelWarnings->setStyleSheet(QStringLiteral("color: #a04000;"));

    constexpr int kButtonWidth = 104;
    constexpr int kButtonTop = 8 + kGroupHeight + 10;
    BitBtnDeleteBoard = FormWidgets::MakeButton(this, "BitBtnDeleteBoard", tr("削除"),
                                                QRect(8, kButtonTop, 60, 30));
    BitBtnDuplicateBoard = FormWidgets::MakeButton(this, "BitBtnDuplicateBoard", tr("複製"),
                                                   QRect(72, kButtonTop, 60, 30));
    BitBtnUpBoard = FormWidgets::MakeButton(this, "BitBtnUpBoard", tr("上へ"),
                                            QRect(140, kButtonTop, 56, 30));
    BitBtnDownBoard = FormWidgets::MakeButton(this, "BitBtnDownBoard", tr("下へ"),
                                              QRect(200, kButtonTop, 56, 30));
    LabelBoardIndex = FormWidgets::MakePanel(this, "LabelBoardIndex", QRect(264, kButtonTop + 3, 112, 24));
    BitBtnClose = FormWidgets::MakeButton(this, "BitBtnClose", tr("閉じる"),
                                          QRect(kWidth - 8 - kButtonWidth, kButtonTop, kButtonWidth, 30));
    BitBtnSave = FormWidgets::MakeButton(this, "BitBtnSave", tr("保存"),
                                         QRect(kWidth - 8 - 2 * kButtonWidth - 8, kButtonTop, kButtonWidth, 30));
    BitBtnDefault = FormWidgets::MakeButton(this, "BitBtnDefault", tr("元に戻す"),
                                            QRect(kWidth - 8 - 3 * kButtonWidth - 16, kButtonTop, kButtonWidth, 30));

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));

    // The user's own changes only: texts and states the dialog sets itself do not count as edits.
    connect(RadioButtonCreate, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButtonCreateClick();
    });
    connect(RadioButtonModify, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButtonModifyClick();
    });
    connect(BitBtnBackBoard, &QPushButton::clicked, this, [this] { BitBtnBackBoardClick(); });
    connect(BitBtnNextBoard, &QPushButton::clicked, this, [this] { BitBtnNextBoardClick(); });
    connect(BitBtnDeleteBoard, &QPushButton::clicked, this, [this] { BitBtnDeleteBoardClick(); });
    connect(BitBtnDuplicateBoard, &QPushButton::clicked, this, [this] { BitBtnDuplicateBoardClick(); });
    connect(BitBtnUpBoard, &QPushButton::clicked, this, [this] { BitBtnUpBoardClick(); });
    connect(BitBtnDownBoard, &QPushButton::clicked, this, [this] { BitBtnDownBoardClick(); });
    connect(EditTitle, &QLineEdit::textEdited, this, [this] { EditTitleChange(); });
    connect(EditAuthor, &QLineEdit::textEdited, this, [this] { EditAuthorChange(); });
    connect(MemoComment, &QPlainTextEdit::textChanged, this, [this] { MemoCommentChange(); });
    connect(ComboBoxBoardType, &QComboBox::activated, this, [this] { ComboBoxBoardTypeChange(); });
    connect(ComboBoxBoardType->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBoxBoardTypeChange(); });
    connect(EditBoardTimer, &QLineEdit::textEdited, this, [this] { EditBoardTimerChange(); });
    connect(UpDownBoardTimer, &QSpinBox::valueChanged, this, [this] { UpDownBoardTimerClick(); });
    connect(CheckBoxStretch, &QCheckBox::clicked, this, [this] { CheckBoxStretchClick(); });
    connect(BitBtnReferBoard, &QPushButton::clicked, this, [this] { BitBtnReferBoardClick(); });
    connect(BitBtnReferBorder, &QPushButton::clicked, this, [this] { BitBtnReferBorderClick(); });
    connect(BitBtnReferNoFloat, &QPushButton::clicked, this, [this] { BitBtnReferNoFloatClick(); });
    connect(BitBtnClearNoFloat, &QPushButton::clicked, this, [this] { BitBtnClearNoFloatClick(); });
    connect(CheckBoxTransparentNoFloat, &QCheckBox::clicked, this, [this] { CheckBoxTransparentNoFloatClick(); });
    connect(BitBtnDefault, &QPushButton::clicked, this, [this] { BitBtnDefaultClick(); });
    connect(BitBtnSave, &QPushButton::clicked, this, [this] { BitBtnSaveClick(); });
    connect(BitBtnClose, &QPushButton::clicked, this, [this] { BitBtnCloseClick(); });
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });

    entries_ = std::make_unique<SetEntryButtons>(
        this, SetEntries::Kind::Board,
        SetEntryButtons::Controls{BitBtnDeleteBoard, BitBtnDuplicateBoard, BitBtnUpBoard, BitBtnDownBoard,
                                  LabelBoardIndex},
        SetEntryButtons::Texts{tr("ボード 新規 / %1"), tr("ボード %1 / %2"), tr("ボード － / %1"),
                               tr("ボードセットファイル「%1」に書き込めませんでした。")},
        SetEntryButtons::Hooks{[this] { return ConfirmLeave(); },
                               [this](int number) {
                                   return tr("ボード %1「%2」を削除しますか？\n後ろのボードの番号が一つずつ詰まります。")
                                       .arg(number + 1)
                                       .arg(EditTitle->text());
                               },
                               [this](int number) {
                                   boardCount_ = CountBoards();
                                   browseIndex_ = std::clamp(number, 0, std::max(0, boardCount_ - 1));
                                   ShowBoard(setFile_, BoardSection(browseIndex_));
                               }});
}

void TFormSettingBoard::FormCreate()
{
    for (const QString& name : TypeNames())
        ComboBoxBoardType->addItem(name);
    for (PathGrid& grid : floatPaths_)
        grid.assign(kSlots, std::string());
    boardCount_ = 0;
    browseIndex_ = 0;
    ClearForm();
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
}

void TFormSettingBoard::SetBoardSet(std::string name, std::string file, QString programDir)
{
    setName_ = std::move(name);
    setFile_ = std::move(file);
    programDir_ = std::move(programDir);
}

void TFormSettingBoard::SetAskSave(std::function<int()> askSave)
{
    askSave_ = std::move(askSave);
}

void TFormSettingBoard::SetOnRenumbered(std::function<QString(const SetEntries::Renumbering&)> onRenumbered)
{
    entries_->SetOnRenumbered(std::move(onRenumbered));
}

void TFormSettingBoard::EnterProgramDir() const
{
    if (!programDir_.isEmpty())
        QDir::setCurrent(programDir_);
}

const std::string& TFormSettingBoard::FloatPath(int side, int kind, int frame) const
{
    static const std::string kNone;
    if (kind < 0 || kind >= BoardStyle::kMaxKinds || frame < 0 || frame >= BoardStyle::kMaxFrames)
        return kNone;
    return floatPaths_[SideIndex(side)][kind * BoardStyle::kMaxFrames + frame];
}

std::string& TFormSettingBoard::Path(int side, int kind, int frame)
{
    return floatPaths_[SideIndex(side)][kind * BoardStyle::kMaxFrames + frame];
}

TFormSettingBoard::SideControls TFormSettingBoard::Side(int side) const
{
    if (side == 1)
        return {Image1stFloat, Label1stFloatKindNum, Label1stFloatAnimationNum, ScrollBar1stFloatKind,
                ScrollBar1stFloatAnimation, CheckBoxTransparent1stFloat};
    return {Image2ndFloat, Label2ndFloatKindNum, Label2ndFloatAnimationNum, ScrollBar2ndFloatKind,
            ScrollBar2ndFloatAnimation, CheckBoxTransparent2ndFloat};
}

void TFormSettingBoard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
}

void TFormSettingBoard::FormShow()
{
    EnterProgramDir();
    setWindowTitle(tr("テセラ／ユーザ用ボードセット設定 － %1").arg(TextCodec::ToUi(setName_)));
    LabelModeNote->clear();
    section_ = BoardSection(0);
    Timer->stop();
    currentKind_ = {};
    currentFrame_ = {};
    testRunning_ = {};
    testStarted_ = {};
    boardCount_ = CountBoards();
    ShowBoard(setFile_, section_);
    {
        const QSignalBlocker blocker(RadioButtonModify);
        RadioButtonModify->setChecked(true);
    }
    addMode_ = false;
    BitBtnNextBoard->setEnabled(true);
    BitBtnBackBoard->setEnabled(true);
    for (int side = 1; side <= 2; ++side) {
        Side(side).kindNum->setText(QStringLiteral("1"));
        Side(side).animationNum->setText(QStringLiteral("1"));
    }
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
    UpdateEntryControls();
    Timer->start();
    openNotice_ = SetFileNotice::OnOpen(setFile_);
    // Told once the window stands, not from inside its showing.
    if (!openNotice_.isEmpty())
        QTimer::singleShot(0, this, [this, notice = openNotice_] { Message(notice); });
}

int TFormSettingBoard::CountBoards() const
{
    const WindowsIni ini(HostPath::ToHost(setFile_));
    int count = 0;
    while (ini.FindValue(BoardSection(count), "Title", 0) != nullptr)
        ++count;
    return count;
}

void TFormSettingBoard::ClearForm()
{
    boardPath_.clear();
    borderPath_.clear();
    noFloatPath_.clear();
    board1stPath_.clear();
    board2ndPath_.clear();
    for (PathGrid& grid : floatPaths_)
        std::fill(grid.begin(), grid.end(), std::string());
    currentKind_ = {};
    currentFrame_ = {};
    ClearPreviews();
    EditTitle->clear();
    EditAuthor->clear();
    {
        const QSignalBlocker blocker(MemoComment);
        MemoComment->clear();
    }
    SetTimerValue(kNewBoardTimer);
    timerEdited_ = false;
    for (QCheckBox* check : {CheckBoxStretch, CheckBoxTransparentNoFloat, CheckBoxTransparent1stFloat,
                             CheckBoxTransparent2ndFloat})
        check->setChecked(false);
    for (int side = 1; side <= 2; ++side) {
        const SideControls controls = Side(side);
        controls.kind->setValue(0);
        controls.animation->setValue(0);
        controls.kindNum->setText(QStringLiteral("1"));
        controls.animationNum->setText(QStringLiteral("1"));
    }
}

void TFormSettingBoard::ClearPreviews()
{
    boardPicture_ = QImage();
    borderPicture_ = QImage();
    noFloatPicture_ = QImage();
    floatPicture_ = {};
    ImageBoard->clear();
    ImageBorder->clear();
    ImageNoFloat->clear();
    Image1stFloat->clear();
    Image2ndFloat->clear();
}

void TFormSettingBoard::SetTimerValue(int value)
{
    boardTimer_ = value;
    EditBoardTimer->setText(QString::number(value));
    {
        const QSignalBlocker blocker(UpDownBoardTimer);
        UpDownBoardTimer->setValue(std::min(value, kUpDownMax));
    }
    // A timer with interval 0 would fire without pause.
    Timer->setInterval(std::max(1, value));
}

void TFormSettingBoard::SetBoardTypeText(int type)
{
    const QSignalBlocker blocker(ComboBoxBoardType);
    if (type >= BoardStyle::kTypeNormal && type <= BoardStyle::kTypePicture) {
        ComboBoxBoardType->setCurrentIndex(type - 1);
    } else {
        ComboBoxBoardType->setCurrentIndex(-1);
        ComboBoxBoardType->setEditText(tr("タイプ無し"));
    }
}

void TFormSettingBoard::ShowBoard(const std::string& file, const std::string& section)
{
    ClearForm();
    const WindowsIni ini(HostPath::ToHost(file));
    // Paths are kept whole: a save after an unrelated edit must not cut a long one.
    auto copy = [&](const char* key, std::string* target) {
        if (const std::string* value = ini.FindValue(section, key, 0))
            *target = *value;
    };
    auto copySide = [&](int side, const char* boardKey, std::string* boardTarget) {
        copy(boardKey, boardTarget);
        for (int kind = 0; kind < BoardStyle::kMaxKinds; ++kind) {
            const std::string key = KindKey(side, kind);
            for (int frame = 0; frame < BoardStyle::kMaxFrames; ++frame) {
                const std::string* value = ini.FindValue(section, key, frame);
                if (value == nullptr)
                    break;
                Path(side, kind, frame) = *value;
            }
        }
    };
    copy("Board", &boardPath_);
    copy("Border", &borderPath_);
    copy("NoFloat", &noFloatPath_);
    copySide(1, "1stBoard", &board1stPath_);
    copySide(2, "2ndBoard", &board2ndPath_);

    style_->Load(file, section);
    boardPicture_ = style_->BoardPicture();
    borderPicture_ = style_->BorderPicture();
    noFloatPicture_ = style_->NoFloatPicture();
    // By number: the design packs the kinds it found into consecutive slots, so its slot 0 may be kind 01.
    floatPicture_[0] = LoadPreview(FloatPath(1, 0, 0));
    floatPicture_[1] = LoadPreview(FloatPath(2, 0, 0));
    EditTitle->setText(TextCodec::ToUi(style_->Title()));
    EditAuthor->setText(TextCodec::ToUi(style_->Author()));
    {
        const QSignalBlocker blocker(MemoComment);
        MemoComment->setPlainText(TextCodec::ToUi(style_->Comment()));
    }
    SetTimerValue(std::clamp(style_->IntervalTime(), 0, kMaxTimer));
    timerEdited_ = false;
    SetBoardTypeText(style_->BoardType());
    CheckBoxStretch->setChecked(style_->Stretch() == 1);
    CheckBoxTransparentNoFloat->setChecked(style_->TransparentNoFloat() == 1);
    CheckBoxTransparent1stFloat->setChecked(style_->Transparent1stFloat() == 1);
    CheckBoxTransparent2ndFloat->setChecked(style_->Transparent2ndFloat() == 1);
    ShowBoardPicture();
    ShowBorderPicture();
    ShowNoFloat();
    ShowFloat(1, floatPicture_[0]);
    ShowFloat(2, floatPicture_[1]);

    section_ = section;
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
    UpdateEntryControls();
    RefreshPreview();
}

void TFormSettingBoard::ShowBoardPicture()
{
    ShowBox(ImageBoard, boardPicture_, CheckBoxStretch->isChecked(), false);
}

void TFormSettingBoard::ShowBorderPicture()
{
    ShowBox(ImageBorder, borderPicture_, CheckBoxStretch->isChecked(), true);
}

void TFormSettingBoard::ShowNoFloat()
{
    ShowPiece(ImageNoFloat, noFloatPicture_, CheckBoxTransparentNoFloat->isChecked());
}

void TFormSettingBoard::ShowFloat(int side, const QImage& picture)
{
    floatPicture_[SideIndex(side)] = picture;
    ShowPiece(Side(side).image, picture, Side(side).transparent->isChecked());
}

bool TFormSettingBoard::SaveAllowed() const
{
    if (boardPath_.empty() || borderPath_.empty() || noFloatPath_.empty())
        return false;
    for (int side = 1; side <= 2; ++side) {
        bool anyKind = false;
        for (int kind = 0; kind < BoardStyle::kMaxKinds && !anyKind; ++kind)
            anyKind = !FloatPath(side, kind, 0).empty();
        if (!anyKind)
            return false;
    }
    // A board without a type is counted in its set but can never be chosen.
    return std::find(std::begin(TypeNames()), std::end(TypeNames()), ComboBoxBoardType->currentText())
        != std::end(TypeNames());
}

void TFormSettingBoard::UpdateSaveState()
{
    BitBtnSave->setEnabled(false);
    if (SaveAllowed()) {
        BitBtnSave->setEnabled(true);
        BitBtnDefault->setEnabled(true);
    }
}

bool TFormSettingBoard::ConfirmLeave()
{
    if (!BitBtnSave->isEnabled())
        return true;
    const int answer = askSave_ ? askSave_() : FormWidgets::AskSave(this);
    if (answer == kModalNo)
        return true;
    // A save that failed keeps the form with the changes.
    return answer == kModalYes && Save() == 0;
}

void TFormSettingBoard::BitBtnNextBoardClick()
{
    if (!ConfirmLeave())
        return;
    browseIndex_ = WrappedNext(browseIndex_ + 1, boardCount_);
    ShowBoard(setFile_, BoardSection(browseIndex_));
}

void TFormSettingBoard::BitBtnBackBoardClick()
{
    if (!ConfirmLeave())
        return;
    int index = browseIndex_ - 1;
    if (boardCount_ <= 0)
        index = 0;
    else if (index < 0 || index >= boardCount_)
        index = boardCount_ - 1;
    browseIndex_ = index;
    ShowBoard(setFile_, BoardSection(browseIndex_));
}

void TFormSettingBoard::BitBtnSaveClick()
{
    if (Save() != 0)
        return;
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
}

void TFormSettingBoard::BitBtnDefaultClick()
{
    if (addMode_) {
        ClearForm();
        RefreshPreview();
    } else {
        ShowBoard(setFile_, section_);
    }
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
}

void TFormSettingBoard::BitBtnCloseClick()
{
    if (!ConfirmLeave())
        return;
    Timer->stop();
    done(kModalCancel);
}

void TFormSettingBoard::reject()
{
    BitBtnCloseClick();
}

void TFormSettingBoard::RadioButtonCreateClick()
{
    if (addMode_)
        return;
    if (!ConfirmLeave()) {
        const QSignalBlocker blockCreate(RadioButtonCreate);
        const QSignalBlocker blockModify(RadioButtonModify);
        RadioButtonModify->setChecked(true);
        return;
    }
    addMode_ = true;
    ClearForm();
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
    BitBtnNextBoard->setEnabled(false);
    BitBtnBackBoard->setEnabled(false);
    LabelModeNote->setText(tr("保存後はこのボードの修正へ"));
    UpdateEntryControls();
    RefreshPreview();
}

void TFormSettingBoard::RadioButtonModifyClick()
{
    if (!addMode_)
        return;
    if (!ConfirmLeave()) {
        const QSignalBlocker blockCreate(RadioButtonCreate);
        const QSignalBlocker blockModify(RadioButtonModify);
        RadioButtonCreate->setChecked(true);
        return;
    }
    addMode_ = false;
    LabelModeNote->clear();
    ShowBoard(setFile_, section_);
    BitBtnSave->setEnabled(false);
    BitBtnDefault->setEnabled(false);
    BitBtnNextBoard->setEnabled(true);
    BitBtnBackBoard->setEnabled(true);
}

void TFormSettingBoard::EditBoardTimerChange()
{
    const QString text = EditBoardTimer->text().left(kMaxTimerChars);
    const int before = boardTimer_;
    int value = 0;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            value = std::min(kMaxTimer, value * 10 + (c.unicode() - u'0'));
        else
            value = before;
    }
    SetTimerValue(value);
    timerEdited_ = true;
    UpdateSaveState();
    RefreshPreview();
}

void TFormSettingBoard::UpDownBoardTimerClick()
{
    SetTimerValue(UpDownBoardTimer->value());
    timerEdited_ = true;
    UpdateSaveState();
    RefreshPreview();
}

void TFormSettingBoard::ScrollKind(int side)
{
    const int i = SideIndex(side);
    const SideControls controls = Side(side);
    currentKind_[i] = controls.kind->sliderPosition();
    currentFrame_[i] = 0;
    const std::string& first = FloatPath(side, currentKind_[i], 0);
    ShowFloat(side, LoadPreview(first));
    controls.animation->setValue(0);
    controls.kindNum->setText(QString::number(currentKind_[i] + 1));
    controls.animationNum->setText(QStringLiteral("1"));
}

void TFormSettingBoard::ScrollAnimation(int side)
{
    const int i = SideIndex(side);
    const SideControls controls = Side(side);
    currentFrame_[i] = controls.animation->sliderPosition();
    ShowFloat(side, LoadPreview(FloatPath(side, currentKind_[i], currentFrame_[i])));
    controls.animationNum->setText(QString::number(currentFrame_[i] + 1));
}

void TFormSettingBoard::ScrollBar1stFloatKindScroll()
{
    ScrollKind(1);
}

void TFormSettingBoard::ScrollBar2ndFloatKindScroll()
{
    ScrollKind(2);
}

void TFormSettingBoard::ScrollBar1stFloatAnimationScroll()
{
    ScrollAnimation(1);
}

void TFormSettingBoard::ScrollBar2ndFloatAnimationScroll()
{
    ScrollAnimation(2);
}

void TFormSettingBoard::BitBtnTest1stFloatClick()
{
    testRunning_[0] = true;
}

void TFormSettingBoard::BitBtnTest2ndFloatClick()
{
    testRunning_[1] = true;
}

void TFormSettingBoard::TimerTimer()
{
    bool stop = false;
    TestStep(1, &stop);
    if (!stop)
        TestStep(2, &stop);
}

void TFormSettingBoard::TestStep(int side, bool* stop)
{
    const int i = SideIndex(side);
    if (!testRunning_[i])
        return;
    if (!testStarted_[i]) {
        currentFrame_[i] = 0;
        testStarted_[i] = true;
    }
    int& frame = currentFrame_[i];
    if (frame >= BoardStyle::kMaxFrames || FloatPath(side, currentKind_[i], frame).empty()) {
        testRunning_[i] = false;
        testStarted_[i] = false;
        frame = std::max(0, frame - 1);
        *stop = true;
        return;
    }
    const SideControls controls = Side(side);
    ShowFloat(side, LoadPreview(FloatPath(side, currentKind_[i], frame)));
    controls.animationNum->setText(QString::number(frame + 1));
    controls.animation->setValue(frame);
    ++frame;
}

void TFormSettingBoard::ClearFloat(int side)
{
    const int i = SideIndex(side);
    Path(side, currentKind_[i], currentFrame_[i]).clear();
    ShowFloat(side, QImage());
    UpdateSaveState();
    BitBtnDefault->setEnabled(true);
    RefreshPreview();
}

void TFormSettingBoard::BitBtnClear1stFloatClick()
{
    ClearFloat(1);
}

void TFormSettingBoard::BitBtnClear2ndFloatClick()
{
    ClearFloat(2);
}

void TFormSettingBoard::BitBtnClearNoFloatClick()
{
    noFloatPath_.clear();
    noFloatPicture_ = QImage();
    ImageNoFloat->clear();
    UpdateSaveState();
    BitBtnDefault->setEnabled(true);
    RefreshPreview();
}

void TFormSettingBoard::BitBtnReferBoardClick()
{
    ReferPicture(Target::Board);
}

void TFormSettingBoard::BitBtnReferBorderClick()
{
    ReferPicture(Target::Border);
}

void TFormSettingBoard::BitBtnReferNoFloatClick()
{
    ReferPicture(Target::NoFloat);
}

void TFormSettingBoard::BitBtnRefer1stFloatClick()
{
    ReferPicture(Target::Float1st);
}

void TFormSettingBoard::BitBtnRefer2ndFloatClick()
{
    ReferPicture(Target::Float2nd);
}

void TFormSettingBoard::ReferPicture(Target target)
{
    static const QString kCaptions[] = {tr("ボードの絵を開く"), tr("境界線の絵を開く"),
                                        tr("コマ（なし）の絵を開く"),
                                        tr("コマ（先手）の絵を開く"),
                                        tr("コマ（後手）の絵を開く")};
    EnterProgramDir();
    QString chosen = FileDialogs::OpenPicture(this, kCaptions[static_cast<int>(target)]);
    EnterProgramDir();
    if (chosen.isEmpty())
        return;
    if (UserPictureCopy::IsOutside(chosen)
        && SetEntryButtons::AskYesNo(this, tr("選んだ絵はプログラムのフォルダの外にあります。\n"
                                   "「%1」にコピーして使いますか？\n"
                                   "コピーすると、フォルダを移したり人に渡したりしても絵が見つかります。")
                        .arg(TextCodec::ToUi(UserPictureCopy::FolderFor(setName_))))) {
        std::string copied;
        QString reason;
        if (UserPictureCopy::Copy(setName_, chosen, &copied, &reason) == 0)
            chosen = QDir::current().absoluteFilePath(QString::fromStdString(HostPath::Plain(copied)));
        else
            Message(tr("絵をコピーできませんでした（%1）。元の場所のまま使います。").arg(reason));
    }

    std::string stored;
    if (!HostPath::ToStored(chosen.toStdString(), &stored)) {
        Message(tr("このファイル名はボードセットに書けません。\n%1").arg(chosen));
        return;
    }
    if (HoldsIniSeparator(stored) || stored.size() > kPathBytes) {
        Message(tr("このファイル名はボードセットに書けません（「,」「;」「!」を含む名前や"
                               "%1バイトを超える名前は読み戻せません）。\n%2")
                    .arg(kPathBytes)
                    .arg(chosen));
        return;
    }

    // Not through the loader's own report, so the user hears of a failure once.
    QString reason;
    const QImage picture = PictureLoader::LoadUnreported(chosen, &reason);

    switch (target) {
    case Target::Board:
        boardPath_ = stored;
        boardPicture_ = picture;
        ShowBoardPicture();
        break;
    case Target::Border:
        borderPath_ = stored;
        borderPicture_ = picture;
        ShowBorderPicture();
        break;
    case Target::NoFloat:
        noFloatPath_ = stored;
        noFloatPicture_ = picture;
        ShowNoFloat();
        break;
    case Target::Float1st:
    case Target::Float2nd: {
        const int side = target == Target::Float1st ? 1 : 2;
        const SideControls controls = Side(side);
        Path(side, controls.kind->value(), controls.animation->value()) = stored;
        ShowFloat(side, picture);
        break;
    }
    }
    if (picture.isNull())
        Message(tr("絵を読み込めませんでした（%1）。ファイル名はそのまま使います。\n%2").arg(reason, chosen));
    UpdateSaveState();
    RefreshPreview();
}

void TFormSettingBoard::FilterEdit(QLineEdit* edit)
{
    const QString text = edit->text();
    const QString filtered = FullWidth(text, false);
    if (filtered != text) {
        const int cursor = edit->cursorPosition();
        edit->setText(filtered);
        edit->setCursorPosition(cursor);
    }
    UpdateSaveState();
}

void TFormSettingBoard::EditTitleChange()
{
    FilterEdit(EditTitle);
}

void TFormSettingBoard::EditAuthorChange()
{
    FilterEdit(EditAuthor);
}

void TFormSettingBoard::MemoCommentChange()
{
    const QString text = MemoComment->toPlainText();
    const QString filtered = FullWidth(text, true);
    if (filtered != text) {
        const QSignalBlocker blocker(MemoComment);
        const int cursor = MemoComment->textCursor().position();
        // Edited in place, so the user's undo history stays.
        QTextCursor all(MemoComment->document());
        all.select(QTextCursor::Document);
        all.insertText(filtered);
        QTextCursor at = MemoComment->textCursor();
        at.setPosition(std::min(cursor, static_cast<int>(filtered.size())));
        MemoComment->setTextCursor(at);
    }
    UpdateSaveState();
}

void TFormSettingBoard::ComboBoxBoardTypeChange()
{
    UpdateSaveState();
    RefreshPreview();
}

void TFormSettingBoard::CheckBoxTransparentNoFloatClick()
{
    ShowNoFloat();
    UpdateSaveState();
    RefreshPreview();
}

void TFormSettingBoard::CheckBoxTransparent1stFloatClick()
{
    ShowFloat(1, floatPicture_[0]);
    UpdateSaveState();
    RefreshPreview();
}

void TFormSettingBoard::CheckBoxTransparent2ndFloatClick()
{
    ShowFloat(2, floatPicture_[1]);
    UpdateSaveState();
    RefreshPreview();
}

void TFormSettingBoard::CheckBoxStretchClick()
{
    ShowBoardPicture();
    ShowBorderPicture();
    UpdateSaveState();
    RefreshPreview();
}

void TFormSettingBoard::Message(const QString& text)
{
    SetEntryButtons::Tell(this, text);
}

int TFormSettingBoard::Save()
{
    struct Field {
        const char* key;
        QString text;
        QString caption;
    };
    const Field fields[] = {
        {"Title", FullWidth(EditTitle->text(), false), tr("タイトル")},
        {"Author", FullWidth(EditAuthor->text(), false), tr("作者")},
        {"Comment", FullWidth(MemoComment->toPlainText(), true), tr("コメント")},
    };
    std::string texts[3];
    for (int n = 0; n < 3; ++n) {
        if (!TextCodec::FromUi(fields[n].text, &texts[n])) {
            Message(tr("「%1」に保存できない文字があります。").arg(fields[n].caption));
            return -1;
        }
        texts[n] = TextCodec::CutToField(texts[n], kTextBytes);
    }

    EnterProgramDir();
    const std::string hostFile = HostPath::ToHost(setFile_);
    WindowsIni ini(hostFile);
    const QString loss = SetFileNotice::BeforeSave(ini.Dropped());
    if (!loss.isEmpty() && !SetFileNotice::AskSaveAnyway(this, loss))
        return -1;
    std::string section = section_;
    if (addMode_) {
        int count = 0;
        while (ini.FindValue(BoardSection(count), "Title", 0) != nullptr)
            ++count;
        section = BoardSection(count);
        // Stray sections without a title, however many, must not lend their keys to the new board.
        while (ini.KeyCount(section) >= 0)
            ini.Remove(section);
    }

    const QString typeText = ComboBoxBoardType->currentText();
    for (int type = 0; type < 3; ++type) {
        if (typeText == TypeNames()[type])
            ini.SetValue(section, "BoardType", kTypeKeys[type], 0);
    }
    ini.SetValue(section, "Board", boardPath_, 0);
    ini.SetValue(section, "Border", borderPath_, 0);
    ini.SetValue(section, "NoFloat", noFloatPath_, 0);
    if (!board1stPath_.empty())
        ini.SetValue(section, "1stBoard", board1stPath_, 0);
    if (!board2ndPath_.empty())
        ini.SetValue(section, "2ndBoard", board2ndPath_, 0);
    for (int side = 1; side <= 2; ++side) {
        for (int kind = 0; kind < BoardStyle::kMaxKinds; ++kind) {
            const std::string key = KindKey(side, kind);
            ini.Remove(section, key);
            for (int frame = 0; frame < BoardStyle::kMaxFrames; ++frame) {
                const std::string& path = FloatPath(side, kind, frame);
                if (path.empty())
                    break;
                ini.AddValue(section, key, path);
            }
        }
    }
    ini.SetValue(section, "Title", texts[0], 0);
    ini.SetValue(section, "Author", texts[1], 0);
    ini.SetValue(section, "Comment", texts[2], 0);
    // A value the edit cannot show (outside 0..999999) stays as the file has it unless the user set one.
    if (timerEdited_ || ini.FindValue(section, "IntervalTime", 0) == nullptr)
        ini.SetValue(section, "IntervalTime", std::to_string(boardTimer_), 0);
    auto flag = [](const QCheckBox* check) { return check->isChecked() ? "True" : "False"; };
    ini.SetValue(section, "Stretch", flag(CheckBoxStretch), 0);
    ini.SetValue(section, "TransparentNoFloat", flag(CheckBoxTransparentNoFloat), 0);
    ini.SetValue(section, "Transparent1stFloat", flag(CheckBoxTransparent1stFloat), 0);
    ini.SetValue(section, "Transparent2ndFloat", flag(CheckBoxTransparent2ndFloat), 0);

    if (ini.Write() != 0) {
        Message(tr("ボードセットファイル「%1」に書き込めませんでした。")
                    .arg(QDir::current().absoluteFilePath(QString::fromStdString(hostFile))));
        return -1;
    }
    section_ = section;
    if (addMode_) {
        boardCount_ = CountBoards();
        // A second save changes the board just added instead of adding another.
        addMode_ = false;
        {
            const QSignalBlocker blockCreate(RadioButtonCreate);
            const QSignalBlocker blockModify(RadioButtonModify);
            RadioButtonModify->setChecked(true);
        }
        BitBtnNextBoard->setEnabled(true);
        BitBtnBackBoard->setEnabled(true);
        browseIndex_ = std::max(0, SetEntries::NumberOf(SetEntries::Kind::Board, section_));
        LabelModeNote->setText(tr("ボード %1 を追加、以後は修正").arg(browseIndex_ + 1));
    }
    UpdateEntryControls();
    return 0;
}

void TFormSettingBoard::UpdateEntryControls()
{
    entries_->Update(section_, addMode_, boardCount_);
}

void TFormSettingBoard::RunEntryAction(SetEntryButtons::Action action)
{
    EnterProgramDir();
    entries_->Run(action, setFile_, section_);
}

void TFormSettingBoard::BitBtnDeleteBoardClick()
{
    RunEntryAction(SetEntryButtons::Action::Delete);
}

void TFormSettingBoard::BitBtnDuplicateBoardClick()
{
    RunEntryAction(SetEntryButtons::Action::Duplicate);
}

void TFormSettingBoard::BitBtnUpBoardClick()
{
    RunEntryAction(SetEntryButtons::Action::Up);
}

void TFormSettingBoard::BitBtnDownBoardClick()
{
    RunEntryAction(SetEntryButtons::Action::Down);
}

void TFormSettingBoard::RefreshPreview()
{
    BoardPreview::Design preview;
    BoardChecks::Design checks;
    const int typeIndex = static_cast<int>(
        std::find(std::begin(TypeNames()), std::end(TypeNames()), ComboBoxBoardType->currentText()) - std::begin(TypeNames()));
    preview.type = typeIndex < 3 ? typeIndex + 1 : BoardStyle::kTypeNone;
    preview.board = boardPicture_;
    preview.border = borderPicture_;
    preview.noFloat = noFloatPicture_;
    preview.stretch = CheckBoxStretch->isChecked();
    preview.interval = boardTimer_;
    preview.transparentNoFloat = CheckBoxTransparentNoFloat->isChecked();
    preview.transparent1st = CheckBoxTransparent1stFloat->isChecked();
    preview.transparent2nd = CheckBoxTransparent2ndFloat->isChecked();
    // The whole-board pictures come only from the file, as their paths do.
    if (!addMode_ && !board1stPath_.empty())
        preview.board1st = style_->Board1stPicture();
    if (!addMode_ && !board2ndPath_.empty())
        preview.board2nd = style_->Board2ndPicture();

    checks.stretch = preview.stretch;
    checks.pictureType = preview.type == BoardStyle::kTypePicture;
    checks.board = {boardPath_, boardPicture_};
    checks.border = {borderPath_, borderPicture_};
    checks.noFloat = {noFloatPath_, noFloatPicture_};
    checks.board1st = {addMode_ ? std::string() : board1stPath_, preview.board1st};
    checks.board2nd = {addMode_ ? std::string() : board2ndPath_, preview.board2nd};
    for (int side = 1; side <= 2; ++side) {
        auto& kinds = checks.frames[SideIndex(side)];
        for (int kind = 0; kind < BoardStyle::kMaxKinds; ++kind) {
            std::vector<std::string> frames;
            for (int frame = 0; frame < BoardStyle::kMaxFrames; ++frame) {
                const std::string& path = FloatPath(side, kind, frame);
                if (path.empty())
                    continue;
                frames.resize(frame + 1);
                frames[frame] = path;
            }
            // A kind without its first frame is never shown; its frames stay out of the checks too.
            if (frames.empty() || frames[0].empty())
                continue;
            std::vector<QImage> pictures;
            bool gap = false;
            for (const std::string& path : frames) {
                gap = gap || path.empty();
                if (path.empty())
                    continue;
                const QImage picture = PictureLoader::LoadUnreported(HostPath::ToHostQ(path));
                checks.pieces.push_back({path, picture});
                // A game shows the frames up to the first gap.
                if (!gap)
                    pictures.push_back(picture);
            }
            kinds.push_back(std::move(frames));
            preview.pieces[SideIndex(side)].push_back(std::move(pictures));
        }
    }
    ImagePreview->SetDesign(preview);
    warnings_ = BoardChecks::Check(checks);
    LabelWarnings->setText(warnings_.isEmpty() ? QString() : QStringLiteral("⚠ ") + warnings_.join(QStringLiteral("\n⚠ ")));
    LabelWarnings->setToolTip(warnings_.join(QLatin1Char('\n')));
}
