#include "widgets/SortedListBox.h"

#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <algorithm>

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_names.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_names[index.row()];
    return {};
}

Qt::ItemFlags NameListModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = QAbstractListModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsDragEnabled : base;
}

void NameListModel::insertName(int row, const QString& name, const QString& file) {
    beginInsertRows({}, row, row);
    m_names.insert(row, name);
    if (!file.isEmpty() || !m_files.isEmpty()) {
        m_files.resize(m_names.size() - 1);
        m_files.insert(row, file);
    }
    endInsertRows();
}

void NameListModel::removeName(int row) {
    beginRemoveRows({}, row, row);
    m_names.removeAt(row);
    if (row < m_files.size())
        m_files.removeAt(row);
    endRemoveRows();
}

void NameListModel::setNames(QStringList names, QStringList files) {
    beginResetModel();
    m_names = std::move(names);
    m_files = std::move(files);
    endResetModel();
}

SortedListBox::SortedListBox(QWidget* parent)
    : QListView(parent), m_model(new NameListModel(this)) {
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SortedListBox::currentSelectionChanged);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowDoubleClicked(index.row()); });
}

void SortedListBox::keyPressEvent(QKeyEvent* event) {
    const int before = curSel();
    QListView::keyPressEvent(event);
    if (curSel() != before && curSel() >= 0)
        emit selectionMovedByUser();
}

// A press of the right button leaves the selection where it is: the pop-up menu it opens acts
// on the selected sound.
void SortedListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    const int before = curSel();
    QListView::mousePressEvent(event);
    if (curSel() != before && curSel() >= 0)
        emit selectionMovedByUser();
}

int SortedListBox::insertionRow(const QString& name) const {
    const QStringList& names = m_model->names();
    int low = 0;
    int high = int(names.size());
    while (low < high) {
        const int mid = (low + high) / 2;
        if (m_collator.compare(names[mid], name) <= 0)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

int SortedListBox::addString(const QString& name, const QString& file) {
    const int row = insertionRow(name);
    m_model->insertName(row, name, file);
    emit currentSelectionChanged(); // the row count, or the selected row's number, moved
    return row;
}

void SortedListBox::addStrings(const QStringList& names, const QStringList& files) {
    const QStringList all = m_model->names() + names;
    const std::vector<int> order = m_collator.order(all);
    QStringList sortedNames;
    sortedNames.reserve(all.size());
    for (const int index : order)
        sortedNames.append(all[index]);
    const qsizetype before = m_model->names().size();
    const auto fileAt = [&](int index) {
        return index < before ? m_model->fileOf(index) : files.value(index - before);
    };
    QStringList sortedFiles;
    if (!files.isEmpty() || m_model->hasFiles()) {
        sortedFiles.reserve(all.size());
        for (const int index : order)
            sortedFiles.append(fileAt(index));
    }
    m_model->setNames(std::move(sortedNames), std::move(sortedFiles));
}

void SortedListBox::deleteString(int row) {
    if (row < 0 || row >= count())
        return;
    m_model->removeName(row);
    // The view moves the selection itself while a row goes, without a selection signal.
    emit currentSelectionChanged();
}

void SortedListBox::resetContent() {
    m_model->setNames({}, {});
}

void SortedListBox::setMaximumHeightInWholeRows(int maxHeight) {
    m_maxHeight = maxHeight;
    fitWholeRows();
}

void SortedListBox::updateGeometries() {
    QListView::updateGeometries();
    fitWholeRows(); // the horizontal scroll bar may have come or gone
}

void SortedListBox::fitWholeRows() {
    const int row = count() > 0 ? sizeHintForRow(0) : 0;
    if (m_maxHeight <= 0 || row <= 0)
        return;
    const int chrome = height() - viewport()->height();
    const int rows = std::max(1, (m_maxHeight - chrome) / row);
    if (rows * row + chrome != height())
        resize(width(), rows * row + chrome);
}

void SortedListBox::setDragFiles(std::function<QUrl(int row)> fileOfRow) {
    m_fileOfRow = std::move(fileOfRow);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

std::unique_ptr<QMimeData> SortedListBox::selectedRowDragData() const {
    if (!m_fileOfRow || curSel() < 0)
        return nullptr;
    auto data = std::make_unique<QMimeData>();
    data->setUrls({m_fileOfRow(curSel())});
    return data;
}

void SortedListBox::startDrag(Qt::DropActions) {
    std::unique_ptr<QMimeData> data = selectedRowDragData();
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data.release()); // the drag owns it from here
    drag->exec(Qt::CopyAction);
}

int SortedListBox::count() const {
    return m_model->rowCount();
}

QString SortedListBox::fileOf(int row) const {
    return row >= 0 && row < count() ? m_model->fileOf(row) : QString();
}

QString SortedListBox::text(int row) const {
    return row >= 0 && row < count() ? m_model->names()[row] : QString();
}

int SortedListBox::curSel() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void SortedListBox::setCurSel(int row) {
    if (row < 0 || row >= count()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

int SortedListBox::findStringExact(const QString& name) const {
    const QStringList& names = m_model->names();
    for (int row = 0; row < names.size(); ++row)
        if (names[row].compare(name, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}
