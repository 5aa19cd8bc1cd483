#pragma once

#include <cstdint>
#include <vector>

#include "ZnMatchList.h"

// The season's thirty matchdays; position m is matchday m + 1.
class TZnMatchListList {
public:
    // Builds the thirty matchdays in the order of SeasonTable.
    TZnMatchListList();

    int32_t Count() const { return static_cast<int32_t>(Lists.size()); }
    // Throws std::out_of_range outside 0 .. Count() - 1.
    TZnMatchList& Matchdays(int32_t position) { return Lists.at(static_cast<size_t>(position)); }
    const TZnMatchList& Matchdays(int32_t position) const {
        return Lists.at(static_cast<size_t>(position));
    }

    void ResetResults();
    // In every matchday, exchanges the fixture of `id` with the one at position 0. Works on the
    // lists as they stand, so the order of the other fixtures depends on earlier calls.
    void PutClubFirst(int32_t id);

    void ReadFromStream(TZnReadStream& stream);
    void WriteToStream(TZnWriteStream& stream) const;

private:
    std::vector<TZnMatchList> Lists;
};
