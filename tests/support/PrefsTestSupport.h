#pragma once
// Stand-ins for the printer setup dialog and the mounted volumes, for the preferences and the
// printer and font form tests.

#include <optional>
#include <string>
#include <vector>

#include "core/preferences/DataFolders.h"
#include "core/preferences/PrinterSetupDialog.h"
#include "support/FakePrinterService.h"

namespace quorvia::testing {

// Chooses `choice` (making it the current printer) or, without one, cancels.
class ScriptedPrinterSetup : public PrinterSetupDialog {
  public:
    explicit ScriptedPrinterSetup(FakePrinterService& printers) : printers_(printers) {}

    bool SelectPrinter() override {
        ++shown;
        if (!choice) {
            return false;
        }
        printers_.MakeCurrent(*choice);
        return true;
    }

    std::optional<PrinterInfo> choice;
    int shown = 0;

  private:
    FakePrinterService& printers_;
};

class FixedVolumes : public DataFolders {
  public:
    std::vector<std::string> Volumes() override { return volumes; }
    std::vector<std::string> volumes{"/"};
};

}  // namespace quorvia::testing
