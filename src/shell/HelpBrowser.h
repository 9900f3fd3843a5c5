#pragma once

#include <QTextBrowser>

namespace lanthorn {

/// The page view of the help window: a text browser that shows a short notice instead of an
/// empty page when a page it is sent to does not exist.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

    /// The notice shown for a page that is missing.
    static QString missingPageHtml(const QString& fileName);
};

} // namespace lanthorn
