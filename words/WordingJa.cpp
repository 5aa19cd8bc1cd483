// The texts of the engine's values in the source language, Japanese: the texts the game has always
// shown. Every other language translates them in its catalog; lupdate finds them through their
// marks. A text the window shows as well is marked in the same context ("GameWords") there, so
// that the catalog holds it once.

#include "ZnWording.h"

namespace {

constexpr TZnTexts<const char*> Ja{
    .ProductTitle = ZN_TRANSLATE_NOOP("GameWords", "ゴールラン"),
    .Messages = {ZN_TRANSLATE_NOOP(
                     "GameMessages",
                     "あなたを監督に招いたのは、我がチームを優勝に導いてもらうためです。"),
                 //: %1 the funds
                 ZN_TRANSLATE_NOOP("GameMessages", "そのために、%1を資金として捻出しました。"),
                 ZN_TRANSLATE_NOOP("GameMessages", "それでは、健闘を祈ります。"),
                 //: %1 the matchday, %2 home or away, %5 the opponent
                 ZN_TRANSLATE_NOOP("GameMessages", "第%1節 %2で、%5に勝ちました！"),
                 //: %1 the matchday, %2 home or away, %5 the opponent
                 ZN_TRANSLATE_NOOP("GameMessages", "第%1節 %2で、%5に引き分けました。"),
                 //: %1 the matchday, %2 home or away, %5 the opponent
                 ZN_TRANSLATE_NOOP("GameMessages", "第%1節 %2で、%5に負けました。"),
                 ZN_TRANSLATE_NOOP("GameMessages", "経験値%1を獲得しました。"),
                 ZN_TRANSLATE_NOOP("GameMessages", "勝利給%1を獲得しました。"),
                 //: %1 the final rank, %2 the prize money
                 ZN_TRANSLATE_NOOP("GameMessages", "最終順位%1位で、賞金%2を獲得しました。"),
                 ZN_TRANSLATE_NOOP("GameMessages", "優勝おめでとうございます！"),
                 ZN_TRANSLATE_NOOP("GameMessages", "30連勝優勝なんて夢のようです！！"),
                 //: %1 the season
                 ZN_TRANSLATE_NOOP("GameMessages",
                                   "%1で優勝するなんて、あなたはすばらしい監督です！！"),
                 //: %1 the season
                 ZN_TRANSLATE_NOOP("GameMessages", "%1です。優勝目指してがんばりましょう。"),
                 ZN_TRANSLATE_NOOP("GameMessages", "強化費を指定してください。"),
                 ZN_TRANSLATE_NOOP("GameMessages", "強化費が足りません。"),
                 ZN_TRANSLATE_NOOP("GameMessages", "強化費を%1投入しました。"),
                 //: %1 the kinds of records lost, joined by the list separator
                 ZN_TRANSLATE_NOOP("GameMessages", "%1が壊れているため読み込めませんでした。"),
                 ZN_TRANSLATE_NOOP("GameMessages",
                                   "セーブデータの本体が書き換えられているため、記録（経歴、試合"
                                   "記録、挑戦コード、達成記録）は読み込みませんでした。"),
                 //: %1 the kinds of records lost, joined by the list separator, the last always
                 //: the records after the break
                 ZN_TRANSLATE_NOOP("GameMessages",
                                   "記録の途中が壊れているため、%1を読み込めませんでした。"),
                 //: %1 the number of records the file gives, %2 the number found
                 ZN_TRANSLATE_NOOP(
                     "GameMessages",
                     "記録の数が合いません（ファイルには%1件とありますが、%2件ありました）。")},
    //: Where the club played a match (%2 of a match result)
    .Venues = {ZN_TRANSLATE_NOOP("GameMessages", "Home"),
               ZN_TRANSLATE_NOOP("GameMessages", "Away")},
    .Outcomes = {ZN_TRANSLATE_NOOP("GameWords", "勝ち"), ZN_TRANSLATE_NOOP("GameWords", "引き分け"),
                 ZN_TRANSLATE_NOOP("GameWords", "負け")},
    .RecordKinds = {ZN_TRANSLATE_NOOP("GameMessages", "経歴データ"),
                    ZN_TRANSLATE_NOOP("GameMessages", "過去のシーズンの記録"),
                    ZN_TRANSLATE_NOOP("GameMessages", "今季の試合経過"),
                    ZN_TRANSLATE_NOOP("GameMessages", "今季の自チームの試合記録"),
                    ZN_TRANSLATE_NOOP("GameMessages", "挑戦コードと難易度"),
                    ZN_TRANSLATE_NOOP("GameMessages", "達成記録")},
    //: Between the kinds of records lost
    .ListSeparator = ZN_TRANSLATE_NOOP("GameMessages", "、"),
    //: Listed last among the records lost when the records break off part-way
    .RecordsAfterBreak = ZN_TRANSLATE_NOOP("GameMessages", "壊れた箇所より後の記録"),
    .RankCaptions = {ZN_TRANSLATE_NOOP("GameWords", "チーム"),
                     ZN_TRANSLATE_NOOP("GameWords", "順位"), ZN_TRANSLATE_NOOP("GameWords", "勝点"),
                     ZN_TRANSLATE_NOOP("GameWords", "試合数"), ZN_TRANSLATE_NOOP("GameWords", "勝"),
                     ZN_TRANSLATE_NOOP("GameWords", "分"), ZN_TRANSLATE_NOOP("GameWords", "負"),
                     ZN_TRANSLATE_NOOP("GameWords", "得点"), ZN_TRANSLATE_NOOP("GameWords", "失点"),
                     ZN_TRANSLATE_NOOP("GameWords", "得失差")},
    .FixtureCaptions = {ZN_TRANSLATE_NOOP("GameWords", "Home"), "",
                        ZN_TRANSLATE_NOOP("GameWords", "Away")},
    .ClubCaptions =
        {ZN_TRANSLATE_NOOP("GameWords", "担当チーム"), ZN_TRANSLATE_NOOP("GameWords", "前節結果"),
         ZN_TRANSLATE_NOOP("GameWords", "前節勝敗"), ZN_TRANSLATE_NOOP("GameWords", "今節"),
         ZN_TRANSLATE_NOOP("GameWords", "今節予想"), ZN_TRANSLATE_NOOP("GameWords", "今節強化費"),
         "-", ZN_TRANSLATE_NOOP("GameWords", "監督レベル"),
         ZN_TRANSLATE_NOOP("GameWords", "監督経験値"), ZN_TRANSLATE_NOOP("GameWords", "監督資金"),
         ZN_TRANSLATE_NOOP("GameWords", "シーズン"), ZN_TRANSLATE_NOOP("GameWords", "勝敗見込み")},
    .None = ZN_TRANSLATE_NOOP("GameWords", "なし"),
    //: %1 the matchday, %2 the home club, %3 the score, %4 the away club
    .LastResult = ZN_TRANSLATE_NOOP("GameWords", "第%1節 %2 %3 %4"),
    //: %1 the matchday, %2 the home club, %3 the away club
    .NextMatch = ZN_TRANSLATE_NOOP("GameWords", "第%1節 %2 - %3"),
    .SeasonName = ZN_TRANSLATE_NOOP("GameWords", "%1季目"),
    //: %1 win, %2 draw, %3 loss, in whole percent
    .Odds = ZN_TRANSLATE_NOOP("GameWords", "勝%1% 分%2% 負%3%"),
    .PredictionLow = ZN_TRANSLATE_NOOP("GameWords", "勝利確率10%以下"),
    .PredictionHigh = ZN_TRANSLATE_NOOP("GameWords", "勝利確率90%以上"),
    .Prediction = ZN_TRANSLATE_NOOP("GameWords", "勝利確率%1%"),
    .Title = ZN_TRANSLATE_NOOP("GameWords", "優勝"),
    .CannotOpen = ZN_TRANSLATE_NOOP("GameWords", "ファイルは開けません"),
    .CannotCreate = ZN_TRANSLATE_NOOP("GameWords", "ファイルを作成できませんでした"),
    .AmountUnit = ZN_TRANSLATE_NOOP("GameWords", "万円"),
    //: %1 an amount of money, written out as the next entry says
    .Yen = ZN_TRANSLATE_NOOP("GameWords", "%1円"),
    //: How amounts of money are written out: "万" counts them in 万, 億 and 兆 (1億2345万); any
    //: other text writes every digit in yen, in groups of three joined by that text ("," gives
    //: 200,000,000).
    .MoneyDigits = ZN_TRANSLATE_NOOP("GameWords", "万"),
    .Difficulties = {ZN_TRANSLATE_NOOP("GameWords", "易しい"),
                     ZN_TRANSLATE_NOOP("GameWords", "普通"),
                     ZN_TRANSLATE_NOOP("GameWords", "難しい")},
    //: The names of the achievements
    .AchievementNames = {ZN_TRANSLATE_NOOP("GameWords", "初勝利"),
                         ZN_TRANSLATE_NOOP("GameWords", "10連勝"),
                         ZN_TRANSLATE_NOOP("GameWords", "ジャイアントキリング"),
                         ZN_TRANSLATE_NOOP("GameWords", "無敗のシーズン"),
                         ZN_TRANSLATE_NOOP("GameWords", "リーグ優勝"),
                         ZN_TRANSLATE_NOOP("GameWords", "5季以内の優勝"),
                         ZN_TRANSLATE_NOOP("GameWords", "倹約優勝"),
                         ZN_TRANSLATE_NOOP("GameWords", "100シーズン")},
    //: What earns each achievement, one line each
    .AchievementConditions =
        {ZN_TRANSLATE_NOOP("GameWords", "ゲームで初めて勝つ。"),
         ZN_TRANSLATE_NOOP("GameWords", "1シーズンのうちに10連勝する。"),
         ZN_TRANSLATE_NOOP("GameWords", "キックオフ時の勝つ見込みが5%未満の試合に勝つ。"),
         ZN_TRANSLATE_NOOP("GameWords", "30試合を負けなしでシーズンを終える。"),
         ZN_TRANSLATE_NOOP("GameWords", "リーグ優勝する。"),
         ZN_TRANSLATE_NOOP("GameWords", "最初の5シーズンのうちに優勝する。"),
         ZN_TRANSLATE_NOOP("GameWords", "強化費を投入した試合が10試合以下のシーズンで優勝する。"),
         ZN_TRANSLATE_NOOP("GameWords", "100シーズン目を終える。")},
};

} // namespace

const TZnTexts<const char*>& SourceTexts() {
    return Ja;
}
