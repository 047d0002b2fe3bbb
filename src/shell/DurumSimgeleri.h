#pragma once
#include <QIcon>
#include <QString>

// The stock status codes (DURUM) and their artwork, shared by the status legend of the main window
// and the catalogue grids: 0 "Yok", 1 "Var", 2 "Telefon Açınız", 3 "Yolda", 4 "Özel Sipariş",
// 5 "Tedarik Sürecinde".
QString DurumAciklamasi(int durum);
// The icon of a status; a null icon for an unknown code.
QIcon DurumSimgesi(int durum);
