#pragma once

#include "app/TFormMain.h"
#include "app/TFormRelease.h"
#include "app/TFormTitle.h"
#include "data/TFormSelectBoard.h"
#include "data/TFormSettingBoard.h"
#include "players/TFormSelectPlayer.h"
#include "players/TFormSettingPlayer.h"
#include "setup/TFormInputSetName.h"
#include "setup/TFormPrepareGame.h"
#include "setup/TFormSaveConfirm.h"
#include "setup/TFormSettingGame.h"
#include "setup/TFormVersionUp.h"

// Every window of the program, each created once for the run, the main window first,
// and wired to the windows it opens.
class ProgramWindows {
public:
    // Without the screens the main window starts the demonstration at once, as a headless run needs.
    explicit ProgramWindows(bool withScreens);

    TFormMain main;
    TFormInputSetName inputSetName;
    TFormSettingGame settingGame{inputSetName};
    TFormSelectBoard selectBoard;
    TFormSelectPlayer selectPlayer;
    TFormPrepareGame prepareGame{settingGame, selectPlayer, selectBoard};
    TFormRelease release;
    TFormSaveConfirm saveConfirm;
    TFormSettingBoard settingBoard;
    TFormSettingPlayer settingPlayer;
    TFormVersionUp versionUp;
    TFormTitle title{versionUp};
};
