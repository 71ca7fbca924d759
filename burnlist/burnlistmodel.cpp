#include "burnlist/burnlistmodel.h"

BurnListModel::BurnListModel(BurnListCore& core, QObject* parent)
    : QAbstractListModel(parent), core(core), entryOfRow(PlayOrder(core.List())) {}

int BurnListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(entryOfRow.size());
}

QVariant BurnListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const saya& entry = EntryAt(index.row());
    if (role == Qt::DisplayRole) return core.TextOf(entry);
    if (role == KeyRole) return QString::fromStdString(entry.Key());
    return {};
}

const saya& BurnListModel::EntryAt(int row) const { return core.List().at(entryOfRow.at(size_t(row))); }

void BurnListModel::Change(const std::function<void(BurnListCore&)>& change) {
    beginResetModel();
    change(core);
    entryOfRow = PlayOrder(core.List());
    endResetModel();
}
