#pragma once

#include <QWidget>
#include <functional>

class ILinkOpener;
class IProgramPlaces;
class ISettings;
class IUi;
class QAbstractButton;
class QLabel;
namespace keys {
struct Number;
}
namespace settings {
struct Key;
}

// What the pages of the options sheet reach: the data file, the boxes and pickers, the
// program's places and the links.
struct OptionsContext {
    ISettings& settings;
    IUi& ui;
    const IProgramPlaces& places;
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
    // Stores a change the moment it is made. When the data file refuses it, putBack returns the
    // control to what the file holds and the failure is reported.
    using PutBack = std::function<void()>;
    bool store(const keys::Number& key, int value, const PutBack& putBack);
    bool store(const settings::Key& key, const QString& value, const PutBack& putBack);
    // "1" for a ticked box, "0" for a cleared one; the box goes back when that cannot be stored.
    void storeFlag(QAbstractButton& box, const keys::Number& key);

    OptionsContext& m_context;

private:
    bool reportedWhenFailed(bool written, const PutBack& putBack);

    bool m_initialised = false;
};

// A static showing a picture of the program's art, at most 32 pixels on its longer side.
QLabel* pictureLabel(const QString& artName, QWidget* parent);
