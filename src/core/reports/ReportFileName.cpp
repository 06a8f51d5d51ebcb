#include "core/reports/ReportFileName.h"

#include <filesystem>
#include <system_error>

#include "core/base/Text.h"

namespace quorvia {

namespace {

namespace fs = std::filesystem;

// Room for the report's name and ".pdf" within the 255 bytes a file name may have.
constexpr std::size_t kLongestBorrower = 200;

bool Unsafe(unsigned char c) {
    return c < 0x20 || c == 0x7F ||
           std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

// Cut at `limit` bytes without splitting a UTF-8 character.
std::string_view Shortened(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    while (limit > 0 && (static_cast<unsigned char>(text[limit]) & 0xC0) == 0x80) {
        --limit;
    }
    return text.substr(0, limit);
}

// Without unsafe characters, and without the blanks and dots at either end that would hide the
// file or vanish on some disks.
std::string SafeName(std::string_view text) {
    std::string safe;
    for (char c : Shortened(text, kLongestBorrower)) {
        safe += Unsafe(static_cast<unsigned char>(c)) ? '-' : c;
    }
    const std::size_t first = safe.find_first_not_of(" .");
    if (first == std::string::npos) {
        return {};
    }
    return safe.substr(first, safe.find_last_not_of(" .") - first + 1);
}

bool IsChosenDataFolder(const AppState& state) {
    const std::string folder = Trim(state.DataDirectory);
    if (folder.empty()) {
        return false;
    }
    std::error_code error;
    return !fs::equivalent(folder, state.AppPath, error) && fs::is_directory(folder, error);
}

}  // namespace

std::string DocumentPdfName(std::string_view borrower, std::string_view document) {
    const std::string name = SafeName(borrower);
    return (name.empty() ? std::string(document) : name + " - " + std::string(document)) + ".pdf";
}

std::string ProposedPdf(const AppState& state, const std::string& fileName) {
    if (!IsChosenDataFolder(state)) {
        return fileName;
    }
    return (fs::path(Trim(state.DataDirectory)) / fileName).string();
}

std::string ReportPdfName(std::string_view borrower, int16_t reportKind) {
    return DocumentPdfName(
        borrower, reportKind == kSummaryOnly ? "Amortization Summary" : "Amortization Schedule");
}

std::string ProposedReportPdf(const AppState& state, std::string_view borrower,
                              int16_t reportKind) {
    return ProposedPdf(state, ReportPdfName(borrower, reportKind));
}

}  // namespace quorvia
