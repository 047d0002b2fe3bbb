#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>

// One HTTP reply. dropMidBody: write the headers and half of the body, then close the socket.
struct HttpResponse {
    int status = 200;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray contentType = "application/json; charset=utf-8";
    QByteArray body;
    bool closeConnection = false;
    bool dropMidBody = false;

    static HttpResponse json(int status, const QByteArray& body)
    {
        HttpResponse r;
        r.status = status;
        r.body = body;
        return r;
    }
    static HttpResponse error(int status, const QString& message);
    static QByteArray reasonPhrase(int status);
};
