#pragma once
// Score files: one per level, "score_<level>.txt" in a "score" folder, appended lines of
// "mm:ss#name" (minutes go on past 59: "65:30#Nord"). The scores window lists them fastest first.
#include <QString>
#include <QStringList>

namespace sv {

// The folder "score" inside `programDir` when it can be written there; otherwise
// "<user data dir>/Sudoku Voltane/score" ($XDG_DATA_HOME, else ~/.local/share), the same place
// as the player's own copy of the puzzle book, so a read-only install never loses scores.
// The folder is created when possible.
QString ScoreFolder(const QString& programDir);
// The per-user data folder used above ("<data home>/Sudoku Voltane").
QString UserDataFolder();

// "<folder>/score_<level>.txt".
QString ScoreFilePath(const QString& folder, int level);

// Appends "<timeText>#<trimmed playerName>" and CR LF to the level's file, creating the folder
// and the file when needed. Failures are silent (a lost score must not stop the game); the
// result says whether the line was written, for tests.
bool SaveScore(const QString& folder, int level, const QString& timeText,
               const QString& playerName);

// Seconds of the time at the start of a score line ("65:30#..." -> 3930); -1 when the line does
// not start with minutes ':' two-digit seconds.
int ScoreLineSeconds(const QString& line);

// The lines in display order: by time value, then by the rest of the line without regard to
// case; lines without a time go last. Blank lines are dropped.
QStringList SortScoreLines(QStringList lines);

// The text of the scores window for one level: for each line in order,
// "<rank>)" + two spaces (ranks 1-9) or one (from 10) + the line with every "#" turned into
// seven spaces + CR LF. Empty when the file is missing.
QString LireScore(const QString& folder, int level);

} // namespace sv
