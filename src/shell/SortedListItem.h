#pragma once

#include <QListWidget>
#include <QListWidgetItem>
#include <memory>

namespace lanthorn {

/// An entry of a sorted list: the program's sorted lists order their texts alphabetically
/// without regard to letter case.
class SortedListItem : public QListWidgetItem {
public:
    explicit SortedListItem(const QString& text)
        : QListWidgetItem(text, nullptr, QListWidgetItem::UserType)
    {
    }

    /// Adds an entry to a list with sorting switched on; the list owns it.
    static void addTo(QListWidget* list, const QString& text)
    {
        // Constructed first and inserted afterwards, so that the insertion already sorts by
        // this class's order.
        auto item = std::make_unique<SortedListItem>(text);
        list->addItem(item.release());
    }

    bool operator<(const QListWidgetItem& other) const override
    {
        const int order = text().compare(other.text(), Qt::CaseInsensitive);
        return order != 0 ? order < 0 : text() < other.text();
    }
};

} // namespace lanthorn
