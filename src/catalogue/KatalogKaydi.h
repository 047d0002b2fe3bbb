#pragma once

// Plugs the catalogue pages ("Stok Listesi", "Yeni Stoklar", "Kampanyalı Stoklar") into the main
// window's page builders (AnaPencereKancalari). Call once before the main window is created.
void KatalogSayfalariniKaydet();
