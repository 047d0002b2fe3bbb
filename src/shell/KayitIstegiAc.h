#pragma once
#include <QString>

#include <functional>

class QWidget;

// The registration request window for an unregistered workstation: shown modally with the caption
// `baslik`, its embedded browser on `adres`. The login ends the process when it returns.
//
// PLACEHOLDER until the requests subsystem installs its window with KayitIstegiAcIsleviAyarla: opens
// the address in the desktop's web browser.
using KayitIstegiAcIslevi = std::function<void(QWidget* sahip, const QString& baslik, const QString& adres)>;
void KayitIstegiAcIsleviAyarla(KayitIstegiAcIslevi islev);
void KayitIstegiAc(QWidget* sahip, const QString& baslik, const QString& adres);
