#include "app/TFormMain.h"

#include "app/BoardView.h"
#include "app/PreparedDemoBoards.h"
#include "app/TFormHelp.h"
#include "app/TFormRecord.h"
#include "app/TFormRelease.h"
#include "app/TFormStats.h"
#include "app/TFormTitle.h"
#include "platform/FormWidgets.h"
#include "platform/HostPath.h"
#include "platform/Shell.h"
#include "pictures/PictureLoader.h"
#include "platform/ModalHost.h"
#include "platform/TextCodec.h"
#include "records/GameArchive.h"
#include "setup/Settings.h"
#include "setup/TFormPrepareGame.h"
#include "setup/TFormSettingGame.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr std::size_t kFieldBytes = 256;
constexpr int kFaceSide = 100;

const QColor kPictureBackground(232, 232, 232);

QString CaptionExitMenu()
{
    return QCoreApplication::translate("TFormMain", "テセラの終了");
}

QColor BackgroundOf(GameCycle::PanelColour colour)
{
    switch (colour) {
    case GameCycle::PanelColour::Aqua:
        return {0, 255, 255};
    case GameCycle::PanelColour::Red:
        return {255, 0, 0};
    case GameCycle::PanelColour::Blue:
        return {0, 0, 255};
    case GameCycle::PanelColour::Silver:
        break;
    }
    return {192, 192, 192};
}

// Black reads well on aqua and silver, white on red and blue.
QColor TextOn(GameCycle::PanelColour colour)
{
    return colour == GameCycle::PanelColour::Red || colour == GameCycle::PanelColour::Blue ? QColor(255, 255, 255)
                                                                                          : QColor(0, 0, 0);
}

void SetColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

QLabel* MakeUnframedPicture(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    FormWidgets::SetBackground(label, kPictureBackground);
    return label;
}

void ShowPicture(QLabel* label, const QImage& picture, qint64* shownKey)
{
    const qint64 key = picture.isNull() ? 0 : picture.cacheKey();
    if (key == *shownKey)
        return;
    *shownKey = key;
    if (picture.isNull())
        label->clear();
    else
        label->setPixmap(QPixmap::fromImage(picture));
}

}  // namespace

TFormMain::TFormMain(QWidget* parent)
    : QMainWindow(parent), cycle_(options_, demoBoards_)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(tr("テセラ"));
    QFont font(QStringLiteral("IPAGothic"), 9);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    // Menus are windows of their own and take the font only when told to.
    setAttribute(Qt::WA_WindowPropagation);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    connect(Timer, &QTimer::timeout, this, [this] { cycle_.TimerTimer(); });

    BuildMenus();
    BuildWindow();
    recordWindow_ = new TFormRecord(cycle_, this);
    BuildRecordMenu();
    resize(minimumSizeHint());
    RestorePlace();
    layout()->activate();

    cycle_.SetChangeListener([this](unsigned changes) { CycleChanged(changes); });
    cycle_.SetGameFinishedListener([this](const GameRecord& record) {
        return GameArchive::KeepFinishedGame(record, cycle_.PlayerFor(1), cycle_.PlayerFor(2));
    });
    PictureLoader::SetFailureReporter(
        [this](const QString& path, const QString& reason) { ReportPictureFailure(path, reason); });
    FormCreate();
}

TFormMain::~TFormMain()
{
    PictureLoader::SetFailureReporter({});
    cycle_.SetChangeListener({});
}

QAction* TFormMain::MakeCommand(const char* name, const QString& caption)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QPushButton* TFormMain::MakeButton(QWidget* parent, const char* name, QAction* action, bool sharesCaption)
{
    auto* button = new QPushButton(action->text(), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setEnabled(action->isEnabled());
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button, [button, action, sharesCaption] {
        button->setEnabled(action->isEnabled());
        if (sharesCaption)
            button->setText(action->text());
    });
    return button;
}

void TFormMain::BuildMenus()
{
    MenuPrepare = MakeCommand("MenuPrepare", tr("ゲーム開始"));
    MenuReplay = MakeCommand("MenuReplay", tr("リプレイ"));
    MenuCountinue = MakeCommand("MenuCountinue", tr("中断"));
    MenuPass = MakeCommand("MenuPass", tr("パス"));
    MenuUndo = MakeCommand("MenuUndo", tr("待った"));
    MenuRedo = MakeCommand("MenuRedo", tr("やり直し"));
    MenuHint = MakeCommand("MenuHint", tr("ヒント"));
    MenuSetting = MakeCommand("MenuSetting", tr("環境設定"));
    MenuBorder = MakeCommand("MenuBorder", tr("境界線を隠す"));
    MenuExit = MakeCommand("MenuExit", CaptionExitMenu());
    MenuActionHelp = MakeCommand("MenuActionHelp", tr("テセラとは？"));
    MenuHP = MakeCommand("MenuHP", tr("ホームページ"));
    MenuRelease = MakeCommand("MenuRelease", tr("リリース情報"));
    const struct {
        QAction* action;
        QList<QKeySequence> keys;
    } shortcuts[] = {
        {MenuPrepare, {QKeySequence(Qt::CTRL | Qt::Key_N)}}, {MenuReplay, {QKeySequence(Qt::CTRL | Qt::Key_R)}},
        {MenuCountinue, {QKeySequence(Qt::CTRL | Qt::Key_P)}}, {MenuPass, {QKeySequence(Qt::Key_P)}},
        {MenuSetting, {QKeySequence(Qt::CTRL | Qt::Key_Comma)}}, {MenuBorder, {QKeySequence(Qt::CTRL | Qt::Key_B)}},
        {MenuExit, {QKeySequence(Qt::CTRL | Qt::Key_Q)}}, {MenuActionHelp, {QKeySequence(Qt::Key_F1)}},
        {MenuUndo, {QKeySequence(Qt::CTRL | Qt::Key_Z)}}, {MenuHint, {QKeySequence(Qt::Key_H)}},
        {MenuRedo, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}},
    };
    for (const auto& [action, keys] : shortcuts)
        action->setShortcuts(keys);

    // Their windows are attached or built later; until then the commands cannot run.
    for (QAction* action : {MenuSetting, MenuActionHelp, MenuHP, MenuRelease})
        action->setEnabled(false);
    connect(MenuSetting, &QAction::triggered, this, &TFormMain::ButtonSettingClick);
    connect(MenuRelease, &QAction::triggered, this, &TFormMain::MenuReleaseClick);
    connect(MenuActionHelp, &QAction::triggered, this, &TFormMain::MenuActionHelpClick);
    connect(MenuHP, &QAction::triggered, this, &TFormMain::MenuHPClick);
    MenuActionHelp->setEnabled(true);
    MenuHP->setEnabled(true);

    connect(MenuPrepare, &QAction::triggered, this, &TFormMain::BitBtnPrepareClick);
    connect(MenuReplay, &QAction::triggered, this, [this] { cycle_.BitBtnReplayClick(); });
    connect(MenuCountinue, &QAction::triggered, this, [this] { cycle_.BitBtnCountinueClick(); });
    connect(MenuPass, &QAction::triggered, this, [this] { cycle_.BitBtnPassClick(); });
    connect(MenuUndo, &QAction::triggered, this, [this] { cycle_.MenuUndoClick(); });
    connect(MenuRedo, &QAction::triggered, this, [this] { cycle_.MenuRedoClick(); });
    connect(MenuHint, &QAction::triggered, this, [this] { cycle_.MenuHintClick(); });
    connect(MenuBorder, &QAction::triggered, this, [this] { cycle_.BitBtnBorderClick(); });
    connect(MenuExit, &QAction::triggered, this, &TFormMain::BitBtnExitClick);

    MenuMain = menuBar()->addMenu(tr("メニュー"));
    MenuMain->setObjectName(QStringLiteral("MenuMain"));
    MenuMain->addAction(MenuPrepare);
    MenuMain->addAction(MenuReplay);
    MenuMain->addAction(MenuCountinue);
    MenuMain->addAction(MenuPass);
    MenuMain->addAction(MenuUndo);
    MenuMain->addAction(MenuRedo);
    MenuMain->addAction(MenuHint);
    MenuMain->addSeparator();
    MenuMain->addAction(MenuSetting);
    MenuMain->addAction(MenuBorder);
    MenuMain->addSeparator();
    MenuMain->addAction(MenuExit);

    MenuHelp = menuBar()->addMenu(tr("ヘルプ"));
    MenuHelp->setObjectName(QStringLiteral("MenuHelp"));
    MenuHelp->addAction(MenuActionHelp);
    MenuHelp->addAction(MenuHP);
    MenuHelp->addSeparator();
    MenuHelp->addAction(MenuRelease);
}

void TFormMain::BuildRecordMenu()
{
    MenuRecordWindow = MakeCommand("MenuRecordWindow", tr("棋譜ウィンドウ"));
    MenuRecordWindow->setCheckable(true);
    MenuOpenRecord = MakeCommand("MenuOpenRecord", tr("棋譜を開く..."));
    MenuSaveRecord = MakeCommand("MenuSaveRecord", tr("棋譜を保存..."));
    MenuCopyMoves = MakeCommand("MenuCopyMoves", tr("手順をコピー"));
    MenuPasteMoves = MakeCommand("MenuPasteMoves", tr("手順を貼り付け"));
    MenuStats = MakeCommand("MenuStats", tr("成績"));
    connect(MenuRecordWindow, &QAction::triggered, this, &TFormMain::MenuRecordWindowClick);
    connect(MenuOpenRecord, &QAction::triggered, this, [this] { WithTimerStopped([this] { recordWindow_->MenuOpenRecordClick(); }); });
    connect(MenuSaveRecord, &QAction::triggered, this, [this] { WithTimerStopped([this] { recordWindow_->MenuSaveRecordClick(); }); });
    connect(MenuCopyMoves, &QAction::triggered, recordWindow_, &TFormRecord::MenuCopyMovesClick);
    connect(MenuPasteMoves, &QAction::triggered, recordWindow_, &TFormRecord::MenuPasteMovesClick);
    connect(MenuStats, &QAction::triggered, this, &TFormMain::MenuStatsClick);
    connect(recordWindow_, &TFormRecord::PlayFromHereRequested, this, &TFormMain::PlayFromHere);

    MenuRecord = new QMenu(tr("棋譜"), this);
    MenuRecord->setObjectName(QStringLiteral("MenuRecord"));
    MenuRecord->addAction(MenuRecordWindow);
    MenuRecord->addSeparator();
    MenuRecord->addAction(MenuOpenRecord);
    MenuRecord->addAction(MenuSaveRecord);
    MenuRecord->addAction(MenuCopyMoves);
    MenuRecord->addAction(MenuPasteMoves);
    MenuRecord->addSeparator();
    MenuRecord->addAction(MenuStats);
    menuBar()->insertMenu(MenuHelp->menuAction(), MenuRecord);
    // The record window hides by its close box too; the menu and the setting follow it.
    connect(recordWindow_, &TFormRecord::Closed, this, [this] {
        MenuRecordWindow->setChecked(false);
        MenuRecordWindowClick(false);
    });
}

void TFormMain::MenuRecordWindowClick(bool shown)
{
    Settings::Update([shown](WindowsIni& settings) { Settings::SetSwitch(settings, Settings::kKeyShowMoveList, shown); });
    if (!shown) {
        recordWindow_->hide();
        return;
    }
    if (!recordWindow_->isVisible())
        PlaceRecordWindow();
    recordWindow_->show();
}

void TFormMain::PlaceRecordWindow()
{
    // Beside the main window when the screen has room, else as far right as it fits.
    QPoint place = frameGeometry().topRight() + QPoint(8, 0);
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        place.setX(std::max(room.left(), std::min(place.x(), room.right() - recordWindow_->frameGeometry().width())));
    }
    recordWindow_->move(place);
}

void TFormMain::ShowRecordWindowAtStart()
{
    // At start it only opens where it leaves the main window uncovered; the menu opens it anywhere.
    const QScreen* screen = this->screen();
    const bool fits = screen == nullptr
        || frameGeometry().right() + 8 + recordWindow_->frameGeometry().width() <= screen->availableGeometry().right();
    if (fits && Settings::Switch(Settings::Open(), Settings::kKeyShowMoveList)) {
        MenuRecordWindow->setChecked(true);
        PlaceRecordWindow();
        recordWindow_->show();
    }
    if (!openAtStart_.isEmpty())
        recordWindow_->OpenFile(std::exchange(openAtStart_, QString()));
}

void TFormMain::MenuStatsClick()
{
    WithTimerStopped([this] {
        TFormStats stats(this);
        stats.FormShow();
        ModalHost::ShowModal(stats);
    });
}

void TFormMain::BuildWindow()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setMinimumSize(kClientWidth, kClientHeight);
    client->resize(kClientWidth, kClientHeight);
    client->installEventFilter(this);
    // Captions sit on the frame line, as on the classic desktop, so the board's title fits above it at y 12.
    client->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 7px;"
        " padding: 0px 2px; background-color: palette(window); }"));
    setCentralWidget(client);

    GroupBoxBoard = new QGroupBox(tr("[ボード]"), client);
    GroupBoxBoard->setObjectName(QStringLiteral("GroupBoxBoard"));
    GroupBoxBoard->setGeometry(2, 0, 410, kClientHeight);
    PanelTitle = FormWidgets::MakePanel(GroupBoxBoard, "PanelTitle", QRect(5, 12, 400, 16));
    PanelTitle->setAutoFillBackground(false);
    PanelTitle->setFrameStyle(QFrame::NoFrame);
    ImageBoard = new BoardView(cycle_, GroupBoxBoard);
    connect(ImageBoard, &BoardView::HintKey, MenuHint, &QAction::trigger);
    ImageBoard->move(5, 30);

    const int right = kRightColumn;
    const int rightWidth = kClientWidth - right - 2;
    GroupBox1stPlayer = BuildSide(1, tr("[先手]"), &sides_[0]);
    GroupBox1stPlayer->setParent(client);
    GroupBox1stPlayer->setGeometry(right, 0, rightWidth, 142);
    GroupBox2ndPlayer = BuildSide(2, tr("[後手]"), &sides_[1]);
    GroupBox2ndPlayer->setParent(client);
    GroupBox2ndPlayer->setGeometry(right, 144, rightWidth, 142);

    GroupBoxMenu = new QGroupBox(tr("[メニュー]"), client);
    GroupBoxMenu->setObjectName(QStringLiteral("GroupBoxMenu"));
    GroupBoxMenu->setGeometry(right, 288, rightWidth, kClientHeight - 288);
    const int inner = rightWidth - 10;
    LabelMessage = FormWidgets::MakePanel(GroupBoxMenu, "LabelMessage", QRect(5, 16, inner, 22));
    LabelMessage->setWordWrap(true);

    const int half = (inner - 3) / 2;
    const int second = 5 + half + 3;
    BitBtnPrepare = MakeButton(GroupBoxMenu, "BitBtnPrepare", MenuPrepare, true);
    BitBtnPrepare->setGeometry(5, 42, half, 23);
    BitBtnReplay = MakeButton(GroupBoxMenu, "BitBtnReplay", MenuReplay, true);
    BitBtnReplay->setGeometry(second, 42, half, 23);
    BitBtnCountinue = MakeButton(GroupBoxMenu, "BitBtnCountinue", MenuCountinue, true);
    BitBtnCountinue->setGeometry(5, 67, half, 23);
    BitBtnPass = MakeButton(GroupBoxMenu, "BitBtnPass", MenuPass, true);
    BitBtnPass->setGeometry(second, 67, half, 23);
    BitBtnBorder = MakeButton(GroupBoxMenu, "BitBtnBorder", MenuBorder, true);
    BitBtnBorder->setGeometry(5, 92, inner, 23);
    ButtonSetting = MakeButton(GroupBoxMenu, "ButtonSetting", MenuSetting, true);
    ButtonSetting->setGeometry(5, 117, half, 23);
    BitBtnExit = MakeButton(GroupBoxMenu, "BitBtnExit", MenuExit, false);
    BitBtnExit->setText(tr("終了"));
    BitBtnExit->setGeometry(second, 117, half, 23);
}

QGroupBox* TFormMain::BuildSide(int side, const QString& caption, SideWidgets* widgets)
{
    const bool first = side == 1;
    auto* group = new QGroupBox(caption);
    group->setObjectName(QString::fromLatin1(first ? "GroupBox1stPlayer" : "GroupBox2ndPlayer"));

    widgets->face = FormWidgets::MakePicture(group, first ? "Image1stFace" : "Image2ndFace", QRect(6, 17, 100, 100),
                                             kPictureBackground);
    widgets->name = FormWidgets::MakePanel(group, first ? "Panel1stName" : "Panel2ndName", QRect(110, 16, 100, 20));
    QFont bold = widgets->name->font();
    bold.setBold(true);
    widgets->name->setFont(bold);
    widgets->piece = FormWidgets::MakePicture(group, first ? "Image1stFloat" : "Image2ndFloat", QRect(111, 39, 38, 38),
                                              kPictureBackground);
    widgets->score = FormWidgets::MakePanel(group, first ? "Panel1stScore" : "Panel2ndScore", QRect(152, 38, 58, 19),
                                            QStringLiteral("/"));
    widgets->point = FormWidgets::MakePanel(group, first ? "Panel1stPoint" : "Panel2ndPoint", QRect(152, 59, 58, 19),
                                            QStringLiteral("-"));
    widgets->playType = MakeUnframedPicture(group, first ? "Image1stPlayType" : "Image2ndPlayType",
                                            QRect(110, 80, 100, 20));
    widgets->useTime = FormWidgets::MakePanel(group, first ? "Panel1stUseTime" : "Panel2ndUseTime",
                                              QRect(110, 101, 100, 17), QStringLiteral("00:00:00"));
    widgets->gameResult = FormWidgets::MakePanel(group, first ? "Panel1stGameResult" : "Panel2ndGameResult",
                                                 QRect(5, 120, 205, 18), tr("    0勝    0敗    0分"));

    if (first) {
        Image1stFace = widgets->face;
        Image1stFloat = widgets->piece;
        Image1stPlayType = widgets->playType;
        Panel1stName = widgets->name;
        Panel1stScore = widgets->score;
        Panel1stPoint = widgets->point;
        Panel1stUseTime = widgets->useTime;
        Panel1stGameResult = widgets->gameResult;
    } else {
        Image2ndFace = widgets->face;
        Image2ndFloat = widgets->piece;
        Image2ndPlayType = widgets->playType;
        Panel2ndName = widgets->name;
        Panel2ndScore = widgets->score;
        Panel2ndPoint = widgets->point;
        Panel2ndUseTime = widgets->useTime;
        Panel2ndGameResult = widgets->gameResult;
    }
    return group;
}

void TFormMain::Centre()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TFormMain::RestorePlace()
{
    const std::optional<Settings::WindowPlace> place = Settings::ReadWindowPlace(Settings::Open());
    if (place) {
        // The place counts while some screen still shows the middle of its title bar.
        const QPoint title(place->left + std::min(place->width, 200) / 2, place->top + 10);
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect available = screen->availableGeometry();
            if (!available.contains(title))
                continue;
            resize(QSize(place->width, place->height).boundedTo(available.size()).expandedTo(minimumSizeHint()));
            move(place->left, place->top);
            return;
        }
    }
    Centre();
}

void TFormMain::SaveWindowPlace()
{
    const Settings::WindowPlace place{x(), y(), width(), height()};
    Settings::Update([&place](WindowsIni& settings) { Settings::SetWindowPlace(settings, place); });
}

void TFormMain::LayoutClient()
{
    const QSize client = centralWidget()->size();
    // The side panels keep their size at the right; the board takes the rest.
    const int rightWidth = kClientWidth - kRightColumn - 2;
    const int right = client.width() - rightWidth - 2;
    const int boardWidth = right - 6;
    GroupBoxBoard->setGeometry(2, 0, boardWidth, client.height());
    PanelTitle->setGeometry(5, 12, boardWidth - 10, 16);
    ImageBoard->setGeometry(5, 30, boardWidth - 10, client.height() - 34);
    GroupBox1stPlayer->move(right, 0);
    GroupBox2ndPlayer->move(right, 144);
    GroupBoxMenu->setGeometry(right, 288, rightWidth, client.height() - 288);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        LayoutClient();
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    if (!ConfirmExit()) {
        event->ignore();
        return;
    }
    SaveWindowPlace();
    QMainWindow::closeEvent(event);
}

void TFormMain::FormCreate()
{
    CycleChanged(GameCycle::kChangedTexts | GameCycle::kChangedBoard | GameCycle::kChangedTimer);

    const WindowsIni settings = Settings::Open();
    boardSetName_ = TextCodec::CutToField(Settings::Text(settings, Settings::kKeyDefaultBoardSet), kFieldBytes);
    boardName_ = TextCodec::CutToField(Settings::Text(settings, Settings::kKeyDefaultBoardName), kFieldBytes);
    boardSetFile_ = TextCodec::CutToField(Settings::BoardSetFile(settings, boardSetName_), kFieldBytes);

    userPicture_ = PictureLoader::LoadStored(Settings::Text(settings, Settings::kKeyUserPicture));
    computerPicture_ = PictureLoader::LoadStored(Settings::Text(settings, Settings::kKeyComputerPicture));

    const std::optional<std::string> players =
        Settings::RegisteredFile(settings, Settings::SetKind::Player, Settings::kStandardSetName);
    if (players) {
        cycle_.PlayerFor(1).Load(*players, "Demo_000");
        cycle_.PlayerFor(2).Load(*players, "Demo_001");
    }
    cycle_.SetTimerInterval(Settings::BaseTimer(settings));
    ImageBoard->SetMarkOptions(Settings::ReadMarkOptions(settings));
    ShowTexts();
}

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormMain::FormShow()
{
    ImageBoard->setFocus();
    cycle_.Style().Load(boardSetFile_, boardName_);
    cycle_.RedrawBoard();
    if (title_ == nullptr) {
        cycle_.StartDemo();
        ShowRecordWindowAtStart();
        return;
    }
    // A modal window is started from a show handler only once the showing is done.
    QTimer::singleShot(0, this, [this] {
        ModalHost::ShowModal(*title_);
        ShowKeptCopies();
        cycle_.StartDemo();
        ShowRecordWindowAtStart();
    });
}

void TFormMain::AttachScreens(TFormTitle& title, TFormRelease& release)
{
    title_ = &title;
    release_ = &release;
    MenuRelease->setEnabled(true);
}

template <typename Step>
void TFormMain::WithTimerStopped(Step step)
{
    const bool running = cycle_.TimerRunning();
    cycle_.SetTimerRunning(false);
    step();
    cycle_.SetTimerRunning(running);
}

void TFormMain::MenuReleaseClick()
{
    if (release_ != nullptr)
        WithTimerStopped([this] { ModalHost::ShowModal(*release_); });
}

void TFormMain::MenuActionHelpClick()
{
    WithTimerStopped([this] { OpenHelp(); });
}

void TFormMain::OpenHelp()
{
    // The help document of the interface's language: the English translation names its own file,
    // which a program folder seeded by an older release lacks.
    QString document =
        HostPath::ToHostQ(tr("Document\\TSReadme.htm", "help document in the program folder").toStdString());
    if (!QFileInfo::exists(document))
        document = HostPath::ToHostQ("Document\\TSReadme.htm");
    if (Shell::Open(document))
        return;
    if (help_ == nullptr)
        help_ = new TFormHelp(this);
    help_->ShowDocument(document);
}

void TFormMain::MenuHPClick()
{
    // Tessella has no web page of its own; the help document stands in for it.
    MenuActionHelpClick();
}

void TFormMain::AttachSetup(TFormSettingGame& settingGame, TFormPrepareGame& prepareGame)
{
    settingGame_ = &settingGame;
    prepareGame_ = &prepareGame;
    preparedBoards_ = std::make_unique<PreparedDemoBoards>(prepareGame, settingGame.GetProgramDir(),
                                                           [this](const QString& note) { ShowNote(note); });
    cycle_.SetOptions(settingGame);
    cycle_.SetDemoBoards(*preparedBoards_);
    MenuSetting->setEnabled(true);
}

void TFormMain::BitBtnPrepareClick()
{
    if (!PrepareGame())
        return;
    cycle_.StartGame();
    ShowPreparedNotes();
}

void TFormMain::PlayFromHere(const BoardStatus& board, int sideToMove)
{
    const BoardStatus position(board);
    if (!PrepareGame())
        return;
    cycle_.StartGameFrom(position, sideToMove);
    ShowPreparedNotes();
}

bool TFormMain::PrepareGame()
{
    const bool running = cycle_.TimerRunning();
    cycle_.SetTimerRunning(false);
    if (prepareGame_ != nullptr) {
        if (ModalHost::ShowModal(*prepareGame_) != kModalOk) {
            cycle_.SetTimerRunning(running);
            return false;
        }
        const Player* chosen[2] = {&prepareGame_->Get1stPlayer(), &prepareGame_->Get2ndPlayer()};
        for (int side = 1; side <= 2; ++side) {
            Player& player = cycle_.PlayerFor(side);
            if (player.SameAs(*chosen[side - 1]))
                player.ReloadFrom(*chosen[side - 1]);
            else
                player.LoadFrom(*chosen[side - 1]);
        }
        cycle_.Style().LoadFrom(prepareGame_->GetBoardStyle());
    }
    cycle_.RedrawBoard();
    return true;
}

void TFormMain::ShowPreparedNotes()
{
    if (prepareGame_ != nullptr && !prepareGame_->GetBoardNote().isEmpty())
        ShowNote(prepareGame_->GetBoardNote());
    ShowKeptCopies();
}

void TFormMain::ButtonSettingClick()
{
    if (settingGame_ == nullptr)
        return;
    WithTimerStopped([this] {
        if (ModalHost::ShowModal(*settingGame_) == kModalOk) {
            cycle_.SetTimerInterval(settingGame_->GetBaseTimer());
            ImageBoard->SetMarkOptions(Settings::ReadMarkOptions(Settings::Open()));
        }
        ShowKeptCopies();
    });
}

void TFormMain::ShowKeptCopies()
{
    QStringList names;
    for (const std::string& copy : Settings::TakeKeptCopies())
        names << QString::fromStdString(copy);
    if (!names.isEmpty())
        ShowNote(tr("%1 に読めない行があったため、書き換える前の内容を %2 に残しました。")
                     .arg(QString::fromLatin1(Settings::kFileName), names.join(tr("、"))));
}

void TFormMain::ShowNote(const QString& note)
{
    LabelMessage->setText(note);
    LabelMessage->setToolTip(note);
}

void TFormMain::BitBtnExitClick()
{
    if (!ConfirmExit())
        return;
    SaveWindowPlace();
    QCoreApplication::exit(0);
}

bool TFormMain::ConfirmExit()
{
    const bool userSide = cycle_.PlayerFor(1).PlayType() == Player::kPlayUser
                          || cycle_.PlayerFor(2).PlayType() == Player::kPlayUser;
    const bool going = cycle_.GameMode() == GameCycle::kModeGame
                       && cycle_.PlayerFor(cycle_.SideToMove()).State() != GameCycle::kStateFinished;
    if (!userSide || !going)
        return true;
    bool leave = false;
    WithTimerStopped([this, &leave] {
        QMessageBox box(QMessageBox::Question, windowTitle(), tr("対局中です。終了しますか？"),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        const int answer = ModalHost::ShowModal(box);
        leave = answer == QMessageBox::Yes || answer == kModalYes;
    });
    return leave;
}

void TFormMain::CycleChanged(unsigned changes)
{
    if (changes & GameCycle::kChangedBoard) {
        cycle_.TakeDirtyCells();
        ShowBoard();
    } else if (changes & GameCycle::kChangedCells) {
        ImageBoard->RefreshCells(cycle_.TakeDirtyCells());
    }
    if (changes & GameCycle::kChangedTexts)
        ShowTexts();
    if (changes & GameCycle::kChangedTimer)
        FollowTimer();
    ImageBoard->RefreshMarks();
    if (recordWindow_ != nullptr)
        recordWindow_->CycleChanged(changes);
}

void TFormMain::ShowBoard()
{
    const BoardStyle& style = cycle_.Style();
    PanelTitle->setText(TextCodec::ToUi(style.Title()));
    const bool firstClear = style.Transparent1stFloat() == 1;
    const bool secondClear = style.Transparent2ndFloat() == 1;
    ShowPicture(Image1stFloat, ImageBoard->Prepared(style.FloatPicture1st(0, 0), firstClear), &sides_[0].pieceKey);
    ShowPicture(Image2ndFloat, ImageBoard->Prepared(style.FloatPicture2nd(0, 0), secondClear), &sides_[1].pieceKey);
    ImageBoard->RefreshAll();
}

void TFormMain::ShowTexts()
{
    const QString& message = cycle_.Message();
    if (!cycleMessageShown_ || message != cycleMessage_) {
        cycleMessage_ = message;
        cycleMessageShown_ = true;
        LabelMessage->setText(message);
        LabelMessage->setToolTip(QString());
    }
    for (int side = 1; side <= 2; ++side) {
        SideWidgets& widgets = sides_[side - 1];
        const GameCycle::SideView& view = cycle_.Side(side);
        widgets.name->setText(view.name);
        widgets.score->setText(view.score);
        widgets.point->setText(view.point);
        widgets.useTime->setText(view.useTime);
        widgets.gameResult->setText(view.gameResult);
        if (!widgets.colourShown || widgets.colour != view.nameColour) {
            widgets.colour = view.nameColour;
            widgets.colourShown = true;
            SetColours(widgets.name, BackgroundOf(view.nameColour), TextOn(view.nameColour));
        }
    }
    ShowPictures();
    ShowCommands();
}

void TFormMain::ShowPictures()
{
    for (int side = 1; side <= 2; ++side) {
        SideWidgets& widgets = sides_[side - 1];
        Player& player = cycle_.PlayerFor(side);
        const QImage face = player.Face(cycle_.Side(side).faceIndex);
        const bool stretch = player.Stretch() == 1;
        // A stretched face and the same face centred are different pictures on screen.
        const qint64 faceKey = face.isNull() ? 0 : face.cacheKey() * 2 + (stretch ? 1 : 0);
        if (faceKey != widgets.faceKey) {
            widgets.faceKey = faceKey;
            if (face.isNull()) {
                widgets.face->clear();
            } else if (stretch) {
                const qreal ratio = widgets.face->devicePixelRatioF();
                const int pixels = qRound(kFaceSide * ratio);
                QPixmap pixmap = QPixmap::fromImage(
                    face.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                pixmap.setDevicePixelRatio(ratio);
                widgets.face->setPixmap(pixmap);
            } else {
                widgets.face->setPixmap(QPixmap::fromImage(face));
            }
        }
        const QImage& playType = player.PlayType() == Player::kPlayUser ? userPicture_ : computerPicture_;
        ShowPicture(widgets.playType, playType, &widgets.playTypeKey);
    }
}

void TFormMain::ShowCommands()
{
    const struct {
        QAction* action;
        const GameCycle::Command& command;
    } commands[] = {
        {MenuPrepare, cycle_.Prepare()}, {MenuReplay, cycle_.Replay()}, {MenuCountinue, cycle_.Countinue()},
        {MenuPass, cycle_.Pass()},       {MenuBorder, cycle_.Border()},   {MenuUndo, cycle_.Undo()},
        {MenuRedo, cycle_.Redo()},       {MenuHint, cycle_.Hint()},
    };
    for (const auto& [action, command] : commands) {
        action->setText(command.caption);
        action->setEnabled(command.enabled);
    }
    MenuExit->setEnabled(cycle_.Exit().enabled);
}

void TFormMain::FollowTimer()
{
    // A Qt timer with interval 0 would fire without pause.
    const int interval = std::max(1, cycle_.TimerInterval());
    if (Timer->interval() != interval)
        Timer->setInterval(interval);
    if (cycle_.TimerRunning() && !Timer->isActive())
        Timer->start();
    else if (!cycle_.TimerRunning() && Timer->isActive())
        Timer->stop();
}

void TFormMain::ReportPictureFailure(const QString& path, const QString& reason)
{
    LabelMessage->setText(tr("読み込めません: %1").arg(QFileInfo(path).fileName()));
    LabelMessage->setToolTip(QStringLiteral("%1\n%2").arg(path, reason));
}
