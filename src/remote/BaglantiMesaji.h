#pragma once
#include <QString>

#include <functional>

// The remote layer does not know the window toolkit's dialogs: the shell connects its message box
// here. Without a hook the message is dropped.
inline const QString kBaglantiMesaji = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

using BaglantiMesajiKancasi = std::function<void(const QString& metin)>;
void BaglantiMesajiKancasiAyarla(BaglantiMesajiKancasi kanca);
// Shows the connection message through the hook, on the interface thread.
void BaglantiMesajiGoster();
