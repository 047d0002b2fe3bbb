#include "HttpResponse.h"
#include "JsonText.h"

HttpResponse HttpResponse::error(int status, const QString& message)
{
    return json(status, "{\"error\":" + JsonText::string(message) + '}');
}

QByteArray HttpResponse::reasonPhrase(int status)
{
    switch (status) {
    case 100: return "Continue";
    case 200: return "OK";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 411: return "Length Required";
    case 413: return "Payload Too Large";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    case 501: return "Not Implemented";
    case 505: return "HTTP Version Not Supported";
    default: return "Status";
    }
}
