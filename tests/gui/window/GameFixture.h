#pragma once
// A main window started over test doubles: a settings store and a program folder (language
// file, small puzzle book) in a temporary folder, scripted boxes and menus, a clock moved by
// hand, a seeded random source and a lock that says whether another copy runs.
#include <deque>
#include <memory>
#include <QMenu>
#include <QPoint>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "../support/ScriptedDialogs.h"
#include "creator/Random.h"
#include "settings/SettingsStore.h"
#include "window/frmSOLVER.h"
#include "window/GameClock.h"
#include "window/PopupMenus.h"
#include "window/Services.h"
#include "window/SingleInstance.h"

namespace sv::test {

class ManualClock : public Clock {
public:
    qint64 now = 1'000'000;
    qint64 NowMs() override { return now; }
    void AdvanceSeconds(int s) { now += 1000LL * s; }
};

class FakeInstanceLock : public InstanceLock {
public:
    bool otherCopyRuns = false;
    bool TryAcquire() override { return !otherCopyRuns; }
};

// Picks menu entries by caption, front first; an empty caption (or an empty queue) dismisses
// the menu. Records every menu popped up.
class ScriptedMenus : public PopupMenus {
public:
    std::deque<QString> choices;
    std::vector<const QMenu*> shown;
    void Popup(QMenu& menu, const QPoint&) override;
};

// Book puzzles (GridStrings) per level, as the fixture writes them.
std::string BookPuzzle9(int level); // "" for the level left without puzzles (6)
std::string BookPuzzle16();         // every 16x16 level

class GameFixture {
public:
    GameFixture();

    // Runs start-up; the window is then shown (offscreen) as the player would see it.
    frmSOLVER& Start(bool show = true);

    QTemporaryDir dir;
    QString programDir;
    SettingsStore store;
    ScriptedDialogs dialogs;
    SeededRandom random{1};
    ManualClock clock;
    FakeInstanceLock lock;
    ScriptedMenus menus;
    QString login = QStringLiteral("tester");
    Services services;
    std::unique_ptr<frmSOLVER> window;

    // The solution of the board's current puzzle (the givens now on the board), from an
    // independent solver model.
    std::string Solution() const;
    // Types `key` into cell `index` as the keyboard would.
    void Type(int index, char key);
    // Empty cells of the board, in order.
    std::vector<int> EmptyCells() const;
    // The score file lines of `level` ("" when absent).
    QStringList ScoreLines(int level) const;
};

} // namespace sv::test
