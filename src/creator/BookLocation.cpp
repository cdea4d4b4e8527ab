#include "creator/BookLocation.h"

#include <cerrno>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "creator/ProfileFile.h"

namespace sv {
namespace {

constexpr const char* kBookName = "Sudoku.par";
constexpr const char* kUserFolder = "Sudoku Voltane";

bool MakeDirectories(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

bool DirectoryIsWritable(const std::string& dir) {
    std::string probe = (dir.empty() ? std::string(".") : dir) + "/.sv-write-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string ResolveBookPath(const std::string& programDir, bool programDirWritable,
                            const char* xdgDataHome, const char* home) {
    const std::string shipped = programDir + "/" + kBookName;
    if (programDirWritable) return shipped;

    std::string dataHome;
    if (xdgDataHome && xdgDataHome[0] == '/')
        dataHome = xdgDataHome;
    else if (home && home[0] == '/')
        dataHome = std::string(home) + "/.local/share";
    else
        return shipped;

    const std::string userDir = dataHome + "/" + kUserFolder;
    const std::string userBook = userDir + "/" + kBookName;
    if (FileExists(userBook)) return userBook;
    if (!MakeDirectories(userDir)) return shipped;
    if (FileExists(shipped)) {
        std::ifstream in(shipped, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        if (!in || !WriteFileAtomically(userBook, content.str())) return shipped;
    }
    // Without a shipped book the first save creates the user's book.
    return userBook;
}

} // namespace sv
