#include "GameSession.h"

#include "GameLibrary.h"

TGameSession::TGameSession(TZnGameGoalrun& game, QObject* parent)
    : QObject(parent), FGame(game), Unsaved(game.UnsavedProgress()) {}

void TGameSession::AnnounceUnsaved() {
    if (FGame.UnsavedProgress() == Unsaved)
        return;
    Unsaved = FGame.UnsavedProgress();
    emit UnsavedProgressChanged(Unsaved);
}

void TGameSession::Changed() {
    emit StateChanged();
    AnnounceUnsaved();
}

void TGameSession::Replaced() {
    emit GameReplaced();
    AnnounceUnsaved();
}

void TGameSession::PlayMatchday() {
    FGame.PlayMatchday();
    emit MatchdayPlayed();
    Changed();
}

std::optional<int32_t> TGameSession::InvestBuildUp(const QString& boxText) {
    const std::optional<int32_t> invested = FGame.InvestBuildUp(boxText.toStdString());
    if (invested)
        Changed();
    return invested;
}

void TGameSession::NextSeason() {
    FGame.NextSeason();
    Changed();
}

void TGameSession::NewGame(const TZnGameSetup& setup) {
    FGame.NewGame(setup);
    Replaced();
}

void TGameSession::Load(const std::string& path) {
    FGame.LoadFromFile(path);
    Replaced();
}

bool TGameSession::LoadNewestAutosave(const TZnAutosaveFolder& folder,
                                      std::vector<std::string>& passedOver) {
    if (!::LoadNewestAutosave(FGame, folder, passedOver))
        return false;
    Replaced();
    return true;
}

void TGameSession::Save(const std::string& path) {
    FGame.SaveToFile(path);
    AnnounceUnsaved();
}

void TGameSession::SetIdentity(const TZnGameId& id) {
    FGame.Identity = id;
}

void TGameSession::NewIdentity() {
    FGame.Identity = FGame.GameIdSource();
}

void TGameSession::SetMessageLog(TZnMessageLog* log) {
    FGame.SetMessageLog(log);
}

void TGameSession::SetTeamNames(std::vector<std::string> names) {
    FGame.TeamNames = std::move(names);
}
