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
