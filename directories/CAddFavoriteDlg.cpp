#include "directories/CAddFavoriteDlg.h"

#include "core/Settings.h"
#include "directories/FavoriteTexts.h"
#include "directories/FavoritesList.h"
#include "widgets/CColorLabel.h"
#include "widgets/CEtchedLine.h"
#include "widgets/CIconButton.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

bool addFavoritePromptWanted(const ISettings& settings) {
    return settings.read(keys::kAddToFavoritesPrompt) != 0;
}

CAddFavoriteDlg::CAddFavoriteDlg(QString folder, ISettings& settings, IUi& ui, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_folder(std::move(folder)),
      m_settings(settings), m_ui(ui), m_yes(new CIconButton(QStringLiteral("Yes, please"), this)),
      m_no(new CIconButton(QStringLiteral("No, thank you"), this)),
      m_dontShow(new QCheckBox(QStringLiteral("Don't show this message again"), this)) {
    setWindowTitle(QStringLiteral("Add to Favorites?"));
    setModal(true);
    m_yes->SetIcons(QStringLiteral(":/art/ok_hover.svg"), QStringLiteral(":/art/ok.svg"));
    m_no->SetIcons(QStringLiteral(":/art/cancel_hover.svg"), QStringLiteral(":/art/cancel.svg"));
    m_yes->setDefault(true);
    m_yes->setToolTip(QStringLiteral("Add this folder to your favourites (Enter)"));
    m_no->setToolTip(QStringLiteral("Do not add it (Esc)"));
    m_dontShow->setToolTip(QStringLiteral("Stop asking after opening a folder"));
    connect(m_yes, &QPushButton::clicked, this, &CAddFavoriteDlg::onYes);
    connect(m_no, &QPushButton::clicked, this, &CAddFavoriteDlg::reject);
    connect(m_dontShow, &QCheckBox::clicked, this, &CAddFavoriteDlg::storeCheckBox);
    buildLayout();
}

void CAddFavoriteDlg::buildLayout() {
    auto* heading = new CColorLabel(QStringLiteral("Add to Favorites?"), this);
    heading->SetTextColour(QColor(0xE6, 0xE6, 0xE6));
    heading->SetBackColour(Qt::black);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setPixelSize(12);
    bold.setBold(true);
    heading->setFont(bold);
    heading->setMinimumHeight(40);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(buttons);
    layout->addWidget(new CEtchedLine(this));
    layout->addWidget(m_dontShow);
    setMinimumWidth(280);
    // Without a caption the dialog draws its own frame.
    setStyleSheet(QStringLiteral("CAddFavoriteDlg { border: 2px outset palette(mid); }"));
}

void CAddFavoriteDlg::storeCheckBox() {
    if (!m_settings.write(keys::kAddToFavoritesPrompt, m_dontShow->isChecked() ? 0 : 1))
        m_ui.messageBox(QStringLiteral("The choice could not be stored: the data file cannot be "
                                       "written."),
                        m_ui.appTitle(), MsgButtons::Ok, MsgIcon::Stop);
}

void CAddFavoriteDlg::onYes() {
    storeCheckBox();
    addFolder();
    accept();
}

void CAddFavoriteDlg::reject() {
    storeCheckBox();
    QDialog::reject();
}

void CAddFavoriteDlg::addFolder() {
    if (const std::optional<QString> reason = favorites::whyNotStorable(m_folder)) {
        m_ui.messageBox(*reason, m_ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    switch (favorites::append(m_settings, m_folder)) {
    case favorites::AppendOutcome::LastEntryMissing:
        m_ui.messageBox(settings::kMissing, m_ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
        break;
    case favorites::AppendOutcome::WriteFailed:
        m_ui.messageBox(kAddNotSaved, m_ui.appTitle(), MsgButtons::Ok, MsgIcon::Stop);
        break;
    case favorites::AppendOutcome::Added:
    case favorites::AppendOutcome::AlreadyStored:
        break;
    }
}
