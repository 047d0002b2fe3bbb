#pragma once
#include "MesajSor.h"

#include <QList>

#include <functional>

// For tests: while it lives, MesajSor shows no dialog. Every message is recorded; the answer is the
// next preset one, or the focused button when none is left.
class MesajKaydedici {
public:
    MesajKaydedici();
    ~MesajKaydedici();
    MesajKaydedici(const MesajKaydedici&) = delete;
    MesajKaydedici& operator=(const MesajKaydedici&) = delete;

    void CevapEkle(TMsgDlgBtn cevap) { cevaplar_.append(cevap); }
    // Runs when a message arrives, before it is answered (to look at the window state then).
    void GeldigindeCalistir(std::function<void(const MesajKaydi&)> is) { geldiginde_ = std::move(is); }

    const QList<MesajKaydi>& Kayitlar() const { return kayitlar_; }
    QStringList Metinler() const;
    void Temizle() { kayitlar_.clear(); }

private:
    QList<MesajKaydi> kayitlar_;
    QList<TMsgDlgBtn> cevaplar_;
    std::function<void(const MesajKaydi&)> geldiginde_;
};
