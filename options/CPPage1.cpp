#include "options/CPPage1.h"

#include "platform/Ui.h"
#include "widgets/CIconButton.h"
#include "widgets/ControlNames.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

CPPage1::CPPage1(OptionsContext& context, QWidget* parent)
    : COptionsPage(context, parent), m_name(new QLineEdit(this)), m_editor(new QLineEdit(this)),
      m_browse(new CIconButton({}, this)) {
    auto* directory = new QGroupBox(QStringLiteral("Tembrel Main Directory"), this);
    auto* directoryGrid = new QGridLayout(directory);
    auto* nameLabel = new QLabel(QStringLiteral("Enter new name:"), directory);
    nameLabel->setBuddy(m_name);
    directoryGrid->addWidget(nameLabel, 0, 0);
    directoryGrid->addWidget(m_name, 1, 0);
    directoryGrid->addWidget(pictureLabel(QStringLiteral("tembrel.svg"), directory), 0, 1, 2, 1);

    auto* editor = new QGroupBox(QStringLiteral("External Wave Editor"), this);
    auto* editorGrid = new QGridLayout(editor);
    auto* editorLabel = new QLabel(QStringLiteral("Wave editor program:"), editor);
    editorLabel->setBuddy(m_editor);
    m_editor->setReadOnly(true);
    m_browse->SetIcons(QStringLiteral(":/art/browse.svg"));
    m_browse->SetFlat(false);
    nameControl(*m_name, QStringLiteral("Main directory name"));
    nameControl(*m_editor, QStringLiteral("Wave editor program"));
    nameControl(*m_browse, QStringLiteral("Choose wave editor"));
    editorGrid->addWidget(editorLabel, 0, 0, 1, 2);
    editorGrid->addWidget(m_editor, 1, 0);
    editorGrid->addWidget(m_browse, 1, 1);
    editorGrid->addWidget(pictureLabel(QStringLiteral("properties.svg"), editor), 0, 2, 2, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(directory);
    page->addWidget(editor);
    page->addStretch();
    connect(m_browse, &QAbstractButton::clicked, this, &CPPage1::chooseEditor);
}

void CPPage1::OnInitDialog() {}

void CPPage1::setMainDirectoryName(const QString& name) {
    m_name->setText(name);
}

QString CPPage1::mainDirectoryName() const {
    return m_name->text();
}

void CPPage1::setEditorPath(const QString& path) {
    m_editorPath = path;
    m_editor->setText(path);
}

// Linux programs have no ".exe": the picker lists the files the user may run.
void CPPage1::chooseEditor() {
    OpenFileRequest request;
    request.title = QStringLiteral("Choose wav editor program");
    request.filterName = QStringLiteral("Program files");
    request.pattern = QStringLiteral("*");
    request.executablesOnly = true;
    const QFileInfo current(m_editorPath);
    request.startFolder =
        current.isAbsolute() ? current.absolutePath() : QStringLiteral("/usr/bin");
    const std::optional<QString> chosen = m_context.ui.openFileName(request);
    if (!chosen)
        return;
    const QFileInfo program(*chosen);
    if (!program.isFile() || !program.isExecutable()) {
        m_context.ui.messageBox(QStringLiteral("%1\n\nis not a program.").arg(*chosen),
                                m_context.ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    setEditorPath(program.absoluteFilePath());
}
