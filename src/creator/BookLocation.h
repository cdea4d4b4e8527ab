#pragma once
// Where the puzzle book lives. Normally "Sudoku.par" beside the program; an installed program's
// directory is often read-only, and then every generated puzzle would silently fail to save, so
// the book becomes a per-user copy seeded from the shipped one.
#include <string>

namespace sv {

// True when a file can be created in dir (checked by creating one, so read-only file systems
// and permissions are both caught).
bool DirectoryIsWritable(const std::string& dir);

// programDir + "/Sudoku.par" when programDirWritable; otherwise
// (xdgDataHome, or home + "/.local/share") + "/Sudoku Voltane/Sudoku.par", created and seeded
// from the shipped book when it does not exist yet. Falls back to the shipped book when no
// per-user location can be made.
std::string ResolveBookPath(const std::string& programDir, bool programDirWritable,
                            const char* xdgDataHome, const char* home);

} // namespace sv
