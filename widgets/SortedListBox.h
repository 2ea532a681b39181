#pragma once

#include <QCollator>
#include <QListWidget>

// A list box that keeps its rows sorted the way a person reads names: without regard to case,
// in the order of the user's language. Bulk fills sort once instead of once per row.
class SortedListBox : public QListWidget {
    Q_OBJECT
public:
    explicit SortedListBox(QWidget* parent = nullptr);

    // Inserts name at its sorted place and returns its row.
    int addString(const QString& name);
    // Adds many names at once (sorted together with the rows already there).
    void addStrings(const QStringList& names);
    void deleteString(int row);
    void resetContent();
    QString text(int row) const; // empty for a row that does not exist
    int curSel() const;          // -1 when nothing is selected
    void setCurSel(int row);     // -1 clears the selection
    // Row whose text equals name without regard to case, or -1.
    int findStringExact(const QString& name) const;

private:
    int insertionRow(const QString& name) const;
    QCollator m_collator;
};
