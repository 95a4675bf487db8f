// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures the main window after a preview of a small sample folder:
// `varnolt_screenshot <file.png> [points [method]]`, the font at that size when given (0: the desktop's), as
// a user's style sheet sets it, and the panel of that method ("date", "name", "number", "type", "size")
// shown, in the language LANGUAGE names. Run under Xvfb by `make screenshot`.
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/ScriptedFileDialogs.h"
#include "platform/media/LibraryEmbeddedDates.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtMessagePump.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtTranslator.h"
#include "ui/FileIcons.h"
#include "ui/MainWindow.h"
#include "ui/PreviewTreeModel.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <cstdio>

namespace {

struct SampleFile {
    const char* Name;
    int Year, Month, Day;
};

constexpr SampleFile kSamples[] = {
    {"beach.jpg", 2023, 6, 14},  {"beach.xmp", 2023, 6, 14}, {"sunset.png", 2023, 6, 14},
    {"family.jpg", 2023, 6, 14}, {"song.mp3", 2023, 6, 15},  {"podcast.mp3", 2023, 6, 15},
    {"report.pdf", 2024, 1, 2},  {"budget.xls", 2024, 1, 2}, {"notes.txt", 2024, 1, 2},
    {"letter.doc", 2024, 1, 2},  {"setup.exe", 2024, 3, 7},  {"archive.zip", 2024, 3, 7},
    {"movie.mkv", 2024, 3, 7},
};

bool MakeSampleFolder(const QString& folder) {
    QDir().mkpath(folder);
    for (const SampleFile& sample : kSamples) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(sample.Name));
        if (!file.open(QIODevice::WriteOnly)) return false;
        file.write("sample\n");
        file.flush(); // a write still buffered would stamp the file again at close
        const QDateTime written(QDate(sample.Year, sample.Month, sample.Day), QTime(10, 30));
        if (!file.setFileTime(written, QFileDevice::FileModificationTime)) return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: varnolt_screenshot <file.png> [points [method]]\n");
        return 2;
    }
    if (argc >= 3 && QString::fromLocal8Bit(argv[2]) != QLatin1String("0"))
        application.setStyleSheet(
            QStringLiteral("* { font-size: %1pt; }").arg(QString::fromLocal8Bit(argv[2])));
    varnolt::UseFallbackIconTheme();
    varnolt::InstallTranslations(VARNOLT_TRANSLATIONS_DIR);
    QTemporaryDir temporary;
    const QString samples = temporary.path() + QStringLiteral("/Camera and downloads");
    if (!temporary.isValid() || !MakeSampleFolder(samples)) {
        std::fprintf(stderr, "cannot make the sample folder\n");
        return 1;
    }
    QDir().mkpath(temporary.path() + QStringLiteral("/data"));

    varnolt::PosixFileSystem fs;
    varnolt::QtMessageBoxes boxes;
    varnolt::QtMessagePump pump;
    varnolt::QtShell shell(QString{});
    varnolt::MemorySettingsStore settings;
    varnolt::ScriptedFileDialogs dialogs;
    varnolt::LibraryEmbeddedDates dates;
    varnolt::QtTranslator engineTexts;
    varnolt::MainWindow window(fs, boxes, pump, shell, settings, dialogs, dates, engineTexts,
                               QFile::encodeName(temporary.path() + "/data/").toStdString());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    QTest::qWait(400); // the start-up step selects "by file date"

    // As "Folder" would: the row, and the invitation gone.
    window.AddSources({QFile::encodeName(samples).toStdString()});
    window.sourceListHint->hide();
    window.resultLocation->setEditText(QStringLiteral("/home/user/Sorted"));
    window.previewButton->click();
    window.PreviewModel().Flush();

    // Open the first two categories so that items show.
    const QModelIndex root = window.PreviewModel().index(0, 0);
    for (int row = 0; row < 2; ++row)
        window.previewTree->expand(window.PreviewModel().index(row, 0, root));
    // The preview is by date; then the panel asked for shows, with the preview still beside it.
    if (argc == 4) {
        const QTreeWidgetItem* classify = window.methodTree->topLevelItem(0);
        for (int i = 0; i < classify->childCount(); ++i)
            if (classify->child(i)->data(0, varnolt::MainWindow::MethodKeyRole).toString() ==
                QLatin1String(argv[3]))
                window.methodTree->setCurrentItem(classify->child(i));
    }
    QTest::qWait(200);

    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
