// The board's rules without widgets: candidates, key maps, moves, places; and the clock text.
#include <QTest>

#include "window/Board.h"
#include "window/GameClock.h"

using namespace sv;

namespace {
// Fills `board` from a GridString ("0" empty) with every symbol red.
void Fill(Board& board, const std::string& grid) {
    for (int k = 1; k <= board.CellCount(); ++k)
        board.SetText(k, grid[k - 1] == '0' ? std::string() : std::string(1, grid[k - 1]));
}
} // namespace

class BoardTest : public QObject {
    Q_OBJECT
private slots:
    void acceptedKeys_data();
    void acceptedKeys();
    void moves_data();
    void moves();
    void candidates_data();
    void candidates();
    void places_data();
    void places();
    void clockText_data();
    void clockText();
};

void BoardTest::acceptedKeys_data() {
    QTest::addColumn<int>("blockSize");
    QTest::addColumn<char>("typed");
    QTest::addColumn<char>("stored"); // 0: ignored
    QTest::newRow("9x9 digit") << 3 << '5' << '5';
    QTest::newRow("9x9 nine") << 3 << '9' << '9';
    QTest::newRow("9x9 zero") << 3 << '0' << '\0';
    QTest::newRow("9x9 letter") << 3 << 'A' << '\0';
    QTest::newRow("9x9 colon") << 3 << ':' << '\0';
    QTest::newRow("16x16 digit") << 4 << '1' << '1';
    QTest::newRow("16x16 capital") << 4 << 'G' << 'G';
    QTest::newRow("16x16 small letter") << 4 << 'a' << 'A';
    QTest::newRow("16x16 small g") << 4 << 'g' << 'G';
    QTest::newRow("16x16 colon (refused later)") << 4 << ':' << ':';
    QTest::newRow("16x16 at sign (refused later)") << 4 << '@' << '@';
    QTest::newRow("16x16 H") << 4 << 'H' << '\0';
    QTest::newRow("16x16 h") << 4 << 'h' << '\0';
    QTest::newRow("16x16 zero") << 4 << '0' << '\0';
}

void BoardTest::acceptedKeys() {
    QFETCH(int, blockSize);
    QFETCH(char, typed);
    QFETCH(char, stored);
    QCOMPARE(Board(blockSize).AcceptedKey(typed), stored);
}

void BoardTest::moves_data() {
    QTest::addColumn<int>("blockSize");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    const int L = int(BoardKey::Left), U = int(BoardKey::Up), R = int(BoardKey::Right),
              D = int(BoardKey::Down), X = int(BoardKey::Delete);
    QTest::newRow("left") << 3 << 5 << L << 4;
    QTest::newRow("left from cell 1 stays") << 3 << 1 << L << 1;
    QTest::newRow("left wraps to row above") << 3 << 10 << L << 9;
    QTest::newRow("right wraps to next row") << 3 << 9 << R << 10;
    QTest::newRow("right from last cell stays") << 3 << 81 << R << 81;
    QTest::newRow("up from first row stays") << 3 << 5 << U << 5;
    QTest::newRow("up") << 3 << 14 << U << 5;
    QTest::newRow("down from last row stays") << 3 << 75 << D << 75;
    QTest::newRow("down to the last cell") << 3 << 72 << D << 81;
    QTest::newRow("delete keeps the selection") << 3 << 40 << X << 40;
    QTest::newRow("16x16 down") << 4 << 240 << D << 256;
    QTest::newRow("16x16 up from row 2") << 4 << 17 << U << 1;
    QTest::newRow("16x16 right from last cell stays") << 4 << 256 << R << 256;
}

void BoardTest::moves() {
    QFETCH(int, blockSize);
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    QCOMPARE(Board(blockSize).MoveSelection(from, BoardKey(key)), to);
}

void BoardTest::candidates_data() {
    QTest::addColumn<int>("blockSize");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("expected");
    const QString puzzle =
        "003020600900305001001806400008102900700000008006708200002609500800203009005010300";
    QTest::newRow("row, column and block") << 3 << puzzle << 1 << "45";
    QTest::newRow("own symbol not removed") << 3 << puzzle << 3 << "347";
    QTest::newRow("empty board") << 3 << QString(81, '0') << 41 << "123456789";
    QString full = QString(81, '0');
    const QString row = "123456780";
    full.replace(0, 9, row);
    full[17] = '9'; // column 9, row 2: same block and column as cell 9
    QTest::newRow("nothing left") << 3 << full << 9 << "";
    QString sixteen(256, '0');
    sixteen[1] = 'G';  // same row
    sixteen[16] = 'A'; // same column
    sixteen[17] = 'A'; // same block, shown twice: removed once
    QTest::newRow("16x16") << 4 << sixteen << 1 << "123456789BCDEF";
}

void BoardTest::candidates() {
    QFETCH(int, blockSize);
    QFETCH(QString, grid);
    QFETCH(int, cell);
    QFETCH(QString, expected);
    Board board(blockSize);
    Fill(board, grid.toStdString());
    QCOMPARE(QString::fromStdString(board.CellCandidates(cell)), expected);
}

void BoardTest::places_data() {
    QTest::addColumn<int>("blockSize");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QRect>("place");
    QTest::newRow("9x9 first") << 3 << 1 << QRect(185, 120, 40, 40);
    QTest::newRow("9x9 after a block gap") << 3 << 4 << QRect(185 + 3 * 40 + 10, 120, 40, 40);
    QTest::newRow("9x9 last") << 3 << 81 << QRect(525, 460, 40, 40);
    QTest::newRow("16x16 first") << 4 << 1 << QRect(165, 120, 24, 24);
    QTest::newRow("16x16 row 5 column 5")
        << 4 << 4 * 16 + 5 << QRect(165 + 4 * 24 + 10, 120 + 4 * 24 + 10, 24, 24);
}

void BoardTest::places() {
    QFETCH(int, blockSize);
    QFETCH(int, cell);
    QFETCH(QRect, place);
    const CellPlace p = Board(blockSize).Place(cell);
    QCOMPARE(QRect(p.left, p.top, p.size, p.size), place);
}

void BoardTest::clockText_data() {
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "00:00";
    QTest::newRow("under a second") << qint64(999) << "00:00";
    QTest::newRow("2 min 7 s") << qint64(127'000) << "02:07";
    QTest::newRow("59:59") << qint64(3599'000) << "59:59";
    QTest::newRow("past the hour, no wrap") << qint64(3930'000) << "65:30";
    QTest::newRow("100 minutes") << qint64(6000'000) << "100:00";
}

void BoardTest::clockText() {
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(ClockText(ms), text);
}

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
