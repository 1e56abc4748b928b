// Times the library tree on a large category: filling the tree and expanding
// a category of 10,000 formulas and 200 sub-categories, each of which is
// looked into for the expand button. Runs on the offscreen platform unless
// another one is asked for.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/offscreen_benchmarks.h"
#include "library/formula_tree_ctrl.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFormulas = 10000;
constexpr int kCategories = 200;

// vekf/big with the formulas and the sub-categories, each sub-category
// holding one formula.
fs::path MakeLibrary()
{
    std::string pattern = (fs::temp_directory_path() / "orvik-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
    const fs::path big = fs::path(pattern) / "vekf" / "big";
    fs::create_directories(big);
    for (int i = 0; i < kFormulas; ++i)
        std::ofstream(big / ("formula" + std::to_string(i) + ".tfl")) << "ORVIK_FILE\r\n";
    for (int i = 0; i < kCategories; ++i) {
        const fs::path category = big / ("Category" + std::to_string(i));
        fs::create_directory(category);
        std::ofstream(category / "inside.tfl") << "ORVIK_FILE\r\n";
    }
    return pattern;
}

void BM_FillAndExpandLargeCategory(benchmark::State& state)
{
    static const fs::path home = MakeLibrary();
    const std::string library = (home / "vekf").string();
    orvik::FormulaTreeCtrl tree;
    tree.resize(300, 600);
    tree.show();
    for (auto _ : state) {
        tree.Fill(library, true);
        QTreeWidgetItem* big = tree.topLevelItem(0)->child(0);
        big->setExpanded(true);
        QApplication::processEvents();
        if (big->childCount() != kFormulas + kCategories)
            state.SkipWithError("the category is not listed whole");
    }
    fs::remove_all(home);
}
BENCHMARK(BM_FillAndExpandLargeCategory)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv)
{
    return orvik::RunOffscreenBenchmarks(argc, argv);
}
