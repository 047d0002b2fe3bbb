#pragma once
#include <QString>
#include <QStringList>

// Helpers of the online payment page: which browser can show it and how its address is passed on.

// Places where a Chrome or Chromium browser is installed on this desktop, system-wide first and the
// current user's own installation last.
QStringList ChromeAdaylari();
// The first candidate that exists as a file, or empty.
QString ChromeYolu(const QStringList& adaylar = ChromeAdaylari());

// The major version of the embedded web engine (its Chromium version), or 0 when the client is built
// without one. The payment page embeds the page from version 15 on.
int IESurumu();

// Prepares an address as a command-line argument of a browser: scheme and host stay as they are; in
// the path and the document every character up to code 32, from code 128, and * < > # % " { } | \ ^
// [ ] ` + becomes %XX per UTF-8 byte; the query is treated the same except that + stays.
QString UrlKodla(const QString& adres);
