#include "UrunResmiGetir.h"

#include "BaglantiKontrol.h"
#include "EHata.h"
#include "MesajSor.h"
#include "TSQLConnection.h"
#include "TServerMethods1Client.h"
#include "TSonucAkimi.h"

#include <QBuffer>
#include <QImageReader>
#include <QLabel>

#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {
// A picture whose bytes are no JPEG.
class EJPEG : public EHata {
    using EHata::EHata;
};

QString turAdi(const std::exception& e) {
    int durum = 0;
    std::unique_ptr<char, void (*)(void*)> ad(abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &durum),
                                              std::free);
    QString s = durum == 0 && ad ? QString::fromLatin1(ad.get()) : QString::fromLatin1(typeid(e).name());
    const qsizetype ayrac = s.lastIndexOf(QStringLiteral("::"));
    return ayrac >= 0 ? s.mid(ayrac + 2) : s;
}

QString hataMetni(const std::exception& e) {
    if (const auto* h = dynamic_cast<const EHata*>(&e))
        return h->text();
    return QString::fromUtf8(e.what());
}
} // namespace

void UrunResmiGetir(TSQLConnection& bagc, int stokno, QLabel* resim) {
    if (!BaglantiKontrol(bagc, true))
        return;
    try {
        TServerMethods1Client vekil(bagc);
        std::int64_t boy = 0;
        TSonucAkimi* akim = vekil.ResimVer5(stokno, boy);
        if (akim)
            akim->SetPosition(0);
        if (boy != 0) {
            if (const std::optional<QByteArray> veri = TSonucAkimi::Oku(akim, boy)) {
                QBuffer tampon;
                tampon.setData(*veri);
                tampon.open(QIODevice::ReadOnly);
                QImageReader okuyucu(&tampon, "jpeg");
                const QImage resimVerisi = okuyucu.read();
                if (resimVerisi.isNull())
                    throw EJPEG(QStringLiteral("JPEG error #%1 (%2)").arg(static_cast<int>(okuyucu.error()))
                                    .arg(okuyucu.errorString()));
                if (resim) {
                    // The middle of the dialog is about 500 × 340; larger pictures are scaled down.
                    QPixmap pm = QPixmap::fromImage(resimVerisi);
                    const QSize alan(500, 340);
                    if (pm.width() > alan.width() || pm.height() > alan.height())
                        pm = pm.scaled(alan, Qt::KeepAspectRatio, Qt::SmoothTransformation);
                    resim->setPixmap(pm);
                }
            }
        }
    } catch (const std::exception& e) {
        MesajSor(turAdi(e) + QStringLiteral(": ") + hataMetni(e), TMsgDlgType::mtInformation, mbOKOnly,
                 TMsgDlgBtn::mbOK);
    }
    bagc.Close();
}
