#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

namespace lanthorn {

/// A hidden window holding the background picture of the dialogs (tile.bmp beside the
/// program), and the routine that tiles it over a dialog.
class frmBit : public QWidget {
    Q_OBJECT
public:
    explicit frmBit(QWidget* parent = nullptr);

    /// Loads the picture; false when the file is missing or unreadable (the dialogs then keep
    /// their plain background).
    bool loadPicture(const QString& path);

    /// From now on the picture is tiled, unscaled, over the window's inner area whenever it
    /// repaints, beneath its controls.
    void TileBackground(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* pctBmp;
    QPixmap m_tile;
};

} // namespace lanthorn
