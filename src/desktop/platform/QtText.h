#pragma once
// The core's UTF-8 text as Qt's.

#include <QString>
#include <string_view>

namespace quorvia {

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quorvia
