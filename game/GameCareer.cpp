#include "GameCareer.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "ConstsGoalrun.h"
#include "GameCrc32.h"
#include "ZnClubList.h"
#include "ZnCoach.h"
#include "ZnMatchesConsts.h"
#include "ZnStream.h"

namespace {

constexpr std::array<uint8_t, 8> CareerMagic = {'Z', 'n', 'C', 'a', 'r', 'e', 'e', 'r'};
constexpr int32_t CareerVersion = 1;

// The fields of a record in file order, so the writer and the reader cannot disagree.
template <typename Record, typename Visit> void ForEachField(Record& r, Visit visit) {
    visit(r.Season);
    visit(r.Rank);
    visit(r.Points);
    visit(r.Wins);
    visit(r.Draws);
    visit(r.Losses);
    visit(r.GoalsFor);
    visit(r.GoalsAgainst);
    visit(r.Prize);
    visit(r.Money);
    visit(r.Level);
}

void WriteTrailerRecord(TZnWriteStream& stream, const TZnSeasonRecord& record) {
    ForEachField(record, [&](int32_t value) { stream.WriteInt32(value); });
    stream.WriteInt32(record.Title ? 1 : 0);
}

void WriteSectionRecord(TZnWriteStream& stream, const TZnSeasonRecord& r) {
    stream.WriteInt32(r.Season);
    // Plausible records fit a byte each: ranks below 16, at most 90 points and 180 goals.
    for (const int32_t small :
         {r.Rank, r.Points, r.Wins, r.Draws, r.Losses, r.GoalsFor, r.GoalsAgainst, r.Title ? 1 : 0})
        stream.WriteByte(static_cast<uint8_t>(small));
    stream.WriteInt32(r.Prize);
    stream.WriteInt32(r.Money);
    stream.WriteInt32(r.Level);
}

// The highest level: the experience of the int32 range.
constexpr int32_t MaxLevel = INT32_MAX / 10 + 1;

bool Plausible(const TZnSeasonRecord& r) {
    constexpr int32_t maxGoals = 6 * MatchdayCount;
    return r.Season >= 0 && r.Rank >= 0 && r.Rank < ClubCount && r.Wins >= 0 && r.Draws >= 0 &&
           r.Losses >= 0 && r.Wins + int64_t{r.Draws} + r.Losses == MatchdayCount &&
           r.Points == 3 * r.Wins + r.Draws && r.GoalsFor >= 0 && r.GoalsFor <= maxGoals &&
           r.GoalsAgainst >= 0 && r.GoalsAgainst <= maxGoals &&
           r.Prize == PrizeTable.at(static_cast<size_t>(r.Rank)) && r.Money >= r.Prize &&
           r.Level >= 1 && r.Level <= MaxLevel && r.Title == (r.Rank == 0);
}

} // namespace

size_t CareerTrailerSize(size_t records) {
    static const size_t record =
        BytesWritten([](TZnWriteStream& s) { WriteTrailerRecord(s, TZnSeasonRecord{}); });
    return CareerHeaderSize + record * records + sizeof(uint32_t);
}

size_t CareerSectionSize(size_t records) {
    static const size_t record =
        BytesWritten([](TZnWriteStream& s) { WriteSectionRecord(s, TZnSeasonRecord{}); });
    return sizeof(int32_t) + record * records;
}

TZnSeasonRecord SeasonRecordOf(int32_t season, const TZnClub& club, const TZnCoach& coach) {
    return {season,        club.Rank,         club.Points,
            club.Wins,     club.Draws,        club.Losses,
            club.GoalsFor, club.GoalsAgainst, PrizeTable.at(static_cast<size_t>(club.Rank)),
            coach.Money,   coach.Level(),     club.Rank == 0};
}

TZnCoachSpan CoachSpanOfLevel(int64_t money, int32_t level) {
    return {money, 10 * (int64_t{level} - 1),
            std::min<int64_t>(INT32_MAX, 10 * int64_t{level} - 1)};
}

bool SeasonCanLead(const TZnCoachSpan& start, int32_t wins, int32_t prize, const TZnCoachSpan& end,
                   int32_t winBonus) {
    const int64_t gained = int64_t{WinExperience} * wins;
    return end.Money <= start.Money + int64_t{winBonus} * wins + prize &&
           end.ExperienceLow <= std::min<int64_t>(INT32_MAX, start.ExperienceHigh + gained) &&
           end.ExperienceHigh >= std::min<int64_t>(INT32_MAX, start.ExperienceLow + gained);
}

bool PlausibleSeasons(const std::deque<TZnSeasonRecord>& seasons, int32_t winBonus) {
    for (size_t i = 0; i < seasons.size(); ++i) {
        const TZnSeasonRecord& r = seasons[i];
        if (!Plausible(r))
            return false;
        if (i == 0)
            continue;
        const TZnSeasonRecord& before = seasons[i - 1];
        if (r.Season <= before.Season || r.Level < before.Level)
            return false;
        if (r.Season - int64_t{before.Season} == 1 &&
            !SeasonCanLead(CoachSpanOfLevel(before.Money, before.Level), r.Wins, r.Prize,
                           CoachSpanOfLevel(r.Money, r.Level), winBonus))
            return false;
    }
    return true;
}

void TZnCareer::Append(const TZnSeasonRecord& record) {
    if (Seasons.size() == CareerCapacity) {
        Seasons.pop_front();
        Details.pop_front();
    }
    Seasons.push_back(record);
    Details.emplace_back();
}

void TZnCareer::Clear() {
    Seasons.clear();
    Details.clear();
}

void TZnCareer::WriteSection(TZnWriteStream& stream) const {
    stream.WriteInt32(static_cast<int32_t>(Seasons.size()));
    for (const TZnSeasonRecord& r : Seasons)
        WriteSectionRecord(stream, r);
}

bool TZnCareer::ReadSection(std::span<const uint8_t> bytes, int32_t winBonus) {
    Clear();
    std::deque<TZnSeasonRecord> seasons;
    try {
        TZnReadStream stream(bytes);
        const int32_t count = stream.ReadInt32();
        if (count < 0 || static_cast<size_t>(count) > CareerCapacity ||
            bytes.size() != CareerSectionSize(static_cast<size_t>(count)))
            return false;
        for (int32_t i = 0; i < count; ++i) {
            TZnSeasonRecord r;
            r.Season = stream.ReadInt32();
            for (int32_t* small :
                 {&r.Rank, &r.Points, &r.Wins, &r.Draws, &r.Losses, &r.GoalsFor, &r.GoalsAgainst})
                *small = stream.ReadByte();
            const uint8_t title = stream.ReadByte();
            r.Title = title == 1;
            r.Prize = stream.ReadInt32();
            r.Money = stream.ReadInt32();
            r.Level = stream.ReadInt32();
            if (title > 1)
                return false;
            seasons.push_back(r);
        }
    } catch (const EZnReadError&) {
        return false;
    }
    if (!PlausibleSeasons(seasons, winBonus))
        return false;
    Seasons = std::move(seasons);
    Details.resize(Seasons.size());
    return true;
}

void TZnCareer::WriteTrailer(TZnWriteStream& stream) const {
    if (Seasons.empty())
        return;
    const size_t start = stream.Bytes.size();
    stream.Bytes.reserve(start + CareerTrailerSize(Seasons.size()));
    stream.WriteBytes(CareerMagic);
    stream.WriteInt32(CareerVersion);
    stream.WriteInt32(static_cast<int32_t>(Seasons.size()));
    for (const TZnSeasonRecord& record : Seasons)
        WriteTrailerRecord(stream, record);
    const auto crc = Crc32(std::span(stream.Bytes).subspan(start));
    stream.WriteInt32(static_cast<int32_t>(crc));
}

TZnCareer::TZnTrailer TZnCareer::ReadTrailer(std::span<const uint8_t> bytes) {
    Clear();
    if (bytes.size() < CareerMagic.size() ||
        !std::equal(CareerMagic.begin(), CareerMagic.end(), bytes.begin()))
        return TZnTrailer::None;
    std::deque<TZnSeasonRecord> seasons;
    try {
        TZnReadStream stream(bytes);
        stream.ReadBytes(CareerMagic.size());
        const int32_t version = stream.ReadInt32();
        const int32_t count = stream.ReadInt32();
        if (version != CareerVersion || count < 0 || static_cast<size_t>(count) > CareerCapacity)
            return TZnTrailer::Damaged;
        for (int32_t i = 0; i < count; ++i) {
            TZnSeasonRecord record;
            ForEachField(record, [&](int32_t& value) { value = stream.ReadInt32(); });
            const int32_t title = stream.ReadInt32();
            record.Title = title == 1;
            if (title != 0 && title != 1)
                return TZnTrailer::Damaged;
            seasons.push_back(record);
        }
        const size_t checked = stream.Position();
        const auto crc = static_cast<uint32_t>(stream.ReadInt32());
        if (crc != Crc32(bytes.first(checked)) || !PlausibleSeasons(seasons))
            return TZnTrailer::Damaged;
    } catch (const EZnReadError&) {
        return TZnTrailer::Damaged;
    }
    Seasons = std::move(seasons);
    Details.resize(Seasons.size());
    return TZnTrailer::Read;
}
