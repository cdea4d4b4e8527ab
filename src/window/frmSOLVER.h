#pragma once
// The main window: the board, the command buttons, the clock and player box, the level label
// and the status strip. Creating it runs the whole start-up, from the interface texts to the
// first playable puzzle. The board's rules live in Board; this window turns the player's
// clicks and keys into board changes and runs the game commands.
#include <memory>
#include <QWidget>
#include <string>

#include "creator/Creator.h"
#include "solver/Sudoku.h"
#include "window/Board.h"
#include "window/FrmSolverSeam.h"
#include "window/Services.h"

class QLineEdit;
class QMenu;
class QTimer;

namespace sv {

class BoardView;
class frmPop;
class isButton;
class Panel3D;
class Skins;
class XP_ProgressBar;

class frmSOLVER : public QWidget {
    Q_OBJECT
public:
    explicit frmSOLVER(Services& services, QWidget* parent = nullptr);
    ~frmSOLVER() override;

    // True when another copy of the game was already running: nothing was built.
    bool Refused() const { return refused_; }
    // An error that stopped start-up before a board was built (e.g. an unreadable language
    // file), already shown to the player; empty when start-up went through.
    const QString& StartupError() const { return startupError_; }

    // Start-up and layout.
    void ApplyCaptions();
    void CaptionLevelMenu();
    void RepaintGrid();
    void ClearField();
    void GetAllRCPos();
    void AfficherFond();

    // Game commands.
    void mnuLev_Click(int level);
    void BtnCreate_Click();
    void LevLabel_Click();
    void btnReset_Click();
    void cmdCLEAR_Click();
    void cmdSOLVE_Click();
    void btnHint_Click();
    void mnuPrintThis_Click();
    void EnableBoutons(bool on);
    bool HasData() const { return board_.HasData(); }

    // Cell input.
    void txtCELL_Click(int index);
    void txtCELL_KeyPress(int index, QChar key);
    void txtCELL_KeyDown(int index, int key);
    void txtCELL_MouseUp(int index, Qt::MouseButton button, const QPoint& globalPos);
    void Popup_Click(int k);
    std::string CellCandidates(int index) const { return board_.CellCandidates(index); }
    void CheckCellEntry(int index);

    // Clock, player name and end of game.
    void Timer2_Timer();
    void StopClock();
    void StartClock();
    void ShowZero();
    bool ClockRuns() const;
    void CheckGameOver();
    void SaveScore();
    void NomJoueur_Change();
    void ShowScores();
    void RendreVisible();

    Skins& skins() { return *skins_; }
    const QString& LevLabelTag() const { return levLabelTag_; }
    const QString& FileFilter() const { return fileFilter_; }

    // The window back on screen (from minimised or the notification area); remembered.
    void TasknookDelete();
    // Quitting through the close button; true when the player said Yes.
    bool Quitter_Click();

    // State other parts of the program read.
    int CurrentLevel = 0;
    std::string InitialGrid;
    bool RightClickHelp = false;
    bool GridComplete = false;
    int PopupCell = 0;

    Services& services() { return services_; }
    Board& board() { return board_; }
    const Board& board() const { return board_; }
    Sudoku& model() { return model_; }
    Creator& creator() { return creator_; }
    frmPop& pop() { return *pop_; }
    BoardView& view() { return *view_; }
    // The selected cell, 0 for none.
    int Selection() const { return selection_; }
    isButton* Cell(int index) const;
    QWidget* Curseur() const;

    // Controls, named as the player sees them; tests drive them directly.
    Panel3D* SB() const { return SB_; }
    Panel3D* lTemps() const { return lTemps_; }
    QLineEdit* NomJoueur() const { return NomJoueur_; }
    isButton* LevLabel() const { return LevLabel_; }
    XP_ProgressBar* BP() const { return BP_; }
    QTimer* Timer1() const { return Timer1_; }
    QTimer* Timer2() const { return Timer2_; }
    isButton* BtnCreate() const { return BtnCreate_; }
    isButton* btnLoad() const { return btnLoad_; }
    isButton* BtnSave() const { return BtnSave_; }
    isButton* btnOptions() const { return btnOptions_; }
    isButton* btnPrint() const { return btnPrint_; }
    isButton* mnuHelp() const { return mnuHelp_; }
    isButton* btnReset() const { return btnReset_; }
    isButton* btnHint() const { return btnHint_; }
    isButton* cmdSOLVE() const { return cmdSOLVE_; }
    isButton* cmdCLEAR() const { return cmdCLEAR_; }
    isButton* Quitter() const { return Quitter_; }
    isButton* Minimiser() const { return Minimiser_; }
    isButton* STasknook() const { return STasknook_; }
    isButton* BtnUrl() const { return BtnUrl_; }
    Panel3D* MeHaut() const { return MeHaut_; }
    Panel3D* LScore() const { return LScore_; }

signals:
    // The player answered Yes to the quit question; main ends the program.
    void QuitRequested();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildControls();
    void ConnectControls();
    void PlaceWindow();
    void LoadPlayerName();
    void Select(int index, bool showMarker);
    void HideSelection();
    void FocusCell(int index);
    void PopupAtMouse(QMenu& menu);

    Services& services_;
    bool refused_ = false;
    QString startupError_;
    FrmSolverSeam seam_;
    Sudoku model_;
    Creator creator_;
    Board board_;
    std::unique_ptr<frmPop> pop_;
    BoardView* view_ = nullptr;
    int selection_ = 0;
    qint64 gameStartMs_ = 0;
    Skins* skins_ = nullptr;
    // The level label's prefix ("Niveau : "), put before the level's name.
    QString levLabelTag_;
    // The puzzle files' filter for the open and save dialogs.
    QString fileFilter_;

    Panel3D* Entete_ = nullptr;
    Panel3D* MeHaut_ = nullptr;
    isButton* STasknook_ = nullptr;
    isButton* Minimiser_ = nullptr;
    isButton* Quitter_ = nullptr;
    isButton* BtnCreate_ = nullptr;
    isButton* btnLoad_ = nullptr;
    isButton* BtnSave_ = nullptr;
    isButton* btnOptions_ = nullptr;
    isButton* btnPrint_ = nullptr;
    isButton* mnuHelp_ = nullptr;
    isButton* btnReset_ = nullptr;
    isButton* btnHint_ = nullptr;
    isButton* cmdSOLVE_ = nullptr;
    isButton* cmdCLEAR_ = nullptr;
    Panel3D* PScore_ = nullptr;
    Panel3D* lTemps_ = nullptr;
    Panel3D* LScore_ = nullptr;
    QLineEdit* NomJoueur_ = nullptr;
    Panel3D* Cadre_ = nullptr;
    isButton* BtnUrl_ = nullptr;
    isButton* LevLabel_ = nullptr;
    Panel3D* SB_ = nullptr;
    XP_ProgressBar* BP_ = nullptr;
    QTimer* Timer1_ = nullptr;
    QTimer* Timer2_ = nullptr;
};

} // namespace sv
