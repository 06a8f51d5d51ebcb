#include "core/session/PreferenceStore.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "core/base/NumberText.h"
#include "core/base/ProfileFile.h"
#include "core/base/Text.h"
#include "core/session/ReportFont.h"

namespace quorvia {

namespace {

constexpr std::string_view kDefaultFontName = "Times New Roman";
constexpr std::string_view kDefaultFontStyle = "Normal";
constexpr float kDefaultFontSize = 12;
constexpr std::string_view kPaperSizeKey = "dpapr";
constexpr std::string_view kOrientationKey = "dornt";

std::string Pref(const ProfileFile& profile, std::string_view key) {
    return profile.Value(kIniSection, key);
}

// A number is kept in 16 bits: the leading number rounded, halves to the even neighbour. A
// number outside the 16-bit range counts as 0.
int16_t ShortValue(std::string_view text) {
    double value = RoundHalfEven(NumericValue(text));
    if (!std::isfinite(value) || value < std::numeric_limits<int16_t>::min() ||
        value > std::numeric_limits<int16_t>::max()) {
        return 0;
    }
    return static_cast<int16_t>(value);
}

// A check box state; a stored -1 (the numeric form of true) counts as checked.
int16_t CheckState(std::string_view text) {
    int16_t state = ShortValue(text);
    return state < 0 ? int16_t{1} : state;
}

int16_t ReportStyleOf(std::string_view text) {
    int16_t style = ShortValue(text);
    return style < kColumnarNoGrid || style > kSummaryOnly ? int16_t{kColumnarNoGrid} : style;
}

// The whole text as one number ("-1", " 0 ", "2.5"), or nothing.
std::optional<double> PlainNumber(std::string_view text) {
    text = TrimView(text);
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) {
        text.remove_prefix(1);
    }
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// "True" or "False" in any case, or a number (non-zero is true); anything else is `fallback`.
bool BooleanValue(std::string_view text, bool fallback) {
    text = TrimView(text);
    if (EqualsIgnoreCase(text, "True")) {
        return true;
    }
    if (EqualsIgnoreCase(text, "False")) {
        return false;
    }
    std::optional<double> number = PlainNumber(text);
    return number ? *number != 0 : fallback;
}

void UseDefaultFont(AppState& state) {
    state.ReportFontName = kDefaultFontName;
    state.ReportFontStyle = kDefaultFontStyle;
    state.ReportFontSize = kDefaultFontSize;
}

// A font without a name or a usable size (left by a save that stopped halfway, or by hand)
// would print nothing readable, so it falls back to the default font as a failed read does.
void ReadReportFont(AppState& state, const ProfileFile& profile) {
    state.ReportFontName = Pref(profile, "dfont");
    state.ReportFontStyle = Pref(profile, "dbold");
    double size = NumericValue(Pref(profile, "dsize"));
    if (TrimView(state.ReportFontName).empty() || !(size > 0) ||
        size > std::numeric_limits<float>::max()) {
        UseDefaultFont(state);
        return;
    }
    state.ReportFontSize = static_cast<float>(size);
}

void UseProgramFolderForData(AppState& state) {
    state.DataDrive = state.AppPath.string().substr(0, 2);
    state.DataDirectory = state.AppPath.string();
}

void ReadDataFolder(AppState& state, const ProfileFile& profile) {
    state.DataDrive = Pref(profile, "ddrv");
    if (TrimView(state.DataDrive).empty()) {
        UseProgramFolderForData(state);
    }
    state.DataDirectory = Pref(profile, "ddir");
    if (TrimView(state.DataDirectory).empty()) {
        UseProgramFolderForData(state);
    }
}

// A report printer left blank or "0" becomes the current printer, kept in the file too when
// the caller may write it.
void ReadReportPrinter(AppState& state, const ProfileFile& profile, PrinterService& printers,
                       Ui& ui, ProfileWrites writes) {
    state.ReportPrinter = Pref(profile, "dprtr");
    if (!TrimView(state.ReportPrinter).empty() && state.ReportPrinter != "0") {
        return;
    }
    state.ReportPrinter = CurrentPrinterIdentity(printers);
    if (!state.ReportPrinter.empty() && writes == ProfileWrites::Allowed) {
        WriteIniString(kIniSection, "dprtr", Trim(state.ReportPrinter), state.IniFilePath, ui);
    }
}

void ReadPageSetup(AppState& state, const ProfileFile& profile, PrinterService& printers) {
    const int16_t paper = ShortValue(Pref(profile, kPaperSizeKey));
    state.PrintPaperSize = PaperOf(paper) != nullptr ? paper : printers.DefaultPaperSize();
    state.PrintOrientation = ShortValue(Pref(profile, kOrientationKey)) == kOrientLandscape
                                 ? kOrientLandscape
                                 : kOrientPortrait;
}

void ReadFromFile(AppState& state, const ProfileFile& profile, PrinterService& printers, Ui& ui,
                  ProfileWrites writes) {
    Hourglass hourglass(ui);
    state.CompanyNames = {Pref(profile, "dname"), Pref(profile, "dnam2")};
    state.DefaultRate = Pref(profile, "drate");
    state.DefaultFrequency = ShortValue(Pref(profile, "dfreq"));
    state.DefaultSemiMonthlyDates = ShortValue(Pref(profile, "dsmdt"));
    state.DefaultFixedPrincipal = CheckState(Pref(profile, "dfix"));
    state.DefaultFullPayout = CheckState(Pref(profile, "dfull"));
    state.DefaultCalcMethod = ShortValue(Pref(profile, "dcalc"));
    state.ShowToolTips = BooleanValue(Pref(profile, "dtips"), true);
    state.NumberPayments = BooleanValue(Pref(profile, "dnbr"), false);
    state.PrintCompanyFooter = BooleanValue(Pref(profile, "dftr"), true);
    ReadReportFont(state, profile);
    ReadDataFolder(state, profile);
    ReadReportPrinter(state, profile, printers, ui, writes);
    ReadPageSetup(state, profile, printers);
    state.ReportStyle = ReportStyleOf(Pref(profile, "dstyl"));
}

void UseDefaults(AppState& state, PrinterService& printers) {
    state.CompanyNames = {"", ""};
    state.DefaultRate = "0.0000";
    state.DefaultFrequency = kMonthly;
    state.DefaultSemiMonthlyDates = 1;
    state.DefaultFixedPrincipal = 0;
    state.DefaultFullPayout = 1;
    state.DefaultCalcMethod = 0;
    state.NumberPayments = false;
    state.PrintCompanyFooter = false;
    state.ShowToolTips = true;
    UseProgramFolderForData(state);
    state.ReportPrinter = CurrentPrinterIdentity(printers);
    state.PrintPaperSize = printers.DefaultPaperSize();
    state.PrintOrientation = kOrientPortrait;
    UseDefaultFont(state);
    state.ReportStyle = kColumnarNoGrid;
}

void SetDerivedSettings(AppState& state) {
    state.SemiMonthly[0] = state.DefaultSemiMonthlyDates;
    SetCurrentReportFont(state);
    state.ToolTipsChecked = state.ShowToolTips;
}

}  // namespace

std::array<std::pair<std::string_view, std::string>, 2> PageSetupKeys(const AppState& state) {
    return {{{kPaperSizeKey, std::to_string(state.PrintPaperSize)},
             {kOrientationKey, std::to_string(state.PrintOrientation)}}};
}

void LoadPreferences(AppState& state, PrinterService& printers, Ui& ui, ProfileWrites writes) {
    ProfileFile profile = ProfileFile::Load(state.IniFilePath);
    // A profile file that keeps only the list of recent files holds no preferences yet.
    if (profile.HasSection(kIniSection)) {
        ReadFromFile(state, profile, printers, ui, writes);
    } else {
        UseDefaults(state, printers);
    }
    SetDerivedSettings(state);
}

}  // namespace quorvia
