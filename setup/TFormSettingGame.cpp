#include "setup/TFormSettingGame.h"

#include "pictures/PictureLoader.h"
#include "platform/AtomicFile.h"
#include "platform/BusyCursor.h"
#include "platform/FileDialogs.h"
#include "platform/HostPath.h"
#include "platform/ModalHost.h"
#include "platform/ModalResult.h"
#include "platform/TextCodec.h"
#include "pictures/UserPictureCopy.h"
#include "setup/Language.h"
#include "setup/SetArchive.h"
#include "setup/SetReferences.h"
#include "setup/TFormInputSetName.h"

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

namespace {

constexpr char kSetNameKey[] = "Name";
constexpr char kLogoFile[] = "Picture\\Logo.bmp";
constexpr int kBaseTimerStepMax = 999;
// The longest file name most host file systems take, less the room the
// temporary file of an atomic write needs beside it.
constexpr std::size_t kHostNameBytes = 255 - 24;
// Only the first characters of the base timer's text count.
constexpr int kBaseTimerScanChars = 256;
constexpr int kButtonWidth = 64;
constexpr int kListWidth = 168;
constexpr int kListHeight = 116;
constexpr int kOkWidth = 96;

// Characters the INI syntax or file names cannot carry, line breaks aside.
const QString kRefusedCharacters = QStringLiteral(",;!=[]\\/:*?\"<>|");

QString Ui(const std::string& cp932)
{
    return TextCodec::ToUi(cp932);
}

QByteArray Bytes(const std::string& cp932)
{
    return QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size()));
}

std::string ItemBytes(const QVariant& data)
{
    const QByteArray bytes = data.toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A long name is shown cut with an ellipsis, whole in its tip, and never widens the window.
void AppendItem(QListWidget* list, const std::string& name)
{
    const QString text = Ui(name);
    auto* item = new QListWidgetItem(list->fontMetrics().elidedText(text, Qt::ElideRight, kListWidth - 12), list);
    item->setData(Qt::UserRole, Bytes(name));
    item->setToolTip(text);
}

void AppendItem(QComboBox* box, const std::string& name)
{
    box->addItem(Ui(name), Bytes(name));
    box->setItemData(box->count() - 1, Ui(name), Qt::ToolTipRole);
}

// Digits typed after a value stop growing it at the limit, whatever the value was.
int AppendDigit(int value, int digit, int limit)
{
    if (value >= limit || value > (limit - digit) / 10)
        return limit;
    return value * 10 + digit;
}

// "Extra.tsb" gives "Extra_2.tsb" for number 2.
std::string NumberedName(const std::string& baseName, int number)
{
    const std::size_t dot = baseName.rfind('.');
    const std::size_t stemEnd = dot == std::string::npos || dot == 0 ? baseName.size() : dot;
    return baseName.substr(0, stemEnd) + "_" + std::to_string(number) + baseName.substr(stemEnd);
}

bool ReadBytes(const std::string& hostPath, std::string* bytes)
{
    std::ifstream in(hostPath, std::ios::binary);
    if (!in)
        return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool SameFile(const std::string& hostPathA, const std::string& hostPathB)
{
    std::error_code error;
    return std::filesystem::equivalent(hostPathA, hostPathB, error);
}

bool Exists(const std::string& hostPath)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(hostPath, error));
}

QString CharacterName(QChar c)
{
    if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
        return QCoreApplication::translate("TFormSettingGame", "改行");
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        return QCoreApplication::translate("TFormSettingGame", "制御文字");
    return QCoreApplication::translate("TFormSettingGame", "「%1」").arg(c);
}

}  // namespace

TFormSettingGame::TFormSettingGame(TFormInputSetName& inputSetName, QWidget* parent)
    : QDialog(parent), inputSetName_(inputSetName)
{
    setObjectName(QStringLiteral("FormSettingGame"));
    setWindowTitle(tr("テセラ／ゲーム設定"));
    QFont font(QStringLiteral("IPAGothic"), 9);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    BuildWindow();
    FormCreate();
}

TFormSettingGame::~TFormSettingGame() = default;

QGroupBox* TFormSettingGame::BuildSetGroup(const QString& title, const QString& caption, QLabel** label,
                                           QListWidget** list, QPushButton** newButton, QPushButton** addButton,
                                           QPushButton** deleteButton, QPushButton** modifyButton,
                                           QPushButton** exportButton)
{
    auto* group = new QGroupBox(title, this);
    *label = new QLabel(caption, group);
    *list = new QListWidget(group);
    (*list)->setSelectionMode(QAbstractItemView::SingleSelection);
    (*list)->setMinimumWidth(kListWidth);
    (*list)->setFixedHeight(kListHeight);
    (*label)->setBuddy(*list);

    *newButton = new QPushButton(tr("新規"), group);
    *addButton = new QPushButton(tr("追加"), group);
    *deleteButton = new QPushButton(tr("削除"), group);
    *modifyButton = new QPushButton(tr("設定", "edit the selected set"), group);
    *exportButton = new QPushButton(tr("書き出し"), group);
    (*exportButton)->setToolTip(tr("選んだセットを、使っている絵と一緒に一つの ZIP ファイルに書き出します"));
    (*addButton)->setToolTip(tr("セットファイル、または書き出した ZIP ファイルを登録します"));

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    for (QPushButton* button : {*newButton, *addButton, *deleteButton, *modifyButton, *exportButton}) {
        button->setFixedWidth(kButtonWidth);
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(4);
    layout->addWidget(*label, 0, 0);
    layout->addWidget(*list, 1, 0);
    layout->addLayout(buttons, 1, 1);
    return group;
}

void TFormSettingGame::BuildWindow()
{
    GroupBoxSettingGame = new QGroupBox(tr("[設定]"), this);
    GroupBoxSettingGame->setObjectName(QStringLiteral("GroupBoxSettingGame"));
    LabelBaseTimer = new QLabel(tr("ベースタイマ："), GroupBoxSettingGame);
    LabelBaseTimer->setObjectName(QStringLiteral("LabelBaseTimer"));
    EditBaseTimer = new QLineEdit(GroupBoxSettingGame);
    EditBaseTimer->setObjectName(QStringLiteral("EditBaseTimer"));
    EditBaseTimer->setAttribute(Qt::WA_InputMethodEnabled, false);
    EditBaseTimer->setInputMethodHints(Qt::ImhDigitsOnly);
    EditBaseTimer->setAlignment(Qt::AlignRight);
    EditBaseTimer->setFixedWidth(64);
    LabelBaseTimer->setBuddy(EditBaseTimer);
    UpDownBaseTimer = new QSpinBox(GroupBoxSettingGame);
    UpDownBaseTimer->setObjectName(QStringLiteral("UpDownBaseTimer"));
    UpDownBaseTimer->setRange(0, kBaseTimerStepMax);
    UpDownBaseTimer->setWrapping(false);
    // Only its arrows show: the edit beside it holds the text.
    UpDownBaseTimer->setFocusPolicy(Qt::NoFocus);
    UpDownBaseTimer->setFixedSize(18, EditBaseTimer->sizeHint().height());
    if (auto* inner = UpDownBaseTimer->findChild<QLineEdit*>())
        inner->setVisible(false);

    CheckBoxAnimation = new QCheckBox(tr("コマのアニメーション表示をする"), GroupBoxSettingGame);
    CheckBoxAnimation->setObjectName(QStringLiteral("CheckBoxAnimation"));
    CheckBoxAutoPass = new QCheckBox(tr("パスを自動的に行う"), GroupBoxSettingGame);
    CheckBoxAutoPass->setObjectName(QStringLiteral("CheckBoxAutoPass"));
    CheckBoxRandomBoard = new QCheckBox(tr("ゲーム毎にボードを変える"), GroupBoxSettingGame);
    CheckBoxRandomBoard->setObjectName(QStringLiteral("CheckBoxRandomBoard"));
    CheckBoxRandomBoard2 = new QCheckBox(tr("ボードセット内のみ有効"), GroupBoxSettingGame);
    CheckBoxRandomBoard2->setObjectName(QStringLiteral("CheckBoxRandomBoard2"));
    ComboBoxRandomBoard2 = new QComboBox(GroupBoxSettingGame);
    ComboBoxRandomBoard2->setObjectName(QStringLiteral("ComboBoxRandomBoard2"));
    ComboBoxRandomBoard2->setEditable(true);
    ComboBoxRandomBoard2->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxRandomBoard2->setMinimumWidth(170);
    ComboBoxRandomBoard2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBoxRandomBoard2->setMinimumContentsLength(12);
    ComboBoxRandomBoard2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    CheckBoxRandomBoard3 = new QCheckBox(tr("ピクチャータイプのみ変える"), GroupBoxSettingGame);
    CheckBoxRandomBoard3->setObjectName(QStringLiteral("CheckBoxRandomBoard3"));

    auto* timerRow = new QHBoxLayout;
    timerRow->setSpacing(2);
    timerRow->addWidget(LabelBaseTimer);
    timerRow->addSpacing(4);
    timerRow->addWidget(EditBaseTimer);
    timerRow->addWidget(UpDownBaseTimer);
    timerRow->addStretch();

    constexpr int kIndent = 22;
    auto* options = new QGridLayout(GroupBoxSettingGame);
    options->setContentsMargins(12, 8, 12, 10);
    options->setHorizontalSpacing(24);
    options->setVerticalSpacing(6);
    options->addLayout(timerRow, 0, 0);
    options->addWidget(CheckBoxAnimation, 1, 0);
    options->addWidget(CheckBoxAutoPass, 2, 0);
    options->addWidget(CheckBoxRandomBoard, 0, 1, 1, 2);
    auto* random2Row = new QHBoxLayout;
    random2Row->setSpacing(8);
    random2Row->addSpacing(kIndent);
    random2Row->addWidget(CheckBoxRandomBoard2);
    random2Row->addWidget(ComboBoxRandomBoard2, 1);
    options->addLayout(random2Row, 1, 1);
    auto* random3Row = new QHBoxLayout;
    random3Row->addSpacing(kIndent);
    random3Row->addWidget(CheckBoxRandomBoard3);
    random3Row->addStretch();
    options->addLayout(random3Row, 2, 1);
    options->setColumnStretch(1, 1);

    GroupBoxBoardMarks = new QGroupBox(tr("[盤面の表示]"), this);
    GroupBoxBoardMarks->setObjectName(QStringLiteral("GroupBoxBoardMarks"));
    CheckBoxShowLegalMoves = new QCheckBox(tr("打てるマスを表示する"), GroupBoxBoardMarks);
    CheckBoxShowLegalMoves->setObjectName(QStringLiteral("CheckBoxShowLegalMoves"));
    CheckBoxShowLastMove = new QCheckBox(tr("最後の手を表示する"), GroupBoxBoardMarks);
    CheckBoxShowLastMove->setObjectName(QStringLiteral("CheckBoxShowLastMove"));
    CheckBoxShowCoordinates = new QCheckBox(tr("座標を表示する"), GroupBoxBoardMarks);
    CheckBoxShowCoordinates->setObjectName(QStringLiteral("CheckBoxShowCoordinates"));
    auto* marks = new QHBoxLayout(GroupBoxBoardMarks);
    marks->setContentsMargins(12, 8, 12, 10);
    marks->setSpacing(24);
    marks->addWidget(CheckBoxShowLegalMoves);
    marks->addWidget(CheckBoxShowLastMove);
    marks->addWidget(CheckBoxShowCoordinates);
    marks->addStretch();

    GroupBoxLanguage = new QGroupBox(tr("[言語]"), this);
    GroupBoxLanguage->setObjectName(QStringLiteral("GroupBoxLanguage"));
    ComboBoxLanguage = new QComboBox(GroupBoxLanguage);
    ComboBoxLanguage->setObjectName(QStringLiteral("ComboBoxLanguage"));
    // Each language is named in itself, so it can be found whatever the interface speaks now.
    ComboBoxLanguage->addItem(tr("自動（システムの言語）"), QString::fromLatin1(Language::kAuto));
    ComboBoxLanguage->addItem(QString::fromUtf8("日本語"), QString::fromLatin1(Language::kJapanese));
    ComboBoxLanguage->addItem(QStringLiteral("English"), QString::fromLatin1(Language::kEnglish));
    LabelLanguageNote = new QLabel(tr("次に起動したときから切り替わります"), GroupBoxLanguage);
    LabelLanguageNote->setObjectName(QStringLiteral("LabelLanguageNote"));
    auto* language = new QHBoxLayout(GroupBoxLanguage);
    language->setContentsMargins(12, 8, 12, 10);
    language->setSpacing(12);
    language->addWidget(ComboBoxLanguage);
    language->addWidget(LabelLanguageNote);
    language->addStretch();

    GroupBoxBoardSetting = BuildSetGroup(tr("[ボードセット]"), tr("登録しているボードセット"),
                                         &LabelBoardSet, &ListBoxBoardSet, &ButtonNewBoardSet, &ButtonAddBoardSet,
                                         &ButtonDeleteBoardSet, &ButtonModifyBoardSet, &ButtonExportBoardSet);
    GroupBoxBoardSetting->setObjectName(QStringLiteral("GroupBoxBoardSetting"));
    LabelBoardSet->setObjectName(QStringLiteral("LabelBoardSet"));
    ListBoxBoardSet->setObjectName(QStringLiteral("ListBoxBoardSet"));
    ButtonNewBoardSet->setObjectName(QStringLiteral("ButtonNewBoardSet"));
    ButtonAddBoardSet->setObjectName(QStringLiteral("ButtonAddBoardSet"));
    ButtonDeleteBoardSet->setObjectName(QStringLiteral("ButtonDeleteBoardSet"));
    ButtonModifyBoardSet->setObjectName(QStringLiteral("ButtonModifyBoardSet"));
    ButtonExportBoardSet->setObjectName(QStringLiteral("ButtonExportBoardSet"));

    GroupBoxPlayerSet = BuildSetGroup(tr("[プレーヤセット]"), tr("登録しているプレーヤセット"),
                                      &LabelPlayerSet, &ListBoxPlayerSet, &ButtonNewPlayerSet, &ButtonAddPlayerSet,
                                      &ButtonDeletePlayerSet, &ButtonModifyPlayerSet, &ButtonExportPlayerSet);
    GroupBoxPlayerSet->setObjectName(QStringLiteral("GroupBoxPlayerSet"));
    LabelPlayerSet->setObjectName(QStringLiteral("LabelPlayerSet"));
    ListBoxPlayerSet->setObjectName(QStringLiteral("ListBoxPlayerSet"));
    ButtonNewPlayerSet->setObjectName(QStringLiteral("ButtonNewPlayerSet"));
    ButtonAddPlayerSet->setObjectName(QStringLiteral("ButtonAddPlayerSet"));
    ButtonDeletePlayerSet->setObjectName(QStringLiteral("ButtonDeletePlayerSet"));
    ButtonModifyPlayerSet->setObjectName(QStringLiteral("ButtonModifyPlayerSet"));
    ButtonExportPlayerSet->setObjectName(QStringLiteral("ButtonExportPlayerSet"));

    ImageTS = new QLabel(this);
    ImageTS->setObjectName(QStringLiteral("ImageTS"));
    ImageTS->setFixedSize(32, 32);
    ImageTS->setScaledContents(true);
    // No address until Tessella has a web page of its own.
    LabelURL = new QLabel(QStringLiteral("Tessella"), this);
    LabelURL->setObjectName(QStringLiteral("LabelURL"));
    LabelURL->setTextInteractionFlags(Qt::TextSelectableByMouse);

    BitBtnOk = new QPushButton(tr("設定", "save the settings"), this);
    BitBtnOk->setObjectName(QStringLiteral("BitBtnOk"));
    BitBtnOk->setDefault(true);
    BitBtnOk->setFixedWidth(kOkWidth);
    BitBtnCancel = new QPushButton(tr("キャンセル"), this);
    BitBtnCancel->setObjectName(QStringLiteral("BitBtnCancel"));
    BitBtnCancel->setAutoDefault(false);
    BitBtnCancel->setFixedWidth(kOkWidth);

    auto* setGroups = new QHBoxLayout;
    setGroups->setSpacing(10);
    setGroups->addWidget(GroupBoxBoardSetting);
    setGroups->addWidget(GroupBoxPlayerSet);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    bottom->addWidget(ImageTS);
    bottom->addWidget(LabelURL);
    bottom->addStretch();
    bottom->addWidget(BitBtnOk);
    bottom->addWidget(BitBtnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(GroupBoxSettingGame);
    layout->addWidget(GroupBoxBoardMarks);
    layout->addWidget(GroupBoxLanguage);
    layout->addLayout(setGroups);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(EditBaseTimer, &QLineEdit::textChanged, this, &TFormSettingGame::EditBaseTimerChange);
    connect(UpDownBaseTimer, &QSpinBox::valueChanged, this, &TFormSettingGame::UpDownBaseTimerClick);
    connect(CheckBoxRandomBoard, &QCheckBox::clicked, this, &TFormSettingGame::CheckBoxRandomBoardClick);
    connect(CheckBoxRandomBoard2, &QCheckBox::clicked, this, &TFormSettingGame::CheckBoxRandomBoard2Click);
    connect(CheckBoxRandomBoard3, &QCheckBox::clicked, this, &TFormSettingGame::CheckBoxRandomBoard3Click);
    connect(ListBoxBoardSet, &QListWidget::itemSelectionChanged, this, &TFormSettingGame::ListBoxBoardSetClick);
    connect(ListBoxPlayerSet, &QListWidget::itemSelectionChanged, this, &TFormSettingGame::ListBoxPlayerSetClick);
    connect(ButtonNewBoardSet, &QPushButton::clicked, this, &TFormSettingGame::ButtonNewBoardSetClick);
    connect(ButtonNewPlayerSet, &QPushButton::clicked, this, &TFormSettingGame::ButtonNewPlayerSetClick);
    connect(ButtonAddBoardSet, &QPushButton::clicked, this, &TFormSettingGame::ButtonAddBoardSetClick);
    connect(ButtonAddPlayerSet, &QPushButton::clicked, this, &TFormSettingGame::ButtonAddPlayerSetClick);
    connect(ButtonDeleteBoardSet, &QPushButton::clicked, this, &TFormSettingGame::ButtonDeleteBoardSetClick);
    connect(ButtonDeletePlayerSet, &QPushButton::clicked, this, &TFormSettingGame::ButtonDeletePlayerSetClick);
    connect(ButtonModifyBoardSet, &QPushButton::clicked, this, &TFormSettingGame::ButtonModifyBoardSetClick);
    connect(ButtonModifyPlayerSet, &QPushButton::clicked, this, &TFormSettingGame::ButtonModifyPlayerSetClick);
    connect(ButtonExportBoardSet, &QPushButton::clicked, this, &TFormSettingGame::ButtonExportBoardSetClick);
    connect(ButtonExportPlayerSet, &QPushButton::clicked, this, &TFormSettingGame::ButtonExportPlayerSetClick);
    connect(BitBtnOk, &QPushButton::clicked, this, &TFormSettingGame::BitBtnOkClick);
    connect(BitBtnCancel, &QPushButton::clicked, this, &TFormSettingGame::BitBtnCancelClick);
}

void TFormSettingGame::SetBoardEditor(std::function<void()> editor)
{
    boardEditor_ = std::move(editor);
    ButtonModifyBoardSet->setEnabled(static_cast<bool>(boardEditor_));
}

void TFormSettingGame::SetPlayerEditor(std::function<void()> editor)
{
    playerEditor_ = std::move(editor);
    ButtonModifyPlayerSet->setEnabled(static_cast<bool>(playerEditor_));
}

QString TFormSettingGame::FollowRenumbering(Settings::SetKind kind, const std::string& setName,
                                            const SetEntries::Renumbering& renumbering)
{
    ReturnToProgramDir();
    // The file at once, since the set file has already changed; the held copy for OK.
    std::vector<SetReferences::Change> changes;
    const int written = SetReferences::Update(kind, setName, renumbering, &changes);
    if (settings_)
        SetReferences::Apply(*settings_, kind, setName, renumbering);
    QString notice = SetReferences::Describe(changes);
    if (written != 0)
        notice += tr("\n%1 に書き込めませんでした。").arg(QString::fromLatin1(Settings::kFileName));
    return notice.trimmed();
}

void TFormSettingGame::FormCreate()
{
    programDir_ = QDir::currentPath();
    ButtonModifyBoardSet->setEnabled(static_cast<bool>(boardEditor_));
    ButtonModifyPlayerSet->setEnabled(static_cast<bool>(playerEditor_));
    const QImage logo = PictureLoader::LoadStored(kLogoFile);
    if (!logo.isNull())
        ImageTS->setPixmap(QPixmap::fromImage(logo));
    LoadSettings(Settings::Open());
}

void TFormSettingGame::FormShow()
{
    ReturnToProgramDir();
    newFiles_.clear();
    settings_ = Settings::Open();
    LoadSettings(*settings_);
}

void TFormSettingGame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
}

void TFormSettingGame::LoadSettings(const WindowsIni& settings)
{
    const QSignalBlocker blockBoards(ListBoxBoardSet);
    const QSignalBlocker blockPlayers(ListBoxPlayerSet);
    const QSignalBlocker blockBox(ComboBoxRandomBoard2);
    const QSignalBlocker blockEdit(EditBaseTimer);
    const QSignalBlocker blockUpDown(UpDownBaseTimer);

    ListBoxBoardSet->clear();
    ComboBoxRandomBoard2->clear();
    for (const Settings::SetEntry& entry : Settings::Registry(settings, Settings::SetKind::Board)) {
        if (entry.name != Settings::kStandardSetName)
            AppendItem(ListBoxBoardSet, entry.name);
        AppendItem(ComboBoxRandomBoard2, entry.name);
    }
    randomBoxLoaded_ = Settings::Text(settings, Settings::kKeyDefaultBoardSet);
    ComboBoxRandomBoard2->setCurrentIndex(ComboBoxRandomBoard2->findData(Bytes(randomBoxLoaded_)));
    ComboBoxRandomBoard2->setEditText(Ui(randomBoxLoaded_));
    boardSetName_ = randomBoxLoaded_;

    ListBoxPlayerSet->clear();
    for (const Settings::SetEntry& entry : Settings::Registry(settings, Settings::SetKind::Player)) {
        if (entry.name != Settings::kStandardSetName)
            AppendItem(ListBoxPlayerSet, entry.name);
    }

    baseTimer_ = Settings::BaseTimer(settings);
    EditBaseTimer->setText(QString::number(baseTimer_));
    UpDownBaseTimer->setValue(baseTimer_);

    animation_ = Settings::Switch(settings, Settings::kKeyAnimation) ? 1 : 0;
    CheckBoxAnimation->setChecked(animation_ == 1);
    autoPass_ = Settings::AutoPass(settings) ? 1 : 0;
    CheckBoxAutoPass->setChecked(autoPass_ == 1);
    randomBoard_ = Settings::Switch(settings, Settings::kKeyRandomBoard) ? 1 : 0;
    randomBoard2_ = Settings::Switch(settings, Settings::kKeyRandomBoard2) ? 1 : 0;
    randomBoard3_ = Settings::Switch(settings, Settings::kKeyRandomBoard3) ? 1 : 0;
    CheckBoxRandomBoard->setChecked(randomBoard_ == 1);
    CheckBoxRandomBoard2->setChecked(randomBoard2_ == 1);
    CheckBoxRandomBoard3->setChecked(randomBoard3_ == 1);
    const Settings::MarkOptions marks = Settings::ReadMarkOptions(settings);
    CheckBoxShowLegalMoves->setChecked(marks.legalMoves);
    CheckBoxShowLastMove->setChecked(marks.lastMove);
    CheckBoxShowCoordinates->setChecked(marks.coordinates);
    const int language =
        ComboBoxLanguage->findData(QString::fromStdString(Settings::Text(settings, Settings::kKeyLanguage)));
    ComboBoxLanguage->setCurrentIndex(language < 0 ? 0 : language);
    ApplyRandomBoardEnabling(false);
}

void TFormSettingGame::ApplyRandomBoardEnabling(bool afterClick)
{
    const bool random = CheckBoxRandomBoard->isChecked();
    const bool withinSet = CheckBoxRandomBoard2->isChecked();
    const bool pictureOnly = CheckBoxRandomBoard3->isChecked();
    CheckBoxRandomBoard2->setEnabled(random && !pictureOnly);
    CheckBoxRandomBoard3->setEnabled(random && !withinSet);
    // Both narrowing options on comes only from an edited file; a click on the first box then frees the set box.
    ComboBoxRandomBoard2->setEnabled(random && withinSet && (!pictureOnly || afterClick));
}

void TFormSettingGame::EditBaseTimerChange()
{
    const QString text = EditBaseTimer->text();
    int value = 0;
    const qsizetype scanned = std::min<qsizetype>(text.size(), kBaseTimerScanChars);
    for (qsizetype i = 0; i < scanned; ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            value = AppendDigit(value, c.unicode() - '0', kBaseTimerTypedLimit);
        else
            value = baseTimer_;
    }
    baseTimer_ = value;

    const QString shown = QString::number(value);
    if (text != shown) {
        const QSignalBlocker block(EditBaseTimer);
        EditBaseTimer->setText(shown);
    }
    const QSignalBlocker block(UpDownBaseTimer);
    UpDownBaseTimer->setValue(std::min(value, kBaseTimerStepMax));
}

void TFormSettingGame::UpDownBaseTimerClick()
{
    baseTimer_ = UpDownBaseTimer->value();
    const QSignalBlocker block(EditBaseTimer);
    EditBaseTimer->setText(QString::number(baseTimer_));
}

void TFormSettingGame::CheckBoxRandomBoardClick()
{
    ApplyRandomBoardEnabling(true);
}

void TFormSettingGame::CheckBoxRandomBoard2Click()
{
    ApplyRandomBoardEnabling(true);
}

void TFormSettingGame::CheckBoxRandomBoard3Click()
{
    ApplyRandomBoardEnabling(true);
}

TFormSettingGame::SetKindControls TFormSettingGame::BoardControls()
{
    return {Settings::SetKind::Board,
            ".tsb",
            tr("ボードセットを開く"),
            tr("ボードセットファイル (*.TSB *.tsb);;書き出したセット (*.zip *.ZIP);;全てのファイル (*)"),
            ListBoxBoardSet,
            ComboBoxRandomBoard2,
            &boardSetName_,
            &boardSetFile_,
            &boardEditor_,
            ButtonModifyBoardSet};
}

TFormSettingGame::SetKindControls TFormSettingGame::PlayerControls()
{
    return {Settings::SetKind::Player,
            ".tsp",
            tr("プレーヤーセットを開く"),
            tr("プレーヤセットファイル (*.TSP *.tsp);;書き出したセット (*.zip *.ZIP);;全てのファイル (*)"),
            ListBoxPlayerSet,
            nullptr,
            &playerSetName_,
            &playerSetFile_,
            &playerEditor_,
            ButtonModifyPlayerSet};
}

void TFormSettingGame::ListBoxBoardSetClick()
{
    SelectSet(BoardControls());
}

void TFormSettingGame::ListBoxPlayerSetClick()
{
    SelectSet(PlayerControls());
}

void TFormSettingGame::ButtonNewBoardSetClick()
{
    NewSet(BoardControls());
}

void TFormSettingGame::ButtonNewPlayerSetClick()
{
    NewSet(PlayerControls());
}

void TFormSettingGame::ButtonAddBoardSetClick()
{
    AddSet(BoardControls());
}

void TFormSettingGame::ButtonAddPlayerSetClick()
{
    AddSet(PlayerControls());
}

void TFormSettingGame::ButtonDeleteBoardSetClick()
{
    DeleteSet(BoardControls());
}

void TFormSettingGame::ButtonDeletePlayerSetClick()
{
    DeleteSet(PlayerControls());
}

void TFormSettingGame::ButtonModifyBoardSetClick()
{
    ModifySet(BoardControls());
}

void TFormSettingGame::ButtonModifyPlayerSetClick()
{
    ModifySet(PlayerControls());
}

void TFormSettingGame::ButtonExportBoardSetClick()
{
    ExportSet(BoardControls());
}

void TFormSettingGame::ButtonExportPlayerSetClick()
{
    ExportSet(PlayerControls());
}

void TFormSettingGame::ExportSet(const SetKindControls& set)
{
    const QList<QListWidgetItem*> selected = set.list->selectedItems();
    if (selected.isEmpty())
        return;
    const std::string name = ItemBytes(selected.front()->data(Qt::UserRole));
    const std::optional<std::string> file = Settings::RegisteredFile(SettingsField(), set.kind, name);
    if (!file)
        return;
    ReturnToProgramDir();
    const QString suggested = QDir::home().filePath(UserPictureCopy::SafeFileName(Ui(name)) + QStringLiteral(".zip"));
    QString target = FileDialogs::SaveFile(this, tr("セットを書き出す"),
                                           tr("ZIP ファイル (*.zip)"), suggested);
    ReturnToProgramDir();
    if (target.isEmpty())
        return;
    if (!target.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive))
        target += QStringLiteral(".zip");
    QStringList missing;
    QString reason;
    const int result = SetArchive::Export(*file, target, &missing, &reason);
    ReturnToProgramDir();
    if (result != 0) {
        Inform(tr("セット「%1」を書き出せませんでした（%2）。").arg(Ui(name), reason));
        return;
    }
    QString message = tr("セット「%1」を「%2」に書き出しました。").arg(Ui(name), target);
    if (!missing.isEmpty())
        message += tr("\n読めなかったため入れなかった絵：\n%1").arg(missing.join(QLatin1Char('\n')));
    Inform(message);
}

void TFormSettingGame::ImportSet(const SetKindControls& set, const QString& zipPath)
{
    WindowsIni& settings = SettingsField();
    const auto taken = [&](const std::string& name) {
        return name == Settings::kStandardSetName || Settings::IsRegistered(settings, Settings::SetKind::Board, name)
            || Settings::IsRegistered(settings, Settings::SetKind::Player, name);
    };
    SetArchive::Imported imported;
    QString reason;
    const int result = SetArchive::Import(zipPath, taken, &imported, &reason);
    ReturnToProgramDir();
    if (result != 0) {
        Inform(tr("「%1」は追加できません。何も書き込んでいません。\n%2")
                   .arg(QFileInfo(zipPath).fileName(), reason));
        return;
    }
    if (imported.kind != set.kind) {
        Inform(tr("「%1」は%2のセットなので、そちらの一覧に追加しました。")
                   .arg(QFileInfo(zipPath).fileName(),
                        imported.kind == Settings::SetKind::Board ? tr("ボード") : tr("プレーヤー")));
    }
    const SetKindControls target = imported.kind == Settings::SetKind::Board ? BoardControls() : PlayerControls();
    if (Settings::Register(settings, imported.kind, imported.name, imported.file) != 0) {
        Inform(tr("セット「%1」を登録できませんでした。").arg(Ui(imported.name)));
        return;
    }
    ListNewSet(target, imported.name);
    Inform(tr("セット「%1」を「%2」として、絵 %3 枚と一緒に追加しました。")
               .arg(Ui(imported.name), Ui(imported.file))
               .arg(imported.pictures));
}

void TFormSettingGame::ListNewSet(const SetKindControls& set, const std::string& name)
{
    const QSignalBlocker block(set.list);
    AppendItem(set.list, name);
    if (set.randomBox != nullptr) {
        const QSignalBlocker blockBox(set.randomBox);
        const QString text = set.randomBox->currentText();
        AppendItem(set.randomBox, name);
        set.randomBox->setEditText(text);
    }
}

void TFormSettingGame::SelectSet(const SetKindControls& set)
{
    const QList<QListWidgetItem*> selected = set.list->selectedItems();
    if (selected.isEmpty())
        return;
    *set.name = ItemBytes(selected.front()->data(Qt::UserRole));
    *set.file = Settings::RegisteredFile(SettingsField(), set.kind, *set.name).value_or(std::string());
}

QString TFormSettingGame::NewSetNameProblem(const SetKindControls& set, const std::string& name) const
{
    if (name.empty())
        return tr("セット名が入力されていません。");
    const QString shown = Ui(name);
    if (shown.trimmed().isEmpty())
        return tr("空白だけのセット名は使えません。");
    if (shown.front().isSpace() || shown.back().isSpace())
        return tr("セット名の最初と最後に空白は使えません。");
    // A leading dot would make a hidden file.
    if (shown.front() == QLatin1Char('.'))
        return tr("「.」で始まるセット名は使えません。");
    const std::string file = name + set.extension;
    // The host may keep names in more bytes than CP932 does (three per kanji in UTF-8).
    if (name.size() > kSetNameBytes || HostPath::Plain(file).size() > kHostNameBytes)
        return tr("セット名が長すぎます。もっと短い名前を入力してください。");
    const QString text = Ui(name);
    for (const QChar c : text) {
        if (kRefusedCharacters.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return tr("セット名に%1は使えません。\n"
                                  "次の文字と改行はセット名に使えません：\n, ; ! = [ ] \\ / : * ? \" < > |")
                .arg(CharacterName(c));
    }
    if (name == Settings::kStandardSetName)
        return tr("「%1」は標準セットの名前なので使えません。").arg(text);
    if (Settings::IsRegistered(*settings_, set.kind, name))
        return tr("セット「%1」は既に登録されています。別の名前を入力してください。").arg(text);
    if (Exists(HostPath::ToHost(file)))
        return tr("ファイル「%1」が既にあります。別の名前を入力してください。").arg(Ui(file));
    return QString();
}

void TFormSettingGame::NewSet(const SetKindControls& set)
{
    ReturnToProgramDir();
    SettingsField();
    for (;;) {
        if (ModalHost::ShowModal(inputSetName_) != kModalOk)
            return;
        const std::string name = inputSetName_.GetSetName();
        const QString problem = NewSetNameProblem(set, name);
        if (!problem.isEmpty()) {
            Inform(problem);
            continue;
        }

        const std::string file = name + set.extension;
        WindowsIni setFile(HostPath::ToHost(kTemplateFile));
        setFile.SetValue(Settings::RegistrySection(set.kind), kSetNameKey, name, 0);
        if (setFile.WriteTo(HostPath::Plain(file)) != 0) {
            Inform(tr("セットファイル「%1」を作れませんでした。\n"
                                  "フォルダが書き込み禁止か、ディスクが一杯の可能性があります。")
                       .arg(Ui(file)));
            return;
        }
        if (Settings::Register(*settings_, set.kind, name, file) != 0) {
            Inform(tr("セット「%1」を登録できませんでした。").arg(Ui(name)));
            return;
        }
        NewFile made{HostPath::Plain(file), {}};
        ReadBytes(made.hostName, &made.bytes);
        newFiles_.push_back(std::move(made));
        const QSignalBlocker block(set.list);
        AppendItem(set.list, name);
        if (set.randomBox != nullptr) {
            const QSignalBlocker blockBox(set.randomBox);
            const QString text = set.randomBox->currentText();
            AppendItem(set.randomBox, name);
            set.randomBox->setEditText(text);
        }
        return;
    }
}

bool TFormSettingGame::PlaceInProgramDir(const QString& chosenPath, std::string* stored)
{
    const std::string hostPath = chosenPath.toStdString();
    const QString shownName = QFileInfo(chosenPath).fileName();
    std::string relative;
    // Outside the program folder only the file name is stored, so only it has to fit CP932.
    if (HostPath::ToStored(hostPath, &relative) && !relative.empty() && relative.front() != '\\') {
        if (!Settings::IsStorableValue(relative)) {
            Inform(tr("ファイル名「%1」には , ; ! が含まれているため、登録できません。").arg(shownName));
            return false;
        }
        *stored = relative;
        return true;
    }

    std::string baseName;
    if (!TextCodec::FromUtf8(shownName.toStdString(), &baseName)) {
        Inform(tr("ファイル名「%1」にはシフトJISで表せない文字が含まれているため、登録できません。")
                   .arg(shownName));
        return false;
    }
    if (!Settings::IsStorableValue(baseName)) {
        Inform(tr("ファイル名「%1」には , ; ! が含まれているため、登録できません。").arg(shownName));
        return false;
    }
    std::string chosenBytes;
    if (!ReadBytes(hostPath, &chosenBytes)) {
        Inform(tr("「%1」を読み込めませんでした。").arg(shownName));
        return false;
    }

    // Another file of the same name is never replaced: the copy takes the first free numbered name.
    std::string name = baseName;
    for (int number = 2;; ++number) {
        const std::string target = HostPath::ToHost(name);
        if (!Exists(target))
            break;
        std::string targetBytes;
        if (SameFile(hostPath, target) || (ReadBytes(target, &targetBytes) && targetBytes == chosenBytes)) {
            *stored = name;
            return true;
        }
        name = NumberedName(baseName, number);
    }
    if (AtomicFile::Write(HostPath::Plain(name), chosenBytes) != 0) {
        Inform(tr("「%1」をプログラムのフォルダにコピーできませんでした。\n"
                              "フォルダが書き込み禁止か、ディスクが一杯の可能性があります。")
                   .arg(shownName));
        return false;
    }
    if (name != baseName)
        Inform(tr("プログラムのフォルダには同じ名前の別のファイル「%1」があるため、「%2」としてコピーしました。")
                   .arg(Ui(baseName), Ui(name)));
    *stored = name;
    return true;
}

void TFormSettingGame::AddSet(const SetKindControls& set)
{
    ReturnToProgramDir();
    const QString chosen = FileDialogs::OpenFile(this, set.openTitle, set.openFilter);
    // The open dialog may have moved the working directory.
    ReturnToProgramDir();
    if (chosen.isEmpty())
        return;
    if (chosen.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive)) {
        ImportSet(set, chosen);
        return;
    }
    const QString path = QFileInfo(chosen).absoluteFilePath();
    const QString shownName = QFileInfo(chosen).fileName();
    const char* section = Settings::RegistrySection(set.kind);

    WindowsIni setFile(path.toStdString());
    const std::string* found = setFile.FindValue(section, kSetNameKey, 0);
    if (found == nullptr || found->empty()) {
        Inform(tr("「%1」にはセット名（[%2] の Name）が書かれていないため、登録できません。")
                   .arg(shownName, QString::fromLatin1(section)));
        return;
    }
    const std::string name = *found;
    if (Settings::IsRegistered(SettingsField(), set.kind, name)) {
        Inform(tr("セット「%1」は既に登録されています。").arg(Ui(name)));
        return;
    }
    if (!Settings::IsStorableSetName(name)) {
        Inform(tr("セット名「%1」は = や [ を含むため、登録できません。").arg(Ui(name)));
        return;
    }

    std::string stored;
    if (!PlaceInProgramDir(path, &stored))
        return;
    if (Settings::Register(*settings_, set.kind, name, stored) != 0) {
        Inform(tr("セット「%1」を登録できませんでした。").arg(Ui(name)));
        return;
    }
    const QSignalBlocker block(set.list);
    AppendItem(set.list, name);
    if (set.randomBox != nullptr) {
        const QSignalBlocker blockBox(set.randomBox);
        const QString text = set.randomBox->currentText();
        AppendItem(set.randomBox, name);
        set.randomBox->setEditText(text);
    }
}

void TFormSettingGame::DeleteSet(const SetKindControls& set)
{
    const QList<QListWidgetItem*> selected = set.list->selectedItems();
    if (selected.isEmpty())
        return;
    QListWidgetItem* item = selected.front();
    const std::string name = ItemBytes(item->data(Qt::UserRole));
    if (name == Settings::kStandardSetName)
        return;

    const bool inUse = !Settings::UsesOf(SettingsField(), set.kind, name).empty();
    if (inUse
        && !AskYesNo(tr("セット「%1」は今の設定で使われています。\n"
                                    "削除すると、その設定は標準セットに戻ります。削除しますか？")
                         .arg(Ui(name))))
        return;

    if (set.randomBox != nullptr) {
        QComboBox* box = set.randomBox;
        const QSignalBlocker block(box);
        const int index = box->findData(Bytes(name));
        if (index >= 0) {
            const QString text = box->currentText();
            const bool shown = text == Ui(name);
            box->removeItem(index);
            if (inUse) {
                // The set the settings used is now the standard one, here too.
                const int standard = box->findData(Bytes(Settings::kStandardSetName));
                box->setCurrentIndex(standard);
                box->setEditText(Ui(Settings::kStandardSetName));
            } else if (shown) {
                // The item before it, or the one now first when it was first.
                const int next = index > 0 ? index - 1 : (box->count() > 0 ? 0 : -1);
                box->setCurrentIndex(next);
                box->setEditText(next >= 0 ? box->itemText(next) : QString());
            } else {
                box->setEditText(text);
            }
        }
    }

    Settings::ResetUsesToStandard(SettingsField(), set.kind, name);
    Settings::Unregister(SettingsField(), set.kind, name);
    const QSignalBlocker block(set.list);
    delete set.list->takeItem(set.list->row(item));
    // Nothing stays selected, so Delete and Modify never act on a set that was not clicked.
    set.list->clearSelection();
    set.list->setCurrentRow(-1);
}

void TFormSettingGame::ModifySet(const SetKindControls& set)
{
    if (!*set.editor)
        return;
    const QList<QListWidgetItem*> selected = set.list->selectedItems();
    if (selected.isEmpty())
        return;
    if (ItemBytes(selected.front()->data(Qt::UserRole)) == Settings::kStandardSetName)
        return;
    SelectSet(set);
    (*set.editor)();
    ReturnToProgramDir();
}

bool TFormSettingGame::RandomBoxName(std::string* name) const
{
    const QString text = ComboBoxRandomBoard2->currentText();
    const int index = ComboBoxRandomBoard2->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        *name = ItemBytes(ComboBoxRandomBoard2->itemData(index));
        return true;
    }
    if (text == Ui(randomBoxLoaded_)) {
        *name = randomBoxLoaded_;
        return true;
    }
    return TextCodec::FromUi(text, name);
}

void TFormSettingGame::BitBtnOkClick()
{
    std::string boardSetName = boardSetName_;
    if (CheckBoxRandomBoard2->isChecked()) {
        if (!RandomBoxName(&boardSetName)) {
            Inform(tr("ボードセット名にシフトJISで表せない文字が含まれています。"));
            return;
        }
        if (!Settings::IsStorableValue(boardSetName)) {
            Inform(tr("ボードセット名に , ; ! や改行は使えません。"));
            return;
        }
    }
    if (!SaveSettings(boardSetName))
        return;
    newFiles_.clear();
    done(kModalOk);
    settings_.reset();
}

bool TFormSettingGame::SaveSettings(const std::string& boardSetName)
{
    WindowsIni& settings = SettingsField();
    const bool animation = CheckBoxAnimation->isChecked();
    const bool autoPass = CheckBoxAutoPass->isChecked();
    const bool random = CheckBoxRandomBoard->isChecked();
    const bool withinSet = CheckBoxRandomBoard2->isChecked();
    const bool pictureOnly = CheckBoxRandomBoard3->isChecked();

    // Kept so that a write that fails leaves the dialog's copy as the file is.
    struct Before {
        const char* key;
        std::optional<std::string> value;
    };
    std::vector<Before> before;
    for (const char* key : {Settings::kKeyBaseTimer.name, Settings::kKeyAnimation.name, Settings::kKeyPass.name,
                            Settings::kKeyRandomBoard.name, Settings::kKeyRandomBoard2.name,
                            Settings::kKeyDefaultBoardSet.name, Settings::kKeyRandomBoard3.name,
                            Settings::kKeyShowLegalMoves.name, Settings::kKeyShowLastMove.name,
                            Settings::kKeyShowCoordinates.name, Settings::kKeyLanguage.name}) {
        const std::string* value = settings.FindValue(Settings::kSectionTessella, key, 0);
        before.push_back({key, value ? std::optional<std::string>(*value) : std::nullopt});
    }

    int written = 0;
    {
        const BusyCursor busy;
        ReturnToProgramDir();
        Settings::SetBaseTimer(settings, baseTimer_);
        Settings::SetSwitch(settings, Settings::kKeyAnimation, animation);
        Settings::SetAutoPass(settings, autoPass);
        Settings::SetSwitch(settings, Settings::kKeyRandomBoard, random);
        Settings::SetSwitch(settings, Settings::kKeyRandomBoard2, withinSet);
        if (withinSet)
            Settings::SetText(settings, Settings::kKeyDefaultBoardSet, boardSetName);
        Settings::SetSwitch(settings, Settings::kKeyRandomBoard3, pictureOnly);
        Settings::SetMarkOptions(settings, {CheckBoxShowLegalMoves->isChecked(), CheckBoxShowLastMove->isChecked(),
                                            CheckBoxShowCoordinates->isChecked()});
        Settings::SetText(settings, Settings::kKeyLanguage, ComboBoxLanguage->currentData().toString().toStdString());
        written = Settings::Save(settings);
    }
    if (written != 0) {
        for (const Before& key : before) {
            if (key.value)
                settings.SetValue(Settings::kSectionTessella, key.key, *key.value, 0);
            else
                settings.Remove(Settings::kSectionTessella, key.key);
        }
        Inform(tr("設定ファイル「%1」に書き込めませんでした。\n"
                              "フォルダが書き込み禁止か、ディスクが一杯の可能性があります。")
                   .arg(QString::fromLatin1(Settings::kFileName)));
        return false;
    }

    animation_ = animation ? 1 : 0;
    autoPass_ = autoPass ? 1 : 0;
    randomBoard_ = random ? 1 : 0;
    randomBoard2_ = withinSet ? 1 : 0;
    randomBoard3_ = pictureOnly ? 1 : 0;
    if (withinSet)
        boardSetName_ = boardSetName;
    return true;
}

void TFormSettingGame::BitBtnCancelClick()
{
    // The sets made by New in this showing go with their registration.
    ReturnToProgramDir();
    QStringList edited;
    for (const NewFile& file : newFiles_) {
        // A set changed in its editor since New made it is the user's work: it stays, unregistered.
        std::string bytes;
        if (ReadBytes(file.hostName, &bytes) && bytes != file.bytes) {
            edited << QString::fromStdString(file.hostName);
            continue;
        }
        std::error_code error;
        std::filesystem::remove(file.hostName, error);
    }
    newFiles_.clear();
    if (!edited.isEmpty())
        Inform(tr("新規に作って編集したセットファイルは、登録せずに残しました（「追加」で登録できます）。\n%1")
                   .arg(edited.join(QLatin1Char('\n'))));
    LoadSettings(SettingsField());
    done(kModalCancel);
    settings_.reset();
}

void TFormSettingGame::reject()
{
    BitBtnCancelClick();
}

WindowsIni& TFormSettingGame::SettingsField()
{
    if (!settings_) {
        ReturnToProgramDir();
        settings_ = Settings::Open();
    }
    return *settings_;
}

void TFormSettingGame::ReturnToProgramDir() const
{
    QDir::setCurrent(programDir_);
}

void TFormSettingGame::Inform(const QString& message)
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    ModalHost::ShowModal(box);
}

bool TFormSettingGame::AskYesNo(const QString& question)
{
    QMessageBox box(QMessageBox::Question, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    const int answer = ModalHost::ShowModal(box);
    // A person answers with the box's own button codes, a test responder with the modal results.
    return answer == kModalYes || answer == QMessageBox::Yes;
}
