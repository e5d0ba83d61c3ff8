#include "ui/bars/FontsBox.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <cstdint>
#include <vector>

#include "render/FontCatalogue.h"
#include "render/FtText.h"
#include "shell/Checked.h"
#include "ui/controls/EngineImage.h"

namespace vx {

namespace {

constexpr int ITEM_HEIGHT = 16;

class FontItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), ITEM_HEIGHT};
    }

    // The face name set in its own face, as the engine renders it.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        LogoParams lt;
        lt.font = index.data().toString().toStdString();
        lt.str = lt.font;
        lt.size = 14;
        lt.spacing = 2;
        lt.color = selected ? HslF{0, 0, 50} : HslF{0, 0, 0};
        const std::uint32_t bgc = selected ? 0xC8C8C8u : 0xFFFFFFu;
        const QRect r = option.rect;
        FtText ft;
        VX_CALL(ft.Render(lt, 1, 0), "ft.Render(lt,TRUE,FALSE)");
        std::vector<std::uint32_t> px;
        VX_CALL(ft.BltToDC(lt, px, r.width(), r.height(), 5, bgc),
                "ft.BltToDC(lt,dc,rct.Width(),rct.Height(),5,1,rct.left,rct.top,bgc)");
        const QImage img = EngineImage(px.data(), px.size(), r.width(), r.height());
        if (!img.isNull()) painter->drawImage(r.topLeft(), img);
    }
};

}  // namespace

FontsBox::FontsBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new FontItemDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FontsBox::Fill(int ncat) {
    clear();
    for (const std::string& name : FontsInCategory(ncat)) addItem(QString::fromStdString(name));
    setCurrentRow(-1);
}

QString FontsBox::SelectedFont() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? QString() : items.front()->text();
}

}  // namespace vx
