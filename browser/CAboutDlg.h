#pragma once

#include <QDialog>
#include <QSvgRenderer>

class IDesktop;
class CBitmapButton;
class CTembrelDlg;
class QLabel;

// The About box: the program's picture over the whole box, an OK picture button and two
// links (mail to the author, the home page) opened by the desktop.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 366;
    static constexpr int kHeight = 179;
    static const QString kMailLink;
    static const QString kHomePageLink;

    CAboutDlg(IDesktop& desktop, QWidget* parent);

    QLabel& mailLink() const { return *m_mail; }
    QLabel& homePageLink() const { return *m_homePage; }
    CBitmapButton& okButton() const { return *m_ok; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* makeLink(const QString& text, const QString& target, int x);

    IDesktop& m_desktop;
    QSvgRenderer m_picture;
    QLabel* m_mail;
    QLabel* m_homePage;
    CBitmapButton* m_ok;
};

// From the menu: the main window is hidden while the box is open, then shown and redrawn.
void showAboutHidingWindow(CTembrelDlg& window, IDesktop& desktop);
// From the window's system menu: the main window stays as it is.
void showAbout(CTembrelDlg& window, IDesktop& desktop);
