#include "cli/CreatorCommandSupport.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "cli/CreatorCommands.h"
#include "settings/LanguageFile.h"
#include "settings/UiText.h"

namespace sv::cli {

CreatorSession::CreatorSession(const std::optional<uint64_t>& seed) : model(&seam) {
    if (seed)
        random = std::make_unique<SeededRandom>(*seed);
    else
        random = std::make_unique<ClockSeededRandom>();
    creator = std::make_unique<Creator>(model, seam, *random);
    creator->InitLevelLabels();
    SetBlockSize(3);
}

void CreatorSession::SetBlockSize(int blockSize) {
    if (model.BlockSize == blockSize && model.CellCount() > 0) return;
    model.BlockSize = blockSize;
    model.SetupGeometry();
}

bool ReadIntOption(CommandContext& context, size_t& i, int low, int high, int& value) {
    const std::string& option = context.args[i];
    if (i + 1 >= context.args.size()) {
        *context.err << "sv-cli: " << option << " needs a value\n";
        return false;
    }
    const std::string& text = context.args[++i];
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || parsed < low || parsed > high) {
        *context.err << "sv-cli: " << option << " takes a whole number from " << low << " to "
                     << high << ", not " << text << "\n";
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

bool ReadSizeOption(CommandContext& context, size_t& i, int& blockSize) {
    int size = 0;
    if (!ReadIntOption(context, i, 9, 16, size)) return false;
    if (size != 9 && size != 16) {
        *context.err << "sv-cli: --size is 9 or 16\n";
        return false;
    }
    blockSize = size == 9 ? 3 : 4;
    return true;
}

std::string ProgramDirectory() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return ".";
    return self.parent_path().string();
}

bool LoadProgramLanguage(CommandContext& context) {
    const std::string dir = ProgramDirectory();
    if (!std::filesystem::exists(dir + "/" + kLanguageFileName)) {
        SetDefaultUiTexts();
        return true;
    }
    const auto result = InitUiTexts(dir);
    if (result.ok()) return true;
    *context.err << "sv-cli: " << result.Message() << "\n";
    return false;
}

} // namespace sv::cli
