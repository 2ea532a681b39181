#include "browser/CTembrelDlg.h"

#include "browser/CursorThemes.h"
#include "browser/FolderWatcher.h"
#include "browser/StatusDisplay.h"
#include "browser/StripPanel.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/FolderScan.h"
#include "platform/CursorFiles.h"
#include "platform/NativeName.h"
#include "platform/ProgramDirectory.h"
#include "widgets/CBitmapButton.h"
#include "widgets/ControlNames.h"
#include "widgets/SortedListBox.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimerEvent>
#include <QWindow>

namespace {

// Button placement in dialog units of the window's layout (1 unit = 1.5 px across,
// 1.625 px down for the window's 8-point face).
struct ButtonPlace {
    int id;
    const char* caption; // names the button's pictures
    int x;
    int y;
    const char* name; // what a person calls it
    const char* key;  // the key that does the same, if any
};

constexpr ButtonPlace kButtons[] = {
    {cmd::Menu, "Menu", 3, 1, "Menu", "F10, Alt"},
    {cmd::Volume, "Volume", 200, 47, "Volume", ""},
    {cmd::RecordVolume, "Recordc", 200, 67, "Record volume", ""},
    {cmd::Help, "Help", 208, 3, "Help", "F1"},
    {cmd::Minimize, "Minimize", 215, 3, "Minimize", ""},
    {cmd::Close, "Close", 222, 3, "Close", "Esc"},
    {cmd::Prev, "Prev", 15, 125, "Previous", ""},
    {cmd::Play, "Play", 33, 125, "Play", "Enter, Space"},
    {cmd::Next, "Next", 52, 125, "Next", ""},
    {cmd::Stop, "Stop", 71, 125, "Stop", "Space"},
    {cmd::PlayLoop, "Rev", 90, 125, "Loop", ""},
    {cmd::Record, "Record", 108, 125, "Record", ""},
    {cmd::Open, "Open", 127, 125, "Open folder", "Ctrl+O"},
    {cmd::CopyTo, "Copy", 156, 125, "Copy to folder", ""},
    {cmd::Delete, "Delete", 174, 125, "Delete", "Del"},
    {cmd::Insert, "Insert", 192, 125, "Insert", "Ins"},
    {cmd::Rename, "Rename", 210, 125, "Rename", "F2"},
};

// Tab goes from the list along the row under it, up the right side, then the top row from
// the Menu button to Close, and back to the list.
constexpr int kTabOrder[] = {
    cmd::Prev,         cmd::Play,   cmd::Next,   cmd::Stop,     cmd::PlayLoop, cmd::Record,
    cmd::Open,         cmd::CopyTo, cmd::Delete, cmd::Insert,   cmd::Rename,   cmd::Volume,
    cmd::RecordVolume, cmd::Menu,   cmd::Help,   cmd::Minimize, cmd::Close};

QPoint fromDialogUnits(int x, int y) {
    return QPoint(x * 3 / 2, y * 13 / 8);
}

} // namespace

CTembrelDlg::CTembrelDlg(const MainSettings& startValues, const IProgramPlaces& places,
                         const CommandTable& commands, Services& services, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), m_places(places), m_commands(commands),
      m_services(services), m_cursorTheme(startValues.cursorTheme),
      m_flatScrollBar(startValues.flatScrollBar == 1),
      m_soundFiles(startValues.allSounds == 1 ? SoundFiles::All : SoundFiles::Wav) {
    m_watcher = new FolderWatcher(this);
    connect(m_watcher, &FolderWatcher::folderChanged, this, [this] {
        followFolder();
        emit folderChangedOnDisk(m_currentFolder);
    });
    m_currentFolder = places.mainDirectory();
    ScanFolder(m_currentFolder);

    setWindowTitle(QStringLiteral("Tembrel"));
    setWindowIcon(QIcon(QStringLiteral(":/art/tembrel.svg")));
    applyChildColours();
    setFixedSize(kWidth, kHeight);
    m_background = std::make_unique<QSvgRenderer>(QStringLiteral(":/art/background.svg"));
    m_player = std::make_unique<CWavePlayer>(services.playback, services.sounds, services.ui);
    m_player->Open(m_currentSoundPath);
    buildList();
    buildButtons();
    fillListFromNames();
    m_list->setCurSel(0);
    UpdateStatus();
    loadCursors();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

CTembrelDlg::~CTembrelDlg() {
    releaseOwned();
}

void CTembrelDlg::buildList() {
    m_list = new SortedListBox(this);
    m_list->setGeometry(QRect(fromDialogUnits(20, 19), QSize(192, 132)));
    m_list->setMaximumHeightInWholeRows(132);
    m_list->setObjectName(QStringLiteral("soundList"));
    nameControl(*m_list, QStringLiteral("Sounds"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (m_flatScrollBar) {
        m_flatBars.Initialize(m_list);
        m_flatBars.EnableBar(Qt::Horizontal | Qt::Vertical, true);
    }
    connect(m_list, &SortedListBox::currentSelectionChanged, this,
            &CTembrelDlg::onSelectionChanged);
    // The link spells the file system's bytes, so a name that is not UTF-8 is dragged too.
    m_list->setDragFiles([this](int row) {
        return QUrl::fromEncoded("file://" +
                                 nativename::encode(rowPath(row)).toPercentEncoding("/"));
    });
    connect(m_list, &SortedListBox::rowDoubleClicked, this, [this] { onCommand(cmd::Play); });
}

// Every child control draws white text on black.
void CTembrelDlg::applyChildColours() {
    QPalette colours = palette();
    for (QPalette::ColorRole role :
         {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button})
        colours.setColor(role, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, Qt::white);
    colours.setColor(QPalette::Light, QColor(70, 70, 70));
    colours.setColor(QPalette::Mid, QColor(45, 45, 45));
    colours.setColor(QPalette::Dark, QColor(25, 25, 25));
    colours.setColor(QPalette::Highlight, QColor(0, 171, 205));
    colours.setColor(QPalette::HighlightedText, Qt::black);
    setPalette(colours);
}

void CTembrelDlg::buildButtons() {
    for (const ButtonPlace& place : kButtons) {
        auto* button = new CBitmapButton(QString::fromLatin1(place.caption), place.id, this);
        button->move(fromDialogUnits(place.x, place.y));
        nameControl(*button, QString::fromLatin1(place.name), QString::fromLatin1(place.key));
        // The keyboard reaches every button with Tab; a click leaves the focus where it was.
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QAbstractButton::clicked, this, [this, id = place.id] { onCommand(id); });
        m_buttons[place.id] = button;
    }
    QWidget* previous = m_list;
    for (const int id : kTabOrder) {
        setTabOrder(previous, m_buttons.at(id));
        previous = m_buttons.at(id);
    }
}

CBitmapButton* CTembrelDlg::button(int id) const {
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

bool CTembrelDlg::hasCommand(int id) const {
    return m_commands.contains(id);
}

void CTembrelDlg::onCommand(int id) {
    m_commands.run(id);
}

void CTembrelDlg::paintEvent(QPaintEvent*) {
    readStatus(); // a change on disk shows at the next paint
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_background->isValid())
        m_background->render(&painter, QRectF(0, 0, kWidth, kHeight));
    if (!m_bottomStrip.isNull())
        strippanel::paint(painter, rect(), kHeight, m_bottomStrip);
    // The face asked for is 7 units high; on screen that is the smallest size that stays
    // readable, so the lines are drawn 10 pixels high.
    statusdisplay::paint(painter, m_statusLine1, m_statusLine2);
}

void CTembrelDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    // A press on the free area moves the whole window while the button is held.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CTembrelDlg::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging)
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void CTembrelDlg::mouseReleaseEvent(QMouseEvent*) {
    m_dragging = false;
}

void CTembrelDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        onCommand(cmd::Play);
        return;
    case Qt::Key_Escape:
        onCommand(cmd::Exit);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CTembrelDlg::addBottomStrip(QWidget& control, int height) {
    control.setParent(this);
    control.setPalette(palette());
    m_bottomStrip = strippanel::stripPlace(kWidth, kHeight, height);
    control.setGeometry(m_bottomStrip);
    control.show();
    setFixedSize(kWidth, kHeight + strippanel::extraHeight(height));
}

void CTembrelDlg::setDropHandler(std::function<void(const QStringList&)> handler) {
    m_dropHandler = std::move(handler);
    setAcceptDrops(bool(m_dropHandler));
}

// Files from elsewhere only: a row or a region dragged onto its own window changes nothing.
void CTembrelDlg::dragEnterEvent(QDragEnterEvent* event) {
    const auto* from = qobject_cast<const QWidget*>(event->source());
    const bool fromHere = from && (from == this || isAncestorOf(from));
    if (event->mimeData()->hasUrls() && !fromHere)
        event->acceptProposedAction();
}

void CTembrelDlg::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    event->acceptProposedAction();
    if (m_dropHandler && !files.isEmpty())
        m_dropHandler(files);
}

void CTembrelDlg::closeEvent(QCloseEvent* event) {
    releaseOwned();
    QDialog::closeEvent(event);
}

void CTembrelDlg::releaseOwned() {
    m_playAllTimer.stop();
    m_soundingTimer.stop();
    m_cursorTimer.stop();
    if (m_player)
        m_player->Close();
}

void CTembrelDlg::loadCursors() {
    const CursorTheme* theme = cursorTheme(m_cursorTheme);
    if (!theme)
        return; // the platform's cursor shows
    if (!theme->normalFile) {
        m_normalCursor = QCursor(Qt::ArrowCursor);
        m_busyCursor = QCursor(Qt::WaitCursor);
        m_hasNormalCursor = true;
        setCursor(m_normalCursor);
        return;
    }
    const auto normal = loadCursorFile(m_places.cursorFile(QLatin1String(theme->normalFile)));
    const auto busy = loadCursorFile(m_places.cursorFile(QLatin1String(theme->busyFile)));
    if (busy && !busy->frames.isEmpty())
        m_busyCursor = busy->frames.first(); // long operations block the loop: no animation
    else
        m_busyCursor = QCursor(Qt::WaitCursor);
    if (!normal || normal->frames.isEmpty())
        return;
    m_normalFrames = normal->frames;
    m_normalCursor = m_normalFrames.first();
    m_hasNormalCursor = true;
    setCursor(m_normalCursor);
    if (m_normalFrames.size() > 1 && normal->intervalMs > 0)
        m_cursorIntervalMs = normal->intervalMs;
    animateCursor(underMouse());
}

// The frames only move while the cursor shows, so an idle window does not wake the program.
void CTembrelDlg::animateCursor(bool shown) {
    if (shown && m_cursorIntervalMs > 0)
        m_cursorTimer.start(m_cursorIntervalMs, this);
    else
        m_cursorTimer.stop();
}

void CTembrelDlg::enterEvent(QEnterEvent* event) {
    animateCursor(true);
    QDialog::enterEvent(event);
}

void CTembrelDlg::leaveEvent(QEvent* event) {
    animateCursor(false);
    QDialog::leaveEvent(event);
}

void CTembrelDlg::hideEvent(QHideEvent* event) {
    animateCursor(false);
    QDialog::hideEvent(event);
}

void CTembrelDlg::nextCursorFrame() {
    m_cursorFrame = (m_cursorFrame + 1) % int(m_normalFrames.size());
    setCursor(m_normalFrames[m_cursorFrame]);
}

void CTembrelDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_playAllTimer.timerId())
        playAllTick();
    else if (event->timerId() == m_soundingTimer.timerId())
        showSounding(false, m_player->isLooping());
    else if (event->timerId() == m_cursorTimer.timerId())
        nextCursorFrame();
    else
        QDialog::timerEvent(event);
}
