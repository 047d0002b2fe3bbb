#pragma once
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrlQuery>

// One parsed HTTP/1.x request.
struct HttpRequest {
    QByteArray method;   // GET, POST, ...
    QByteArray target;   // as sent: path and query, still percent-encoded
    QByteArray rawPath;  // target without the query, still percent-encoded
    QUrlQuery query;
    int minorVersion = 1; // HTTP/1.<minorVersion>
    QList<QPair<QByteArray, QByteArray>> headers; // names in lower case
    QByteArray body;
    QHostAddress peer;

    QByteArray header(const QByteArray& lowerName) const
    {
        for (const auto& h : headers)
            if (h.first == lowerName)
                return h.second;
        return {};
    }
    bool hasHeader(const QByteArray& lowerName) const
    {
        for (const auto& h : headers)
            if (h.first == lowerName)
                return true;
        return false;
    }
};
