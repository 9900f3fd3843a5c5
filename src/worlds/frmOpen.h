#pragma once

#include <QMdiSubWindow>

namespace lanthorn {

/// A world window: one per world slot, created when the slot is first used and kept (hidden
/// when the slot is free) for the rest of the run. Its tag holds its slot number.
class frmOpen : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit frmOpen(QWidget* parent = nullptr);

    /// The slot number as decimal text.
    QString tag;
    int slot() const { return tag.toInt(); }
};

} // namespace lanthorn
