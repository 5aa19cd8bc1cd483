#include "ZnMatchList.h"

#include <utility>

#include "ZnStream.h"

void TZnMatch::Reset() {
    Played = false;
    HomeGoals = 0;
    AwayGoals = 0;
}

TZnMatchResult TZnMatch::ResultFor(int32_t id) const {
    const int32_t own = id == HomeId ? HomeGoals : AwayGoals;
    const int32_t other = id == HomeId ? AwayGoals : HomeGoals;
    if (own > other)
        return mrWin;
    return own < other ? mrLose : mrDraw;
}

void TZnMatch::ReadFromStream(TZnReadStream& stream) {
    AwayId = stream.ReadInt32();
    HomeId = stream.ReadInt32();
    Played = stream.ReadByte() != 0;
    AwayGoals = stream.ReadInt32();
    HomeGoals = stream.ReadInt32();
}

void TZnMatch::WriteToStream(TZnWriteStream& stream) const {
    stream.WriteInt32(AwayId);
    stream.WriteInt32(HomeId);
    stream.WriteByte(Played ? 1 : 0);
    stream.WriteInt32(AwayGoals);
    stream.WriteInt32(HomeGoals);
}

void TZnMatchList::Exchange(int32_t a, int32_t b) {
    std::swap(Matches(a), Matches(b));
}

void TZnMatchList::ReadFromStream(TZnReadStream& stream) {
    for (auto& match : Items)
        match.ReadFromStream(stream);
}

void TZnMatchList::WriteToStream(TZnWriteStream& stream) const {
    for (const auto& match : Items)
        match.WriteToStream(stream);
}
