// The game clock, the player's name and the end of a game.
#include <QLineEdit>
#include <QTimer>

#include "controls/isButton.h"
#include "controls/Panel3D.h"
#include "settings/FrmScore.h"
#include "settings/Scores.h"
#include "settings/SettingsStore.h"
#include "settings/UiTextQt.h"
#include "shell/Dialogs.h"
#include "window/frmSOLVER.h"
#include "window/GameClock.h"

namespace sv {

void frmSOLVER::Timer2_Timer() {
    lTemps_->SetCaption(ClockText(services_.clock.NowMs() - gameStartMs_));
}

void frmSOLVER::StopClock() {
    Timer2_->stop();
}

void frmSOLVER::StartClock() {
    gameStartMs_ = services_.clock.NowMs();
    Timer2_->start();
}

void frmSOLVER::ShowZero() {
    lTemps_->SetCaption(QStringLiteral("00:00"));
}

bool frmSOLVER::ClockRuns() const {
    return Timer2_->isActive();
}

void frmSOLVER::LoadPlayerName() {
    QString name = services_.settings.GetSetting(setting::NomJoueur, QString()).trimmed();
    if (name.isEmpty() && services_.loginName) name = services_.loginName().trimmed();
    NomJoueur_->setText(name);
    // Setting the same (empty) text fires no change: run the handler so the box never
    // stays blank.
    if (name.isEmpty()) NomJoueur_Change();
}

void frmSOLVER::NomJoueur_Change() {
    const QString name = NomJoueur_->text().trimmed();
    if (!name.isEmpty()) {
        services_.settings.SaveSetting(setting::NomJoueur, name);
        return;
    }
    NomJoueur_->setText(services_.settings.GetSetting(setting::NomJoueur,
                                                      QString::fromUtf8(kDefaultNomJoueurInBox)));
}

void frmSOLVER::CheckGameOver() {
    GridComplete = board_.IsComplete();
    // Only a game being played ends here: a board the solver filled (clock stopped) or a game
    // already over must not store a score again.
    if (!GridComplete || !ClockRuns()) return;
    Timer2_Timer(); // the time at this very moment, not at the last tick
    StopClock();
    SaveScore();
    services_.dialogs.Message(this, QStringLiteral("Bravo ..."), ProgramTitle(),
                              MessageIcon::Information);
    ShowScores();
}

void frmSOLVER::SaveScore() {
    sv::SaveScore(ScoreFolder(services_.programDir), CurrentLevel, lTemps_->Caption(),
                  NomJoueur_->text().trimmed());
}

void frmSOLVER::ShowScores() {
    FrmScore scores(this, services_.settings, ScoreFolder(services_.programDir), CurrentLevel,
                    LevLabel_->Caption());
    services_.dialogs.RunModal(scores);
    RendreVisible();
}

} // namespace sv
