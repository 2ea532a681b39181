#include "browser/CAboutDlg.h"

#include "browser/CTembrelDlg.h"
#include "platform/Launcher.h"
#include "widgets/CBitmapButton.h"
#include "widgets/ControlNames.h"

#include <QLabel>
#include <QPainter>

const QString CAboutDlg::kMailLink = QStringLiteral("mailto:author@tembrel.example.org");
const QString CAboutDlg::kHomePageLink = QStringLiteral("https://tembrel.example.org/");

CAboutDlg::CAboutDlg(IDesktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_desktop(desktop),
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

QLabel* CAboutDlg::makeLink(const QString& text, const QString& target, int x) {
    auto* link = new QLabel(this);
    link->setTextFormat(Qt::RichText);
    link->setText(QStringLiteral("<a href=\"%1\" style=\"color:#7fe6fa\">%2</a>")
                      .arg(target.toHtmlEscaped(), text.toHtmlEscaped()));
    link->setOpenExternalLinks(false);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setCursor(Qt::PointingHandCursor);
    link->setAccessibleName(text);
    link->setToolTip(target);
    link->adjustSize();
    link->move(x, 130 + (48 - link->height()) / 2);
    connect(link, &QLabel::linkActivated, this,
            [this](const QString& url) { (void)m_desktop.openDocument(url); });
    return link;
}

void CAboutDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_picture.isValid())
        m_picture.render(&painter, QRectF(0, 0, kWidth, kHeight));
}

void showAboutHidingWindow(CTembrelDlg& window, IDesktop& desktop) {
    // Hidden at the widget level: hiding the dialog itself would end the main window's run.
    window.QWidget::setVisible(false);
    CAboutDlg about(desktop, &window);
    about.exec();
    window.showNormal();
    window.activateWindow();
    window.update();
}

void showAbout(CTembrelDlg& window, IDesktop& desktop) {
    CAboutDlg about(desktop, &window);
    about.exec();
}
