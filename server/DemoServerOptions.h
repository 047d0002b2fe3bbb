#pragma once
#include <QString>
#include <QtGlobal>

struct DemoServerOptions {
    quint16 port = 0;            // 0 = an ephemeral port
    QString dataDir;             // empty = a fresh temporary directory, removed by stop()
    int seed = 1;                // seed of the generated data (used only when the data is created)
    int catalogue = 3000;        // number of parts (used only when the data is created)
    bool registerAnyWorkstation = false; // unknown identities become a demo dealer on BuyukGetir
    bool reset = false;          // throw away existing data in dataDir and seed afresh
    QString listenAddress = QStringLiteral("127.0.0.1");
};
