#pragma once
#include <QIcon>

// Artwork of the catalogue grids (the status icons are the shell's DurumSimgesi).
// The "Yeni"/"Kampanyalı" image list: icon 0 "Hayır", icon 1 "Evet".
QIcon EvetHayirSimgesi(int indeks);
// The "Resim" column's picture icon (a stock with a product picture).
QIcon ResimSimgesi();
