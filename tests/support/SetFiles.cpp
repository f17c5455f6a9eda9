#include "support/SetFiles.h"

#include "platform/TextCodec.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>

std::string Sj(const char* utf8)
{
    std::string bytes;
    EXPECT_TRUE(TextCodec::FromUtf8(utf8, &bytes)) << utf8;
    return bytes;
}

std::string Crlf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

void SaveBmp(const std::string& path, QRgb colour, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP")) << path;
}

std::string Format(const char* format, ...)
{
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}
