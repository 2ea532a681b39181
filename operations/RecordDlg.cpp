#include "operations/RecordDlg.h"

#include "widgets/CBitmapButton.h"
#include "widgets/CGradientBar.h"
#include "widgets/ControlNames.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimerEvent>

namespace {

constexpr QSize kDialogSize(300, 90);
const QString kDeviceProblem = QStringLiteral("Device problem was detected. Cannot record.");

} // namespace

CRecordDlg::CRecordDlg(const QString& recordFile, int recordSeconds, IUi& ui,
                       std::unique_ptr<IRecordingDevice> device, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_recordFile(recordFile),
      m_recordSeconds(recordSeconds), m_ui(ui),
      m_recorder(std::make_unique<CWaveRecorder>(std::move(device), recordFile)) {
    setWindowTitle(QStringLiteral("Record"));
    setFixedSize(kDialogSize);
    buildControls();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    startRecording();
    m_bar->setStartColor(QColor(0, 171, 205));
    m_bar->setEndColor(QColor(200, 0, 0));
    m_bar->setBackgroundColor(QColor(41, 41, 41));
    m_bar->setShowPercentage(false);
    m_bar->SetRange(1, 2 * m_recordSeconds);
    m_bar->SetStep(1);
    m_bar->SetPos(0);
    m_timer.start(kRecordTickMs, Qt::PreciseTimer, this);
}

CRecordDlg::~CRecordDlg() = default;

// The picture leaves its bottom strip plain for the bar and the two buttons.
void CRecordDlg::buildControls() {
    m_picture = new QSvgRenderer(QStringLiteral(":/art/record.svg"), this);
    m_bar = new CGradientBar(this);
    m_bar->setGeometry(10, 68, 214, 14);
    m_stop = new CBitmapButton(QStringLiteral("Stop"), QDialog::Accepted, this);
    m_stop->move(236, 63);
    m_delete = new CBitmapButton(QStringLiteral("Delete"), QDialog::Rejected, this);
    m_delete->move(268, 65);
    nameControl(*m_bar, QStringLiteral("Elapsed time"));
    nameControl(*m_stop, QStringLiteral("Stop and save"), QStringLiteral("Enter"));
    nameControl(*m_delete, QStringLiteral("Delete recording"), QStringLiteral("Esc"));
    connect(m_stop, &QAbstractButton::clicked, this, &CRecordDlg::stopRecording);
    connect(m_delete, &QAbstractButton::clicked, this, &CRecordDlg::deleteRecording);
}

// A device that does not open stays silent now: the bar runs and Stop reports the problem.
void CRecordDlg::startRecording() {
    if (!m_recorder->Open())
        return;
    if (AudioResult started = m_recorder->Record(m_recordSeconds * 1000); !started)
        m_ui.messageBox(started.error(), m_ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
}

void CRecordDlg::timerTick() {
    if (m_finished)
        return;
    if (m_ticks > 2 * m_recordSeconds) {
        stopRecording();
        return;
    }
    ++m_ticks;
    m_bar->StepIt();
}

void CRecordDlg::stopRecording() {
    if (m_finished)
        return;
    --m_ticks;
    m_timer.stop();
    if (!m_recorder->Stop()) {
        reportDeviceProblem();
        return;
    }
    const AudioResult saved = m_recorder->Save();
    m_recorder->Close();
    if (!saved)
        m_ui.messageBox(saved.error(), m_ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
    emit recordDone();
    finish(Accepted);
}

void CRecordDlg::reportDeviceProblem() {
    m_ui.messageBox(kDeviceProblem, QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Stop);
    m_recorder->Close();
    emit recordCancelled();
    finish(Rejected);
}

void CRecordDlg::deleteRecording() {
    if (m_finished)
        return;
    m_recorder->Close();
    m_timer.stop();
    m_recorder.reset();
    emit recordCancelled();
    finish(Rejected);
}

void CRecordDlg::finish(DialogCode code) {
    m_finished = true;
    done(code);
}

void CRecordDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_timer.timerId())
        timerTick();
    else
        QDialog::timerEvent(event);
}

void CRecordDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        stopRecording();
        return;
    case Qt::Key_Escape:
        deleteRecording();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CRecordDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_picture->isValid())
        m_picture->render(&painter, QRectF(QPointF(0, 0), QSizeF(kDialogSize)));
    else
        painter.fillRect(rect(), QColor(14, 16, 18));
}
