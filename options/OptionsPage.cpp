#include "options/OptionsPage.h"

#include "core/Settings.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

COptionsPage::COptionsPage(OptionsContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {}

void COptionsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_initialised)
        return;
    OnInitDialog();
    m_initialised = true;
}

namespace {
const QString kCannotSave = QStringLiteral("Cannot save data.\r\nConfiguration error.");
} // namespace

bool COptionsPage::store(const keys::Number& key, int value, const PutBack& putBack) {
    return reportedWhenFailed(m_context.settings.write(key, value), putBack);
}

bool COptionsPage::store(const keys::Text& key, const QString& value, const PutBack& putBack) {
    return reportedWhenFailed(m_context.settings.write(key, value), putBack);
}

// The control goes back first, so that the page behind the message already shows the truth.
bool COptionsPage::reportedWhenFailed(bool written, const PutBack& putBack) {
    if (written)
        return true;
    if (putBack)
        putBack();
    m_context.ui.messageBox(kCannotSave, m_context.ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
    return false;
}

void COptionsPage::storeFlag(QAbstractButton& box, const keys::Number& key) {
    const bool on = box.isChecked();
    (void)store(key, on ? 1 : 0, [&box, on] { box.setChecked(!on); });
}

QLabel* pictureLabel(const QString& artName, QWidget* parent) {
    auto* label = new QLabel(parent);
    QSvgRenderer renderer(QStringLiteral(":/art/") + artName);
    if (!renderer.isValid())
        return label;
    QSize size = renderer.defaultSize();
    size.scale(32, 32, Qt::KeepAspectRatio);
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    label->setPixmap(picture);
    label->setFixedSize(32, 32);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
