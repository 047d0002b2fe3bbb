#include "TUygulama.h"

#include "BaglantiMesaji.h"
#include "EHata.h"
#include "MesajSor.h"

#include <exception>

TUygulama::TUygulama(int& argc, char** argv) : QApplication(argc, argv) { BaglantiMesajiniBagla(); }

void TUygulama::BaglantiMesajiniBagla() {
    BaglantiMesajiKancasiAyarla(
        [](const QString& metin) { MesajSor(metin, TMsgDlgType::mtError, mbOKOnly, TMsgDlgBtn::mbOK); });
}

bool TUygulama::notify(QObject* alici, QEvent* olay) {
    try {
        return QApplication::notify(alici, olay);
    } catch (...) {
        HataGoster();
        return false;
    }
}

void TUygulama::HataGoster() {
    QString metin;
    try {
        throw;
    } catch (const EHata& h) {
        metin = h.text();
    } catch (const std::exception& h) {
        metin = QString::fromLocal8Bit(h.what());
    } catch (...) {
        metin = QStringLiteral("Beklenmeyen bir hata oluştu.");
    }
    try {
        MesajSor(metin, TMsgDlgType::mtError, mbOKOnly, TMsgDlgBtn::mbOK);
    } catch (...) {
        // The display itself must never throw into the event loop.
    }
}
