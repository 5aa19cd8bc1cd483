#include "CareerModel.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "ZnMoneyText.h"

namespace {

// Numbers right, so digits line up; the title mark left in the last column, which takes the free
// width.
QVariant Alignment(TCareerColumn column) {
    return QVariant::fromValue(Qt::AlignVCenter |
                               (column == TCareerColumn::Title ? Qt::AlignLeft : Qt::AlignRight));
}

} // namespace

QString CareerColumnCaption(TCareerColumn column) {
    static const std::array<QString, static_cast<size_t>(TCareerColumn::Count)> captions = {
        QStringLiteral("季"),   QStringLiteral("順位"),   QStringLiteral("勝点"),
        QStringLiteral("勝"),   QStringLiteral("分"),     QStringLiteral("負"),
        QStringLiteral("得点"), QStringLiteral("失点"),   QStringLiteral("賞金"),
        QStringLiteral("資金"), QStringLiteral("レベル"), QStringLiteral("優勝")};
    return captions.at(static_cast<size_t>(column));
}

qint64 CareerCellValue(const TZnSeasonRecord& season, TCareerColumn column) {
    switch (column) {
    case TCareerColumn::Season:
        return qint64{season.Season} + 1;
    case TCareerColumn::Rank:
        return qint64{season.Rank} + 1;
    case TCareerColumn::Points:
        return season.Points;
    case TCareerColumn::Wins:
        return season.Wins;
    case TCareerColumn::Draws:
        return season.Draws;
    case TCareerColumn::Losses:
        return season.Losses;
    case TCareerColumn::GoalsFor:
        return season.GoalsFor;
    case TCareerColumn::GoalsAgainst:
        return season.GoalsAgainst;
    case TCareerColumn::Prize:
        return season.Prize;
    case TCareerColumn::Money:
        return season.Money;
    case TCareerColumn::Level:
        return season.Level;
    case TCareerColumn::Title:
    case TCareerColumn::Count:
        break;
    }
    return season.Title ? 1 : 0;
}

QString CareerValueText(qint64 value, TCareerColumn column) {
    if (column == TCareerColumn::Title)
        return value != 0 ? QStringLiteral("★") : QString();
    if (column == TCareerColumn::Prize || column == TCareerColumn::Money)
        return QString::fromStdString(MoneyText(
                   static_cast<int32_t>(std::clamp<qint64>(value, INT32_MIN, INT32_MAX)))) +
               QStringLiteral("円");
    return QString::number(value);
}

QString CareerCellText(const TZnSeasonRecord& season, TCareerColumn column) {
    return CareerValueText(CareerCellValue(season, column), column);
}

QString CareerSeasonLine(const TZnSeasonRecord& season) {
    // Appended piece by piece: a page of ten thousand seasons builds ten thousand of these.
    struct TPart {
        QStringView Before;
        TCareerColumn Column;
        QStringView After;
    };
    static constexpr TPart parts[] = {
        {u"", TCareerColumn::Season, u"季 "},     {u"", TCareerColumn::Rank, u"位 "},
        {u"勝点", TCareerColumn::Points, u" "},   {u"", TCareerColumn::Wins, u"勝"},
        {u"", TCareerColumn::Draws, u"分"},       {u"", TCareerColumn::Losses, u"敗 "},
        {u"得点", TCareerColumn::GoalsFor, u" "}, {u"失点", TCareerColumn::GoalsAgainst, u"\n"},
        {u"賞金", TCareerColumn::Prize, u" "},    {u"資金", TCareerColumn::Money, u" "},
        {u"レベル", TCareerColumn::Level, u""}};
    QString line;
    line.reserve(96);
    for (const TPart& part : parts)
        line.append(part.Before).append(CareerCellText(season, part.Column)).append(part.After);
    if (season.Title)
        line.append(u" 優勝");
    return line;
}

void TCareerModel::Reset(const TZnCareer& career) {
    beginResetModel();
    FSeasons.assign(career.Seasons.begin(), career.Seasons.end());
    endResetModel();
}

const TZnSeasonRecord& TCareerModel::Season(int row) const {
    return FSeasons.at(FSeasons.size() - 1 - static_cast<size_t>(row));
}

int TCareerModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FSeasons.size());
}

int TCareerModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(TCareerColumn::Count);
}

QVariant TCareerModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<size_t>(index.row()) >= FSeasons.size())
        return {};
    const auto column = static_cast<TCareerColumn>(index.column());
    if (role == Qt::DisplayRole)
        return CareerCellText(Season(index.row()), column);
    if (role == Qt::TextAlignmentRole)
        return Alignment(column);
    return {};
}

QVariant TCareerModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(TCareerColumn::Count))
        return QAbstractTableModel::headerData(section, orientation, role);
    const auto column = static_cast<TCareerColumn>(section);
    if (role == Qt::DisplayRole)
        return CareerColumnCaption(column);
    if (role == Qt::TextAlignmentRole)
        return Alignment(column);
    return {};
}
