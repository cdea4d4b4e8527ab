#pragma once
// What every borderless window of the program does alike: whole-window transparency, the
// stay-on-top choice, dragging by its title panel, and handing a file or address to the desktop.
#include <QString>
#include <QUrl>

class QWidget;
class QPoint;

namespace sv {

class SettingsStore;

// Opacity (0..255) for a stored "Transparence" level: 0 -> 255, 1 -> 191, 2 -> 127, 3 -> 64.
// Any other level (never written by the program) means fully opaque.
int TransparencyAlpha(int level);
// The layer switch: a layered window takes `alpha` (0..255) as its opacity, a plain one is
// opaque. Silently nothing where the desktop has no window opacity.
void SetWindowAlpha(QWidget* window, bool layered, int alpha);
// Sets the window's opacity for `level` (layered even at level 0, fully opaque then).
void ApplyTransparency(QWidget* window, int level);
// The same with the level read from "Options"/"Transparence" now (nothing is cached).
void ApplyTransparency(QWidget* window, const SettingsStore& store);

// The stay-on-top switch; stateless, one instance serves every window.
class clsOnTop {
public:
    void MakeTopMost(QWidget* window) const;
    void MakeNormal(QWidget* window) const;
};

// Keeps the window above all others (onTop) or makes it an ordinary window again. A shown window
// stays shown; nothing happens when the state is already right.
void RendreVisible(QWidget* window, bool onTop);
// The same with "Options"/"Visible" (default 1, non-zero = on top) read now.
void RendreVisible(QWidget* window, const SettingsStore& store);

// Starts moving `window` with the mouse, as if its title bar had been grabbed. Uses the window
// manager's interactive move; returns false when that is not available (then the drag handle
// below moves the window itself).
bool StartWindowDrag(QWidget* window);
// Makes `handle` (a title panel `MeHaut`) drag its top-level window on a press of any mouse
// button; falls back to moving the window by hand where the window manager cannot.
void MakeDragHandle(QWidget* handle);

// The maker's web site: the "Site de l'auteur" entries and the printed page footer.
inline constexpr const char* kMakerWebSite = "https://sudoku-voltane.example.org/";

// The address a target stands for: a web address as is, anything else as a local file.
QUrl DocumentUrl(const QString& target);
// Opens the target with the desktop's default handler; failures are not reported.
void OpenDocument(const QString& target, QWidget* owner = nullptr);

// What every secondary window does on opening: stay-on-top and transparency from the store, the
// main window's icon, and a place centred over the main window (halves rounded toward zero).
void PrepareOverMainWindow(QWidget* window, QWidget* mainWindow, const SettingsStore& store);

} // namespace sv
