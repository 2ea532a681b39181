#include "library/SearchPanel.h"

#include "widgets/ControlNames.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

SearchPanel::SearchPanel(ISoundIndex* index, OpenSound openSound, QWidget* parent)
    : QWidget(parent), m_index(index), m_openSound(std::move(openSound)),
      m_field(new QLineEdit(this)), m_results(new QListWidget(this)), m_note(new QLabel(this)) {
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_field);
    layout->addWidget(m_note);
    layout->addWidget(m_results, 1);
    m_field->setPlaceholderText(QStringLiteral("Search sounds (tag:, sec:<2, ch:mono)"));
    m_field->setClearButtonEnabled(true);
    nameControl(*m_field, QStringLiteral("Search sounds"), QStringLiteral("Ctrl+F"));
    nameControl(*m_results, QStringLiteral("Sounds found"));
    m_note->setWordWrap(true);
    m_note->hide();
    m_results->setFrameShape(QFrame::NoFrame);
    m_field->installEventFilter(this);
    m_results->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, &SearchPanel::search);
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openRow(m_results->row(item)); });
    hide();
}

void SearchPanel::start() {
    show();
    raise();
    m_field->setFocus();
    m_field->selectAll();
    emit started();
    search();
}

void SearchPanel::leave() {
    hide();
    if (QWidget* window = parentWidget())
        window->setFocus();
}

void SearchPanel::refresh() {
    if (isVisible())
        search();
}

QString SearchPanel::note() const {
    return m_note->isVisible() ? m_note->text() : QString();
}

void SearchPanel::say(const QString& note) {
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

void SearchPanel::search() {
    m_results->clear();
    m_rows = {};
    const QString text = m_field->text();
    if (text.trimmed().isEmpty()) {
        say({});
        return;
    }
    if (!m_index) {
        say(QStringLiteral("The sound index cannot be opened."));
        return;
    }
    const auto query = parseSoundQuery(text);
    if (!query) {
        say(query.error());
        return;
    }
    m_rows = SearchRows(m_index->find(*query, SearchRows::kMostRows + 1));
    const bool more = m_rows.size() > SearchRows::kMostRows;
    QStringList texts = m_rows.texts();
    if (more)
        texts.resize(SearchRows::kMostRows);
    m_results->addItems(texts);
    if (m_rows.size() == 0)
        say(QStringLiteral("No sounds found."));
    else if (more)
        say(QStringLiteral("The first %1 sounds found; more words narrow the search.")
                .arg(SearchRows::kMostRows));
    else
        say({});
    m_results->setCurrentRow(0);
}

void SearchPanel::openRow(int row) {
    if (row < 0 || row >= m_rows.size())
        return;
    const QString path = m_rows.path(row);
    leave();
    m_openSound(path);
}

bool SearchPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        leave();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        openRow(m_results->currentRow());
        return true;
    }
    if (watched == m_field && (key == Qt::Key_Down || key == Qt::Key_Up)) {
        const int step = key == Qt::Key_Down ? 1 : -1;
        m_results->setCurrentRow(
            std::clamp(m_results->currentRow() + step, 0, std::max(0, m_results->count() - 1)));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
