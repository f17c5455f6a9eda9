#pragma once

#include "support/SetFiles.h"

#include <string>

// A player section as the editor writes it: author "A" and the name, comment "C",
// faces Pic\f0.bmp..Pic\f4.bmp, and strategies in the first two phases.
inline std::string PlayerSectionText(int number, const std::string& name, bool stretch = false)
{
    std::string text = Format("[Brain_%03d]\r\nName=%s\r\nAuthor=A%s\r\nComment=C\r\nStretch=%s\r\n", number,
                              name.c_str(), name.c_str(), stretch ? "True" : "False");
    for (int i = 0; i < 5; ++i)
        text += Format("Face_0%d=Pic\\f%d.bmp\r\n", i, i);
    return text + "Brain_00=20,NormalBrain02,NormalBrain00,NormalBrain08\r\nBrain_01=72,NormalBrain04,,\r\n"
                  "Brain_02=0,,,\r\nBrain_03=0,,,\r\nBrain_04=0,,,\r\nBrain_05=0,,,\r\n";
}

// Sections Brain_000 ... for players named P0, P1, ...
inline std::string PlayerSectionsText(int count)
{
    std::string text;
    for (int n = 0; n < count; ++n)
        text += PlayerSectionText(n, Format("P%d", n));
    return text;
}
