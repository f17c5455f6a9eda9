#include "TextMatch.h"

#include <QRegularExpression>

namespace {

std::vector<std::string> Captures(const QRegularExpressionMatch& match)
{
    std::vector<std::string> captures;
    for (int i = 0; i <= match.lastCapturedIndex(); ++i)
        captures.push_back(match.captured(i).toStdString());
    return captures;
}

}  // namespace

std::optional<std::vector<std::string>> MatchWhole(const std::string& text, const std::string& pattern)
{
    const QRegularExpression whole(QRegularExpression::anchoredPattern(QString::fromStdString(pattern)));
    const QRegularExpressionMatch match = whole.match(QString::fromStdString(text));
    if (!match.hasMatch())
        return std::nullopt;
    return Captures(match);
}

std::vector<std::vector<std::string>> MatchAll(const std::string& text, const std::string& pattern)
{
    std::vector<std::vector<std::string>> all;
    const QRegularExpression expression(QString::fromStdString(pattern));
    for (auto it = expression.globalMatch(QString::fromStdString(text)); it.hasNext();)
        all.push_back(Captures(it.next()));
    return all;
}
