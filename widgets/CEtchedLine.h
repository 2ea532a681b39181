#pragma once

#include <QWidget>

// A separator drawn as an etched line: vertical when the control is narrower than it is tall,
// otherwise horizontal with its caption (if any) set into the line.
class CEtchedLine : public QWidget {
    Q_OBJECT
public:
    explicit CEtchedLine(QWidget* parent = nullptr, const QString& text = {});

    void setText(const QString& text);
    QString text() const { return m_text; }
    // Qt::AlignLeft (default), Qt::AlignHCenter or Qt::AlignRight for the caption.
    void setAlignment(Qt::Alignment alignment);
    // Off: "&" is shown as it is instead of marking a mnemonic.
    void setMnemonics(bool on);
    bool isVertical() const { return width() < height(); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawCaption(QPainter& painter) const;

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    bool m_mnemonics = true;
};
