#pragma once
#include "HttpRequest.h"

#include <QString>

// Where a request goes, read from its path alone:
//   <context>rest/DSAdmin/GetPlatformName/          -> Platform
//   <context>rest/CloseSession/                     -> CloseSession
//   <context>rest/TServerMethods1/%22<Name>%22/     -> Method (name as quoted); without the
//       quotes a POST names "update<Name>", PUT "accept<Name>", DELETE "cancel<Name>", as the
//       DataSnap REST convention has it
//   anything else                                   -> Web (name = the last path segment)
struct RequestRoute {
    enum class Type { Platform, CloseSession, Method, Web, NotFound };
    Type type = Type::NotFound;
    QString name; // method name, or web endpoint name

    static RequestRoute of(const HttpRequest& request);
    bool isRemote() const { return type == Type::Method; }
    // The name faults are keyed by.
    QString faultKey() const;
};
