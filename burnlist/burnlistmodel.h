#pragma once
// The burn list as list views show it: one row per entry, in the order the
// disc plays the entries (PlayOrder), so that what the list shows is what
// is made. Every change to the list goes through Change, which keeps the
// rows in step with the list.

#include "burnlist/burnlist.h"

#include <QAbstractListModel>
#include <functional>
#include <vector>

class BurnListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The entry's burn key ("002.255") as a QString.
    static constexpr int KeyRole = Qt::UserRole;

    explicit BurnListModel(BurnListCore& core, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // Qt::DisplayRole: the entry's text (BurnListCore::TextOf); KeyRole: its key.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The entry shown in a row; the row must be one of the model's.
    const saya& EntryAt(int row) const;

    // Changes the list; the rows are laid out anew afterwards.
    void Change(const std::function<void(BurnListCore&)>& change);

private:
    BurnListCore& core;
    std::vector<size_t> entryOfRow;  // positions in core.List()
};
