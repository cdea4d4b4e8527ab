#include "GameFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include "controls/isButton.h"
#include "creator/SeedSolutions.h"
#include "settings/Scores.h"
#include "solver/Sudoku.h"

namespace sv::test {

namespace {

std::string ReadLine(const QString& file, int line) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) qFatal("missing test data %s", qPrintable(file));
    const QList<QByteArray> lines = f.readAll().split('\n');
    return lines.value(line).trimmed().toStdString();
}

std::string Encode(const std::string& grid, const std::string& symbols) {
    std::string out;
    for (char c : grid) out += c == '0' ? 'x' : static_cast<char>(71 + symbols.find(c) + 1);
    return out;
}

const char* const kLevelKeys[] = {"Easy", "Mild",   "Moderate", "Difficult",
                                  "Hard", "Harder", "Hardest"};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

std::string BookPuzzle9(int level) {
    const QString data = QStringLiteral(SV_TEST_DATA);
    switch (level) {
    case 0:
    case 1:
    case 2:
    case 3:
        return ReadLine(data + "/sudoku9_easy50.txt", level);
    // Needs guessing: unsolved by the techniques alone.
    case 4:
        return ReadLine(data + "/sudoku9_hardest11.txt", 1);
    // Beyond single guesses: unsolved even with guessing allowed.
    case 5:
        return ReadLine(data + "/sudoku9_hardest11.txt", 5);
    default:
        return "";
    }
}

std::string BookPuzzle16() {
    // A seed solution with every fourth cell of each row emptied, in a shifting pattern.
    std::string g(kSeedSolutions16[0]);
    for (size_t i = 0; i < g.size(); ++i)
        if ((i + i / 16) % 4 == 0) g[i] = '0';
    return g;
}

void ScriptedMenus::Popup(QMenu& menu, const QPoint&) {
    shown.push_back(&menu);
    if (choices.empty()) return;
    const QString choice = choices.front();
    choices.pop_front();
    for (QAction* a : menu.actions())
        if (!choice.isEmpty() && a->isVisible() && a->text() == choice) {
            a->trigger();
            return;
        }
}

GameFixture::GameFixture()
    : programDir(dir.path() + "/program"),
      store(dir.path() + "/settings.ini"), services{dialogs,    store,
                                                    random,     clock,
                                                    lock,       menus,
                                                    programDir, [this] { return login; }} {
    QDir().mkpath(programDir);
    // Per-user data (score fallback, book copy) stays inside the temporary folder too.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path() + "/userdata"));
    QFile::copy(QStringLiteral(SV_SHIPPED_DATA) + "/default.lng", programDir + "/default.lng");
    if (!QFile::exists(programDir + "/default.lng")) WriteFile(programDir + "/default.lng", "");

    QByteArray book;
    for (int level = 0; level < 7; ++level) {
        book += QByteArray("[3") + kLevelKeys[level] + "]\r\n";
        if (const std::string p = BookPuzzle9(level); !p.empty())
            book += "1=" + QByteArray::fromStdString(Encode(p, "123456789")) + "\r\n";
    }
    for (int level = 0; level < 7; ++level)
        book += QByteArray("[4") + kLevelKeys[level] +
                "]\r\n1=" + QByteArray::fromStdString(Encode(BookPuzzle16(), "123456789ABCDEFG")) +
                "\r\n";
    WriteFile(programDir + "/Sudoku.par", book);
}

frmSOLVER& GameFixture::Start(bool show) {
    window = std::make_unique<frmSOLVER>(services);
    if (show && !window->Refused() && window->StartupError().isEmpty()) {
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
    }
    return *window;
}

std::string GameFixture::Solution() const {
    HeadlessSeam seam;
    Sudoku model(&seam);
    const Board& board = window->board();
    model.BlockSize = board.BlockSize();
    model.SetupGeometry();
    model.AllowGuessing = true;
    model.ResetGrid();
    for (int k = 1; k <= board.CellCount(); ++k)
        if (board.IsLocked(k) && !board.Text(k).empty()) model.SetCell(k, board.Text(k));
    if (!model.Solve(false)) qFatal("the test puzzle has no solution");
    std::string s;
    for (int k = 1; k <= board.CellCount(); ++k) s += model.CandidateStrings(k);
    return s;
}

void GameFixture::Type(int index, char key) {
    QTest::keyClick(window->Cell(index), key);
}

std::vector<int> GameFixture::EmptyCells() const {
    std::vector<int> out;
    for (int k = 1; k <= window->board().CellCount(); ++k)
        if (window->board().Text(k).empty()) out.push_back(k);
    return out;
}

QStringList GameFixture::ScoreLines(int level) const {
    QFile f(ScoreFilePath(ScoreFolder(programDir), level));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLocal8Bit(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace sv::test
