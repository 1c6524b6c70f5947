#include "platform/qt/qt_instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <cerrno>

namespace palvo {

namespace {

// How long a second start waits for the running copy to take its request.
constexpr int kFrontRequestMilliseconds = 1000;

}  // namespace

QtInstanceLock::QtInstanceLock(std::function<void()> onFrontRequest)
    : onFrontRequest_(std::move(onFrontRequest))
{
}

QtInstanceLock::~QtInstanceLock()
{
    server_.reset();
    if (folder_ >= 0) {
        ::close(folder_);
    }
}

FolderClaim QtInstanceLock::Claim(const std::string& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat identity = {};
    if (descriptor < 0 || ::fstat(descriptor, &identity) != 0) {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
        return FolderClaim::Unavailable;
    }
    // The same folder reached by another path (a link, a bind mount) is the same device and inode.
    serverName_ = QStringLiteral("palvo-%1-%2")
                      .arg(static_cast<qulonglong>(identity.st_dev))
                      .arg(static_cast<qulonglong>(identity.st_ino));
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(descriptor);
        return error == EWOULDBLOCK ? FolderClaim::HeldElsewhere : FolderClaim::Unavailable;
    }
    folder_ = descriptor;
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* caller = server_->nextPendingConnection()) {
            caller->disconnectFromServer();
            caller->deleteLater();
            if (onFrontRequest_) {
                onFrontRequest_();
            }
        }
    });
    // Without the socket the folder is still held; only the bringing to the front is lost.
    server_->listen(serverName_);
    return FolderClaim::Owned;
}

bool QtInstanceLock::BringOwnerToFront()
{
    if (serverName_.isEmpty() || folder_ >= 0) {
        return false;
    }
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kFrontRequestMilliseconds)) {
        return false;
    }
    socket.disconnectFromServer();
    return true;
}

}  // namespace palvo
