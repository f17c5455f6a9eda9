#pragma once

#include <QImage>
#include <QString>

#include <string>
#include <vector>

// CP932 bytes of a UTF-8 text, as set files store it.
std::string Sj(const char* utf8);

// The lines joined with CR LF after each, as set files are written.
std::string Crlf(const std::vector<std::string>& lines);

// A single-colour BMP of the given size; the folders on the way must exist.
void SaveBmp(const std::string& path, QRgb colour, int width = 32, int height = 32);

// printf into a string: keeps tests clear of "text" + std::to_string(n), which GCC 12 warns about.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
