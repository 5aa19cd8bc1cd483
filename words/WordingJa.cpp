// The Japanese wording: the texts the game has always shown.

#include "ZnMoneyText.h"
#include "ZnWording.h"

namespace {

std::string YenInJapanese(int32_t amount) {
    return MoneyText(amount) + "円";
}

constexpr TZnWording Ja{
    .Code = "ja",
    .ProductTitle = "ゴールラン",
    .Messages = {"あなたを監督に招いたのは、我がチームを優勝に導いてもらうためです。",
                 "そのために、{0}を資金として捻出しました。", "それでは、健闘を祈ります。",
                 "第{0}節 {1}で、{4}に勝ちました！", "第{0}節 {1}で、{4}に引き分けました。",
                 "第{0}節 {1}で、{4}に負けました。", "経験値{0}を獲得しました。",
                 "勝利給{0}を獲得しました。", "最終順位{0}位で、賞金{1}を獲得しました。",
                 "優勝おめでとうございます！", "30連勝優勝なんて夢のようです！！",
                 "{0}で優勝するなんて、あなたはすばらしい監督です！！",
                 "{0}です。優勝目指してがんばりましょう。", "強化費を指定してください。",
                 "強化費が足りません。", "強化費を{0}投入しました。",
                 "{0}が壊れているため読み込めませんでした。"},
    .Venues = {"Home", "Away"},
    .Outcomes = {"勝ち", "引き分け", "負け"},
    .RecordKinds = {"経歴データ", "過去のシーズンの記録", "今季の試合経過",
                    "今季の自チームの試合記録", "挑戦コードと難易度", "達成記録"},
    .ListSeparator = "、",
    .RankCaptions = {"チーム", "順位", "勝点", "試合数", "勝", "分", "負", "得点", "失点",
                     "得失差"},
    .FixtureCaptions = {"Home", "", "Away"},
    .ClubCaptions = {"担当チーム", "前節結果", "前節勝敗", "今節", "今節予想", "今節強化費", "-",
                     "監督レベル", "監督経験値", "監督資金", "シーズン", "勝敗見込み"},
    .None = "なし",
    .LastResult = "第{0}節 {1} {2} {3}",
    .NextMatch = "第{0}節 {1} - {2}",
    .SeasonName = "{0}季目",
    .Odds = "勝{0}% 分{1}% 負{2}%",
    .PredictionLow = "勝利確率10%以下",
    .PredictionHigh = "勝利確率90%以上",
    .Prediction = "勝利確率{0}%",
    .Title = "優勝",
    .CannotOpen = "ファイルは開けません",
    .CannotCreate = "ファイルを作成できませんでした",
    .AmountUnit = "万円",
    .Money = YenInJapanese,
    .Difficulties = {"易しい", "普通", "難しい"},
    .AchievementNames = {"初勝利", "10連勝", "ジャイアントキリング", "無敗のシーズン", "優勝",
                         "5季以内の優勝", "倹約優勝", "100シーズン"},
    .AchievementConditions = {"ゲームで初めて勝つ。", "1シーズンのうちに10連勝する。",
                              "キックオフ時の勝つ見込みが5%未満の試合に勝つ。",
                              "30試合を負けなしでシーズンを終える。", "リーグ優勝する。",
                              "最初の5シーズンのうちに優勝する。",
                              "強化費を投入した試合が10試合以下のシーズンで優勝する。",
                              "100シーズン目を終える。"},
};
static_assert(IsComplete(Ja));

} // namespace

const TZnWording& Japanese() {
    return Ja;
}
