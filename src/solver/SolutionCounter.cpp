#include "solver/SolutionCounter.h"

#include <array>
#include <bit>
#include <cstdint>

namespace sv {
namespace {

constexpr int kMaxN = 16;
constexpr int kMaxCells = kMaxN * kMaxN;

// Which row, column and block each cell is in, and the cells of every unit.
struct Geometry {
    int n = 0;
    int cells = 0;
    std::array<uint8_t, kMaxCells> row{}, col{}, box{};
    std::array<std::array<uint16_t, kMaxN>, 3 * kMaxN> units{}; // rows, columns, blocks

    explicit Geometry(int b) : n(b * b), cells(b * b * b * b) {
        for (int i = 0; i < cells; ++i) {
            row[i] = static_cast<uint8_t>(i / n);
            col[i] = static_cast<uint8_t>(i % n);
            box[i] = static_cast<uint8_t>((row[i] / b) * b + col[i] / b);
        }
        std::array<int, 3 * kMaxN> fill{};
        for (int i = 0; i < cells; ++i) {
            const int u[3] = {row[i], n + col[i], 2 * n + box[i]};
            for (int k : u) units[k][fill[k]++] = static_cast<uint16_t>(i);
        }
    }
};

const Geometry& GeometryFor(int blockSize) {
    static const Geometry nine(3);
    static const Geometry sixteen(4);
    return blockSize == 3 ? nine : sixteen;
}

int SymbolValue(char c) {
    if (c >= '1' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'G') return c - 'A' + 10;
    return -1;
}

class Counter {
public:
    Counter(const Geometry& g, int limit) : g_(g), limit_(limit), full_((1u << g.n) - 1) {}

    bool Place(int cell, int value) {
        const uint32_t bit = 1u << (value - 1);
        if ((rowUsed_[g_.row[cell]] | colUsed_[g_.col[cell]] | boxUsed_[g_.box[cell]]) & bit)
            return false;
        Set(cell, bit);
        return true;
    }

    int Run() {
        Search();
        return found_;
    }

private:
    const Geometry& g_;
    const int limit_;
    const uint32_t full_;
    int found_ = 0;
    std::array<uint32_t, kMaxCells> value_{}; // bit of the placed symbol, 0 when empty
    std::array<uint32_t, kMaxN> rowUsed_{}, colUsed_{}, boxUsed_{};
    std::array<uint16_t, kMaxCells> trail_{};
    int trailSize_ = 0;

    uint32_t Candidates(int cell) const {
        return full_ & ~(rowUsed_[g_.row[cell]] | colUsed_[g_.col[cell]] | boxUsed_[g_.box[cell]]);
    }

    void Set(int cell, uint32_t bit) {
        value_[cell] = bit;
        rowUsed_[g_.row[cell]] |= bit;
        colUsed_[g_.col[cell]] |= bit;
        boxUsed_[g_.box[cell]] |= bit;
        trail_[trailSize_++] = static_cast<uint16_t>(cell);
    }

    void UndoTo(int mark) {
        while (trailSize_ > mark) {
            const int cell = trail_[--trailSize_];
            const uint32_t bit = value_[cell];
            value_[cell] = 0;
            rowUsed_[g_.row[cell]] &= ~bit;
            colUsed_[g_.col[cell]] &= ~bit;
            boxUsed_[g_.box[cell]] &= ~bit;
        }
    }

    uint32_t UsedIn(int unit) const {
        if (unit < g_.n) return rowUsed_[unit];
        if (unit < 2 * g_.n) return colUsed_[unit - g_.n];
        return boxUsed_[unit - 2 * g_.n];
    }

    // Places naked and hidden singles until none is left. False on a contradiction. On return
    // bestCell is the empty cell with the fewest candidates, or -1 when the grid is full.
    bool Propagate(int& bestCell) {
        for (;;) {
            bool progress = false;
            bestCell = -1;
            int bestCount = kMaxN + 1;
            for (int cell = 0; cell < g_.cells; ++cell) {
                if (value_[cell]) continue;
                const uint32_t cand = Candidates(cell);
                const int count = std::popcount(cand);
                if (count == 0) return false;
                if (count == 1) {
                    Set(cell, cand);
                    progress = true;
                } else if (count < bestCount) {
                    bestCount = count;
                    bestCell = cell;
                }
            }
            if (progress) continue;
            if (bestCell < 0) return true;
            for (int unit = 0; unit < 3 * g_.n; ++unit) {
                const uint32_t used = UsedIn(unit);
                if (used == full_) continue;
                uint32_t once = 0, twice = 0;
                for (int m = 0; m < g_.n; ++m) {
                    const int cell = g_.units[unit][m];
                    if (value_[cell]) continue;
                    const uint32_t cand = Candidates(cell);
                    twice |= once & cand;
                    once |= cand;
                }
                if ((once | used) != full_) return false; // a symbol has no place left
                uint32_t hidden = once & ~twice & ~used;
                while (hidden) {
                    const uint32_t bit = hidden & (~hidden + 1);
                    hidden &= hidden - 1;
                    for (int m = 0; m < g_.n; ++m) {
                        const int cell = g_.units[unit][m];
                        if (!value_[cell] && (Candidates(cell) & bit)) {
                            Set(cell, bit);
                            break;
                        }
                    }
                    progress = true;
                }
                if (progress) break;
            }
            if (!progress) return true;
        }
    }

    void Search() {
        const int mark = trailSize_;
        int cell = -1;
        if (!Propagate(cell)) {
            UndoTo(mark);
            return;
        }
        if (cell < 0) {
            ++found_;
            UndoTo(mark);
            return;
        }
        uint32_t cand = Candidates(cell);
        while (cand && found_ < limit_) {
            const uint32_t bit = cand & (~cand + 1);
            cand &= cand - 1;
            const int inner = trailSize_;
            Set(cell, bit);
            Search();
            UndoTo(inner);
        }
        UndoTo(mark);
    }
};

} // namespace

int CountSolutions(std::string_view grid, int blockSize, int limit) {
    if (blockSize != 3 && blockSize != 4) return 0;
    const Geometry& g = GeometryFor(blockSize);
    if (static_cast<int>(grid.size()) != g.cells || limit < 1) return 0;
    Counter counter(g, limit);
    for (int cell = 0; cell < g.cells; ++cell) {
        if (grid[cell] == '0') continue;
        const int value = SymbolValue(grid[cell]);
        if (value < 1 || value > g.n || !counter.Place(cell, value)) return 0;
    }
    return counter.Run();
}

} // namespace sv
