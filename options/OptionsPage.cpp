#include "options/OptionsPage.h"

#include "core/Settings.h"

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

void COptionsPage::writeFlag(const keys::Number& key, bool on) {
    (void)m_context.settings.write(key, on ? 1 : 0);
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
