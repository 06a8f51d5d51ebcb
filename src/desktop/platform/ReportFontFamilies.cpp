#include "desktop/platform/ReportFontFamilies.h"
#include "desktop/platform/QtText.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace quorvia {

namespace {

std::string_view StandIn(std::string_view name) {
    if (name == "Times New Roman") {
        return "Liberation Serif";
    }
    if (name == "Arial") {
        return "Liberation Sans";
    }
    if (name == "Courier New") {
        return "Liberation Mono";
    }
    return {};
}

bool Installed(std::string_view family) {
    return !family.empty() && QFontDatabase::hasFamily(Q(family));
}

}  // namespace

bool ReportFontAvailable(std::string_view name) {
    return Installed(name) || Installed(StandIn(name));
}

std::vector<std::string> ReportFontFamilies() {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families()) {
        families.push_back(family.toStdString());
    }
    return families;
}

std::string RenderedFamily(std::string_view name) {
    if (Installed(name)) {
        return std::string(name);
    }
    if (Installed(StandIn(name))) {
        return std::string(StandIn(name));
    }
    return QFontInfo(QFont(Q(name))).family().toStdString();
}

}  // namespace quorvia
