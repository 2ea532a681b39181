#pragma once

#include "library/SearchRows.h"
#include "library/SoundIndex.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;

// The search over the whole collection, laid over the folder's list: a field that finds as
// the user types and the sounds found, each with its folder. Enter or a double click opens the
// sound's folder with it selected; Escape goes back to the folder view.
class SearchPanel : public QWidget {
    Q_OBJECT
public:
    using OpenSound = std::function<void(const QString& path)>;
    // index may be missing (it could not be opened): the panel then says so.
    SearchPanel(ISoundIndex* index, OpenSound openSound, QWidget* parent);

    // Shows the panel with the field ready for typing.
    void start();
    // Hides it: the folder view shows again.
    void leave();
    // Searches again for what the field holds (the index has changed).
    void refresh();

    QLineEdit& field() { return *m_field; }
    QListWidget& results() { return *m_results; }
    QString note() const;

signals:
    void started();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void openRow(int row);
    void say(const QString& note);

    ISoundIndex* m_index;
    OpenSound m_openSound;
    SearchRows m_rows;
    QLineEdit* m_field;
    QListWidget* m_results;
    QLabel* m_note;
};
