#include "GameAchievementsFile.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

bool HasId(std::span<const TZnEarnedAchievement> earned, TZnAchievementId id) {
    return std::any_of(earned.begin(), earned.end(),
                       [&](const TZnEarnedAchievement& e) { return e.Id == id; });
}

bool IsDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// One line read back, or nothing for a line that is not one the file is written with.
std::optional<TZnEarnedAchievement> ParseLine(std::string_view line) {
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    if (fields.size() != 5)
        return std::nullopt;
    TZnEarnedAchievement e;
    const auto id = AchievementOfKey(fields[0]);
    const auto difficulty = DifficultyOfKey(fields[3]);
    int64_t season = 0;
    const auto [end, error] =
        std::from_chars(fields[2].data(), fields[2].data() + fields[2].size(), season);
    if (!id || !difficulty || !AchievementsCount(*difficulty) || !IsDate(fields[1]) ||
        error != std::errc() || end != fields[2].data() + fields[2].size() || season < 1 ||
        season > int64_t{INT32_MAX} + 1)
        return std::nullopt;
    e.Id = *id;
    e.Date = fields[1];
    e.Season = static_cast<int32_t>(season - 1);
    e.Difficulty = *difficulty;
    if (fields[4] != "-") {
        try {
            e.Code = TZnChallengeCode::Parse(fields[4]);
        } catch (const EZnChallengeCode&) {
            return std::nullopt;
        }
    }
    return e;
}

} // namespace

std::vector<TZnEarnedAchievement> ParseAchievements(std::span<const uint8_t> bytes, bool& damaged) {
    std::vector<TZnEarnedAchievement> earned;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    // A line without its end is a cut one.
    damaged = !text.empty() && text.back() != '\n';
    for (size_t start = 0, end = 0; (end = text.find('\n', start)) != std::string_view::npos;) {
        const auto e = ParseLine(text.substr(start, end - start));
        if (e && !HasId(earned, e->Id))
            earned.push_back(*e);
        else
            damaged = true;
        start = end + 1;
    }
    return earned;
}

std::vector<uint8_t> AchievementsBytes(std::span<const TZnEarnedAchievement> earned) {
    std::string text;
    for (const TZnEarnedAchievement& e : earned) {
        text += AchievementKey(e.Id);
        text += '\t' + e.Date + '\t' + std::to_string(int64_t{e.Season} + 1) + '\t';
        text += DifficultyKey(e.Difficulty);
        text += '\t' + (e.Code ? e.Code->Text() : std::string("-")) + '\n';
    }
    return {text.begin(), text.end()};
}

TZnAchievementsFile ReadAchievementsFile(const std::string& path) {
    TZnAchievementsFile file;
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadRegularFile(path, AchievementsFileMaxSize + 1);
    } catch (const EZnLoadError& error) {
        file.Reason = error.Reason();
        file.State = error.Reason() == TZnFileErrorReason::NotFound
                         ? TZnAchievementsFileState::Missing
                         : TZnAchievementsFileState::Refused;
        return file;
    }
    if (bytes.size() > AchievementsFileMaxSize) {
        file.State = TZnAchievementsFileState::Damaged;
        return file;
    }
    bool damaged = false;
    file.Earned = ParseAchievements(bytes, damaged);
    file.State = damaged ? TZnAchievementsFileState::Damaged : TZnAchievementsFileState::Read;
    return file;
}

std::vector<TZnEarnedAchievement> RecordAchievements(const std::string& path,
                                                     std::span<const TZnEarnedAchievement> earned) {
    TZnAchievementsFile file = ReadAchievementsFile(path);
    // What cannot be read is not replaced: it may hold more than this game knows.
    if (file.State == TZnAchievementsFileState::Refused)
        throw EZnSaveError(path + " cannot be read back", file.Reason);
    std::vector<TZnEarnedAchievement> added;
    for (const TZnEarnedAchievement& e : earned) {
        if (!HasId(file.Earned, e.Id) && AchievementsCount(e.Difficulty)) {
            file.Earned.push_back(e);
            added.push_back(e);
        }
    }
    if (!added.empty())
        WriteFileAtomically(path, AchievementsBytes(file.Earned));
    return added;
}
