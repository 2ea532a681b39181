#pragma once

#include "platform/Ui.h"
#include "tests/support/QtPrinters.h"

#include <QStringList>
#include <deque>
#include <vector>

// A scripted IUi: records every box and picker it is asked for and answers from a queue.
// A box that finds no scripted answer fails the test (and answers Cancel).
struct UiCall {
    enum class Kind { Message, OpenFile, Folder } kind = Kind::Message;
    QString text; // message text, dialog title or folder instruction
    QString caption;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString startFolder;
    QString filter = {}; // a file picker's: "Wave Sounds (*.wav)"
};

class FakeUi final : public IUi {
public:
    explicit FakeUi(QString title = QStringLiteral("tembrel")) : m_title(std::move(title)) {}
    ~FakeUi() override;

    FakeUi& answer(MsgResult result);
    FakeUi& answerOpenFile(std::optional<QString> path);
    FakeUi& answerFolder(std::optional<QString> folder);
    // Every message box answers this when the queue is empty (for tests that do not care).
    void setDefaultAnswer(MsgResult result) { m_defaultAnswer = result; }

    const std::vector<UiCall>& calls() const { return m_calls; }
    QStringList messageTexts() const;
    void clear() { m_calls.clear(); }
    bool allAnswersUsed() const;

    MsgResult messageBox(const QString& text, const QString& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    std::optional<QString> openFileName(const OpenFileRequest& request) override;
    std::optional<QString> browseForFolder(const FolderRequest& request) override;
    QString appTitle() const override { return m_title; }

private:
    QString m_title;
    std::deque<MsgResult> m_messageAnswers;
    std::deque<std::optional<QString>> m_fileAnswers;
    std::deque<std::optional<QString>> m_folderAnswers;
    std::optional<MsgResult> m_defaultAnswer;
    std::vector<UiCall> m_calls;
};
