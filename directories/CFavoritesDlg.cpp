#include "directories/CFavoritesDlg.h"

#include "directories/CNewDirDlg.h"
#include "widgets/CEtchedLine.h"
#include "widgets/CHoverList.h"
#include "widgets/CIconButton.h"
#include "widgets/ControlNames.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString kTips = QStringLiteral(
    " Tips: to create new folder click Create button, to\n specify new favorite click Browse, to "
    "remove link\n from list click Remove, to activate folder from list\n click Open button.");

// The title pictures: the cold one, and the one shown while the pointer is over either.
const QString kLeftTitle = QStringLiteral(":/art/favorites_title.svg");
const QString kLeftTitleHot = QStringLiteral(":/art/favorites_title_hot.svg");
const QString kRightTitle = QStringLiteral(":/art/favorites_badge.svg");
const QString kRightTitleHot = QStringLiteral(":/art/favorites_badge_hot.svg");

CIconButton* makeButton(const QString& text, const QString& hoverIcon, const QString& normalIcon,
                        QWidget* parent) {
    auto* button = new CIconButton(text, parent);
    button->SetIcons(hoverIcon, normalIcon);
    button->setMinimumWidth(140);
    return button;
}

} // namespace

CFavoritesDlg::CFavoritesDlg(IUi& ui, ISettings& settings, const IProgramPlaces& places,
                             QWidget* parent)
    : QDialog(parent), m_ui(ui), m_settings(settings), m_places(places),
      m_list(new CHoverList(this)),
      m_open(makeButton(QStringLiteral("Open this folder"), QStringLiteral(":/art/ok_hover.svg"),
                        QStringLiteral(":/art/ok.svg"), this)),
      m_close(makeButton(QStringLiteral("Close Favorites"),
                         QStringLiteral(":/art/cancel_hover.svg"),
                         QStringLiteral(":/art/cancel.svg"), this)),
      m_browse(makeButton(QStringLiteral("Browse"), QStringLiteral(":/art/fav_browse_hover.svg"),
                          QStringLiteral(":/art/fav_browse.svg"), this)),
      m_remove(makeButton(QStringLiteral("Remove item"),
                          QStringLiteral(":/art/fav_remove_hover.svg"),
                          QStringLiteral(":/art/fav_remove.svg"), this)),
      m_create(makeButton(QStringLiteral("Create new"), QStringLiteral(":/art/fav_new_hover.svg"),
                          QStringLiteral(":/art/fav_new.svg"), this)),
      m_titleLeft(new QLabel(this)), m_titleRight(new QLabel(this)) {
    setWindowTitle(QStringLiteral(" Favorites"));
    setWindowIcon(QIcon(QStringLiteral(":/art/favorites.svg")));
    setModal(false);
    m_open->setDefault(true);
    nameControl(*m_list, QStringLiteral("Favorite folders"));
    m_list->setToolTip(QStringLiteral("Your favourite folders; double click one to open it"));
    m_open->setToolTip(QStringLiteral("Show the selected folder's sounds in the main window"));
    m_close->setToolTip(QStringLiteral("Close without storing the changes (Esc)"));
    m_browse->setToolTip(QStringLiteral("Add a folder that holds sounds"));
    m_remove->setToolTip(QStringLiteral("Take the selected folder off the list"));
    m_create->setToolTip(QStringLiteral("Make a new folder and add it to the list"));
    connect(m_open, &QPushButton::clicked, this, &CFavoritesDlg::onOpen);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_browse, &QPushButton::clicked, this, &CFavoritesDlg::onBrowse);
    connect(m_remove, &QPushButton::clicked, this, &CFavoritesDlg::onRemove);
    connect(m_create, &QPushButton::clicked, this, &CFavoritesDlg::onCreateNew);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CFavoritesDlg::onOpen);
    buildLayout();
    setLook();
    loadList();
}

CFavoritesDlg::~CFavoritesDlg() = default;

void CFavoritesDlg::buildLayout() {
    m_titleLeft->setAccessibleName(QStringLiteral("Favorites title"));
    m_titleRight->setAccessibleName(QStringLiteral("Favorites picture"));
    for (QLabel* title : {m_titleLeft, m_titleRight})
        title->installEventFilter(this);
    setTitlesHot(false);

    auto* titles = new QHBoxLayout;
    titles->addWidget(m_titleLeft);
    titles->addStretch(1);
    titles->addWidget(m_titleRight);
    auto* tips = new QLabel(kTips, this);
    auto* left = new QVBoxLayout;
    left->addLayout(titles);
    left->addWidget(m_list, 1);
    left->addWidget(tips);

    auto* group = new QGroupBox(this);
    auto* buttons = new QVBoxLayout(group);
    for (CIconButton* button : {m_open, m_close, m_browse, m_remove, m_create})
        buttons->addWidget(button);
    buttons->addStretch(1);

    auto* line = new CEtchedLine(this);
    line->setFixedWidth(13);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(line);
    layout->addWidget(group);
    resize(520, 300);
}

// White on black for the window and every control that asks the window for its colours; the
// icon buttons and the etched line keep their own.
void CFavoritesDlg::setLook() {
    QPalette look = palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        look.setColor(role, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        look.setColor(role, Qt::white);
    setPalette(look);
    setAutoFillBackground(true);
}

bool CFavoritesDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_titleLeft || watched == m_titleRight) {
        if (event->type() == QEvent::Enter)
            setTitlesHot(true);
        else if (event->type() == QEvent::Leave)
            setTitlesHot(false);
    }
    return QDialog::eventFilter(watched, event);
}

void CFavoritesDlg::setTitlesHot(bool hot) {
    m_titlesHot = hot;
    m_titleLeft->setPixmap(loadSvgPicture(hot ? kLeftTitleHot : kLeftTitle));
    m_titleRight->setPixmap(loadSvgPicture(hot ? kRightTitleHot : kRightTitle));
}
