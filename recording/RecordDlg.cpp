#include "recording/RecordDlg.h"

#include "widgets/CBitmapButton.h"
#include "widgets/CGradientBar.h"
#include "widgets/CVuNeedle.h"
#include "widgets/ControlNames.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
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
    buildMeter();
}

// The needle swings over the picture's VU scale, pivoting at (122, 56); the recorded time
// stands beside "REC".
void CRecordDlg::buildMeter() {
    const CVuNeedle::Shape shape{QPointF(54, 50), 37.0, 44.0, 3.2, QColor(0xff, 0x6a, 0x5a)};
    m_needle = new CVuNeedle(shape, this);
    m_needle->setGeometry(68, 6, 108, 53);
    m_needle->setAngle(m_meter.needleAngle());
    nameControl(*m_needle, QStringLiteral("Input level"));
    m_time = new QLabel(elapsedText(0), this);
    m_time->setGeometry(248, 14, 48, 16);
    m_time->setStyleSheet(
        QStringLiteral("color: #e9f8fb; font-weight: bold; font-size: 11px; background: none;"));
    m_time->setToolTip(QStringLiteral("Recorded time"));
    m_time->setAccessibleDescription(QStringLiteral("Recorded time"));
}

// A device that does not open is reported as soon as the dialog runs (its signals are
// connected by then), rather than after a recording that never was.
void CRecordDlg::startRecording() {
    if (!m_recorder->Open()) {
        QTimer::singleShot(0, this, [this] {
            if (!m_finished)
                reportDeviceProblem();
        });
        return;
    }
    if (AudioResult started = m_recorder->Record(m_recordSeconds * 1000); !started) {
        m_ui.messageBox(started.error(), m_ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    m_sinceStart.start();
    m_meterTimer.start(kMeterTickMs, this);
}

void CRecordDlg::meterTick() {
    if (m_finished || !m_recorder || !m_recorder->isRecording())
        return;
    const qint64 now = m_sinceStart.elapsed();
    m_meter.update(m_recorder->takePeakLevel(), int(now - m_lastMeterMs));
    m_lastMeterMs = now;
    m_needle->setAngle(m_meter.needleAngle());
    // The device stops by itself at the limit.
    m_time->setText(elapsedText(std::min<qint64>(now, qint64(m_recordSeconds) * 1000)));
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
    m_meterTimer.stop();
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
    m_timer.stop();
    m_meterTimer.stop();
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
    m_meterTimer.stop();
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
    else if (event->timerId() == m_meterTimer.timerId())
        meterTick();
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
