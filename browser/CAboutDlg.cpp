#include "browser/CAboutDlg.h"

#include "browser/CTembrelDlg.h"
#include "platform/LinkOpener.h"
#include "widgets/CBitmapButton.h"
#include "widgets/CLinkLabel.h"
#include "widgets/ControlNames.h"

#include <QPainter>

const QString CAboutDlg::kMailLink = QStringLiteral("mailto:author@tembrel.example.org");
const QString CAboutDlg::kHomePageLink = QStringLiteral("https://tembrel.example.org/");

CAboutDlg::CAboutDlg(ILinkOpener& links, IUi& ui, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_links(links), m_ui(ui),
      m_picture(QStringLiteral(":/art/about.svg")),
      m_mail(makeLink(QStringLiteral("Mail to author"), kMailLink, 18)),
      m_homePage(makeLink(QStringLiteral("Tembrel Home Page"), kHomePageLink, 130)),
      m_ok(new CBitmapButton(QStringLiteral("OK"), 1, this)) {
    setWindowTitle(QStringLiteral("About Tembrel"));
    setFixedSize(kWidth, kHeight);
    // The picture leaves its bottom band plain for the links and the button.
    m_ok->move(kWidth - m_ok->width() - 16, 130 + (48 - m_ok->height()) / 2);
    nameControl(*m_ok, QStringLiteral("OK"), QStringLiteral("Enter"));
    connect(m_ok, &QAbstractButton::clicked, this, &QDialog::accept);
}

// Light links on the picture's dark band; a visited link keeps its colour.
CLinkLabel* CAboutDlg::makeLink(const QString& text, const QString& target, int x) {
    const QColor onDark(0x7f, 0xe6, 0xfa);
    auto* link = new CLinkLabel(m_links, m_ui, text, this);
    link->SetLinkColours(onDark, onDark, QColor(Qt::white));
    link->SetLinkCursor(programHandCursor());
    link->setAccessibleName(text);
    link->move(x, 130);
    link->SetAddress(target);
    link->move(x, 130 + (48 - link->height()) / 2);
    return link;
}

void CAboutDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_picture.isValid())
        m_picture.render(&painter, QRectF(0, 0, kWidth, kHeight));
}

void showAboutHidingWindow(CTembrelDlg& window, ILinkOpener& links, IUi& ui) {
    // Hidden at the widget level: hiding the dialog itself would end the main window's run.
    window.QWidget::setVisible(false);
    CAboutDlg about(links, ui, &window);
    about.exec();
    window.showNormal();
    window.activateWindow();
    window.update();
}

void showAbout(CTembrelDlg& window, ILinkOpener& links, IUi& ui) {
    CAboutDlg about(links, ui, &window);
    about.exec();
}
