#include "app/ProgramWindows.h"

#include "platform/ModalHost.h"
#include "records/LifetimeStats.h"

ProgramWindows::ProgramWindows(bool withScreens)
{
    const auto askSave = [this] { return ModalHost::ShowModal(saveConfirm); };
    settingBoard.SetAskSave(askSave);
    settingPlayer.SetAskSave(askSave);
    settingBoard.SetOnRenumbered([this](const SetEntries::Renumbering& renumbering) {
        return settingGame.FollowRenumbering(Settings::SetKind::Board, settingBoard.SetName(), renumbering);
    });
    settingPlayer.SetOnRenumbered([this](const SetEntries::Renumbering& renumbering) {
        return settingGame.FollowRenumbering(Settings::SetKind::Player, settingPlayer.GetPlayerSetName(),
                                             renumbering);
    });
    settingGame.SetBoardEditor([this] {
        settingBoard.SetBoardSet(settingGame.GetBoardSetName(), settingGame.GetBoardSetFile(),
                                 settingGame.GetProgramDir());
        ModalHost::ShowModal(settingBoard);
    });
    settingGame.SetPlayerEditor([this] {
        settingPlayer.SetPlayerSet(settingGame.GetPlayerSetName(), settingGame.GetPlayerSetFile(),
                                   settingGame.GetProgramDir());
        ModalHost::ShowModal(settingPlayer);
    });
    selectPlayer.SetLifetimeSource([](const std::string& setFile, const std::string& section) {
        return LifetimeStats::SummaryText(LifetimeStats(LifetimeStats::FilePath()).Find(setFile, section));
    });
    main.AttachSetup(settingGame, prepareGame);
    if (withScreens)
        main.AttachScreens(title, release);
}
