#pragma once

#include "widgets/NameCollator.h"

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QMimeData;

// The rows of a SortedListBox: each a name and, where the name alone does not tell it, the
// file it stands for.
class NameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Every row can be dragged out; the view decides whether a drag is offered at all.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    const QStringList& names() const { return m_names; }
    QString fileOf(int row) const { return row < m_files.size() ? m_files[row] : QString(); }
    bool hasFiles() const { return !m_files.isEmpty(); }
    void insertName(int row, const QString& name, const QString& file);
    void removeName(int row);
    // files is empty, or one entry per name (empty where the name tells the file).
    void setNames(QStringList names, QStringList files);

private:
    QStringList m_names;
    QStringList m_files; // empty while no row needs one
};

// A list box that keeps its rows sorted the way a person reads names (see NameCollator).
// Bulk fills sort once instead of once per row.
class SortedListBox : public QListView {
    Q_OBJECT
public:
    explicit SortedListBox(QWidget* parent = nullptr);

    // Inserts name at its sorted place and returns its row. file: the file the row stands
    // for, where the name alone does not tell it (empty otherwise).
    int addString(const QString& name, const QString& file = {});
    // Adds many names at once, sorted together with the rows already there; files is empty
    // or holds each name's file as addString takes it.
    void addStrings(const QStringList& names, const QStringList& files = {});
    void deleteString(int row);
    void resetContent();
    int count() const;
    QString text(int row) const; // empty for a row that does not exist
    // The file given for the row when it was added; empty when none was.
    QString fileOf(int row) const;
    int curSel() const;      // -1 when nothing is selected
    void setCurSel(int row); // -1 clears the selection
    // Row whose text equals name without regard to case, or -1.
    int findStringExact(const QString& name) const;
    // Shows whole rows only: the list keeps the greatest height up to maxHeight that holds a
    // whole number of rows (and its scroll bar).
    void setMaximumHeightInWholeRows(int maxHeight);
    // Lets a row be dragged out (to a file manager, an editor, a mail program) as the file
    // fileOfRow names, as a text/uri-list.
    void setDragFiles(std::function<QUrl(int row)> fileOfRow);
    // What a drag of the selected row carries; null when no row is selected or no files are
    // given.
    std::unique_ptr<QMimeData> selectedRowDragData() const;

signals:
    // The selection, or the rows around it, changed.
    void currentSelectionChanged();
    void rowDoubleClicked(int row);
    // The user moved the selection to another row with a key or a click (never a change the
    // program made).
    void selectionMovedByUser();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void updateGeometries() override;

private:
    int insertionRow(const QString& name) const;
    void fitWholeRows();
    int m_maxHeight = 0;
    NameCollator m_collator;
    NameListModel* m_model;
    std::function<QUrl(int row)> m_fileOfRow;
};
