#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class CIconButton;

// The modal " Send Sound By E-Mail" dialog: To, Cc and Subject for one sound. "Send E-Mail"
// (the default button) accepts; "Close" and Escape reject; "Save Address" hands the To field
// to saveAddress and leaves the dialog open.
class CSendMailDlg : public QDialog {
    Q_OBJECT
public:
    // soundFile: the sound's file name ("Bell.wav").
    CSendMailDlg(const QString& soundFile, const QString& to, QWidget* parent = nullptr);

    void setSaveAddress(std::function<void(const QString&)> saveAddress);

    QString to() const;
    QString cc() const;
    QString subject() const;
    QString header() const;

    QLineEdit& toEdit() const { return *m_to; }
    QLineEdit& ccEdit() const { return *m_cc; }
    QLineEdit& subjectEdit() const { return *m_subject; }
    CIconButton& sendButton() const { return *m_send; }
    CIconButton& closeButton() const { return *m_close; }
    CIconButton& saveAddressButton() const { return *m_saveAddress; }

private:
    QLineEdit* addField(class QGridLayout& grid, const QString& label, const QString& text);
    CIconButton* addButton(const QString& caption, const QString& icon);

    QLabel* m_header;
    QLineEdit* m_to = nullptr;
    QLineEdit* m_cc = nullptr;
    QLineEdit* m_subject = nullptr;
    CIconButton* m_send;
    CIconButton* m_close;
    CIconButton* m_saveAddress;
    std::function<void(const QString&)> m_saveAddressTo;
};
