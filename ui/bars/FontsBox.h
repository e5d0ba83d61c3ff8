#pragma once

// The text bar's font list: the faces of one category, each item 16 pixels
// high and drawn in its own face by the render engine (dark grey on light grey
// when selected, black on white otherwise).

#include <QListWidget>

namespace vx {

class FontsBox : public QListWidget {
    Q_OBJECT

public:
    explicit FontsBox(QWidget* parent = nullptr);
    // Fills the list with the faces of category `ncat`; nothing is selected.
    void Fill(int ncat);
    // The selected face name; empty when nothing is selected.
    QString SelectedFont() const;
};

}  // namespace vx
