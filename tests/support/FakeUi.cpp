#include "tests/support/FakeUi.h"

#include <gtest/gtest.h>

static std::optional<QString> takeFront(std::deque<std::optional<QString>>& queue) {
    const bool answered = queue.front().has_value();
    const QString value = answered ? *queue.front() : QString();
    queue.pop_front();
    if (!answered)
        return std::nullopt;
    return value;
}

FakeUi::~FakeUi() {
    EXPECT_TRUE(allAnswersUsed()) << "scripted answers left over: a box the test expected "
                                     "was never shown";
}

FakeUi& FakeUi::answer(MsgResult result) {
    m_messageAnswers.push_back(result);
    return *this;
}

FakeUi& FakeUi::answerOpenFile(std::optional<QString> path) {
    m_fileAnswers.push_back(std::move(path));
    return *this;
}

FakeUi& FakeUi::answerFolder(std::optional<QString> folder) {
    m_folderAnswers.push_back(std::move(folder));
    return *this;
}

bool FakeUi::allAnswersUsed() const {
    return m_messageAnswers.empty() && m_fileAnswers.empty() && m_folderAnswers.empty();
}

QStringList FakeUi::messageTexts() const {
    QStringList texts;
    for (const UiCall& call : m_calls)
        if (call.kind == UiCall::Kind::Message)
            texts << call.text;
    return texts;
}

MsgResult FakeUi::messageBox(const QString& text, const QString& caption, MsgButtons buttons,
                             MsgIcon icon) {
    m_calls.push_back({UiCall::Kind::Message, text, caption, buttons, icon, {}});
    if (!m_messageAnswers.empty()) {
        const MsgResult result = m_messageAnswers.front();
        m_messageAnswers.pop_front();
        return result;
    }
    if (m_defaultAnswer)
        return *m_defaultAnswer;
    ADD_FAILURE() << "unexpected message box: " << text.toStdString() << " ["
                  << caption.toStdString() << "]";
    return MsgResult::Cancel;
}

std::optional<QString> FakeUi::openFileName(const OpenFileRequest& request) {
    m_calls.push_back(
        {UiCall::Kind::OpenFile,
         request.title,
         {},
         MsgButtons::Ok,
         MsgIcon::None,
         request.startFolder,
         request.filterName + QStringLiteral(" (") + request.pattern + QLatin1Char(')')});
    if (m_fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected open-file dialog: " << request.title.toStdString();
        return std::nullopt;
    }
    return takeFront(m_fileAnswers);
}

std::optional<QString> FakeUi::browseForFolder(const FolderRequest& request) {
    m_calls.push_back({UiCall::Kind::Folder,
                       request.instruction,
                       {},
                       MsgButtons::Ok,
                       MsgIcon::None,
                       request.startFolder});
    if (m_folderAnswers.empty()) {
        ADD_FAILURE() << "unexpected folder picker: " << request.instruction.toStdString();
        return std::nullopt;
    }
    return takeFront(m_folderAnswers);
}
