#pragma once

#include <QColor>
#include <QCursor>
#include <QLabel>

class ILinkOpener;
class IUi;

// The program's own hand cursor for links (the pointing hand when its picture is missing).
QCursor programHandCursor();

// A static text that is a web link: underlined, coloured (link, visited, hover), a hand over
// it and the address as its tooltip. A click opens the address; a failure beeps and says why.
// With no address the text is the address; with no text the address is shown.
class CLinkLabel : public QLabel {
    Q_OBJECT
public:
    static const QColor kLinkColour;
    static const QColor kVisitedColour;

    CLinkLabel(ILinkOpener& opener, IUi& ui, const QString& text = {}, QWidget* parent = nullptr);

    void SetAddress(const QString& address);
    QString address() const { return m_address; }
    // An invalid hover colour stands for the system highlight colour.
    void SetLinkColours(const QColor& link, const QColor& visited, const QColor& hover = {});
    // A null cursor (Qt::BitmapCursor without a picture) stands for the pointing hand.
    void SetLinkCursor(const QCursor& cursor);
    void setUnderline(bool on);
    void setAdjustToFit(bool on);

    bool isVisited() const { return m_visited; }
    bool isHovering() const { return m_hovering; }
    QColor currentColour() const;
    // What a click does: open the address, then show it as visited or report the failure.
    void click();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyLook();
    void fitToText();
    void setHovering(bool on);

    ILinkOpener& m_opener;
    IUi& m_ui;
    QString m_address;
    QColor m_link = kLinkColour;
    QColor m_visitedColour = kVisitedColour;
    QColor m_hover;
    bool m_hovering = false;
    bool m_visited = false;
    bool m_underline = true;
    bool m_adjustToFit = true;
};
