#include "shell/frmHelp.h"

#include "shell/HelpBrowser.h"
#include "shell/HelpKeywords.h"
#include "shell/HelpTopics.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace lanthorn {

namespace {

const QString kContentsPage = QStringLiteral("index.html");
const QString kKeywordFile = QStringLiteral("keywords.txt");
constexpr int kTargetRole = Qt::UserRole;
constexpr int kContentsTab = 0;
constexpr int kSearchTab = 1;

QToolButton* navigationButton(const char* name, const QString& text, QStyle::StandardPixmap icon, QStyle* style)
{
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setIcon(style->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

frmHelp::frmHelp(QWidget* parent, const QString& helpDirectory)
    : QWidget(parent, Qt::Window)
    , cmdBack(navigationButton("cmdBack", QStringLiteral("&Back"), QStyle::SP_ArrowBack, style()))
    , cmdForward(navigationButton("cmdForward", QStringLiteral("&Forward"), QStyle::SP_ArrowForward, style()))
    , cmdContents(navigationButton("cmdContents", QStringLiteral("&Contents"), QStyle::SP_DirHomeIcon, style()))
    , tabNavigation(new QTabWidget)
    , tvwContents(new QTreeWidget)
    , txtKeyword(new QLineEdit)
    , lstKeywords(new QListWidget)
    , brwPage(new HelpBrowser)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Lanthorn Help"));
    tabNavigation->setObjectName(QStringLiteral("tabNavigation"));
    tvwContents->setObjectName(QStringLiteral("tvwContents"));
    txtKeyword->setObjectName(QStringLiteral("txtKeyword"));
    lstKeywords->setObjectName(QStringLiteral("lstKeywords"));
    brwPage->setObjectName(QStringLiteral("brwPage"));

    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);
    tvwContents->setHeaderHidden(true);
    tvwContents->setRootIsDecorated(true);
    txtKeyword->setClearButtonEnabled(true);
    txtKeyword->setPlaceholderText(QStringLiteral("Type a word"));
    txtKeyword->installEventFilter(this);

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    auto* prompt = new QLabel(QStringLiteral("&Type the word you are looking for, then press Enter or double-click "
                                             "an entry of the list:"));
    prompt->setWordWrap(true);
    prompt->setBuddy(txtKeyword);
    searchLayout->addWidget(prompt);
    searchLayout->addWidget(txtKeyword);
    searchLayout->addWidget(lstKeywords, 1);
    tabNavigation->addTab(tvwContents, QStringLiteral("C&ontents"));
    tabNavigation->addTab(searchPage, QStringLiteral("&Search"));

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(tabNavigation);
    splitter->addWidget(brwPage);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ 270, 650 });
    splitter->setChildrenCollapsible(false);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdForward);
    buttons->addWidget(cmdContents);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    resize(940, 660);

    connect(cmdBack, &QToolButton::clicked, brwPage, &QTextBrowser::backward);
    connect(cmdForward, &QToolButton::clicked, brwPage, &QTextBrowser::forward);
    connect(cmdContents, &QToolButton::clicked, this, [this] { openPage(kContentsPage); });
    connect(brwPage, &QTextBrowser::backwardAvailable, cmdBack, &QToolButton::setEnabled);
    connect(brwPage, &QTextBrowser::forwardAvailable, cmdForward, &QToolButton::setEnabled);
    connect(brwPage, &QTextBrowser::sourceChanged, this, &frmHelp::pageChanged);
    connect(tvwContents, &QTreeWidget::itemClicked, this, &frmHelp::contentsChosen);
    connect(tvwContents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!m_followingPage)
            contentsChosen(item);
    });
    connect(txtKeyword, &QLineEdit::textChanged, this, &frmHelp::filterKeywords);
    connect(txtKeyword, &QLineEdit::returnPressed, this, [this] { openKeyword(lstKeywords->currentItem()); });
    connect(lstKeywords, &QListWidget::itemActivated, this, &frmHelp::openKeyword);

    m_directory
        = helpDirectory.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/help") : helpDirectory;
    loadHelp();
}

void frmHelp::loadHelp()
{
    const QDir dir(m_directory);
    m_available = dir.exists(kContentsPage);
    brwPage->clearHistory();
    brwPage->clear();
    tvwContents->clear();
    lstKeywords->clear();
    if (!m_available)
        return;

    addContents(nullptr, ReadHelpContents(dir.filePath(kContentsPage)));
    for (const HelpKeyword& entry : ReadHelpKeywords(dir.filePath(kKeywordFile))) {
        auto* item = new QListWidgetItem(entry.keyword, lstKeywords);
        item->setData(kTargetRole, entry.target);
    }
    filterKeywords(txtKeyword->text());
}

void frmHelp::addContents(QTreeWidgetItem* parent, const QList<HelpContentsEntry>& entries)
{
    for (const HelpContentsEntry& entry : entries) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tvwContents);
        item->setText(0, entry.title);
        item->setData(0, kTargetRole, entry.target);
        item->setToolTip(0, entry.title);
        addContents(item, entry.children);
    }
}

void frmHelp::present()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void frmHelp::showContents()
{
    tabNavigation->setCurrentIndex(kContentsTab);
    present();
    openPage(kContentsPage);
}

void frmHelp::showSearch(const QString& keyword)
{
    tabNavigation->setCurrentIndex(kSearchTab);
    present();
    if (!m_available)
        showMissingHelp();
    else if (brwPage->source().isEmpty())
        openPage(kContentsPage);
    txtKeyword->setText(keyword);
    txtKeyword->selectAll();
    txtKeyword->setFocus(Qt::OtherFocusReason);
}

void frmHelp::showTopic(int topicNumber)
{
    const QString target = HelpTopicTarget(topicNumber);
    if (target.isEmpty()) {
        showContents();
        return;
    }
    tabNavigation->setCurrentIndex(kContentsTab);
    present();
    openPage(target);
}

void frmHelp::showPage(const QString& target)
{
    present();
    openPage(target);
}

void frmHelp::openPage(const QString& target)
{
    if (!m_available) {
        showMissingHelp();
        return;
    }
    const qsizetype hash = target.indexOf(u'#');
    QUrl url = QUrl::fromLocalFile(QDir(m_directory).filePath(hash < 0 ? target : target.left(hash)));
    if (hash >= 0)
        url.setFragment(target.mid(hash + 1));
    brwPage->setSource(url);
}

void frmHelp::showMissingHelp()
{
    brwPage->setHtml(QStringLiteral("<h2>The help files are missing</h2>"
                                    "<p>Lanthorn looks for its help pages in the folder</p><p><tt>%1</tt></p>"
                                    "<p>but could not find them there. The help pages are installed with Lanthorn, "
                                    "in the folder <tt>help</tt> beside the program.</p>")
                         .arg(m_directory.toHtmlEscaped()));
}

void frmHelp::filterKeywords(const QString& text)
{
    const QString wanted = text.trimmed();
    QListWidgetItem* firstShown = nullptr;
    QListWidgetItem* firstStarting = nullptr;
    for (int i = 0; i < lstKeywords->count(); ++i) {
        QListWidgetItem* item = lstKeywords->item(i);
        const bool shown = item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (!shown)
            continue;
        if (!firstShown)
            firstShown = item;
        if (!firstStarting && item->text().startsWith(wanted, Qt::CaseInsensitive))
            firstStarting = item;
    }
    // A keyword that starts with the typed text is a better guess than one that merely holds it.
    QListWidgetItem* choice = firstStarting ? firstStarting : firstShown;
    lstKeywords->setCurrentItem(choice);
    if (choice)
        lstKeywords->scrollToItem(choice, QAbstractItemView::PositionAtTop);
}

void frmHelp::openKeyword(QListWidgetItem* item)
{
    if (!item || item->isHidden())
        return;
    openPage(item->data(kTargetRole).toString());
}

void frmHelp::contentsChosen(QTreeWidgetItem* item)
{
    if (item)
        openPage(item->data(0, kTargetRole).toString());
}

QString frmHelp::targetOf(const QUrl& url) const
{
    QString target = QDir(m_directory).relativeFilePath(url.toLocalFile());
    if (url.hasFragment())
        target += u'#' + url.fragment();
    return target;
}

void frmHelp::pageChanged(const QUrl& url)
{
    // The contents follow the page, so the reader always sees where in the help they are.
    const QString exact = targetOf(url);
    const QString page = exact.section(u'#', 0, 0);
    QTreeWidgetItem* found = nullptr;
    for (QTreeWidgetItemIterator it(tvwContents); *it && !found; ++it)
        if ((*it)->data(0, kTargetRole).toString() == exact)
            found = *it;
    for (QTreeWidgetItemIterator it(tvwContents); *it && !found; ++it)
        if ((*it)->data(0, kTargetRole).toString() == page)
            found = *it;

    m_followingPage = true;
    tvwContents->collapseAll();
    if (found) {
        // The page's own sections stay in view; the other branches fold away.
        found->setExpanded(true);
        tvwContents->setCurrentItem(found);
        tvwContents->scrollToItem(found);
    } else {
        tvwContents->setCurrentItem(nullptr);
    }
    m_followingPage = false;
}

bool frmHelp::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow and paging keys in the keyword field move through the list below it.
    if (watched == txtKeyword && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(lstKeywords, event);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lanthorn
