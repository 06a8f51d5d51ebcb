#include "core/printing/PageSetup.h"

#include <array>
#include <cstdlib>
#include <string>

#include "core/base/Text.h"

namespace quorvia {

namespace {

// Twips from the points the paper's standard gives.
constexpr int Points(int points) {
    return points * 20;
}

constexpr std::array<Paper, 7> kPapers{{
    {kPaperLetter, "letter", Points(612), Points(792)},
    {kPaperLegal, "legal", Points(612), Points(1008)},
    {kPaperExecutive, "executive", Points(522), Points(756)},
    {kPaperTabloid, "tabloid", Points(792), Points(1224)},
    {kPaperA3, "a3", Points(842), Points(1191)},
    {kPaperA4, "a4", Points(595), Points(842)},
    {kPaperA5, "a5", Points(420), Points(595)},
}};

// The locale's country: the two letters after "_" in "en_US.UTF-8" or "de_DE@euro".
std::string_view CountryOf(std::string_view locale) {
    std::size_t underscore = locale.find('_');
    if (underscore == std::string_view::npos) {
        return {};
    }
    std::string_view country = locale.substr(underscore + 1);
    return country.substr(0, country.find_first_of(".@"));
}

std::string_view PaperLocale() {
    for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}

}  // namespace

std::span<const Paper> PaperSizes() {
    return kPapers;
}

const Paper* PaperOf(int16_t code) {
    for (const Paper& paper : kPapers) {
        if (paper.code == code) {
            return &paper;
        }
    }
    return nullptr;
}

const Paper* PaperNamed(std::string_view name) {
    for (const Paper& paper : kPapers) {
        if (EqualsIgnoreCase(paper.name, name)) {
            return &paper;
        }
    }
    return nullptr;
}

PageSize PageSizeOf(int16_t paperSize, int16_t orientation) {
    const Paper* paper = PaperOf(paperSize);
    if (paper == nullptr) {
        paper = &kPapers.front();
    }
    if (orientation == kOrientLandscape) {
        return {paper->height, paper->width};
    }
    return {paper->width, paper->height};
}

int16_t LocalePaperSize() {
    std::string_view country = CountryOf(PaperLocale());
    if (country.empty() || country == "US" || country == "CA") {
        return kPaperLetter;
    }
    return kPaperA4;
}

}  // namespace quorvia
