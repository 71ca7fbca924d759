#include "app/textsizecache.h"

QSize TextSizeCache::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (option.font != font || option.decorationSize != decorationSize || sizes.size() > kMaxTexts) {
        sizes.clear();
        font = option.font;
        decorationSize = option.decorationSize;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    const auto known = sizes.constFind(text);
    if (known != sizes.constEnd()) return *known;
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    sizes.insert(text, size);
    return size;
}

void TextSizeCache::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (itemIcon.isNull()) return;
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = itemIcon;
    option->decorationSize = itemIcon.actualSize(option->decorationSize);
}
