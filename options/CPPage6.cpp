#include "options/CPPage6.h"

#include "core/Settings.h"
#include "platform/NativeName.h"
#include "platform/SettingsStore.h"
#include "platform/Ui.h"
#include "widgets/CIconButton.h"
#include "widgets/ControlNames.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

CPPage6::CPPage6(OptionsContext& context, QWidget* parent)
    : COptionsPage(context, parent), m_copyTo(new QLineEdit(this)), m_addFrom(new QLineEdit(this)),
      m_copyToButton(new CIconButton({}, this)), m_addFromButton(new CIconButton({}, this)),
      m_indexDepth(new QSpinBox(this)) {
    auto* page = new QVBoxLayout(this);
    page->addWidget(makeGroup(QStringLiteral("Copy To "), m_copyTo, m_copyToButton,
                              QStringLiteral("copyu.svg")));
    page->addWidget(makeGroup(QStringLiteral("Add From"), m_addFrom, m_addFromButton,
                              QStringLiteral("insertu.svg")));
    page->addWidget(makeIndexGroup());
    page->addStretch();
    nameControl(*m_copyTo, QStringLiteral("Copy To folder"));
    nameControl(*m_addFrom, QStringLiteral("Add From folder"));
    nameControl(*m_copyToButton, QStringLiteral("Choose Copy To folder"));
    nameControl(*m_addFromButton, QStringLiteral("Choose Add From folder"));
    // Tab goes through each group in turn: its folder, then its button.
    setTabOrder(m_copyTo, m_copyToButton);
    setTabOrder(m_copyToButton, m_addFrom);
    setTabOrder(m_addFrom, m_addFromButton);
    setTabOrder(m_addFromButton, m_indexDepth);
    connect(m_copyToButton, &QAbstractButton::clicked, this,
            [this] { pickFolder(*m_copyTo, keys::kCopyToFolder); });
    connect(m_addFromButton, &QAbstractButton::clicked, this,
            [this] { pickFolder(*m_addFrom, keys::kAddFromFolder); });
}

QWidget* CPPage6::makeGroup(const QString& title, QLineEdit* edit, CIconButton* button,
                            const QString& picture) {
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Choose default directory:"), group), 0, 0, 1, 2);
    edit->setReadOnly(true);
    button->SetIcons(QStringLiteral(":/art/browse.svg"));
    button->SetFlat(false);
    grid->addWidget(edit, 1, 0);
    grid->addWidget(button, 1, 1);
    grid->addWidget(pictureLabel(picture, group), 0, 2, 2, 1);
    return group;
}

QWidget* CPPage6::makeIndexGroup() {
    auto* group = new QGroupBox(QStringLiteral("Sound Index"), this);
    auto* grid = new QGridLayout(group);
    auto* label = new QLabel(QStringLiteral("Search subfolders this deep:"), group);
    label->setBuddy(m_indexDepth);
    m_indexDepth->setRange(0, 64); // what the index takes
    nameControl(*m_indexDepth, QStringLiteral("Index depth"));
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_indexDepth, 0, 1);
    connect(m_indexDepth, &QSpinBox::valueChanged, this, &CPPage6::storeIndexDepth);
    return group;
}

void CPPage6::storeIndexDepth(int depth) {
    if (!isInitialised())
        return;
    store(keys::kIndexDepth, depth, [this] {
        const QSignalBlocker quiet(m_indexDepth);
        m_indexDepth->setValue(m_context.settings.read(keys::kIndexDepth));
    });
}

// The Add From folder shows as stored too, so the page tells the whole truth about both.
void CPPage6::OnInitDialog() {
    m_copyTo->setText(
        readReported(m_context.settings, m_context.ui, keys::kCopyToFolder, MsgIcon::None));
    const QString addFrom = m_context.settings.read(keys::kAddFromFolder);
    if (addFrom != settings::kMissing)
        m_addFrom->setText(addFrom);
    const QSignalBlocker quiet(m_indexDepth);
    m_indexDepth->setValue(m_context.settings.read(keys::kIndexDepth));
}

// The edit shows the new folder only once it is stored.
void CPPage6::pickFolder(QLineEdit& edit, const keys::Text& key) {
    const std::optional<QString> folder = m_context.ui.browseForFolder(
        {QStringLiteral("My Computer"), QStringLiteral("Select default folder")});
    if (!folder)
        return;
    if (!nativename::isStorableText(*folder)) {
        m_context.ui.messageBox(
            QStringLiteral("The folder \"%1\" cannot be kept as a default folder: its name is "
                           "not UTF-8 text.\nRename the folder or choose another one.")
                .arg(nativename::shown(*folder)),
            m_context.ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (!store(key, *folder, {}))
        return;
    edit.setText(*folder);
}
