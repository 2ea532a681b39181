#pragma once

#include <QDialog>

class CIconButton;
class ISettings;
class IUi;
class QCheckBox;

// The captionless "Add to Favorites?" prompt shown after the main window opened a folder.
// "Yes, please" appends the folder to the stored favourites; "No, thank you", Escape and the
// close box add nothing. The check box switches the prompt off ("Show"/"Atf" 0) and is stored on
// every click and on either answer; a ticked box does not stop "Yes, please" from adding.
class CAddFavoriteDlg : public QDialog {
    Q_OBJECT
public:
    CAddFavoriteDlg(QString folder, ISettings& settings, IUi& ui, QWidget* parent = nullptr);

    QString folder() const { return m_folder; }
    QCheckBox& dontShowBox() const { return *m_dontShow; }
    CIconButton& yesButton() const { return *m_yes; }
    CIconButton& noButton() const { return *m_no; }

    void reject() override;

private:
    void buildLayout();
    void onYes();
    void storeCheckBox();
    void addFolder();

    QString m_folder;
    ISettings& m_settings;
    IUi& m_ui;
    CIconButton* m_yes;
    CIconButton* m_no;
    QCheckBox* m_dontShow;
};

// Whether the main window's Open is followed by the prompt ("Show"/"Atf" not 0; default 1).
bool addFavoritePromptWanted(const ISettings& settings);
