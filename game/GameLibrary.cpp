#include "GameLibrary.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <functional>
#include <memory>
#include <sys/stat.h>

#include "GameAutosave.h"
#include "GameCareer.h"
#include "GameCrc32.h"
#include "GameGoalrun.h"
#include "GameSaveData.h"
#include "GameSaveFile.h"
#include "ZnStream.h"

namespace {

int64_t ChangedNs(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return 0;
    return int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

TZnKeptGame Describe(const TZnGameId& id, const std::string& folder) {
    TZnKeptGame kept;
    kept.Id = id;
    kept.Folder = folder;
    TZnGameGoalrun game;
    EZnLoadError last("no autosave", TZnFileErrorReason::NotFound);
    const auto source = LoadNewestAutosave(game, TZnAutosaveFolder(folder), kept.PassedOver, &last);
    if (!source) {
        kept.Reason = last.Reason();
        kept.Error = last.what();
        if (!kept.PassedOver.empty()) {
            const std::string& path = kept.PassedOver.back();
            kept.Error = path.substr(path.rfind('/') + 1) + ": " + kept.Error;
        }
        return kept;
    }
    kept.Readable = true;
    kept.Source = *source;
    kept.Code = game.Setup().Code;
    kept.Difficulty = game.Setup().Difficulty;
    kept.Season = game.Season;
    kept.Matchday = game.Matchday;
    kept.Rank = game.MyClub().Rank;
    kept.Titles =
        static_cast<int32_t>(std::count_if(game.Career.Seasons.begin(), game.Career.Seasons.end(),
                                           [](const TZnSeasonRecord& r) { return r.Rank == 0; }));
    kept.Money = game.Coach().Money;
    kept.Progress = game.Progress;
    kept.ImageCrc = ImageCrcOf(game);
    kept.LastPlayedNs = ChangedNs(kept.Source);
    return kept;
}

} // namespace

std::optional<std::string> LoadNewestAutosave(TZnGameGoalrun& game, const TZnAutosaveFolder& folder,
                                              std::vector<std::string>& passedOver,
                                              EZnLoadError* lastError) {
    for (const std::string& path : folder.Existing()) {
        try {
            game.LoadFromFile(path, TZnGameGoalrun::TZnImageCheck::Required);
            return path;
        } catch (const EZnLoadError& error) {
            // Left as it is for the player to look at; the rotation moves it down in time.
            passedOver.push_back(path);
            if (lastError != nullptr)
                *lastError = error;
        }
    }
    return std::nullopt;
}

bool ContinuesKeptGame(const TZnKeptGame& kept, int64_t progress, uint32_t imageCrc) {
    return !kept.Readable || progress > kept.Progress ||
           (progress == kept.Progress && imageCrc == kept.ImageCrc);
}

uint32_t ImageCrcOf(const TZnGameGoalrun& game) {
    TZnWriteStream stream;
    game.SaveImageToStream(stream);
    return Crc32(stream.Bytes);
}

TZnGameLibrary::TZnGameLibrary(std::string root) : FRoot(std::move(root)) {
    while (FRoot.size() > 1 && FRoot.back() == '/')
        FRoot.pop_back();
}

std::string TZnGameLibrary::FolderOf(const TZnGameId& id) const {
    return FRoot + '/' + id.Text();
}

std::vector<TZnGameId> TZnGameLibrary::Ids() const {
    std::vector<TZnGameId> ids;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(FRoot.c_str()), ::closedir);
    if (!dir)
        return ids;
    while (const dirent* entry = ::readdir(dir.get())) {
        const auto id = TZnGameId::FromText(entry->d_name);
        // The entry's kind where the file system tells it, else looked up (never a link).
        if (id &&
            (entry->d_type == DT_DIR || (entry->d_type == DT_UNKNOWN && IsFolder(FolderOf(*id)))))
            ids.push_back(*id);
    }
    return ids;
}

std::vector<TZnGameId> TZnGameLibrary::PlayedLast() const {
    std::vector<std::pair<int64_t, TZnGameId>> played;
    for (const TZnGameId& id : Ids()) {
        // The newest autosave is the staged one or the first: the rotation only renames. The
        // others are looked at only where neither stands.
        const TZnAutosaveFolder folder(FolderOf(id));
        int64_t last = std::max(ChangedNs(folder.StagedPath()), ChangedNs(folder.Path(1)));
        for (const std::string& path : last == 0 ? folder.Existing() : std::vector<std::string>{})
            last = std::max(last, ChangedNs(path));
        if (last != 0)
            played.emplace_back(last, id);
    }
    std::sort(played.begin(), played.end(), std::greater<>());
    std::vector<TZnGameId> ids;
    for (const auto& [ns, id] : played)
        ids.push_back(id);
    return ids;
}

std::vector<TZnKeptGame> TZnGameLibrary::Games() const {
    std::vector<TZnKeptGame> games;
    for (const TZnGameId& id : Ids())
        games.push_back(Describe(id, FolderOf(id)));
    // The game played last first; games that cannot be read after those that can.
    std::sort(games.begin(), games.end(), [](const TZnKeptGame& a, const TZnKeptGame& b) {
        return std::tuple(a.Readable, a.LastPlayedNs, b.Id) >
               std::tuple(b.Readable, b.LastPlayedNs, a.Id);
    });
    return games;
}

std::optional<TZnKeptGame> TZnGameLibrary::Game(const TZnGameId& id) const {
    if (!IsFolder(FolderOf(id)))
        return std::nullopt;
    return Describe(id, FolderOf(id));
}

bool TZnGameLibrary::Adopt(const std::string& folder, const TZnGameId& id) const {
    if (!IsFolder(folder) || TZnAutosaveFolder(folder).Existing().empty())
        return false;
    const TZnAutosaveFolder games(FRoot);
    games.Prepare();
    if (::rename(folder.c_str(), FolderOf(id).c_str()) != 0)
        throw EZnSaveError("cannot move " + folder + " to " + FolderOf(id) + ": " +
                               std::strerror(errno),
                           FileErrorReason(errno));
    return true;
}
