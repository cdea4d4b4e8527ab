#pragma once
// The scores window: a borderless modal window listing one level's scores, fastest first.
// Created fresh each time it is shown; show it with Dialogs::RunModal so tests stay headless.
#include <QDialog>

class QLabel;

namespace sv {

class SettingsStore;

class FrmScore : public QDialog {
    Q_OBJECT
public:
    // Loads at once: stay-on-top and transparency from `store`, centred over `mainWindow` with
    // its icon, title "<UiText[81]> (<levelCaption>)" (e.g. "Les scores (Niveau : Facile)"),
    // then LireScore for `level` from `scoreFolder`.
    FrmScore(QWidget* mainWindow, const SettingsStore& store, const QString& scoreFolder, int level,
             const QString& levelCaption);

    // The title panel's text.
    QString Title() const;
    // The list exactly as LireScore built it (CR LF line ends).
    QString ScoreText() const;

private:
    void LireScore(const QString& scoreFolder, int level);

    QWidget* MeHaut_ = nullptr;
    QLabel* title_ = nullptr;
    QWidget* Quitter_ = nullptr;
    QLabel* Score_ = nullptr;
    QString scoreText_;
};

} // namespace sv
