// Where the book lives when the program's directory cannot be written.
#include <gtest/gtest.h>

#include "creator/BookLocation.h"
#include "TempDir.h"

namespace sv {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(BookLocation, WritableProgramDirectoryKeepsTheShippedBook) {
    TempDir program;
    EXPECT_TRUE(DirectoryIsWritable(program.Path()));
    EXPECT_EQ(ResolveBookPath(program.Path(), true, nullptr, "/home/x"),
              program.File("Sudoku.par"));
}

TEST(BookLocation, ReadOnlyProgramDirectoryUsesASeededUserCopy) {
    TempDir program, data, home;
    WriteFile(program.File("Sudoku.par"), "[3Easy]\r\n1=HIJ\r\n");
    const std::string dataPath = data.Path();
    struct Case {
        const char* xdg;
        std::string expectedDir;
    };
    const Case cases[] = {
        {nullptr, home.File(".local/share/Sudoku Voltane")},
        {"", home.File(".local/share/Sudoku Voltane")},
        {"relative/dir", home.File(".local/share/Sudoku Voltane")},
        {dataPath.c_str(), data.File("Sudoku Voltane")},
    };
    for (const auto& c : cases) {
        const std::string path = ResolveBookPath(program.Path(), false, c.xdg, home.Path().c_str());
        EXPECT_EQ(path, c.expectedDir + "/Sudoku.par");
        EXPECT_EQ(ReadFile(path), "[3Easy]\r\n1=HIJ\r\n");
    }

    // Once made, the user's copy is the book: it is never overwritten from the shipped one.
    const std::string userBook = data.File("Sudoku Voltane/Sudoku.par");
    WriteFile(userBook, "[3Easy]\r\n1=HIJ\r\n2=KLM\r\n");
    EXPECT_EQ(ResolveBookPath(program.Path(), false, data.Path().c_str(), nullptr), userBook);
    EXPECT_EQ(ReadFile(userBook), "[3Easy]\r\n1=HIJ\r\n2=KLM\r\n");
}

TEST(BookLocation, NoUserLocationFallsBackToTheShippedBook) {
    TempDir program;
    EXPECT_EQ(ResolveBookPath(program.Path(), false, nullptr, nullptr), program.File("Sudoku.par"));
}

} // namespace
} // namespace sv
