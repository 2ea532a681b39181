#include "widgets/SortedListBox.h"

#include <algorithm>

// The user's language orders the names; without one ("C"), English rules do.
static QLocale collationLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English) : system;
}

SortedListBox::SortedListBox(QWidget* parent) : QListWidget(parent), m_collator(collationLocale()) {
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

int SortedListBox::insertionRow(const QString& name) const {
    int low = 0;
    int high = count();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (m_collator.compare(item(mid)->text(), name) <= 0)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

int SortedListBox::addString(const QString& name) {
    const int row = insertionRow(name);
    insertItem(row, name);
    return row;
}

void SortedListBox::addStrings(const QStringList& names) {
    struct Keyed {
        QCollatorSortKey key;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(count() + names.size()));
    for (int row = 0; row < count(); ++row)
        keyed.push_back({m_collator.sortKey(item(row)->text()), item(row)->text()});
    for (const QString& name : names)
        keyed.push_back({m_collator.sortKey(name), name});
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key.compare(b.key) < 0; });
    QStringList sorted;
    sorted.reserve(qsizetype(keyed.size()));
    for (const Keyed& k : keyed)
        sorted.append(k.name);
    const QSignalBlocker quiet(this);
    clear();
    addItems(sorted);
}

void SortedListBox::deleteString(int row) {
    if (row >= 0 && row < count())
        delete takeItem(row);
}

void SortedListBox::resetContent() { clear(); }

QString SortedListBox::text(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->text() : QString();
}

int SortedListBox::curSel() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void SortedListBox::setCurSel(int row) {
    if (row < 0 || row >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(row));
}

int SortedListBox::findStringExact(const QString& name) const {
    for (int row = 0; row < count(); ++row)
        if (item(row)->text().compare(name, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}
