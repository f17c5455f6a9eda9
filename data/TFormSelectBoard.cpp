#include "data/TFormSelectBoard.h"

#include "data/BoardStyle.h"
#include "data/WindowsIni.h"
#include "pictures/Transparency.h"
#include "platform/FormWidgets.h"
#include "platform/HostPath.h"
#include "platform/ModalHost.h"
#include "platform/TextCodec.h"
#include "setup/Settings.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr int kDesignInterval = 50;
// Names typed into the set box are held one byte short of the 256-byte field.
constexpr std::size_t kTypedNameBytes = 255;

const QColor kPictureBackground(208, 208, 208);

// Stretched fills the box; otherwise the picture keeps its size, centred and cut by the box.
QPixmap BoxPixmap(const QImage& picture, int side, bool stretched, bool transparent)
{
    if (picture.isNull())
        return {};
    const QImage image = transparent ? TransparentCopy(picture) : picture;
    if (stretched && image.size() != QSize(side, side))
        return QPixmap::fromImage(image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return QPixmap::fromImage(image);
}

// A piece larger than its box is shrunk to fit, keeping its shape.
QPixmap PiecePixmap(const QImage& picture, int side, bool transparent)
{
    if (picture.isNull())
        return {};
    const QImage image = transparent ? TransparentCopy(picture) : picture;
    if (image.width() > side || image.height() > side)
        return QPixmap::fromImage(image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return QPixmap::fromImage(image);
}

void ShowPixmap(QLabel* label, const QPixmap& pixmap)
{
    if (pixmap.isNull())
        label->clear();
    else
        label->setPixmap(pixmap);
}

QString BoardTypeName(int type)
{
    switch (type) {
    case BoardStyle::kTypeNormal:
        return QCoreApplication::translate("TFormSelectBoard", "ノーマルタイプ");
    case BoardStyle::kTypeRandom:
        return QCoreApplication::translate("TFormSelectBoard", "ランダムタイプ");
    case BoardStyle::kTypePicture:
        return QCoreApplication::translate("TFormSelectBoard", "ピクチャータイプ");
    default:
        return QCoreApplication::translate("TFormSelectBoard", "タイプ無し");
    }
}

std::string BoardSection(int number)
{
    char name[24];
    std::snprintf(name, sizeof name, "Board_%03d", number);
    return name;
}

// Next and back wrap at both ends, also from an index a larger set left behind.
int Wrapped(int index, int count)
{
    if (count <= 0)
        return 0;
    if (index >= count)
        return 0;
    if (index < 0)
        return count - 1;
    return index;
}

void SetKindRange(QScrollBar* scrollBar, int kindCount)
{
    const QSignalBlocker blocker(scrollBar);
    scrollBar->setRange(0, std::max(0, kindCount - 1));
    scrollBar->setValue(0);
    scrollBar->setEnabled(kindCount > 0);
}

}  // namespace

TFormSelectBoard::TFormSelectBoard(QWidget* parent)
    : QDialog(parent), style_(std::make_unique<BoardStyle>())
{
    BuildWindow();
    FormCreate();
}

TFormSelectBoard::~TFormSelectBoard() = default;

void TFormSelectBoard::BuildWindow()
{
    setObjectName(QStringLiteral("FormSelectBoard"));
    setWindowTitle(tr("テセラ／ボード選択"));
    setFont(QFont(QStringLiteral("IPAGothic"), 9));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    constexpr int kWidth = 488;
    constexpr int kHeight = 384;
    setFixedSize(kWidth, kHeight);

    GroupBoxBoard = new QGroupBox(tr("[ボードを選択して下さい]"), this);
    GroupBoxBoard->setObjectName(QStringLiteral("GroupBoxBoard"));
    GroupBoxBoard->setGeometry(8, 8, kWidth - 16, 326);

    LabelBoardSet = FormWidgets::MakeCaption(GroupBoxBoard, "LabelBoardSet", tr("ボードセット名："),
                                             QRect(12, 24, 100, 24), Qt::AlignLeft | Qt::AlignVCenter);
    ComboBoxBoardSet = new QComboBox(GroupBoxBoard);
    ComboBoxBoardSet->setObjectName(QStringLiteral("ComboBoxBoardSet"));
    ComboBoxBoardSet->setGeometry(112, 24, 240, 24);
    ComboBoxBoardSet->setEditable(true);
    ComboBoxBoardSet->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxBoardSet->setMaxVisibleItems(12);
    // A set opens when the typed text equals its name, so nothing may complete it on its own.
    ComboBoxBoardSet->setCompleter(nullptr);

    // Left column: the board with its title above and the browse row below.
    constexpr int kLeft = 12;
    PanelTitle = FormWidgets::MakeFileTextPanel(GroupBoxBoard, "PanelTitle", QRect(kLeft, 58, kPreviewSide + 2, 24));
    QFont bold = PanelTitle->font();
    bold.setBold(true);
    PanelTitle->setFont(bold);
    ImageBoard = FormWidgets::MakePicture(GroupBoxBoard, "ImageBoard", QRect(kLeft + 1, 87, kPreviewSide, kPreviewSide),
                                          kPictureBackground, FormWidgets::Edge::Light);
    ImageBorder = new QLabel(ImageBoard->parentWidget());
    ImageBorder->setObjectName(QStringLiteral("ImageBorder"));
    ImageBorder->setGeometry(ImageBoard->geometry());
    ImageBorder->setAlignment(Qt::AlignCenter);
    ImageBorder->setAttribute(Qt::WA_TranslucentBackground);
    ImageBorder->raise();
    BitBtnBackBoard = FormWidgets::MakeButton(GroupBoxBoard, "BitBtnBackBoard", QStringLiteral("<"),
                                              QRect(kLeft, 292, 30, 24));
    PanelBoardType = FormWidgets::MakeFileTextPanel(GroupBoxBoard, "PanelBoardType",
                                                    QRect(kLeft + 34, 292, kPreviewSide + 2 - 68, 24));
    BitBtnNextBoard = FormWidgets::MakeButton(GroupBoxBoard, "BitBtnNextBoard", QStringLiteral(">"),
                                              QRect(kLeft + kPreviewSide + 2 - 30, 292, 30, 24));

    // Right column: empty cell and pieces, then the comment and the author.
    constexpr int kRight = kLeft + kPreviewSide + 2 + 16;
    constexpr int kRightWidth = kWidth - 16 - 12 - kRight;
    constexpr int kImageX = kRight + 44;
    constexpr int kControlX = kImageX + kPieceSide + 12;
    constexpr int kControlWidth = kRight + kRightWidth - kControlX;
    const Qt::Alignment captionAlign = Qt::AlignLeft | Qt::AlignVCenter;

    LabelNoFloat = FormWidgets::MakeCaption(GroupBoxBoard, "LabelNoFloat", tr("なし"),
                                            QRect(kRight, 58, 40, 34), captionAlign);
    ImageNoFloat = FormWidgets::MakePicture(GroupBoxBoard, "ImageNoFloat", QRect(kImageX, 59, kPieceSide, kPieceSide),
                                            kPictureBackground, FormWidgets::Edge::Light);

    Label1stFloat = FormWidgets::MakeCaption(GroupBoxBoard, "Label1stFloat", tr("先手"),
                                             QRect(kRight, 106, 40, 34), captionAlign);
    Image1stFloat = FormWidgets::MakePicture(GroupBoxBoard, "Image1stFloat",
                                             QRect(kImageX, 107, kPieceSide, kPieceSide),
                                             kPictureBackground, FormWidgets::Edge::Light);
    ScrollBar1stFloat = new QScrollBar(Qt::Horizontal, GroupBoxBoard);
    ScrollBar1stFloat->setObjectName(QStringLiteral("ScrollBar1stFloat"));
    ScrollBar1stFloat->setGeometry(kControlX, 100, kControlWidth, 16);
    BitBtn1stAnimation = FormWidgets::MakeButton(GroupBoxBoard, "BitBtn1stAnimation", tr("アニメーション"),
                                                 QRect(kControlX, 120, kControlWidth, 26));

    Label2ndFloat = FormWidgets::MakeCaption(GroupBoxBoard, "Label2ndFloat", tr("後手"),
                                             QRect(kRight, 160, 40, 34), captionAlign);
    Image2ndFloat = FormWidgets::MakePicture(GroupBoxBoard, "Image2ndFloat",
                                             QRect(kImageX, 161, kPieceSide, kPieceSide),
                                             kPictureBackground, FormWidgets::Edge::Light);
    ScrollBar2ndFloat = new QScrollBar(Qt::Horizontal, GroupBoxBoard);
    ScrollBar2ndFloat->setObjectName(QStringLiteral("ScrollBar2ndFloat"));
    ScrollBar2ndFloat->setGeometry(kControlX, 154, kControlWidth, 16);
    BitBtn2ndAnimation = FormWidgets::MakeButton(GroupBoxBoard, "BitBtn2ndAnimation", tr("アニメーション"),
                                                 QRect(kControlX, 174, kControlWidth, 26));

    LabelComment = FormWidgets::MakeFileTextPanel(GroupBoxBoard, "LabelComment", QRect(kRight, 212, kRightWidth, 76));
    LabelComment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelComment->setWordWrap(true);
    LabelComment->setMargin(4);
    PanelAuthor = FormWidgets::MakeFileTextPanel(GroupBoxBoard, "PanelAuthor", QRect(kRight, 292, kRightWidth, 24));

    constexpr int kButtonWidth = 112;
    BitBtnCancel = FormWidgets::MakeButton(this, "BitBtnCancel", tr("キャンセル"),
                                           QRect(kWidth - 8 - kButtonWidth, 344, kButtonWidth, 30));
    BitBtnOk = FormWidgets::MakeButton(this, "BitBtnOk", tr("ボード決定"),
                                       QRect(kWidth - 8 - 2 * kButtonWidth - 8, 344, kButtonWidth, 30));
    BitBtnOk->setDefault(true);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(kDesignInterval);

    // Typing and choosing from the list are the user's changes; texts the dialog sets are not.
    connect(ComboBoxBoardSet->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBoxBoardSetChange(); });
    connect(ComboBoxBoardSet, &QComboBox::activated, this, [this] { ComboBoxBoardSetChange(); });
    connect(BitBtnNextBoard, &QPushButton::clicked, this, [this] { BitBtnNextBoardClick(); });
    connect(BitBtnBackBoard, &QPushButton::clicked, this, [this] { BitBtnBackBoardClick(); });
    connect(ScrollBar1stFloat, &QScrollBar::actionTriggered, this, [this] { ScrollBar1stFloatScroll(); });
    connect(ScrollBar2ndFloat, &QScrollBar::actionTriggered, this, [this] { ScrollBar2ndFloatScroll(); });
    connect(BitBtn1stAnimation, &QPushButton::clicked, this, [this] { BitBtn1stAnimationClick(); });
    connect(BitBtn2ndAnimation, &QPushButton::clicked, this, [this] { BitBtn2ndAnimationClick(); });
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
    connect(BitBtnOk, &QPushButton::clicked, this, [this] { BitBtnOkClick(); });
    connect(BitBtnCancel, &QPushButton::clicked, this, [this] { BitBtnCancelClick(); });
}

void TFormSelectBoard::SetProgramDir(const QString& programDir)
{
    programDir_ = programDir;
}

void TFormSelectBoard::EnterProgramDir() const
{
    if (!programDir_.isEmpty())
        QDir::setCurrent(programDir_);
}

void TFormSelectBoard::FormCreate()
{
    EnterProgramDir();
    const WindowsIni settings = Settings::Open();
    boardCount_ = 0;
    browseIndex_ = 0;
    const std::string name = Settings::Text(settings, Settings::kKeyDefaultBoardSet);
    OpenRemembered(name, Settings::BoardSetFile(settings, name),
                   Settings::Text(settings, Settings::kKeyDefaultBoardName));
    // The preview runs only while the dialog is shown.
    Timer->stop();
}

void TFormSelectBoard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
}

void TFormSelectBoard::FormShow()
{
    EnterProgramDir();
    const WindowsIni settings = Settings::Open();
    const std::string name = Settings::Text(settings, Settings::kKeyDefaultBoardSet);
    const std::string section = Settings::Text(settings, Settings::kKeyDefaultBoardName);
    // An unregistered set means the standard file, as for every other reader of these keys.
    OpenRemembered(name, Settings::BoardSetFile(settings, name), section);
    FillBoardSets(settings);
    Timer->start();
}

void TFormSelectBoard::OpenRemembered(const std::string& name, const std::string& file, const std::string& section)
{
    if (OpenBoardSet(file, section) == 0) {
        setName_ = name;
        return;
    }
    // A board already on screen stays; otherwise one that exists stands in, so browsing and OK count the file shown.
    if (boardShown_)
        return;
    if (OpenBoardSet(file, BoardSection(0)) == 0) {
        setName_ = name;
        return;
    }
    if (OpenBoardSet(Settings::kStandardBoardSetFile, BoardSection(0)) == 0) {
        setName_ = Settings::kStandardSetName;
        return;
    }
    setName_ = name;
    setFile_ = file;
    section_ = section;
    boardCount_ = 0;
}

void TFormSelectBoard::FillBoardSets(const WindowsIni& settings)
{
    const QSignalBlocker blocker(ComboBoxBoardSet);
    ComboBoxBoardSet->clear();
    for (const Settings::SetEntry& entry : Settings::Registry(settings, Settings::SetKind::Board))
        ComboBoxBoardSet->addItem(TextCodec::ToUi(entry.name));
    ComboBoxBoardSet->setCurrentIndex(-1);
    ComboBoxBoardSet->setEditText(TextCodec::ToUi(setName_));
}

int TFormSelectBoard::CountBoards(const std::string& file, const std::string& wanted, int* indexOfWanted)
{
    const WindowsIni ini(HostPath::ToHost(file));
    *indexOfWanted = -1;
    int count = 0;
    for (;; ++count) {
        const std::string section = BoardSection(count);
        if (ini.FindValue(section, "Title", 0) == nullptr)
            break;
        if (section == wanted)
            *indexOfWanted = count;
    }
    return count;
}

int TFormSelectBoard::ShowBoard(const std::string& file, const std::string& section)
{
    style_->Load(file, section);
    if (style_->BoardType() == BoardStyle::kTypeNone) {
        // The design must stay the board on screen, which OK hands on.
        if (boardShown_)
            style_->Load(setFile_, section_);
        else
            style_->Load(setFile_, BoardSection(0));
        return -1;
    }

    const bool stretched = style_->Stretch() == 1;
    PanelBoardType->setText(BoardTypeName(style_->BoardType()));
    ShowPixmap(ImageBoard, BoxPixmap(style_->BoardPicture(), kPreviewSide, stretched, false));
    ShowPixmap(ImageBorder, BoxPixmap(style_->BorderPicture(), kPreviewSide, stretched, true));
    ImageBorder->show();
    PanelTitle->setText(TextCodec::ToUi(style_->Title()));
    PanelAuthor->setText(TextCodec::ToUi(style_->Author()));
    LabelComment->setText(TextCodec::ToUi(style_->Comment()));
    ShowPixmap(ImageNoFloat, PiecePixmap(style_->NoFloatPicture(), kPieceSide, style_->TransparentNoFloat() == 1));

    StopPreviews();
    ShowPiece(1, 1, 0, 0);
    ShowPiece(2, 2, 0, 0);
    // A timer with interval 0 would fire without pause.
    Timer->setInterval(std::max(1, style_->IntervalTime()));
    SetKindRange(ScrollBar1stFloat, style_->KindCount1st());
    SetKindRange(ScrollBar2ndFloat, style_->KindCount2nd());
    BitBtn1stAnimation->setEnabled(style_->FrameCount1st() >= 2);
    BitBtn2ndAnimation->setEnabled(style_->FrameCount2nd() >= 2);
    section_ = section;
    boardShown_ = true;
    return 0;
}

int TFormSelectBoard::OpenBoardSet(const std::string& file, const std::string& section)
{
    Timer->start();
    int indexOfSection = -1;
    const int count = CountBoards(file, section, &indexOfSection);
    if (ShowBoard(file, section) != 0)
        return -1;
    setFile_ = file;
    boardCount_ = count;
    if (indexOfSection >= 0)
        browseIndex_ = indexOfSection;
    return 0;
}

void TFormSelectBoard::StopPreviews()
{
    currentKind_ = {};
    animationFlag_ = {};
    animationStep_ = {};
}

void TFormSelectBoard::ShowPiece(int side, int pictureSide, int kind, int frame)
{
    const QImage& picture =
        pictureSide == 1 ? style_->FloatPicture1st(kind, frame) : style_->FloatPicture2nd(kind, frame);
    const bool transparent =
        (pictureSide == 1 ? style_->Transparent1stFloat() : style_->Transparent2ndFloat()) == 1;
    shownPiece_[SideIndex(side)] = picture;
    ShowPixmap(side == 1 ? Image1stFloat : Image2ndFloat, PiecePixmap(picture, kPieceSide, transparent));
}

void TFormSelectBoard::ComboBoxBoardSetChange()
{
    std::string name;
    if (!TextCodec::FromUi(ComboBoxBoardSet->currentText(), &name))
        return;
    name = TextCodec::CutToField(name, kTypedNameBytes);
    EnterProgramDir();
    const WindowsIni settings = Settings::Open();
    const std::optional<std::string> file = Settings::RegisteredFile(settings, Settings::SetKind::Board, name);
    if (!file)
        return;
    const int previousIndex = browseIndex_;
    browseIndex_ = 0;
    if (OpenBoardSet(*file, BoardSection(0)) == 0)
        setName_ = name;
    else
        browseIndex_ = previousIndex;
}

void TFormSelectBoard::BitBtnNextBoardClick()
{
    browseIndex_ = Wrapped(browseIndex_ + 1, boardCount_);
    ShowBoard(setFile_, BoardSection(browseIndex_));
}

void TFormSelectBoard::BitBtnBackBoardClick()
{
    browseIndex_ = Wrapped(browseIndex_ - 1, boardCount_);
    ShowBoard(setFile_, BoardSection(browseIndex_));
}

void TFormSelectBoard::ScrollBar1stFloatScroll()
{
    currentKind_[0] = ScrollBar1stFloat->sliderPosition();
    ShowPiece(1, 1, currentKind_[0], 0);
}

void TFormSelectBoard::ScrollBar2ndFloatScroll()
{
    currentKind_[1] = ScrollBar2ndFloat->sliderPosition();
    ShowPiece(2, 2, currentKind_[1], 0);
}

void TFormSelectBoard::BitBtn1stAnimationClick()
{
    animationFlag_[0] = 1;
}

void TFormSelectBoard::BitBtn2ndAnimationClick()
{
    animationFlag_[1] = 1;
}

void TFormSelectBoard::TimerTimer()
{
    AnimationStepOf(1);
    AnimationStepOf(2);
}

// The side's own turning frames, then the other side's, then back to its own first frame.
void TFormSelectBoard::AnimationStepOf(int side)
{
    const int i = SideIndex(side);
    if (animationFlag_[i] == 0)
        return;
    const int frames = style_->FrameCount(side);
    const int kind = currentKind_[i];
    int& step = animationStep_[i];
    if (step < frames) {
        ShowPiece(side, side, kind, step);
        ++step;
        return;
    }
    ShowPiece(side, 3 - side, kind, step - frames);
    ++step;
    if (step >= 2 * frames) {
        ShowPiece(side, side, kind, 0);
        step = 0;
        animationFlag_[i] = 0;
    }
}

void TFormSelectBoard::BitBtnOkClick()
{
    EnterProgramDir();
    WindowsIni settings = Settings::Open();
    const bool stored = Settings::SetText(settings, Settings::kKeyDefaultBoardSet, setName_) == 0
        && Settings::SetText(settings, Settings::kKeyDefaultBoardName, section_) == 0;
    if (!stored || Settings::Save(settings) != 0) {
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        tr("設定ファイル「%1」に書き込めませんでした。")
                            .arg(QDir::current().absoluteFilePath(QString::fromLatin1(Settings::kFileName))),
                        QMessageBox::Ok, this);
        ModalHost::ShowModal(box);
        return;
    }
    Timer->stop();
    done(kModalOk);
}

void TFormSelectBoard::BitBtnCancelClick()
{
    Timer->stop();
    done(kModalCancel);
}

void TFormSelectBoard::reject()
{
    BitBtnCancelClick();
}
