#include "KatalogIzgarasi.h"

#include "DurumSimgeleri.h"
#include "KatalogSimgeleri.h"
#include "MusteriTipiKurallari.h"
#include "TGridView.h"

#include <QAbstractItemView>
#include <QHeaderView>

namespace KatalogIzgarasi {

QColor cxStyle1() { return QColor(0xEF, 0xEF, 0xEF); }
QColor cxStyle2() { return QColor(Qt::white); }

void GorunumKur(TGridView* g, const QColor& cift, const QColor& tek) {
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setIncrementalSearchEnabled(true);
    g->setFilterButtons(true);
    g->setColumnChooser(true);
    g->setGroupingAllowed(false);
    g->setFooterVisible(true);
    g->setHeaderHeight(40);
    g->setIndicatorWidth(5);
    g->setGridLineColor(QColor(0xD2, 0xE1, 0xF2));
    g->setHeaderColors(QColor(0x2E, 0x31, 0x92), Qt::white);
    QFont baslik(QStringLiteral("Arial"));
    baslik.setBold(true);
    g->horizontalHeader()->setFont(baslik);
    g->setSelectionBold(true);
    g->setSelectionTextColor(Qt::black);
    g->setRowColors(cift, tek);
}

void SutunlariEkle(TGridView* g, const std::vector<SutunTanimi>& sutunlar) {
    for (const SutunTanimi& s : sutunlar) {
        TGridColumn* c = g->addColumn(QString::fromLatin1(s.ad), QString::fromLatin1(s.alan),
                                      QString::fromUtf8(s.baslik), s.agirlik);
        c->setVisible(s.gorunur);
        c->setOffered(s.sunulur);
        c->setWrapText(s.sar);
        c->setAlignment(s.hiza);
        c->setHeaderAlignment(Qt::AlignCenter);
        switch (s.tur) {
        case HucreTuru::Metin:
            break;
        case HucreTuru::Durum:
            c->setKind(TGridColumn::Kind::Icon);
            for (int d = 0; d <= 5; ++d)
                c->addIcon(d, DurumSimgesi(d), DurumAciklamasi(d));
            c->setAlignment(Qt::AlignCenter);
            break;
        case HucreTuru::EvetHayir:
            c->setKind(TGridColumn::Kind::Icon);
            c->addIcon(0, EvetHayirSimgesi(0), QStringLiteral("Hayır"));
            c->addIcon(1, EvetHayirSimgesi(1), QStringLiteral("Evet"));
            c->setAlignment(Qt::AlignCenter);
            break;
        case HucreTuru::Resim:
            c->setKind(TGridColumn::Kind::Icon);
            c->addIcon(1, ResimSimgesi(), QStringLiteral("Var"));
            c->addIcon(0, QIcon(), QStringLiteral("Yok"));
            c->setAlignment(Qt::AlignCenter);
            break;
        case HucreTuru::Ozel:
            c->setKind(TGridColumn::Kind::Custom);
            break;
        }
    }
}

void MusteriKurallariniUygula(TGridView* g, const QString& gorunum, const MusteriTipiKurallari& kurallar) {
    for (const SutunKurali& k : kurallar.Gorunum(gorunum)) {
        if (TGridColumn* c = g->columnByField(k.alan)) {
            c->setVisible(k.gorunur);
            c->setOffered(k.gorunur);
        }
    }
}

} // namespace KatalogIzgarasi
