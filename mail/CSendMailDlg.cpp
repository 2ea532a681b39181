#include "mail/CSendMailDlg.h"

#include "widgets/CEtchedLine.h"
#include "widgets/CIconButton.h"
#include "widgets/ControlNames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CSendMailDlg::CSendMailDlg(const QString& soundFile, const QString& to, QWidget* parent)
    : QDialog(parent), m_header(new QLabel(QStringLiteral("Sending sound ") + soundFile, this)),
      m_send(addButton(QStringLiteral("Send E-Mail"), QStringLiteral(":/art/mail.svg"))),
      m_close(addButton(QStringLiteral("Close"), QStringLiteral(":/art/close.svg"))),
      m_saveAddress(
          addButton(QStringLiteral("Save Address"), QStringLiteral(":/art/address.svg"))) {
    setWindowTitle(QStringLiteral(" Send Sound By E-Mail"));
    setModal(true);
    m_header->setAlignment(Qt::AlignCenter);
    m_header->setTextFormat(Qt::PlainText);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    m_to = addField(*grid, QStringLiteral("To:"), to);
    m_cc = addField(*grid, QStringLiteral("Cc:"), QString());
    m_subject =
        addField(*grid, QStringLiteral("Subject:"), QStringLiteral("Wave sound from Tembrel"));
    auto* line = new CEtchedLine(this);
    line->setFixedHeight(8);

    nameControl(*m_send, QStringLiteral("Send E-Mail"), QStringLiteral("Enter"));
    nameControl(*m_close, QStringLiteral("Close"), QStringLiteral("Esc"));
    nameControl(*m_saveAddress, QStringLiteral("Save Address"));
    m_send->setDefault(true);
    connect(m_send, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_saveAddress, &QPushButton::clicked, this, [this] {
        if (m_saveAddressTo)
            m_saveAddressTo(m_to->text());
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (CIconButton* button : {m_send, m_saveAddress, m_close})
        buttons->addWidget(button);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_header);
    layout->addLayout(grid);
    layout->addWidget(line);
    layout->addLayout(buttons);
    setMinimumWidth(380);
    m_to->setFocus();
}

QLineEdit* CSendMailDlg::addField(QGridLayout& grid, const QString& label, const QString& text) {
    const int row = grid.rowCount();
    auto* caption = new QLabel(label, this);
    auto* edit = new QLineEdit(text, this);
    caption->setBuddy(edit);
    nameControl(*edit, label.chopped(1));
    grid.addWidget(caption, row, 0);
    grid.addWidget(edit, row, 1);
    return edit;
}

CIconButton* CSendMailDlg::addButton(const QString& caption, const QString& icon) {
    auto* button = new CIconButton(caption, this);
    button->SetIcons(icon);
    button->SetAlign(1);
    button->setMinimumSize(96, 58);
    button->setAutoDefault(false);
    return button;
}

void CSendMailDlg::setSaveAddress(std::function<void(const QString&)> saveAddress) {
    m_saveAddressTo = std::move(saveAddress);
}

QString CSendMailDlg::to() const {
    return m_to->text();
}

QString CSendMailDlg::cc() const {
    return m_cc->text();
}

QString CSendMailDlg::subject() const {
    return m_subject->text();
}

QString CSendMailDlg::header() const {
    return m_header->text();
}
