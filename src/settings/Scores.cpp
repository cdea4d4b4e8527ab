#include "settings/Scores.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include "settings/UiText.h"

namespace sv {

namespace {

bool UsableFolder(const QString& path) {
    return QDir().mkpath(path) && QFileInfo(path).isWritable();
}

// Score files written by older copies of the program may be in an 8-bit code page; a file that
// is not valid UTF-8 is read as Latin-1 rather than shown with replacement marks.
QString DecodeScoreFile(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) return QString::fromLatin1(bytes);
    return text;
}

bool AsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Length of the "m...m:ss" time at the start of the line, 0 when there is none.
qsizetype TimeLength(const QString& line) {
    qsizetype i = 0;
    while (i < line.size() && AsciiDigit(line[i])) ++i;
    if (i == 0 || i + 3 > line.size() || line[i] != u':') return 0;
    if (!AsciiDigit(line[i + 1]) || !AsciiDigit(line[i + 2])) return 0;
    return i + 3;
}

} // namespace

QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + '/' +
           kProgramTitle;
}

QString ScoreFolder(const QString& programDir) {
    const QString beside = QDir(programDir).filePath("score");
    if (UsableFolder(beside)) return beside;
    const QString perUser = UserDataFolder() + "/score";
    QDir().mkpath(perUser);
    return perUser;
}

QString ScoreFilePath(const QString& folder, int level) {
    return QDir(folder).filePath(QStringLiteral("score_%1.txt").arg(level));
}

bool SaveScore(const QString& folder, int level, const QString& timeText,
               const QString& playerName) {
    QDir().mkpath(folder);
    QFile file(ScoreFilePath(folder, level));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    const QByteArray line = (timeText + '#' + playerName.trimmed() + "\r\n").toUtf8();
    return file.write(line) == line.size();
}

int ScoreLineSeconds(const QString& line) {
    const qsizetype n = TimeLength(line);
    if (n == 0) return -1;
    bool ok = false;
    const int minutes = line.left(n - 3).toInt(&ok);
    if (!ok) return -1;
    const int seconds = line.mid(n - 2, 2).toInt();
    return minutes * 60 + seconds;
}

QStringList SortScoreLines(QStringList lines) {
    lines.removeIf([](const QString& l) { return l.trimmed().isEmpty(); });
    struct Keyed {
        int seconds;
        QString rest;
        QString line;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(lines.size());
    for (const QString& l : lines) {
        const int s = ScoreLineSeconds(l);
        keyed.push_back({s, s < 0 ? l : l.mid(TimeLength(l)), l});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        const bool aTimed = a.seconds >= 0, bTimed = b.seconds >= 0;
        if (aTimed != bTimed) return aTimed; // lines without a time go last
        if (a.seconds != b.seconds) return a.seconds < b.seconds;
        return a.rest.compare(b.rest, Qt::CaseInsensitive) < 0;
    });
    QStringList out;
    out.reserve(lines.size());
    for (const Keyed& k : keyed) out << k.line;
    return out;
}

QString LireScore(const QString& folder, int level) {
    QFile file(ScoreFilePath(folder, level));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    QStringList lines = DecodeScoreFile(file.readAll()).split('\n');
    for (QString& l : lines)
        if (l.endsWith('\r')) l.chop(1);
    QString text;
    int rank = 0;
    for (QString line : SortScoreLines(lines)) {
        ++rank;
        line.replace('#', QStringLiteral("       "));
        text += QString::number(rank) + (rank < 10 ? ")  " : ") ") + line + "\r\n";
    }
    return text;
}

} // namespace sv
