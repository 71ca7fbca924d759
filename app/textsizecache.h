#pragma once
// An item delegate for long lists whose items differ only in their text:
// it remembers the size of each text, so that laying the list out again
// after a change does not shape the text of every item anew. With the whole
// Quran in the burn list that shaping is what a change would cost.

#include <QFont>
#include <QHash>
#include <QIcon>
#include <QSize>
#include <QStyledItemDelegate>

class TextSizeCache : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    // Every item shows this icon before its text.
    TextSizeCache(const QIcon& itemIcon, QObject* parent) : QStyledItemDelegate(parent), itemIcon(itemIcon) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    QIcon itemIcon;

    static constexpr int kMaxTexts = 50000;

    // The sizes hold for one font and icon size; a change of either starts over.
    mutable QFont font;
    mutable QSize decorationSize;
    mutable QHash<QString, QSize> sizes;
};
