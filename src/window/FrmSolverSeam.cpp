#include "window/FrmSolverSeam.h"

#include <QCoreApplication>

#include "controls/Panel3D.h"

#include "shell/Dialogs.h"
#include "window/frmSOLVER.h"

namespace sv {

void FrmSolverSeam::ShowStatus(const std::string& text) {
    Panel3D* sb = window_.SB();
    sb->SetCaption(QString::fromStdString(text));
    sb->show();
    sb->repaint();
}

void FrmSolverSeam::HideStatus() {
    Panel3D* sb = window_.SB();
    sb->SetCaption(QString());
    sb->hide();
}

void FrmSolverSeam::PumpMessages() {
    // Paint what is pending, but keep the player's clicks and keys for after the long work:
    // they would otherwise run game commands in the middle of a solve.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FrmSolverSeam::ShowMessage(const std::string& text, const std::string& title,
                                MessageIcon icon) {
    window_.services().dialogs.Message(&window_, QString::fromStdString(text),
                                       QString::fromStdString(title), icon);
}

bool FrmSolverSeam::AskYesNo(const std::string& text, const std::string& title) {
    return window_.services().dialogs.YesNo(&window_, QString::fromStdString(text),
                                            QString::fromStdString(title));
}

bool FrmSolverSeam::BoardHasEmptyCell() {
    return !window_.board().IsComplete();
}

void FrmSolverSeam::StopClock() {
    window_.StopClock();
}

} // namespace sv
