#pragma once

#include <QObject>
#include <QPointer>

class CFavoritesDlg;
class CommandTable;
struct FeatureContext;
class IBrowserWindow;
class IProgramPlaces;
class ISettings;
class IUi;
class IWindowFrame;

// The Favorites command: stops what plays and opens a new Favorites window (the one from an
// earlier use goes). The folder it hands over becomes the main window's folder, without the
// add-to-favorites prompt.
class FavoritesCommand : public QObject {
    Q_OBJECT
public:
    FavoritesCommand(CommandTable& commands, const FeatureContext& context);
    ~FavoritesCommand() override;

    // The open (or last, hidden) Favorites window, if any.
    CFavoritesDlg* dialog() const;

private:
    void showFavorites();
    void openFavorite();

    IUi& m_ui;
    ISettings& m_settings;
    const IProgramPlaces& m_places;
    IBrowserWindow& m_window;
    IWindowFrame& m_frame;
    QPointer<CFavoritesDlg> m_dialog;
};
