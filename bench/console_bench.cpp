// Times `orvik --console` against a muparser program that does the same work
// per input line (parse, evaluate, print the value), both as programs reading
// a file on stdin and writing a file on stdout, in one run.
//
//   console_bench [ORVIK [LINES]]     the comparison (default: orvik beside it, 200000)
//   console_bench --muparser          the muparser program itself (stdin to stdout)

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include <muParser.h>

#include "corpus.h"
#include "timed_run.h"
#include "platform/gbk.h"

namespace {

namespace fs = std::filesystem;
using orvik::TimeRun;

// muparser creates a variable on its first assignment, as Orvik does.
double* CreateVariable(const char* name, void* store)
{
    return &(*static_cast<std::map<std::string, double>*>(store))[name];
}

int RunMuparserConsole()
{
    std::ios::sync_with_stdio(false);
    std::map<std::string, double> variables;
    mu::Parser parser;
    parser.SetVarFactory(CreateVariable, &variables);
    std::string line;
    char value[64];
    while (std::getline(std::cin, line)) {
        if (line.empty())
            continue;
        try {
            parser.SetExpr(line);
            std::snprintf(value, sizeof value, "%.12f", parser.Eval());
            std::cout << value << '\n';
        } catch (const mu::Parser::exception_type& error) {
            std::cerr << error.GetMsg() << '\n';
        }
    }
    return 0;
}

// The corpus statements that both can express, cycled to `lines` lines, after
// the two lines that give x and y their values.
void WriteInputs(const fs::path& orvik_input, const fs::path& muparser_input, int lines)
{
    std::ofstream ours(orvik_input, std::ios::binary);
    std::ofstream theirs(muparser_input, std::ios::binary);
    ours << "x=3\ny=4\n";
    theirs << "x=3\ny=4\n";
    for (int written = 2; written < lines;) {
        for (const BenchStatement& statement : kCorpus) {
            if (!statement.muparser || written == lines)
                continue;
            ours << orvik::GbkToUtf8(statement.orvik) << '\n';
            theirs << statement.muparser << '\n';
            ++written;
        }
    }
}

std::size_t CountLines(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::count(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>(), '\n');
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--muparser")
        return RunMuparserConsole();
    const fs::path self = fs::canonical("/proc/self/exe");
    const std::string orvik = argc > 1 ? argv[1] : (self.parent_path() / "orvik").string();
    const int lines = argc > 2 ? std::atoi(argv[2]) : 200000;

    const fs::path dir = fs::temp_directory_path() / ("orvik_console_bench_" + std::to_string(getpid()));
    fs::create_directories(dir);
    WriteInputs(dir / "orvik.in", dir / "muparser.in", lines);

    // Best of five runs each, alternating, so both see the same machine load.
    double ours = 1e9, theirs = 1e9;
    for (int round = 0; round < 5; ++round) {
        ours = std::min(ours, TimeRun({orvik, "--console", "--radians"}, dir / "orvik.in", dir / "orvik.out"));
        theirs = std::min(theirs, TimeRun({self.string(), "--muparser"}, dir / "muparser.in", dir / "muparser.out"));
    }
    const std::size_t ours_lines = CountLines(dir / "orvik.out");
    const std::size_t theirs_lines = CountLines(dir / "muparser.out");
    fs::remove_all(dir);

    std::printf("%d input lines; results written: orvik %zu, muparser %zu\n", lines, ours_lines,
                theirs_lines);
    std::printf("orvik --console  %8.3f s\nmuparser program %8.3f s\n", ours, theirs);
    std::printf("speed ratio orvik/muparser: %.1f\n", theirs / ours);
    return ours_lines == theirs_lines ? 0 : 1;
}
