#pragma once
// CDialog, the common-dialog services the forms use instead of a dialog control. For now the font
// dialog: the caller sets the font properties, the size limits and the flags, calls ShowFont
// and reads the chosen font back from the same properties. When both size limits are set,
// the size-limit flag is added to the request.

#include <cstdint>
#include <optional>
#include <string>

#include "core/base/Ui.h"

namespace quorvia {

// Font dialog flags.
inline constexpr uint32_t kCfPrinterFonts = 0x2;
inline constexpr uint32_t kCfInitToLogFont = 0x40;
inline constexpr uint32_t kCfAnsiOnly = 0x400;
inline constexpr uint32_t kCfLimitSize = 0x2000;

struct FontChoice {
    std::string name;
    double size = 0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
};

struct FontRequest {
    FontChoice initial;
    double minSize = 0;
    double maxSize = 0;
    uint32_t flags = 0;
};

// The platform's font dialog.
class FontChooser {
  public:
    virtual ~FontChooser() = default;
    // The font the person chose, or nothing when the dialog was cancelled or failed; then
    // `extendedError` holds the dialog's extended error code, 0 for a cancel.
    virtual std::optional<FontChoice> ChooseFont(const FontRequest& request,
                                                 uint32_t& extendedError) = 0;
};

class CDialog {
  public:
    CDialog(Ui& ui, FontChooser& fonts) : ui_(ui), fonts_(fonts) {}

    bool CancelError = false;
    uint32_t Flags = 0;
    std::string FontName;
    float FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikethru = false;
    float Min = 0;
    float Max = 0;

    // True when the person chose a font; the font properties then hold it, the size in whole
    // points. A failed dialog is reported; a cancelled one changes nothing.
    bool ShowFont();

  private:
    Ui& ui_;
    FontChooser& fonts_;
};

}  // namespace quorvia
