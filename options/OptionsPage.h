#pragma once

#include <QWidget>

class ILinkOpener;
class IProgramPlaces;
class ISettings;
class IUi;
class QLabel;
namespace keys {
struct Number;
}

// What the pages of the options sheet reach: the data file, the boxes and pickers, the
// program's places and the links.
struct OptionsContext {
    ISettings& settings;
    IUi& ui;
    IProgramPlaces& places;
    ILinkOpener& links;
};

// A page of the options sheet. It reads its settings when it is first shown, so a page the
// user never opens reads and writes nothing.
class COptionsPage : public QWidget {
    Q_OBJECT
public:
    COptionsPage(OptionsContext& context, QWidget* parent);
    bool isInitialised() const { return m_initialised; }

protected:
    virtual void OnInitDialog() = 0;
    void showEvent(QShowEvent* event) override;
    // "1" or "0" for a check box.
    void writeFlag(const keys::Number& key, bool on);

    OptionsContext& m_context;

private:
    bool m_initialised = false;
};

// A static showing a picture of the program's art, at most 32 pixels on its longer side.
QLabel* pictureLabel(const QString& artName, QWidget* parent);
