#include "MesajSor.h"

#include "ArkaPlandaCalistir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include <atomic>
#include <mutex>

namespace {
std::mutex kancaKilidi;
MesajSorKancasi kanca;
std::atomic<int> yaziBoyutu{0};

const char* const kDugmeOzelligi = "TMsgDlgBtn";

QMessageBox::StandardButton standart(TMsgDlgBtn d) {
    switch (d) {
    case TMsgDlgBtn::mbYes: return QMessageBox::Yes;
    case TMsgDlgBtn::mbNo: return QMessageBox::No;
    case TMsgDlgBtn::mbOK: return QMessageBox::Ok;
    case TMsgDlgBtn::mbCancel: return QMessageBox::Cancel;
    case TMsgDlgBtn::mbAbort: return QMessageBox::Abort;
    case TMsgDlgBtn::mbRetry: return QMessageBox::Retry;
    case TMsgDlgBtn::mbIgnore: return QMessageBox::Ignore;
    case TMsgDlgBtn::mbAll: return QMessageBox::NoButton;
    case TMsgDlgBtn::mbNoToAll: return QMessageBox::NoToAll;
    case TMsgDlgBtn::mbYesToAll: return QMessageBox::YesToAll;
    case TMsgDlgBtn::mbHelp: return QMessageBox::Help;
    case TMsgDlgBtn::mbClose: return QMessageBox::Close;
    }
    return QMessageBox::NoButton;
}

TMsgDlgBtn odakDugmesi(const TMsgDlgButtons& dugmeler, TMsgDlgBtn varsayilan) {
    if (dugmeler.contains(varsayilan))
        return varsayilan;
    for (TMsgDlgBtn d : {TMsgDlgBtn::mbOK, TMsgDlgBtn::mbYes})
        if (dugmeler.contains(d))
            return d;
    return dugmeler.isEmpty() ? TMsgDlgBtn::mbOK : dugmeler.first();
}

TMsgDlgBtn kapatmaDugmesi(const TMsgDlgButtons& dugmeler) {
    for (TMsgDlgBtn d : {TMsgDlgBtn::mbCancel, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbOK})
        if (dugmeler.contains(d))
            return d;
    return dugmeler.isEmpty() ? TMsgDlgBtn::mbOK : dugmeler.first();
}

TMsgDlgButtons gecerliDugmeler(const TMsgDlgButtons& dugmeler) {
    return dugmeler.isEmpty() ? mbOKOnly : dugmeler;
}
} // namespace

QString DugmeBasligi(TMsgDlgBtn dugme) {
    switch (dugme) {
    case TMsgDlgBtn::mbYes: return QStringLiteral("Evet");
    case TMsgDlgBtn::mbNo: return QStringLiteral("Hayır");
    case TMsgDlgBtn::mbOK: return QStringLiteral("Tamam");
    case TMsgDlgBtn::mbCancel: return QStringLiteral("Vazgeç");
    case TMsgDlgBtn::mbAbort: return QStringLiteral("İptal");
    case TMsgDlgBtn::mbRetry: return QStringLiteral("Tekrar");
    case TMsgDlgBtn::mbIgnore: return QStringLiteral("Atla");
    case TMsgDlgBtn::mbAll: return QStringLiteral("Tümü");
    case TMsgDlgBtn::mbNoToAll: return QStringLiteral("Hiçbiri");
    case TMsgDlgBtn::mbYesToAll: return QStringLiteral("Tümüne Evet");
    case TMsgDlgBtn::mbHelp: return QStringLiteral("Yardım");
    case TMsgDlgBtn::mbClose: return QStringLiteral("Kapat");
    }
    return {};
}

QString DiyalogBasligi(TMsgDlgType tip) {
    switch (tip) {
    case TMsgDlgType::mtWarning: return QStringLiteral("Uyarı");
    case TMsgDlgType::mtError: return QStringLiteral("Hata");
    case TMsgDlgType::mtInformation: return QStringLiteral("Bilgi");
    case TMsgDlgType::mtConfirmation: return QStringLiteral("Soru");
    case TMsgDlgType::mtCustom: break;
    }
    return QGuiApplication::applicationDisplayName();
}

void MesajYaziBoyutuAyarla(int punto) { yaziBoyutu = punto; }
int MesajYaziBoyutu() { return yaziBoyutu; }

void MesajSorKancasiAyarla(MesajSorKancasi yeni) {
    std::lock_guard kilit(kancaKilidi);
    kanca = std::move(yeni);
}

std::unique_ptr<QMessageBox> MesajDiyaloguOlustur(const QString& metin, TMsgDlgType tip,
                                                  const TMsgDlgButtons& istenen, TMsgDlgBtn varsayilan) {
    const TMsgDlgButtons dugmeler = gecerliDugmeler(istenen);
    QWidget* sahip = QApplication::activeModalWidget();
    if (!sahip)
        sahip = QApplication::activeWindow();
    auto d = std::make_unique<QMessageBox>(sahip);
    d->setObjectName(QStringLiteral("MesajSor"));
    d->setText(metin);
    d->setWindowTitle(DiyalogBasligi(tip));
    switch (tip) {
    case TMsgDlgType::mtWarning: d->setIcon(QMessageBox::Warning); break;
    case TMsgDlgType::mtError: d->setIcon(QMessageBox::Critical); break;
    case TMsgDlgType::mtInformation: d->setIcon(QMessageBox::Information); break;
    case TMsgDlgType::mtConfirmation: d->setIcon(QMessageBox::Question); break;
    case TMsgDlgType::mtCustom: d->setIcon(QMessageBox::NoIcon); break;
    }
    if (yaziBoyutu > 0) {
        QFont f = d->font();
        f.setPointSize(yaziBoyutu);
        d->setFont(f);
    }
    QAbstractButton* odak = nullptr;
    QAbstractButton* kapat = nullptr;
    const TMsgDlgBtn odakTuru = odakDugmesi(dugmeler, varsayilan);
    const TMsgDlgBtn kapatTuru = kapatmaDugmesi(dugmeler);
    for (int i = 0; i <= static_cast<int>(TMsgDlgBtn::mbClose); ++i) {
        const auto tur = static_cast<TMsgDlgBtn>(i);
        if (!dugmeler.contains(tur))
            continue;
        QPushButton* b = standart(tur) != QMessageBox::NoButton
                             ? d->addButton(standart(tur))
                             : d->addButton(DugmeBasligi(tur), QMessageBox::AcceptRole);
        b->setText(DugmeBasligi(tur));
        b->setProperty(kDugmeOzelligi, i);
        b->setObjectName(QStringLiteral("dugme_%1").arg(i));
        if (tur == odakTuru)
            odak = b;
        if (tur == kapatTuru)
            kapat = b;
    }
    if (auto* p = qobject_cast<QPushButton*>(odak))
        d->setDefaultButton(p);
    d->setEscapeButton(kapat);
    return d;
}

TMsgDlgBtn DiyalogDugmesi(const QMessageBox&, const QAbstractButton* dugme) {
    if (!dugme)
        return TMsgDlgBtn::mbCancel;
    return static_cast<TMsgDlgBtn>(dugme->property(kDugmeOzelligi).toInt());
}

TMsgDlgBtn MesajSor(const QString& metin, TMsgDlgType tip, const TMsgDlgButtons& istenen, TMsgDlgBtn varsayilan) {
    if (QCoreApplication::instance() && QThread::currentThread() != QCoreApplication::instance()->thread()) {
        TMsgDlgBtn cevap = TMsgDlgBtn::mbOK;
        ArayuzdeCalistir([&] { cevap = MesajSor(metin, tip, istenen, varsayilan); });
        return cevap;
    }
    const TMsgDlgButtons dugmeler = gecerliDugmeler(istenen);
    MesajSorKancasi k;
    {
        std::lock_guard kilit(kancaKilidi);
        k = kanca;
    }
    if (k)
        return k(MesajKaydi{metin, tip, dugmeler, odakDugmesi(dugmeler, varsayilan), DiyalogBasligi(tip)});

    auto d = MesajDiyaloguOlustur(metin, tip, dugmeler, varsayilan);
    if (tip != TMsgDlgType::mtCustom)
        QApplication::beep();
    d->exec();
    QAbstractButton* basilan = d->clickedButton();
    return basilan ? DiyalogDugmesi(*d, basilan) : kapatmaDugmesi(dugmeler);
}
