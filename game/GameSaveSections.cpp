#include "GameSaveSections.h"

#include <algorithm>
#include <array>

#include "ConstsGoalrun.h"
#include "GameAchievements.h"
#include "GameChallenge.h"
#include "GameLeague.h"
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
// the win bonuses, and the record's funds and level are reachable from the start.
bool PlausibleDetail(const TZnSeasonDetail& d, const TZnSeasonRecord& r, int32_t winBonus) {
    const bool start =
        d.StartKnown
            ? d.MoneyStart >= 0 && InRange(d.LevelStart, 1, r.Level) &&
                  InRange(d.Invested, 0, int64_t{d.MoneyStart} + int64_t{winBonus} * r.Wins) &&
                  SeasonCanLead(CoachSpanOfLevel(d.MoneyStart - d.Invested, d.LevelStart), r.Wins,
                                r.Prize, CoachSpanOfLevel(r.Money, r.Level), winBonus)
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
        if (!PlausibleDetail(d, career.Seasons[at], winBonus))
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

// The career leads to the image: its seasons are completed ones, the current one only after its
// 30th matchday and then as the image ends it, and the coach of the image can follow the last.
bool CareerLeadsToImage(const TZnCareer& career, const TZnLeague& image, int32_t winBonus) {
    if (career.Seasons.empty())
        return true;
    const TZnSeasonRecord& last = career.Seasons.back();
    const TZnClub& me = image.MyClub();
    if (last.Season >= image.Season)
        return last.Season == image.Season && image.Matchday == MatchdayCount &&
               last == SeasonRecordOf(image.Season, me, image.Coach());
    return last.Level <= image.Coach().Level() &&
           (image.Season - int64_t{last.Season} != 1 ||
            SeasonCanLead(CoachSpanOfLevel(last.Money, last.Level), me.Wins, PrizePaid(image),
                          CoachNow(image), winBonus));
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

bool ReadAchievements(TZnReadStream& stream, const TZnLeague& image, TZnDifficulty difficulty,
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
    return PlausibleAchievements(earned, image.Season, image.Matchday);
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
            CareerSectionSize(CareerCapacity), BytesWritten([](TZnWriteStream& s) {
                                                   WriteDetails(s, TZnCareer{});
                                               }) + detail * CareerCapacity,
            BytesWritten([&](TZnWriteStream& s) { WriteRounds(s, log, MatchdayCount); }),
            BytesWritten([&](TZnWriteStream& s) { WriteMine(s, log, MatchdayCount); })};
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
    const auto add = [&](TZnRecordKind kind, bool present, auto writer) {
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
    sections.insert(sections.end(), foreign.begin(), foreign.end());
    if (!sections.empty())
        WriteFrame(stream, sections);
}

static void ReadAll(std::span<const uint8_t> bytes, const TZnLeague& image, TZnRecords& records) {
    const auto lose = [&](TZnRecordKind kind) { records.Lost.push_back(kind); };
    TZnCareer& career = records.Career;
    // The challenge section, read first, may change it.
    int32_t winBonus = WinBonus;
    const auto checkCareer = [&] {
        if (!CareerLeadsToImage(career, image, winBonus)) {
            career.Clear();
            lose(TZnRecordKind::Career);
        }
    };
    if (!StartsWithFrame(bytes)) {
        // Earlier releases wrote the career alone; records may follow it.
        const auto trailer = career.ReadTrailer(bytes);
        if (trailer == TZnCareer::TZnTrailer::Damaged)
            lose(TZnRecordKind::Career);
        if (trailer == TZnCareer::TZnTrailer::Read)
            bytes = bytes.subspan(CareerTrailerSize(career.Seasons.size()));
        if (trailer != TZnCareer::TZnTrailer::Read || !StartsWithFrame(bytes)) {
            checkCareer();
            return;
        }
    }
    const TZnFrame frame = ReadFrame(bytes);
    // The first intact section of each kind in this release's layout; the rest is kept for
    // writing back, within the room a later release has, except repeats of what was read.
    std::array<std::optional<std::span<const uint8_t>>, RecordKindCount> sections;
    // The challenge and the achievements, which came after the bound on a file's size was set,
    // take their room from that of later releases' sections.
    size_t room = ForeignSectionsMaxSize;
    for (const TZnSection& section : frame.Sections)
        if (KindOf(section.Tag) >= static_cast<size_t>(TZnRecordKind::Challenge) &&
            KindOf(section.Tag) < RecordKindCount && section.Version == SectionVersion)
            room -= std::min(room, FramedSectionSize(section.Body.size()));
    for (const TZnSection& section : frame.Sections) {
        const size_t kind = KindOf(section.Tag);
        const size_t size = FramedSectionSize(section.Body.size());
        if (kind < RecordKindCount && section.Version == SectionVersion) {
            if (!sections[kind])
                sections[kind] = section.Body;
        } else if (size <= room) {
            room -= size;
            records.Foreign.push_back(section);
        }
    }
    // A damaged section costs its kind; a broken frame every kind not read before the break
    // (the career of a trailer before it stands), but the challenge and the achievements, which
    // most games never have: a break says nothing of them.
    std::array<bool, RecordKindCount> damaged{};
    for (const TZnTag& tag : frame.Damaged)
        if (KindOf(tag) < RecordKindCount)
            damaged[KindOf(tag)] = true;
    const auto challenge = static_cast<size_t>(TZnRecordKind::Challenge);
    for (size_t k = 0; k < challenge; ++k)
        damaged[k] =
            damaged[k] || (frame.Broken && !sections[k] && (k != 0 || career.Seasons.empty()));
    // Reads the section of `kind` with `parse`; when that fails or the section is damaged,
    // `forget` drops what it may have left and the loss is noted.
    const auto read = [&](TZnRecordKind kind, auto parse, auto forget) {
        const auto k = static_cast<size_t>(kind);
        if (sections[k] ? !parse(*sections[k]) : damaged[k]) {
            forget();
            lose(kind);
        }
    };
    using enum TZnRecordKind;
    TZnGameSetup& setup = records.Setup;
    read(
        Challenge,
        [&](auto b) { return ReadWhole(b, [&](auto& s) { return ReadChallenge(s, setup); }); },
        [&] { setup = TZnGameSetup{}; });
    winBonus = setup.Rules().WinBonus;
    // A career section is the newer record of the career than a trailer before it.
    read(
        Career, [&](auto b) { return career.ReadSection(b, winBonus); }, [&] { career.Clear(); });
    checkCareer();
    read(
        SeasonDetails,
        [&](auto b) {
            return ReadWhole(b, [&](auto& s) { return ReadDetails(s, career, winBonus); });
        },
        [&] { std::fill(career.Details.begin(), career.Details.end(), TZnSeasonDetail{}); });
    TZnSeasonLog& log = records.SeasonLog;
    read(
        Rounds,
        [&](auto b) { return ReadWhole(b, [&](auto& s) { return ReadRounds(s, image, log); }); },
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
    read(
        Achievements,
        [&](auto b) {
            return records.AchievementsRead = ReadWhole(b, [&](auto& s) {
                       return ReadAchievements(s, image, setup.Difficulty, records.Achievements);
                   });
        },
        [&] { records.Achievements.clear(); });
}

TZnRecords ReadRecords(std::span<const uint8_t> bytes, const TZnLeague& image) {
    TZnRecords records;
    ReadAll(bytes, image, records);
    // Before the first matchday the funds the season began with are the coach's and the amount
    // invested for the coming match; the level cannot have changed.
    if (image.Matchday == 0) {
        const int32_t buildUp = image.MyClub().BuildUp;
        records.SeasonLog.Start(Saturate(int64_t{image.Coach().Money} + buildUp),
                                image.Coach().Level());
    }
    return records;
}
