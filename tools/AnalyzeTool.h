#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// tessella-analyze: scores every legal move of a position. Answers the
// process exit code: 0, or 2 for bad use or a position that cannot arise.
class AnalyzeTool {
public:
    static constexpr int kMaxExactEmpties = 20;
    static constexpr int kDefaultTimeMs = 2000;

    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};
