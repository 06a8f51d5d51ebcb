#include "core/printing/PageSetup.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <optional>
#include <string>

namespace quorvia {
namespace {

// Sets the locale variables for one test and puts back what the process had.
class LocaleVariables {
  public:
    LocaleVariables() {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            const char* value = std::getenv(kNames[i]);
            kept_[i] = value != nullptr ? std::optional<std::string>(value) : std::nullopt;
            ::unsetenv(kNames[i]);
        }
    }
    ~LocaleVariables() {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (kept_[i]) {
                ::setenv(kNames[i], kept_[i]->c_str(), 1);
            } else {
                ::unsetenv(kNames[i]);
            }
        }
    }
    void Set(const char* name, const char* value) { ::setenv(name, value, 1); }

  private:
    static constexpr std::array<const char*, 3> kNames{"LC_ALL", "LC_PAPER", "LANG"};
    std::array<std::optional<std::string>, 3> kept_;
};

TEST(PageSetupTest, ThePaperOfTheLocaleIsLetterInTheUnitedStatesAndCanadaOnly) {
    LocaleVariables locale;
    EXPECT_EQ(LocalePaperSize(), kPaperLetter);  // no locale names no country
    locale.Set("LANG", "C.UTF-8");
    EXPECT_EQ(LocalePaperSize(), kPaperLetter);
    locale.Set("LANG", "en_US.UTF-8");
    EXPECT_EQ(LocalePaperSize(), kPaperLetter);
    locale.Set("LANG", "fr_CA.UTF-8");
    EXPECT_EQ(LocalePaperSize(), kPaperLetter);
    locale.Set("LANG", "en_GB.UTF-8");
    EXPECT_EQ(LocalePaperSize(), kPaperA4);
    // The paper's own category before the language, and LC_ALL before both.
    locale.Set("LC_PAPER", "en_US.UTF-8");
    EXPECT_EQ(LocalePaperSize(), kPaperLetter);
    locale.Set("LC_ALL", "de_DE@euro");
    EXPECT_EQ(LocalePaperSize(), kPaperA4);
    locale.Set("LC_ALL", "POSIX");
    EXPECT_EQ(LocalePaperSize(), kPaperLetter);
}

TEST(PageSetupTest, PagesAreTheirPaperTurnedForLandscape) {
    EXPECT_EQ(PageSizeOf(kPaperLetter, kOrientPortrait), (PageSize{12240, 15840}));
    EXPECT_EQ(PageSizeOf(kPaperA4, kOrientLandscape), (PageSize{16840, 11900}));
    EXPECT_EQ(PageSizeOf(kPaperA5, kOrientPortrait), (PageSize{8400, 11900}));
    EXPECT_EQ(PageSizeOf(kPaperLegal, 0), (PageSize{12240, 20160}));
    // An unset or unknown paper is Letter.
    EXPECT_EQ(PageSizeOf(0, kOrientLandscape), (PageSize{15840, 12240}));
    EXPECT_EQ(PageSizeOf(42, kOrientPortrait), (PageSize{12240, 15840}));

    ASSERT_NE(PaperNamed("A4"), nullptr);
    EXPECT_EQ(PaperNamed("A4")->code, kPaperA4);
    EXPECT_EQ(PaperNamed("legal")->code, kPaperLegal);
    EXPECT_EQ(PaperNamed("a6"), nullptr);
    EXPECT_EQ(PaperOf(kPaperA3)->name, "a3");
    EXPECT_EQ(PaperOf(2), nullptr);
}

}  // namespace
}  // namespace quorvia
