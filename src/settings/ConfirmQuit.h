#pragma once
// The shut-down question asked by the close button and the tray menu's "Quitter".
#include <QString>

class QWidget;

namespace sv {

class Dialogs;
class SettingsStore;

// Asks "<UiText[82]> Sudoku Voltane ?" (Yes/No, question icon). On Yes stores the main window's
// left and top edges in twips under "Settings"/"Left" and "Top" and returns true: the caller then
// runs TasknookDelete (window shown, tray icon removed, "Tasknook" = "1") and ends the program.
// On No nothing is stored and false is returned.
bool ConfirmQuit(QWidget* mainWindow, Dialogs& dialogs, SettingsStore& store);

// The question's text with the current interface texts.
QString ConfirmQuitText();

} // namespace sv
