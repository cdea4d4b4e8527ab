#pragma once
// What the creator commands share: option parsing, a seam that remembers the messages, and
// one model, random source and creator set up for a grid size.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "creator/Creator.h"
#include "solver/Sudoku.h"
#include "solver/WindowSeam.h"

namespace sv::cli {

// Keeps every message the core shows, so a command can print the one that explains a failure.
class RecordingSeam : public HeadlessSeam {
public:
    std::vector<std::string> messages;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        HeadlessSeam::ShowMessage(text, title, icon);
        messages.push_back(text);
    }
};

struct CreatorSession {
    explicit CreatorSession(const std::optional<uint64_t>& seed);
    void SetBlockSize(int blockSize);

    RecordingSeam seam;
    Sudoku model;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<Creator> creator;
};

// Reads the value after an option; false (after a message on context.err) when it is missing
// or not a whole number in [low, high].
bool ReadIntOption(CommandContext& context, size_t& i, int low, int high, int& value);

// "--size 9|16" as a block size.
bool ReadSizeOption(CommandContext& context, size_t& i, int& blockSize);

} // namespace sv::cli
