#pragma once

// A main-window button drawn by us: a face in the panel look with its caption
// rendered by the logo engine, optionally an arrow icon below it. It fires on
// the left button going down, not on release. In popup mode a press opens the
// menu its owner gave it (the "Current Object" list), centred under the click,
// instead of firing; the owner fills the menu when asked (menuRequested) and
// handles its actions.

#include <QMenu>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <vector>

#include "render/FtText.h"
#include "ui/controls/HoverControl.h"

namespace vx {

class LeButton : public HoverControl {
    Q_OBJECT

public:
    explicit LeButton(const QString& caption = {}, QWidget* parent = nullptr);

    // The caption text; the property buttons change it with the object type.
    void SetCaption(const QString& caption);
    const QString& caption() const { return caption_; }

    // An icon glyph of the arrow face, turned by `angle` (a fraction of a full
    // turn: "Next" 0, "Prev" 0.5); glyph 0 removes the icon.
    void SetIcon(int glyph, float angle = 0.0f);

    // Popup mode with `menu` (owned by the caller; when it is destroyed the
    // button fires on press again); null returns to firing on press.
    void SetPopupMenu(QMenu* menu);

    // Attention mode: the button flashes while the cursor is away.
    void SetBlink(bool on);

signals:
    // The left button went down on the enabled button (not in popup mode).
    void pressedDown();
    // Popup mode: the menu is about to open; a direct connection fills it now,
    // so it opens centred at its final width.
    void menuRequested();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    std::uint32_t CaptionColor() const;
    void ShowMenu(QPoint at);

    QString caption_;
    int icon_ = 0;
    float icon_angle_ = 0.0f;
    QPointer<QMenu> menu_;
    std::vector<std::uint32_t> picture_;  // composed off-screen, then drawn at once
    FtText text_;
    FtText icon_text_;
};

}  // namespace vx
