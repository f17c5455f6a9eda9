#include "tools/MatchTool.h"

#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return MatchTool::Run(args, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
