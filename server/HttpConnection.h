#pragma once
#include "HttpRequest.h"
#include "HttpResponse.h"

#include <QObject>
#include <QTimer>

class QTcpSocket;

// One client connection speaking HTTP/1.1 with keep-alive: parses requests one at a time
// (Content-Length or chunked bodies, Expect: 100-continue), hands each to requestReady and
// waits for its send() before reading the next. Malformed or oversized requests get an error
// reply and the connection is closed; nothing a peer sends can make it throw.
class HttpConnection : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kMaxHeaderBytes = 64 * 1024;

    HttpConnection(QTcpSocket* socket, qint64 maxBodyBytes, QObject* parent = nullptr);

    // Answers the request last handed out by requestReady.
    void send(const HttpResponse& response);
    bool isOpen() const;

signals:
    void requestReady(HttpConnection* connection, const HttpRequest& request);

private:
    enum class State { Headers, Body, ChunkSize, ChunkData, ChunkDataEnd, ChunkTrailer, Busy, Closing };

    void onReadyRead();
    void parse();
    bool parseHeaders(); // false: need more data or failed
    void dispatch();
    void fail(int status, const QString& message);
    void write(const HttpResponse& response, bool keepAlive);
    bool wantsKeepAlive() const;

    QTcpSocket* socket_;
    qint64 maxBody_;
    QByteArray buffer_;
    HttpRequest current_;
    qint64 remaining_ = 0;
    State state_ = State::Headers;
    QTimer idle_;
};
