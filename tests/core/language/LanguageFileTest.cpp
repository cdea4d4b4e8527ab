// The language file's line rules, its two code pages and the errors that end start-up.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "settings/LanguageFile.h"
#include "settings/UiText.h"

namespace sv {
namespace {

class LanguageFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("sv-lng-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        SetDefaultUiTexts();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    LanguageLoadResult Load(const std::string& content) {
        std::ofstream(dir / kLanguageFileName, std::ios::binary) << content;
        return InitUiTexts(dir.string());
    }
    std::filesystem::path dir;
};

TEST_F(LanguageFileTest, LineRules) {
    struct Case {
        const char* content;
        int index;
        const char* expected;
    };
    const Case cases[] = {
        {"1#:#Help of\r\n", 0, "Help of"},
        {"  12  #:#   Texte  \r\n", 11, "Texte"},
        {"7#:#a#:#b\r\n", 6, "a#:#b"},
        {"5#:#   \r\n", 4, "Utiliser le bouton droit de la souris pour apercevoir les solutions"},
        {"\r\n   \r\n42#:#Trop dur\r\n42#:#Bien trop dur\r\n", 41, "Bien trop dur"},
        {"101#:#Dernier\n", 100, "Dernier"},
        {"41#:#Try again with the option", 40, "Try again with the option"},
    };
    for (const auto& c : cases) {
        const auto result = Load(c.content);
        ASSERT_TRUE(result.ok()) << c.content << result.Message();
        EXPECT_EQ(UiText[c.index], c.expected) << c.content;
        // Every other entry keeps its default.
        EXPECT_EQ(UiText[14], DefaultUiText(14));
    }
}

TEST_F(LanguageFileTest, ReadsUtf8AndWindows1252) {
    struct Case {
        std::string bytes;
        const char* expected;
    };
    const Case cases[] = {
        {"20#:#Tr\xC3\xA8s dur\r\n", "Très dur"}, // UTF-8
        {"\xEF\xBB\xBF"
         "20#:#Tr\xC3\xA8s dur\r\n",
         "Très dur"},                         // UTF-8 with a byte-order mark
        {"20#:#Tr\xE8s dur\r\n", "Très dur"}, // Windows-1252
        {"20#:#\x80 \x9C\xE9\r\n", "€ œé"},   // Windows-1252 beyond Latin-1
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Load(c.bytes).ok());
        EXPECT_EQ(UiText[19], c.expected);
    }
}

TEST_F(LanguageFileTest, BadFilesEndStartUpWithNumberAndDescription) {
    struct Case {
        const char* content;
        LanguageError error;
    };
    const Case cases[] = {
        {"1#:#Aide\r\nno separator here\r\n", LanguageError::MissingSeparator},
        {"x1#:#Aide\r\n", LanguageError::KeyNotANumber},
        {"#:#Aide\r\n", LanguageError::KeyNotANumber},
        {"0#:#Aide\r\n", LanguageError::IndexOutOfRange},
        {"102#:#Aide\r\n", LanguageError::IndexOutOfRange},
        {"99999999999999999999#:#Aide\r\n", LanguageError::IndexOutOfRange},
    };
    for (const auto& c : cases) {
        SetDefaultUiTexts();
        const auto result = Load(std::string("2#:#Changed\r\n") + c.content);
        EXPECT_EQ(result.error, c.error) << c.content;
        EXPECT_NE(result.Message().find("Erreur " + std::to_string(result.number())),
                  std::string::npos);
        EXPECT_NE(result.description.find("default.lng"), std::string::npos);
        // Nothing is half applied.
        EXPECT_EQ(UiText[1], DefaultUiText(1));
    }
    std::filesystem::remove(dir / kLanguageFileName);
    EXPECT_EQ(InitUiTexts(dir.string()).error, LanguageError::CannotOpen);
}

TEST(ShippedLanguageFile, RepeatsTheDefaults) {
    SetDefaultUiTexts();
    const auto result = LoadLanguageFile(SV_SHIPPED_LANGUAGE_FILE);
    ASSERT_TRUE(result.ok()) << result.Message();
    for (int i = 0; i < kUiTextCount; ++i) {
        // Texts that are blank after trimming cannot be written; the defaults keep them.
        EXPECT_EQ(UiText[i], DefaultUiText(i)) << i;
    }
}

} // namespace
} // namespace sv
