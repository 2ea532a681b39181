#include "directories/CFolderBrowser.h"

#include "directories/FolderStatusText.h"
#include "platform/Ui.h"
#include "widgets/ControlNames.h"
#include "widgets/OkCancelButtons.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QTimer>
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
    // The selection, not the current item: a view that gains focus makes its first row
    // current without selecting it, and that must not count as a choice.
    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QString folder = selectedFolder();
        if (!folder.isEmpty())
            OnSelChanged(folder);
    });
    followStartFolder();
    buildLayout();
}

// Folders are read and sorted in the background, so the rows above the preselected folder keep
// moving for a while. It is brought back into view after each change until the user takes
// over the tree (a click, a key or the wheel).
void CFolderBrowser::followStartFolder() {
    const auto bringIntoView = [this] {
        QTimer::singleShot(0, this, [this] {
            if (m_followStart && m_tree->currentIndex().isValid())
                m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtCenter);
        });
    };
    connect(m_model, &QFileSystemModel::directoryLoaded, this, bringIntoView);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, bringIntoView);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, bringIntoView);
    m_tree->installEventFilter(this);
    m_tree->viewport()->installEventFilter(this);
}

bool CFolderBrowser::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        m_followStart = false;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void CFolderBrowser::buildLayout() {
    m_instruction->setWordWrap(true);
    m_status->setObjectName(QStringLiteral("statusText"));
    m_status->setTextFormat(Qt::PlainText);
    m_instruction->setTextFormat(Qt::PlainText);
    nameControl(*m_tree, QStringLiteral("Folders"));
    nameControl(*m_status, QStringLiteral("Current selection"));
    QDialogButtonBox* buttons = okCancelBox(*this);
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
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        m_tree->expand(parent);
    m_tree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
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
    else
        m_tree->expand(m_model->index(QDir::rootPath()));
    m_status->setText(shortenStatusText(m_startFolder));
}

void CFolderBrowser::OnSelChanged(const QString& path) {
    m_resultFolder = path;
    m_status->setText(shortenStatusText(path));
}

std::optional<QString> pickFolderInBrowser(const FolderRequest& request) {
    CFolderBrowser browser(request.startFolder, QApplication::activeWindow());
    browser.setInstruction(request.instruction);
    if (browser.Browse() != CFolderBrowser::Picked)
        return std::nullopt;
    return browser.ResultFolder();
}
