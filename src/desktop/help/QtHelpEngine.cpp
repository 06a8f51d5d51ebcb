#include "desktop/help/QtHelpEngine.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>

#include "core/help/HelpTopics.h"
#include "desktop/platform/QtText.h"

namespace quorvia {

namespace {

constexpr std::string_view kTopicsFile = "help/quorvia.qch";

RunError HelpFileError(const std::string& description) {
    return {error_number::kFileNotFound, description};
}

// The help engine writes its search index beside the collection it opens. Where the index
// belongs in another folder, the collection is opened from a copy there, made anew whenever the
// program's collection changes.
QString CollectionToOpen(const std::filesystem::path& helpFile,
                         const std::filesystem::path& indexFolder) {
    QFileInfo collection(QString::fromStdString(helpFile.string()));
    QString index = QString::fromStdString(indexFolder.string());
    if (index.isEmpty() || QFileInfo(index) == QFileInfo(collection.absolutePath())) {
        return collection.absoluteFilePath();
    }
    QDir copies(index + "/help");
    copies.mkpath("help");
    for (const QString& file : {collection.fileName(), Q(kTopicsFile)}) {
        QString from = collection.absoluteDir().filePath(file);
        QString to = copies.filePath(file);
        if (QFileInfo(to).lastModified() != QFileInfo(from).lastModified() ||
            QFileInfo(to).size() != QFileInfo(from).size()) {
            QFile::remove(to);
            QFile::copy(from, to);
            QFile(to).setFileTime(QFileInfo(from).lastModified(),
                                  QFileDevice::FileModificationTime);
        }
    }
    return copies.filePath(collection.fileName());
}

}  // namespace

QtHelpEngine::QtHelpEngine(QWidget* owner) : owner_(owner) {}

QtHelpEngine::~QtHelpEngine() {
    Release();
}

void QtHelpEngine::SetHelpFile(const std::filesystem::path& file,
                               const std::filesystem::path& indexFolder) {
    if (file != helpFile_ || indexFolder != indexFolder_) {
        Release();
        helpFile_ = file;
        indexFolder_ = indexFolder;
    }
}

bool QtHelpEngine::HasHelpFile() const {
    std::error_code error;
    return !helpFile_.empty() && std::filesystem::is_regular_file(helpFile_, error);
}

std::optional<RunError> QtHelpEngine::Call(const HelpCall& call) {
    if (call.command == HelpCommand::Quit) {
        Quit();
        return std::nullopt;
    }
    if (auto failure = Open()) {
        return failure;
    }
    switch (call.command) {
        case HelpCommand::Finder:
            window_->ShowContents();
            break;
        case HelpCommand::PartialKey:
            window_->ShowIndex(QString::fromStdString(call.keyword));
            break;
        case HelpCommand::HelpOnHelp:
            return ShowTopic(help_context::kUsingHelp);
        case HelpCommand::Context:
            return ShowTopic(call.context);
        case HelpCommand::Quit:
            break;
    }
    return std::nullopt;
}

std::optional<RunError> QtHelpEngine::Open() {
    if (!HasHelpFile()) {
        return HelpFileError("The help file " + helpFile_.string() + " cannot be found.");
    }
    if (!engine_) {
        auto engine = std::make_unique<QHelpEngine>(CollectionToOpen(helpFile_, indexFolder_));
        engine->setUsesFilterEngine(true);
        if (!engine->setupData() || engine->registeredDocumentations().isEmpty()) {
            std::string reason = engine->error().toStdString();
            return HelpFileError("The help file " + helpFile_.string() + " cannot be read" +
                                 (reason.empty() ? "." : ": " + reason));
        }
        // The collection names its topics file beside it; without that file it has no pages.
        if (engine->fileData(HelpPageUrl(TopicOfContext(help_context::kProgramOverview)->page))
                .isEmpty()) {
            return HelpFileError("The help file " + helpFile_.string() +
                                 " cannot be read: its topics (" + std::string(kTopicsFile) +
                                 ") are missing.");
        }
        engine_ = std::move(engine);
    }
    if (!window_) {
        window_ = new HelpWindow(*engine_, owner_);
    }
    return std::nullopt;
}

std::optional<RunError> QtHelpEngine::ShowTopic(int context) {
    const HelpTopic* topic = TopicOfContext(context);
    QUrl page = topic ? HelpPageUrl(topic->page) : QUrl();
    if (!topic || engine_->fileData(page).isEmpty()) {
        return RunError{error_number::kInvalidCall,
                        "The help file has no topic numbered " + std::to_string(context) + "."};
    }
    window_->ShowPage(page);
    return std::nullopt;
}

void QtHelpEngine::Quit() {
    if (window_) {
        window_->close();
    }
}

// The window holds the engine's contents, index and search widgets: the engine goes first, so
// that no widget outlives the models it shows.
void QtHelpEngine::Release() {
    engine_.reset();
    delete window_;
}

}  // namespace quorvia
