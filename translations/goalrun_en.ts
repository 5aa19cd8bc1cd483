<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>GameMessages</name>
    <message>
        <source>あなたを監督に招いたのは、我がチームを優勝に導いてもらうためです。</source>
        <translation>You were brought in as manager to lead our club to the title.</translation>
    </message>
    <message>
        <source>そのために、%1を資金として捻出しました。</source>
        <extracomment>%1 the funds</extracomment>
        <translation>To that end, we have raised %1 in funds for you.</translation>
    </message>
    <message>
        <source>それでは、健闘を祈ります。</source>
        <translation>Good luck.</translation>
    </message>
    <message>
        <source>第%1節 %2で、%5に勝ちました！</source>
        <extracomment>%1 the matchday, %2 home or away, %5 the opponent</extracomment>
        <translation>Matchday %1, %2: won against %5!</translation>
    </message>
    <message>
        <source>第%1節 %2で、%5に引き分けました。</source>
        <extracomment>%1 the matchday, %2 home or away, %5 the opponent</extracomment>
        <translation>Matchday %1, %2: drew with %5.</translation>
    </message>
    <message>
        <source>第%1節 %2で、%5に負けました。</source>
        <extracomment>%1 the matchday, %2 home or away, %5 the opponent</extracomment>
        <translation>Matchday %1, %2: lost to %5.</translation>
    </message>
    <message>
        <source>経験値%1を獲得しました。</source>
        <translation>Gained %1 experience points.</translation>
    </message>
    <message>
        <source>勝利給%1を獲得しました。</source>
        <translation>Gained a win bonus of %1.</translation>
    </message>
    <message>
        <source>最終順位%1位で、賞金%2を獲得しました。</source>
        <extracomment>%1 the final rank, %2 the prize money</extracomment>
        <translation>Finished in position %1, winning prize money of %2.</translation>
    </message>
    <message>
        <source>優勝おめでとうございます！</source>
        <translation>Congratulations on winning the title!</translation>
    </message>
    <message>
        <source>30連勝優勝なんて夢のようです！！</source>
        <translation>The title with thirty straight wins: a dream come true!!</translation>
    </message>
    <message>
        <source>%1で優勝するなんて、あなたはすばらしい監督です！！</source>
        <extracomment>%1 the season</extracomment>
        <translation>The title in %1: you are a superb manager!!</translation>
    </message>
    <message>
        <source>%1です。優勝目指してがんばりましょう。</source>
        <extracomment>%1 the season</extracomment>
        <translation>%1 begins. Let&apos;s go for the title.</translation>
    </message>
    <message>
        <source>強化費を指定してください。</source>
        <translation>Enter the amount to invest in strengthening.</translation>
    </message>
    <message>
        <source>強化費が足りません。</source>
        <translation>The funds do not cover that amount.</translation>
    </message>
    <message>
        <source>強化費を%1投入しました。</source>
        <translation>Invested %1 in strengthening.</translation>
    </message>
    <message>
        <source>%1が壊れているため読み込めませんでした。</source>
        <extracomment>%1 the kinds of records lost, joined by the list separator</extracomment>
        <translation>Could not read %1: damaged in the file.</translation>
    </message>
    <message>
        <source>セーブデータの本体が書き換えられているため、記録（経歴、試合記録、挑戦コード、達成記録）は読み込みませんでした。</source>
        <translation>The game in this file was changed after it was saved, so its records (career, match records, challenge code, achievements) were not loaded.</translation>
    </message>
    <message>
        <source>記録の途中が壊れているため、%1を読み込めませんでした。</source>
        <extracomment>%1 the kinds of records lost, joined by the list separator, the last always the records after the break</extracomment>
        <translation>The records break off part-way, damaged in the file: could not read %1.</translation>
    </message>
    <message>
        <source>記録の数が合いません（ファイルには%1件とありますが、%2件ありました）。</source>
        <extracomment>%1 the number of records the file gives, %2 the number found</extracomment>
        <translation>The number of records in the file is wrong: it gives %1, and %2 were found.</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>Where the club played a match (%2 of a match result)</extracomment>
        <translation>at home</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>away</translation>
    </message>
    <message>
        <source>経歴データ</source>
        <translation>the career data</translation>
    </message>
    <message>
        <source>過去のシーズンの記録</source>
        <translation>the records of past seasons</translation>
    </message>
    <message>
        <source>今季の試合経過</source>
        <translation>this season&apos;s rounds</translation>
    </message>
    <message>
        <source>今季の自チームの試合記録</source>
        <translation>this season&apos;s matches of your club</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the kinds of records lost</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>壊れた箇所より後の記録</source>
        <extracomment>Listed last among the records lost when the records break off part-way</extracomment>
        <translation>the records after the break</translation>
    </message>
    <message>
        <source>挑戦コードと難易度</source>
        <translation>the challenge code and difficulty</translation>
    </message>
    <message>
        <source>達成記録</source>
        <translation>the achievements</translation>
    </message>
</context>
<context>
    <name>GameWords</name>
    <message>
        <source>ゴールラン</source>
        <translation>Goalrun</translation>
    </message>
    <message>
        <source>勝ち</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>Drawn</translation>
    </message>
    <message>
        <source>負け</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>チーム</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>順位</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>勝点</source>
        <translation>Pts</translation>
    </message>
    <message>
        <source>試合数</source>
        <translation>Played</translation>
    </message>
    <message>
        <source>勝</source>
        <translation>W</translation>
    </message>
    <message>
        <source>分</source>
        <translation>D</translation>
    </message>
    <message>
        <source>負</source>
        <translation>L</translation>
    </message>
    <message>
        <source>得点</source>
        <translation>GF</translation>
    </message>
    <message>
        <source>失点</source>
        <translation>GA</translation>
    </message>
    <message>
        <source>得失差</source>
        <translation>GD</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Away</translation>
    </message>
    <message>
        <source>担当チーム</source>
        <translation>Your club</translation>
    </message>
    <message>
        <source>前節結果</source>
        <translation>Last result</translation>
    </message>
    <message>
        <source>前節勝敗</source>
        <translation>Last outcome</translation>
    </message>
    <message>
        <source>今節</source>
        <translation>Next match</translation>
    </message>
    <message>
        <source>今節予想</source>
        <translation>Prediction</translation>
    </message>
    <message>
        <source>今節強化費</source>
        <translation>Strengthening</translation>
    </message>
    <message>
        <source>監督レベル</source>
        <translation>Manager level</translation>
    </message>
    <message>
        <source>監督経験値</source>
        <translation>Experience</translation>
    </message>
    <message>
        <source>監督資金</source>
        <translation>Funds</translation>
    </message>
    <message>
        <source>シーズン</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>勝敗見込み</source>
        <translation>Odds</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>第%1節 %2 %3 %4</source>
        <extracomment>%1 the matchday, %2 the home club, %3 the score, %4 the away club</extracomment>
        <translation>Matchday %1: %2 %3 %4</translation>
    </message>
    <message>
        <source>第%1節 %2 - %3</source>
        <extracomment>%1 the matchday, %2 the home club, %3 the away club</extracomment>
        <translation>Matchday %1: %2 - %3</translation>
    </message>
    <message>
        <source>%1季目</source>
        <translation>Season %1</translation>
    </message>
    <message>
        <source>勝%1% 分%2% 負%3%</source>
        <extracomment>%1 win, %2 draw, %3 loss, in whole percent</extracomment>
        <translation>W %1% D %2% L %3%</translation>
    </message>
    <message>
        <source>勝利確率10%以下</source>
        <translation>Win chance 10% or less</translation>
    </message>
    <message>
        <source>勝利確率90%以上</source>
        <translation>Win chance 90% or more</translation>
    </message>
    <message>
        <source>勝利確率%1%</source>
        <translation>Win chance %1%</translation>
    </message>
    <message>
        <source>優勝</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>ファイルは開けません</source>
        <translation>The file cannot be opened</translation>
    </message>
    <message>
        <source>ファイルを作成できませんでした</source>
        <translation>The file could not be created</translation>
    </message>
    <message>
        <source>万円</source>
        <translation>units of ¥10,000</translation>
    </message>
    <message>
        <source>%1円</source>
        <extracomment>%1 an amount of money, written out as the next entry says</extracomment>
        <translation>¥%1</translation>
    </message>
    <message>
        <source>万</source>
        <extracomment>How amounts of money are written out: &quot;万&quot; counts them in 万, 億 and 兆 (1億2345万); any other text writes every digit in yen, in groups of three joined by that text (&quot;,&quot; gives 200,000,000).</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>資金</source>
        <translation>Funds</translation>
    </message>
    <message>
        <source>ホーム</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>アウェイ</source>
        <translation>Away</translation>
    </message>
    <message>
        <source>第%1節</source>
        <translation>Matchday %1</translation>
    </message>
    <message>
        <source>易しい</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>難しい</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>初勝利</source>
        <extracomment>The names of the achievements</extracomment>
        <translation>First win</translation>
    </message>
    <message>
        <source>10連勝</source>
        <translation>Ten in a row</translation>
    </message>
    <message>
        <source>ジャイアントキリング</source>
        <translation>Giant killing</translation>
    </message>
    <message>
        <source>無敗のシーズン</source>
        <translation>Unbeaten season</translation>
    </message>
    <message>
        <source>リーグ優勝</source>
        <translation>Champions</translation>
    </message>
    <message>
        <source>5季以内の優勝</source>
        <translation>Title within five seasons</translation>
    </message>
    <message>
        <source>倹約優勝</source>
        <translation>Frugal title</translation>
    </message>
    <message>
        <source>100シーズン</source>
        <translation>A hundred seasons</translation>
    </message>
    <message>
        <source>ゲームで初めて勝つ。</source>
        <extracomment>What earns each achievement, one line each</extracomment>
        <translation>Win for the first time in the game.</translation>
    </message>
    <message>
        <source>1シーズンのうちに10連勝する。</source>
        <translation>Win ten matches in a row within one season.</translation>
    </message>
    <message>
        <source>キックオフ時の勝つ見込みが5%未満の試合に勝つ。</source>
        <translation>Win a match whose exact win chance at kick-off was under 5%.</translation>
    </message>
    <message>
        <source>30試合を負けなしでシーズンを終える。</source>
        <translation>Play a season of 30 matches without a loss.</translation>
    </message>
    <message>
        <source>リーグ優勝する。</source>
        <translation>Win the title.</translation>
    </message>
    <message>
        <source>最初の5シーズンのうちに優勝する。</source>
        <translation>Win the title in one of the first five seasons.</translation>
    </message>
    <message>
        <source>強化費を投入した試合が10試合以下のシーズンで優勝する。</source>
        <translation>Win the title with money invested in at most ten matches of that season.</translation>
    </message>
    <message>
        <source>100シーズン目を終える。</source>
        <translation>Complete the 100th season.</translation>
    </message>
</context>
<context>
    <name>TAchievementsDialog</name>
    <message>
        <source>実績</source>
        <translation>Achievements</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>達成</source>
        <translation>Earned</translation>
    </message>
    <message>
        <source>未達成</source>
        <translation>Not yet</translation>
    </message>
    <message>
        <source>%1 / %2 を達成</source>
        <translation>%1 of %2 earned</translation>
    </message>
</context>
<context>
    <name>TCareerModel</name>
    <message>
        <source>季</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>賞金</source>
        <translation>Prize</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>%1季 %2位 勝点%3 %4勝%5分%6敗 得点%7 失点%8
賞金%9 資金%10 レベル%11</source>
        <translation>Season %1 rank %2 %3 pts %4W %5D %6L GF %7 GA %8
Prize %9 funds %10 level %11</translation>
    </message>
    <message>
        <source> 優勝</source>
        <translation> Champion</translation>
    </message>
</context>
<context>
    <name>TCareerPage</name>
    <message>
        <source>監督経歴のグラフ</source>
        <translation>Career chart</translation>
    </message>
    <message>
        <source>監督経歴</source>
        <translation>Career</translation>
    </message>
    <message>
        <source>%1季から%2季までの最終順位と資金。最新の%2季は%3位、資金%4。</source>
        <translation>Final rank and funds from season %1 to season %2. In season %2, the latest, rank %3, funds %4.</translation>
    </message>
</context>
<context>
    <name>TChallengeWords</name>
    <message>
        <source>%1・挑戦コード %2</source>
        <translation>%1, challenge code %2</translation>
    </message>
    <message>
        <source>挑戦</source>
        <translation>Challenge</translation>
    </message>
    <message>
        <source>実績「%1」を達成しました。</source>
        <translation>Achievement earned: %1.</translation>
    </message>
    <message>
        <source>実績(&amp;E)</source>
        <translation>Achi&amp;evements</translation>
    </message>
    <message>
        <source>実績の一覧を、達成したものもまだのものも見ます。</source>
        <translation>Shows every achievement, earned or not.</translation>
    </message>
    <message>
        <source>挑戦コードをコピー(&amp;C)</source>
        <translation>&amp;Copy the challenge code</translation>
    </message>
    <message>
        <source>このゲームの挑戦コードをクリップボードにコピーします。</source>
        <translation>Copies this game&apos;s challenge code to the clipboard.</translation>
    </message>
    <message>
        <source>挑戦コード %1 をコピーしました。</source>
        <translation>Challenge code %1 copied.</translation>
    </message>
    <message>
        <source>（実績のファイルに書けません: %1）</source>
        <translation>(The achievements file cannot be written: %1)</translation>
    </message>
</context>
<context>
    <name>TFilesPart</name>
    <message>
        <source>ファイルを上書きしてよろしいですか？</source>
        <translation>Overwrite the file?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>%1をロードしました</source>
        <translation>Loaded %1</translation>
    </message>
    <message>
        <source>%1にセーブしました</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>保存していない進行があります。破棄してよろしいですか？</source>
        <translation>There is unsaved progress. Discard it?</translation>
    </message>
    <message>
        <source>ファイルの内容は変更されています。</source>
        <translation>The game has changed.</translation>
    </message>
    <message>
        <source>保存しますか？</source>
        <translation>Save it?</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>フォルダを開けませんでした</source>
        <translation>The folder could not be opened</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>強化費%1がまだ投入されていません。</source>
        <translation>The strengthening of %1 has not been invested yet.</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>投入して試合開始</source>
        <translation>Invest and Play</translation>
    </message>
    <message>
        <source>投入せずに試合開始</source>
        <translation>Play without Investing</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>新しくゲームを始めます。よろしいですか？</source>
        <translation>Start a new game?</translation>
    </message>
    <message>
        <source>保存していない進行は失われます。</source>
        <translation>Unsaved progress will be lost.</translation>
    </message>
    <message>
        <source>ファイル名が正しくありません。</source>
        <translation>The file name is not valid.</translation>
    </message>
    <message>
        <source>ファイルまたはフォルダが見つかりません。</source>
        <translation>The file or folder was not found.</translation>
    </message>
    <message>
        <source>アクセスする権限がありません。</source>
        <translation>You have no permission to access it.</translation>
    </message>
    <message>
        <source>読み取り専用の場所です。</source>
        <translation>The place is read-only.</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません。</source>
        <translation>There is not enough free disk space.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>このゲームのセーブファイルではありません。</source>
        <translation>It is not a save file of this game.</translation>
    </message>
    <message>
        <source>ファイルが短すぎます。</source>
        <translation>The file is too short.</translation>
    </message>
    <message>
        <source>セーブデータの記録が壊れています。</source>
        <translation>The save data is damaged.</translation>
    </message>
    <message>
        <source>ファイルの読み書きでエラーが発生しました。</source>
        <translation>An error occurred while reading or writing the file.</translation>
    </message>
    <message>
        <source>読み込めないファイル (%1)</source>
        <translation>Unreadable file (%1)</translation>
    </message>
    <message>
        <source>優勝</source>
        <translation>champion</translation>
    </message>
    <message>
        <source>開幕前</source>
        <translation>before the first matchday</translation>
    </message>
    <message>
        <source>第%1節まで</source>
        <translation>after matchday %1</translation>
    </message>
    <message>
        <source>%1 %2 %3位 資金%4</source>
        <translation>%1, %2, rank %3, funds %4</translation>
    </message>
    <message>
        <source>空き</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>試合開始</source>
        <translation>Play Match</translation>
    </message>
    <message>
        <source>今節の試合を行います。</source>
        <translation>Plays this matchday&apos;s matches.</translation>
    </message>
    <message>
        <source>強化費投入</source>
        <translation>Invest</translation>
    </message>
    <message>
        <source>入力した額を強化費として今節に投入します。</source>
        <translation>Invests the amount entered as strengthening for this matchday.</translation>
    </message>
    <message>
        <source>次季へ</source>
        <translation>Next Season</translation>
    </message>
    <message>
        <source>次のシーズンを始めます。</source>
        <translation>Starts the next season.</translation>
    </message>
    <message>
        <source>ロード(&amp;L)</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <source>セーブしたゲームをスロットからロードします。</source>
        <translation>Loads a saved game from a slot.</translation>
    </message>
    <message>
        <source>セーブ(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>ゲームをスロットにセーブします。</source>
        <translation>Saves the game in a slot.</translation>
    </message>
    <message>
        <source>新規(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>ゲームのファイルを選んで開きます。</source>
        <translation>Chooses a game file and opens it.</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>ゲームを今のファイルに上書きして保存します。</source>
        <translation>Saves the game over the current file.</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>ゲームを新しい名前のファイルに保存します。</source>
        <translation>Saves the game in a file of a new name.</translation>
    </message>
    <message>
        <source>ニューゲーム(&amp;N)</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>新しいゲームを始めます。</source>
        <translation>Starts a new game.</translation>
    </message>
    <message>
        <source>ゲーム(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>ゲームを始める、開く、保存する、終了します。</source>
        <translation>Starts, opens, saves or ends the game.</translation>
    </message>
    <message>
        <source>表示言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>ウィンドウの言葉を選びます。</source>
        <translation>Chooses the window&apos;s language.</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ヘルプとバージョン情報を見ます。</source>
        <translation>Shows the help and the version.</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>メッセージ</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>強化費(万円)</source>
        <translation>Strengthening (×¥10,000)</translation>
    </message>
    <message>
        <source>今節に投入する強化費を万円単位で入力します。</source>
        <translation>Enter the strengthening for this matchday, in units of ¥10,000.</translation>
    </message>
    <message>
        <source>30節まとめて試合</source>
        <translation>Play 30 matchdays at once</translation>
    </message>
    <message>
        <source>メッセージクリア</source>
        <translation>Clear Messages</translation>
    </message>
    <message>
        <source>メッセージをすべて消します。</source>
        <translation>Clears all messages.</translation>
    </message>
    <message>
        <source>順位表</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>対戦表</source>
        <translation>Fixtures</translation>
    </message>
    <message>
        <source>賞金一覧</source>
        <translation>Prizes</translation>
    </message>
    <message>
        <source>順位推移</source>
        <translation>Rank History</translation>
    </message>
    <message>
        <source>監督経歴</source>
        <translation>Career</translation>
    </message>
    <message>
        <source>この額なら </source>
        <translation>With this amount: </translation>
    </message>
    <message>
        <source>1万円で攻撃・守備 %1%2</source>
        <translation>Attack and defense %1%2 per ¥10,000</translation>
    </message>
    <message>
        <source>二重起動の確認なしで動いています</source>
        <translation>Running without the single-copy check</translation>
    </message>
    <message>
        <source>フォルダではありません。</source>
        <translation>It is not a folder.</translation>
    </message>
</context>
<context>
    <name>TFundsChart</name>
    <message>
        <source>資金: まだ記録がありません。</source>
        <translation>Funds: nothing recorded yet.</translation>
    </message>
    <message>
        <source>開幕 %1</source>
        <translation>start %1</translation>
    </message>
    <message>
        <source>第%1節後 %2</source>
        <translation>after matchday %1 %2</translation>
    </message>
    <message>
        <source>資金: %1 (最高 %2、最低 %3)</source>
        <translation>Funds: %1 (highest %2, lowest %3)</translation>
    </message>
    <message>
        <source>資金の推移</source>
        <translation>Funds</translation>
    </message>
</context>
<context>
    <name>TGameKeeper</name>
    <message>
        <source>以前の自動保存を移せません: %1</source>
        <translation>Cannot bring in the earlier autosaves: %1</translation>
    </message>
    <message>
        <source>前回の続き（%1季目 第%2節）から再開しました</source>
        <translation>Continued where you left off (season %1, matchday %2)</translation>
    </message>
    <message>
        <source>読み込めない自動保存: %1</source>
        <translation>Autosaves that could not be read: %1</translation>
    </message>
    <message>
        <source>%1&#x3000;読み込めない自動保存: %2</source>
        <translation>%1 — autosaves that could not be read: %2</translation>
    </message>
    <message>
        <source>ほかのゴールランがこのゲームを遊んでいます。</source>
        <translation>Another running Goalrun is playing this game.</translation>
    </message>
    <message>
        <source>このゲームの自動保存を読み込めませんでした。</source>
        <translation>Could not load this game&apos;s autosaves.</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>自動保存%1</source>
        <translation>Autosave %1</translation>
    </message>
    <message>
        <source>二重起動を確かめられないため、このウィンドウは続きを保存しません</source>
        <translation>This window keeps no autosave: it cannot check for another running copy</translation>
    </message>
    <message>
        <source>ほかのゴールランが続きを保存しているため、このウィンドウは続きを保存しません</source>
        <translation>This window keeps no autosave: another running Goalrun keeps them</translation>
    </message>
    <message>
        <source>続きを保存できません: %1</source>
        <translation>Cannot save where you left off: %1</translation>
    </message>
    <message>
        <source>終了時に続きを保存</source>
        <translation>Continue where I left off</translation>
    </message>
    <message>
        <source>試合のたびと終了時にゲームを自動保存し、次の起動で続きから始めます。</source>
        <translation>Saves the game by itself after every matchday and at the close, and continues it at the next start.</translation>
    </message>
    <message>
        <source>ゲーム一覧(&amp;G)...</source>
        <translation>&amp;Games...</translation>
    </message>
    <message>
        <source>残っているゲームの一覧から、続きを遊ぶゲームを選びます。</source>
        <translation>Choose a kept game to continue from the list of your games.</translation>
    </message>
</context>
<context>
    <name>TGamesDialog</name>
    <message>
        <source>ゲーム一覧</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>挑戦</source>
        <translation>Challenge</translation>
    </message>
    <message>
        <source>続ける</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>まだ残っているゲームはありません。</source>
        <translation>No game is kept yet.</translation>
    </message>
    <message>
        <source>Enter またはダブルクリックで続きから遊びます。</source>
        <translation>Press Enter or double-click to continue a game.</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>#%1</translation>
    </message>
    <message>
        <source>読み込めません: %1</source>
        <translation>Cannot be read: %1</translation>
    </message>
    <message>
        <source>このゲームの自動保存をごみ箱に移します。よろしいですか？</source>
        <translation>Move this game&apos;s autosaves to the trash?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>ほかのゴールランが遊んでいるゲームは削除できません。</source>
        <translation>A game another running Goalrun is playing cannot be removed.</translation>
    </message>
    <message>
        <source>ごみ箱に移せませんでした。</source>
        <translation>Could not move it to the trash.</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>節</source>
        <translation>Matchday</translation>
    </message>
    <message>
        <source>優勝</source>
        <translation>Titles</translation>
    </message>
    <message>
        <source>最後に遊んだ日時</source>
        <translation>Last played</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>&lt;p&gt;ヘルプを読み込めませんでした。&lt;/p&gt;&lt;p&gt;%1&lt;/p&gt;</source>
        <translation>&lt;p&gt;The help could not be read.&lt;/p&gt;&lt;p&gt;%1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ゴールラン ヘルプ</source>
        <translation>Goalrun Help</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
</context>
<context>
    <name>TMatchCentre</name>
    <message>
        <source>%1–%2分</source>
        <translation>%1-%2 min</translation>
    </message>
    <message>
        <source>次の15分</source>
        <translation>Next 15 min</translation>
    </message>
    <message>
        <source>次の15分をすぐに見せます</source>
        <translation>Shows the next quarter of an hour at once</translation>
    </message>
    <message>
        <source>結果へ</source>
        <translation>To the result</translation>
    </message>
    <message>
        <source>観戦を飛ばして試合の結果を見せます</source>
        <translation>Skips the watching and shows the results</translation>
    </message>
    <message>
        <source>ゆっくり</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>15分を2秒で見せます</source>
        <translation>Shows a quarter of an hour in 2 seconds</translation>
    </message>
    <message>
        <source>15分を1秒で見せます</source>
        <translation>Shows a quarter of an hour in 1 second</translation>
    </message>
    <message>
        <source>速い</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>15分を0.4秒で見せます</source>
        <translation>Shows a quarter of an hour in 0.4 seconds</translation>
    </message>
    <message>
        <source>ハーフタイムで止める</source>
        <translation>Pause at half-time</translation>
    </message>
    <message>
        <source>前半が終わったら観戦を一時停止します</source>
        <translation>Pauses the watching when the first half ends</translation>
    </message>
    <message>
        <source>試合の出来事</source>
        <translation>Match events</translation>
    </message>
    <message>
        <source>ほかの試合</source>
        <translation>Other matches</translation>
    </message>
    <message>
        <source>観戦の知らせ</source>
        <translation>Match news</translation>
    </message>
    <message>
        <source>再開</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>観戦を続けます</source>
        <translation>Goes on watching</translation>
    </message>
    <message>
        <source>観戦を一時停止します</source>
        <translation>Pauses the watching</translation>
    </message>
    <message>
        <source>%1 %2 - %3 %4</source>
        <translation>%1 %2 - %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 チャンス</source>
        <translation>%1 %2 chance</translation>
    </message>
    <message>
        <source>ゴール！ %1 %2-%3</source>
        <translation>Goal! %1 %2-%3</translation>
    </message>
    <message>
        <source>ハーフタイム %1</source>
        <translation>Half-time %1</translation>
    </message>
    <message>
        <source>試合終了 %1</source>
        <translation>Full time %1</translation>
    </message>
    <message>
        <source>第%1節 %2</source>
        <translation>Matchday %1, %2</translation>
    </message>
    <message>
        <source>試合前の見込み %1</source>
        <translation>Odds at kick-off %1</translation>
    </message>
    <message>
        <source>キックオフ</source>
        <translation>Kick-off</translation>
    </message>
    <message>
        <source>試合終了</source>
        <translation>Full time</translation>
    </message>
    <message>
        <source>一時停止中</source>
        <translation>paused</translation>
    </message>
    <message>
        <source>%1、%2本目の15分まで</source>
        <translation>%1, %2 of 6 quarters of an hour played</translation>
    </message>
    <message>
        <source>ゴール！</source>
        <translation>Goal!</translation>
    </message>
    <message>
        <source>暫定順位 %1 (キックオフ時 %2 %3)</source>
        <translation>Live rank %1 (at kick-off %2 %3)</translation>
    </message>
    <message>
        <source>優勝の可能性なし 首位と勝点差%1</source>
        <translation>Title out of reach, %1 points behind first</translation>
    </message>
    <message>
        <source>優勝の可能性あり 首位</source>
        <translation>Title within reach, first</translation>
    </message>
    <message>
        <source>優勝の可能性あり 首位と勝点差%1</source>
        <translation>Title within reach, %1 points behind first</translation>
    </message>
    <message>
        <source>勝率%1%からの勝利！</source>
        <translation>Won from a %1% win chance!</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>ゴール</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>普通</source>
        <comment>the speed of the replay</comment>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>TMatchReportView</name>
    <message>
        <source>－</source>
        <translation>-</translation>
    </message>
    <message>
        <source>チャンス</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>ゴール</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>チャンスなし</source>
        <translation>no chance</translation>
    </message>
    <message>
        <source>チャンス、止められた</source>
        <translation>chance, stopped</translation>
    </message>
    <message>
        <source>試合の流れ</source>
        <translation>Course of the match</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>%1–%2分</source>
        <translation>%1-%2 min</translation>
    </message>
    <message>
        <source>チャンス計</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>得点</source>
        <translation>Goals</translation>
    </message>
    <message>
        <source>試合の内容</source>
        <translation>Match details</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>試合レポート: まだ試合がありません。</source>
        <translation>Match report: no match played yet.</translation>
    </message>
    <message>
        <source>第%1節 %2 %3 - %4 %5</source>
        <translation>Matchday %1 %2 %3 - %4 %5</translation>
    </message>
    <message>
        <source>この試合の詳しい記録はありません。</source>
        <translation>There is no detailed record of this match.</translation>
    </message>
    <message>
        <source>場所</source>
        <translation>Venue</translation>
    </message>
    <message>
        <source>強化費</source>
        <translation>Strengthening</translation>
    </message>
    <message>
        <source>強化の効果</source>
        <translation>Effect of strengthening</translation>
    </message>
    <message>
        <source>攻守+%1 (レベル%2)</source>
        <translation>attack and defense +%1 (level %2)</translation>
    </message>
    <message>
        <source>戦力</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>攻%1 守%2</source>
        <translation>attack %1 defense %2</translation>
    </message>
    <message>
        <source>相手の戦力</source>
        <translation>Opponent&apos;s strength</translation>
    </message>
    <message>
        <source>試合前の予想</source>
        <translation>Odds before the match</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>ボーナス</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>経験値</source>
        <translation>Experience</translation>
    </message>
</context>
<context>
    <name>TNewGameDialog</name>
    <message>
        <source>ランダム</source>
        <translation>random</translation>
    </message>
    <message>
        <source>ニューゲーム</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>空欄ならコードなし</source>
        <translation>Empty for no code</translation>
    </message>
    <message>
        <source>ランダム(&amp;R)</source>
        <translation>&amp;Random</translation>
    </message>
    <message>
        <source>挑戦コード(&amp;C):</source>
        <translation>&amp;Challenge code:</translation>
    </message>
    <message>
        <source>難易度(&amp;D):</source>
        <translation>&amp;Difficulty:</translation>
    </message>
    <message>
        <source>同じコードと同じ采配なら、同じシーズンになります。実績は普通と難しいでだけ得られます。</source>
        <translation>The same code and the same decisions give the same seasons. Achievements count at Normal and Hard only.</translation>
    </message>
    <message>
        <source>挑戦コードは %1 の8文字です（0, 1, I, L, O は使いません）。</source>
        <translation>A challenge code is eight characters of %1 (0, 1, I, L and O are never used).</translation>
    </message>
</context>
<context>
    <name>TPagePrizes</name>
    <message>
        <source>最終順位</source>
        <translation>Final rank</translation>
    </message>
    <message>
        <source>賞金</source>
        <translation>Prize</translation>
    </message>
</context>
<context>
    <name>TPageRankChart</name>
    <message>
        <source>順位推移のグラフ</source>
        <translation>Rank history chart</translation>
    </message>
    <message>
        <source>: まだ試合がありません。</source>
        <translation>: no match played yet.</translation>
    </message>
    <message>
        <source>%1: 第%2節 %3位 勝点%4</source>
        <translation>%1: matchday %2, rank %3, %4 pts</translation>
    </message>
    <message>
        <source>資金の推移のグラフ</source>
        <translation>Funds chart</translation>
    </message>
</context>
<context>
    <name>TPriceLinks</name>
    <message>
        <source>資金不足</source>
        <translation>Short of funds</translation>
    </message>
    <message>
        <source>不要</source>
        <translation>Not needed</translation>
    </message>
    <message>
        <source>勝率</source>
        <translation>Win </translation>
    </message>
    <message>
        <source>勝率%1%の強化費: %2</source>
        <translation>Strengthening for a %1% win chance: %2</translation>
    </message>
    <message>
        <source>この額を強化費の欄に入れます(投入はしません)</source>
        <translation>Puts this amount in the strengthening box (does not invest it)</translation>
    </message>
</context>
<context>
    <name>TRecordsBookView</name>
    <message>
        <source>記録</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>値 (季)</source>
        <translation>Value (season)</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>終えたシーズン</source>
        <translation>Seasons finished</translation>
    </message>
    <message>
        <source>%1季</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>優勝</source>
        <translation>Titles</translation>
    </message>
    <message>
        <source>%1回</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>最高順位</source>
        <translation>Best finish</translation>
    </message>
    <message>
        <source>最多勝点</source>
        <translation>Most points</translation>
    </message>
    <message>
        <source>最多得点</source>
        <translation>Most goals</translation>
    </message>
    <message>
        <source>最少失点</source>
        <translation>Fewest conceded</translation>
    </message>
    <message>
        <source>最大の勝利</source>
        <translation>Biggest win</translation>
    </message>
    <message>
        <source>最長無敗</source>
        <translation>Longest unbeaten run</translation>
    </message>
    <message numerus="yes">
        <source>%n試合</source>
        <translation>
            <numerusform>%n match</numerusform>
            <numerusform>%n matches</numerusform>
        </translation>
    </message>
    <message>
        <source>シーズン終了時の最高資金</source>
        <translation>Highest funds at a season&apos;s end</translation>
    </message>
</context>
<context>
    <name>TReportWords</name>
    <message>
        <source>%1位</source>
        <translation>#%1</translation>
    </message>
    <message>
        <source>第%1節 %2-%3 %4</source>
        <translation>matchday %1 %2-%3 %4</translation>
    </message>
</context>
<context>
    <name>TReportsPart</name>
    <message>
        <source>シーズンレビュー(&amp;R)</source>
        <translation>Season &amp;Review</translation>
    </message>
    <message>
        <source>今シーズンの成績をまとめて見ます。</source>
        <translation>Shows this season&apos;s results at a glance.</translation>
    </message>
    <message>
        <source>第%1節はまだ行われていません。</source>
        <translation>Matchday %1 has not been played yet.</translation>
    </message>
</context>
<context>
    <name>TSeasonReviewDialog</name>
    <message>
        <source>まだ試合がありません。</source>
        <translation>No match played yet.</translation>
    </message>
    <message>
        <source>第1節 %1から第%2節 %3まで、最高%4</source>
        <translation>Matchday 1: %1, matchday %2: %3, best %4</translation>
    </message>
    <message>
        <source>シーズンレビュー</source>
        <translation>Season review</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>今季の順位推移</source>
        <translation>This season&apos;s ranks</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>unknown</translation>
    </message>
    <message numerus="yes">
        <source>%n試合</source>
        <translation>
            <numerusform>%n match</numerusform>
            <numerusform>%n matches</numerusform>
        </translation>
    </message>
    <message>
        <source>シーズンレビュー %1季目</source>
        <translation>Season review: season %1</translation>
    </message>
    <message>
        <source>%1 (第%2節まで)</source>
        <translation>%1 (to matchday %2)</translation>
    </message>
    <message>
        <source>最終順位</source>
        <translation>Final rank</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>%1勝%2分%3敗</source>
        <translation>%1W %2D %3L</translation>
    </message>
    <message>
        <source>得点・失点</source>
        <translation>Goals</translation>
    </message>
    <message>
        <source>得点%1 失点%2</source>
        <translation>for %1 against %2</translation>
    </message>
    <message>
        <source>賞金</source>
        <translation>Prize</translation>
    </message>
    <message>
        <source>シーズン終了後</source>
        <translation>after the season</translation>
    </message>
    <message>
        <source>開幕時の資金</source>
        <translation>Funds at the start</translation>
    </message>
    <message>
        <source>終了時の資金</source>
        <translation>Funds at the end</translation>
    </message>
    <message>
        <source>今の資金</source>
        <translation>Funds now</translation>
    </message>
    <message>
        <source>強化費の合計</source>
        <translation>Total strengthening</translation>
    </message>
    <message>
        <source>勝利給の合計</source>
        <translation>Total win bonuses</translation>
    </message>
    <message>
        <source>開幕時のレベル</source>
        <translation>Level at the start</translation>
    </message>
    <message>
        <source>終了時のレベル</source>
        <translation>Level at the end</translation>
    </message>
    <message>
        <source>今のレベル</source>
        <translation>Level now</translation>
    </message>
    <message>
        <source>最大の勝利</source>
        <translation>Biggest win</translation>
    </message>
    <message>
        <source>最大の敗戦</source>
        <translation>Worst defeat</translation>
    </message>
    <message>
        <source>最長無敗</source>
        <translation>Longest unbeaten run</translation>
    </message>
    <message>
        <source>最長連勝</source>
        <translation>Longest winning run</translation>
    </message>
    <message>
        <source>優勝！ %1 %2 %3勝%4分%5敗 勝点%6</source>
        <translation>Champions! %1 %2, %3 W %4 D %5 L, %6 points</translation>
    </message>
</context>
<context>
    <name>TWatchPart</name>
    <message>
        <source>試合を観る</source>
        <translation>Watch matches</translation>
    </message>
    <message>
        <source>試合開始のあと、15分ごとに試合を見せます。結果は変わりません。</source>
        <translation>After Play Match, shows the matchday a quarter of an hour at a time. The results do not change.</translation>
    </message>
    <message>
        <source>観戦(&amp;W)</source>
        <translation>&amp;Watching</translation>
    </message>
    <message>
        <source>観戦の速さと操作です。</source>
        <translation>The speed and the controls of watching.</translation>
    </message>
</context>
<context>
    <name>TZnAboutAction</name>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>バージョン情報|バージョン情報を表示します。</source>
        <translation>About|Shows the version information.</translation>
    </message>
</context>
<context>
    <name>TZnAboutBox</name>
    <message>
        <source>ホームページ</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>メール</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>%1 のバージョン情報</source>
        <translation>About %1</translation>
    </message>
</context>
<context>
    <name>TZnCareerChart</name>
    <message>
        <source>まだ終えたシーズンはありません。</source>
        <translation>No season finished yet.</translation>
    </message>
    <message>
        <source>万円</source>
        <translation> ×¥10,000</translation>
    </message>
    <message>
        <source>%1季</source>
        <translation>S%1</translation>
    </message>
</context>
<context>
    <name>TZnExitAction</name>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>終了|アプリケーションを終了します。</source>
        <translation>Exit|Quits the application.</translation>
    </message>
</context>
<context>
    <name>TZnLockFile</name>
    <message>
        <source>中身のあるフォルダ</source>
        <translation>a folder with contents</translation>
    </message>
    <message>
        <source>デバイス</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>ソケット</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>ロックファイルでないもの</source>
        <translation>something that is not a lock file</translation>
    </message>
    <message>
        <source>ロックファイル %1 を使えないため、二重起動を確かめられません: %2</source>
        <translation>The lock file %1 cannot be used, so a second copy cannot be detected: %2</translation>
    </message>
    <message>
        <source>%1があります</source>
        <translation>there is %1</translation>
    </message>
    <message>
        <source>置き換えられ続けています</source>
        <translation>it keeps being replaced</translation>
    </message>
</context>
<context>
    <name>TZnOpenAppFolderAction</name>
    <message>
        <source>アプリケーションのフォルダを開く(&amp;O)</source>
        <translation>&amp;Open Application Folder</translation>
    </message>
    <message>
        <source>アプリケーションのフォルダを開く|アプリケーションのフォルダを開く</source>
        <translation>Open Application Folder|Opens the application folder.</translation>
    </message>
</context>
<context>
    <name>TZnQtDialogs</name>
    <message>
        <source>ゴールランのセーブデータ (*.sav);;すべてのファイル (*)</source>
        <translation>Goalrun save data (*.sav);;All files (*)</translation>
    </message>
</context>
<context>
    <name>TZnRankChart</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>%1
%2 %3位</source>
        <translation>%1
%2: rank %3</translation>
    </message>
    <message>
        <source> 勝点%1</source>
        <translation>, %1 pts</translation>
    </message>
</context>
<context>
    <name>TZnSingleInstance</name>
    <message>
        <source>自分だけが書き込めるフォルダがないため、二重起動を確かめられません</source>
        <translation>There is no folder only you can write to, so a second copy cannot be detected</translation>
    </message>
    <message>
        <source>最初に起動したコピーだけがファイルを受け取れます</source>
        <translation>Only the copy started first can receive files</translation>
    </message>
    <message>
        <source>ファイル受け取り用のソケット %1 を開けません: %2</source>
        <translation>The socket %1 for receiving files cannot be opened: %2</translation>
    </message>
    <message>
        <source>既に起動しているゴールランがありません</source>
        <translation>No Goalrun is running yet</translation>
    </message>
    <message>
        <source>ファイル名が長すぎるため、起動中のゴールランに渡せません</source>
        <translation>The file name is too long to hand to the running Goalrun</translation>
    </message>
    <message>
        <source>既に起動しているゴールランに接続できませんでした</source>
        <translation>Could not connect to the running Goalrun</translation>
    </message>
    <message>
        <source>既に起動しているゴールランが、受け取りを終える前に終了しました</source>
        <translation>The running Goalrun ended before it had received the file</translation>
    </message>
    <message>
        <source>（%1 は開かれていません）</source>
        <translation> (%1 was not opened)</translation>
    </message>
    <message>
        <source>既に起動しているゴールランが%1秒間応答しません</source>
        <translation>The running Goalrun has not answered for %1 s</translation>
    </message>
</context>
<context>
    <name>TZnViewHelpHtmlAction</name>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ヘルプ|ヘルプのHTMLを開きます。</source>
        <translation>Help|Opens the help page.</translation>
    </message>
</context>
</TS>
