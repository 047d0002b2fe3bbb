// telmira-demo-server: the demo application server as a program of its own.
#include "DemoFaultParser.h"
#include "DemoHesaplar.h"
#include "DemoServer.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTextStream>
#include <csignal>

namespace {

void quitOnSignal(int)
{
    QCoreApplication::quit();
}

} // namespace

int main(int argc, char** argv)
{
    // Pictures and PDFs are drawn with fonts; no display is needed for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("telmira-demo-server"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Telmira B2B demo application server"));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("TCP port (default 9090)."), QStringLiteral("N"),
                                  QStringLiteral("9090"));
    const QCommandLineOption listen(QStringLiteral("listen"), QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                    QStringLiteral("ADDR"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Data directory; created and seeded on first start, kept afterwards."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the generated data (default 1)."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption catalogue(QStringLiteral("catalogue"),
                                       QStringLiteral("Number of parts when seeding (default 3000, up to 200000)."),
                                       QStringLiteral("N"), QStringLiteral("3000"));
    const QCommandLineOption reset(QStringLiteral("reset"), QStringLiteral("Discard the data in DIR and seed afresh."));
    const QCommandLineOption anyWs(QStringLiteral("register-any-workstation"),
                                   QStringLiteral("Register an unknown workstation as a demo dealer on first sign-in."));
    const QCommandLineOption fault(QStringLiteral("fault"),
                                   QStringLiteral("Inject a fault, repeatable: Method:delay=MS,malformed,stream=N,drop,"
                                                  "times=N,error=TEXT"),
                                   QStringLiteral("SPEC"));
    parser.addOptions({port, listen, data, seed, catalogue, reset, anyWs, fault});
    parser.process(app);

    DemoServerOptions options;
    bool ok = true;
    const int p = parser.value(port).toInt(&ok);
    if (!ok || p < 0 || p > 65535) {
        err << "Geçersiz port: " << parser.value(port) << Qt::endl;
        return 2;
    }
    options.port = quint16(p);
    options.listenAddress = parser.value(listen);
    options.seed = parser.value(seed).toInt(&ok);
    if (!ok) {
        err << "Geçersiz seed: " << parser.value(seed) << Qt::endl;
        return 2;
    }
    options.catalogue = parser.value(catalogue).toInt(&ok);
    if (!ok || options.catalogue < 1 || options.catalogue > 1000000) {
        err << "Geçersiz katalog büyüklüğü: " << parser.value(catalogue) << Qt::endl;
        return 2;
    }
    options.reset = parser.isSet(reset);
    options.registerAnyWorkstation = parser.isSet(anyWs);
    options.dataDir = parser.isSet(data)
        ? QDir(parser.value(data)).absolutePath()
        : QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);

    DemoServer server;
    for (const QString& spec : parser.values(fault)) {
        QString method, error;
        DemoFault f;
        if (!DemoFaultParser::parse(spec, &method, &f, &error)) {
            err << "--fault: " << error << Qt::endl;
            return 2;
        }
        server.setFault(method, f);
    }
    out << "Veri: " << options.dataDir << " hazırlanıyor..." << Qt::endl;
    if (!server.start(options)) {
        err << "Sunucu başlatılamadı: " << server.errorString() << Qt::endl;
        return 1;
    }
    out << "Telmira demo sunucusu dinliyor: http://" << options.listenAddress << ':' << server.port() << "/datasnap/rest/"
        << Qt::endl;
    out << "Demo hesapları (bilgisayar kimliği / kullanıcı / şifre / müşteri tipi / cari):" << Qt::endl;
    for (const demohesap::Hesap* h : demohesap::kTumHesaplar)
        out << "  " << h->bilgisayarId << " / " << h->kullanici << " / " << h->sifre << " / tip " << h->musteriTipi << " / "
            << h->carino << (h->aktif ? "" : " (pasif)") << (h->version != demohesap::kIstemciSurumu ? " (sürüm 6)" : "")
            << Qt::endl;
    if (options.registerAnyWorkstation)
        out << "  tanınmayan her bilgisayar: " << demohesap::kYeniKullanici << " / " << demohesap::kYeniSifre << " / tip "
            << demohesap::kYeniMusteriTipi << " / " << demohesap::kYeniCarino << Qt::endl;
    std::signal(SIGINT, quitOnSignal);
    std::signal(SIGTERM, quitOnSignal);
    const int rc = app.exec();
    server.stop();
    return rc;
}
