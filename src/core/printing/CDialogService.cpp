#include "core/printing/CDialogService.h"

#include <cmath>

#include "core/printing/CmnDlgs.h"

namespace quorvia {

bool CDialog::ShowFont() {
    FontRequest request;
    request.initial = {FontName, FontSize, FontBold, FontItalic, FontUnderline, FontStrikethru};
    request.minSize = Min;
    request.maxSize = Max;
    request.flags = Flags;
    if (Min != 0 && Max != 0) {
        request.flags |= kCfLimitSize;
    }
    uint32_t extendedError = 0;
    std::optional<FontChoice> chosen = fonts_.ChooseFont(request, extendedError);
    fontDialogFailed_ = !chosen && extendedError != 0;
    if (!chosen) {
        ReportDialogError(ui_, extendedError);
        return false;
    }
    FontName = chosen->name;
    FontSize = static_cast<float>(std::round(std::fabs(chosen->size)));
    FontBold = chosen->bold;
    FontItalic = chosen->italic;
    FontUnderline = chosen->underline;
    FontStrikethru = chosen->strikethru;
    return true;
}

}  // namespace quorvia
