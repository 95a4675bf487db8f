// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One window per user: the first start listens on a local socket in the user's runtime folder; a later
// start hands its paths to it and ends. Two windows would compete for one journal and one settings file.
#include <QLocalServer>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QLocalSocket;

namespace varnolt {

// The socket of the user's window: in $XDG_RUNTIME_DIR, or in the per-user folder Qt makes in its place.
QString OneWindowSocketPath();

class OneWindow {
  public:
    enum class Start {
        First,      // no window was open: this start shows one, and takes the paths of later starts
        HandedOver, // the open window took the paths; this start ends
        NoAnswer,   // a window is open but took nothing in time; this start ends too
    };

    explicit OneWindow(QString socketPath);

    // Hands `paths` to the open window, or, when there is none, becomes the one the later starts hand
    // theirs to. A socket left behind by a window that crashed is taken over.
    Start Claim(const std::vector<std::string>& paths);

    // Called with the paths of every later start, on the event loop; the window then comes to the front.
    std::function<void(const std::vector<std::string>&)> OnPaths;
    // The window is going: a later start opens a window of its own rather than hand it paths.
    void StopServing() { server_.close(); }

  private:
    Start HandOver(QLocalSocket& socket, const std::vector<std::string>& paths);
    void Listen();
    void Accept();

    QString socketPath_;
    QLocalServer server_;
};

} // namespace varnolt
