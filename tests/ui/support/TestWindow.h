// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window over the real file system, with scripted message boxes, a recording shell and a fresh
// data folder; events run through the real pump, as in the program.
#include "platform/fakes/FakeEmbeddedDates.h"
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/RecordingShell.h"
#include "platform/fakes/ScriptedFileDialogs.h"
#include "platform/fakes/ScriptedMessageBoxes.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/qt/QtMessagePump.h"
#include "platform/qt/QtTranslator.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"

#include <QStringList>
#include <QWidget>
#include <memory>
#include <string>

class QTreeWidget;
class QTreeWidgetItem;

namespace varnolt {

class TestWindow {
  public:
    TestWindow();

    // The control of that object name; fails the test program when there is none.
    template <typename Control> Control* Find(const char* name) const {
        auto* control = window->findChild<Control*>(QLatin1String(name));
        if (!control) qFatal("no control named %s", name);
        return control;
    }
    // A source-list row, as the Folder and Files buttons add it.
    void AddSource(const std::string& path);
    // The navigation entry of that caption; fails the test program when there is not exactly one.
    QTreeWidgetItem* Entry(const QString& caption) const;
    // Makes it the current entry, as a click does.
    void SelectEntry(const QString& caption) const;

    PosixFileSystem fs;
    ScriptedMessageBoxes boxes;
    QtMessagePump pump;
    RecordingShell shell;
    MemorySettingsStore settings;
    ScriptedFileDialogs dialogs;
    FakeEmbeddedDates dates;
    QtTranslator engineTexts; // Qt's translation, as the program has it
    TempDir data;
    std::unique_ptr<MainWindow> window;
};

// The captions of a list's rows, top to bottom.
QStringList Rows(const QTreeWidget* list);

// Every test program runs in one locale, whatever the machine's.
void UseTestLocale();

} // namespace varnolt
