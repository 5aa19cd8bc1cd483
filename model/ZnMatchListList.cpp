#include "ZnMatchListList.h"

#include "ZnMatchesConsts.h"

TZnMatchListList::TZnMatchListList() {
    Lists.reserve(MatchdayCount);
    for (const auto& day : SeasonTable) {
        TZnMatchList list;
        for (const auto& pair : day) {
            TZnMatch match;
            match.HomeId = pair[0];
            match.AwayId = pair[1];
            list.Append(match);
        }
        Lists.push_back(std::move(list));
    }
}

void TZnMatchListList::ResetResults() {
    for (auto& list : Lists)
        for (int32_t j = 0; j < list.Count(); ++j)
            list.Matches(j).Reset();
}

void TZnMatchListList::PutClubFirst(int32_t id) {
    for (auto& list : Lists)
        for (int32_t j = 1; j < list.Count(); ++j) {
            const TZnMatch& match = list.Matches(j);
            if (match.HomeId == id || match.AwayId == id)
                list.Exchange(0, j);
        }
}

void TZnMatchListList::ReadFromStream(TZnReadStream& stream) {
    for (auto& list : Lists)
        list.ReadFromStream(stream);
}

void TZnMatchListList::WriteToStream(TZnWriteStream& stream) const {
    for (const auto& list : Lists)
        list.WriteToStream(stream);
}
