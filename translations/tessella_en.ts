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
    <name>FileDialogs</name>
    <message>
        <source>画像 (*.bmp *.png *.jpg *.jpeg *.ico *.BMP *.PNG *.JPG *.JPEG *.ICO);;PNG (*.png *.PNG);;BMP (*.bmp *.BMP);;JPEG (*.jpg *.jpeg *.JPG *.JPEG);;アイコン (*.ico *.ICO);;すべてのファイル (*)</source>
        <translation>Pictures (*.bmp *.png *.jpg *.jpeg *.ico *.BMP *.PNG *.JPG *.JPEG *.ICO);;PNG (*.png *.PNG);;BMP (*.bmp *.BMP);;JPEG (*.jpg *.jpeg *.JPG *.JPEG);;Icons (*.ico *.ICO);;All files (*)</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>保存しますか？</source>
        <translation>Save the changes?</translation>
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
    <name>LifetimeStats</name>
    <message>
        <source>通算 %1勝 %2敗 %3分</source>
        <translation>Lifetime: %1 won, %2 lost, %3 drawn</translation>
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
    <name>MoveListPanel</name>
    <message>
        <source>最初 (Home)</source>
        <translation>First position (Home)</translation>
    </message>
    <message>
        <source>1 手戻る (←)</source>
        <translation>One move back (←)</translation>
    </message>
    <message>
        <source>1 手進む (→)</source>
        <translation>One move forward (→)</translation>
    </message>
    <message>
        <source>最後 (End)</source>
        <translation>Last position (End)</translation>
    </message>
    <message>
        <source>先</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>後</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>%1 %2 パス     </source>
        <translation>%1 %2 pass</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4枚</source>
        <translation>%1 %2 %3 %4 turned</translation>
    </message>
    <message>
        <source>  最善 %1 %2 (-%3)</source>
        <translation>  best %1 %2 (-%3)</translation>
    </message>
    <message>
        <source>   0    開始局面</source>
        <translation>   0     start position</translation>
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
    <name>TFormHelp</name>
    <message>
        <source>テセラ／ヘルプ</source>
        <translation>Tessella - Help</translation>
    </message>
    <message>
        <source>ヘルプの文書が見つかりません: %1</source>
        <translation>Help document not found: %1</translation>
    </message>
</context>
<context>
    <name>TFormInputSetName</name>
    <message>
        <source>セット名を入力してください</source>
        <translation>Enter a set name</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>セット名に使えない文字（シフトJISで表せない文字）が含まれています。</source>
        <translation>The set name holds characters that cannot be used (not representable in Shift-JIS).</translation>
    </message>
    <message>
        <source>セット名が長すぎます。半角%1文字（全角%2文字）までにしてください。</source>
        <translation>The set name is too long. Use up to %1 single-byte (%2 double-byte) characters.</translation>
    </message>
    <message>
        <source>テセラ</source>
        <translation>Tessella</translation>
    </message>
    <message>
        <source>テセラ／セット名</source>
        <translation>Tessella - Set name</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>テセラの終了</source>
        <translation>Exit Tessella</translation>
    </message>
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
        <source>待った</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>環境設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>境界線を隠す</source>
        <translation>Hide border</translation>
    </message>
    <message>
        <source>テセラとは？</source>
        <translation>About Tessella</translation>
    </message>
    <message>
        <source>ホームページ</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>リリース情報</source>
        <translation>Release notes</translation>
    </message>
    <message>
        <source>メニュー</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>[ボード]</source>
        <translation>[Board]</translation>
    </message>
    <message>
        <source>[先手]</source>
        <translation>[First player]</translation>
    </message>
    <message>
        <source>[後手]</source>
        <translation>[Second player]</translation>
    </message>
    <message>
        <source>[メニュー]</source>
        <translation>[Menu]</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>    0勝    0敗    0分</source>
        <translation>   0 won    0 lost    0 drawn</translation>
    </message>
    <message>
        <source>%1 に読めない行があったため、書き換える前の内容を %2 に残しました。</source>
        <translation>%1 had lines that could not be read, so its previous content was kept in %2.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>読み込めません: %1</source>
        <translation>Cannot load: %1</translation>
    </message>
    <message>
        <source>Document\TSReadme.htm</source>
        <comment>help document in the program folder</comment>
        <translation>Document\TSReadme_en.htm</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>対局中です。終了しますか？</source>
        <translation>A game is in progress. Exit anyway?</translation>
    </message>
    <message>
        <source>棋譜ウィンドウ</source>
        <translation>Record window</translation>
    </message>
    <message>
        <source>棋譜を開く...</source>
        <translation>Open record...</translation>
    </message>
    <message>
        <source>棋譜を保存...</source>
        <translation>Save record...</translation>
    </message>
    <message>
        <source>手順をコピー</source>
        <translation>Copy moves</translation>
    </message>
    <message>
        <source>手順を貼り付け</source>
        <translation>Paste moves</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
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
        <translation>First player</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Second player</translation>
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
    <name>TFormRecord</name>
    <message>
        <source>棋譜</source>
        <translation>Game record</translation>
    </message>
    <message>
        <source>解析</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>対局に戻る</source>
        <translation>Back to the game</translation>
    </message>
    <message>
        <source>ここから対局</source>
        <translation>Play from here</translation>
    </message>
    <message>
        <source>棋譜 (*.tsr *.TSR);;すべてのファイル (*)</source>
        <translation>Game records (*.tsr *.TSR);;All files (*)</translation>
    </message>
    <message>
        <source>解析を中止しました</source>
        <translation>Analysis cancelled</translation>
    </message>
    <message>
        <source>解析する手がありません</source>
        <translation>No moves to analyse</translation>
    </message>
    <message>
        <source>解析中止</source>
        <translation>Stop analysis</translation>
    </message>
    <message>
        <source>解析中… 0/%1</source>
        <translation>Analysing… 0/%1</translation>
    </message>
    <message>
        <source>解析中… %1/%2</source>
        <translation>Analysing… %1/%2</translation>
    </message>
    <message>
        <source>解析が終わりました。悪手 (%1 石以上の損): 先手 %2、後手 %3</source>
        <translation>Analysis done. Mistakes (losing %1 pieces or more): first player %2, second player %3</translation>
    </message>
    <message>
        <source>%1 を開きました</source>
        <translation>Opened %1</translation>
    </message>
    <message>
        <source>貼り付けた手順を読めません: %1</source>
        <translation>Cannot read the pasted moves: %1</translation>
    </message>
    <message>
        <source>貼り付けた手順 (%1 手) を表示しています</source>
        <translation>Showing the pasted moves (%1 moves)</translation>
    </message>
    <message>
        <source>棋譜を開く</source>
        <translation>Open game record</translation>
    </message>
    <message>
        <source>棋譜を保存</source>
        <translation>Save game record</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした</source>
        <translation>Could not save %1</translation>
    </message>
    <message>
        <source>%1 に保存しました</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>手順をコピーしました</source>
        <translation>Moves copied</translation>
    </message>
</context>
<context>
    <name>TFormRelease</name>
    <message>
        <source>テセラ／リリース情報</source>
        <translation>Tessella - Release notes</translation>
    </message>
    <message>
        <source>Picture\Thanks.bmp</source>
        <comment>banner picture in the program folder</comment>
        <translation>Picture\Thanks_en.bmp</translation>
    </message>
    <message>
        <source>Picture\Title.jpg</source>
        <comment>title picture in the program folder</comment>
        <translation>Picture\Title_en.jpg</translation>
    </message>
</context>
<context>
    <name>TFormSaveConfirm</name>
    <message>
        <source>テセラ／保存確認</source>
        <translation>Tessella - Save</translation>
    </message>
    <message>
        <source>保存しますか？</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TFormSelectBoard</name>
    <message>
        <source>ノーマルタイプ</source>
        <translation>Normal type</translation>
    </message>
    <message>
        <source>ランダムタイプ</source>
        <translation>Random type</translation>
    </message>
    <message>
        <source>ピクチャータイプ</source>
        <translation>Picture type</translation>
    </message>
    <message>
        <source>タイプ無し</source>
        <translation>No type</translation>
    </message>
    <message>
        <source>テセラ／ボード選択</source>
        <translation>Tessella - Select board</translation>
    </message>
    <message>
        <source>[ボードを選択して下さい]</source>
        <translation>[Select a board]</translation>
    </message>
    <message>
        <source>ボードセット名：</source>
        <translation>Board set:</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>First</translation>
    </message>
    <message>
        <source>アニメーション</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ボード決定</source>
        <translation>Use board</translation>
    </message>
    <message>
        <source>設定ファイル「%1」に書き込めませんでした。</source>
        <translation>Could not write the settings file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TFormSelectPlayer</name>
    <message>
        <source>テセラ／プレーヤ選択</source>
        <translation>Tessella - Select player</translation>
    </message>
    <message>
        <source>[プレーヤーを選択して下さい]</source>
        <translation>[Select a player]</translation>
    </message>
    <message>
        <source>プレーヤセット名：</source>
        <translation>Player set:</translation>
    </message>
    <message>
        <source>&lt; 前</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>次 &gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>手数</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>設定ファイル「%1」に書き込めませんでした。</source>
        <translation>Could not write the settings file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TFormSettingBoard</name>
    <message>
        <source>ノーマルタイプ</source>
        <translation>Normal type</translation>
    </message>
    <message>
        <source>ランダムタイプ</source>
        <translation>Random type</translation>
    </message>
    <message>
        <source>ピクチャータイプ</source>
        <translation>Picture type</translation>
    </message>
    <message>
        <source>[先手コマ]</source>
        <translation>[First player&apos;s pieces]</translation>
    </message>
    <message>
        <source>[後手コマ]</source>
        <translation>[Second player&apos;s pieces]</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>変化</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>参照（コマ）</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>ﾃｽﾄ</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>コマを透過にする</source>
        <translation>Transparent pieces</translation>
    </message>
    <message>
        <source>テセラ／ユーザ用ボードセット設定</source>
        <translation>Tessella - Edit board set</translation>
    </message>
    <message>
        <source>[ボードを設定して下さい]</source>
        <translation>[Set up the board]</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>修正</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>参照（ボード）</source>
        <translation>Browse (board)</translation>
    </message>
    <message>
        <source>参照（境界線）</source>
        <translation>Browse (border)</translation>
    </message>
    <message>
        <source>サイズを調整する</source>
        <translation>Fit the size</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>ボードタイプ</source>
        <translation>Board type</translation>
    </message>
    <message>
        <source>ボードタイマ：</source>
        <translation>Board timer:</translation>
    </message>
    <message>
        <source>[なしコマ]</source>
        <translation>[Empty cell]</translation>
    </message>
    <message>
        <source>[盤面プレビュー]</source>
        <translation>[Board preview]</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>複製</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Revert</translation>
    </message>
    <message>
        <source>テセラ／ユーザ用ボードセット設定 － %1</source>
        <translation>Tessella - Edit board set - %1</translation>
    </message>
    <message>
        <source>タイプ無し</source>
        <translation>No type</translation>
    </message>
    <message>
        <source>ボードの絵を開く</source>
        <translation>Open the board picture</translation>
    </message>
    <message>
        <source>境界線の絵を開く</source>
        <translation>Open the border picture</translation>
    </message>
    <message>
        <source>コマ（なし）の絵を開く</source>
        <translation>Open the empty cell picture</translation>
    </message>
    <message>
        <source>コマ（先手）の絵を開く</source>
        <translation>Open the first player&apos;s piece picture</translation>
    </message>
    <message>
        <source>コマ（後手）の絵を開く</source>
        <translation>Open the second player&apos;s piece picture</translation>
    </message>
    <message>
        <source>選んだ絵はプログラムのフォルダの外にあります。
「%1」にコピーして使いますか？
コピーすると、フォルダを移したり人に渡したりしても絵が見つかります。</source>
        <translation>The picture is outside the program folder.
Copy it to &quot;%1&quot; and use the copy?
With a copy, the picture is still found when the folder is moved or given to someone.</translation>
    </message>
    <message>
        <source>絵をコピーできませんでした（%1）。元の場所のまま使います。</source>
        <translation>Could not copy the picture (%1). The original place is used.</translation>
    </message>
    <message>
        <source>このファイル名はボードセットに書けません。
%1</source>
        <translation>This file name cannot be written into a board set.
%1</translation>
    </message>
    <message>
        <source>このファイル名はボードセットに書けません（「,」「;」「!」を含む名前や%1バイトを超える名前は読み戻せません）。
%2</source>
        <translation>This file name cannot be written into a board set (a name with &quot;,&quot;, &quot;;&quot; or &quot;!&quot; or longer than %1 bytes cannot be read back).
%2</translation>
    </message>
    <message>
        <source>絵を読み込めませんでした（%1）。ファイル名はそのまま使います。
%2</source>
        <translation>Could not load the picture (%1). The file name is kept.
%2</translation>
    </message>
    <message>
        <source>「%1」に保存できない文字があります。</source>
        <translation>&quot;%1&quot; holds characters that cannot be saved.</translation>
    </message>
    <message>
        <source>ボードセットファイル「%1」に書き込めませんでした。</source>
        <translation>Could not write the board set file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ボード 新規 / %1</source>
        <translation>New board / %1</translation>
    </message>
    <message>
        <source>ボード %1 / %2</source>
        <translation>Board %1 / %2</translation>
    </message>
    <message>
        <source>ボード － / %1</source>
        <translation>Board - / %1</translation>
    </message>
    <message>
        <source>ボード %1「%2」を削除しますか？
後ろのボードの番号が一つずつ詰まります。</source>
        <translation>Delete board %1 &quot;%2&quot;?
The boards after it move up by one.</translation>
    </message>
    <message>
        <source>保存後はこのボードの修正へ</source>
        <translation>After saving: modify this board</translation>
    </message>
    <message>
        <source>ボード %1 を追加、以後は修正</source>
        <translation>Board %1 added, now modifying</translation>
    </message>
</context>
<context>
    <name>TFormSettingGame</name>
    <message>
        <source>改行</source>
        <translation>line breaks</translation>
    </message>
    <message>
        <source>制御文字</source>
        <translation>control characters</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>テセラ／ゲーム設定</source>
        <translation>Tessella - Game settings</translation>
    </message>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>edit the selected set</comment>
        <translation>Edit</translation>
    </message>
    <message>
        <source>[設定]</source>
        <translation>[Settings]</translation>
    </message>
    <message>
        <source>ベースタイマ：</source>
        <translation>Base timer:</translation>
    </message>
    <message>
        <source>コマのアニメーション表示をする</source>
        <translation>Animate the pieces</translation>
    </message>
    <message>
        <source>パスを自動的に行う</source>
        <translation>Pass automatically</translation>
    </message>
    <message>
        <source>ゲーム毎にボードを変える</source>
        <translation>New board for each game</translation>
    </message>
    <message>
        <source>ボードセット内のみ有効</source>
        <translation>Only from the board set</translation>
    </message>
    <message>
        <source>ピクチャータイプのみ変える</source>
        <translation>Only picture type boards</translation>
    </message>
    <message>
        <source>[盤面の表示]</source>
        <translation>[Board display]</translation>
    </message>
    <message>
        <source>打てるマスを表示する</source>
        <translation>Show legal cells</translation>
    </message>
    <message>
        <source>最後の手を表示する</source>
        <translation>Show the last move</translation>
    </message>
    <message>
        <source>座標を表示する</source>
        <translation>Show coordinates</translation>
    </message>
    <message>
        <source>[ボードセット]</source>
        <translation>[Board sets]</translation>
    </message>
    <message>
        <source>登録しているボードセット</source>
        <translation>Registered board sets</translation>
    </message>
    <message>
        <source>[プレーヤセット]</source>
        <translation>[Player sets]</translation>
    </message>
    <message>
        <source>登録しているプレーヤセット</source>
        <translation>Registered player sets</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>save the settings</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>
%1 に書き込めませんでした。</source>
        <translation>
Could not write %1.</translation>
    </message>
    <message>
        <source>ボードセットを開く</source>
        <translation>Open a board set</translation>
    </message>
    <message>
        <source>プレーヤーセットを開く</source>
        <translation>Open a player set</translation>
    </message>
    <message>
        <source>セット名が入力されていません。</source>
        <translation>No set name was entered.</translation>
    </message>
    <message>
        <source>空白だけのセット名は使えません。</source>
        <translation>A set name cannot be only spaces.</translation>
    </message>
    <message>
        <source>セット名の最初と最後に空白は使えません。</source>
        <translation>A set name cannot start or end with a space.</translation>
    </message>
    <message>
        <source>「.」で始まるセット名は使えません。</source>
        <translation>A set name cannot start with &quot;.&quot;.</translation>
    </message>
    <message>
        <source>セット名が長すぎます。もっと短い名前を入力してください。</source>
        <translation>The set name is too long. Enter a shorter name.</translation>
    </message>
    <message>
        <source>セット名に%1は使えません。
次の文字と改行はセット名に使えません：
, ; ! = [ ] \ / : * ? &quot; &lt; &gt; |</source>
        <translation>A set name cannot hold %1.
These characters and line breaks cannot be used in a set name:
, ; ! = [ ] \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>「%1」は標準セットの名前なので使えません。</source>
        <translation>&quot;%1&quot; is the standard set&apos;s name and cannot be used.</translation>
    </message>
    <message>
        <source>セット「%1」は既に登録されています。別の名前を入力してください。</source>
        <translation>The set &quot;%1&quot; is already registered. Enter another name.</translation>
    </message>
    <message>
        <source>ファイル「%1」が既にあります。別の名前を入力してください。</source>
        <translation>The file &quot;%1&quot; already exists. Enter another name.</translation>
    </message>
    <message>
        <source>セットファイル「%1」を作れませんでした。
フォルダが書き込み禁止か、ディスクが一杯の可能性があります。</source>
        <translation>Could not create the set file &quot;%1&quot;.
The folder may be read-only or the disk full.</translation>
    </message>
    <message>
        <source>セット「%1」を登録できませんでした。</source>
        <translation>Could not register the set &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ファイル名「%1」には , ; ! が含まれているため、登録できません。</source>
        <translation>The file name &quot;%1&quot; holds , ; or !, so it cannot be registered.</translation>
    </message>
    <message>
        <source>ファイル名「%1」にはシフトJISで表せない文字が含まれているため、登録できません。</source>
        <translation>The file name &quot;%1&quot; holds characters Shift-JIS cannot represent, so it cannot be registered.</translation>
    </message>
    <message>
        <source>「%1」を読み込めませんでした。</source>
        <translation>Could not read &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>「%1」をプログラムのフォルダにコピーできませんでした。
フォルダが書き込み禁止か、ディスクが一杯の可能性があります。</source>
        <translation>Could not copy &quot;%1&quot; into the program folder.
The folder may be read-only or the disk full.</translation>
    </message>
    <message>
        <source>プログラムのフォルダには同じ名前の別のファイル「%1」があるため、「%2」としてコピーしました。</source>
        <translation>The program folder already holds another file named &quot;%1&quot;, so it was copied as &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>「%1」にはセット名（[%2] の Name）が書かれていないため、登録できません。</source>
        <translation>&quot;%1&quot; has no set name (Name in [%2]), so it cannot be registered.</translation>
    </message>
    <message>
        <source>セット「%1」は既に登録されています。</source>
        <translation>The set &quot;%1&quot; is already registered.</translation>
    </message>
    <message>
        <source>セット名「%1」は = や [ を含むため、登録できません。</source>
        <translation>The set name &quot;%1&quot; holds = or [, so it cannot be registered.</translation>
    </message>
    <message>
        <source>セット「%1」は今の設定で使われています。
削除すると、その設定は標準セットに戻ります。削除しますか？</source>
        <translation>The set &quot;%1&quot; is used by the current settings.
Deleting it sets them back to the standard set. Delete it?</translation>
    </message>
    <message>
        <source>ボードセット名にシフトJISで表せない文字が含まれています。</source>
        <translation>The board set name holds characters Shift-JIS cannot represent.</translation>
    </message>
    <message>
        <source>ボードセット名に , ; ! や改行は使えません。</source>
        <translation>A board set name cannot hold , ; ! or line breaks.</translation>
    </message>
    <message>
        <source>設定ファイル「%1」に書き込めませんでした。
フォルダが書き込み禁止か、ディスクが一杯の可能性があります。</source>
        <translation>Could not write the settings file &quot;%1&quot;.
The folder may be read-only or the disk full.</translation>
    </message>
    <message>
        <source>[言語]</source>
        <translation>[Language]</translation>
    </message>
    <message>
        <source>自動（システムの言語）</source>
        <translation>Auto (system language)</translation>
    </message>
    <message>
        <source>次に起動したときから切り替わります</source>
        <translation>Takes effect at the next start</translation>
    </message>
    <message>
        <source>書き出し</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>選んだセットを、使っている絵と一緒に一つの ZIP ファイルに書き出します</source>
        <translation>Exports the selected set with its pictures to one ZIP file</translation>
    </message>
    <message>
        <source>セットファイル、または書き出した ZIP ファイルを登録します</source>
        <translation>Registers a set file or an exported ZIP file</translation>
    </message>
    <message>
        <source>ボードセットファイル (*.TSB *.tsb);;書き出したセット (*.zip *.ZIP);;全てのファイル (*)</source>
        <translation>Board set files (*.TSB *.tsb);;Exported sets (*.zip *.ZIP);;All files (*)</translation>
    </message>
    <message>
        <source>プレーヤセットファイル (*.TSP *.tsp);;書き出したセット (*.zip *.ZIP);;全てのファイル (*)</source>
        <translation>Player set files (*.TSP *.tsp);;Exported sets (*.zip *.ZIP);;All files (*)</translation>
    </message>
    <message>
        <source>セットを書き出す</source>
        <translation>Export the set</translation>
    </message>
    <message>
        <source>ZIP ファイル (*.zip)</source>
        <translation>ZIP files (*.zip)</translation>
    </message>
    <message>
        <source>セット「%1」を書き出せませんでした（%2）。</source>
        <translation>Could not export the set &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>セット「%1」を「%2」に書き出しました。</source>
        <translation>Exported the set &quot;%1&quot; to &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>
読めなかったため入れなかった絵：
%1</source>
        <translation>
Pictures left out because they could not be read:
%1</translation>
    </message>
    <message>
        <source>「%1」は追加できません。何も書き込んでいません。
%2</source>
        <translation>&quot;%1&quot; cannot be added. Nothing was written.
%2</translation>
    </message>
    <message>
        <source>「%1」は%2のセットなので、そちらの一覧に追加しました。</source>
        <translation>&quot;%1&quot; is a %2 set, so it was added to that list.</translation>
    </message>
    <message>
        <source>ボード</source>
        <translation>board</translation>
    </message>
    <message>
        <source>プレーヤー</source>
        <translation>player</translation>
    </message>
    <message>
        <source>セット「%1」を「%2」として、絵 %3 枚と一緒に追加しました。</source>
        <translation>Added the set &quot;%1&quot; as &quot;%2&quot; with %3 pictures.</translation>
    </message>
    <message>
        <source>新規に作って編集したセットファイルは、登録せずに残しました（「追加」で登録できます）。
%1</source>
        <translation>The new set file you edited was kept without registering it (&quot;Add&quot; registers it).
%1</translation>
    </message>
</context>
<context>
    <name>TFormSettingPlayer</name>
    <message>
        <source>ふつう</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>優勢</source>
        <translation>Ahead</translation>
    </message>
    <message>
        <source>勝ち</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>劣勢</source>
        <translation>Behind</translation>
    </message>
    <message>
        <source>負け</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>テセラ／ユーザ用プレーヤーセット</source>
        <translation>Tessella - Edit player set</translation>
    </message>
    <message>
        <source>[プレーヤーを設定して下さい]</source>
        <translation>[Set up the player]</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>修正</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>表示する顔：1 ふつう・2 優勢・3 勝ち・4 劣勢・5 負け</source>
        <translation>Faces: 1 normal, 2 ahead, 3 won, 4 behind, 5 lost</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>ｻｲｽﾞを調整する</source>
        <translation>Fit the size</translation>
    </message>
    <message>
        <source>名前：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>作者：</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>コメント：</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>手数</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>[段階と手数]</source>
        <translation>[Phases and moves]</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>複製</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Revert</translation>
    </message>
    <message>
        <source>テセラ／ユーザ用プレーヤーセット － %1</source>
        <translation>Tessella - Edit player set - %1</translation>
    </message>
    <message>
        <source>顔 %1：%2</source>
        <translation>Face %1: %2</translation>
    </message>
    <message>
        <source>保存すると最後に追加し、そのプレーヤーの修正に移ります</source>
        <translation>After saving: modify this player</translation>
    </message>
    <message>
        <source>プレーヤーの絵を開く</source>
        <translation>Open the player&apos;s picture</translation>
    </message>
    <message>
        <source>選んだ絵はプログラムのフォルダの外にあります。
「%1」にコピーして使いますか？
コピーすると、フォルダを移したり人に渡したりしても絵が見つかります。</source>
        <translation>The picture is outside the program folder.
Copy it to &quot;%1&quot; and use the copy?
With a copy, the picture is still found when the folder is moved or given to someone.</translation>
    </message>
    <message>
        <source>絵をコピーできませんでした（%1）。元の場所のまま使います。</source>
        <translation>Could not copy the picture (%1). The original place is used.</translation>
    </message>
    <message>
        <source>ファイル名「%1」は保存できない文字を含むため使えません。</source>
        <translation>The file name &quot;%1&quot; holds characters that cannot be saved, so it cannot be used.</translation>
    </message>
    <message>
        <source>ファイル名「%1」は , ; ! を含むため使えません。</source>
        <translation>The file name &quot;%1&quot; holds , ; or !, so it cannot be used.</translation>
    </message>
    <message>
        <source>ファイル名「%1」は長すぎるため使えません。</source>
        <translation>The file name &quot;%1&quot; is too long to be used.</translation>
    </message>
    <message>
        <source>絵「%1」を読み込めませんでした（%2）。ファイル名はそのまま使います。</source>
        <translation>Could not load the picture &quot;%1&quot; (%2). The file name is kept.</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>name</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>author</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>comment</translation>
    </message>
    <message>
        <source>%1に Shift-JIS で保存できない文字があります。その文字を直してから保存して下さい。</source>
        <translation>The %1 holds characters that Shift-JIS cannot store. Change them, then save.</translation>
    </message>
    <message>
        <source>%1が長すぎます（%2 バイトまで）。短くしてから保存して下さい。</source>
        <translation>The %1 is too long (up to %2 bytes). Shorten it, then save.</translation>
    </message>
    <message>
        <source>プレーヤーセットファイル「%1」に書き込めませんでした。</source>
        <translation>Could not write the player set file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>プレーヤー %1 として追加しました。ここからは修正です</source>
        <translation>Added as player %1. From here on you modify it</translation>
    </message>
    <message>
        <source>プレーヤー 新規 / %1</source>
        <translation>New player / %1</translation>
    </message>
    <message>
        <source>プレーヤー %1 / %2</source>
        <translation>Player %1 / %2</translation>
    </message>
    <message>
        <source>プレーヤー － / %1</source>
        <translation>Player - / %1</translation>
    </message>
    <message>
        <source>プレーヤー %1「%2」を削除しますか？
後ろのプレーヤーの番号が一つずつ詰まります。</source>
        <translation>Delete player %1 &quot;%2&quot;?
The players after it move up by one.</translation>
    </message>
    <message>
        <source>強さを測る相手 (標準のプレーヤー)</source>
        <translation>Opponent for the strength test (standard player)</translation>
    </message>
    <message>
        <source>強さを測る</source>
        <translation>Test strength</translation>
    </message>
    <message>
        <source>表示中の段階の設定で %1 局対戦します</source>
        <translation>Plays %1 games with the phases shown</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>標準のプレーヤーが見つかりません</source>
        <translation>No standard player found</translation>
    </message>
    <message>
        <source>対局中…</source>
        <translation>Playing…</translation>
    </message>
    <message>
        <source>中止しました</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>%1勝 %2敗 %3分 (対 %4)</source>
        <translation>%1 won %2 lost %3 drawn vs %4</translation>
    </message>
</context>
<context>
    <name>TFormStats</name>
    <message>
        <source>成績</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>プレイヤー</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>セット</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>勝</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>敗</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>分</source>
        <translation>Drawn</translation>
    </message>
    <message>
        <source>最長連勝</source>
        <translation>Longest streak</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>まだ対局の記録がありません</source>
        <translation>No games recorded yet</translation>
    </message>
    <message>
        <source>%1 の通算成績をリセットしますか？</source>
        <translation>Reset the lifetime results of %1?</translation>
    </message>
    <message>
        <source>Records\Stats.ini に書き込めませんでした</source>
        <translation>Could not write Records\Stats.ini</translation>
    </message>
</context>
<context>
    <name>TFormTitle</name>
    <message>
        <source>テセラ</source>
        <translation>Tessella</translation>
    </message>
    <message>
        <source>Picture\Welcome.bmp</source>
        <comment>banner picture in the program folder</comment>
        <translation>Picture\Welcome_en.bmp</translation>
    </message>
    <message>
        <source>Picture\Title.jpg</source>
        <comment>title picture in the program folder</comment>
        <translation>Picture\Title_en.jpg</translation>
    </message>
</context>
<context>
    <name>TFormVersionUp</name>
    <message>
        <source>データを更新しています。</source>
        <translation>Updating your data.</translation>
    </message>
    <message>
        <source>楽しんでね！</source>
        <translation>Have fun!</translation>
    </message>
    <message>
        <source>テセラ／バージョンアップ</source>
        <translation>Tessella - Update</translation>
    </message>
    <message>
        <source>[バージョンアップ内容]</source>
        <translation>[What is new]</translation>
    </message>
    <message>
        <source>テセラをダウンロードして頂き、ありがとうございます。</source>
        <translation>Thank you for downloading Tessella.</translation>
    </message>
    <message>
        <source>前回のバージョンから変更された内容は以下の通りです。</source>
        <translation>These are the changes since the previous version.</translation>
    </message>
    <message>
        <source>処理中</source>
        <translation>Working</translation>
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
