#include "GameSaveSections.h"

#include <algorithm>
#include <array>

#include "ConstsGoalrun.h"
#include "GameAchievements.h"
#include "GameChallenge.h"
#include "GameCrc32.h"
#include "GameIdentity.h"
#include "GameLeague.h"
#include "GameSaveData.h"
#include "ZnSaturate.h"
#include "ZnStream.h"

namespace {

// The version of the layout of each of the six sections.
constexpr int32_t SectionVersion = 1;
constexpr std::array<TZnTag, RecordKindCount> Tags = {{{'C', 'A', 'R', 'E'},
                                                       {'S', 'E', 'A', 'S'},
                                                       {'R', 'N', 'D', 'S'},
                                                       {'M', 'I', 'N', 'E'},
                                                       {'C', 'H', 'A', 'L'},
                                                       {'A', 'C', 'H', 'V'}}};

// The kind a tag names; RecordKindCount for a tag this release does not know.
size_t KindOf(const TZnTag& tag) {
    return static_cast<size_t>(std::find(Tags.begin(), Tags.end(), tag) - Tags.begin());
}

// ---- the detail of completed seasons ----

void WriteLine(TZnWriteStream& stream, const std::optional<TZnResultLine>& line) {
    const TZnResultLine l = line.value_or(TZnResultLine{});
    for (const int32_t value : {l.Matchday, l.For, l.Against, l.OpponentNameIndex})
        stream.WriteByte(static_cast<uint8_t>(value));
}

// A best win (`win`) or worst defeat read back; false for one no season can hold.
bool ReadLine(TZnReadStream& stream, bool win, std::optional<TZnResultLine>& line) {
    TZnResultLine l;
    for (int32_t* value : {&l.Matchday, &l.For, &l.Against, &l.OpponentNameIndex})
        *value = stream.ReadByte();
    line.reset();
    if (l == TZnResultLine{})
        return true;
    const int32_t high = win ? l.For : l.Against;
    const int32_t low = win ? l.Against : l.For;
    line = l;
    return InRange(l.Matchday, 1, MatchdayCount) && low < high && high <= AttackRounds &&
           l.OpponentNameIndex < ClubCount;
}

void WriteDetail(TZnWriteStream& stream, int32_t season, const TZnSeasonDetail& d) {
    stream.WriteInt32(season);
    stream.WriteByte(d.StartKnown ? 1 : 0);
    stream.WriteInt32(d.MoneyStart);
    stream.WriteInt32(d.LevelStart);
    stream.WriteInt32(static_cast<int32_t>(d.Invested & 0xFFFFFFFF));
    stream.WriteInt32(static_cast<int32_t>(d.Invested >> 32));
    WriteLine(stream, d.BestWin);
    WriteLine(stream, d.WorstDefeat);
    stream.WriteByte(static_cast<uint8_t>(d.LongestUnbeaten));
    stream.WriteByte(static_cast<uint8_t>(d.LongestWinning));
    for (size_t m = 0; m < d.Ranks.size(); m += 2)
        stream.WriteByte(static_cast<uint8_t>(d.Ranks[m] | (d.Ranks[m + 1] << 4)));
}

void WriteDetails(TZnWriteStream& stream, const TZnCareer& career) {
    const auto known = std::count_if(career.Details.begin(), career.Details.end(),
                                     [](const TZnSeasonDetail& d) { return d.Known; });
    stream.WriteInt32(static_cast<int32_t>(known));
    for (size_t i = 0; i < career.Details.size(); ++i)
        if (career.Details[i].Known)
            WriteDetail(stream, career.Seasons[i].Season, career.Details[i]);
}

// A detail its season's record can have: what was invested came from the funds at the start and
// the win bonuses, the record's funds and level are reachable from the start, and the start is
// where the season before it ended (`before`, its record when the career holds it): its level,
// and its funds with at most what was invested in the season, which money invested but not spent
// when the season before ended (a file can carry it) is part of.
bool PlausibleDetail(const TZnSeasonDetail& d, const TZnSeasonRecord& r,
                     const TZnSeasonRecord* before, int32_t winBonus) {
    const bool start =
        d.StartKnown
            ? d.MoneyStart >= 0 && InRange(d.LevelStart, 1, r.Level) &&
                  InRange(d.Invested, 0, int64_t{d.MoneyStart} + int64_t{winBonus} * r.Wins) &&
                  SeasonCanLead(CoachSpanOfLevel(d.MoneyStart - d.Invested, d.LevelStart), r.Wins,
                                r.Prize, CoachSpanOfLevel(r.Money, r.Level), winBonus) &&
                  (before == nullptr ||
                   (InRange(int64_t{d.MoneyStart} - before->Money, 0, d.Invested) &&
                    d.LevelStart == before->Level))
            : d.MoneyStart == 0 && d.LevelStart == 0 && d.Invested == 0;
    return start && d.BestWin.has_value() == (r.Wins > 0) &&
           d.WorstDefeat.has_value() == (r.Losses > 0) &&
           InRange(d.LongestWinning, std::min(r.Wins, 1), r.Wins) &&
           InRange(d.LongestUnbeaten, d.LongestWinning, r.Wins + r.Draws) &&
           d.Ranks.back() == r.Rank;
}

bool ReadDetails(TZnReadStream& stream, TZnCareer& career, int32_t winBonus) {
    const int32_t count = stream.ReadInt32();
    if (!InRange(count, 0, static_cast<int64_t>(career.Seasons.size())))
        return false;
    size_t at = 0; // the career index the next detail may take
    for (int32_t k = 0; k < count; ++k) {
        const int32_t season = stream.ReadInt32();
        while (at < career.Seasons.size() && career.Seasons[at].Season < season)
            ++at;
        if (at == career.Seasons.size() || career.Seasons[at].Season != season)
            return false;
        TZnSeasonDetail d;
        d.Known = true;
        const uint8_t flags = stream.ReadByte();
        d.StartKnown = flags == 1;
        d.MoneyStart = stream.ReadInt32();
        d.LevelStart = stream.ReadInt32();
        const auto low = static_cast<uint32_t>(stream.ReadInt32());
        d.Invested =
            static_cast<int64_t>((uint64_t{static_cast<uint32_t>(stream.ReadInt32())} << 32) | low);
        if (flags > 1 || !ReadLine(stream, true, d.BestWin) ||
            !ReadLine(stream, false, d.WorstDefeat))
            return false;
        d.LongestUnbeaten = stream.ReadByte();
        d.LongestWinning = stream.ReadByte();
        for (size_t m = 0; m < d.Ranks.size(); m += 2) {
            const uint8_t both = stream.ReadByte();
            d.Ranks[m] = both & 0x0F;
            d.Ranks[m + 1] = static_cast<uint8_t>(both >> 4);
        }
        const bool follows = at > 0 && career.Seasons[at - 1].Season == int64_t{season} - 1;
        if (!PlausibleDetail(d, career.Seasons[at], follows ? &career.Seasons[at - 1] : nullptr,
                             winBonus))
            return false;
        career.Details[at++] = d;
    }
    return true;
}

// ---- the current season ----

bool AnyRounds(const TZnSeasonLog& log, int32_t matchday) {
    for (int32_t d = 0; d < matchday; ++d)
        for (const uint32_t word : log.Rounds[static_cast<size_t>(d)])
            if (word != 0)
                return true;
    return false;
}

// Before the first matchday the image tells the start itself (ReadRecords).
bool AnyMine(const TZnSeasonLog& log, int32_t matchday) {
    return matchday > 0 &&
           (log.StartKnown || std::any_of(log.Mine.begin(), log.Mine.begin() + matchday,
                                          [](const auto& m) { return m.Recorded; }));
}

void WriteRounds(TZnWriteStream& stream, const TZnSeasonLog& log, int32_t matchday) {
    stream.WriteInt32(matchday);
    for (int32_t d = 0; d < matchday; ++d)
        for (const uint32_t word : log.Rounds[static_cast<size_t>(d)])
            stream.WriteInt32(static_cast<int32_t>(word));
}

// True when `word` is no record, or a record whose goals are the fixture's score.
bool PlausibleRounds(uint32_t word, const TZnMatch& match) {
    if (word == 0)
        return true;
    if ((word & FixtureRounds::RecordedBit) == 0 || (word & 0x7F000000u) != 0)
        return false;
    std::array<int32_t, 2> goals{};
    for (int32_t k = 0; k < AttackRounds; ++k) {
        for (const bool away : {false, true}) {
            const uint32_t value = (word >> ((away ? 12 : 0) + 2 * k)) & 3u;
            if (value == 3)
                return false;
            goals[away ? 1 : 0] += value == static_cast<uint32_t>(TZnRound::Goal) ? 1 : 0;
        }
    }
    return goals[0] == match.HomeGoals && goals[1] == match.AwayGoals;
}

bool ReadRounds(TZnReadStream& stream, const TZnLeague& image, TZnSeasonLog& log) {
    if (stream.ReadInt32() != image.Matchday)
        return false;
    for (int32_t d = 0; d < image.Matchday; ++d) {
        auto& day = log.Rounds[static_cast<size_t>(d)];
        for (size_t j = 0; j < day.size(); ++j) {
            day[j] = static_cast<uint32_t>(stream.ReadInt32());
            const TZnMatch& match = image.Schedule().Matchdays(d).Matches(static_cast<int32_t>(j));
            // A matchday is recorded whole or not at all.
            if (!PlausibleRounds(day[j], match) || (day[j] == 0) != (day[0] == 0))
                return false;
        }
    }
    return true;
}

template <typename Record, typename Visit> void ForEachMineField(Record& m, Visit visit) {
    visit(m.BuildUp);
    visit(m.Level);
    visit(m.MyAttack);
    visit(m.MyDefense);
    visit(m.OppAttack);
    visit(m.OppDefense);
    visit(m.RankBefore);
    visit(m.RankAfter);
    visit(m.MoneyAfter);
}

void WriteMine(TZnWriteStream& stream, const TZnSeasonLog& log, int32_t matchday) {
    stream.WriteInt32(log.StartKnown ? 1 : 0);
    stream.WriteInt32(log.MoneyStart);
    stream.WriteInt32(log.LevelStart);
    stream.WriteInt32(matchday);
    for (int32_t d = 0; d < matchday; ++d) {
        const TZnPlayerMatchRecord& m = log.Mine[static_cast<size_t>(d)];
        stream.WriteInt32(m.Recorded ? 1 : 0);
        ForEachMineField(m, [&](int32_t value) { stream.WriteInt32(value); });
    }
}

// The coach of the image as the season stands: the funds before the coming match's investment
// and the experience itself.
TZnCoachSpan CoachNow(const TZnLeague& image) {
    const int64_t money = int64_t{image.Coach().Money} + image.MyClub().BuildUp;
    return {money, image.Coach().Experience, image.Coach().Experience};
}

// The prize the image's season has paid: after the 30th matchday, the prize of the final rank.
int32_t PrizePaid(const TZnLeague& image) {
    const TZnClub& me = image.MyClub();
    return image.Matchday == MatchdayCount ? PrizeTable.at(static_cast<size_t>(me.Rank)) : 0;
}

// The strengths a recorded fixture notes agree with the clubs of the image, and its values are
// ones a matchday leaves. With the funds before it known (`before`), the investment came from
// them, and the funds after it are them less the investment plus the win bonus and, on the 30th
// matchday, the prize.
bool PlausibleMine(const TZnPlayerMatchRecord& m, const TZnLeague& image, const TZnSeasonLog& log,
                   int32_t d, std::optional<int64_t> before, int32_t winBonus) {
    if (!m.Recorded)
        return m == TZnPlayerMatchRecord{};
    const TZnMatch& match = image.Schedule().Matchdays(d).Matches(0);
    const TZnClub& me = image.MyClub();
    const TZnClub& other =
        image.Clubs().ClubById(match.HomeId == image.MyClub().ClubId ? match.AwayId : match.HomeId);
    const int32_t added = Saturate(int64_t{m.Level} * m.BuildUp);
    const bool plausible =
        m.BuildUp >= 0 &&
        InRange(m.Level, log.StartKnown ? log.LevelStart : 1, image.Coach().Level()) &&
        m.MyAttack == Saturate(int64_t{me.Attack} + added) &&
        m.MyDefense == Saturate(int64_t{me.Defense} + added) && m.OppAttack == other.Attack &&
        m.OppDefense == other.Defense && InRange(m.RankBefore, 0, ClubCount - 1) &&
        InRange(m.RankAfter, 0, ClubCount - 1) && m.MoneyAfter >= 0 &&
        (d + 1 != image.Matchday || m.RankAfter == me.Rank);
    if (!plausible || !before)
        return plausible;
    const int64_t bonus = match.ResultFor(image.MyClub().ClubId) == mrWin ? winBonus : 0;
    const int64_t prize =
        d + 1 == MatchdayCount ? PrizeTable.at(static_cast<size_t>(m.RankAfter)) : 0;
    return m.BuildUp <= *before && m.MoneyAfter == Saturate(*before - m.BuildUp + bonus + prize);
}

bool ReadMine(TZnReadStream& stream, const TZnLeague& image, TZnSeasonLog& log, int32_t winBonus) {
    const int32_t flags = stream.ReadInt32();
    log.StartKnown = flags == 1;
    log.MoneyStart = stream.ReadInt32();
    log.LevelStart = stream.ReadInt32();
    const bool start =
        log.StartKnown ? log.MoneyStart >= 0 && InRange(log.LevelStart, 1, image.Coach().Level())
                       : log.MoneyStart == 0 && log.LevelStart == 0;
    if (!InRange(flags, 0, 1) || !start || stream.ReadInt32() != image.Matchday)
        return false;
    // The funds before the coming matchday, while the records tell them.
    std::optional<int64_t> before;
    if (log.StartKnown)
        before = log.MoneyStart;
    int64_t invested = 0;
    for (int32_t d = 0; d < image.Matchday; ++d) {
        TZnPlayerMatchRecord& m = log.Mine[static_cast<size_t>(d)];
        const int32_t recorded = stream.ReadInt32();
        m.Recorded = recorded == 1;
        ForEachMineField(m, [&](int32_t& value) { value = stream.ReadInt32(); });
        if (!InRange(recorded, 0, 1) || (log.StartKnown && !m.Recorded) ||
            !PlausibleMine(m, image, log, d, before, winBonus))
            return false;
        before = m.Recorded ? std::optional<int64_t>(m.MoneyAfter) : std::nullopt;
        invested += m.BuildUp;
    }
    // The coach of the image is where the records leave the season.
    const TZnCoachSpan now = CoachNow(image);
    const TZnClub& me = image.MyClub();
    return (!before || *before == now.Money) &&
           (!log.StartKnown ||
            SeasonCanLead(CoachSpanOfLevel(log.MoneyStart - invested, log.LevelStart), me.Wins,
                          PrizePaid(image), now, winBonus));
}

// How the current season began, where the image (before its first matchday) or the records
// (`log`) tell it: the funds, which count the money invested for the first match, that money,
// and the level.
struct TZnSeasonStart {
    int32_t Money = 0;
    int32_t FirstBuildUp = 0;
    int32_t Level = 0;
};
std::optional<TZnSeasonStart> SeasonStart(const TZnLeague& image, const TZnSeasonLog& log) {
    const int32_t buildUp = image.MyClub().BuildUp;
    if (image.Matchday == 0)
        return TZnSeasonStart{Saturate(int64_t{image.Coach().Money} + buildUp), buildUp,
                              image.Coach().Level()};
    if (log.StartKnown)
        return TZnSeasonStart{log.MoneyStart, log.Mine[0].BuildUp, log.LevelStart};
    return std::nullopt;
}

// The career leads to the image: its seasons are completed ones, the current one only after its
// 30th matchday and then as the image ends it, the coach of the image can follow the last, and
// the season before the current one ended where the current one began, where that is known
// (`log`): at its level, and with its funds but at most the money invested for the first match,
// which a file may carry over from the season before.
bool CareerLeadsToImage(const TZnCareer& career, const TZnLeague& image, const TZnSeasonLog& log,
                        int32_t winBonus) {
    if (career.Seasons.empty())
        return true;
    const auto& seasons = career.Seasons;
    const auto start = SeasonStart(image, log);
    for (size_t i = seasons.size() - std::min<size_t>(seasons.size(), 2); i < seasons.size(); ++i)
        if (start && seasons[i].Season == int64_t{image.Season} - 1 &&
            (!InRange(int64_t{start->Money} - seasons[i].Money, 0, start->FirstBuildUp) ||
             start->Level != seasons[i].Level))
            return false;
    const TZnSeasonRecord& last = seasons.back();
    const TZnClub& me = image.MyClub();
    if (last.Season >= image.Season)
        return last.Season == image.Season && image.Matchday == MatchdayCount &&
               last == SeasonRecordOf(image.Season, me, image.Coach());
    // Before the first matchday the start above is the coach of the image, carried money and all.
    return last.Level <= image.Coach().Level() &&
           (image.Season - int64_t{last.Season} != 1 || image.Matchday == 0 ||
            SeasonCanLead(CoachSpanOfLevel(last.Money, last.Level), me.Wins, PrizePaid(image),
                          CoachNow(image), winBonus));
}

// False when the records show a game that did not begin under `rules`: its first season (the
// career's record of it, or the current season) began with other funds or, where that is not
// known, ended or stands with more than those funds and the bonuses can reach.
bool BeganUnder(const TZnRules& rules, const TZnLeague& image, const TZnCareer& career,
                const TZnSeasonLog& log) {
    const TZnCoachSpan start = CoachSpanOfLevel(rules.StartingMoney, 1);
    if (!career.Seasons.empty() && career.Seasons.front().Season == 0) {
        const TZnSeasonRecord& first = career.Seasons.front();
        const TZnSeasonDetail& detail = career.Details.front();
        if (detail.StartKnown
                ? detail.MoneyStart != rules.StartingMoney
                : !SeasonCanLead(start, first.Wins, first.Prize,
                                 CoachSpanOfLevel(first.Money, first.Level), rules.WinBonus))
            return false;
    }
    if (image.Season != 0)
        return true;
    if (const auto known = SeasonStart(image, log))
        return known->Money == rules.StartingMoney;
    return SeasonCanLead(start, image.MyClub().Wins, PrizePaid(image), CoachNow(image),
                         rules.WinBonus);
}

// ---- the challenge and the achievements ----

void WriteChallenge(TZnWriteStream& stream, const TZnGameSetup& setup) {
    const uint64_t value = setup.Code ? setup.Code->Value() : 0;
    stream.WriteInt32(setup.Code ? 1 : 0);
    stream.WriteInt32(static_cast<int32_t>(value & 0xFFFFFFFF));
    stream.WriteInt32(static_cast<int32_t>(value >> 32));
    stream.WriteInt32(static_cast<int32_t>(setup.Difficulty));
}

bool ReadChallenge(TZnReadStream& stream, TZnGameSetup& setup) {
    const int32_t flags = stream.ReadInt32();
    const auto low = static_cast<uint32_t>(stream.ReadInt32());
    const uint64_t value = (uint64_t{static_cast<uint32_t>(stream.ReadInt32())} << 32) | low;
    const int32_t difficulty = stream.ReadInt32();
    if (!InRange(flags, 0, 1) || !InRange(difficulty, 0, DifficultyCount - 1) ||
        TZnChallengeCode::FromValue(value).Value() != value || (flags == 0 && value != 0))
        return false;
    if (flags == 1)
        setup.Code = TZnChallengeCode::FromValue(value);
    setup.Difficulty = static_cast<TZnDifficulty>(difficulty);
    return true;
}

void WriteAchievements(TZnWriteStream& stream, std::span<const TZnAchievement> earned) {
    stream.WriteInt32(static_cast<int32_t>(earned.size()));
    for (const TZnAchievement& a : earned) {
        stream.WriteInt32(static_cast<int32_t>(a.Id));
        stream.WriteInt32(a.Season);
        stream.WriteInt32(a.Matchday);
    }
}

// The achievements, checked against the image and the records read with it (AchievementsAgree).
bool ReadAchievements(TZnReadStream& stream, const TZnLeague& image, TZnDifficulty difficulty,
                      const TZnCareer& career, const TZnSeasonLog& log,
                      std::vector<TZnAchievement>& earned) {
    const int32_t count = stream.ReadInt32();
    if (!InRange(count, 0, AchievementsCount(difficulty) ? int64_t{AchievementCount} : 0))
        return false;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t id = stream.ReadInt32();
        const int32_t season = stream.ReadInt32();
        const int32_t matchday = stream.ReadInt32();
        if (!InRange(id, 0, AchievementCount - 1))
            return false;
        earned.push_back({static_cast<TZnAchievementId>(id), season, matchday});
    }
    return PlausibleAchievements(earned, image.Season, image.Matchday) &&
           AchievementsAgree(earned, image, career, log);
}

// ---- the check of the image and the game's identity ----

constexpr TZnTag ImageCheckTag = {'I', 'C', 'R', 'C'};
constexpr TZnTag GameTag = {'G', 'A', 'M', 'e'};

// Takes the check of the image and the game's identity out of `frame` into `records`; in a later
// version of their layout they stay in it, to be kept as other releases' sections are.
void TakeOwnSections(TZnFrame& frame, TZnRecords& records) {
    std::erase_if(frame.Sections, [&](const TZnSection& section) {
        if (section.Version != SectionVersion)
            return false;
        if (section.Tag == ImageCheckTag) {
            if (!records.ImageCheck)
                records.ImageCheck = ReadImageCheck(section.Body);
            return true;
        }
        if (section.Tag == GameTag) {
            if (!records.Game)
                records.Game = ReadGameSection(section.Body);
            return true;
        }
        return false;
    });
}

// ---- reading and writing ----

// Runs `read` over the whole of `bytes`; false when it fails or leaves bytes over.
template <typename Read> bool ReadWhole(std::span<const uint8_t> bytes, Read read) {
    try {
        TZnReadStream stream(bytes);
        return read(stream) && stream.Position() == bytes.size();
    } catch (const EZnReadError&) {
        return false;
    }
}

} // namespace

size_t RecordsMaxSize() {
    static const size_t size = [] {
        const TZnSeasonLog log;
        const size_t detail =
            BytesWritten([](TZnWriteStream& s) { WriteDetail(s, 0, TZnSeasonDetail{}); });
        const size_t bodies[] = {
            CareerSectionSize(CareerCapacity),
            BytesWritten([](TZnWriteStream& s) { WriteDetails(s, TZnCareer{}); }) +
                detail * CareerCapacity,
            BytesWritten([&](TZnWriteStream& s) { WriteRounds(s, log, MatchdayCount); }),
            BytesWritten([&](TZnWriteStream& s) { WriteMine(s, log, MatchdayCount); }),
            ImageCheckBody({}).size(),
            GameSectionBody({}, 0).size()};
        size_t total = FrameHeaderSize() + ForeignSectionsMaxSize;
        for (const size_t body : bodies)
            total += FramedSectionSize(body);
        return total;
    }();
    return size;
}

void WriteRecords(TZnWriteStream& stream, const TZnLeague& league,
                  std::span<const TZnSection> foreign) {
    const TZnCareer& career = league.Career;
    const TZnSeasonLog& log = league.SeasonLog;
    const int32_t matchday = league.Matchday;
    const TZnGameSetup& setup = league.Setup();
    std::vector<TZnSection> sections;
    // Every save checks its image and names its game, so that damage to the image is seen and
    // the game's autosaves know it.
    sections.push_back({ImageCheckTag, SectionVersion,
                        ImageCheckBody(std::span(stream.Bytes).last(SaveImageSize))});
    if (league.Identity)
        sections.push_back(
            {GameTag, SectionVersion, GameSectionBody(*league.Identity, league.Progress)});
    // A section of a known tag kept unread stands where its kind goes when the game has none of
    // that kind, so that a file passing through unchanged is written back as it came.
    std::vector<bool> placed(foreign.size());
    const auto add = [&](TZnRecordKind kind, bool present, auto writer) {
        for (size_t i = 0; !present && i < foreign.size(); ++i)
            if (foreign[i].Tag == Tags[static_cast<size_t>(kind)]) {
                sections.push_back(foreign[i]);
                placed[i] = true;
            }
        if (!present)
            return;
        TZnWriteStream body;
        writer(body);
        sections.push_back(
            {Tags[static_cast<size_t>(kind)], SectionVersion, std::move(body.Bytes)});
    };
    using enum TZnRecordKind;
    add(Career, !career.Seasons.empty(), [&](auto& s) { career.WriteSection(s); });
    add(SeasonDetails,
        std::any_of(career.Details.begin(), career.Details.end(),
                    [](const TZnSeasonDetail& d) { return d.Known; }),
        [&](auto& s) { WriteDetails(s, career); });
    add(Rounds, AnyRounds(log, matchday), [&](auto& s) { WriteRounds(s, log, matchday); });
    add(PlayerMatches, AnyMine(log, matchday), [&](auto& s) { WriteMine(s, log, matchday); });
    // A game without a code at 普通 saves exactly as before codes and difficulties existed.
    add(Challenge, setup != TZnGameSetup{}, [&](auto& s) { WriteChallenge(s, setup); });
    add(Achievements, setup != TZnGameSetup{} && !league.Achievements.empty(),
        [&](auto& s) { WriteAchievements(s, league.Achievements); });
    // What a later release added follows what this one knows, unchanged.
    for (size_t i = 0; i < foreign.size(); ++i)
        if (!placed[i])
            sections.push_back(foreign[i]);
    WriteFrame(stream, sections);
}

static void ReadAll(std::span<const uint8_t> bytes, const TZnLeague& image, TZnRecords& records) {
    const auto lose = [&](TZnRecordKind kind) { records.Lost.push_back(kind); };
    if (!StartsWithFrame(bytes)) {
        // Earlier releases wrote the career alone; records may follow it.
        TZnCareer& career = records.Career;
        const auto trailer = career.ReadTrailer(bytes);
        if (trailer == TZnCareer::TZnTrailer::Damaged)
            lose(TZnRecordKind::Career);
        if (trailer == TZnCareer::TZnTrailer::Read)
            bytes = bytes.subspan(CareerTrailerSize(career.Seasons.size()));
        if (trailer != TZnCareer::TZnTrailer::Read || !StartsWithFrame(bytes)) {
            if (!CareerLeadsToImage(career, image, records.SeasonLog, WinBonus)) {
                career.Clear();
                lose(TZnRecordKind::Career);
            }
            return;
        }
    }
    TZnFrame frame = ReadFrame(bytes);
    TakeOwnSections(frame, records);
    records.Broken = frame.Broken;
    if (frame.CountWrong)
        records.WrongCount = std::array<int64_t, 2>{frame.Count, static_cast<int64_t>(frame.Found)};
    using enum TZnRecordKind;
    const auto at = [](TZnRecordKind kind) { return static_cast<size_t>(kind); };
    // A kind whose sections are all in another layout than this release's is kept unread and
    // written back as it came, and so is every kind that cannot be checked without it: the
    // details belong to the career, and funds and achievements are checked by the difficulty.
    std::array<bool, RecordKindCount> current{};
    std::array<bool, RecordKindCount> unread{};
    for (const TZnSection& section : frame.Sections)
        if (KindOf(section.Tag) < RecordKindCount)
            (section.Version == SectionVersion ? current : unread)[KindOf(section.Tag)] = true;
    for (size_t k = 0; k < RecordKindCount; ++k)
        unread[k] = unread[k] && !current[k];
    if (unread[at(Challenge)])
        for (const TZnRecordKind kind : {Career, SeasonDetails, PlayerMatches, Achievements})
            unread[at(kind)] = true;
    unread[at(SeasonDetails)] = unread[at(SeasonDetails)] || unread[at(Career)];
    const auto readable = [&](const TZnSection& section) {
        const size_t kind = KindOf(section.Tag);
        return kind < RecordKindCount && section.Version == SectionVersion && !unread[kind];
    };
    // The first intact section of each kind read in this release's layout; the rest is kept for
    // writing back, within the room a later release has, except repeats of what was read. A kind
    // kept unread whose section finds no room is lost.
    std::array<std::optional<std::span<const uint8_t>>, RecordKindCount> sections;
    std::array<bool, RecordKindCount> damaged{};
    // The challenge and the achievements, which came after the bound on a file's size was set,
    // take their room from that of later releases' sections.
    size_t room = ForeignSectionsMaxSize;
    for (const TZnSection& section : frame.Sections)
        if (readable(section) && KindOf(section.Tag) >= at(Challenge))
            room -= std::min(room, FramedSectionSize(section.Body.size()));
    for (const TZnSection& section : frame.Sections) {
        const size_t kind = KindOf(section.Tag);
        const size_t size = FramedSectionSize(section.Body.size());
        if (readable(section)) {
            if (!sections[kind])
                sections[kind] = section.Body;
        } else if (size <= room) {
            room -= size;
            records.Foreign.push_back(section);
        } else if (kind < RecordKindCount) {
            damaged[kind] = true;
        }
    }
    // A damaged section costs its kind; a broken frame every kind not read before the break
    // (the career of a trailer before it stands), but the challenge and the achievements, which
    // most games never have: what a break cost of them goes unnamed, as what followed it.
    for (const TZnTag& tag : frame.Damaged)
        if (KindOf(tag) < RecordKindCount)
            damaged[KindOf(tag)] = true;
    for (size_t k = 0; k < at(Challenge); ++k)
        damaged[k] = damaged[k] || (frame.Broken && !sections[k] && !unread[k] &&
                                    (k != 0 || records.Career.Seasons.empty()));
    // Reads every kind but the challenge into `into`, checked under the rules of `setup`: the
    // current season's first, for the career must end as it began, then the career, its details,
    // and the achievements, checked against them all.
    const auto readKinds = [&](const TZnGameSetup& setup, TZnRecords& into) {
        const int32_t winBonus = setup.Rules().WinBonus;
        // Reads the section of `kind` with `parse`; when that fails or the section is damaged,
        // `forget` drops what it may have left and the loss is noted.
        const auto read = [&](TZnRecordKind kind, auto parse, auto forget) {
            if (sections[at(kind)] ? !parse(*sections[at(kind)]) : damaged[at(kind)]) {
                forget();
                into.Lost.push_back(kind);
            }
        };
        TZnSeasonLog& log = into.SeasonLog;
        TZnCareer& career = into.Career;
        read(
            Rounds,
            [&](auto b) {
                return ReadWhole(b, [&](auto& s) { return ReadRounds(s, image, log); });
            },
            [&] { log.Rounds = {}; });
        read(
            PlayerMatches,
            [&](auto b) {
                return ReadWhole(b, [&](auto& s) { return ReadMine(s, image, log, winBonus); });
            },
            [&] {
                log.StartKnown = false;
                log.MoneyStart = log.LevelStart = 0;
                log.Mine = {};
            });
        // A career section is the newer record of the career than a trailer before it.
        read(
            Career, [&](auto b) { return career.ReadSection(b, winBonus); },
            [&] { career.Clear(); });
        if (!CareerLeadsToImage(career, image, log, winBonus)) {
            career.Clear();
            into.Lost.push_back(Career);
        }
        read(
            SeasonDetails,
            [&](auto b) {
                return ReadWhole(b, [&](auto& s) { return ReadDetails(s, career, winBonus); });
            },
            [&] { std::fill(career.Details.begin(), career.Details.end(), TZnSeasonDetail{}); });
        read(
            Achievements,
            [&](auto b) {
                return into.AchievementsRead = ReadWhole(b, [&](auto& s) {
                           return ReadAchievements(s, image, setup.Difficulty, career, log,
                                                   into.Achievements);
                       });
            },
            [&] { into.Achievements.clear(); });
    };
    TZnGameSetup setup;
    const bool challenge =
        sections[at(Challenge)] &&
        ReadWhole(*sections[at(Challenge)], [&](auto& s) { return ReadChallenge(s, setup); });
    if (!challenge && (sections[at(Challenge)] || damaged[at(Challenge)])) {
        setup = TZnGameSetup{};
        lose(Challenge);
    }
    std::optional<TZnRecords> before;
    if (challenge)
        before = records;
    readKinds(setup, records);
    // The difficulty is refused where the records show another: the funds the game began with,
    // or bonuses that let the records read whole (the kinds before the challenge) under another
    // difficulty's rules with fewer of them lost.
    const auto lostMask = [&](const TZnRecords& r) {
        uint32_t mask = 0;
        for (const TZnRecordKind kind : r.Lost)
            mask |= kind < Challenge ? 1u << at(kind) : 0u;
        return mask;
    };
    const auto began = [&](const TZnRecords& r, TZnDifficulty difficulty) {
        return BeganUnder(RulesOf(difficulty), image, r.Career, r.SeasonLog);
    };
    bool contradicted = challenge && !began(records, setup.Difficulty);
    for (int32_t d = 0; challenge && !contradicted && lostMask(records) != 0 && d < DifficultyCount;
         ++d) {
        const auto other = static_cast<TZnDifficulty>(d);
        if (other == setup.Difficulty)
            continue;
        TZnRecords trial = *before;
        readKinds({setup.Code, other}, trial);
        const uint32_t lost = lostMask(trial);
        contradicted =
            began(trial, other) && (lost & ~lostMask(records)) == 0 && lost != lostMask(records);
    }
    if (contradicted) {
        records = std::move(*before);
        setup = TZnGameSetup{};
        lose(Challenge);
        readKinds(setup, records);
    }
    records.Setup = setup;
}

TZnRecords ReadRecords(std::span<const uint8_t> bytes, const TZnLeague& image,
                       std::span<const uint8_t> imageBytes) {
    TZnRecords records;
    ReadAll(bytes, image, records);
    // Records written for another image belong to none: the image may have been edited on
    // purpose by a reader of the plain image, or damaged.
    if (records.ImageCheck && *records.ImageCheck != Crc32(imageBytes)) {
        records = TZnRecords{};
        records.ImageChanged = true;
    }
    // Before the first matchday the funds the season began with are the coach's and the amount
    // invested for the coming match; the level cannot have changed.
    if (image.Matchday == 0) {
        const int32_t buildUp = image.MyClub().BuildUp;
        records.SeasonLog.Start(Saturate(int64_t{image.Coach().Money} + buildUp),
                                image.Coach().Level());
    }
    return records;
}
