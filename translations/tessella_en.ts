<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BoardChecks</name>
    <message>
        <source>先手</source>
        <translation>first player</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>second player</translation>
    </message>
    <message>
        <source>%1コマの種類 %2 は変化 %3 が抜けているため、変化 %4 から後は使われません</source>
        <translation>The %1&apos;s piece kind %2 lacks frame %3, so frames from %4 on are not used</translation>
    </message>
    <message>
        <source>種類 %1: %2</source>
        <translation>kind %1: %2</translation>
    </message>
    <message>
        <source>%1コマの種類ごとに変化の数が違います（%2）</source>
        <translation>The %1&apos;s piece kinds have different numbers of frames (%2)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>先手と後手で変化の数が違います（先手 %1、後手 %2）</source>
        <translation>The two players&apos; pieces have different numbers of frames (first player %1, second player %2)</translation>
    </message>
    <message>
        <source>%1が盤の升目より小さい（%2 × %3、升目は %4 × %4 まで）</source>
        <translation>The %1 is smaller than the board grid (%2 × %3; the grid needs up to %4 × %4)</translation>
    </message>
    <message>
        <source>絵を読み込めません: %1</source>
        <translation>Cannot load the picture: %1</translation>
    </message>
    <message>
        <source>ボードの絵</source>
        <translation>board picture</translation>
    </message>
    <message>
        <source>先手の盤面の絵 (1stBoard)</source>
        <translation>first player&apos;s board picture (1stBoard)</translation>
    </message>
    <message>
        <source>後手の盤面の絵 (2ndBoard)</source>
        <translation>second player&apos;s board picture (2ndBoard)</translation>
    </message>
</context>
<context>
    <name>GameArchive</name>
    <message>
        <source>棋譜</source>
        <translation>game record</translation>
    </message>
    <message>
        <source>通算成績</source>
        <translation>lifetime results</translation>
    </message>
    <message>
        <source>(%1を Records に保存できませんでした)</source>
        <translation>(Could not save the %1 in Records)</translation>
    </message>
    <message>
        <source>と</source>
        <translation> and </translation>
    </message>
</context>
<context>
    <name>GameCycle</name>
    <message>
        <source>テセラ</source>
        <translation>Tessella</translation>
    </message>
    <message>
        <source>ゲーム開始</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>リプレイ</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>パス</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>境界線を隠す</source>
        <translation>Hide border</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>待った</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>    0勝    0敗    0分</source>
        <translation>   0 won    0 lost    0 drawn</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>First player to move</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>Second player to move</translation>
    </message>
    <message>
        <source>先手はパスです</source>
        <translation>First player passes</translation>
    </message>
    <message>
        <source>後手はパスです</source>
        <translation>Second player passes</translation>
    </message>
    <message>
        <source>引き分けです</source>
        <translation>A draw</translation>
    </message>
    <message>
        <source>継続</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>境界線を表示する</source>
        <translation>Show border</translation>
    </message>
    <message>
        <source>%1勝%2敗%3分</source>
        <translation>%1 won %2 lost %3 drawn</translation>
    </message>
    <message>
        <source>%1の勝ちです</source>
        <translation>%1 wins</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>%1 行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>棋譜として大きすぎます (%1 バイトまで)</source>
        <translation>Too large for a game record (up to %1 bytes)</translation>
    </message>
    <message>
        <source>開始局面 (Start) が読めません: %1</source>
        <translation>Cannot read the starting position (Start): %1</translation>
    </message>
    <message>
        <source>駒の種類 (Kinds) の &quot;%1&quot; は 0 以上の整数ではありません</source>
        <translation>&quot;%1&quot; in the piece kinds (Kinds) is not a whole number of 0 or more</translation>
    </message>
    <message>
        <source>&quot;%1&quot; は盤上のマスでもパスでもありません</source>
        <translation>&quot;%1&quot; is neither a cell of the board nor a pass</translation>
    </message>
    <message>
        <source>%1 手目の %2 は対局が終わった後の手です</source>
        <translation>Move %1, %2, comes after the game has ended</translation>
    </message>
    <message>
        <source>%1 手目の pass はできません (打てるマスがあります)</source>
        <translation>Move %1 cannot be a pass (there is a legal cell)</translation>
    </message>
    <message>
        <source>%1 手目の %2 には打てません</source>
        <translation>Move %1 cannot be played at %2</translation>
    </message>
    <message>
        <source>駒の種類 (Kinds) が %1 個ありますが、石を置いた手は %2 手です</source>
        <translation>There are %1 piece kinds (Kinds) but %2 placing moves</translation>
    </message>
    <message>
        <source>棋譜ファイル %1 を開けません</source>
        <translation>Cannot open the game record file %1</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <source>JPEG データが途中で終わっています</source>
        <translation>The JPEG data ends too early</translation>
    </message>
    <message>
        <source>JPEG データが壊れています: スキャンが多すぎます</source>
        <translation>The JPEG data is damaged: too many scans</translation>
    </message>
    <message>
        <source>対応していない JPEG の色形式です</source>
        <translation>This JPEG colour format is not supported</translation>
    </message>
    <message>
        <source>画像を読み込むメモリが足りません</source>
        <translation>Not enough memory to load the picture</translation>
    </message>
    <message>
        <source>JPEG データが壊れています: %1</source>
        <translation>The JPEG data is damaged: %1</translation>
    </message>
</context>
<context>
    <name>Migration</name>
    <message>
        <source>・ゲーム開始までを簡易化しました</source>
        <translation>• Starting a game takes fewer steps</translation>
    </message>
    <message>
        <source>・環境設定を充実しました</source>
        <translation>• More settings</translation>
    </message>
    <message>
        <source>・新規ボードセット（新規ユーザセット）を作成可能にしました</source>
        <translation>• New board sets (new user sets) can be created</translation>
    </message>
    <message>
        <source>・%1 は既にあるため、上書きせずに「%2」に登録しました</source>
        <translation>• %1 already exists, so it was not overwritten and was registered as &quot;%2&quot;</translation>
    </message>
    <message>
        <source>・%1 は名前が長すぎるため、「%2」は更新していません</source>
        <translation>• The name %1 is too long, so &quot;%2&quot; was not updated</translation>
    </message>
    <message>
        <source>・%1 が読めないため、「%2」は更新していません</source>
        <translation>• Cannot read %1, so &quot;%2&quot; was not updated</translation>
    </message>
    <message>
        <source>・%1 を書き込めないため、「%2」は更新していません</source>
        <translation>• Cannot write %1, so &quot;%2&quot; was not updated</translation>
    </message>
    <message>
        <source>・設定ファイル %1 を書き込めませんでした</source>
        <translation>• Could not write the settings file %1</translation>
    </message>
</context>
<context>
    <name>Notation</name>
    <message>
        <source>局面の盤面部分が %1 文字です (%2 マス分の . X O が必要です)</source>
        <translation>The board part of the position has %1 characters (it needs %2, one . X or O per cell)</translation>
    </message>
    <message>
        <source>局面の %1 文字目 %2 は . X O のどれでもありません</source>
        <translation>Character %1 of the position, %2, is not . X or O</translation>
    </message>
    <message>
        <source>局面の後に空白と手番 (X か O) がありません</source>
        <translation>The position needs a space and the side to move (X or O) after it</translation>
    </message>
    <message>
        <source>手番 &quot;%1&quot; は X か O で書きます</source>
        <translation>The side to move &quot;%1&quot; must be X or O</translation>
    </message>
    <message>
        <source>中央のマス %1 が空です (対局では起こりえない局面です)</source>
        <translation>The central cell %1 is empty (no game can reach this position)</translation>
    </message>
</context>
<context>
    <name>PictureLimits</name>
    <message>
        <source>画像の大きさが正しくありません</source>
        <translation>The picture size is invalid</translation>
    </message>
    <message>
        <source>画像が大きすぎます (%1 ピクセルまで)</source>
        <translation>The picture is too large (up to %1 pixels)</translation>
    </message>
    <message>
        <source>画像が大きすぎます (合計 8192 × 8192 ピクセルまで)</source>
        <translation>The picture is too large (up to 8192 × 8192 pixels in all)</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>対応していない形式です (EMF/WMF)</source>
        <translation>Unsupported format (EMF/WMF)</translation>
    </message>
    <message>
        <source>対応していない形式です</source>
        <translation>Unsupported format</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます (%1 MB まで)</source>
        <translation>The file is too large (up to %1 MB)</translation>
    </message>
    <message>
        <source>アイコン データが壊れています</source>
        <translation>The icon data is damaged</translation>
    </message>
    <message>
        <source>PNG データが壊れています</source>
        <translation>The PNG data is damaged</translation>
    </message>
    <message>
        <source>BMP データが壊れています</source>
        <translation>The BMP data is damaged</translation>
    </message>
    <message>
        <source>BMP データが途中で終わっています</source>
        <translation>The BMP data ends too early</translation>
    </message>
    <message>
        <source>アイコンを読む部品 (Qt の ico プラグイン) がありません</source>
        <translation>The icon reader (Qt&apos;s ico plug-in) is missing</translation>
    </message>
    <message>
        <source>ファイルが見つかりません</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>ファイルを読み込めません</source>
        <translation>Cannot read the file</translation>
    </message>
    <message>
        <source>ファイルが空です</source>
        <translation>The file is empty</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>ユーザ</source>
        <translation>User</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>自角取</source>
        <translation>Corners</translation>
    </message>
    <message>
        <source>自端取</source>
        <translation>Edges</translation>
    </message>
    <message>
        <source>相角避</source>
        <translation>Deny corners</translation>
    </message>
    <message>
        <source>相端避</source>
        <translation>Deny edges</translation>
    </message>
    <message>
        <source>自角避</source>
        <translation>Avoid corners</translation>
    </message>
    <message>
        <source>自端避</source>
        <translation>Avoid edges</translation>
    </message>
    <message>
        <source>自大返</source>
        <translation>Most flips</translation>
    </message>
    <message>
        <source>自小返</source>
        <translation>Fewest flips</translation>
    </message>
    <message>
        <source>相置小</source>
        <translation>Fewest replies</translation>
    </message>
    <message>
        <source>先読み</source>
        <translation>Look ahead</translation>
    </message>
    <message>
        <source>深読み</source>
        <translation>Deep reading</translation>
    </message>
</context>
<context>
    <name>PlayerChecks</name>
    <message>
        <source>ユーザの手（クリック）を待ちます。コンピュータには使えません。</source>
        <translation>Waits for the user&apos;s click. Not for a computer player.</translation>
    </message>
    <message>
        <source>合法手の中から一つを無作為に選びます。</source>
        <translation>Picks one legal move at random.</translation>
    </message>
    <message>
        <source>角（八角形の頂点の 8 マス）に置ける手すべてに票を入れます。</source>
        <translation>Votes for every move on a corner (the 8 cells at the octagon&apos;s vertices).</translation>
    </message>
    <message>
        <source>縁（外周の 24 マス）に置ける手すべてに票を入れます。</source>
        <translation>Votes for every move on an edge (the 24 outer cells).</translation>
    </message>
    <message>
        <source>置いた後、相手が角に置けなくなる手すべてに票を入れます。</source>
        <translation>Votes for every move after which the opponent cannot take a corner.</translation>
    </message>
    <message>
        <source>置いた後、相手が縁に置けなくなる手すべてに票を入れます。</source>
        <translation>Votes for every move after which the opponent cannot take an edge.</translation>
    </message>
    <message>
        <source>角以外に置く手すべてに票を入れます。</source>
        <translation>Votes for every move off the corners.</translation>
    </message>
    <message>
        <source>縁以外に置く手すべてに票を入れます。</source>
        <translation>Votes for every move off the edges.</translation>
    </message>
    <message>
        <source>返せるコマが最も多い手に票を入れます。</source>
        <translation>Votes for the moves that flip the most pieces.</translation>
    </message>
    <message>
        <source>返せるコマが最も少ない手に票を入れます。</source>
        <translation>Votes for the moves that flip the fewest pieces.</translation>
    </message>
    <message>
        <source>置いた後、相手の置ける場所が最も少なくなる手に票を入れます。</source>
        <translation>Votes for the moves that leave the opponent the fewest legal moves.</translation>
    </message>
    <message>
        <source>数手先まで読んで、最も良くなる手に票を入れます（終盤は最後まで読みます）。</source>
        <translation>Reads a few moves ahead and votes for the best move (to the end in the endgame).</translation>
    </message>
    <message>
        <source>時間をかけて深く読み、最も良くなる手に票を入れます（終盤は最後まで読みます）。</source>
        <translation>Takes its time to read deeply and votes for the best move (to the end in the endgame).</translation>
    </message>
    <message>
        <source>段階は上から順に調べ、打った手の数（パスは数えません）が「手数」以下の最初の段階の戦略 1〜3 で打ちます。各戦略は合法手に票を入れ、票の最も多い手を選びます。戦略 1 が空の段階で調べるのを止めます。</source>
        <translation>Phases are checked from the top; the first phase whose &quot;Moves&quot; is at least the number of moves played (passes not counted) plays with its strategies 1 to 3. Each strategy votes for legal moves, and the move with the most votes is played. The check stops at a phase without strategy 1.</translation>
    </message>
    <message>
        <source>どの段階にも戦略 1 がないため、すべての手を「ランダム」で打ちます。</source>
        <translation>No phase has strategy 1, so every move is played &quot;Random&quot;.</translation>
    </message>
    <message>
        <source>手数 %1 より後の手には合う段階がないため、最後の段階 %2 の戦略で打ちます（最後の段階の手数を %3 にすると確実です）。</source>
        <translation>No phase fits moves after move %1, so the strategies of the last phase, %2, play them (set the last phase&apos;s moves to %3 to be sure).</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>セットファイル %1 が見つかりません</source>
        <translation>Set file %1 not found</translation>
    </message>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>アーカイブの %1 を読めません（%2）</source>
        <translation>Cannot read %1 in the archive (%2)</translation>
    </message>
    <message>
        <source>アーカイブの %1 が壊れています</source>
        <translation>%1 in the archive is damaged</translation>
    </message>
    <message>
        <source>アーカイブのファイルが多すぎます（%1 個まで）</source>
        <translation>The archive holds too many files (up to %1)</translation>
    </message>
    <message>
        <source>アーカイブが壊れています（%1）</source>
        <translation>The archive is damaged (%1)</translation>
    </message>
    <message>
        <source>アーカイブに取り込めないパスがあります（「..」や絶対パス）: %1</source>
        <translation>The archive holds a path that cannot be taken in (&quot;..&quot; or an absolute path): %1</translation>
    </message>
    <message>
        <source>アーカイブの %1 は暗号化されていて読めません</source>
        <translation>%1 in the archive is encrypted and cannot be read</translation>
    </message>
    <message>
        <source>アーカイブの %1 が大きすぎます（1 ファイル %2 MB、合計 %3 MB まで）</source>
        <translation>%1 in the archive is too large (up to %2 MB a file, %3 MB in all)</translation>
    </message>
    <message>
        <source>アーカイブに同じ名前のファイルが二つあります: %1</source>
        <translation>The archive holds two files of the same name: %1</translation>
    </message>
    <message>
        <source>アーカイブの一番上にセットファイル（.tsb か .tsp）がちょうど一つ必要です</source>
        <translation>The archive needs exactly one set file (.tsb or .tsp) at its top level</translation>
    </message>
    <message>
        <source>ZIP ファイルを開けません（%1）</source>
        <translation>Cannot open the ZIP file (%1)</translation>
    </message>
    <message>
        <source>アーカイブのセットファイルにセットの名前（[%1] の Name）がありません</source>
        <translation>The archive&apos;s set file has no set name (Name in [%1])</translation>
    </message>
</context>
<context>
    <name>SetFileNotice</name>
    <message>
        <source>どのセクションにも属さない行が %1 行あります（最初は %2 行目。「[」で始まり「]」のない行の後など）。</source>
        <translation>%1 lines belong to no section (the first is line %2; for example after a line that starts with &quot;[&quot; but has no &quot;]&quot;).</translation>
    </message>
    <message>
        <source>セットファイル「%1」が見つかりません。
保存すると新しいファイルとして作ります。</source>
        <translation>Set file &quot;%1&quot; not found.
Saving creates it as a new file.</translation>
    </message>
    <message>
        <source>セットファイル「%1」には、%2
これらの行は読み込まれず、保存するとファイルから消えます。</source>
        <translation>In the set file &quot;%1&quot;, %2
These lines are not read and disappear from the file when it is saved.</translation>
    </message>
    <message>
        <source>このセットファイルには、%1
保存するとこれらの行は消えます。それでも保存しますか？</source>
        <translation>In this set file, %1
Saving removes these lines. Save anyway?</translation>
    </message>
    <message>
        <source>保存する</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SetReferences</name>
    <message>
        <source>%1 が指していた %2 は削除されたため、標準のセットの %3 に戻しました。</source>
        <translation>%2, which %1 referred to, was deleted, so it was set back to %3 of the standard set.</translation>
    </message>
</context>
<context>
    <name>TFormPrepareGame</name>
    <message>
        <source>テセラ／ゲーム準備</source>
        <translation>Tessella - Prepare game</translation>
    </message>
    <message>
        <source>[プレーヤの設定]</source>
        <translation>[Players]</translation>
    </message>
    <message>
        <source>プレーヤ変更</source>
        <translation>Change player</translation>
    </message>
    <message>
        <source>ユーザ対ユーザ</source>
        <translation>User vs User</translation>
    </message>
    <message>
        <source>ユーザ対コンピュータ</source>
        <translation>User vs Computer</translation>
    </message>
    <message>
        <source>コンピュータ対ユーザ</source>
        <translation>Computer vs User</translation>
    </message>
    <message>
        <source>コンピュータ対コンピュータ</source>
        <translation>Computer vs Computer</translation>
    </message>
    <message>
        <source>[ボードの設定]</source>
        <translation>[Board]</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>first player</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>second player</translation>
    </message>
    <message>
        <source>ボード変更</source>
        <translation>Change board</translation>
    </message>
    <message>
        <source>ゲーム開始</source>
        <translation>Start game</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ピクチャータイプのボードが抽選で出なかったので、最初に見つかった「%1」を選びました。</source>
        <translation>The draw found no picture type board, so the first one found, &quot;%1&quot;, was chosen.</translation>
    </message>
    <message>
        <source>ピクチャータイプのボードがないので、最後に抽選した「%1」を選びました。</source>
        <translation>There is no picture type board, so the last one drawn, &quot;%1&quot;, was chosen.</translation>
    </message>
    <message>
        <source>%1「%2」</source>
        <translation>%1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>設定ファイル「%1」に書き込めませんでした。
フォルダへの書き込みが許されているか、ディスクに空きがあるかを確かめてください。</source>
        <translation>Could not write the settings file &quot;%1&quot;.
Check that the folder may be written to and that the disk has free space.</translation>
    </message>
    <message>
        <source>次の値は設定ファイル「%1」に書けない文字（, ; ! や改行）を含むため、書かずにおきました。ほかの設定は書きました。
%2</source>
        <translation>These values hold characters the settings file &quot;%1&quot; cannot store (, ; ! or line breaks), so they were left out. The other settings were written.
%2</translation>
    </message>
</context>
<context>
    <name>UserPictureCopy</name>
    <message>
        <source>フォルダ %1 を作れません</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>ファイルが見つかりません</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>ファイルを読み込めません</source>
        <translation>Cannot read the file</translation>
    </message>
</context>
</TS>
