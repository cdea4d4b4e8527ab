#include "LiteralSolver.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace svtest {

LiteralSolver::LiteralSolver(int blockSize) : B(blockSize), N(blockSize * blockSize) {
    count = N * N;
    symbols = std::string("123456789ABCDEFG").substr(0, N);
    cand.assign(count + 1, "");
    values.assign(count + 1, "");
    pending.assign(count + 1, 0);
}

void LiteralSolver::ResetGrid() {
    for (int i = 1; i <= count; ++i) {
        values[i] = "";
        cand[i] = symbols;
    }
    lastNoted = 0;
    trail.clear();
    score = 0;
    hintMode = false;
}

void LiteralSolver::SetCell(int index, const std::string& symbol) {
    values[index] = symbol;
}

int LiteralSolver::Pos(char c) const {
    auto p = symbols.find(c);
    return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

std::vector<int> LiteralSolver::Row(int r) const {
    std::vector<int> v;
    for (int c = 0; c < N; ++c) v.push_back(r * N + c + 1);
    return v;
}
std::vector<int> LiteralSolver::Column(int c) const {
    std::vector<int> v;
    for (int r = 0; r < N; ++r) v.push_back(r * N + c + 1);
    return v;
}
std::vector<int> LiteralSolver::Block(int b) const {
    std::vector<int> v;
    for (int t = 0; t < B; ++t)
        for (int u = 0; u < B; ++u) v.push_back(((b / B) * B + t) * N + (b % B) * B + u + 1);
    return v;
}

bool LiteralSolver::IsSolved() {
    for (int i = 1; i <= count; ++i)
        if (cand[i].size() != 1) return false;
    bool rowsHold = true;
    for (int r = 0; r < N && rowsHold; ++r) {
        std::string seen;
        for (int c : Row(r)) seen += cand[c];
        for (char x : symbols)
            if (seen.find(x) == std::string::npos) rowsHold = false;
    }
    for (int u = 0; u < N; ++u)
        for (const auto& unit : {Row(u), Column(u), Block(u)}) {
            std::string seen;
            for (int c : unit) seen += cand[c];
            for (char s : symbols)
                if (seen.find(s) == std::string::npos) {
                    if (rowsHold) ++rowsOnlyGridsSeen;
                    return false;
                }
        }
    return true;
}

void LiteralSolver::NoteMethod() {
    if (currentMethod == 99) return;
    const char c = symbols[currentMethod - 1];
    if (trail.empty() || trail.back() != c) trail += c;
}

void LiteralSolver::NoteStep() {
    if (lastNoted != currentMethod) {
        lastNoted = currentMethod;
        NoteMethod();
    }
}

void LiteralSolver::Record(int kind, const std::string& tag, int cell, const std::string& symbol) {
    static const int pointsEmpty[9] = {0, 0, 30, 0, 100, 80, 50, 0, 200};
    static const int pointsTagged[9] = {0, 1, 30, 100, 200, 80, 50, 50, 200};
    score += tag.empty() ? pointsEmpty[kind] : pointsTagged[kind];
    if (!hintMode || suspended || cell < 1 || !values[cell].empty()) return;
    const std::string current = cand[cell];
    std::string sym;
    int form = 0; // 1: form A, 7 and 8: English sentences
    if (kind == 1 && !tag.empty()) sym = current, form = 1;
    if (kind == 2 && !tag.empty()) sym = symbol, form = 1;
    if (kind == 3 && tag.empty()) sym = current, form = 1;
    if (kind == 4 && tag.empty() && current.size() == 1) sym = current, form = 1;
    if (kind == 7 && tag.empty() && current.size() == 1) sym = current, form = 7;
    if (kind == 8) sym = symbol, form = 8;
    if (form == 0) return;
    hintRow = (cell - 1) / N + 1;
    hintCol = cell - (hintRow - 1) * N;
    hintSymbol = sym;
    const std::string r = std::to_string(hintRow), c = std::to_string(hintCol);
    if (form == 1)
        hintText = "Ligne " + r + " Colonne " + c + " devrait être " + sym;
    else if (form == 7)
        hintText =
            "By ruling out possibilities, row " + r + " column " + c + " could only be " + sym;
    else
        hintText = "By making certain assumptions in a field it seems that row " + r + " column " +
                   c + " could only be " + sym;
    hintFound = true;
}

void LiteralSolver::RemoveCandidate(int target, int source) {
    std::string& t = cand[target];
    if (t.empty()) return;
    const auto p = t.find(cand[source]);
    if (p == std::string::npos) return;
    t.erase(p, 1);
    if (t.size() == 1) pending[++pending[0]] = target;
}

void LiteralSolver::PlaceValue(int cell) {
    if (lastNoted != 99) {
        lastNoted = 99;
        NoteMethod();
    }
    const int row = (cell - 1) / N, column = cell - 1 - row * N;
    const int block = (row / B) * B + column / B;
    Record(1, "", cell, "");
    if (hintFound) return;
    const std::pair<std::vector<int>, std::string> sweeps[3] = {
        {Block(block), "B"}, {Row(row), "R"}, {Column(column), "C"}};
    for (const auto& [cells, tag] : sweeps)
        for (int t : cells)
            if (cand[t].size() > 1) {
                RemoveCandidate(t, cell);
                if (cand[t].size() == 1) {
                    Record(1, tag, t, "");
                    if (hintFound) return;
                }
            }
    while (pending[0] > 0) {
        const int t = pending[pending[0]];
        pending[0] -= 1;
        PlaceValue(t);
    }
}

void LiteralSolver::SeedGivens() {
    currentMethod = 1;
    for (int i = 1; i <= count; ++i)
        if (values[i].size() == 1 && cand[i].size() > 1) {
            cand[i] = values[i];
            PlaceValue(i);
        }
}

bool LiteralSolver::HiddenSinglesUnit(const std::vector<int>& cells, const std::string& tag,
                                      bool& result) {
    for (;;) {
        std::vector<int> cnt(N + 1, 0), last(N + 1, 0);
        for (int c : cells)
            if (cand[c].size() != 1)
                for (char ch : cand[c]) cnt[Pos(ch)]++, last[Pos(ch)] = c;
        bool found = false;
        for (int s = 1; s <= N; ++s)
            if (cnt[s] == 1) {
                NoteStep();
                const std::string sym(1, symbols[s - 1]);
                Record(2, tag, last[s], sym);
                result = true;
                if (hintFound) return true;
                cand[last[s]] = sym;
                PlaceValue(last[s]);
                found = true;
            }
        if (!found) return false;
    }
}

bool LiteralSolver::HiddenSingles() {
    currentMethod = 2;
    bool result = false;
    for (int u = 0; u < N; ++u)
        if (HiddenSinglesUnit(Block(u), "B", result)) return true;
    for (int u = 0; u < N; ++u)
        if (HiddenSinglesUnit(Row(u), "R", result)) return true;
    for (int u = 0; u < N; ++u)
        if (HiddenSinglesUnit(Column(u), "C", result)) return true;
    return result;
}

bool LiteralSolver::LinesToBlocks() {
    currentMethod = 3;
    bool result = false;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < N; ++i) {
            const auto line = pass == 0 ? Row(i) : Column(i);
            std::vector<std::vector<int>> rec(N + 1);
            for (int k = 0; k < N; ++k)
                if (cand[line[k]].size() > 1)
                    for (char ch : cand[line[k]]) {
                        auto& r = rec[Pos(ch)];
                        if (std::find(r.begin(), r.end(), k / B) == r.end()) r.push_back(k / B);
                    }
            for (int s = 1; s <= N; ++s) {
                if (rec[s].size() != 1) continue;
                const int g = rec[s][0];
                const int block = pass == 0 ? (i / B) * B + g : g * B + i / B;
                const char d = symbols[s - 1];
                bool announced = false;
                const auto bc = Block(block);
                for (int c : bc) {
                    const int r = (c - 1) / N, col = (c - 1) % N;
                    if ((pass == 0 ? r : col) == i) continue;
                    const auto p = cand[c].find(d);
                    if (p == std::string::npos) continue;
                    NoteStep();
                    if (!announced) {
                        Record(3, pass == 0 ? "R" : "C", bc[0], "");
                        result = true;
                        announced = true;
                    }
                    cand[c].erase(p, 1);
                    if (cand[c].size() == 1) {
                        Record(3, "", c, "");
                        if (hintFound) return true;
                        PlaceValue(c);
                    }
                }
            }
        }
    return result;
}

bool LiteralSolver::BlocksToLines() {
    currentMethod = 4;
    bool result = false;
    for (int i = 0; i < N; ++i) {
        std::vector<std::vector<int>> rows(N + 1), cols(N + 1);
        for (int e : Block(i)) {
            if (cand[e].size() < 2) continue;
            const int r = (e - 1) / N, c = e - 1 - r * N;
            for (char ch : cand[e]) {
                auto& rr = rows[Pos(ch)];
                if (std::find(rr.begin(), rr.end(), r) == rr.end()) rr.push_back(r);
                auto& cc = cols[Pos(ch)];
                if (std::find(cc.begin(), cc.end(), c) == cc.end()) cc.push_back(c);
            }
        }
        for (int pass = 0; pass < 2; ++pass)
            for (int s = 1; s <= N; ++s) {
                const auto& rec = pass == 0 ? rows[s] : cols[s];
                if (rec.size() != 1) continue;
                const char b = symbols[s - 1];
                bool announced = false;
                for (int l = 0; l < N; ++l) {
                    if (l / B == (pass == 0 ? i % B : i / B)) continue;
                    const int cell = pass == 0 ? rec[0] * N + l + 1 : l * N + rec[0] + 1;
                    if (cand[cell].size() <= 1) continue;
                    const auto p = cand[cell].find(b);
                    if (p == std::string::npos) continue;
                    NoteStep();
                    if (!announced) {
                        Record(4, pass == 0 ? "R" : "C", Block(i)[0], "");
                        result = true;
                        announced = true;
                    }
                    cand[cell].erase(p, 1);
                    Record(4, "", cell, "");
                    if (cand[cell].size() == 1) {
                        if (hintFound) return true;
                        PlaceValue(cell);
                    }
                }
            }
    }
    return result;
}

void LiteralSolver::HiddenSubsetsUnit(const std::vector<int>& cells, bool& result) {
    std::vector<std::array<int, 5>> cnt(N + 1, std::array<int, 5>{});
    for (int c : cells)
        for (char ch : cand[c]) {
            auto& e = cnt[Pos(ch)];
            e[0] += 1;
            if (e[0] <= 4) e[e[0]] = c;
        }
    for (int n = 2; n <= 4; ++n) {
        std::vector<std::vector<int>> groups;
        for (int s = 1; s <= N; ++s) {
            if (cnt[s][0] != n) continue;
            bool joined = false;
            for (auto& g : groups)
                if (cnt[g[0]][1] == cnt[s][1]) {
                    g.push_back(s);
                    joined = true;
                    break;
                }
            if (!joined) groups.push_back({s});
        }
        for (const auto& g : groups) {
            if (static_cast<int>(g.size()) != n) continue;
            const int f = g[0];
            bool skip = false;
            for (size_t x = 1; x < g.size() && !skip; ++x)
                for (int p = 1; p <= n; ++p)
                    if (cnt[g[x]][p] != cnt[f][p]) {
                        skip = true;
                        break;
                    }
            std::string subset;
            for (int s : g) subset += symbols[s - 1];
            bool applied = true;
            for (int p = 1; p <= n; ++p)
                if (cand[cnt[f][p]] != subset) applied = false;
            if (applied) skip = true;
            if (skip) continue;
            Record(5, "", 1, "");
            result = true;
            for (int p = 1; p <= n; ++p) cand[cnt[f][p]] = subset;
            NoteStep();
        }
    }
}

bool LiteralSolver::HiddenSubsets() {
    currentMethod = 5;
    bool result = false;
    for (int u = 0; u < N; ++u) HiddenSubsetsUnit(Column(u), result);
    for (int u = 0; u < N; ++u) HiddenSubsetsUnit(Row(u), result);
    for (int u = 0; u < N; ++u) HiddenSubsetsUnit(Block(u), result);
    return result;
}

bool LiteralSolver::Square(int a, bool& result) {
    NoteStep();
    Record(6, "", a, "");
    cand[a] = cand[a].substr(0, 1);
    result = true;
    if (hintFound) return true;
    PlaceValue(a);
    return false;
}

bool LiteralSolver::Squares() {
    currentMethod = 6;
    bool result = false;
    for (int i = 0; i < N; ++i) {
        if ((i + 1) % B == 0) continue;
        for (int j = 0; j <= N - 2; ++j) {
            const int a = i * N + j + 1;
            if (cand[a].size() != 2) continue;
            for (int k = 1; k <= N - 1 - j; ++k)
                if (cand[a + k] == cand[a])
                    for (int l = 1; l <= B - ((i + 1) % B); ++l) {
                        const int c = a + l * N, d = c + k;
                        if (cand[c] == cand[a] && cand[d] == cand[a] && Square(a, result))
                            return true;
                    }
        }
    }
    for (int q = 1; q <= N; ++q) {
        if (q % B == 0) continue;
        for (int k = 0; k <= N - 2; ++k) {
            const int a = k * N + q;
            if (cand[a].size() != 2) continue;
            for (int l = 1; l <= N - 1 - k; ++l)
                if (cand[a + l * N] == cand[a])
                    for (int m = 1; m <= B - (q % B); ++m) {
                        const int b = a + m;
                        if (cand[b] == cand[a] && cand[b + l * N] == cand[a] && Square(a, result))
                            return true;
                    }
        }
    }
    return result;
}

bool LiteralSolver::NakedPairsUnit(const std::vector<int>& u, const std::string& tag,
                                   bool& result) {
    for (int d = 0; d <= N - 2; ++d) {
        if (cand[u[d]].size() != 2) continue;
        const std::string pair = cand[u[d]];
        for (int e = d + 1; e < N; ++e) {
            if (cand[u[e]] != pair) continue;
            bool announced = false;
            for (int m = 0; m < N; ++m) {
                if (m == d || m == e) continue;
                for (char f : pair) {
                    const auto p = cand[u[m]].find(f);
                    if (p == std::string::npos) continue;
                    NoteStep();
                    if (!announced) {
                        Record(7, tag, 0, "");
                        announced = true;
                    }
                    cand[u[m]].erase(p, 1);
                    result = true;
                    Record(7, "", u[m], "");
                    if (cand[u[m]].size() == 1) {
                        if (hintFound) return true;
                        PlaceValue(u[m]);
                    }
                }
            }
        }
    }
    return false;
}

bool LiteralSolver::NakedPairs() {
    currentMethod = 7;
    bool result = false;
    for (int r = 0; r < N; ++r)
        if (NakedPairsUnit(Row(r), "R", result)) return true;
    for (int r = 0; r < N; ++r)
        if (NakedPairsUnit(Column(r), "C", result)) return true;
    for (int r = 0; r < N; ++r)
        if (NakedPairsUnit(Block(r), "B", result)) return true;
    return result;
}

bool LiteralSolver::Forcing() {
    const std::vector<std::string> base = cand;
    std::vector<std::vector<std::string>> trial(N);
    const long kept = score;
    suspended = true;
    int m = 1;
    for (;;) {
        int j = 1, n = 0;
        for (;;) {
            while (cand[m].size() < 2) {
                m += 1;
                if (m > count) {
                    score = kept;
                    suspended = false;
                    return false;
                }
            }
            n = static_cast<int>(cand[m].size());
            cand[m] = cand[m].substr(j - 1, 1);
            PlaceValue(m);
            if (j == n) {
                m += 1;
                break;
            }
            trial[j] = cand;
            cand = base;
            score = kept;
            j += 1;
        }
        std::string forced;
        int K = 0;
        hintFound = false;
        for (int k = 1; k <= count; ++k) {
            if (base[k].size() <= 1) continue;
            bool q = true;
            for (int t = 1; t <= n - 1; ++t)
                if (!(trial[t][k].size() <= 1 && trial[t][k] == cand[k])) q = false;
            if (q) {
                forced = cand[k];
                K = k;
                break;
            }
        }
        cand = base;
        score = kept;
        if (forced.empty()) {
            if (m > count) {
                suspended = false;
                return false;
            }
            continue;
        }
        suspended = false;
        currentMethod = 8;
        NoteStep();
        Record(8, "", K, forced);
        if (!hintFound) {
            cand[K] = forced;
            PlaceValue(K);
        }
        return true;
    }
}

bool LiteralSolver::Solve() {
    pending[0] = 0;
    SeedGivens();
    bool solved = false, taken = false;
    int p = 1, k = 0;
    for (;;) {
        if (hintMode && hintFound) return false;
        if (IsSolved()) {
            solved = true;
            break;
        }
        if (HiddenSingles() || LinesToBlocks() || BlocksToLines() || HiddenSubsets() || Squares() ||
            NakedPairs() || Forcing())
            continue;
        if (!allowGuessing || p == count + 1) break;
        currentMethod = 99;
        if (!taken) {
            savedCand = cand;
            savedScore = score;
            k = 0;
        } else {
            cand = savedCand;
            score = savedScore;
        }
        taken = true;
        while (p <= count) {
            const int n = static_cast<int>(cand[p].size());
            if (n > 1) {
                cand[p] = cand[p].substr(k, 1);
                k += 1;
                const int g = p;
                if (k == n) p += 1, k = 0;
                PlaceValue(g);
                break;
            }
            p += 1;
        }
    }
    currentMethod = 0;
    finalGuessCell = p;
    if (p == count + 1 && !solved) {
        cand = savedCand;
        score = savedScore;
    }
    return solved;
}

std::string LiteralSolver::GetHint() {
    const bool allow = allowGuessing;
    hintMode = true;
    hintFound = false;
    allowGuessing = false;
    hintText.clear();
    Solve();
    std::string result;
    if (hintFound) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%03d", (hintRow - 1) * N + hintCol);
        result = buf + hintSymbol;
    } else {
        hintText.clear();
    }
    allowGuessing = allow;
    hintMode = false;
    hintFound = false;
    return result;
}

} // namespace svtest
