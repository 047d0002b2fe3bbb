#include "CatalogueSeeder.h"
#include "DemoDatabase.h"
#include "DemoRandom.h"
#include "DemoTransaction.h"
#include "PriceCalculator.h"
#include "SearchText.h"

#include <QSqlQuery>

namespace {

struct PartType {
    const char* adi;
    const char* english;
    const char* grup;
    const char* birim;
    double minPrice;
    double maxPrice;
    int shape;
    bool sided;     // gets SAĞ/SOL
    bool frontRear; // gets ÖN/ARKA
};

using S = CatalogueSeeder::Shape;

const PartType kTypes[] = {
    {"FREN BALATASI", "BRAKE PAD SET", "FREN SİSTEMİ", "TAKIM", 450, 2400, S::Pad, false, true},
    {"FREN DİSKİ", "BRAKE DISC", "FREN SİSTEMİ", "ADET", 700, 3800, S::Disc, false, true},
    {"FREN KALİPERİ", "BRAKE CALIPER", "FREN SİSTEMİ", "ADET", 1800, 6500, S::Box, true, true},
    {"FREN HORTUMU", "BRAKE HOSE", "FREN SİSTEMİ", "ADET", 120, 480, S::Belt, true, true},
    {"ABS SENSÖRÜ", "ABS SENSOR", "ELEKTRİK", "ADET", 380, 1900, S::Plug, true, true},
    {"YAĞ FİLTRESİ", "OIL FILTER", "FİLTRE", "ADET", 90, 420, S::Filter, false, false},
    {"HAVA FİLTRESİ", "AIR FILTER", "FİLTRE", "ADET", 140, 650, S::Filter, false, false},
    {"POLEN FİLTRESİ", "CABIN FILTER", "FİLTRE", "ADET", 110, 520, S::Filter, false, false},
    {"YAKIT FİLTRESİ", "FUEL FILTER", "FİLTRE", "ADET", 160, 900, S::Filter, false, false},
    {"AMORTİSÖR", "SHOCK ABSORBER", "SÜSPANSİYON", "ADET", 900, 4200, S::Shock, false, true},
    {"HELEZON YAY", "COIL SPRING", "SÜSPANSİYON", "ADET", 600, 2200, S::Shock, false, true},
    {"SALINCAK", "CONTROL ARM", "SÜSPANSİYON", "ADET", 750, 3300, S::Joint, true, false},
    {"ROTİL", "BALL JOINT", "SÜSPANSİYON", "ADET", 220, 950, S::Joint, true, false},
    {"ROT BAŞI", "TIE ROD END", "DİREKSİYON", "ADET", 190, 850, S::Joint, true, false},
    {"ROT MİLİ", "AXIAL ROD", "DİREKSİYON", "ADET", 260, 1100, S::Joint, true, false},
    {"Z ROT", "STABILIZER LINK", "SÜSPANSİYON", "ADET", 150, 700, S::Joint, true, true},
    {"AKS KÖRÜĞÜ", "CV BOOT KIT", "AKTARMA", "TAKIM", 120, 480, S::Joint, false, false},
    {"AKS KAFASI", "CV JOINT", "AKTARMA", "ADET", 900, 3200, S::Joint, false, false},
    {"TEKER RULMANI", "WHEEL BEARING KIT", "AKTARMA", "TAKIM", 450, 2100, S::Disc, false, true},
    {"DEBRİYAJ SETİ", "CLUTCH KIT", "DEBRİYAJ", "TAKIM", 2400, 9800, S::Disc, false, false},
    {"DEBRİYAJ RULMANI", "RELEASE BEARING", "DEBRİYAJ", "ADET", 380, 1500, S::Disc, false, false},
    {"TRİGER SETİ", "TIMING BELT KIT", "MOTOR", "TAKIM", 1600, 6400, S::Belt, false, false},
    {"TRİGER KAYIŞI", "TIMING BELT", "MOTOR", "ADET", 350, 1400, S::Belt, false, false},
    {"V KAYIŞI", "V-RIBBED BELT", "MOTOR", "ADET", 140, 620, S::Belt, false, false},
    {"DEVİRDAİM POMPASI", "WATER PUMP", "SOĞUTMA", "ADET", 800, 3400, S::Pump, false, false},
    {"TERMOSTAT", "THERMOSTAT", "SOĞUTMA", "ADET", 240, 1200, S::Pump, false, false},
    {"RADYATÖR", "RADIATOR", "SOĞUTMA", "ADET", 1900, 7200, S::Box, false, false},
    {"RADYATÖR HORTUMU", "RADIATOR HOSE", "SOĞUTMA", "ADET", 150, 650, S::Belt, false, false},
    {"ATEŞLEME BOBİNİ", "IGNITION COIL", "ELEKTRİK", "ADET", 600, 2600, S::Plug, false, false},
    {"BUJİ", "SPARK PLUG", "ELEKTRİK", "ADET", 70, 380, S::Plug, false, false},
    {"KIZDIRMA BUJİSİ", "GLOW PLUG", "ELEKTRİK", "ADET", 160, 650, S::Plug, false, false},
    {"MARŞ MOTORU", "STARTER MOTOR", "ELEKTRİK", "ADET", 3200, 9800, S::Pump, false, false},
    {"ALTERNATÖR", "ALTERNATOR", "ELEKTRİK", "ADET", 4200, 14500, S::Pump, false, false},
    {"FAR AMPULÜ H7", "BULB H7", "AYDINLATMA", "ADET", 45, 320, S::Bulb, false, false},
    {"STOP LAMBASI", "TAIL LAMP", "AYDINLATMA", "ADET", 900, 4200, S::Box, true, false},
    {"SİS FARI", "FOG LAMP", "AYDINLATMA", "ADET", 650, 2400, S::Bulb, true, false},
    {"MOTOR TAKOZU", "ENGINE MOUNT", "MOTOR", "ADET", 420, 2100, S::Joint, true, true},
    {"ŞANZIMAN TAKOZU", "GEARBOX MOUNT", "AKTARMA", "ADET", 380, 1700, S::Joint, false, false},
    {"SİLİNDİR KAPAK CONTASI", "HEAD GASKET", "MOTOR", "ADET", 480, 2600, S::Pad, false, false},
    {"KRANK KEÇESİ", "CRANKSHAFT SEAL", "MOTOR", "ADET", 90, 420, S::Disc, false, true},
    {"EGZOZ SUSTURUCU", "EXHAUST SILENCER", "EGZOZ", "ADET", 1100, 4600, S::Shock, false, true},
    {"OKSİJEN SENSÖRÜ", "LAMBDA SENSOR", "EGZOZ", "ADET", 900, 3600, S::Plug, false, false},
    {"YAKIT POMPASI", "FUEL PUMP", "YAKIT SİSTEMİ", "ADET", 1400, 5600, S::Pump, false, false},
    {"ENJEKTÖR", "INJECTOR", "YAKIT SİSTEMİ", "ADET", 2100, 8800, S::Plug, false, false},
    {"SİLECEK SÜPÜRGESİ", "WIPER BLADE", "KAPORTA", "ADET", 95, 480, S::Belt, false, true},
    {"KAPI KOLU", "DOOR HANDLE", "KAPORTA", "ADET", 160, 780, S::Box, true, true},
    {"DİKİZ AYNA CAMI", "MIRROR GLASS", "KAPORTA", "ADET", 140, 650, S::Box, true, false},
    {"MOTOR YAĞI 5W30 4 LT", "ENGINE OIL 5W30 4L", "YAĞLAR", "KUTU", 850, 2300, S::Box, false, false},
    {"ANTİFRİZ 3 LT", "ANTIFREEZE 3L", "YAĞLAR", "KUTU", 260, 620, S::Box, false, false},
    {"FREN HİDROLİĞİ DOT4", "BRAKE FLUID DOT4", "YAĞLAR", "ŞİŞE", 90, 260, S::Box, false, false},
};

struct Vehicle {
    const char* marka;
    const char* oemStyle; // numbering style of the car maker
};

const Vehicle kVehicles[] = {
    {"FIAT DOBLO 1.3 MJT 2010-2015", "fiat"},  {"FIAT EGEA 1.3 MJT 2016-", "fiat"},
    {"FIAT LINEA 1.3 MJT 2007-2012", "fiat"},  {"TOFAŞ ŞAHİN 1.6 1993-2002", "fiat"},
    {"RENAULT CLIO IV 1.5 DCI 2012-", "renault"}, {"RENAULT MEGANE III 1.5 DCI 2008-2015", "renault"},
    {"DACIA DUSTER 1.5 DCI 2010-", "renault"}, {"RENAULT SYMBOL 1.2 16V 2008-2012", "renault"},
    {"FORD TRANSIT 2.2 TDCI 2006-2014", "ford"}, {"FORD FOCUS III 1.6 TI-VCT 2011-", "ford"},
    {"FORD FIESTA 1.4 TDCI 2008-2017", "ford"}, {"VW PASSAT B6 1.6 TDI 2005-2010", "vw"},
    {"VW GOLF VII 1.6 TDI 2013-", "vw"},       {"VW CADDY 2.0 SDI 2004-2010", "vw"},
    {"SKODA OCTAVIA A7 1.6 TDI 2013-", "vw"},  {"TOYOTA COROLLA 1.4 D4D 2007-2013", "toyota"},
    {"HYUNDAI ACCENT ERA 1.5 CRDI 2006-2011", "hyundai"}, {"HYUNDAI I20 1.4 2008-2014", "hyundai"},
    {"OPEL ASTRA H 1.6 2004-2010", "opel"},   {"OPEL CORSA D 1.3 CDTI 2006-2014", "opel"},
    {"PEUGEOT 301 1.6 HDI 2012-", "psa"},      {"CITROEN BERLINGO 1.6 HDI 2008-", "psa"},
    {"HONDA CIVIC FD6 1.6 2006-2011", "honda"}, {"MERCEDES SPRINTER 313 CDI 2006-", "mercedes"},
};

struct Brand {
    const char* adi;
    const char* style; // manufacturer number style
};

const Brand kBrands[] = {
    {"BOSCH", "bosch"}, {"VALEO", "digits6"}, {"MANN", "mann"}, {"SACHS", "digits6"},
    {"TRW", "trw"},     {"FEBI", "digits5"},  {"LEMFÖRDER", "digits5"}, {"GATES", "gates"},
    {"SKF", "skf"},     {"MAHLE", "mann"},    {"NGK", "digits5"}, {"DELPHI", "trw"},
    {"CONTINENTAL", "gates"}, {"KAYABA", "digits6"}, {"MEYLE", "meyle"}, {"FILTRON", "mann"},
};

constexpr int kModels[] = {1, 1, 1, 1, 1, 2, 2, 4, 4, 5, 6, 6, 10, 10, 12, 20, 25, 50};

QString oemNumber(DemoRandom& r, const QString& style)
{
    if (style == "fiat")
        return QStringLiteral("%1%2").arg(r.range(46, 77)).arg(r.digits(6));
    if (style == "renault")
        return QStringLiteral("%1 %2 %3 %4").arg(r.range(77, 82)).arg(r.digits(2), r.digits(3), r.digits(3));
    if (style == "ford")
        return QStringLiteral("%1%2 %3%4").arg(QChar(u'1' + r.range(0, 8))).arg(r.digits(3), r.digits(3),
                                                                           QString(QChar(u'A' + r.range(0, 25))));
    if (style == "vw")
        return QStringLiteral("%1%2%3 %4 %5 %6")
            .arg(r.range(1, 6))
            .arg(QChar(u'J' + r.range(0, 10)))
            .arg(r.range(0, 9))
            .arg(r.digits(3), r.digits(3), QStringLiteral("A") + QChar(u'A' + r.range(0, 10)));
    if (style == "toyota")
        return QStringLiteral("%1-%2").arg(r.digits(5), r.digits(5));
    if (style == "hyundai")
        return QStringLiteral("%1-%2%3").arg(r.digits(5), QString(QChar(u'1' + r.range(0, 8))), r.digits(3));
    if (style == "opel")
        return QStringLiteral("%1 %2 %3").arg(r.digits(2), r.digits(3), r.digits(3));
    if (style == "psa")
        return QStringLiteral("%1.%2").arg(r.digits(4), r.digits(2));
    if (style == "honda")
        return QStringLiteral("%1-%2-%3").arg(r.digits(5), QStringLiteral("S") + r.digits(2) + u'A', r.digits(2));
    return QStringLiteral("A %1 %2 %3").arg(r.digits(3), r.digits(3), r.digits(2)); // mercedes
}

QString makerNumber(DemoRandom& r, const QString& style)
{
    if (style == "bosch")
        return QStringLiteral("0 %1 %2 %3").arg(r.range(250, 986)).arg(r.digits(3), r.digits(3));
    if (style == "mann")
        return QStringLiteral("%1 %2/%3").arg(QStringList{"W", "C", "CU", "WK", "HU"}.at(r.range(0, 4)),
                                              QString::number(r.range(610, 3690)), r.digits(1));
    if (style == "trw")
        return QStringLiteral("GDB%1").arg(r.range(1100, 2299));
    if (style == "gates")
        return QStringLiteral("K0%1").arg(r.range(15000, 15999));
    if (style == "skf")
        return QStringLiteral("VKBA %1").arg(r.range(3400, 7199));
    if (style == "meyle")
        return QStringLiteral("%1 %2 %3").arg(r.digits(3), r.digits(3), r.digits(4));
    if (style == "digits5")
        return r.digits(5);
    return r.digits(6);
}

QString ean13(DemoRandom& r)
{
    QString code = QStringLiteral("869") + r.digits(9);
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (code[i].unicode() - u'0') * (i % 2 ? 3 : 1);
    code.append(QChar(u'0' + (10 - sum % 10) % 10));
    return code;
}

QString groupCode(const QString& grup)
{
    return SearchText::compact(grup).left(2);
}

} // namespace

QStringList CatalogueSeeder::departments()
{
    QStringList list;
    for (const PartType& t : kTypes)
        if (!list.contains(QString::fromUtf8(t.grup)))
            list.append(QString::fromUtf8(t.grup));
    return list;
}

void CatalogueSeeder::seed(DemoDatabase& db, DemoRandom& rnd, int count)
{
    DemoTransaction tx(db);
    QSqlQuery q = db.prepare(QStringLiteral(
        "INSERT INTO stok(STOK_STOKNO,BARKOD,ADI,URETICIKODU,MARKA,MODEL,FINISHKOD,OEM1,OEM2,OEM3,OEM4,"
        "DIGERADI,DPKOD,PKOD,BARKOD_BARKODNO,BIRIM,ANAGRUP,OZELKOD,DURUM,RESIM,Y,K,KDV,LISTEFIYAT,"
        "KAMPFIYAT,KALAN,ALINANSIPARIS,VERILENSIPARIS,SEKIL,ARAMA) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
        "?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    constexpr int nTypes = int(std::size(kTypes));
    constexpr int nVehicles = int(std::size(kVehicles));
    constexpr int nBrands = int(std::size(kBrands));
    for (int i = 1; i <= count; ++i) {
        const PartType& t = kTypes[rnd.range(0, nTypes - 1)];
        const Vehicle& v = kVehicles[rnd.range(0, nVehicles - 1)];
        const Brand& b = kBrands[rnd.range(0, nBrands - 1)];
        const QString grup = QString::fromUtf8(t.grup);

        QString adi = QString::fromUtf8(t.adi);
        if (t.frontRear)
            adi += rnd.chance(0.6) ? QStringLiteral(" ÖN") : QStringLiteral(" ARKA");
        if (t.sided)
            adi += rnd.chance(0.5) ? QStringLiteral(" SAĞ") : QStringLiteral(" SOL");
        const QString marka = QString::fromUtf8(v.marka);
        const QString barkod = QStringLiteral("TLM-%1%2").arg(groupCode(grup)).arg(100000 + i);
        const QString uretici = makerNumber(rnd, QString::fromLatin1(b.style));
        const QString oem1 = oemNumber(rnd, QString::fromLatin1(v.oemStyle));
        const QString oem2 = rnd.chance(0.6) ? oemNumber(rnd, QString::fromLatin1(v.oemStyle)) : QString();
        const QString oem3 = rnd.chance(0.3) ? oemNumber(rnd, QString::fromLatin1(v.oemStyle)) : QString();
        const QString oem4 = rnd.chance(0.15) ? oemNumber(rnd, QString::fromLatin1(v.oemStyle)) : QString();
        const QString finish = QStringLiteral("F%1").arg(rnd.digits(6));
        const QString english = QString::fromLatin1(t.english);
        const int model = kModels[rnd.range(0, int(std::size(kModels)) - 1)];

        const int d = rnd.range(0, 99);
        const int durum = d < 50 ? 1 : d < 62 ? 0 : d < 74 ? 3 : d < 82 ? 2 : d < 90 ? 4 : 5;
        const int resim = rnd.chance(0.6) ? 1 : 0;
        const int y = rnd.chance(0.08) ? 1 : 0;
        const int k = rnd.chance(0.1) ? 1 : 0;
        const int kdvPick = rnd.range(0, 99);
        const double kdv = kdvPick < 85 ? 20.0 : kdvPick < 95 ? 10.0 : 1.0;
        // Prices end in .00 or .50 or .90 as a distributor's price list does.
        double list = rnd.real(t.minPrice, t.maxPrice);
        list = std::floor(list) + QList<double>{0.0, 0.5, 0.9}.at(rnd.range(0, 2));
        const double kamp = k ? PriceCalculator::round2(list * rnd.real(0.70, 0.88)) : 0.0;
        const double kalan = durum == 1 ? double(model * rnd.range(1, 60)) : 0.0;

        // Searchable text: every field folded, the codes once more without their blanks.
        QString arama;
        arama.reserve(400);
        for (const QString* f : std::initializer_list<const QString*>{&adi, &marka, &grup, &english, &finish})
            arama += SearchText::fold(*f) + u' ';
        arama += SearchText::fold(QString::fromUtf8(b.adi));
        for (const QString* code : std::initializer_list<const QString*>{&barkod, &uretici, &oem1, &oem2, &oem3, &oem4}) {
            if (code->isEmpty())
                continue;
            const QString folded = SearchText::fold(*code);
            arama += u' ' + folded;
            if (folded.contains(u' '))
                arama += u' ' + QString(folded).remove(u' ');
        }

        const QVariantList values = {i, barkod, adi, uretici, marka, model, finish, oem1, oem2, oem3, oem4,
                                     english, QStringLiteral("D") + groupCode(grup), QStringLiteral("P%1").arg(i % 997),
                                     ean13(rnd), QString::fromUtf8(t.birim), grup, QString::fromUtf8(b.adi),
                                     durum, resim, y, k, kdv, list, kamp, kalan, double(rnd.range(0, 40)),
                                     double(rnd.range(0, 25)), t.shape, arama};
        for (int c = 0; c < values.size(); ++c)
            q.bindValue(c, values[c]);
        DemoDatabase::run(q);
    }
    tx.commit();
}
