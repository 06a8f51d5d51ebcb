#pragma once
// The help window: the help collection's contents, keyword index and full-text search beside
// the page, with back and forward.

#include <QMainWindow>
#include <QTextBrowser>
#include <QUrl>
#include <string_view>

class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace quorvia {

// The address of a page of the help collection.
QUrl HelpPageUrl(std::string_view page);

// Shows the pages of the help collection, following their links inside it.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QHelpEngine& engine_;
};

class HelpWindow : public QMainWindow {
    Q_OBJECT
  public:
    enum Tab { ContentsTab, IndexTab, SearchTab };

    // The engine must have read its collection; it outlives the window.
    HelpWindow(QHelpEngine& engine, QWidget* owner);

    void ShowContents();
    // The keyword index, its filter holding `keyword`.
    void ShowIndex(const QString& keyword);
    // The search page, searching the whole text of every topic for `words`.
    void Search(const QString& words);
    void ShowPage(const QUrl& page);

    // The pages the last search found, best first.
    QList<QUrl> SearchResults() const;

    HelpBrowser* Browser() const { return browser_; }
    QTabWidget* Tabs() const { return tabs_; }
    QLineEdit* IndexFilter() const { return indexFilter_; }

  private:
    QWidget* BuildIndexPage();
    QWidget* BuildSearchPage();
    void BuildToolBar();
    void Raise(Tab tab);
    void Present();
    void FocusTab(int tab);
    void RunSearch();
    void SearchFinished();

    QHelpEngine& engine_;
    HelpBrowser* browser_;
    QTabWidget* tabs_;
    QLineEdit* indexFilter_ = nullptr;
    bool indexing_ = false;
    bool searchPending_ = false;
};

}  // namespace quorvia
