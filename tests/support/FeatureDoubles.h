#pragma once

#include "core/BrowserView.h"
#include "core/CWavePlayer.h"
#include "core/FeatureContext.h"
#include "core/Settings.h"
#include "platform/FileSystem.h"
#include "platform/LinkOpener.h"
#include "platform/Services.h"
#include "tests/support/FakeAudio.h"
#include "tests/support/FakeFolders.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/FakeMailTransport.h"
#include "tests/support/FakeUi.h"

#include <QTemporaryDir>

// Quiet stand-ins for the parts of a FeatureContext that a test of one feature does not
// watch; the test hands in its own for the rest.
struct QuietFeatureParts {
    class EmptyList final : public ISoundList {
    public:
        int rowCount() const override { return 0; }
        SoundRow row(int) const override { return {}; }
        int selectedRow() const override { return -1; }
        void selectRow(int) override {}
        int addRow(const SoundRow&) override { return 0; }
        void removeRow(int) override {}
    };

    class NoLinks final : public ILinkOpener {
    public:
        int OpenLink(const QString&) override { return 0; }
    };

    FakeUi ui;
    FakePlaybackDevice playback;
    FakeSoundPlayer sounds;
    LocalFileSystem files;
    FakeLauncher launcher;
    FakeDesktop desktop;
    Services services{ui, playback, sounds, files, launcher, desktop, {}, {}};
    CWavePlayer player{playback, sounds, ui};
    EmptyList list;
    QTemporaryDir programDir;
    DataFileSettings settings{programDir.path() + QStringLiteral("/")};
    MainSettings startValues;
    NoLinks links;
    FakeFolders folders;
    FakeMailTransport mail;
    SharedParts shared;
};
