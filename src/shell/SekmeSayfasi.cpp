#include "SekmeSayfasi.h"

#include "MusteriTipiKurallari.h"

void SekmeSayfasi::MusteriTipineUyarla(const MusteriTipiKurallari&) {}
