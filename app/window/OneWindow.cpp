// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/OneWindow.h"

#include <QByteArray>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <iostream>
#include <memory>
#include <utility>

namespace varnolt {

namespace {

// A start waits this long for the open window to answer; the window answers between two items of a run.
constexpr int kConnectMs = 2000;
constexpr int kAnswerMs = 10000;
// Held while a start looks for the window and, finding none, becomes it, so that two starts at once
// cannot both become the window.
constexpr int kClaimLockMs = kConnectMs + kAnswerMs + 3000;

// The window's answer: it has taken the paths.
constexpr char kTaken = '\1';

// Every path ends with a NUL byte, which no path holds; an empty one ends the message.
QByteArray Message(const std::vector<std::string>& paths) {
    QByteArray message;
    for (const std::string& path : paths)
        message.append(path.data(), static_cast<qsizetype>(path.size())).append('\0');
    return message.append('\0');
}

// The paths of a whole message; false while it is incomplete.
bool ReadMessage(const QByteArray& bytes, std::vector<std::string>& paths) {
    paths.clear();
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf('\0'); end >= 0; end = bytes.indexOf('\0', start)) {
        if (end == start) return true;
        paths.emplace_back(bytes.constData() + start, static_cast<std::size_t>(end - start));
        start = end + 1;
    }
    return false;
}

} // namespace

QString OneWindowSocketPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("varnolt-window"));
}

OneWindow::OneWindow(QString socketPath) : socketPath_(std::move(socketPath)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { Accept(); });
}

OneWindow::Start OneWindow::Claim(const std::vector<std::string>& paths) {
    QLockFile lock(socketPath_ + QStringLiteral(".lock"));
    lock.tryLock(kClaimLockMs); // without it, at worst two windows open
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (socket.waitForConnected(kConnectMs)) return HandOver(socket, paths);
    Listen();
    return Start::First;
}

OneWindow::Start OneWindow::HandOver(QLocalSocket& socket, const std::vector<std::string>& paths) {
    socket.write(Message(paths));
    socket.flush();
    while (socket.waitForReadyRead(kAnswerMs)) {
        if (socket.readAll().contains(kTaken)) return Start::HandedOver;
    }
    return Start::NoAnswer;
}

void OneWindow::Listen() {
    // Nobody answered: a socket file there was left by a window that ended without removing it.
    QLocalServer::removeServer(socketPath_);
    if (!server_.listen(socketPath_))
        std::cerr << "varnolt: later starts cannot find this window: " << server_.errorString().toStdString()
                  << '\n';
}

void OneWindow::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, received] {
            received->append(socket->readAll());
            std::vector<std::string> paths;
            if (!ReadMessage(*received, paths)) return;
            received->clear();
            socket->write(QByteArray(1, kTaken));
            socket->flush();
            // Later, apart from the socket: the window may show a box, which runs events of its own.
            QTimer::singleShot(0, &server_, [this, paths] {
                if (OnPaths) OnPaths(paths);
            });
        });
    }
}

} // namespace varnolt
