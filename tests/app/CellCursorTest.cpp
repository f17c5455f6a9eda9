#include "app/CellCursor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Each case starts on a cell, types or steps, and names where the cursor ends.
TEST(CellCursorTest, StepsSkipTheCutCornersAndTypedNamesJumpButOnlyCellNamesAreTaken)
{
    const struct {
        int from;
        std::string keys;  // ^ v < > for arrows, anything else is typed
        int to;
    } cases[] = {
        {44, "^^^^^", 4},   {44, "^^^^^^", 4},  {3, "<", 3},    {12, "^", 12},   {30, "^", 30},
        {21, "<", 21},      {6, ">", 6},        {44, "<<<<<", 40}, {93, "v", 93}, {44, "d1", 3},
        {44, "D1", 3},      {44, "j10", 44},    {44, "e10", 94}, {44, "a1", 44},  {44, "e9", 84},
        {44, "5", 44},      {44, "zd", 44},     {44, "c3x4", 22}, {44, "d2>", 14}, {44, "e1999", 4},
        {0, "", CellCursor::kStartCell},  // a cut corner is no place for the cursor
    };
    for (const auto& c : cases) {
        CellCursor cursor;
        cursor.MoveTo(c.from);
        for (const char key : c.keys) {
            switch (key) {
            case '^': cursor.Step(-1, 0); break;
            case 'v': cursor.Step(1, 0); break;
            case '<': cursor.Step(0, -1); break;
            case '>': cursor.Step(0, 1); break;
            default: cursor.Type(key); break;
            }
        }
        EXPECT_EQ(cursor.Cell(), c.to) << c.from << " " << c.keys;
    }
    CellCursor fresh;
    EXPECT_EQ(fresh.Cell(), CellCursor::kStartCell);
    EXPECT_TRUE(fresh.Type('b') && fresh.Type('4'));
    EXPECT_FALSE(fresh.Type('p') || fresh.Type('4')) << "only cell names are taken, and a digit needs a letter";
}

}  // namespace
