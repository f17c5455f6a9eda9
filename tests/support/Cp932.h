#pragma once

#include "platform/TextCodec.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QString>

#include <string>

// The CP932 bytes of a text typed in the tests' UTF-8 sources.
inline std::string Cp932(const QString& text)
{
    std::string bytes;
    EXPECT_TRUE(TextCodec::FromUi(text, &bytes)) << text.toStdString();
    return bytes;
}

// Writes the text as a CP932 file with CR LF line ends, as set and settings files are stored.
inline void WriteCp932(const TempDir& dir, const std::string& name, QString text)
{
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    dir.Write(name, Cp932(text));
}
