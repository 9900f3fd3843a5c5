#include "shell/HelpBrowser.h"

#include <QFileInfo>
#include <QTextDocument>
#include <QUrl>

namespace lanthorn {

HelpBrowser::HelpBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
    setOpenExternalLinks(false);
    document()->setDocumentMargin(18);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::HtmlResource && name.isLocalFile() && !QFileInfo::exists(name.toLocalFile()))
        return missingPageHtml(name.toLocalFile());
    return QTextBrowser::loadResource(type, name);
}

QString HelpBrowser::missingPageHtml(const QString& fileName)
{
    return QStringLiteral("<h2>This help page is missing</h2><p>Lanthorn could not find the file</p><p><tt>")
        + fileName.toHtmlEscaped() + QStringLiteral("</tt></p><p><a href=\"index.html\">Back to the contents</a></p>");
}

} // namespace lanthorn
