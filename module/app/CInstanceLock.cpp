#include "module/app/CInstanceLock.h"

#include <QCryptographicHash>
#include <QLocalSocket>

namespace {

constexpr int kConnectMs = 1000;
const QByteArray kRaiseRequest("raise\n");

} // namespace

CInstanceLock::~CInstanceLock() {
    m_server.close();
}

QString CInstanceLock::ServerName(const std::string& title) {
    QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(title), QCryptographicHash::Sha1);
    return QStringLiteral("taurel-") + QString::fromLatin1(hash.toHex().left(24));
}

bool CInstanceLock::RaiseRunning(const std::string& title) {
    QLocalSocket socket;
    socket.connectToServer(ServerName(title));
    if (!socket.waitForConnected(kConnectMs))
        return false;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kConnectMs);
    socket.disconnectFromServer();
    return true;
}

bool CInstanceLock::Acquire(const std::string& title, std::function<void()> onRaise) {
    if (RaiseRunning(title))
        return false;
    const QString name = ServerName(title);
    m_onRaise = std::move(onRaise);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&m_server, &QLocalServer::newConnection, &m_server,
                     [this] { OnConnection(); });
    if (m_server.listen(name))
        return true;
    // Nobody answered, so a socket file left by an instance that crashed is in the way.
    QLocalServer::removeServer(name);
    if (m_server.listen(name))
        return true;
    // Another start took the name in between: it is the running instance now.
    return !RaiseRunning(title);
}

void CInstanceLock::OnConnection() {
    while (QLocalSocket* client = m_server.nextPendingConnection()) {
        QObject::connect(client, &QLocalSocket::readyRead, client, [this, client] {
            if (client->readAll().contains("raise") && m_onRaise)
                m_onRaise();
        });
        QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    }
}
