// zapt-report: see report.h and `zapt-report --help`.
#include "report/report.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    return zapt::report::run(args, std::cout, std::cerr);
}
