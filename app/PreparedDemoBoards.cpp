#include "app/PreparedDemoBoards.h"

#include "data/WindowsIni.h"
#include "setup/Settings.h"
#include "setup/TFormPrepareGame.h"

#include <QDir>

PreparedDemoBoards::PreparedDemoBoards(TFormPrepareGame& prepareGame, QString programDir,
                                       std::function<void(const QString& note)> showNote)
    : prepareGame_(prepareGame), programDir_(std::move(programDir)), showNote_(std::move(showNote))
{
}

void PreparedDemoBoards::ChooseBoard(BoardStyle* style)
{
    QDir::setCurrent(programDir_);
    WindowsIni settings = Settings::Open();
    prepareGame_.ChooseBoard(settings);
    style->LoadFrom(prepareGame_.GetBoardStyle());
    if (!prepareGame_.GetBoardNote().isEmpty() && showNote_)
        showNote_(prepareGame_.GetBoardNote());
}
