#pragma once
// CDialog, the common-dialog services the forms use instead of a dialog control: the file open
// and save dialogs and the font dialog. The caller sets the properties a dialog needs, shows it
// and reads the choice back from the same properties; the object keeps its properties between
// calls. For the font dialog, when both size limits are set, the size-limit flag is added to
// the request.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Ui.h"
#include "core/printing/DialogControl.h"
#include "core/printing/FileChooser.h"

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
    // A CDialog without file dialogs reports its file dialogs as failing to start.
    CDialog(Ui& ui, FontChooser& fonts) : ui_(ui), fonts_(fonts) {}
    CDialog(Ui& ui, FontChooser& fonts, FileChooser& files)
        : ui_(ui), fonts_(fonts), files_(&files) {}

    // When true, a cancelled or failed file dialog raises RaisedRunError 32755 after reporting.
    bool CancelError = false;
    // The request flags; a file dialog returns the dialog's flags here.
    uint32_t Flags = 0;

    // File dialogs.
    std::string DialogTitle;
    // The initial name or pattern; after a dialog the chosen full path.
    std::string Filename;
    std::string FileTitle;
    // The number of characters of Filename before the file name and before its extension.
    int16_t FileOffset = 0;
    int16_t FileExt = 0;
    std::string InitDir;
    std::string DefaultExt;
    std::string CustomFilter;
    std::string CustomFilterFilespec;
    // Filter pairs, each a description, "|", a pattern and "|".
    std::string Filter;
    int16_t FilterIndex = 1;
    int16_t MaxFileSize = 256;
    // Carried for callers; no dialog uses them.
    std::string HelpFile;
    int16_t HelpCommand = 0;
    int32_t HelpContext = 0;
    std::string HelpKey;
    std::string Tag;
    int32_t Error = 0;

    // 1 runs ShowOpen, 2 ShowSave, anything else nothing.
    void SetAction(int16_t action);
    // 0 single file, 1 multiple old style, 2 multiple explorer style.
    int16_t MultiSelect() const;
    void SetMultiSelect(int16_t value);
    // 0 read-only box unchecked, 1 checked, 2 hidden.
    int16_t FileReadOnly() const;
    void SetFileReadOnly(int16_t value);
    // 1 file and path must exist, 2 path must exist, 3 prompt to create, 4 prompt to create
    // with the path existing, 5 prompt to overwrite, 6 prompt to overwrite with the path
    // existing; 0 leaves the flags alone.
    int16_t FileMustExist() const;
    void SetFileMustExist(int16_t value);

    void AddFilter(const std::string& description, const std::string& filespec,
                   bool defaultFilter = false);
    void AddDefaultFilters(ControlKind kind);
    // True when the person chose a file. A failed dialog is reported; with CancelError a cancel
    // or failure raises RaisedRunError 32755. With a control: default filters for its kind when
    // Filter is empty, and afterwards the file is loaded into it (open) or saved from it (save);
    // a failure to move the contents raises its error. MaxFileSize is handed to the dialog
    // only: a path of this system may be longer.
    bool ShowOpen(DialogControl* control = nullptr);
    bool ShowSave(DialogControl* control = nullptr);
    int16_t SelectedFileCount() const { return static_cast<int16_t>(selected_.size()); }
    // The index-th chosen file (1-based); "" outside 1..SelectedFileCount.
    std::string SelectedFile(int index) const;
    // Moves the control's contents to or from the first chosen file: those the target
    // property names, else those of the control's kind.
    std::optional<RunError> SaveFrom(DialogControl& control, std::string_view target = {});
    std::optional<RunError> LoadInto(DialogControl& control, std::string_view target = {});

    // Font dialog.
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
    // Whether the last font dialog failed, rather than being cancelled or answered.
    bool FontDialogFailed() const { return fontDialogFailed_; }

  private:
    bool ShowFileDialog(FileDialogKind kind, DialogControl* control);
    FileRequest FileDialogRequest(FileDialogKind kind) const;
    void TakeAnswer(const FileAnswer& answer);

    Ui& ui_;
    FontChooser& fonts_;
    FileChooser* files_ = nullptr;
    std::vector<std::string> selected_;
    // After a failed or cancelled file dialog the next AddFilter starts a new list.
    bool freshFilterList_ = false;
    bool fontDialogFailed_ = false;
};

}  // namespace quorvia
