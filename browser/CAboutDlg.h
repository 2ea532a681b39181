#pragma once

#include <QDialog>
#include <QSvgRenderer>

class CBitmapButton;
class CLinkLabel;
class CTembrelDlg;
class ILinkOpener;
class IUi;

// The About box: the program's picture over the whole box, an OK picture button and two
// links (mail to the author, the home page).
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 366;
    static constexpr int kHeight = 179;
    static const QString kMailLink;
    static const QString kHomePageLink;

    CAboutDlg(ILinkOpener& links, IUi& ui, QWidget* parent);

    CLinkLabel& mailLink() const { return *m_mail; }
    CLinkLabel& homePageLink() const { return *m_homePage; }
    CBitmapButton& okButton() const { return *m_ok; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CLinkLabel* makeLink(const QString& text, const QString& target, int x);

    ILinkOpener& m_links;
    IUi& m_ui;
    QSvgRenderer m_picture;
    CLinkLabel* m_mail;
    CLinkLabel* m_homePage;
    CBitmapButton* m_ok;
};

// From the menu: the main window is hidden while the box is open, then shown and redrawn.
void showAboutHidingWindow(CTembrelDlg& window, ILinkOpener& links, IUi& ui);
// From the window's system menu: the main window stays as it is.
void showAbout(CTembrelDlg& window, ILinkOpener& links, IUi& ui);
