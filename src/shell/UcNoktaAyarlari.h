#pragma once
#include <QString>

struct KurulumAyarlari;

// The endpoint settings of the process, all built on the distributor's domain: fixed once when the
// main window is created and read by the login and the menus.
struct UcNoktaAyarlari {
    QString sunucuHost;        // no scheme, no port
    QString sunucuPort;        // "9090"
    QString kayitAdresi;       // web address ending in "/"
    QString webSitesi;         // the distributor's web site
    QString webSitesiBasligi;  // the web site without scheme, as the menu shows it
    QString ipServisi;         // what-is-my-IP service, answering the caller's address as plain text

    static UcNoktaAyarlari Kurulumdan(const KurulumAyarlari& k);

    // The settings of this process: taken from the deployment settings on first use.
    static const UcNoktaAyarlari& Al();
    // Tests point the process at their own servers.
    static void Degistir(const UcNoktaAyarlari& yeni);
};
