#include "CareerModel.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include <QCoreApplication>

#include "WindowWords.h"
#include "ZnTranslation.h"

namespace {

// Numbers right, so digits line up; the title mark left in the last column, which takes the free
// width.
QVariant Alignment(TCareerColumn column) {
    return QVariant::fromValue(Qt::AlignVCenter |
                               (column == TCareerColumn::Title ? Qt::AlignLeft : Qt::AlignRight));
}

} // namespace

QString CareerColumnCaption(TCareerColumn column) {
    // The words the engine's views show as well are theirs ("GameWords"): one entry each.
    static constexpr std::array<std::array<const char*, 2>,
                                static_cast<size_t>(TCareerColumn::Count)>
        captions = {{{"TCareerModel", QT_TRANSLATE_NOOP("TCareerModel", "季")},
                     {"GameWords", QT_TRANSLATE_NOOP("GameWords", "順位")},
                     {"GameWords", QT_TRANSLATE_NOOP("GameWords", "勝点")},
                     {"GameWords", QT_TRANSLATE_NOOP("GameWords", "勝")},
                     {"GameWords", QT_TRANSLATE_NOOP("GameWords", "分")},
                     {"GameWords", QT_TRANSLATE_NOOP("GameWords", "負")},
                     {"GameWords", QT_TRANSLATE_NOOP("GameWords", "得点")},
                     {"GameWords", QT_TRANSLATE_NOOP("GameWords", "失点")},
                     {"TCareerModel", QT_TRANSLATE_NOOP("TCareerModel", "賞金")},
                     {"GameWords", QT_TRANSLATE_NOOP("GameWords", "資金")},
                     {"TCareerModel", QT_TRANSLATE_NOOP("TCareerModel", "レベル")},
                     {"GameWords", QT_TRANSLATE_NOOP("GameWords", "優勝")}}};
    const auto& caption = captions.at(static_cast<size_t>(column));
    return QCoreApplication::translate(caption[0], caption[1]);
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
        return WindowMoney(std::clamp<qint64>(value, INT32_MIN, INT32_MAX));
    return QString::number(value);
}

QString CareerCellText(const TZnSeasonRecord& season, TCareerColumn column) {
    return CareerValueText(CareerCellValue(season, column), column);
}

QString CareerSeasonLine(const TZnSeasonRecord& season) {
    // The pattern is translated once per language, not once per line: a page of ten thousand
    // seasons builds ten thousand of these.
    static QString language;
    static QString pattern;
    static QString title;
    if (pattern.isEmpty() || language != WindowLanguage()) {
        language = WindowLanguage();
        pattern = TCareerModel::tr(
            "%1季 %2位 勝点%3 %4勝%5分%6敗 得点%7 失点%8\n賞金%9 資金%10 レベル%11");
        title = TCareerModel::tr(" 優勝");
    }
    const auto cell = [&season](TCareerColumn column) { return CareerCellText(season, column); };
    QString line = pattern.arg(
        cell(TCareerColumn::Season), cell(TCareerColumn::Rank), cell(TCareerColumn::Points),
        cell(TCareerColumn::Wins), cell(TCareerColumn::Draws), cell(TCareerColumn::Losses),
        cell(TCareerColumn::GoalsFor), cell(TCareerColumn::GoalsAgainst),
        cell(TCareerColumn::Prize), cell(TCareerColumn::Money), cell(TCareerColumn::Level));
    if (season.Title)
        line.append(title);
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
