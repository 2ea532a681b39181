#include "schemes/CSchemeBuilderDlg.h"

#include "platform/Launcher.h"
#include "platform/ProgramDirectory.h"
#include "platform/Ui.h"
#include "platform/audio/AudioDevices.h"
#include "schemes/CSchemeNameDlg.h"
#include "schemes/DefaultSound.h"
#include "schemes/EventTable.h"
#include "schemes/SchemeContext.h"
#include "widgets/CHoverCombo.h"
#include "widgets/CHoverEdit.h"
#include "widgets/CIconButton.h"
#include "widgets/ControlNames.h"
#include "widgets/SyncPlay.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kFolderHint = QStringLiteral(" Use sounds from current folder only");

// Positions are laid out in dialog units: a quarter of the font's average character width
// across, an eighth of its height down.
class DialogUnits {
public:
    explicit DialogUnits(const QWidget& widget)
        : m_x(widget.fontMetrics().averageCharWidth() / 4.0),
          m_y(widget.fontMetrics().height() / 8.0) {}
    QRect rect(int x, int y, int w, int h) const {
        return {qRound(x * m_x), qRound(y * m_y), qRound(w * m_x), qRound(h * m_y)};
    }

private:
    double m_x;
    double m_y;
};

// The flat edit with only its frame drawn; it shows the row's file name and takes no typing.
QLineEdit* makeRowEdit(QWidget* parent) {
    auto* edit = new CHoverEdit(parent);
    edit->setLeftRidges(false);
    edit->setRightRidge(false);
    edit->setReadOnly(true);
    return edit;
}

QComboBox* makeRowCombo(QWidget* parent) {
    auto* combo = new CHoverCombo(parent);
    for (const EventSlot& slot : kEventSlots)
        combo->addItem(QLatin1String(slot.caption));
    combo->setCurrentIndex(-1); // no event until the user picks one
    return combo;
}

QFrame* frame(QWidget* parent, QRect rect) {
    auto* box = new QFrame(parent);
    box->setFrameStyle(QFrame::Box | QFrame::Sunken);
    box->setGeometry(rect);
    return box;
}

} // namespace

CSchemeBuilderDlg::CSchemeBuilderDlg(SchemeContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setWindowTitle(QStringLiteral(" Belvane 2.0"));
    const DialogUnits du(*this);
    setFixedSize(du.rect(0, 0, 362, 265).size());
    frame(this, du.rect(7, 3, 348, 16));
    m_folderText = new QLabel(kFolderHint, this);
    m_folderText->setGeometry(du.rect(10, 5, 342, 12));
    m_folderText->setAccessibleName(QStringLiteral("Folder"));
    buildRows();
    frame(this, du.rect(7, 213, 348, 48));
    buildCommandButtons();
}

CSchemeBuilderDlg::~CSchemeBuilderDlg() = default;

void CSchemeBuilderDlg::buildRows() {
    const DialogUnits du(*this);
    for (int r = 0; r < kRowCount; ++r) {
        Row& row = m_rows[size_t(r)];
        const int y = 21 + 16 * r;
        const QString number = QString::number(r + 1);
        row.open = new CIconButton(QStringLiteral("Open..."), this);
        row.open->SetIcons(QStringLiteral(":/art/scheme_open.svg"));
        row.open->setGeometry(du.rect(14, y, 54, 12));
        nameControl(*row.open, QStringLiteral("Open... ") + number);
        row.edit = makeRowEdit(this);
        row.edit->setGeometry(du.rect(72, y, 133, 12));
        nameControl(*row.edit, QStringLiteral("Sound ") + number);
        row.combo = makeRowCombo(this);
        row.combo->setGeometry(du.rect(209, y, 82, 12));
        nameControl(*row.combo, QStringLiteral("Event ") + number);
        row.play = new CIconButton(QStringLiteral("Play"), this);
        row.play->SetIcons(QStringLiteral(":/art/scheme_play.svg"));
        row.play->setGeometry(du.rect(295, y, 54, 12));
        nameControl(*row.play, QStringLiteral("Play ") + number);
        connect(row.open, &QPushButton::clicked, this, [this, r] { chooseSound(r); });
        connect(row.play, &QPushButton::clicked, this, [this, r] { playRow(r); });
    }
}

// The five buttons below the rows, left to right, each as wide as its caption needs.
CIconButton* CSchemeBuilderDlg::commandButton(const QString& caption, const QString& icon,
                                              int column) {
    static constexpr int kLeft[] = {10, 90, 178, 248, 302};
    static constexpr int kWidth[] = {76, 84, 66, 50, 50};
    auto* button = new CIconButton(caption, this);
    button->SetIcons(icon);
    button->SetAlign(1);
    button->setGeometry(DialogUnits(*this).rect(kLeft[column], 221, kWidth[column], 32));
    nameControl(*button, caption, column == 4 ? QStringLiteral("Esc") : QString());
    return button;
}

void CSchemeBuilderDlg::buildCommandButtons() {
    connect(commandButton(QStringLiteral("Build Theme File"), ":/art/scheme_theme.svg", 0),
            &QPushButton::clicked, this, [this] { confirmBuild(true); });
    connect(commandButton(QStringLiteral("Build Registry Script"), ":/art/scheme_script.svg", 1),
            &QPushButton::clicked, this, [this] { confirmBuild(false); });
    connect(commandButton(QStringLiteral("Help me please!"), ":/art/scheme_help.svg", 2),
            &QPushButton::clicked, this, &CSchemeBuilderDlg::openHelp);
    connect(commandButton(QStringLiteral("About"), ":/art/scheme_about.svg", 3),
            &QPushButton::clicked, this, &CSchemeBuilderDlg::showAbout);
    connect(commandButton(QStringLiteral("Close"), ":/art/scheme_close.svg", 4),
            &QPushButton::clicked, this, &QDialog::reject);
    for (auto* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
}

SchemeRow CSchemeBuilderDlg::row(int r) const {
    const Row& row = m_rows[size_t(r)];
    return {row.file, row.path, row.combo->currentText()};
}

QList<SchemeRow> CSchemeBuilderDlg::rows() const {
    QList<SchemeRow> all;
    for (int r = 0; r < kRowCount; ++r)
        all.append(row(r));
    return all;
}

void CSchemeBuilderDlg::chooseSound(int r) {
    m_folderText->setText(QLatin1Char(' ') + m_folder.toUpper());
    const auto chosen =
        m_context.ui.openFileName({QStringLiteral("Choose sound"), QStringLiteral("Wave Sounds"),
                                   QStringLiteral("*.wav"), m_folder});
    Row& row = m_rows[size_t(r)];
    row.path = chosen.value_or(QString());
    row.file = chosen ? pathhelp::fileName(*chosen) : QString(); // Cancel clears the row
    row.edit->setText(row.file);
}

void CSchemeBuilderDlg::playRow(int r) {
    const Row& row = m_rows[size_t(r)];
    if (row.file.isEmpty() || m_playing)
        return;
    const QString path =
        QFileInfo(row.path).isFile() ? row.path : defaultSoundPath(m_context.registry);
    if (path.isEmpty())
        return;
    m_playing = true;
    playSyncUntilEscape(m_context.sounds, path, *this);
    m_playing = false;
}

void CSchemeBuilderDlg::confirmBuild(bool theme) {
    if (m_context.ui.messageBox(QStringLiteral("Are you sure you want to create new sound scheme?"),
                                QStringLiteral("Confirm to create new sound scheme"),
                                MsgButtons::OkCancel, MsgIcon::Question) != MsgResult::Ok)
        return;
    if (theme)
        openNameDialog(new CThemeNameDlg(this), true);
    else
        openNameDialog(new CScriptNameDlg(this), false);
}

// Each press adds a dialog; an earlier one stays open, and each builds with its own name.
void CSchemeBuilderDlg::openNameDialog(CSchemeNameDlg* dialog, bool theme) {
    connect(
        dialog, &CSchemeNameDlg::buildRequested, this,
        [this, theme](const QString& name) {
            if (theme)
                BuildThemeFile(name);
            else
                BuildRegistryScript(name);
        },
        Qt::QueuedConnection);
    dialog->showWithDefaultName();
}

void CSchemeBuilderDlg::BuildThemeFile(const QString& themeName) {
    m_themeName = themeName;
    SchemeBuildServices services = m_context.buildServices();
    buildThemeFile(m_themeName, rows(), services);
}

void CSchemeBuilderDlg::BuildRegistryScript(const QString& scriptName) {
    m_scriptName = scriptName;
    SchemeBuildServices services = m_context.buildServices();
    buildRegistryScript(m_scriptName, m_folder, rows(), services);
}

void CSchemeBuilderDlg::openHelp() {
    if (!m_context.desktop.openDocument(m_context.helpPage))
        m_context.ui.messageBox(
            QStringLiteral("The help page could not be opened: %1 found no program (xdg-open) "
                           "to show %2.")
                .arg(m_context.ui.appTitle(), m_context.helpPage),
            m_context.ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
    update();
}

void CSchemeBuilderDlg::showAbout() {
    m_context.ui.messageBox(QStringLiteral("\tBelvane\n\tVersion 2.0"),
                            QStringLiteral("About Belvane 2.0"), MsgButtons::Ok,
                            MsgIcon::Information);
}

void CSchemeBuilderDlg::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QPushButton*>(focusWidget())) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The name dialogs go with the window: a build of a closed builder would surprise.
void CSchemeBuilderDlg::done(int result) {
    for (auto* dialog : findChildren<CSchemeNameDlg*>())
        dialog->close();
    QDialog::done(result);
}
