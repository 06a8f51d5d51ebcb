#pragma once
// A control whose contents CDialog can save to the chosen file or load from it (rich text,
// a picture, list items, plain text), so that a form needs no code of its own for that.

#include <filesystem>
#include <optional>
#include <string_view>

#include "core/base/RunError.h"

namespace quorvia {

enum class ControlKind { RichText, Picture, List, Text };

class DialogControl {
  public:
    virtual ~DialogControl() = default;
    virtual ControlKind Kind() const = 0;
    // Moves the contents the given kind names (a control may hold more than one, as a rich-text
    // box holds both its rich and its plain text) to or from the file.
    virtual std::optional<RunError> SaveTo(const std::filesystem::path& file, ControlKind what) = 0;
    virtual std::optional<RunError> LoadFrom(const std::filesystem::path& file,
                                             ControlKind what) = 0;
};

// The kind a target property names ("TextRTF", "Picture", "List", "Text"), compared without
// regard to case; nothing for any other name.
std::optional<ControlKind> ControlKindOfTarget(std::string_view target);

}  // namespace quorvia
