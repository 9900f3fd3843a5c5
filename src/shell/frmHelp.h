#pragma once

#include "shell/HelpContents.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace lanthorn {

class HelpBrowser;

/// The help window: the table of contents and the keyword search on the left, the pages on
/// the right. The pages, the contents and the keyword index are files in the help directory
/// beside the program; without them the window says that the help files are missing.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    /// helpDirectory empty: the "help" folder beside the program.
    explicit frmHelp(QWidget* parent = nullptr, const QString& helpDirectory = {});

    QString helpDirectory() const { return m_directory; }
    /// Whether the help directory holds the contents page.
    bool helpAvailable() const { return m_available; }

    /// Opens the window on the contents page.
    void showContents();
    /// Opens the window on the keyword search, with the keyword field focused and filled with
    /// keyword (empty: no keyword given, the whole index is listed).
    void showSearch(const QString& keyword = {});
    /// Opens the window on the page of a menu item's help topic (the contents for an unknown one).
    void showTopic(int topicNumber);
    /// Opens the window on a page of the help: "page.html" or "page.html#anchor".
    void showPage(const QString& target);

    QToolButton* const cmdBack;
    QToolButton* const cmdForward;
    QToolButton* const cmdContents;
    QTabWidget* const tabNavigation;
    QTreeWidget* const tvwContents;
    QLineEdit* const txtKeyword;
    QListWidget* const lstKeywords;
    HelpBrowser* const brwPage;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadHelp();
    void addContents(QTreeWidgetItem* parent, const QList<HelpContentsEntry>& entries);
    void present();
    void openPage(const QString& target);
    void showMissingHelp();
    void filterKeywords(const QString& text);
    void openKeyword(QListWidgetItem* item);
    void contentsChosen(QTreeWidgetItem* item);
    void pageChanged(const QUrl& url);
    QString targetOf(const QUrl& url) const;

    QString m_directory;
    bool m_available = false;
    bool m_followingPage = false; // the contents selection follows the page; do not navigate
};

} // namespace lanthorn
