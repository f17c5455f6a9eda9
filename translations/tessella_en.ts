<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
