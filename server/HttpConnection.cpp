#include "HttpConnection.h"

#include <QTcpSocket>

#include <cctype>

namespace {
constexpr int kIdleMs = 120 * 1000;
}

HttpConnection::HttpConnection(QTcpSocket* socket, qint64 maxBodyBytes, QObject* parent)
    : QObject(parent), socket_(socket), maxBody_(maxBodyBytes)
{
    socket_->setParent(this);
    connect(socket_, &QTcpSocket::readyRead, this, &HttpConnection::onReadyRead);
    connect(socket_, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    idle_.setSingleShot(true);
    idle_.setInterval(kIdleMs);
    connect(&idle_, &QTimer::timeout, this, [this] {
        if (state_ != State::Busy)
            socket_->abort(), deleteLater();
    });
    idle_.start();
    if (socket_->bytesAvailable() > 0)
        QTimer::singleShot(0, this, &HttpConnection::onReadyRead);
}

bool HttpConnection::isOpen() const
{
    return state_ != State::Closing && socket_->state() == QAbstractSocket::ConnectedState;
}

void HttpConnection::onReadyRead()
{
    idle_.start();
    buffer_.append(socket_->readAll());
    if (state_ == State::Closing) {
        buffer_.clear();
        return;
    }
    if (state_ == State::Busy) {
        // A pipelining peer may queue the next request, but not without bound.
        if (buffer_.size() > maxBody_ + kMaxHeaderBytes) {
            state_ = State::Closing;
            socket_->abort();
        }
        return;
    }
    parse();
}

void HttpConnection::parse()
{
    for (;;) {
        switch (state_) {
        case State::Headers:
            if (!parseHeaders())
                return;
            break;
        case State::Body: {
            const qint64 take = std::min<qint64>(remaining_, buffer_.size());
            current_.body.append(buffer_.constData(), take);
            buffer_.remove(0, take);
            remaining_ -= take;
            if (remaining_ > 0)
                return;
            dispatch();
            return;
        }
        case State::ChunkSize: {
            const qsizetype eol = buffer_.indexOf("\r\n");
            if (eol < 0) {
                if (buffer_.size() > 1024)
                    fail(400, QStringLiteral("Hatalı parça uzunluğu"));
                return;
            }
            QByteArray line = buffer_.left(eol);
            buffer_.remove(0, eol + 2);
            const qsizetype semi = line.indexOf(';');
            if (semi >= 0)
                line.truncate(semi);
            bool ok = false;
            const qint64 size = line.trimmed().toLongLong(&ok, 16);
            if (!ok || size < 0 || line.trimmed().isEmpty()) {
                fail(400, QStringLiteral("Hatalı parça uzunluğu"));
                return;
            }
            if (current_.body.size() + size > maxBody_) {
                fail(413, QStringLiteral("İstek gövdesi çok büyük"));
                return;
            }
            remaining_ = size;
            state_ = size == 0 ? State::ChunkTrailer : State::ChunkData;
            break;
        }
        case State::ChunkData: {
            const qint64 take = std::min<qint64>(remaining_, buffer_.size());
            current_.body.append(buffer_.constData(), take);
            buffer_.remove(0, take);
            remaining_ -= take;
            if (remaining_ > 0)
                return;
            state_ = State::ChunkDataEnd;
            break;
        }
        case State::ChunkDataEnd:
            if (buffer_.size() < 2)
                return;
            if (!buffer_.startsWith("\r\n")) {
                fail(400, QStringLiteral("Hatalı parça sonu"));
                return;
            }
            buffer_.remove(0, 2);
            state_ = State::ChunkSize;
            break;
        case State::ChunkTrailer: {
            // Trailer fields are ignored; an empty line ends the body.
            const qsizetype eol = buffer_.indexOf("\r\n");
            if (eol < 0) {
                if (buffer_.size() > kMaxHeaderBytes)
                    fail(431, QStringLiteral("Başlıklar çok büyük"));
                return;
            }
            buffer_.remove(0, eol + 2);
            if (eol == 0) {
                dispatch();
                return;
            }
            break;
        }
        case State::Busy:
        case State::Closing:
            return;
        }
    }
}

bool HttpConnection::parseHeaders()
{
    while (buffer_.startsWith("\r\n"))
        buffer_.remove(0, 2);
    const qsizetype end = buffer_.indexOf("\r\n\r\n");
    if (end < 0) {
        if (buffer_.size() > kMaxHeaderBytes)
            fail(431, QStringLiteral("Başlıklar çok büyük"));
        return false;
    }
    if (end > kMaxHeaderBytes) {
        fail(431, QStringLiteral("Başlıklar çok büyük"));
        return false;
    }
    const QList<QByteArray> lines = buffer_.left(end).split('\n');
    buffer_.remove(0, end + 4);

    current_ = HttpRequest{};
    current_.peer = socket_->peerAddress();
    const QList<QByteArray> parts = lines.first().trimmed().split(' ');
    if (parts.size() != 3 || parts[0].isEmpty() || parts[1].isEmpty() || !parts[2].startsWith("HTTP/1.")
        || parts[2].size() != 8 || !std::isdigit(static_cast<unsigned char>(parts[2][7]))) {
        if (parts.size() == 3 && parts[2].startsWith("HTTP/"))
            fail(505, QStringLiteral("Desteklenmeyen HTTP sürümü"));
        else
            fail(400, QStringLiteral("Hatalı istek satırı"));
        return false;
    }
    current_.method = parts[0];
    current_.target = parts[1];
    current_.minorVersion = parts[2][7] - '0';
    const qsizetype q = current_.target.indexOf('?');
    current_.rawPath = q < 0 ? current_.target : current_.target.left(q);
    if (q >= 0)
        current_.query = QUrlQuery(QString::fromUtf8(current_.target.mid(q + 1)));

    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) {
            fail(400, QStringLiteral("Hatalı başlık satırı"));
            return false;
        }
        current_.headers.append({line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
    }

    const QByteArray te = current_.header("transfer-encoding").toLower();
    const bool chunked = te.contains("chunked");
    qint64 length = 0;
    if (!chunked && current_.hasHeader("content-length")) {
        bool ok = false;
        const QByteArray cl = current_.header("content-length");
        length = cl.toLongLong(&ok);
        if (!ok || length < 0 || cl.startsWith('+')) {
            fail(400, QStringLiteral("Hatalı Content-Length"));
            return false;
        }
    } else if (!te.isEmpty() && !chunked) {
        fail(501, QStringLiteral("Desteklenmeyen aktarım kodlaması"));
        return false;
    }
    if (length > maxBody_) {
        fail(413, QStringLiteral("İstek gövdesi çok büyük"));
        return false;
    }
    if (current_.header("expect").toLower() == "100-continue" && current_.minorVersion >= 1)
        socket_->write("HTTP/1.1 100 Continue\r\n\r\n");
    if (chunked) {
        state_ = State::ChunkSize;
    } else {
        remaining_ = length;
        state_ = State::Body;
    }
    return true;
}

void HttpConnection::dispatch()
{
    state_ = State::Busy;
    idle_.stop();
    emit requestReady(this, current_);
}

bool HttpConnection::wantsKeepAlive() const
{
    const QByteArray c = current_.header("connection").toLower();
    if (current_.minorVersion == 0)
        return c.contains("keep-alive");
    return !c.contains("close");
}

void HttpConnection::send(const HttpResponse& response)
{
    if (state_ != State::Busy)
        return;
    const bool keepAlive = wantsKeepAlive() && !response.closeConnection && !response.dropMidBody;
    write(response, keepAlive);
    if (!keepAlive) {
        state_ = State::Closing;
        buffer_.clear();
        socket_->disconnectFromHost();
        return;
    }
    state_ = State::Headers;
    idle_.start();
    if (!buffer_.isEmpty())
        QTimer::singleShot(0, this, [this] {
            if (state_ == State::Headers)
                parse();
        });
}

void HttpConnection::write(const HttpResponse& response, bool keepAlive)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' '
        + HttpResponse::reasonPhrase(response.status) + "\r\n";
    head += "Server: Telmira-Demo\r\n";
    if (!response.contentType.isEmpty())
        head += "Content-Type: " + response.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    for (const auto& h : response.headers)
        head += h.first + ": " + h.second + "\r\n";
    head += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    socket_->write(head);
    if (current_.method == "HEAD")
        return;
    if (response.dropMidBody)
        socket_->write(response.body.left(response.body.size() / 2));
    else
        socket_->write(response.body);
}

void HttpConnection::fail(int status, const QString& message)
{
    // The request is unusable: answer once and close, discarding whatever else arrives.
    current_.method = "GET";
    state_ = State::Busy;
    HttpResponse r = HttpResponse::error(status, message);
    r.closeConnection = true;
    send(r);
}
