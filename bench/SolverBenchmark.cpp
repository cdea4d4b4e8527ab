// Puzzles per second for Solve, guessing off and on, over each puzzle set. Each iteration
// refills the model from one puzzle (ResetGrid and SetCell, as every caller does) and solves
// it; the set is walked round-robin. Sets come from the shared data folder when present, else
// from the samples kept with the tests.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "settings/UiText.h"
#include "solver/Sudoku.h"

namespace {

namespace fs = std::filesystem;

struct Puzzle {
    int blockSize;
    std::vector<std::pair<int, std::string>> givens;
};

std::vector<Puzzle> ReadSet(const fs::path& path) {
    std::vector<Puzzle> puzzles;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        line = line.substr(0, line.find('\t'));
        if (line.size() != 81 && line.size() != 256) continue;
        Puzzle p{line.size() == 81 ? 3 : 4, {}};
        for (size_t i = 0; i < line.size(); ++i)
            if (line[i] != '0' && line[i] != '.')
                p.givens.emplace_back(static_cast<int>(i) + 1, std::string(1, line[i]));
        puzzles.push_back(std::move(p));
    }
    return puzzles;
}

void SolveSet(benchmark::State& state, std::vector<Puzzle> puzzles, bool guessing) {
    sv::Sudoku sudoku;
    sudoku.BlockSize = puzzles.front().blockSize;
    sudoku.SetupGeometry();
    sudoku.AllowGuessing = guessing;
    size_t next = 0, solved = 0, total = 0;
    for (auto _ : state) {
        const Puzzle& p = puzzles[next];
        next = (next + 1) % puzzles.size();
        sudoku.ResetGrid();
        for (const auto& [cell, symbol] : p.givens) sudoku.SetCell(cell, symbol);
        const bool ok = sudoku.Solve(true);
        benchmark::DoNotOptimize(ok);
        solved += ok;
        ++total;
    }
    state.SetItemsProcessed(static_cast<int64_t>(total));
    // Share of the solves that ended solved (the walk may not cover the set evenly).
    state.counters["solved_pct"] = total ? 100.0 * static_cast<double>(solved) / total : 0.0;
}

} // namespace

int main(int argc, char** argv) {
    sv::SetDefaultUiTexts();
    fs::path dir = SV_SHARED_DATA;
    if (!fs::exists(dir)) dir = SV_TEST_DATA;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().extension() == ".txt" &&
            entry.path().filename().string().find("solution") == std::string::npos)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        auto puzzles = ReadSet(file);
        if (puzzles.empty()) continue;
        for (const bool guessing : {false, true})
            benchmark::RegisterBenchmark(
                (file.stem().string() + (guessing ? "/guessing" : "/techniques")).c_str(), SolveSet,
                puzzles, guessing)
                ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
