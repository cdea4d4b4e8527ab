#pragma once
// How the solver and the creator reach the main window: its status strip, its message boxes,
// the board and the game clock.
#include "solver/WindowSeam.h"

namespace sv {

class frmSOLVER;

class FrmSolverSeam : public WindowSeam {
public:
    explicit FrmSolverSeam(frmSOLVER& window) : window_(window) {}

    void ShowStatus(const std::string& text) override;
    void HideStatus() override;
    void PumpMessages() override;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    bool BoardHasEmptyCell() override;
    void StopClock() override;

private:
    frmSOLVER& window_;
};

} // namespace sv
