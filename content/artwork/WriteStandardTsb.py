#!/usr/bin/env python3
"""Writes content/files/Standard.tsb, the standard board set, in CP932 with CR LF line ends.

The picture names match what tessella_artwork draws; run this again after changing a design.
"""

import pathlib

FRAMES = 6
AUTHOR = "Tessella 制作チーム"

# name, type, kinds per side, title, comment, interval, transparent cells and pieces
DESIGNS = [
    ("Green", "Normal", 1, "グリーン",
     "緑のラシャに黒と白の石を並べる定番のボードです。", 55, True),
    ("Wood", "Normal", 1, "ウッド",
     "深い色合いの木目盤に黒檀と象牙の駒を置きます。", 55, True),
    ("Night", "Normal", 1, "星空",
     "夜空の盤の上で太陽と月が陣地を争います。", 55, True),
    ("Gems", "Random", 4, "宝石箱",
     "ベルベットの上に宝石を置きます。先手は金の台座の暖色の石で後手は銀の台座の寒色の石です。"
     "カットの形は置くたびに変わります。", 55, True),
    ("Garden", "Random", 4, "ガーデン",
     "芝生の庭に先手は果物を後手は花を置きます。絵柄は置くたびに変わります。", 55, True),
    ("Landscape", "Picture", 0, "風景",
     "駒を置いたマスに絵が現れます。先手は昼の風景で後手は夜の風景です。"
     "対局が終わったら境界線を隠して絵を眺めてください。", 100, False),
]


def flag(value):
    return "True" if value else "False"


def board_lines(name, board_type, kinds, title, comment, interval, transparent):
    folder = "Picture\\Board\\%s\\" % name
    lines = [
        "BoardType=" + board_type,
        "Board=" + folder + "Board.jpg",
        "Border=" + folder + "Border.bmp",
        "NoFloat=" + folder + "NoFloat.bmp",
    ]
    if board_type == "Picture":
        lines.append("1stBoard=" + folder + "1stBoard.jpg")
        lines.append("2ndBoard=" + folder + "2ndBoard.jpg")
    for side in ("1st", "2nd"):
        for kind in range(kinds):
            frames = ["%s%s_%02d_%02d.bmp" % (folder, side, kind, frame) for frame in range(FRAMES)]
            lines.append("%sFloat_%02d=%s" % (side, kind, ",".join(frames)))
    lines += [
        "Title=" + title,
        "Author=" + AUTHOR,
        "Comment=" + comment,
        "IntervalTime=%d" % interval,
        "Stretch=True",
        "TransparentNoFloat=" + flag(transparent),
        "Transparent1stFloat=" + flag(transparent),
        "Transparent2ndFloat=" + flag(transparent),
    ]
    return lines


def check_text(text):
    # Values cannot hold these; a CP932 trail byte equal to a backslash would upset path handling.
    for forbidden in ",;!":
        assert forbidden not in text, text
    for char in text:
        encoded = char.encode("cp932")
        assert len(encoded) == 1 or b"\\" not in encoded[1:], char
    assert len(text.encode("cp932")) <= 255, text


def main():
    lines = ["[BoardSet]", "Name=標準"]
    for number, design in enumerate(DESIGNS):
        _, _, _, title, comment, _, _ = design
        check_text(title)
        check_text(comment)
        lines.append("[Board_%03d]" % number)
        lines += board_lines(*design)
    target = pathlib.Path(__file__).resolve().parent.parent / "files" / "Standard.tsb"
    target.write_bytes(("\r\n".join(lines) + "\r\n").encode("cp932"))


if __name__ == "__main__":
    main()
