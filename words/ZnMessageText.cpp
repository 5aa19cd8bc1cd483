#include "ZnMessageText.h"

namespace {

// What a message's number stands for: how it is worded, the same in every language. Every id is
// named below, so that a new one cannot be forgotten here.
enum class TZnPiece { None, Number, Money, Season, Venue, RecordKinds, RecordKindsBroken };

using TZnPieces = std::array<TZnPiece, 4>;

constexpr TZnPieces PiecesOf(TZnMessageId id) {
    using enum TZnMessageId;
    using enum TZnPiece;
    switch (id) {
    case StartingFunds:
    case BonusGained:
    case BuildUpInvested:
        return {Money};
    case MatchWon:
    case MatchDrawn:
    case MatchLost:
        return {Number, Venue};
    case ExperienceGained:
        return {Number};
    case FinalRank:
        return {Number, Money};
    case ChampionSeason:
    case SeasonStart:
        return {Season};
    case RecordsDamaged:
        return {RecordKinds};
    case RecordsBroken:
        return {RecordKindsBroken};
    case RecordsCountWrong:
        return {Number, Number};
    case Welcome:
    case ImageChanged:
    case GoodLuck:
    case Champion:
    case PerfectSeason:
    case BuildUpMissing:
    case BuildUpShort:
    case Count:
        break;
    }
    return {};
}

std::string Piece(const TZnWording& wording, TZnPiece kind, int64_t number) {
    switch (kind) {
    case TZnPiece::None:
        return {};
    case TZnPiece::Number:
        return std::to_string(number);
    case TZnPiece::Money:
        return wording.Money(static_cast<int32_t>(number));
    case TZnPiece::Season:
        return SeasonName(wording, static_cast<int32_t>(number));
    case TZnPiece::Venue:
        return std::string(wording.Venues.at(number == 0 ? 0 : 1));
    case TZnPiece::RecordKinds:
    case TZnPiece::RecordKindsBroken:
        break;
    }
    std::string list;
    for (size_t k = 0; k < wording.RecordKinds.size(); ++k) {
        if ((number >> k & 1) == 0)
            continue;
        list += list.empty() ? "" : wording.ListSeparator;
        list += wording.RecordKinds[k];
    }
    if (kind == TZnPiece::RecordKindsBroken)
        list += (list.empty() ? "" : wording.ListSeparator) + wording.RecordsAfterBreak;
    return list;
}

} // namespace

std::string MessageText(const TZnWording& wording, const TZnMessage& message) {
    const TZnPieces kinds = PiecesOf(message.Id);
    std::array<std::string, 4> pieces;
    for (size_t i = 0; i < pieces.size(); ++i)
        pieces[i] = Piece(wording, kinds[i], message.Numbers[i]);
    return FillTemplate(wording.Messages.at(static_cast<size_t>(message.Id)),
                        {pieces[0], pieces[1], pieces[2], pieces[3], message.Name});
}
