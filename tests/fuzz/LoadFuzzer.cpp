// Feeds arbitrary bytes to the save loader. Every accepted image must leave a game whose
// invariants hold and that plays on; every refused one must leave the game as it was. Closure:
// every save the game writes while it plays on from an accepted image (to the season's end, into
// the next season and three matchdays of it) loads again and gives the same bytes. Records or a
// career trailer after the image are also tried with their checksums made right, so that they
// are read.

#include <cstdlib>
#include <cstring>

#include "GameCrc32.h"
#include "GameGoalrun.h"
#include "GameMatchRecord.h"
#include "GameRecords.h"
#include "GameSaveData.h"
#include "GameViewText.h"
#include "ZnStream.h"

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::vector<uint8_t> Image(const TZnGameGoalrun& game) {
    TZnWriteStream stream;
    game.SaveToStream(stream);
    return stream.Bytes;
}

void CheckInvariants(const TZnGameGoalrun& game) {
    uint32_t ids = 0;
    for (int32_t p = 0; p < game.Clubs().Count(); ++p) {
        const TZnClub& club = game.Clubs().Items(p);
        Require(club.ClubId >= 0 && club.ClubId < 16, "club id in range");
        ids |= 1u << club.ClubId;
        Require((club.Coach != nullptr) == (&club == game.Coach().Club),
                "only the player's club has the coach");
    }
    Require(ids == 0xFFFF, "club ids are a permutation");
    Require(game.Coach().Club != nullptr && game.Coach().Club->Coach == &game.Coach(),
            "coach linked both ways");
    const int32_t me = game.MyClub().ClubId;
    for (int32_t d = 0; d < game.Schedule().Count(); ++d) {
        const TZnMatch& first = game.Schedule().Matchdays(d).Matches(0);
        Require(first.HomeId == me || first.AwayId == me, "player's fixture first");
    }
}

// The image of `game` loads into a fresh game and saves back to the same bytes.
void CheckReloads(const TZnGameGoalrun& game) {
    const auto saved = Image(game);
    TZnGameGoalrun again(KeepSeedSource());
    try {
        again.LoadFromStream(saved);
    } catch (const EZnLoadError& error) {
        std::fprintf(stderr, "the game refuses its own save: %s\n", error.what());
        std::abort();
    }
    Require(Image(again) == saved, "save, load and save again gives the same image");
}

void PutCrc(std::span<uint8_t> at, std::span<const uint8_t> covered) {
    const uint32_t crc = Crc32(covered);
    for (size_t i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(crc >> (8 * i));
}

uint32_t Uint32At(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
           uint32_t{bytes[at + 3]} << 24;
}

// The input with correct checksums, so that the records (or the career trailer) are read too:
// each section's of a frame of the current version, else the one at the end; nothing when the
// input holds neither.
std::vector<uint8_t> WithTrailerChecksum(const uint8_t* data, size_t size) {
    if (size < SaveImageSize + CareerHeaderSize + 4 || data[SaveImageSize] != 'Z')
        return {};
    std::vector<uint8_t> bytes(data, data + size);
    const auto records = std::span(bytes).subspan(SaveImageSize);
    if (records[2] == 'R' && Uint32At(records, 8) == 2) {
        for (size_t at = 16; at + 16 <= records.size();) {
            const size_t end = at + 12 + Uint32At(records, at + 4);
            if (end + 4 > records.size())
                break;
            PutCrc(records.subspan(end, 4), records.subspan(at, end - at));
            at = end + 4;
        }
        return bytes;
    }
    PutCrc(records.last(4), records.first(records.size() - 4));
    return bytes;
}

int LoadAndPlayOn(const uint8_t* data, size_t size) {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    const auto before = Image(game);
    try {
        game.LoadFromStream(std::span<const uint8_t>(data, size));
    } catch (const EZnLoadError&) {
        Require(Image(game) == before, "a refused load leaves the game as it was");
        return 0;
    }
    CheckInvariants(game);
    Require(!game.Finished, "a load clears the finished flag");
    // The accepted game must show and play on without fault.
    MyClubRows(Japanese(), game);
    for (int32_t d = 1; d <= game.Matchday; ++d)
        Require(MatchdayReport(game, d).has_value(), "every played matchday has a report");
    CurrentSeasonReview(game);
    for (size_t i = 0; i < game.Career.Seasons.size(); ++i)
        CompletedSeasonReview(game, i);
    RecordsBook(game);
    CheckReloads(game);
    if (game.CanInvestBuildUp())
        game.InvestBuildUp("1");
    while (game.CanPlayMatchday()) {
        game.PlayMatchday();
        CheckReloads(game);
    }
    if (game.CanNextSeason()) {
        game.NextSeason();
        CheckReloads(game);
        for (int i = 0; i < 3; ++i) {
            game.PlayMatchday();
            CheckReloads(game);
        }
    }
    CheckInvariants(game);
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LoadAndPlayOn(data, size);
    const auto checked = WithTrailerChecksum(data, size);
    if (!checked.empty())
        LoadAndPlayOn(checked.data(), checked.size());
    return 0;
}
