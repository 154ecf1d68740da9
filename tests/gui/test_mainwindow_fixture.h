#pragma once

// Shared by the main window tests: a window whose modal about and options windows are
// replaced by counters, a settings store in memory, PCG files written into a temporary
// folder, and key presses that go through the window's key map.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "mainwindow/FormMain.h"
#include "settings/IniStore.h"
#include "settings/SettingsTable.h"
#include "tools/fixtures/PcgFixture.h"

namespace velmar::testing {

class TestFormMain : public TFormMain {
  public:
    int aboutShown = 0;
    QWidget* aboutOwner = reinterpret_cast<QWidget*>(1);
    int optionsShown = 0;

  protected:
    void RunAboutWindow(QWidget* owner) override {
        ++aboutShown;
        aboutOwner = owner;
    }
    void RunOptionsDialog() override { ++optionsShown; }
};

// A fresh in-memory settings store, installed for the lifetime of the object.
class MemorySettings {
  public:
    MemorySettings() : store_(std::make_unique<MemoryBackend>()) {
        previous_ = InstallIniStore(&store_);
    }
    ~MemorySettings() { InstallIniStore(previous_); }
    MemorySettings(const MemorySettings&) = delete;
    MemorySettings& operator=(const MemorySettings&) = delete;

    // Writes a value where the program keeps its settings, as a previous run would have.
    void Put(const QString& name, const QString& value) {
        (void)store_.Backend().Write(QStringLiteral("Software\\Velmar\\Main"), name, value);
    }
    [[nodiscard]] QString Stored(const QString& name) {
        return store_.Backend().Read(QStringLiteral("Software\\Velmar\\Main"), name);
    }
    IniStore& Store() { return store_; }

  private:
    IniStore store_;
    IniStore* previous_ = nullptr;
};

// Raw bytes of a file.
inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline QString WritePcg(const QString& path, const fixtures::PcgImage& image) {
    const auto error = fixtures::WriteBytes(path.toStdString(), image.bytes);
    if (error) qFatal("cannot write fixture %s", error->c_str());
    return path;
}

// Sends a key press and release to `widget` after giving it the focus, as a user would.
inline void PressKey(QWidget* widget, Qt::Key key,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    widget->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    QTest::keyClick(widget, key, modifiers);
}

// A window created with `arguments`, shown, with its first-start step run.
inline std::unique_ptr<TestFormMain> StartWindow(const QStringList& arguments) {
    auto form = std::make_unique<TestFormMain>();
    form->FormCreate(arguments);
    form->show();
    QApplication::processEvents();
    form->TimerFirstStartTimer();
    form->activateWindow();
    QApplication::processEvents();
    return form;
}

inline void UseTestLocations() {
    QStandardPaths::setTestModeEnabled(true);
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace velmar::testing
