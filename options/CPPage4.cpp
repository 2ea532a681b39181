#include "options/CPPage4.h"

#include "browser/CursorThemes.h"
#include "core/Settings.h"
#include "platform/CursorFiles.h"
#include "widgets/CColorLabel.h"
#include "widgets/CHoverCombo.h"
#include "widgets/ControlNames.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <initializer_list>
#include <iterator>

namespace {

constexpr int kPreviewSize = 32;

// A preview-sized transparent picture with `draw` painted on it, antialiased.
template <typename Draw> QPixmap drawnPicture(Draw draw) {
    QPixmap picture(kPreviewSize, kPreviewSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return picture;
}

QPainterPath polygon(std::initializer_list<QPointF> corners) {
    QPainterPath path(*corners.begin());
    for (auto corner = std::next(corners.begin()); corner != corners.end(); ++corner)
        path.lineTo(*corner);
    path.closeSubpath();
    return path;
}

QPixmap cursorPicture(const QString& path) {
    const std::optional<CursorAnimation> cursor = loadCursorFile(path);
    if (!cursor || cursor->frames.isEmpty())
        return {};
    return cursor->frames.first().pixmap();
}

} // namespace

QPixmap systemArrowPicture() {
    return drawnPicture([](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawPath(
            polygon({{1, 1}, {1, 18}, {5.5, 14}, {9, 21}, {12, 19.5}, {8.5, 13}, {14, 13}}));
    });
}

QPixmap systemBusyPicture() {
    return drawnPicture([](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 1.2));
        painter.setBrush(QColor(255, 236, 160));
        painter.drawPath(polygon({{8, 4}, {22, 4}, {15, 15}, {22, 26}, {8, 26}, {15, 15}}));
        painter.setBrush(Qt::black);
        painter.drawRect(QRectF(6, 2, 18, 2));
        painter.drawRect(QRectF(6, 26, 18, 2));
    });
}

CPPage4::CPPage4(OptionsContext& context, QWidget* parent)
    : COptionsPage(context, parent), m_themes(new CHoverCombo(this)), m_normal(new QLabel(this)),
      m_busy(new QLabel(this)),
      m_note(new CColorLabel(
          QStringLiteral("NOTE: you must restart the program to changes takes effect"), this)) {
    for (int n = 1; n <= kCursorThemeCount; ++n)
        m_themes->addItem(QString::fromLatin1(cursorTheme(n)->listText));
    m_themes->setCurrentIndex(-1);
    nameControl(*m_themes, QStringLiteral("Cursor theme"));
    nameControl(*m_normal, QStringLiteral("Normal cursor preview"));
    nameControl(*m_busy, QStringLiteral("Think cursor preview"));
    for (QLabel* preview : {m_normal, m_busy}) {
        preview->setFixedSize(kPreviewSize + 8, kPreviewSize + 8);
        preview->setAlignment(Qt::AlignCenter);
        preview->setFrameShape(QFrame::StyledPanel);
    }
    m_note->SetTextColour(QColor(0x2D, 0x8C, 0x2E));
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setWordWrap(true);

    auto* group = new QGroupBox(QStringLiteral("Cursors"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Choose cursor theme:"), group), 0, 0, 1, 4);
    grid->addWidget(m_themes, 1, 0, 1, 4);
    grid->addWidget(pictureLabel(QStringLiteral("hand.svg"), group), 0, 4, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Nornal Cursor:"), group), 2, 0);
    grid->addWidget(m_normal, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Think Cursor:"), group), 2, 2);
    grid->addWidget(m_busy, 2, 3);

    auto* page = new QVBoxLayout(this);
    page->addWidget(group);
    page->addWidget(m_note);
    page->addStretch();
    connect(m_themes, &QComboBox::currentIndexChanged, this, &CPPage4::chooseTheme);
}

void CPPage4::OnInitDialog() {
    m_storedTheme = m_context.settings.read(keys::kCursorTheme);
    m_themes->setCurrentIndex(cursorTheme(m_storedTheme) ? m_storedTheme - 1 : -1);
    preview(m_storedTheme);
}

void CPPage4::chooseTheme(int row) {
    if (!isInitialised() || row < 0)
        return;
    preview(row + 1);
    if (store(keys::kCursorTheme, row + 1, [this] { showStoredTheme(); }))
        m_storedTheme = row + 1;
}

void CPPage4::showStoredTheme() {
    const QSignalBlocker quiet(m_themes);
    m_themes->setCurrentIndex(cursorTheme(m_storedTheme) ? m_storedTheme - 1 : -1);
    preview(m_storedTheme);
}

// A file that cannot be read leaves its preview empty; so does a theme that does not exist.
void CPPage4::preview(int theme) {
    m_normal->clear();
    m_busy->clear();
    const CursorTheme* found = cursorTheme(theme);
    if (!found)
        return;
    if (!found->normalFile) {
        m_normal->setPixmap(systemArrowPicture());
        m_busy->setPixmap(systemBusyPicture());
        return;
    }
    const auto show = [this](QLabel& preview, const char* file) {
        const QPixmap picture =
            cursorPicture(m_context.places.cursorFile(QString::fromLatin1(file)));
        if (!picture.isNull())
            preview.setPixmap(picture);
    };
    show(*m_normal, found->normalFile);
    show(*m_busy, found->busyFile);
}
