#include "directories/CFolderBrowser.h"

#include "directories/FolderStatusText.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QVBoxLayout>

CFolderBrowser::CFolderBrowser(const QString& startFolder, QWidget* owner)
    : QDialog(owner), m_startFolder(startFolder), m_resultFolder(startFolder),
      m_model(new QFileSystemModel(this)), m_tree(new QTreeView(this)),
      m_instruction(new QLabel(QStringLiteral("Current Selection"), this)),
      m_status(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Browse for Folder"));
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setReadOnly(true);
    m_model->setRootPath(QString());
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnSelChanged(m_model->filePath(current)); });
    buildLayout();
}

void CFolderBrowser::buildLayout() {
    m_instruction->setWordWrap(true);
    m_status->setObjectName(QStringLiteral("statusText"));
    m_status->setTextFormat(Qt::PlainText);
    m_instruction->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_instruction);
    layout->addWidget(m_status);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    resize(340, 400);
}

void CFolderBrowser::setInstruction(const QString& text) {
    m_instruction->setText(text);
}
QString CFolderBrowser::instruction() const {
    return m_instruction->text();
}
QString CFolderBrowser::statusText() const {
    return m_status->text();
}

QString CFolderBrowser::selectedFolder() const {
    const QModelIndexList rows = m_tree->selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : m_model->filePath(rows.first());
}

void CFolderBrowser::selectFolder(const QString& path) {
    const QModelIndex index = m_model->index(path);
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

int CFolderBrowser::Browse() {
    m_resultFolder = m_startFolder;
    if (!m_initialized)
        OnInitialized();
    if (exec() != QDialog::Accepted)
        return NotPicked;
    const QString picked = selectedFolder();
    if (picked.isEmpty() || !QFileInfo(picked).isDir())
        return NotPicked; // nothing chosen, or the top of the tree, which is no folder
    m_resultFolder = picked;
    return Picked;
}

void CFolderBrowser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_initialized)
        OnInitialized();
    else if (m_tree->currentIndex().isValid()) // laid out only now
        m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void CFolderBrowser::OnInitialized() {
    m_initialized = true;
    if (QFileInfo(m_startFolder).isDir())
        selectFolder(QFileInfo(m_startFolder).absoluteFilePath());
    m_status->setText(shortenStatusText(m_startFolder));
}

void CFolderBrowser::OnSelChanged(const QString& path) {
    m_resultFolder = path;
    m_status->setText(shortenStatusText(path));
}
