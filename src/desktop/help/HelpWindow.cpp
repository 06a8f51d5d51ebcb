#include "desktop/help/HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResult>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "core/help/HelpTopics.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScreenFit.h"

namespace quorvia {

namespace {

constexpr std::string_view kHelpNamespace = "org.quorvia.help";

}  // namespace

QUrl HelpPageUrl(std::string_view page) {
    return QUrl(QString("qthelp://%1/doc/%2").arg(Q(kHelpNamespace), Q(page)));
}

HelpBrowser::HelpBrowser(QHelpEngine& engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {
    setObjectName("helpBrowser");
}

// A page names its style sheet and pictures relative to itself.
QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    QUrl resource = name.isRelative() ? source().resolved(name) : name;
    if (resource.scheme() == "qthelp") {
        return engine_.fileData(resource);
    }
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QHelpEngine& engine, QWidget* owner)
    : QMainWindow(owner, Qt::Window), engine_(engine) {
    setObjectName("HelpWindow");
    setWindowTitle("Quorvia Help");
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Beside the program rather than over all of it: at most three quarters of the screen wide.
    QSize room = RoomFor(*this);
    resize(std::min(900, room.width() * 3 / 4), std::min(620, room.height()));

    browser_ = new HelpBrowser(engine_, this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("helpTabs");
    tabs_->addTab(engine_.contentWidget(), "&Contents");
    tabs_->addTab(BuildIndexPage(), "&Index");
    tabs_->addTab(BuildSearchPage(), "&Search");
    connect(engine_.contentWidget(), &QHelpContentWidget::linkActivated, this,
            &HelpWindow::ShowPage);
    connect(tabs_, &QTabWidget::currentChanged, this, &HelpWindow::FocusTab);
    connect(engine_.contentModel(), &QHelpContentModel::contentsCreated, this,
            [this] { engine_.contentWidget()->expandToDepth(0); });

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    setCentralWidget(splitter);
    BuildToolBar();
}

QWidget* HelpWindow::BuildIndexPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    indexFilter_ = new QLineEdit(page);
    indexFilter_->setObjectName("indexFilter");
    indexFilter_->setPlaceholderText("Type the first letters of a word");
    QHelpIndexWidget* index = engine_.indexWidget();
    layout->addWidget(indexFilter_);
    layout->addWidget(index);
    connect(indexFilter_, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { ShowPage(document.url); });
    // A keyword several topics share opens the first of them.
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents, const QString&) {
                if (!documents.isEmpty()) {
                    ShowPage(documents.first().url);
                }
            });
    return page;
}

QWidget* HelpWindow::BuildSearchPage() {
    QHelpSearchEngine* search = engine_.searchEngine();
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(search->queryWidget());
    layout->addWidget(search->resultWidget());
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, this, &HelpWindow::RunSearch);
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this,
            &HelpWindow::ShowPage);
    connect(search, &QHelpSearchEngine::indexingFinished, this, &HelpWindow::SearchFinished);
    indexing_ = true;
    search->reindexDocumentation();
    return page;
}

void HelpWindow::BuildToolBar() {
    QToolBar* bar = addToolBar("Navigation");
    bar->setObjectName("helpNavigation");
    bar->setMovable(false);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "&Back");
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), "&Forward");
    back->setObjectName("helpBack");
    forward->setObjectName("helpForward");
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
}

// Turning to a tab puts the cursor where the person types: the index filter, the search words.
void HelpWindow::FocusTab(int tab) {
    switch (tab) {
        case IndexTab:
            indexFilter_->setFocus();
            break;
        case SearchTab:
            engine_.searchEngine()->queryWidget()->setFocus();
            break;
        default:
            engine_.contentWidget()->setFocus();
            break;
    }
}

void HelpWindow::ShowContents() {
    Raise(ContentsTab);
    if (browser_->source().isEmpty()) {
        ShowPage(HelpPageUrl(TopicOfContext(help_context::kProgramOverview)->page));
    }
    FocusTab(ContentsTab);
}

void HelpWindow::ShowIndex(const QString& keyword) {
    Raise(IndexTab);
    indexFilter_->setText(keyword);
    engine_.indexWidget()->filterIndices(keyword);
    FocusTab(IndexTab);
}

void HelpWindow::Search(const QString& words) {
    Raise(SearchTab);
    QHelpSearchEngine* search = engine_.searchEngine();
    search->queryWidget()->setSearchInput(words);
    RunSearch();
}

QList<QUrl> HelpWindow::SearchResults() const {
    QHelpSearchEngine* search = engine_.searchEngine();
    QList<QUrl> pages;
    for (const QHelpSearchResult& result : search->searchResults(0, search->searchResultCount())) {
        pages.append(result.url());
    }
    return pages;
}

void HelpWindow::ShowPage(const QUrl& page) {
    browser_->setSource(page);
    Present();
}

void HelpWindow::Raise(Tab tab) {
    tabs_->setCurrentIndex(tab);
    Present();
}

// Help asked for from a modal window (the preview, a dialog) must take input beside it, as a
// dialog of that window would: the help window becomes its transient. Otherwise it belongs to
// the main window that owns it.
void HelpWindow::Present() {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* owner = modal && modal != this ? modal : parentWidget();
    winId();
    if (owner && windowHandle()) {
        windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
    show();
    raise();
    activateWindow();
}

// The index of the words is built when the window opens; a search asked for before it is
// ready runs when it is. The index holds the parts of a hyphenated word as words of their own,
// so "semi-monthly" is looked up as "semi monthly".
void HelpWindow::RunSearch() {
    if (indexing_) {
        searchPending_ = true;
        return;
    }
    QHelpSearchEngine* search = engine_.searchEngine();
    search->search(search->queryWidget()->searchInput().replace('-', ' '));
}

void HelpWindow::SearchFinished() {
    indexing_ = false;
    if (searchPending_) {
        searchPending_ = false;
        RunSearch();
    }
}

}  // namespace quorvia
