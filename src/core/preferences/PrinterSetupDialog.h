#pragma once
// The printer setup dialog that the printer buttons of the preferences and the printer and
// font forms open.

namespace quorvia {

class PrinterSetupDialog {
  public:
    virtual ~PrinterSetupDialog() = default;
    // True when the person chose a printer: it is then the current printer, and the state's
    // PrintOrientation and PrintPaperSize hold the page set-up chosen with it. A cancel or a
    // failed dialog (already reported) changes nothing.
    virtual bool SelectPrinter() = 0;
};

}  // namespace quorvia
