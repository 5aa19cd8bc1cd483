#include "GameSaveSections.h"

#include <algorithm>
#include <array>

#include "ConstsGoalrun.h"
#include "ZnClubList.h"
#include "ZnCoach.h"
#include "ZnMatchListList.h"
#include "ZnSaturate.h"
#include "ZnStream.h"

namespace {

constexpr std::array<uint8_t, 8> RecordsMagic = {'Z', 'n', 'R', 'e', 'c', 'o', 'r', 'd'};
constexpr int32_t RecordsVersion = 1;
constexpr std::array<std::array<uint8_t, 4>, RecordKindCount> Tags = {
    {{'C', 'A', 'R', 'E'}, {'S', 'E', 'A', 'S'}, {'R', 'N', 'D', 'S'}, {'M', 'I', 'N', 'E'}}};

bool InRange(int64_t value, int64_t low, int64_t high) {
    return value >= low && value <= high;
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
bool PlausibleDetail(const TZnSeasonDetail& d, const TZnSeasonRecord& r) {
    const bool start =
        d.StartKnown
            ? d.MoneyStart >= 0 && InRange(d.LevelStart, 1, r.Level) &&
                  InRange(d.Invested, 0, int64_t{d.MoneyStart} + int64_t{WinBonus} * r.Wins) &&
                  SeasonCanLead(CoachSpanOfLevel(d.MoneyStart - d.Invested, d.LevelStart), r.Wins,
                                r.Prize, CoachSpanOfLevel(r.Money, r.Level))
            : d.MoneyStart == 0 && d.LevelStart == 0 && d.Invested == 0;
    return start && d.BestWin.has_value() == (r.Wins > 0) &&
           d.WorstDefeat.has_value() == (r.Losses > 0) &&
           InRange(d.LongestWinning, std::min(r.Wins, 1), r.Wins) &&
           InRange(d.LongestUnbeaten, d.LongestWinning, r.Wins + r.Draws) &&
           d.Ranks.back() == r.Rank;
}

bool ReadDetails(TZnReadStream& stream, TZnCareer& career) {
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
        if (!PlausibleDetail(d, career.Seasons[at]))
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

bool ReadRounds(TZnReadStream& stream, const TZnLoadedImage& image, TZnSeasonLog& log) {
    if (stream.ReadInt32() != image.Matchday)
        return false;
    for (int32_t d = 0; d < image.Matchday; ++d) {
        auto& day = log.Rounds[static_cast<size_t>(d)];
        for (size_t j = 0; j < day.size(); ++j) {
            day[j] = static_cast<uint32_t>(stream.ReadInt32());
            const TZnMatch& match = image.Schedule.Matchdays(d).Matches(static_cast<int32_t>(j));
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
TZnCoachSpan CoachNow(const TZnLoadedImage& image) {
    const int64_t money = int64_t{image.Coach.Money} + image.Clubs.ClubById(image.MyClubId).BuildUp;
    return {money, image.Coach.Experience, image.Coach.Experience};
}

// The prize the image's season has paid: after the 30th matchday, the prize of the final rank.
int32_t PrizePaid(const TZnLoadedImage& image) {
    const TZnClub& me = image.Clubs.ClubById(image.MyClubId);
    return image.Matchday == MatchdayCount ? PrizeTable.at(static_cast<size_t>(me.Rank)) : 0;
}

// The strengths a recorded fixture notes agree with the clubs of the image, and its values are
// ones a matchday leaves. With the funds before it known (`before`), the investment came from
// them, and the funds after it are them less the investment plus the win bonus and, on the 30th
// matchday, the prize.
bool PlausibleMine(const TZnPlayerMatchRecord& m, const TZnLoadedImage& image,
                   const TZnSeasonLog& log, int32_t d, std::optional<int64_t> before) {
    if (!m.Recorded)
        return m == TZnPlayerMatchRecord{};
    const TZnMatch& match = image.Schedule.Matchdays(d).Matches(0);
    const TZnClub& me = image.Clubs.ClubById(image.MyClubId);
    const TZnClub& other =
        image.Clubs.ClubById(match.HomeId == image.MyClubId ? match.AwayId : match.HomeId);
    const int32_t added = Saturate(int64_t{m.Level} * m.BuildUp);
    const bool plausible =
        m.BuildUp >= 0 &&
        InRange(m.Level, log.StartKnown ? log.LevelStart : 1, image.Coach.Level()) &&
        m.MyAttack == Saturate(int64_t{me.Attack} + added) &&
        m.MyDefense == Saturate(int64_t{me.Defense} + added) && m.OppAttack == other.Attack &&
        m.OppDefense == other.Defense && InRange(m.RankBefore, 0, ClubCount - 1) &&
        InRange(m.RankAfter, 0, ClubCount - 1) && m.MoneyAfter >= 0 &&
        (d + 1 != image.Matchday || m.RankAfter == me.Rank);
    if (!plausible || !before)
        return plausible;
    const int64_t bonus = match.ResultFor(image.MyClubId) == mrWin ? WinBonus : 0;
    const int64_t prize =
        d + 1 == MatchdayCount ? PrizeTable.at(static_cast<size_t>(m.RankAfter)) : 0;
    return m.BuildUp <= *before && m.MoneyAfter == Saturate(*before - m.BuildUp + bonus + prize);
}

bool ReadMine(TZnReadStream& stream, const TZnLoadedImage& image, TZnSeasonLog& log) {
    const int32_t flags = stream.ReadInt32();
    log.StartKnown = flags == 1;
    log.MoneyStart = stream.ReadInt32();
    log.LevelStart = stream.ReadInt32();
    const bool start = log.StartKnown
                           ? log.MoneyStart >= 0 && InRange(log.LevelStart, 1, image.Coach.Level())
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
            !PlausibleMine(m, image, log, d, before))
            return false;
        before = m.Recorded ? std::optional<int64_t>(m.MoneyAfter) : std::nullopt;
        invested += m.BuildUp;
    }
    // The coach of the image is where the records leave the season.
    const TZnCoachSpan now = CoachNow(image);
    const TZnClub& me = image.Clubs.ClubById(image.MyClubId);
    return (!before || *before == now.Money) &&
           (!log.StartKnown ||
            SeasonCanLead(CoachSpanOfLevel(log.MoneyStart - invested, log.LevelStart), me.Wins,
                          PrizePaid(image), now));
}

// The career leads to the image: its seasons are completed ones, the current one only after its
// 30th matchday and then as the image ends it, and the coach of the image can follow the last.
bool CareerLeadsToImage(const TZnCareer& career, const TZnLoadedImage& image) {
    if (career.Seasons.empty())
        return true;
    const TZnSeasonRecord& last = career.Seasons.back();
    const TZnClub& me = image.Clubs.ClubById(image.MyClubId);
    if (last.Season >= image.Season)
        return last.Season == image.Season && image.Matchday == MatchdayCount &&
               last == SeasonRecordOf(image.Season, me, image.Coach);
    return last.Level <= image.Coach.Level() &&
           (image.Season - int64_t{last.Season} != 1 ||
            SeasonCanLead(CoachSpanOfLevel(last.Money, last.Level), me.Wins, PrizePaid(image),
                          CoachNow(image)));
}

// ---- the frame ----

// The sections of a frame by kind; false when the frame is broken or its checksum wrong.
bool ReadFrame(std::span<const uint8_t> bytes,
               std::array<std::optional<std::span<const uint8_t>>, RecordKindCount>& sections) {
    try {
        TZnReadStream stream(bytes);
        stream.ReadBytes(RecordsMagic.size());
        const int32_t count = stream.ReadInt32() == RecordsVersion ? stream.ReadInt32() : -1;
        if (!InRange(count, 1, RecordKindCount))
            return false;
        size_t next = 0; // kinds stand in order, each at most once
        for (int32_t i = 0; i < count; ++i) {
            const auto tag = stream.ReadBytes(4);
            const int32_t length = stream.ReadInt32();
            const auto kind = static_cast<size_t>(
                std::find_if(
                    Tags.begin(), Tags.end(),
                    [&](const auto& t) { return std::equal(t.begin(), t.end(), tag.begin()); }) -
                Tags.begin());
            if (kind < next || kind == Tags.size() || length < 0)
                return false;
            sections[kind] = stream.ReadBytes(static_cast<size_t>(length));
            next = kind + 1;
        }
        const size_t checked = stream.Position();
        return static_cast<uint32_t>(stream.ReadInt32()) == Crc32(bytes.first(checked));
    } catch (const EZnReadError&) {
        return false;
    }
}

// Runs `read` over the whole of `bytes`; false when it fails or leaves bytes over.
template <typename Read> bool ReadWhole(std::span<const uint8_t> bytes, Read read) {
    try {
        TZnReadStream stream(bytes);
        return read(stream) && stream.Position() == bytes.size();
    } catch (const EZnReadError&) {
        return false;
    }
}

using TZnBodies = std::array<std::optional<TZnWriteStream>, RecordKindCount>;

// Frames the bodies of the kinds present.
void WriteFrame(TZnWriteStream& stream, const TZnBodies& bodies) {
    const size_t start = stream.Bytes.size();
    size_t size = 0;
    for (const auto& body : bodies)
        size += body ? 8 + body->Bytes.size() : 0;
    stream.Bytes.reserve(start + 20 + size);
    stream.WriteBytes(RecordsMagic);
    stream.WriteInt32(RecordsVersion);
    stream.WriteInt32(static_cast<int32_t>(
        std::count_if(bodies.begin(), bodies.end(), [](const auto& b) { return b.has_value(); })));
    for (size_t k = 0; k < RecordKindCount; ++k) {
        if (!bodies[k])
            continue;
        stream.WriteBytes(Tags[k]);
        stream.WriteInt32(static_cast<int32_t>(bodies[k]->Bytes.size()));
        stream.WriteBytes(bodies[k]->Bytes);
    }
    stream.WriteInt32(static_cast<int32_t>(Crc32(std::span(stream.Bytes).subspan(start))));
}

bool StartsWithMagic(std::span<const uint8_t> bytes) {
    return bytes.size() >= RecordsMagic.size() &&
           std::equal(RecordsMagic.begin(), RecordsMagic.end(), bytes.begin());
}

} // namespace

size_t RecordsMaxSize() {
    static const size_t size = [] {
        const TZnSeasonLog log;
        const size_t frame = BytesWritten([](TZnWriteStream& s) {
            TZnBodies empty;
            empty.fill(TZnWriteStream{});
            WriteFrame(s, empty);
        });
        const size_t detail =
            BytesWritten([](TZnWriteStream& s) { WriteDetail(s, 0, TZnSeasonDetail{}); });
        return frame + CareerSectionSize(CareerCapacity) +
               BytesWritten([](TZnWriteStream& s) { WriteDetails(s, TZnCareer{}); }) +
               detail * CareerCapacity +
               BytesWritten([&](TZnWriteStream& s) { WriteRounds(s, log, MatchdayCount); }) +
               BytesWritten([&](TZnWriteStream& s) { WriteMine(s, log, MatchdayCount); });
    }();
    return size;
}

void WriteRecords(TZnWriteStream& stream, const TZnCareer& career, const TZnSeasonLog& log,
                  int32_t matchday) {
    TZnBodies bodies;
    const auto write = [&](TZnRecordKind kind, bool present, auto writer) {
        if (present)
            writer(bodies[static_cast<size_t>(kind)].emplace());
    };
    using enum TZnRecordKind;
    write(Career, !career.Seasons.empty(), [&](auto& s) { career.WriteSection(s); });
    write(SeasonDetails,
          std::any_of(career.Details.begin(), career.Details.end(),
                      [](const TZnSeasonDetail& d) { return d.Known; }),
          [&](auto& s) { WriteDetails(s, career); });
    write(Rounds, AnyRounds(log, matchday), [&](auto& s) { WriteRounds(s, log, matchday); });
    write(PlayerMatches, AnyMine(log, matchday), [&](auto& s) { WriteMine(s, log, matchday); });
    if (std::any_of(bodies.begin(), bodies.end(), [](const auto& b) { return b.has_value(); }))
        WriteFrame(stream, bodies);
}

static void ReadAll(std::span<const uint8_t> bytes, const TZnLoadedImage& image,
                    TZnRecords& records) {
    const auto lose = [&](TZnRecordKind kind) { records.Lost.push_back(kind); };
    TZnCareer& career = records.Career;
    const auto checkCareer = [&] {
        if (!CareerLeadsToImage(career, image)) {
            career.Clear();
            lose(TZnRecordKind::Career);
        }
    };
    if (!StartsWithMagic(bytes)) {
        // Earlier releases wrote the career alone; records may follow it.
        const auto trailer = career.ReadTrailer(bytes);
        if (trailer == TZnCareer::TZnTrailer::Damaged)
            lose(TZnRecordKind::Career);
        if (trailer == TZnCareer::TZnTrailer::Read)
            bytes = bytes.subspan(CareerTrailerSize(career.Seasons.size()));
        if (trailer != TZnCareer::TZnTrailer::Read || !StartsWithMagic(bytes)) {
            checkCareer();
            return;
        }
    }
    std::array<std::optional<std::span<const uint8_t>>, RecordKindCount> sections;
    if (!ReadFrame(bytes, sections)) {
        // A broken frame costs every kind it may hold; the career of a trailer before it stands.
        for (size_t k = career.Seasons.empty() ? 0 : 1; k < RecordKindCount; ++k)
            lose(static_cast<TZnRecordKind>(k));
        checkCareer();
        return;
    }
    // A career section is the newer record of the career than a trailer before it.
    if (sections[0] && !career.ReadSection(*sections[0]))
        lose(TZnRecordKind::Career);
    else
        checkCareer();
    if (sections[1] && !ReadWhole(*sections[1], [&](auto& s) { return ReadDetails(s, career); })) {
        std::fill(career.Details.begin(), career.Details.end(), TZnSeasonDetail{});
        lose(TZnRecordKind::SeasonDetails);
    }
    TZnSeasonLog& log = records.SeasonLog;
    if (sections[2] &&
        !ReadWhole(*sections[2], [&](auto& s) { return ReadRounds(s, image, log); })) {
        log.Rounds = {};
        lose(TZnRecordKind::Rounds);
    }
    if (sections[3] && !ReadWhole(*sections[3], [&](auto& s) { return ReadMine(s, image, log); })) {
        log.StartKnown = false;
        log.MoneyStart = log.LevelStart = 0;
        log.Mine = {};
        lose(TZnRecordKind::PlayerMatches);
    }
}

TZnRecords ReadRecords(std::span<const uint8_t> bytes, const TZnLoadedImage& image) {
    TZnRecords records;
    ReadAll(bytes, image, records);
    // Before the first matchday the funds the season began with are the coach's and the amount
    // invested for the coming match; the level cannot have changed.
    if (image.Matchday == 0) {
        const int32_t buildUp = image.Clubs.ClubById(image.MyClubId).BuildUp;
        records.SeasonLog.Start(Saturate(int64_t{image.Coach.Money} + buildUp),
                                image.Coach.Level());
    }
    return records;
}
