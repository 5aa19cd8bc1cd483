#include "GameSaveSections.h"

#include <algorithm>
#include <array>

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

void WriteDetails(TZnWriteStream& stream, const TZnCareer& career) {
    const auto known = std::count_if(career.Details.begin(), career.Details.end(),
                                     [](const TZnSeasonDetail& d) { return d.Known; });
    stream.WriteInt32(static_cast<int32_t>(known));
    for (size_t i = 0; i < career.Details.size(); ++i) {
        const TZnSeasonDetail& d = career.Details[i];
        if (!d.Known)
            continue;
        stream.WriteInt32(career.Seasons[i].Season);
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
}

bool PlausibleDetail(const TZnSeasonDetail& d, const TZnSeasonRecord& r) {
    const bool start =
        d.StartKnown ? d.MoneyStart >= 0 && InRange(d.LevelStart, 1, r.Level) && d.Invested >= 0
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

// The strengths a recorded fixture notes agree with the clubs of the image, and its values are
// ones a matchday leaves.
bool PlausibleMine(const TZnPlayerMatchRecord& m, const TZnLoadedImage& image,
                   const TZnSeasonLog& log, int32_t d) {
    if (!m.Recorded)
        return m == TZnPlayerMatchRecord{};
    const TZnMatch& match = image.Schedule.Matchdays(d).Matches(0);
    const TZnClub& me = image.Clubs.ClubById(image.MyClubId);
    const TZnClub& other =
        image.Clubs.ClubById(match.HomeId == image.MyClubId ? match.AwayId : match.HomeId);
    const int32_t added = Saturate(int64_t{m.Level} * m.BuildUp);
    return m.BuildUp >= 0 &&
           InRange(m.Level, log.StartKnown ? log.LevelStart : 1, image.Coach.Level()) &&
           m.MyAttack == Saturate(int64_t{me.Attack} + added) &&
           m.MyDefense == Saturate(int64_t{me.Defense} + added) && m.OppAttack == other.Attack &&
           m.OppDefense == other.Defense && InRange(m.RankBefore, 0, ClubCount - 1) &&
           InRange(m.RankAfter, 0, ClubCount - 1) && m.MoneyAfter >= 0 &&
           (d + 1 != image.Matchday || m.RankAfter == me.Rank);
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
    for (int32_t d = 0; d < image.Matchday; ++d) {
        TZnPlayerMatchRecord& m = log.Mine[static_cast<size_t>(d)];
        const int32_t recorded = stream.ReadInt32();
        m.Recorded = recorded == 1;
        ForEachMineField(m, [&](int32_t& value) { value = stream.ReadInt32(); });
        if (!InRange(recorded, 0, 1) || (log.StartKnown && !m.Recorded) ||
            !PlausibleMine(m, image, log, d))
            return false;
    }
    return true;
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

} // namespace

void WriteRecords(TZnWriteStream& stream, const TZnCareer& career, const TZnSeasonLog& log,
                  int32_t matchday) {
    std::array<TZnWriteStream, RecordKindCount> bodies;
    std::array<bool, RecordKindCount> present = {
        !career.Seasons.empty(),
        std::any_of(career.Details.begin(), career.Details.end(),
                    [](const TZnSeasonDetail& d) { return d.Known; }),
        AnyRounds(log, matchday), AnyMine(log, matchday)};
    if (std::none_of(present.begin(), present.end(), [](bool p) { return p; }))
        return;
    bodies[0].Bytes.reserve(CareerSectionMaxSize);
    bodies[1].Bytes.reserve(4 + SeasonDetailSize * career.Details.size());
    if (present[0])
        career.WriteSection(bodies[0]);
    if (present[1])
        WriteDetails(bodies[1], career);
    if (present[2])
        WriteRounds(bodies[2], log, matchday);
    if (present[3])
        WriteMine(bodies[3], log, matchday);
    const size_t start = stream.Bytes.size();
    stream.Bytes.reserve(start + 20 + 8 * RecordKindCount + bodies[0].Bytes.size() +
                         bodies[1].Bytes.size() + bodies[2].Bytes.size() + bodies[3].Bytes.size());
    stream.WriteBytes(RecordsMagic);
    stream.WriteInt32(RecordsVersion);
    stream.WriteInt32(static_cast<int32_t>(std::count(present.begin(), present.end(), true)));
    for (size_t k = 0; k < RecordKindCount; ++k) {
        if (!present[k])
            continue;
        stream.WriteBytes(Tags[k]);
        stream.WriteInt32(static_cast<int32_t>(bodies[k].Bytes.size()));
        stream.WriteBytes(bodies[k].Bytes);
    }
    stream.WriteInt32(static_cast<int32_t>(Crc32(std::span(stream.Bytes).subspan(start))));
}

static void ReadAll(std::span<const uint8_t> bytes, const TZnLoadedImage& image,
                    TZnRecords& records) {
    const auto lose = [&](TZnRecordKind kind) { records.Lost.push_back(kind); };
    if (!(bytes.size() >= RecordsMagic.size() &&
          std::equal(RecordsMagic.begin(), RecordsMagic.end(), bytes.begin()))) {
        // Earlier releases wrote the career alone.
        const auto trailer = records.Career.ReadTrailer(bytes);
        const bool late =
            !records.Career.Seasons.empty() && records.Career.Seasons.back().Season > image.Season;
        if (trailer == TZnCareer::TZnTrailer::Damaged || late) {
            records.Career.Clear();
            lose(TZnRecordKind::Career);
        }
        return;
    }
    std::array<std::optional<std::span<const uint8_t>>, RecordKindCount> sections;
    if (!ReadFrame(bytes, sections)) {
        for (size_t k = 0; k < RecordKindCount; ++k)
            lose(static_cast<TZnRecordKind>(k));
        return;
    }
    TZnCareer& career = records.Career;
    if (sections[0] && !career.ReadSection(*sections[0], image.Season))
        lose(TZnRecordKind::Career);
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
